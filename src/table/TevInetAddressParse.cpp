// Reading InetAddress text: "TYPE:ADDRESS", or a bare IPv4 or IPv6 address
// (either with "%ZONE") whose form says the type.
#include <cstddef>
#include <cstring>

#include "TevAsnTable.h"
#include "table/TevInetAddress.h"

using namespace NTevAsnValue;

namespace {

struct Span {
  const char* data;
  unsigned long length;
};

int hex_value(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

unsigned long find_char(Span text, char c, unsigned long from = 0) {
  for (unsigned long i = from; i < text.length; ++i) {
    if (text.data[i] == c) return i;
  }
  return text.length;
}

// Decimal digits only, 1 to `max_digits` of them, not above `max`.
bool parse_number(Span text, unsigned long max_digits, std::uint32_t max, std::uint32_t* value) {
  if (text.length == 0 || text.length > max_digits) return false;
  std::uint64_t n = 0;
  for (unsigned long i = 0; i < text.length; ++i) {
    if (text.data[i] < '0' || text.data[i] > '9') return false;
    n = n * 10 + static_cast<unsigned>(text.data[i] - '0');
  }
  if (n > max) return false;
  *value = static_cast<std::uint32_t>(n);
  return true;
}

// a.b.c.d, each 0 to 255 in at most three digits.
bool parse_ipv4(Span text, unsigned char* out) {
  unsigned long start = 0;
  for (int part = 0; part < 4; ++part) {
    const unsigned long end = part == 3 ? text.length : find_char(text, '.', start);
    if (end == text.length && part != 3) return false;
    std::uint32_t value = 0;
    if (!parse_number({text.data + start, end - start}, 3, 255, &value)) return false;
    out[part] = static_cast<unsigned char>(value);
    start = end + 1;
  }
  return true;
}

// Groups of one to four hexadecimal digits separated by ':' (the last may be
// a dotted IPv4 address, as two groups) into `groups`; false for anything else.
bool parse_groups(Span text, std::uint32_t* groups, int room, int* count) {
  *count = 0;
  if (text.length == 0) return true;
  unsigned long start = 0;
  while (true) {
    const unsigned long end = find_char(text, ':', start);
    const Span group{text.data + start, end - start};
    if (end == text.length && find_char(group, '.') != group.length) {
      unsigned char v4[4];
      if (*count + 2 > room || !parse_ipv4(group, v4)) return false;
      groups[(*count)++] = static_cast<std::uint32_t>(v4[0] << 8 | v4[1]);
      groups[(*count)++] = static_cast<std::uint32_t>(v4[2] << 8 | v4[3]);
      return true;
    }
    if (group.length == 0 || group.length > 4 || *count == room) return false;
    std::uint32_t value = 0;
    for (unsigned long i = 0; i < group.length; ++i) {
      const int digit = hex_value(group.data[i]);
      if (digit < 0) return false;
      value = value << 4 | static_cast<std::uint32_t>(digit);
    }
    groups[(*count)++] = value;
    if (end == text.length) return true;
    start = end + 1;
  }
}

bool parse_ipv6(Span text, unsigned char* out) {
  std::uint32_t head[8] = {};
  std::uint32_t tail[8] = {};
  int head_count = 0;
  int tail_count = 0;
  unsigned long gap = text.length;
  for (unsigned long i = 0; i + 1 < text.length; ++i) {
    if (text.data[i] == ':' && text.data[i + 1] == ':') {
      gap = i;
      break;
    }
  }
  if (gap == text.length) {
    if (!parse_groups(text, head, 8, &head_count) || head_count != 8) return false;
  } else {
    const Span after{text.data + gap + 2, text.length - gap - 2};
    if (!parse_groups({text.data, gap}, head, 7, &head_count)) return false;
    if (!parse_groups(after, tail, 7 - head_count, &tail_count)) return false;
  }
  std::uint32_t groups[8] = {0, 0, 0, 0, 0, 0, 0, 0};
  for (int i = 0; i < head_count; ++i) groups[i] = head[i];
  for (int i = 0; i < tail_count; ++i) groups[8 - tail_count + i] = tail[i];
  for (std::size_t i = 0; i < 8; ++i) {
    out[2 * i] = static_cast<unsigned char>(groups[i] >> 8);
    out[2 * i + 1] = static_cast<unsigned char>(groups[i] & 0xFF);
  }
  return true;
}

long refuse(Span text, const char* what, CTevAsnBuffer* reason) {
  CTevTextBuilder why;
  why.append_quoted(text.data, text.length);
  why.append_text(" is not ");
  why.append_text(what);
  const long rc = why.store_into(reason);
  return rc != ASN_OK ? rc : ASN_E_ADDRESS_TEXT;
}

}  // namespace

long tev_inet_address_parse(const char* text, unsigned long length, unsigned long* type,
                            CTevAsnBuffer* octets, CTevAsnBuffer* reason) {
  if ((text == nullptr && length != 0) || type == nullptr || octets == nullptr) {
    return ASN_E_INVALID_ARGUMENT;
  }
  Span rest{text, length};
  std::uint32_t number = 0xFFFFFFFFU;
  // "TYPE:" names the type; otherwise the address's form says it.
  static const std::uint32_t kTypes[] = {TEV_INET_UNKNOWN, TEV_INET_IPV4,  TEV_INET_IPV6,
                                         TEV_INET_IPV4Z,   TEV_INET_IPV6Z, TEV_INET_DNS};
  for (std::uint32_t candidate : kTypes) {
    const char* name = tev_inet_address_type_name(candidate);
    const unsigned long n = std::strlen(name);
    if (length > n && std::memcmp(text, name, n) == 0 && text[n] == ':') {
      number = candidate;
      rest = {text + n + 1, length - n - 1};
      break;
    }
  }
  const unsigned long percent = find_char(rest, '%');
  if (number == 0xFFFFFFFFU) {
    const bool zoned = percent != rest.length;
    if (find_char(rest, ':') != rest.length) {
      number = zoned ? TEV_INET_IPV6Z : TEV_INET_IPV6;
    } else if (find_char(rest, '.') != rest.length) {
      number = zoned ? TEV_INET_IPV4Z : TEV_INET_IPV4;
    } else {
      return refuse(rest,
                    "an IPv4 or IPv6 address; name the type as in dns:NAME or unknown:", reason);
    }
  }
  unsigned char bytes[kTevInetMaxOctets];
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
      if (!parse_ipv4(address, bytes)) return refuse(address, "an IPv4 address (a.b.c.d)", reason);
      count = 4;
      break;
    case TEV_INET_IPV6:
    case TEV_INET_IPV6Z:
      if (!parse_ipv6(address, bytes)) {
        return refuse(address, "an IPv6 address (eight groups, or shortened with ::)", reason);
      }
      count = 16;
      break;
    default:  // dns
      if (rest.length == 0 || rest.length > kTevInetMaxOctets) {
        return refuse(rest, "a dns name of 1 to 255 characters", reason);
      }
      std::memcpy(bytes, rest.data, rest.length);
      count = rest.length;
      break;
  }
  if (number != TEV_INET_DNS && number != TEV_INET_UNKNOWN) {
    if (zoned_type) {
      std::uint32_t index = 0;
      if (!parse_number(zone, 10, 0xFFFFFFFFU, &index)) {
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
