// CTevPyOid: the value behind tevasn.Oid, an immutable sequence of
// sub-identifiers ordered as a walk orders them, and the reading of every
// index argument (Oid, dotted text or a sequence of int) into sub-identifiers.
#ifndef TEVASN_PYTHON_CTEVPYOID_H
#define TEVASN_PYTHON_CTEVPYOID_H

#include <pybind11/pybind11.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "TevAsnTypes.h"

namespace tev_python {

/// Sub-identifiers read from a Python argument, without an allocation.
struct SubIds {
  static constexpr unsigned long kCapacity = NTevAsnValue::ASN_MAX_SUB_IDS;
  std::uint32_t ids[kCapacity];
  unsigned long count = 0;
};

class CTevPyOid {
 public:
  CTevPyOid() = default;
  CTevPyOid(const std::uint32_t* ids, unsigned long count) : ids_(ids, ids + count) {}
  explicit CTevPyOid(std::vector<std::uint32_t>&& ids) : ids_(std::move(ids)) {}

  /// Reads an Oid, dotted text or an iterable of int; TypeError for other
  /// objects, tevasn.Error for text or numbers the library refuses.
  static void read(pybind11::handle object, SubIds* out);
  static CTevPyOid from_object(pybind11::handle object);

  const std::vector<std::uint32_t>& ids() const { return ids_; }
  std::string text() const;
  /// Walk order against `other`: the library's relation code (0 equal,
  /// 1 proper prefix of other, 2 other a proper prefix, 3 first, 4 last).
  long relation(const CTevPyOid& other) const;
  bool startswith(const CTevPyOid& prefix) const;
  std::size_t hash() const;

  /// Adds the class to the module.
  static void bind(pybind11::module_& module);

 private:
  std::vector<std::uint32_t> ids_;
};

}  // namespace tev_python

#endif  // TEVASN_PYTHON_CTEVPYOID_H
