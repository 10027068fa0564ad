// The help texts of the tool and its commands.
#include <cstdio>

#include "Commands.h"
#include "Types.h"

namespace tevasn {

namespace {

const char kToolHelp[] =
    "Usage: tevasn COMMAND [ARGUMENTS]\n"
    "\n"
    "Turns the index values of an SNMP table row into the instance identifier\n"
    "that names it, and back (RFC 2578 section 7.7).\n"
    "\n"
    "Commands:\n"
    "  encode BASE TYPE=VALUE...                 BASE followed by the index encoding\n"
    "                                            of each value\n"
    "  decode [--hex] --prefix BASE TYPE... [OID...]\n"
    "                                            the index values of each identifier\n"
    "                                            below BASE (standard input without OID)\n"
    "  show TYPE VALUE                           a value's text, octets, count and\n"
    "                                            index encodings\n"
    "  format --hint HINT|--tc NAME|--opaque HEX...\n"
    "                                            octets shown by a DISPLAY-HINT, a\n"
    "                                            textual convention or as a number\n"
    "  parse --hint HINT|--tc NAME TEXT...       such texts read back to octets\n"
    "  help [COMMAND]                            this help, or a command's\n"
    "\n"
    "Exit status: 0 success, 1 some input was bad, 2 usage error.\n"
    "Run 'tevasn COMMAND --help' for the details of a command.\n";

const char kEncodeHelp[] =
    "Usage: tevasn encode BASE TYPE=VALUE...\n"
    "\n"
    "Prints the instance identifier made by appending the index encoding of each\n"
    "value, in order, to BASE. A leading '.' on BASE is kept in the output.\n"
    "Add /implied to the last TYPE for an IMPLIED index (no length sub-identifier).\n"
    "\n"
    "Example:\n"
    "  tevasn encode .1.3.6.1.2.1.4.20.1.1 ipaddress=192.168.1.10\n"
    "  .1.3.6.1.2.1.4.20.1.1.192.168.1.10\n";

const char kDecodeHelp[] =
    "Usage: tevasn decode [--hex] --prefix BASE TYPE... [OID...]\n"
    "\n"
    "Strips BASE from each instance identifier and prints its index values, one\n"
    "line per identifier, the values separated by a TAB. Without OID arguments it\n"
    "reads standard input and takes the first field of each line, so the output of\n"
    "'snmpwalk -On' can be piped through it. A leading '.' is accepted anywhere.\n"
    "Octet strings print as text when every octet is printable ASCII, otherwise as\n"
    "hex pairs joined by ':'.\n"
    "\n"
    "Options:\n"
    "  --prefix BASE   the identifier the instance identifiers lie below (required)\n"
    "  --hex           print every octet string as hex pairs\n"
    "\n"
    "Identifiers that do not lie below BASE or do not decode are reported on\n"
    "standard error with the reason (and the line number); the rest go on.\n"
    "\n"
    "Example:\n"
    "  snmpwalk -On host ipAdEntIfIndex |\n"
    "    tevasn decode --prefix .1.3.6.1.2.1.4.20.1.2 ipaddress\n";

const char kShowHelp[] =
    "Usage: tevasn show TYPE VALUE\n"
    "\n"
    "Prints the value's text form, its octets in hex, its element count and its\n"
    "index encodings with implied 0 (length-prefixed) and implied 1, as the library\n"
    "writes them.\n"
    "\n"
    "Example:\n"
    "  tevasn show octets public\n";

void print_types(bool with_encoding) {
  std::printf("\nTypes:\n");
  for (const TypeInfo& info : type_table()) {
    const std::string name = info.form == Form::kFixed ? "fixed:N" : info.name;
    std::printf("  %-10s %s\n", name.c_str(), info.value_help);
    if (with_encoding) std::printf("  %-10s   index: %s\n", "", info.index_help);
  }
}

}  // namespace

bool print_help(const std::string& command) {
  if (command.empty()) {
    std::fputs(kToolHelp, stdout);
    print_types(false);
  } else if (command == "encode") {
    std::fputs(kEncodeHelp, stdout);
    print_types(true);
  } else if (command == "decode") {
    std::fputs(kDecodeHelp, stdout);
    print_types(true);
  } else if (command == "show") {
    std::fputs(kShowHelp, stdout);
    print_types(false);
  } else if (!print_display_help(command)) {
    return false;
  }
  return true;
}

}  // namespace tevasn
