// Walk order: numeric comparison of sub-identifiers.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "TevAsnTable.h"
#include "TevAsnValue.h"
#include "TevAsnValuePtr.h"

namespace {

struct OrderCase {
  std::vector<std::uint32_t> a;
  std::vector<std::uint32_t> b;
  long relation;
};

TEST(WalkOrder, ComparesSubIdentifiersAsNumbers) {
  const OrderCase cases[] = {
      {{1, 3, 6}, {1, 3, 6}, 0}, {{}, {}, 0},
      {{1, 3}, {1, 3, 6}, 1},    {{}, {1}, 1},
      {{1, 3, 6, 1}, {1, 3}, 2}, {{1, 9}, {1, 10}, 3},  // character order would put 1.10 first
      {{1, 10}, {1, 9}, 4},      {{1, 4294967295U}, {1, 4294967294U}, 4},
      {{2}, {1, 100}, 4},
  };
  for (const OrderCase& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.a) + " vs " + testing::PrintToString(c.b));
    EXPECT_EQ(tev_compare_sub_ids(c.a.data(), static_cast<unsigned long>(c.a.size()), c.b.data(),
                                  static_cast<unsigned long>(c.b.size())),
              c.relation);
  }
}

TEST(WalkOrder, RefusesNullWithCount) {
  const std::uint32_t one[] = {1};
  EXPECT_EQ(tev_compare_sub_ids(nullptr, 1, one, 1), -1);
  EXPECT_EQ(tev_compare_sub_ids(one, 1, nullptr, 1), -1);
  EXPECT_EQ(tev_compare_sub_ids(nullptr, 0, one, 1), 1);
}

TEST(WalkOrder, OrdersObjectIdentifiersByValueWhereCompareUsesCharacters) {
  TevAsnObjectIdPtr nine(tev_create_asn_object_id("1.3.6.1.9", nullptr));
  TevAsnObjectIdPtr ten(tev_create_asn_object_id("1.3.6.1.10", nullptr));
  long err = -1;
  EXPECT_EQ(tev_compare_walk_order(nine.get(), ten.get(), &err), 3);
  EXPECT_EQ(err, NTevAsnValue::ASN_OK);
  EXPECT_EQ(nine->compare(ten.get(), nullptr), 4);
  TevAsnObjectIdPtr bad(tev_create_asn_object_id(nullptr));
  ASSERT_EQ(bad->set_text("1..2"), NTevAsnValue::ASN_OK);
  EXPECT_EQ(tev_compare_walk_order(nine.get(), bad.get(), &err), -1);
  EXPECT_EQ(err, NTevAsnValue::ASN_E_INVALID_ARGUMENT);
  EXPECT_EQ(tev_compare_walk_order(nullptr, ten.get(), &err), -1);
}

}  // namespace
