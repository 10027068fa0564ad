#include <gtest/gtest.h>

#include "OctetTestUtil.h"
#include "octets/CTevAsnIpAddress.h"

using namespace NTevAsnValue;
using namespace octet_test;

TEST(CTevAsnIpAddress, TextForms) {
  const TextCase cases[] = {
      {"192.168.1.10", ASN_OK, "c0a8010a", "192.168.1.10"},
      {"255.255.255.255", ASN_OK, "ffffffff", "255.255.255.255"},
      {" 1. 2.+3.-0xyz", ASN_OK, "01020300", "1.2.3.0"},
      {"001.002.003.004", ASN_OK, "01020304", "1.2.3.4"},
      {"0001.2.3.4.5", ASN_OK, "01020304", "1.2.3.4"},
      {"1.2.3.4567", ASN_E_INVALID_ARGUMENT, "01020300"},
      {"1.2.3.0255x", ASN_OK, "010203ff", "1.2.3.255"},
      {"1.2.3", ASN_E_INVALID_ARGUMENT, "00000000"},
      {"1.2.3.", ASN_E_INVALID_ARGUMENT, "00000000"},
      {"1 .2.3.4", ASN_E_INVALID_ARGUMENT, "00000000"},
      {"", ASN_E_INVALID_ARGUMENT, "00000000"},
      {"a.b.c.d", ASN_E_INVALID_ARGUMENT, "00000000"},
      {"1.2.3.256", ASN_E_INVALID_ARGUMENT, "01020300"},
      {"-1.2.3.4", ASN_E_INVALID_ARGUMENT, "00000000"},
      {"4294967297.1.1.1", ASN_E_INVALID_ARGUMENT, "00000000"},
      {"1.1.4294967296.1", ASN_E_INVALID_ARGUMENT, "01010000"},
      {"1.2.-4294967295.4", ASN_E_INVALID_ARGUMENT, "01020000"},
  };
  run_text_cases(ASN_IP_ADDRESS, "9.9.9.9", cases);
}

TEST(CTevAsnIpAddress, NumberFormIsBigEndian) {
  ValuePtr value = make(ASN_IP_ADDRESS);
  ASSERT_EQ(value->set_text("192.168.1.10"), ASN_OK);
  long err = 1;
  EXPECT_EQ(value->get_ulong(&err), 0xC0A8010AUL);
  EXPECT_EQ(err, ASN_OK);
  EXPECT_EQ(value->set_ulong(0x01020304UL), ASN_OK);
  EXPECT_EQ(text_of(*value), "1.2.3.4");
  if (!kWideLong) GTEST_SKIP() << "unsigned long holds only 32 bits";
  EXPECT_EQ(value->set_ulong(static_cast<unsigned long>(0x105060708ULL)), ASN_E_INVALID_ARGUMENT);
  EXPECT_EQ(text_of(*value), "1.2.3.4");
}
