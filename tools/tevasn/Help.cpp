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
    "  decode [--octets MODE] [--values] --prefix BASE TYPE... [OID...]\n"
    "                                            the index values of each identifier\n"
    "                                            below BASE (standard input without OID)\n"
    "  decode [--octets MODE] [--values] --entry ENTRY TYPE... [OID...]\n"
    "                                            the column and index values of each\n"
    "                                            identifier below a table entry\n"
    "  decode [--octets MODE] [--values] [MIBS] [--table NAME] [OID...]\n"
    "                                            the same for a table of the catalogue\n"
    "                                            or of MIB modules, or for the table\n"
    "                                            each identifier lies in\n"
    "  table [--format FORMAT] [--numeric] [MIBS] NAME\n"
    "                                            a walk of a table shown as rows\n"
    "  tables [MIBS]                             the tables of the catalogue and of\n"
    "                                            MIB modules\n"
    "  show TYPE VALUE                           a value's text, octets, count and\n"
    "                                            index encodings\n"
    "  sort [--check]                            lines in walk order of their first field\n"
    "  format --hint HINT|--tc NAME|--opaque HEX...\n"
    "                                            octets shown by a DISPLAY-HINT, a\n"
    "                                            textual convention or as a number\n"
    "  parse --hint HINT|--tc NAME TEXT...       such texts read back to octets\n"
    "  help [COMMAND]                            this help, or a command's\n"
    "\n"
    "MIBS: --mib-dir DIR (every module file of DIR) and --mib MODULE (a module\n"
    "name or file), each repeatable: MIB modules loaded with libsmi.\n"
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
    "An inetaddress VALUE is TYPE:ADDRESS (ipv4:192.0.2.1, ipv6:fe80::1,\n"
    "ipv6z:fe80::1%5, dns:example.com, unknown:) or a bare IPv4 or IPv6 address\n"
    "(with %ZONE for the zoned types).\n"
    "\n"
    "Examples:\n"
    "  tevasn encode .1.3.6.1.2.1.4.20.1.1 ipaddress=192.168.1.10\n"
    "  .1.3.6.1.2.1.4.20.1.1.192.168.1.10\n"
    "  tevasn encode .1.3.6.1.2.1.4.34.1.3 inetaddress=ipv4:192.0.2.1\n"
    "  .1.3.6.1.2.1.4.34.1.3.1.4.192.0.2.1\n";

const char kDecodeHelp[] =
    "Usage: tevasn decode [--octets MODE] [--values] --prefix BASE TYPE... [OID...]\n"
    "       tevasn decode [--octets MODE] [--values] --entry ENTRY TYPE... [OID...]\n"
    "       tevasn decode [--octets MODE] [--values] [MIBS] --table NAME [OID...]\n"
    "       tevasn decode [--octets MODE] [--values] [MIBS] [OID...]\n"
    "\n"
    "Strips BASE from each instance identifier and prints its index values, one\n"
    "line per identifier, the values separated by a TAB. With --entry, each\n"
    "identifier lies below a table entry: the line starts with the column number\n"
    "and a TAB, so a walk of a whole table decodes in one pass. An inetaddress\n"
    "prints as two fields: the type name and the address. Without OID arguments it\n"
    "reads standard input and takes the first field of each line, so the output of\n"
    "'snmpwalk -On' can be piped through it. A leading '.' is accepted anywhere.\n"
    "Octet strings print as --octets says: auto (the default) as text when every\n"
    "octet is printable ASCII, otherwise as hex pairs joined by ':'; hex always as\n"
    "hex pairs; text always as text, a control octet as \\xHH and '\\' as '\\\\',\n"
    "so a value never breaks its field or line. The hex TYPE always prints hex.\n"
    "\n"
    "Options:\n"
    "  --prefix BASE   the column the instance identifiers lie below\n"
    "  --entry ENTRY   the table entry they lie below\n"
    "  --table NAME    a table of the catalogue or of the MIB modules loaded\n"
    "                  ('tevasn tables'), by table or entry name, with or without\n"
    "                  its module: its entry and layout, as --entry with its\n"
    "                  TYPEs would give them\n"
    "  (none of the three: each identifier's table is found among those and its\n"
    "  name begins the line; lines in no known table are reported)\n"
    "  --octets MODE   octet strings as auto, hex or text (see above)\n"
    "  --hex           the same as --octets hex\n"
    "  --mib-dir DIR   load every MIB module file of DIR (libsmi); DIR is also\n"
    "                  searched for the modules they import (repeatable)\n"
    "  --mib MODULE    load a MIB module: a name found in the --mib-dir\n"
    "                  directories or the base modules, or a file (repeatable)\n"
    "  --values        (standard input only) end each line with a TAB and the\n"
    "                  input line's value part, what follows its first ' = ',\n"
    "                  exactly as it was (TABs and all; empty when it has none);\n"
    "                  a quoted STRING over several lines and a wrapped\n"
    "                  Hex-STRING are kept whole, line ends included\n"
    "\n"
    "Identifiers that do not lie below BASE or do not decode are reported on\n"
    "standard error with the reason (and the line number); the rest go on. A\n"
    "BASE that is a table entry rather than a column is named as one.\n"
    "\n"
    "Examples:\n"
    "  snmpwalk -On host ipAdEntIfIndex |\n"
    "    tevasn decode --prefix .1.3.6.1.2.1.4.20.1.2 ipaddress\n"
    "  snmpwalk -On host ipAddressTable |\n"
    "    tevasn decode --entry .1.3.6.1.2.1.4.34.1 inetaddress\n"
    "  snmpwalk -On host ipAddrTable |\n"
    "    tevasn decode --values --entry .1.3.6.1.2.1.4.20.1 IpAddress\n"
    "  snmpwalk -On host ipAddressTable | tevasn decode --table ipAddressTable\n";

const char kShowHelp[] =
    "Usage: tevasn show TYPE VALUE\n"
    "\n"
    "Prints the value's text form, its octets in hex, its element count and its\n"
    "index encodings with implied 0 (length-prefixed) and implied 1, as the library\n"
    "writes them.\n"
    "\n"
    "Example:\n"
    "  tevasn show octets public\n";

const char kSortHelp[] =
    "Usage: tevasn sort [--check]\n"
    "\n"
    "Reads lines from standard input and prints them sorted by the object\n"
    "identifier in their first field, in walk order (sub-identifiers compared as\n"
    "numbers: 1.9 before 1.10). The sort is stable. A line whose first field is not\n"
    "an identifier is reported on standard error and printed last. A quoted STRING\n"
    "over several lines and a wrapped Hex-STRING move with their record.\n"
    "\n"
    "Options:\n"
    "  --check   print nothing but the first line that does not come after the\n"
    "            line before it, and exit with 1; exit with 0 when all are in order\n"
    "\n"
    "Example:\n"
    "  snmpwalk -On host ifTable | tevasn sort --check\n";

const char kTableHelp[] =
    "Usage: tevasn table [--format FORMAT] [--numeric] [--mib-dir DIR] [--mib MODULE] NAME\n"
    "\n"
    "Reads a walk with values ('snmpwalk -On' output) from standard input and\n"
    "prints table NAME of the catalogue or of the MIB modules loaded as rows: a\n"
    "header line of field names (the index objects, then the columns the walk\n"
    "holds, by column number), then one line per row in walk order. A cell the\n"
    "walk lacks is empty. The index fields are what 'tevasn decode' prints for\n"
    "them. Values are shown by their column's syntax: an enumeration as\n"
    "label(number), BITS as the labels of the set bits joined by ',', octets by\n"
    "the column's DISPLAY-HINT or textual convention (an InetAddress by its\n"
    "row's InetAddressType), numbers as they are.\n"
    "\n"
    "A value its syntax cannot show is printed in hex or as its number and named\n"
    "on standard error with its line, row and column; a line of another table or\n"
    "of a value form snmpwalk does not print is reported and left out. The exit\n"
    "status is then 1.\n"
    "\n"
    "Options:\n"
    "  --format FORMAT   tsv (the default: fields joined by a TAB), csv (RFC 4180)\n"
    "                    or json (one object per row, keys the field names)\n"
    "  --numeric         an enumeration as its number alone\n"
    "  --mib-dir DIR     load every MIB module file of DIR (repeatable)\n"
    "  --mib MODULE      load a MIB module, by name or file (repeatable)\n"
    "\n"
    "Examples:\n"
    "  snmpwalk -On host ipAddressTable | tevasn table ipAddressTable\n"
    "  snmpwalk -On host ifTable | tevasn table --format json IF-MIB::ifTable\n"
    "  tevasn table --mib-dir /usr/share/snmp/mibs nsExtendOutput1Table < walk\n";

const char kTablesHelp[] =
    "Usage: tevasn tables [--mib-dir DIR] [--mib MODULE]\n"
    "\n"
    "Lists the tables of the catalogue, then those of the MIB modules loaded,\n"
    "one a line: name, module, entry identifier and index layout, separated by\n"
    "a TAB. --mib-dir loads every module file of DIR, --mib one module by name\n"
    "or file; both repeatable. A module that does not load is named on standard\n"
    "error with what is missing, and the status is 1.\n";

void print_types(bool with_encoding) {
  std::printf(
      "\nTypes (in any case; the SMI spellings INTEGER, Integer32, Unsigned32,\n"
      "Gauge32, Counter32, TimeTicks, IpAddress, OctetString, ObjectIdentifier\n"
      "and InetAddress name the same types):\n");
  for (const TypeInfo& info : type_table()) {
    const std::string name = info.form == Form::kFixed ? "fixed:N" : tev_index_kind_name(info.kind);
    std::printf("  %-11s %s\n", name.c_str(), info.value_help);
    if (with_encoding) std::printf("  %-11s   index: %s\n", "", info.index_help);
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
  } else if (command == "sort") {
    std::fputs(kSortHelp, stdout);
  } else if (command == "table") {
    std::fputs(kTableHelp, stdout);
  } else if (command == "tables") {
    std::fputs(kTablesHelp, stdout);
  } else if (command == "show") {
    std::fputs(kShowHelp, stdout);
    print_types(false);
  } else if (!print_display_help(command)) {
    return false;
  }
  return true;
}

}  // namespace tevasn
