#include "base/TevTextScan.h"

#include "base/TevNumberText.h"

namespace tev_base {

unsigned long find_char(TevSpan text, char c, unsigned long from) {
  for (unsigned long i = from; i < text.length; ++i) {
    if (text.data[i] == c) return i;
  }
  return text.length;
}

bool scan_decimal_field(TevSpan text, unsigned long max_digits, std::uint64_t max,
                        std::uint64_t* value) {
  if (text.length == 0 || text.length > max_digits) return false;
  std::uint64_t n = 0;
  for (unsigned long i = 0; i < text.length; ++i) {
    if (!is_digit(text.data[i])) return false;
    const unsigned digit = static_cast<unsigned>(text.data[i] - '0');
    if (digit > max || n > (max - digit) / 10) return false;
    n = n * 10 + digit;
  }
  *value = n;
  return true;
}

bool scan_ipv4(TevSpan text, unsigned char* out) {
  unsigned long start = 0;
  for (int part = 0; part < 4; ++part) {
    const unsigned long end = part == 3 ? text.length : find_char(text, '.', start);
    if (end == text.length && part != 3) return false;
    std::uint64_t value = 0;
    if (!scan_decimal_field({text.data + start, end - start}, 3, 255, &value)) return false;
    out[part] = static_cast<unsigned char>(value);
    start = end + 1;
  }
  return true;
}

}  // namespace tev_base
