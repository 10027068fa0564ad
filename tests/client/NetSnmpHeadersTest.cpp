// Our headers, then net-snmp's, in one file, as docs/usage.md advises (the
// other order does not compile: net-snmp's ASN_INTEGER, ASN_NULL,
// ASN_OBJECT_ID, ASN_COUNTER, ASN_GAUGE and ASN_OPAQUE macros would replace
// our enumerators). Built where net-snmp's development headers are installed.
#include <gtest/gtest.h>

#include "TevAsnHelpers.h"
#include "TevAsnValue.h"

namespace {
// Our tags for the clashing names, taken while the names are still ours.
constexpr NTevAsnValue::EAsnType kOurs[] = {NTevAsnValue::ASN_INTEGER,   NTevAsnValue::ASN_NULL,
                                            NTevAsnValue::ASN_OBJECT_ID, NTevAsnValue::ASN_COUNTER,
                                            NTevAsnValue::ASN_GAUGE,     NTevAsnValue::ASN_OPAQUE};
}  // namespace

// clang-format off
#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>
// clang-format on

// The macros are our tag numbers, so converted they stand in for our names.
TEST(NetSnmpHeaders, ClashingMacrosEqualOurTags) {
  const unsigned long macros[] = {ASN_INTEGER, ASN_NULL,  ASN_OBJECT_ID,
                                  ASN_COUNTER, ASN_GAUGE, ASN_OPAQUE};
  for (std::size_t i = 0; i < std::size(macros); ++i) {
    SCOPED_TRACE(macros[i]);
    EXPECT_EQ(macros[i], static_cast<unsigned long>(kOurs[i]));
    long err = 0;
    TevAsnValuePtr value(
        tev_create_asn_value(static_cast<NTevAsnValue::EAsnType>(macros[i]), &err));
    ASSERT_TRUE(value);
    EXPECT_EQ(value->get_type(), macros[i]);
  }
  // Names that differ between the two libraries both work.
  EXPECT_EQ(ASN_OCTET_STR, NTevAsnValue::ASN_OCTET_STRING);
  EXPECT_EQ(ASN_IPADDRESS, NTevAsnValue::ASN_IP_ADDRESS);
  EXPECT_EQ(ASN_TIMETICKS, NTevAsnValue::ASN_TIME_TICKS);
  EXPECT_EQ(ASN_COUNTER64, NTevAsnValue::ASN_COUNTER_64);
  EXPECT_EQ(tev::integer(5)->get_type(), ASN_INTEGER);  // the helpers need no tag name
}
