// TevAsnTablePtr: owning pointers for the companion's objects, as
// TevAsnValuePtr.h gives them for the core's. Header only; exports nothing.
//
//   long err = 0;
//   TevAsnIndexLayoutPtr layout(tev_create_index_layout("integer octets", 0, nullptr, &err));
//   TevAsnIndexRowPtr row(layout->create_row(&err));  // released before the layout
#ifndef TEVASNVALUE_TEVASNTABLEPTR_H
#define TEVASNVALUE_TEVASNTABLEPTR_H

#include <memory>

#include "TevAsnTable.h"
#include "TevAsnValuePtr.h"

/// Owns an index layout; its rows must be released first.
using TevAsnIndexLayoutPtr = std::unique_ptr<ITevAsnIndexLayout, TevAsnReleaser>;
/// Owns a row.
using TevAsnIndexRowPtr = std::unique_ptr<ITevAsnIndexRow, TevAsnReleaser>;
/// Owns a table entry and its layout.
using TevAsnTableEntryPtr = std::unique_ptr<ITevAsnTableEntry, TevAsnReleaser>;

#endif  // TEVASNVALUE_TEVASNTABLEPTR_H
