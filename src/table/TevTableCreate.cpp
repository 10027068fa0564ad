// The creation functions of the companion library: its composition root.
#include "TevAsnTable.h"
#include "table/CTevIndexLayout.h"
#include "table/CTevTableEntry.h"

ITevAsnIndexLayout* tev_create_index_layout(const char* text, unsigned long flags,
                                            CTevAsnBuffer* reason, long* err) {
  return CTevIndexLayout::create(text, flags, reason, err);
}

ITevAsnTableEntry* tev_create_table_entry(const char* entry, const char* layout,
                                          CTevAsnBuffer* reason, long* err) {
  return CTevTableEntry::create(entry, layout, reason, err);
}
