#include "framework/TevNumberText.h"

#include <charconv>

namespace tev {

namespace {

constexpr std::uint64_t kScanLimit = std::uint64_t{1} << 40;

bool is_space(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

bool is_digit(char c) { return c >= '0' && c <= '9'; }

template <class T>
std::size_t format_any(T value, char* out) {
  const std::to_chars_result r = std::to_chars(out, out + kDecimalTextSize - 1, value);
  *r.ptr = '\0';
  return static_cast<std::size_t>(r.ptr - out);
}

}  // namespace

std::size_t format_decimal(std::uint64_t value, char* out) { return format_any(value, out); }

std::size_t format_decimal(std::int64_t value, char* out) { return format_any(value, out); }

ScannedDecimal scan_decimal(const char* text) {
  ScannedDecimal result;
  const char* p = text;
  while (is_space(*p)) ++p;
  bool negative = false;
  if (*p == '+' || *p == '-') {
    negative = *p == '-';
    ++p;
  }
  std::uint64_t magnitude = 0;
  for (; is_digit(*p); ++p) {
    if (!result.overflow) {
      magnitude = magnitude * 10 + static_cast<std::uint64_t>(*p - '0');
      result.overflow = magnitude > kScanLimit;
    }
  }
  result.end = p;
  if (!result.overflow) {
    const auto signed_magnitude = static_cast<std::int64_t>(magnitude);
    result.value = negative ? -signed_magnitude : signed_magnitude;
  }
  return result;
}

bool read_decimal_in_range(const char* text, std::int64_t low, std::int64_t high,
                           std::int64_t* value) {
  const ScannedDecimal scanned = scan_decimal(text);
  if (scanned.overflow || scanned.value < low || scanned.value > high) return false;
  *value = scanned.value;
  return true;
}

}  // namespace tev
