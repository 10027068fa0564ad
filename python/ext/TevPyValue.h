// Python objects of single library values: int, bytes, ipaddress objects, Oid.
#ifndef TEVASN_PYTHON_TEVPYVALUE_H
#define TEVASN_PYTHON_TEVPYVALUE_H

#include <pybind11/pybind11.h>

#include "ITevAsnValue.h"

namespace tev_python {

/// The ipaddress classes the values turn into, looked up once per owner.
struct AddressClasses {
  pybind11::object ipv4;
  pybind11::object ipv6;
  static AddressClasses import();
};

/// The Python object of `value` by its type: numbers as int, IpAddress as
/// IPv4Address, the 16-octet address as IPv6Address, the address with port as
/// (IPv4Address, port), OBJECT IDENTIFIER as Oid, every other type as bytes.
pybind11::object value_object(const ITevAsnValue* value, const AddressClasses& classes);

/// A new reference, or the pending Python error thrown.
pybind11::object steal(PyObject* object);

}  // namespace tev_python

#endif  // TEVASN_PYTHON_TEVPYVALUE_H
