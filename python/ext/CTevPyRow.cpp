#include "CTevPyRow.h"

#include <string>
#include <utility>

#include "CTevPyOid.h"
#include "TevAsnValue.h"
#include "TevPyError.h"
#include "TevPyValue.h"

namespace py = pybind11;
using namespace NTevAsnValue;

namespace tev_python {

namespace {

std::string type_name_of(py::handle object) { return Py_TYPE(object.ptr())->tp_name; }

// The octets of a bytes-like object, or null when it is not one.
bool octets_of(py::handle object, std::string* octets) {
  if (PyBytes_Check(object.ptr()) || PyByteArray_Check(object.ptr()) ||
      PyMemoryView_Check(object.ptr())) {
    *octets = py::bytes(py::reinterpret_borrow<py::object>(object)).cast<std::string>();
    return true;
  }
  return false;
}

TevAsnValuePtr read_text(EAsnType type, const std::string& text) {
  CTevAsnBuffer reason;
  long err = ASN_OK;
  TevAsnValuePtr value(
      tev_read_value(text.data(), static_cast<unsigned long>(text.size()), type, &reason, &err));
  if (value == nullptr) raise_error(err, reason);
  return value;
}

TevAsnValuePtr from_octets(EAsnType type, const std::string& octets) {
  long err = ASN_OK;
  TevAsnValuePtr value(tev_create_asn_value(type, &err));
  if (value == nullptr) raise_error(err, CTevAsnBuffer());
  const long rc = value->set_octets(reinterpret_cast<const unsigned char*>(octets.data()),
                                    static_cast<unsigned long>(octets.size()));
  if (rc != ASN_OK) raise_error(rc, CTevAsnBuffer());
  return value;
}

}  // namespace

CTevPyRow::CTevPyRow(const ITevAsnIndexLayout* layout) : layout_(layout) {
  long err = ASN_OK;
  row_ = layout_->create_row(&err);
  if (row_ == nullptr) raise_error(err, CTevAsnBuffer());
  for (unsigned long i = 0; i < layout_->get_word_count(); ++i) {
    TevIndexWord word{};
    layout_->get_word(i, &word);
    slots_.push_back({word.kind, static_cast<EAsnType>(word.type), false});
    if (word.kind == TEV_INDEX_INET_ADDRESS) {
      slots_.push_back({word.kind, ASN_OCTET_STRING, true});
    }
  }
  classes_ = AddressClasses::import();
}

CTevPyRow::~CTevPyRow() {
  if (row_ != nullptr) row_->release();
}

py::tuple CTevPyRow::to_tuple() const {
  const unsigned long count = row_->get_count();
  py::tuple tuple(count);
  long inet_type = 0;
  for (unsigned long i = 0; i < count; ++i) {
    PyTuple_SET_ITEM(tuple.ptr(), static_cast<Py_ssize_t>(i),
                     value_object(i, &inet_type).release().ptr());
  }
  untrack(tuple.ptr());
  return tuple;
}

py::object CTevPyRow::value_object(unsigned long index, long* inet_type) const {
  long err = ASN_OK;
  ITevAsnValue* value = row_->get_value(index, &err);
  if (value == nullptr) raise_error(err, CTevAsnBuffer());
  const Slot& slot = slots_[index];
  if (slot.inet_address) return address_object(*inet_type, value);
  if (slot.kind == TEV_INDEX_INET_ADDRESS) *inet_type = value->get_long(&err);
  return tev_python::value_object(value, classes_);
}

py::object CTevPyRow::address_object(long inet_type, ITevAsnValue* value) const {
  long err = ASN_OK;
  unsigned long length = 0;
  const unsigned char* octets = value->get_octets(&length, &err);
  switch (inet_type) {
    case TEV_INET_UNKNOWN:
      return py::none();
    case TEV_INET_IPV4:
      return classes_.ipv4_of(big_endian32(octets));
    case TEV_INET_IPV6:
      return classes_.ipv6_of(octets);
    default:
      break;
  }
  // Zoned addresses and names in the library's own words.
  CTevAsnBuffer text;
  const long rc = tev_format_inet_address(static_cast<ETevInetAddressType>(inet_type), octets,
                                          length, TEV_OCTETS_TEXT, &text);
  if (rc != ASN_OK) raise_error(rc, CTevAsnBuffer());
  py::object words = steal(PyUnicode_DecodeUTF8(text.data() == nullptr ? "" : text.data(),
                                                Py_ssize_t(text.length()), "surrogateescape"));
  return inet_type == TEV_INET_IPV6Z ? classes_.ipv6_of(words) : words;
}

std::vector<TevAsnValuePtr> CTevPyRow::from_python(py::handle values) const {
  if (PyUnicode_Check(values.ptr()) || PyBytes_Check(values.ptr()) ||
      !PySequence_Check(values.ptr())) {
    throw py::type_error("expected a sequence of index values, not " + type_name_of(values));
  }
  const py::sequence sequence = py::reinterpret_borrow<py::sequence>(values);
  if (sequence.size() != slots_.size()) {
    raise_error(ASN_E_INVALID_ARGUMENT, "the layout takes " + std::to_string(slots_.size()) +
                                            " values, not " + std::to_string(sequence.size()));
  }
  std::vector<TevAsnValuePtr> out;
  long inet_type = 0;
  for (std::size_t i = 0; i < slots_.size(); ++i) {
    const Slot& slot = slots_[i];
    py::object item = sequence[i];
    if (slot.kind == TEV_INDEX_INET_ADDRESS && !slot.inet_address) {
      if (!PyLong_Check(item.ptr())) {
        throw py::type_error("value " + std::to_string(i + 1) +
                             ": an InetAddressType must be an int, not " + type_name_of(item));
      }
      inet_type = item.cast<long>();
    }
    out.push_back(value_from(slot, item, inet_type));
  }
  return out;
}

TevAsnValuePtr CTevPyRow::value_from(const Slot& slot, py::handle object, long inet_type) const {
  std::string octets;
  if (slot.inet_address) {
    if (object.is_none()) return from_octets(ASN_OCTET_STRING, "");
    if (octets_of(object, &octets)) return from_octets(ASN_OCTET_STRING, octets);
    if (!PyUnicode_Check(object.ptr()) && !py::isinstance(object, classes_.ipv4) &&
        !py::isinstance(object, classes_.ipv6)) {
      throw py::type_error("an InetAddress must be an ipaddress object, str, bytes or None, not " +
                           type_name_of(object));
    }
    // Read as the given type's text, so that a mismatch is the library's to refuse.
    const char* name = tev_inet_address_type_name(static_cast<ETevInetAddressType>(inet_type));
    std::string text = py::str(object).cast<std::string>();
    if (name != nullptr) text = std::string(name) + ":" + text;
    CTevAsnBuffer address;
    CTevAsnBuffer reason;
    ETevInetAddressType type = TEV_INET_UNKNOWN;
    const long rc = tev_parse_inet_address(text.data(), static_cast<unsigned long>(text.size()),
                                           &type, &address, &reason);
    check(rc, reason);
    return from_octets(
        ASN_OCTET_STRING,
        std::string(address.data() == nullptr ? "" : address.data(), address.length()));
  }
  switch (slot.kind) {
    case TEV_INDEX_INTEGER:
    case TEV_INDEX_COUNTER:
    case TEV_INDEX_GAUGE:
    case TEV_INDEX_TIME_TICKS:
    case TEV_INDEX_COUNTER_64:
    case TEV_INDEX_INET_ADDRESS:
      if (!PyLong_Check(object.ptr()) || PyBool_Check(object.ptr())) {
        throw py::type_error("expected an int, not " + type_name_of(object));
      }
      return read_text(slot.type, py::str(object).cast<std::string>());
    case TEV_INDEX_IP_ADDRESS:
    case TEV_INDEX_IPV6:
    case TEV_INDEX_IPX:
      if (octets_of(object, &octets)) return from_octets(slot.type, octets);
      if (PyUnicode_Check(object.ptr()) ||
          py::isinstance(object, slot.kind == TEV_INDEX_IPV6 ? classes_.ipv6 : classes_.ipv4)) {
        return read_text(slot.type, py::str(object).cast<std::string>());
      }
      throw py::type_error("expected an address object, str or bytes, not " + type_name_of(object));
    case TEV_INDEX_IP_PORT:
      if (PyUnicode_Check(object.ptr())) {
        return read_text(slot.type, object.cast<std::string>());
      }
      if (PyTuple_Check(object.ptr()) && PyTuple_GET_SIZE(object.ptr()) == 2) {
        const py::tuple pair = py::reinterpret_borrow<py::tuple>(object);
        if (!PyLong_Check(pair[1].ptr())) {
          throw py::type_error("a port must be an int, not " + type_name_of(pair[1]));
        }
        return read_text(slot.type, py::str(pair[0]).cast<std::string>() + "/" +
                                        py::str(pair[1]).cast<std::string>());
      }
      throw py::type_error("expected (IPv4Address, port) or \"a.b.c.d/port\", not " +
                           type_name_of(object));
    case TEV_INDEX_OID: {
      SubIds sub_ids;
      CTevPyOid::read(object, &sub_ids);
      long err = ASN_OK;
      ITevAsnObjectID* oid = tev_create_asn_object_id(&err);
      if (oid == nullptr) raise_error(err == ASN_OK ? ASN_E_OUT_OF_MEMORY : err, CTevAsnBuffer());
      TevAsnValuePtr value(oid);
      for (unsigned long i = 0; i < sub_ids.count; ++i) {
        const long rc = oid->append_sub_id(sub_ids.ids[i]);
        if (rc != ASN_OK) raise_error(rc, CTevAsnBuffer());
      }
      return value;
    }
    default:
      if (octets_of(object, &octets)) return from_octets(slot.type, octets);
      throw py::type_error("expected bytes, not " + type_name_of(object));
  }
}

py::object CTevPyRow::encode_to_oid(py::handle values, const Encode& encode) const {
  std::vector<TevAsnValuePtr> owned = from_python(values);
  std::vector<ITevAsnValue*> list;
  for (const TevAsnValuePtr& value : owned) list.push_back(value.get());
  long err = ASN_OK;
  TevAsnObjectIdPtr oid(tev_create_asn_object_id(&err));
  if (oid == nullptr) raise_error(err, CTevAsnBuffer());
  CTevAsnBuffer reason;
  check(encode(list.data(), static_cast<unsigned long>(list.size()), oid.get(), &reason), reason);
  std::vector<std::uint32_t> ids(oid->get_count());
  for (std::size_t i = 0; i < ids.size(); ++i) {
    ids[i] = static_cast<std::uint32_t>(oid->get_at(static_cast<unsigned long>(i), &err));
  }
  return py::cast(CTevPyOid(std::move(ids)));
}

}  // namespace tev_python
