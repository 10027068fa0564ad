// Runs the tevasn program on good and bad command lines and inputs, and
// compares what it prints, what it complains about and its exit status.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ToolRunner.h"

namespace {

const char kBase[] = "1.3.6.1.4.1.9999.1";

// ---- Round trips: encode TYPE=VALUE... gives BASE.SUFFIX, and decoding that
// identifier with the same TYPEs prints DECODED. ----

struct RoundTrip {
  const char* name;
  std::vector<std::string> values;  // TYPE=VALUE
  const char* suffix;               // the index after BASE
  const char* decoded;              // decode's line, without the newline
};

const RoundTrip kRoundTrips[] = {
    {"integer", {"integer=7"}, "7", "7"},
    {"integer_negative", {"integer=-1"}, "4294967295", "-1"},
    {"integer_lowest", {"integer=-2147483648"}, "2147483648", "-2147483648"},
    {"counter_highest", {"counter=4294967295"}, "4294967295", "4294967295"},
    {"gauge_zero", {"gauge=0"}, "0", "0"},
    {"timeticks", {"timeticks=100"}, "100", "100"},
    {"octets", {"octets=public"}, "6.112.117.98.108.105.99", "public"},
    {"octets_empty", {"octets="}, "0", ""},
    {"octets_implied", {"octets/implied=abc"}, "97.98.99", "abc"},
    {"octets_not_printable", {"octets=a\x01"}, "2.97.1", "61:01"},
    {"hex_zero_octet", {"hex=00:7f"}, "2.0.127", "00:7f"},
    {"hex_with_colons", {"hex=80:00:1F:88"}, "4.128.0.31.136", "80:00:1f:88"},
    {"hex_run_prints_hex", {"hex=6869"}, "2.104.105", "68:69"},
    {"opaque", {"opaque=xy"}, "2.120.121", "xy"},
    {"fixed_text", {"fixed:3=abc"}, "97.98.99", "abc"},
    {"fixed_hex", {"fixed:6=00:11:22:33:44:55"}, "0.17.34.51.68.85", "00:11:22:33:44:55"},
    {"ipaddress", {"ipaddress=192.168.1.10"}, "192.168.1.10", "192.168.1.10"},
    {"ipv6_short_form", {"ipv6=fe80::1"}, "254.128.0.0.0.0.0.0.0.0.0.0.0.0.0.1", "fe80::1"},
    {"ipv6_full_form",
     {"ipv6=2001:DB8:0:0:0:0:a:1"},
     "32.1.13.184.0.0.0.0.0.0.0.0.0.10.0.1",
     "2001:db8::a:1"},
    {"ipv6_mapped_ipv4",
     {"ipv6=::ffff:192.0.2.1"},
     "0.0.0.0.0.0.0.0.0.0.255.255.192.0.2.1",
     "::ffff:192.0.2.1"},
    {"ipport", {"ipport=10.1.2.3/161"}, "1.6.10.1.2.3.0.161", "10.1.2.3/161"},
    {"ipport_implied", {"ipport/implied=10.1.2.3/161"}, "1.10.1.2.3.0.161", "10.1.2.3/161"},
    {"ipx",
     {"ipx=0000abcd:00a0c9112233/451"},
     "5.12.0.0.171.205.0.160.201.17.34.51.4.81",
     "0000abcd:00a0c9112233/451"},
    {"oid", {"oid=1.3.6.1"}, "4.1.3.6.1", "1.3.6.1"},
    {"oid_implied_leading_dot", {"oid/implied=.1.3"}, "1.3", "1.3"},
    {"integer_and_octets",
     {"integer=3", "octets=myuser"},
     "3.6.109.121.117.115.101.114",
     "3\tmyuser"},
    {"four_values",
     {"ipaddress=10.0.0.0", "ipaddress=255.0.0.0", "integer=0", "ipaddress=192.168.1.1"},
     "10.0.0.0.255.0.0.0.0.192.168.1.1",
     "10.0.0.0\t255.0.0.0\t0\t192.168.1.1"},
    {"octets_then_oid", {"octets=all", "oid=1"}, "3.97.108.108.1.1", "all\t1"},
    {"inetaddress_ipv4", {"inetaddress=ipv4:192.0.2.1"}, "1.4.192.0.2.1", "ipv4\t192.0.2.1"},
    {"inetaddress_bare_ipv6",
     {"inetaddress=FE80::0:1"},
     "2.16.254.128.0.0.0.0.0.0.0.0.0.0.0.0.0.1",
     "ipv6\tfe80::1"},
    {"inetaddress_ipv6z",
     {"inetaddress=ipv6z:fe80::1%5"},
     "4.20.254.128.0.0.0.0.0.0.0.0.0.0.0.0.0.1.0.0.0.5",
     "ipv6z\tfe80::1%5"},
    {"inetaddress_bare_ipv4z",
     {"inetaddress=10.0.0.1%7"},
     "3.8.10.0.0.1.0.0.0.7",
     "ipv4z\t10.0.0.1%7"},
    {"inetaddress_dns", {"inetaddress=dns:a.b"}, "16.3.97.46.98", "dns\ta.b"},
    {"inetaddress_unknown", {"inetaddress=unknown:"}, "0.0", "unknown\t"},
    {"tcp_connection",
     {"inetaddress=10.0.0.5", "gauge=22", "inetaddress=10.0.0.9", "gauge=51234"},
     "1.4.10.0.0.5.22.1.4.10.0.0.9.51234",
     "ipv4\t10.0.0.5\t22\tipv4\t10.0.0.9\t51234"},
};

void PrintTo(const RoundTrip& row, std::ostream* os) { print_row(row.name, row.values, os); }

class RoundTripTest : public testing::TestWithParam<RoundTrip> {};

TEST_P(RoundTripTest, EncodesAndDecodes) {
  const RoundTrip& row = GetParam();
  const std::string instance = std::string(kBase) + "." + row.suffix;

  std::vector<std::string> encode{"encode", kBase};
  encode.insert(encode.end(), row.values.begin(), row.values.end());
  const ToolResult encoded = run_tool(encode);
  EXPECT_EQ(encoded.status, 0) << encoded.err;
  EXPECT_EQ(encoded.out, instance + "\n");
  EXPECT_EQ(encoded.err, "");

  std::vector<std::string> decode{"decode", "--prefix", kBase};
  for (const std::string& value : row.values) decode.push_back(value.substr(0, value.find('=')));
  decode.push_back("." + instance);
  const ToolResult decoded = run_tool(decode);
  EXPECT_EQ(decoded.status, 0) << decoded.err;
  EXPECT_EQ(decoded.out, std::string(row.decoded) + "\n");
  EXPECT_EQ(decoded.err, "");
}

INSTANTIATE_TEST_SUITE_P(Tool, RoundTripTest, testing::ValuesIn(kRoundTrips),
                         [](const testing::TestParamInfo<RoundTrip>& info) {
                           return std::string(info.param.name);
                         });

// ---- Single runs: arguments and input, the exact output, a phrase the
// complaint must hold (none at all when empty) and the exit status. ----

struct ToolRun {
  const char* name;
  std::vector<std::string> args;
  std::string input;
  const char* out;  // exact standard output; null: not compared
  const char* err;  // must occur in standard error; "": nothing written there
  int status;
};

const std::string kHugeLine = "." + std::string(1 << 20, '7') + "\n";
const std::string kLongIdentifier = [] {
  std::string id = "1";
  for (int i = 0; i < 128; ++i) id += ".1";
  return id;
}();
const std::string kLongOctets = "octets=" + std::string(130, 'x');

const ToolRun kRuns[] = {
    // Commands, help and usage errors (status 2).
    {"help", {"--help"}, "", nullptr, "", 0},
    {"help_command", {"help", "decode"}, "", nullptr, "", 0},
    {"encode_help", {"encode", "--help"}, "", nullptr, "", 0},
    {"version", {"--version"}, "", "tevasn 1.0.0\n", "", 0},
    {"no_command", {}, "", "", "needs a command", 2},
    {"unknown_command", {"frobnicate"}, "", "", "unknown command 'frobnicate'", 2},
    {"help_unknown", {"help", "frob"}, "", "", "no help for 'frob'", 2},
    {"encode_without_values", {"encode", kBase}, "", "", "needs BASE and TYPE=VALUE", 2},
    {"encode_unknown_type", {"encode", kBase, "bogus=1"}, "", "", "unknown type 'bogus'", 2},
    {"encode_without_equals", {"encode", kBase, "integer"}, "", "", "expected TYPE=VALUE", 2},
    {"encode_implied_not_last",
     {"encode", kBase, "octets/implied=a", "integer=1"},
     "",
     "",
     "IMPLIED is allowed on the last index value only",
     2},
    {"encode_counter64", {"encode", kBase, "counter64=5"}, "", "", "has no index encoding", 2},
    {"encode_fixed_without_count", {"encode", kBase, "fixed=a"}, "", "", "octet count", 2},
    {"encode_fixed_zero", {"encode", kBase, "fixed:0=a"}, "", "", "from 1 to 128", 2},
    {"encode_count_on_integer", {"encode", kBase, "integer:4=1"}, "", "", "only fixed", 2},
    {"encode_unknown_modifier", {"encode", kBase, "octets/long=a"}, "", "", "unknown modifier", 2},
    {"encode_bad_base", {"encode", "1..3", "integer=1"}, "", "", "empty sub-identifier", 2},
    {"encode_unknown_option", {"encode", "--frob", kBase}, "", "", "unknown option '--frob'", 2},
    {"decode_types_without_prefix", {"decode", "integer", "1.2"}, "", "", "takes no TYPE", 2},
    {"decode_prefix_without_value", {"decode", "integer", "--prefix"}, "", "", "needs a value", 2},
    {"decode_without_types", {"decode", "--prefix", kBase}, "", "", "at least one TYPE", 2},
    {"decode_bad_prefix", {"decode", "--prefix=1.x", "integer"}, "", "", "prefix '1.x'", 2},
    {"decode_implied_not_last",
     {"decode", "--prefix", kBase, "oid/implied", "integer"},
     "",
     "",
     "last index value only",
     2},
    {"show_implied", {"show", "octets/implied", "a"}, "", "", "leave out /implied", 2},
    {"show_without_value", {"show", "integer"}, "", "", "needs TYPE and VALUE", 2},

    // Values that are not of their type (status 1, nothing printed).
    {"integer_too_large",
     {"encode", kBase, "integer=2147483648"},
     "",
     "",
     "not a valid integer",
     1},
    {"integer_trailing_text", {"encode", kBase, "integer=12abc"}, "", "", "not a valid integer", 1},
    {"gauge_negative", {"encode", kBase, "gauge=-1"}, "", "", "not a valid gauge", 1},
    {"counter_too_large", {"encode", kBase, "counter=4294967296"}, "", "", "valid counter", 1},
    {"ipaddress_octet_256", {"encode", kBase, "ipaddress=1.2.3.256"}, "", "", "valid ipaddress", 1},
    {"ipaddress_three_parts", {"encode", kBase, "ipaddress=1.2.3"}, "", "", "valid ipaddress", 1},
    {"ipaddress_trailing_text", {"encode", kBase, "ipaddress=1.2.3.4x"}, "", "", "valid ipaddr", 1},
    {"ipv6_two_gaps", {"encode", kBase, "ipv6=fe80::1::2"}, "", "", "not a valid ipv6", 1},
    {"ipv6_nine_groups", {"encode", kBase, "ipv6=1:2:3:4:5:6:7:8:9"}, "", "", "valid ipv6", 1},
    {"ipv6_long_group", {"encode", kBase, "ipv6=12345::1"}, "", "", "not a valid ipv6", 1},
    {"ipport_without_port", {"encode", kBase, "ipport=10.1.2.3"}, "", "", "valid ipport", 1},
    {"ipport_port_too_large", {"encode", kBase, "ipport=10.1.2.3/70000"}, "", "", "ipport", 1},
    {"ipx_short_network", {"encode", kBase, "ipx=abcd:00a0c9112233/451"}, "", "", "valid ipx", 1},
    {"hex_odd_digits", {"encode", kBase, "hex=abc"}, "", "", "odd number", 1},
    {"hex_bad_digit", {"encode", kBase, "hex=zz"}, "", "", "'z' is not a hexadecimal digit", 1},
    {"fixed_wrong_size", {"encode", kBase, "fixed:6=abc"}, "", "", "6 characters of text", 1},
    {"oid_leading_zero", {"encode", kBase, "oid=1.3.04"}, "", "", "leading zero", 1},
    {"oid_too_large", {"encode", kBase, "oid=1.4294967296"}, "", "", "does not fit 32 bits", 1},
    {"encoded_too_long", {"encode", kBase, kLongOctets}, "", "", "more than 128", 1},

    // Identifiers that do not decode (status 1; the good ones still print).
    {"not_below_prefix",
     {"decode", "--prefix", kBase, "integer", "1.3.6.1.4.1.9999.2.5"},
     "",
     "",
     "does not lie below the prefix 1.3.6.1.4.1.9999.1",
     1},
    {"prefix_of_a_longer_number",
     {"decode", "--prefix", "1.3", "integer", "1.30.5"},
     "",
     "",
     "does not lie below the prefix",
     1},
    {"prefix_itself", {"decode", "--prefix", kBase, "integer", kBase}, "", "", "prefix itself", 1},
    {"left_over",
     {"decode", "--prefix", "1.3", "integer", "1.3.7.8"},
     "",
     "",
     "1 sub-identifier left after the last index value",
     1},
    {"missing_value",
     {"decode", "--prefix", "1.3", "integer", "integer", "1.3.7"},
     "",
     "",
     "value 2 (integer): no sub-identifiers left",
     1},
    {"octet_above_255",
     {"decode", "--prefix", "1.3", "octets", "1.3.2.97.256"},
     "",
     "",
     "sub-identifier 256 is not an octet",
     1},
    {"length_too_large",
     {"decode", "--prefix", "1.3", "octets", "1.3.9.97.98"},
     "",
     "",
     "length 9 but only 2 sub-identifiers follow",
     1},
    {"oid_length_too_large",
     {"decode", "--prefix", "1.3", "oid", "1.3.3.1"},
     "",
     "",
     "length 3",
     1},
    {"ipaddress_short",
     {"decode", "--prefix", "1.3", "ipaddress", "1.3.10.0"},
     "",
     "",
     "needs 4 sub-identifiers for its octets, only 2 left",
     1},
    {"fixed_short", {"decode", "--prefix", "1.3", "fixed:6", "1.3.1.2"}, "", "", "needs 6", 1},
    {"ipport_wrong_domain",
     {"decode", "--prefix", "1.3", "ipport", "1.3.2.6.10.1.2.3.0.161"},
     "",
     "",
     "domain sub-identifier must be 1, not 2",
     1},
    {"ipx_wrong_length",
     {"decode", "--prefix", "1.3", "ipx", "1.3.5.6.0.0.0.0.0.0"},
     "",
     "",
     "length sub-identifier must be 12",
     1},
    {"subid_too_large",
     {"decode", "--prefix", "1.3", "integer", "1.3.99999999999"},
     "",
     "",
     "'99999999999' does not fit 32 bits",
     1},
    {"too_many_subids",
     {"decode", "--prefix", "1", "oid/implied", kLongIdentifier},
     "",
     "",
     "more than 128 sub-identifiers",
     1},
    {"good_and_bad_arguments",
     {"decode", "--prefix", "1.3", "integer", "1.3.1", "1.4.2", ".1.3.3"},
     "",
     "1\n3\n",
     "'1.4.2': does not lie below",
     1},
    {"hex_option",
     {"decode", "--hex", "--prefix", "1.3", "octets", "fixed:2", "1.3.2.104.105.106.107"},
     "",
     "68:69\t6a:6b\n",
     "",
     0},
    {"octets_hex",
     {"decode", "--octets", "hex", "--prefix", "1.3", "octets", "1.3.2.104.105"},
     "",
     "68:69\n",
     "",
     0},
    {"octets_auto_unprintable",
     {"decode", "--octets=auto", "--prefix", "1.3", "octets", "1.3.2.0.105"},
     "",
     "00:69\n",
     "",
     0},
    {"octets_text_escapes_controls",
     {"decode", "--octets", "text", "--prefix", "1.3", "octets", "hex", "1.3.3.97.9.98.1.104"},
     "",
     "a\\x09b\t68\n",
     "",
     0},
    {"octets_bad_mode",
     {"decode", "--octets", "raw", "--prefix", "1.3", "octets", "1.3.1.104"},
     "",
     "",
     "--octets needs text, hex or auto",
     2},

    // Standard input: the first field of each line.
    {"walk_lines",
     {"decode", "--prefix", ".1.3.6.1.2.1.4.20.1.1", "ipaddress"},
     ".1.3.6.1.2.1.4.20.1.1.10.0.0.1 = IpAddress: 10.0.0.1\n"
     "\n"
     "   .1.3.6.1.2.1.4.20.1.1.127.0.0.1\t= IpAddress: 127.0.0.1\r\n"
     "1.3.6.1.2.1.4.20.1.1.192.168.1.10\n",
     "10.0.0.1\n127.0.0.1\n192.168.1.10\n",
     "",
     0},
    {"walk_with_bad_lines",
     {"decode", "--prefix", "1.3.6.1.2.1.2.2.1.2", "integer"},
     ".1.3.6.1.2.1.2.2.1.2.1 = STRING: lo\n"
     ".1.3.6.1.2.1.2.2.1.3.1 = INTEGER: 24\n"
     "Timeout: No Response from host\n"
     ".1.3.6.1.2.1.2.2.1.2.2 = STRING: eth0\n",
     "1\n2\n",
     "line 3: 'Timeout:': not a dotted decimal object identifier",
     1},
    {"bad_line_number",
     {"decode", "--prefix", "1.3", "integer"},
     "1.3.1\n1.4\n",
     "1\n",
     "line 2:",
     1},
    {"empty_input", {"decode", "--prefix", "1.3", "integer"}, "", "", "no identifiers", 1},
    {"blank_input", {"decode", "--prefix", "1.3", "integer"}, "\n \n\t\n", "", "no identifiers", 1},
    {"huge_line",
     {"decode", "--prefix", "1.3", "integer"},
     kHugeLine,
     "",
     "does not fit 32 bits",
     1},
    {"binary_line",
     {"decode", "--prefix", "1.3", "integer"},
     std::string("1.3.\x01\xff\0x\n", 8),
     "",
     "'1.3.\\x01\\xff\\x00x'",
     1},

    // --values: each line's value part, as it is, as the last field.
    {"values_walk",
     {"decode", "--values", "--entry", ".1.3.6.1.2.1.4.20.1", "IpAddress"},
     ".1.3.6.1.2.1.4.20.1.2.10.0.0.1 = INTEGER: 2\n"
     ".1.3.6.1.2.1.4.20.1.3.10.0.0.1 = STRING: \"a\tb = c\" \r\n"
     ".1.3.6.1.2.1.4.20.1.4.10.0.0.1\n"
     ".1.3.6.1.2.1.4.20.1.5.10.0.0.1 = \n",
     "2\t10.0.0.1\tINTEGER: 2\n"
     "3\t10.0.0.1\tSTRING: \"a\tb = c\" \r\n"
     "4\t10.0.0.1\t\n"
     "5\t10.0.0.1\t\n",
     "",
     0},
    {"values_bad_line_prints_nothing",
     {"decode", "--values", "--prefix", "1.3", "integer"},
     "1.3.1.2 = INTEGER: 5\n1.3.7 = INTEGER: 6\n",
     "7\tINTEGER: 6\n",
     "line 1: '1.3.1.2': 1 sub-identifier left",
     1},
    {"values_with_oid_arguments",
     {"decode", "--values", "--prefix", "1.3", "integer", "1.3.1"},
     "",
     "",
     "--values reads standard input",
     2},
    // Leftovers say how many; an entry given as --prefix is named as one.
    {"leftover_count",
     {"decode", "--prefix", "1.3", "ipaddress", "1.3.10.0.0.1.5.6"},
     "",
     "",
     "2 sub-identifiers left after the last index value",
     1},
    {"entry_given_as_prefix",
     {"decode", "--prefix", ".1.3.6.1.2.1.4.20.1", "ipaddress", ".1.3.6.1.2.1.4.20.1.2.10.0.0.1"},
     "",
     "",
     "looks like a table entry with column 2 after it: use --entry 1.3.6.1.2.1.4.20.1",
     1},
    {"column_prefix_without_hint",
     {"decode", "--prefix", "1.3.6.2", "ipaddress", "1.3.6.2.10.0.0.1.9"},
     "",
     "",
     "1 sub-identifier left after the last index value\n",
     1},
    // TYPE names as a MIB writes them.
    {"smi_type_names",
     {"encode", "1.3", "INTEGER=5", "Unsigned32=6", "Counter32=7", "TimeTicks=8",
      "IpAddress=10.0.0.1", "OctetString=ab", "ObjectIdentifier=.1.3", "InetAddress=ipv4:10.0.0.2"},
     "",
     "1.3.5.6.7.8.10.0.0.1.2.97.98.2.1.3.1.4.10.0.0.2\n",
     "",
     0},
    {"strict_integer", {"encode", "1.3", "Integer32=12abc"}, "", "", "not a valid integer", 1},
    {"strict_ip_address",
     {"encode", "1.3", "IpAddress=10.0.0.1garbage"},
     "",
     "",
     "not a valid ipaddress",
     1},

    // Whole tables: --entry prints the column before the index values.
    {"entry_walk",
     {"decode", "--entry", ".1.3.6.1.2.1.4.34.1", "inetaddress"},
     ".1.3.6.1.2.1.4.34.1.3.1.4.10.0.0.1 = INTEGER: 2\n"
     ".1.3.6.1.2.1.4.34.1.3.2.16.254.128.0.0.0.0.0.0.0.0.0.0.0.0.0.1 = INTEGER: 2\n"
     ".1.3.6.1.2.1.4.34.1.5.1.4.10.0.0.1 = OID: .0.0\n"
     ".1.3.6.1.2.1.4.35.1.4.2.1.4.10.0.0.1 = STRING: x\n",
     "3\tipv4\t10.0.0.1\n3\tipv6\tfe80::1\n5\tipv4\t10.0.0.1\n",
     "line 4: '.1.3.6.1.2.1.4.35.1.4.2.1.4.10.0.0.1': does not lie below the entry "
     "1.3.6.1.2.1.4.34.1",
     1},
    {"entry_dns_newline",
     {"decode", "--entry", "1.3.6.1.2.1.4.34.1", "inetaddress",
      "1.3.6.1.2.1.4.34.1.3.16.3.97.10.98"},
     "",
     "3\tdns\t61:0a:62\n",
     "",
     0},
    {"entry_inet_mismatch",
     {"decode", "--entry", "1.3", "inetaddress", "1.3.3.2.4.10.0.0.1"},
     "",
     "",
     "value 1 (inetaddress): InetAddressType 2 (ipv6) with InetAddress length 4: ipv6 takes 16",
     1},
    {"entry_itself", {"decode", "--entry", "1.3", "integer", "1.3"}, "", "", "entry itself", 1},
    {"entry_and_prefix",
     {"decode", "--entry", "1.3", "--prefix", "1.3", "integer"},
     "",
     "",
     "takes one of --prefix, --entry and --table",
     2},
    {"entry_bad", {"decode", "--entry=1.x", "integer"}, "", "", "entry '1.x'", 2},
    {"entry_bad_layout",
     {"decode", "--entry", "1.3", "integer", "bogus"},
     "",
     "",
     "(argument 2 of 2)",
     2},
    // Layout words as a MIB spells them; positions count the arguments.
    {"entry_mib_spellings",
     {"decode", "--entry", "1.3.6.1.2.1.4.35.1", "InterfaceIndex", "InetAddressType", "InetAddress",
      "1.3.6.1.2.1.4.35.1.4.7.1.4.10.0.0.1"},
     "",
     "4\t7\tipv4\t10.0.0.1\n",
     "",
     0},
    {"prefix_two_word_types",
     {"decode", "--prefix", "1.3", "OCTET  STRING", "OBJECT IDENTIFIER/implied", "1.3.1.97.1.2"},
     "",
     "a\t1.2\n",
     "",
     0},
    {"encode_convention",
     {"encode", "1.3", "MacAddress=00:11:22:33:44:55"},
     "",
     "1.3.0.17.34.51.68.85\n",
     "",
     0},
    {"unknown_word_nearest",
     {"decode", "--prefix", "1.3", "InetAddressType", "InetAddress", "MacAdress"},
     "",
     "",
     "unknown type 'MacAdress' (argument 3 of 3); nearest: MacAddress",
     2},
    {"pair_positions",
     {"decode", "--prefix", "1.3", "InetAddressType", "InetAddress", "octets/implied", "integer"},
     "",
     "",
     "(argument 3 of 4)",
     2},
    {"encode_inetaddress_bad",
     {"encode", kBase, "inetaddress=ipv4:1.2.3"},
     "",
     "",
     "'1.2.3' is not an IPv4 address",
     1},
    {"encode_inetaddress_bare_name", {"encode", kBase, "inetaddress=host"}, "", "", "dns:NAME", 1},
    {"show_inetaddress", {"show", "inetaddress", "1.2.3.4"}, "", "", "not inetaddress", 2},

    // sort: walk order of the first field, stable; other lines last.
    {"sort_walk_order",
     {"sort"},
     ".1.3.6.1.10 = b\n.1.3.6.1.9 = a\nnot an oid\n1.3.6.1.9.1 = c\n.1.3.6.1.9 = d\n",
     ".1.3.6.1.9 = a\n.1.3.6.1.9 = d\n1.3.6.1.9.1 = c\n.1.3.6.1.10 = b\nnot an oid\n",
     "line 3: 'not': not a dotted decimal object identifier",
     1},
    {"sort_clean", {"sort"}, "1.2\n1.1\n", "1.1\n1.2\n", "", 0},
    {"sort_check_in_order", {"sort", "--check"}, "1.9 x\n1.10 y\n1.10.1\n", "", "", 0},
    {"sort_check_out_of_order",
     {"sort", "--check"},
     "1.9\n1.10 y\n1.10 z\n1.2\n",
     "1.10 z\n",
     "line 3: '1.10' does not come after line 2",
     1},
    {"sort_with_argument", {"sort", "file"}, "", "", "no arguments", 2},

    // Walks as snmpwalk prints them: a quoted STRING spanning lines and a
    // wrapped Hex-STRING stay with their record.
    {"values_multi_line_string",
     {"decode", "--values", "--entry", ".1.3.6.1.2.1.1.9.1", "integer"},
     ".1.3.6.1.2.1.1.9.1.3.1 = STRING: \"agent\n1.0 build 42\"\n"
     ".1.3.6.1.2.1.1.9.1.3.2 = Hex-STRING: 00 0C 29 4F 8E 35 00 0C 29 4F 8E 35 00 0C 29 4F \n"
     "8E 35 \n"
     ".1.3.6.1.2.1.1.9.1.3.3 = STRING: \"say \\\"hi\\\"\"\n",
     "3\t1\tSTRING: \"agent\n1.0 build 42\"\n"
     "3\t2\tHex-STRING: 00 0C 29 4F 8E 35 00 0C 29 4F 8E 35 00 0C 29 4F \n8E 35 \n"
     "3\t3\tSTRING: \"say \\\"hi\\\"\"\n",
     "",
     0},
    {"sort_keeps_records",
     {"sort"},
     "1.3.2 = STRING: \"b\n1.0 build 42\"\n1.3.1 = Hex-STRING: 00 11 \n22 \n",
     "1.3.1 = Hex-STRING: 00 11 \n22 \n1.3.2 = STRING: \"b\n1.0 build 42\"\n",
     "",
     0},
    {"sort_check_multi_line_walk",
     {"sort", "--check"},
     "1.3.1 = STRING: \"a\n1.0 build 42\"\n1.3.2 = INTEGER: 1\n",
     "",
     "",
     0},

    // Tables by name: decode --table, decode by each line's table, table, tables.
    {"decode_table",
     {"decode", "--table", "IP-MIB::ipAddressTable", ".1.3.6.1.2.1.4.34.1.3.1.4.192.0.2.1"},
     "",
     "3\tipv4\t192.0.2.1\n",
     "",
     0},
    {"decode_table_with_type", {"decode", "--table", "ifTable", "integer"}, "", "", "no TYPE", 2},
    {"decode_table_unknown",
     {"decode", "--table", "ifTabel", "1.3"},
     "",
     "",
     "unknown table \"ifTabel\"; closest: ifTable",
     1},
    {"decode_finds_tables",
     {"decode"},
     ".1.3.6.1.2.1.2.2.1.2.7 = STRING: eth0\n"
     ".1.3.6.1.2.1.1.1.0 = STRING: host\n"
     ".1.3.6.1.2.1.4.22.1.2.3.10.0.0.1 = Hex-STRING: 00 11 22 33 44 55\n",
     "ifTable\t2\t7\nipNetToMediaTable\t2\t3\t10.0.0.1\n",
     "line 2: '.1.3.6.1.2.1.1.1.0': lies in no table of the catalogue",
     1},
    {"table_view",
     {"table", "ifTable"},
     ".1.3.6.1.2.1.2.2.1.2.2 = STRING: eth0\n"
     ".1.3.6.1.2.1.2.2.1.2.1 = STRING: lo\n"
     ".1.3.6.1.2.1.2.2.1.6.2 = Hex-STRING: 00 0C 29 4F 8E 35 \n"
     ".1.3.6.1.2.1.2.2.1.7.1 = INTEGER: up(1)\n"
     ".1.3.6.1.2.1.2.2.1.7.2 = INTEGER: 2\n",
     "ifIndex\tifDescr\tifPhysAddress\tifAdminStatus\n"
     "1\tlo\t\tup(1)\n"
     "2\teth0\t00:0c:29:4f:8e:35\tdown(2)\n",
     "",
     0},
    {"table_numeric_csv",
     {"table", "--numeric", "--format", "csv", "ifTable"},
     ".1.3.6.1.2.1.2.2.1.2.1 = STRING: \"a,b\"\n.1.3.6.1.2.1.2.2.1.7.1 = INTEGER: up(1)\n",
     "ifIndex,ifDescr,ifAdminStatus\n1,\"a,b\",1\n",
     "",
     0},
    {"table_json_inet_address",
     {"table", "--format=json", "tcpConnectionTable"},
     ".1.3.6.1.2.1.6.19.1.8.2.16.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.1.22.2.16.0.0.0.0.0.0.0.0.0.0.0.0."
     "0.0.0.1.5000 = Gauge32: 77\n",
     "{\"tcpConnectionLocalAddressType\": \"ipv6\", \"tcpConnectionLocalAddress\": \"::1\", "
     "\"tcpConnectionLocalPort\": 22, \"tcpConnectionRemAddressType\": \"ipv6\", "
     "\"tcpConnectionRemAddress\": \"::1\", \"tcpConnectionRemPort\": 5000, "
     "\"tcpConnectionProcess\": 77}\n",
     "",
     0},
    // JSON numbers: number columns bare, enumerations only with --numeric,
    // a cell that is no plain decimal stays a string.
    {"table_json_numbers",
     {"table", "--format", "json", "ifTable"},
     ".1.3.6.1.2.1.2.2.1.5.1 = Gauge32: 0\n.1.3.6.1.2.1.2.2.1.7.1 = INTEGER: up(1)\n"
     ".1.3.6.1.2.1.2.2.1.5.2 = Frobnicated: 3\n",
     "{\"ifIndex\": 1, \"ifSpeed\": 0, \"ifAdminStatus\": \"up(1)\"}\n"
     "{\"ifIndex\": 2, \"ifSpeed\": \"Frobnicated: 3\", \"ifAdminStatus\": \"\"}\n",
     "ifSpeed: unknown value form Frobnicated",
     1},
    // Cells that do not fit their syntax are shown and named; other tables'
    // lines and unknown forms are refused; the rest goes on.
    {"table_bad_cells",
     {"table", "ifTable"},
     ".1.3.6.1.2.1.2.2.1.7.1 = INTEGER: 9\n"
     ".1.3.6.1.2.1.2.2.1.3.1 = STRING: x\n"
     ".1.3.6.1.2.1.31.1.1.1.1.1 = STRING: lo\n"
     ".1.3.6.1.2.1.2.2.1.5.1 = Frobnicated: 3\n"
     ".1.3.6.1.2.1.2.2.1.10.1 = Counter32: 5\n",
     "ifIndex\tifType\tifSpeed\tifAdminStatus\tifInOctets\n1\t78\tFrobnicated: 3\t9\t5\n",
     "line 3: '.1.3.6.1.2.1.31.1.1.1.1.1' lies outside ifTable (in ifXTable)",
     1},
    // The value forms of snmpwalk -On, each shown by its column's syntax.
    {"table_value_forms",
     {"table", "hrStorageTable"},
     ".1.3.6.1.2.1.25.2.3.1.2.1 = OID: .1.3.6.1.2.1.25.2.1.4\n"
     ".1.3.6.1.2.1.25.2.3.1.3.1 = STRING: \"a \\\"q\\\" b\"\n"
     ".1.3.6.1.2.1.25.2.3.1.4.1 = INTEGER: 4096 Bytes\n"
     ".1.3.6.1.2.1.25.2.3.1.5.1 = \"\"\n"
     ".1.3.6.1.2.1.25.2.3.1.6.1 = No Such Instance currently exists at this OID\n"
     ".1.3.6.1.2.1.25.2.3.1.7.1 = Counter32: 4294967295\n",
     "hrStorageIndex\thrStorageType\thrStorageDescr\thrStorageAllocationUnits\thrStorageSize\t"
     "hrStorageUsed\thrStorageAllocationFailures\n"
     "1\t1.3.6.1.2.1.25.2.1.4\ta \"q\" b\t4096\t\tNo Such Instance currently exists at "
     "this OID\t4294967295\n",
     "line 4: row '1', hrStorageSize: \"\" value in a column of syntax Integer32",
     1},
    {"table_bits_and_addresses",
     {"table", "mteTriggerTable"},
     ".1.3.6.1.2.1.88.1.2.2.1.4.1.97.116 = BITS: 60 00 boolean(1) threshold(2)\n"
     ".1.3.6.1.2.1.88.1.2.2.1.4.1.97.117 = BITS: 01\n",
     "mteOwner\tmteTriggerName\tmteTriggerTest\na\tt\tboolean,threshold\na\tu\t01\n",
     "line 2: row 'a u', mteTriggerTest: bit 7 has no label",
     1},
    {"table_ip_and_hex",
     {"table", "ipNetToMediaTable"},
     ".1.3.6.1.2.1.4.22.1.2.2.10.0.0.1 = Hex-STRING: 00 11 22 33 44 55 \n"
     ".1.3.6.1.2.1.4.22.1.3.2.10.0.0.1 = IpAddress: 10.0.0.1\n"
     ".1.3.6.1.2.1.4.22.1.4.2.10.0.0.1 = INTEGER: dynamic(3)\n",
     "ipNetToMediaIfIndex\tipNetToMediaNetAddress\tipNetToMediaPhysAddress\tipNetToMediaType\n"
     "2\t10.0.0.1\t00:11:22:33:44:55\tdynamic(3)\n",
     "",
     0},
    {"table_tsv_one_line_per_row",
     {"table", "ifTable"},
     ".1.3.6.1.2.1.2.2.1.2.1 = STRING: \"a\tb\nc\"\n",
     "ifIndex\tifDescr\n1\ta\\x09b\\x0ac\n",
     "",
     0},
    {"table_unknown_name", {"table", "ipAddres"}, "", "", "closest: ipAddressTable", 1},
    {"table_without_name", {"table"}, "", "", "needs one table name", 2},
    {"tables_lists_layouts", {"tables", "x"}, "", "", "takes no arguments", 2},

    // show: the library's view of one value.
    {"show_ipaddress",
     {"show", "ipaddress", "192.168.1.10"},
     "",
     "type       ipaddress\n"
     "text       192.168.1.10\n"
     "octets     c0:a8:01:0a\n"
     "count      4\n"
     "implied 0  4.192.168.1.10\n"
     "implied 1  192.168.1.10\n",
     "",
     0},
    {"show_integer",
     {"show", "integer", "-5"},
     "",
     "type       integer\n"
     "text       -5\n"
     "octets     none: operation not supported by this type\n"
     "count      1\n"
     "implied 0  4294967291\n"
     "implied 1  4294967291\n",
     "",
     0},
    {"show_counter64",
     {"show", "counter64", "18446744073709551615"},
     "",
     "type       counter64\n"
     "text       18446744073709551615\n"
     "octets     none: operation not supported by this type\n"
     "count      1\n"
     "implied 0  none: operation not supported by this type\n"
     "implied 1  none: operation not supported by this type\n",
     "",
     0},
    {"show_octets_with_tab",
     {"show", "octets", "a\tb"},
     "",
     "type       octets\n"
     "text       a\\x09b\n"
     "octets     61:09:62\n"
     "count      3\n"
     "implied 0  3.97.9.98\n"
     "implied 1  97.9.98\n",
     "",
     0},
    {"show_empty_octets",
     {"show", "octets", ""},
     "",
     "type       octets\n"
     "text       \n"
     "octets     (empty)\n"
     "count      0\n"
     "implied 0  0\n"
     "implied 1  (empty)\n",
     "",
     0},
    {"show_ipx",
     {"show", "ipx", "0000abcd:00a0c9112233/451"},
     "",
     "type       ipx\n"
     "text       0000abcd:00a0c9112233/451\n"
     "octets     00:00:ab:cd:00:a0:c9:11:22:33:04:51\n"
     "count      12\n"
     "implied 0  5.12.0.0.171.205.0.160.201.17.34.51.4.81\n"
     "implied 1  5.0.0.171.205.0.160.201.17.34.51.4.81\n",
     "",
     0},
    {"show_negative_value_after_dash", {"show", "--", "integer", "-7"}, "", nullptr, "", 0},
    {"show_bad_value", {"show", "timeticks", "soon"}, "", "", "not a valid timeticks value", 1},
};

void PrintTo(const ToolRun& run, std::ostream* os) { print_row(run.name, run.args, os); }

class RunTest : public testing::TestWithParam<ToolRun> {};

TEST_P(RunTest, PrintsAndExits) {
  const ToolRun& run = GetParam();
  const ToolResult result = run_tool(run.args, run.input);
  EXPECT_EQ(result.status, run.status) << result.err;
  if (run.out != nullptr) {
    EXPECT_EQ(result.out, run.out);
  }
  if (*run.err == '\0') {
    EXPECT_EQ(result.err, "");
  } else {
    EXPECT_NE(result.err.find(run.err), std::string::npos) << result.err;
  }
  // Help goes to standard output, complaints to standard error, one line
  // each (usage errors add a hint).
  if (run.status == 0 && run.args.size() <= 2 && run.out == nullptr) {
    EXPECT_NE(result.out.find("Usage: tevasn"), std::string::npos);
  }
  if (run.status == 1 && run.args.size() > 0 && run.args[0] == "encode") {
    EXPECT_EQ(result.err.find('\n'), result.err.size() - 1) << result.err;
  }
}

INSTANTIATE_TEST_SUITE_P(Tool, RunTest, testing::ValuesIn(kRuns),
                         [](const testing::TestParamInfo<ToolRun>& info) {
                           return std::string(info.param.name);
                         });

}  // namespace
