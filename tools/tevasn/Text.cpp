#include "Text.h"

#include <cstdio>

namespace tevasn {

namespace {

constexpr std::size_t kShownLength = 60;

bool printable_byte(unsigned char c) { return c >= 0x20 && c <= 0x7E; }

int hex_digit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

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

std::string hex_pairs(std::string_view bytes) {
  static const char kDigits[] = "0123456789abcdef";
  std::string out;
  out.reserve(bytes.size() * 3);
  for (char ch : bytes) {
    const auto c = static_cast<unsigned char>(ch);
    if (!out.empty()) out.push_back(':');
    out.push_back(kDigits[c >> 4]);
    out.push_back(kDigits[c & 0x0F]);
  }
  return out;
}

bool parse_hex_octets(std::string_view text, std::string* octets, std::string* reason) {
  octets->clear();
  bool separated = false;
  for (char c : text) {
    if (c == ':' || c == '-' || c == ' ') {
      separated = true;
    } else if (hex_digit(c) < 0) {
      *reason = "'" + escaped(std::string_view(&c, 1)) + "' is not a hexadecimal digit";
      return false;
    }
  }
  if (!separated) {
    if (text.size() % 2 != 0) {
      *reason = "an odd number of hexadecimal digits";
      return false;
    }
    for (std::size_t i = 0; i < text.size(); i += 2) {
      octets->push_back(static_cast<char>(hex_digit(text[i]) * 16 + hex_digit(text[i + 1])));
    }
    return true;
  }
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find_first_of(":- ", start);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view group = text.substr(start, end - start);
    if (group.empty() || group.size() > 2) {
      *reason = "octets separated by ':', '-' or ' ' take one or two hexadecimal digits each";
      return false;
    }
    int value = 0;
    for (char c : group) value = value * 16 + hex_digit(c);
    octets->push_back(static_cast<char>(value));
    start = end + 1;
  }
  return true;
}

bool parse_decimal(std::string_view text, unsigned long long max, unsigned long long* value) {
  if (text.empty() || text.size() > 20) return false;
  unsigned long long result = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
    const unsigned digit = static_cast<unsigned>(c - '0');
    if (digit > max || result > (max - digit) / 10) return false;
    result = result * 10 + digit;
  }
  *value = result;
  return true;
}

}  // namespace tevasn
