// One row per type tag: what every value of that type shows through the
// public interface. Shared by the client tests that sweep all types.
#ifndef TEVASNVALUE_TESTS_CLIENT_TYPETABLE_H
#define TEVASNVALUE_TESTS_CLIENT_TYPETABLE_H

#include "TevAsnValue.h"

struct TypeRow {
  const char* name;
  NTevAsnValue::EAsnType type;
  unsigned long class_id;
  const char* visitor_slot;
  const char* initial_text;  // null: the type has no text form
  const char* sample_text;   // set with set_text; null: no text form
  const char* index;         // sub-identifiers of the sample, implied 0; null: no index form
  bool from_long;            // whether the signed creation overload can succeed
  bool from_ulong;           // whether the unsigned creation overload can succeed
};

inline const TypeRow kTypeRows[] = {
    {"INTEGER", NTevAsnValue::ASN_INTEGER, 0xF0000002, "integer", "0", "-5", "4294967291", true,
     false},
    {"OCTET STRING", NTevAsnValue::ASN_OCTET_STRING, 0xF0000004, "octet_string", "", "ab",
     "2.97.98", false, false},
    {"NULL", NTevAsnValue::ASN_NULL, 0xF0000005, "null", nullptr, nullptr, nullptr, false, false},
    {"OBJECT IDENTIFIER", NTevAsnValue::ASN_OBJECT_ID, 0xF0000006, "object_id", "", "1.3.6",
     "3.1.3.6", false, true},
    {"IpAddress", NTevAsnValue::ASN_IP_ADDRESS, 0xF0000040, "ip_address", "0.0.0.0", "192.168.1.10",
     "4.192.168.1.10", false, true},
    {"Counter32", NTevAsnValue::ASN_COUNTER, 0xF0000041, "counter", "0", "4294967295", "4294967295",
     false, true},
    {"Gauge32", NTevAsnValue::ASN_GAUGE, 0xF0000042, "gauge", "0", "7", "7", false, true},
    {"TimeTicks", NTevAsnValue::ASN_TIME_TICKS, 0xF0000043, "time_ticks", "0", "100", "100", false,
     true},
    {"Opaque", NTevAsnValue::ASN_OPAQUE, 0xF0000044, "octet_string", "", "ab", "2.97.98", false,
     false},
    {"Counter64", NTevAsnValue::ASN_COUNTER_64, 0xF0000046, "counter_64", "0",
     "18446744073709551615", nullptr, false, true},
    {"IPv6", NTevAsnValue::ASN_IPV6_ADDRESS, 0xF0000048, "ipv6_address", "0:0:0:0:0:0:0:0",
     "fe80:0:0:0:0:0:0:1", "16.254.128.0.0.0.0.0.0.0.0.0.0.0.0.0.1", false, false},
    {"noSuchObject", NTevAsnValue::ASN_NO_SUCH_OBJECT, 0xF000FF01, "exception", nullptr, nullptr,
     nullptr, false, false},
    {"noSuchInstance", NTevAsnValue::ASN_NO_SUCH_INSTANCE, 0xF000FF01, "exception", nullptr,
     nullptr, nullptr, false, false},
    {"endOfMibView", NTevAsnValue::ASN_END_OF_MIB_VIEW, 0xF000FF01, "exception", nullptr, nullptr,
     nullptr, false, false},
    {"IPv4 with port", NTevAsnValue::ASN_IP_PORT_ADDRESS, 0xF000FF02, "ip_port_address",
     "0.0.0.0/0", "10.1.2.3/161", "1.6.10.1.2.3.0.161", false, true},
    {"IPX", NTevAsnValue::ASN_IPX_ADDRESS, 0xF000FF03, "ipx_address", "00000000:000000000000/0",
     "0000abcd:00a0c9112233/451", "5.12.0.0.171.205.0.160.201.17.34.51.4.81", false, false},
};

#endif  // TEVASNVALUE_TESTS_CLIENT_TYPETABLE_H
