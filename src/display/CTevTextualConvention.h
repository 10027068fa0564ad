// The textual conventions shown without a MIB: each with its DISPLAY-HINT
// (or the IPv6 text of RFC 5952) and the octet counts it allows.
#ifndef TEVASNVALUE_SRC_TABLE_CTEVTEXTUALCONVENTION_H
#define TEVASNVALUE_SRC_TABLE_CTEVTEXTUALCONVENTION_H

#include "CTevAsnBuffer.h"
#include "base/CTevTextBuilder.h"

class CTevTextualConvention final {
 public:
  enum class Kind { kHint, kDateAndTime, kIpv6, kIpv6Zone };

  /// The convention of that name (ASCII case ignored); null when there is none.
  static const CTevTextualConvention* find(const char* name);

  /// 0, or ASN_E_TC_LENGTH with the rule when `length` octets break it.
  long check_length(unsigned long length, CTevAsnBuffer* reason) const;
  /// Appends the display of the octets, whose length must be allowed.
  long format(const unsigned char* octets, unsigned long length, CTevTextBuilder* out,
              CTevAsnBuffer* reason) const;
  /// Appends the octets `text` shows (the length rule not yet checked).
  long read(const char* text, unsigned long length, CTevTextBuilder* out,
            CTevAsnBuffer* reason) const;

  const char* name;
  const char* hint;  ///< the DISPLAY-HINT, for Kind::kHint
  Kind kind;
  unsigned long min_octets;
  unsigned long max_octets;
  unsigned long other_octets;  ///< a second allowed count outside min..max, else 0
};

#endif  // TEVASNVALUE_SRC_TABLE_CTEVTEXTUALCONVENTION_H
