// Raising tevasn.Error from a library code and its reason.
#ifndef TEVASN_PYTHON_TEVPYERROR_H
#define TEVASN_PYTHON_TEVPYERROR_H

#include <string>
#include <vector>

#include "CTevAsnBuffer.h"

namespace tev_python {

/// Raises tevasn.Error with `code` and the reason the library wrote (its
/// generic message for the code when it wrote none). Never returns.
[[noreturn]] void raise_error(long code, const CTevAsnBuffer& reason);
/// As raise_error, with a reason of the module's own.
[[noreturn]] void raise_error(long code, const std::string& reason);
/// Raises tevasn.MibError with the MIB loader's `messages`, one per module not
/// loaded. Never returns.
[[noreturn]] void raise_mib_error(const std::vector<std::string>& messages);
/// Raises tevasn.Error when `code` is not 0.
inline void check(long code, const CTevAsnBuffer& reason) {
  if (code != 0) raise_error(code, reason);
}

}  // namespace tev_python

#endif  // TEVASN_PYTHON_TEVPYERROR_H
