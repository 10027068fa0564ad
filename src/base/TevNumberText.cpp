#include "base/TevNumberText.h"

#include <cstring>

namespace tev_base {

namespace {

constexpr std::uint64_t kScanLimit = std::uint64_t{1} << 40;

// Two digits at a time: half the divisions of one by one.
constexpr char kPairs[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

template <class U>
unsigned digit_count(U value) {
  unsigned n = 1;
  for (; value >= 10000; value /= 10000) n += 4;
  if (value >= 1000) return n + 3;
  if (value >= 100) return n + 2;
  return value >= 10 ? n + 1 : n;
}

template <class U>
char* write_digits(char* out, U value) {
  char* const end = out + digit_count(value);
  char* p = end;
  while (value >= 100) {
    const auto pair = static_cast<unsigned>(value % 100);
    value /= 100;
    p -= 2;
    std::memcpy(p, kPairs + std::size_t{2} * pair, 2);
  }
  if (value >= 10) {
    std::memcpy(p - 2, kPairs + std::size_t{2} * static_cast<unsigned>(value), 2);
  } else {
    p[-1] = static_cast<char>('0' + value);
  }
  return end;
}

constexpr OctetTable make_octet_table() {
  OctetTable table{};
  for (unsigned v = 0; v < 256; ++v) {
    OctetText& t = table.entry[v];
    std::uint32_t n = 0;
    t.chars[n++] = '.';
    if (v >= 100) t.chars[n++] = static_cast<char>('0' + v / 100);
    if (v >= 10) t.chars[n++] = static_cast<char>('0' + v / 10 % 10);
    t.chars[n++] = static_cast<char>('0' + v % 10);
    t.length = n;
  }
  return table;
}

}  // namespace

// Computed at compile time: no code runs when the library loads.
constexpr OctetTable kOctetTable = make_octet_table();

char* write_decimal(char* out, std::uint64_t value) {
  // 32-bit arithmetic where it suffices: the common case, and far cheaper on
  // 32-bit targets.
  if (value <= UINT32_MAX) return write_digits(out, static_cast<std::uint32_t>(value));
  return write_digits(out, value);
}

char* write_decimal(char* out, std::uint32_t value) {
  // Up to four digits (ports, years, most sub-identifiers) without counting.
  if (value < 100) {
    if (value < 10) {
      *out = static_cast<char>('0' + value);
      return out + 1;
    }
    std::memcpy(out, kPairs + std::size_t{2} * value, 2);
    return out + 2;
  }
  if (value < 10000) {
    const unsigned high = value / 100;
    const unsigned low = value % 100;
    if (high < 10) {
      *out++ = static_cast<char>('0' + high);
    } else {
      std::memcpy(out, kPairs + std::size_t{2} * high, 2);
      out += 2;
    }
    std::memcpy(out, kPairs + std::size_t{2} * low, 2);
    return out + 2;
  }
  return write_digits(out, value);
}

std::size_t format_decimal(std::uint64_t value, char* out) {
  char* const end = write_decimal(out, value);
  *end = '\0';
  return static_cast<std::size_t>(end - out);
}

std::size_t format_decimal(std::int64_t value, char* out) {
  if (value >= 0) return format_decimal(static_cast<std::uint64_t>(value), out);
  *out = '-';
  return 1 + format_decimal(0 - static_cast<std::uint64_t>(value), out + 1);
}

char* write_in_base(char* out, std::uint64_t value, unsigned base) {
  if (base == 10) return write_decimal(out, value);
  unsigned n = 1;
  for (std::uint64_t rest = value / base; rest != 0; rest /= base) ++n;
  for (unsigned i = n; i-- > 0; value /= base) out[i] = kHexDigits[value % base];
  return out + n;
}

char* write_hex(char* out, std::uint32_t value, unsigned min_digits) {
  char digits[8];
  unsigned n = 0;
  do {
    digits[n++] = kHexDigits[value & 0xF];
    value >>= 4;
  } while (value != 0);
  for (unsigned pad = n; pad < min_digits; ++pad) *out++ = '0';
  while (n != 0) *out++ = digits[--n];
  return out;
}

ScannedDecimal scan_decimal(const char* text) {
  ScannedDecimal result;
  const char* p = text;
  while (is_space(*p)) ++p;
  bool negative = false;
  if (*p == '+' || *p == '-') {
    negative = *p == '-';
    ++p;
  }
  const DigitRun run = scan_digits(p, nullptr, 10, kScanLimit);
  result.end = run.end;
  result.overflow = run.overflow;
  const auto magnitude = static_cast<std::int64_t>(run.value);
  result.value = negative ? -magnitude : magnitude;
  return result;
}

bool read_decimal_in_range(const char* text, std::int64_t low, std::int64_t high,
                           std::int64_t* value) {
  const ScannedDecimal scanned = scan_decimal(text);
  if (scanned.overflow || scanned.value < low || scanned.value > high) return false;
  *value = scanned.value;
  return true;
}

}  // namespace tev_base
