#include "CTevPyWalk.h"

#include <string>

#include "CTevPyOid.h"
#include "TevAsnValuePtr.h"
#include "TevPyError.h"
#include "TevPyValue.h"

namespace py = pybind11;

namespace tev_python {

namespace {

bool is_blank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

}  // namespace

CTevPyWalk::CTevPyWalk(py::object entry, py::object lines)
    : entry_object_(std::move(entry)),
      entry_(entry_object_.cast<CTevPyEntry*>()),
      lines_(py::iter(lines)) {}

py::list CTevPyWalk::next_rows(unsigned long limit) {
  py::list rows;
  while (!done_ && PyList_GET_SIZE(rows.ptr()) < static_cast<Py_ssize_t>(limit)) {
    py::object line = py::reinterpret_steal<py::object>(PyIter_Next(lines_.ptr()));
    if (!line) {
      if (PyErr_Occurred() != nullptr) throw py::error_already_set();
      done_ = true;
      break;
    }
    ++number_;
    if (!PyUnicode_Check(line.ptr())) {
      throw py::type_error("line " + std::to_string(number_) + ": expected str, not " +
                           Py_TYPE(line.ptr())->tp_name);
    }
    Py_ssize_t length = 0;
    const char* text = PyUnicode_AsUTF8AndSize(line.ptr(), &length);
    if (text == nullptr) throw py::error_already_set();
    py::object row = line_row(std::string_view(text, static_cast<std::size_t>(length)));
    if (row) rows.append(row);
  }
  return rows;
}

py::object CTevPyWalk::line_row(std::string_view line) {
  while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.remove_suffix(1);
  // The identifier: from the first non-blank to the next blank, as the tool reads it.
  std::size_t start = 0;
  while (start < line.size() && is_blank(line[start])) ++start;
  if (start == line.size()) return py::object();  // a blank line
  std::size_t end = start;
  while (end < line.size() && !is_blank(line[end])) ++end;
  const std::size_t equals = line.find(" = ");
  const std::string_view value =
      equals == std::string_view::npos ? std::string_view() : line.substr(equals + 3);

  const std::string where = "line " + std::to_string(number_) + ": ";
  SubIds sub_ids;
  CTevAsnBuffer reason;
  long rc = tev_parse_sub_ids(line.data() + start, static_cast<unsigned long>(end - start),
                              sub_ids.ids, SubIds::kCapacity, &sub_ids.count, &reason);
  if (rc == 0 && sub_ids.count == 0) {
    raise_error(NTevAsnValue::ASN_E_INVALID_ARGUMENT, where + "empty object identifier");
  }
  if (rc == 0) rc = entry_->split_sub_ids(sub_ids.ids, sub_ids.count, &reason);
  if (rc != 0) {
    raise_error(rc, where + (reason.length() != 0 ? std::string(reason.data(), reason.length())
                                                  : std::string(tev_error_message(rc))));
  }
  py::tuple split = entry_->last_split();
  py::object text = py::reinterpret_steal<py::object>(
      PyUnicode_DecodeUTF8(value.data(), static_cast<Py_ssize_t>(value.size()), nullptr));
  if (!text) throw py::error_already_set();
  py::tuple row = py::make_tuple(split[0], split[1], text);
  untrack(row.ptr());
  return row;
}

void CTevPyWalk::bind(py::module_& module) {
  py::class_<CTevPyWalk>(module, "_WalkReader")
      .def(py::init<py::object, py::object>(), py::arg("entry"), py::arg("lines"))
      .def("next_rows", &CTevPyWalk::next_rows, py::arg("limit"));
}

}  // namespace tev_python
