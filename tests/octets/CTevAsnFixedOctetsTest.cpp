// What the four fixed-size address types share: their size, clearing in place,
// the octet-count rule, and the index encoding with its optional transport
// domain.
#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

#include "OctetTestUtil.h"
#include "octets/CTevAsnFixedOctets.h"

using namespace NTevAsnValue;
using namespace octet_test;

namespace {

struct FixedRow {
  const char* name;
  EAsnType type;
  unsigned long size;
  const char* domain;   // leading sub-identifier of the index, "" when none
  const char* sample;   // a text of the type
  const char* octets;   // the sample's octets
  const char* sub_ids;  // the sample's octets as sub-identifiers
};

const FixedRow kRows[] = {
    {"IpAddress", ASN_IP_ADDRESS, 4, "", "192.168.1.10", "c0a8010a", "192.168.1.10"},
    {"IPv6", ASN_IPV6_ADDRESS, 16, "", "fe80:0:0:0:0:0:0:1", "fe800000000000000000000000000001",
     "254.128.0.0.0.0.0.0.0.0.0.0.0.0.0.1"},
    {"IPv4 with port", ASN_IP_PORT_ADDRESS, 6, "1.", "10.1.2.3/161", "0a01020300a1",
     "10.1.2.3.0.161"},
    {"IPX", ASN_IPX_ADDRESS, 12, "5.", "0000abcd:00a0c9112233/451", "0000abcd00a0c91122330451",
     "0.0.171.205.0.160.201.17.34.51.4.81"},
};

class FixedOctets : public testing::TestWithParam<FixedRow> {
 protected:
  void SetUp() override {
    value_ = make(GetParam().type);
    ASSERT_NE(value_, nullptr);
  }
  std::string zeros() const { return std::string(2 * GetParam().size, '0'); }
  // The sample's index with the length prefix, or without it when implied.
  std::string index(bool implied) const {
    const FixedRow& r = GetParam();
    return std::string(r.domain) + (implied ? "" : std::to_string(r.size) + ".") + r.sub_ids;
  }

  ValuePtr value_;
};

}  // namespace

TEST_P(FixedOctets, StartsZeroAndClearsInPlace) {
  EXPECT_EQ(value_->get_count(), GetParam().size);
  EXPECT_EQ(hex_of(*value_), zeros());
  ASSERT_EQ(value_->set_text(GetParam().sample), ASN_OK);
  EXPECT_EQ(hex_of(*value_), GetParam().octets);
  unsigned long length = 0;
  const unsigned char* block = value_->get_octets(&length, nullptr);
  value_->clear();
  EXPECT_EQ(value_->get_octets(&length, nullptr), block);
  EXPECT_EQ(hex_of(*value_), zeros());
}

TEST_P(FixedOctets, SetOctetsTakesExactlyTheSizeAndNeverNull) {
  ASSERT_EQ(value_->set_text(GetParam().sample), ASN_OK);
  const unsigned long size = GetParam().size;
  const std::vector<unsigned char> ones(size + 1, 1);
  for (unsigned long length : {0UL, size - 1, size + 1}) {
    EXPECT_EQ(value_->set_octets(ones.data(), length), ASN_E_INVALID_ARGUMENT) << length;
  }
  for (unsigned long length : {0UL, size}) {
    EXPECT_EQ(value_->set_octets(nullptr, length), ASN_E_INVALID_ARGUMENT) << length;
  }
  EXPECT_EQ(value_->set_octets_from(nullptr), ASN_E_INVALID_ARGUMENT);
  CTevAsnBuffer empty;
  EXPECT_EQ(value_->set_octets_from(&empty), ASN_E_INVALID_ARGUMENT);
  EXPECT_EQ(hex_of(*value_), GetParam().octets);
  EXPECT_EQ(value_->set_octets(ones.data(), size), ASN_OK);
  std::string expected;
  for (unsigned long i = 0; i < size; ++i) expected += "01";
  EXPECT_EQ(hex_of(*value_), expected);
}

TEST_P(FixedOctets, NullTextIsRefusedAndKeepsTheValue) {
  ASSERT_EQ(value_->set_text(GetParam().sample), ASN_OK);
  EXPECT_EQ(value_->set_text(nullptr), ASN_E_INVALID_ARGUMENT);
  EXPECT_EQ(hex_of(*value_), GetParam().octets);
}

TEST_P(FixedOctets, IndexRoundTripsWithAndWithoutLengthPrefix) {
  ASSERT_EQ(value_->set_text(GetParam().sample), ASN_OK);
  for (long implied : {0L, 1L}) {
    SCOPED_TRACE(implied);
    OidPtr oid = make_oid("");
    ASSERT_NE(oid, nullptr);
    EXPECT_EQ(value_->append_to_oid(oid.get(), implied), ASN_OK);
    EXPECT_EQ(oid_text(*oid), index(implied != 0));
    EXPECT_EQ(value_->get_oid_length(implied), oid->get_count());
    ValuePtr back = make(GetParam().type);
    EXPECT_EQ(back->set_from_oid(oid.get(), implied, 0), ASN_OK);
    EXPECT_TRUE(back->is_equal(value_.get()));
  }
}

TEST_P(FixedOctets, IndexDecodingFailuresKeepWhatWasRead) {
  const FixedRow& r = GetParam();
  const bool has_domain = r.domain[0] != '\0';
  const std::string sub_ids = r.sub_ids;
  const std::string first = sub_ids.substr(0, sub_ids.find('.'));
  const std::string prefixed = std::string(r.domain) + std::to_string(r.size) + ".";
  const std::string kept = std::string(r.octets, 2) + zeros().substr(2);
  const struct {
    std::string oid;
    long code;
    std::string octets;
  } rows[] = {
      // A missing domain passes the identifier's own error on; a missing
      // length prefix means the index is not of this type.
      {"", has_domain ? ASN_E_EMPTY : ASN_E_SUBID_RANGE, zeros()},
      {has_domain ? std::string(r.domain, 1) : "0", ASN_E_SUBID_RANGE, zeros()},
      {"2." + std::to_string(r.size) + "." + sub_ids, ASN_E_SUBID_RANGE, zeros()},
      {std::string(r.domain) + std::to_string(r.size + 1) + "." + sub_ids, ASN_E_SUBID_RANGE,
       zeros()},
      {prefixed + first, ASN_E_OUT_OF_RANGE, kept},
      {prefixed + first + ".256", ASN_E_SUBID_RANGE, kept},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.oid);
    OidPtr oid = make_oid(row.oid.c_str());
    ASSERT_NE(oid, nullptr);
    ASSERT_EQ(value_->set_text(r.sample), ASN_OK);
    EXPECT_EQ(value_->set_from_oid(oid.get(), 0, 0), row.code);
    EXPECT_EQ(hex_of(*value_), row.octets);
  }
}

INSTANTIATE_TEST_SUITE_P(AddressTypes, FixedOctets, testing::ValuesIn(kRows),
                         [](const testing::TestParamInfo<FixedRow>& info) {
                           std::string name = info.param.name;
                           for (char& c : name) {
                             if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                           }
                           return name;
                         });
