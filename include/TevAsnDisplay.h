// TevAsnDisplay: how values are shown, without a MIB and without global state.
//
// The display half of the companion library (libTevAsnTable), beside its index
// rows; it needs nothing of them. Conventions are TevAsnValue's: negative
// codes (TevAsnTypes.h), results in a CTevAsnBuffer the caller owns or lends,
// an optional `reason` buffer that receives one line naming what is wrong on
// failure and is left untouched on success. Covers RFC 2579's DISPLAY-HINT for OCTET STRING (both
// ways) and INTEGER, textual conventions by name with their length rules,
// the caller's choice of how raw octets are shown, and numbers wrapped in an
// Opaque value. `out` is written only on success.
//
// Choices of this library:
//  - the `x` octet format writes lower case, two digits per octet, zero-padded
//    (`1x:` of 00 0c 29 gives `00:0c:29`); the reverse direction takes either case;
//  - `d` and `o` octet formats take at most 8 octets per number (a longer octet
//    length is a malformed hint);
//  - `t` drops trailing octets of each piece that do not form a whole UTF-8
//    character;
//  - a zero octet length shows no value, only the separator while octets remain;
//  - a repeat count of zero shows only the terminator while octets remain;
//  - InetAddressIPv6 and the address part of InetAddressIPv6z are written as
//    RFC 5952 recommends (lower case, no leading zeros, the longest run of two
//    or more zero groups as "::", the first on a tie), an IPv4-mapped address
//    (::ffff:0:0/96) in the mixed notation of its section 5
//    ("::ffff:192.0.2.1"), every other address in groups only;
//  - text from octets stays one field on one line (the escape rule): octets
//    0x20..0x7E other than '\' as they are, '\' as "\\", 0x00..0x1F and
//    0x7F as "\xHH" (two lower-case hex digits), 0x80..0xFF as they are
//    (UTF-8 passes through). TEV_OCTETS_TEXT, the text of TEV_OCTETS_AUTO,
//    the `a` and `t` formats and so DisplayString, SnmpAdminString and
//    InetAddressDNS write it; their readers take "\\" and "\xHH" (either
//    case) back, and a '\' before anything else as itself;
//  - DateAndTime (RFC 2579) checks every field against its range both ways:
//    month 1..12, day 1..31, hour 0..23, minutes 0..59, seconds 0..60,
//    deci-seconds 0..9, direction '+' or '-', hours from UTC 0..13, minutes
//    from UTC 0..59 (ASN_E_TC_RANGE naming the field); its text may write any
//    number with leading zeros ("+01:00").
#ifndef TEVASNVALUE_TEVASNDISPLAY_H
#define TEVASNVALUE_TEVASNDISPLAY_H

#include <cstdint>

#include "CTevAsnBuffer.h"
#include "ITevAsnValue.h"
#include "TevAsnTableExport.h"
#include "TevAsnTypes.h"

/// The numbers an Opaque value can wrap: the type octet after the 0x9f tag.
enum ETevOpaqueKind : std::uint32_t {
  TEV_OPAQUE_COUNTER64 = 0x76,
  TEV_OPAQUE_FLOAT = 0x78,   ///< 4 octets, IEEE 754 single, big-endian
  TEV_OPAQUE_DOUBLE = 0x79,  ///< 8 octets, IEEE 754 double, big-endian
  TEV_OPAQUE_INTEGER64 = 0x7a,
  TEV_OPAQUE_UNSIGNED64 = 0x7b
};

/// A number wrapped in an Opaque value; `kind` says which field holds it.
struct TevOpaqueNumber {
  ETevOpaqueKind kind = TEV_OPAQUE_DOUBLE;  ///< which field below holds the number
  double real = 0;                          ///< FLOAT (widened exactly) and DOUBLE
  long long signed_value = 0;               ///< INTEGER64
  unsigned long long unsigned_value = 0;    ///< COUNTER64 and UNSIGNED64
};

/// Shows `length` octets as `as` says into `out`.
/// 0; -2 for a null `out`, null octets with a length, or an unknown `as`; -3.
TEV_ASN_TABLE_API long tev_format_octets(const unsigned char* octets, unsigned long length,
                                         ETevOctetsAs as, CTevAsnBuffer* out);

/// The text of any value, an OCTET STRING's or Opaque's octets shown as `as`
/// says, every other type as its own to_text. 0; -2; -3.
TEV_ASN_TABLE_API long tev_format_value(const ITevAsnValue* value, ETevOctetsAs as,
                                        CTevAsnBuffer* out);

/// Shows octets by an OCTET STRING DISPLAY-HINT ("1x:", "255a",
/// "2d-1d-1d,1d:1d:1d.1d,1a1d:1d"). 0; ASN_E_HINT for a malformed hint, or a
/// last octet format that takes no octets while octets remain; -2; -3.
TEV_ASN_TABLE_API long tev_format_octets_hint(const char* hint, const unsigned char* octets,
                                              unsigned long length, CTevAsnBuffer* out,
                                              CTevAsnBuffer* reason);

/// Reads `length` characters of `text` back to octets by an OCTET STRING hint.
/// Decimal and octal numbers fill their octet length, hex gives one octet per
/// two digits (at most the octet length); `a`/`t` take up to their count of
/// octets (an escape is one octet), `t` never splitting a character. 0; ASN_E_HINT;
/// ASN_E_HINT_ONE_WAY for a hint with a repeat indicator or a `d`/`o` number without a separator
/// before the next value; ASN_E_HINT_TEXT naming the text's position (also for
/// a leading zero where a number has no separator); -2; -3.
TEV_ASN_TABLE_API long tev_parse_octets_hint(const char* hint, const char* text,
                                             unsigned long length, CTevAsnBuffer* out,
                                             CTevAsnBuffer* reason);

/// Shows an INTEGER by its hint: "d", "d-N" (N implied decimals: d-2 of 1234
/// is 12.34, of -5 is -0.05), "x", "o" or "b"; a negative value has its '-'
/// before the digits. 0; ASN_E_HINT; -2; -3.
TEV_ASN_TABLE_API long tev_format_integer_hint(const char* hint, long long value,
                                               CTevAsnBuffer* out, CTevAsnBuffer* reason);

/// Shows octets by a textual convention, named as in its MIB, any case:
/// DisplayString, SnmpAdminString, PhysAddress, MacAddress, DateAndTime,
/// InetAddressIPv4, InetAddressIPv6, InetAddressIPv4z, InetAddressIPv6z,
/// InetAddressDNS. 0; ASN_E_TC_UNKNOWN; ASN_E_TC_LENGTH (the reason gives the
/// rule); ASN_E_TC_RANGE for a DateAndTime field out of its range; -2; -3.
TEV_ASN_TABLE_API long tev_format_tc(const char* name, const unsigned char* octets,
                                     unsigned long length, CTevAsnBuffer* out,
                                     CTevAsnBuffer* reason);

/// Reads a textual convention's text back to octets (IPv6 text in any RFC 4291
/// form). Codes of tev_parse_octets_hint and tev_format_tc.
TEV_ASN_TABLE_API long tev_parse_tc(const char* name, const char* text, unsigned long length,
                                    CTevAsnBuffer* out, CTevAsnBuffer* reason);

/// Reads an Opaque value's octets (0x9f, the kind, a length, the number) into
/// `out`. 0; ASN_E_NOT_WRAPPED for anything else; -2.
TEV_ASN_TABLE_API long tev_unwrap_opaque(const unsigned char* octets, unsigned long length,
                                         TevOpaqueNumber* out, CTevAsnBuffer* reason);

/// Writes `number` as the octets of an Opaque value (integers in their
/// shortest BER form). 0; -2 for a null argument or an unknown kind; -3.
TEV_ASN_TABLE_API long tev_wrap_opaque(const TevOpaqueNumber* number, CTevAsnBuffer* out);

/// Shows a wrapped number as "float 0.15", "double ...", "counter64 N",
/// "int64 N" or "uint64 N"; floats and doubles as the shortest decimal that
/// reads back to the same value. Codes of tev_unwrap_opaque, and -3.
TEV_ASN_TABLE_API long tev_format_opaque(const unsigned char* octets, unsigned long length,
                                         CTevAsnBuffer* out, CTevAsnBuffer* reason);

#endif  // TEVASNVALUE_TEVASNDISPLAY_H
