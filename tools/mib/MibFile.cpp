#include "MibFile.h"

#include <sys/stat.h>

#include <algorithm>
#include <cctype>
#include <cstdio>

namespace tevasn_mib {

namespace {

bool is_name_char(char c) {
  return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '-' || c == '_';
}

// The tokens of ASN.1 module text: names, "::=", and single punctuation
// characters; comments ("--" to the next "--" or the line's end) skipped.
class Tokens {
 public:
  explicit Tokens(std::string_view text) : text_(text) {}

  bool next(std::string_view* token) {
    for (;;) {
      while (at_ < text_.size() && std::isspace(static_cast<unsigned char>(text_[at_])) != 0) ++at_;
      if (at_ + 1 < text_.size() && text_[at_] == '-' && text_[at_ + 1] == '-') {
        skip_comment();
        continue;
      }
      break;
    }
    if (at_ >= text_.size()) return false;
    const std::size_t start = at_;
    if (is_name_char(text_[at_])) {
      while (at_ < text_.size() && is_name_char(text_[at_]) &&
             !(text_[at_] == '-' && at_ + 1 < text_.size() && text_[at_ + 1] == '-')) {
        ++at_;
      }
    } else if (text_.compare(at_, 3, "::=") == 0) {
      at_ += 3;
    } else {
      ++at_;
    }
    *token = text_.substr(start, at_ - start);
    return true;
  }

 private:
  void skip_comment() {
    at_ += 2;
    while (at_ < text_.size() && text_[at_] != '\n') {
      if (text_[at_] == '-' && at_ + 1 < text_.size() && text_[at_ + 1] == '-') {
        at_ += 2;
        return;
      }
      ++at_;
    }
  }

  std::string_view text_;
  std::size_t at_ = 0;
};

bool is_file(const std::string& path) {
  struct stat info;
  return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

}  // namespace

bool MibFile::parse(std::string_view text, MibFile* out) {
  *out = MibFile();
  Tokens tokens(text);
  std::string_view token;
  std::string_view previous;
  // "NAME DEFINITIONS ::= BEGIN", perhaps "NAME { OID } DEFINITIONS ..."
  int braces = 0;
  while (tokens.next(&token)) {
    if (token == "DEFINITIONS") {
      out->name = std::string(previous);
      break;
    }
    braces += token == "{" ? 1 : token == "}" ? -1 : 0;
    if (braces == 0 && is_name_char(token[0])) previous = token;
  }
  if (out->name.empty() || !is_name_char(out->name[0])) return false;
  while (tokens.next(&token) && token != "BEGIN") {
  }
  // IMPORTS comes first after BEGIN, or not at all.
  if (!tokens.next(&token) || token != "IMPORTS") return true;
  bool from = false;
  while (tokens.next(&token) && token != ";") {
    if (from) {
      const std::string module(token);
      if (std::find(out->imports.begin(), out->imports.end(), module) == out->imports.end()) {
        out->imports.push_back(module);
      }
    }
    from = token == "FROM";
  }
  return true;
}

bool MibFile::read(const std::string& path, MibFile* out) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return false;
  std::string text;
  char chunk[8192];
  std::size_t got = 0;
  // A module's name and IMPORTS lie in its first megabyte.
  while (text.size() < (1u << 20) && (got = std::fread(chunk, 1, sizeof chunk, file)) > 0) {
    text.append(chunk, got);
  }
  static_cast<void>(std::fclose(file));  // read only: nothing is lost
  return parse(text, out);
}

std::string MibFile::locate(const std::string& name, const std::vector<std::string>& dirs) {
  static const char* const kExtensions[] = {"",       ".my",  ".smiv1", ".smiv2",
                                            ".sming", ".mib", ".txt"};
  std::string lower = name;
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  for (const std::string& dir : dirs) {
    for (const std::string* spelling : {&name, static_cast<const std::string*>(&lower)}) {
      for (const char* extension : kExtensions) {
        const std::string path = dir + "/" + *spelling + extension;
        if (is_file(path)) return path;
      }
    }
  }
  return "";
}

}  // namespace tevasn_mib
