#include "oid/CTevOidIndexCodec.h"

#include "TevAsnValue.h"
#include "framework/TevCreateFilled.h"
#include "oid/CTevAsnObjectId.h"

using namespace NTevAsnValue;

long CTevOidIndexCodec::encode(const CTevAsnObjectId& source, ITevAsnObjectID* target,
                               long implied) {
  if (implied != 0) return target->append_oid(&source);
  const unsigned long before = target->get_count();
  long code = target->append_sub_id(source.get_count());
  if (code != ASN_OK) return code;
  code = target->append_oid(&source);
  // Take the length prefix back, so that a failure leaves the target as it was.
  if (code != ASN_OK) target->erase_sub_ids(before, tev_core::kMax32);
  return code;
}

long CTevOidIndexCodec::decode(CTevAsnObjectId* target, const ITevAsnObjectID* source, long implied,
                               unsigned long length) {
  target->clear();
  unsigned long n = 0;
  unsigned long first = 0;
  if (implied == 0) {
    long code = ASN_OK;
    n = source->get_at(0, &code);
    if (code != ASN_OK) return code;
    if (n > source->get_count()) return ASN_E_SUBID_RANGE;
    first = 1;
  } else {
    n = tev_core::is_all(length) ? source->get_count() : length;
  }
  for (unsigned long i = 0; i < n; ++i) {
    long code = ASN_OK;
    const unsigned long sub_id = source->get_at(first + i, &code);
    if (code == ASN_OK) code = target->append_sub_id(sub_id);
    if (code != ASN_OK) return code;
  }
  return ASN_OK;
}

long CTevOidIndexCodec::append_value_text(ITevAsnObjectID* oid, const char* text, EAsnType type,
                                          long implied) {
  if (text == nullptr) return ASN_E_INVALID_ARGUMENT;
  long code = ASN_OK;
  ITevAsnValue* value = tev_create_asn_value(type, &code);
  if (value == nullptr) return code;
  code = value->set_text(text);
  if (code == ASN_OK) code = oid->append_value(value, implied);
  value->release();
  return code;
}

ITevAsnValue* CTevOidIndexCodec::take_value(ITevAsnObjectID* oid, EAsnType type, long* err,
                                            long implied, unsigned long length) {
  return tev_core::create_filled(
      err, [type](long* code) { return tev_create_asn_value(type, code); },
      [=](ITevAsnValue* value) { return oid->take_value_into(value, implied, length); });
}

ITevAsnValue* CTevOidIndexCodec::read_value(const ITevAsnObjectID* oid, EAsnType type, long* err,
                                            long implied) {
  return tev_core::create_filled(
      err, [type](long* code) { return tev_create_asn_value(type, code); },
      [=](ITevAsnValue* value) { return oid->read_value_into(value, implied); });
}
