#include "Types.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <map>

#include "NearNames.h"
#include "TevAsnCatalog.h"

using namespace NTevAsnValue;

namespace tevasn {

using tevasn_names::folded;

namespace {

// Blanks inside an argument ("OCTET  STRING") as one space, none around it.
std::string one_space(const std::string& arg) {
  std::string out;
  for (char c : arg) {
    const bool blank = c == ' ' || c == '\t';
    if (blank && (out.empty() || out.back() == ' ')) continue;
    out += blank ? ' ' : c;
  }
  if (!out.empty() && out.back() == ' ') out.pop_back();
  return out;
}

// The words of the MIB spellings the library does not read itself: the two
// two-word SMI types and the textual conventions of the catalogue, by folded
// name.
const std::map<std::string, std::string>& mib_words() {
  static const std::map<std::string, std::string> words = [] {
    std::map<std::string, std::string> out{{"octet string", "octets"},
                                           {"object identifier", "oid"}};
    for (unsigned long i = 0; i < tev_get_catalog_convention_count(); ++i) {
      const TevCatalogConvention* convention = tev_get_catalog_convention(i);
      const char* colons = std::strstr(convention->name, "::");
      if (colons != nullptr) out.emplace(folded(colons + 2), convention->word);
    }
    return out;
  }();
  return words;
}

// Whether the library knows `word` as a layout word (its count or modifier
// may still be wrong: the layout then says what).
bool library_word(const std::string& word) {
  CTevAsnBuffer why;
  TevAsnIndexLayoutPtr layout(
      tev_create_index_layout(word.c_str(), TEV_LAYOUT_ANY_TYPE, &why, nullptr));
  return layout != nullptr ||
         std::string(why.data(), why.length()).rfind("unknown type", 0) == std::string::npos;
}

// "; nearest: gauge, Gauge32" for an unknown word; "" when nothing is near.
std::string nearest(const std::string& word) {
  std::vector<std::string> known;
  for (const TypeInfo& info : type_table()) {
    known.push_back(info.form == Form::kFixed ? "fixed:N" : tev_index_kind_name(info.kind));
  }
  for (const char* smi : {"INTEGER", "Integer32", "Unsigned32", "Gauge32", "Counter32", "TimeTicks",
                          "IpAddress", "OCTET STRING", "OBJECT IDENTIFIER"}) {
    known.push_back(smi);
  }
  for (unsigned long i = 0; i < tev_get_catalog_convention_count(); ++i) {
    const char* colons = std::strstr(tev_get_catalog_convention(i)->name, "::");
    if (colons != nullptr) known.push_back(colons + 2);
  }
  std::sort(known.begin(), known.end());
  known.erase(std::unique(known.begin(), known.end()), known.end());
  tevasn_names::NearNames near(word);
  for (const std::string& candidate : known) near.offer(candidate, candidate);
  std::string out;
  for (const std::string& name : near.best(3)) out += (out.empty() ? "; nearest: " : ", ") + name;
  return out;
}

// "(value 2 of 3)" in a library reason, counted in the user's arguments.
std::string in_arguments(std::string reason, const std::vector<std::size_t>& arguments,
                         std::size_t count) {
  const std::size_t at = reason.rfind("(value ");
  std::size_t value = 0;
  if (at == std::string::npos || std::sscanf(reason.c_str() + at, "(value %zu of", &value) != 1 ||
      value == 0 || value > arguments.size()) {
    return reason;
  }
  const std::size_t end = reason.find(')', at);
  return reason.substr(0, at) + "(argument " + std::to_string(arguments[value - 1]) + " of " +
         std::to_string(count) + ")" + (end == std::string::npos ? "" : reason.substr(end + 1));
}

}  // namespace

bool spell_words(const std::vector<std::string>& args, bool pairs, std::vector<std::string>* words,
                 std::vector<std::size_t>* arguments, std::string* reason) {
  words->clear();
  arguments->clear();
  for (std::size_t i = 0; i < args.size(); ++i) {
    std::string arg = one_space(args[i]);
    std::string suffix;
    const std::size_t slash = arg.find('/');
    if (slash != std::string::npos) {
      suffix = arg.substr(slash);
      arg.resize(slash);
    }
    const std::string key = folded(arg);
    std::string word = arg;
    if (pairs && key == "inetaddresstype" && i + 1 < args.size() &&
        folded(one_space(args[i + 1])) == "inetaddress") {
      word = "inetaddress";
      ++i;
    } else if (!library_word(arg)) {
      const auto found = mib_words().find(key);
      if (found == mib_words().end()) {
        *reason = "unknown type '" + args[i] + "' (argument " + std::to_string(i + 1) + " of " +
                  std::to_string(args.size()) + ")" + nearest(arg);
        return false;
      }
      word = found->second;
    }
    words->push_back(word + suffix);
    arguments->push_back(i + 1);
  }
  return true;
}

bool entry_layout_text(const std::vector<std::string>& args, std::string* text,
                       std::string* reason) {
  std::vector<std::string> words;
  std::vector<std::size_t> arguments;
  if (!spell_words(args, true, &words, &arguments, reason)) return false;
  *text = layout_text(words);
  return true;
}

const std::vector<TypeInfo>& type_table() {
  static const std::vector<TypeInfo> table = {
      {TEV_INDEX_INTEGER, Form::kSigned, "-2147483648..2147483647", "one sub-identifier"},
      {TEV_INDEX_COUNTER, Form::kUnsigned, "0..4294967295", "one sub-identifier"},
      {TEV_INDEX_GAUGE, Form::kUnsigned, "0..4294967295", "one sub-identifier"},
      {TEV_INDEX_TIME_TICKS, Form::kUnsigned, "0..4294967295", "one sub-identifier"},
      {TEV_INDEX_COUNTER_64, Form::kUnsigned64, "0..18446744073709551615",
       "none (not allowed in an index)"},
      {TEV_INDEX_OCTETS, Form::kText, "text, taken as it is",
       "length, then one sub-identifier per octet"},
      {TEV_INDEX_HEX, Form::kHex, "octets in hex: 80:00:1f:88 or 80001f88",
       "length, then one sub-identifier per octet"},
      {TEV_INDEX_OPAQUE, Form::kText, "text, taken as it is",
       "length, then one sub-identifier per octet"},
      {TEV_INDEX_FIXED, Form::kFixed, "N characters of text, or N octets in hex",
       "N sub-identifiers, one per octet, no length"},
      {TEV_INDEX_IP_ADDRESS, Form::kIpAddress, "192.168.1.10", "four sub-identifiers, no length"},
      {TEV_INDEX_IPV6, Form::kIpv6, "fe80:0:0:0:0:0:0:1 or fe80::1",
       "sixteen sub-identifiers, no length"},
      {TEV_INDEX_IP_PORT, Form::kIpPort, "10.1.2.3/161", "1 (UDP domain), length 6, six octets"},
      {TEV_INDEX_IPX, Form::kIpx, "0000abcd:00a0c9112233/451",
       "5 (IPX domain), length 12, twelve octets"},
      {TEV_INDEX_OID, Form::kOid, "1.3.6.1.2.1 (a leading '.' is allowed)",
       "length, then the sub-identifiers"},
      {TEV_INDEX_INET_ADDRESS, Form::kInet,
       "TYPE:ADDRESS (ipv4:192.0.2.1, dns:NAME, unknown:) or 192.0.2.1, fe80::1%5",
       "InetAddressType, length, then one sub-identifier per octet"},
  };
  return table;
}

std::string layout_text(const std::vector<std::string>& words) {
  std::string text;
  for (const std::string& word : words) text += (text.empty() ? "" : " ") + word;
  return text;
}

bool describe_layout(const ITevAsnIndexLayout& layout, std::vector<TypeChoice>* types,
                     std::string* reason) {
  types->clear();
  CTevAsnBuffer word;
  for (unsigned long i = 0; i < layout.get_word_count(); ++i) {
    TypeChoice choice;
    long rc = layout.get_word(i, &choice.word);
    if (rc == ASN_OK) rc = layout.word_to_text_into(&word, i);
    if (rc != ASN_OK) {
      *reason = tev_error_message(rc);
      return false;
    }
    for (const TypeInfo& info : type_table()) {
      if (info.kind == choice.word.kind) choice.info = &info;
    }
    choice.written.assign(word.length() == 0 ? "" : word.data(), word.length());
    types->push_back(choice);
  }
  return true;
}

bool parse_layout(const std::vector<std::string>& args, unsigned long flags,
                  TevAsnIndexLayoutPtr* layout, std::vector<TypeChoice>* types, std::string* reason,
                  bool pairs) {
  std::vector<std::string> words;
  std::vector<std::size_t> arguments;
  if (!spell_words(args, pairs, &words, &arguments, reason)) return false;
  CTevAsnBuffer why;
  long err = ASN_OK;
  layout->reset(tev_create_index_layout(layout_text(words).c_str(), flags, &why, &err));
  if (*layout == nullptr) {
    *reason = why.length() != 0 ? std::string(why.data(), why.length()) : tev_error_message(err);
    *reason = in_arguments(*reason, arguments, args.size());
    return false;
  }
  return describe_layout(**layout, types, reason);
}

}  // namespace tevasn
