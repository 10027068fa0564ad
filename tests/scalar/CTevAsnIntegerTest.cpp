// INTEGER: the signed 32-bit number, its text and its index pattern.
#include <gtest/gtest.h>

#include "ScalarTestUtil.h"

using namespace NTevAsnValue;
using namespace scalar_test;

namespace {

constexpr long kUnchanged = 123;  // the value each row starts from

ValuePtr make_integer(long number) {
  ValuePtr v = make_value(ASN_INTEGER);
  EXPECT_EQ(v->set_long(number), ASN_OK);
  return v;
}

}  // namespace

TEST(IntegerValue, SetTextReadsLikeAtolWithinTheSigned32BitRange) {
  struct Row {
    const char* text;
    long code;
    long value;
  };
  const Row rows[] = {
      {"0", ASN_OK, 0},
      {"2147483647", ASN_OK, 2147483647L},
      {"2147483648", ASN_E_INVALID_ARGUMENT, kUnchanged},
      {"4294967295", ASN_E_INVALID_ARGUMENT, kUnchanged},
      {"4294967296", ASN_E_INVALID_ARGUMENT, kUnchanged},
      {"-1", ASN_OK, -1},
      {"-2147483648", ASN_OK, -2147483647L - 1},
      {"-2147483649", ASN_E_INVALID_ARGUMENT, kUnchanged},
      {" +7x", ASN_OK, 7},
      {"\t-42xyz", ASN_OK, -42},
      {"", ASN_OK, 0},
      {"abc", ASN_OK, 0},
      {nullptr, ASN_E_INVALID_ARGUMENT, kUnchanged},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.text ? row.text : "(null)");
    ValuePtr v = make_integer(kUnchanged);
    EXPECT_EQ(v->set_text(row.text), row.code);
    EXPECT_EQ(v->get_long(nullptr), row.value);
  }
}

TEST(IntegerValue, TextIsSignedDecimal) {
  const struct {
    long number;
    const char* text;
  } rows[] = {{0, "0"}, {-1, "-1"}, {2147483647L, "2147483647"}, {-2147483647L - 1, "-2147483648"}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.text);
    EXPECT_EQ(text_of(*make_integer(row.number)), row.text);
  }
}

TEST(IntegerValue, SetLongRefusesNumbersPast32Bits) {
  if (!kWideLong) GTEST_SKIP() << "long is 32 bits here";
  ValuePtr v = make_integer(kUnchanged);
  EXPECT_EQ(v->set_long(static_cast<long>(2147483648LL)), ASN_E_INVALID_ARGUMENT);
  EXPECT_EQ(v->set_long(static_cast<long>(-2147483649LL)), ASN_E_INVALID_ARGUMENT);
  EXPECT_EQ(v->get_long(nullptr), kUnchanged);
}

TEST(IntegerValue, EqualityAndAssignCarryTheSign) {
  ValuePtr integer = make_integer(5);
  ValuePtr negative = make_integer(-5);
  EXPECT_FALSE(integer->is_equal(negative.get()));
  EXPECT_EQ(integer->assign(negative.get()), ASN_OK);
  EXPECT_EQ(integer->get_long(nullptr), -5L);
  EXPECT_TRUE(integer->is_equal(negative.get()));
}

TEST(IntegerValue, IndexIsThe32BitPatternAndReadsBackSigned) {
  const struct {
    long number;
    const char* sub_id;
  } rows[] = {{-1, "4294967295"}, {-2147483647L - 1, "2147483648"}, {2147483647L, "2147483647"}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.number);
    ValuePtr v = make_integer(row.number);
    OidPtr oid = make_oid("1.3");
    ASSERT_NE(oid, nullptr);
    EXPECT_EQ(v->append_to_oid(oid.get(), 0), ASN_OK);
    EXPECT_EQ(text_of(*oid), std::string("1.3.") + row.sub_id);
    EXPECT_EQ(v->assign_to_oid(oid.get(), 1), ASN_OK);
    EXPECT_EQ(text_of(*oid), row.sub_id);
    ValuePtr back = make_value(ASN_INTEGER);
    EXPECT_EQ(back->set_from_oid(oid.get(), 0, 0), ASN_OK);
    EXPECT_EQ(back->get_long(nullptr), row.number);
  }
}

TEST(IntegerValue, SetFromEmptyOidLeavesMinusOneAndTheReadError) {
  ValuePtr v = make_integer(kUnchanged);
  EXPECT_EQ(v->set_from_oid(nullptr, 0, 0), ASN_E_INVALID_ARGUMENT);
  EXPECT_EQ(v->get_long(nullptr), kUnchanged);
  OidPtr empty = make_oid("");
  ASSERT_NE(empty, nullptr);
  long read_error = ASN_OK;
  empty->get_at(0, &read_error);
  EXPECT_NE(read_error, ASN_OK);
  EXPECT_EQ(v->set_from_oid(empty.get(), 1, 0xFFFFFFFFUL), read_error);
  EXPECT_EQ(v->get_long(nullptr), -1L);
}
