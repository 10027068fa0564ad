// An INTEGER DISPLAY-HINT (RFC 2579 section 3.1): 'd' with an optional
// implied decimal point ("d-2"), 'x', 'o' or 'b'.
#ifndef TEVASNVALUE_SRC_TABLE_CTEVINTEGERHINT_H
#define TEVASNVALUE_SRC_TABLE_CTEVINTEGERHINT_H

#include "CTevAsnBuffer.h"
#include "base/CTevTextBuilder.h"

class CTevIntegerHint final {
 public:
  /// Reads `hint` (zero-terminated). 0, or ASN_E_HINT with the position.
  long parse(const char* hint, CTevAsnBuffer* reason);
  /// Appends `value` as the hint shows it.
  void format(long long value, CTevTextBuilder* out) const;

  /// Implied decimals beyond the 19 digits of any 64-bit value only add zeros;
  /// the hint refuses more than this.
  static constexpr unsigned kMaxDecimals = 64;

 private:
  char format_ = 'd';
  unsigned decimals_ = 0;
};

#endif  // TEVASNVALUE_SRC_TABLE_CTEVINTEGERHINT_H
