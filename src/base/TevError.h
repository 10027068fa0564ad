// The one helper that writes an operation's `long* err` out-parameter, for
// both libraries.
#ifndef TEVASNVALUE_SRC_BASE_TEVERROR_H
#define TEVASNVALUE_SRC_BASE_TEVERROR_H

namespace tev_base {

/// Stores `code` through `err` when it is not null; returns `code`.
inline long set_error(long* err, long code) {
  if (err != nullptr) *err = code;
  return code;
}

}  // namespace tev_base

#endif  // TEVASNVALUE_SRC_BASE_TEVERROR_H
