#include "table/TevTextScan.h"

#include <cstddef>

namespace {

// Groups of one to four hexadecimal digits separated by ':' (the last may be
// a dotted IPv4 address, as two groups) into `groups`; false for anything else.
bool scan_groups(TevSpan text, std::uint32_t* groups, int room, int* count) {
  *count = 0;
  if (text.length == 0) return true;
  unsigned long start = 0;
  while (true) {
    const unsigned long end = tev_find_char(text, ':', start);
    const TevSpan group{text.data + start, end - start};
    if (end == text.length && tev_find_char(group, '.') != group.length) {
      unsigned char v4[4];
      if (*count + 2 > room || !tev_scan_ipv4(group, v4)) return false;
      groups[(*count)++] = static_cast<std::uint32_t>(v4[0] << 8 | v4[1]);
      groups[(*count)++] = static_cast<std::uint32_t>(v4[2] << 8 | v4[3]);
      return true;
    }
    if (group.length == 0 || group.length > 4 || *count == room) return false;
    std::uint32_t value = 0;
    for (unsigned long i = 0; i < group.length; ++i) {
      const int digit = tev_hex_value(group.data[i]);
      if (digit < 0) return false;
      value = value << 4 | static_cast<std::uint32_t>(digit);
    }
    groups[(*count)++] = value;
    if (end == text.length) return true;
    start = end + 1;
  }
}

}  // namespace

int tev_hex_value(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

unsigned long tev_find_char(TevSpan text, char c, unsigned long from) {
  for (unsigned long i = from; i < text.length; ++i) {
    if (text.data[i] == c) return i;
  }
  return text.length;
}

bool tev_scan_decimal(TevSpan text, unsigned long max_digits, std::uint64_t max,
                      std::uint64_t* value) {
  if (text.length == 0 || text.length > max_digits) return false;
  std::uint64_t n = 0;
  for (unsigned long i = 0; i < text.length; ++i) {
    if (text.data[i] < '0' || text.data[i] > '9') return false;
    const unsigned digit = static_cast<unsigned>(text.data[i] - '0');
    if (digit > max || n > (max - digit) / 10) return false;
    n = n * 10 + digit;
  }
  *value = n;
  return true;
}

bool tev_scan_ipv4(TevSpan text, unsigned char* out) {
  unsigned long start = 0;
  for (int part = 0; part < 4; ++part) {
    const unsigned long end = part == 3 ? text.length : tev_find_char(text, '.', start);
    if (end == text.length && part != 3) return false;
    std::uint64_t value = 0;
    if (!tev_scan_decimal({text.data + start, end - start}, 3, 255, &value)) return false;
    out[part] = static_cast<unsigned char>(value);
    start = end + 1;
  }
  return true;
}

bool tev_scan_ipv6(TevSpan text, unsigned char* out) {
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
    if (!scan_groups(text, head, 8, &head_count) || head_count != 8) return false;
  } else {
    const TevSpan after{text.data + gap + 2, text.length - gap - 2};
    if (!scan_groups({text.data, gap}, head, 7, &head_count)) return false;
    if (!scan_groups(after, tail, 7 - head_count, &tail_count)) return false;
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
