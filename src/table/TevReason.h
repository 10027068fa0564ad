// One line of words into a caller's `reason` buffer, printf style.
#ifndef TEVASNVALUE_SRC_TABLE_TEVREASON_H
#define TEVASNVALUE_SRC_TABLE_TEVREASON_H

#include "CTevAsnBuffer.h"

namespace tev_table {

/// Writes the message into `reason` when it is not null and returns `code`,
/// so a failure reads `return fail(reason, ASN_E_HINT, "...", ...);`. The
/// message is cut at 255 characters; an allocation failure leaves `reason` as
/// it was.
#if defined(__GNUC__)
__attribute__((format(printf, 3, 4)))
#endif
long fail(CTevAsnBuffer* reason, long code, const char* format, ...);

/// `c` for a message: itself when printable, otherwise \xNN, zero-terminated.
struct ShownChar {
  char text[5];
};
ShownChar shown(char c);

}  // namespace tev_table

#endif  // TEVASNVALUE_SRC_TABLE_TEVREASON_H
