// The NULL value, and through it every refusing default of the value base.
#include <gtest/gtest.h>

#include "RecordingVisitor.h"
#include "framework/CTevAsnNull.h"
#include "framework/TevAsnConstants.h"

using namespace NTevAsnValue;

namespace {

struct NullValue : ::testing::Test {
  void SetUp() override {
    long err = 1;
    value = tev_create_asn_value(ASN_NULL, &err);
    ASSERT_NE(value, nullptr);
    ASSERT_EQ(err, ASN_OK);
  }
  void TearDown() override {
    if (value != nullptr) value->release();
  }
  ITevAsnValue* value = nullptr;
};

}  // namespace

TEST_F(NullValue, GettersRefuseWithTheirFailureValues) {
  struct Row {
    const char* name;
    unsigned long (*get)(ITevAsnValue*, long*);
    unsigned long failure;
  };
  const Row rows[] = {
      {"get_long",
       [](ITevAsnValue* v, long* e) { return static_cast<unsigned long>(v->get_long(e)); },
       static_cast<unsigned long>(-1L)},
      {"get_ulong", [](ITevAsnValue* v, long* e) { return v->get_ulong(e); }, 0xFFFFFFFFUL},
      {"get_high", [](ITevAsnValue* v, long* e) { return v->get_high(e); }, 0xFFFFFFFFUL},
      {"get_low", [](ITevAsnValue* v, long* e) { return v->get_low(e); }, 0xFFFFFFFFUL},
      {"get_at", [](ITevAsnValue* v, long* e) { return v->get_at(0, e); }, 0xFFFFFFFFUL},
      {"get_port",
       [](ITevAsnValue* v, long* e) { return static_cast<unsigned long>(v->get_port(e)); },
       0xFFFFUL},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    long err = 0;
    EXPECT_EQ(row.get(value, &err), row.failure);
    EXPECT_EQ(err, ASN_E_NOT_SUPPORTED);
    EXPECT_EQ(row.get(value, nullptr), row.failure);
  }
  unsigned long length = 77;
  long err = 0;
  EXPECT_EQ(value->get_octets(&length, &err), nullptr);
  EXPECT_EQ(err, ASN_E_NOT_SUPPORTED);
  EXPECT_EQ(length, 77UL);
  EXPECT_EQ(value->get_octets(nullptr, nullptr), nullptr);
}

TEST_F(NullValue, SettersAndIndexOperationsRefuse) {
  CTevAsnBuffer empty;
  CTevAsnBuffer text;
  ASSERT_EQ(text.assign_text("1"), ASN_OK);
  const unsigned char octet = 1;
  struct Row {
    const char* name;
    long code;
    long expected;
  };
  const Row rows[] = {
      {"set_long", value->set_long(1), ASN_E_NOT_SUPPORTED},
      {"set_ulong", value->set_ulong(1), ASN_E_NOT_SUPPORTED},
      {"set_text", value->set_text("1"), ASN_E_NOT_SUPPORTED},
      {"set_text(null)", value->set_text(nullptr), ASN_E_NOT_SUPPORTED},
      {"set_text_from(empty)", value->set_text_from(&empty), ASN_E_NOT_SUPPORTED},
      {"set_text_from(text)", value->set_text_from(&text), ASN_E_NOT_SUPPORTED},
      {"set_text_from(null)", value->set_text_from(nullptr), ASN_E_INVALID_ARGUMENT},
      {"set_octets", value->set_octets(&octet, 1), ASN_E_NOT_SUPPORTED},
      {"set_octets_from(text)", value->set_octets_from(&text), ASN_E_NOT_SUPPORTED},
      {"set_octets_from(null)", value->set_octets_from(nullptr), ASN_E_INVALID_ARGUMENT},
      {"set_port", value->set_port(1), ASN_E_NOT_SUPPORTED},
      {"set_high", value->set_high(1), ASN_E_NOT_SUPPORTED},
      {"set_low", value->set_low(1), ASN_E_NOT_SUPPORTED},
      {"to_text_into", value->to_text_into(&text), ASN_E_NOT_SUPPORTED},
      {"to_octets_into", value->to_octets_into(&text), ASN_E_NOT_SUPPORTED},
      {"to_octets_into(null)", value->to_octets_into(nullptr), ASN_E_INVALID_ARGUMENT},
      {"append_to_oid", value->append_to_oid(nullptr, 0), ASN_E_NOT_SUPPORTED},
      {"assign_to_oid", value->assign_to_oid(nullptr, 1), ASN_E_NOT_SUPPORTED},
      {"set_from_oid", value->set_from_oid(nullptr, 0, 0), ASN_E_NOT_SUPPORTED},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(row.code, row.expected);
  }
  EXPECT_TRUE(text.is_equal_text("1"));  // refused conversions leave the buffer alone
  EXPECT_EQ(value->get_count(), 0UL);
  EXPECT_EQ(value->get_oid_length(0), 0UL);
  EXPECT_EQ(value->get_oid_length(1), 0UL);
  EXPECT_TRUE(value->is_valid());
  EXPECT_EQ(value->query_object_id(), nullptr);
}

TEST_F(NullValue, NewBuffersComeBackEmptyWithTheRefusal) {
  for (bool octets : {false, true}) {
    SCOPED_TRACE(octets ? "to_octets" : "to_text");
    long err = 0;
    CTevAsnBuffer* b = octets ? value->to_octets(&err) : value->to_text(&err);
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(err, ASN_E_NOT_SUPPORTED);
    EXPECT_EQ(b->length(), 0UL);
    b->release();
    b = octets ? value->to_octets(nullptr) : value->to_text(nullptr);
    ASSERT_NE(b, nullptr);
    b->release();
  }
}

TEST_F(NullValue, CastByClassId) {
  value->query_class(tev_core::kClassIdValue, nullptr);  // ignored, no crash
  void* out = &out;
  value->query_class(tev_core::kClassIdValue, &out);
  EXPECT_EQ(out, static_cast<void*>(value));
  value->query_class(tev_core::kClassIdNull, &out);
  ASSERT_NE(out, nullptr);
  EXPECT_EQ(static_cast<ITevAsnValue*>(static_cast<CTevAsnNull*>(out)), value);
  value->query_class(tev_core::kClassIdBase, &out);
  ASSERT_NE(out, nullptr);
  EXPECT_EQ(static_cast<ITevAsnValue*>(static_cast<CTevAsnValueBase*>(out)), value);
  for (unsigned long id : {0UL, 5UL, 0xF0000004UL, 0xF000FF01UL, 0xFFFFFFFFUL}) {
    out = &out;
    value->query_class(id, &out);
    EXPECT_EQ(out, nullptr) << std::hex << id;
  }
}

TEST_F(NullValue, EqualityAssignAndClone) {
  long err = 0;
  ITevAsnValue* other = tev_create_asn_value(ASN_NULL, &err);
  ASSERT_NE(other, nullptr);
  EXPECT_TRUE(value->is_equal(other));
  EXPECT_FALSE(value->is_equal(nullptr));
  EXPECT_EQ(value->assign(other), ASN_OK);
  EXPECT_EQ(value->assign(nullptr), ASN_E_INVALID_ARGUMENT);
  other->release();

  err = 99;
  ITevAsnValue* copy = value->clone(&err);
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(err, ASN_OK);
  EXPECT_EQ(copy->get_type(), ASN_NULL);
  EXPECT_TRUE(copy->is_equal(value));
  copy->clear();
  copy->release();
  copy = value->clone(nullptr);
  ASSERT_NE(copy, nullptr);
  copy->release();
}

TEST_F(NullValue, VisitorReceivesTheValue) {
  RecordingVisitor visitor;
  EXPECT_EQ(value->accept(&visitor), 42);
  EXPECT_EQ(visitor.slot, "null");
  EXPECT_EQ(visitor.visited, static_cast<const void*>(value));
  EXPECT_EQ(visitor.calls, 1);
}
