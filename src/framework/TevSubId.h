// TevSubId: one sub-identifier of an object identifier as its index holds it:
// where it starts in the identifier's text and its value. TevSubIdView: the
// index as a whole, which the library's own identifiers hand to octet values
// through their internal view (framework/ITevOidOctets.h), so that decoding an
// index reads the values in place.
#ifndef TEVASNVALUE_SRC_FRAMEWORK_TEVSUBID_H
#define TEVASNVALUE_SRC_FRAMEWORK_TEVSUBID_H

#include <cstddef>
#include <cstdint>

struct TevSubId {
  std::uint32_t start;
  std::uint32_t value;
};

struct TevSubIdView {
  const TevSubId* live;  ///< the first sub-identifier
  std::size_t size;      ///< all sub-identifiers
  std::size_t known;     ///< from the first on, those whose values are held
};

#endif  // TEVASNVALUE_SRC_FRAMEWORK_TEVSUBID_H
