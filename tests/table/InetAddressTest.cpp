// InetAddress text both ways (RFC 4001 types, RFC 5952 IPv6 form).
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "TestText.h"
#include "TevAsnTable.h"

using namespace NTevAsnValue;

namespace {

struct TextCase {
  ETevInetAddressType type;
  std::vector<unsigned char> octets;
  const char* text;
};

const TextCase kTextCases[] = {
    {TEV_INET_UNKNOWN, {}, ""},
    {TEV_INET_IPV4, {192, 0, 2, 1}, "192.0.2.1"},
    {TEV_INET_IPV6, {0xfe, 0x80, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1}, "fe80::1"},
    {TEV_INET_IPV6,
     {0x20, 0x01, 0x0d, 0xb8, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 1},
     "2001:db8::1:0:0:1"},  // the first of two equal zero runs
    {TEV_INET_IPV6,
     {0x20, 0x01, 0x0d, 0xb8, 0, 0, 0, 1, 0, 1, 0, 1, 0, 1, 0, 1},
     "2001:db8:0:1:1:1:1:1"},  // one zero group stays
    {TEV_INET_IPV6,
     {0x20, 0x01, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 1},
     "2001:0:0:1::1"},  // the longer run wins
    {TEV_INET_IPV6, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, "::"},
    {TEV_INET_IPV6, {0xAB, 0xCD, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, "abcd::"},
    {TEV_INET_IPV4Z, {10, 0, 0, 1, 0, 0, 0, 5}, "10.0.0.1%5"},
    {TEV_INET_IPV6Z,
     {0xfe, 0x80, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0xff, 0xff, 0xff, 0xff},
     "fe80::1%4294967295"},
    {TEV_INET_DNS, {'e', 'x', 'a', 'm', 'p', 'l', 'e', '.', 'c', 'o', 'm'}, "example.com"},
};

TEST(InetAddress, WritesEachTypesForm) {
  for (const TextCase& c : kTextCases) {
    SCOPED_TRACE(c.text);
    CTevAsnBuffer text;
    ASSERT_EQ(tev_format_inet_address(c.type, c.octets.data(),
                                      static_cast<unsigned long>(c.octets.size()), TEV_OCTETS_AUTO,
                                      &text),
              ASN_OK);
    EXPECT_TRUE(text.is_equal_text(c.text)) << (text.data() ? text.data() : "");
  }
}

TEST(InetAddress, WritesDnsNamesByTheOctetPolicy) {
  const unsigned char name[] = {'a', '\n', 'b'};
  const struct {
    ETevOctetsAs as;
    unsigned long length;
    const char* text;
  } cases[] = {{TEV_OCTETS_AUTO, 1, "a"},
               {TEV_OCTETS_HEX, 1, "61"},
               {TEV_OCTETS_AUTO, 3, "61:0a:62"},
               {TEV_OCTETS_HEX, 3, "61:0a:62"}};
  for (const auto& c : cases) {
    CTevAsnBuffer text;
    ASSERT_EQ(tev_format_inet_address(TEV_INET_DNS, name, c.length, c.as, &text), ASN_OK);
    EXPECT_TRUE(text.is_equal_text(c.text)) << c.text;
  }
  CTevAsnBuffer text;
  EXPECT_EQ(tev_format_inet_address(TEV_INET_DNS, name, 3, static_cast<ETevOctetsAs>(3), &text),
            ASN_E_INVALID_ARGUMENT);
}

TEST(InetAddress, RefusesLengthsThatDisagreeWithTheType) {
  const unsigned char octets[256] = {1};
  const struct {
    std::uint32_t type;
    unsigned long length;
  } bad[] = {{TEV_INET_UNKNOWN, 4}, {TEV_INET_IPV4, 16}, {TEV_INET_IPV6, 4},  {TEV_INET_IPV4Z, 4},
             {TEV_INET_IPV6Z, 16},  {TEV_INET_DNS, 0},   {TEV_INET_DNS, 256}, {5, 4},
             {0xFFFFFFFFU, 0}};
  for (const auto& c : bad) {
    SCOPED_TRACE(std::to_string(c.type) + "/" + std::to_string(c.length));
    CTevAsnBuffer text;
    EXPECT_EQ(tev_format_inet_address(static_cast<ETevInetAddressType>(c.type), octets, c.length,
                                      TEV_OCTETS_AUTO, &text),
              ASN_E_INET_ADDRESS);
  }
}

TEST(InetAddress, ReadsTypedAndBareTextBackToTheSameOctets) {
  const struct {
    const char* text;
    ETevInetAddressType type;
    const char* canonical;  // what the type's text form gives back
  } cases[] = {
      {"ipv4:192.0.2.1", TEV_INET_IPV4, "192.0.2.1"},
      {"192.0.2.1", TEV_INET_IPV4, "192.0.2.1"},
      {"ipv6:FE80:0:0:0:0:0:0:1", TEV_INET_IPV6, "fe80::1"},
      {"fe80::1", TEV_INET_IPV6, "fe80::1"},
      {"::ffff:192.0.2.1", TEV_INET_IPV6, "::ffff:192.0.2.1"},
      {"::ffff:c000:201", TEV_INET_IPV6, "::ffff:192.0.2.1"},
      {"::fffe:c000:201", TEV_INET_IPV6, "::fffe:c000:201"},
      {"ipv6z:fe80::1%5", TEV_INET_IPV6Z, "fe80::1%5"},
      {"fe80::1%5", TEV_INET_IPV6Z, "fe80::1%5"},
      {"10.0.0.1%7", TEV_INET_IPV4Z, "10.0.0.1%7"},
      {"dns:example.com", TEV_INET_DNS, "example.com"},
      {"unknown:", TEV_INET_UNKNOWN, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    auto type = static_cast<ETevInetAddressType>(99);
    CTevAsnBuffer octets;
    CTevAsnBuffer reason;
    ASSERT_EQ(tev_parse_inet_address(c.text, std::strlen(c.text), &type, &octets, &reason), ASN_OK)
        << (reason.data() ? reason.data() : "");
    EXPECT_EQ(type, c.type);
    CTevAsnBuffer text;
    ASSERT_EQ(tev_format_inet_address(type, tev_test::bytes(octets.data()), octets.length(),
                                      TEV_OCTETS_AUTO, &text),
              ASN_OK);
    EXPECT_TRUE(text.is_equal_text(c.canonical)) << (text.data() ? text.data() : "");
  }
}

TEST(InetAddress, RefusesMalformedTextWithAReason) {
  const char* const bad[] = {"",
                             "example.com%",
                             "ipv4:1.2.3",
                             "ipv4:1.2.3.256",
                             "ipv4:1.2.3.4%1",
                             "1.2.3.4%",
                             "1.2.3.4%x",
                             "fe80::1::2",
                             "1:2:3:4:5:6:7:8:9",
                             "12345::1",
                             ":::",
                             "ipv6z:fe80::1",
                             "unknown:x",
                             "dns:",
                             "host.example",
                             "1.2.3.4%99999999999"};
  for (const char* text : bad) {
    SCOPED_TRACE(text);
    ETevInetAddressType type = TEV_INET_UNKNOWN;
    CTevAsnBuffer octets;
    CTevAsnBuffer reason;
    EXPECT_EQ(tev_parse_inet_address(text, std::strlen(text), &type, &octets, &reason),
              ASN_E_ADDRESS_TEXT);
    EXPECT_NE(reason.length(), 0UL);
  }
}

TEST(InetAddress, NamesTheTypes) {
  EXPECT_STREQ(tev_inet_address_type_name(TEV_INET_IPV6Z), "ipv6z");
  EXPECT_STREQ(tev_inet_address_type_name(TEV_INET_DNS), "dns");
  EXPECT_EQ(tev_inet_address_type_name(static_cast<ETevInetAddressType>(5)), nullptr);
}

}  // namespace
