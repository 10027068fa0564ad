#include "CTevPyLayout.h"

#include <utility>
#include <vector>

#include "CTevPyOid.h"
#include "TevAsnValue.h"
#include "TevPyError.h"

namespace py = pybind11;
using namespace NTevAsnValue;

namespace tev_python {

CTevPyLayout::CTevPyLayout(const std::string& text) : text_(text) {
  long err = ASN_OK;
  CTevAsnBuffer reason;
  layout_ = tev_create_index_layout(text.c_str(), 0, &reason, &err);
  if (layout_ == nullptr) raise_error(err, reason);
  row_.reset(new CTevPyRow(layout_));
}

CTevPyLayout::~CTevPyLayout() {
  row_.reset();
  if (layout_ != nullptr) layout_->release();
}

py::tuple CTevPyLayout::decode(py::handle index) {
  SubIds sub_ids;
  CTevPyOid::read(index, &sub_ids);
  const long rc = layout_->decode(sub_ids.ids, sub_ids.count, row_->row(), &reason_);
  if (rc != ASN_OK) {
    CTevAsnBuffer reason;
    reason.assign(reason_.data(), reason_.length());
    reason_.assign(nullptr, 0);
    raise_error(rc, reason);
  }
  return row_->to_tuple();
}

py::list CTevPyLayout::decode_many(py::handle indexes) {
  py::list rows;
  for (py::handle index : indexes) rows.append(decode(index));
  return rows;
}

py::object CTevPyLayout::encode(py::handle values) const {
  return row_->encode_to_oid(
      values, [this](ITevAsnValue* const* list, unsigned long count, ITevAsnObjectID* oid,
                     CTevAsnBuffer* reason) { return layout_->encode(list, count, oid, reason); });
}

void CTevPyLayout::bind(py::module_& module) {
  py::class_<CTevPyLayout>(module, "Layout", R"doc(
How a table's index is written: the tool's TYPE words, such as "integer inetaddress",
"octets/implied" or "fixed:6". Decoding is strict: any refusal raises tevasn.Error.)doc")
      .def(py::init<const std::string&>(), py::arg("text"))
      .def("decode", &CTevPyLayout::decode, py::arg("index"),
           "The index values of `index` (an Oid, dotted text or a sequence of int) as a tuple.")
      .def("decode_many", &CTevPyLayout::decode_many, py::arg("indexes"),
           "decode of each index, as a list of tuples.")
      .def("encode", &CTevPyLayout::encode, py::arg("values"),
           "The index Oid of `values`, the inverse of decode.")
      .def_property_readonly("text", &CTevPyLayout::text)
      .def("__repr__",
           [](const CTevPyLayout& self) {
             return "tevasn.Layout(" + py::repr(py::str(self.text_)).cast<std::string>() + ")";
           })
      .def(py::pickle([](const CTevPyLayout& self) { return py::make_tuple(self.text_); },
                      [](const py::tuple& state) {
                        return std::unique_ptr<CTevPyLayout>(
                            new CTevPyLayout(state[0].cast<std::string>()));
                      }));
}

}  // namespace tev_python
