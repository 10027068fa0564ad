// CTevPyMibs: tevasn.Mibs, MIB modules loaded with libsmi and the tables they
// define. Built without libsmi, the class exists and its constructor raises.
#ifndef TEVASN_PYTHON_CTEVPYMIBS_H
#define TEVASN_PYTHON_CTEVPYMIBS_H

#include <pybind11/pybind11.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "TevAsnCatalog.h"

namespace tevasn_mib {
class MibTables;
}

namespace tev_python {

class CTevPyMibs {
 public:
  using Paths = std::vector<std::filesystem::path>;
  /// Searches `dirs` (before the base modules) and loads `modules` (names or
  /// module files); raises tevasn.MibError with one message per module not
  /// loaded.
  CTevPyMibs(const Paths& dirs, const Paths& modules);
  ~CTevPyMibs();
  CTevPyMibs(const CTevPyMibs&) = delete;
  CTevPyMibs& operator=(const CTevPyMibs&) = delete;

  void add_dir(const std::filesystem::path& dir);
  void load(const std::filesystem::path& module);
  void load_dir(const std::filesystem::path& dir);

  // The tables of the loaded modules, as MibTables gives them: each pointer
  // lives as long as this object.
  std::size_t size() const;
  const TevCatalogTable* at(std::size_t index) const;
  const TevCatalogTable* find(const std::string& name) const;
  const TevCatalogTable* find_by_oid(const std::uint32_t* sub_ids, std::size_t count) const;
  // `reason` (the catalogue's "unknown table") with the loaded tables'
  // closest names put first.
  std::string closest_first(const std::string& name, std::string reason) const;

  static void bind(pybind11::module_& module);

 private:
  std::unique_ptr<tevasn_mib::MibTables> tables_;
};

}  // namespace tev_python

#endif  // TEVASN_PYTHON_CTEVPYMIBS_H
