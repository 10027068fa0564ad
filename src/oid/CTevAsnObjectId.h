// CTevAsnObjectId: the OBJECT IDENTIFIER value. It holds its dotted decimal
// text ("1.3.6.1.2.1") and works on sub-identifiers by finding the separators
// in that text; the same text is the value's text form and its octets.
//
// Two caches speed up reading: the sub-identifier count and a CTevOidIndex
// holding, for each sub-identifier, where it starts and its value, so that
// get_at is an array read and reading every sub-identifier in order costs O(n)
// in all. Both are built lazily by const operations (`mutable`), so one object
// must not be used from two threads at once, not even for reading (the
// library's rule: one object, one thread at a time).
#ifndef TEVASNVALUE_SRC_OID_CTEVASNOBJECTID_H
#define TEVASNVALUE_SRC_OID_CTEVASNOBJECTID_H

#include <cstddef>
#include <cstdint>
#include <string>

#include "ITevAsnObjectID.h"
#include "framework/CTevAsnValueBase.h"
#include "framework/ITevOidOctets.h"
#include "oid/CTevOidIndex.h"

class CTevAsnObjectId final : public ITevAsnObjectID,
                              public CTevAsnValueBase,
                              public ITevOidOctets {
 public:
  CTevAsnObjectId() = default;
  CTevAsnObjectId(const CTevAsnObjectId&) = delete;
  CTevAsnObjectId& operator=(const CTevAsnObjectId&) = delete;
  ~CTevAsnObjectId() override = default;

  // ITevAsnValue
  long accept(ITevAsnValueVisitor* visitor) override;
  ITevAsnValue* clone(long* err) const override;
  long assign(const ITevAsnValue* src) override;
  void clear() override;
  NTevAsnValue::EAsnType get_type() const override;
  bool is_equal(const ITevAsnValue* other) const override;
  ITevAsnObjectID* query_object_id() override;
  void query_class(unsigned long class_id, void** out) const override;
  bool is_valid() const override;
  unsigned long get_ulong(long* err) const override;
  long to_text_into(CTevAsnBuffer* buffer) const override;
  const unsigned char* get_octets(unsigned long* length, long* err) const override;
  long set_ulong(unsigned long value) override;
  long set_text(const char* text) override;
  long set_octets(const unsigned char* data, unsigned long length) override;
  unsigned long get_count() const override;
  unsigned long get_oid_length(long implied) const override;
  unsigned long get_at(unsigned long index, long* err) const override;
  long append_to_oid(ITevAsnObjectID* oid, long implied) const override;
  long assign_to_oid(ITevAsnObjectID* oid, long implied) const override;
  long set_from_oid(const ITevAsnObjectID* oid, long implied, unsigned long length) override;

  // ITevAsnObjectID
  ITevAsnObjectID* clone_oid(long* err) const override;
  long compare_text(const char* text, long* err) const override;
  long compare(const ITevAsnObjectID* oid, long* err) const override;
  long remove_prefix_text(const char* prefix) override;
  long remove_prefix(const ITevAsnObjectID* prefix) override;
  long append_text(const char* text) override;
  long append_sub_id(unsigned long value) override;
  long append_oid(const ITevAsnObjectID* oid) override;
  long append_value_text(const char* text, NTevAsnValue::EAsnType type, long implied) override;
  long append_value(ITevAsnValue* value, long implied) override;
  ITevAsnObjectID* take_prefix(unsigned long n, long* err) override;
  long take_prefix_into(ITevAsnObjectID* oid, unsigned long n) override;
  unsigned long take_first(long* err) override;
  CTevAsnBuffer* take_prefix_text(unsigned long n, long* err) override;
  long take_prefix_text_into(CTevAsnBuffer* buffer, unsigned long n) override;
  ITevAsnValue* take_value(NTevAsnValue::EAsnType type, long* err, long implied,
                           unsigned long length) override;
  long take_value_into(ITevAsnValue* value, long implied, unsigned long length) override;
  long erase_sub_ids(unsigned long index, unsigned long n) override;
  ITevAsnValue* read_value(NTevAsnValue::EAsnType type, long* err, long implied) const override;
  long read_value_into(ITevAsnValue* value, long implied) const override;
  long assign_value(ITevAsnValue* value, long implied) override;

  /// The object behind `value` when it is one of ours (answers class id
  /// 0xF0000006); null for null or for a foreign implementation.
  static const CTevAsnObjectId* from(const ITevAsnValue* value);
  static CTevAsnObjectId* from(ITevAsnObjectID* oid) {
    return const_cast<CTevAsnObjectId*>(from(static_cast<const ITevAsnValue*>(oid)));
  }

  // ITevOidOctets
  long append_octets(bool has_prefix, unsigned long prefix, const unsigned char* octets,
                     std::size_t n) override;
  long read_octets(unsigned long first, unsigned long n, unsigned char* out,
                   unsigned long* done) const override;

 private:
  // Longest text held: the count of such a text plus one (a length prefix)
  // still fits 32 bits, and so does every buffer it is copied into.
  static constexpr std::size_t kMaxTextLength = 0xFFFFFFFDUL;

  bool is_self(const ITevAsnValue* value) const {
    return value == static_cast<const ITevAsnValue*>(this);
  }

  // Replaces the text with `length` characters at `data` (which may point into
  // the text); the count becomes unknown. -3 when memory runs out (unchanged).
  long replace_text(const char* data, std::size_t length);
  // Appends a separator (unless the text is empty) and `length` characters at
  // `data`, which must not point into the text. `sub_ids` is the number of
  // sub-identifiers added when known, else the count becomes unknown.
  // -3 when memory runs out (unchanged).
  long append_piece(const char* data, std::size_t length, bool count_known, std::size_t sub_ids);
  // Copies this object's text into `copy`: 0 or -3.
  long copy_into(CTevAsnObjectId* copy) const;

  // Where sub-identifier `index` (below the count) starts in the text: from
  // the index when known, else built first when `build_index` (reading), else
  // scanned (editing).
  std::size_t start_of(unsigned long index, bool build_index) const;
  // Builds the index when it is not known, and with it the count; false when
  // memory runs out (callers then scan the text instead).
  bool build_starts() const;
  // get_at for what the index cannot answer: the errors, a text not indexed
  // yet, and the components the index leaves unread.
  unsigned long get_at_from_text(unsigned long index, long* err) const;
  // read_octets for what the index cannot answer: one get_at per octet.
  long read_octets_slowly(unsigned long first, unsigned long n, unsigned char* out,
                          unsigned long* done) const;
  // Length of the first `n` sub-identifiers without a trailing separator.
  std::size_t prefix_length(unsigned long n) const;
  void forget_count() const {
    count_known_ = false;
    index_.forget();
  }

  std::string text_;
  // Sub-identifier count of text_, valid when count_known_.
  mutable std::size_t count_ = 0;
  mutable bool count_known_ = true;
  // The index of text_; when known, its size is count_. Forgotten whenever
  // the count is.
  mutable CTevOidIndex index_;
};

#endif  // TEVASNVALUE_SRC_OID_CTEVASNOBJECTID_H
