#include <gtest/gtest.h>

#include "TevAsnValue.h"

TEST(Creation, NullValueThroughSharedLibrary) {
  long err = 1;
  ITevAsnValue* v = tev_create_asn_value(NTevAsnValue::ASN_NULL, &err);
  ASSERT_NE(v, nullptr);
  EXPECT_EQ(err, 0);
  v->release();
}
