// The one way octets from an agent become text that stays one field on one
// line, and are read back: octets 0x20..0x7E other than '\' as they are, '\'
// as "\\", 0x00..0x1F and 0x7F as "\xHH" (lower-case digits), 0x80..0xFF as
// they are, so UTF-8 text passes through. The reader takes "\\" and "\xHH"
// (either case); a '\' before anything else is taken as itself, so text
// written before the rule reads as it did.
#ifndef TEVASNVALUE_SRC_BASE_TEVESCAPE_H
#define TEVASNVALUE_SRC_BASE_TEVESCAPE_H

#include "base/TevNumberText.h"

namespace tev_base {

/// Most bytes one octet takes when escaped.
constexpr unsigned long kEscapedWidth = 4;

/// Whether octet `c` is written as itself.
constexpr bool is_plain(unsigned char c) { return c >= 0x20 && c != 0x7F && c != '\\'; }

/// Writes `count` octets escaped at `w`, which has kEscapedWidth * count
/// bytes of room; returns the end.
inline char* put_escaped(const unsigned char* octets, unsigned long count, char* w) {
  for (unsigned long i = 0; i < count; ++i) {
    const unsigned char c = octets[i];
    if (is_plain(c)) {
      *w++ = static_cast<char>(c);
    } else if (c == '\\') {
      *w++ = '\\';
      *w++ = '\\';
    } else {
      w[0] = '\\';
      w[1] = 'x';
      w[2] = kHexDigits[c >> 4];
      w[3] = kHexDigits[c & 0x0F];
      w += 4;
    }
  }
  return w;
}

/// Reads the octet that escaped text (`length` bytes) holds at `at` < length
/// into `*octet`; returns the position after it.
inline unsigned long read_escaped(const char* text, unsigned long length, unsigned long at,
                                  unsigned char* octet) {
  const auto hex = [](char c) {
    return c >= '0' && c <= '9'   ? c - '0'
           : c >= 'a' && c <= 'f' ? c - 'a' + 10
           : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                  : -1;
  };
  *octet = static_cast<unsigned char>(text[at]);
  if (text[at] != '\\' || at + 1 == length) return at + 1;
  if (text[at + 1] == '\\') return at + 2;
  if (text[at + 1] == 'x' && length - at >= 4 && hex(text[at + 2]) >= 0 && hex(text[at + 3]) >= 0) {
    *octet = static_cast<unsigned char>(hex(text[at + 2]) << 4 | hex(text[at + 3]));
    return at + 4;
  }
  return at + 1;
}

}  // namespace tev_base

#endif  // TEVASNVALUE_SRC_BASE_TEVESCAPE_H
