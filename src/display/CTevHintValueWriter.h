// CTevHintValueWriter: writes one value of a DISPLAY-HINT octet format (RFC
// 2579: 'd' decimal, 'o' octal, 'x' hexadecimal, 'a' ASCII, 't' UTF-8) into
// room the caller has made, with no check of its own: the writers of hinted
// text reserve value_room (or kQuickRoom for at most 8 octets) first and then
// write through a plain pointer. Digits come from compile-time tables.
#ifndef TEVASNVALUE_SRC_TABLE_CTEVHINTVALUEWRITER_H
#define TEVASNVALUE_SRC_TABLE_CTEVHINTVALUEWRITER_H

#include <cstring>

class CTevHintValueWriter {
 public:
  /// Most bytes a value of a 'd' or 'o' format writes (8 octets: 22 octal
  /// digits), with the 4-byte copy of one octet's decimal digits.
  static constexpr unsigned long kNumberRoom = 24;
  /// Room for a value of at most 8 octets and one separator.
  static constexpr unsigned long kQuickRoom = kNumberRoom + 1;
  /// Room for a value of `count` octets and one separator or terminator.
  static unsigned long value_room(unsigned long count) { return 2 * count + kNumberRoom + 1; }

  /// Writes the value of `count` octets in `format` at `w`, which has
  /// value_room(count) bytes; returns the end. Numbers are big-endian, at
  /// most 8 octets (the caller's hint rules see to that).
  static char* put_value(char format, const unsigned char* octets, unsigned long count, char* w);
  /// put_value for at most 8 octets (kQuickRoom), with one octet in 'd' or
  /// 'x' (dates, addresses) written inline.
  static char* put_short_value(char format, const unsigned char* octets, unsigned long count,
                               char* w) {
    if (count == 1) {
      if (format == 'd') {
        const char* digits = kByteDecimals.entry[octets[0]];
        std::memcpy(w, digits, 4);
        return w + digits[3];
      }
      if (format == 'x') {
        w[0] = kHexDigits[octets[0] >> 4];
        w[1] = kHexDigits[octets[0] & 0x0F];
        return w + 2;
      }
    }
    return put_value(format, octets, count, w);
  }

  static constexpr char kHexDigits[] = "0123456789abcdef";

 private:
  // Decimal digits of 0..255: three places and the count, copied as one piece.
  struct ByteDecimals {
    char entry[256][4];
  };
  static const ByteDecimals kByteDecimals;
  // cppcheck-suppress unusedPrivateFunction ; it initializes kByteDecimals
  static constexpr ByteDecimals make_byte_decimals();

  static char* put_two_octet_decimal(unsigned v, char* w);
  static char* put_number(const unsigned char* octets, unsigned long count, bool octal, char* w);
  static unsigned long whole_utf8(const unsigned char* octets, unsigned long count);
};

#endif  // TEVASNVALUE_SRC_TABLE_CTEVHINTVALUEWRITER_H
