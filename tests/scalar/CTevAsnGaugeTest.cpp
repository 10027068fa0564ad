// Gauge32, Counter32 and TimeTicks: one implementation, so one set of tests
// swept over the three types.
#include <gtest/gtest.h>

#include "ScalarTestUtil.h"
#include "framework/TevAsnConstants.h"

using namespace NTevAsnValue;
using namespace scalar_test;

namespace {

const EAsnType kUnsignedTypes[] = {ASN_COUNTER, ASN_GAUGE, ASN_TIME_TICKS};

constexpr unsigned long kUnchanged = 123;  // the value each row starts from

}  // namespace

TEST(UnsignedValues, SetTextReadsLikeAtolWithinThe32BitPatternRange) {
  struct Row {
    const char* text;
    long code;
    unsigned long value;
  };
  const Row rows[] = {
      {"0", ASN_OK, 0},
      {"2147483647", ASN_OK, 2147483647},
      {"2147483648", ASN_OK, 2147483648},
      {"4294967295", ASN_OK, 4294967295},
      {"4294967296", ASN_E_INVALID_ARGUMENT, kUnchanged},
      {"-1", ASN_OK, 4294967295},
      {"-2147483648", ASN_OK, 2147483648},
      {"-2147483649", ASN_E_INVALID_ARGUMENT, kUnchanged},
      {"99999999999999999999999", ASN_E_INVALID_ARGUMENT, kUnchanged},
      {" +7x", ASN_OK, 7},
      {"  42xyz", ASN_OK, 42},
      {"", ASN_OK, 0},
      {"abc", ASN_OK, 0},
      {nullptr, ASN_E_INVALID_ARGUMENT, kUnchanged},
  };
  for (EAsnType type : kUnsignedTypes) {
    for (const Row& row : rows) {
      SCOPED_TRACE(testing::Message()
                   << "type " << type << " text " << (row.text ? row.text : "(null)"));
      ValuePtr v = make_value(type);
      ASSERT_NE(v, nullptr);
      ASSERT_EQ(v->set_ulong(kUnchanged), ASN_OK);
      EXPECT_EQ(v->set_text(row.text), row.code);
      EXPECT_EQ(v->get_ulong(nullptr), row.value);
    }
  }
}

TEST(UnsignedValues, TextIsUnsignedDecimal) {
  const unsigned long numbers[] = {0, 7, 2147483648UL, 4294967295UL};
  const char* const texts[] = {"0", "7", "2147483648", "4294967295"};
  for (EAsnType type : kUnsignedTypes) {
    for (int i = 0; i < 4; ++i) {
      SCOPED_TRACE(testing::Message() << "type " << type << " number " << numbers[i]);
      ValuePtr v = make_value(type);
      ASSERT_EQ(v->set_ulong(numbers[i]), ASN_OK);
      EXPECT_EQ(text_of(*v), texts[i]);
    }
  }
}

TEST(UnsignedValues, TheThreeTypesNeverMixThoughTheyShareTheGaugeClassId) {
  for (EAsnType a : kUnsignedTypes) {
    for (EAsnType b : kUnsignedTypes) {
      SCOPED_TRACE(testing::Message() << "types " << a << " and " << b);
      ValuePtr x = make_value(a);
      ValuePtr y = make_value(b);
      ASSERT_EQ(x->set_ulong(5), ASN_OK);
      ASSERT_EQ(y->set_ulong(9), ASN_OK);
      void* as_gauge = nullptr;
      y->query_class(tev_core::kClassIdGauge, &as_gauge);
      EXPECT_NE(as_gauge, nullptr);
      if (a == b) {
        EXPECT_FALSE(x->is_equal(y.get()));
        EXPECT_EQ(x->assign(y.get()), ASN_OK);
        EXPECT_TRUE(x->is_equal(y.get()));
      } else {
        EXPECT_EQ(x->assign(y.get()), ASN_E_INVALID_ARGUMENT);
        EXPECT_EQ(x->get_ulong(nullptr), 5UL);
        ASSERT_EQ(x->set_ulong(9), ASN_OK);
        EXPECT_FALSE(x->is_equal(y.get()));
      }
    }
  }
}

TEST(UnsignedValues, IndexIsTheNumberAsOneSubIdentifier) {
  for (EAsnType type : kUnsignedTypes) {
    for (long implied : {0L, 1L}) {
      SCOPED_TRACE(testing::Message() << "type " << type << " implied " << implied);
      ValuePtr v = make_value(type);
      ASSERT_EQ(v->set_ulong(4294967295UL), ASN_OK);
      OidPtr oid = make_oid("1.3");
      ASSERT_NE(oid, nullptr);
      EXPECT_EQ(v->append_to_oid(oid.get(), implied), ASN_OK);
      EXPECT_EQ(text_of(*oid), "1.3.4294967295");
      EXPECT_EQ(v->assign_to_oid(oid.get(), implied), ASN_OK);
      EXPECT_EQ(text_of(*oid), "4294967295");

      ValuePtr back = make_value(type);
      EXPECT_EQ(back->set_from_oid(oid.get(), implied, 0), ASN_OK);
      EXPECT_EQ(back->get_ulong(nullptr), 4294967295UL);
    }
  }
}

TEST(UnsignedValues, IndexOperationsRefuseNullAndPassOnReadErrors) {
  for (EAsnType type : kUnsignedTypes) {
    SCOPED_TRACE(type);
    ValuePtr v = make_value(type);
    ASSERT_EQ(v->set_ulong(kUnchanged), ASN_OK);
    EXPECT_EQ(v->append_to_oid(nullptr, 0), ASN_E_INVALID_ARGUMENT);
    EXPECT_EQ(v->assign_to_oid(nullptr, 0), ASN_E_INVALID_ARGUMENT);
    EXPECT_EQ(v->set_from_oid(nullptr, 0, 0), ASN_E_INVALID_ARGUMENT);
    EXPECT_EQ(v->get_ulong(nullptr), kUnchanged);

    OidPtr empty = make_oid("");
    ASSERT_NE(empty, nullptr);
    long read_error = ASN_OK;
    empty->get_at(0, &read_error);
    EXPECT_NE(read_error, ASN_OK);
    EXPECT_EQ(v->set_from_oid(empty.get(), 0, 0), read_error);
    EXPECT_EQ(v->get_ulong(nullptr), 0xFFFFFFFFUL);
  }
}
