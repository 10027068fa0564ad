#include "base/CTevIpText.h"

#include <algorithm>
#include <cstddef>

#include "base/TevNumberText.h"
#include "base/TevTextScan.h"

namespace {

// Whether the rest from `at` is a dotted IPv4 address (the last 32 bits):
// it holds a '.' and no ':'.
bool dotted_tail(const char* text, unsigned long at, unsigned long length) {
  bool dot = false;
  for (unsigned long i = at; i < length; ++i) {
    if (text[i] == ':') return false;
    dot = dot || text[i] == '.';
  }
  return dot;
}

}  // namespace

char* CTevIpText::write_ipv4(char* out, const unsigned char* address) {
  return tev_base::write_dotted_octets(tev_base::write_octet_decimal(out, address[0]), address + 1,
                                       3);
}

char* CTevIpText::write_ipv6(char* out, const unsigned char* address, Form form) {
  unsigned groups[8];
  for (std::size_t i = 0; i < 8; ++i) {
    groups[i] = static_cast<unsigned>(address[2 * i] << 8 | address[2 * i + 1]);
  }
  unsigned best_start = 8;
  unsigned best_length = 1;  // a single zero group stays "0"
  if (form == Form::kRfc5952) {
    if (groups[0] == 0 && groups[1] == 0 && groups[2] == 0 && groups[3] == 0 && groups[4] == 0 &&
        groups[5] == 0xFFFF) {
      // An IPv4-mapped address takes the mixed notation (RFC 5952 section 5).
      static constexpr char kMapped[] = "::ffff:";
      return write_ipv4(std::copy(kMapped, kMapped + sizeof kMapped - 1, out), address + 12);
    }
    for (unsigned i = 0; i < 8;) {
      unsigned j = i;
      while (j < 8 && groups[j] == 0) ++j;
      if (j - i > best_length) {
        best_start = i;
        best_length = j - i;
      }
      i = j == i ? i + 1 : j;
    }
  }
  for (unsigned i = 0; i < 8; ++i) {
    if (i == best_start) {
      *out++ = ':';
      *out++ = ':';
      i += best_length - 1;
      continue;
    }
    if (i != 0 && i != best_start + best_length) *out++ = ':';
    out = tev_base::write_hex(out, groups[i]);
  }
  return out;
}

void CTevIpText::append_ipv4(CTevTextBuilder* out, const unsigned char* address) {
  char* at = out->room(kIpv4Room);
  if (at != nullptr) out->advance(static_cast<unsigned long>(write_ipv4(at, address) - at));
}

void CTevIpText::append_ipv6(CTevTextBuilder* out, const unsigned char* address, Form form) {
  char* at = out->room(kIpv6Room);
  if (at != nullptr) out->advance(static_cast<unsigned long>(write_ipv6(at, address, form) - at));
}

bool CTevIpText::read_ipv6(const char* text, unsigned long length, unsigned char* address,
                           unsigned long* fault) {
  unsigned groups[8];
  unsigned count = 0;
  int gap = -1;  // index in groups where "::" stands
  unsigned long at = 0;
  if (length >= 2 && text[0] == ':' && text[1] == ':') {
    gap = 0;
    at = 2;
  } else if (length >= 1 && text[0] == ':') {
    *fault = 1;
    return false;
  }
  while (at < length) {
    if (dotted_tail(text, at, length)) {
      unsigned char v4[4];
      if (count + 2 > 8 || !tev_base::scan_ipv4({text + at, length - at}, v4)) {
        *fault = at + 1;
        return false;
      }
      groups[count++] = static_cast<unsigned>(v4[0] << 8 | v4[1]);
      groups[count++] = static_cast<unsigned>(v4[2] << 8 | v4[3]);
      break;
    }
    unsigned value = 0;
    unsigned long digits = 0;
    for (; at < length && tev_base::hex_value(text[at]) >= 0; ++at) {
      if (++digits > 4) break;
      value = value << 4 | static_cast<unsigned>(tev_base::hex_value(text[at]));
    }
    if (digits == 0 || digits > 4 || count == 8) {
      *fault = at + 1;
      return false;
    }
    groups[count++] = value;
    if (at == length) break;
    if (text[at] != ':') {
      *fault = at + 1;
      return false;
    }
    ++at;
    if (at < length && text[at] == ':') {
      if (gap >= 0) {
        *fault = at + 1;
        return false;
      }
      gap = static_cast<int>(count);
      ++at;
    } else if (at == length) {
      *fault = at + 1;
      return false;
    }
  }
  if (gap < 0 ? count != 8 : count > 7) {
    *fault = length + 1;
    return false;
  }
  std::memset(address, 0, 16);
  const unsigned tail = gap < 0 ? 0 : count - static_cast<unsigned>(gap);
  for (unsigned i = 0; i < count; ++i) {
    const std::size_t slot =
        gap < 0 || i < static_cast<unsigned>(gap) ? i : 8 - tail + (i - static_cast<unsigned>(gap));
    address[2 * slot] = static_cast<unsigned char>(groups[i] >> 8);
    address[2 * slot + 1] = static_cast<unsigned char>(groups[i] & 0xFF);
  }
  return true;
}
