// Strict reading of values from text: the whole text must be a value of the
// type's form and in its range, unlike the core's lenient set_text.
#include <cstring>

#include "TevAsnTable.h"
#include "TevAsnValue.h"
#include "base/CTevIpText.h"
#include "base/CTevTextBuilder.h"
#include "base/TevError.h"
#include "base/TevNumberText.h"
#include "base/TevTextScan.h"

using namespace NTevAsnValue;

namespace {

// The form each type's text takes, for the reason of a refusal.
const char* form_of(unsigned long type) {
  switch (type) {
    case ASN_INTEGER:
      return "an INTEGER (decimal -2147483648..2147483647)";
    case ASN_COUNTER:
    case ASN_GAUGE:
    case ASN_TIME_TICKS:
      return "a 32-bit unsigned number (decimal 0..4294967295)";
    case ASN_COUNTER_64:
      return "a Counter64 (decimal 0..18446744073709551615)";
    case ASN_IP_ADDRESS:
      return "an IpAddress (a.b.c.d, each 0..255)";
    case ASN_IPV6_ADDRESS:
      return "an IPv6 address (eight groups, or shortened with ::)";
    case ASN_IP_PORT_ADDRESS:
      return "an address with port (a.b.c.d/port, the port 0..65535)";
    case ASN_IPX_ADDRESS:
      return "an IPX address (8 hex digits:12 hex digits/1 to 4 hex digits)";
    default:
      return nullptr;
  }
}

bool is_hex_run(TevSpan text, unsigned long min, unsigned long max) {
  if (text.length < min || text.length > max) return false;
  for (unsigned long i = 0; i < text.length; ++i) {
    if (tev_base::hex_value(text.data[i]) < 0) return false;
  }
  return true;
}

// Splits `text` at the first `c`; false when there is none.
bool split_at(TevSpan text, char c, TevSpan* head, TevSpan* tail) {
  const unsigned long at = tev_base::find_char(text, c);
  if (at == text.length) return false;
  *head = {text.data, at};
  *tail = {text.data + at + 1, text.length - at - 1};
  return true;
}

bool is_ip_port(TevSpan text) {
  TevSpan address;
  TevSpan port;
  unsigned char octets[4];
  std::uint64_t number = 0;
  return split_at(text, '/', &address, &port) && tev_base::scan_ipv4(address, octets) &&
         tev_base::scan_decimal_field(port, 5, 65535, &number);
}

bool is_ipx(TevSpan text) {
  TevSpan address;
  TevSpan socket;
  TevSpan network;
  TevSpan node;
  return split_at(text, '/', &address, &socket) && split_at(address, ':', &network, &node) &&
         is_hex_run(network, 8, 8) && is_hex_run(node, 12, 12) && is_hex_run(socket, 1, 4);
}

// Checks the text of a number or an address and reads a 32-bit number into
// `number` (negative INTEGERs as their magnitude, `negative` set) and IPv6
// into `ipv6`; the other addresses are read by the core, which takes exactly
// these forms.
bool check_form(unsigned long type, TevSpan text, std::uint64_t* number, bool* negative,
                unsigned char* ipv6) {
  unsigned char ipv4[4];
  switch (type) {
    case ASN_INTEGER: {
      *negative = text.length != 0 && text.data[0] == '-';
      const TevSpan digits{text.data + (*negative ? 1 : 0), text.length - (*negative ? 1 : 0)};
      return tev_base::scan_decimal_field(digits, 20, *negative ? 2147483648ULL : 2147483647ULL,
                                          number);
    }
    case ASN_COUNTER:
    case ASN_GAUGE:
    case ASN_TIME_TICKS:
      return tev_base::scan_decimal_field(text, 20, 0xFFFFFFFFULL, number);
    case ASN_COUNTER_64:
      return tev_base::scan_decimal_field(text, 20, ~0ULL, number);
    case ASN_IP_ADDRESS:
      return tev_base::scan_ipv4(text, ipv4);
    case ASN_IPV6_ADDRESS: {
      unsigned long fault = 0;
      return CTevIpText::read_ipv6(text.data, text.length, ipv6, &fault);
    }
    case ASN_IP_PORT_ADDRESS:
      return is_ip_port(text);
    default:
      return is_ipx(text);
  }
}

ITevAsnValue* fail(long* err, long code) {
  tev_base::set_error(err, code);
  return nullptr;
}

long refuse(const char* text, unsigned long length, const char* form, CTevAsnBuffer* reason) {
  return CTevTextBuilder::refuse_as_not(ASN_E_VALUE_TEXT, text, length, form, reason);
}

ITevAsnValue* read_oid(const char* text, unsigned long length, CTevAsnBuffer* reason, long* err) {
  std::uint32_t sub_ids[ASN_MAX_SUB_IDS];
  unsigned long count = 0;
  long rc = tev_parse_sub_ids(text, length, sub_ids, ASN_MAX_SUB_IDS, &count, reason);
  if (rc == ASN_E_INVALID_ARGUMENT) rc = ASN_E_VALUE_TEXT;
  if (rc != ASN_OK) return fail(err, rc);
  ITevAsnObjectID* oid = tev_create_asn_object_id(&rc);
  for (unsigned long i = 0; oid != nullptr && rc == ASN_OK && i < count; ++i) {
    rc = oid->append_sub_id(sub_ids[i]);
  }
  if (oid != nullptr && rc != ASN_OK) {
    oid->release();
    oid = nullptr;
  }
  tev_base::set_error(err, rc);
  return oid;
}

ITevAsnValue* with_octets(unsigned long type, const CTevAsnBuffer& octets, long* err) {
  long rc = ASN_OK;
  ITevAsnValue* value = tev_create_asn_value(static_cast<EAsnType>(type), &rc);
  if (value != nullptr) rc = value->set_octets_from(&octets);
  if (value != nullptr && rc != ASN_OK) {
    value->release();
    value = nullptr;
  }
  tev_base::set_error(err, rc);
  return value;
}

}  // namespace

long tev_parse_hex_octets(const char* text, unsigned long length, CTevAsnBuffer* octets,
                          CTevAsnBuffer* reason) {
  if ((text == nullptr && length != 0) || octets == nullptr) return ASN_E_INVALID_ARGUMENT;
  bool separated = false;
  for (unsigned long i = 0; i < length; ++i) {
    const char c = text[i];
    if (c == ':' || c == '-' || c == ' ') {
      separated = true;
    } else if (tev_base::hex_value(c) < 0) {
      return refuse(text + i, 1, "a hexadecimal digit", reason);
    }
  }
  if (!separated && length % 2 != 0) {
    return refuse(text, length, "octets in hex (an odd number of digits)", reason);
  }
  unsigned char bytes[256];
  unsigned long filled = 0;
  long rc = octets->assign(nullptr, 0);
  unsigned long start = 0;
  while (rc == ASN_OK && start < length) {
    unsigned long end = start + 2;
    if (separated) {
      end = start;
      while (end < length && tev_base::hex_value(text[end]) >= 0) ++end;
      if (end == start || end - start > 2 || end + 1 == length) {
        return refuse(text, length,
                      "octets in hex (one or two digits each between ':', '-' or ' ')", reason);
      }
    }
    int value = 0;
    for (unsigned long i = start; i < end; ++i) value = value * 16 + tev_base::hex_value(text[i]);
    bytes[filled++] = static_cast<unsigned char>(value);
    if (filled == sizeof bytes) {
      rc = octets->append(bytes, filled);
      filled = 0;
    }
    start = separated ? end + 1 : end;
  }
  if (rc == ASN_OK) rc = octets->append(bytes, filled);
  return rc;
}

ITevAsnValue* tev_read_value(const char* text, unsigned long length, EAsnType type,
                             CTevAsnBuffer* reason, long* err) {
  if (text == nullptr && length != 0) return fail(err, ASN_E_INVALID_ARGUMENT);
  if (type == ASN_OBJECT_ID) return read_oid(text, length, reason, err);
  if (type == ASN_OCTET_STRING || type == ASN_OPAQUE) {
    CTevAsnBuffer octets;
    const long rc = tev_parse_hex_octets(text, length, &octets, reason);
    if (rc != ASN_OK) return fail(err, rc);
    return with_octets(type, octets, err);
  }
  const char* form = form_of(type);
  if (form == nullptr) return fail(err, ASN_E_INVALID_ARGUMENT);
  std::uint64_t number = 0;
  bool negative = false;
  unsigned char ipv6[16];
  if (!check_form(type, {text, length}, &number, &negative, ipv6)) {
    return fail(err, refuse(text, length, form, reason));
  }
  const EAsnType asn_type = static_cast<EAsnType>(type);
  if (type == ASN_INTEGER) {
    const long signed_number = negative ? static_cast<long>(-static_cast<std::int64_t>(number))
                                        : static_cast<long>(number);
    return tev_create_asn_value(signed_number, asn_type, err);
  }
  if (type == ASN_COUNTER || type == ASN_GAUGE || type == ASN_TIME_TICKS) {
    return tev_create_asn_value(static_cast<unsigned long>(number), asn_type, err);
  }
  if (type == ASN_IPV6_ADDRESS) {
    CTevAsnBuffer octets;
    const long rc = octets.assign(ipv6, sizeof ipv6);
    if (rc != ASN_OK) return fail(err, rc);
    return with_octets(type, octets, err);
  }
  // Every form left is short: at most 20 digits, or an address of at most 26.
  char copy[48];
  std::memcpy(copy, text, length);
  copy[length] = '\0';
  return tev_create_asn_value(copy, asn_type, err);
}
