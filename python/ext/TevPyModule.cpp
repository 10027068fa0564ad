// The extension module tevasn._tevasn. The libraries are built without
// exceptions and take no callbacks from here, so the C++ and Python
// exceptions this module raises are thrown and caught in its own frames only.
#include <pybind11/pybind11.h>

#include "CTevPyEntry.h"
#include "CTevPyLayout.h"
#include "CTevPyMibs.h"
#include "CTevPyOid.h"
#include "CTevPyTable.h"
#include "CTevPyWalk.h"
#include "TevPyDisplay.h"

PYBIND11_MODULE(_tevasn, module) {
  module.doc() =
      "Index rows, DISPLAY-HINTs, textual conventions and tables by name of SNMP tables.";
  module.attr("__version__") = TEVASN_VERSION;
  tev_python::CTevPyOid::bind(module);
  tev_python::CTevPyLayout::bind(module);
  tev_python::CTevPyEntry::bind(module);
  tev_python::CTevPyWalk::bind(module);
  tev_python::CTevPyTable::bind(module);
  tev_python::CTevPyMibs::bind(module);
  tev_python::bind_display(module);
}
