// CTevAsnIpAddress: the SMI IpAddress value, four octets in network order, with
// the dotted decimal text form and the 32-bit number form (octet 0 most
// significant). The IPv4 address with port builds on it.
#ifndef TEVASNVALUE_SRC_OCTETS_CTEVASNIPADDRESS_H
#define TEVASNVALUE_SRC_OCTETS_CTEVASNIPADDRESS_H

#include "octets/CTevAsnFixedOctets.h"

class CTevAsnIpAddress : public CTevAsnFixedOctets {
 public:
  CTevAsnIpAddress() : CTevAsnFixedOctets(4, kNoDomain) {}

  long accept(ITevAsnValueVisitor* visitor) override;
  ITevAsnValue* clone(long* err) const override;
  NTevAsnValue::EAsnType get_type() const override;
  void query_class(unsigned long class_id, void** out) const override;
  unsigned long get_ulong(long* err) const override;
  long to_text_into(CTevAsnBuffer* buffer) const override;
  long set_ulong(unsigned long value) override;
  /// Reads "a.b.c.d"; -2 for a null or malformed text or a number outside
  /// 0..255, keeping the octets stored before that number.
  long set_text(const char* text) override;

 protected:
  CTevAsnIpAddress(std::uint32_t size, std::uint32_t domain) : CTevAsnFixedOctets(size, domain) {}

  /// Writes the four address octets as ".a.b.c.d" (a dot before each, as the
  /// octet writer gives them) at `out`, which has room for 16; returns the
  /// position after the text (no terminating zero).
  char* put_dotted(char* out) const;
};

#endif  // TEVASNVALUE_SRC_OCTETS_CTEVASNIPADDRESS_H
