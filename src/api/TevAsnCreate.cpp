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

// A new value and its code, returned together in registers.
struct Constructed {
  ITevAsnValue* value;
  long code;
};

// create<T> seen as the interface while the class is still known, so that the
// conversion to the virtual base needs no look-up in the object.
template <class T, class... Args>
Constructed make(Args... args) {
  long code = ASN_OK;
  ITevAsnValue* value = CTevAsnValueBase::create<T>(&code, args...);
  return {value, code};
}

// The concrete class of every type tag, constructed and initialized; null with
// the code set (-2 for an unknown tag, -3 when memory runs out).
Constructed construct(EAsnType type) {
  switch (type) {
    case ASN_INTEGER:
      return make<CTevAsnInteger>();
    case ASN_OCTET_STRING:
      return make<CTevAsnOctetString>();
    case ASN_NULL:
      return make<CTevAsnNull>();
    case ASN_OBJECT_ID:
      return make<CTevAsnObjectId>();
    case ASN_IP_ADDRESS:
      return make<CTevAsnIpAddress>();
    case ASN_OPAQUE:
      return make<CTevAsnOpaque>();
    case ASN_IPV6_ADDRESS:
      return make<CTevAsnIpv6Address>();
    case ASN_IP_PORT_ADDRESS:
      return make<CTevAsnIpPortAddress>();
    case ASN_IPX_ADDRESS:
      return make<CTevAsnIpxAddress>();
    case ASN_COUNTER:
      return make<CTevAsnCounter>();
    case ASN_GAUGE:
      return make<CTevAsnGauge>();
    case ASN_TIME_TICKS:
      return make<CTevAsnTimeTicks>();
    case ASN_COUNTER_64:
      return make<CTevAsnCounter64>();
    case ASN_NO_SUCH_OBJECT:
    case ASN_NO_SUCH_INSTANCE:
    case ASN_END_OF_MIB_VIEW:
      return make<CTevAsnException>(type);
    default:
      return {nullptr, ASN_E_INVALID_ARGUMENT};
  }
}

// Runs `set` on a new value of `type`; releases the value when it fails.
template <class Setter>
ITevAsnValue* create_and_set(EAsnType type, long* err, Setter set) {
  return tev_core::create_filled(
      err,
      [type](long* code) {
        const Constructed made = construct(type);
        *code = made.code;
        return made.value;
      },
      set);
}

}  // namespace

ITevAsnValue* tev_create_asn_value(EAsnType type, long* err) {
  const Constructed made = construct(type);
  tev_core::set_error(err, made.code);
  return made.value;
}

ITevAsnValue* tev_create_asn_value(long value, EAsnType type, long* err) {
  return create_and_set(type, err, [value](ITevAsnValue* v) { return v->set_long(value); });
}

ITevAsnValue* tev_create_asn_value(unsigned long value, EAsnType type, long* err) {
  return create_and_set(type, err, [value](ITevAsnValue* v) { return v->set_ulong(value); });
}

ITevAsnValue* tev_create_asn_value(const char* text, EAsnType type, long* err) {
  if (text == nullptr) {
    tev_core::set_error(err, ASN_E_INVALID_ARGUMENT);
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
  tev_core::set_error(err, code);
  return oid;
}

// Unlike the text overload of tev_create_asn_value, a null text is accepted and
// gives the empty object identifier.
ITevAsnObjectID* tev_create_asn_object_id(const char* text, long* err) {
  return tev_core::create_filled(
      err, [](long* code) { return CTevAsnValueBase::create<CTevAsnObjectId>(code); },
      [text](CTevAsnObjectId* oid) {
        const long code = oid->set_text(text);
        if (code != ASN_OK) return code;
        return oid->is_valid() ? ASN_OK : ASN_E_INVALID_ARGUMENT;
      });
}

ITevAsnValue* tev_create_asn_counter_64(unsigned long high, unsigned long low, long* err) {
  ITevAsnValue* value = tev_core::create_filled(
      err, [](long* code) { return CTevAsnValueBase::create<CTevAsnCounter64>(code); },
      [high, low](CTevAsnCounter64* counter) {
        const long code = counter->set_high(high);
        return code != ASN_OK ? code : counter->set_low(low);
      });
  return value;
}
