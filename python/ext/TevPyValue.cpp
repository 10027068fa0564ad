#include "TevPyValue.h"

#include <cstdint>
#include <utility>
#include <vector>

#include "CTevPyOid.h"

namespace py = pybind11;
using namespace NTevAsnValue;

namespace tev_python {

std::uint32_t big_endian32(const unsigned char* octets) {
  return (std::uint32_t{octets[0]} << 24) | (std::uint32_t{octets[1]} << 16) |
         (std::uint32_t{octets[2]} << 8) | std::uint32_t{octets[3]};
}

namespace {}  // namespace

AddressClasses AddressClasses::import() {
  py::module_ ipaddress = py::module_::import("ipaddress");
  return {ipaddress.attr("IPv4Address"), ipaddress.attr("IPv6Address")};
}

void untrack(PyObject* object) {
  if (PyObject_GC_IsTracked(object) != 0) PyObject_GC_UnTrack(object);
}

py::object AddressClasses::ipv4_of(std::uint32_t address) const {
  py::object object = ipv4(address);
  untrack(object.ptr());
  return object;
}

py::object AddressClasses::ipv6_of(const unsigned char* octets) const {
  py::object object = ipv6(py::bytes(reinterpret_cast<const char*>(octets), 16));
  untrack(object.ptr());
  return object;
}

py::object AddressClasses::ipv6_of(const py::object& text) const {
  py::object object = ipv6(text);
  untrack(object.ptr());
  return object;
}

py::object steal(PyObject* object) {
  if (object == nullptr) throw py::error_already_set();
  return py::reinterpret_steal<py::object>(object);
}

py::object value_object(const ITevAsnValue* value, const AddressClasses& classes) {
  long err = ASN_OK;
  unsigned long length = 0;
  switch (value->get_type()) {
    case ASN_INTEGER:
      return steal(PyLong_FromLong(value->get_long(&err)));
    case ASN_COUNTER:
    case ASN_GAUGE:
    case ASN_TIME_TICKS:
      return steal(PyLong_FromUnsignedLong(value->get_ulong(&err)));
    case ASN_COUNTER_64: {
      const unsigned long long high = value->get_high(&err);
      return steal(PyLong_FromUnsignedLongLong(high << 32 | value->get_low(&err)));
    }
    case ASN_IP_ADDRESS:
      return classes.ipv4_of(big_endian32(value->get_octets(&length, &err)));
    case ASN_IP_PORT_ADDRESS:
      return py::make_tuple(classes.ipv4_of(big_endian32(value->get_octets(&length, &err))),
                            value->get_port(&err));
    case ASN_IPV6_ADDRESS: {
      return classes.ipv6_of(value->get_octets(&length, &err));
    }
    case ASN_OBJECT_ID: {
      std::vector<std::uint32_t> ids(value->get_count());
      for (std::size_t i = 0; i < ids.size(); ++i) {
        ids[i] = static_cast<std::uint32_t>(value->get_at(static_cast<unsigned long>(i), &err));
      }
      return py::cast(CTevPyOid(std::move(ids)));
    }
    default: {
      const unsigned char* octets = value->get_octets(&length, &err);
      return steal(PyBytes_FromStringAndSize(reinterpret_cast<const char*>(octets),
                                             static_cast<Py_ssize_t>(length)));
    }
  }
}

}  // namespace tev_python
