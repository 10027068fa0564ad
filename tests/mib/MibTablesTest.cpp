// MibTables: the tables of modules loaded with libsmi, described by the
// catalogue's rules, with the project's own base and test modules.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "MibTables.h"
#include "TevAsnTablePtr.h"

using tevasn_mib::MibTables;

namespace {

std::string names_of(const TevCatalogTable& table) {
  std::string out;
  for (std::uint32_t i = 0; i < table.index_count; ++i) {
    out += (i == 0 ? "" : " ") + std::string(table.index_names[i]);
  }
  return out;
}

std::string labels_of(const TevCatalogColumn& column) {
  std::string out;
  for (std::uint32_t i = 0; i < column.label_count; ++i) {
    out += (i == 0 ? "" : ",") + std::string(column.labels[i].name) + "(" +
           std::to_string(column.labels[i].number) + ")";
  }
  return out;
}

const TevCatalogColumn* column_of(const TevCatalogTable& table, std::uint32_t number) {
  for (std::uint32_t i = 0; i < table.column_count; ++i) {
    if (table.columns[i].number == number) return &table.columns[i];
  }
  return nullptr;
}

// TEV-TEST-MIB loaded with the project's base modules.
class TestModule : public ::testing::Test {
 protected:
  void SetUp() override {
    mib_.add_dir(TEVASN_TEST_MIBS);
    std::string error;
    ASSERT_TRUE(mib_.load("TEV-TEST-MIB", &error)) << error;
  }
  MibTables mib_{{TEVASN_BASE_MIBS}};
};

TEST_F(TestModule, TablesHaveTheirLayoutsAndIndexNames) {
  struct Row {
    const char* name;
    const char* layout;
    const char* index_names;
    const char* augments;
  };
  const Row rows[] = {
      {"tevNameTable", "octets/implied", "tevNameKey", ""},
      {"tevPeerTable", "inetaddress gauge", "tevPeerAddressType tevPeerAddress tevPeerPort", ""},
      {"tevStationTable", "fixed:6", "tevStationMac", ""},
      {"tevStationExtTable", "fixed:6", "tevStationMac", "TEV-TEST-MIB::tevStationEntry"},
      {"tevIfQueueTable", "integer gauge", "ifIndex tevIfQueueId", ""},
      {"tevHostTable", "octets", "tevHostAddress", ""},
  };
  ASSERT_EQ(mib_.size(), std::size(rows));
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const TevCatalogTable* table = mib_.find(row.name);
    ASSERT_NE(table, nullptr);
    EXPECT_STREQ(table->module, "TEV-TEST-MIB");
    EXPECT_STREQ(table->layout, row.layout);
    EXPECT_EQ(names_of(*table), row.index_names);
    EXPECT_STREQ(table->augments, row.augments);
    EXPECT_EQ(table->implied, std::string(row.layout).find("/implied") != std::string::npos);
    // The layout is one the companion library takes.
    CTevAsnBuffer why;
    TevAsnTableEntryPtr entry(
        tev_create_table_entry(table->entry_oid, table->layout, &why, nullptr));
    EXPECT_NE(entry, nullptr) << std::string(why.data(), why.length());
  }
}

TEST_F(TestModule, ColumnsHaveTheirSyntax) {
  struct Row {
    const char* table;
    std::uint32_t number;
    ETevSyntax syntax;
    ETevAccess access;
    const char* convention;
    const char* hint;
    const char* word;
    const char* labels;
  };
  const Row rows[] = {
      {"tevNameTable", 1, TEV_SYNTAX_OCTET_STRING, TEV_ACCESS_NOT_ACCESSIBLE,
       "SNMPv2-TC::DisplayString", "255a", "octets", ""},
      {"tevNameTable", 2, TEV_SYNTAX_ENUMERATION, TEV_ACCESS_READ_WRITE, "", "", "integer",
       "up(1),down(2),testing(3),unknown(4)"},
      {"tevNameTable", 3, TEV_SYNTAX_BITS, TEV_ACCESS_READ_WRITE, "", "", "octets",
       "alpha(0),beta(1),gamma(2),delta(3),epsilon(9)"},
      {"tevNameTable", 5, TEV_SYNTAX_OCTET_STRING, TEV_ACCESS_READ_ONLY, "SNMPv2-TC::DateAndTime",
       "2d-1d-1d,1d:1d:1d.1d,1a1d:1d", "octets", ""},
      {"tevNameTable", 6, TEV_SYNTAX_COUNTER64, TEV_ACCESS_READ_ONLY, "", "", "counter64", ""},
      {"tevNameTable", 7, TEV_SYNTAX_TIME_TICKS, TEV_ACCESS_READ_ONLY, "", "", "timeticks", ""},
      {"tevNameTable", 8, TEV_SYNTAX_IP_ADDRESS, TEV_ACCESS_READ_WRITE, "", "", "ipaddress", ""},
      // A convention of the module itself, its hint and its SMI type.
      {"tevNameTable", 9, TEV_SYNTAX_INTEGER32, TEV_ACCESS_READ_ONLY,
       "TEV-TEST-MIB::TevTemperature", "d-1", "integer", ""},
      {"tevNameTable", 10, TEV_SYNTAX_ENUMERATION, TEV_ACCESS_READ_WRITE, "SNMPv2-TC::RowStatus",
       "", "integer",
       "active(1),notInService(2),notReady(3),createAndGo(4),createAndWait(5),destroy(6)"},
      {"tevPeerTable", 2, TEV_SYNTAX_OCTET_STRING, TEV_ACCESS_NOT_ACCESSIBLE,
       "INET-ADDRESS-MIB::InetAddress", "", "octets", ""},
      {"tevPeerTable", 3, TEV_SYNTAX_UNSIGNED32, TEV_ACCESS_NOT_ACCESSIBLE,
       "INET-ADDRESS-MIB::InetPortNumber", "d", "gauge", ""},
      {"tevPeerTable", 4, TEV_SYNTAX_ENUMERATION, TEV_ACCESS_READ_ONLY, "", "", "integer",
       "idle(1),connect(2),active(3),established(6)"},
      {"tevPeerTable", 5, TEV_SYNTAX_COUNTER32, TEV_ACCESS_READ_ONLY, "", "", "counter", ""},
      {"tevPeerTable", 6, TEV_SYNTAX_GAUGE32, TEV_ACCESS_READ_ONLY, "", "", "gauge", ""},
      {"tevStationTable", 1, TEV_SYNTAX_OCTET_STRING, TEV_ACCESS_NOT_ACCESSIBLE,
       "SNMPv2-TC::MacAddress", "1x:", "fixed:6", ""},
      {"tevStationTable", 2, TEV_SYNTAX_INTEGER32, TEV_ACCESS_READ_ONLY, "", "", "integer", ""},
      {"tevIfQueueTable", 3, TEV_SYNTAX_ENUMERATION, TEV_ACCESS_READ_WRITE, "SNMPv2-TC::TruthValue",
       "", "integer", "true(1),false(2)"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(std::string(row.table) + " column " + std::to_string(row.number));
    const TevCatalogTable* table = mib_.find(row.table);
    ASSERT_NE(table, nullptr);
    const TevCatalogColumn* column = column_of(*table, row.number);
    ASSERT_NE(column, nullptr);
    EXPECT_EQ(column->syntax, row.syntax);
    EXPECT_EQ(column->access, row.access);
    EXPECT_STREQ(column->convention, row.convention);
    EXPECT_STREQ(column->hint, row.hint);
    EXPECT_STREQ(column->word, row.word);
    EXPECT_EQ(labels_of(*column), row.labels);
  }
}

TEST_F(TestModule, NamesAndIdentifiersFindTheirTable) {
  const char* const names[] = {"tevPeerTable", "TEVPEERTABLE", "tevPeerEntry",
                               "TEV-TEST-MIB::tevPeerTable", "tev-test-mib::TevPeerEntry"};
  const TevCatalogTable* peer = mib_.find("tevPeerTable");
  ASSERT_NE(peer, nullptr);
  for (const char* name : names) EXPECT_EQ(mib_.find(name), peer) << name;
  EXPECT_EQ(mib_.find("IF-MIB::tevPeerTable"), nullptr);
  EXPECT_EQ(mib_.find("tevPeer"), nullptr);
  // The base modules' tables are the catalogue's, not the loaded ones.
  EXPECT_EQ(mib_.find("ifTable"), nullptr);

  // Column 4 of the row ipv4 192.0.2.1 port 22; the entry alone; a shorter prefix.
  const std::uint32_t instance[] = {1, 3, 6, 1, 4, 1, 99999, 1, 2, 1, 4, 1, 4, 192, 0, 2, 1, 22};
  EXPECT_EQ(mib_.find_by_oid(instance, std::size(instance)), peer);
  EXPECT_EQ(mib_.find_by_oid(instance, 10), peer);
  EXPECT_EQ(mib_.find_by_oid(instance, 9), nullptr);

  const std::vector<std::string> near = mib_.closest("tevPerTable", 2);
  ASSERT_FALSE(near.empty());
  EXPECT_EQ(near[0], "tevPeerTable");
  EXPECT_LE(near.size(), 2u);
  for (std::size_t i = 1; i < mib_.size(); ++i) {
    const int order = std::string(mib_.at(i - 1)->name).compare(mib_.at(i)->name);
    EXPECT_LT(order, 0) << "at(" << i << ") out of order";
  }
  EXPECT_EQ(mib_.at(mib_.size()), nullptr);
}

TEST(MibTables, ModulesNotLoadedGiveOneMessageNamingThem) {
  struct Row {
    const char* module;
    const char* message;
  };
  const Row rows[] = {
      {"TEV-TEST-MISSING-MIB",
       "TEV-TEST-MISSING-MIB: imports TEV-TEST-ABSENT-MIB, which is in no directory searched"},
      {"TEV-TEST-BROKEN-MIB", "TEV-TEST-BROKEN-MIB: line 29: syntax error"},
      {"NO-SUCH-MIB", "NO-SUCH-MIB: is in no directory searched"},
      {TEVASN_TEST_MIBS "/NO-SUCH-FILE", TEVASN_TEST_MIBS "/NO-SUCH-FILE: cannot be read"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.module);
    MibTables mib({TEVASN_BASE_MIBS});
    mib.add_dir(TEVASN_TEST_MIBS);
    for (int attempt = 0; attempt < 2; ++attempt) {  // the same message again
      std::string error;
      EXPECT_FALSE(mib.load(row.module, &error));
      EXPECT_EQ(error.rfind(row.message, 0), 0u) << error;
    }
    EXPECT_EQ(mib.size(), 0u);
  }
  // A directory: one message for each module not loaded, the rest loaded.
  MibTables mib({TEVASN_BASE_MIBS});
  std::vector<std::string> errors;
  EXPECT_FALSE(mib.load_dir(TEVASN_TEST_MIBS, &errors));
  ASSERT_EQ(errors.size(), 2u);
  EXPECT_EQ(errors[0].rfind("TEV-TEST-BROKEN-MIB: ", 0), 0u) << errors[0];
  EXPECT_EQ(errors[1].rfind("TEV-TEST-MISSING-MIB: ", 0), 0u) << errors[1];
  EXPECT_NE(mib.find("tevNameTable"), nullptr);

  // A module refused stays refused for every module that imports it.
  struct User {
    const char* imported;
    const char* message;
  };
  const User users[] = {
      {"TEV-TEST-MISSING-MIB",
       "TEV-TEST-USER-MIB: imports TEV-TEST-MISSING-MIB, which does not load "
       "(TEV-TEST-MISSING-MIB: imports TEV-TEST-ABSENT-MIB, which is in no directory searched)"},
      {"TEV-TEST-BROKEN-MIB",
       "TEV-TEST-USER-MIB: imports TEV-TEST-BROKEN-MIB, which does not load "
       "(TEV-TEST-BROKEN-MIB: line 29: syntax error"},
  };
  const std::string user = testing::TempDir() + "TEV-TEST-USER-MIB";
  for (const User& row : users) {
    SCOPED_TRACE(row.imported);
    std::FILE* file = std::fopen(user.c_str(), "w");
    ASSERT_NE(file, nullptr);
    std::fprintf(file, "TEV-TEST-USER-MIB DEFINITIONS ::= BEGIN\nIMPORTS x FROM %s;\nEND\n",
                 row.imported);
    std::fclose(file);
    MibTables fresh({TEVASN_BASE_MIBS});
    fresh.add_dir(TEVASN_TEST_MIBS);
    std::string error;
    EXPECT_FALSE(fresh.load(row.imported, &error));
    EXPECT_FALSE(fresh.load(user, &error));
    EXPECT_EQ(error.rfind(row.message, 0), 0u) << error;
  }
  // Reached only through another module, an import's error names its file.
  std::string error;
  MibTables fresh({TEVASN_BASE_MIBS});
  fresh.add_dir(TEVASN_TEST_MIBS);
  EXPECT_FALSE(fresh.load(user, &error));
  EXPECT_EQ(
      error.rfind("TEV-TEST-USER-MIB: " TEVASN_TEST_MIBS "/TEV-TEST-BROKEN-MIB:29: syntax", 0), 0u)
      << error;
  std::remove(user.c_str());
}

TEST(MibTables, ObjectsLoadApartAndOutliveEachOther) {
  auto first = std::make_unique<MibTables>(std::vector<std::string>{TEVASN_BASE_MIBS});
  MibTables second({TEVASN_BASE_MIBS});
  std::string error;
  ASSERT_TRUE(first->load(TEVASN_TEST_MIBS "/TEV-TEST-MIB", &error)) << error;
  EXPECT_EQ(second.find("tevNameTable"), nullptr);
  ASSERT_TRUE(second.load(TEVASN_BASE_MIBS "/IF-MIB", &error)) << error;
  EXPECT_EQ(second.size(), 0u);  // a base module: its tables are the catalogue's
  const TevCatalogTable* kept = first->find("tevNameTable");
  first.reset();
  ASSERT_TRUE(second.load(TEVASN_TEST_MIBS "/TEV-TEST-MIB", &error)) << error;
  EXPECT_STREQ(second.find("tevNameTable")->layout, "octets/implied");
  (void)kept;
}

// Every base module, loaded as a module of the caller's, describes each
// table as the catalogue does.
TEST(MibTables, BaseModulesAgreeWithTheCatalogue) {
  MibTables mib({TEVASN_TEST_MIBS "/no-base"});
  std::vector<std::string> errors;
  EXPECT_TRUE(mib.load_dir(TEVASN_BASE_MIBS, &errors));
  for (const std::string& error : errors) ADD_FAILURE() << error;
  for (unsigned long i = 0; i < tev_get_catalog_table_count(); ++i) {
    const TevCatalogTable* want = tev_get_catalog_table(i);
    SCOPED_TRACE(std::string(want->module) + "::" + want->name);
    const TevCatalogTable* got = mib.find(std::string(want->module) + "::" + want->name);
    ASSERT_NE(got, nullptr);
    EXPECT_STREQ(got->entry_oid, want->entry_oid);
    EXPECT_STREQ(got->layout, want->layout);
    EXPECT_STREQ(got->augments, want->augments);
    EXPECT_EQ(names_of(*got), names_of(*want));
    ASSERT_EQ(got->column_count, want->column_count);
    for (std::uint32_t c = 0; c < want->column_count; ++c) {
      const TevCatalogColumn& a = want->columns[c];
      const TevCatalogColumn& b = got->columns[c];
      SCOPED_TRACE(a.name);
      EXPECT_STREQ(b.name, a.name);
      EXPECT_EQ(b.number, a.number);
      EXPECT_EQ(b.syntax, a.syntax);
      EXPECT_EQ(b.access, a.access);
      EXPECT_STREQ(b.convention, a.convention);
      EXPECT_STREQ(b.hint, a.hint);
      EXPECT_STREQ(b.word, a.word);
      EXPECT_EQ(labels_of(b), labels_of(a));
    }
  }
}

// Debian's libsnmp-base modules, with no MIB file but the project's own.
TEST(MibTables, VendorModulesLoadWithTheBaseModulesAlone) {
  const std::string dir = "/usr/share/snmp/mibs";
  struct stat info;
  if (stat((dir + "/UCD-SNMP-MIB.txt").c_str(), &info) != 0) {
    GTEST_SKIP() << dir << " holds no vendor modules (Debian package libsnmp-base)";
  }
  struct Row {
    const char* module;
    const char* table;  // one of its tables, or "" when it has none
    const char* layout;
  };
  const Row rows[] = {
      {"LM-SENSORS-MIB", "lmTempSensorsTable", "integer"},
      {"NET-SNMP-AGENT-MIB", "nsModuleTable", "octets oid integer"},
      {"NET-SNMP-EXAMPLES-MIB", "netSnmpIETFWGTable", "octets"},
      {"NET-SNMP-EXTEND-MIB", "nsExtendOutput1Table", "octets"},
      {"NET-SNMP-MIB", "", ""},
      {"NET-SNMP-PASS-MIB", "netSnmpPassTable", "integer"},
      {"NET-SNMP-TC", "", ""},
      {"NET-SNMP-VACM-MIB", "nsVacmAccessTable", "octets octets integer integer octets"},
      {"UCD-DEMO-MIB", "", ""},
      {"UCD-DISKIO-MIB", "diskIOTable", "integer"},
      {"UCD-DLMOD-MIB", "dlmodTable", "integer"},
      {"UCD-IPFWACC-MIB", "ipFwAccTable", "integer"},
      {"UCD-SNMP-MIB", "prTable", "integer"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.module);
    MibTables mib({TEVASN_BASE_MIBS});
    mib.add_dir(dir);
    std::string error;
    EXPECT_TRUE(mib.load(row.module, &error)) << error;
    for (std::size_t i = 0; i < mib.size(); ++i) {  // every layout is one rows decode by
      CTevAsnBuffer why;
      TevAsnTableEntryPtr entry(
          tev_create_table_entry(mib.at(i)->entry_oid, mib.at(i)->layout, &why, nullptr));
      EXPECT_NE(entry, nullptr) << mib.at(i)->name << ": " << std::string(why.data(), why.length());
    }
    if (row.table[0] == '\0') continue;
    const TevCatalogTable* table = mib.find(row.table);
    ASSERT_NE(table, nullptr);
    EXPECT_STREQ(table->layout, row.layout);
  }
}

}  // namespace
