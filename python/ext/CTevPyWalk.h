// CTevPyWalk: reads the lines of a numeric walk (`snmpwalk -On`) from a Python
// iterator and splits each by a table entry, many lines per call.
#ifndef TEVASN_PYTHON_CTEVPYWALK_H
#define TEVASN_PYTHON_CTEVPYWALK_H

#include <pybind11/pybind11.h>

#include <string_view>

#include "CTevPyEntry.h"

namespace tev_python {

class CTevPyWalk {
 public:
  CTevPyWalk(pybind11::object entry, pybind11::object lines);

  /// (column, index tuple, value text) of up to `limit` further lines; an
  /// empty list at the end. A line that does not decode raises tevasn.Error
  /// naming its number.
  pybind11::list next_rows(unsigned long limit);

  static void bind(pybind11::module_& module);

 private:
  pybind11::object line_row(std::string_view line);

  pybind11::object entry_object_;  // keeps entry_ alive
  CTevPyEntry* entry_;
  pybind11::object lines_;
  unsigned long number_ = 0;
  bool done_ = false;
};

}  // namespace tev_python

#endif  // TEVASN_PYTHON_CTEVPYWALK_H
