// CTevIndexRow: a decoded index. It keeps its own copy of the index's
// sub-identifiers and, per value, where the value lies in them; the core's
// value objects are made from that on first request and reused by later
// decodes, so that decoding and printing a row allocate nothing.
#ifndef TEVASNTABLE_CTEVINDEXROW_H
#define TEVASNTABLE_CTEVINDEXROW_H

#include <cstdint>

#include "TevAsnTable.h"
#include "table/CTevSubIdArray.h"
#include "table/CTevTextBuilder.h"

class CTevIndexLayout;

class CTevIndexRow final : public ITevAsnIndexRow {
 public:
  /// An empty row of `layout`; null with -3.
  static CTevIndexRow* create(const CTevIndexLayout* layout, long* err);

  void release() override;
  unsigned long get_count() const override { return count_; }
  ITevAsnValue* get_value(unsigned long index, long* err) override;
  unsigned long get_column() const override { return column_; }
  long value_text_into(unsigned long index, unsigned long flags,
                       CTevAsnBuffer* buffer) const override;
  long to_text_into(CTevAsnBuffer* buffer, unsigned long flags) const override;
  const char* text(unsigned long flags, unsigned long* length, long* err) const override;

  // Used by the layout while it decodes.
  const CTevIndexLayout* layout() const { return layout_; }
  /// Empties the row and takes a copy of the sub-identifiers; 0 or -3.
  long begin(const std::uint32_t* sub_ids, unsigned long count);
  const std::uint32_t* sub_ids() const { return sub_ids_.data(); }
  unsigned long sub_id_count() const { return sub_ids_.count(); }
  void set_slot(unsigned long value, std::uint32_t start, std::uint32_t count) {
    slots_[value] = {start, count};
  }
  /// Makes the decoded values visible.
  void finish(std::uint32_t column);
  /// Leaves the row empty (after a failed decode).
  void reset();

  /// Appends value `index`'s text (see value_text_into); 0 or the core's code.
  long append_value_text(CTevTextBuilder* out, unsigned long index, unsigned long flags) const;

 private:
  struct Slot {
    std::uint32_t start;  // first sub-identifier of the value's content
    std::uint32_t count;  // sub-identifiers of its content
  };

  explicit CTevIndexRow(const CTevIndexLayout* layout) : layout_(layout) {}
  ~CTevIndexRow();
  // Brings the cached value object of `index` up to date with the slot.
  long refresh_value(unsigned long index) const;
  long set_long_octets_of(ITevAsnValue* value, const std::uint32_t* subs,
                          std::uint32_t count) const;
  static long set_sub_ids_of(ITevAsnValue* value, const std::uint32_t* subs, std::uint32_t count);
  // Octets as text or hex pairs: `flags` (TEV_ROW_*_OCTETS) choose, else
  // text when every octet is printable ASCII.
  void append_octets(CTevTextBuilder* out, const Slot& slot, unsigned long flags) const;
  // Writes the row's text into scratch_.
  long build_text(unsigned long flags) const;

  const CTevIndexLayout* layout_;
  CTevSubIdArray sub_ids_;
  Slot* slots_ = nullptr;
  unsigned long count_ = 0;
  std::uint32_t column_ = 0;
  // A cache behind const operations (the text of address types comes from
  // the core's objects): one row is used by one thread at a time.
  mutable ITevAsnValue** values_ = nullptr;
  mutable std::uint32_t* fresh_ = nullptr;  // the decode a cached value belongs to
  std::uint32_t decodes_ = 1;               // decodes so far (0 marks a value never made)
  mutable CTevTextBuilder scratch_;         // to_text_into's line
  mutable CTevTextBuilder long_octets_;     // octets of a long value on their way to the core
};

#endif  // TEVASNTABLE_CTEVINDEXROW_H
