// CTevIndexLayout: the parsed TYPE words of an index and the strict decoding
// and the encoding of index sub-identifiers by them.
#ifndef TEVASNTABLE_CTEVINDEXLAYOUT_H
#define TEVASNTABLE_CTEVINDEXLAYOUT_H

#include <cstdint>

#include "TevAsnTable.h"
#include "base/CTevTextBuilder.h"
#include "base/TevColdPath.h"
#include "table/TevLayoutWord.h"

class CTevIndexRow;

class CTevIndexLayout final : public ITevAsnIndexLayout {
 public:
  /// A layout from `text` (see tev_create_index_layout); null with the code.
  static CTevIndexLayout* create(const char* text, unsigned long flags, CTevAsnBuffer* reason,
                                 long* err);

  void release() override;
  unsigned long get_word_count() const override { return word_count_; }
  unsigned long get_value_count() const override { return value_count_; }
  long get_word(unsigned long index, TevIndexWord* out) const override;
  long word_to_text_into(CTevAsnBuffer* buffer, unsigned long index) const override;
  ITevAsnIndexRow* create_row(long* err) const override;
  long decode(const std::uint32_t* sub_ids, unsigned long count, ITevAsnIndexRow* row,
              CTevAsnBuffer* reason) const override;
  long decode_oid(const ITevAsnObjectID* oid, unsigned long start, ITevAsnIndexRow* row,
                  CTevAsnBuffer* reason) const override;
  long encode(ITevAsnValue* const* values, unsigned long count, ITevAsnObjectID* oid,
              CTevAsnBuffer* reason) const override;
  void query_class(unsigned long class_id, void** out) const override;

  const TevLayoutWord& word_at(unsigned long index) const { return words_[index]; }
  /// What row value `value` is.
  const TevValueSlot& value_slot(unsigned long value) const { return value_slots_[value]; }
  /// Appends "value N (WORD): " for word `index`.
  void append_value_name(CTevTextBuilder* out, unsigned long index) const;
  /// `row` when this layout made it (CTevIndexRow::from); else null.
  CTevIndexRow* own_row(ITevAsnIndexRow* row) const;
  /// Decodes into `row` (made by this layout), which keeps what its values
  /// are made from; the column is stored with the row.
  long decode_into(CTevIndexRow* row, const std::uint32_t* subs, unsigned long count,
                   std::uint32_t column, CTevAsnBuffer* reason) const;

 private:
  CTevIndexLayout() = default;
  ~CTevIndexLayout();
  long parse(const char* text, unsigned long flags, CTevAsnBuffer* reason);
  // Any layout, any input: decodes word by word, explaining a refusal.
  long decode_words(CTevIndexRow* row, const std::uint32_t* subs, unsigned long count,
                    std::uint32_t column, CTevAsnBuffer* reason) const;
  // Word `index` from `*pos` into `row`, moving `*pos` past it; a refusal
  // empties the row and is explained in `reason`.
  long decode_word(CTevIndexRow* row, unsigned long index, const std::uint32_t* subs,
                   unsigned long count, unsigned long* pos, CTevAsnBuffer* reason) const;
  // decode() for a row not of this copy's class: asked through query_class.
  TEV_COLD_PATH long decode_asking(const std::uint32_t* sub_ids, unsigned long count,
                                   ITevAsnIndexRow* row, CTevAsnBuffer* reason) const;
  // Out of line: the text it builds would otherwise weigh on every decode.
  static long refuse_leftover(CTevIndexRow* row, unsigned long left, CTevAsnBuffer* reason);

  char* text_ = nullptr;
  TevLayoutWord* words_ = nullptr;
  unsigned long word_count_ = 0;
  TevValueSlot* value_slots_ = nullptr;
  unsigned long value_count_ = 0;
  // A layout of fewer than 64 numbers and InetAddresses decodes in
  // decode_into's own loop by this plan: bit i set when word i is an
  // InetAddress, and a bit above the last word; 0 for other layouts.
  std::uint64_t quick_plan_ = 0;
  const void* row_vtable_ = nullptr;  // CTevIndexRow::vtable(), for own_row
};

#endif  // TEVASNTABLE_CTEVINDEXLAYOUT_H
