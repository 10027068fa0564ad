// CTevAsnOctetString: the ASN.1 OCTET STRING value, and the base of every value
// held as octets. It owns the octet store and the rules all of them share:
// assign and compare by type and octets, the raw-octet text form, and the
// instance-index encoding of octets (RFC 2578 section 7.7).
#ifndef TEVASNVALUE_SRC_OCTETS_CTEVASNOCTETSTRING_H
#define TEVASNVALUE_SRC_OCTETS_CTEVASNOCTETSTRING_H

#include <cstdint>

#include "base/TevColdPath.h"
#include "framework/CTevAsnValueBase.h"
#include "framework/ITevOidOctets.h"
#include "framework/TevSubId.h"
#include "octets/CTevOctetArray.h"

class ITevOidOctets;

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
  /// No transport domain: the index encoding starts with the length prefix.
  static constexpr std::uint32_t kNoDomain = 0;
  /// Any number of octets (not a fixed size).
  static constexpr std::uint32_t kAnySize = 0;

  /// The octet-index codec of every octet type: appends to `oid` the
  /// transport domain (unless kNoDomain), the length prefix (unless implied)
  /// and one sub-identifier per octet for the first `count` octets (the
  /// caller's get_count, passed so that it needs no virtual call).
  /// Sub-identifiers appended before a failure stay.
  long encode_index(ITevAsnObjectID* oid, long implied, std::uint32_t domain,
                    unsigned long count) const;
  /// Decodes what encode_index writes. Of `fixed` octets (kAnySize: the length
  /// prefix or, implied, `length` up to all that remain): a wrong domain or a
  /// prefix that does not fit gives -401; errors of get_at pass through,
  /// except where a fixed size makes a missing prefix -401 as well.
  long decode_index(const ITevAsnObjectID* oid, long implied, unsigned long length,
                    std::uint32_t domain, std::uint32_t fixed);

 private:
  // decode_index from the values an identifier of ours holds: true when the
  // index lies within them and decodes without error (the value then holds
  // it); false leaves the rest to the general path.
  bool decode_known(const TevSubIdView& view, long implied, unsigned long length,
                    std::uint32_t domain, std::uint32_t fixed);
  // decode_index by one get_at per sub-identifier, or by read_octets of
  // `ours` (the identifier's view when it is one of ours, else null);
  // reports every failure.
  TEV_COLD_PATH long decode_by_sub_id(const ITevAsnObjectID* oid, const ITevOidOctets* ours,
                                      long implied, unsigned long length, std::uint32_t domain,
                                      std::uint32_t fixed);

 protected:
  CTevOctetArray octets_;
};

#endif  // TEVASNVALUE_SRC_OCTETS_CTEVASNOCTETSTRING_H
