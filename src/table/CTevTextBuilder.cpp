#include "table/CTevTextBuilder.h"

#include <cstdlib>
#include <cstring>

using namespace NTevAsnValue;

void CTevTextBuilder::release_block() { std::free(data_); }

long CTevTextBuilder::status() const { return failed_ ? ASN_E_OUT_OF_MEMORY : ASN_OK; }

bool CTevTextBuilder::grow(unsigned long more) {
  if (failed_) return false;
  // Results are bounded by the 32-bit length of a CTevAsnBuffer.
  constexpr unsigned long kMax = 0x7FFFFFFFUL;
  if (more > kMax - length_) {
    failed_ = true;
    return false;
  }
  unsigned long wanted = capacity_ * 2;
  if (wanted < length_ + more) wanted = length_ + more;
  char* grown =
      static_cast<char*>(data_ == inline_ ? std::malloc(wanted) : std::realloc(data_, wanted));
  if (grown == nullptr) {
    failed_ = true;
    return false;
  }
  if (data_ == inline_) std::memcpy(grown, inline_, length_);
  data_ = grown;
  capacity_ = wanted;
  return true;
}

void CTevTextBuilder::append_decimal(std::uint32_t value) {
  if (!reserve(10)) return;
  // Digits land at the end of a 10-byte window, then move to the front.
  char digits[10];
  char* p = digits + sizeof digits;
  do {
    *--p = static_cast<char>('0' + value % 10);
    value /= 10;
  } while (value != 0);
  const auto n = static_cast<unsigned long>(digits + sizeof digits - p);
  std::memcpy(data_ + length_, p, n);
  length_ += n;
}

void CTevTextBuilder::append_signed(std::int32_t value) {
  if (value < 0) {
    append_char('-');
    append_decimal(0U - static_cast<std::uint32_t>(value));
  } else {
    append_decimal(static_cast<std::uint32_t>(value));
  }
}

void CTevTextBuilder::append_hex_pairs(const unsigned char* octets, unsigned long count) {
  static const char kDigits[] = "0123456789abcdef";
  if (count == 0 || !reserve(count * 3)) return;
  for (unsigned long i = 0; i < count; ++i) {
    if (i != 0) data_[length_++] = ':';
    data_[length_++] = kDigits[octets[i] >> 4];
    data_[length_++] = kDigits[octets[i] & 0x0F];
  }
}

void CTevTextBuilder::append_octets(const unsigned char* octets, unsigned long count,
                                    ETevOctetsAs as) {
  bool hex = as == TEV_OCTETS_HEX;
  for (unsigned long i = 0; as == TEV_OCTETS_AUTO && i < count && !hex; ++i) {
    hex = octets[i] < 0x20 || octets[i] > 0x7E;
  }
  if (hex) {
    append_hex_pairs(octets, count);
  } else {
    append(octets, count);
  }
}

void CTevTextBuilder::append_hex(std::uint32_t value) {
  static const char kDigits[] = "0123456789abcdef";
  char digits[8];
  unsigned long n = 0;
  do {
    digits[n++] = kDigits[value & 0x0F];
    value >>= 4;
  } while (value != 0);
  if (!reserve(n)) return;
  while (n != 0) data_[length_++] = digits[--n];
}

long CTevTextBuilder::store_into(CTevAsnBuffer* buffer) const {
  if (failed_) return ASN_E_OUT_OF_MEMORY;
  if (buffer == nullptr) return ASN_OK;
  return buffer->assign(data_, length_);
}

void CTevTextBuilder::append_quoted(const char* data, unsigned long length) {
  static const char kDigits[] = "0123456789abcdef";
  constexpr unsigned long kShown = 60;
  const bool cut = length > kShown;
  if (cut) length = kShown;
  append_char('\'');
  for (unsigned long i = 0; i < length; ++i) {
    const auto c = static_cast<unsigned char>(data[i]);
    if (c >= 0x20 && c <= 0x7E && c != '\\') {
      append_char(static_cast<char>(c));
    } else {
      const char escape[4] = {'\\', 'x', kDigits[c >> 4], kDigits[c & 0x0F]};
      append(escape, 4);
    }
  }
  append_text(cut ? "...'" : "'");
}

void CTevTextBuilder::append_dotted(const std::uint32_t* sub_ids, unsigned long count) {
  for (unsigned long i = 0; i < count; ++i) {
    if (i != 0) append_char('.');
    append_decimal(sub_ids[i]);
  }
}
