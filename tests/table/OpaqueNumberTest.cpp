// Numbers wrapped in Opaque values: read, shown and written back.
#include <gtest/gtest.h>

#include <string>

#include "DisplayTestUtil.h"
#include "TevAsnDisplay.h"

using namespace NTevAsnValue;
using namespace display_test;

namespace {

// Each row's octets are the shortest encoding, so wrapping the number read
// gives them back.
TEST(OpaqueNumber, ShowsAndWritesBack) {
  const struct {
    const char* octets;  // hex
    const char* shown;
  } cases[] = {
      {"9f 78 04 3e 19 99 9a", "float 0.15"},
      {"9f 78 04 c0 49 0f db", "float -3.1415927"},
      {"9f 78 04 7f 80 00 00", "float inf"},
      {"9f 79 08 3f c3 33 33 33 33 33 33", "double 0.15"},
      {"9f 79 08 3f b9 99 99 99 99 99 9a", "double 0.1"},
      {"9f 76 01 00", "counter64 0"},
      {"9f 76 09 00 ff ff ff ff ff ff ff ff", "counter64 18446744073709551615"},
      {"9f 7b 02 00 80", "uint64 128"},
      {"9f 7a 01 ff", "int64 -1"},
      {"9f 7a 01 80", "int64 -128"},
      {"9f 7a 02 ff 7f", "int64 -129"},
      {"9f 7a 01 7f", "int64 127"},
      {"9f 7a 08 80 00 00 00 00 00 00 00", "int64 -9223372036854775808"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.octets);
    const std::string in = octets(c.octets);
    CTevAsnBuffer out, wrapped, reason;
    ASSERT_EQ(tev_format_opaque(bytes(in), in.size(), &out, &reason), ASN_OK) << text_of(reason);
    EXPECT_EQ(text_of(out), c.shown);
    TevOpaqueNumber number;
    ASSERT_EQ(tev_unwrap_opaque(bytes(in), in.size(), &number, nullptr), ASN_OK);
    ASSERT_EQ(tev_wrap_opaque(&number, &wrapped), ASN_OK);
    EXPECT_EQ(hex(text_of(wrapped)), hex(in));
  }
}

TEST(OpaqueNumber, ReadsLongerIntegerForms) {
  const std::string in = octets("9f 7a 03 ff ff fe");
  TevOpaqueNumber number;
  ASSERT_EQ(tev_unwrap_opaque(bytes(in), in.size(), &number, nullptr), ASN_OK);
  EXPECT_EQ(number.kind, TEV_OPAQUE_INTEGER64);
  EXPECT_EQ(number.signed_value, -2);
}

TEST(OpaqueNumber, AnythingElseIsNotAWrappedNumber) {
  const char* const cases[] = {
      "",
      "04 01 02",
      "9f 77 01 00",                          // not a number kind
      "9f 78 03 00 00 00",                    // a float of 3 octets
      "9f 78 04 00 00 00",                    // fewer octets than the length says
      "9f 79 08 00 00 00 00 00 00 00 00 00",  // more
      "9f 76 00",                             // no octets
      "9f 7a 09 00 00 00 00 00 00 00 00 01",
      "9f 7b 09 01 00 00 00 00 00 00 00 00",  // beyond 64 bits
  };
  for (const char* c : cases) {
    SCOPED_TRACE(c);
    const std::string in = octets(c);
    CTevAsnBuffer out, reason;
    EXPECT_EQ(tev_format_opaque(bytes(in), in.size(), &out, &reason), ASN_E_NOT_WRAPPED);
    EXPECT_EQ(text_of(reason).rfind("not a wrapped number", 0), 0U) << text_of(reason);
  }
}

TEST(OpaqueNumber, RefusesAnUnknownKind) {
  TevOpaqueNumber number;
  number.kind = static_cast<ETevOpaqueKind>(0x77);
  CTevAsnBuffer out;
  EXPECT_EQ(tev_wrap_opaque(&number, &out), ASN_E_INVALID_ARGUMENT);
}

}  // namespace
