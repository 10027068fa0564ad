#include "octets/CTevAsnIpxAddress.h"

#include "base/TevNumberText.h"

using namespace NTevAsnValue;

long CTevAsnIpxAddress::accept(ITevAsnValueVisitor* visitor) {
  return visitor->visit_ipx_address(this);
}

ITevAsnValue* CTevAsnIpxAddress::clone(long* err) const { return clone_as<CTevAsnIpxAddress>(err); }

EAsnType CTevAsnIpxAddress::get_type() const { return ASN_IPX_ADDRESS; }

void CTevAsnIpxAddress::query_class(unsigned long class_id, void** out) const {
  if (!answer_class(class_id, tev_core::kClassIdIpx, this, out)) {
    CTevAsnOctetString::query_class(class_id, out);
  }
}

long CTevAsnIpxAddress::to_text_into(CTevAsnBuffer* buffer) const {
  if (buffer == nullptr) return ASN_E_INVALID_ARGUMENT;
  char text[28];
  char* end = text;
  for (int i = 0; i < 10; ++i) {
    if (i == 4) *end++ = ':';
    end = tev_base::write_hex(end, octets_.data[i], 2);
  }
  *end++ = '/';
  end = tev_base::write_hex(end, get_port(nullptr));
  return buffer->assign(text, static_cast<unsigned long>(end - text));
}

unsigned short CTevAsnIpxAddress::get_port(long* err) const { return trailing_port(err); }

long CTevAsnIpxAddress::set_text(const char* text) {
  return set_text_fields(text, "hhhh:hhhhhh/x", 10, true);
}

long CTevAsnIpxAddress::set_port(unsigned short port) { return set_trailing_port(port); }
