// CTevPyEntry: tevasn.Entry, a table entry and its index layout, splitting
// instance identifiers into a column and index values.
#ifndef TEVASN_PYTHON_CTEVPYENTRY_H
#define TEVASN_PYTHON_CTEVPYENTRY_H

#include <pybind11/pybind11.h>

#include <cstdint>
#include <memory>
#include <string>

#include "CTevPyRow.h"
#include "TevAsnTable.h"

namespace tev_python {

class CTevPyEntry {
 public:
  CTevPyEntry(const std::string& entry, const std::string& layout);
  ~CTevPyEntry();
  CTevPyEntry(const CTevPyEntry&) = delete;
  CTevPyEntry& operator=(const CTevPyEntry&) = delete;

  pybind11::tuple split(pybind11::handle instance);
  /// As split; 0, or the library's code with its reason in `reason`.
  long split_sub_ids(const std::uint32_t* ids, unsigned long count, CTevAsnBuffer* reason);
  /// (column, index tuple) of the last successful split.
  pybind11::tuple last_split() const;
  pybind11::object build(unsigned long column, pybind11::handle values) const;

  static void bind(pybind11::module_& module);

 private:
  std::string entry_text_;
  std::string layout_text_;
  ITevAsnTableEntry* entry_ = nullptr;
  std::unique_ptr<CTevPyRow> row_;  // ended before the entry
  unsigned long column_ = 0;
};

}  // namespace tev_python

#endif  // TEVASN_PYTHON_CTEVPYENTRY_H
