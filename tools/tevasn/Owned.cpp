#include "Owned.h"

namespace tevasn {

const char* error_words(long code) {
  switch (code) {
    case NTevAsnValue::ASN_OK:
      return "no error";
    case NTevAsnValue::ASN_E_INVALID_ARGUMENT:
      return "invalid argument or malformed text";
    case NTevAsnValue::ASN_E_OUT_OF_MEMORY:
      return "out of memory";
    case NTevAsnValue::ASN_E_NOT_SUPPORTED:
      return "not supported by this type";
    case NTevAsnValue::ASN_E_OUT_OF_RANGE:
      return "the identifier ends too early";
    case NTevAsnValue::ASN_E_EMPTY:
      return "no sub-identifiers left";
    case NTevAsnValue::ASN_E_SUBID_RANGE:
      return "a sub-identifier does not fit the value";
    default:
      return "unknown error";
  }
}

}  // namespace tevasn
