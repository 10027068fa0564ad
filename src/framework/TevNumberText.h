// Decimal text in and out for the number classes and object identifiers,
// without sprintf or the C library's overflow behaviour.
#ifndef TEVASNVALUE_SRC_FRAMEWORK_TEVNUMBERTEXT_H
#define TEVASNVALUE_SRC_FRAMEWORK_TEVNUMBERTEXT_H

#include <cstddef>
#include <cstdint>

namespace tev {

/// Room for any number format_decimal writes (20 digits or a sign and 19)
/// plus a terminating zero.
constexpr std::size_t kDecimalTextSize = 24;

/// Writes `value` in decimal into `out`, zero-terminated; returns the number of
/// characters (without the terminator).
std::size_t format_decimal(std::uint64_t value, char* out);
std::size_t format_decimal(std::int64_t value, char* out);

/// A number read the way atol reads it: leading white space, one optional '+'
/// or '-', then decimal digits up to the first other character.
struct ScannedDecimal {
  std::int64_t value = 0;     ///< the number; 0 when there were no digits
  bool overflow = false;      ///< more than 40 bits of magnitude (value not kept)
  const char* end = nullptr;  ///< the first character not read
};
ScannedDecimal scan_decimal(const char* text);

/// Reads like scan_decimal and checks the number against [low, high]. On
/// success stores it in `*value` and returns true; otherwise leaves `*value`.
bool read_decimal_in_range(const char* text, std::int64_t low, std::int64_t high,
                           std::int64_t* value);

}  // namespace tev

#endif  // TEVASNVALUE_SRC_FRAMEWORK_TEVNUMBERTEXT_H
