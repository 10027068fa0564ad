#include "RecordReader.h"

#include <cctype>

namespace tevasn {

namespace {

bool is_blank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

// A line of hex pairs and blanks only: the next line of a wrapped Hex-STRING.
bool hex_pairs_only(std::string_view line) {
  std::size_t i = 0;
  bool any = false;
  while (i < line.size()) {
    if (is_blank(line[i])) {
      ++i;
      continue;
    }
    if (i + 1 >= line.size() || !std::isxdigit(static_cast<unsigned char>(line[i])) ||
        !std::isxdigit(static_cast<unsigned char>(line[i + 1])) ||
        (i + 2 < line.size() && !is_blank(line[i + 2]))) {
      return false;
    }
    any = true;
    i += 2;
  }
  return any;
}

// Where a record's value starts: after the first " = "; npos when none.
std::size_t value_start(std::string_view line) {
  const std::size_t equals = line.find(" = ");
  return equals == std::string_view::npos ? equals : equals + 3;
}

// Whether the value of a record's first line is a Hex-STRING, which may wrap.
bool opens_hex(std::string_view line) {
  const std::size_t at = value_start(line);
  return at != std::string_view::npos && line.substr(at).rfind("Hex-STRING:", 0) == 0;
}

// Whether the value of a record's first line opens a quoted STRING.
bool opens_quote(std::string_view line) {
  std::size_t at = value_start(line);
  if (at == std::string_view::npos) return false;
  std::string_view value = line.substr(at);
  if (value.rfind("STRING: ", 0) == 0) value.remove_prefix(8);
  if (value.empty() || value[0] != '"') return false;
  return RecordReader::quote_open_after(value.substr(1), true);
}

}  // namespace

bool RecordReader::quote_open_after(std::string_view text, bool open) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (!open) break;
    if (text[i] == '\\') {
      ++i;
    } else if (text[i] == '"') {
      open = false;
    }
  }
  return open;
}

bool RecordReader::read_line() {
  std::string_view line;
  if (!lines_.next(&line)) return false;
  pending_.assign(line.data(), line.size());
  pending_number_ = lines_.number();
  has_pending_ = true;
  return true;
}

bool RecordReader::next(std::string_view* record) {
  if (!has_pending_ && !read_line()) return false;
  record_.swap(pending_);
  number_ = pending_number_;
  line_count_ = 1;
  has_pending_ = false;
  bool quote = opens_quote(record_);
  const bool hex = !quote && opens_hex(record_);
  while (read_line()) {
    if (!quote && !(hex && hex_pairs_only(pending_))) break;
    quote = quote && quote_open_after(pending_, true);
    record_ += '\n';
    record_ += pending_;
    ++line_count_;
    has_pending_ = false;
  }
  *record = record_;
  return true;
}

}  // namespace tevasn
