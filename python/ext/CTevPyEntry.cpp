#include "CTevPyEntry.h"

#include <utility>
#include <vector>

#include "CTevPyOid.h"
#include "TevAsnValue.h"
#include "TevPyError.h"

namespace py = pybind11;
using namespace NTevAsnValue;

namespace tev_python {

CTevPyEntry::CTevPyEntry(const std::string& entry, const std::string& layout)
    : entry_text_(entry), layout_text_(layout) {
  long err = ASN_OK;
  CTevAsnBuffer reason;
  entry_ = tev_create_table_entry(entry.c_str(), layout.c_str(), &reason, &err);
  if (entry_ == nullptr) raise_error(err, reason);
  row_.reset(new CTevPyRow(entry_->get_layout()));
}

CTevPyEntry::~CTevPyEntry() {
  row_.reset();
  if (entry_ != nullptr) entry_->release();
}

long CTevPyEntry::split_sub_ids(const std::uint32_t* ids, unsigned long count,
                                CTevAsnBuffer* reason) {
  return entry_->split(ids, count, &column_, row_->row(), reason);
}

py::tuple CTevPyEntry::last_split() const {
  py::object column = py::reinterpret_steal<py::object>(PyLong_FromUnsignedLong(column_));
  if (!column) throw py::error_already_set();
  return py::make_tuple(column, row_->to_tuple());
}

py::tuple CTevPyEntry::split(py::handle instance) {
  SubIds sub_ids;
  CTevPyOid::read(instance, &sub_ids);
  CTevAsnBuffer reason;
  check(split_sub_ids(sub_ids.ids, sub_ids.count, &reason), reason);
  return last_split();
}

py::object CTevPyEntry::build(unsigned long column, py::handle values) const {
  return row_->encode_to_oid(values, [this, column](ITevAsnValue* const* list, unsigned long count,
                                                    ITevAsnObjectID* oid, CTevAsnBuffer* reason) {
    return entry_->build(column, list, count, oid, reason);
  });
}

void CTevPyEntry::bind(py::module_& module) {
  py::class_<CTevPyEntry>(module, "Entry", R"doc(
A table entry (the identifier its columns lie below, such as "1.3.6.1.2.1.4.34.1")
with the layout of its index.)doc")
      .def(py::init<const std::string&, const std::string&>(), py::arg("entry"), py::arg("layout"))
      .def("split", &CTevPyEntry::split, py::arg("instance"),
           "(column, index tuple) of an instance identifier below the entry.")
      .def("build", &CTevPyEntry::build, py::arg("column"), py::arg("values"),
           "The instance identifier entry.column.index of `values`.")
      .def_property_readonly("entry", [](const CTevPyEntry& self) { return self.entry_text_; })
      .def_property_readonly("layout", [](const CTevPyEntry& self) { return self.layout_text_; })
      .def("__repr__", [](const CTevPyEntry& self) {
        return "tevasn.Entry(" + py::repr(py::str(self.entry_text_)).cast<std::string>() + ", " +
               py::repr(py::str(self.layout_text_)).cast<std::string>() + ")";
      });
}

}  // namespace tev_python
