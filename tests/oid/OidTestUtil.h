// Helpers shared by the object-identifier tests.
#ifndef TEVASNVALUE_TESTS_OID_OIDTESTUTIL_H
#define TEVASNVALUE_TESTS_OID_OIDTESTUTIL_H

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "oid/CTevAsnObjectId.h"

namespace oid_test {

// The stored text of any value with octets ("<none>" when it has none).
inline std::string text_of(const ITevAsnValue& value) {
  unsigned long length = 0;
  const unsigned char* data = value.get_octets(&length, nullptr);
  return data == nullptr ? "<none>" : std::string(reinterpret_cast<const char*>(data), length);
}

// Checks that the cached count and start index agree with the text: the count
// is the number of dots plus one, and every get_at reads the component that a
// fresh scan of the text finds.
inline void expect_consistent(const CTevAsnObjectId& oid) {
  const std::string text = text_of(oid);
  std::vector<std::string> parts;
  if (!text.empty()) {
    std::size_t begin = 0;
    for (std::size_t dot; (dot = text.find('.', begin)) != std::string::npos; begin = dot + 1) {
      parts.push_back(text.substr(begin, dot - begin));
    }
    parts.push_back(text.substr(begin));
  }
  ASSERT_EQ(oid.get_count(), parts.size()) << text;
  for (std::size_t i = 0; i < parts.size(); ++i) {
    const unsigned long long expected = std::stoull("0" + parts[i]);
    const bool fits = expected <= 0xFFFFFFFFULL;
    long err = 1;
    const unsigned long value = oid.get_at(i, &err);
    EXPECT_EQ(err, fits ? 0 : NTevAsnValue::ASN_E_SUBID_RANGE) << text << " at " << i;
    EXPECT_EQ(value, fits ? expected : 0xFFFFFFFFULL) << text << " at " << i;
  }
  long err = 0;
  EXPECT_EQ(oid.get_at(parts.size(), &err), 0xFFFFFFFFUL);
  EXPECT_EQ(err, text.empty() ? NTevAsnValue::ASN_E_EMPTY : NTevAsnValue::ASN_E_OUT_OF_RANGE);
}

// Reads every sub-identifier so that the count and the start index are built.
inline void warm_caches(const CTevAsnObjectId& oid) {
  for (unsigned long i = 0; i < oid.get_count(); ++i) oid.get_at(i, nullptr);
}

}  // namespace oid_test

#endif  // TEVASNVALUE_TESTS_OID_OIDTESTUTIL_H
