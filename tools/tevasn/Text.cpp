#include "Text.h"

#include <cstdio>

namespace tevasn {

namespace {

constexpr std::size_t kShownLength = 60;

bool printable_byte(unsigned char c) { return c >= 0x20 && c <= 0x7E; }

void append_escape(std::string* out, unsigned char c) {
  char code[5];
  std::snprintf(code, sizeof code, "\\x%02x", static_cast<unsigned>(c));
  out->append(code);
}

}  // namespace

std::string escaped(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (char ch : bytes) {
    const auto c = static_cast<unsigned char>(ch);
    if (printable_byte(c) && c != '\\') {
      out.push_back(ch);
    } else {
      append_escape(&out, c);
    }
  }
  return out;
}

std::string quoted(std::string_view text) {
  const bool cut = text.size() > kShownLength;
  std::string out = "'" + escaped(cut ? text.substr(0, kShownLength) : text);
  out += cut ? "...'" : "'";
  return out;
}

}  // namespace tevasn
