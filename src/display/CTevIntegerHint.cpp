#include "display/CTevIntegerHint.h"

#include "TevAsnDisplay.h"
#include "base/TevReason.h"

using namespace NTevAsnValue;
using tev_table::fail;
using tev_table::shown;

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
  unsigned long long magnitude = value < 0 ? 0ULL - static_cast<unsigned long long>(value)
                                           : static_cast<unsigned long long>(value);
  char digits[kMaxDecimals + 72];
  unsigned n = 0;
  char* const end = digits + sizeof digits;
  do {
    *(end - ++n) = "0123456789abcdef"[magnitude % base];
    magnitude /= base;
  } while (magnitude != 0);
  if (decimals_ != 0) {
    while (n < decimals_ + 1) *(end - ++n) = '0';
  }
  if (value < 0) out->append_char('-');
  const unsigned whole = n - decimals_;
  out->append(end - n, whole);
  if (decimals_ != 0) {
    out->append_char('.');
    out->append(end - decimals_, decimals_);
  }
}
