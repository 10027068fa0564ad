// CTevOidIndexCodec: how values travel through an instance index held by one
// of our object identifiers (RFC 2578 section 7.7): an object identifier
// value encoded into an index (a length prefix unless implied, then its
// sub-identifiers) and decoded out of one, and values of any type read or
// taken off the front of an index. Each value class encodes itself; these are
// the identifier's side of the exchange.
#ifndef TEVASNVALUE_SRC_OID_CTEVOIDINDEXCODEC_H
#define TEVASNVALUE_SRC_OID_CTEVOIDINDEXCODEC_H

#include "ITevAsnObjectID.h"

class CTevAsnObjectId;

class CTevOidIndexCodec {
 public:
  /// append_to_oid of `source` into `target` (another object): a failure
  /// takes the length prefix back, so the target stays as it was.
  static long encode(const CTevAsnObjectId& source, ITevAsnObjectID* target, long implied);
  /// set_from_oid of `target` from `source` (another object); the length
  /// counts the sub-identifiers of an implied identifier (0xFFFFFFFF: all).
  static long decode(CTevAsnObjectId* target, const ITevAsnObjectID* source, long implied,
                     unsigned long length);
  /// append_value_text: a value of `type` made from `text`, appended to `oid`.
  static long append_value_text(ITevAsnObjectID* oid, const char* text, NTevAsnValue::EAsnType type,
                                long implied);
  /// take_value and read_value: the same into a new value of `type`.
  static ITevAsnValue* take_value(ITevAsnObjectID* oid, NTevAsnValue::EAsnType type, long* err,
                                  long implied, unsigned long length);
  static ITevAsnValue* read_value(const ITevAsnObjectID* oid, NTevAsnValue::EAsnType type,
                                  long* err, long implied);
};

#endif  // TEVASNVALUE_SRC_OID_CTEVOIDINDEXCODEC_H
