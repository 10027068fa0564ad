// tevasn show TYPE VALUE
#include <cstdio>

#include "Commands.h"
#include "TevAsnHelpers.h"
#include "TevAsnTablePtr.h"
#include "Text.h"
#include "Types.h"
#include "Values.h"

using namespace NTevAsnValue;

namespace tevasn {

namespace {

const char kCommand[] = "show";

void print_field(const char* name, const std::string& text) {
  std::printf("%-10s %s\n", name, text.c_str());
}

// The value's index encoding with the given flag, or why there is none.
std::string encoding(const ITevAsnValue& value, long implied) {
  long err = ASN_OK;
  TevAsnObjectIdPtr oid(tev_create_asn_object_id(&err));
  if (oid == nullptr) return std::string("none: ") + tev_error_message(err);
  err = value.append_to_oid(oid.get(), implied);
  if (err != ASN_OK) return std::string("none: ") + tev_error_message(err);
  std::string text;
  std::string reason;
  if (!text_form(*oid, &text, &reason)) return "none: " + reason;
  return text + (text.empty() ? "(empty)" : "");
}

}  // namespace

int run_show(const Args& args) {
  CommandLine line;
  int status = kExitOk;
  if (!start_command(kCommand, args, Options::kNone, &line, &status)) return status;
  std::string reason;
  if (line.positional.size() != 2) return usage_error(kCommand, "needs TYPE and VALUE");
  TevAsnIndexLayoutPtr layout;
  std::vector<TypeChoice> types;
  if (!parse_layout({line.positional[0]}, TEV_LAYOUT_ANY_TYPE, &layout, &types, &reason)) {
    return usage_error(kCommand, reason);
  }
  if (types.size() != 1 || types[0].info->form == Form::kInet) {
    return usage_error(kCommand, "show takes one TYPE of one value (not inetaddress)");
  }
  const TypeChoice& choice = types[0];
  if (choice.implied_suffix()) {
    return usage_error(kCommand, "show prints both index encodings; leave out /implied");
  }
  TevAsnValuePtr value = make_value(choice, line.positional[1], &reason);
  if (value == nullptr) {
    report(kCommand, choice.written + " " + quoted(line.positional[1]) + ": " + reason);
    return kExitBadInput;
  }
  std::string text;
  if (!text_form(*value, &text, &reason)) {
    report(kCommand, reason);
    return kExitBadInput;
  }
  const TevTextResult octets = tev::hex_text(value.get());
  print_field("type", choice.written);
  print_field("text", escaped(text));
  print_field("octets", !octets.ok() ? "none: " + std::string(tev_error_message(octets.code))
                        : octets.value.empty() ? "(empty)"
                                               : octets.value);
  print_field("count", std::to_string(value->get_count()));
  print_field("implied 0", encoding(*value, 0));
  print_field("implied 1", encoding(*value, 1));
  return kExitOk;
}

}  // namespace tevasn
