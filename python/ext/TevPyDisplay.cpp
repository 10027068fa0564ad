#include "TevPyDisplay.h"

#include <cstring>
#include <string>

#include "TevAsnDisplay.h"
#include "TevAsnTable.h"
#include "TevAsnValuePtr.h"
#include "TevPyError.h"
#include "TevPyValue.h"

namespace py = pybind11;
using namespace NTevAsnValue;

namespace tev_python {

namespace {

// Text arguments and results: UTF-8, with undecodable octets carried as
// surrogates both ways so that any octets round-trip.
std::string text_octets(const py::str& text) {
  py::object encoded = steal(PyUnicode_AsEncodedString(text.ptr(), "utf-8", "surrogateescape"));
  return encoded.cast<std::string>();
}

py::str text_of(const CTevAsnBuffer& buffer) {
  return py::reinterpret_borrow<py::str>(
      steal(PyUnicode_DecodeUTF8(buffer.length() == 0 ? "" : buffer.data(),
                                 static_cast<Py_ssize_t>(buffer.length()), "surrogateescape")));
}

py::bytes bytes_of(const CTevAsnBuffer& buffer) {
  return py::bytes(buffer.length() == 0 ? "" : buffer.data(), buffer.length());
}

std::string octets_of(const py::bytes& octets) { return octets.cast<std::string>(); }

const unsigned char* data_of(const std::string& octets) {
  return reinterpret_cast<const unsigned char*>(octets.data());
}

struct TypeName {
  const char* name;
  EAsnType type;
};

// SMI type names read_value takes (any case), and the library's own addresses.
constexpr TypeName kTypeNames[] = {{"Integer32", ASN_INTEGER},
                                   {"INTEGER", ASN_INTEGER},
                                   {"Unsigned32", ASN_GAUGE},
                                   {"Gauge32", ASN_GAUGE},
                                   {"Counter32", ASN_COUNTER},
                                   {"TimeTicks", ASN_TIME_TICKS},
                                   {"Counter64", ASN_COUNTER_64},
                                   {"IpAddress", ASN_IP_ADDRESS},
                                   {"OCTET STRING", ASN_OCTET_STRING},
                                   {"OctetString", ASN_OCTET_STRING},
                                   {"Opaque", ASN_OPAQUE},
                                   {"OBJECT IDENTIFIER", ASN_OBJECT_ID},
                                   {"ObjectIdentifier", ASN_OBJECT_ID},
                                   {"Ipv6Address", ASN_IPV6_ADDRESS},
                                   {"IpPortAddress", ASN_IP_PORT_ADDRESS},
                                   {"IpxAddress", ASN_IPX_ADDRESS}};

EAsnType type_named(const std::string& name) {
  for (const TypeName& entry : kTypeNames) {
    if (name.size() == std::strlen(entry.name) &&
        strncasecmp(name.c_str(), entry.name, name.size()) == 0) {
      return entry.type;
    }
  }
  raise_error(ASN_E_INVALID_ARGUMENT, "no SMI type named \"" + name + "\"");
}

py::str format_hint(const std::string& hint, const py::bytes& octets) {
  const std::string data = octets_of(octets);
  CTevAsnBuffer out;
  CTevAsnBuffer reason;
  check(tev_format_octets_hint(hint.c_str(), data_of(data), static_cast<unsigned long>(data.size()),
                               &out, &reason),
        reason);
  return text_of(out);
}

py::bytes parse_hint(const std::string& hint, const py::str& text) {
  const std::string data = text_octets(text);
  CTevAsnBuffer out;
  CTevAsnBuffer reason;
  check(tev_parse_octets_hint(hint.c_str(), data.data(), static_cast<unsigned long>(data.size()),
                              &out, &reason),
        reason);
  return bytes_of(out);
}

py::str format_integer_hint(const std::string& hint, const py::int_& value) {
  int overflow = 0;
  const long long number = PyLong_AsLongLongAndOverflow(value.ptr(), &overflow);
  if (overflow != 0) raise_error(ASN_E_INVALID_ARGUMENT, "the value does not fit 64 bits");
  CTevAsnBuffer out;
  CTevAsnBuffer reason;
  check(tev_format_integer_hint(hint.c_str(), number, &out, &reason), reason);
  return text_of(out);
}

py::str format_tc(const std::string& name, const py::bytes& octets) {
  const std::string data = octets_of(octets);
  CTevAsnBuffer out;
  CTevAsnBuffer reason;
  check(tev_format_tc(name.c_str(), data_of(data), static_cast<unsigned long>(data.size()), &out,
                      &reason),
        reason);
  return text_of(out);
}

py::bytes parse_tc(const std::string& name, const py::str& text) {
  const std::string data = text_octets(text);
  CTevAsnBuffer out;
  CTevAsnBuffer reason;
  check(tev_parse_tc(name.c_str(), data.data(), static_cast<unsigned long>(data.size()), &out,
                     &reason),
        reason);
  return bytes_of(out);
}

py::object read_value(const std::string& type, const py::str& text) {
  const EAsnType asn_type = type_named(type);
  const std::string data = text_octets(text);
  CTevAsnBuffer reason;
  long err = ASN_OK;
  TevAsnValuePtr value(tev_read_value(data.data(), static_cast<unsigned long>(data.size()),
                                      asn_type, &reason, &err));
  if (value == nullptr) raise_error(err, reason);
  return value_object(value.get(), AddressClasses::import());
}

}  // namespace

void bind_display(py::module_& module) {
  module.def("format_hint", &format_hint, py::arg("hint"), py::arg("octets"),
             "Octets shown by an OCTET STRING DISPLAY-HINT (\"1x:\", \"255a\").");
  module.def("parse_hint", &parse_hint, py::arg("hint"), py::arg("text"),
             "The octets of text written by an OCTET STRING DISPLAY-HINT.");
  module.def("format_integer_hint", &format_integer_hint, py::arg("hint"), py::arg("value"),
             "An INTEGER shown by its DISPLAY-HINT (\"d-2\", \"x\", \"o\", \"b\").");
  module.def("format_tc", &format_tc, py::arg("name"), py::arg("octets"),
             "Octets shown by a textual convention named as in its MIB (\"DateAndTime\").");
  module.def("parse_tc", &parse_tc, py::arg("name"), py::arg("text"),
             "The octets of a textual convention's text.");
  module.def("read_value", &read_value, py::arg("type"), py::arg("text"),
             "One value read strictly from its text by SMI type name (\"Integer32\", "
             "\"IpAddress\", ...), as the Python object a decoded row holds.");
}

}  // namespace tev_python
