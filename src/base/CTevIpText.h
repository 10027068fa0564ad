// IPv6 addresses as text: written as RFC 5952 recommends (lower case, no
// leading zeros, the longest run of two or more zero groups, the first of
// equal runs, as "::"), read in any RFC 4291 text form (the last 32 bits may
// be dotted IPv4, as in "::ffff:192.0.2.1").
#ifndef TEVASNVALUE_SRC_TABLE_CTEVIPV6TEXT_H
#define TEVASNVALUE_SRC_TABLE_CTEVIPV6TEXT_H

#include "base/CTevTextBuilder.h"

class CTevIpText final {
 public:
  /// Appends the text of the 16 octets at `address`.
  static void write(const unsigned char* address, CTevTextBuilder* out);
  /// Reads `length` characters into the 16 octets at `address`. True on
  /// success; otherwise false with the 1-based position of the fault in `*fault`.
  static bool read(const char* text, unsigned long length, unsigned char* address,
                   unsigned long* fault);
};

#endif  // TEVASNVALUE_SRC_TABLE_CTEVIPV6TEXT_H
