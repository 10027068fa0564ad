// Helpers shared by the scalar value tests: owning pointers that release, and
// short ways to make values and read their text.
#ifndef TEVASNVALUE_TESTS_SCALAR_SCALARTESTUTIL_H
#define TEVASNVALUE_TESTS_SCALAR_SCALARTESTUTIL_H

#include <memory>
#include <string>

#include "TestText.h"
#include "TevAsnValue.h"
#include "TevAsnValuePtr.h"

namespace scalar_test {

using ValuePtr = TevAsnValuePtr;
using OidPtr = TevAsnObjectIdPtr;

inline ValuePtr make_value(NTevAsnValue::EAsnType type) {
  return ValuePtr(tev_create_asn_value(type, nullptr));
}

inline OidPtr make_oid(const char* text) { return OidPtr(tev_create_asn_object_id(text, nullptr)); }

using tev_test::text_of;

// True where unsigned long can carry numbers past 32 bits.
constexpr bool kWideLong = sizeof(long) > 4;

}  // namespace scalar_test

#endif  // TEVASNVALUE_TESTS_SCALAR_SCALARTESTUTIL_H
