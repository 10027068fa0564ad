// The tables the tool knows by name: those of the MIB modules the command
// line loads (--mib-dir, --mib), then the catalogue's.
#ifndef TEVASN_TOOL_KNOWNTABLES_H
#define TEVASN_TOOL_KNOWNTABLES_H

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "TevAsnCatalog.h"

namespace tevasn_mib {
class MibTables;
}

namespace tevasn {

class KnownTables {
 public:
  KnownTables();
  ~KnownTables();
  KnownTables(const KnownTables&) = delete;
  KnownTables& operator=(const KnownTables&) = delete;

  /// Whether the tool is built with MIB support (libsmi).
  static bool supported();

  /// Loads every module file of each of `dirs` (all of them searched for
  /// imports), then each of `modules`. Each module not loaded adds its
  /// message to `errors` and the rest go on; false when one was not loaded.
  bool load(const std::vector<std::string>& dirs, const std::vector<std::string>& modules,
            std::vector<std::string>* errors);

  /// By table or entry name; null with "unknown table ...; closest: ..." in
  /// `reason` when none.
  const TevCatalogTable* find(const std::string& name, std::string* reason) const;

  /// The table an identifier lies in; null when none.
  const TevCatalogTable* find_by_oid(const std::uint32_t* sub_ids, std::size_t count) const;

  /// The loaded modules' tables, by module, then name (the catalogue's are
  /// tev_get_catalog_table's).
  std::size_t loaded_count() const;
  const TevCatalogTable* loaded(std::size_t i) const;

 private:
  // Deletes in KnownTables.cpp, where MibTables is complete (when the tool
  // has MIB support at all).
  struct MibDeleter {
    void operator()(tevasn_mib::MibTables* mib) const;
  };
  std::unique_ptr<tevasn_mib::MibTables, MibDeleter> mib_;
};

}  // namespace tevasn

#endif  // TEVASN_TOOL_KNOWNTABLES_H
