// The catalogue through the companion's public functions: layouts of tables
// whose INDEX clauses test each rule, and the look-ups by name and by identifier.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "TevAsnCatalog.h"

using namespace NTevAsnValue;

namespace {

const TevCatalogTable* find(const char* name, long* err, CTevAsnBuffer* reason = nullptr) {
  return tev_find_catalog_table(name, std::strlen(name), reason, err);
}

std::vector<std::uint32_t> sub_ids(const char* text) {
  std::vector<std::uint32_t> out;
  std::uint32_t value = 0;
  for (const char* p = text;; ++p) {
    if (*p == '.' || *p == '\0') {
      out.push_back(value);
      value = 0;
      if (*p == '\0') break;
    } else {
      value = value * 10 + static_cast<std::uint32_t>(*p - '0');
    }
  }
  return out;
}

TEST(CatalogTest, LayoutsFollowTheIndexRules) {
  struct Case {
    const char* table;
    const char* layout;
  };
  const Case cases[] = {
      {"ifTable", "integer"},
      {"ifXTable", "integer"},                          // AUGMENTS ifEntry
      {"ipAddressTable", "inetaddress"},                // type + address pair
      {"ipNetToPhysicalTable", "integer inetaddress"},  // the pair after an ifIndex
      {"tcpConnectionTable", "inetaddress gauge inetaddress gauge"},
      {"inetCidrRouteTable", "inetaddress gauge oid inetaddress"},
      {"ipAddrTable", "ipaddress"},                       // IpAddress: no length
      {"ipv6AddrTable", "integer ipv6"},                  // Ipv6Address, 16 octets
      {"ipv6AddrPrefixTable", "integer octets integer"},  // 0..16 octets: length first
      {"atTable", "integer fixed:5"},                     // SMIv1 NetworkAddress
      {"snmpNotifyFilterTable", "octets oid/implied"},    // IMPLIED on the last
      {"snmpTargetAddrExtTable", "octets/implied"},       // AUGMENTS an IMPLIED entry
      {"vacmAccessTable", "octets octets integer integer"},
      {"agentxRegistrationTable", "gauge gauge gauge"},         // Unsigned32
      {"tcpConnTable", "ipaddress integer ipaddress integer"},  // TCP-MIB over RFC1213-MIB
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.table);
    long err = 1;
    const TevCatalogTable* table = find(c.table, &err);
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(err, ASN_OK);
    EXPECT_STREQ(table->layout, c.layout);
  }
}

TEST(CatalogTest, NamesFindTablesInAnyCaseWithOrWithoutModule) {
  struct Case {
    const char* name;
    const char* module;  // of the table found; null when none
    const char* table;
  };
  const Case cases[] = {
      {"ifTable", "IF-MIB", "ifTable"},
      {"IFTABLE", "IF-MIB", "ifTable"},
      {"IF-MIB::ifTable", "IF-MIB", "ifTable"},
      {"if-mib::IfXEntry", "IF-MIB", "ifXTable"},
      {"RFC1213-MIB::ifTable", "IF-MIB", "ifTable"},  // replaced by the newer module
      {"RFC1213-MIB::udpEntry", "UDP-MIB", "udpTable"},
      {"RFC1213-MIB::atTable", "RFC1213-MIB", "atTable"},
      {"IP-MIB::ifTable", nullptr, nullptr},  // another module's name
      {"ifTabl", nullptr, nullptr},
      {"ifT@ble", nullptr, nullptr},  // only A..Z fold
      {"ifTable\xC9", nullptr, nullptr},
      {"IF-MIB::ifTable::x", nullptr, nullptr},
      {"", nullptr, nullptr},
      {"::", nullptr, nullptr},
      {"IF-MIB::", nullptr, nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    long err = 1;
    const TevCatalogTable* table = find(c.name, &err);
    if (c.table == nullptr) {
      EXPECT_EQ(table, nullptr);
      EXPECT_EQ(err, ASN_E_UNKNOWN_TABLE);
      continue;
    }
    ASSERT_NE(table, nullptr);
    EXPECT_STREQ(table->module, c.module);
    EXPECT_STREQ(table->name, c.table);
  }
  long err = 0;
  EXPECT_EQ(tev_find_catalog_table(nullptr, 3, nullptr, &err), nullptr);
  EXPECT_EQ(err, ASN_E_INVALID_ARGUMENT);
  // A NUL inside the counted name is a character, not its end.
  for (const char* name : {"ifTable\0", "IF-MIB\0::ifTable"}) {
    const std::size_t length = std::strlen(name) + 1 + std::strlen(name + std::strlen(name) + 1);
    EXPECT_EQ(tev_find_catalog_table(name, length, nullptr, &err), nullptr) << name;
    EXPECT_EQ(err, ASN_E_UNKNOWN_TABLE);
  }
}

TEST(CatalogTest, UnknownNameSuggestsTheClosest) {
  struct Case {
    const char* name;
    const char* suggested;
  };
  const Case cases[] = {{"ifTabel", "ifTable"},
                        {"ipAddress", "ipAddressTable"},
                        {"TCP-MIB::tcpConection", "tcpConnectionTable"},
                        {"if\nTable", "\"if\\x0aTable\""}};  // one line
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    CTevAsnBuffer reason;
    long err = 0;
    EXPECT_EQ(find(c.name, &err, &reason), nullptr);
    const std::string text(reason.data(), reason.length());
    EXPECT_NE(text.find("unknown table"), std::string::npos) << text;
    EXPECT_NE(text.find(c.suggested), std::string::npos) << text;
  }
}

TEST(CatalogTest, IdentifiersFindTheTableTheyLieIn) {
  struct Case {
    const char* oid;
    const char* table;  // null when none holds it
  };
  const Case cases[] = {
      {"1.3.6.1.2.1.2.2.1.10.17", "ifTable"},
      {"1.3.6.1.2.1.2.2.1", "ifTable"},  // the entry itself
      {"1.3.6.1.2.1.31.1.1.1.6.3", "ifXTable"},
      {"1.3.6.1.2.1.4.34.1.3.1.4.192.0.2.1", "ipAddressTable"},
      {"1.3.6.1.2.1.2.2", nullptr},  // the table, above its entry
      {"1.3.6.1.2.1.1.1.0", nullptr},
      {"0.0", nullptr},
      {"2", nullptr},
      {"1.3.6.1.6.3.99.1", nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.oid);
    const std::vector<std::uint32_t> ids = sub_ids(c.oid);
    CTevAsnBuffer reason;
    long err = 1;
    const TevCatalogTable* table =
        tev_find_catalog_table_by_oid(ids.data(), ids.size(), &reason, &err);
    if (c.table == nullptr) {
      EXPECT_EQ(table, nullptr);
      EXPECT_EQ(err, ASN_E_UNKNOWN_TABLE);
      EXPECT_NE(std::string(reason.data(), reason.length()).find(c.oid), std::string::npos);
      continue;
    }
    ASSERT_NE(table, nullptr);
    EXPECT_STREQ(table->name, c.table);
  }
  long err = 1;
  EXPECT_EQ(tev_find_catalog_table_by_oid(nullptr, 0, nullptr, &err), nullptr);
  EXPECT_EQ(err, ASN_E_UNKNOWN_TABLE);
}

// Catches a name key or an identifier out of its sorted place.
TEST(CatalogTest, EveryTableIsFoundByItsNamesAndItsInstances) {
  const unsigned long count = tev_get_catalog_table_count();
  ASSERT_GT(count, 80u);
  EXPECT_EQ(tev_get_catalog_table(count), nullptr);
  for (unsigned long i = 0; i < count; ++i) {
    const TevCatalogTable* table = tev_get_catalog_table(i);
    SCOPED_TRACE(table->name);
    long err = 1;
    EXPECT_EQ(find(table->name, &err), table);
    EXPECT_EQ(find(table->entry, &err), table);
    EXPECT_EQ(find((std::string(table->module) + "::" + table->name).c_str(), &err), table);
    std::vector<std::uint32_t> ids(table->entry_sub_ids, table->entry_sub_ids + table->entry_count);
    ids.push_back(table->columns[table->column_count - 1].number);
    ids.push_back(4294967295u);
    EXPECT_EQ(tev_find_catalog_table_by_oid(ids.data(), ids.size(), nullptr, &err), table);
  }
}

TEST(CatalogTest, ColumnsCarryTheirSyntax) {
  long err = 0;
  const TevCatalogTable* table = find("ifTable", &err);
  ASSERT_NE(table, nullptr);
  const TevCatalogColumn* status = tev_find_catalog_column(table, 8);
  ASSERT_NE(status, nullptr);
  EXPECT_STREQ(status->name, "ifOperStatus");
  EXPECT_EQ(status->syntax, TEV_SYNTAX_ENUMERATION);
  ASSERT_GT(status->label_count, 1u);
  EXPECT_STREQ(status->labels[0].name, "up");
  EXPECT_EQ(status->labels[0].number, 1);
  const TevCatalogColumn* address = tev_find_catalog_column(table, 6);
  ASSERT_NE(address, nullptr);
  EXPECT_STREQ(address->convention, "SNMPv2-TC::PhysAddress");
  EXPECT_STREQ(address->hint, "1x:");
  EXPECT_EQ(tev_find_catalog_column(table, 0), nullptr);
  EXPECT_EQ(tev_find_catalog_column(table, 23), nullptr);
  EXPECT_EQ(tev_find_catalog_column(nullptr, 1), nullptr);
  EXPECT_STREQ(tev_syntax_name(TEV_SYNTAX_OCTET_STRING), "OCTET STRING");
  EXPECT_EQ(tev_syntax_name(TEV_SYNTAX_END), nullptr);
}

}  // namespace
