#include "CTevPyOid.h"

#include <pybind11/operators.h>

#include <algorithm>

#include "TevAsnTable.h"
#include "TevPyError.h"

namespace py = pybind11;

namespace tev_python {

namespace {

void read_text(py::handle object, SubIds* out) {
  Py_ssize_t length = 0;
  const char* text = PyUnicode_AsUTF8AndSize(object.ptr(), &length);
  if (text == nullptr) throw py::error_already_set();
  CTevAsnBuffer reason;
  const long rc = tev_parse_sub_ids(text, static_cast<unsigned long>(length), out->ids,
                                    SubIds::kCapacity, &out->count, &reason);
  check(rc, reason);
}

void add_number(py::handle item, SubIds* out) {
  if (!PyLong_Check(item.ptr())) {
    throw py::type_error("a sub-identifier must be an int, not " +
                         std::string(Py_TYPE(item.ptr())->tp_name));
  }
  int overflow = 0;
  const long long value = PyLong_AsLongLongAndOverflow(item.ptr(), &overflow);
  if (overflow != 0 || value < 0 || value > 0xFFFFFFFFLL) {
    raise_error(NTevAsnValue::ASN_E_SUBID_RANGE,
                "sub-identifier " + std::to_string(out->count + 1) + " (" +
                    py::str(item).cast<std::string>() + ") is not in 0..4294967295");
  }
  if (out->count == SubIds::kCapacity) {
    raise_error(NTevAsnValue::ASN_E_INVALID_ARGUMENT,
                "more than " + std::to_string(SubIds::kCapacity) + " sub-identifiers");
  }
  out->ids[out->count++] = static_cast<std::uint32_t>(value);
}

}  // namespace

void CTevPyOid::read(py::handle object, SubIds* out) {
  out->count = 0;
  if (py::isinstance<CTevPyOid>(object)) {
    const std::vector<std::uint32_t>& ids = object.cast<const CTevPyOid&>().ids_;
    std::copy(ids.begin(), ids.end(), out->ids);
    out->count = static_cast<unsigned long>(ids.size());
    return;
  }
  if (PyUnicode_Check(object.ptr())) return read_text(object, out);
  if (PyTuple_Check(object.ptr()) || PyList_Check(object.ptr())) {
    const Py_ssize_t size = PySequence_Fast_GET_SIZE(object.ptr());
    PyObject** items = PySequence_Fast_ITEMS(object.ptr());
    for (Py_ssize_t i = 0; i < size; ++i) add_number(items[i], out);
    return;
  }
  if (PyBytes_Check(object.ptr()) || PyByteArray_Check(object.ptr()) ||
      !py::hasattr(object, "__iter__")) {
    throw py::type_error("expected an Oid, dotted text or a sequence of int, not " +
                         std::string(Py_TYPE(object.ptr())->tp_name));
  }
  for (py::handle item : object) add_number(item, out);
}

CTevPyOid CTevPyOid::from_object(py::handle object) {
  SubIds sub_ids;
  read(object, &sub_ids);
  return CTevPyOid(sub_ids.ids, sub_ids.count);
}

std::string CTevPyOid::text() const {
  std::string text;
  text.reserve(ids_.size() * 4);
  for (std::size_t i = 0; i < ids_.size(); ++i) {
    if (i != 0) text += '.';
    text += std::to_string(ids_[i]);
  }
  return text;
}

long CTevPyOid::relation(const CTevPyOid& other) const {
  return tev_compare_sub_ids(ids_.data(), static_cast<unsigned long>(ids_.size()),
                             other.ids_.data(), static_cast<unsigned long>(other.ids_.size()));
}

bool CTevPyOid::startswith(const CTevPyOid& prefix) const {
  const long relation = prefix.relation(*this);
  return relation == 0 || relation == 1;
}

std::size_t CTevPyOid::hash() const {
  // FNV-1a over the sub-identifiers; -1 is not a hash Python accepts.
  std::uint64_t hash = 1469598103934665603ULL;
  for (std::uint32_t id : ids_) {
    hash ^= id;
    hash *= 1099511628211ULL;
  }
  hash ^= ids_.size();
  return static_cast<std::size_t>(hash == static_cast<std::uint64_t>(-1) ? hash - 1 : hash);
}

void CTevPyOid::bind(py::module_& module) {
  py::class_<CTevPyOid> oid(module, "Oid", R"doc(
An object identifier: an immutable, hashable sequence of sub-identifiers.

Oid("1.3.6.1") reads strict dotted decimal (one leading "." allowed); Oid([1, 3, 6, 1])
takes ints in 0..4294967295. Comparisons follow walk order: by sub-identifier value,
a prefix first, so sorted() orders a walk.)doc");
  oid.def(py::init([](py::object value) { return from_object(value); }), py::arg("value"))
      .def(py::init<>())
      .def("__str__", &CTevPyOid::text)
      .def("__repr__", [](const CTevPyOid& self) { return "tevasn.Oid('" + self.text() + "')"; })
      .def("__len__", [](const CTevPyOid& self) { return self.ids_.size(); })
      .def("__hash__", &CTevPyOid::hash)
      .def("__getitem__",
           [](const CTevPyOid& self, Py_ssize_t index) -> std::uint32_t {
             const auto size = static_cast<Py_ssize_t>(self.ids_.size());
             if (index < 0) index += size;
             if (index < 0 || index >= size) throw py::index_error("Oid index out of range");
             return self.ids_[static_cast<std::size_t>(index)];
           })
      .def("__getitem__",
           [](const CTevPyOid& self, const py::slice& slice) {
             Py_ssize_t start = 0, stop = 0, step = 0, length = 0;
             if (!slice.compute(static_cast<Py_ssize_t>(self.ids_.size()), &start, &stop, &step,
                                &length)) {
               throw py::error_already_set();
             }
             CTevPyOid part;
             part.ids_.reserve(static_cast<std::size_t>(length));
             for (Py_ssize_t i = 0; i < length; ++i) {
               part.ids_.push_back(self.ids_[static_cast<std::size_t>(start + i * step)]);
             }
             return part;
           })
      .def(
          "__iter__",
          [](const CTevPyOid& self) {
            return py::make_iterator(self.ids_.begin(), self.ids_.end());
          },
          py::keep_alive<0, 1>())
      .def(
          "__eq__",
          [](const CTevPyOid& self, const CTevPyOid& other) { return self.ids_ == other.ids_; },
          py::is_operator())
      .def(
          "__ne__",
          [](const CTevPyOid& self, const CTevPyOid& other) { return self.ids_ != other.ids_; },
          py::is_operator())
      .def(
          "__lt__",
          [](const CTevPyOid& self, const CTevPyOid& other) {
            const long r = self.relation(other);
            return r == 1 || r == 3;
          },
          py::is_operator())
      .def(
          "__le__",
          [](const CTevPyOid& self, const CTevPyOid& other) {
            const long r = self.relation(other);
            return r == 0 || r == 1 || r == 3;
          },
          py::is_operator())
      .def(
          "__gt__",
          [](const CTevPyOid& self, const CTevPyOid& other) {
            const long r = self.relation(other);
            return r == 2 || r == 4;
          },
          py::is_operator())
      .def(
          "__ge__",
          [](const CTevPyOid& self, const CTevPyOid& other) {
            const long r = self.relation(other);
            return r == 0 || r == 2 || r == 4;
          },
          py::is_operator())
      .def(
          "startswith",
          [](const CTevPyOid& self, const py::object& prefix) {
            return self.startswith(from_object(prefix));
          },
          py::arg("prefix"), "Whether this identifier equals `prefix` or lies below it.")
      .def("__add__",
           [](const CTevPyOid& self, const py::object& tail) {
             SubIds more;
             read(tail, &more);
             if (self.ids_.size() + more.count > SubIds::kCapacity) {
               raise_error(NTevAsnValue::ASN_E_INVALID_ARGUMENT,
                           "more than " + std::to_string(SubIds::kCapacity) + " sub-identifiers");
             }
             CTevPyOid sum = self;
             sum.ids_.insert(sum.ids_.end(), more.ids, more.ids + more.count);
             return sum;
           })
      .def(py::pickle([](const CTevPyOid& self) { return py::make_tuple(self.text()); },
                      [](const py::tuple& state) { return from_object(state[0]); }));
}

}  // namespace tev_python
