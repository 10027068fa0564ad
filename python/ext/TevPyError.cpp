#include "TevPyError.h"

#include <pybind11/pybind11.h>

#include <cstring>

#include "TevAsnValuePtr.h"

namespace py = pybind11;

namespace tev_python {

void raise_error(long code, const std::string& reason) {
  const char* name = tev_error_name(code);
  if (name != nullptr && std::strcmp(name, "unknown") == 0) name = nullptr;
  py::object error =
      py::module_::import("tevasn._error").attr("Error")(code, reason, name == nullptr ? "" : name);
  PyErr_SetObject(error.get_type().ptr(), error.ptr());
  throw py::error_already_set();
}

void raise_mib_error(const std::vector<std::string>& messages) {
  py::list list;
  for (const std::string& message : messages) list.append(message);
  py::object error = py::module_::import("tevasn._error").attr("MibError")(list);
  PyErr_SetObject(error.get_type().ptr(), error.ptr());
  throw py::error_already_set();
}

void raise_error(long code, const CTevAsnBuffer& reason) {
  if (reason.length() != 0) raise_error(code, std::string(reason.data(), reason.length()));
  raise_error(code, std::string(tev_error_message(code)));
}

}  // namespace tev_python
