// TevSubId: one sub-identifier of an object identifier as its index holds it:
// where it starts in the identifier's text and its value. TevSubIdRun: the
// leading ones whose values are held, as octet values read them straight from
// the library's own identifiers (framework/ITevOidOctets.h); small enough to
// be returned in registers.
#ifndef TEVASNVALUE_SRC_FRAMEWORK_TEVSUBID_H
#define TEVASNVALUE_SRC_FRAMEWORK_TEVSUBID_H

#include <cstdint>

struct TevSubId {
  std::uint32_t start;
  std::uint32_t value;
};

struct TevSubIdRun {
  const TevSubId* ids;  ///< the first sub-identifier; null when none is known
  std::uint32_t known;  ///< sub-identifiers from the first on whose values are held
  std::uint32_t count;  ///< all sub-identifiers
};

#endif  // TEVASNVALUE_SRC_FRAMEWORK_TEVSUBID_H
