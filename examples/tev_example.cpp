// A client's typical use of the library, as far as the value types go.
#include <cstdio>

#include "TevAsnValue.h"

using namespace NTevAsnValue;

// ---- Scalar values: a Counter64 from text, numbers as table indexes ----

// Prints the text form of `value` after `label`.
static void print_text(const char* label, const ITevAsnValue* value) {
  long err = 0;
  CTevAsnBuffer* text = value->to_text(&err);
  if (text == nullptr) {
    std::printf("%s: no buffer (code %ld)\n", label, err);
    return;
  }
  std::printf("%s: %s (code %ld)\n", label, err == ASN_OK ? text->data() : "", err);
  text->release();
}

// Reads a Counter64 from text, then appends an INTEGER and a Gauge32 to an
// object identifier as the indexes of a table row and reads them back. Prints:
//   Counter64: 18446744073709551615 (code 0)
//   Counter64 halves: high 4294967295, low 4294967295
//   row instance: 1.3.6.1.4.1.99999.1.1.4294967295.161 (code 0)
//   read back: INTEGER -1, Gauge32 161
// Returns 0, or 1 after printing the failing step's code.
static int show_scalar_values() {
  long err = 0;
  ITevAsnValue* counter = tev_create_asn_value("18446744073709551615", ASN_COUNTER_64, &err);
  if (counter == nullptr) {
    std::printf("creating a Counter64 from text failed: %ld\n", err);
    return 1;
  }
  print_text("Counter64", counter);
  std::printf("Counter64 halves: high %lu, low %lu\n", counter->get_high(nullptr),
              counter->get_low(nullptr));
  counter->release();

  ITevAsnValue* integer = tev_create_asn_value(-1L, ASN_INTEGER, &err);
  ITevAsnValue* gauge = tev_create_asn_value(161UL, ASN_GAUGE, &err);
  ITevAsnObjectID* oid = tev_create_asn_object_id("1.3.6.1.4.1.99999.1.1", &err);
  int status = 1;
  if (integer == nullptr || gauge == nullptr || oid == nullptr) {
    std::printf("creating the index values or the object identifier failed: %ld\n", err);
  } else if ((err = integer->append_to_oid(oid, 0)) != ASN_OK ||
             (err = gauge->append_to_oid(oid, 0)) != ASN_OK) {
    std::printf("appending an index failed: %ld\n", err);
  } else {
    print_text("row instance", oid);
    // The indexes are the last two sub-identifiers: drop what comes before,
    // then read each one back from the front.
    integer->clear();
    gauge->clear();
    ITevAsnObjectID* column = oid->take_prefix(oid->get_count() - 2, &err);
    if (column != nullptr) column->release();
    long code = err;
    if (code == ASN_OK) code = integer->set_from_oid(oid, 0, 1);
    if (code == ASN_OK) oid->take_first(&code);
    if (code == ASN_OK) code = gauge->set_from_oid(oid, 0, 1);
    if (code == ASN_OK) {
      std::printf("read back: INTEGER %ld, Gauge32 %lu\n", integer->get_long(nullptr),
                  gauge->get_ulong(nullptr));
      status = 0;
    } else {
      std::printf("reading the indexes back failed: %ld\n", code);
    }
  }
  if (oid != nullptr) oid->release();
  if (gauge != nullptr) gauge->release();
  if (integer != nullptr) integer->release();
  return status;
}

// ---- Octet-string values: an IpAddress index, IPv6 and IPv4-with-port decoding ----

// An IpAddress as the index of ipAdEntAddr (1.3.6.1.2.1.4.20.1.1), both ways.
// Agents write an IpAddress index as its four octets without a length prefix
// (RFC 2578 section 7.7), which is implied 1 here, even where the address is
// not the last index. Prints:
//   ipAdEntAddr instance: 1.3.6.1.2.1.4.20.1.1.192.168.1.10 (code 0)
//   walked index: 10.0.0.1 (code 0)
// Returns 0, or 1 after printing the failing step's code.
static int show_ip_address_index() {
  long err = 0;
  ITevAsnValue* address = tev_create_asn_value("192.168.1.10", ASN_IP_ADDRESS, &err);
  ITevAsnObjectID* oid = tev_create_asn_object_id("1.3.6.1.2.1.4.20.1.1", &err);
  // An instance as an agent returns it in a walk of ipAdEntAddr.
  ITevAsnObjectID* walked = tev_create_asn_object_id("1.3.6.1.2.1.4.20.1.1.10.0.0.1", &err);
  int status = 1;
  if (address == nullptr || oid == nullptr || walked == nullptr) {
    std::printf("creating the IpAddress or the object identifiers failed: %ld\n", err);
  } else if ((err = address->append_to_oid(oid, 1)) != ASN_OK) {
    std::printf("appending the IpAddress index failed: %ld\n", err);
  } else {
    print_text("ipAdEntAddr instance", oid);
    // Drop the column, then read the four index sub-identifiers back.
    err = walked->remove_prefix_text("1.3.6.1.2.1.4.20.1.1");
    if (err == ASN_OK) err = address->set_from_oid(walked, 1, 4);
    if (err == ASN_OK) {
      print_text("walked index", address);
      status = 0;
    } else {
      std::printf("reading the walked IpAddress index failed: %ld\n", err);
    }
  }
  if (walked != nullptr) walked->release();
  if (oid != nullptr) oid->release();
  if (address != nullptr) address->release();
  return status;
}

// Decodes a value of `type` from the index that follows the first
// `column_length` sub-identifiers of `instance`, and prints it.
static int decode_index(const char* label, const char* instance, unsigned long column_length,
                        EAsnType type) {
  long err = 0;
  ITevAsnObjectID* oid = tev_create_asn_object_id(instance, &err);
  ITevAsnValue* value = tev_create_asn_value(type, &err);
  int status = 1;
  if (oid == nullptr || value == nullptr) {
    std::printf("%s: creating the objects failed: %ld\n", label, err);
  } else {
    ITevAsnObjectID* column = oid->take_prefix(column_length, &err);
    if (column != nullptr) column->release();
    if (err == ASN_OK) err = value->set_from_oid(oid, 0, 0xFFFFFFFFUL);
    if (err == ASN_OK) {
      print_text(label, value);
      status = 0;
    } else {
      std::printf("%s: decoding the index failed: %ld\n", label, err);
    }
  }
  if (value != nullptr) value->release();
  if (oid != nullptr) oid->release();
  return status;
}

// Prints the IpAddress lines above, then:
//   IPv6 index: fe80:0:0:0:0:0:0:1 (code 0)
//   IPv4-with-port index: 10.1.2.3/161 (code 0)
static int show_octet_values() {
  int status = show_ip_address_index();
  status |=
      decode_index("IPv6 index", "1.3.6.1.4.1.99999.3.1.2.16.254.128.0.0.0.0.0.0.0.0.0.0.0.0.0.1",
                   10, ASN_IPV6_ADDRESS);
  status |= decode_index("IPv4-with-port index", "1.3.6.1.4.1.99999.4.1.2.1.6.10.1.2.3.0.161", 10,
                         ASN_IP_PORT_ADDRESS);
  return status;
}

// ---- Object identifiers: build, extend, compare and split ----

// Prints the dotted text of `oid` after `label`.
static void print_oid(const char* label, const ITevAsnObjectID* oid) {
  long err = 0;
  CTevAsnBuffer* text = oid->to_text(&err);
  const bool ok = text != nullptr && err == ASN_OK;
  std::printf("%s: %s (%lu sub-identifiers)\n", label,
              ok && text->length() != 0 ? text->data() : "", oid->get_count());
  if (text != nullptr) text->release();
}

// Builds ipAdEntAddr from text, appends an instance, compares it with another
// identifier (character order: "...20.1.1..." sorts before "...20.1.2") and
// splits off the column. Prints:
//   ipAdEntAddr: 1.3.6.1.2.1.4.20.1.1 (10 sub-identifiers)
//   instance: 1.3.6.1.2.1.4.20.1.1.10.0.0.1 (14 sub-identifiers)
//   compared with 1.3.6.1.2.1.4.20.1.2: before the other
//   column: 1.3.6.1.2.1.4.20.1.1 (10 sub-identifiers)
//   index: 10.0.0.1 (4 sub-identifiers)
//   index as sub-identifiers: 10 0 0 1
// Returns 0, or 1 after printing the failing step's code.
static int show_object_identifiers() {
  static const char* const kRelations[] = {"equal", "above (a prefix of) the other",
                                           "below the other", "before the other",
                                           "after the other"};
  long err = 0;
  ITevAsnObjectID* oid = tev_create_asn_object_id("1.3.6.1.2.1.4.20.1.1", &err);
  ITevAsnObjectID* other = tev_create_asn_object_id("1.3.6.1.2.1.4.20.1.2", &err);
  int status = 1;
  if (oid == nullptr || other == nullptr) {
    std::printf("creating the object identifiers failed: %ld\n", err);
  } else {
    print_oid("ipAdEntAddr", oid);
    static const unsigned long kInstance[] = {10, 0, 0, 1};  // the address 10.0.0.1
    long code = ASN_OK;
    for (unsigned long sub_id : kInstance) {
      if (code == ASN_OK) code = oid->append_sub_id(sub_id);
    }
    if (code == ASN_OK) {
      print_oid("instance", oid);
      const long relation = oid->compare(other, &code);
      if (code == ASN_OK) {
        std::printf("compared with 1.3.6.1.2.1.4.20.1.2: %s\n", kRelations[relation]);
      }
    }
    ITevAsnObjectID* column = code == ASN_OK ? oid->take_prefix(10, &code) : nullptr;
    if (column != nullptr) {
      print_oid("column", column);
      print_oid("index", oid);
      std::printf("index as sub-identifiers: %lu %lu %lu %lu\n", oid->get_at(0, nullptr),
                  oid->get_at(1, nullptr), oid->get_at(2, nullptr), oid->get_at(3, nullptr));
      column->release();
      status = 0;
    } else {
      std::printf("editing the object identifier failed: %ld\n", code);
    }
  }
  if (other != nullptr) other->release();
  if (oid != nullptr) oid->release();
  return status;
}

// A NULL value, then each part above. The NULL value prints:
//   NULL value: type 5
//   clone: ok, equal: yes
//   to_text: code -5, 0 characters
int main() {
  long err = 0;
  ITevAsnValue* null_value = tev_create_asn_value(ASN_NULL, &err);
  if (null_value == nullptr) {
    std::printf("creating a NULL value failed: %ld\n", err);
    return 1;
  }
  std::printf("NULL value: type %u\n", static_cast<unsigned>(null_value->get_type()));
  ITevAsnValue* copy = null_value->clone(&err);
  std::printf("clone: %s, equal: %s\n", err == ASN_OK ? "ok" : "failed",
              copy != nullptr && copy->is_equal(null_value) ? "yes" : "no");
  CTevAsnBuffer* text = null_value->to_text(&err);
  std::printf("to_text: code %ld, %lu characters\n", err, text != nullptr ? text->length() : 0UL);
  if (text != nullptr) text->release();
  if (copy != nullptr) copy->release();
  null_value->release();
  const int scalar_status = show_scalar_values();
  const int oid_status = show_object_identifiers();
  return show_octet_values() | scalar_status | oid_status;
}
