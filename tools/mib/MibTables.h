// MibTables: the tables of MIB modules loaded with libsmi, for the tool and
// the Python module (never the two libraries, which stay free of libsmi).
//
// Each table is described with the catalogue's structs (TevAsnCatalog.h) by
// the catalogue's rules, so code that takes a catalogue table takes these.
// Every pointer returned lives as long as the object: the descriptions are
// copied out of libsmi into storage of the object's own.
// Each object has a libsmi handle of its own and selects it on every call
// into libsmi, so several objects may live at once; libsmi itself is not
// thread-safe, so all objects are used from one thread at a time.
// No exception escapes: when memory runs out, add_dir() answers false, load()
// and load_dir() fail with "MODULE: out of memory" (an empty message when not
// even that can be stored), and the look-ups find nothing. A load that ran out
// of memory may have taken part of a module, so every later load of the
// object answers "out of memory" too rather than report a module whole that
// is not; the tables found so far stay whole. (What libsmi does when its own
// allocations fail is libsmi's.)
#ifndef TEVASN_MIB_MIBTABLES_H
#define TEVASN_MIB_MIBTABLES_H

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "TevAsnCatalog.h"

namespace tevasn_mib {

/// Tables of MIB modules loaded with libsmi, described with the catalogue's
/// structs (TevAsnCatalog.h) so that code taking a catalogue table takes them.
class MibTables {
 public:
  /// `base_dirs`: where the project's base modules lie (searched after the
  /// caller's directories); default_base_dirs() when empty.
  explicit MibTables(std::vector<std::string> base_dirs = {});
  ~MibTables();  // releases this object's libsmi handle
  MibTables(const MibTables&) = delete;
  MibTables& operator=(const MibTables&) = delete;

  /// Adds a directory searched for modules, before the base modules; false
  /// when memory runs out.
  bool add_dir(const std::string& dir);

  /// Loads MODULE (a module name, or a path to a module file, whose
  /// directory is then searched too) and what it imports. False with one message naming the module
  /// and what is missing or wrong (file:line when known): "FOO-MIB: imports BAR-MIB, which is in no
  /// directory searched" / "FOO-MIB: line 12: syntax error ...".
  bool load(const std::string& module, std::string* error);

  /// Loads every module file of DIR (a file per module); one message per
  /// module not loaded; true when all loaded.
  bool load_dir(const std::string& dir, std::vector<std::string>* errors);

  std::size_t size() const;                        ///< tables of the loaded modules
  const TevCatalogTable* at(std::size_t i) const;  ///< by module, then name; null past the end

  /// By table or entry name, with or without module, any letter case; null
  /// when no loaded table has the name.
  const TevCatalogTable* find(std::string_view name) const;

  /// The table whose entry identifier prefixes the sub-identifiers; null when none.
  const TevCatalogTable* find_by_oid(const std::uint32_t* sub_ids, std::size_t count) const;

  /// Closest table names to `name` (for "did you mean"), at most `limit`.
  std::vector<std::string> closest(std::string_view name, std::size_t limit) const;

  /// `reason`, the catalogue's answer to an unknown `name` ("unknown table
  /// \"X\"", maybe followed by "; closest: a, b"), with the loaded tables'
  /// closest names put first among the closest.
  std::string closest_first(std::string_view name, std::string reason) const;

  /// Where the base modules are looked for: beside the running program
  /// (../share/tevasn/mibs), the installed data directory, the source tree.
  static std::vector<std::string> default_base_dirs();

 private:
  struct Store;
  std::unique_ptr<Store> store_;
};

}  // namespace tevasn_mib

#endif  // TEVASN_MIB_MIBTABLES_H
