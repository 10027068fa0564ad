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
  std::uint32_t table;
};

extern const TevCatalogTable kTables[];
extern const unsigned long kTableCount;
/// Sorted by `key` (bytes), then module.
extern const NameKey kNames[];
extern const unsigned long kNameCount;
/// Positions in kTables, sorted by entry identifier in walk order.
extern const std::uint32_t kByOid[];

}  // namespace tev_catalog

#endif  // TEVASNVALUE_SRC_CATALOG_TEVCATALOGDATA_H
