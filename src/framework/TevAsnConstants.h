// Internal constants and the one helper that writes the `long* err`
// out-parameter. Class ids, refused-getter values and 32-bit limits live here
// and nowhere else.
#ifndef TEVASNVALUE_SRC_FRAMEWORK_TEVASNCONSTANTS_H
#define TEVASNVALUE_SRC_FRAMEWORK_TEVASNCONSTANTS_H

#include <cstdint>

#include "TevAsnTypes.h"
#include "base/TevError.h"

namespace tev_core {

using NTevAsnValue::EAsnType;

// Class ids answered by query_class.
constexpr unsigned long kClassIdValue = 0xFF00UL;          // ITevAsnValue itself
constexpr unsigned long kClassIdBase = 0xF000FF00UL;       // CTevAsnValueBase
constexpr unsigned long kClassIdException = 0xF000FF01UL;  // CTevAsnException
constexpr unsigned long kClassIdIpPort = 0xF000FF02UL;     // CTevAsnIpPortAddress
constexpr unsigned long kClassIdIpx = 0xF000FF03UL;        // CTevAsnIpxAddress
// Internal: the one view of the library's own object identifiers that octet
// values use for the index (framework/ITevOidOctets.h).
constexpr unsigned long kClassIdOidOctets = 0xF000FF10UL;
// Every other concrete class: 0xF0000000 plus its type tag.
constexpr unsigned long class_id_of(EAsnType type) { return 0xF0000000UL + type; }
constexpr unsigned long kClassIdInteger = class_id_of(NTevAsnValue::ASN_INTEGER);
constexpr unsigned long kClassIdOctetString = class_id_of(NTevAsnValue::ASN_OCTET_STRING);
constexpr unsigned long kClassIdNull = class_id_of(NTevAsnValue::ASN_NULL);
constexpr unsigned long kClassIdObjectId = class_id_of(NTevAsnValue::ASN_OBJECT_ID);
constexpr unsigned long kClassIdIpAddress = class_id_of(NTevAsnValue::ASN_IP_ADDRESS);
constexpr unsigned long kClassIdCounter = class_id_of(NTevAsnValue::ASN_COUNTER);
constexpr unsigned long kClassIdGauge = class_id_of(NTevAsnValue::ASN_GAUGE);
constexpr unsigned long kClassIdTimeTicks = class_id_of(NTevAsnValue::ASN_TIME_TICKS);
constexpr unsigned long kClassIdOpaque = class_id_of(NTevAsnValue::ASN_OPAQUE);
constexpr unsigned long kClassIdCounter64 = class_id_of(NTevAsnValue::ASN_COUNTER_64);
constexpr unsigned long kClassIdIpv6Address = class_id_of(NTevAsnValue::ASN_IPV6_ADDRESS);

// Values returned by refused or failed getters.
constexpr long kFailLong = -1;
constexpr unsigned long kFail32 = 0xFFFFFFFFUL;
constexpr unsigned short kFailPort = 0xFFFF;

// Largest number a 32-bit field holds; also the "all" length and count.
constexpr unsigned long kMax32 = 0xFFFFFFFFUL;

// Whether a length or count argument means "all": 0xFFFFFFFF, or all bits set
// where unsigned long is wider than 32 bits.
constexpr bool is_all(unsigned long n) {
  return n == kMax32 || n == static_cast<unsigned long>(-1);
}

// Whether an unsigned long fits a 32-bit field (always true where long is 32 bits).
// (Written without a comparison that is always true there, which -Wtype-limits reports.)
constexpr bool fits_u32(unsigned long n) { return (n >> 16 >> 16) == 0; }

// Whether a long fits a signed 32-bit field.
constexpr bool fits_i32(long n) { return n == static_cast<std::int32_t>(n); }

using tev_base::set_error;

}  // namespace tev_core

#endif  // TEVASNVALUE_SRC_FRAMEWORK_TEVASNCONSTANTS_H
