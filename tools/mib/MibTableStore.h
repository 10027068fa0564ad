// The tables of loaded modules, described with the catalogue's structs and
// copied out of libsmi into storage that never moves: every pointer a
// description holds lives as long as the store.
#ifndef TEVASN_MIB_MIBTABLESTORE_H
#define TEVASN_MIB_MIBTABLESTORE_H

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "TevAsnCatalog.h"

struct SmiModule;
struct SmiNode;

namespace tevasn_mib {

class MibTableStore {
 public:
  /// Describes and keeps every table of `module`; the libsmi handle that
  /// loaded it must be selected.
  void add_module(SmiModule* module);

  /// Every table kept, in the order they were added.
  const std::deque<TevCatalogTable>& tables() const { return tables_; }

 private:
  void add_table(SmiModule* module, SmiNode* row);
  const char* keep(std::string text);

  std::deque<std::string> strings_;
  std::deque<std::vector<const char*>> name_lists_;
  std::deque<std::vector<std::uint32_t>> sub_id_lists_;
  std::deque<std::vector<TevCatalogColumn>> column_lists_;
  std::deque<std::vector<TevCatalogLabel>> label_lists_;
  std::deque<TevCatalogTable> tables_;
};

}  // namespace tevasn_mib

#endif  // TEVASN_MIB_MIBTABLESTORE_H
