#include "scalar/CTevAsnException.h"

using namespace NTevAsnValue;

long CTevAsnException::accept(ITevAsnValueVisitor* visitor) {
  return visitor->visit_exception(this);
}

ITevAsnValue* CTevAsnException::clone(long* err) const {
  return clone_as<CTevAsnException>(err, tag_);
}

long CTevAsnException::assign(const ITevAsnValue* src) {
  if (!same_type(src)) return ASN_E_INVALID_ARGUMENT;
  const auto* other = cast_to<CTevAsnException>(src, tev_core::kClassIdException);
  if (other == nullptr) return ASN_E_INVALID_ARGUMENT;
  tag_ = other->tag_;
  return ASN_OK;
}

void CTevAsnException::clear() {}

EAsnType CTevAsnException::get_type() const { return tag_; }

bool CTevAsnException::is_equal(const ITevAsnValue* other) const { return same_type(other); }

void CTevAsnException::query_class(unsigned long class_id, void** out) const {
  if (!answer_class(class_id, tev_core::kClassIdException, this, out)) {
    CTevAsnValueBase::query_class(class_id, out);
  }
}
