// CTevPyRow: one reusable row of a layout and the conversions between its
// values and Python objects (int, bytes, ipaddress objects, Oid, str, None).
#ifndef TEVASN_PYTHON_CTEVPYROW_H
#define TEVASN_PYTHON_CTEVPYROW_H

#include <pybind11/pybind11.h>

#include <cstdint>
#include <functional>
#include <vector>

#include "TevAsnTable.h"
#include "TevAsnValuePtr.h"
#include "TevPyValue.h"

namespace tev_python {

class CTevPyRow {
 public:
  /// A row of `layout` (borrowed: it must outlive this row).
  explicit CTevPyRow(const ITevAsnIndexLayout* layout);
  ~CTevPyRow();
  CTevPyRow(const CTevPyRow&) = delete;
  CTevPyRow& operator=(const CTevPyRow&) = delete;

  ITevAsnIndexRow* row() const { return row_; }
  /// The values of the last successful decode as a tuple.
  pybind11::tuple to_tuple() const;
  /// Library values for the layout's encode, read from a sequence of Python
  /// objects (one per value of a row); TypeError or tevasn.Error when one
  /// does not fit its word.
  std::vector<TevAsnValuePtr> from_python(pybind11::handle values) const;
  /// The signature of a layout's encode and an entry's build (column bound).
  using Encode = std::function<long(ITevAsnValue* const* values, unsigned long count,
                                    ITevAsnObjectID* oid, CTevAsnBuffer* reason)>;
  /// The Python `values` (as from_python reads them) encoded by `encode` into a
  /// new identifier, returned as an Oid; a refusal raises tevasn.Error.
  pybind11::object encode_to_oid(pybind11::handle values, const Encode& encode) const;

 private:
  // What each value of a row holds: the TYPE word's kind and library type;
  // the second value of an inetaddress word has the kind of the address.
  struct Slot {
    std::uint32_t kind;
    NTevAsnValue::EAsnType type;
    bool inet_address;
  };

  pybind11::object value_object(unsigned long index, long* inet_type) const;
  pybind11::object address_object(long inet_type, ITevAsnValue* value) const;
  TevAsnValuePtr value_from(const Slot& slot, pybind11::handle object, long inet_type) const;

  const ITevAsnIndexLayout* layout_;
  ITevAsnIndexRow* row_ = nullptr;
  std::vector<Slot> slots_;
  AddressClasses classes_;
};

}  // namespace tev_python

#endif  // TEVASN_PYTHON_CTEVPYROW_H
