// CTevHintValueWriter: writes one value of a DISPLAY-HINT octet format (RFC
// 2579: 'd' decimal, 'o' octal, 'x' hexadecimal, 'a' ASCII, 't' UTF-8) into
// room the caller has made, with no check of its own: the writers of hinted
// text reserve value_room (or kQuickRoom for at most 8 octets) first and then
// write through a plain pointer. Digits come from the base's number text.
#ifndef TEVASNVALUE_SRC_DISPLAY_CTEVHINTVALUEWRITER_H
#define TEVASNVALUE_SRC_DISPLAY_CTEVHINTVALUEWRITER_H

#include <cstring>

#include "base/TevEscape.h"
#include "base/TevNumberText.h"

class CTevHintValueWriter {
 public:
  /// Most bytes a value of a 'd' or 'o' format writes (8 octets: 22 octal
  /// digits), with the 4-byte copy of one octet's decimal digits.
  static constexpr unsigned long kNumberRoom = 24;
  /// Room for a value of at most 8 octets (escaped 'a' or 't' text the
  /// widest) and one separator.
  static constexpr unsigned long kQuickRoom = tev_base::kEscapedWidth * 8 + 1;
  /// Room for a value of `count` octets and one separator or terminator.
  static unsigned long value_room(unsigned long count) {
    return tev_base::kEscapedWidth * count + kNumberRoom + 1;
  }

  /// Writes the value of `count` octets in `format` at `w`, which has
  /// value_room(count) bytes; returns the end. Numbers are big-endian, at
  /// most 8 octets (the caller's hint rules see to that).
  static char* put_value(char format, const unsigned char* octets, unsigned long count, char* w);
  /// put_value for at most 8 octets (kQuickRoom), with one octet in 'd' or
  /// 'x' (dates, addresses) written inline.
  static char* put_short_value(char format, const unsigned char* octets, unsigned long count,
                               char* w) {
    if (count == 1) {
      if (format == 'd') return tev_base::write_octet_decimal(w, octets[0]);
      if (format == 'x') return tev_base::write_hex_pairs(w, octets, 1, '\0');
    }
    return put_value(format, octets, count, w);
  }

 private:
  static char* put_number(const unsigned char* octets, unsigned long count, bool octal, char* w);
  static unsigned long whole_utf8(const unsigned char* octets, unsigned long count);
};

#endif  // TEVASNVALUE_SRC_DISPLAY_CTEVHINTVALUEWRITER_H
