// CTevAsnNull: the ASN.1 NULL value. It carries no data; every NULL equals
// every other, and every conversion keeps the refusing base default.
#ifndef TEVASNVALUE_SRC_FRAMEWORK_CTEVASNNULL_H
#define TEVASNVALUE_SRC_FRAMEWORK_CTEVASNNULL_H

#include "framework/CTevAsnValueBase.h"

class CTevAsnNull final : public CTevAsnValueBase {
 public:
  long accept(ITevAsnValueVisitor* visitor) override;
  ITevAsnValue* clone(long* err) const override;
  long assign(const ITevAsnValue* src) override;
  void clear() override;
  NTevAsnValue::EAsnType get_type() const override;
  bool is_equal(const ITevAsnValue* other) const override;
  void query_class(unsigned long class_id, void** out) const override;
};

#endif  // TEVASNVALUE_SRC_FRAMEWORK_CTEVASNNULL_H
