// The base's address and number writers that both libraries share: IPv6 in
// both forms, IPv4, any-base digits and the narrowing of sub-identifiers.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "base/CTevIpText.h"
#include "base/TevNumberText.h"
#include "base/TevSubIds.h"

namespace {

std::vector<unsigned char> hex_octets(const char* hex) {
  std::vector<unsigned char> out;
  for (const char* p = hex; p[0] != '\0' && p[1] != '\0'; p += 2) {
    out.push_back(
        static_cast<unsigned char>(tev_base::hex_value(p[0]) << 4 | tev_base::hex_value(p[1])));
  }
  return out;
}

TEST(CTevIpText, WritesIpv6InBothFormsAndReadsItBack) {
  const struct {
    const char* octets;
    const char* rfc5952;
    const char* eight_groups;
  } rows[] = {
      {"fe800000000000000000000000000001", "fe80::1", "fe80:0:0:0:0:0:0:1"},
      {"00000000000000000000000000000000", "::", "0:0:0:0:0:0:0:0"},
      {"00000000000000000000000000000001", "::1", "0:0:0:0:0:0:0:1"},
      {"20010db8000000000001000000000001", "2001:db8::1:0:0:1", "2001:db8:0:0:1:0:0:1"},
      {"20010db8000100000001000100010001", "2001:db8:1:0:1:1:1:1", "2001:db8:1:0:1:1:1:1"},
      {"20010db8000000010000000000000000", "2001:db8:0:1::", "2001:db8:0:1:0:0:0:0"},
      {"00000000000000000000ffffc0000201", "::ffff:192.0.2.1", "0:0:0:0:0:ffff:c000:201"},
      {"000000000000000000000000c0000201", "::c000:201", "0:0:0:0:0:0:c000:201"},
      {"ffffffffffffffffffffffffffffffff", "ffff:ffff:ffff:ffff:ffff:ffff:ffff:ffff",
       "ffff:ffff:ffff:ffff:ffff:ffff:ffff:ffff"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.octets);
    const std::vector<unsigned char> octets = hex_octets(row.octets);
    char text[CTevIpText::kIpv6Room];
    char* end = CTevIpText::write_ipv6(text, octets.data(), CTevIpText::Form::kRfc5952);
    EXPECT_EQ(std::string(text, end), row.rfc5952);
    end = CTevIpText::write_ipv6(text, octets.data(), CTevIpText::Form::kEightGroups);
    EXPECT_EQ(std::string(text, end), row.eight_groups);
    for (const char* form : {row.rfc5952, row.eight_groups}) {
      unsigned char read[16] = {};
      unsigned long fault = 0;
      ASSERT_TRUE(CTevIpText::read_ipv6(form, std::string(form).size(), read, &fault)) << form;
      EXPECT_EQ(std::vector<unsigned char>(read, read + 16), octets) << form;
    }
  }
}

TEST(CTevIpText, WritesIpv4) {
  const unsigned char octets[][4] = {{0, 0, 0, 0}, {192, 168, 1, 10}, {255, 255, 255, 255}};
  const char* texts[] = {"0.0.0.0", "192.168.1.10", "255.255.255.255"};
  for (int i = 0; i < 3; ++i) {
    char text[CTevIpText::kIpv4Room];
    EXPECT_EQ(std::string(text, CTevIpText::write_ipv4(text, octets[i])), texts[i]);
  }
}

TEST(TevNumberText, WritesInAnyBase) {
  const struct {
    std::uint64_t value;
    unsigned base;
    const char* text;
  } rows[] = {{0, 2, "0"},
              {5, 2, "101"},
              {8, 8, "10"},
              {UINT64_MAX, 8, "1777777777777777777777"},
              {4294967296ULL, 10, "4294967296"},
              {UINT64_MAX, 10, "18446744073709551615"},
              {255, 16, "ff"},
              {UINT64_MAX, 2, "1111111111111111111111111111111111111111111111111111111111111111"}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.value);
    char text[64];
    char* const end = tev_base::write_in_base(text, row.value, row.base);
    EXPECT_EQ(std::string(text, end), row.text);
  }
}

TEST(TevSubIds, NarrowsOnlyOctets) {
  // Lengths around the four-at-a-time step, the wide value in each place.
  for (std::size_t n = 0; n <= 9; ++n) {
    std::vector<std::uint32_t> sub_ids(n);
    for (std::size_t i = 0; i < n; ++i) sub_ids[i] = static_cast<std::uint32_t>(250 + i % 6);
    std::vector<unsigned char> out(n);
    EXPECT_TRUE(tev_base::narrow_octets(sub_ids.data(), n, out.data()));
    EXPECT_EQ(std::vector<unsigned char>(sub_ids.begin(), sub_ids.end()), out);
    for (std::size_t wide = 0; wide < n; ++wide) {
      std::vector<std::uint32_t> bad = sub_ids;
      bad[wide] = 256;
      EXPECT_FALSE(tev_base::narrow_octets(bad.data(), n, out.data())) << n << " " << wide;
      EXPECT_EQ(tev_base::first_non_octet(bad.data(), n), wide);
    }
  }
}

}  // namespace
