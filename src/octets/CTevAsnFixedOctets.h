// CTevAsnFixedOctets: the rules shared by the address values, which hold a
// fixed number of octets (IpAddress 4, IPv6 16, IPv4 with port 6, IPX 12).
//
// The store always holds exactly that many octets, within the store itself (no
// block): initialize creates them zeroed, clear zeroes them in place, and
// set_octets accepts only that many.
// The index encoding is the OCTET STRING one, preceded by a transport-domain
// sub-identifier for the types that have one (UDP 1, IPX 5; RFC 3417), and its
// length prefix must match the fixed size when decoding. The last two octets
// of the types with a port hold it big-endian.
#ifndef TEVASNVALUE_SRC_OCTETS_CTEVASNFIXEDOCTETS_H
#define TEVASNVALUE_SRC_OCTETS_CTEVASNFIXEDOCTETS_H

#include <cstddef>
#include <cstdint>

#include "octets/CTevAsnOctetString.h"
#include "octets/TevAddressText.h"

class CTevAsnFixedOctets : public CTevAsnOctetString {
 public:
  void clear() override;
  long set_octets(const unsigned char* data, unsigned long length) override;
  unsigned long get_count() const override;
  unsigned long get_oid_length(long implied) const override;
  long append_to_oid(ITevAsnObjectID* oid, long implied) const override;
  /// The count argument is ignored: the size is fixed.
  long set_from_oid(const ITevAsnObjectID* oid, long implied, unsigned long length) override;

  /// Creates the fixed number of zero octets: 0, or -3.
  long initialize() override;

 protected:
  CTevAsnFixedOctets(std::uint32_t size, std::uint32_t domain) : size_(size), domain_(domain) {}

  /// Zeroes the value and makes sure all its octets exist, as the text setters
  /// need before they write octets in place: 0, or -3.
  long reset();

  /// set_text of the address forms read by tev_core::scan_fields: `pattern` holds
  /// `octets` octet fields (0..255) and, when `with_port`, then a port field
  /// (0..65535, stored with the value's own set_port). -2 for a text that does
  /// not match or a field out of range; the octets stored before it stay.
  long set_text_fields(const char* text, const char* pattern, std::size_t octets, bool with_port);

  /// The port held big-endian in the last two octets.
  unsigned short trailing_port(long* err) const;
  long set_trailing_port(unsigned short port);

 private:
  const std::uint32_t size_;
  const std::uint32_t domain_;
};

#endif  // TEVASNVALUE_SRC_OCTETS_CTEVASNFIXEDOCTETS_H
