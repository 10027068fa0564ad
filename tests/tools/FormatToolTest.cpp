// The format and parse commands, run as a user runs them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ToolRunner.h"

namespace {

struct DisplayRun {
  const char* name;
  std::vector<std::string> args;
  const char* out;  // exact standard output
  const char* err;  // must occur in standard error; "": nothing written there
  int status;
};

const DisplayRun kRuns[] = {
    {"hint_mac", {"format", "--hint", "1x:", "000c29abcdef"}, "00:0c:29:ab:cd:ef\n", "", 0},
    {"hint_equals_form", {"format", "--hint=1d.", "c0:a8:01:0a"}, "192.168.1.10\n", "", 0},
    {"tc_date_and_time",
     {"format", "--tc", "DateAndTime", "07c8051a0d1e0f002d0400", "07c8051a0d1e0f00"},
     "1992-5-26,13:30:15.0,-4:0\n1992-5-26,13:30:15.0\n",
     "",
     0},
    {"tc_ipv6",
     {"format", "--tc", "InetAddressIPv6", "20010db8000000000000000000000001"},
     "2001:db8::1\n",
     "",
     0},
    {"integer_hint",
     {"format", "--hint", "d-2", "--integer", "1234", "5", "-1234"},
     "12.34\n0.05\n-12.34\n",
     "",
     0},
    {"opaque",
     {"format", "--opaque", "9f78043e19999a", "9f7a01ff", "9f76020100"},
     "float 0.15\nint64 -1\ncounter64 256\n",
     "",
     0},
    {"parse_tc",
     {"parse", "--tc", "MacAddress", "00:0C:29:AB:CD:EF"},
     "00:0c:29:ab:cd:ef\n",
     "",
     0},
    {"parse_date_and_time",
     {"parse", "--tc", "DateAndTime", "1992-5-26,13:30:15.0,-4:0"},
     "07:c8:05:1a:0d:1e:0f:00:2d:04:00\n",
     "",
     0},
    {"parse_hint", {"parse", "--hint", "255a", "--", "--x"}, "2d:2d:78\n", "", 0},
    // Agent bytes that would end the line are escaped: one value, one line.
    {"format_hint_escapes", {"format", "--hint", "255a", "410a42"}, "A\\x0aB\n", "", 0},
    {"format_tc_escapes", {"format", "--tc", "DisplayString", "41095c"}, "A\\x09\\\\\n", "", 0},
    {"parse_tc_escapes", {"parse", "--tc", "DisplayString", "A\\x0aB"}, "41:0a:42\n", "", 0},
    // Bad values: reported with the reason, the others still printed (status 1).
    {"bad_value_goes_on",
     {"format", "--tc", "MacAddress", "0011", "001122334455"},
     "00:11:22:33:44:55\n",
     "tevasn format: '0011': MacAddress needs exactly 6 octets, not 2",
     1},
    {"malformed_hint", {"format", "--hint", "1x:;", "00"}, "", "hint position 4", 1},
    {"not_wrapped", {"format", "--opaque", "0401"}, "", "not a wrapped number", 1},
    {"bad_hex", {"format", "--hint", "1x", "0g"}, "", "tevasn format: '0g'", 1},
    {"bad_integer", {"format", "--hint", "d", "--integer", "1x"}, "", "not a decimal number", 1},
    {"parse_bad_text", {"parse", "--hint", "1x:", "00:g0"}, "", "text position 4", 1},
    {"parse_one_way", {"parse", "--hint", "*1x:", "01"}, "", "repeat indicator", 1},
    // Usage errors (status 2).
    {"no_way", {"format", "00"}, "", "needs exactly one of --hint, --tc and --opaque", 2},
    {"two_ways", {"format", "--opaque", "--tc", "MacAddress", "00"}, "", "exactly one", 2},
    {"integer_without_hint",
     {"format", "--tc", "MacAddress", "--integer", "1"},
     "",
     "--integer goes with --hint",
     2},
    {"no_values", {"parse", "--tc", "MacAddress"}, "", "needs at least one value", 2},
    {"parse_opaque", {"parse", "--opaque", "00"}, "", "unknown option '--opaque'", 2},
    {"hint_without_value", {"format", "--hint"}, "", "option --hint needs a value", 2},
};

void PrintTo(const DisplayRun& run, std::ostream* os) { print_row(run.name, run.args, os); }

class FormatTool : public testing::TestWithParam<DisplayRun> {};

TEST_P(FormatTool, PrintsAndComplainsAsDocumented) {
  const DisplayRun& run = GetParam();
  const ToolResult result = run_tool(run.args);
  EXPECT_EQ(result.status, run.status) << result.err;
  EXPECT_EQ(result.out, run.out);
  if (run.err[0] == '\0') {
    EXPECT_EQ(result.err, "");
  } else {
    EXPECT_NE(result.err.find(run.err), std::string::npos) << result.err;
  }
}

INSTANTIATE_TEST_SUITE_P(Runs, FormatTool, testing::ValuesIn(kRuns),
                         [](const testing::TestParamInfo<DisplayRun>& info) {
                           return std::string(info.param.name);
                         });

TEST(FormatTool, HelpNamesBothCommands) {
  EXPECT_NE(run_tool({"--help"}).out.find("format --hint"), std::string::npos);
  EXPECT_NE(run_tool({"format", "--help"}).out.find("--opaque"), std::string::npos);
  EXPECT_NE(run_tool({"help", "parse"}).out.find("Usage: tevasn parse"), std::string::npos);
}

}  // namespace
