// The exported functions of TevAsnDisplay.h: argument checks, then the
// internal classes, the result built in one CTevTextBuilder and stored once.
#include "TevAsnDisplay.h"
#include "base/CTevTextBuilder.h"
#include "base/TevReason.h"
#include "display/CTevIntegerHint.h"
#include "display/CTevOctetHint.h"
#include "display/CTevOpaqueNumber.h"
#include "display/CTevTextualConvention.h"

using namespace NTevAsnValue;
using tev_base::fail;

namespace {

long store(long rc, const CTevTextBuilder& built, CTevAsnBuffer* out) {
  return rc != ASN_OK ? rc : built.store_into(out);
}

const CTevTextualConvention* find_tc(const char* name, CTevAsnBuffer* reason) {
  const CTevTextualConvention* tc = CTevTextualConvention::find(name);
  if (tc == nullptr) fail(reason, ASN_E_TC_UNKNOWN, "no textual convention named '%.64s'", name);
  return tc;
}

}  // namespace

long tev_format_octets(const unsigned char* octets, unsigned long length, ETevOctetsAs as,
                       CTevAsnBuffer* out) {
  if (out == nullptr || (octets == nullptr && length != 0)) return ASN_E_INVALID_ARGUMENT;
  if (as != TEV_OCTETS_TEXT && as != TEV_OCTETS_HEX && as != TEV_OCTETS_AUTO) {
    return ASN_E_INVALID_ARGUMENT;
  }
  CTevTextBuilder built;
  built.append_octets(octets, length, as);
  return built.store_into(out);
}

long tev_format_value(const ITevAsnValue* value, ETevOctetsAs as, CTevAsnBuffer* out) {
  if (value == nullptr || out == nullptr) return ASN_E_INVALID_ARGUMENT;
  const EAsnType type = value->get_type();
  if (type != ASN_OCTET_STRING && type != ASN_OPAQUE) return value->to_text_into(out);
  unsigned long length = 0;
  long err = ASN_OK;
  const unsigned char* octets = value->get_octets(&length, &err);
  // A value of the caller's own that refuses its octets is no OCTET STRING.
  if (err != ASN_OK) return err == ASN_E_OUT_OF_MEMORY ? err : ASN_E_INVALID_ARGUMENT;
  return tev_format_octets(octets, length, as, out);
}

long tev_format_octets_hint(const char* hint, const unsigned char* octets, unsigned long length,
                            CTevAsnBuffer* out, CTevAsnBuffer* reason) {
  if (hint == nullptr || out == nullptr || (octets == nullptr && length != 0)) {
    return ASN_E_INVALID_ARGUMENT;
  }
  CTevTextBuilder built;
  const long rc = CTevOctetHint::format(hint, octets, length, &built, reason);
  return store(rc, built, out);
}

long tev_parse_octets_hint(const char* hint, const char* text, unsigned long length,
                           CTevAsnBuffer* out, CTevAsnBuffer* reason) {
  if (hint == nullptr || out == nullptr || (text == nullptr && length != 0)) {
    return ASN_E_INVALID_ARGUMENT;
  }
  CTevOctetHint parsed;
  long rc = parsed.parse(hint, reason);
  if (rc != ASN_OK) return rc;
  CTevTextBuilder built;
  rc = parsed.read(text, length, &built, reason);
  return store(rc, built, out);
}

long tev_format_integer_hint(const char* hint, long long value, CTevAsnBuffer* out,
                             CTevAsnBuffer* reason) {
  if (hint == nullptr || out == nullptr) return ASN_E_INVALID_ARGUMENT;
  CTevIntegerHint parsed;
  const long rc = parsed.parse(hint, reason);
  if (rc != ASN_OK) return rc;
  CTevTextBuilder built;
  parsed.format(value, &built);
  return built.store_into(out);
}

long tev_format_tc(const char* name, const unsigned char* octets, unsigned long length,
                   CTevAsnBuffer* out, CTevAsnBuffer* reason) {
  if (name == nullptr || out == nullptr || (octets == nullptr && length != 0)) {
    return ASN_E_INVALID_ARGUMENT;
  }
  const CTevTextualConvention* tc = find_tc(name, reason);
  if (tc == nullptr) return ASN_E_TC_UNKNOWN;
  long rc = tc->check_length(length, reason);
  if (rc != ASN_OK) return rc;
  CTevTextBuilder built;
  rc = tc->format(octets, length, &built, reason);
  return store(rc, built, out);
}

long tev_parse_tc(const char* name, const char* text, unsigned long length, CTevAsnBuffer* out,
                  CTevAsnBuffer* reason) {
  if (name == nullptr || out == nullptr || (text == nullptr && length != 0)) {
    return ASN_E_INVALID_ARGUMENT;
  }
  const CTevTextualConvention* tc = find_tc(name, reason);
  if (tc == nullptr) return ASN_E_TC_UNKNOWN;
  CTevTextBuilder built;
  long rc = tc->read(text, length, &built, reason);
  if (rc == ASN_OK && !built.failed()) rc = tc->check_length(built.length(), reason);
  return store(rc, built, out);
}

long tev_unwrap_opaque(const unsigned char* octets, unsigned long length, TevOpaqueNumber* out,
                       CTevAsnBuffer* reason) {
  if (out == nullptr || (octets == nullptr && length != 0)) return ASN_E_INVALID_ARGUMENT;
  return CTevOpaqueNumber::unwrap(octets, length, out, reason);
}

long tev_wrap_opaque(const TevOpaqueNumber* number, CTevAsnBuffer* out) {
  if (number == nullptr || out == nullptr) return ASN_E_INVALID_ARGUMENT;
  CTevTextBuilder built;
  if (!CTevOpaqueNumber::wrap(*number, &built)) return ASN_E_INVALID_ARGUMENT;
  return built.store_into(out);
}

long tev_format_opaque(const unsigned char* octets, unsigned long length, CTevAsnBuffer* out,
                       CTevAsnBuffer* reason) {
  if (out == nullptr || (octets == nullptr && length != 0)) return ASN_E_INVALID_ARGUMENT;
  TevOpaqueNumber number;
  const long rc = CTevOpaqueNumber::unwrap(octets, length, &number, reason);
  if (rc != ASN_OK) return rc;
  CTevTextBuilder built;
  CTevOpaqueNumber::format(number, &built);
  return built.store_into(out);
}
