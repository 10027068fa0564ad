// Owning pointers for the library's objects and error codes in words, taken
// from the library's own header-only helpers.
#ifndef TEVASN_TOOL_OWNED_H
#define TEVASN_TOOL_OWNED_H

#include "TevAsnValuePtr.h"

namespace tevasn {

using ValuePtr = TevAsnValuePtr;
using OidPtr = TevAsnObjectIdPtr;
using BufferPtr = TevAsnBufferPtr;

inline const char* error_words(long code) { return tev_error_message(code); }

}  // namespace tevasn

#endif  // TEVASN_TOOL_OWNED_H
