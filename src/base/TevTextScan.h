// Strict scanning of short texts shared by the companion's readers: decimal
// fields and IPv4 addresses (IPv6 is CTevIpText). Each reads the whole span
// it is given and answers false for anything else.
#ifndef TEVASNVALUE_SRC_BASE_TEVTEXTSCAN_H
#define TEVASNVALUE_SRC_BASE_TEVTEXTSCAN_H

#include <cstdint>

/// `length` bytes at `data`, not zero-terminated.
struct TevSpan {
  const char* data;
  unsigned long length;
};

namespace tev_base {

/// The position of the first `c` at or after `from`; the length when none.
unsigned long find_char(TevSpan text, char c, unsigned long from = 0);
/// Decimal digits only, 1 to `max_digits` of them, not above `max`.
bool scan_decimal_field(TevSpan text, unsigned long max_digits, std::uint64_t max,
                        std::uint64_t* value);
/// a.b.c.d, each 0 to 255 in at most three digits, into four octets.
bool scan_ipv4(TevSpan text, unsigned char* out);

}  // namespace tev_base

#endif  // TEVASNVALUE_SRC_BASE_TEVTEXTSCAN_H
