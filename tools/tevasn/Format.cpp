// The format and parse commands: octets shown by a DISPLAY-HINT, a textual
// convention or as an Opaque-wrapped number, and such texts read back.
#include <cstdio>
#include <string>

#include "Commands.h"
#include "TevAsnDisplay.h"
#include "Text.h"
#include "Values.h"

using namespace NTevAsnValue;

namespace tevasn {

namespace {

const char kFormatHelp[] =
    "Usage: tevasn format --hint HINT HEX...\n"
    "       tevasn format --hint HINT --integer NUMBER...\n"
    "       tevasn format --tc NAME HEX...\n"
    "       tevasn format --opaque HEX...\n"
    "\n"
    "Prints each value, one line each, as a DISPLAY-HINT (RFC 2579 section 3.1),\n"
    "a textual convention or an Opaque-wrapped number shows it. HEX is octets as\n"
    "the hex TYPE takes them (00:0c:29 or 000c29).\n"
    "\n"
    "Options:\n"
    "  --hint HINT   an OCTET STRING hint (\"1x:\", \"255a\"); with --integer an\n"
    "                INTEGER hint (d, d-N, x, o, b) and decimal values\n"
    "  --tc NAME     DisplayString, SnmpAdminString, PhysAddress, MacAddress,\n"
    "                DateAndTime, InetAddressIPv4, InetAddressIPv6,\n"
    "                InetAddressIPv4z, InetAddressIPv6z or InetAddressDNS\n"
    "  --opaque      float, double, counter64, int64 or uint64 wrapped in Opaque\n"
    "\n"
    "Example:\n"
    "  tevasn format --tc DateAndTime 07c8051a0d1e0f002d0400\n"
    "  1992-5-26,13:30:15.0,-4:0\n";

const char kParseHelp[] =
    "Usage: tevasn parse --hint HINT TEXT...\n"
    "       tevasn parse --tc NAME TEXT...\n"
    "\n"
    "Reads each TEXT back to octets by an OCTET STRING hint or a textual\n"
    "convention (the names of 'tevasn format --help') and prints them as\n"
    "lower-case hex pairs joined by ':', one line each.\n"
    "\n"
    "Example:\n"
    "  tevasn parse --tc MacAddress 00:0C:29:AB:CD:EF\n"
    "  00:0c:29:ab:cd:ef\n";

struct DisplayOptions {
  bool help = false;
  bool integer = false;
  bool opaque = false;
  bool has_hint = false;
  bool has_tc = false;
  std::string hint;
  std::string tc;
  Args values;
};

// Options may be written "--hint HINT" or "--hint=HINT"; "--" ends them, so
// that a value may start with "--". A lone "-5" is a value.
bool parse_options(const Args& args, bool format, DisplayOptions* out, std::string* reason) {
  bool ended = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const bool option = !ended && (arg.rfind("--", 0) == 0 || arg == "-h");
    if (!option) {
      out->values.push_back(arg);
      continue;
    }
    const std::size_t equals = arg.find('=');
    const std::string name = arg.substr(0, equals);
    if (arg == "--") {
      ended = true;
    } else if (arg == "--help" || arg == "-h") {
      out->help = true;
    } else if (format && arg == "--integer") {
      out->integer = true;
    } else if (format && arg == "--opaque") {
      out->opaque = true;
    } else if (name == "--hint" || name == "--tc") {
      std::string value;
      if (equals != std::string::npos) {
        value = arg.substr(equals + 1);
      } else if (i + 1 < args.size()) {
        value = args[++i];
      } else {
        *reason = "option " + name + " needs a value";
        return false;
      }
      (name == "--hint" ? out->has_hint : out->has_tc) = true;
      (name == "--hint" ? out->hint : out->tc) = value;
    } else {
      *reason = "unknown option " + quoted(arg);
      return false;
    }
  }
  const int ways = (out->has_hint ? 1 : 0) + (out->has_tc ? 1 : 0) + (out->opaque ? 1 : 0);
  if (out->help) return true;
  if (ways != 1) {
    *reason = format ? "needs exactly one of --hint, --tc and --opaque"
                     : "needs exactly one of --hint and --tc";
    return false;
  }
  if (out->integer && !out->has_hint) {
    *reason = "--integer goes with --hint";
    return false;
  }
  if (out->values.empty()) {
    *reason = "needs at least one value";
    return false;
  }
  return true;
}

std::string words(const CTevAsnBuffer& reason, long code) {
  if (reason.length() != 0) return std::string(reason.data(), reason.length());
  return code == ASN_E_OUT_OF_MEMORY ? "out of memory" : "error " + std::to_string(code);
}

// A decimal INTEGER: an optional '-', then digits, within 64 bits.
bool parse_integer(const std::string& text, long long* value) {
  const bool negative = !text.empty() && text[0] == '-';
  std::uint64_t magnitude = 0;
  const std::uint64_t limit = negative ? 9223372036854775808ULL : 9223372036854775807ULL;
  if (!decimal_64(std::string_view(text).substr(negative ? 1 : 0), &magnitude) ||
      magnitude > limit) {
    return false;
  }
  *value = negative ? static_cast<long long>(0ULL - magnitude) : static_cast<long long>(magnitude);
  return true;
}

// Formats one value; false after reporting why it could not be.
bool format_one(const DisplayOptions& options, const std::string& value, std::string* line,
                std::string* problem) {
  CTevAsnBuffer out;
  CTevAsnBuffer reason;
  long rc = ASN_OK;
  if (options.integer) {
    long long number = 0;
    if (!parse_integer(value, &number)) {
      *problem = "not a decimal number of 64 bits";
      return false;
    }
    rc = tev_format_integer_hint(options.hint.c_str(), number, &out, &reason);
  } else {
    std::string text;
    if (!hex_octets(value, &text, problem)) return false;
    const auto* octets = reinterpret_cast<const unsigned char*>(text.data());
    if (options.opaque) {
      rc = tev_format_opaque(octets, text.size(), &out, &reason);
    } else if (options.has_tc) {
      rc = tev_format_tc(options.tc.c_str(), octets, text.size(), &out, &reason);
    } else {
      rc = tev_format_octets_hint(options.hint.c_str(), octets, text.size(), &out, &reason);
    }
  }
  if (rc != ASN_OK) {
    *problem = words(reason, rc);
    return false;
  }
  line->assign(out.data() == nullptr ? "" : out.data(), out.length());
  return true;
}

bool parse_one(const DisplayOptions& options, const std::string& text, std::string* line,
               std::string* problem) {
  CTevAsnBuffer out;
  CTevAsnBuffer reason;
  const long rc =
      options.has_tc
          ? tev_parse_tc(options.tc.c_str(), text.data(), text.size(), &out, &reason)
          : tev_parse_octets_hint(options.hint.c_str(), text.data(), text.size(), &out, &reason);
  if (rc != ASN_OK) {
    *problem = words(reason, rc);
    return false;
  }
  CTevAsnBuffer hex;
  const long written = tev_format_octets(reinterpret_cast<const unsigned char*>(out.data()),
                                         out.length(), TEV_OCTETS_HEX, &hex);
  if (written != ASN_OK) {
    *problem = tev_error_message(written);
    return false;
  }
  line->assign(hex.data() == nullptr ? "" : hex.data(), hex.length());
  return true;
}

int run_display(const char* command, const Args& args, bool format) {
  DisplayOptions options;
  std::string reason;
  if (!parse_options(args, format, &options, &reason)) return usage_error(command, reason);
  if (options.help) {
    print_help(command);
    return kExitOk;
  }
  bool bad = false;
  for (const std::string& value : options.values) {
    std::string line, problem;
    if (format ? format_one(options, value, &line, &problem)
               : parse_one(options, value, &line, &problem)) {
      std::printf("%s\n", line.c_str());
    } else {
      report(command, quoted(value) + ": " + problem);
      bad = true;
    }
  }
  return bad ? kExitBadInput : kExitOk;
}

}  // namespace

int run_format(const Args& args) { return run_display("format", args, true); }

int run_parse(const Args& args) { return run_display("parse", args, false); }

bool print_display_help(const std::string& command) {
  if (command == "format") {
    std::fputs(kFormatHelp, stdout);
  } else if (command == "parse") {
    std::fputs(kParseHelp, stdout);
  } else {
    return false;
  }
  return true;
}

}  // namespace tevasn
