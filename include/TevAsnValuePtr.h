// TevAsnValuePtr: standard-library conveniences for clients of TevAsnValue.
//
// Header only: everything here is inline and compiled into the client, so the
// shared library exports nothing new. It adds
// - std::unique_ptr aliases that end values, object identifiers and result
//   buffers with their release() operation;
// - tev_text() and tev_octets(), which copy a value's text form or octets into
//   a std::string or std::vector together with the library's code;
// - tev_error_name() and tev_error_message(), which put a code into words.
// No exception leaves these helpers: a std::bad_alloc while copying is
// reported as ASN_E_OUT_OF_MEMORY (-3).
//
//   long err = 0;
//   TevAsnValuePtr value(tev_create_asn_value("10.0.0.1", NTevAsnValue::ASN_IP_ADDRESS, &err));
//   if (!value) std::puts(tev_error_message(err));
//   TevTextResult text = tev_text(value.get());  // text.value == "10.0.0.1", text.code == 0
#ifndef TEVASNVALUE_TEVASNVALUEPTR_H
#define TEVASNVALUE_TEVASNVALUEPTR_H

#include <memory>
#include <new>
#include <string>
#include <utility>
#include <vector>

#include "CTevAsnBuffer.h"
#include "ITevAsnObjectID.h"
#include "ITevAsnValue.h"
#include "TevAsnTypes.h"

/// Deleter for std::unique_ptr: ends the object with its release() operation.
/// Works for ITevAsnValue, ITevAsnObjectID and CTevAsnBuffer.
struct TevAsnReleaser {
  /// Releases `object` unless it is null.
  template <class T>
  void operator()(T* object) const noexcept {
    if (object != nullptr) object->release();
  }
};

/// Owns a value; released when the pointer goes out of scope.
using TevAsnValuePtr = std::unique_ptr<ITevAsnValue, TevAsnReleaser>;
/// Owns an object identifier. Moves into a TevAsnValuePtr when only the value
/// interface is needed.
using TevAsnObjectIdPtr = std::unique_ptr<ITevAsnObjectID, TevAsnReleaser>;
/// Owns a result buffer handed out by the library (to_text, to_octets,
/// take_prefix_text, CTevAsnBuffer::clone).
using TevAsnBufferPtr = std::unique_ptr<CTevAsnBuffer, TevAsnReleaser>;

/// A copied result and the library's code: 0 with the result, or a negative
/// code with an empty result.
template <class T>
struct TevAsnResult {
  T value{};                         ///< The result; empty on failure.
  long code = NTevAsnValue::ASN_OK;  ///< 0, or the negative code.
  /// Whether the code is 0.
  bool ok() const noexcept { return code == NTevAsnValue::ASN_OK; }
};
using TevTextResult = TevAsnResult<std::string>;
using TevOctetsResult = TevAsnResult<std::vector<unsigned char>>;

/// The text form of `value` as to_text_into writes it (the bytes of an OCTET
/// STRING or Opaque value unchanged, embedded zero bytes included).
/// Codes: -2 for a null value, -5 for a type without a text form (NULL,
/// exceptions), -3 when memory runs out.
inline TevTextResult tev_text(const ITevAsnValue* value) noexcept {
  TevTextResult result;
  if (value == nullptr) {
    result.code = NTevAsnValue::ASN_E_INVALID_ARGUMENT;
    return result;
  }
  CTevAsnBuffer buffer;
  result.code = value->to_text_into(&buffer);
  if (result.code != NTevAsnValue::ASN_OK) return result;
  try {
    if (buffer.length() != 0) result.value.assign(buffer.data(), buffer.length());
  } catch (const std::bad_alloc&) {
    result.code = NTevAsnValue::ASN_E_OUT_OF_MEMORY;
  }
  return result;
}

/// A copy of the octets of `value` (for an object identifier, the characters
/// of its dotted text). Codes: -2 for a null value, -5 for a type without
/// octets (numbers, NULL, exceptions), -3 when memory runs out.
inline TevOctetsResult tev_octets(const ITevAsnValue* value) noexcept {
  TevOctetsResult result;
  if (value == nullptr) {
    result.code = NTevAsnValue::ASN_E_INVALID_ARGUMENT;
    return result;
  }
  unsigned long length = 0;
  const unsigned char* data = value->get_octets(&length, &result.code);
  if (result.code != NTevAsnValue::ASN_OK || length == 0) return result;
  try {
    result.value.assign(data, data + length);
  } catch (const std::bad_alloc&) {
    result.code = NTevAsnValue::ASN_E_OUT_OF_MEMORY;
  }
  return result;
}

/// The name of the constant for `code` ("ASN_E_SUBID_RANGE"), or "unknown"
/// for a number that is not a code of either library. Never null.
inline const char* tev_error_name(long code) noexcept {
  switch (code) {
    case NTevAsnValue::ASN_OK:
      return "ASN_OK";
    case NTevAsnValue::ASN_E_INVALID_ARGUMENT:
      return "ASN_E_INVALID_ARGUMENT";
    case NTevAsnValue::ASN_E_OUT_OF_MEMORY:
      return "ASN_E_OUT_OF_MEMORY";
    case NTevAsnValue::ASN_E_NOT_SUPPORTED:
      return "ASN_E_NOT_SUPPORTED";
    case NTevAsnValue::ASN_E_OUT_OF_RANGE:
      return "ASN_E_OUT_OF_RANGE";
    case NTevAsnValue::ASN_E_EMPTY:
      return "ASN_E_EMPTY";
    case NTevAsnValue::ASN_E_SUBID_RANGE:
      return "ASN_E_SUBID_RANGE";
    case NTevAsnValue::ASN_E_LAYOUT:
      return "ASN_E_LAYOUT";
    case NTevAsnValue::ASN_E_INDEX_SHORT:
      return "ASN_E_INDEX_SHORT";
    case NTevAsnValue::ASN_E_INDEX_LENGTH:
      return "ASN_E_INDEX_LENGTH";
    case NTevAsnValue::ASN_E_INDEX_LEFTOVER:
      return "ASN_E_INDEX_LEFTOVER";
    case NTevAsnValue::ASN_E_INET_ADDRESS:
      return "ASN_E_INET_ADDRESS";
    case NTevAsnValue::ASN_E_NOT_IN_TABLE:
      return "ASN_E_NOT_IN_TABLE";
    case NTevAsnValue::ASN_E_ADDRESS_TEXT:
      return "ASN_E_ADDRESS_TEXT";
    case NTevAsnValue::ASN_E_VALUE_TEXT:
      return "ASN_E_VALUE_TEXT";
    case NTevAsnValue::ASN_E_HINT:
      return "ASN_E_HINT";
    case NTevAsnValue::ASN_E_HINT_TEXT:
      return "ASN_E_HINT_TEXT";
    case NTevAsnValue::ASN_E_HINT_ONE_WAY:
      return "ASN_E_HINT_ONE_WAY";
    case NTevAsnValue::ASN_E_TC_UNKNOWN:
      return "ASN_E_TC_UNKNOWN";
    case NTevAsnValue::ASN_E_TC_LENGTH:
      return "ASN_E_TC_LENGTH";
    case NTevAsnValue::ASN_E_NOT_WRAPPED:
      return "ASN_E_NOT_WRAPPED";
    case NTevAsnValue::ASN_E_TC_RANGE:
      return "ASN_E_TC_RANGE";
    case NTevAsnValue::ASN_E_UNKNOWN_TABLE:
      return "ASN_E_UNKNOWN_TABLE";
    default:
      return "unknown";
  }
}

/// What `code` means, in a few lower-case words suitable for an error line
/// ("index sub-identifier does not fit the value"); "unknown error code" for a
/// number that is not a code of either library. Never null.
inline const char* tev_error_message(long code) noexcept {
  switch (code) {
    case NTevAsnValue::ASN_OK:
      return "success";
    case NTevAsnValue::ASN_E_INVALID_ARGUMENT:
      return "invalid argument (null pointer, wrong type, malformed text or bad position)";
    case NTevAsnValue::ASN_E_OUT_OF_MEMORY:
      return "out of memory";
    case NTevAsnValue::ASN_E_NOT_SUPPORTED:
      return "operation not supported by this type";
    case NTevAsnValue::ASN_E_OUT_OF_RANGE:
      return "position past the last sub-identifier";
    case NTevAsnValue::ASN_E_EMPTY:
      return "object identifier has no sub-identifiers";
    case NTevAsnValue::ASN_E_SUBID_RANGE:
      return "index sub-identifier does not fit the value";
    case NTevAsnValue::ASN_E_LAYOUT:
      return "layout text malformed (unknown type, bad count or /implied)";
    case NTevAsnValue::ASN_E_INDEX_SHORT:
      return "index ends before its last value";
    case NTevAsnValue::ASN_E_INDEX_LENGTH:
      return "index length or domain sub-identifier does not fit";
    case NTevAsnValue::ASN_E_INDEX_LEFTOVER:
      return "sub-identifiers left after the last index value";
    case NTevAsnValue::ASN_E_INET_ADDRESS:
      return "InetAddressType unknown or its address length disagrees";
    case NTevAsnValue::ASN_E_NOT_IN_TABLE:
      return "identifier does not lie below the table entry";
    case NTevAsnValue::ASN_E_ADDRESS_TEXT:
      return "address text not of the form its type needs";
    case NTevAsnValue::ASN_E_VALUE_TEXT:
      return "text not a value of its type, or out of its range";
    case NTevAsnValue::ASN_E_HINT:
      return "malformed DISPLAY-HINT";
    case NTevAsnValue::ASN_E_HINT_TEXT:
      return "text does not fit the DISPLAY-HINT";
    case NTevAsnValue::ASN_E_HINT_ONE_WAY:
      return "DISPLAY-HINT allows more than one reading of a text";
    case NTevAsnValue::ASN_E_TC_UNKNOWN:
      return "no textual convention of that name";
    case NTevAsnValue::ASN_E_TC_LENGTH:
      return "octet count breaks the textual convention's length rule";
    case NTevAsnValue::ASN_E_NOT_WRAPPED:
      return "Opaque octets are not a wrapped number";
    case NTevAsnValue::ASN_E_TC_RANGE:
      return "DateAndTime field out of its range";
    case NTevAsnValue::ASN_E_UNKNOWN_TABLE:
      return "no table of the catalogue has that name or holds that identifier";
    default:
      return "unknown error code";
  }
}

#endif  // TEVASNVALUE_TEVASNVALUEPTR_H
