#include "display/CTevHintValueWriter.h"

#include <cstdint>

// A big-endian number of at most 8 octets in decimal (the base's writer) or
// octal at `w`, which has kNumberRoom bytes; returns the end.
char* CTevHintValueWriter::put_number(const unsigned char* octets, unsigned long count, bool octal,
                                      char* w) {
  unsigned long long value = 0;
  for (unsigned long i = 0; i < count; ++i) value = value << 8 | octets[i];
  return tev_base::write_in_base(w, value, octal ? 8 : 10);
}

// The first `count` octets without a trailing incomplete UTF-8 character.
unsigned long CTevHintValueWriter::whole_utf8(const unsigned char* octets, unsigned long count) {
  for (unsigned long back = 1; back <= 4 && back <= count; ++back) {
    const unsigned char c = octets[count - back];
    if ((c & 0xC0) == 0x80) continue;  // a continuation octet: look further back
    const unsigned long need = c < 0x80             ? 1
                               : (c & 0xE0) == 0xC0 ? 2
                               : (c & 0xF0) == 0xE0 ? 3
                               : (c & 0xF8) == 0xF0 ? 4
                                                    : 1;
    return need > back ? count - back : count;
  }
  return count;
}

char* CTevHintValueWriter::put_value(char format, const unsigned char* octets, unsigned long count,
                                     char* w) {
  switch (format) {
    case 'x':
      return tev_base::write_hex_pairs(w, octets, count, '\0');
    case 'd':
      if (count == 1) return put_short_value(format, octets, count, w);
      if (count == 2) {
        return tev_base::write_decimal(w, static_cast<std::uint32_t>(octets[0] << 8 | octets[1]));
      }
      return count == 0 ? w : put_number(octets, count, false, w);
    case 'o':
      return count == 0 ? w : put_number(octets, count, true, w);
    case 't':
      return tev_base::put_escaped(octets, whole_utf8(octets, count), w);
    default:  // 'a'
      return tev_base::put_escaped(octets, count, w);
  }
}
