// The seven exported creation functions: the only entry points of the library.
#include "TevAsnValue.h"
#include "framework/CTevAsnNull.h"
#include "framework/TevCreateFilled.h"
#include "octets/CTevAsnIpAddress.h"
#include "octets/CTevAsnIpPortAddress.h"
#include "octets/CTevAsnIpv6Address.h"
#include "octets/CTevAsnIpxAddress.h"
#include "octets/CTevAsnOctetString.h"
#include "octets/CTevAsnOpaque.h"
#include "oid/CTevAsnObjectId.h"
#include "scalar/CTevAsnCounter.h"
#include "scalar/CTevAsnCounter64.h"
#include "scalar/CTevAsnException.h"
#include "scalar/CTevAsnGauge.h"
#include "scalar/CTevAsnInteger.h"
#include "scalar/CTevAsnTimeTicks.h"

using namespace NTevAsnValue;

namespace {

// The concrete class of every type tag, constructed and initialized; null with
// `*code` set (-2 for an unknown tag, -3 when memory runs out).
CTevAsnValueBase* construct(EAsnType type, long* code) {
  switch (type) {
    case ASN_INTEGER:
      return CTevAsnValueBase::create<CTevAsnInteger>(code);
    case ASN_OCTET_STRING:
      return CTevAsnValueBase::create<CTevAsnOctetString>(code);
    case ASN_NULL:
      return CTevAsnValueBase::create<CTevAsnNull>(code);
    case ASN_OBJECT_ID:
      return CTevAsnValueBase::create<CTevAsnObjectId>(code);
    case ASN_IP_ADDRESS:
      return CTevAsnValueBase::create<CTevAsnIpAddress>(code);
    case ASN_OPAQUE:
      return CTevAsnValueBase::create<CTevAsnOpaque>(code);
    case ASN_IPV6_ADDRESS:
      return CTevAsnValueBase::create<CTevAsnIpv6Address>(code);
    case ASN_IP_PORT_ADDRESS:
      return CTevAsnValueBase::create<CTevAsnIpPortAddress>(code);
    case ASN_IPX_ADDRESS:
      return CTevAsnValueBase::create<CTevAsnIpxAddress>(code);
    case ASN_COUNTER:
      return CTevAsnValueBase::create<CTevAsnCounter>(code);
    case ASN_GAUGE:
      return CTevAsnValueBase::create<CTevAsnGauge>(code);
    case ASN_TIME_TICKS:
      return CTevAsnValueBase::create<CTevAsnTimeTicks>(code);
    case ASN_COUNTER_64:
      return CTevAsnValueBase::create<CTevAsnCounter64>(code);
    case ASN_NO_SUCH_OBJECT:
    case ASN_NO_SUCH_INSTANCE:
    case ASN_END_OF_MIB_VIEW:
      return CTevAsnValueBase::create<CTevAsnException>(code, type);
    default:
      *code = ASN_E_INVALID_ARGUMENT;
      return nullptr;
  }
}

// Runs `set` on a new value of `type`; releases the value when it fails.
template <class Setter>
ITevAsnValue* create_and_set(EAsnType type, long* err, Setter set) {
  return tev::create_filled(
      err, [type](long* code) -> ITevAsnValue* { return construct(type, code); }, set);
}

}  // namespace

ITevAsnValue* tev_create_asn_value(EAsnType type, long* err) {
  return create_and_set(type, err, [](ITevAsnValue*) { return ASN_OK; });
}

ITevAsnValue* tev_create_asn_value(long value, EAsnType type, long* err) {
  return create_and_set(type, err, [value](ITevAsnValue* v) { return v->set_long(value); });
}

ITevAsnValue* tev_create_asn_value(unsigned long value, EAsnType type, long* err) {
  return create_and_set(type, err, [value](ITevAsnValue* v) { return v->set_ulong(value); });
}

ITevAsnValue* tev_create_asn_value(const char* text, EAsnType type, long* err) {
  if (text == nullptr) {
    tev::set_error(err, ASN_E_INVALID_ARGUMENT);
    return nullptr;
  }
  return create_and_set(type, err, [text](ITevAsnValue* v) {
    const long code = v->set_text(text);
    if (code != ASN_OK) return code;
    return v->is_valid() ? ASN_OK : ASN_E_INVALID_ARGUMENT;
  });
}

ITevAsnObjectID* tev_create_asn_object_id(long* err) {
  long code = ASN_OK;
  ITevAsnObjectID* oid = CTevAsnValueBase::create<CTevAsnObjectId>(&code);
  tev::set_error(err, code);
  return oid;
}

// Unlike the text overload of tev_create_asn_value, a null text is accepted and
// gives the empty object identifier.
ITevAsnObjectID* tev_create_asn_object_id(const char* text, long* err) {
  return tev::create_filled(
      err, [](long* code) { return CTevAsnValueBase::create<CTevAsnObjectId>(code); },
      [text](CTevAsnObjectId* oid) {
        const long code = oid->set_text(text);
        if (code != ASN_OK) return code;
        return oid->is_valid() ? ASN_OK : ASN_E_INVALID_ARGUMENT;
      });
}

ITevAsnValue* tev_create_asn_counter_64(unsigned long high, unsigned long low, long* err) {
  ITevAsnValue* value = tev::create_filled(
      err, [](long* code) { return CTevAsnValueBase::create<CTevAsnCounter64>(code); },
      [high, low](CTevAsnCounter64* counter) {
        const long code = counter->set_high(high);
        return code != ASN_OK ? code : counter->set_low(low);
      });
  return value;
}
