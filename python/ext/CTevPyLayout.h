// CTevPyLayout: tevasn.Layout, an index layout read from the tool's TYPE words.
#ifndef TEVASN_PYTHON_CTEVPYLAYOUT_H
#define TEVASN_PYTHON_CTEVPYLAYOUT_H

#include <pybind11/pybind11.h>

#include <memory>
#include <string>

#include "CTevPyRow.h"
#include "TevAsnTable.h"

namespace tev_python {

class CTevPyLayout {
 public:
  explicit CTevPyLayout(const std::string& text);
  ~CTevPyLayout();
  CTevPyLayout(const CTevPyLayout&) = delete;
  CTevPyLayout& operator=(const CTevPyLayout&) = delete;

  pybind11::tuple decode(pybind11::handle index);
  pybind11::list decode_many(pybind11::handle indexes);
  pybind11::object encode(pybind11::handle values) const;
  const std::string& text() const { return text_; }

  static void bind(pybind11::module_& module);

 private:
  std::string text_;
  ITevAsnIndexLayout* layout_ = nullptr;
  std::unique_ptr<CTevPyRow> row_;  // ended before the layout
  CTevAsnBuffer reason_;
};

}  // namespace tev_python

#endif  // TEVASN_PYTHON_CTEVPYLAYOUT_H
