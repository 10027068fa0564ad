// The object identifier in instance identifiers: encoding and decoding values,
// the take/read operations, self-aliasing, foreign implementations, failure
// paths and 64-bit arguments.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "ForeignValue.h"
#include "OidTestUtil.h"
#include "TevAsnValue.h"

using namespace NTevAsnValue;
using oid_test::expect_consistent;
using oid_test::text_of;

namespace {

constexpr unsigned long kAll = 0xFFFFFFFFUL;

}  // namespace

// An object-identifier value written into an index and read back, length
// prefixed (0) and implied (1), followed by an unrelated sub-identifier that
// decoding must leave in place.
TEST(ObjectIdIndex, ValuesRoundTripThroughAnIndex) {
  const struct {
    const char* value;
    long implied;
    const char* encoded;
    const char* alone;  // the encoding on its own
  } cases[] = {
      {"1.3", 0, "9.2.1.3.77", "2.1.3"},
      {"1.3", 1, "9.1.3.77", "1.3"},
      {"", 0, "9.0.77", "0"},
      {"", 1, "9.77", ""},
      {"4294967295.0.1", 0, "9.3.4294967295.0.1.77", "3.4294967295.0.1"},
      {"1.3.6.1.2.1.4.20.1.1", 1, "9.1.3.6.1.2.1.4.20.1.1.77", "1.3.6.1.2.1.4.20.1.1"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.value) + " implied " + std::to_string(c.implied));
    CTevAsnObjectId value;
    value.set_text(c.value);
    const unsigned long length = value.get_count();
    EXPECT_EQ(value.get_oid_length(c.implied), length + (c.implied == 1 ? 0 : 1));

    CTevAsnObjectId index;
    index.set_text("9");
    ASSERT_EQ(index.append_value(&value, c.implied), ASN_OK);
    index.append_sub_id(77);
    EXPECT_EQ(text_of(index), c.encoded);
    expect_consistent(index);
    EXPECT_EQ(index.take_first(nullptr), 9UL);

    // Reading leaves the index alone; taking consumes exactly the encoding.
    long err = 1;
    ITevAsnValue* read = index.read_value(ASN_OBJECT_ID, &err, c.implied);
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(err, ASN_OK);
    if (c.implied == 0) {
      EXPECT_TRUE(read->is_equal(&value));
    }
    read->release();

    ITevAsnValue* taken = index.take_value(ASN_OBJECT_ID, &err, c.implied, length);
    ASSERT_NE(taken, nullptr);
    EXPECT_EQ(err, ASN_OK);
    EXPECT_TRUE(taken->is_equal(&value)) << text_of(*taken);
    EXPECT_EQ(text_of(index), "77");
    taken->release();

    // assign_value replaces the whole identifier with the encoding.
    ASSERT_EQ(index.assign_value(&value, c.implied), ASN_OK);
    EXPECT_EQ(text_of(index), c.alone);
  }
}

TEST(ObjectIdIndex, DecodingFromAnotherIdentifier) {
  const struct {
    const char* source;
    long implied;
    unsigned long length;
    long code;
    const char* result;
  } cases[] = {
      {"2.1.3.7", 0, 0, 0, "1.3"},
      {"0.1.3", 0, 0, 0, ""},
      {"3.1.3", 0, 0, ASN_E_OUT_OF_RANGE, "1.3"},  // keeps what it appended
      {"5.1", 0, 0, ASN_E_SUBID_RANGE, ""},
      {"4294967296.1", 0, 0, ASN_E_SUBID_RANGE, ""},
      {"", 0, 0, ASN_E_EMPTY, ""},
      {"1.3.6", 1, kAll, 0, "1.3.6"},
      {"1.3.6", 2, kAll, 0, "1.3.6"},  // any non-zero flag is implied here
      {"1.3.6", 1, 0, 0, ""},
      {"1.3.6", 1, 2, 0, "1.3"},
      {"1.3.6", 1, 5, ASN_E_OUT_OF_RANGE, "1.3.6"},
      {"1.4294967296", 1, kAll, ASN_E_SUBID_RANGE, "1"},
      {"", 1, kAll, 0, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.source) + " implied " + std::to_string(c.implied));
    CTevAsnObjectId source;
    source.set_text(c.source);
    CTevAsnObjectId target;
    target.set_text("8.8.8");
    EXPECT_EQ(target.set_from_oid(&source, c.implied, c.length), c.code);
    EXPECT_EQ(text_of(target), c.result);
    expect_consistent(target);
    EXPECT_EQ(text_of(source), c.source);

    // The same through a foreign implementation, which is read only through
    // its interface.
    if (source.is_valid() && c.code != ASN_E_SUBID_RANGE) {
      std::vector<unsigned long> sub_ids;
      for (unsigned long i = 0; i < source.get_count(); ++i) {
        sub_ids.push_back(source.get_at(i, nullptr));
      }
      ForeignOid foreign(sub_ids);
      EXPECT_EQ(target.set_from_oid(&foreign, c.implied, c.length), c.code);
      EXPECT_EQ(text_of(target), c.result);
    }
  }
}

TEST(ObjectIdIndex, TakeValueIntoRemovesWhatWasDecoded) {
  CTevAsnObjectId index;
  index.set_text("2.1.3.7");
  CTevAsnObjectId value;
  EXPECT_EQ(index.take_value_into(&value, 0, kAll), ASN_OK);
  EXPECT_EQ(text_of(value), "1.3");
  EXPECT_EQ(text_of(index), "7");

  // A failed decode leaves the index as it was.
  index.set_text("5.1");
  EXPECT_EQ(index.take_value_into(&value, 0, kAll), ASN_E_SUBID_RANGE);
  EXPECT_EQ(text_of(index), "5.1");
  long err = 0;
  EXPECT_EQ(index.take_value(ASN_OBJECT_ID, &err, 0, kAll), nullptr);
  EXPECT_EQ(err, ASN_E_SUBID_RANGE);
  EXPECT_EQ(text_of(index), "5.1");

  // Types without an index encoding, and unknown types.
  ITevAsnValue* null_value = tev_create_asn_value(ASN_NULL, nullptr);
  EXPECT_EQ(index.append_value(null_value, 0), ASN_E_NOT_SUPPORTED);
  EXPECT_EQ(index.take_value_into(null_value, 0, kAll), ASN_E_NOT_SUPPORTED);
  EXPECT_EQ(index.read_value_into(null_value, 1), ASN_E_NOT_SUPPORTED);
  EXPECT_EQ(index.assign_value(null_value, 1), ASN_E_NOT_SUPPORTED);
  null_value->release();
  EXPECT_EQ(index.read_value(ASN_NULL, &err, 0), nullptr);
  EXPECT_EQ(err, ASN_E_NOT_SUPPORTED);
  EXPECT_EQ(index.read_value(static_cast<EAsnType>(3), &err, 0), nullptr);
  EXPECT_EQ(err, ASN_E_INVALID_ARGUMENT);
  EXPECT_EQ(index.append_value_text("1", static_cast<EAsnType>(3), 0), ASN_E_INVALID_ARGUMENT);
  EXPECT_EQ(text_of(index), "5.1");

  EXPECT_EQ(index.append_value_text("1.3", ASN_OBJECT_ID, 0), ASN_OK);
  EXPECT_EQ(text_of(index), "5.1.2.1.3");
}

// take_value removes exactly the sub-identifiers the value was decoded from,
// whatever the flag and length, so the rest of the index is never lost.
TEST(ObjectIdIndex, TakeValueRemovesOnlyWhatTheValueUsed) {
  struct Case {
    const char* index;
    EAsnType type;
    long implied;
    unsigned long length;
    const char* value;
    const char* rest;
  };
  const Case cases[] = {
      {"7.8.9", ASN_INTEGER, 1, 5, "7", "8.9"},
      {"7.8.9", ASN_GAUGE, 0, kAll, "7", "8.9"},
      {"1.2.3.4.9", ASN_IP_ADDRESS, 1, 2, "1.2.3.4", "9"},
      {"4.1.2.3.4.9", ASN_IP_ADDRESS, 0, kAll, "1.2.3.4", "9"},
      {"97.98.9", ASN_OCTET_STRING, 2, 2, "ab", "9"},
      {"97.98.9", ASN_OCTET_STRING, 1, 2, "ab", "9"},
      {"2.97.98.9", ASN_OCTET_STRING, 0, kAll, "ab", "9"},
      {"1.3.9", ASN_OBJECT_ID, 2, 2, "1.3", "9"},
      {"9", ASN_OCTET_STRING, 1, 0, "", "9"},
      {"", ASN_OCTET_STRING, 1, kAll, "", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.index) + " as type " + std::to_string(c.type) + " implied " +
                 std::to_string(c.implied));
    CTevAsnObjectId index;
    index.set_text(c.index);
    long err = 1;
    ITevAsnValue* value = index.take_value(c.type, &err, c.implied, c.length);
    ASSERT_NE(value, nullptr) << err;
    EXPECT_EQ(err, ASN_OK);
    CTevAsnBuffer text;
    EXPECT_EQ(value->to_text_into(&text), ASN_OK);
    EXPECT_TRUE(text.is_equal_text(c.value)) << (text.data() ? text.data() : "");
    EXPECT_EQ(text_of(index), c.rest);
    value->release();
  }
}

// No operation loses data when its argument is the object itself.
TEST(ObjectIdIndex, SelfAliasing) {
  CTevAsnObjectId oid;
  oid.set_text("1.3");
  EXPECT_EQ(oid.append_oid(&oid), ASN_OK);
  EXPECT_EQ(text_of(oid), "1.3.1.3");
  expect_consistent(oid);

  oid.set_text("2.1.3.7");
  EXPECT_EQ(oid.set_from_oid(&oid, 0, 0), ASN_OK);
  EXPECT_EQ(text_of(oid), "1.3");
  oid.set_text("2.1.3.7");
  EXPECT_EQ(oid.read_value_into(&oid, 0), ASN_OK);
  EXPECT_EQ(text_of(oid), "1.3");

  oid.set_text("1.3");
  EXPECT_EQ(oid.append_value(&oid, 0), ASN_OK);
  EXPECT_EQ(text_of(oid), "1.3.2.1.3");
  oid.set_text("1.3");
  EXPECT_EQ(oid.assign_value(&oid, 0), ASN_OK);
  EXPECT_EQ(text_of(oid), "2.1.3");
  EXPECT_EQ(oid.append_to_oid(&oid, 1), ASN_OK);
  EXPECT_EQ(text_of(oid), "2.1.3.2.1.3");

  oid.set_text("1.3.6");
  EXPECT_EQ(oid.take_prefix_into(&oid, 1), ASN_E_INVALID_ARGUMENT);
  EXPECT_EQ(oid.take_value_into(&oid, 1, 1), ASN_E_INVALID_ARGUMENT);
  EXPECT_EQ(text_of(oid), "1.3.6");
  EXPECT_EQ(oid.assign(&oid), ASN_OK);
  EXPECT_TRUE(oid.is_equal(&oid));
  EXPECT_EQ(oid.compare(&oid, nullptr), 0);
  EXPECT_EQ(text_of(oid), "1.3.6");
  EXPECT_EQ(oid.remove_prefix(&oid), ASN_OK);
  EXPECT_EQ(text_of(oid), "");
}

TEST(ObjectIdIndex, ForeignImplementationsAreNeverReadAsOurs) {
  ForeignOid foreign({1, 3});
  CTevAsnObjectId oid;
  oid.set_text("1.3");
  long err = 0;
  EXPECT_EQ(oid.assign(&foreign), ASN_E_INVALID_ARGUMENT);
  EXPECT_FALSE(oid.is_equal(&foreign));
  EXPECT_EQ(oid.compare(&foreign, &err), -1);
  EXPECT_EQ(err, ASN_E_INVALID_ARGUMENT);
  EXPECT_EQ(oid.append_oid(&foreign), ASN_E_INVALID_ARGUMENT);
  EXPECT_EQ(oid.remove_prefix(&foreign), ASN_E_INVALID_ARGUMENT);
  EXPECT_EQ(text_of(oid), "1.3");
  // Encoding into a foreign identifier goes through its interface.
  EXPECT_EQ(oid.append_to_oid(&foreign, 1), ASN_E_NOT_SUPPORTED);
}

TEST(ObjectIdIndex, NullArgumentsAreRefused) {
  CTevAsnObjectId oid;
  oid.set_text("1.3.6");
  long err = 0;
  EXPECT_EQ(oid.compare_text(nullptr, &err), -1);
  EXPECT_EQ(err, ASN_E_INVALID_ARGUMENT);
  EXPECT_EQ(oid.compare(nullptr, &err), -1);
  EXPECT_EQ(err, ASN_E_INVALID_ARGUMENT);
  EXPECT_EQ(oid.get_octets(nullptr, &err), nullptr);
  EXPECT_EQ(err, ASN_E_INVALID_ARGUMENT);
  EXPECT_EQ(oid.get_octets(nullptr, nullptr), nullptr);
  const long codes[] = {
      oid.assign(nullptr),
      oid.to_text_into(nullptr),
      oid.to_octets_into(nullptr),
      oid.set_octets(nullptr, 0),
      oid.set_text_from(nullptr),
      oid.set_octets_from(nullptr),
      oid.append_to_oid(nullptr, 0),
      oid.assign_to_oid(nullptr, 0),
      oid.set_from_oid(nullptr, 0, kAll),
      oid.remove_prefix_text(nullptr),
      oid.remove_prefix(nullptr),
      oid.append_oid(nullptr),
      oid.append_value_text(nullptr, ASN_OBJECT_ID, 0),
      oid.append_value(nullptr, 0),
      oid.take_prefix_into(nullptr, 1),
      oid.take_prefix_text_into(nullptr, 1),
      oid.take_value_into(nullptr, 0, kAll),
      oid.read_value_into(nullptr, 0),
      oid.assign_value(nullptr, 0),
  };
  for (std::size_t i = 0; i < sizeof codes / sizeof codes[0]; ++i) {
    EXPECT_EQ(codes[i], ASN_E_INVALID_ARGUMENT) << "operation " << i;
  }
  EXPECT_EQ(text_of(oid), "1.3.6");
  EXPECT_FALSE(oid.is_equal(nullptr));
}

TEST(ObjectIdIndex, EveryErrOutParameterMayBeNull) {
  CTevAsnObjectId oid;
  oid.set_text("1.3.6");
  EXPECT_EQ(oid.get_ulong(nullptr), 1UL);
  EXPECT_EQ(oid.get_long(nullptr), -1);
  EXPECT_EQ(oid.get_at(5, nullptr), kAll);
  EXPECT_EQ(oid.compare_text("1.3", nullptr), 2);
  unsigned long length = 0;
  EXPECT_NE(oid.get_octets(&length, nullptr), nullptr);
  EXPECT_EQ(length, 5UL);
  ITevAsnValue* clone = oid.clone(nullptr);
  ASSERT_NE(clone, nullptr);
  clone->release();
  CTevAsnBuffer* text = oid.to_text(nullptr);
  ASSERT_NE(text, nullptr);
  text->release();
  EXPECT_EQ(oid.read_value(ASN_NULL, nullptr, 0), nullptr);
  ITevAsnObjectID* prefix = oid.take_prefix(1, nullptr);
  ASSERT_NE(prefix, nullptr);
  prefix->release();
  CTevAsnBuffer* prefix_text = oid.take_prefix_text(1, nullptr);
  ASSERT_NE(prefix_text, nullptr);
  prefix_text->release();
  EXPECT_EQ(oid.take_first(nullptr), 6UL);
  EXPECT_EQ(oid.take_first(nullptr), kAll);
  EXPECT_EQ(oid.take_value(ASN_OBJECT_ID, nullptr, 0, kAll), nullptr);
  ITevAsnObjectID* created = tev_create_asn_object_id(static_cast<const char*>(nullptr), nullptr);
  ASSERT_NE(created, nullptr);
  created->release();
}

TEST(ObjectIdIndex, WideUnsignedLongArguments) {
  if (sizeof(unsigned long) == 4) GTEST_SKIP() << "unsigned long is 32 bits here";
  const unsigned long above = static_cast<unsigned long>(0xFFFFFFFFULL + 1);
  const unsigned long all_bits = static_cast<unsigned long>(-1);
  CTevAsnObjectId oid;
  oid.set_text("1.3.6.1");
  EXPECT_EQ(oid.append_sub_id(above), ASN_E_INVALID_ARGUMENT);
  EXPECT_EQ(oid.set_ulong(above), ASN_E_INVALID_ARGUMENT);
  EXPECT_EQ(oid.set_octets(reinterpret_cast<const unsigned char*>("1"), above),
            ASN_E_INVALID_ARGUMENT);
  EXPECT_EQ(text_of(oid), "1.3.6.1");
  EXPECT_EQ(oid.get_count(), 4UL);
  long err = 0;
  EXPECT_EQ(oid.get_at(above, &err), kAll);
  EXPECT_EQ(err, ASN_E_OUT_OF_RANGE);
  EXPECT_EQ(oid.erase_sub_ids(above + 1, 1), ASN_E_INVALID_ARGUMENT);

  CTevAsnObjectId copy;
  EXPECT_EQ(copy.set_from_oid(&oid, 1, all_bits), ASN_OK);
  EXPECT_EQ(text_of(copy), "1.3.6.1");
  EXPECT_EQ(copy.erase_sub_ids(1, all_bits), ASN_OK);
  EXPECT_EQ(text_of(copy), "1");
  EXPECT_EQ(copy.erase_sub_ids(0, above), ASN_OK);
  EXPECT_EQ(text_of(copy), "");

  ITevAsnObjectID* prefix = oid.take_prefix(all_bits, &err);
  ASSERT_NE(prefix, nullptr);
  EXPECT_EQ(text_of(*prefix), "1.3.6.1");
  EXPECT_EQ(oid.get_count(), 0UL);
  prefix->release();
}

// A long identifier read in order: every sub-identifier, twice (the second
// pass uses the start index built by the first).
TEST(ObjectIdIndex, LongIdentifierReadsBackInOrder) {
  CTevAsnObjectId oid;
  for (unsigned long i = 0; i < 5000; ++i) ASSERT_EQ(oid.append_sub_id(i * 7919), ASN_OK);
  for (int pass = 0; pass < 2; ++pass) {
    for (unsigned long i = 0; i < 5000; ++i) ASSERT_EQ(oid.get_at(i, nullptr), i * 7919);
  }
  ITevAsnObjectID* copy = oid.clone_oid(nullptr);
  ASSERT_NE(copy, nullptr);
  for (unsigned long i = 0; i < 5000; ++i) ASSERT_EQ(copy->take_first(nullptr), i * 7919);
  EXPECT_EQ(copy->get_count(), 0UL);
  copy->release();
}
