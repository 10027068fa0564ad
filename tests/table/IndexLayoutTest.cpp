// Index layouts: parsing, strict decoding of real table indexes, encoding
// back, and table entries.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "TestText.h"
#include "TevAsnTable.h"
#include "TevAsnTablePtr.h"
#include "TevAsnValue.h"
#include "TevAsnValuePtr.h"

using namespace NTevAsnValue;

namespace {

using Layout = TevAsnIndexLayoutPtr;
using Row = TevAsnIndexRowPtr;
using Entry = TevAsnTableEntryPtr;
using tev_test::text_of;

std::vector<std::uint32_t> sub_ids(const char* dotted) {
  std::uint32_t ids[ASN_MAX_SUB_IDS];
  unsigned long count = 0;
  EXPECT_EQ(tev_parse_sub_ids(dotted, std::strlen(dotted), ids, ASN_MAX_SUB_IDS, &count, nullptr),
            ASN_OK)
      << dotted;
  return std::vector<std::uint32_t>(ids, ids + count);
}

Layout make_layout(const char* text, std::string* reason = nullptr, long* err = nullptr) {
  CTevAsnBuffer why;
  Layout layout(tev_create_index_layout(text, 0, &why, err));
  if (reason != nullptr) *reason = text_of(why);
  return layout;
}

// ---- Layout text ----

TEST(IndexLayout, RefusesBadLayoutsNamingPositionAndReason) {
  const struct {
    const char* text;
    const char* reason;
  } cases[] = {
      {"integer bogus", "unknown type 'bogus' (value 2 of 2)"},
      {"octets/implied integer", "IMPLIED is allowed on the last index value only (value 1 of 2)"},
      {"integer counter64", "has no index encoding"},
      {"fixed", "needs its octet count"},
      {"fixed:0", "from 1 to 128"},
      {"fixed:129", "from 1 to 128"},
      {"integer:4", "only fixed takes a count"},
      {"octets/long", "unknown modifier"},
      {"inetaddress/implied", "always has its length"},
      {" , ", "no TYPE"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    std::string reason;
    long err = 0;
    EXPECT_EQ(make_layout(c.text, &reason, &err), nullptr);
    EXPECT_EQ(err, ASN_E_LAYOUT);
    EXPECT_NE(reason.find(c.reason), std::string::npos) << reason;
  }
}

TEST(IndexLayout, DescribesItsWordsAndValues) {
  Layout layout = make_layout("integer, inetaddress fixed:6 octets/implied");
  ASSERT_NE(layout, nullptr);
  EXPECT_EQ(layout->get_word_count(), 4UL);
  EXPECT_EQ(layout->get_value_count(), 5UL);
  TevIndexWord part{};
  ASSERT_EQ(layout->get_word(1, &part), ASN_OK);
  EXPECT_EQ(part.kind, TEV_INDEX_INET_ADDRESS);
  EXPECT_EQ(part.first_value, 1U);
  EXPECT_EQ(part.value_count, 2U);
  ASSERT_EQ(layout->get_word(2, &part), ASN_OK);
  EXPECT_EQ(part.fixed_count, 6U);
  EXPECT_EQ(part.implied, 1U);
  ASSERT_EQ(layout->get_word(3, &part), ASN_OK);
  EXPECT_EQ(part.implied_written, 1U);
  EXPECT_EQ(layout->get_word(4, &part), ASN_E_INVALID_ARGUMENT);
  CTevAsnBuffer word;
  ASSERT_EQ(layout->word_to_text_into(&word, 3), ASN_OK);
  EXPECT_EQ(text_of(word), "octets/implied");
}

TEST(IndexLayout, ReadsTypeNamesInAnyCaseAndTheirSmiSpellings) {
  const struct {
    const char* word;
    std::uint32_t kind;
  } cases[] = {
      {"INTEGER", TEV_INDEX_INTEGER},      {"Integer32", TEV_INDEX_INTEGER},
      {"Unsigned32", TEV_INDEX_GAUGE},     {"GAUGE32", TEV_INDEX_GAUGE},
      {"Counter32", TEV_INDEX_COUNTER},    {"TimeTicks", TEV_INDEX_TIME_TICKS},
      {"IpAddress", TEV_INDEX_IP_ADDRESS}, {"OctetString", TEV_INDEX_OCTETS},
      {"ObjectIdentifier", TEV_INDEX_OID}, {"InetAddress", TEV_INDEX_INET_ADDRESS},
      {"Fixed:6", TEV_INDEX_FIXED},        {"OctetString/IMPLIED", TEV_INDEX_OCTETS},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.word);
    Layout layout = make_layout(c.word);
    ASSERT_NE(layout, nullptr);
    TevIndexWord part{};
    ASSERT_EQ(layout->get_word(0, &part), ASN_OK);
    EXPECT_EQ(part.kind, c.kind);
  }
  EXPECT_EQ(make_layout("Integer64"), nullptr);
  EXPECT_EQ(make_layout("integer3"), nullptr);
}

// ---- Decoding real indexes, and encoding them back ----

struct DecodeCase {
  const char* table;
  const char* layout;
  const char* index;
  const char* row;  // the row's text, values joined by TAB
};

const DecodeCase kDecodeCases[] = {
    {"ipAddressTable ipv4", "inetaddress", "1.4.192.168.1.10", "ipv4\t192.168.1.10"},
    {"ipAddressTable ipv6", "inetaddress", "2.16.254.128.0.0.0.0.0.0.2.80.86.255.254.153.76.20",
     "ipv6\tfe80::250:56ff:fe99:4c14"},
    {"ipAddressTable ipv6z", "inetaddress", "4.20.254.128.0.0.0.0.0.0.0.0.0.0.0.0.0.1.0.0.0.2",
     "ipv6z\tfe80::1%2"},
    {"ipNetToPhysicalTable", "integer inetaddress", "2.1.4.10.0.0.1", "2\tipv4\t10.0.0.1"},
    {"tcpConnectionTable", "inetaddress gauge inetaddress gauge",
     "1.4.10.0.0.5.22.1.4.10.0.0.9.51234", "ipv4\t10.0.0.5\t22\tipv4\t10.0.0.9\t51234"},
    {"inetCidrRouteTable", "inetaddress gauge oid inetaddress",
     "1.4.0.0.0.0.0.2.0.0.1.4.192.168.1.1", "ipv4\t0.0.0.0\t0\t0.0\tipv4\t192.168.1.1"},
    {"dns and unknown", "inetaddress inetaddress", "16.3.97.98.99.0.0", "dns\tabc\tunknown\t"},
    {"vacmSecurityToGroupTable", "integer octets", "3.6.109.121.117.115.101.114", "3\tmyuser"},
    {"snmpTargetAddrTable", "octets/implied", "109.97.110", "man"},
    {"dot1dTpFdbTable", "fixed:6", "0.80.86.153.76.20", "00:50:56:99:4c:14"},
    {"ipCidrRouteTable", "ipaddress ipaddress integer ipaddress",
     "10.0.0.0.255.0.0.0.0.192.168.1.1", "10.0.0.0\t255.0.0.0\t0\t192.168.1.1"},
    {"negative integer", "integer", "4294967295", "-1"},
    {"ipv6 type", "ipv6", "254.128.0.0.0.0.0.0.0.0.0.0.0.0.0.1", "fe80::1"},
    {"ipv6 mapped ipv4", "ipv6", "0.0.0.0.0.0.0.0.0.0.255.255.192.0.2.1", "::ffff:192.0.2.1"},
    {"ipport", "ipport", "1.6.10.1.2.3.0.161", "10.1.2.3/161"},
    {"empty implied oid", "integer oid/implied", "5", "5\t"},
};

class DecodeTest : public testing::TestWithParam<DecodeCase> {};

TEST_P(DecodeTest, DecodesTextAndEncodesBack) {
  const DecodeCase& c = GetParam();
  Layout layout = make_layout(c.layout);
  ASSERT_NE(layout, nullptr);
  Row row(layout->create_row(nullptr));
  ASSERT_NE(row, nullptr);
  const std::vector<std::uint32_t> index = sub_ids(c.index);
  CTevAsnBuffer reason;
  ASSERT_EQ(
      layout->decode(index.data(), static_cast<unsigned long>(index.size()), row.get(), &reason),
      ASN_OK)
      << text_of(reason);
  CTevAsnBuffer text;
  ASSERT_EQ(row->to_text_into(&text, TEV_OCTETS_AUTO), ASN_OK);
  EXPECT_EQ(text_of(text), c.row);
  unsigned long length = 0;
  const char* borrowed = row->get_text(TEV_OCTETS_AUTO, &length, nullptr);
  ASSERT_NE(borrowed, nullptr);
  EXPECT_EQ(std::string(borrowed, length), c.row);

  // The row's values are the core's objects and encode to the same index.
  std::vector<ITevAsnValue*> values;
  for (unsigned long i = 0; i < row->get_count(); ++i) {
    long err = -1;
    values.push_back(row->get_value(i, &err));
    ASSERT_EQ(err, ASN_OK);
  }
  TevAsnObjectIdPtr oid(tev_create_asn_object_id(nullptr));
  ASSERT_EQ(
      layout->encode(values.data(), static_cast<unsigned long>(values.size()), oid.get(), &reason),
      ASN_OK)
      << text_of(reason);
  EXPECT_EQ(tev_text(oid.get()).value, c.index);
}

INSTANTIATE_TEST_SUITE_P(Tables, DecodeTest, testing::ValuesIn(kDecodeCases),
                         [](const testing::TestParamInfo<DecodeCase>& info) {
                           std::string name = info.param.table;
                           for (char& ch : name) {
                             if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
                           }
                           return name;
                         });

TEST(IndexLayout, RefusesIndexesThatDoNotDecodeExactly) {
  const struct {
    const char* layout;
    const char* index;
    long code;
    const char* reason;
  } cases[] = {
      {"integer integer", "7", ASN_E_INDEX_SHORT, "value 2 (integer): no sub-identifiers left"},
      {"integer", "7.8", ASN_E_INDEX_LEFTOVER, "1 sub-identifier left after the last index value"},
      {"octets", "9.97.98", ASN_E_INDEX_LENGTH, "length 9 but only 2 sub-identifiers follow"},
      {"octets", "2.97.256", ASN_E_SUBID_RANGE, "sub-identifier 256 is not an octet"},
      {"ipaddress", "10.0", ASN_E_INDEX_SHORT, "needs 4 sub-identifiers for its octets, only 2"},
      {"ipport", "2.6.10.1.2.3.0.161", ASN_E_INDEX_LENGTH,
       "domain sub-identifier must be 1, not 2"},
      {"inetaddress", "1.16.1.2.3.4.5.6.7.8.9.10.11.12.13.14.15.16", ASN_E_INET_ADDRESS,
       "InetAddressType 1 (ipv4) with InetAddress length 16: ipv4 takes 4 octets"},
      {"inetaddress", "7.4.1.2.3.4", ASN_E_INET_ADDRESS,
       "InetAddressType 7 with InetAddress length 4"},
      {"inetaddress", "16.0", ASN_E_INET_ADDRESS, "dns takes 1 to 255 octets"},
      {"inetaddress", "1.4.10.0", ASN_E_INDEX_LENGTH, "InetAddress length 4 but only 2"},
      {"inetaddress", "1.4.10.0.0.300", ASN_E_SUBID_RANGE, "300 is not an octet"},
      {"integer inetaddress", "1.2", ASN_E_INDEX_SHORT,
       "value 2 (inetaddress): the InetAddress length"},
      {"oid", "3.1", ASN_E_INDEX_LENGTH, "length 3"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.layout) + " / " + c.index);
    Layout layout = make_layout(c.layout);
    ASSERT_NE(layout, nullptr);
    Row row(layout->create_row(nullptr));
    const std::vector<std::uint32_t> index = sub_ids(c.index);
    CTevAsnBuffer reason;
    EXPECT_EQ(
        layout->decode(index.data(), static_cast<unsigned long>(index.size()), row.get(), &reason),
        c.code);
    EXPECT_NE(text_of(reason).find(c.reason), std::string::npos) << text_of(reason);
    EXPECT_EQ(row->get_count(), 0UL);  // nothing half-decoded is left
  }
}

// One row through many decodes: each holds exactly the latest index, values
// changed by the caller are set again, and a refusal leaves nothing behind.
TEST(IndexLayout, ReusedRowHoldsOnlyTheLatestDecode) {
  std::string long_dns = "16.70";
  for (int i = 0; i < 70; ++i) long_dns += ".97";
  const std::string long_row = "5\tdns\t" + std::string(70, 'a');
  const struct {
    const char* layout;
    std::vector<std::pair<std::string, const char*>> decodes;  // index, row text (null: refused)
  } cases[] = {
      {"integer inetaddress",
       {{"17.1.4.192.168.1.10", "17\tipv4\t192.168.1.10"},
        {"5." + long_dns, long_row.c_str()},
        {"6.1.4.1.2", nullptr},
        {"6.1.4.1.2.3.4.5", nullptr},
        {"4294967295.0.0", "-1\tunknown\t"},
        {"9.2.16.254.128.0.0.0.0.0.0.0.0.0.0.0.0.0.1", "9\tipv6\tfe80::1"}}},
      {"integer oid",
       {{"1.3.1.2.3", "1\t1.2.3"}, {"2.2.9.9", "2\t9.9"}, {"3.4.1", nullptr}, {"4.1.7", "4\t7"}}},
      {"octets ipaddress",
       {{"3.97.98.99.10.0.0.1", "abc\t10.0.0.1"}, {"1.120.1.2.3.4", "x\t1.2.3.4"}}},
  };
  for (const auto& c : cases) {
    Layout layout = make_layout(c.layout);
    ASSERT_NE(layout, nullptr);
    Row row(layout->create_row(nullptr));
    for (const auto& d : c.decodes) {
      SCOPED_TRACE(std::string(c.layout) + " / " + d.first);
      const std::vector<std::uint32_t> index = sub_ids(d.first.c_str());
      const long rc = layout->decode(index.data(), static_cast<unsigned long>(index.size()),
                                     row.get(), nullptr);
      if (d.second == nullptr) {
        EXPECT_NE(rc, ASN_OK);
        EXPECT_EQ(row->get_count(), 0UL);
        EXPECT_EQ(row->get_value(0, nullptr), nullptr);
        continue;
      }
      ASSERT_EQ(rc, ASN_OK);
      CTevAsnBuffer text;
      ASSERT_EQ(row->to_text_into(&text, TEV_OCTETS_AUTO), ASN_OK);
      EXPECT_EQ(text_of(text), d.second);
      std::vector<ITevAsnValue*> values;
      for (unsigned long i = 0; i < row->get_count(); ++i)
        values.push_back(row->get_value(i, nullptr));
      TevAsnObjectIdPtr oid(tev_create_asn_object_id(nullptr));
      ASSERT_EQ(layout->encode(values.data(), static_cast<unsigned long>(values.size()), oid.get(),
                               nullptr),
                ASN_OK);
      EXPECT_EQ(tev_text(oid.get()).value, d.first);
      // Spoiled values must not survive into the next decode.
      for (ITevAsnValue* value : values) {
        if (value->query_object_id() != nullptr) {
          value->query_object_id()->append_sub_id(99);
        } else if (value->get_type() == ASN_INTEGER) {
          value->set_long(99);
        } else {
          value->set_octets(reinterpret_cast<const unsigned char*>("zzzz"), 4);
        }
      }
    }
  }
}

TEST(IndexLayout, EncodeRefusesMismatchedValuesAndLeavesTheIdentifier) {
  Layout layout = make_layout("integer inetaddress");
  TevAsnValuePtr number(tev_create_asn_value(5L, ASN_INTEGER, nullptr));
  TevAsnValuePtr type(tev_create_asn_value(1L, ASN_INTEGER, nullptr));
  TevAsnValuePtr address(tev_create_asn_value("abcdefghijklmnop", ASN_OCTET_STRING, nullptr));
  TevAsnObjectIdPtr oid(tev_create_asn_object_id("1.3", nullptr));
  CTevAsnBuffer reason;
  ITevAsnValue* mismatched[] = {number.get(), type.get(), address.get()};
  EXPECT_EQ(layout->encode(mismatched, 3, oid.get(), &reason), ASN_E_INET_ADDRESS);
  EXPECT_NE(text_of(reason).find("ipv4 takes 4 octets"), std::string::npos) << text_of(reason);
  ITevAsnValue* wrong_type[] = {address.get(), type.get(), address.get()};
  EXPECT_EQ(layout->encode(wrong_type, 3, oid.get(), &reason), ASN_E_INVALID_ARGUMENT);
  EXPECT_EQ(layout->encode(mismatched, 2, oid.get(), &reason), ASN_E_INVALID_ARGUMENT);
  EXPECT_EQ(tev_text(oid.get()).value, "1.3");
}

// ---- Table entries ----

TEST(TableEntry, SplitsColumnAndIndexAndBuildsThemBack) {
  CTevAsnBuffer reason;
  Entry entry(tev_create_table_entry(".1.3.6.1.2.1.4.34.1", "inetaddress", &reason, nullptr));
  ASSERT_NE(entry, nullptr) << text_of(reason);
  Row row(entry->get_layout()->create_row(nullptr));
  TevAsnObjectIdPtr instance(
      tev_create_asn_object_id("1.3.6.1.2.1.4.34.1.3.1.4.10.0.0.1", nullptr));
  unsigned long column = 0;
  ASSERT_EQ(entry->split_oid(instance.get(), &column, row.get(), &reason), ASN_OK)
      << text_of(reason);
  EXPECT_EQ(column, 3UL);
  EXPECT_EQ(row->get_column(), 3UL);
  CTevAsnBuffer text;
  ASSERT_EQ(row->value_to_text_into(&text, 1, TEV_OCTETS_AUTO), ASN_OK);
  EXPECT_EQ(text_of(text), "10.0.0.1");

  ITevAsnValue* values[] = {row->get_value(0, nullptr), row->get_value(1, nullptr)};
  TevAsnObjectIdPtr built(tev_create_asn_object_id(nullptr));
  ASSERT_EQ(entry->build(5, values, 2, built.get(), &reason), ASN_OK) << text_of(reason);
  EXPECT_EQ(tev_text(built.get()).value, "1.3.6.1.2.1.4.34.1.5.1.4.10.0.0.1");
}

TEST(TableEntry, RefusesIdentifiersOutsideTheEntry) {
  Entry entry(tev_create_table_entry("1.3.6.1.2.1.4.34.1", "inetaddress", nullptr, nullptr));
  Row row(entry->get_layout()->create_row(nullptr));
  const struct {
    const char* instance;
    long code;
    const char* reason;
  } cases[] = {
      {"1.3.6.1.2.1.4.35.1.3.1.4.10.0.0.1", ASN_E_NOT_IN_TABLE,
       "does not lie below the entry 1.3.6.1.2.1.4.34.1"},
      {"1.3.6.1.2.1.4.34", ASN_E_NOT_IN_TABLE, "does not lie below"},
      {"1.3.6.1.2.1.4.34.1", ASN_E_INDEX_SHORT, "is the entry itself"},
      {"1.3.6.1.2.1.4.34.1.3", ASN_E_INDEX_SHORT, "no sub-identifiers left"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.instance);
    const std::vector<std::uint32_t> ids = sub_ids(c.instance);
    CTevAsnBuffer reason;
    EXPECT_EQ(entry->split(ids.data(), static_cast<unsigned long>(ids.size()), nullptr, row.get(),
                           &reason),
              c.code);
    EXPECT_NE(text_of(reason).find(c.reason), std::string::npos) << text_of(reason);
  }
  long err = 0;
  CTevAsnBuffer reason;
  EXPECT_EQ(tev_create_table_entry("1.x", "integer", &reason, &err), nullptr);
  EXPECT_EQ(err, ASN_E_INVALID_ARGUMENT);
  EXPECT_NE(text_of(reason).find("entry '1.x'"), std::string::npos);
}

}  // namespace
