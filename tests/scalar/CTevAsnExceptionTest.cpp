// The exception values: identity by tag, nothing else.
#include <gtest/gtest.h>

#include "ForeignValue.h"
#include "ScalarTestUtil.h"

using namespace NTevAsnValue;
using namespace scalar_test;

namespace {

const EAsnType kExceptionTypes[] = {ASN_NO_SUCH_OBJECT, ASN_NO_SUCH_INSTANCE, ASN_END_OF_MIB_VIEW};

}  // namespace

TEST(ExceptionValue, EqualAndAssignableExactlyWhenTheTagsMatch) {
  for (EAsnType a : kExceptionTypes) {
    for (EAsnType b : kExceptionTypes) {
      SCOPED_TRACE(testing::Message() << "tags " << a << " and " << b);
      ValuePtr x = make_value(a);
      ValuePtr y = make_value(b);
      ASSERT_NE(x, nullptr);
      EXPECT_EQ(x->is_equal(y.get()), a == b);
      EXPECT_EQ(x->assign(y.get()), a == b ? ASN_OK : ASN_E_INVALID_ARGUMENT);
      EXPECT_EQ(x->get_type(), a);
    }
  }
}

TEST(ExceptionValue, AllTagsShareOneClassIdAndTakeNoIndexPlace) {
  for (EAsnType type : kExceptionTypes) {
    SCOPED_TRACE(type);
    ValuePtr v = make_value(type);
    void* out = nullptr;
    v->query_class(0xF000FF01UL, &out);
    EXPECT_NE(out, nullptr);
    v->query_class(0xF0000000UL + type, &out);
    EXPECT_EQ(out, nullptr);
    EXPECT_EQ(v->get_count(), 0UL);
    EXPECT_EQ(v->get_oid_length(0), 0UL);
    EXPECT_EQ(v->get_oid_length(1), 0UL);
  }
}

TEST(ExceptionValue, AssignFromAForeignImplementationIsRefused) {
  ValuePtr v = make_value(ASN_NO_SUCH_OBJECT);
  ForeignValue foreign(ASN_NO_SUCH_OBJECT);
  EXPECT_EQ(v->assign(&foreign), ASN_E_INVALID_ARGUMENT);
  EXPECT_EQ(v->get_type(), ASN_NO_SUCH_OBJECT);
  EXPECT_TRUE(v->is_equal(&foreign));  // equality asks only for the type
}
