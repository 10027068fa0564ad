// CTevAsnOctetString: the ASN.1 OCTET STRING value, and the base of every value
// held as octets. It owns the octet store and the rules all of them share:
// assign and compare by type and octets, the raw-octet text form, and the
// instance-index encoding of octets (RFC 2578 section 7.7).
#ifndef TEVASNVALUE_SRC_OCTETS_CTEVASNOCTETSTRING_H
#define TEVASNVALUE_SRC_OCTETS_CTEVASNOCTETSTRING_H

#include "framework/CTevAsnValueBase.h"
#include "octets/CTevOctetArray.h"

class CTevAsnOctetString : public CTevAsnValueBase {
 public:
  CTevAsnOctetString() = default;

  long accept(ITevAsnValueVisitor* visitor) override;
  ITevAsnValue* clone(long* err) const override;
  long assign(const ITevAsnValue* src) override;
  void clear() override;
  NTevAsnValue::EAsnType get_type() const override;
  bool is_equal(const ITevAsnValue* other) const override;
  void query_class(unsigned long class_id, void** out) const override;
  long to_text_into(CTevAsnBuffer* buffer) const override;
  const unsigned char* get_octets(unsigned long* length, long* err) const override;
  long set_text(const char* text) override;
  long set_octets(const unsigned char* data, unsigned long length) override;
  unsigned long get_count() const override;
  unsigned long get_oid_length(long implied) const override;
  unsigned long get_at(unsigned long index, long* err) const override;
  long append_to_oid(ITevAsnObjectID* oid, long implied) const override;
  long assign_to_oid(ITevAsnObjectID* oid, long implied) const override;
  long set_from_oid(const ITevAsnObjectID* oid, long implied, unsigned long length) override;

  /// The store itself, for tests of the growth rule.
  const CTevOctetArray& octets() const { return octets_; }

 protected:
  /// Reads `n` sub-identifiers of `oid` from position `first` as octets,
  /// writing them from octet `at` on (in place or by appending). An error of
  /// get_at passes through; a sub-identifier above 255 gives -401; the octets
  /// written before a failure stay.
  long read_octets(const ITevAsnObjectID* oid, unsigned long first, unsigned long n,
                   unsigned long at);

  CTevOctetArray octets_;
};

#endif  // TEVASNVALUE_SRC_OCTETS_CTEVASNOCTETSTRING_H
