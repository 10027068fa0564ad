// InetAddressType and InetAddress (RFC 4001): which lengths each type takes,
// and the text of an address of each type, both ways.
#ifndef TEVASNTABLE_TEVINETADDRESS_H
#define TEVASNTABLE_TEVINETADDRESS_H

#include <cstdint>

#include "TevAsnTable.h"
#include "base/CTevTextBuilder.h"

namespace tev_table {

/// The most octets an InetAddress holds (a dns name).
constexpr unsigned long kInetMaxOctets = 255;

/// Whether `type` is an InetAddressType this library knows.
bool inet_type_known(std::uint32_t type);
/// The fewest and the most octets of an address by type number, up to dns;
/// numbers that are no type have none (1 to 0).
inline constexpr std::uint8_t kInetLeast[TEV_INET_DNS + 1] = {0, 4, 16, 8, 20, 1, 1, 1, 1,
                                                              1, 1, 1,  1, 1,  1, 1, 1};
inline constexpr std::uint8_t kInetMost[TEV_INET_DNS + 1] = {0, 4, 16, 8, 20, 0, 0, 0,  0,
                                                             0, 0, 0,  0, 0,  0, 0, 255};
/// Whether an address of `length` octets agrees with a known `type`.
/// Inline: every decoded InetAddress index is checked by it.
constexpr bool inet_length_agrees(std::uint32_t type, unsigned long length) {
  return type <= TEV_INET_DNS && length >= kInetLeast[type] && length <= kInetMost[type];
}

/// Appends why `type` and `length` do not go together, naming both.
void inet_append_mismatch(CTevTextBuilder* out, std::uint32_t type, unsigned long length);
/// Appends the text of an address whose type and length agree; a dns name
/// as `dns_as` says.
void inet_append_text(CTevTextBuilder* out, std::uint32_t type, const unsigned char* octets,
                      unsigned long length, ETevOctetsAs dns_as);

}  // namespace tev_table

#endif  // TEVASNTABLE_TEVINETADDRESS_H
