// CTevAsnException: the SNMPv2 exception values noSuchObject, noSuchInstance
// and endOfMibView, one class for all three. A value carries only its tag; it
// refuses every reading, writing and conversion (the base defaults) and takes
// part only in identity, copy and comparison.
#ifndef TEVASNVALUE_SRC_SCALAR_CTEVASNEXCEPTION_H
#define TEVASNVALUE_SRC_SCALAR_CTEVASNEXCEPTION_H

#include "framework/CTevAsnValueBase.h"

class CTevAsnException final : public CTevAsnValueBase {
 public:
  /// `tag` is the type the value reports (0x80, 0x81 or 0x82); the creation
  /// functions choose it, and it is not checked here.
  explicit CTevAsnException(NTevAsnValue::EAsnType tag) : tag_(tag) {}

  /// Every tag calls visit_exception; the visitor tells them apart by get_type.
  long accept(ITevAsnValueVisitor* visitor) override;
  ITevAsnValue* clone(long* err) const override;
  /// -2 for a null source, another type, or a foreign implementation that
  /// reports an exception type without being this class.
  long assign(const ITevAsnValue* src) override;
  void clear() override;
  NTevAsnValue::EAsnType get_type() const override;
  bool is_equal(const ITevAsnValue* other) const override;
  void query_class(unsigned long class_id, void** out) const override;

 private:
  NTevAsnValue::EAsnType tag_;
};

#endif  // TEVASNVALUE_SRC_SCALAR_CTEVASNEXCEPTION_H
