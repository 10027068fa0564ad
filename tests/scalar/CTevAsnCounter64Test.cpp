// Counter64: the 64-bit number in two halves, its text both ways.
#include <gtest/gtest.h>

#include "ScalarTestUtil.h"

using namespace NTevAsnValue;
using namespace scalar_test;

namespace {

ValuePtr make_counter64(unsigned long high, unsigned long low) {
  long err = 1;
  ValuePtr v(tev_create_asn_counter_64(high, low, &err));
  EXPECT_EQ(err, ASN_OK);
  return v;
}

}  // namespace

TEST(Counter64Value, TextIsTheWholeNumberInDecimal) {
  const struct {
    unsigned long high, low;
    const char* text;
  } rows[] = {
      {0, 0, "0"},
      {0, 5, "5"},
      {0, 0xFFFFFFFFUL, "4294967295"},
      {1, 0, "4294967296"},
      {0xFFFFFFFFUL, 0xFFFFFFFFUL, "18446744073709551615"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.text);
    ValuePtr v = make_counter64(row.high, row.low);
    ASSERT_NE(v, nullptr);
    EXPECT_EQ(text_of(*v), row.text);
    ValuePtr back = make_value(ASN_COUNTER_64);
    EXPECT_EQ(back->set_text(row.text), ASN_OK);
    EXPECT_EQ(back->get_high(nullptr), row.high);
    EXPECT_EQ(back->get_low(nullptr), row.low);
  }
}

TEST(Counter64Value, SetTextAcceptsDigitsOnlyAndKeepsThoseBeforeAFault) {
  struct Row {
    const char* text;
    long code;
    unsigned long high, low;
  };
  const Row rows[] = {
      {"", ASN_OK, 0, 0},
      {"2147483648", ASN_OK, 0, 2147483648UL},
      {"4294967296", ASN_OK, 1, 0},
      {"-1", ASN_E_INVALID_ARGUMENT, 0, 0},
      {" +7x", ASN_E_INVALID_ARGUMENT, 0, 0},
      {"+7", ASN_E_INVALID_ARGUMENT, 0, 0},
      {"abc", ASN_E_INVALID_ARGUMENT, 0, 0},
      {"12a", ASN_E_INVALID_ARGUMENT, 0, 12},
      {"12\x80", ASN_E_INVALID_ARGUMENT, 0, 12},
      // 1844674407370955161 = 0x1999999999999999; the final 6 would overflow.
      {"18446744073709551616", ASN_E_INVALID_ARGUMENT, 0x19999999UL, 0x99999999UL},
      {"184467440737095516150", ASN_E_INVALID_ARGUMENT, 0xFFFFFFFFUL, 0xFFFFFFFFUL},
      {nullptr, ASN_E_INVALID_ARGUMENT, 3, 4},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.text ? row.text : "(null)");
    ValuePtr v = make_counter64(3, 4);
    EXPECT_EQ(v->set_text(row.text), row.code);
    EXPECT_EQ(v->get_high(nullptr), row.high);
    EXPECT_EQ(v->get_low(nullptr), row.low);
  }
}

TEST(Counter64Value, HalvesAreSetAndReadSeparately) {
  ValuePtr v = make_counter64(1, 2);
  EXPECT_EQ(v->get_ulong(nullptr), 2UL);  // the high half is dropped silently
  EXPECT_EQ(v->set_low(7), ASN_OK);
  EXPECT_EQ(v->get_high(nullptr), 1UL);
  EXPECT_EQ(v->set_high(9), ASN_OK);
  EXPECT_EQ(v->get_low(nullptr), 7UL);
  EXPECT_EQ(v->set_ulong(5), ASN_OK);
  EXPECT_EQ(v->get_high(nullptr), 0UL);
  EXPECT_EQ(v->get_low(nullptr), 5UL);
}

TEST(Counter64Value, HalvesPast32BitsAreRefused) {
  if (!kWideLong) GTEST_SKIP() << "unsigned long is 32 bits here";
  const auto wide = static_cast<unsigned long>(0x100000000ULL);
  ValuePtr v = make_counter64(1, 2);
  EXPECT_EQ(v->set_high(wide), ASN_E_INVALID_ARGUMENT);
  EXPECT_EQ(v->set_low(wide), ASN_E_INVALID_ARGUMENT);
  EXPECT_EQ(v->set_ulong(wide), ASN_E_INVALID_ARGUMENT);
  EXPECT_EQ(v->get_high(nullptr), 1UL);
  EXPECT_EQ(v->get_low(nullptr), 2UL);
}

TEST(Counter64Value, ComparesAndCopiesBothHalves) {
  ValuePtr v = make_counter64(1, 2);
  EXPECT_TRUE(v->is_equal(make_counter64(1, 2).get()));
  EXPECT_FALSE(v->is_equal(make_counter64(0, 2).get()));
  EXPECT_FALSE(v->is_equal(make_counter64(1, 3).get()));
  ValuePtr low_only = make_counter64(0, 2);
  EXPECT_EQ(low_only->assign(v.get()), ASN_OK);
  EXPECT_EQ(low_only->get_high(nullptr), 1UL);
}

TEST(Counter64Value, TakesOneSubIdentifierYetHasNoIndexEncoding) {
  ValuePtr v = make_counter64(0, 1);
  EXPECT_EQ(v->get_count(), 1UL);
  EXPECT_EQ(v->get_oid_length(0), 1UL);
  OidPtr oid = make_oid("1.3");
  ASSERT_NE(oid, nullptr);
  EXPECT_EQ(v->append_to_oid(oid.get(), 0), ASN_E_NOT_SUPPORTED);
  EXPECT_EQ(v->assign_to_oid(oid.get(), 0), ASN_E_NOT_SUPPORTED);
  EXPECT_EQ(v->set_from_oid(oid.get(), 0, 0), ASN_E_NOT_SUPPORTED);
  EXPECT_EQ(text_of(*oid), "1.3");
  EXPECT_EQ(v->get_low(nullptr), 1UL);
}
