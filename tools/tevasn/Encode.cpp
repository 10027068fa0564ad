// tevasn encode BASE TYPE=VALUE...
#include <cstdio>

#include "Commands.h"
#include "Identifier.h"
#include "Owned.h"
#include "Text.h"
#include "Types.h"
#include "Values.h"

using namespace NTevAsnValue;

namespace tevasn {

namespace {

const char kCommand[] = "encode";

}  // namespace

int run_encode(const Args& args) {
  CommandLine line;
  std::string reason;
  if (!parse_command_line(args, false, &line, &reason)) return usage_error(kCommand, reason);
  if (line.help) return print_help(kCommand) ? kExitOk : kExitUsage;
  if (line.positional.size() < 2) return usage_error(kCommand, "needs BASE and TYPE=VALUE...");

  Identifier base;
  if (!parse_identifier(line.positional[0], false, &base, &reason)) {
    return usage_error(kCommand, "BASE " + quoted(line.positional[0]) + ": " + reason);
  }
  std::vector<TypeChoice> types;
  std::vector<std::string> texts;
  for (std::size_t i = 1; i < line.positional.size(); ++i) {
    const std::string& arg = line.positional[i];
    const std::size_t equals = arg.find('=');
    if (equals == std::string::npos) {
      return usage_error(kCommand, "expected TYPE=VALUE, not " + quoted(arg));
    }
    TypeChoice choice;
    if (!parse_type(std::string_view(arg).substr(0, equals), &choice, &reason)) {
      return usage_error(kCommand, reason);
    }
    types.push_back(choice);
    texts.push_back(arg.substr(equals + 1));
  }
  if (!check_index_types(types, &reason)) return usage_error(kCommand, reason);

  long err = ASN_OK;
  OidPtr oid(tev_create_asn_object_id(base.dotted.c_str(), &err));
  if (oid == nullptr) {
    report(kCommand, std::string("cannot make the identifier: ") + error_words(err));
    return kExitBadInput;
  }
  for (std::size_t i = 0; i < types.size(); ++i) {
    const std::string what =
        "value " + std::to_string(i + 1) + " (" + types[i].written + ") " + quoted(texts[i]) + ": ";
    ValuePtr value = make_value(types[i], texts[i], &reason);
    if (value == nullptr) {
      report(kCommand, what + reason);
      return kExitBadInput;
    }
    err = oid->append_value(value.get(), types[i].implied_flag());
    if (err != ASN_OK) {
      report(kCommand, what + "cannot be encoded: " + error_words(err));
      return kExitBadInput;
    }
  }
  const unsigned long count = oid->get_count();
  if (count > kMaxSubIds) {
    report(kCommand, "the identifier would have " + std::to_string(count) +
                         " sub-identifiers, more than " + std::to_string(kMaxSubIds));
    return kExitBadInput;
  }
  std::string text;
  if (!text_form(*oid, &text, &reason)) {
    report(kCommand, reason);
    return kExitBadInput;
  }
  std::printf("%s%s\n", base.leading_dot ? "." : "", text.c_str());
  return kExitOk;
}

}  // namespace tevasn
