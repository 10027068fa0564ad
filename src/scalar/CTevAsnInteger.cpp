#include "scalar/CTevAsnInteger.h"

#include "base/TevNumberText.h"
#include "scalar/TevNumber32.h"

using namespace NTevAsnValue;

long CTevAsnInteger::accept(ITevAsnValueVisitor* visitor) { return visitor->visit_integer(this); }

ITevAsnValue* CTevAsnInteger::clone(long* err) const { return clone_as<CTevAsnInteger>(err); }

long CTevAsnInteger::assign(const ITevAsnValue* src) {
  if (!same_type(src)) return ASN_E_INVALID_ARGUMENT;
  value_ = static_cast<std::int32_t>(src->get_long(nullptr));
  return ASN_OK;
}

void CTevAsnInteger::clear() { value_ = 0; }

EAsnType CTevAsnInteger::get_type() const { return ASN_INTEGER; }

bool CTevAsnInteger::is_equal(const ITevAsnValue* other) const {
  return same_type(other) && other->get_long(nullptr) == value_;
}

void CTevAsnInteger::query_class(unsigned long class_id, void** out) const {
  if (!answer_class(class_id, tev_core::kClassIdInteger, this, out)) {
    CTevAsnValueBase::query_class(class_id, out);
  }
}

long CTevAsnInteger::get_long(long* err) const {
  tev_core::set_error(err, ASN_OK);
  return value_;
}

long CTevAsnInteger::to_text_into(CTevAsnBuffer* buffer) const {
  return tev_core::write_number_text(buffer, value_);
}

long CTevAsnInteger::set_long(long value) {
  if (!tev_core::fits_i32(value)) return ASN_E_INVALID_ARGUMENT;
  value_ = static_cast<std::int32_t>(value);
  return ASN_OK;
}

long CTevAsnInteger::set_text(const char* text) {
  if (text == nullptr) return ASN_E_INVALID_ARGUMENT;
  std::int64_t number = 0;
  if (!tev_base::read_decimal_in_range(text, INT32_MIN, INT32_MAX, &number)) {
    return ASN_E_INVALID_ARGUMENT;
  }
  value_ = static_cast<std::int32_t>(number);
  return ASN_OK;
}

unsigned long CTevAsnInteger::get_count() const { return 1; }

unsigned long CTevAsnInteger::get_oid_length(long /*implied*/) const { return 1; }

long CTevAsnInteger::append_to_oid(ITevAsnObjectID* oid, long /*implied*/) const {
  return tev_core::append_number_index(oid, pattern());
}

long CTevAsnInteger::assign_to_oid(ITevAsnObjectID* oid, long /*implied*/) const {
  return tev_core::assign_number_index(oid, pattern());
}

long CTevAsnInteger::set_from_oid(const ITevAsnObjectID* oid, long /*implied*/,
                                  unsigned long /*length*/) {
  std::uint32_t sub_id = pattern();
  const long code = tev_core::read_number_index(oid, &sub_id);
  value_ = static_cast<std::int32_t>(sub_id);  // two's complement: 4294967295 is -1
  return code;
}
