#include "base/CTevTextBuilder.h"

#include <cstdlib>
#include <cstring>

#include "base/CTevBlock.h"
#include "base/TevEscape.h"
#include "base/TevReason.h"

using namespace NTevAsnValue;

void CTevTextBuilder::release_block() { std::free(data_); }

long CTevTextBuilder::status() const { return failed_ ? ASN_E_OUT_OF_MEMORY : ASN_OK; }

bool CTevTextBuilder::grow(unsigned long more) {
  if (failed_) return false;
  // Results are bounded by the 32-bit length of a CTevAsnBuffer.
  const auto wanted = static_cast<unsigned long>(
      tev_base::grown_capacity(capacity_, std::uint64_t{length_} + more, 0, 0x7FFFFFFFUL));
  if (wanted == 0) {
    failed_ = true;
    return false;
  }
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

void CTevTextBuilder::append_decimal64(std::uint64_t value) {
  if (reserve(20)) length_ += tev_base::write_decimal(data_ + length_, value) - (data_ + length_);
}

void CTevTextBuilder::append_signed(std::int64_t value) {
  if (value < 0) {
    append_char('-');
    append_decimal64(0 - static_cast<std::uint64_t>(value));
  } else {
    append_decimal64(static_cast<std::uint64_t>(value));
  }
}

void CTevTextBuilder::append_hex_pairs(const unsigned char* octets, unsigned long count) {
  if (count == 0 || !reserve(count * 3)) return;
  length_ += tev_base::write_hex_pairs(data_ + length_, octets, count, ':') - (data_ + length_);
}

void CTevTextBuilder::append_octets(const unsigned char* octets, unsigned long count,
                                    ETevOctetsAs as) {
  if (as == TEV_OCTETS_HEX || (as == TEV_OCTETS_AUTO && !tev_base::all_printable(octets, count))) {
    append_hex_pairs(octets, count);
  } else {
    append_escaped(octets, count);
  }
}

void CTevTextBuilder::append_hex(std::uint32_t value) {
  if (reserve(8)) length_ += tev_base::write_hex(data_ + length_, value) - (data_ + length_);
}

long CTevTextBuilder::refuse(long code, CTevAsnBuffer* reason) const {
  if (failed_) return ASN_E_OUT_OF_MEMORY;
  return tev_base::refuse(reason, code, data_, length_);
}

long CTevTextBuilder::refuse_as_not(long code, const char* text, unsigned long length,
                                    const char* what, CTevAsnBuffer* reason) {
  CTevTextBuilder why;
  why.append_quoted(text, length);
  why.append_text(" is not ");
  why.append_text(what);
  return why.refuse(code, reason);
}

long CTevTextBuilder::store_into(CTevAsnBuffer* buffer) const {
  if (failed_) return ASN_E_OUT_OF_MEMORY;
  if (buffer == nullptr) return ASN_OK;
  return buffer->assign(data_, length_);
}

void CTevTextBuilder::append_escaped(const unsigned char* octets, unsigned long count) {
  if (count == 0) return;
  if (count > 0xFFFFFFFFUL / tev_base::kEscapedWidth) {
    failed_ = true;
    return;
  }
  char* w = room(tev_base::kEscapedWidth * count);
  if (w != nullptr)
    advance(static_cast<unsigned long>(tev_base::put_escaped(octets, count, w) - w));
}

void CTevTextBuilder::append_quoted(const char* data, unsigned long length) {
  constexpr unsigned long kShown = 60;
  const bool cut = length > kShown;
  if (cut) length = kShown;
  append_char('\'');
  for (unsigned long i = 0; i < length; ++i) {
    const auto c = static_cast<unsigned char>(data[i]);
    if (tev_base::is_printable(c) && c != '\\') {
      append_char(static_cast<char>(c));
    } else {
      const char escape[4] = {'\\', 'x', tev_base::kHexDigits[c >> 4],
                              tev_base::kHexDigits[c & 0x0F]};
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
