#include "Identifier.h"

#include "Text.h"

namespace tevasn {

bool parse_identifier(std::string_view text, bool allow_empty, Identifier* out,
                      std::string* reason) {
  *out = Identifier();
  if (!text.empty() && text.front() == '.') {
    out->leading_dot = true;
    text.remove_prefix(1);
  }
  if (text.empty()) {
    if (allow_empty) return true;
    *reason = "empty object identifier";
    return false;
  }
  std::size_t start = 0;
  while (true) {
    std::size_t end = text.find('.', start);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view part = text.substr(start, end - start);
    if (part.empty()) {
      *reason = "empty sub-identifier (two dots in a row, or a dot at the end)";
      return false;
    }
    for (char c : part) {
      if (c < '0' || c > '9') {
        *reason = "not a dotted decimal object identifier: " + quoted(std::string_view(&c, 1)) +
                  " in " + quoted(part);
        return false;
      }
    }
    if (part.size() > 1 && part.front() == '0') {
      *reason = "sub-identifier " + quoted(part) + " has a leading zero";
      return false;
    }
    unsigned long long value = 0;
    if (!parse_decimal(part, 0xFFFFFFFFULL, &value)) {
      *reason = "sub-identifier " + quoted(part) + " does not fit 32 bits (at most 4294967295)";
      return false;
    }
    if (out->sub_ids.size() == kMaxSubIds) {
      *reason = "more than " + std::to_string(kMaxSubIds) + " sub-identifiers";
      return false;
    }
    out->sub_ids.push_back(static_cast<std::uint32_t>(value));
    if (end == text.size()) break;
    start = end + 1;
  }
  out->dotted.assign(text.data(), text.size());
  return true;
}

}  // namespace tevasn
