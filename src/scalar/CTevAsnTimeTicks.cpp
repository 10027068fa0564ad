#include "scalar/CTevAsnTimeTicks.h"

using namespace NTevAsnValue;

long CTevAsnTimeTicks::accept(ITevAsnValueVisitor* visitor) {
  return visitor->visit_time_ticks(this);
}

ITevAsnValue* CTevAsnTimeTicks::clone(long* err) const { return clone_as<CTevAsnTimeTicks>(err); }

EAsnType CTevAsnTimeTicks::get_type() const { return ASN_TIME_TICKS; }

void CTevAsnTimeTicks::query_class(unsigned long class_id, void** out) const {
  if (!answer_class(class_id, tev_core::kClassIdTimeTicks, this, out)) {
    CTevAsnGauge::query_class(class_id, out);
  }
}
