// The one helper that writes an operation's `long* err` out-parameter.
#ifndef TEVASNTABLE_TEVTABLEERROR_H
#define TEVASNTABLE_TEVTABLEERROR_H

#include "TevAsnTypes.h"

/// Stores `code` through `err` when it is not null; returns `code`.
inline long tev_table_set_error(long* err, long code) {
  if (err != nullptr) *err = code;
  return code;
}

#endif  // TEVASNTABLE_TEVTABLEERROR_H
