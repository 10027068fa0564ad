#include "scalar/CTevAsnCounter64.h"

#include <limits>

#include "base/TevNumberText.h"

using namespace NTevAsnValue;

long CTevAsnCounter64::accept(ITevAsnValueVisitor* visitor) {
  return visitor->visit_counter_64(this);
}

ITevAsnValue* CTevAsnCounter64::clone(long* err) const { return clone_as<CTevAsnCounter64>(err); }

long CTevAsnCounter64::assign(const ITevAsnValue* src) {
  if (!same_type(src)) return ASN_E_INVALID_ARGUMENT;
  high_ = static_cast<std::uint32_t>(src->get_high(nullptr));
  low_ = static_cast<std::uint32_t>(src->get_low(nullptr));
  return ASN_OK;
}

void CTevAsnCounter64::clear() { set_number(0); }

EAsnType CTevAsnCounter64::get_type() const { return ASN_COUNTER_64; }

bool CTevAsnCounter64::is_equal(const ITevAsnValue* other) const {
  return same_type(other) && other->get_high(nullptr) == high_ && other->get_low(nullptr) == low_;
}

void CTevAsnCounter64::query_class(unsigned long class_id, void** out) const {
  if (!answer_class(class_id, tev_core::kClassIdCounter64, this, out)) {
    CTevAsnValueBase::query_class(class_id, out);
  }
}

unsigned long CTevAsnCounter64::get_ulong(long* err) const { return get_low(err); }

long CTevAsnCounter64::to_text_into(CTevAsnBuffer* buffer) const {
  if (buffer == nullptr) return ASN_E_INVALID_ARGUMENT;
  char text[tev_base::kDecimalTextSize];
  tev_base::format_decimal(number(), text);
  return buffer->assign_text(text);
}

unsigned long CTevAsnCounter64::get_high(long* err) const {
  tev_core::set_error(err, ASN_OK);
  return high_;
}

unsigned long CTevAsnCounter64::get_low(long* err) const {
  tev_core::set_error(err, ASN_OK);
  return low_;
}

long CTevAsnCounter64::set_ulong(unsigned long value) {
  if (!tev_core::fits_u32(value)) return ASN_E_INVALID_ARGUMENT;
  set_number(value);
  return ASN_OK;
}

long CTevAsnCounter64::set_text(const char* text) {
  if (text == nullptr) return ASN_E_INVALID_ARGUMENT;
  constexpr std::uint64_t kMax = std::numeric_limits<std::uint64_t>::max();
  std::uint64_t n = 0;
  long code = ASN_OK;
  for (const char* p = text; *p != '\0'; ++p) {
    if (*p < '0' || *p > '9') {
      code = ASN_E_INVALID_ARGUMENT;
      break;
    }
    const auto digit = static_cast<std::uint64_t>(*p - '0');
    if (n > (kMax - digit) / 10) {
      code = ASN_E_INVALID_ARGUMENT;
      break;
    }
    n = n * 10 + digit;
  }
  // On a failure the digits read so far stay; the value is not restored.
  set_number(n);
  return code;
}

long CTevAsnCounter64::set_high(unsigned long high) {
  if (!tev_core::fits_u32(high)) return ASN_E_INVALID_ARGUMENT;
  high_ = static_cast<std::uint32_t>(high);
  return ASN_OK;
}

long CTevAsnCounter64::set_low(unsigned long low) {
  if (!tev_core::fits_u32(low)) return ASN_E_INVALID_ARGUMENT;
  low_ = static_cast<std::uint32_t>(low);
  return ASN_OK;
}

unsigned long CTevAsnCounter64::get_count() const { return 1; }

void CTevAsnCounter64::set_number(std::uint64_t number) {
  high_ = static_cast<std::uint32_t>(number >> 32);
  low_ = static_cast<std::uint32_t>(number);
}
