// The narrowing of sub-identifiers to octets (each 0..255) that every
// octet-valued index of both libraries goes through. (The limit of 128
// sub-identifiers is public: NTevAsnValue::ASN_MAX_SUB_IDS.)
#ifndef TEVASNVALUE_SRC_BASE_TEVSUBIDS_H
#define TEVASNVALUE_SRC_BASE_TEVSUBIDS_H

#include <cstddef>
#include <cstdint>

namespace tev_base {

/// The sub-identifier itself, for narrow_octets over plain arrays (a type,
/// not a function pointer, so that the loop is inlined whole).
struct SubIdValue {
  std::uint32_t operator()(std::uint32_t sub_id) const { return sub_id; }
};

/// Whether the values of all `n` entries at `from` (value_of(entry)) are
/// octets, copying them narrow to `out` meanwhile (partly written when not).
/// Four at a time, as an address mostly has a multiple of four octets.
template <class Entry, class ValueOf>
inline bool narrow_octets(const Entry* from, std::size_t n, unsigned char* out, ValueOf value_of) {
  const Entry* const end = from + n;
  for (; end - from >= 4; from += 4, out += 4) {
    // Each value read where it is used: held in registers, the four cost
    // spills in the decoding loops this is inlined into.
    if ((value_of(from[0]) | value_of(from[1]) | value_of(from[2]) | value_of(from[3])) > 255) {
      return false;
    }
    out[0] = static_cast<unsigned char>(value_of(from[0]));
    out[1] = static_cast<unsigned char>(value_of(from[1]));
    out[2] = static_cast<unsigned char>(value_of(from[2]));
    out[3] = static_cast<unsigned char>(value_of(from[3]));
  }
  for (; from != end; ++from, ++out) {
    const std::uint32_t v = value_of(*from);
    if (v > 255) return false;
    *out = static_cast<unsigned char>(v);
  }
  return true;
}

inline bool narrow_octets(const std::uint32_t* sub_ids, std::size_t n, unsigned char* out) {
  return narrow_octets(sub_ids, n, out, SubIdValue{});
}

/// Whether one sub-identifier read through an interface is an octet.
inline bool is_octet(unsigned long sub_id) { return sub_id <= 255; }

/// The position of the first of `n` sub-identifiers above 255; `n` when none.
inline std::size_t first_non_octet(const std::uint32_t* sub_ids, std::size_t n) {
  std::size_t i = 0;
  while (i < n && sub_ids[i] <= 255) ++i;
  return i;
}

}  // namespace tev_base

#endif  // TEVASNVALUE_SRC_BASE_TEVSUBIDS_H
