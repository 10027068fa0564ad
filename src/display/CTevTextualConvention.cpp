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
    {"DateAndTime", "2d-1d-1d,1d:1d:1d.1d,1a1d:1d", Kind::kDateAndTime, 8, 8, 11},
    {"InetAddressIPv4", "1d.1d.1d.1d", Kind::kHint, 4, 4, 0},
    {"InetAddressIPv6", "", Kind::kIpv6, 16, 16, 0},
    {"InetAddressIPv4z", "1d.1d.1d.1d%4d", Kind::kHint, 8, 8, 0},
    {"InetAddressIPv6z", "", Kind::kIpv6Zone, 20, 20, 0},
    {"InetAddressDNS", "255a", Kind::kHint, 1, 255, 0},
};

// The fields of DateAndTime after the year (octets 1-2, any number), in
// octet order, with the character written before each and its range.
struct DateField {
  const char* name;
  char before;  // 0: none
  unsigned low;
  unsigned high;
};
constexpr DateField kDateFields[] = {
    {"month", '-', 1, 12},        {"day", '-', 1, 31},
    {"hour", ',', 0, 23},         {"minutes", ':', 0, 59},
    {"seconds", ':', 0, 60},  // 60: a leap second
    {"deci-seconds", '.', 0, 9},  {"direction from UTC", ',', '+', '-'},
    {"hours from UTC", 0, 0, 13}, {"minutes from UTC", ':', 0, 59},
};
constexpr unsigned kDateFieldCount = sizeof kDateFields / sizeof kDateFields[0];
constexpr unsigned kDirection = 6;  // its field: '+' or '-', not a number

bool date_field_fits(unsigned field, unsigned value) {
  const DateField& f = kDateFields[field];
  return field == kDirection ? value == '+' || value == '-' : value >= f.low && value <= f.high;
}

long refuse_date_field(unsigned field, unsigned value, CTevAsnBuffer* reason) {
  const DateField& f = kDateFields[field];
  if (field == kDirection) {
    return fail(reason, ASN_E_TC_RANGE, "DateAndTime %s is '+' or '-', not octet %u", f.name,
                value);
  }
  return fail(reason, ASN_E_TC_RANGE, "DateAndTime %s %u is outside %u..%u", f.name, value, f.low,
              f.high);
}

// Every field of DateAndTime octets (8 or 11 of them) in its range.
long check_date(const unsigned char* octets, unsigned long length, CTevAsnBuffer* reason) {
  for (unsigned field = 0; field + 2 < length; ++field) {
    if (!date_field_fits(field, octets[field + 2])) {
      return refuse_date_field(field, octets[field + 2], reason);
    }
  }
  return ASN_OK;
}

// DateAndTime text as its hint writes it, each number also with leading
// zeros ("+01:00"); ranges checked. Text that ends after a field gives its
// octets so far, which the length rule then refuses.
long read_date(const char* text, unsigned long length, CTevTextBuilder* out,
               CTevAsnBuffer* reason) {
  unsigned char octets[11];
  unsigned long n = 0;
  unsigned long at = 0;
  for (unsigned field = 0; field <= kDateFieldCount && at < length; ++field) {
    if (field > 0) {
      const DateField& f = kDateFields[field - 1];
      if (f.before != 0) {
        if (text[at] != f.before) {
          return fail(reason, ASN_E_HINT_TEXT, "text position %lu: '%s' where DateAndTime has '%c'",
                      at + 1, tev_base::shown(text[at]).text, f.before);
        }
        if (++at == length) {
          return fail(reason, ASN_E_HINT_TEXT, "text position %lu: the text ends after '%c'", at,
                      f.before);
        }
      }
      if (field - 1 == kDirection) {
        if (!date_field_fits(kDirection, static_cast<unsigned char>(text[at]))) {
          return refuse_date_field(kDirection, static_cast<unsigned char>(text[at]), reason);
        }
        octets[n++] = static_cast<unsigned char>(text[at++]);
        continue;
      }
    }
    unsigned long value = 0;
    const unsigned long start = at;
    for (; at < length && text[at] >= '0' && text[at] <= '9'; ++at) {
      if (value <= 0xFFFFF) value = value * 10 + static_cast<unsigned long>(text[at] - '0');
    }
    if (at == start) {
      return fail(reason, ASN_E_HINT_TEXT, "text position %lu: '%s' where a decimal digit belongs",
                  at + 1, tev_base::shown(text[at]).text);
    }
    if (field == 0) {
      if (value > 0xFFFF) {
        return fail(reason, ASN_E_TC_RANGE, "DateAndTime year %lu is outside 0..65535", value);
      }
      octets[n++] = static_cast<unsigned char>(value >> 8);
    } else if (value > 0xFF || !date_field_fits(field - 1, static_cast<unsigned>(value))) {
      return fail(reason, ASN_E_TC_RANGE, "DateAndTime %s %lu is outside %u..%u",
                  kDateFields[field - 1].name, value, kDateFields[field - 1].low,
                  kDateFields[field - 1].high);
    }
    octets[n++] = static_cast<unsigned char>(value);
  }
  if (at != length) {
    return fail(reason, ASN_E_HINT_TEXT, "text position %lu: text after the DateAndTime", at + 1);
  }
  out->append(octets, n);
  return ASN_OK;
}

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
  if (kind == Kind::kDateAndTime) {
    const long rc = check_date(octets, length, reason);
    if (rc != ASN_OK) return rc;
  }
  if (kind == Kind::kHint || kind == Kind::kDateAndTime) {
    return CTevOctetHint::format(hint, octets, length, out, reason);
  }
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
  if (kind == Kind::kDateAndTime) return read_date(text, length, out, reason);
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
