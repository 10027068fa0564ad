// Pure functions on dotted object-identifier text ("1.3.6.1"): the syntax
// check, the sub-identifier count, the relation code and the reading of one
// sub-identifier. They take explicit lengths, so text holding zero bytes
// (stored verbatim from set_octets) is handled like any other character.
#ifndef TEVASNVALUE_SRC_OID_TEVOIDTEXT_H
#define TEVASNVALUE_SRC_OID_TEVOIDTEXT_H

#include <cstddef>
#include <cstdint>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace tev_core {

// Relation codes of compare_text and compare.
constexpr long kRelationEqual = 0;       // the texts are equal
constexpr long kRelationAbove = 1;       // this one is a proper prefix of the other
constexpr long kRelationBelow = 2;       // the other is a proper prefix of this one
constexpr long kRelationSortsFirst = 3;  // neither is a prefix; this one sorts first
constexpr long kRelationSortsLast = 4;   // neither is a prefix; this one sorts last

/// Whether `text` is empty or dotted decimal: components of "0" or a non-zero
/// digit followed by digits, separated by single dots. Digits are unlimited.
bool oid_text_is_valid(const char* text, std::size_t length);

/// 0 for the empty text, else one more than the number of dots in it.
std::size_t oid_text_count(const char* text, std::size_t length);

/// The relation code of text `a` to text `b`, comparing characters as signed
/// 8-bit values; a prefix counts only when the longer text continues with a dot.
/// Any lengths; oid_text_relation below is the same, faster for the usual ones.
long oid_text_relation_of_any(const char* a, std::size_t a_length, const char* b,
                              std::size_t b_length);

/// The relation code of two texts that differ first at `a[i]`, `b[i]`.
inline long oid_relation_at_difference(char a, char b) {
  return static_cast<signed char>(a) < static_cast<signed char>(b) ? kRelationSortsFirst
                                                                   : kRelationSortsLast;
}

/// The relation code of two texts equal in their first `common` characters,
/// the length of the shorter one.
inline long oid_relation_after_common(const char* a, std::size_t a_length, const char* b,
                                      std::size_t b_length, std::size_t common) {
  if (a_length == b_length) return kRelationEqual;
  // The longer text's next character decides: a dot makes the shorter one its
  // prefix (above or below), anything else sorts the shorter one first.
  if (a_length == common) return b[common] == '.' ? kRelationAbove : kRelationSortsFirst;
  return a[common] == '.' ? kRelationBelow : kRelationSortsLast;
}

/// oid_text_relation_of_any, inline as it is most of compare: texts whose
/// common length is 16 to 32, the usual identifiers, are compared here as two
/// overlapping blocks of sixteen characters.
inline long oid_text_relation(const char* a, std::size_t a_length, const char* b,
                              std::size_t b_length) {
#if defined(__SSE2__)
  const std::size_t common = a_length < b_length ? a_length : b_length;
  if (common - 16 > 16) return oid_text_relation_of_any(a, a_length, b, b_length);
  const auto equal = [a, b](std::size_t at) {
    return _mm_cmpeq_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(a + at)),
                          _mm_loadu_si128(reinterpret_cast<const __m128i*>(b + at)));
  };
  const __m128i head = equal(0);
  const __m128i tail = equal(common - 16);
  if (_mm_movemask_epi8(_mm_and_si128(head, tail)) == 0xFFFF) {
    return oid_relation_after_common(a, a_length, b, b_length, common);
  }
  // One mask of the differing positions, the tail's moved to where the tail
  // starts; its lowest bit is the first difference.
  const auto differing = [](__m128i eq) {
    return static_cast<std::uint32_t>(_mm_movemask_epi8(eq)) ^ 0xFFFFU;
  };
  const std::uint32_t mask = differing(head) | (differing(tail) << (common - 16));
  const auto i = static_cast<std::size_t>(__builtin_ctz(mask));
  return oid_relation_at_difference(a[i], b[i]);
#else
  return oid_text_relation_of_any(a, a_length, b, b_length);
#endif
}

/// Reads the sub-identifier starting at `p` (zero-terminated) as atol does:
/// white space, an optional sign, digits. Returns 0 with the number's 32-bit
/// pattern in `*value`, or -401 with 0xFFFFFFFF for a number outside
/// -2147483648..4294967295. Text without digits reads as 0.
long oid_read_sub_id(const char* p, unsigned long* value);

}  // namespace tev_core

#endif  // TEVASNVALUE_SRC_OID_TEVOIDTEXT_H
