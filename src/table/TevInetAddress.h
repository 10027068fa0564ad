// InetAddressType and InetAddress (RFC 4001): which lengths each type takes,
// and the text of an address of each type, both ways.
#ifndef TEVASNTABLE_TEVINETADDRESS_H
#define TEVASNTABLE_TEVINETADDRESS_H

#include <cstdint>

#include "TevAsnTable.h"
#include "table/CTevTextBuilder.h"

/// The most octets an InetAddress holds (a dns name).
constexpr unsigned long kTevInetMaxOctets = 255;

/// Whether `type` is an InetAddressType this library knows.
bool tev_inet_type_known(std::uint32_t type);
/// Whether an address of `length` octets agrees with a known `type`.
/// Inline: every decoded InetAddress index is checked by it.
constexpr bool tev_inet_length_agrees(std::uint32_t type, unsigned long length) {
  switch (type) {
    case TEV_INET_UNKNOWN:
      return length == 0;
    case TEV_INET_IPV4:
      return length == 4;
    case TEV_INET_IPV6:
      return length == 16;
    case TEV_INET_IPV4Z:
      return length == 8;
    case TEV_INET_IPV6Z:
      return length == 20;
    case TEV_INET_DNS:
      return length >= 1 && length <= kTevInetMaxOctets;
    default:
      return false;
  }
}
/// Appends why `type` and `length` do not go together, naming both.
void tev_inet_append_mismatch(CTevTextBuilder* out, std::uint32_t type, unsigned long length);
/// Appends the text of an address whose type and length agree.
void tev_inet_append_text(CTevTextBuilder* out, std::uint32_t type, const unsigned char* octets,
                          unsigned long length);

#endif  // TEVASNTABLE_TEVINETADDRESS_H
