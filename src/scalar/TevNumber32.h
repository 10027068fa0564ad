// What the 32-bit number classes (INTEGER and the unsigned Gauge family) do
// alike: write their decimal text, and stand in an instance identifier as one
// sub-identifier holding the number's 32-bit pattern.
#ifndef TEVASNVALUE_SRC_SCALAR_TEVNUMBER32_H
#define TEVASNVALUE_SRC_SCALAR_TEVNUMBER32_H

#include <cstdint>

#include "ITevAsnObjectID.h"

namespace tev_core {

/// Replaces the buffer's content with the decimal text of `number`: -2 for a
/// null buffer, else the buffer's assign_text result.
long write_number_text(CTevAsnBuffer* buffer, std::int64_t number);

/// Appends `pattern` to `oid` as one sub-identifier: -2 for a null oid, else
/// the oid's append_sub_id result.
long append_number_index(ITevAsnObjectID* oid, std::uint32_t pattern);

/// Makes `oid` the one-component identifier `pattern`: -2 for a null oid, else
/// the oid's set_ulong result.
long assign_number_index(ITevAsnObjectID* oid, std::uint32_t pattern);

/// Reads the first sub-identifier of `oid` into `*pattern` and returns the
/// read's code. A failed read still writes 0xFFFFFFFF (what get_at answers);
/// a null oid gives -2 and leaves `*pattern` alone.
/// Inline: decoding a row calls it for every number in the index.
inline long read_number_index(const ITevAsnObjectID* oid, std::uint32_t* pattern) {
  if (oid == nullptr) return NTevAsnValue::ASN_E_INVALID_ARGUMENT;
  long code = NTevAsnValue::ASN_OK;
  // A foreign identifier might hand back more than 32 bits; keep the low ones.
  *pattern = static_cast<std::uint32_t>(oid->get_at(0, &code) & 0xFFFFFFFFUL);
  return code;
}

}  // namespace tev_core

#endif  // TEVASNVALUE_SRC_SCALAR_TEVNUMBER32_H
