// ITevAsnObjectID: the wider interface of object-identifier values.
//
// An object identifier is held as its dotted decimal text ("1.3.6.1.2.1"); the
// operations below compare, edit and split it, and drive the instance-index
// encoding of other values (RFC 2578 section 7.7) from this side.
// Sub-identifiers written by the library are unsigned 32-bit decimals; text
// from callers is stored verbatim and checked only by is_valid().
#ifndef TEVASNVALUE_ITEVASNOBJECTID_H
#define TEVASNVALUE_ITEVASNOBJECTID_H

#include "ITevAsnValue.h"

/// The wider interface of object-identifier values (see the top of this header).
class ITevAsnObjectID : public virtual ITevAsnValue {
 public:
  // The order of these 21 operations, after those of ITevAsnValue, is fixed.

  /// A copy owned by the caller; null with -3 when memory runs out.
  virtual ITevAsnObjectID* clone_oid(long* err) const = 0;
  /// Relation of this identifier to `text`: 0 equal, 1 this is a proper prefix
  /// of it, 2 it is a proper prefix of this, 3 this sorts first, 4 this sorts
  /// last (character order). Null text: -1 with -2.
  virtual long compare_text(const char* text, long* err) const = 0;
  /// compare_text with the other identifier's text; null: -1 with -2. For
  /// the numeric order of a walk (1.9 before 1.10) use tev_compare_walk_order
  /// of the companion library TevAsnTable (TevAsnTable.h).
  virtual long compare(const ITevAsnObjectID* oid, long* err) const = 0;
  /// Removes `prefix` from the front when this identifier equals it or lies
  /// below it; -2 otherwise or for null (nothing changes).
  virtual long remove_prefix_text(const char* prefix) = 0;
  /// remove_prefix_text with the other identifier's text.
  virtual long remove_prefix(const ITevAsnObjectID* prefix) = 0;
  /// Appends caller text verbatim after a separator (not checked; see
  /// is_valid); null or "" adds nothing.
  virtual long append_text(const char* text) = 0;
  /// Appends one sub-identifier; -2 above 0xFFFFFFFF.
  virtual long append_sub_id(unsigned long value) = 0;
  /// Appends the sub-identifiers of `oid` (which may be this identifier);
  /// -2 for null.
  virtual long append_oid(const ITevAsnObjectID* oid) = 0;
  /// Creates a temporary value of `type` from `text` and appends its index
  /// encoding; the codes of creation and set_text pass through.
  virtual long append_value_text(const char* text, NTevAsnValue::EAsnType type, long implied) = 0;
  /// Appends the index encoding of `value` (its append_to_oid); -2 for null.
  virtual long append_value(ITevAsnValue* value, long implied) = 0;
  /// Removes the first `n` sub-identifiers and returns them as a new identifier
  /// owned by the caller (n = 0: an empty one, nothing removed); null with -3
  /// when memory runs out.
  virtual ITevAsnObjectID* take_prefix(unsigned long n, long* err) = 0;
  /// As take_prefix, into `oid` (which must not be this identifier: -2).
  virtual long take_prefix_into(ITevAsnObjectID* oid, unsigned long n) = 0;
  /// Removes and returns the first sub-identifier; 0xFFFFFFFF with -8 when empty.
  virtual unsigned long take_first(long* err) = 0;
  /// As take_prefix, as dotted text in a new buffer owned by the caller.
  virtual CTevAsnBuffer* take_prefix_text(unsigned long n, long* err) = 0;
  /// As take_prefix_text, into the caller's `buffer`; -2 for null.
  virtual long take_prefix_text_into(CTevAsnBuffer* buffer, unsigned long n) = 0;
  /// Decodes a new value of `type` from the front (set_from_oid) and removes
  /// the sub-identifiers it used; the value is owned by the caller. Null with
  /// the code on failure, this identifier unchanged.
  virtual ITevAsnValue* take_value(NTevAsnValue::EAsnType type, long* err, long implied,
                                   unsigned long length) = 0;
  /// As take_value, into `value` (which must not be this identifier: -2).
  /// Only `implied` == 1 with a `length` other than 0xFFFFFFFF removes exactly
  /// `length` sub-identifiers; otherwise the value's get_oid_length.
  virtual long take_value_into(ITevAsnValue* value, long implied, unsigned long length) = 0;
  /// Removes `n` sub-identifiers from position `index` (0xFFFFFFFF: to the
  /// end); -2 when `index` is not below the count.
  virtual long erase_sub_ids(unsigned long index, unsigned long n) = 0;
  /// Decodes a new value of `type`, owned by the caller, from the front (all
  /// remaining sub-identifiers when implied); this identifier is unchanged.
  virtual ITevAsnValue* read_value(NTevAsnValue::EAsnType type, long* err, long implied) const = 0;
  /// As read_value, into `value`; -2 for null.
  virtual long read_value_into(ITevAsnValue* value, long implied) const = 0;
  /// Replaces this identifier with the index encoding of `value` (its
  /// assign_to_oid); -2 for null.
  virtual long assign_value(ITevAsnValue* value, long implied) = 0;

 protected:
  ~ITevAsnObjectID() = default;
};

#endif  // TEVASNVALUE_ITEVASNOBJECTID_H
