// tevasn decode [--hex] --prefix BASE TYPE... [OID...]
#include <cstdio>
#include <iostream>

#include "Commands.h"
#include "Identifier.h"
#include "Layout.h"
#include "Owned.h"
#include "Text.h"
#include "Types.h"
#include "Values.h"

using namespace NTevAsnValue;

namespace tevasn {

namespace {

const char kCommand[] = "decode";

struct Decoder {
  Identifier prefix;
  OidPtr prefix_oid;
  std::vector<TypeChoice> types;
  bool hex = false;

  // Decodes one instance identifier into its TAB-separated index values.
  bool decode(std::string_view field, std::string* row, std::string* reason) const {
    Identifier id;
    if (!parse_identifier(field, false, &id, reason)) return false;
    long err = ASN_OK;
    OidPtr oid(tev_create_asn_object_id(id.dotted.c_str(), &err));
    if (oid == nullptr) {
      *reason = error_words(err);
      return false;
    }
    if (oid->remove_prefix(prefix_oid.get()) != ASN_OK) {
      *reason = "does not lie below the prefix " + prefix.dotted;
      return false;
    }
    std::size_t pos = prefix.sub_ids.size();
    if (pos == id.sub_ids.size()) {
      *reason = "is the prefix itself, with no index after it";
      return false;
    }
    row->clear();
    for (std::size_t i = 0; i < types.size(); ++i) {
      const TypeChoice& choice = types[i];
      const std::string what = "value " + std::to_string(i + 1) + " (" + choice.written + "): ";
      std::size_t used = 0;
      if (!measure_index(choice, id.sub_ids, pos, &used, reason)) {
        *reason = what + *reason;
        return false;
      }
      ValuePtr value(tev_create_asn_value(choice.info->type, &err));
      if (value != nullptr) {
        err = oid->take_value_into(value.get(), choice.implied_flag(), choice.take_length());
      }
      std::string text;
      if (err != ASN_OK) {
        *reason = what + "cannot be decoded: " + error_words(err);
        return false;
      }
      if (!index_field(*value, choice, hex, &text, reason)) {
        *reason = what + *reason;
        return false;
      }
      *row += (i == 0 ? "" : "\t") + text;
      pos += used;
    }
    if (pos != id.sub_ids.size()) {
      const std::size_t left = id.sub_ids.size() - pos;
      *reason = std::to_string(left) + (left == 1 ? " sub-identifier" : " sub-identifiers") +
                " left after the last index value";
      return false;
    }
    return true;
  }
};

// Decodes one identifier and prints its row or the complaint; false when bad.
bool decode_and_print(const Decoder& decoder, std::string_view field, const std::string& where) {
  std::string row;
  std::string reason;
  if (!decoder.decode(field, &row, &reason)) {
    report(kCommand, where + quoted(field) + ": " + reason);
    return false;
  }
  std::printf("%s\n", row.c_str());
  return true;
}

int decode_standard_input(const Decoder& decoder) {
  static const char kBlanks[] = " \t\r\n\v\f";
  std::string input;
  unsigned long number = 0;
  unsigned long identifiers = 0;
  bool bad = false;
  while (std::getline(std::cin, input)) {
    ++number;
    const std::size_t start = input.find_first_not_of(kBlanks);
    if (start == std::string::npos) continue;  // a blank line
    std::size_t end = input.find_first_of(kBlanks, start);
    if (end == std::string::npos) end = input.size();
    ++identifiers;
    const std::string where = "line " + std::to_string(number) + ": ";
    if (!decode_and_print(decoder, std::string_view(input).substr(start, end - start), where)) {
      bad = true;
    }
  }
  if (identifiers == 0) {
    report(kCommand, "no identifiers on standard input");
    return kExitBadInput;
  }
  return bad ? kExitBadInput : kExitOk;
}

}  // namespace

int run_decode(const Args& args) {
  CommandLine line;
  std::string reason;
  if (!parse_command_line(args, true, &line, &reason)) return usage_error(kCommand, reason);
  if (line.help) return print_help(kCommand) ? kExitOk : kExitUsage;
  if (!line.has_prefix) return usage_error(kCommand, "needs --prefix BASE");

  Decoder decoder;
  decoder.hex = line.hex;
  if (!parse_identifier(line.prefix, false, &decoder.prefix, &reason)) {
    return usage_error(kCommand, "prefix " + quoted(line.prefix) + ": " + reason);
  }
  // TYPEs come first; the first argument that starts like an identifier
  // begins the identifiers.
  std::size_t first_oid = 0;
  for (; first_oid < line.positional.size(); ++first_oid) {
    const std::string& arg = line.positional[first_oid];
    if (!arg.empty() && (arg[0] == '.' || (arg[0] >= '0' && arg[0] <= '9'))) break;
    TypeChoice choice;
    if (!parse_type(arg, &choice, &reason)) return usage_error(kCommand, reason);
    decoder.types.push_back(choice);
  }
  if (decoder.types.empty()) return usage_error(kCommand, "needs at least one TYPE");
  if (!check_index_types(decoder.types, &reason)) return usage_error(kCommand, reason);

  long err = ASN_OK;
  decoder.prefix_oid.reset(tev_create_asn_object_id(decoder.prefix.dotted.c_str(), &err));
  if (decoder.prefix_oid == nullptr) {
    report(kCommand, std::string("cannot make the prefix: ") + error_words(err));
    return kExitBadInput;
  }
  if (first_oid == line.positional.size()) return decode_standard_input(decoder);
  bool bad = false;
  for (std::size_t i = first_oid; i < line.positional.size(); ++i) {
    if (!decode_and_print(decoder, line.positional[i], "")) bad = true;
  }
  return bad ? kExitBadInput : kExitOk;
}

}  // namespace tevasn
