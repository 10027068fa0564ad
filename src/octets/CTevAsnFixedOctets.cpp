#include "octets/CTevAsnFixedOctets.h"

#include <cstring>

#include "ITevAsnObjectID.h"

using namespace NTevAsnValue;

void CTevAsnFixedOctets::clear() {
  // The sizes are small and held in the store itself, room for 16: zeroing a
  // constant 16 is a few stores instead of a call.
  if (octets_.length == 0) return;
  if (octets_.length <= 16 && octets_.capacity >= 16) {
    std::memset(octets_.data, 0, 16);
  } else {
    std::memset(octets_.data, 0, octets_.length);
  }
}

long CTevAsnFixedOctets::set_octets(const unsigned char* data, unsigned long length) {
  // A null pointer would empty the store while get_count still reports the
  // fixed size, so it is refused like any other wrong length.
  if (data == nullptr || length != size_) return ASN_E_INVALID_ARGUMENT;
  return CTevAsnOctetString::set_octets(data, length);
}

unsigned long CTevAsnFixedOctets::get_count() const { return size_; }

unsigned long CTevAsnFixedOctets::get_oid_length(long implied) const {
  const unsigned long octets = CTevAsnOctetString::get_oid_length(implied);
  return domain_ == kNoDomain ? octets : octets + 1;
}

long CTevAsnFixedOctets::append_to_oid(ITevAsnObjectID* oid, long implied) const {
  return encode_index(oid, implied, domain_, size_);
}

long CTevAsnFixedOctets::set_from_oid(const ITevAsnObjectID* oid, long implied,
                                      unsigned long /*length*/) {
  return decode_index(oid, implied, 0, domain_, size_);
}

long CTevAsnFixedOctets::initialize() { return reset(); }

long CTevAsnFixedOctets::reset() {
  clear();
  if (octets_.length == size_) return ASN_OK;
  if (!octets_.reserve(size_)) return ASN_E_OUT_OF_MEMORY;
  std::memset(octets_.data, 0, size_);
  octets_.length = size_;
  return ASN_OK;
}

long CTevAsnFixedOctets::set_text_fields(const char* text, const char* pattern, std::size_t octets,
                                         bool with_port) {
  if (text == nullptr) return ASN_E_INVALID_ARGUMENT;
  const long code = reset();
  if (code != ASN_OK) return code;
  constexpr std::size_t kMaxFields = 16;
  tev_core::ScannedField fields[kMaxFields];
  const std::size_t wanted = octets + (with_port ? 1 : 0);
  if (wanted > kMaxFields || tev_core::scan_fields(text, pattern, fields) < wanted) {
    return ASN_E_INVALID_ARGUMENT;
  }
  for (std::size_t i = 0; i < octets; ++i) {
    if (!tev_core::field_within(fields[i], 0xFF)) return ASN_E_INVALID_ARGUMENT;
    octets_.data[i] = static_cast<unsigned char>(fields[i].magnitude);
  }
  if (!with_port) return ASN_OK;
  if (!tev_core::field_within(fields[octets], 0xFFFF)) return ASN_E_INVALID_ARGUMENT;
  return set_port(static_cast<unsigned short>(fields[octets].magnitude));
}

unsigned short CTevAsnFixedOctets::trailing_port(long* err) const {
  tev_core::set_error(err, ASN_OK);
  const unsigned char* end = octets_.data + size_;
  return static_cast<unsigned short>((end[-2] << 8) | end[-1]);
}

long CTevAsnFixedOctets::set_trailing_port(unsigned short port) {
  unsigned char* end = octets_.data + size_;
  end[-2] = static_cast<unsigned char>(port >> 8);
  end[-1] = static_cast<unsigned char>(port & 0xFF);
  return ASN_OK;
}
