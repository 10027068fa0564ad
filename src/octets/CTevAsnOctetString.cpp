#include "octets/CTevAsnOctetString.h"

#include <cstring>

#include "ITevAsnObjectID.h"
#include "base/TevSubIds.h"
#include "framework/ITevOidOctets.h"

using namespace NTevAsnValue;

long CTevAsnOctetString::accept(ITevAsnValueVisitor* visitor) {
  return visitor->visit_octet_string(this);
}

ITevAsnValue* CTevAsnOctetString::clone(long* err) const {
  return clone_as<CTevAsnOctetString>(err);
}

long CTevAsnOctetString::assign(const ITevAsnValue* src) {
  if (!same_type(src)) return ASN_E_INVALID_ARGUMENT;
  const auto* source = cast_to<CTevAsnOctetString>(src, tev_core::kClassIdOctetString);
  if (source == nullptr) return ASN_E_INVALID_ARGUMENT;
  const CTevOctetArray& from = source->octets_;
  return octets_.assign(from.data, from.length) ? ASN_OK : ASN_E_OUT_OF_MEMORY;
}

void CTevAsnOctetString::clear() { octets_.length = 0; }

EAsnType CTevAsnOctetString::get_type() const { return ASN_OCTET_STRING; }

bool CTevAsnOctetString::is_equal(const ITevAsnValue* other) const {
  if (!same_type(other)) return false;
  const auto* that = cast_to<CTevAsnOctetString>(other, tev_core::kClassIdOctetString);
  if (that == nullptr) return false;
  const unsigned long count = get_count();
  if (that->get_count() != count) return false;
  return count == 0 || std::memcmp(octets_.data, that->octets_.data, count) == 0;
}

void CTevAsnOctetString::query_class(unsigned long class_id, void** out) const {
  if (!answer_class(class_id, tev_core::kClassIdOctetString, this, out)) {
    CTevAsnValueBase::query_class(class_id, out);
  }
}

long CTevAsnOctetString::to_text_into(CTevAsnBuffer* buffer) const {
  if (buffer == nullptr) return ASN_E_INVALID_ARGUMENT;
  return buffer->assign(octets_.data, octets_.length);
}

const unsigned char* CTevAsnOctetString::get_octets(unsigned long* length, long* err) const {
  if (length == nullptr) {
    tev_core::set_error(err, ASN_E_INVALID_ARGUMENT);
    return nullptr;
  }
  *length = octets_.length;
  tev_core::set_error(err, ASN_OK);
  return octets_.data;
}

long CTevAsnOctetString::set_text(const char* text) {
  if (text == nullptr) {
    octets_.length = 0;
    return ASN_OK;
  }
  return set_octets(reinterpret_cast<const unsigned char*>(text), std::strlen(text));
}

long CTevAsnOctetString::set_octets(const unsigned char* data, unsigned long length) {
  if (data == nullptr) {
    octets_.length = 0;
    return ASN_OK;
  }
  // More than 32 bits of octets fail in assign, which cannot grow that far.
  return octets_.assign(data, length) ? ASN_OK : ASN_E_OUT_OF_MEMORY;
}

unsigned long CTevAsnOctetString::get_count() const { return octets_.length; }

unsigned long CTevAsnOctetString::get_oid_length(long implied) const {
  return implied == 1 ? get_count() : get_count() + 1;
}

unsigned long CTevAsnOctetString::get_at(unsigned long index, long* err) const {
  if (index >= get_count()) {
    tev_core::set_error(err, ASN_E_INVALID_ARGUMENT);
    return tev_core::kFail32;
  }
  tev_core::set_error(err, ASN_OK);
  return octets_.data[index];
}

long CTevAsnOctetString::append_to_oid(ITevAsnObjectID* oid, long implied) const {
  return encode_index(oid, implied, kNoDomain, octets_.length);
}

long CTevAsnOctetString::assign_to_oid(ITevAsnObjectID* oid, long implied) const {
  if (oid == nullptr) return ASN_E_INVALID_ARGUMENT;
  oid->clear();
  return append_to_oid(oid, implied);
}

long CTevAsnOctetString::set_from_oid(const ITevAsnObjectID* oid, long implied,
                                      unsigned long length) {
  return decode_index(oid, implied, length, kNoDomain, kAnySize);
}

long CTevAsnOctetString::encode_index(ITevAsnObjectID* oid, long implied, std::uint32_t domain,
                                      unsigned long count) const {
  if (oid == nullptr) return ASN_E_INVALID_ARGUMENT;
  if (domain != kNoDomain) {
    const long code = oid->append_sub_id(domain);
    if (code != ASN_OK) return code;
  }
  // Our own object identifiers take the octets in one step.
  if (ITevOidOctets* ours = ITevOidOctets::of(oid)) {
    return ours->append_octets(implied == 0, count, octets_.data, count);
  }
  if (implied == 0) {
    const long code = oid->append_sub_id(count);
    if (code != ASN_OK) return code;
  }
  for (unsigned long i = 0; i < count; ++i) {
    const long code = oid->append_sub_id(octets_.data[i]);
    if (code != ASN_OK) return code;
  }
  return ASN_OK;
}

bool CTevAsnOctetString::decode_known(const TevSubIdView& view, long implied, unsigned long length,
                                      std::uint32_t domain, std::uint32_t fixed) {
  const TevSubId* const ids = view.live;
  const std::size_t known = view.known;
  const std::size_t count = view.size;
  std::size_t next = 0;
  if (domain != kNoDomain) {
    if (known == 0 || ids[0].value != domain) return false;
    next = 1;
  }
  std::size_t n = fixed;
  if (fixed != kAnySize) {
    if (implied == 0) {
      if (next >= known || ids[next].value != fixed) return false;
      ++next;
    }
    if (octets_.length != fixed) return false;  // a store without its octets
  } else if (implied == 0) {
    if (known == 0) return false;
    n = ids[next++].value;
  } else {
    n = tev_core::is_all(length) || length > count ? count : length;
  }
  // Growing the block is left to the general path. Octets written before a
  // value above 255 turns up are overwritten there after its clear().
  if (n > known - next || n > octets_.capacity) return false;
  if (!tev_base::narrow_octets(ids + next, n, octets_.data,
                               [](const TevSubId& entry) { return entry.value; })) {
    return false;
  }
  octets_.length = static_cast<std::uint32_t>(n);
  return true;
}

long CTevAsnOctetString::decode_index(const ITevAsnObjectID* oid, long implied,
                                      unsigned long length, std::uint32_t domain,
                                      std::uint32_t fixed) {
  if (oid == nullptr) return ASN_E_INVALID_ARGUMENT;
  // Our own identifiers show their index: an index that lies within the
  // values it holds and decodes cleanly is read in place. Anything else,
  // failures included, takes the general path, which reports them.
  const ITevOidOctets* const ours = ITevOidOctets::of(oid);
  if (ours != nullptr) {
    const TevSubIdView* view = ours->sub_id_view();
    if (view != nullptr && decode_known(*view, implied, length, domain, fixed)) return ASN_OK;
  }
  return decode_by_sub_id(oid, ours, implied, length, domain, fixed);
}

long CTevAsnOctetString::decode_by_sub_id(const ITevAsnObjectID* oid, const ITevOidOctets* ours,
                                          long implied, unsigned long length, std::uint32_t domain,
                                          std::uint32_t fixed) {
  clear();
  unsigned long next = 0;
  long code = ASN_OK;
  if (domain != kNoDomain) {
    // A missing domain is reported as the object identifier reports it.
    const unsigned long found = oid->get_at(next++, &code);
    if (code != ASN_OK) return code;
    if (found != domain) return ASN_E_SUBID_RANGE;
  }
  unsigned long n = fixed;
  if (fixed != kAnySize) {
    if (implied == 0) {
      // A missing or different length prefix means the index is not of this type.
      const unsigned long prefix = oid->get_at(next++, &code);
      if (code != ASN_OK || prefix != fixed) return ASN_E_SUBID_RANGE;
    }
    // Zeroed by clear; only a store without its octets needs them made.
    if (octets_.length != fixed) {
      if (!octets_.reserve(fixed)) return ASN_E_OUT_OF_MEMORY;
      std::memset(octets_.data, 0, fixed);
      octets_.length = fixed;
    }
  } else {
    const unsigned long available = oid->get_count();
    if (implied == 0) {
      n = oid->get_at(next++, &code);
      if (code != ASN_OK) return code;
      if (n > available) return ASN_E_SUBID_RANGE;
    } else {
      n = tev_core::is_all(length) || length > available ? available : length;
    }
    if (n != 0 && !octets_.reserve(n)) return ASN_E_OUT_OF_MEMORY;
  }
  // Our own object identifiers hand over the values in one step when the
  // octets fit the block.
  if (n <= octets_.capacity && ours != nullptr) {
    {
      unsigned long done = 0;
      code = ours->read_octets(next, n, octets_.data, &done);
      if (done > octets_.length) octets_.length = static_cast<std::uint32_t>(done);
      return code;
    }
  }
  for (unsigned long i = 0; i < n; ++i) {
    const unsigned long sub_id = oid->get_at(next + i, &code);
    if (code != ASN_OK) return code;
    if (!tev_base::is_octet(sub_id)) return ASN_E_SUBID_RANGE;
    const auto octet = static_cast<unsigned char>(sub_id);
    if (i < octets_.length) {
      octets_.data[i] = octet;
    } else if (octets_.push_back(octet) == 0) {
      return ASN_E_OUT_OF_MEMORY;
    }
  }
  return ASN_OK;
}
