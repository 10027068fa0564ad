#include "display/CTevTextualConvention.h"

#include <algorithm>
#include <iterator>

#include "TevAsnDisplay.h"
#include "base/CTevIpText.h"
#include "base/TevReason.h"
#include "display/CTevOctetHint.h"

using namespace NTevAsnValue;
using tev_base::fail;

namespace {

using Kind = CTevTextualConvention::Kind;

constexpr unsigned long kAny = 0xFFFFFFFFUL;

// RFC 2579 (DisplayString, PhysAddress, MacAddress, DateAndTime), RFC 3411
// (SnmpAdminString) and RFC 4001 (the InetAddress forms).
const CTevTextualConvention kConventions[] = {
    {"DisplayString", "255a", Kind::kHint, 0, 255, 0},
    {"SnmpAdminString", "255t", Kind::kHint, 0, 255, 0},
    {"PhysAddress", "1x:", Kind::kHint, 0, kAny, 0},
    {"MacAddress", "1x:", Kind::kHint, 6, 6, 0},
    {"DateAndTime", "2d-1d-1d,1d:1d:1d.1d,1a1d:1d", Kind::kHint, 8, 8, 11},
    {"InetAddressIPv4", "1d.1d.1d.1d", Kind::kHint, 4, 4, 0},
    {"InetAddressIPv6", "", Kind::kIpv6, 16, 16, 0},
    {"InetAddressIPv4z", "1d.1d.1d.1d%4d", Kind::kHint, 8, 8, 0},
    {"InetAddressIPv6z", "", Kind::kIpv6Zone, 20, 20, 0},
    {"InetAddressDNS", "255a", Kind::kHint, 1, 255, 0},
};

bool same_name(const char* a, const char* b) {
  for (;; ++a, ++b) {
    const char x = *a >= 'A' && *a <= 'Z' ? static_cast<char>(*a - 'A' + 'a') : *a;
    const char y = *b >= 'A' && *b <= 'Z' ? static_cast<char>(*b - 'A' + 'a') : *b;
    if (x != y) return false;
    if (x == '\0') return true;
  }
}

}  // namespace

const CTevTextualConvention* CTevTextualConvention::find(const char* name) {
  const CTevTextualConvention* const end = std::end(kConventions);
  const CTevTextualConvention* const found =
      std::find_if(std::begin(kConventions), end,
                   [name](const CTevTextualConvention& tc) { return same_name(tc.name, name); });
  return found == end ? nullptr : found;
}

long CTevTextualConvention::check_length(unsigned long length, CTevAsnBuffer* reason) const {
  if ((length >= min_octets && length <= max_octets) ||
      (other_octets != 0 && length == other_octets)) {
    return ASN_OK;
  }
  if (other_octets != 0) {
    return fail(reason, ASN_E_TC_LENGTH, "%s needs exactly %lu or %lu octets, not %lu", name,
                min_octets, other_octets, length);
  }
  if (min_octets == max_octets) {
    return fail(reason, ASN_E_TC_LENGTH, "%s needs exactly %lu octets, not %lu", name, min_octets,
                length);
  }
  return fail(reason, ASN_E_TC_LENGTH, "%s needs %lu to %lu octets, not %lu", name, min_octets,
              max_octets, length);
}

long CTevTextualConvention::format(const unsigned char* octets, unsigned long length,
                                   CTevTextBuilder* out, CTevAsnBuffer* reason) const {
  if (kind == Kind::kHint) return CTevOctetHint::format(hint, octets, length, out, reason);
  CTevIpText::append_ipv6(out, octets);
  if (kind == Kind::kIpv6Zone) {
    out->append_char('%');
    out->append_decimal(static_cast<std::uint32_t>(octets[16]) << 24 |
                        static_cast<std::uint32_t>(octets[17]) << 16 |
                        static_cast<std::uint32_t>(octets[18]) << 8 | octets[19]);
  }
  return ASN_OK;
}

long CTevTextualConvention::read(const char* text, unsigned long length, CTevTextBuilder* out,
                                 CTevAsnBuffer* reason) const {
  if (kind == Kind::kHint) {
    CTevOctetHint parsed;
    const long rc = parsed.parse(hint, reason);
    return rc != ASN_OK ? rc : parsed.read(text, length, out, reason);
  }
  unsigned long address_length = length;
  if (kind == Kind::kIpv6Zone) {
    address_length = 0;
    while (address_length < length && text[address_length] != '%') ++address_length;
    if (address_length == length) {
      return fail(reason, ASN_E_HINT_TEXT, "text position %lu: no '%%' before the zone index",
                  length + 1);
    }
  }
  unsigned char address[16];
  unsigned long fault = 0;
  if (!CTevIpText::read_ipv6(text, address_length, address, &fault)) {
    return fail(reason, ASN_E_HINT_TEXT, "text position %lu: not an IPv6 address", fault);
  }
  out->append(address, sizeof address);
  if (kind == Kind::kIpv6Zone) {
    unsigned long long zone = 0;
    unsigned long at = address_length + 1;
    if (at == length) {
      return fail(reason, ASN_E_HINT_TEXT, "text position %lu: the zone index needs digits",
                  at + 1);
    }
    for (; at < length; ++at) {
      if (text[at] < '0' || text[at] > '9' ||
          (zone = zone * 10 + (text[at] - '0')) > 0xFFFFFFFFULL) {
        return fail(reason, ASN_E_HINT_TEXT,
                    "text position %lu: the zone index is a number up to 4294967295", at + 1);
      }
    }
    const unsigned char zone_octets[4] = {
        static_cast<unsigned char>(zone >> 24), static_cast<unsigned char>(zone >> 16),
        static_cast<unsigned char>(zone >> 8), static_cast<unsigned char>(zone)};
    out->append(zone_octets, sizeof zone_octets);
  }
  return ASN_OK;
}
