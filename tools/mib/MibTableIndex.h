// MibTableIndex: the look-ups over the tables loaded so far, by name (table
// or entry, with or without module, any letter case), by entry identifier
// and by nearness of name. Rebuilt after each load; it points into the
// tables' own storage, which never moves.
#ifndef TEVASN_MIB_MIBTABLEINDEX_H
#define TEVASN_MIB_MIBTABLEINDEX_H

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "MibTableStore.h"
#include "TevAsnCatalog.h"

namespace tevasn_mib {

/// Every member may throw std::bad_alloc; MibTables catches it.
class MibTableIndex {
 public:
  /// Indexes every table of `tables`, by module, then name.
  void rebuild(const MibTableStore& tables);

  std::size_t size() const { return order_.size(); }
  const TevCatalogTable* at(std::size_t i) const { return i < size() ? order_[i] : nullptr; }

  const TevCatalogTable* find(std::string_view name) const;
  const TevCatalogTable* find_by_oid(const std::uint32_t* sub_ids, std::size_t count) const;
  std::vector<std::string> closest(std::string_view name, std::size_t limit) const;

 private:
  std::vector<const TevCatalogTable*> order_;  // by module, then name
  std::unordered_map<std::string, std::vector<const TevCatalogTable*>> by_name_;  // folded
  std::unordered_map<std::string_view, const TevCatalogTable*> by_entry_;  // sub-identifier bytes
  std::vector<std::size_t> entry_lengths_;                                 // longest first
};

}  // namespace tevasn_mib

#endif  // TEVASN_MIB_MIBTABLEINDEX_H
