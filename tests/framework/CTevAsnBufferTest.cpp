#include <gtest/gtest.h>

#include <string>

#include "TestText.h"
#include "TevAsnValue.h"

using namespace NTevAsnValue;
using tev_test::text_of;

TEST(CTevAsnBuffer, NewBufferOwnsNoMemory) {
  CTevAsnBuffer b;
  EXPECT_EQ(b.length(), 0UL);
  EXPECT_EQ(b.data(), nullptr);
  EXPECT_EQ(b.assign_text(""), ASN_OK);
  EXPECT_EQ(b.data(), nullptr);
}

TEST(CTevAsnBuffer, AssignKeepsExactLengthAndTerminator) {
  CTevAsnBuffer b;
  ASSERT_EQ(b.assign("abcdef", 3), ASN_OK);
  EXPECT_EQ(b.length(), 3UL);
  EXPECT_STREQ(b.data(), "abc");
  const unsigned char octets[] = {1, 0, 2};
  ASSERT_EQ(b.assign(octets, 3), ASN_OK);
  EXPECT_EQ(b.length(), 3UL);
  EXPECT_EQ(b.data()[3], '\0');
  EXPECT_FALSE(b.is_equal_text("\x01"));  // the text stops at the embedded zero
  EXPECT_TRUE(b.is_equal(octets, 3));
  EXPECT_EQ(b.assign(nullptr, 0), ASN_OK);
  EXPECT_EQ(b.data(), nullptr);
}

TEST(CTevAsnBuffer, NullArgumentsAreNothingOrRefused) {
  struct Row {
    const char* name;
    long (*op)(CTevAsnBuffer&);
    long code;
    const char* after;
  };
  const Row rows[] = {
      {"assign_text(null) empties", [](CTevAsnBuffer& b) { return b.assign_text(nullptr); }, ASN_OK,
       ""},
      {"append_text(null) adds nothing", [](CTevAsnBuffer& b) { return b.append_text(nullptr); },
       ASN_OK, "xy"},
      {"append_buffer(null) adds nothing",
       [](CTevAsnBuffer& b) { return b.append_buffer(nullptr); }, ASN_OK, "xy"},
      {"append(null, 0) adds nothing", [](CTevAsnBuffer& b) { return b.append(nullptr, 0); },
       ASN_OK, "xy"},
      {"append(null, 3) is refused", [](CTevAsnBuffer& b) { return b.append(nullptr, 3); },
       ASN_E_INVALID_ARGUMENT, "xy"},
      {"assign(null, 3) is refused", [](CTevAsnBuffer& b) { return b.assign(nullptr, 3); },
       ASN_E_INVALID_ARGUMENT, "xy"},
      {"clone(null) is refused", [](CTevAsnBuffer& b) { return b.clone(nullptr); },
       ASN_E_INVALID_ARGUMENT, "xy"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    CTevAsnBuffer b;
    ASSERT_EQ(b.assign_text("xy"), ASN_OK);
    EXPECT_EQ(row.op(b), row.code);
    EXPECT_EQ(text_of(b), row.after);
  }
}

TEST(CTevAsnBuffer, AppendFromItsOwnContentDoubles) {
  CTevAsnBuffer b;
  ASSERT_EQ(b.assign_text("ab"), ASN_OK);
  ASSERT_EQ(b.append_buffer(&b), ASN_OK);
  EXPECT_EQ(text_of(b), "abab");
  ASSERT_EQ(b.append(b.data() + 1, 2), ASN_OK);
  EXPECT_EQ(text_of(b), "ababba");
  ASSERT_EQ(b.assign(b.data() + 2, 3), ASN_OK);  // a source inside the old block
  EXPECT_EQ(text_of(b), "abb");
}

TEST(CTevAsnBuffer, SizesBeyond32BitsAreRefusedUnchanged) {
  if (sizeof(unsigned long) <= 4) GTEST_SKIP() << "unsigned long is 32 bits wide";
  CTevAsnBuffer b;
  ASSERT_EQ(b.assign_text("keep"), ASN_OK);
  const char byte = 'x';
  EXPECT_EQ(b.append(&byte, 0xFFFFFFFFUL), ASN_E_OUT_OF_MEMORY);
  EXPECT_EQ(b.assign(&byte, static_cast<unsigned long>(-1)), ASN_E_OUT_OF_MEMORY);
  EXPECT_EQ(text_of(b), "keep");
}

TEST(CTevAsnBuffer, Comparisons) {
  CTevAsnBuffer empty;
  CTevAsnBuffer abc;
  ASSERT_EQ(abc.assign_text("abc"), ASN_OK);
  EXPECT_TRUE(empty.is_equal(nullptr, 0));
  EXPECT_TRUE(empty.is_equal("zz", 0));
  EXPECT_FALSE(abc.is_equal("abc", 0));
  EXPECT_FALSE(abc.is_equal(nullptr, 3));
  EXPECT_FALSE(empty.is_equal_text(nullptr));
  EXPECT_TRUE(empty.is_equal_text(""));
  EXPECT_TRUE(abc.is_equal_text("abc"));
  EXPECT_FALSE(abc.is_equal_text("abd"));
  EXPECT_FALSE(abc.is_equal_text("ab"));
  EXPECT_FALSE(abc.is_equal_buffer(nullptr));
  EXPECT_FALSE(abc.is_equal_buffer(&empty));
  EXPECT_TRUE(abc.is_equal_buffer(&abc));
}

TEST(CTevAsnBuffer, CloneCopiesContent) {
  for (const char* text : {"", "1.3.6.1"}) {
    SCOPED_TRACE(text);
    CTevAsnBuffer b;
    ASSERT_EQ(b.assign_text(text), ASN_OK);
    CTevAsnBuffer* copy = nullptr;
    ASSERT_EQ(b.clone(&copy), ASN_OK);
    ASSERT_NE(copy, nullptr);
    EXPECT_TRUE(copy->is_equal_buffer(&b));
    if (b.length() != 0) {
      EXPECT_NE(copy->data(), b.data());  // a copy, not a share
    }
    copy->release();
  }
}
