// CTevAsnObjectId: the OBJECT IDENTIFIER value. It holds its dotted decimal
// text ("1.3.6.1.2.1") in a text store (oid/CTevOidStore.h) that also keeps
// the sub-identifier index; the same text is the value's text form and its
// octets. This class is the value interface and the editing of identifiers;
// how values travel through an instance index is oid/CTevOidIndexCodec.h.
//
// Reading builds the index lazily, so one object must not be used from two
// threads at once, not even for reading (the library's rule: one object, one
// thread at a time).
#ifndef TEVASNVALUE_SRC_OID_CTEVASNOBJECTID_H
#define TEVASNVALUE_SRC_OID_CTEVASNOBJECTID_H

#include <cstddef>
#include <cstdint>

#include "ITevAsnObjectID.h"
#include "base/TevColdPath.h"
#include "base/TevVtable.h"
#include "framework/CTevAsnValueBase.h"
#include "framework/ITevOidOctets.h"
#include "oid/CTevOidStore.h"

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
  // Inline: decoding an index calls it on this class directly.
  long erase_sub_ids(unsigned long index, unsigned long n) override {
    if (store_.empty() || index >= store_.count()) return NTevAsnValue::ASN_E_INVALID_ARGUMENT;
    if (n != 0) store_.erase(index, n);
    return NTevAsnValue::ASN_OK;
  }
  ITevAsnValue* read_value(NTevAsnValue::EAsnType type, long* err, long implied) const override;
  long read_value_into(ITevAsnValue* value, long implied) const override;
  long assign_value(ITevAsnValue* value, long implied) override;

  /// The object behind `value` when it is one of ours (answers class id
  /// 0xF0000006); null for null or for a foreign implementation.
  static const CTevAsnObjectId* from(const ITevAsnValue* value);
  static CTevAsnObjectId* from(ITevAsnObjectID* oid) {
    return const_cast<CTevAsnObjectId*>(from(static_cast<const ITevAsnValue*>(oid)));
  }
  /// from() for the operations that take another identifier, without the
  /// class-id call in the common case: an object that shares this one's table
  /// of virtual functions is of this (final) class, so it is cast directly;
  /// any other object, ours from another copy of the code included, is asked.
  /// It pays: with query_class alone, callgrind counts 25 instructions more
  /// per compare (compare/last 61.5 -> 86.5) and 15 more per encode
  /// (encode/integer 154.4 -> 169.4), up to 34 per decode/instance_pair.
  const CTevAsnObjectId* peer(const ITevAsnObjectID* oid) const {
    if (oid != nullptr && tev_base::vtable_of(oid) ==
                              tev_base::vtable_of(static_cast<const ITevAsnObjectID*>(this))) {
      return static_cast<const CTevAsnObjectId*>(oid);
    }
    return oid == nullptr ? nullptr : from(static_cast<const ITevAsnValue*>(oid));
  }
  const CTevAsnObjectId* peer(const ITevAsnValue* value) const {
    const auto* self = static_cast<const ITevAsnValue*>(this);
    if (value != nullptr && tev_base::vtable_of(value) == tev_base::vtable_of(self)) {
      // The same class, so the value part lies as far into that object as
      // ours does into this one.
      const auto offset = reinterpret_cast<const char*>(self) - reinterpret_cast<const char*>(this);
      return reinterpret_cast<const CTevAsnObjectId*>(reinterpret_cast<const char*>(value) -
                                                      offset);
    }
    return from(value);
  }

  // ITevOidOctets
  long append_octets(bool has_prefix, unsigned long prefix, const unsigned char* octets,
                     std::size_t n) override;
  long read_octets(unsigned long first, unsigned long n, unsigned char* out,
                   unsigned long* done) const override;
  const TevSubIdView* build_sub_id_view() const override { return store_.sub_id_view(); }

 private:
  // compare() for null or an object of another class or copy of this code.
  TEV_COLD_PATH long compare_foreign(const ITevAsnObjectID* oid, long* err) const;
  bool is_self(const ITevAsnValue* value) const {
    return value == static_cast<const ITevAsnValue*>(this);
  }
  // Runs `op` on a copy of this object: for an operation whose source and
  // target are both this object, so that it reads the source as it was before
  // the call. op's result, or -3 when the copy cannot be made.
  template <class Op>
  long on_copy(Op op) const {
    CTevAsnObjectId copy;
    const long code = copy.store_.assign(store_);
    return code != NTevAsnValue::ASN_OK ? code : op(copy);
  }

  CTevOidStore store_;
};

#endif  // TEVASNVALUE_SRC_OID_CTEVASNOBJECTID_H
