#include "display/CTevHintValueWriter.h"

#include <cstdint>

namespace {

constexpr unsigned long long kPowersOf10[20] = {1ULL,
                                                10ULL,
                                                100ULL,
                                                1000ULL,
                                                10000ULL,
                                                100000ULL,
                                                1000000ULL,
                                                10000000ULL,
                                                100000000ULL,
                                                1000000000ULL,
                                                10000000000ULL,
                                                100000000000ULL,
                                                1000000000000ULL,
                                                10000000000000ULL,
                                                100000000000000ULL,
                                                1000000000000000ULL,
                                                10000000000000000ULL,
                                                100000000000000000ULL,
                                                1000000000000000000ULL,
                                                10000000000000000000ULL};

// "00".."99", two characters each.
class DigitPairs {
 public:
  constexpr DigitPairs() {
    for (unsigned long v = 0; v < 100; ++v) {
      pair_[2 * v] = static_cast<char>('0' + v / 10);
      pair_[2 * v + 1] = static_cast<char>('0' + v % 10);
    }
  }
  const char* of(unsigned long v) const { return &pair_[2 * v]; }

 private:
  char pair_[200]{};
};
constexpr DigitPairs kDigitPairs;

}  // namespace

constexpr CTevHintValueWriter::ByteDecimals CTevHintValueWriter::make_byte_decimals() {
  ByteDecimals table{};
  for (unsigned v = 0; v < 256; ++v) {
    unsigned n = 0;
    if (v >= 100) table.entry[v][n++] = static_cast<char>('0' + v / 100);
    if (v >= 10) table.entry[v][n++] = static_cast<char>('0' + v / 10 % 10);
    table.entry[v][n++] = static_cast<char>('0' + v % 10);
    table.entry[v][3] = static_cast<char>(n);
  }
  return table;
}

// Computed at compile time: no code runs when the library loads.
const CTevHintValueWriter::ByteDecimals CTevHintValueWriter::kByteDecimals = make_byte_decimals();

// 0..65535 (two octets: years, ports) in decimal at `w`; returns the end.
char* CTevHintValueWriter::put_two_octet_decimal(unsigned v, char* w) {
  if (v < 10) {
    *w = static_cast<char>('0' + v);
    return w + 1;
  }
  if (v < 100) {
    std::memcpy(w, kDigitPairs.of(v), 2);
    return w + 2;
  }
  if (v < 1000) {
    *w = static_cast<char>('0' + v / 100);
    std::memcpy(w + 1, kDigitPairs.of(v % 100), 2);
    return w + 3;
  }
  if (v >= 10000) {
    *w++ = static_cast<char>('0' + v / 10000);
    v %= 10000;
  }
  std::memcpy(w, kDigitPairs.of(v / 100), 2);
  std::memcpy(w + 2, kDigitPairs.of(v % 100), 2);
  return w + 4;
}

// A big-endian number of at most 8 octets in decimal or octal at `w`, which
// has kNumberRoom bytes; returns the end. The digit count comes first so the
// digits go straight to their place.
char* CTevHintValueWriter::put_number(const unsigned char* octets, unsigned long count, bool octal,
                                      char* w) {
  unsigned long long value = 0;
  for (unsigned long i = 0; i < count; ++i) value = value << 8 | octets[i];
  unsigned long n = 1;
  if (octal) {
    while (n < 22 && value >> (3 * n) != 0) ++n;
    for (unsigned long i = n; i-- > 0; value >>= 3) w[i] = static_cast<char>('0' + (value & 7));
    return w + n;
  }
  while (n < 20 && value >= kPowersOf10[n]) ++n;
  char* p = w + n;
  // Two digits a step, in 32 bits once the value fits (most numbers do).
  while (value > 0xFFFFFFFFULL) {
    p -= 2;
    std::memcpy(p, kDigitPairs.of(value % 100), 2);
    value /= 100;
  }
  auto v = static_cast<std::uint32_t>(value);
  while (v >= 100) {
    p -= 2;
    std::memcpy(p, kDigitPairs.of(v % 100), 2);
    v /= 100;
  }
  if (v >= 10) {
    std::memcpy(p - 2, kDigitPairs.of(v), 2);
  } else {
    p[-1] = static_cast<char>('0' + v);
  }
  return w + n;
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
      for (unsigned long i = 0; i < count; ++i) {
        *w++ = kHexDigits[octets[i] >> 4];
        *w++ = kHexDigits[octets[i] & 0x0F];
      }
      return w;
    case 'd':
      if (count == 1) return put_short_value(format, octets, count, w);
      if (count == 2)
        return put_two_octet_decimal(static_cast<unsigned>(octets[0] << 8 | octets[1]), w);
      return count == 0 ? w : put_number(octets, count, false, w);
    case 'o':
      return count == 0 ? w : put_number(octets, count, true, w);
    case 't':
      count = whole_utf8(octets, count);
      break;
    default:  // 'a'
      break;
  }
  std::memcpy(w, octets, count);
  return w + count;
}
