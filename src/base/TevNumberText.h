// Number text in and out for both libraries, the one home of both directions:
// the decimal writer (numbers, sub-identifiers, address octets), the hex
// digits, the printable rule, the strict digit scanner (plain digits, as the
// identifier index and the address fields read them) and the atol-style
// scanner built on it. No sprintf, no C library overflow behaviour.
#ifndef TEVASNVALUE_SRC_BASE_TEVNUMBERTEXT_H
#define TEVASNVALUE_SRC_BASE_TEVNUMBERTEXT_H

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace tev_base {

/// Room for any number format_decimal writes (20 digits or a sign and 19)
/// plus a terminating zero.
constexpr std::size_t kDecimalTextSize = 24;

/// Writes `value` in decimal at `out` and returns the position after the last
/// digit; no terminating zero. At most 20 characters.
char* write_decimal(char* out, std::uint64_t value);
char* write_decimal(char* out, std::uint32_t value);

/// Every octet value as a dot and its digits; only `length` of the four count.
struct OctetText {
  char chars[4];
  std::uint32_t length;
};
struct OctetTable {
  OctetText entry[256];
};
extern const OctetTable kOctetTable;

/// Writes each of `n` octets as a dot and its decimal digits (".192.168.1.10")
/// and returns the position after the last digit. Four bytes are stored per
/// octet, so the room must be 4 * n characters. Inline: index encoding writes
/// every octet value this way.
inline char* write_dotted_octets(char* out, const unsigned char* octets, std::size_t n) {
  for (std::size_t i = 0; i < n; ++i) {
    const OctetText& text = kOctetTable.entry[octets[i]];
    std::memcpy(out, text.chars, 4);
    out += text.length;
  }
  return out;
}

/// Writes the octet `value` in decimal (1 to 3 digits) at `out`, which has
/// room for 4, and returns the position after the last digit.
inline char* write_octet_decimal(char* out, unsigned char value) {
  const OctetText& text = kOctetTable.entry[value];
  // Four bytes in one copy: the digits after the dot, and a byte of length
  // that the next write covers.
  std::memcpy(out, reinterpret_cast<const char*>(&text) + 1, 4);
  return out + text.length - 1;
}

/// Writes `value` in decimal into `out`, zero-terminated; returns the number of
/// characters (without the terminator).
std::size_t format_decimal(std::uint64_t value, char* out);
std::size_t format_decimal(std::int64_t value, char* out);

/// The lower-case hexadecimal digits, the one table of them.
inline constexpr char kHexDigits[] = "0123456789abcdef";

/// Writes `value` in `base` (2 to 16, lower-case digits) at `out` and returns
/// the position after the last digit; base 10 is write_decimal. At most 64
/// characters.
char* write_in_base(char* out, std::uint64_t value, unsigned base);

/// Writes `value` in lower-case hexadecimal padded with zeros to at least
/// `min_digits` at `out`; returns the position after the last digit.
char* write_hex(char* out, std::uint32_t value, unsigned min_digits = 1);

/// Writes two hex digits per octet, with `separator` between octets unless
/// it is '\0'; returns the end. Room: 3 * n characters.
inline char* write_hex_pairs(char* out, const unsigned char* octets, std::size_t n,
                             char separator) {
  for (std::size_t i = 0; i < n; ++i) {
    if (i != 0 && separator != '\0') *out++ = separator;
    *out++ = kHexDigits[octets[i] >> 4];
    *out++ = kHexDigits[octets[i] & 0x0F];
  }
  return out;
}

/// 0..15 for a hexadecimal digit of either case, -1 otherwise.
inline int hex_value(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

/// Printable ASCII, 0x20..0x7E: what octets may hold to be shown as text.
inline bool is_printable(unsigned char c) { return c >= 0x20 && c <= 0x7E; }
/// Whether every one of `n` octets is printable (true for none).
inline bool all_printable(const unsigned char* octets, std::size_t n) {
  for (std::size_t i = 0; i < n; ++i) {
    if (!is_printable(octets[i])) return false;
  }
  return true;
}

inline bool is_digit(char c) { return c >= '0' && c <= '9'; }
inline bool is_space(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

/// What the strict scanner read: digits only, no white space or sign.
struct DigitRun {
  const char* end = nullptr;  ///< the first character not read
  std::uint64_t value = 0;    ///< the digits' value; not kept once above the cap
  bool overflow = false;      ///< the value went above the cap
};

/// The strict scanner: reads the digits of `base` (10 or 16) from `p` up to
/// `limit` (null: no limit, the text is zero-terminated) or the first other
/// character. Every digit is read; the value is kept while it stays within `cap`.
inline DigitRun scan_digits(const char* p, const char* limit, unsigned base, std::uint64_t cap) {
  DigitRun run;
  for (; limit == nullptr || p < limit; ++p) {
    unsigned digit = 0;
    const int value = base == 16 ? hex_value(*p) : is_digit(*p) ? *p - '0' : -1;
    if (value < 0) break;
    digit = static_cast<unsigned>(value);
    if (!run.overflow) {
      run.value = run.value * base + digit;
      run.overflow = run.value > cap;
    }
  }
  run.end = p;
  if (run.overflow) run.value = 0;
  return run;
}

/// The strict scanner when only the extent matters: the end of the decimal
/// digits from `p` up to `limit`.
inline const char* skip_digits(const char* p, const char* limit) {
  while (p < limit && is_digit(*p)) ++p;
  return p;
}

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

}  // namespace tev_base

#endif  // TEVASNVALUE_SRC_BASE_TEVNUMBERTEXT_H
