// Dotted decimal text read into sub-identifiers: boundaries and refusals.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "TevAsnTable.h"

using namespace NTevAsnValue;

namespace {

std::string repeat_ones(int n) {
  std::string text = "1";
  for (int i = 1; i < n; ++i) text += ".1";
  return text;
}

TEST(SubIdText, ReadsBoundariesAndRefusesWithReasons) {
  const struct {
    std::string text;
    long code;
    std::vector<std::uint32_t> sub_ids;
    const char* reason;
  } cases[] = {
      {"", ASN_OK, {}, ""},
      {".", ASN_OK, {}, ""},
      {".1.3.0", ASN_OK, {1, 3, 0}, ""},
      {"4294967295", ASN_OK, {4294967295U}, ""},
      {"4294967296", ASN_E_INVALID_ARGUMENT, {}, "'4294967296' does not fit 32 bits"},
      {"99999999999999999999999", ASN_E_INVALID_ARGUMENT, {}, "does not fit 32 bits"},
      {"1.03", ASN_E_INVALID_ARGUMENT, {}, "'03' has a leading zero"},
      {"1..2", ASN_E_INVALID_ARGUMENT, {}, "empty sub-identifier"},
      {"1.2.", ASN_E_INVALID_ARGUMENT, {}, "empty sub-identifier"},
      {"1.-2", ASN_E_INVALID_ARGUMENT, {}, "'-' in '-2'"},
      {"1.2 ", ASN_E_INVALID_ARGUMENT, {}, "' ' in '2 '"},
      {repeat_ones(128), ASN_OK, std::vector<std::uint32_t>(128, 1), ""},
      {repeat_ones(129), ASN_E_INVALID_ARGUMENT, {}, "more than 128 sub-identifiers"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text.substr(0, 40));
    std::uint32_t ids[200];
    unsigned long count = 99;
    CTevAsnBuffer reason;
    EXPECT_EQ(tev_parse_sub_ids(c.text.data(), static_cast<unsigned long>(c.text.size()), ids, 200,
                                &count, &reason),
              c.code);
    if (c.code == ASN_OK) {
      EXPECT_EQ(std::vector<std::uint32_t>(ids, ids + count), c.sub_ids);
    } else {
      const std::string why(reason.length() == 0 ? "" : reason.data(), reason.length());
      EXPECT_NE(why.find(c.reason), std::string::npos) << why;
    }
  }
}

TEST(SubIdText, StopsAtTheCallersCapacity) {
  std::uint32_t ids[2];
  unsigned long count = 0;
  EXPECT_EQ(tev_parse_sub_ids("1.2.3", 5, ids, 2, &count, nullptr), ASN_E_INVALID_ARGUMENT);
  EXPECT_EQ(tev_parse_sub_ids("1.2", 3, ids, 2, &count, nullptr), ASN_OK);
  EXPECT_EQ(count, 2UL);
}

}  // namespace
