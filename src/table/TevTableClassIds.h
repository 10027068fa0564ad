// Class ids the companion's objects answer through query_class.
//
// A row, layout or entry handed to the library may be any implementation of
// its interface: one of ours, or the caller's own. Only a call through the
// interface is defined for every implementation, so the library asks the
// object (query_class, as the core asks its values) before it reads any of
// its own members, and refuses with -2 when the answer is null. A registry of
// made objects would be shared mutable state behind const, thread-safe
// operations.
//
// For rows the layout first compares tables of virtual functions, as the
// core's identifier does: a row whose first word is that of this copy's rows
// (CTevIndexRow::by_table; the class is final) is taken without a call, and
// every other object is asked, ours from another copy included. It pays:
// with query_class alone, callgrind counts 15 instructions more per
// decode/integer_inetaddress (334.6 -> 349.6).
#ifndef TEVASNTABLE_TEVTABLECLASSIDS_H
#define TEVASNTABLE_TEVTABLECLASSIDS_H

namespace tev_table {

constexpr unsigned long kClassIdIndexRow = 0xF100FF01UL;     // CTevIndexRow
constexpr unsigned long kClassIdIndexLayout = 0xF100FF02UL;  // CTevIndexLayout
constexpr unsigned long kClassIdTableEntry = 0xF100FF03UL;   // CTevTableEntry

/// Writes `self` through `out` when `class_id` is `own_id`, else null.
inline void answer_class(unsigned long class_id, unsigned long own_id, const void* self,
                         void** out) {
  if (out != nullptr) *out = class_id == own_id ? const_cast<void*>(self) : nullptr;
}

/// The object behind `object` as T when it answers `class_id`; null for null
/// and for every other implementation.
template <class T, class I>
T* own_object(const I* object, unsigned long class_id) {
  if (object == nullptr) return nullptr;
  void* out = nullptr;
  object->query_class(class_id, &out);
  return static_cast<T*>(out);
}

}  // namespace tev_table

#endif  // TEVASNTABLE_TEVTABLECLASSIDS_H
