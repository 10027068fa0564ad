#include "CTevPyMibs.h"

#include <pybind11/stl.h>
#include <pybind11/stl/filesystem.h>

#include <new>
#include <utility>

#include "CTevPyTable.h"
#include "TevPyError.h"

#ifdef TEVASN_WITH_MIB
#include "MibTables.h"
#else
namespace tevasn_mib {
class MibTables {};
}  // namespace tevasn_mib
#endif

namespace py = pybind11;

namespace tev_python {

#ifdef TEVASN_WITH_MIB

CTevPyMibs::CTevPyMibs(const Paths& dirs, const Paths& modules)
    : tables_(new tevasn_mib::MibTables()) {
  for (const std::filesystem::path& dir : dirs) add_dir(dir);
  std::vector<std::string> errors;
  for (const std::filesystem::path& module : modules) {
    std::string error;
    if (!tables_->load(module.string(), &error)) errors.push_back(error);
  }
  if (!errors.empty()) raise_mib_error(errors);
}

void CTevPyMibs::add_dir(const std::filesystem::path& dir) {
  if (!tables_->add_dir(dir.string())) throw std::bad_alloc();
}

void CTevPyMibs::load(const std::filesystem::path& module) {
  std::string error;
  if (!tables_->load(module.string(), &error)) raise_mib_error({error});
}

void CTevPyMibs::load_dir(const std::filesystem::path& dir) {
  std::vector<std::string> errors;
  if (!tables_->load_dir(dir.string(), &errors)) raise_mib_error(errors);
}

std::size_t CTevPyMibs::size() const { return tables_->size(); }

const TevCatalogTable* CTevPyMibs::at(std::size_t index) const { return tables_->at(index); }

const TevCatalogTable* CTevPyMibs::find(const std::string& name) const {
  return tables_->find(name);
}

const TevCatalogTable* CTevPyMibs::find_by_oid(const std::uint32_t* sub_ids,
                                               std::size_t count) const {
  return tables_->find_by_oid(sub_ids, count);
}

std::string CTevPyMibs::closest_first(const std::string& name, std::string reason) const {
  return tables_->closest_first(name, std::move(reason));
}

#else

// No instance is ever made: the constructor raises, so nothing else is reached.
CTevPyMibs::CTevPyMibs(const Paths&, const Paths&) {
  raise_mib_error({"built without MIB support (libsmi)"});
}
void CTevPyMibs::add_dir(const std::filesystem::path&) {}
void CTevPyMibs::load(const std::filesystem::path&) {}
void CTevPyMibs::load_dir(const std::filesystem::path&) {}
std::size_t CTevPyMibs::size() const { return 0; }
const TevCatalogTable* CTevPyMibs::at(std::size_t) const { return nullptr; }
const TevCatalogTable* CTevPyMibs::find(const std::string&) const { return nullptr; }
const TevCatalogTable* CTevPyMibs::find_by_oid(const std::uint32_t*, std::size_t) const {
  return nullptr;
}
std::string CTevPyMibs::closest_first(const std::string&, std::string reason) const {
  return reason;
}

#endif

CTevPyMibs::~CTevPyMibs() = default;

void CTevPyMibs::bind(py::module_& module) {
  py::class_<CTevPyMibs>(module, "Mibs", R"doc(
MIB modules loaded with libsmi, and the tables they define. Modules are searched
in the directories given (in order), then in the project's base modules, so a
module importing only the standard base modules loads with no other MIB file.
A module that cannot be loaded raises tevasn.MibError with the loader's message.)doc")
      .def(py::init<const Paths&, const Paths&>(), py::arg("dirs") = Paths(),
           py::arg("modules") = Paths())
      .def("add_dir", &CTevPyMibs::add_dir, py::arg("dir"),
           "Searches `dir` for modules, after the directories added before it.")
      .def("load", &CTevPyMibs::load, py::arg("module"),
           "Loads `module` (a module name, or a path to a module file) and what it imports.")
      .def("load_dir", &CTevPyMibs::load_dir, py::arg("dir"), R"doc(
Loads every module file of `dir`; MibError after loading the rest, with one
message per module not loaded.)doc")
      .def(
          "find_table",
          [](const py::object& self, const std::string& name) {
            return CTevPyTable::find(name, self, false);
          },
          py::arg("name"), "The table of the loaded modules named `name`.")
      .def(
          "find_table_by_oid",
          [](const py::object& self, py::handle oid) {
            return CTevPyTable::find_by_oid(oid, self, false);
          },
          py::arg("oid"), "The table of the loaded modules whose entry `oid` lies below.")
      .def(
          "tables", [](const py::object& self) { return CTevPyTable::list(self, false); },
          "The tables of the loaded modules, by module, then name.")
      .def("__repr__", [](const CTevPyMibs& self) {
        return "<tevasn.Mibs of " + std::to_string(self.size()) + " tables>";
      });
}

}  // namespace tev_python
