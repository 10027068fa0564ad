#include "display/CTevIntegerHint.h"

#include "TevAsnDisplay.h"
#include "base/TevNumberText.h"
#include "base/TevReason.h"

using namespace NTevAsnValue;
using tev_base::fail;
using tev_base::shown;

long CTevIntegerHint::parse(const char* hint, CTevAsnBuffer* reason) {
  format_ = 'd';
  decimals_ = 0;
  switch (hint[0]) {
    case 'd':
    case 'x':
    case 'o':
    case 'b':
      format_ = hint[0];
      break;
    case '\0':
      return fail(reason, ASN_E_HINT, "empty hint");
    default:
      return fail(reason, ASN_E_HINT, "hint position 1: unknown format '%s' (d, x, o or b)",
                  shown(hint[0]).text);
  }
  if (hint[1] == '\0') return ASN_OK;
  if (format_ != 'd' || hint[1] != '-') {
    return fail(reason, ASN_E_HINT, "hint position 2: '%s' after the format (only d takes -N)",
                shown(hint[1]).text);
  }
  unsigned i = 2;
  if (hint[i] < '0' || hint[i] > '9') {
    return fail(reason, ASN_E_HINT, "hint position 3: the implied decimal point needs digits");
  }
  for (; hint[i] >= '0' && hint[i] <= '9'; ++i) {
    decimals_ = decimals_ * 10 + static_cast<unsigned>(hint[i] - '0');
    if (decimals_ > kMaxDecimals) {
      return fail(reason, ASN_E_HINT, "hint position 3: more than %u implied decimals",
                  kMaxDecimals);
    }
  }
  if (hint[i] != '\0') {
    return fail(reason, ASN_E_HINT, "hint position %u: '%s' after the implied decimals", i + 1,
                shown(hint[i]).text);
  }
  return ASN_OK;
}

void CTevIntegerHint::format(long long value, CTevTextBuilder* out) const {
  const unsigned base = format_ == 'x' ? 16 : format_ == 'o' ? 8 : format_ == 'b' ? 2 : 10;
  // The magnitude without overflow for the most negative value.
  const unsigned long long magnitude = value < 0 ? 0ULL - static_cast<unsigned long long>(value)
                                                 : static_cast<unsigned long long>(value);
  char digits[64];
  const auto n = static_cast<unsigned>(tev_base::write_in_base(digits, magnitude, base) - digits);
  if (value < 0) out->append_char('-');
  if (decimals_ == 0) {
    out->append(digits, n);
    return;
  }
  // An implied decimal point: one digit at least before it, zeros after it
  // where the number has fewer digits than decimals.
  if (n <= decimals_) {
    out->append("0.", 2);
    for (unsigned pad = n; pad < decimals_; ++pad) out->append_char('0');
    out->append(digits, n);
    return;
  }
  out->append(digits, n - decimals_);
  out->append_char('.');
  out->append(digits + n - decimals_, decimals_);
}
