#include "octets/CTevAsnIpPortAddress.h"

#include <cstdint>

#include "base/TevNumberText.h"

using namespace NTevAsnValue;

long CTevAsnIpPortAddress::accept(ITevAsnValueVisitor* visitor) {
  return visitor->visit_ip_port_address(this);
}

ITevAsnValue* CTevAsnIpPortAddress::clone(long* err) const {
  return clone_as<CTevAsnIpPortAddress>(err);
}

EAsnType CTevAsnIpPortAddress::get_type() const { return ASN_IP_PORT_ADDRESS; }

void CTevAsnIpPortAddress::query_class(unsigned long class_id, void** out) const {
  // Skips the IpAddress id: a value with a port is not an IpAddress.
  if (!answer_class(class_id, tev_core::kClassIdIpPort, this, out)) {
    CTevAsnOctetString::query_class(class_id, out);  // NOLINT(bugprone-parent-virtual-call)
  }
}

long CTevAsnIpPortAddress::to_text_into(CTevAsnBuffer* buffer) const {
  if (buffer == nullptr) return ASN_E_INVALID_ARGUMENT;
  char text[24];
  char* end = put_dotted(text);
  *end++ = '/';
  end = tev_base::write_decimal(end, static_cast<std::uint32_t>(get_port(nullptr)));
  return buffer->assign(text + 1, static_cast<unsigned long>(end - text - 1));
}

unsigned short CTevAsnIpPortAddress::get_port(long* err) const { return trailing_port(err); }

long CTevAsnIpPortAddress::set_text(const char* text) {
  return set_text_fields(text, "d.d.d.d/d", 4, true);
}

long CTevAsnIpPortAddress::set_port(unsigned short port) { return set_trailing_port(port); }
