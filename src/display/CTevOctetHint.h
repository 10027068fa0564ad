// An OCTET STRING DISPLAY-HINT (RFC 2579 section 3.1): octets shown by it in
// one pass over the hint, or the hint read once into its octet formats to
// read a text back to octets. The choices of this library are listed in
// TevAsnDisplay.h.
#ifndef TEVASNVALUE_SRC_DISPLAY_CTEVOCTETHINT_H
#define TEVASNVALUE_SRC_DISPLAY_CTEVOCTETHINT_H

#include "CTevAsnBuffer.h"
#include "base/CTevTextBuilder.h"

class CTevOctetHint final {
 public:
  /// Reads `hint` (zero-terminated). 0, or ASN_E_HINT with the position.
  long parse(const char* hint, CTevAsnBuffer* reason);

  /// Appends the display of `length` octets by `hint` to `out`, reading the
  /// hint as it goes. 0, or ASN_E_HINT for a malformed hint or a last
  /// octet format that takes no octets while octets remain.
  static long format(const char* hint, const unsigned char* octets, unsigned long length,
                     CTevTextBuilder* out, CTevAsnBuffer* reason);

  /// Appends the octets `text` shows to `out`. 0, ASN_E_HINT_ONE_WAY,
  /// ASN_E_HINT or ASN_E_HINT_TEXT with the position.
  long read(const char* text, unsigned long length, CTevTextBuilder* out,
            CTevAsnBuffer* reason) const;

  /// More octet formats than any DISPLAY-HINT clause can hold (255 characters).
  static constexpr unsigned kMaxParts = 128;

 private:
  struct Part {
    unsigned long octets;  // octet length
    unsigned position;     // 1-based position of the octet format in the hint
    char format;           // d x o a t
    char separator;        // 0 for none
    char terminator;       // 0 for none
    bool repeat;
  };

  enum class Fault {
    kNone,
    kNoDigits,
    kLongOctetLength,
    kWideNumber,
    kNoFormat,
    kUnknownFormat,
    kLoneTerminator
  };
  /// Reads the octet format at `*at` and moves `*at` past it; on a fault
  /// `*at` points at the character at fault.
  static Fault read_part(const char* hint, const char** at, Part* part);
  /// The reason for a fault of read_part; returns ASN_E_HINT.
  static long hint_fault(Fault fault, const char* hint, const char* at, const Part& part,
                         CTevAsnBuffer* reason);
  long one_way_check(CTevAsnBuffer* reason) const;
  static long read_number(const Part& part, const char* text, unsigned long length,
                          unsigned long* at, CTevTextBuilder* out, CTevAsnBuffer* reason);
  // An 'a' or 't' value, escapes read back (base/TevEscape.h).
  static long read_text(const Part& part, const char* text, unsigned long length, unsigned long* at,
                        CTevTextBuilder* out, CTevAsnBuffer* reason);

  Part parts_[kMaxParts]{};
  unsigned count_ = 0;
};

#endif  // TEVASNVALUE_SRC_DISPLAY_CTEVOCTETHINT_H
