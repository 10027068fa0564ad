#include "octets/CTevAsnIpAddress.h"

#include <cstring>

#include "base/TevNumberText.h"

using namespace NTevAsnValue;

long CTevAsnIpAddress::accept(ITevAsnValueVisitor* visitor) {
  return visitor->visit_ip_address(this);
}

ITevAsnValue* CTevAsnIpAddress::clone(long* err) const { return clone_as<CTevAsnIpAddress>(err); }

EAsnType CTevAsnIpAddress::get_type() const { return ASN_IP_ADDRESS; }

void CTevAsnIpAddress::query_class(unsigned long class_id, void** out) const {
  if (!answer_class(class_id, tev_core::kClassIdIpAddress, this, out)) {
    CTevAsnOctetString::query_class(class_id, out);
  }
}

unsigned long CTevAsnIpAddress::get_ulong(long* err) const {
  tev_core::set_error(err, ASN_OK);
  const unsigned char* o = octets_.data;
  return (static_cast<unsigned long>(o[0]) << 24) | (static_cast<unsigned long>(o[1]) << 16) |
         (static_cast<unsigned long>(o[2]) << 8) | o[3];
}

long CTevAsnIpAddress::to_text_into(CTevAsnBuffer* buffer) const {
  if (buffer == nullptr) return ASN_E_INVALID_ARGUMENT;
  char text[16];
  const char* const end = put_dotted(text);
  return buffer->assign(text + 1, static_cast<unsigned long>(end - text - 1));
}

long CTevAsnIpAddress::set_ulong(unsigned long value) {
  if (!tev_core::fits_u32(value)) return ASN_E_INVALID_ARGUMENT;
  for (int i = 3; i >= 0; --i, value >>= 8) {
    octets_.data[i] = static_cast<unsigned char>(value & 0xFF);
  }
  return ASN_OK;
}

long CTevAsnIpAddress::set_text(const char* text) {
  // The common form, four plain fields of one to three digits within 0..255,
  // is read here; anything else (space, signs, leading zeros beyond three
  // digits, out of range, malformed) goes to the general field reader, which
  // gives the result sscanf would.
  unsigned char octets[4];
  const char* p = text;
  for (int i = 0; p != nullptr && i < 4; ++i) {
    if (i != 0 && *p++ != '.') p = nullptr;
    unsigned value = 0;
    int digits = 0;
    for (; p != nullptr && digits < 4 && tev_base::is_digit(*p); ++p, ++digits) {
      value = value * 10 + static_cast<unsigned>(*p - '0');
    }
    if (digits == 0 || digits > 3 || value > 0xFF) p = nullptr;
    octets[i] = static_cast<unsigned char>(value);
  }
  if (p == nullptr || octets_.length != 4) return set_text_fields(text, "d.d.d.d", 4, false);
  std::memcpy(octets_.data, octets, 4);
  return ASN_OK;
}

char* CTevAsnIpAddress::put_dotted(char* out) const {
  return tev_base::write_dotted_octets(out, octets_.data, 4);
}
