// The one way a failure reason reaches a caller's `reason` buffer: a line of
// words stored there (when the caller gave one) and the code returned, so a
// refusal reads `return fail(reason, ASN_E_HINT, "...");`. A reason that
// cannot be stored turns the refusal into -3.
#ifndef TEVASNVALUE_SRC_BASE_TEVREASON_H
#define TEVASNVALUE_SRC_BASE_TEVREASON_H

#include <cstdio>

#include "CTevAsnBuffer.h"

namespace tev_base {

/// Stores the `length` bytes at `text` into `reason` (null: nothing) and
/// returns `code`, or -3 when they cannot be stored.
long refuse(CTevAsnBuffer* reason, long code, const char* text, unsigned long length);

/// refuse() with a zero-terminated `text`.
long fail(CTevAsnBuffer* reason, long code, const char* text);

/// The same with printf-style arguments; the line is cut at 255 characters.
template <class First, class... Rest>
long fail(CTevAsnBuffer* reason, long code, const char* format, First first, Rest... rest) {
  if (reason == nullptr) return code;
  char line[256];
  const int n = std::snprintf(line, sizeof line, format, first, rest...);
  return n < 0 ? code : fail(reason, code, line);
}

/// `c` for a message: itself when printable, otherwise \xNN, zero-terminated.
struct ShownChar {
  char text[5];
};
ShownChar shown(char c);

}  // namespace tev_base

#endif  // TEVASNVALUE_SRC_BASE_TEVREASON_H
