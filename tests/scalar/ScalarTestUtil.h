// Helpers shared by the scalar value tests: owning pointers that release, and
// short ways to make values and read their text.
#ifndef TEVASNVALUE_TESTS_SCALAR_SCALARTESTUTIL_H
#define TEVASNVALUE_TESTS_SCALAR_SCALARTESTUTIL_H

#include <memory>
#include <string>

#include "TevAsnValue.h"
#include "TevAsnValuePtr.h"

namespace scalar_test {

using ValuePtr = TevAsnValuePtr;
using OidPtr = TevAsnObjectIdPtr;

inline ValuePtr make_value(NTevAsnValue::EAsnType type) {
  return ValuePtr(tev_create_asn_value(type, nullptr));
}

inline OidPtr make_oid(const char* text) { return OidPtr(tev_create_asn_object_id(text, nullptr)); }

// The value's text form; "<code N>" when to_text_into fails.
inline std::string text_of(const ITevAsnValue& value) {
  CTevAsnBuffer buffer;
  const long code = value.to_text_into(&buffer);
  if (code != NTevAsnValue::ASN_OK) return "<code " + std::to_string(code) + ">";
  return std::string(buffer.data() == nullptr ? "" : buffer.data(), buffer.length());
}

// True where unsigned long can carry numbers past 32 bits.
constexpr bool kWideLong = sizeof(long) > 4;

}  // namespace scalar_test

#endif  // TEVASNVALUE_TESTS_SCALAR_SCALARTESTUTIL_H
