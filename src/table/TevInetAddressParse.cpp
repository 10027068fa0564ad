// Reading InetAddress text: "TYPE:ADDRESS", or a bare IPv4 or IPv6 address
// (either with "%ZONE") whose form says the type.
#include <cstddef>
#include <cstring>

#include "TevAsnTable.h"
#include "base/CTevIpText.h"
#include "base/TevEscape.h"
#include "base/TevTextScan.h"
#include "table/TevInetAddress.h"

using namespace NTevAsnValue;

namespace {

using Span = TevSpan;

long refuse(Span text, const char* what, CTevAsnBuffer* reason) {
  return CTevTextBuilder::refuse_as_not(ASN_E_ADDRESS_TEXT, text.data, text.length, what, reason);
}

}  // namespace

long tev_parse_inet_address(const char* text, unsigned long length, ETevInetAddressType* type,
                            CTevAsnBuffer* octets, CTevAsnBuffer* reason) {
  if ((text == nullptr && length != 0) || type == nullptr || octets == nullptr) {
    return ASN_E_INVALID_ARGUMENT;
  }
  Span rest{text, length};
  bool named = false;
  ETevInetAddressType number = TEV_INET_UNKNOWN;
  // "TYPE:" names the type; otherwise the address's form says it.
  static const ETevInetAddressType kTypes[] = {TEV_INET_UNKNOWN, TEV_INET_IPV4,  TEV_INET_IPV6,
                                               TEV_INET_IPV4Z,   TEV_INET_IPV6Z, TEV_INET_DNS};
  for (ETevInetAddressType candidate : kTypes) {
    const char* name = tev_inet_address_type_name(candidate);
    const unsigned long n = std::strlen(name);
    if (length > n && std::memcmp(text, name, n) == 0 && text[n] == ':') {
      number = candidate;
      named = true;
      rest = {text + n + 1, length - n - 1};
      break;
    }
  }
  const unsigned long percent = tev_base::find_char(rest, '%');
  if (!named) {
    const bool zoned = percent != rest.length;
    if (tev_base::find_char(rest, ':') != rest.length) {
      number = zoned ? TEV_INET_IPV6Z : TEV_INET_IPV6;
    } else if (tev_base::find_char(rest, '.') != rest.length) {
      number = zoned ? TEV_INET_IPV4Z : TEV_INET_IPV4;
    } else {
      return refuse(rest,
                    "an IPv4 or IPv6 address; name the type as in dns:NAME or unknown:", reason);
    }
  }
  unsigned char bytes[tev_table::kInetMaxOctets];
  unsigned long count = 0;
  const Span address{rest.data, percent};
  const Span zone{rest.data + percent + (percent < rest.length ? 1 : 0),
                  rest.length - percent - (percent < rest.length ? 1 : 0)};
  const bool zoned_type = number == TEV_INET_IPV4Z || number == TEV_INET_IPV6Z;
  switch (number) {
    case TEV_INET_UNKNOWN:
      if (rest.length != 0) return refuse(rest, "empty, as an unknown address is", reason);
      break;
    case TEV_INET_IPV4:
    case TEV_INET_IPV4Z:
      if (!tev_base::scan_ipv4(address, bytes))
        return refuse(address, "an IPv4 address (a.b.c.d)", reason);
      count = 4;
      break;
    case TEV_INET_IPV6:
    case TEV_INET_IPV6Z: {
      unsigned long fault = 0;
      if (!CTevIpText::read_ipv6(address.data, address.length, bytes, &fault)) {
        return refuse(address, "an IPv6 address (eight groups, or shortened with ::)", reason);
      }
      count = 16;
      break;
    }
    default: {  // dns, its escapes read back as the writer writes them
      unsigned long at = 0;
      while (at < rest.length && count < tev_table::kInetMaxOctets) {
        at = tev_base::read_escaped(rest.data, rest.length, at, &bytes[count++]);
      }
      if (count == 0 || at < rest.length) {
        return refuse(rest, "a dns name of 1 to 255 characters", reason);
      }
      break;
    }
  }
  if (number != TEV_INET_DNS && number != TEV_INET_UNKNOWN) {
    if (zoned_type) {
      std::uint64_t index = 0;
      if (!tev_base::scan_decimal_field(zone, 10, 0xFFFFFFFFU, &index)) {
        return refuse(rest, "a zoned address (ADDRESS%ZONE, the zone 0 to 4294967295)", reason);
      }
      bytes[count++] = static_cast<unsigned char>(index >> 24);
      bytes[count++] = static_cast<unsigned char>(index >> 16 & 0xFF);
      bytes[count++] = static_cast<unsigned char>(index >> 8 & 0xFF);
      bytes[count++] = static_cast<unsigned char>(index & 0xFF);
    } else if (percent != rest.length) {
      return refuse(rest, "an address without zone (a zone index needs ipv4z: or ipv6z:)", reason);
    }
  }
  const long rc = octets->assign(bytes, count);
  if (rc != ASN_OK) return rc;
  *type = number;
  return ASN_OK;
}
