#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "ForeignValue.h"
#include "OctetTestUtil.h"
#include "RecordingVisitor.h"
#include "octets/CTevAsnOctetString.h"

using namespace NTevAsnValue;
using namespace octet_test;

namespace {

const unsigned char kAbc[] = {'a', 'b', 'c'};

// Reports the OCTET STRING type and serves "abc", but is not the library's.
class ForeignOctetString final : public ForeignValue {
 public:
  ForeignOctetString() : ForeignValue(ASN_OCTET_STRING) {}
  unsigned long get_count() const override { return 3; }
  const unsigned char* get_octets(unsigned long* length, long* err) const override {
    *length = 3;
    *err = ASN_OK;
    return kAbc;
  }
};

}  // namespace

TEST(CTevAsnOctetString, NullOrEmptyInputEmptiesTheValue) {
  ValuePtr value = make(ASN_OCTET_STRING);
  unsigned long length = 9;
  long err = 1;
  EXPECT_EQ(value->get_octets(&length, &err), nullptr);
  EXPECT_EQ(length, 0UL);
  EXPECT_EQ(err, ASN_OK);
  EXPECT_EQ(value->get_octets(nullptr, &err), nullptr);
  EXPECT_EQ(err, ASN_E_INVALID_ARGUMENT);

  const struct {
    const char* name;
    long (*set)(ITevAsnValue&);
  } setters[] = {
      {"set_text(\"\")", [](ITevAsnValue& v) { return v.set_text(""); }},
      {"set_text(null)", [](ITevAsnValue& v) { return v.set_text(nullptr); }},
      {"set_octets(null, 5)", [](ITevAsnValue& v) { return v.set_octets(nullptr, 5); }},
      {"set_octets(p, 0)", [](ITevAsnValue& v) { return v.set_octets(kAbc, 0); }},
  };
  for (const auto& s : setters) {
    SCOPED_TRACE(s.name);
    ASSERT_EQ(value->set_octets(kAbc, 3), ASN_OK);
    EXPECT_EQ(s.set(*value), ASN_OK);
    EXPECT_EQ(value->get_count(), 0UL);
  }
}

TEST(CTevAsnOctetString, TextIsTheRawOctets) {
  ValuePtr value = make(ASN_OCTET_STRING);
  const unsigned char with_zero[] = {'a', 0, 0xFF};
  ASSERT_EQ(value->set_octets(with_zero, 3), ASN_OK);
  EXPECT_EQ(text_of(*value), std::string("a\0\xff", 3));
  EXPECT_EQ(value->get_at(2, nullptr), 255UL);
  long err = 0;
  EXPECT_EQ(value->get_at(3, &err), 0xFFFFFFFFUL);
  EXPECT_EQ(err, ASN_E_INVALID_ARGUMENT);
}

TEST(CTevAsnOctetString, OversizedSetOctetsIsOutOfMemoryAndKeepsTheValue) {
  ValuePtr value = make(ASN_OCTET_STRING);
  ASSERT_EQ(value->set_octets(kAbc, 3), ASN_OK);
  // The rounded capacity of these lengths does not fit 32 bits: refused before
  // any octet is read.
  EXPECT_EQ(value->set_octets(kAbc, 0xFFFFFF80UL), ASN_E_OUT_OF_MEMORY);
  EXPECT_EQ(value->set_octets(kAbc, 0xFFFFFFFFUL), ASN_E_OUT_OF_MEMORY);
  if (kWideLong) {
    EXPECT_EQ(value->set_octets(kAbc, static_cast<unsigned long>(0x100000003ULL)),
              ASN_E_OUT_OF_MEMORY);
  }
  EXPECT_EQ(hex_of(*value), "616263");
}

TEST(CTevAsnOctetString, GrowthFollowsTheBlockRule) {
  const std::vector<unsigned char> octets(128, 1);
  for (unsigned long n : {127UL, 128UL}) {
    CTevAsnOctetString value;
    ASSERT_EQ(value.set_octets(octets.data(), n), ASN_OK);
    EXPECT_EQ(value.octets().capacity, n < 128 ? 128U : 256U) << n;
    value.clear();
    EXPECT_EQ(value.octets().capacity, n < 128 ? 128U : 256U) << "clear keeps the block";
  }
}

TEST(CTevAsnOctetString, OctetStringAndOpaqueNeverMix) {
  ValuePtr octets = make(ASN_OCTET_STRING);
  ValuePtr opaque = make(ASN_OPAQUE);
  ASSERT_EQ(octets->set_octets(kAbc, 3), ASN_OK);
  ASSERT_EQ(opaque->set_octets(kAbc, 2), ASN_OK);
  EXPECT_EQ(opaque->assign(octets.get()), ASN_E_INVALID_ARGUMENT);
  EXPECT_EQ(octets->assign(opaque.get()), ASN_E_INVALID_ARGUMENT);
  EXPECT_EQ(hex_of(*opaque), "6162");
  ASSERT_EQ(opaque->set_octets(kAbc, 3), ASN_OK);
  EXPECT_FALSE(octets->is_equal(opaque.get()));
  EXPECT_FALSE(opaque->is_equal(octets.get()));

  ValuePtr copy(opaque->clone(nullptr));
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(copy->get_type(), ASN_OPAQUE);
  EXPECT_TRUE(copy->is_equal(opaque.get()));
  ValuePtr other = make(ASN_OPAQUE);
  EXPECT_EQ(other->assign(opaque.get()), ASN_OK);
  EXPECT_EQ(hex_of(*other), "616263");

  RecordingVisitor visitor;
  opaque->accept(&visitor);
  EXPECT_EQ(visitor.slot, "octet_string");
  void* cast = nullptr;
  opaque->query_class(0xF0000004, &cast);
  EXPECT_NE(cast, nullptr);
}

TEST(CTevAsnOctetString, ForeignSourceOfTheSameTypeIsRefused) {
  ForeignOctetString foreign;
  ValuePtr value = make(ASN_OCTET_STRING);
  ASSERT_EQ(value->set_octets(kAbc, 3), ASN_OK);
  EXPECT_EQ(value->assign(&foreign), ASN_E_INVALID_ARGUMENT);
  EXPECT_FALSE(value->is_equal(&foreign));
  EXPECT_EQ(hex_of(*value), "616263");
}

TEST(CTevAsnOctetString, IndexEncodingWithAndWithoutLength) {
  ValuePtr value = make(ASN_OCTET_STRING);
  ASSERT_EQ(value->set_octets(kAbc, 3), ASN_OK);
  const struct {
    long implied;
    const char* sub_ids;
    unsigned long oid_length;
  } rows[] = {{0, "3.97.98.99", 4}, {1, "97.98.99", 3}, {2, "97.98.99", 4}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.implied);
    OidPtr oid = make_oid("9.9");
    ASSERT_NE(oid, nullptr);
    EXPECT_EQ(value->assign_to_oid(oid.get(), row.implied), ASN_OK);
    EXPECT_EQ(oid_text(*oid), row.sub_ids);
    EXPECT_EQ(value->get_oid_length(row.implied), row.oid_length);
  }
  ValuePtr empty = make(ASN_OCTET_STRING);
  OidPtr oid = make_oid("1.3");
  EXPECT_EQ(empty->append_to_oid(oid.get(), 1), ASN_OK);
  EXPECT_EQ(oid_text(*oid), "1.3");
}

// Every octet value, in strings short enough to be encoded in one step and in
// one that is not, with and without the length prefix: the library's object
// identifiers, a foreign one and the decoding back must all agree.
TEST(CTevAsnOctetString, IndexEncodingOfEveryOctetValue) {
  std::vector<std::vector<unsigned char>> strings{{}};
  std::vector<unsigned char> all;
  for (unsigned v = 0; v < 256; ++v) all.push_back(static_cast<unsigned char>(v));
  for (std::size_t first = 0; first < all.size(); first += 64) {
    strings.emplace_back(all.begin() + static_cast<std::ptrdiff_t>(first),
                         all.begin() + static_cast<std::ptrdiff_t>(first + 64));
  }
  strings.push_back(all);
  for (const auto& octets : strings) {
    for (long implied : {0L, 1L}) {
      SCOPED_TRACE(std::to_string(octets.size()) + " octets, implied " + std::to_string(implied));
      std::string expected = "7";
      if (implied == 0) expected += "." + std::to_string(octets.size());
      for (unsigned char o : octets) expected += "." + std::to_string(o);
      ValuePtr value = make(ASN_OCTET_STRING);
      ASSERT_EQ(value->set_octets(octets.data(), octets.size()), ASN_OK);
      ForeignOid foreign({7});
      ASSERT_EQ(value->append_to_oid(&foreign, implied), ASN_OK);
      // Onto "7" before and after it was read, and onto one emptied by
      // take_first (read ones index the sub-identifiers as they are appended).
      OidPtr empty = make_oid("5");
      EXPECT_EQ(empty->take_first(nullptr), 5UL);
      ASSERT_EQ(value->append_to_oid(empty.get(), implied), ASN_OK);
      EXPECT_EQ(oid_text(*empty), expected.substr(expected.size() > 1 ? 2 : 1));
      OidPtr read = make_oid("7");
      EXPECT_EQ(read->get_at(0, nullptr), 7UL);
      ASSERT_EQ(value->append_to_oid(read.get(), implied), ASN_OK);
      OidPtr oid = make_oid("7");
      ASSERT_EQ(value->append_to_oid(oid.get(), implied), ASN_OK);
      EXPECT_EQ(oid_text(*oid), expected);
      EXPECT_EQ(oid_text(*read), expected);
      EXPECT_EQ(oid->get_count(), 1 + value->get_oid_length(implied));
      ASSERT_EQ(foreign.get_count(), oid->get_count());
      ASSERT_EQ(read->get_count(), oid->get_count());
      ASSERT_EQ(empty->get_count(), oid->get_count() - 1);
      for (unsigned long i = 0; i < foreign.get_count(); ++i) {
        EXPECT_EQ(foreign.get_at(i, nullptr), oid->get_at(i, nullptr)) << i;
        EXPECT_EQ(foreign.get_at(i, nullptr), read->get_at(i, nullptr)) << i;
        if (i != 0) {
          EXPECT_EQ(foreign.get_at(i, nullptr), empty->get_at(i - 1, nullptr)) << i;
        }
      }
      // Editing finds the sub-identifiers where the index says they start.
      for (OidPtr* edited : {&read, &empty}) {
        OidPtr copy = make_oid(oid_text(**edited).c_str());
        while ((*edited)->get_count() > 1) {
          ASSERT_EQ((*edited)->erase_sub_ids(1, 1), ASN_OK);
          ASSERT_EQ(copy->erase_sub_ids(1, 1), ASN_OK);
          ASSERT_EQ(oid_text(**edited), oid_text(*copy));
        }
      }
      ASSERT_EQ(oid->take_first(nullptr), 7UL);
      ValuePtr back = make(ASN_OCTET_STRING);
      EXPECT_EQ(back->set_from_oid(oid.get(), implied, 0xFFFFFFFFUL), ASN_OK);
      EXPECT_TRUE(back->is_equal(value.get()));
    }
  }
}

// Each row is decoded from one of the library's object identifiers before and
// after its values are cached, and from a foreign one serving the same values:
// all three must give the same code and octets.
TEST(CTevAsnOctetString, IndexDecodingKeepsWhatWasReadBeforeAFailure) {
  const struct {
    const char* oid;
    long implied;
    unsigned long count;
    long code;
    const char* octets;
  } rows[] = {
      {"3.97.98.99", 0, 0, ASN_OK, "616263"},
      {"5.97.98.99", 0, 0, ASN_E_SUBID_RANGE, ""},
      {"4.97.98.99", 0, 0, ASN_E_OUT_OF_RANGE, "616263"},
      {"2.97.300", 0, 0, ASN_E_SUBID_RANGE, "61"},
      {"", 0, 0, ASN_E_EMPTY, ""},
      {"0", 0, 0, ASN_OK, ""},
      {"97.98.99", 1, 2, ASN_OK, "6162"},
      {"97.98.99", 2, 0xFFFFFFFF, ASN_OK, "616263"},
      {"97.98.99", 1, 7, ASN_OK, "616263"},
      {"97.98.99", 1, 0, ASN_OK, ""},
      {"97.256.99", 1, 3, ASN_E_SUBID_RANGE, "61"},
      {"97.98.4294967295", 1, 3, ASN_E_SUBID_RANGE, "6162"},
      // Components that are not plain digits are read as get_at reads them.
      {"3.97.+98.99", 0, 0, ASN_OK, "616263"},
      {"97.-1.99", 1, 3, ASN_E_SUBID_RANGE, "61"},
  };
  for (const auto& row : rows) {
    OidPtr oid = make_oid("");
    ASSERT_NE(oid, nullptr);
    ASSERT_EQ(oid->set_text(row.oid), ASN_OK);
    std::vector<unsigned long> sub_ids;
    for (unsigned long i = 0; i < oid->get_count(); ++i) sub_ids.push_back(oid->get_at(i, nullptr));
    OidPtr cold = make_oid("");
    ASSERT_EQ(cold->set_text(row.oid), ASN_OK);
    ForeignOid foreign(sub_ids);
    const std::pair<const char*, const ITevAsnObjectID*> sources[] = {
        {"cold", cold.get()}, {"warm", oid.get()}, {"foreign", &foreign}};
    for (const auto& source : sources) {
      SCOPED_TRACE(std::string(row.oid) + " implied " + std::to_string(row.implied) + " " +
                   source.first);
      ValuePtr value = make(ASN_OCTET_STRING);
      ASSERT_EQ(value->set_text("zz"), ASN_OK);
      EXPECT_EQ(value->set_from_oid(source.second, row.implied, row.count), row.code);
      EXPECT_EQ(hex_of(*value), row.octets);
    }
  }
}
