// DISPLAY-HINT for OCTET STRING (both ways) and INTEGER, and the octet
// rendering policy, through the shared library.
#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "DisplayTestUtil.h"
#include "TevAsnDisplay.h"
#include "TevAsnValue.h"
#include "TevAsnValuePtr.h"

using namespace NTevAsnValue;
using namespace display_test;

namespace {

struct FormatCase {
  const char* hint;
  const char* octets;  // hex
  const char* display;
};

TEST(OctetHint, FormatsByRfc2579Rules) {
  const FormatCase cases[] = {
      {"1x:", "00 0c 29", "00:0c:29"},
      {"1x:", "", ""},
      {"255a", "70 75 62 6c 69 63", "public"},
      {"2d-1d-1d,1d:1d:1d.1d,1a1d:1d", "07 c8 05 1a 0d 1e 0f 00 2d 04 00",
       "1992-5-26,13:30:15.0,-4:0"},
      {"2d-1d-1d,1d:1d:1d.1d,1a1d:1d", "07 c8 05 1a 0d 1e 0f 00", "1992-5-26,13:30:15.0"},
      {"1d.1d.1d.1d", "c0 a8 01 0a", "192.168.1.10"},
      {"1d.", "01 02 03", "1.2.3"},  // the last octet format again
      {"1a1x:2d", "41", "A"},        // octet formats left over
      {"2d", "01 00 ff", "256255"},  // big-endian, fewer octets at the end
      {"2x", "00 0c 29", "000c29"},
      {"3o", "00 00 08", "10"},
      {"8d", "ff ff ff ff ff ff ff ff", "18446744073709551615"},
      {"*1x:/1a", "03 01 02 03 41 42", "01:02:03/AB"},  // separator not before the terminator
      {"*1x:/1a", "00 41", "/A"},                       // repeat count zero
      {"*1x:", "05 01 02", "01:02"},                    // repeat count beyond the data
      {"*1d./", "02 0a 0b 01 0c", "10.11/12"},
      {"3t", "e2 82 ac e2 82", "\xe2\x82\xac"},  // incomplete character dropped
      {"0a-1d", "05", "-5"},
      {"2d.", "00 00 00 09 00 0a 00 63 00 64 03 e7 03 e8 27 0f 27 10 ff ff",
       "0.9.10.99.100.999.1000.9999.10000.65535"},
      {"2d-2o-4d-1x2a1d", "ff ff 01 00 00 01 86 a0 ab 41 42 07", "65535-400-100000-abAB7"},
      {"9a.1d", "41 42 43 44 45 46 47 48 49 05", "ABCDEFGHI.5"},
      {"8o", "ff ff ff ff ff ff ff ff", "1777777777777777777777"},
  };
  for (const FormatCase& c : cases) {
    SCOPED_TRACE(std::string(c.hint) + " of " + c.octets);
    const std::string in = octets(c.octets);
    CTevAsnBuffer out, reason;
    ASSERT_EQ(tev_format_octets_hint(c.hint, bytes(in), in.size(), &out, &reason), ASN_OK)
        << text_of(reason);
    EXPECT_EQ(text_of(out), c.display);
  }
}

TEST(OctetHint, LongDisplaysGrowPastTheFirstBlock) {
  std::string hint;
  std::string expected;
  for (int i = 0; i < 60; ++i) {
    hint += "1d,";
    expected += "255,";
  }
  hint += "1x:";
  for (int i = 0; i < 40; ++i) expected += i == 0 ? "ff" : ":ff";
  const std::string in(100, '\xff');
  CTevAsnBuffer out;
  ASSERT_EQ(tev_format_octets_hint(hint.c_str(), bytes(in), in.size(), &out, nullptr), ASN_OK);
  EXPECT_EQ(text_of(out), expected);
}

struct ErrorCase {
  const char* hint;
  const char* octets;  // hex
  long code;
  const char* reason;  // part of the reason
};

TEST(OctetHint, MalformedHintsNameThePosition) {
  const ErrorCase cases[] = {
      {"", "01", ASN_E_HINT, "empty"},
      {"x", "01", ASN_E_HINT, "position 1: an octet length needs digits"},
      {"*x", "01", ASN_E_HINT, "position 2: an octet length needs digits"},
      {"1", "01", ASN_E_HINT, "position 2: no format"},
      {"1x:2q", "01", ASN_E_HINT, "position 5: unknown format 'q'"},
      {"1x:;", "01", ASN_E_HINT, "position 4: terminator ';' without a repeat"},
      {"9d", "01", ASN_E_HINT, "position 2: 'd' takes at most 8"},
      {"99999999999x", "01", ASN_E_HINT, "position 1: octet length above"},
      {"1d.0a", "01 02", ASN_E_HINT, "position 4: the last octet format takes no octets"},
      {"1d.1d;:", "01 02 03", ASN_E_HINT, "position 7: terminator ':' without a repeat"},
      {"1d.9d", "01 02", ASN_E_HINT, "position 5: 'd' takes at most 8"},
      {"1d.1d.1x:2q", "01 02", ASN_E_HINT, "position 11: unknown format 'q'"},
  };
  for (const ErrorCase& c : cases) {
    SCOPED_TRACE(c.hint);
    const std::string in = octets(c.octets);
    CTevAsnBuffer out, reason;
    out.assign_text("untouched");
    EXPECT_EQ(tev_format_octets_hint(c.hint, bytes(in), in.size(), &out, &reason), c.code);
    EXPECT_NE(text_of(reason).find(c.reason), std::string::npos) << text_of(reason);
    EXPECT_EQ(text_of(out), "untouched");
  }
}

struct ParseCase {
  const char* hint;
  const char* text;
  const char* octets;  // hex
};

TEST(OctetHint, ReadsTextBack) {
  const ParseCase cases[] = {
      {"1x:", "00:0C:29", "00 0c 29"},
      {"1x:", "", ""},
      {"2d-1d-1d,1d:1d:1d.1d,1a1d:1d", "1992-5-26,13:30:15.0,-4:0",
       "07 c8 05 1a 0d 1e 0f 00 2d 04 00"},
      {"1d.1d.1d.1d", "192.168.1.10", "c0 a8 01 0a"},
      {"255a", "public", "70 75 62 6c 69 63"},
      {"2x", "000c29", "00 0c 29"},  // two digits per octet
      {"2x:", "c:0c29", "0c 0c 29"},
      {"2d.", "5.256", "00 05 01 00"},  // numbers in full octet length
      {"4a1d", "abcd7", "61 62 63 64 07"},
      {"3t",
       "a\xe2\x82\xac"
       "b",
       "61 e2 82 ac 62"},  // a character is never split
  };
  for (const ParseCase& c : cases) {
    SCOPED_TRACE(std::string(c.hint) + " of " + c.text);
    CTevAsnBuffer out, reason;
    ASSERT_EQ(tev_parse_octets_hint(c.hint, c.text, std::string(c.text).size(), &out, &reason),
              ASN_OK)
        << text_of(reason);
    EXPECT_EQ(hex(text_of(out)), hex(octets(c.octets)));
  }
}

TEST(OctetHint, TextThatDoesNotFitNamesThePosition) {
  const struct {
    const char* hint;
    const char* text;
    long code;
    const char* reason;
  } cases[] = {
      {"1x:", "00:g0", ASN_E_HINT_TEXT, "text position 4: 'g' where a hexadecimal digit"},
      {"1x:", "00:", ASN_E_HINT_TEXT, "text position 3: the text ends after ':'"},
      {"1x:", "00-01", ASN_E_HINT_TEXT, "text position 3: '-' where the hint has ':'"},
      {"1x:", "00:0g", ASN_E_HINT_TEXT, "text position 5: 'g' where the hint has ':'"},
      {"1d.", "1.256", ASN_E_HINT_TEXT, "text position 3: the number does not fit 1 octet"},
      {"8d", "18446744073709551616", ASN_E_HINT_TEXT, "does not fit 8 octets"},
      {"1t", "\xe2\x82\xac", ASN_E_HINT_TEXT, "position 1: a character longer"},
      {"1d", "0004", ASN_E_HINT_TEXT,
       "text position 1: a number without a separator has a leading"},
      {"*1x:", "01", ASN_E_HINT_ONE_WAY, "hint position 1: a repeat indicator"},
      {"1d1d", "12", ASN_E_HINT_ONE_WAY, "hint position 1: a number without a separator"},
      {"1q", "1", ASN_E_HINT, "hint position 2"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.hint) + " of " + c.text);
    CTevAsnBuffer out, reason;
    EXPECT_EQ(tev_parse_octets_hint(c.hint, c.text, std::string(c.text).size(), &out, &reason),
              c.code);
    EXPECT_NE(text_of(reason).find(c.reason), std::string::npos) << text_of(reason);
  }
}

TEST(IntegerHint, FormatsByRfc2579Rules) {
  const struct {
    const char* hint;
    long long value;
    const char* display;
  } cases[] = {
      {"d", 1234, "1234"},
      {"d-2", 1234, "12.34"},
      {"d-2", 5, "0.05"},
      {"d-2", -1234, "-12.34"},
      {"d-2", -5, "-0.05"},
      {"d-1", 0, "0.0"},
      {"x", 255, "ff"},
      {"x", -255, "-ff"},
      {"o", 8, "10"},
      {"b", 5, "101"},
      {"b", 0, "0"},
      {"d", LLONG_MIN, "-9223372036854775808"},
      {"x", LLONG_MIN, "-8000000000000000"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.hint) + " of " + std::to_string(c.value));
    CTevAsnBuffer out;
    ASSERT_EQ(tev_format_integer_hint(c.hint, c.value, &out, nullptr), ASN_OK);
    EXPECT_EQ(text_of(out), c.display);
  }
}

TEST(IntegerHint, MalformedHintsNameThePosition) {
  const struct {
    const char* hint;
    const char* reason;
  } cases[] = {
      {"", "empty"},        {"q", "position 1"},    {"x-2", "position 2"},    {"d2", "position 2"},
      {"d-", "position 3"}, {"d-2x", "position 4"}, {"d-65", "more than 64"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.hint);
    CTevAsnBuffer out, reason;
    EXPECT_EQ(tev_format_integer_hint(c.hint, 1, &out, &reason), ASN_E_HINT);
    EXPECT_NE(text_of(reason).find(c.reason), std::string::npos) << text_of(reason);
  }
}

TEST(OctetRendering, IsTheCallersChoice) {
  const struct {
    const char* octets;  // hex
    ETevOctetsAs as;
    const char* shown;
  } cases[] = {
      {"61 62", TEV_OCTETS_HEX, "61:62"},
      {"61 62", TEV_OCTETS_AUTO, "ab"},
      {"61 62 0d", TEV_OCTETS_AUTO, "61:62:0d"},
      {"00 0c 29 5c e9", TEV_OCTETS_TEXT, "\\x00\\x0c)\\\\\xe9"},  // escaped
      {"5c 61", TEV_OCTETS_AUTO, "\\\\a"},
      {"", TEV_OCTETS_HEX, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.octets) + " as " + std::to_string(c.as));
    const std::string in = octets(c.octets);
    CTevAsnBuffer out;
    ASSERT_EQ(tev_format_octets(bytes(in), in.size(), c.as, &out), ASN_OK);
    EXPECT_EQ(text_of(out), c.shown);
  }
  CTevAsnBuffer out;
  EXPECT_EQ(tev_format_octets(bytes("a"), 1, static_cast<ETevOctetsAs>(7), &out),
            ASN_E_INVALID_ARGUMENT);
}

TEST(OctetRendering, AppliesToValuesWithOctetsOnly) {
  TevAsnValuePtr text(tev_create_asn_value("ab\r", ASN_OCTET_STRING, nullptr));
  TevAsnValuePtr number(tev_create_asn_value("42", ASN_INTEGER, nullptr));
  CTevAsnBuffer out;
  ASSERT_EQ(tev_format_value(text.get(), TEV_OCTETS_AUTO, &out), ASN_OK);
  EXPECT_EQ(text_of(out), "61:62:0d");
  ASSERT_EQ(tev_format_value(text.get(), TEV_OCTETS_TEXT, &out), ASN_OK);
  EXPECT_EQ(text_of(out), "ab\\x0d");
  ASSERT_EQ(tev_format_value(number.get(), TEV_OCTETS_HEX, &out), ASN_OK);
  EXPECT_EQ(text_of(out), "42");
}

TEST(Display, RefusesNullArguments) {
  CTevAsnBuffer out;
  EXPECT_EQ(tev_format_octets_hint(nullptr, bytes(""), 0, &out, nullptr), ASN_E_INVALID_ARGUMENT);
  EXPECT_EQ(tev_format_octets_hint("1x", nullptr, 1, &out, nullptr), ASN_E_INVALID_ARGUMENT);
  EXPECT_EQ(tev_parse_octets_hint("1x", "00", 2, nullptr, nullptr), ASN_E_INVALID_ARGUMENT);
  EXPECT_EQ(tev_format_integer_hint(nullptr, 1, &out, nullptr), ASN_E_INVALID_ARGUMENT);
  EXPECT_EQ(tev_format_tc("MacAddress", nullptr, 6, &out, nullptr), ASN_E_INVALID_ARGUMENT);
  EXPECT_EQ(tev_format_value(nullptr, TEV_OCTETS_AUTO, &out), ASN_E_INVALID_ARGUMENT);
  EXPECT_EQ(tev_wrap_opaque(nullptr, &out), ASN_E_INVALID_ARGUMENT);
}

}  // namespace
