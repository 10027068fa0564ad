// CTevOidIndex: the sub-identifier index of a dotted object-identifier text.
// For each sub-identifier it holds where it starts in the text and its value,
// so that reading one is an array read and reading every one in order costs
// O(n) in all. The text itself belongs to the caller, which hands it in to
// build or extend the index and tells the index what it changed.
//
// The index is either known (its size is then the sub-identifier count of the
// text) or not. It is only a speed-up: whenever memory runs out it becomes
// unknown, and the caller reads the text instead. Nothing here throws.
#ifndef TEVASNVALUE_SRC_OID_CTEVOIDINDEX_H
#define TEVASNVALUE_SRC_OID_CTEVOIDINDEX_H

#include <cstddef>
#include <cstdint>
#include <new>
#include <string>
#include <vector>

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

  /// Whether the index matches the text; an empty text has a known, empty index.
  bool known() const { return known_; }
  /// Entries held; the sub-identifier count of the text when known.
  std::size_t size() const { return entries_.size(); }
  /// Entry `index`, which must be below size() of a known index.
  const SubId& operator[](std::size_t index) const { return entries_[index]; }
  /// Whether the index has ever held storage (a value that gets read).
  bool has_storage() const { return entries_.capacity() != 0; }

  /// The value of sub-identifier `index` into `*value` when the index holds it
  /// (known, in range and not kUnread); false otherwise.
  bool find(unsigned long index, std::uint32_t* value) const {
    if (known_ && index < entries_.size()) {
      const std::uint32_t v = entries_[index].value;
      if (v != kUnread) {
        *value = v;
        return true;
      }
    }
    return false;
  }
  /// Writes the `n` values from position `first` as octets into `out` when the
  /// index covers the run and every value is an octet (kUnread is above 255 as
  /// well); false otherwise, with `out` partly written.
  bool read_octets(unsigned long first, unsigned long n, unsigned char* out) const {
    if (known_ && first <= entries_.size() && n <= entries_.size() - first) {
      const SubId* const entries = entries_.data() + first;
      unsigned long i = 0;
      for (; i < n; ++i) {
        const std::uint32_t v = entries[i].value;
        if (v > 0xFF) break;
        out[i] = static_cast<unsigned char>(v);
      }
      if (i == n) return true;
    }
    return false;
  }

  /// The text changed in a way the index does not follow.
  void forget() { known_ = false; }
  /// The text became empty: a known, empty index (the storage is kept).
  void reset() {
    entries_.clear();
    known_ = true;
  }
  /// A sub-identifier of `value` (32 bits) was appended, starting at `start`.
  void append(std::size_t start, unsigned long value) {
    if (!known_) return;
    try {
      entries_.push_back({static_cast<std::uint32_t>(start), static_cast<std::uint32_t>(value)});
    } catch (const std::bad_alloc&) {
      known_ = false;
    }
  }
  /// Sub-identifiers were appended to `text`, the first of them starting at
  /// `first`.
  void extend(const std::string& text, std::size_t first) {
    if (known_ && !index_from(text, first)) known_ = false;
  }
  /// The sub-identifiers from `index` on were removed (with the separator
  /// before them); the starts of those kept are unchanged.
  void truncate(std::size_t index) {
    if (known_) entries_.resize(index);
  }
  /// The `n` sub-identifiers from `index` on were removed, with `cut`
  /// characters in all; those after them moved back by `cut`.
  void erase(std::size_t index, std::size_t n, std::size_t cut);
  /// Builds the index of `text` unless known;
  /// `count` (0 when unknown) is the number of sub-identifiers to reserve
  /// room for. False when memory runs out (the index then stays unknown).
  bool build(const std::string& text, std::size_t count);
  /// Takes the state of `other`, which indexes the same text; unknown when
  /// memory runs out.
  void copy_from(const CTevOidIndex& other);

 private:
  // Adds the entries of the sub-identifiers from text position `first` (the
  // start of one) to the end; false when memory runs out.
  bool index_from(const std::string& text, std::size_t first);

  std::vector<SubId> entries_;
  bool known_ = true;
};

// Inline: both sit on paths that copy and shorten identifiers all the time.
inline void CTevOidIndex::erase(std::size_t index, std::size_t n, std::size_t cut) {
  if (!known_) return;
  entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(index),
                 entries_.begin() + static_cast<std::ptrdiff_t>(index + n));
  for (auto it = entries_.begin() + static_cast<std::ptrdiff_t>(index); it != entries_.end();
       ++it) {
    it->start -= static_cast<std::uint32_t>(cut);
  }
}

inline void CTevOidIndex::copy_from(const CTevOidIndex& other) {
  known_ = false;
  if (!other.known_) return;
  try {
    entries_ = other.entries_;
    known_ = true;
  } catch (const std::bad_alloc&) {
    known_ = false;
  }
}

#endif  // TEVASNVALUE_SRC_OID_CTEVOIDINDEX_H
