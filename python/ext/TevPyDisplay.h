// tevasn's free functions: DISPLAY-HINTs, textual conventions and strict
// reading of one value's text.
#ifndef TEVASN_PYTHON_TEVPYDISPLAY_H
#define TEVASN_PYTHON_TEVPYDISPLAY_H

#include <pybind11/pybind11.h>

namespace tev_python {

/// Adds format_hint, parse_hint, format_integer_hint, format_tc, parse_tc and
/// read_value to the module.
void bind_display(pybind11::module_& module);

}  // namespace tev_python

#endif  // TEVASN_PYTHON_TEVPYDISPLAY_H
