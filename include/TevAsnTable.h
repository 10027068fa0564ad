// TevAsnTable: table rows on top of TevAsnValue.
//
// A companion library of its own (libTevAsnTable, pkg-config tevasntable,
// CMake target TevAsnValue::TevAsnTable) built on TevAsnValue's public
// interface only. It turns the instance identifiers of SNMP tables into typed
// index values and back (RFC 2578 section 7.7), InetAddressType and
// InetAddress pairs (RFC 4001) included, and orders identifiers as a walk does.
//
// Conventions are TevAsnValue's: failures are negative codes (the core's and
// the ASN_E_* below), text and octets come back in a CTevAsnBuffer, values are
// the core's objects, and every object a function returns belongs to the
// caller, who ends it with release(). Where an operation takes a `reason`
// buffer (which may be null), a failure writes one line of words into it that
// names the value and what is wrong; success leaves it untouched.
// Threads: no global state and no locks; one object is used by one thread at
// a time.
#ifndef TEVASNVALUE_TEVASNTABLE_H
#define TEVASNVALUE_TEVASNTABLE_H

#include <cstdint>

#include "CTevAsnBuffer.h"
#include "ITevAsnObjectID.h"
#include "ITevAsnValue.h"
#include "TevAsnTypes.h"

/// Marks the exported functions of TevAsnTable. Clients that link a static
/// build on Windows define TEVASNTABLE_STATIC.
#if defined(_WIN32)
#if defined(TEVASNTABLE_BUILDING)
#define TEV_ASN_TABLE_API __declspec(dllexport)
#elif defined(TEVASNTABLE_STATIC)
#define TEV_ASN_TABLE_API
#else
#define TEV_ASN_TABLE_API __declspec(dllimport)
#endif
#else
#define TEV_ASN_TABLE_API __attribute__((visibility("default")))
#endif

namespace NTevAsnValue {

// Codes of the companion, beside the core's (ASN_E_INVALID_ARGUMENT -2 for
// null arguments, ASN_E_OUT_OF_MEMORY -3, ASN_E_SUBID_RANGE -401 for a
// sub-identifier that does not fit its value).
constexpr long ASN_E_LAYOUT = -410;          ///< bad layout text (type, count, /implied)
constexpr long ASN_E_INDEX_SHORT = -411;     ///< a value runs past the end of the index
constexpr long ASN_E_INDEX_LENGTH = -412;    ///< a length or domain sub-identifier does not fit
constexpr long ASN_E_INDEX_LEFTOVER = -413;  ///< sub-identifiers left after the last value
constexpr long ASN_E_INET_ADDRESS = -414;    ///< InetAddressType unknown, or its length disagrees
constexpr long ASN_E_NOT_IN_TABLE = -415;    ///< the identifier does not lie below the entry
constexpr long ASN_E_ADDRESS_TEXT = -416;    ///< address text not of the form its type needs

}  // namespace NTevAsnValue

/// Walk order of two sequences of sub-identifiers (numeric, the order of a
/// GETNEXT walk): 0 equal, 1 `a` is a proper prefix of `b`, 2 `b` is a proper
/// prefix of `a`, 3 `a` sorts first, 4 `a` sorts last; the relation codes of
/// ITevAsnObjectID::compare. Null with a non-zero count: -1.
TEV_ASN_TABLE_API long tev_compare_sub_ids(const std::uint32_t* a, unsigned long a_count,
                                           const std::uint32_t* b, unsigned long b_count);

#endif  // TEVASNVALUE_TEVASNTABLE_H
