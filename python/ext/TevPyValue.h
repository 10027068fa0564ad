// Python objects of single library values: int, bytes, ipaddress objects, Oid.
#ifndef TEVASN_PYTHON_TEVPYVALUE_H
#define TEVASN_PYTHON_TEVPYVALUE_H

#include <pybind11/pybind11.h>

#include <cstdint>

#include "ITevAsnValue.h"

namespace tev_python {

/// The number of four big-endian octets.
std::uint32_t big_endian32(const unsigned char* octets);

/// The ipaddress classes the values turn into, looked up once per owner.
struct AddressClasses {
  pybind11::object ipv4;
  pybind11::object ipv6;
  static AddressClasses import();
  /// IPv4Address of a big-endian address; IPv6Address of 16 octets or of
  /// text (with a zone). Untracked (see untrack): they hold only numbers and
  /// text.
  pybind11::object ipv4_of(std::uint32_t address) const;
  pybind11::object ipv6_of(const unsigned char* octets) const;
  pybind11::object ipv6_of(const pybind11::object& text) const;
};

/// The Python object of `value` by its type: numbers as int, IpAddress as
/// IPv4Address, the 16-octet address as IPv6Address, the address with port as
/// (IPv4Address, port), OBJECT IDENTIFIER as Oid, every other type as bytes.
pybind11::object value_object(const ITevAsnValue* value, const AddressClasses& classes);

/// Takes a result out of the cycle collector's care. Only for objects that
/// can never be part of a reference cycle: the tuples of decoded values, whose
/// items (numbers, bytes, str, None, ipaddress objects, Oid and such tuples)
/// hold no reference back to anything. Collections would otherwise walk every
/// row a caller keeps, which costs more than decoding it.
void untrack(PyObject* object);

/// A new reference, or the pending Python error thrown.
pybind11::object steal(PyObject* object);

}  // namespace tev_python

#endif  // TEVASN_PYTHON_TEVPYVALUE_H
