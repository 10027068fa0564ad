#include "framework/CTevAsnNull.h"

using namespace NTevAsnValue;

long CTevAsnNull::accept(ITevAsnValueVisitor* visitor) { return visitor->visit_null(this); }

ITevAsnValue* CTevAsnNull::clone(long* err) const { return clone_as<CTevAsnNull>(err); }

long CTevAsnNull::assign(const ITevAsnValue* src) {
  return same_type(src) ? ASN_OK : ASN_E_INVALID_ARGUMENT;
}

void CTevAsnNull::clear() {}

EAsnType CTevAsnNull::get_type() const { return ASN_NULL; }

bool CTevAsnNull::is_equal(const ITevAsnValue* other) const { return same_type(other); }

void CTevAsnNull::query_class(unsigned long class_id, void** out) const {
  if (!answer_class(class_id, tev_core::kClassIdNull, this, out)) {
    CTevAsnValueBase::query_class(class_id, out);
  }
}
