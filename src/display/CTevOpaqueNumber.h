// Numbers wrapped in an Opaque value: the octets 0x9f, the kind (0x76
// Counter64, 0x78 Float, 0x79 Double, 0x7a Integer64, 0x7b Unsigned64), the
// length of the number, then the number (BER integer or IEEE 754, big-endian).
#ifndef TEVASNVALUE_SRC_TABLE_CTEVOPAQUENUMBER_H
#define TEVASNVALUE_SRC_TABLE_CTEVOPAQUENUMBER_H

#include "TevAsnDisplay.h"
#include "base/CTevTextBuilder.h"

class CTevOpaqueNumber final {
 public:
  /// 0, or ASN_E_NOT_WRAPPED saying what is wrong.
  static long unwrap(const unsigned char* octets, unsigned long length, TevOpaqueNumber* out,
                     CTevAsnBuffer* reason);
  /// Appends the octets; false for an unknown kind.
  static bool wrap(const TevOpaqueNumber& number, CTevTextBuilder* out);
  /// Appends "float 0.15", "counter64 7" and the like.
  static void format(const TevOpaqueNumber& number, CTevTextBuilder* out);
};

#endif  // TEVASNVALUE_SRC_TABLE_CTEVOPAQUENUMBER_H
