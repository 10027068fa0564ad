#include "octets/CTevAsnIpv6Address.h"

#include <cstddef>

#include "base/CTevIpText.h"

using namespace NTevAsnValue;

long CTevAsnIpv6Address::accept(ITevAsnValueVisitor* visitor) {
  return visitor->visit_ipv6_address(this);
}

ITevAsnValue* CTevAsnIpv6Address::clone(long* err) const {
  return clone_as<CTevAsnIpv6Address>(err);
}

EAsnType CTevAsnIpv6Address::get_type() const { return ASN_IPV6_ADDRESS; }

void CTevAsnIpv6Address::query_class(unsigned long class_id, void** out) const {
  if (!answer_class(class_id, tev_core::kClassIdIpv6Address, this, out)) {
    CTevAsnOctetString::query_class(class_id, out);
  }
}

long CTevAsnIpv6Address::to_text_into(CTevAsnBuffer* buffer) const {
  if (buffer == nullptr) return ASN_E_INVALID_ARGUMENT;
  // The eight groups in full: the form this type's text contract fixes.
  char text[CTevIpText::kIpv6Room];
  char* const end = CTevIpText::write_ipv6(text, octets_.data, CTevIpText::Form::kEightGroups);
  return buffer->assign(text, static_cast<unsigned long>(end - text));
}

long CTevAsnIpv6Address::set_text(const char* text) {
  if (text == nullptr) return ASN_E_INVALID_ARGUMENT;
  const long code = reset();
  if (code != ASN_OK) return code;
  tev_core::ScannedField fields[8];
  if (tev_core::scan_fields(text, "x:x:x:x:x:x:x:x", fields) < 8) return ASN_E_INVALID_ARGUMENT;
  for (std::size_t group = 0; group < 8; ++group) {
    std::uint32_t bits = 0;
    if (!tev_core::field_bits(fields[group], &bits)) return ASN_E_INVALID_ARGUMENT;
    octets_.data[2 * group] = static_cast<unsigned char>((bits >> 8) & 0xFF);
    octets_.data[2 * group + 1] = static_cast<unsigned char>(bits & 0xFF);
  }
  return ASN_OK;
}
