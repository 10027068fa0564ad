// CTevAsnIpxAddress: an IPX address of twelve octets laid out as the SNMPv2 IPX
// transport address (RFC 3417): network number (4), node (6), socket (2, big-
// endian). Text form "nnnnnnnn:hhhhhhhhhhhh/socket" in lower-case hexadecimal.
// Its index encoding starts with the IPX transport domain 5.
#ifndef TEVASNVALUE_SRC_OCTETS_CTEVASNIPXADDRESS_H
#define TEVASNVALUE_SRC_OCTETS_CTEVASNIPXADDRESS_H

#include "octets/CTevAsnFixedOctets.h"

class CTevAsnIpxAddress final : public CTevAsnFixedOctets {
 public:
  CTevAsnIpxAddress() : CTevAsnFixedOctets(12, 5) {}

  long accept(ITevAsnValueVisitor* visitor) override;
  ITevAsnValue* clone(long* err) const override;
  NTevAsnValue::EAsnType get_type() const override;
  void query_class(unsigned long class_id, void** out) const override;
  /// Stores the characters alone, like every other text form.
  long to_text_into(CTevAsnBuffer* buffer) const override;
  /// The socket number.
  unsigned short get_port(long* err) const override;
  /// Reads ten two-digit hexadecimal octets (four, a colon, six), a slash and
  /// the socket; -2 for a null or malformed text, a negative octet or a socket
  /// above 0xFFFF, keeping what was stored before the failing number.
  long set_text(const char* text) override;
  long set_port(unsigned short port) override;
};

#endif  // TEVASNVALUE_SRC_OCTETS_CTEVASNIPXADDRESS_H
