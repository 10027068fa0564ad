// The creation functions' own protocol: unknown tags, null text, null err.
#include <gtest/gtest.h>

#include "TevAsnValue.h"

using namespace NTevAsnValue;

TEST(Creation, UnknownTagsAreRefused) {
  const unsigned long tags[] = {
      0,    1,    3,    7,      0x3F,   0x45,    0x47,         0x49,
      0x7F, 0x83, 0xFF, 0xFF01, 0xFF04, 0x10002, 0x80000000UL, 0xFFFFFFFFUL};
  for (unsigned long tag : tags) {
    SCOPED_TRACE(tag);
    const auto type = static_cast<EAsnType>(tag);
    long err = 0;
    EXPECT_EQ(tev_create_asn_value(type, &err), nullptr);
    EXPECT_EQ(err, ASN_E_INVALID_ARGUMENT);
    EXPECT_EQ(tev_create_asn_value(type, nullptr), nullptr);
    EXPECT_EQ(tev_create_asn_value(1L, type, &err), nullptr);
    EXPECT_EQ(err, ASN_E_INVALID_ARGUMENT);
    EXPECT_EQ(tev_create_asn_value(1UL, type, &err), nullptr);
    EXPECT_EQ(err, ASN_E_INVALID_ARGUMENT);
    EXPECT_EQ(tev_create_asn_value("1", type, &err), nullptr);
    EXPECT_EQ(err, ASN_E_INVALID_ARGUMENT);
  }
}

TEST(Creation, NullTextIsRefusedBeforeAnyObjectExists) {
  long err = 0;
  EXPECT_EQ(tev_create_asn_value(static_cast<const char*>(nullptr), ASN_OCTET_STRING, &err),
            nullptr);
  EXPECT_EQ(err, ASN_E_INVALID_ARGUMENT);
  EXPECT_EQ(tev_create_asn_value(static_cast<const char*>(nullptr), ASN_OCTET_STRING, nullptr),
            nullptr);
}

TEST(Creation, ObjectIdentifierFromText) {
  long err = 1;
  ITevAsnObjectID* oid = tev_create_asn_object_id(nullptr, &err);
  ASSERT_NE(oid, nullptr);
  EXPECT_EQ(err, ASN_OK);
  EXPECT_EQ(oid->get_count(), 0UL);
  oid->release();

  for (const char* bad : {"1..3", ".1", "1.", "01.2", "1 .2", "a"}) {
    SCOPED_TRACE(bad);
    EXPECT_EQ(tev_create_asn_object_id(bad, &err), nullptr);
    EXPECT_EQ(err, ASN_E_INVALID_ARGUMENT);
    EXPECT_EQ(tev_create_asn_object_id(bad, nullptr), nullptr);
    EXPECT_EQ(tev_create_asn_value(bad, ASN_OBJECT_ID, &err), nullptr);
    EXPECT_EQ(err, ASN_E_INVALID_ARGUMENT);
  }
  for (const char* good : {"0.0", "4294967296", "1.3.6.1"}) {
    SCOPED_TRACE(good);
    oid = tev_create_asn_object_id(good, &err);
    ASSERT_NE(oid, nullptr);
    EXPECT_EQ(err, ASN_OK);
    oid->release();
  }
  oid = tev_create_asn_object_id(nullptr);
  ASSERT_NE(oid, nullptr);
  oid->release();
}

TEST(Creation, Counter64FromHalves) {
  long err = 1;
  ITevAsnValue* v = tev_create_asn_counter_64(1, 2, &err);
  ASSERT_NE(v, nullptr);
  EXPECT_EQ(err, ASN_OK);
  EXPECT_EQ(v->get_type(), ASN_COUNTER_64);
  EXPECT_EQ(v->get_high(nullptr), 1UL);
  EXPECT_EQ(v->get_low(nullptr), 2UL);
  v->release();

  v = tev_create_asn_value(7UL, ASN_COUNTER_64, &err);
  ASSERT_NE(v, nullptr);
  EXPECT_EQ(v->get_high(nullptr), 0UL);
  EXPECT_EQ(v->get_low(nullptr), 7UL);
  v->release();

  v = tev_create_asn_counter_64(0xFFFFFFFFUL, 0xFFFFFFFFUL, nullptr);
  ASSERT_NE(v, nullptr);
  v->release();
  if (sizeof(unsigned long) > 4) {
    EXPECT_EQ(tev_create_asn_counter_64(static_cast<unsigned long>(0x100000000ULL), 0, &err),
              nullptr);
    EXPECT_EQ(err, ASN_E_INVALID_ARGUMENT);
    EXPECT_EQ(tev_create_asn_counter_64(0, static_cast<unsigned long>(0x100000000ULL), &err),
              nullptr);
    EXPECT_EQ(err, ASN_E_INVALID_ARGUMENT);
  }
}

TEST(Creation, FixedSizeAddressesStartAllZero) {
  const struct {
    EAsnType type;
    unsigned long size;
  } rows[] = {
      {ASN_IP_ADDRESS, 4}, {ASN_IPV6_ADDRESS, 16}, {ASN_IP_PORT_ADDRESS, 6}, {ASN_IPX_ADDRESS, 12}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.size);
    ITevAsnValue* v = tev_create_asn_value(row.type, nullptr);
    ASSERT_NE(v, nullptr);
    unsigned long length = 0;
    long err = 1;
    const unsigned char* octets = v->get_octets(&length, &err);
    EXPECT_EQ(err, ASN_OK);
    ASSERT_EQ(length, row.size);
    ASSERT_NE(octets, nullptr);
    for (unsigned long i = 0; i < length; ++i) EXPECT_EQ(octets[i], 0) << i;
    v->release();
  }
}
