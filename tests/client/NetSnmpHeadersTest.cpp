// This library and net-snmp in one translation unit, as docs/usage.md advises:
// our headers first, then net-snmp's. net-snmp defines ASN_INTEGER, ASN_NULL,
// ASN_OBJECT_ID, ASN_COUNTER, ASN_GAUGE and ASN_OPAQUE as macros; included
// before TevAsnTypes.h they would turn its enumerators into numbers and stop
// the compile. Built only where net-snmp's development headers are installed.
#include <gtest/gtest.h>

#include "TevAsnHelpers.h"
#include "TevAsnValue.h"

namespace {

// Our tags for the clashing names, taken while the names are still ours.
constexpr NTevAsnValue::EAsnType kOurInteger = NTevAsnValue::ASN_INTEGER;
constexpr NTevAsnValue::EAsnType kOurNull = NTevAsnValue::ASN_NULL;
constexpr NTevAsnValue::EAsnType kOurObjectId = NTevAsnValue::ASN_OBJECT_ID;
constexpr NTevAsnValue::EAsnType kOurCounter = NTevAsnValue::ASN_COUNTER;
constexpr NTevAsnValue::EAsnType kOurGauge = NTevAsnValue::ASN_GAUGE;
constexpr NTevAsnValue::EAsnType kOurOpaque = NTevAsnValue::ASN_OPAQUE;

}  // namespace

// clang-format off
#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>
// clang-format on

// The macros carry the same numbers as our tags, so from here on they may
// stand for them in comparisons and, converted, as arguments.
TEST(NetSnmpHeaders, ClashingMacrosEqualOurTags) {
  const struct {
    const char* name;
    unsigned long macro;
    NTevAsnValue::EAsnType ours;
  } rows[] = {
      {"ASN_INTEGER", ASN_INTEGER, kOurInteger},
      {"ASN_NULL", ASN_NULL, kOurNull},
      {"ASN_OBJECT_ID", ASN_OBJECT_ID, kOurObjectId},
      {"ASN_COUNTER", ASN_COUNTER, kOurCounter},
      {"ASN_GAUGE", ASN_GAUGE, kOurGauge},
      {"ASN_OPAQUE", ASN_OPAQUE, kOurOpaque},
      // Names that differ between the two, for the same tags.
      {"ASN_OCTET_STR", ASN_OCTET_STR, NTevAsnValue::ASN_OCTET_STRING},
      {"ASN_IPADDRESS", ASN_IPADDRESS, NTevAsnValue::ASN_IP_ADDRESS},
      {"ASN_TIMETICKS", ASN_TIMETICKS, NTevAsnValue::ASN_TIME_TICKS},
      {"ASN_COUNTER64", ASN_COUNTER64, NTevAsnValue::ASN_COUNTER_64},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(row.macro, static_cast<unsigned long>(row.ours));
    long err = 0;
    TevAsnValuePtr value(
        tev_create_asn_value(static_cast<NTevAsnValue::EAsnType>(row.macro), &err));
    ASSERT_TRUE(value);
    EXPECT_EQ(value->get_type(), row.macro);
  }
  // The typed helpers need no tag name at all.
  EXPECT_EQ(tev::integer(5)->get_type(), ASN_INTEGER);
  EXPECT_EQ(tev::gauge(5)->get_type(), ASN_GAUGE);
}
