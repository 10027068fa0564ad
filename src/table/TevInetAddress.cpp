#include "table/TevInetAddress.h"

#include <algorithm>
#include <cstddef>
#include <cstring>

#include "TevAsnTable.h"
#include "base/CTevIpText.h"

using namespace NTevAsnValue;

namespace {

struct InetType {
  std::uint32_t number;
  const char* name;
  unsigned long length;  // octets of the address; dns: the most
  const char* length_words;
};

constexpr InetType kInetTypes[] = {
    {TEV_INET_UNKNOWN, "unknown", 0, "no octets"},
    {TEV_INET_IPV4, "ipv4", 4, "4 octets"},
    {TEV_INET_IPV6, "ipv6", 16, "16 octets"},
    {TEV_INET_IPV4Z, "ipv4z", 8, "8 octets (4 of address, 4 of zone index)"},
    {TEV_INET_IPV6Z, "ipv6z", 20, "20 octets (16 of address, 4 of zone index)"},
    {TEV_INET_DNS, "dns", tev_table::kInetMaxOctets, "1 to 255 octets"},
};

// The names and words here, the lengths in inet_length_agrees: both
// must know the same types with the same lengths.
constexpr bool types_agree() {
  // A loop, not std::all_of: that is constexpr only from C++20.
  bool agree = true;
  for (const InetType& type : kInetTypes) {
    agree = agree && tev_table::inet_length_agrees(type.number, type.length) &&
            !tev_table::inet_length_agrees(type.number, type.length + 1);
  }
  return agree;
}
static_assert(types_agree(), "kInetTypes and inet_length_agrees disagree");

const InetType* find_type(std::uint32_t number) {
  const InetType* end = kInetTypes + sizeof kInetTypes / sizeof kInetTypes[0];
  const InetType* found = std::find_if(
      kInetTypes, end, [number](const InetType& type) { return type.number == number; });
  return found == end ? nullptr : found;
}

std::uint32_t big_endian(const unsigned char* p) {
  return static_cast<std::uint32_t>(p[0]) << 24 | static_cast<std::uint32_t>(p[1]) << 16 |
         static_cast<std::uint32_t>(p[2]) << 8 | static_cast<std::uint32_t>(p[3]);
}

}  // namespace

bool tev_table::inet_type_known(std::uint32_t type) { return find_type(type) != nullptr; }

void tev_table::inet_append_mismatch(CTevTextBuilder* out, std::uint32_t type,
                                     unsigned long length) {
  const InetType* known = find_type(type);
  out->append_text("InetAddressType ");
  out->append_decimal(type);
  if (known != nullptr) {
    out->append_text(" (");
    out->append_text(known->name);
    out->append_char(')');
  }
  out->append_text(" with InetAddress length ");
  out->append_decimal(static_cast<std::uint32_t>(length));
  if (known == nullptr) {
    out->append_text(": not an address type (unknown 0, ipv4 1, ipv6 2, ipv4z 3, ipv6z 4, dns 16)");
  } else {
    out->append_text(": ");
    out->append_text(known->name);
    out->append_text(" takes ");
    out->append_text(known->length_words);
  }
}

void tev_table::inet_append_text(CTevTextBuilder* out, std::uint32_t type,
                                 const unsigned char* octets, unsigned long length,
                                 ETevOctetsAs dns_as) {
  switch (type) {
    case TEV_INET_IPV4:
      CTevIpText::append_ipv4(out, octets);
      break;
    case TEV_INET_IPV6:
      CTevIpText::append_ipv6(out, octets);
      break;
    case TEV_INET_IPV4Z:
      CTevIpText::append_ipv4(out, octets);
      out->append_char('%');
      out->append_decimal(big_endian(octets + 4));
      break;
    case TEV_INET_IPV6Z:
      CTevIpText::append_ipv6(out, octets);
      out->append_char('%');
      out->append_decimal(big_endian(octets + 16));
      break;
    case TEV_INET_DNS:
      out->append_octets(octets, length, dns_as);
      break;
    default:
      break;
  }
}

const char* tev_inet_address_type_name(ETevInetAddressType type) {
  const InetType* known = find_type(type);
  return known == nullptr ? nullptr : known->name;
}

long tev_format_inet_address(ETevInetAddressType type, const unsigned char* octets,
                             unsigned long length, ETevOctetsAs dns_as, CTevAsnBuffer* out) {
  if (out == nullptr || (octets == nullptr && length != 0) || dns_as > TEV_OCTETS_AUTO) {
    return ASN_E_INVALID_ARGUMENT;
  }
  if (!tev_table::inet_length_agrees(type, length)) return ASN_E_INET_ADDRESS;
  CTevTextBuilder text;
  tev_table::inet_append_text(&text, type, octets, length, dns_as);
  return text.store_into(out);
}
