// CTevOidIndex: the sub-identifier index of a dotted object-identifier text.
// For each sub-identifier it holds where it starts in the text and its value,
// so that reading one is an array read and reading every one in order costs
// O(n) in all. Starts are positions in the text store's block, which may
// begin after the block's first character (oid/CTevOidStore.h erases from the
// front by moving where the text begins); entries erased from the front are
// skipped the same way. Whether the index matches the text is the store's one
// fact; the index only holds entries and builds them. It also knows how many
// leading entries hold their values, so that reading one of them is one
// comparison and one load.
// Every operation that allocates reports failure as false; nothing throws.
#ifndef TEVASNVALUE_SRC_OID_CTEVOIDINDEX_H
#define TEVASNVALUE_SRC_OID_CTEVOIDINDEX_H

#include <cstddef>
#include <cstdint>

#include "base/CTevBlock.h"
#include "base/TevSubIds.h"
#include "framework/TevSubId.h"

class CTevOidIndex {
 public:
  // One entry: where a sub-identifier starts in the text and its value, or
  // kUnread when it must be read from the text (a component that is not plain
  // decimal digits within 32 bits, and 4294967295 itself).
  using SubId = TevSubId;
  static constexpr std::uint32_t kUnread = 0xFFFFFFFFU;

  /// Entries held.
  std::size_t size() const { return view_.size; }
  /// Entry `index`, which must be below size().
  const SubId& operator[](std::size_t index) const { return view_.live[index]; }
  /// Leading entries that hold their values (none is kUnread).
  std::size_t known() const { return view_.known; }
  /// The live entries, their number and how many lead with known values.
  const TevSubIdView& view() const { return view_; }
  /// Whether the index has ever held storage (a value that gets read).
  bool has_storage() const { return entries_.capacity() != 0; }

  /// Writes the `n` values from position `first` as octets into `out` when the
  /// entries cover the run and every value is an octet (kUnread is above 255
  /// as well); false otherwise, with `out` partly written.
  bool read_octets(unsigned long first, unsigned long n, unsigned char* out) const {
    if (first > view_.size || n > view_.size - first) return false;
    return tev_base::narrow_octets(view_.live + first, n, out,
                                   [](const SubId& entry) { return entry.value; });
  }

  void clear() {
    entries_.clear();
    view_ = {entries_.data(), 0, 0};
  }
  /// Appends the entry of a sub-identifier of `value` starting at `start`.
  bool append(std::size_t start, std::uint32_t value) {
    const std::size_t at = entries_.size();
    if (at == entries_.capacity()) return append_growing(start, value);
    entries_.data()[at] = {static_cast<std::uint32_t>(start), value};
    entries_.set_size(at + 1);
    counted(value);
    return true;
  }
  /// Appends the entries of the sub-identifiers of the block `text` (of
  /// `length` characters) from position `first`, the start of one, to the end.
  bool extend(const char* text, std::size_t length, std::size_t first);
  /// Keeps the first `n` entries.
  void truncate(std::size_t n) {
    entries_.set_size(live_offset() + n);
    view_.size = n;
    if (view_.known > n) view_.known = n;
  }
  /// Skips the first `n` entries (their text was erased from the front).
  void drop_front(std::size_t n) {
    view_.live += n;
    view_.size -= n;
    if (view_.known >= n) {
      view_.known -= n;
    } else {
      find_unread(0);
    }
  }
  /// Removes the `n` entries from `index` on; those after them moved back by
  /// `cut` characters.
  void erase(std::size_t index, std::size_t n, std::size_t cut) {
    const std::size_t first = live_offset();
    const bool all_known = view_.known == view_.size;
    entries_.erase(first + index, n);
    view_.size -= n;
    shift(first + index, cut);
    if (all_known) {
      view_.known = view_.size;
    } else if (view_.known >= index + n) {
      view_.known -= n;
    } else if (view_.known >= index) {
      find_unread(index);
    }
  }
  /// The text moved `by` characters towards the block's start, to position 0:
  /// the entries move to the front of theirs as well.
  void rebase(std::size_t by) {
    entries_.erase(0, live_offset());
    view_.live = entries_.data();
    shift(0, by);
  }
  /// Becomes a copy of `other`, whose text began `offset` characters into its
  /// block and begins at 0 in this one.
  bool assign(const CTevOidIndex& other, std::size_t offset) {
    const TevSubIdView from = other.view_;
    if (!entries_.assign(from.live, from.size)) {
      clear();
      return false;
    }
    // The same entries: as many lead with known values.
    view_ = {entries_.data(), from.size, from.known};
    if (offset != 0) shift(0, offset);
    return true;
  }
  /// Room for `n` entries.
  bool reserve(std::size_t n) {
    const std::size_t first = live_offset();
    if (!entries_.reserve(n)) return false;
    view_.live = entries_.data() + first;
    return true;
  }

 private:
  // Entries before the live ones belong to text erased from the front.
  std::size_t live_offset() const { return static_cast<std::size_t>(view_.live - entries_.data()); }

  // append() when the block is full: the live entries move with it.
  TEV_COLD_PATH bool append_growing(std::size_t start, std::uint32_t value) {
    const std::size_t first = live_offset();
    if (!entries_.push_back({static_cast<std::uint32_t>(start), value})) return false;
    view_.live = entries_.data() + first;
    counted(value);
    return true;
  }
  // One entry of `value` appended to the live ones.
  void counted(std::uint32_t value) {
    if (view_.known == view_.size && value != kUnread) ++view_.known;
    ++view_.size;
  }

  // Entries from block position `from` on start `by` characters earlier.
  void shift(std::size_t from, std::size_t by) {
    SubId* const entries = entries_.data();
    for (std::size_t i = from; i < entries_.size(); ++i) {
      entries[i].start -= static_cast<std::uint32_t>(by);
    }
  }

  // The known values lead up to the first kUnread entry from live entry
  // `from` on (or all of them).
  TEV_COLD_PATH void find_unread(std::size_t from) {
    std::size_t i = from;
    while (i < view_.size && view_.live[i].value != kUnread) ++i;
    view_.known = i;
  }

  CTevBlock<SubId> entries_;
  // The live entries, their number and how many lead with known values, so
  // that a read is one comparison and one load. Where the live entries begin
  // in the block and where the first unread one is are both read off it.
  TevSubIdView view_{nullptr, 0, 0};
};

#endif  // TEVASNVALUE_SRC_OID_CTEVOIDINDEX_H
