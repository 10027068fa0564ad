// CTevAsnTimeTicks: TimeTicks. It behaves exactly as Gauge32 and differs only in its
// identity: type, class id, visitor operation and the class clone makes.
// Asked for the Gauge32 class id it answers as a CTevAsnGauge, yet it never
// equals nor assigns from a Gauge32, because those compare get_type first.
#ifndef TEVASNVALUE_SRC_SCALAR_CTEVASNTIMETICKS_H
#define TEVASNVALUE_SRC_SCALAR_CTEVASNTIMETICKS_H

#include "scalar/CTevAsnGauge.h"

class CTevAsnTimeTicks final : public CTevAsnGauge {
 public:
  long accept(ITevAsnValueVisitor* visitor) override;
  ITevAsnValue* clone(long* err) const override;
  NTevAsnValue::EAsnType get_type() const override;
  void query_class(unsigned long class_id, void** out) const override;
};

#endif  // TEVASNVALUE_SRC_SCALAR_CTEVASNTIMETICKS_H
