// CTevOidStore: the text store of an object identifier. It owns the dotted
// decimal text ("1.3.6.1.2.1"), zero-terminated, and its sub-identifier index
// (oid/CTevOidIndex.h), and keeps the two consistent in one place: every edit
// of the text goes through here and either updates the index or marks it as
// not matching. That mark is the one cached fact; the sub-identifier count is
// the size of a matching index.
//
// The index is built lazily by const operations (`mutable`), so one object
// must not be used from two threads at once, not even for reading (the
// library's rule: one object, one thread at a time). The index is only a
// speed-up: when memory for it runs out, the text is read instead.
//
// Text and index live in the library's own realloc blocks (framework/
// CTevBlock.h); an edit that cannot get memory returns -3 and leaves the text
// as it was. Erasing from the front, as decoding an index does, moves where
// the text begins in its block instead of moving the text; the space before
// it is taken back when the block would have to grow.
#ifndef TEVASNVALUE_SRC_OID_CTEVOIDSTORE_H
#define TEVASNVALUE_SRC_OID_CTEVOIDSTORE_H

#include <cstddef>
#include <cstdint>

#include "base/CTevBlock.h"
#include "framework/TevAsnConstants.h"
#include "oid/CTevOidIndex.h"

class CTevOidStore {
 public:
  CTevOidStore() = default;
  CTevOidStore(const CTevOidStore&) = delete;
  CTevOidStore& operator=(const CTevOidStore&) = delete;

  /// The text, zero-terminated; valid until the text next changes.
  const char* data() const { return head_; }
  std::size_t length() const { return length_; }
  bool empty() const { return length_ == 0; }

  /// Sub-identifier count: 0 for the empty text, else the dots plus one.
  std::size_t count() const {
    if (indexed_ || build_index()) return index_.size();
    return count_by_scan();
  }
  /// get_at of the identifier: the value of sub-identifier `index`, or
  /// 0xFFFFFFFF with -6 (empty), -7 (out of range) or -401 (beyond 32 bits).
  unsigned long get_at(unsigned long index, long* err) const {
    // The common case, an array read: an index that does not match the text
    // is kept empty, so it knows no values.
    if (index < index_.known()) {
      if (err != nullptr) *err = NTevAsnValue::ASN_OK;
      return index_[index].value;
    }
    return get_at_from_text(index, err);
  }
  /// The index as a view for reading values in place (sub_id_view of
  /// framework/ITevOidOctets.h); built first, null when memory for it runs out.
  const TevSubIdView* sub_id_view() const {
    return indexed_ ? &index_.view() : sub_id_view_slowly();
  }
  /// sub_id_view when the index is built already, else null.
  const TevSubIdView* built_sub_id_view() const { return indexed_ ? &index_.view() : nullptr; }
  /// read_octets of framework/ITevOidOctets.h.
  long read_octets(unsigned long first, unsigned long n, unsigned char* out,
                   unsigned long* done) const {
    if (indexed_ && index_.read_octets(first, n, out)) {
      *done = n;
      return NTevAsnValue::ASN_OK;
    }
    return read_octets_from_text(first, n, out, done);
  }
  /// Length of the first `n` sub-identifiers without a trailing separator.
  std::size_t prefix_length(unsigned long n) const;
  /// Whether `p` points into this store's text or at its terminator.
  bool holds(const char* p) const;

  /// Replaces the text with `length` characters at `text` (which may point
  /// into this text): 0, or -3 (unchanged).
  long assign_text(const char* text, std::size_t length);
  /// Becomes a copy of `other`, its index included when it has one: 0, or -3
  /// (unchanged). Indexes `other` first when this store is a working copy
  /// that gets read (it has had an index), so the source keeps its index.
  long assign(const CTevOidStore& other);
  /// The empty text; the blocks are kept.
  void clear();
  /// Appends a separator (unless the text is empty) and `value` in decimal:
  /// 0, -2 (beyond 32 bits) or -3 (unchanged).
  long append_sub_id(unsigned long value);
  /// Appends a separator (unless the text is empty) and `length` characters
  /// at `text`, which must not point into this text: 0, or -3 (unchanged).
  long append_piece(const char* text, std::size_t length);
  /// append_octets of framework/ITevOidOctets.h.
  long append_octets(bool has_prefix, unsigned long prefix, const unsigned char* octets,
                     std::size_t n);
  // append_octets of a long run or a prefix beyond 32 bits: one by one.
  TEV_COLD_PATH long append_octets_one_by_one(bool has_prefix, unsigned long prefix,
                                              const unsigned char* octets, std::size_t n);
  /// Removes the `n` sub-identifiers from `index` on (index below the count,
  /// n at least 1, a run past the end stops there) with one separator.
  void erase(std::size_t index, std::size_t n) {
    // Inline, the common case of decoding an index: from the front of an
    // indexed text, some of it kept. The text then begins later in its block.
    if (index == 0 && indexed_ && n < index_.size()) {
      const std::size_t next = index_[n].start - begin_;
      begin_ += next;
      head_ += next;
      length_ -= static_cast<std::uint32_t>(next);
      index_.drop_front(n);
      if (length_ == 0) clear();  // the rest was one empty component ("2." less its first)
      return;
    }
    erase_slowly(index, n);
  }

 private:
  // Longest text held: the count of such a text plus one (a length prefix)
  // still fits 32 bits, and so does every buffer it is copied into.
  static constexpr std::size_t kMaxTextLength = 0xFFFFFFFDUL;

  // Builds the index when it does not match the text; false when memory runs
  // out (callers then read the text).
  bool build_index() const;
  // sub_id_view when the index must be built first.
  TEV_COLD_PATH const TevSubIdView* sub_id_view_slowly() const;
  std::size_t count_by_scan() const;
  // Where sub-identifier `index` (below the count) starts in the text.
  std::size_t start_of(std::size_t index) const {
    if (index == 0) return 0;
    if (indexed_) return index_[index].start - begin_;
    return start_by_scan(index);
  }
  void erase_slowly(std::size_t index, std::size_t n);
  // start_of without a matching index: built first, else scanned.
  std::size_t start_by_scan(std::size_t index) const;
  unsigned long get_at_from_text(unsigned long index, long* err) const;
  long read_octets_from_text(unsigned long first, unsigned long n, unsigned char* out,
                             unsigned long* done) const;

  // The index stops matching the text; emptied, it knows no values.
  void forget_index() const {
    indexed_ = false;
    index_.clear();
  }
  // The text becomes `length` characters long (within the block), terminated.
  void set_length(std::size_t length) {
    text_.set_size(begin_ + length);
    text_[begin_ + length] = '\0';
    head_ = text_.data() + begin_;
    length_ = static_cast<std::uint32_t>(length);
  }
  // Room for `added` more characters and the terminator, the text moved to
  // the block's start first when the block would grow: where they go, or null
  // when memory runs out (unchanged).
  char* room_for(std::size_t added) {
    // Inline for the common case, room in the block.
    if (added <= kMaxTextLength - length_ && begin_ + length_ + added < text_.capacity()) {
      return text_.data() + begin_ + length_;
    }
    return grow_for(added);
  }
  TEV_COLD_PATH char* grow_for(std::size_t added);
  // Appended text from block position `first` on extends a matching index.
  void extend_index(std::size_t first) {
    if (indexed_) extend_index_slowly(first);
  }
  TEV_COLD_PATH void extend_index_slowly(std::size_t first);

  CTevBlock<char> text_;
  // Where the text begins in the block: past what was erased from the front.
  std::size_t begin_ = 0;
  // The text and its length, kept beside the block (set_length) so that
  // reading them is one load each. The length fits 32 bits (kMaxTextLength).
  const char* head_ = "";
  std::uint32_t length_ = 0;
  // Whether index_ matches the text; the empty text has a matching, empty
  // index. An index that does not match is kept empty (forget_index).
  mutable bool indexed_ = true;
  mutable CTevOidIndex index_;
};

#endif  // TEVASNVALUE_SRC_OID_CTEVOIDSTORE_H
