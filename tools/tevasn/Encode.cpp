// tevasn encode BASE TYPE=VALUE...
#include <cstdio>

#include "Commands.h"
#include "Identifier.h"
#include "TevAsnTablePtr.h"
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
  int status = kExitOk;
  if (!start_command(kCommand, args, Options::kNone, &line, &status)) return status;
  std::string reason;
  if (line.positional.size() < 2) return usage_error(kCommand, "needs BASE and TYPE=VALUE...");

  Identifier base;
  if (!parse_identifier(line.positional[0], false, &base, &reason)) {
    return usage_error(kCommand, "BASE " + quoted(line.positional[0]) + ": " + reason);
  }
  std::vector<std::string> words;
  std::vector<std::string> texts;
  for (std::size_t i = 1; i < line.positional.size(); ++i) {
    const std::string& arg = line.positional[i];
    const std::size_t equals = arg.find('=');
    if (equals == std::string::npos) {
      return usage_error(kCommand, "expected TYPE=VALUE, not " + quoted(arg));
    }
    words.push_back(arg.substr(0, equals));
    texts.push_back(arg.substr(equals + 1));
  }
  TevAsnIndexLayoutPtr layout;
  std::vector<TypeChoice> types;
  if (!parse_layout(words, 0, &layout, &types, &reason)) return usage_error(kCommand, reason);
  if (types.size() != texts.size()) {
    return usage_error(kCommand,
                       "each TYPE=VALUE takes one TYPE, not " + quoted(layout_text(words)));
  }

  std::vector<TevAsnValuePtr> owned;
  for (std::size_t i = 0; i < types.size(); ++i) {
    if (!make_values(types[i], texts[i], &owned, &reason)) {
      report(kCommand, "value " + std::to_string(i + 1) + " (" + types[i].written + ") " +
                           quoted(texts[i]) + ": " + reason);
      return kExitBadInput;
    }
  }
  std::vector<ITevAsnValue*> values;
  for (const TevAsnValuePtr& value : owned) values.push_back(value.get());

  long err = ASN_OK;
  TevAsnObjectIdPtr oid(tev_create_asn_object_id(base.dotted.c_str(), &err));
  if (oid == nullptr) {
    report(kCommand, std::string("cannot make the identifier: ") + tev_error_message(err));
    return kExitBadInput;
  }
  CTevAsnBuffer why;
  err = layout->encode(values.data(), static_cast<unsigned long>(values.size()), oid.get(), &why);
  if (err != ASN_OK) {
    report(kCommand, why.length() != 0 ? std::string(why.data(), why.length())
                                       : std::string(tev_error_message(err)));
    return kExitBadInput;
  }
  const unsigned long count = oid->get_count();
  if (count > ASN_MAX_SUB_IDS) {
    report(kCommand, "the identifier would have " + std::to_string(count) +
                         " sub-identifiers, more than " + std::to_string(ASN_MAX_SUB_IDS));
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
