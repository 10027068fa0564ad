// One line of words into a caller's `reason` buffer.
#ifndef TEVASNVALUE_SRC_TABLE_TEVREASON_H
#define TEVASNVALUE_SRC_TABLE_TEVREASON_H

#include <cstdio>

#include "CTevAsnBuffer.h"

namespace tev_table {

/// Writes `text` into `reason` when it is not null and returns `code`, so a
/// failure reads `return fail(reason, ASN_E_HINT, "...");`. An allocation
/// failure leaves `reason` as it was.
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

}  // namespace tev_table

#endif  // TEVASNVALUE_SRC_TABLE_TEVREASON_H
