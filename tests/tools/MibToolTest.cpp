// The tool with MIB modules: --mib-dir and --mib on decode, table and tables,
// with the project's test modules.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>
#include <vector>

#include "ToolRunner.h"

namespace {

#define TEST_MIB TEVASN_TEST_MIBS "/TEV-TEST-MIB"

struct MibRun {
  const char* name;
  std::vector<std::string> args;
  const char* input;
  const char* out;  // a part of standard output
  const char* err;  // all of standard error
  int status;
};

const MibRun kMibRuns[] = {
    {"table_inet_address_index",
     {"table", "--mib", TEST_MIB, "tevPeerTable"},
     ".1.3.6.1.4.1.99999.1.2.1.4.1.4.192.0.2.1.22 = INTEGER: 6\n"
     ".1.3.6.1.4.1.99999.1.2.1.5.2.16.254.128.0.0.0.0.0.0.0.0.0.0.0.0.0.1.179 = Counter32: 5\n",
     "tevPeerAddressType\ttevPeerAddress\ttevPeerPort\ttevPeerState\ttevPeerInMessages\n"
     "ipv4\t192.0.2.1\t22\testablished(6)\t\n"
     "ipv6\tfe80::1\t179\t\t5\n",
     "",
     0},
    // Each line's table found among the loaded ones; the two modules of the
    // directory that do not load are named once each (--mib naming one of
    // them again included), and the rest goes on.
    {"decode_finds_loaded_tables",
     {"decode", "--mib-dir", TEVASN_TEST_MIBS, "--mib", "TEV-TEST-MISSING-MIB"},
     ".1.3.6.1.4.1.99999.1.1.1.2.97.98 = INTEGER: up(1)\n"
     ".1.3.6.1.4.1.99999.1.4.1.2.0.17.34.51.68.85 = STRING: acme\n"
     ".1.3.6.1.4.1.99999.1.6.1.2.4.192.0.2.1 = STRING: h\n"
     ".1.3.6.1.2.1.2.2.1.2.7 = STRING: eth0\n",
     "tevNameTable\t2\tab\n"
     "tevStationExtTable\t2\t00:11:22:33:44:55\n"
     "tevHostTable\t2\tc0:00:02:01\n"
     "ifTable\t2\t7\n",
     "tevasn decode: TEV-TEST-BROKEN-MIB: line 29: syntax error, unexpected MAX_ACCESS\n"
     "tevasn decode: TEV-TEST-MISSING-MIB: imports TEV-TEST-ABSENT-MIB, which is in no "
     "directory searched\n",
     1},
    {"decode_table_augments",
     {"decode", "--table", "TEV-TEST-MIB::tevStationExtEntry", "--mib", TEST_MIB,
      "1.3.6.1.4.1.99999.1.4.1.1.0.17.34.51.68.85"},
     "",
     "1\t00:11:22:33:44:55\n",
     "",
     0},
    {"tables_after_the_catalogue",
     {"tables", "--mib", TEST_MIB},
     "",
     "udpTable\tUDP-MIB\t1.3.6.1.2.1.7.5.1\tipaddress integer\n"
     "tevHostTable\tTEV-TEST-MIB\t1.3.6.1.4.1.99999.1.6.1\toctets\n",
     "",
     0},
    {"unknown_name_suggests_loaded",
     {"table", "--mib", TEST_MIB, "tevPerTable"},
     "",
     "",
     "tevasn table: unknown table \"tevPerTable\"; closest: tevPeerTable\n",
     1},
    {"module_not_found_goes_on",
     {"decode", "--mib", "NO-SUCH-MIB", "--table", "ifTable", "1.3.6.1.2.1.2.2.1.2.7"},
     "",
     "2\t7\n",
     "tevasn decode: NO-SUCH-MIB: is in no directory searched\n",
     1},
    {"mib_needs_a_value", {"tables", "--mib"}, "", "", nullptr, 2},
};

void PrintTo(const MibRun& run, std::ostream* os) { print_row(run.name, run.args, os); }

class MibRunTest : public testing::TestWithParam<MibRun> {};

TEST_P(MibRunTest, PrintsAndExits) {
  const MibRun& run = GetParam();
  const ToolResult result = run_tool(run.args, run.input);
  EXPECT_EQ(result.status, run.status) << result.err;
  EXPECT_NE(result.out.find(run.out), std::string::npos) << result.out;
  if (run.err != nullptr) {
    EXPECT_EQ(result.err, run.err);
  }
}

INSTANTIATE_TEST_SUITE_P(Tool, MibRunTest, testing::ValuesIn(kMibRuns),
                         [](const testing::TestParamInfo<MibRun>& info) {
                           return std::string(info.param.name);
                         });

// Debian's libsnmp-base modules with no MIB file but the tool's own.
TEST(MibTool, VendorTableByName) {
  struct stat info;
  if (stat("/usr/share/snmp/mibs/NET-SNMP-EXTEND-MIB.txt", &info) != 0) {
    GTEST_SKIP() << "no vendor modules in /usr/share/snmp/mibs (Debian package libsnmp-base)";
  }
  const ToolResult result =
      run_tool({"table", "--mib-dir", "/usr/share/snmp/mibs", "nsExtendOutput1Table"},
               ".1.3.6.1.4.1.8072.1.3.2.3.1.1.4.116.101.115.116 = STRING: hello\n"
               ".1.3.6.1.4.1.8072.1.3.2.3.1.4.4.116.101.115.116 = INTEGER: 0\n");
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.out, "nsExtendToken\tnsExtendOutput1Line\tnsExtendResult\ntest\thello\t0\n");
  EXPECT_EQ(result.err, "");
}

}  // namespace
