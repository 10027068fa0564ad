// Shared by the fuzz targets: the type list, owning pointers and the check
// that turns a broken promise into a crash libFuzzer reports.
#ifndef TEVASNVALUE_FUZZ_FUZZSUPPORT_H
#define TEVASNVALUE_FUZZ_FUZZSUPPORT_H

#include <cstdio>
#include <cstdlib>
#include <memory>

#include "TevAsnValue.h"
#include "TevAsnValuePtr.h"

namespace tev_fuzz {

inline constexpr NTevAsnValue::EAsnType kTypes[] = {NTevAsnValue::ASN_INTEGER,
                                                    NTevAsnValue::ASN_OCTET_STRING,
                                                    NTevAsnValue::ASN_NULL,
                                                    NTevAsnValue::ASN_OBJECT_ID,
                                                    NTevAsnValue::ASN_IP_ADDRESS,
                                                    NTevAsnValue::ASN_COUNTER,
                                                    NTevAsnValue::ASN_GAUGE,
                                                    NTevAsnValue::ASN_TIME_TICKS,
                                                    NTevAsnValue::ASN_OPAQUE,
                                                    NTevAsnValue::ASN_COUNTER_64,
                                                    NTevAsnValue::ASN_IPV6_ADDRESS,
                                                    NTevAsnValue::ASN_NO_SUCH_OBJECT,
                                                    NTevAsnValue::ASN_NO_SUCH_INSTANCE,
                                                    NTevAsnValue::ASN_END_OF_MIB_VIEW,
                                                    NTevAsnValue::ASN_IP_PORT_ADDRESS,
                                                    NTevAsnValue::ASN_IPX_ADDRESS};
inline constexpr std::size_t kTypeCount = sizeof kTypes / sizeof kTypes[0];

using Value = TevAsnValuePtr;
using Oid = TevAsnObjectIdPtr;
using Buffer = TevAsnBufferPtr;

/// Stops the run with a message when a promise does not hold.
inline void require(bool ok, const char* what, NTevAsnValue::EAsnType type = {}) {
  if (ok) return;
  std::fprintf(stderr, "broken promise (type 0x%X): %s\n", static_cast<unsigned>(type), what);
  std::abort();
}

/// The text form as a zero-terminated string owned by a buffer.
inline Buffer text_of(const ITevAsnValue* value, long* code) {
  Buffer text(value->to_text(code));
  require(text != nullptr, "to_text returned null without memory pressure");
  return text;
}

/// Characters handed to functions that take octets.
inline const unsigned char* bytes(const char* data) {
  return reinterpret_cast<const unsigned char*>(data);
}

}  // namespace tev_fuzz

#endif  // TEVASNVALUE_FUZZ_FUZZSUPPORT_H
