#include "scalar/CTevAsnCounter.h"

using namespace NTevAsnValue;

long CTevAsnCounter::accept(ITevAsnValueVisitor* visitor) { return visitor->visit_counter(this); }

ITevAsnValue* CTevAsnCounter::clone(long* err) const { return clone_as<CTevAsnCounter>(err); }

EAsnType CTevAsnCounter::get_type() const { return ASN_COUNTER; }

void CTevAsnCounter::query_class(unsigned long class_id, void** out) const {
  if (!answer_class(class_id, tev_core::kClassIdCounter, this, out)) {
    CTevAsnGauge::query_class(class_id, out);
  }
}
