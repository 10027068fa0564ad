#include "scalar/CTevAsnGauge.h"

#include <cstdint>

#include "base/TevNumberText.h"
#include "scalar/TevNumber32.h"

using namespace NTevAsnValue;

long CTevAsnGauge::accept(ITevAsnValueVisitor* visitor) { return visitor->visit_gauge(this); }

ITevAsnValue* CTevAsnGauge::clone(long* err) const { return clone_as<CTevAsnGauge>(err); }

long CTevAsnGauge::assign(const ITevAsnValue* src) {
  if (!same_type(src)) return ASN_E_INVALID_ARGUMENT;
  value_ = static_cast<std::uint32_t>(src->get_ulong(nullptr));
  return ASN_OK;
}

void CTevAsnGauge::clear() { value_ = 0; }

EAsnType CTevAsnGauge::get_type() const { return ASN_GAUGE; }

bool CTevAsnGauge::is_equal(const ITevAsnValue* other) const {
  return same_type(other) && other->get_ulong(nullptr) == value_;
}

void CTevAsnGauge::query_class(unsigned long class_id, void** out) const {
  if (!answer_class(class_id, tev_core::kClassIdGauge, this, out)) {
    CTevAsnValueBase::query_class(class_id, out);
  }
}

unsigned long CTevAsnGauge::get_ulong(long* err) const {
  tev_core::set_error(err, ASN_OK);
  return value_;
}

long CTevAsnGauge::to_text_into(CTevAsnBuffer* buffer) const {
  return tev_core::write_number_text(buffer, value_);
}

long CTevAsnGauge::set_ulong(unsigned long value) {
  if (!tev_core::fits_u32(value)) return ASN_E_INVALID_ARGUMENT;
  value_ = static_cast<std::uint32_t>(value);
  return ASN_OK;
}

long CTevAsnGauge::set_text(const char* text) {
  if (text == nullptr) return ASN_E_INVALID_ARGUMENT;
  std::int64_t number = 0;
  if (!tev_base::read_decimal_in_range(text, INT32_MIN, UINT32_MAX, &number)) {
    return ASN_E_INVALID_ARGUMENT;
  }
  value_ = static_cast<std::uint32_t>(number);  // negative numbers keep their pattern
  return ASN_OK;
}

unsigned long CTevAsnGauge::get_count() const { return 1; }

unsigned long CTevAsnGauge::get_oid_length(long /*implied*/) const { return 1; }

long CTevAsnGauge::append_to_oid(ITevAsnObjectID* oid, long /*implied*/) const {
  return tev_core::append_number_index(oid, value_);
}

long CTevAsnGauge::assign_to_oid(ITevAsnObjectID* oid, long /*implied*/) const {
  return tev_core::assign_number_index(oid, value_);
}

long CTevAsnGauge::set_from_oid(const ITevAsnObjectID* oid, long /*implied*/,
                                unsigned long /*length*/) {
  return tev_core::read_number_index(oid, &value_);
}
