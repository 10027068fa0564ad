// Helpers shared by the octet-value tests: owning pointers, octets as hex,
// object identifiers from text, and a runner for tables of address texts.
#ifndef TEVASNVALUE_TESTS_OCTETS_OCTETTESTUTIL_H
#define TEVASNVALUE_TESTS_OCTETS_OCTETTESTUTIL_H

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "TestText.h"
#include "TevAsnValue.h"
#include "TevAsnValuePtr.h"

namespace octet_test {

using ValuePtr = TevAsnValuePtr;
using OidPtr = TevAsnObjectIdPtr;

inline ValuePtr make(NTevAsnValue::EAsnType type) {
  return ValuePtr(tev_create_asn_value(type, nullptr));
}

inline OidPtr make_oid(const char* text) { return OidPtr(tev_create_asn_object_id(text, nullptr)); }

// The stored octets in lower-case hex, two digits each, no separators.
inline std::string hex_of(const ITevAsnValue& value) {
  unsigned long length = 0;
  const unsigned char* data = value.get_octets(&length, nullptr);
  std::string out;
  for (unsigned long i = 0; i < length; ++i) {
    out += "0123456789abcdef"[data[i] >> 4];
    out += "0123456789abcdef"[data[i] & 0xF];
  }
  return out;
}

using tev_test::text_of;

inline std::string oid_text(const ITevAsnObjectID& oid) { return text_of(oid); }

// One text given to set_text: the code expected, the octets left behind, and
// for accepted texts the text form read back (null: not checked).
struct TextCase {
  const char* text;
  long code;
  const char* octets;
  const char* text_back = nullptr;
};

// Runs each case on a value of `type` that first holds `before`, so that the
// octets left after a failure show what set_text itself stored.
template <size_t N>
void run_text_cases(NTevAsnValue::EAsnType type, const char* before, const TextCase (&cases)[N]) {
  for (const TextCase& c : cases) {
    SCOPED_TRACE(std::string("text \"") + c.text + "\"");
    ValuePtr value = make(type);
    ASSERT_EQ(value->set_text(before), NTevAsnValue::ASN_OK);
    EXPECT_EQ(value->set_text(c.text), c.code);
    EXPECT_EQ(hex_of(*value), c.octets);
    if (c.text_back != nullptr) {
      EXPECT_EQ(text_of(*value), c.text_back);
    }
  }
}

constexpr bool kWideLong = sizeof(long) > 4;

}  // namespace octet_test

#endif  // TEVASNVALUE_TESTS_OCTETS_OCTETTESTUTIL_H
