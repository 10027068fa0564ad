// CTevOidIndex: the sub-identifier index of a dotted object-identifier text.
// For each sub-identifier it holds where it starts in the text and its value,
// so that reading one is an array read and reading every one in order costs
// O(n) in all. Whether the index matches the text is the text store's one
// fact (oid/CTevOidStore.h); the index only holds entries and builds them.
// Every operation that allocates reports failure as false; nothing throws.
#ifndef TEVASNVALUE_SRC_OID_CTEVOIDINDEX_H
#define TEVASNVALUE_SRC_OID_CTEVOIDINDEX_H

#include <cstddef>
#include <cstdint>

#include "framework/CTevBlock.h"

class CTevOidIndex {
 public:
  // One entry: where a sub-identifier starts in the text and its value, or
  // kUnread when it must be read from the text (a component that is not plain
  // decimal digits within 32 bits, and 4294967295 itself).
  struct SubId {
    std::uint32_t start;
    std::uint32_t value;
  };
  static constexpr std::uint32_t kUnread = 0xFFFFFFFFU;

  /// Entries held.
  std::size_t size() const { return entries_.size(); }
  /// Entry `index`, which must be below size().
  const SubId& operator[](std::size_t index) const { return entries_[index]; }
  /// Whether the index has ever held storage (a value that gets read).
  bool has_storage() const { return entries_.capacity() != 0; }

  /// The value of entry `index` into `*value` when it is held (in range and
  /// not kUnread); false otherwise.
  bool find(unsigned long index, std::uint32_t* value) const {
    if (index < entries_.size()) {
      const std::uint32_t v = entries_[index].value;
      if (v != kUnread) {
        *value = v;
        return true;
      }
    }
    return false;
  }
  /// Writes the `n` values from position `first` as octets into `out` when the
  /// entries cover the run and every value is an octet (kUnread is above 255
  /// as well); false otherwise, with `out` partly written.
  bool read_octets(unsigned long first, unsigned long n, unsigned char* out) const {
    if (first > entries_.size() || n > entries_.size() - first) return false;
    const SubId* const entries = entries_.data() + first;
    for (unsigned long i = 0; i < n; ++i) {
      const std::uint32_t v = entries[i].value;
      if (v > 0xFF) return false;
      out[i] = static_cast<unsigned char>(v);
    }
    return true;
  }

  void clear() { entries_.clear(); }
  /// Appends the entry of a sub-identifier of `value` starting at `start`.
  bool append(std::size_t start, std::uint32_t value) {
    return entries_.push_back({static_cast<std::uint32_t>(start), value});
  }
  /// Appends the entries of the sub-identifiers of `text` (of `length`
  /// characters) from position `first`, the start of one, to the end.
  bool extend(const char* text, std::size_t length, std::size_t first);
  /// Keeps the first `n` entries.
  void truncate(std::size_t n) { entries_.set_size(n); }
  /// Removes the `n` entries from `index` on; those after them moved back by
  /// `cut` characters.
  void erase(std::size_t index, std::size_t n, std::size_t cut) {
    entries_.erase(index, n);
    SubId* const entries = entries_.data();
    for (std::size_t i = index; i < entries_.size(); ++i) {
      entries[i].start -= static_cast<std::uint32_t>(cut);
    }
  }
  /// Becomes a copy of `other`.
  bool assign(const CTevOidIndex& other) {
    return entries_.assign(other.entries_.data(), other.entries_.size());
  }
  /// Room for `n` entries.
  bool reserve(std::size_t n) { return entries_.reserve(n); }

 private:
  CTevBlock<SubId> entries_;
};

#endif  // TEVASNVALUE_SRC_OID_CTEVOIDINDEX_H
