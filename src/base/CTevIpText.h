// IP addresses as text for both libraries. IPv4 in dotted decimal. IPv6
// written as RFC 5952 recommends (lower case, no leading zeros, the longest
// run of two or more zero groups, the first of equal runs, as "::", and an
// IPv4-mapped address ::ffff:0:0/96 in mixed notation "::ffff:192.0.2.1"),
// or in the eight groups the core's to_text fixes; read in any RFC 4291 text
// form (the last 32 bits may be dotted IPv4).
#ifndef TEVASNVALUE_SRC_BASE_CTEVIPTEXT_H
#define TEVASNVALUE_SRC_BASE_CTEVIPTEXT_H

#include <cstddef>

#include "base/CTevTextBuilder.h"

class CTevIpText final {
 public:
  enum class Form { kRfc5952, kEightGroups };

  /// Room write_ipv4 and write_ipv6 need (more than the text: digits are
  /// copied in fixed-size pieces).
  static constexpr std::size_t kIpv4Room = 16;
  static constexpr std::size_t kIpv6Room = 48;

  /// Writes the 4 octets at `address` as a.b.c.d at `out`; returns the end.
  static char* write_ipv4(char* out, const unsigned char* address);
  /// Writes the 16 octets at `address` in `form` at `out`; returns the end.
  static char* write_ipv6(char* out, const unsigned char* address, Form form);
  /// The same appended to `out`.
  static void append_ipv4(CTevTextBuilder* out, const unsigned char* address);
  static void append_ipv6(CTevTextBuilder* out, const unsigned char* address,
                          Form form = Form::kRfc5952);

  /// Reads `length` characters of IPv6 text into the 16 octets at `address`.
  /// True on success; otherwise false with the 1-based position of the fault
  /// in `*fault`.
  static bool read_ipv6(const char* text, unsigned long length, unsigned char* address,
                        unsigned long* fault);
};

#endif  // TEVASNVALUE_SRC_BASE_CTEVIPTEXT_H
