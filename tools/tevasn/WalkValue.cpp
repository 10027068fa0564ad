#include "WalkValue.h"

#include <cstdlib>

namespace tevasn {

namespace {

bool is_blank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::string_view trimmed(std::string_view text) {
  while (!text.empty() && is_blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && is_blank(text.back())) text.remove_suffix(1);
  return text;
}

int hex_digit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

bool digits(std::string_view text, std::uint64_t max, std::uint64_t* value) {
  if (text.empty() || text.size() > 20) return false;
  std::uint64_t n = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
    const std::uint64_t d = static_cast<std::uint64_t>(c - '0');
    if (n > (max - d) / 10) return false;
    n = n * 10 + d;
  }
  *value = n;
  return true;
}

// "label(5)" or "5" (with an optional sign for INTEGER).
bool integer(std::string_view text, WalkValue* out) {
  if (!text.empty() && text.back() == ')') {
    const std::size_t open = text.rfind('(');
    if (open == std::string_view::npos || open == 0) return false;
    text = text.substr(open + 1, text.size() - open - 2);
  }
  const bool negative = !text.empty() && text[0] == '-';
  if (negative) text.remove_prefix(1);
  std::uint64_t n = 0;
  if (!digits(text, negative ? 2147483648ULL : 4294967295ULL, &n)) return false;
  out->number = negative ? -static_cast<std::int64_t>(n) : static_cast<std::int64_t>(n);
  return true;
}

// Pairs of hex digits separated by blanks (a wrapped Hex-STRING keeps its
// line ends); with `rest`, reading stops at the first word that is not a
// pair and `*rest` gets what follows (BITS: the labels after the octets).
bool hex_pairs(std::string_view text, std::string* octets, std::string_view* rest) {
  std::size_t i = 0;
  while (true) {
    while (i < text.size() && is_blank(text[i])) ++i;
    if (i == text.size()) break;
    std::size_t end = i;
    while (end < text.size() && !is_blank(text[end])) ++end;
    const std::string_view word = text.substr(i, end - i);
    if (word.size() != 2 || hex_digit(word[0]) < 0 || hex_digit(word[1]) < 0) {
      if (rest == nullptr) return false;
      break;
    }
    octets->push_back(static_cast<char>(hex_digit(word[0]) * 16 + hex_digit(word[1])));
    i = end;
  }
  if (rest != nullptr) *rest = text.substr(i);
  return true;
}

// A quoted STRING: `\"` and `\\` stand for the character after the backslash.
bool quoted(std::string_view text, std::string* octets) {
  if (text.size() < 2 || text.front() != '"' || text.back() != '"') return false;
  text = text.substr(1, text.size() - 2);
  for (std::size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c == '\\' && i + 1 < text.size()) {
      c = text[++i];
    } else if (c == '"') {
      return false;
    }
    octets->push_back(c);
  }
  return true;
}

bool ipv4(std::string_view text, std::string* octets) {
  for (int part = 0; part < 4; ++part) {
    const std::size_t dot = part == 3 ? text.size() : text.find('.');
    if (dot == std::string_view::npos) return false;
    std::uint64_t n = 0;
    if (dot > 3 || !digits(text.substr(0, dot), 255, &n)) return false;
    octets->push_back(static_cast<char>(n));
    text.remove_prefix(part == 3 ? dot : dot + 1);
  }
  return text.empty();
}

bool dotted(std::string_view text, std::string* out) {
  if (!text.empty() && text[0] == '.') text.remove_prefix(1);
  if (text.empty()) return false;
  for (char c : text) {
    if ((c < '0' || c > '9') && c != '.') return false;
  }
  out->assign(text.data(), text.size());
  return true;
}

struct Exception {
  const char* printed;
};
constexpr Exception kExceptions[] = {
    {"No Such Object available on this agent at this OID"},
    {"No Such Instance currently exists at this OID"},
    {"No more variables left in this MIB View (It is past the end of the MIB tree)"},
};

}  // namespace

bool read_walk_value(std::string_view value, WalkValue* out, std::string* reason) {
  // Reset field by field: the strings keep their room for the next value.
  out->form = WalkForm::kNull;
  out->keyword = std::string_view();
  out->number = 0;
  out->unsigned_number = 0;
  out->octets.clear();
  out->text.clear();
  const std::string_view whole = trimmed(value);
  if (whole == "\"\"") {
    out->form = WalkForm::kOctets;
    return true;
  }
  if (whole == "NULL") return true;
  for (const Exception& e : kExceptions) {
    if (whole == e.printed) {
      out->form = WalkForm::kException;
      out->text.assign(whole.data(), whole.size());
      return true;
    }
  }
  std::string_view line = value;
  while (!line.empty() && is_blank(line.front())) line.remove_prefix(1);
  std::size_t split = line.find(": ");
  if (split == std::string_view::npos) {
    // "STRING:" with nothing after it (the blank after the colon trimmed away).
    split = whole.size() - 1;
    if (whole.empty() || whole.back() != ':') {
      *reason = "a value of no form snmpwalk prints: " + std::string(whole.substr(0, 40));
      return false;
    }
  }
  out->keyword = line.substr(0, split);
  // A STRING keeps its blanks; every other form is read without them.
  const std::string_view raw = line.substr(split + 1);
  const std::string_view text = trimmed(raw);
  const std::string_view key = out->keyword;
  // A number may be followed by its UNITS ("INTEGER: 4096 Bytes").
  const std::string_view number = text.substr(0, text.find(' '));
  bool ok = false;
  if (key == "INTEGER") {
    out->form = WalkForm::kInteger;
    ok = integer(number, out);
  } else if (key == "Gauge32" || key == "Counter32" || key == "Unsigned32" || key == "UInteger32") {
    out->form = WalkForm::kUnsigned;
    ok = digits(number, 4294967295ULL, &out->unsigned_number);
  } else if (key == "Counter64") {
    out->form = WalkForm::kCounter64;
    ok = digits(number, ~0ULL, &out->unsigned_number);
  } else if (key == "Timeticks") {
    // "(123) 0:00:01.23", or the number alone.
    out->form = WalkForm::kUnsigned;
    std::string_view ticks = text;
    if (!ticks.empty() && ticks[0] == '(') {
      const std::size_t close = ticks.find(')');
      ticks = close == std::string_view::npos ? std::string_view() : ticks.substr(1, close - 1);
    }
    ok = digits(ticks, 4294967295ULL, &out->unsigned_number);
  } else if (key == "STRING") {
    out->form = WalkForm::kOctets;
    std::string_view body = raw.substr(raw.empty() || raw[0] != ' ' ? 0 : 1);
    while (!body.empty() && (body.back() == '\r' || body.back() == '\n')) body.remove_suffix(1);
    if (!body.empty() && body[0] == '"') {
      ok = quoted(trimmed(body), &out->octets);
    } else {
      out->octets.assign(body.data(), body.size());
      ok = true;
    }
  } else if (key == "Hex-STRING") {
    out->form = WalkForm::kOctets;
    ok = hex_pairs(text, &out->octets, nullptr);
  } else if (key == "BITS") {
    out->form = WalkForm::kBits;
    std::string_view labels;
    ok = hex_pairs(text, &out->octets, &labels);
  } else if (key == "OID") {
    out->form = WalkForm::kOid;
    ok = dotted(text, &out->text);
  } else if (key == "IpAddress") {
    out->form = WalkForm::kIpAddress;
    ok = ipv4(text, &out->octets);
  } else if (key == "Network Address") {
    // Hex pairs joined by ':' ("0A:00:00:01").
    out->form = WalkForm::kIpAddress;
    std::string spaced(text);
    for (char& c : spaced) c = c == ':' ? ' ' : c;
    ok = hex_pairs(spaced, &out->octets, nullptr) && out->octets.size() == 4;
  } else if (key == "Opaque") {
    out->form = WalkForm::kOpaque;
    ok = hex_pairs(text, &out->octets, nullptr);
    if (!ok) {
      out->octets.clear();
      out->text.assign(text.data(), text.size());
      ok = !text.empty();
    }
  } else {
    *reason = "unknown value form " + std::string(key.substr(0, 40));
    return false;
  }
  if (!ok) *reason = "not a " + std::string(key) + " value: " + std::string(text.substr(0, 40));
  return ok;
}

}  // namespace tevasn
