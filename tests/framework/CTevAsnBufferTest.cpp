#include <gtest/gtest.h>

#include "TevAsnValue.h"

TEST(CTevAsnBuffer, NewBufferIsEmpty) {
  CTevAsnBuffer b;
  EXPECT_EQ(b.length(), 0UL);
  EXPECT_EQ(b.data(), nullptr);
}
