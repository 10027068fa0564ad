// The kinds of index value: their TYPE names, the core's type of their
// values, and the shape of their index encoding.
#ifndef TEVASNTABLE_TEVINDEXKINDS_H
#define TEVASNTABLE_TEVINDEXKINDS_H

#include <cstdint>

#include "TevAsnTypes.h"

/// How a kind lies in the sub-identifiers of an index.
enum class ETevIndexShape : std::uint8_t {
  kNumber,     ///< one sub-identifier
  kNone,       ///< no index encoding (Counter64)
  kOctets,     ///< a length, then one octet per sub-identifier; IMPLIED: all the rest
  kFixed,      ///< a fixed number of octets, no length
  kTransport,  ///< a domain, a length (not when IMPLIED), then a fixed number of octets
  kOid,        ///< a length, then the sub-identifiers; IMPLIED: all the rest
  kInet        ///< an InetAddressType, a length, then the octets the type takes
};

struct TevIndexKindInfo {
  const char* name;             ///< the TYPE word
  NTevAsnValue::EAsnType type;  ///< the core's type of the (first) value
  ETevIndexShape shape;
  bool implied_by_default;  ///< RFC 2578 writes it without a length
  bool octets_as_hex;       ///< text of its octets always in hexadecimal
};

namespace tev_table {

/// The row of `kind` (an ETevIndexKind); null for other numbers.
const TevIndexKindInfo* index_kind_info(unsigned long kind);
/// Whether the `length` bytes at `name` spell `candidate` (lower case) in any case.
bool index_name_is(const char* candidate, const char* name, unsigned long length);
/// The kind named `length` bytes at `name`, its name or an SMI spelling
/// ("Integer32", "OctetString"), in any case; 0 for none.
std::uint32_t index_kind_find(const char* name, unsigned long length);

}  // namespace tev_table

#endif  // TEVASNTABLE_TEVINDEXKINDS_H
