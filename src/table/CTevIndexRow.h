// CTevIndexRow: a decoded index. It keeps, per value, what the core's value
// is made from: the number itself, the octets (narrowed while they were
// checked, each at the position of its sub-identifier, so that no running
// offset is kept) or, for identifiers, a copy of the sub-identifiers. The core's
// value objects are made from that on first request and reused by later
// decodes, so that decoding and printing a row allocate nothing.
#ifndef TEVASNTABLE_CTEVINDEXROW_H
#define TEVASNTABLE_CTEVINDEXROW_H

#include <cstdint>

#include "TevAsnTable.h"
#include "base/CTevBlock.h"
#include "base/CTevTextBuilder.h"
#include "base/TevColdPath.h"
#include "base/TevVtable.h"
#include "table/CTevSubIdArray.h"
#include "table/TevLayoutWord.h"

class CTevIndexRow final : public ITevAsnIndexRow {
 public:
  /// An empty row of `layout`, whose `words` and `value_count` value
  /// `slots` outlive it; null with -3.
  static CTevIndexRow* create(const ITevAsnIndexLayout* layout, const TevLayoutWord* words,
                              const TevValueSlot* slots, unsigned long value_count, long* err);

  void release() override;
  unsigned long get_count() const override { return count_; }
  ITevAsnValue* get_value(unsigned long index, long* err) override;
  unsigned long get_column() const override { return column_; }
  long value_to_text_into(CTevAsnBuffer* buffer, unsigned long index,
                          ETevOctetsAs as) const override;
  long to_text_into(CTevAsnBuffer* buffer, ETevOctetsAs as) const override;
  const char* get_text(ETevOctetsAs as, unsigned long* length, long* err) const override;
  void query_class(unsigned long class_id, void** out) const override;

  /// The row behind `row` when it is one of ours; null for null and for a
  /// caller's own implementation.
  TEV_COLD_PATH static CTevIndexRow* from(ITevAsnIndexRow* row);
  /// `row` when it has `table`, the table of virtual functions of this
  /// copy's rows (vtable()): the class is final, so such a row is one. Null
  /// for every other object, ours from another copy of the code included,
  /// which from() then asks. No call.
  static CTevIndexRow* by_table(ITevAsnIndexRow* row, const void* table) {
    return row != nullptr && tev_base::vtable_of(row) == table ? static_cast<CTevIndexRow*>(row)
                                                               : nullptr;
  }
  /// The table of virtual functions this copy's rows share.
  static const void* vtable();

  // Used by the layout while it decodes.
  const ITevAsnIndexLayout* layout() const { return layout_; }
  /// Empties the row with room for the octets of `count` sub-identifiers;
  /// 0 or -3.
  long begin(unsigned long count) {
    reset();
    sub_ids_.clear();
    return count <= octets_.capacity() ? NTevAsnValue::ASN_OK : grow_octets(count);
  }
  // One value. By its form (TevValueSlot): the number itself (count 1), or
  // where its octets or sub-identifiers start and how many there are. Then,
  // beside it so that get_value reads one place: the core's object made
  // from it on first request, the decode it was last set from (0: none) and
  // the form get_value sets in line (kNone until the object exists, and for
  // the forms refresh_value sets).
  struct Slot {
    std::uint32_t at;
    std::uint32_t count;
    ITevAsnValue* value;
    std::uint32_t decode;
    ETevValueForm quick;
    void hold(std::uint32_t first, std::uint32_t n) {
      at = first;
      count = n;
    }
  };
  /// Whether the octets of `count` sub-identifiers fit without growing; then
  /// a decode of only numbers and octets may fill slots() and octets()
  /// directly (no begin) and finish.
  bool has_octet_room(unsigned long count) const { return count <= octets_.capacity(); }
  Slot* slots() { return slots_; }
  unsigned char* octets() { return octets_.data(); }
  void set_number(unsigned long value, std::uint32_t number) { slots_[value].hold(number, 1); }
  /// Value `value` is the `count` octets written to octets() from `first`.
  void take_octets(unsigned long value, std::uint32_t first, std::uint32_t count) {
    slots_[value].hold(first, count);
  }
  /// Value `value` is an identifier of these sub-identifiers; 0 or -3.
  long set_sub_ids(unsigned long value, const std::uint32_t* subs, std::uint32_t count) {
    slots_[value].hold(static_cast<std::uint32_t>(sub_ids_.count()), count);
    return sub_ids_.append(subs, count);
  }
  /// Makes the decoded values visible; 0.
  long finish(std::uint32_t column) {
    count_ = value_count_;
    column_ = column;
    // A new decode makes every value stale at once; at the (distant) wrap of
    // the counter the marks are cleared so that none matches by accident.
    // cppcheck-suppress knownConditionTrueFalse ; true after 2^32 decodes
    if (++decodes_ == 0) return clear_fresh_marks();
    return NTevAsnValue::ASN_OK;
  }
  /// Leaves the row empty (after a failed decode).
  void reset() {
    count_ = 0;
    column_ = 0;
  }

  /// Appends value `index`'s text (see value_to_text_into); 0 or the core's code.
  long append_value_text(CTevTextBuilder* out, unsigned long index, ETevOctetsAs as) const;

 private:
  CTevIndexRow(const ITevAsnIndexLayout* layout, const TevLayoutWord* words,
               const TevValueSlot* kinds, unsigned long value_count)
      : layout_(layout), words_(words), value_count_(value_count), kinds_(kinds) {}
  ~CTevIndexRow();
  long grow_octets(unsigned long total);
  long clear_fresh_marks();  // 0
  // Brings the cached value object of `index` up to date with the slot.
  long refresh_value(unsigned long index) const;
  static long set_sub_ids_of(ITevAsnValue* value, const std::uint32_t* subs, std::uint32_t count);
  // Writes the row's text into scratch_.
  long build_text(ETevOctetsAs as) const;

  const ITevAsnIndexLayout* layout_;
  const TevLayoutWord* words_;  // the layout's
  unsigned long value_count_;
  const TevValueSlot* kinds_;        // the layout's, one per value
  CTevSubIdArray sub_ids_;           // identifier values only
  CTevBlock<unsigned char> octets_;  // by sub-identifier position; only its block is used
  // The value objects are a cache behind const operations (the text of
  // address types comes from the core's objects): one row is used by one
  // thread at a time.
  mutable Slot* slots_ = nullptr;
  unsigned long count_ = 0;
  std::uint32_t column_ = 0;
  std::uint32_t decodes_ = 1;        // decodes so far, from 1
  mutable CTevTextBuilder scratch_;  // to_text_into's line
};

#endif  // TEVASNTABLE_CTEVINDEXROW_H
