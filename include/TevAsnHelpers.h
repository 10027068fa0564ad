// TevAsnHelpers: the small jobs every client of TevAsnValue otherwise writes
// itself, in namespace tev.
//
// Header only, like TevAsnValuePtr.h, whose owning pointers and result type it
// uses: nothing here is exported by the shared library. It adds
// - typed creation (integer(5), gauge(5), counter64(...), ip_address(...),
//   octet_string(...), object_id(".1.3.6.1")) returning owning pointers. Any
//   integer type is accepted and range-checked, so no literal needs an L or
//   UL suffix and no number is silently cut or wrapped;
// - the 64-bit value of a Counter64, read and set in one call;
// - names for the relation codes of ITevAsnObjectID::compare, with is_same
//   and is_below;
// - octets as lower-case hex ("00:0c:29") or, by the caller's explicit
//   choice (ETevOctetsAs, TevAsnTypes.h), as text, hex, or text when every
//   octet is printable.
// Every helper reports the library's codes (TevAsnTypes.h), through a trailing
// `long* err` that may be null or in a TevTextResult; none throws, and a
// std::bad_alloc while copying is reported as -3.
//
//   long err = 0;
//   TevAsnObjectIdPtr row = tev::object_id(".1.3.6.1.2.1.4.20.1.1.192.168.1.10", &err);
//   TevAsnValuePtr mac = tev::octet_string({0x00, 0x0c, 0x29, 0x3e, 0x5d, 0x01});
//   tev::octets_text(mac.get(), TEV_OCTETS_AUTO).value;  // "00:0c:29:3e:5d:01"
#ifndef TEVASNVALUE_TEVASNHELPERS_H
#define TEVASNVALUE_TEVASNHELPERS_H

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "TevAsnValue.h"
#include "TevAsnValuePtr.h"

namespace tev {

namespace detail {

// Integer types the creation helpers take: every one but bool.
template <class N>
using IfInteger =
    std::enable_if_t<std::is_integral<N>::value && !std::is_same<N, bool>::value, int>;

// Whether `value` lies in min..max, compared without the conversions that
// would turn -1 into a large unsigned number.
template <class N>
constexpr bool fits(N value, long long min, unsigned long long max) noexcept {
  if constexpr (std::is_signed<N>::value) {
    if (value < 0) return static_cast<long long>(value) >= min;
  }
  return static_cast<unsigned long long>(value) <= max;
}

inline void set_error(long* err, long code) noexcept {
  if (err != nullptr) *err = code;
}

// An unsigned 32-bit type (Counter32, Gauge32, TimeTicks) from any integer.
template <class N>
TevAsnValuePtr unsigned32(N value, NTevAsnValue::EAsnType type, long* err) noexcept {
  if (!fits(value, 0, 0xFFFFFFFFULL)) {
    set_error(err, NTevAsnValue::ASN_E_INVALID_ARGUMENT);
    return nullptr;
  }
  return TevAsnValuePtr(tev_create_asn_value(static_cast<unsigned long>(value), type, err));
}

// One leading "." dropped, as `snmpwalk -On` prints identifiers; "." alone
// stays as it is, and is refused as malformed.
inline const char* without_leading_dot(const char* text) noexcept {
  return text != nullptr && text[0] == '.' && text[1] != '\0' ? text + 1 : text;
}

inline bool is_printable(unsigned char octet) noexcept { return octet >= 0x20 && octet <= 0x7E; }

}  // namespace detail

// ---- Typed creation --------------------------------------------------------
// Each returns the new value, owned by the pointer, or null with the code in
// `err`: -2 for a number outside the type's range or malformed text, -3 when
// memory runs out. Numbers of any integer type are checked before conversion.

/// An INTEGER (Integer32); -2 outside -2147483648..2147483647.
template <class N, detail::IfInteger<N> = 0>
TevAsnValuePtr integer(N value, long* err = nullptr) noexcept {
  if (!detail::fits(value, -2147483647LL - 1, 2147483647ULL)) {
    detail::set_error(err, NTevAsnValue::ASN_E_INVALID_ARGUMENT);
    return nullptr;
  }
  return TevAsnValuePtr(
      tev_create_asn_value(static_cast<long>(value), NTevAsnValue::ASN_INTEGER, err));
}

/// A Gauge32 (Unsigned32); -2 outside 0..4294967295.
template <class N, detail::IfInteger<N> = 0>
TevAsnValuePtr gauge(N value, long* err = nullptr) noexcept {
  return detail::unsigned32(value, NTevAsnValue::ASN_GAUGE, err);
}

/// A Counter32; -2 outside 0..4294967295.
template <class N, detail::IfInteger<N> = 0>
TevAsnValuePtr counter32(N value, long* err = nullptr) noexcept {
  return detail::unsigned32(value, NTevAsnValue::ASN_COUNTER, err);
}

/// A TimeTicks value in hundredths of a second; -2 outside 0..4294967295.
template <class N, detail::IfInteger<N> = 0>
TevAsnValuePtr timeticks(N value, long* err = nullptr) noexcept {
  return detail::unsigned32(value, NTevAsnValue::ASN_TIME_TICKS, err);
}

/// A Counter64 holding the full 64-bit `value`; -2 for a negative number.
template <class N, detail::IfInteger<N> = 0>
TevAsnValuePtr counter64(N value, long* err = nullptr) noexcept {
  if (!detail::fits(value, 0, 0xFFFFFFFFFFFFFFFFULL)) {
    detail::set_error(err, NTevAsnValue::ASN_E_INVALID_ARGUMENT);
    return nullptr;
  }
  const auto wide = static_cast<std::uint64_t>(value);
  return TevAsnValuePtr(tev_create_asn_counter_64(
      static_cast<unsigned long>(wide >> 32), static_cast<unsigned long>(wide & 0xFFFFFFFFU), err));
}

/// An IpAddress from dotted text, read as set_text reads it (anything after
/// the fourth number is ignored); -2 for null or malformed text.
inline TevAsnValuePtr ip_address(const char* text, long* err = nullptr) noexcept {
  return TevAsnValuePtr(tev_create_asn_value(text, NTevAsnValue::ASN_IP_ADDRESS, err));
}

/// An OCTET STRING holding exactly these octets, embedded zero bytes kept
/// (a std::string, or a string_view of any bytes).
inline TevAsnValuePtr octet_string(std::string_view octets, long* err = nullptr) noexcept {
  if (octets.size() > 0xFFFFFFFEU) {
    detail::set_error(err, NTevAsnValue::ASN_E_INVALID_ARGUMENT);
    return nullptr;
  }
  TevAsnValuePtr value(tev_create_asn_value(NTevAsnValue::ASN_OCTET_STRING, err));
  if (!value || octets.empty()) return value;
  const long code = value->set_octets(reinterpret_cast<const unsigned char*>(octets.data()),
                                      static_cast<unsigned long>(octets.size()));
  detail::set_error(err, code);
  if (code != NTevAsnValue::ASN_OK) value.reset();
  return value;
}

/// An OCTET STRING holding the characters of `text`; -2 for null.
inline TevAsnValuePtr octet_string(const char* text, long* err = nullptr) noexcept {
  if (text == nullptr) {
    detail::set_error(err, NTevAsnValue::ASN_E_INVALID_ARGUMENT);
    return nullptr;
  }
  return octet_string(std::string_view(text), err);
}

/// An OCTET STRING from bytes, such as the result of tev_octets().
inline TevAsnValuePtr octet_string(const std::vector<unsigned char>& octets,
                                   long* err = nullptr) noexcept {
  return octet_string(std::string_view(reinterpret_cast<const char*>(octets.data()), octets.size()),
                      err);
}

/// An OCTET STRING from listed bytes: octet_string({0x00, 0x0c, 0x29}).
inline TevAsnValuePtr octet_string(std::initializer_list<unsigned char> octets,
                                   long* err = nullptr) noexcept {
  return octet_string(
      std::string_view(reinterpret_cast<const char*>(octets.begin()), octets.size()), err);
}

/// An object identifier from dotted text, which may start with one "." as
/// `snmpwalk -On` prints it (".1.3.6.1" is 1.3.6.1; the core's own creation
/// refuses the dot). Null or "" gives an empty identifier; -2 for other
/// malformed text.
inline TevAsnObjectIdPtr object_id(const char* text, long* err = nullptr) noexcept {
  return TevAsnObjectIdPtr(tev_create_asn_object_id(detail::without_leading_dot(text), err));
}

// ---- Counter64 -------------------------------------------------------------

/// The full 64-bit value of a Counter64 (get_ulong gives only the low half).
/// 0xFFFFFFFFFFFFFFFF with -2 for null, -5 for another type.
inline std::uint64_t get_counter64(const ITevAsnValue* value, long* err = nullptr) noexcept {
  if (value == nullptr || value->get_type() != NTevAsnValue::ASN_COUNTER_64) {
    detail::set_error(err, value == nullptr ? NTevAsnValue::ASN_E_INVALID_ARGUMENT
                                            : NTevAsnValue::ASN_E_NOT_SUPPORTED);
    return 0xFFFFFFFFFFFFFFFFULL;
  }
  const std::uint64_t high = value->get_high(nullptr);
  const std::uint64_t low = value->get_low(nullptr);
  detail::set_error(err, NTevAsnValue::ASN_OK);
  return (high << 32) | low;
}

/// Sets a Counter64 to the full 64-bit `number`: 0; -2 for null or a negative
/// number, -5 for another type (the value is unchanged on failure).
template <class N, detail::IfInteger<N> = 0>
long set_counter64(ITevAsnValue* value, N number) noexcept {
  if (value == nullptr || !detail::fits(number, 0, 0xFFFFFFFFFFFFFFFFULL)) {
    return NTevAsnValue::ASN_E_INVALID_ARGUMENT;
  }
  if (value->get_type() != NTevAsnValue::ASN_COUNTER_64) return NTevAsnValue::ASN_E_NOT_SUPPORTED;
  const auto wide = static_cast<std::uint64_t>(number);
  const long code = value->set_high(static_cast<unsigned long>(wide >> 32));
  if (code != NTevAsnValue::ASN_OK) return code;
  return value->set_low(static_cast<unsigned long>(wide & 0xFFFFFFFFU));
}

// ---- Relations between object identifiers ----------------------------------

/// The codes ITevAsnObjectID::compare and compare_text return, named for what
/// "this" identifier is relative to the other. compare orders characters, not
/// numbers: "1.3.6.1.10" sorts before "1.3.6.1.9"; a prefix is a whole number
/// of sub-identifiers ("1.3.6.1" is above "1.3.6.1.2", not above "1.3.6.10").
enum Relation : long {
  equal = 0,        ///< the same identifier
  above = 1,        ///< this is a proper prefix of the other (an ancestor)
  below = 2,        ///< the other is a proper prefix of this (inside its subtree)
  sorts_first = 3,  ///< neither is a prefix of the other; this comes first
  sorts_last = 4    ///< neither is a prefix of the other; this comes last
};

/// "equal", "above", "below", "sorts first" or "sorts last"; "unknown" for any
/// other number (such as compare's -1 failure value). Never null.
inline const char* relation_name(long code) noexcept {
  switch (code) {
    case equal:
      return "equal";
    case above:
      return "above";
    case below:
      return "below";
    case sorts_first:
      return "sorts first";
    case sorts_last:
      return "sorts last";
    default:
      return "unknown";
  }
}

namespace detail {

// Whether compare (or compare_text, with one leading "." dropped) answers
// `relation` without an error; false when either side is null.
inline bool relation_is(const ITevAsnObjectID* oid, const ITevAsnObjectID* other,
                        Relation relation) noexcept {
  long err = 0;
  return oid != nullptr && other != nullptr && oid->compare(other, &err) == relation && err == 0;
}
inline bool relation_is(const ITevAsnObjectID* oid, const char* text, Relation relation) noexcept {
  long err = 0;
  return oid != nullptr && text != nullptr &&
         oid->compare_text(without_leading_dot(text), &err) == relation && err == 0;
}

}  // namespace detail

/// Whether `oid` and `other` are the same identifier; false when either is null.
inline bool is_same(const ITevAsnObjectID* oid, const ITevAsnObjectID* other) noexcept {
  return detail::relation_is(oid, other, equal);
}

/// Whether `oid` is the identifier `text` (one leading "." allowed); false
/// when either is null.
inline bool is_same(const ITevAsnObjectID* oid, const char* text) noexcept {
  return detail::relation_is(oid, text, equal);
}

/// Whether `oid` lies strictly inside the subtree of `prefix` (the walk test:
/// an instance of a column is below the column); false when either is null.
inline bool is_below(const ITevAsnObjectID* oid, const ITevAsnObjectID* prefix) noexcept {
  return detail::relation_is(oid, prefix, below);
}

/// is_below with the prefix as dotted text (one leading "." allowed).
inline bool is_below(const ITevAsnObjectID* oid, const char* prefix) noexcept {
  return detail::relation_is(oid, prefix, below);
}

// ---- Octets as text ----------------------------------------------------------

/// Whether every octet is printable ASCII (0x20..0x7E); true for no octets.
/// Control characters (tab, CR, LF included) would break a line or a field. No locale is consulted.
inline bool is_printable(const unsigned char* data, std::size_t length) noexcept {
  for (std::size_t i = 0; i < length; ++i) {
    if (!detail::is_printable(data[i])) return false;
  }
  return true;
}

namespace detail {

inline constexpr char kHexDigits[] = "0123456789abcdef";

// Octets as text that stays one field on one line, the companion's escape
// rule: a backslash as "\\", 0x00..0x1F and 0x7F as "\xHH", every other
// octet as it is. (The library's writers share one implementation; this
// header-only twin follows it.)
inline void append_escaped(const unsigned char* data, unsigned long length, std::string* out) {
  for (unsigned long i = 0; i < length; ++i) {
    const unsigned char c = data[i];
    if (c == '\\') {
      out->append("\\\\");
    } else if (c < 0x20 || c == 0x7F) {
      const char escape[4] = {'\\', 'x', kHexDigits[c >> 4], kHexDigits[c & 0x0F]};
      out->append(escape, 4);
    } else {
      out->push_back(static_cast<char>(c));
    }
  }
}

// The octets `value` lends (get_octets) and the code: -2 for null.
inline long borrow_octets(const ITevAsnValue* value, const unsigned char** data,
                          unsigned long* length) noexcept {
  if (value == nullptr) return NTevAsnValue::ASN_E_INVALID_ARGUMENT;
  long code = NTevAsnValue::ASN_OK;
  *data = value->get_octets(length, &code);
  return code;
}

// `length` octets as lower-case hex pairs joined by `separator` (null: "").
inline TevTextResult hex_pairs(const unsigned char* data, unsigned long length,
                               const char* separator) noexcept {
  TevTextResult result;
  const std::string_view sep(separator == nullptr ? "" : separator);
  try {
    result.value.reserve(length * (2 + sep.size()));
    for (unsigned long i = 0; i < length; ++i) {
      if (i != 0) result.value.append(sep);
      result.value.push_back(kHexDigits[data[i] >> 4]);
      result.value.push_back(kHexDigits[data[i] & 0x0F]);
    }
  } catch (...) {  // std::bad_alloc, or std::length_error for an absurd size
    result.value.clear();
    result.code = NTevAsnValue::ASN_E_OUT_OF_MEMORY;
  }
  return result;
}

}  // namespace detail

/// The octets of `value` shown as `as` says: text escaped as the companion
/// escapes it (a backslash as "\\", control octets as "\xHH"), hex pairs joined by
/// `separator`. These are the octets, not the type's text form: an IpAddress
/// gives its four raw octets (use tev_text for "192.0.2.1"). Codes as
/// tev_octets: -2 for null or an unknown `as`, -5 for a type without octets,
/// -3 out of memory.
inline TevTextResult octets_text(const ITevAsnValue* value, ETevOctetsAs as,
                                 const char* separator = ":") noexcept {
  TevTextResult result;
  const unsigned char* data = nullptr;
  unsigned long length = 0;
  result.code = as > TEV_OCTETS_AUTO ? NTevAsnValue::ASN_E_INVALID_ARGUMENT
                                     : detail::borrow_octets(value, &data, &length);
  if (result.code != NTevAsnValue::ASN_OK || length == 0) return result;
  if (as == TEV_OCTETS_HEX || (as == TEV_OCTETS_AUTO && !is_printable(data, length))) {
    return detail::hex_pairs(data, length, separator);
  }
  try {
    detail::append_escaped(data, length, &result.value);
  } catch (...) {
    result.code = NTevAsnValue::ASN_E_OUT_OF_MEMORY;
  }
  return result;
}

/// The octets of `value` (tev_octets) as lower-case hex pairs joined by
/// `separator`: "00:0c:29" with the default, "000c29" with "". A null
/// separator is "". Codes as tev_octets.
inline TevTextResult hex_text(const ITevAsnValue* value, const char* separator = ":") noexcept {
  return octets_text(value, TEV_OCTETS_HEX, separator);
}

}  // namespace tev

#endif  // TEVASNVALUE_TEVASNHELPERS_H
