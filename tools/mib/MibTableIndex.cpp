#include "MibTableIndex.h"

#include <algorithm>
#include <cstring>

#include "NearNames.h"

namespace tevasn_mib {

using tevasn_names::folded;

namespace {

// "MODULE::name" without its module.
std::string_view without_module(std::string_view name) {
  const std::size_t colons = name.find("::");
  return colons == std::string_view::npos ? name : name.substr(colons + 2);
}

}  // namespace

void MibTableIndex::rebuild(const MibTableStore& tables) {
  order_.clear();
  for (const TevCatalogTable& table : tables.tables()) order_.push_back(&table);
  std::stable_sort(order_.begin(), order_.end(),
                   [](const TevCatalogTable* a, const TevCatalogTable* b) {
                     const int module = std::strcmp(a->module, b->module);
                     return module != 0 ? module < 0 : std::strcmp(a->name, b->name) < 0;
                   });
  by_name_.clear();
  by_entry_.clear();
  entry_lengths_.clear();
  for (const TevCatalogTable* table : order_) {
    by_name_[folded(table->name)].push_back(table);
    by_name_[folded(table->entry)].push_back(table);
    const std::string_view bytes(reinterpret_cast<const char*>(table->entry_sub_ids),
                                 table->entry_count * sizeof(std::uint32_t));
    by_entry_.emplace(bytes, table);
    if (std::find(entry_lengths_.begin(), entry_lengths_.end(), table->entry_count) ==
        entry_lengths_.end()) {
      entry_lengths_.push_back(table->entry_count);
    }
  }
  std::sort(entry_lengths_.rbegin(), entry_lengths_.rend());
}

const TevCatalogTable* MibTableIndex::find(std::string_view name) const {
  const std::string_view bare = without_module(name);
  const std::string module = bare.size() == name.size()
                                 ? std::string()
                                 : folded(name.substr(0, name.size() - bare.size() - 2));
  const auto found = by_name_.find(folded(bare));
  if (found == by_name_.end()) return nullptr;
  for (const TevCatalogTable* table : found->second) {
    if (module.empty() || folded(table->module) == module) return table;
  }
  return nullptr;
}

const TevCatalogTable* MibTableIndex::find_by_oid(const std::uint32_t* sub_ids,
                                                  std::size_t count) const {
  if (sub_ids == nullptr) return nullptr;
  for (const std::size_t length : entry_lengths_) {
    if (length > count) continue;
    const auto found = by_entry_.find(
        std::string_view(reinterpret_cast<const char*>(sub_ids), length * sizeof *sub_ids));
    if (found != by_entry_.end()) return found->second;
  }
  return nullptr;
}

std::vector<std::string> MibTableIndex::closest(std::string_view name, std::size_t limit) const {
  tevasn_names::NearNames near(without_module(name));
  for (const TevCatalogTable* table : order_) {
    near.offer(table->name, table->name);
    near.offer(table->entry, table->name);
  }
  return near.best(limit);
}

}  // namespace tevasn_mib
