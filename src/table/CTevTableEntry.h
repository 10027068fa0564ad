// CTevTableEntry: the instance identifiers below one table entry, split into
// column and index by the entry's layout, and built from them.
#ifndef TEVASNTABLE_CTEVTABLEENTRY_H
#define TEVASNTABLE_CTEVTABLEENTRY_H

#include "TevAsnTable.h"
#include "table/CTevSubIdArray.h"

class CTevIndexLayout;

class CTevTableEntry final : public ITevAsnTableEntry {
 public:
  /// See tev_create_table_entry.
  static CTevTableEntry* create(const char* entry, const char* layout, CTevAsnBuffer* reason,
                                long* err);

  void release() override;
  const ITevAsnIndexLayout* get_layout() const override;
  long split(const std::uint32_t* sub_ids, unsigned long count, unsigned long* column,
             ITevAsnIndexRow* row, CTevAsnBuffer* reason) const override;
  long split_oid(const ITevAsnObjectID* instance, unsigned long* column, ITevAsnIndexRow* row,
                 CTevAsnBuffer* reason) const override;
  long build(unsigned long column, ITevAsnValue* const* values, unsigned long count,
             ITevAsnObjectID* instance, CTevAsnBuffer* reason) const override;
  void query_class(unsigned long class_id, void** out) const override;

 private:
  CTevTableEntry() = default;
  ~CTevTableEntry();

  CTevIndexLayout* layout_ = nullptr;
  CTevSubIdArray entry_;
};

#endif  // TEVASNTABLE_CTEVTABLEENTRY_H
