// The characters of an octet DISPLAY-HINT (RFC 2579 section 3.1): what may
// start an octet format, the number formats' bases, and a table of character
// classes for the quick reading of the usual formats.
#ifndef TEVASNVALUE_SRC_DISPLAY_TEVHINTCHARS_H
#define TEVASNVALUE_SRC_DISPLAY_TEVHINTCHARS_H

#include "base/TevNumberText.h"

namespace tev_hint {

using tev_base::is_digit;

// Starts a new octet format: a repeat indicator or an octet length.
inline bool starts_part(char c) { return c == '*' || is_digit(c); }

inline int digit_value(char c, unsigned base) {
  const int v = tev_base::hex_value(c);
  return static_cast<unsigned>(v) < base ? v : -1;
}

inline unsigned base_of(char format) { return format == 'x' ? 16 : format == 'o' ? 8 : 10; }

inline const char* base_name(char format) {
  return format == 'x' ? "hexadecimal" : format == 'o' ? "octal" : "decimal";
}

// Character classes for the quick reading of the usual octet formats.
enum : unsigned char {
  kDigit = 1,
  kStar = 2,
  kEnd = 4,     // the terminating zero
  kFormat = 8,  // d x o a t
  kNumberFormat = 16
};
class CharClasses {
 public:
  constexpr CharClasses() {
    for (unsigned c = '0'; c <= '9'; ++c) of_[c] = kDigit;
    of_[static_cast<unsigned char>('*')] = kStar;
    of_[0] = kEnd;
    of_[static_cast<unsigned char>('x')] = kFormat;
    of_[static_cast<unsigned char>('a')] = kFormat;
    of_[static_cast<unsigned char>('t')] = kFormat;
    of_[static_cast<unsigned char>('d')] = kFormat | kNumberFormat;
    of_[static_cast<unsigned char>('o')] = kFormat | kNumberFormat;
  }
  unsigned of(char c) const { return of_[static_cast<unsigned char>(c)]; }

 private:
  unsigned char of_[256]{};
};
inline constexpr CharClasses kClasses;
inline unsigned class_of(char c) { return kClasses.of(c); }

}  // namespace tev_hint

#endif  // TEVASNVALUE_SRC_DISPLAY_TEVHINTCHARS_H
