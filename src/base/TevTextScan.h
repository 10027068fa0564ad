// Strict scanning of short texts shared by the companion's readers: decimal
// numbers, IPv4 addresses, hexadecimal digits (IPv6 is CTevIpText). Each reads the whole
// span it is given and answers false for anything else.
#ifndef TEVASNTABLE_TEVTEXTSCAN_H
#define TEVASNTABLE_TEVTEXTSCAN_H

#include <cstdint>

/// `length` bytes at `data`, not zero-terminated.
struct TevSpan {
  const char* data;
  unsigned long length;
};

/// 0..15 for a hexadecimal digit, -1 otherwise.
int tev_hex_value(char c);
/// The position of the first `c` at or after `from`; the length when none.
unsigned long tev_find_char(TevSpan text, char c, unsigned long from = 0);
/// Decimal digits only, 1 to `max_digits` of them, not above `max`.
bool tev_scan_decimal(TevSpan text, unsigned long max_digits, std::uint64_t max,
                      std::uint64_t* value);
/// a.b.c.d, each 0 to 255 in at most three digits, into four octets.
bool tev_scan_ipv4(TevSpan text, unsigned char* out);

#endif  // TEVASNTABLE_TEVTEXTSCAN_H
