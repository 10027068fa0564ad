// Textual conventions by name: their hints, their length rules, and the IPv6
// text of RFC 5952.
#include <gtest/gtest.h>

#include <string>

#include "DisplayTestUtil.h"
#include "TevAsnDisplay.h"

using namespace NTevAsnValue;
using namespace display_test;

namespace {

struct TcCase {
  const char* name;
  const char* octets;  // hex
  const char* display;
};

// Each row reads back too: parsing `display` gives `octets`.
const TcCase kCases[] = {
    {"MacAddress", "00 0c 29 ab cd ef", "00:0c:29:ab:cd:ef"},
    {"macaddress", "00 0c 29 ab cd ef", "00:0c:29:ab:cd:ef"},
    {"PhysAddress", "", ""},
    {"PhysAddress", "01 02 03 04 05 06 07 08", "01:02:03:04:05:06:07:08"},
    {"DateAndTime", "07 c8 05 1a 0d 1e 0f 00 2d 04 00", "1992-5-26,13:30:15.0,-4:0"},
    {"DateAndTime", "07 c8 05 1a 0d 1e 0f 00", "1992-5-26,13:30:15.0"},
    // The ends of every field's range.
    {"DateAndTime", "00 00 01 01 00 00 00 00 2b 00 00", "0-1-1,0:0:0.0,+0:0"},
    {"DateAndTime", "ff ff 0c 1f 17 3b 3c 09 2d 0d 3b", "65535-12-31,23:59:60.9,-13:59"},
    {"DisplayString", "", ""},
    {"DisplayString", "6c 6f 61 64", "load"},
    {"SnmpAdminString", "c3 a9 74 c3 a9", "\xc3\xa9t\xc3\xa9"},
    {"InetAddressDNS", "77 77 77", "www"},
    {"InetAddressIPv4", "c0 a8 01 0a", "192.168.1.10"},
    {"InetAddressIPv4z", "a9 fe 00 01 00 00 00 03", "169.254.0.1%3"},
    // RFC 5952: no leading zeros, "::" for the longest run of zero groups (the
    // first of equal runs), never for a single zero group.
    {"InetAddressIPv6", "20 01 0d b8 00 00 00 00 00 00 00 00 00 00 00 01", "2001:db8::1"},
    {"InetAddressIPv6", "20 01 0d b8 00 00 00 01 00 01 00 01 00 01 00 01", "2001:db8:0:1:1:1:1:1"},
    {"InetAddressIPv6", "20 01 00 00 00 00 00 01 00 00 00 00 00 00 00 01", "2001:0:0:1::1"},
    {"InetAddressIPv6", "20 01 0d b8 00 00 00 00 00 01 00 00 00 00 00 01", "2001:db8::1:0:0:1"},
    {"InetAddressIPv6", "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00", "::"},
    {"InetAddressIPv6", "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 01", "::1"},
    {"InetAddressIPv6", "fe 80 00 00 00 00 00 00 00 00 00 00 00 00 00 00", "fe80::"},
    {"InetAddressIPv6", "20 01 0d b8 ab cd 12 34 00 00 00 00 00 00 ff ff",
     "2001:db8:abcd:1234::ffff"},
    {"InetAddressIPv6z", "fe 80 00 00 00 00 00 00 00 00 00 00 00 00 00 01 00 00 00 03",
     "fe80::1%3"},
};

TEST(TextualConvention, FormatsAndReadsBack) {
  for (const TcCase& c : kCases) {
    SCOPED_TRACE(std::string(c.name) + " " + c.display);
    const std::string in = octets(c.octets);
    CTevAsnBuffer out, back, reason;
    ASSERT_EQ(tev_format_tc(c.name, bytes(in), in.size(), &out, &reason), ASN_OK)
        << text_of(reason);
    EXPECT_EQ(text_of(out), c.display);
    ASSERT_EQ(tev_parse_tc(c.name, c.display, std::string(c.display).size(), &back, &reason),
              ASN_OK)
        << text_of(reason);
    EXPECT_EQ(hex(text_of(back)), hex(in));
  }
}

TEST(TextualConvention, ReadsOtherIpv6Forms) {
  const struct {
    const char* text;
    const char* octets;
  } cases[] = {
      {"2001:DB8:0:0:0:0:0:1", "20 01 0d b8 00 00 00 00 00 00 00 00 00 00 00 01"},
      {"2001:0db8::0001", "20 01 0d b8 00 00 00 00 00 00 00 00 00 00 00 01"},
      {"1:2:3:4:5:6:7::", "00 01 00 02 00 03 00 04 00 05 00 06 00 07 00 00"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    CTevAsnBuffer out;
    ASSERT_EQ(tev_parse_tc("InetAddressIPv6", c.text, std::string(c.text).size(), &out, nullptr),
              ASN_OK);
    EXPECT_EQ(hex(text_of(out)), hex(octets(c.octets)));
  }
}

TEST(TextualConvention, LengthRulesAreErrorsWithTheRule) {
  const struct {
    const char* name;
    unsigned long length;
    const char* reason;
  } cases[] = {
      {"MacAddress", 5, "MacAddress needs exactly 6 octets, not 5"},
      {"DateAndTime", 9, "DateAndTime needs exactly 8 or 11 octets, not 9"},
      {"InetAddressDNS", 0, "InetAddressDNS needs 1 to 255 octets, not 0"},
      {"DisplayString", 256, "DisplayString needs 0 to 255 octets, not 256"},
      {"InetAddressIPv6", 15, "InetAddressIPv6 needs exactly 16 octets, not 15"},
      {"InetAddressIPv6z", 16, "InetAddressIPv6z needs exactly 20 octets, not 16"},
      {"InetAddressIPv4z", 4, "InetAddressIPv4z needs exactly 8 octets, not 4"},
  };
  const std::string zeros(300, '\0');
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    CTevAsnBuffer out, reason;
    EXPECT_EQ(tev_format_tc(c.name, bytes(zeros), c.length, &out, &reason), ASN_E_TC_LENGTH);
    EXPECT_EQ(text_of(reason), c.reason);
    EXPECT_EQ(out.length(), 0UL);
  }
}

TEST(TextualConvention, DateAndTimeTakesLeadingZeros) {
  const std::string text = "2026-03-09,07:05:00.0,+01:00";
  CTevAsnBuffer out;
  ASSERT_EQ(tev_parse_tc("DateAndTime", text.data(), text.size(), &out, nullptr), ASN_OK);
  EXPECT_EQ(hex(text_of(out)), "07 ea 03 09 07 05 00 00 2b 01 00");
}

TEST(TextualConvention, DateAndTimeFieldsOutOfRangeEitherWay) {
  // One field past its range each (month 13, day 32, hour 24, ...), as
  // octets and as text.
  const struct {
    const char* octets;
    const char* text;
    const char* reason;
  } cases[] = {
      {"07 c8 00 1a 0d 1e 0f 00", "1992-0-26,13:30:15.0", "month 0 is outside 1..12"},
      {"07 c8 0d 1a 0d 1e 0f 00", "1992-13-26,13:30:15.0", "month 13 is outside 1..12"},
      {"07 c8 05 20 0d 1e 0f 00", "1992-5-32,13:30:15.0", "day 32 is outside 1..31"},
      {"07 c8 05 1a 18 1e 0f 00", "1992-5-26,24:30:15.0", "hour 24 is outside 0..23"},
      {"07 c8 05 1a 0d 3c 0f 00", "1992-5-26,13:60:15.0", "minutes 60"},
      {"07 c8 05 1a 0d 1e 3d 00", "1992-5-26,13:30:61.0", "seconds 61"},
      {"07 c8 05 1a 0d 1e 0f 0a", "1992-5-26,13:30:15.10", "deci-seconds 10"},
      {"07 c8 05 1a 0d 1e 0f 00 2a 04 00", "1992-5-26,13:30:15.0,*4:0", "'+' or '-'"},
      {"07 c8 05 1a 0d 1e 0f 00 2b 0e 00", "1992-5-26,13:30:15.0,+14:0", "hours from UTC 14"},
      {"07 c8 05 1a 0d 1e 0f 00 2b 00 3c", "1992-5-26,13:30:15.0,+0:60", "minutes from UTC 60"},
      {nullptr, "65536-5-26,13:30:15.0", "year 65536"},
      {nullptr, "1992-5-26,13:30:99999999999.0", "seconds"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    CTevAsnBuffer out, reason;
    if (c.octets != nullptr) {
      const std::string in = octets(c.octets);
      EXPECT_EQ(tev_format_tc("DateAndTime", bytes(in), in.size(), &out, &reason), ASN_E_TC_RANGE);
      EXPECT_NE(text_of(reason).find(c.reason), std::string::npos) << text_of(reason);
    }
    reason.assign("", 0);
    EXPECT_EQ(tev_parse_tc("DateAndTime", c.text, std::string(c.text).size(), &out, &reason),
              ASN_E_TC_RANGE);
    EXPECT_NE(text_of(reason).find(c.reason), std::string::npos) << text_of(reason);
  }
}

TEST(TextualConvention, BadTextsAndNames) {
  const struct {
    const char* name;
    const char* text;
    long code;
  } cases[] = {
      {"MacAddress", "00:0c:29:ab:cd", ASN_E_TC_LENGTH},
      {"DateAndTime", "1992-5-26", ASN_E_TC_LENGTH},
      {"DateAndTime", "1992-5-26,13:30:15.0,+4", ASN_E_TC_LENGTH},
      {"DateAndTime", "1992-5-26;13:30:15.0", ASN_E_HINT_TEXT},
      {"DateAndTime", "1992-5-26,13:30:15.0,", ASN_E_HINT_TEXT},
      {"DateAndTime", "1992-5-26,13:30:15.0,+4:0x", ASN_E_HINT_TEXT},
      {"DateAndTime", "1992-5-x", ASN_E_HINT_TEXT},
      {"InetAddressIPv4", "192.168.1.256", ASN_E_HINT_TEXT},
      {"InetAddressIPv6", "1:::2", ASN_E_HINT_TEXT},
      {"InetAddressIPv6", "1::2::3", ASN_E_HINT_TEXT},
      {"InetAddressIPv6", "1:2:3:4:5:6:7", ASN_E_HINT_TEXT},
      {"InetAddressIPv6", "1:2:3:4:5:6:7:8:9", ASN_E_HINT_TEXT},
      {"InetAddressIPv6", "12345::", ASN_E_HINT_TEXT},
      {"InetAddressIPv6", ":1::", ASN_E_HINT_TEXT},
      {"InetAddressIPv6z", "fe80::1", ASN_E_HINT_TEXT},
      {"InetAddressIPv6z", "fe80::1%", ASN_E_HINT_TEXT},
      {"InetAddressIPv6z", "fe80::1%4294967296", ASN_E_HINT_TEXT},
      {"NoSuchThing", "1", ASN_E_TC_UNKNOWN},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.name) + " " + c.text);
    CTevAsnBuffer out, reason;
    EXPECT_EQ(tev_parse_tc(c.name, c.text, std::string(c.text).size(), &out, &reason), c.code);
    EXPECT_NE(reason.length(), 0UL);
  }
}

}  // namespace
