// CTevAsnIpv6Address: a 128-bit IPv6 address, sixteen octets in network order,
// with the text form of eight colon-separated hexadecimal groups (every group
// written, no "::" shortening, which is also refused on input).
#ifndef TEVASNVALUE_SRC_OCTETS_CTEVASNIPV6ADDRESS_H
#define TEVASNVALUE_SRC_OCTETS_CTEVASNIPV6ADDRESS_H

#include "octets/CTevAsnFixedOctets.h"

class CTevAsnIpv6Address final : public CTevAsnFixedOctets {
 public:
  CTevAsnIpv6Address() : CTevAsnFixedOctets(16, kNoDomain) {}

  long accept(ITevAsnValueVisitor* visitor) override;
  ITevAsnValue* clone(long* err) const override;
  NTevAsnValue::EAsnType get_type() const override;
  void query_class(unsigned long class_id, void** out) const override;
  long to_text_into(CTevAsnBuffer* buffer) const override;
  /// Reads eight hexadecimal groups; each keeps its low 16 bits. -2 for a null
  /// text, fewer than eight groups (value all zero) or a group beyond 32 bits
  /// (the groups before it stay).
  long set_text(const char* text) override;
};

#endif  // TEVASNVALUE_SRC_OCTETS_CTEVASNIPV6ADDRESS_H
