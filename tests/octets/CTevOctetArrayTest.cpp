#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "octets/CTevOctetArray.h"

TEST(CTevOctetArray, RoundCapacityIsNextMultipleOf128StrictlyAbove) {
  const struct {
    unsigned long n;
    bool fits;
    std::uint32_t rounded;
  } rows[] = {{0, true, 128},           {1, true, 128},          {127, true, 128},
              {128, true, 256},         {200, true, 256},        {0xFFFFFF7FUL, true, 0xFFFFFF80U},
              {0xFFFFFF80UL, false, 0}, {0xFFFFFFFFUL, false, 0}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.n);
    std::uint32_t rounded = 0;
    EXPECT_EQ(CTevOctetArray::round_capacity(row.n, &rounded), row.fits);
    if (row.fits) {
      EXPECT_EQ(rounded, row.rounded);
    }
  }
}

TEST(CTevOctetArray, ReserveBeyond32BitsFailsAndChangesNothing) {
  CTevOctetArray store;
  ASSERT_TRUE(store.assign(reinterpret_cast<const unsigned char*>("abc"), 3));
  const unsigned char* block = store.data;
  EXPECT_FALSE(store.reserve(0xFFFFFF80UL));
  EXPECT_EQ(store.data, block);
  EXPECT_EQ(store.length, 3U);
  EXPECT_EQ(store.capacity, CTevOctetArray::kInline);
}

TEST(CTevOctetArray, GrowsInBlocksAndNeverShrinks) {
  CTevOctetArray store;
  EXPECT_TRUE(store.assign(nullptr, 0));
  EXPECT_EQ(store.data, nullptr) << "an empty assign allocates nothing";
  for (int i = 0; i < 128; ++i) {
    ASSERT_EQ(store.push_back(static_cast<unsigned char>(i)), i + 1UL);
    // Held in the store while they fit, then moved to a block of 128.
    ASSERT_EQ(store.capacity, i < 16 ? CTevOctetArray::kInline : 128U);
    ASSERT_EQ(store.data[i / 2], i / 2);
  }
  EXPECT_EQ(store.push_back(0xFF), 129UL);
  EXPECT_EQ(store.capacity, 256U);
  EXPECT_EQ(store.data[127], 127);

  const std::vector<unsigned char> big(300, 7);
  EXPECT_TRUE(store.assign(big.data(), big.size()));
  EXPECT_EQ(store.capacity, 384U);
  EXPECT_TRUE(store.assign(big.data(), 1));
  EXPECT_EQ(store.length, 1U);
  EXPECT_EQ(store.capacity, 384U);
}

// assign from the store's own octets (a shift towards the start) copies as
// memmove does, at every copy width.
TEST(CTevOctetArray, AssignFromItsOwnOctetsCopiesLikeMemmove) {
  unsigned char pattern[160];
  for (unsigned i = 0; i < sizeof pattern; ++i) pattern[i] = static_cast<unsigned char>(i + 1);
  for (const unsigned long n :
       {1UL, 3UL, 4UL, 7UL, 8UL, 15UL, 16UL, 17UL, 24UL, 31UL, 32UL, 33UL, 100UL}) {
    for (const unsigned long from : {1UL, 8UL, 15UL, 16UL, 40UL}) {
      CTevOctetArray store;
      ASSERT_TRUE(store.assign(pattern, n + from));
      ASSERT_TRUE(store.assign(store.data + from, n));
      EXPECT_EQ(store.length, n);
      EXPECT_EQ(std::memcmp(store.data, pattern + from, n), 0) << n << " from " << from;
    }
  }
}
