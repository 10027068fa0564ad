#include <gtest/gtest.h>

#include "OctetTestUtil.h"
#include "octets/CTevAsnIpxAddress.h"

using namespace NTevAsnValue;
using namespace octet_test;

TEST(CTevAsnIpxAddress, TextForms) {
  const char* const kZero = "000000000000000000000000";
  const TextCase cases[] = {
      {"0000abcd:00a0c9112233/451", ASN_OK, "0000abcd00a0c91122330451",
       "0000abcd:00a0c9112233/451"},
      {"FFFFFFFF:FFFFFFFFFFFF/ffff", ASN_OK, "ffffffffffffffffffffffff",
       "ffffffff:ffffffffffff/ffff"},
      {"0x1 2 3:4 5 6 7 8 9/0x10", ASN_OK, "000102030405060708090010", "00010203:040506070809/10"},
      {"abcd:00a0c9112233/451", ASN_E_INVALID_ARGUMENT, kZero},
      {"0000abcd:00a0c9112233", ASN_E_INVALID_ARGUMENT, kZero},
      {"0000abcd00a0c9112233/451", ASN_E_INVALID_ARGUMENT, kZero},
      {"-1000000:000000000000/0", ASN_E_INVALID_ARGUMENT, kZero},
      {"0000abcd:00a0c9112233/10000", ASN_E_INVALID_ARGUMENT, "0000abcd00a0c91122330000"},
      {"0000abcd:00a0c9112233/-1", ASN_E_INVALID_ARGUMENT, "0000abcd00a0c91122330000"},
      {"0000abcd:00a0c9112233/100000001", ASN_E_INVALID_ARGUMENT, "0000abcd00a0c91122330000"},
      {"0000abcd:00a0-f112233/1", ASN_E_INVALID_ARGUMENT, "0000abcd00a0000000000000"},
  };
  run_text_cases(ASN_IPX_ADDRESS, "99999999:999999999999/9", cases);
}

TEST(CTevAsnIpxAddress, TextOfNewValueHoldsTheCharactersAlone) {
  ValuePtr value = make(ASN_IPX_ADDRESS);
  CTevAsnBuffer buffer;
  ASSERT_EQ(value->to_text_into(&buffer), ASN_OK);
  EXPECT_EQ(buffer.length(), 23UL);
  EXPECT_EQ(text_of(buffer), "00000000:000000000000/0");
}

TEST(CTevAsnIpxAddress, SocketIsTheLastTwoOctets) {
  ValuePtr value = make(ASN_IPX_ADDRESS);
  ASSERT_EQ(value->set_text("0000abcd:00a0c9112233/451"), ASN_OK);
  EXPECT_EQ(value->get_port(nullptr), 0x451);
  EXPECT_EQ(value->set_port(0x4000), ASN_OK);
  EXPECT_EQ(hex_of(*value), "0000abcd00a0c91122334000");
  EXPECT_EQ(value->get_ulong(nullptr), 0xFFFFFFFFUL);
}
