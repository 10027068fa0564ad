#include "table/CTevIndexWordCodec.h"

#include "base/TevError.h"
#include "table/TevInetAddress.h"

using namespace NTevAsnValue;

void CTevIndexWordCodec::append_count(CTevTextBuilder* out, unsigned long n) {
  out->append_decimal(static_cast<std::uint32_t>(n));
  out->append_text(n == 1 ? " sub-identifier" : " sub-identifiers");
}

long CTevIndexWordCodec::encode(const TevLayoutWord& word, ITevAsnValue* const* values,
                                ITevAsnObjectID* oid, CTevTextBuilder* why) {
  ITevAsnValue* value = values[word.pub.first_value];
  if (value == nullptr ||
      (word.pub.value_count == 2 && values[word.pub.first_value + 1] == nullptr)) {
    why->append_text("the value is missing");
    return ASN_E_INVALID_ARGUMENT;
  }
  if (word.shape == ETevIndexShape::kNone) {
    why->append_text("has no index encoding");
    return ASN_E_NOT_SUPPORTED;
  }
  if (value->get_type() != word.pub.type) {
    why->append_text("needs a value of type tag ");
    why->append_decimal(word.pub.type);
    why->append_text(", not ");
    why->append_decimal(value->get_type());
    return ASN_E_INVALID_ARGUMENT;
  }
  if (word.shape == ETevIndexShape::kInet) {
    ITevAsnValue* address = values[word.pub.first_value + 1];
    if (address->get_type() != ASN_OCTET_STRING) {
      why->append_text("the InetAddress needs an OCTET STRING value");
      return ASN_E_INVALID_ARGUMENT;
    }
    long type_err = ASN_OK;
    long octets_err = ASN_OK;
    const long type = value->get_long(&type_err);
    unsigned long length = 0;
    const unsigned char* octets = address->get_octets(&length, &octets_err);
    // A value of the caller's own that cannot give its number or octets.
    if (type_err != ASN_OK || octets_err != ASN_OK || (octets == nullptr && length != 0)) {
      why->append_text("the InetAddressType or InetAddress value refuses to be read");
      return ASN_E_INVALID_ARGUMENT;
    }
    if (type < 0 || !tev_table::inet_length_agrees(static_cast<std::uint32_t>(type), length)) {
      tev_table::inet_append_mismatch(why, static_cast<std::uint32_t>(type), length);
      return ASN_E_INET_ADDRESS;
    }
    long rc = oid->append_sub_id(static_cast<unsigned long>(type));
    if (rc == ASN_OK) rc = oid->append_sub_id(length);
    for (unsigned long i = 0; i < length && rc == ASN_OK; ++i) rc = oid->append_sub_id(octets[i]);
    return rc;
  }
  if (word.pub.kind == TEV_INDEX_FIXED && value->get_count() != word.octets) {
    why->append_text("takes exactly ");
    why->append_decimal(word.octets);
    why->append_text(" octets, not ");
    why->append_decimal(static_cast<std::uint32_t>(value->get_count()));
    return ASN_E_INVALID_ARGUMENT;
  }
  const long rc = oid->append_value(value, word.pub.implied);
  if (rc != ASN_OK && rc != ASN_E_OUT_OF_MEMORY) {
    why->append_text("cannot be encoded: the library refuses it with ");
    why->append_signed(static_cast<std::int32_t>(rc));
  }
  return rc;
}
