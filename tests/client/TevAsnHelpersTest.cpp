// The header-only helpers of TevAsnHelpers.h, through the shared library.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "TevAsnHelpers.h"

using namespace NTevAsnValue;

namespace {

struct CreationRow {
  const char* call;
  TevAsnValuePtr (*make)(long* err);
  EAsnType type;
  long code;
  const char* text;  // the created value's text form when the code is 0
};

// One row: type, code and text, then the helper call (with `e` for its err).
// clang-format off
#define ROW(type, code, text, ...) \
  {#__VA_ARGS__, [](long* e) { return TevAsnValuePtr(tev::__VA_ARGS__); }, type, code, text}
// clang-format on

const CreationRow kCreationRows[] = {
    ROW(ASN_INTEGER, 0, "5", integer(5, e)),
    ROW(ASN_INTEGER, 0, "-2147483648", integer(-2147483647LL - 1, e)),
    ROW(ASN_INTEGER, ASN_E_INVALID_ARGUMENT, nullptr, integer(2147483648LL, e)),
    ROW(ASN_INTEGER, ASN_E_INVALID_ARGUMENT, nullptr, integer(4294967295U, e)),
    ROW(ASN_GAUGE, 0, "5", gauge(5, e)),
    ROW(ASN_GAUGE, 0, "4294967295", gauge(4294967295ULL, e)),
    ROW(ASN_GAUGE, ASN_E_INVALID_ARGUMENT, nullptr, gauge(4294967296LL, e)),
    ROW(ASN_GAUGE, ASN_E_INVALID_ARGUMENT, nullptr, gauge(-1, e)),
    ROW(ASN_COUNTER, 0, "7", counter32(7, e)),
    ROW(ASN_COUNTER, ASN_E_INVALID_ARGUMENT, nullptr, counter32(-1, e)),
    ROW(ASN_TIME_TICKS, 0, "100", timeticks(100, e)),
    ROW(ASN_COUNTER_64, 0, "18446744073709551615", counter64(18446744073709551615ULL, e)),
    ROW(ASN_COUNTER_64, ASN_E_INVALID_ARGUMENT, nullptr, counter64(-1, e)),
    ROW(ASN_IP_ADDRESS, 0, "192.0.2.1", ip_address("192.0.2.1", e)),
    ROW(ASN_IP_ADDRESS, ASN_E_INVALID_ARGUMENT, nullptr, ip_address("192.0.2.256", e)),
    ROW(ASN_IP_ADDRESS, ASN_E_INVALID_ARGUMENT, nullptr, ip_address(nullptr, e)),
    ROW(ASN_OCTET_STRING, 0, "ab", octet_string("ab", e)),
    ROW(ASN_OCTET_STRING, 0, "", octet_string("", e)),
    ROW(ASN_OCTET_STRING, ASN_E_INVALID_ARGUMENT, nullptr, octet_string(nullptr, e)),
    ROW(ASN_OCTET_STRING, 0, "a\\0b", octet_string({0x61, 0x00, 0x62}, e)),
    ROW(ASN_OCTET_STRING, 0, "a\\0b", octet_string(std::string("a\0b", 3), e)),
    ROW(ASN_OBJECT_ID, 0, "1.3.6.1", object_id(".1.3.6.1", e)),
    ROW(ASN_OBJECT_ID, 0, "1.3.6.1", object_id("1.3.6.1", e)),
    ROW(ASN_OBJECT_ID, ASN_E_INVALID_ARGUMENT, nullptr, object_id(".", e)),
    ROW(ASN_OBJECT_ID, ASN_E_INVALID_ARGUMENT, nullptr, object_id("..1.3", e)),
    ROW(ASN_OBJECT_ID, ASN_E_INVALID_ARGUMENT, nullptr, object_id(".1.3.", e)),
};
#undef ROW

// The text form with zero bytes written as \0, so that rows can show them.
std::string visible_text(const ITevAsnValue* value) {
  std::string out;
  for (char c : tev_text(value).value) out += c == '\0' ? std::string("\\0") : std::string(1, c);
  return out;
}

}  // namespace

TEST(TevAsnHelpers, CreationChecksTheRangeAndGivesTheCode) {
  for (const CreationRow& row : kCreationRows) {
    SCOPED_TRACE(row.call);
    long err = 99;
    TevAsnValuePtr value = row.make(&err);
    EXPECT_EQ(err, row.code);
    ASSERT_EQ(value != nullptr, row.code == ASN_OK);
    if (!value) continue;
    EXPECT_EQ(value->get_type(), row.type);
    EXPECT_EQ(visible_text(value.get()), row.text);
  }
  EXPECT_TRUE(tev::integer(5));  // err may be omitted
}

TEST(TevAsnHelpers, Counter64ReadsAndSetsAll64Bits) {
  TevAsnValuePtr counter = tev::counter64(0);
  ASSERT_TRUE(counter);
  for (std::uint64_t n :
       {0ULL, 4294967295ULL, 4294967296ULL, 0x123456789ABCDEF0ULL, 18446744073709551615ULL}) {
    SCOPED_TRACE(n);
    ASSERT_EQ(tev::set_counter64(counter.get(), n), ASN_OK);
    long err = 99;
    EXPECT_EQ(tev::get_counter64(counter.get(), &err), n);
    EXPECT_EQ(err, ASN_OK);
    EXPECT_EQ(counter->get_high(nullptr), static_cast<unsigned long>(n >> 32));
    EXPECT_EQ(counter->get_low(nullptr), static_cast<unsigned long>(n & 0xFFFFFFFFU));
    EXPECT_EQ(tev::get_counter64(tev::counter64(n).get()), n);
  }
  // Refusals leave the value as it was.
  EXPECT_EQ(tev::set_counter64(counter.get(), -1), ASN_E_INVALID_ARGUMENT);
  EXPECT_EQ(tev::get_counter64(counter.get()), 18446744073709551615ULL);
  TevAsnValuePtr gauge = tev::gauge(7);
  long err = 0;
  EXPECT_EQ(tev::get_counter64(gauge.get(), &err), 18446744073709551615ULL);
  EXPECT_EQ(err, ASN_E_NOT_SUPPORTED);
  EXPECT_EQ(tev::set_counter64(gauge.get(), 1), ASN_E_NOT_SUPPORTED);
  EXPECT_EQ(gauge->get_ulong(nullptr), 7UL);
  EXPECT_EQ(tev::set_counter64(nullptr, 1), ASN_E_INVALID_ARGUMENT);
}

TEST(TevAsnHelpers, RelationsNameWhatCompareAnswers) {
  const struct {
    const char* oid;
    const char* other;
    tev::Relation relation;
  } rows[] = {
      {"1.3.6.1", "1.3.6.1", tev::equal},
      {"1.3.6.1", "1.3.6.1.2", tev::above},
      {"1.3.6.1.2.1.4.20.1.1.192.168.1.10", "1.3.6.1.2.1.4.20.1.1", tev::below},
      {"1.3.6.1.10", "1.3.6.1.9", tev::sorts_first},  // characters, not numbers
      {"1.3.6.10", "1.3.6.1", tev::sorts_last},       // not below: 10 is not 1
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(std::string(row.oid) + " vs " + row.other);
    TevAsnObjectIdPtr oid = tev::object_id(row.oid);
    TevAsnObjectIdPtr other = tev::object_id(row.other);
    ASSERT_TRUE(oid && other);
    EXPECT_EQ(oid->compare(other.get(), nullptr), row.relation);
    const std::string dotted = std::string(".") + row.other;
    EXPECT_EQ(tev::is_below(oid.get(), other.get()), row.relation == tev::below);
    EXPECT_EQ(tev::is_below(oid.get(), dotted.c_str()), row.relation == tev::below);
    EXPECT_EQ(tev::is_same(oid.get(), other.get()), row.relation == tev::equal);
    EXPECT_EQ(tev::is_same(oid.get(), dotted.c_str()), row.relation == tev::equal);
  }
  TevAsnObjectIdPtr oid = tev::object_id("1.3");
  EXPECT_FALSE(tev::is_same(oid.get(), static_cast<const char*>(nullptr)));
  EXPECT_FALSE(tev::is_below(nullptr, oid.get()));

  std::vector<std::string> names;
  for (long code = 0; code <= 4; ++code) names.emplace_back(tev::relation_name(code));
  EXPECT_EQ(names,
            (std::vector<std::string>{"equal", "above", "below", "sorts first", "sorts last"}));
  EXPECT_STREQ(tev::relation_name(-1), "unknown");
  EXPECT_STREQ(tev::relation_name(5), "unknown");
}

TEST(TevAsnHelpers, OctetsShowAsTheCallerChooses) {
  const std::vector<unsigned char> mac = {0x00, 0x0c, 0x29, 0xff};
  const struct {
    std::vector<unsigned char> octets;
    ETevOctetsAs as;
    const char* separator;
    std::string expected;
  } rows[] = {
      {mac, TEV_OCTETS_HEX, ":", "00:0c:29:ff"},
      {mac, TEV_OCTETS_HEX, "", "000c29ff"},
      {mac, TEV_OCTETS_HEX, nullptr, "000c29ff"},
      {mac, TEV_OCTETS_AUTO, " ", "00 0c 29 ff"},
      {mac, TEV_OCTETS_TEXT, ":", "\\x00\\x0c)\xff"},  // escaped as the companion escapes
      {{'a', '\\', '\n'}, TEV_OCTETS_TEXT, ":", "a\\\\\\x0a"},
      {{'a', ' ', '~'}, TEV_OCTETS_AUTO, ":", "a ~"},
      {{'a', 'b', '\r'}, TEV_OCTETS_AUTO, ":", "61:62:0d"},
      {{'a', 0x7f}, TEV_OCTETS_AUTO, ":", "61:7f"},
      {{'a', 0x00}, TEV_OCTETS_AUTO, ":", "61:00"},
      {{}, TEV_OCTETS_AUTO, ":", ""},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.expected);
    TevAsnValuePtr value = tev::octet_string(row.octets);
    ASSERT_TRUE(value);
    const TevTextResult shown = tev::octets_text(value.get(), row.as, row.separator);
    EXPECT_EQ(shown.code, ASN_OK);
    EXPECT_EQ(shown.value, row.expected);
  }
  // Any type with octets; the default separator is ":".
  EXPECT_EQ(tev::hex_text(tev::ip_address("192.0.2.1").get()).value, "c0:00:02:01");
  EXPECT_EQ(tev::hex_text(tev::gauge(1).get()).code, ASN_E_NOT_SUPPORTED);
  EXPECT_EQ(tev::octets_text(tev::gauge(1).get(), TEV_OCTETS_TEXT, ":").code, ASN_E_NOT_SUPPORTED);
  EXPECT_EQ(tev::octets_text(nullptr, TEV_OCTETS_HEX).code, ASN_E_INVALID_ARGUMENT);
  EXPECT_EQ(tev::octets_text(nullptr, TEV_OCTETS_TEXT).code, ASN_E_INVALID_ARGUMENT);
  EXPECT_EQ(tev::octets_text(tev::octet_string("a").get(), static_cast<ETevOctetsAs>(3)).code,
            ASN_E_INVALID_ARGUMENT);
}
