// The exception values: identity by tag, nothing else.
#include <gtest/gtest.h>

#include "ScalarTestUtil.h"

using namespace NTevAsnValue;
using namespace scalar_test;

namespace {

const EAsnType kExceptionTypes[] = {ASN_NO_SUCH_OBJECT, ASN_NO_SUCH_INSTANCE, ASN_END_OF_MIB_VIEW};

// A value from another implementation that reports an exception type but is
// not the library's exception class: it answers no class id, and every other
// operation refuses. (It implements the interface itself: the library's
// classes are built without run-time type information, so a test cannot
// derive from them.)
class ForeignException final : public ITevAsnValue {
 public:
  long accept(ITevAsnValueVisitor*) override { return ASN_E_NOT_SUPPORTED; }
  void release() override {}
  ITevAsnValue* clone(long*) const override { return nullptr; }
  long assign(const ITevAsnValue*) override { return ASN_E_NOT_SUPPORTED; }
  void clear() override {}
  EAsnType get_type() const override { return ASN_NO_SUCH_OBJECT; }
  bool is_equal(const ITevAsnValue*) const override { return false; }
  ITevAsnObjectID* query_object_id() override { return nullptr; }
  void query_class(unsigned long, void** out) const override {
    if (out != nullptr) *out = nullptr;
  }
  bool is_valid() const override { return true; }
  long get_long(long*) const override { return -1; }
  unsigned long get_ulong(long*) const override { return 0xFFFFFFFFUL; }
  CTevAsnBuffer* to_text(long*) const override { return nullptr; }
  long to_text_into(CTevAsnBuffer*) const override { return ASN_E_NOT_SUPPORTED; }
  const unsigned char* get_octets(unsigned long*, long*) const override { return nullptr; }
  CTevAsnBuffer* to_octets(long*) const override { return nullptr; }
  long to_octets_into(CTevAsnBuffer*) const override { return ASN_E_NOT_SUPPORTED; }
  unsigned short get_port(long*) const override { return 0xFFFF; }
  unsigned long get_high(long*) const override { return 0xFFFFFFFFUL; }
  unsigned long get_low(long*) const override { return 0xFFFFFFFFUL; }
  long set_long(long) override { return ASN_E_NOT_SUPPORTED; }
  long set_ulong(unsigned long) override { return ASN_E_NOT_SUPPORTED; }
  long set_text(const char*) override { return ASN_E_NOT_SUPPORTED; }
  long set_text_from(const CTevAsnBuffer*) override { return ASN_E_NOT_SUPPORTED; }
  long set_octets(const unsigned char*, unsigned long) override { return ASN_E_NOT_SUPPORTED; }
  long set_octets_from(const CTevAsnBuffer*) override { return ASN_E_NOT_SUPPORTED; }
  long set_port(unsigned short) override { return ASN_E_NOT_SUPPORTED; }
  long set_high(unsigned long) override { return ASN_E_NOT_SUPPORTED; }
  long set_low(unsigned long) override { return ASN_E_NOT_SUPPORTED; }
  unsigned long get_count() const override { return 0; }
  unsigned long get_oid_length(long) const override { return 0; }
  unsigned long get_at(unsigned long, long*) const override { return 0xFFFFFFFFUL; }
  long append_to_oid(ITevAsnObjectID*, long) const override { return ASN_E_NOT_SUPPORTED; }
  long assign_to_oid(ITevAsnObjectID*, long) const override { return ASN_E_NOT_SUPPORTED; }
  long set_from_oid(const ITevAsnObjectID*, long, unsigned long) override {
    return ASN_E_NOT_SUPPORTED;
  }
};

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
  ForeignException foreign;
  EXPECT_EQ(v->assign(&foreign), ASN_E_INVALID_ARGUMENT);
  EXPECT_EQ(v->get_type(), ASN_NO_SUCH_OBJECT);
  EXPECT_TRUE(v->is_equal(&foreign));  // equality asks only for the type
}
