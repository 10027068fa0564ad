#include "CTevPyTable.h"

#include <memory>
#include <utility>
#include <vector>

#include "CTevPyEntry.h"
#include "CTevPyMibs.h"
#include "CTevPyOid.h"
#include "TevPyError.h"

namespace py = pybind11;
using namespace NTevAsnValue;

namespace tev_python {

namespace {

const char* access_name(ETevAccess access) {
  switch (access) {
    case TEV_ACCESS_NOT_ACCESSIBLE:
      return "not-accessible";
    case TEV_ACCESS_READ_ONLY:
      return "read-only";
    case TEV_ACCESS_READ_WRITE:
      return "read-write";
  }
  return "";
}

py::object column_object(const TevCatalogColumn& column) {
  py::tuple labels(column.label_count);
  for (std::uint32_t i = 0; i < column.label_count; ++i) {
    labels[i] = py::make_tuple(column.labels[i].name, column.labels[i].number);
  }
  const char* syntax = tev_syntax_name(column.syntax);
  return py::module_::import("tevasn._catalog")
      .attr("Column")(column.number, column.name, syntax == nullptr ? "" : syntax,
                      access_name(column.access), column.convention, column.hint, labels);
}

const CTevPyMibs* mibs_of(const py::object& mibs) {
  if (mibs.is_none()) return nullptr;
  if (!py::isinstance<CTevPyMibs>(mibs)) {
    throw py::type_error("mibs must be a tevasn.Mibs or None, not " +
                         std::string(Py_TYPE(mibs.ptr())->tp_name));
  }
  return &mibs.cast<const CTevPyMibs&>();
}

}  // namespace

py::object CTevPyTable::wrap(const TevCatalogTable* table, const py::object& owner) {
  if (table == nullptr) return py::none();
  return py::cast(std::unique_ptr<CTevPyTable>(new CTevPyTable(table, owner)));
}

py::object CTevPyTable::column(std::uint32_t number) const {
  const TevCatalogColumn* found = tev_find_catalog_column(table_, number);
  return found == nullptr ? py::object(py::none()) : column_object(*found);
}

py::tuple CTevPyTable::columns() const {
  py::tuple columns(table_->column_count);
  for (std::uint32_t i = 0; i < table_->column_count; ++i) {
    columns[i] = column_object(table_->columns[i]);
  }
  return columns;
}

std::string CTevPyTable::qualified_name() const {
  return std::string(table_->module) + "::" + table_->name;
}

py::object CTevPyTable::find(const std::string& name, const py::object& mibs, bool catalogue) {
  const CTevPyMibs* loaded = mibs_of(mibs);
  if (loaded != nullptr) {
    if (const TevCatalogTable* table = loaded->find(name)) return wrap(table, mibs);
  }
  std::string reason = "unknown table \"" + name + "\"";
  if (catalogue) {
    CTevAsnBuffer why;
    long err = ASN_OK;
    const TevCatalogTable* table =
        tev_find_catalog_table(name.data(), static_cast<unsigned long>(name.size()), &why, &err);
    if (table != nullptr) return wrap(table, py::none());
    if (err != ASN_E_UNKNOWN_TABLE || why.length() == 0) raise_error(err, why);
    reason.assign(why.data(), why.length());
  }
  if (loaded != nullptr) reason = loaded->closest_first(name, std::move(reason));
  raise_error(ASN_E_UNKNOWN_TABLE, reason);
}

py::object CTevPyTable::find_by_oid(py::handle oid, const py::object& mibs, bool catalogue) {
  SubIds sub_ids;
  CTevPyOid::read(oid, &sub_ids);
  const CTevPyMibs* loaded = mibs_of(mibs);
  if (loaded != nullptr) {
    if (const TevCatalogTable* table = loaded->find_by_oid(sub_ids.ids, sub_ids.count)) {
      return wrap(table, mibs);
    }
  }
  if (catalogue) {
    CTevAsnBuffer why;
    long err = ASN_OK;
    const TevCatalogTable* table =
        tev_find_catalog_table_by_oid(sub_ids.ids, sub_ids.count, &why, &err);
    if (table != nullptr) return wrap(table, py::none());
    if (loaded == nullptr) raise_error(err, why);
  }
  raise_error(ASN_E_UNKNOWN_TABLE,
              std::string(catalogue ? "no table of the loaded modules or of the catalogue holds "
                                    : "no table of the loaded modules holds ") +
                  CTevPyOid(sub_ids.ids, sub_ids.count).text());
}

py::list CTevPyTable::list(const py::object& mibs, bool catalogue) {
  py::list tables;
  if (const CTevPyMibs* loaded = mibs_of(mibs)) {
    for (std::size_t i = 0; i < loaded->size(); ++i) tables.append(wrap(loaded->at(i), mibs));
  }
  if (catalogue) {
    const unsigned long count = tev_get_catalog_table_count();
    for (unsigned long i = 0; i < count; ++i) {
      tables.append(wrap(tev_get_catalog_table(i), py::none()));
    }
  }
  return tables;
}

void CTevPyTable::bind(py::module_& module) {
  py::class_<CTevPyTable>(module, "Table", R"doc(
A table of the built-in catalogue or of loaded MIB modules: its entry, the layout
of its index and its columns. tevasn.find_table and Mibs.find_table give them.)doc")
      .def_property_readonly("name", [](const CTevPyTable& self) { return self.table_->name; })
      .def_property_readonly("module", [](const CTevPyTable& self) { return self.table_->module; })
      .def_property_readonly("entry_name",
                             [](const CTevPyTable& self) { return self.table_->entry; })
      .def_property_readonly("entry_oid",
                             [](const CTevPyTable& self) {
                               return CTevPyOid(self.table_->entry_sub_ids,
                                                self.table_->entry_count);
                             })
      .def_property_readonly("augments",
                             [](const CTevPyTable& self) { return self.table_->augments; })
      .def_property_readonly("layout", [](const CTevPyTable& self) { return self.table_->layout; })
      .def_property_readonly("index_names",
                             [](const CTevPyTable& self) {
                               py::tuple names(self.table_->index_count);
                               for (std::uint32_t i = 0; i < self.table_->index_count; ++i) {
                                 names[i] = py::str(self.table_->index_names[i]);
                               }
                               return names;
                             })
      .def_property_readonly("implied",
                             [](const CTevPyTable& self) { return self.table_->implied != 0; })
      .def_property_readonly("columns", &CTevPyTable::columns)
      .def("column", &CTevPyTable::column, py::arg("number"),
           "The column numbered `number`, or None when the table has none.")
      .def(
          "entry",
          [](const CTevPyTable& self) {
            return std::unique_ptr<CTevPyEntry>(new CTevPyEntry(
                CTevPyOid(self.table_->entry_sub_ids, self.table_->entry_count).text(),
                self.table_->layout));
          },
          "A tevasn.Entry of the table's entry identifier and index layout.")
      .def(
          "__eq__",
          [](const CTevPyTable& self, const CTevPyTable& other) {
            return self.table_ == other.table_;
          },
          py::is_operator())
      .def("__hash__",
           [](const CTevPyTable& self) { return std::hash<const void*>()(self.table_); })
      .def("__repr__", [](const CTevPyTable& self) {
        const std::string name = py::repr(py::str(self.qualified_name())).cast<std::string>();
        return self.owner_.is_none() ? "tevasn.find_table(" + name + ")"
                                     : "<tevasn.Table " + name + " of a tevasn.Mibs>";
      });

  module.def(
      "find_table",
      [](const std::string& name, const py::object& mibs) { return find(name, mibs, true); },
      py::arg("name"), py::arg("mibs") = py::none(), R"doc(
The table named `name` (a table or entry name, with or without its module, any
letter case): in `mibs` first when given, then in the catalogue.)doc");
  module.def(
      "find_table_by_oid",
      [](py::handle oid, const py::object& mibs) { return find_by_oid(oid, mibs, true); },
      py::arg("oid"), py::arg("mibs") = py::none(), R"doc(
The table whose entry identifier `oid` (an instance, a column or the entry) lies
below: in `mibs` first when given, then in the catalogue.)doc");
  module.def(
      "tables", [](const py::object& mibs) { return list(mibs, true); },
      py::arg("mibs") = py::none(),
      "The tables of `mibs` when given, then the catalogue's, each by module, then name.");
}

}  // namespace tev_python
