// Pure functions on dotted object-identifier text ("1.3.6.1"): the syntax
// check, the sub-identifier count, the relation code and the reading of one
// sub-identifier. They take explicit lengths, so text holding zero bytes
// (stored verbatim from set_octets) is handled like any other character.
#ifndef TEVASNVALUE_SRC_OID_TEVOIDTEXT_H
#define TEVASNVALUE_SRC_OID_TEVOIDTEXT_H

#include <cstddef>

namespace tev {

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
long oid_text_relation(const char* a, std::size_t a_length, const char* b, std::size_t b_length);

/// Reads the sub-identifier starting at `p` (zero-terminated) as atol does:
/// white space, an optional sign, digits. Returns 0 with the number's 32-bit
/// pattern in `*value`, or -401 with 0xFFFFFFFF for a number outside
/// -2147483648..4294967295. Text without digits reads as 0.
long oid_read_sub_id(const char* p, unsigned long* value);

}  // namespace tev

#endif  // TEVASNVALUE_SRC_OID_TEVOIDTEXT_H
