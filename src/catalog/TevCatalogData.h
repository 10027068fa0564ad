// The catalogue's constant data, generated into TevCatalogData.cpp by
// scripts/gen-catalog.py from data/standard-tables.json.
#ifndef TEVASNVALUE_SRC_CATALOG_TEVCATALOGDATA_H
#define TEVASNVALUE_SRC_CATALOG_TEVCATALOGDATA_H

#include <cstdint>

#include "TevAsnCatalog.h"

namespace tev_catalog {

/// One name a table is found by: its table or entry name in lower case, and
/// the module that defines it under that name.
struct NameKey {
  const char* key;
  const char* module;
  const char* module_key;  ///< the module in lower case
  std::uint32_t table;
  std::uint32_t same_next;  ///< 1 when the next key is this one again
};

extern const TevCatalogTable kTables[];
extern const unsigned long kTableCount;
/// Sorted by name.
extern const TevCatalogConvention kConventions[];
extern const unsigned long kConventionCount;
/// Sorted by `key` (bytes), then module.
extern const NameKey kNames[];
extern const unsigned long kNameCount;

/// An open-addressing hash of the distinct keys of kNames: 1 + the position
/// of the first key of a run of equal keys, 0 for an empty slot, placed at
/// name_hash(key) modulo the slot count and on to the next free slot.
constexpr unsigned long kNameSlotCount = 1024;
extern const std::uint16_t kNameSlots[kNameSlotCount];

/// The lengths of the entry identifiers, shortest first, 0 for none.
constexpr unsigned long kEntryLengthCount = 4;
extern const std::uint32_t kEntryLengths[kEntryLengthCount];

/// An open-addressing hash of the entry identifiers: 1 + the table's
/// position, 0 for an empty slot, placed at entry_hash(sub-identifiers)
/// modulo the slot count and on to the next free slot.
constexpr unsigned long kEntrySlotCount = 256;
extern const std::uint8_t kEntrySlots[kEntrySlotCount];

}  // namespace tev_catalog

#endif  // TEVASNVALUE_SRC_CATALOG_TEVCATALOGDATA_H
