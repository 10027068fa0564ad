// The decimal writer and the two digit scanners, over one boundary table.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>

#include "base/TevNumberText.h"

namespace {

struct ScanRow {
  const char* text;
  // atol-style: value, overflow (beyond 40 bits), characters read.
  std::int64_t atol_value;
  bool atol_overflow;
  std::size_t atol_read;
  // Strict, capped at 32 bits: value, overflow, characters read.
  std::uint64_t strict_value;
  bool strict_overflow;
  std::size_t strict_read;
};

const ScanRow kScanRows[] = {
    {"0", 0, false, 1, 0, false, 1},
    {"2147483647", 2147483647, false, 10, 2147483647, false, 10},
    {"2147483648", 2147483648LL, false, 10, 2147483648ULL, false, 10},
    {"4294967295", 4294967295LL, false, 10, 4294967295ULL, false, 10},
    {"4294967296", 4294967296LL, false, 10, 0, true, 10},
    {"1099511627776", 1099511627776LL, false, 13, 0, true, 13},  // 2^40: the atol limit
    {"1099511627777", 0, true, 13, 0, true, 13},
    {"-1", -1, false, 2, 0, false, 0},
    {" +7x", 7, false, 3, 0, false, 0},
    {"", 0, false, 0, 0, false, 0},
    {"abc", 0, false, 0, 0, false, 0},
    {"12.34", 12, false, 2, 12, false, 2},
    {"007", 7, false, 3, 7, false, 3},
    {"99999999999999999999999", 0, true, 23, 0, true, 23},
};

TEST(TevNumberText, ScannersReadTheBoundaryTable) {
  for (const ScanRow& row : kScanRows) {
    SCOPED_TRACE(std::string("text \"") + row.text + "\"");
    const tev_base::ScannedDecimal atol = tev_base::scan_decimal(row.text);
    EXPECT_EQ(atol.value, row.atol_value);
    EXPECT_EQ(atol.overflow, row.atol_overflow);
    EXPECT_EQ(static_cast<std::size_t>(atol.end - row.text), row.atol_read);

    const tev_base::DigitRun strict = tev_base::scan_digits(row.text, nullptr, 10, UINT32_MAX);
    EXPECT_EQ(strict.value, row.strict_value);
    EXPECT_EQ(strict.overflow, row.strict_overflow);
    EXPECT_EQ(static_cast<std::size_t>(strict.end - row.text), row.strict_read);
    // A limit ends the run like any other character.
    const char* const limit = row.text + std::strlen(row.text);
    EXPECT_EQ(tev_base::scan_digits(row.text, limit, 10, UINT32_MAX).end, strict.end);
    EXPECT_EQ(tev_base::skip_digits(row.text, limit), strict.end);
  }
}

TEST(TevNumberText, StrictScannerReadsHexadecimalAndStopsAtTheLimit) {
  const char text[] = "fFa9g";
  const tev_base::DigitRun hex = tev_base::scan_digits(text, nullptr, 16, UINT32_MAX);
  EXPECT_EQ(hex.value, 0xFFA9U);
  EXPECT_EQ(hex.end, text + 4);
  EXPECT_EQ(tev_base::scan_digits(text, nullptr, 10, UINT32_MAX).end, text);
  const char digits[] = "12345";
  EXPECT_EQ(tev_base::scan_digits(digits, &digits[2], 10, UINT32_MAX).value, 12U);
}

TEST(TevNumberText, ReadDecimalInRangeKeepsTheTargetOnFailure) {
  const struct {
    const char* text;
    bool ok;
  } rows[] = {{"2147483647", true},   {"2147483648", false}, {"-2147483648", true},
              {"-2147483649", false}, {"abc", true},         {"1099511627777", false}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.text);
    std::int64_t value = 99;
    EXPECT_EQ(tev_base::read_decimal_in_range(row.text, INT32_MIN, INT32_MAX, &value), row.ok);
    if (!row.ok) {
      EXPECT_EQ(value, 99);
    }
  }
}

TEST(TevNumberText, WriterMatchesTheBoundaryTable) {
  const struct {
    std::int64_t number;
    const char* text;
  } rows[] = {{0, "0"},
              {9, "9"},
              {10, "10"},
              {2147483647, "2147483647"},
              {2147483648LL, "2147483648"},
              {4294967295LL, "4294967295"},
              {4294967296LL, "4294967296"},
              {-1, "-1"},
              {INT64_MIN, "-9223372036854775808"},
              {INT64_MAX, "9223372036854775807"}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.text);
    char out[tev_base::kDecimalTextSize];
    EXPECT_EQ(tev_base::format_decimal(row.number, out), std::strlen(row.text));
    EXPECT_STREQ(out, row.text);
    if (row.number >= 0 && row.number <= INT64_C(4294967295)) {
      char digits[16];
      const char* end = tev_base::write_decimal(digits, static_cast<std::uint32_t>(row.number));
      EXPECT_EQ(std::string(static_cast<const char*>(digits), end), row.text);
    }
  }
  char out[tev_base::kDecimalTextSize];
  tev_base::format_decimal(UINT64_MAX, out);
  EXPECT_STREQ(out, "18446744073709551615");
}

TEST(TevNumberText, DottedOctetsPutADotBeforeEach) {
  const unsigned char octets[] = {0, 9, 10, 99, 100, 255};
  char out[4 * sizeof octets];
  const char* end = tev_base::write_dotted_octets(out, octets, sizeof octets);
  EXPECT_EQ(std::string(static_cast<const char*>(out), end), ".0.9.10.99.100.255");
  EXPECT_EQ(tev_base::write_dotted_octets(out, octets, 0), out);
}

}  // namespace
