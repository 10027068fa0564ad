#include <gtest/gtest.h>

#include "OctetTestUtil.h"
#include "octets/CTevAsnIpPortAddress.h"

using namespace NTevAsnValue;
using namespace octet_test;

TEST(CTevAsnIpPortAddress, TextForms) {
  const TextCase cases[] = {
      {"10.1.2.3/161", ASN_OK, "0a01020300a1", "10.1.2.3/161"},
      {"255.255.255.255/65535", ASN_OK, "ffffffffffff", "255.255.255.255/65535"},
      {"10.1.2.3/ 7 trailing", ASN_OK, "0a0102030007", "10.1.2.3/7"},
      {"10.1.2.3", ASN_E_INVALID_ARGUMENT, "000000000000"},
      {"10.1.2.3/", ASN_E_INVALID_ARGUMENT, "000000000000"},
      {"10.1.2.3/65536", ASN_E_INVALID_ARGUMENT, "0a0102030000"},
      {"10.1.2.3/70000", ASN_E_INVALID_ARGUMENT, "0a0102030000"},
      {"10.1.2.3/-1", ASN_E_INVALID_ARGUMENT, "0a0102030000"},
      {"10.1.2.3/4294967297", ASN_E_INVALID_ARGUMENT, "0a0102030000"},
      {"10.1.2.300/1", ASN_E_INVALID_ARGUMENT, "0a0102000000"},
      {"10.256.2.3/1", ASN_E_INVALID_ARGUMENT, "0a0000000000"},
  };
  run_text_cases(ASN_IP_PORT_ADDRESS, "9.9.9.9/9", cases);
}

TEST(CTevAsnIpPortAddress, PortAndAddressChangeIndependently) {
  ValuePtr value = make(ASN_IP_PORT_ADDRESS);
  ASSERT_EQ(value->set_text("10.1.2.3/161"), ASN_OK);
  long err = 1;
  EXPECT_EQ(value->get_port(&err), 161);
  EXPECT_EQ(err, ASN_OK);
  EXPECT_EQ(value->get_ulong(nullptr), 0x0A010203UL);
  EXPECT_EQ(value->set_port(0x1234), ASN_OK);
  EXPECT_EQ(hex_of(*value), "0a0102031234");
  EXPECT_EQ(value->set_ulong(0xC0A80001UL), ASN_OK);
  EXPECT_EQ(hex_of(*value), "c0a800011234");

  void* cast = nullptr;
  value->query_class(0xF0000040, &cast);
  EXPECT_EQ(cast, nullptr) << "a value with a port is not an IpAddress";
}
