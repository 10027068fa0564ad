// CTevAsnIpPortAddress: an IPv4 address with a 16-bit port, six octets laid out
// as the SNMPv2 UDP transport address (RFC 3417: address, then the port
// big-endian), with the text form "a.b.c.d/port". Its index encoding starts
// with the UDP transport domain 1. It keeps the IpAddress number form but is
// not cast to the IpAddress class.
#ifndef TEVASNVALUE_SRC_OCTETS_CTEVASNIPPORTADDRESS_H
#define TEVASNVALUE_SRC_OCTETS_CTEVASNIPPORTADDRESS_H

#include "octets/CTevAsnIpAddress.h"

class CTevAsnIpPortAddress final : public CTevAsnIpAddress {
 public:
  CTevAsnIpPortAddress() : CTevAsnIpAddress(6, 1) {}

  long accept(ITevAsnValueVisitor* visitor) override;
  ITevAsnValue* clone(long* err) const override;
  NTevAsnValue::EAsnType get_type() const override;
  void query_class(unsigned long class_id, void** out) const override;
  long to_text_into(CTevAsnBuffer* buffer) const override;
  unsigned short get_port(long* err) const override;
  /// Reads "a.b.c.d/port"; -2 for a null or malformed text (the port is
  /// required), an address number outside 0..255 or a port outside 0..65535,
  /// keeping what was stored before the failing number.
  long set_text(const char* text) override;
  long set_port(unsigned short port) override;
};

#endif  // TEVASNVALUE_SRC_OCTETS_CTEVASNIPPORTADDRESS_H
