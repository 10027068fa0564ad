// CTevPyTable: tevasn.Table, one table of the built-in catalogue or of loaded
// MIB modules (its entry, index layout and columns), and the module's
// look-ups by name and by identifier.
#ifndef TEVASN_PYTHON_CTEVPYTABLE_H
#define TEVASN_PYTHON_CTEVPYTABLE_H

#include <pybind11/pybind11.h>

#include <cstdint>
#include <string>
#include <utility>

#include "TevAsnCatalog.h"

namespace tev_python {

class CTevPyTable {
 public:
  /// `table` lives as long as `owner` (None for the catalogue, whose tables
  /// live as long as the library).
  CTevPyTable(const TevCatalogTable* table, pybind11::object owner)
      : table_(table), owner_(std::move(owner)) {}

  const TevCatalogTable& table() const { return *table_; }
  /// A tevasn.Table of `table`, or None for a null `table`.
  static pybind11::object wrap(const TevCatalogTable* table, const pybind11::object& owner);
  /// The column numbered `number` as a tevasn.Column; None when none.
  pybind11::object column(std::uint32_t number) const;
  pybind11::tuple columns() const;
  /// "IP-MIB::ipAddressTable".
  std::string qualified_name() const;

  // The look-ups of tevasn and of tevasn.Mibs: in `mibs` (a Mibs, or None)
  // first, then in the catalogue when `catalogue`. A miss raises tevasn.Error
  // (ASN_E_UNKNOWN_TABLE) naming the closest names of both.
  static pybind11::object find(const std::string& name, const pybind11::object& mibs,
                               bool catalogue);
  static pybind11::object find_by_oid(pybind11::handle oid, const pybind11::object& mibs,
                                      bool catalogue);
  static pybind11::list list(const pybind11::object& mibs, bool catalogue);

  static void bind(pybind11::module_& module);

 private:
  const TevCatalogTable* table_;
  pybind11::object owner_;  // keeps table_ alive
};

}  // namespace tev_python

#endif  // TEVASN_PYTHON_CTEVPYTABLE_H
