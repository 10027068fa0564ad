// The contract every type shares, swept over all sixteen type tags through the
// shared library's public interface only.
#include <gtest/gtest.h>

#include <string>

#include "RecordingVisitor.h"
#include "TestText.h"
#include "TevAsnValuePtr.h"
#include "TypeTable.h"

using namespace NTevAsnValue;

namespace {

std::string text_of(const ITevAsnValue* v, long* code) {
  CTevAsnBuffer b;
  *code = v->to_text_into(&b);
  return tev_test::text_of(b);
}

// The row's sample value (made from its sample text), or its initial value
// for types without a text form; `*err` receives the creation code.
TevAsnValuePtr sample_value(const TypeRow& row, long* err) {
  return TevAsnValuePtr(row.sample_text != nullptr
                            ? tev_create_asn_value(row.sample_text, row.type, err)
                            : tev_create_asn_value(row.type, err));
}

}  // namespace

TEST(TypeContract, CreatedValueShowsItsIdentity) {
  for (const TypeRow& row : kTypeRows) {
    SCOPED_TRACE(row.name);
    long err = 1;
    const TevAsnValuePtr owned(tev_create_asn_value(row.type, &err));
    ITevAsnValue* v = owned.get();
    ASSERT_NE(v, nullptr);
    EXPECT_EQ(err, ASN_OK);
    EXPECT_EQ(v->get_type(), row.type);

    void* out = nullptr;
    v->query_class(row.class_id, &out);
    EXPECT_NE(out, nullptr);
    v->query_class(0xFF00, &out);
    EXPECT_EQ(out, static_cast<void*>(v));
    v->query_class(0xF000FF00, &out);
    EXPECT_NE(out, nullptr);
    v->query_class(0x12345678, &out);
    EXPECT_EQ(out, nullptr);

    RecordingVisitor visitor;
    EXPECT_EQ(v->accept(&visitor), 42);
    EXPECT_EQ(visitor.slot, row.visitor_slot);
    EXPECT_EQ(visitor.calls, 1);
    EXPECT_EQ(v->query_object_id() != nullptr, row.type == ASN_OBJECT_ID);

    long code = 0;
    const std::string text = text_of(v, &code);
    if (row.initial_text == nullptr) {
      EXPECT_EQ(code, ASN_E_NOT_SUPPORTED);
    } else {
      EXPECT_EQ(code, ASN_OK);
      EXPECT_EQ(text, row.initial_text);
    }
  }
}

TEST(TypeContract, CloneIsAnEqualValueOfTheSameClass) {
  for (const TypeRow& row : kTypeRows) {
    SCOPED_TRACE(row.name);
    long err = 0;
    const TevAsnValuePtr owned = sample_value(row, &err);
    const ITevAsnValue* v = owned.get();
    ASSERT_NE(v, nullptr) << err;
    err = 99;
    const TevAsnValuePtr copy(v->clone(&err));
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(err, ASN_OK);
    EXPECT_EQ(copy->get_type(), row.type);
    EXPECT_TRUE(copy->is_equal(v));
    EXPECT_TRUE(v->is_equal(copy.get()));
    EXPECT_FALSE(v->is_equal(nullptr));
    EXPECT_EQ(copy->assign(v), ASN_OK);
    EXPECT_EQ(copy->assign(nullptr), ASN_E_INVALID_ARGUMENT);
  }
}

TEST(TypeContract, TextFormsReadBackUnchanged) {
  for (const TypeRow& row : kTypeRows) {
    if (row.sample_text == nullptr) continue;
    SCOPED_TRACE(row.name);
    long err = 0;
    const TevAsnValuePtr owned = sample_value(row, &err);
    const ITevAsnValue* v = owned.get();
    ASSERT_NE(v, nullptr) << err;
    long code = 0;
    EXPECT_EQ(text_of(v, &code), row.sample_text);
    EXPECT_EQ(code, ASN_OK);

    const TevAsnBufferPtr text(v->to_text(&err));
    ASSERT_NE(text, nullptr);
    const TevAsnValuePtr again(tev_create_asn_value(row.type, &err));
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(again->set_text_from(text.get()), ASN_OK);
    EXPECT_TRUE(again->is_equal(v));
  }
}

TEST(TypeContract, IndexEncodingRoundTrips) {
  for (const TypeRow& row : kTypeRows) {
    if (row.sample_text == nullptr) continue;
    SCOPED_TRACE(row.name);
    long err = 0;
    const TevAsnValuePtr owned = sample_value(row, &err);
    const ITevAsnValue* v = owned.get();
    ASSERT_NE(v, nullptr) << err;
    const TevAsnObjectIdPtr owned_oid(tev_create_asn_object_id(&err));
    ITevAsnObjectID* oid = owned_oid.get();
    ASSERT_NE(oid, nullptr);
    if (row.index == nullptr) {
      EXPECT_EQ(v->append_to_oid(oid, 0), ASN_E_NOT_SUPPORTED);
      EXPECT_EQ(oid->get_count(), 0UL);
    } else {
      ASSERT_EQ(v->append_to_oid(oid, 0), ASN_OK);
      long code = 0;
      EXPECT_EQ(text_of(oid, &code), row.index);
      EXPECT_EQ(v->get_oid_length(0), oid->get_count());
      const TevAsnValuePtr back(tev_create_asn_value(row.type, &err));
      ASSERT_NE(back, nullptr);
      EXPECT_EQ(back->set_from_oid(oid, 0, 0xFFFFFFFFUL), ASN_OK);
      EXPECT_TRUE(back->is_equal(v));
    }
  }
}

TEST(TypeContract, DifferentTypesNeverEqualNorAssign) {
  for (const TypeRow& a : kTypeRows) {
    for (const TypeRow& b : kTypeRows) {
      if (a.type == b.type) continue;
      SCOPED_TRACE(std::string(a.name) + " <- " + b.name);
      const TevAsnValuePtr va(tev_create_asn_value(a.type, nullptr));
      const TevAsnValuePtr vb(tev_create_asn_value(b.type, nullptr));
      ASSERT_NE(va, nullptr);
      ASSERT_NE(vb, nullptr);
      EXPECT_FALSE(va->is_equal(vb.get()));
      EXPECT_EQ(va->assign(vb.get()), ASN_E_INVALID_ARGUMENT);
    }
  }
}

TEST(TypeContract, CreationOverloadsFollowTheSetters) {
  for (const TypeRow& row : kTypeRows) {
    SCOPED_TRACE(row.name);
    long err = 0;
    TevAsnValuePtr v(tev_create_asn_value(5L, row.type, &err));
    EXPECT_EQ(v != nullptr, row.from_long);
    EXPECT_EQ(err, row.from_long ? ASN_OK : ASN_E_NOT_SUPPORTED);

    v.reset(tev_create_asn_value(5UL, row.type, &err));
    EXPECT_EQ(v != nullptr, row.from_ulong);
    EXPECT_EQ(err, row.from_ulong ? ASN_OK : ASN_E_NOT_SUPPORTED);

    v.reset(
        tev_create_asn_value(row.sample_text != nullptr ? row.sample_text : "1", row.type, &err));
    EXPECT_EQ(v != nullptr, row.sample_text != nullptr);
    EXPECT_EQ(err, row.sample_text != nullptr ? ASN_OK : ASN_E_NOT_SUPPORTED);
  }
}

TEST(TypeContract, NumbersWiderThan32BitsAreRefusedAtCreation) {
  if (sizeof(long) <= 4) GTEST_SKIP() << "long is 32 bits wide";
  for (const TypeRow& row : kTypeRows) {
    SCOPED_TRACE(row.name);
    long err = 0;
    if (row.from_ulong) {
      EXPECT_EQ(tev_create_asn_value(static_cast<unsigned long>(0x100000000ULL), row.type, &err),
                nullptr);
      EXPECT_EQ(err, ASN_E_INVALID_ARGUMENT);
    }
    if (row.from_long) {
      EXPECT_EQ(tev_create_asn_value(static_cast<long>(0x80000000LL), row.type, &err), nullptr);
      EXPECT_EQ(err, ASN_E_INVALID_ARGUMENT);
    }
  }
}
