// Strict reading of values from text: boundaries of each type's form, and
// what the core's lenient set_text would take but the strict reader refuses.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "TevAsnTable.h"
#include "TevAsnValue.h"
#include "TevAsnValuePtr.h"

using namespace NTevAsnValue;
using namespace std::string_literals;

namespace {

struct ReadCase {
  EAsnType type;
  const char* text;
  bool accepted;         ///< false: refused with ASN_E_VALUE_TEXT
  std::string expected;  ///< the value's octets for OCTET STRING, else its to_text
};

const ReadCase kReadCases[] = {
    {ASN_INTEGER, "0", true, "0"s},
    {ASN_INTEGER, "2147483647", true, "2147483647"s},
    {ASN_INTEGER, "-2147483648", true, "-2147483648"s},
    {ASN_INTEGER, "2147483648", false, ""},
    {ASN_INTEGER, "-2147483649", false, ""},
    {ASN_INTEGER, "12abc", false, ""},
    {ASN_INTEGER, " +7x", false, ""},
    {ASN_INTEGER, "+7", false, ""},
    {ASN_INTEGER, "", false, ""},
    {ASN_INTEGER, "-", false, ""},
    {ASN_GAUGE, "4294967295", true, "4294967295"s},
    {ASN_GAUGE, "4294967296", false, ""},
    {ASN_GAUGE, "-1", false, ""},
    {ASN_COUNTER, "abc", false, ""},
    {ASN_TIME_TICKS, "100", true, "100"s},
    {ASN_COUNTER_64, "18446744073709551615", true, "18446744073709551615"s},
    {ASN_COUNTER_64, "18446744073709551616", false, ""},
    {ASN_COUNTER_64, "4294967296", true, "4294967296"s},
    {ASN_IP_ADDRESS, "10.0.0.1", true, "10.0.0.1"s},
    {ASN_IP_ADDRESS, "10.0.0.1garbage", false, ""},
    {ASN_IP_ADDRESS, "10.0.0.256", false, ""},
    {ASN_IP_ADDRESS, "10.0.0", false, ""},
    {ASN_IP_ADDRESS, "10.0.0.1.5", false, ""},
    {ASN_OCTET_STRING, "80:00:1F:88", true, "\x80\x00\x1f\x88"s},
    {ASN_OCTET_STRING, "0-a0-c9", true, "\x00\xa0\xc9"s},
    {ASN_OCTET_STRING, "6869", true, "hi"s},
    {ASN_OCTET_STRING, "", true, ""s},
    {ASN_OCTET_STRING, "abc", false, ""},
    {ASN_OCTET_STRING, "zz", false, ""},
    {ASN_OCTET_STRING, "80:", false, ""},
    {ASN_OCTET_STRING, "80::00", false, ""},
    {ASN_OCTET_STRING, "800:1", false, ""},
    {ASN_OBJECT_ID, ".1.3.6.1", true, "1.3.6.1"s},
    {ASN_OBJECT_ID, "1.3.6.1", true, "1.3.6.1"s},
    {ASN_OBJECT_ID, "..1.3", false, ""},
    {ASN_OBJECT_ID, "1.3.", false, ""},
    {ASN_OBJECT_ID, "1.03", false, ""},
    {ASN_OBJECT_ID, "1.4294967296", false, ""},
    {ASN_IPV6_ADDRESS, "fe80::1", true, "fe80:0:0:0:0:0:0:1"s},
    {ASN_IPV6_ADDRESS, "::ffff:10.0.0.1", true, "0:0:0:0:0:ffff:a00:1"s},
    {ASN_IPV6_ADDRESS, "fe80::1::2", false, ""},
    {ASN_IP_PORT_ADDRESS, "10.1.2.3/65536", false, ""},
    {ASN_IPX_ADDRESS, "0000abcd:00a0c9112233", false, ""},
};

TEST(ValueTextTest, ReadsTheWholeTextInRangeOrRefuses) {
  for (const ReadCase& c : kReadCases) {
    SCOPED_TRACE(std::to_string(c.type) + " '" + c.text + "'");
    CTevAsnBuffer reason;
    long err = 1;
    TevAsnValuePtr value(tev_read_value(c.text, std::strlen(c.text), c.type, &reason, &err));
    if (!c.accepted) {
      EXPECT_EQ(value, nullptr);
      EXPECT_EQ(err, ASN_E_VALUE_TEXT);
      EXPECT_NE(reason.length(), 0UL);
      continue;
    }
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(err, ASN_OK);
    EXPECT_EQ(value->get_type(), c.type);
    if (c.type == ASN_OCTET_STRING) {
      const TevOctetsResult octets = tev_octets(value.get());
      EXPECT_EQ(std::string(octets.value.begin(), octets.value.end()), c.expected);
    } else {
      // Fixed-size types keep a terminating zero in their text.
      EXPECT_EQ(tev_text(value.get()).value.c_str(), c.expected);
    }
  }
}

TEST(ValueTextTest, TheCoreStaysLenientWhereTheStrictReaderRefuses) {
  long err = ASN_OK;
  TevAsnValuePtr lenient(tev_create_asn_value("12abc", ASN_INTEGER, &err));
  ASSERT_NE(lenient, nullptr);
  EXPECT_EQ(lenient->get_long(&err), 12);
  EXPECT_EQ(tev_read_value("12abc", 5, ASN_INTEGER, nullptr, &err), nullptr);
  EXPECT_EQ(err, ASN_E_VALUE_TEXT);
}

TEST(ValueTextTest, RefusesTypesWithoutTextAndNullText) {
  long err = ASN_OK;
  EXPECT_EQ(tev_read_value("", 0, ASN_NULL, nullptr, &err), nullptr);
  EXPECT_EQ(err, ASN_E_INVALID_ARGUMENT);
  EXPECT_EQ(tev_read_value(nullptr, 1, ASN_INTEGER, nullptr, &err), nullptr);
  EXPECT_EQ(err, ASN_E_INVALID_ARGUMENT);
  EXPECT_EQ(tev_parse_hex_octets("00", 2, nullptr, nullptr), ASN_E_INVALID_ARGUMENT);
}

TEST(ValueTextTest, HexOfManyOctetsCrossesTheChunkBoundary) {
  const std::string hex(2 * 600, 'a');
  CTevAsnBuffer octets;
  ASSERT_EQ(tev_parse_hex_octets(hex.data(), hex.size(), &octets, nullptr), ASN_OK);
  EXPECT_EQ(octets.length(), 600UL);
  EXPECT_EQ(static_cast<unsigned char>(octets.data()[599]), 0xaa);
}

}  // namespace
