// Reading and writing the numeric fields of the address text forms, without
// sscanf and sprintf.
//
// scan_fields accepts what sscanf accepts for the same format: before each
// number optional white space, then an optional sign, for hexadecimal an
// optional 0x prefix, then digits; literal characters must match exactly;
// scanning stops at the first mismatch and the rest of the text is ignored.
// Unlike sscanf it never wraps a number that does not fit 32 bits: such a field
// still counts as converted but is marked as overflowing.
#ifndef TEVASNVALUE_SRC_OCTETS_TEVADDRESSTEXT_H
#define TEVASNVALUE_SRC_OCTETS_TEVADDRESSTEXT_H

#include <cstddef>
#include <cstdint>

namespace tev_core {

/// One number read from an address text.
struct ScannedField {
  bool negative = false;        ///< a '-' preceded the digits
  bool overflow = false;        ///< the magnitude does not fit 32 bits
  std::uint32_t magnitude = 0;  ///< the digits' value (0 on overflow)
};

/// Reads `text` by `pattern`, in which 'd' stands for a decimal number (%d),
/// 'x' for a hexadecimal number (%x), 'h' for a hexadecimal number of at most
/// two characters, sign and prefix included (%2x), and every other character
/// for itself. Fills `fields` in order and returns how many numbers were read.
std::size_t scan_fields(const char* text, const char* pattern, ScannedField* fields);

/// Whether a field lies in 0..limit: a negative number (other than -0) and a
/// number beyond 32 bits never do.
bool field_within(const ScannedField& field, std::uint32_t limit);

/// The 32-bit pattern of a field as strtoul gives it (a negative number counts
/// down from 2^32). False for a number beyond 32 bits.
bool field_bits(const ScannedField& field, std::uint32_t* bits);

}  // namespace tev_core

#endif  // TEVASNVALUE_SRC_OCTETS_TEVADDRESSTEXT_H
