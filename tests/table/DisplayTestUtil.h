// Octets written as hex in the display tests, and back.
#ifndef TEVASNVALUE_TESTS_TABLE_DISPLAYTESTUTIL_H
#define TEVASNVALUE_TESTS_TABLE_DISPLAYTESTUTIL_H

#include <cstdlib>
#include <string>

#include "TestText.h"

namespace display_test {

using tev_test::bytes;
using tev_test::text_of;

/// "00 0c 29" -> three octets; spaces are optional between pairs.
inline std::string octets(const char* hex) {
  std::string out;
  std::string pair;
  for (const char* p = hex; *p != '\0'; ++p) {
    if (*p == ' ') continue;
    pair += *p;
    if (pair.size() == 2) {
      out += static_cast<char>(std::strtoul(pair.c_str(), nullptr, 16));
      pair.clear();
    }
  }
  return out;
}

inline std::string hex(const std::string& bytes) {
  static const char kDigits[] = "0123456789abcdef";
  std::string out;
  for (unsigned char c : bytes) {
    if (!out.empty()) out += ' ';
    out += kDigits[c >> 4];
    out += kDigits[c & 0x0F];
  }
  return out;
}

}  // namespace display_test

#endif  // TEVASNVALUE_TESTS_TABLE_DISPLAYTESTUTIL_H
