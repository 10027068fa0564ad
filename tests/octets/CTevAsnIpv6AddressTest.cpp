#include <gtest/gtest.h>

#include "OctetTestUtil.h"
#include "octets/CTevAsnIpv6Address.h"

using namespace NTevAsnValue;
using namespace octet_test;

TEST(CTevAsnIpv6Address, TextForms) {
  const char* const kZero = "00000000000000000000000000000000";
  const TextCase cases[] = {
      {"fe80:0:0:0:0:0:0:1", ASN_OK, "fe800000000000000000000000000001", "fe80:0:0:0:0:0:0:1"},
      {"FE80:0:0:0:0:0:0:A", ASN_OK, "fe80000000000000000000000000000a", "fe80:0:0:0:0:0:0:a"},
      {"1abcd:0x10: 0:+0:0:0:-1:ffffffff", ASN_OK, "abcd00100000000000000000ffffffff",
       "abcd:10:0:0:0:0:ffff:ffff"},
      {"0x:0:0:0:0:0:0:1x", ASN_OK, "00000000000000000000000000000001", "0:0:0:0:0:0:0:1"},
      {"fe80::1", ASN_E_INVALID_ARGUMENT, kZero},
      {"1:2:3:4:5:6:7", ASN_E_INVALID_ARGUMENT, kZero},
      {"", ASN_E_INVALID_ARGUMENT, kZero},
      {"100000000:1:1:1:1:1:1:1", ASN_E_INVALID_ARGUMENT, kZero},
      {"1:2:3:4:5:6:7:100000000", ASN_E_INVALID_ARGUMENT, "00010002000300040005000600070000"},
  };
  run_text_cases(ASN_IPV6_ADDRESS, "9:9:9:9:9:9:9:9", cases);
}
