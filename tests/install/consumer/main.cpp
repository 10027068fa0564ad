// Encodes an IpAddress as the index of a table row (the RFC form, implied 1)
// and prints the instance identifier, using every installed header; exits
// with 1 and the error's name on failure.
#include <cstdio>

#include "TevAsnHelpers.h"
#include "TevAsnValue.h"
#include "TevAsnValuePtr.h"

using namespace NTevAsnValue;

int main() {
  long err = 0;
  TevAsnValuePtr address = tev::ip_address("192.168.1.10", &err);
  if (!address) {
    std::fprintf(stderr, "IpAddress: %s\n", tev_error_message(err));
    return 1;
  }
  TevAsnObjectIdPtr oid = tev::object_id(".1.3.6.1.2.1.4.20.1.1", &err);
  if (!oid) {
    std::fprintf(stderr, "object identifier: %s\n", tev_error_message(err));
    return 1;
  }
  err = address->append_to_oid(oid.get(), 1);
  if (err != ASN_OK) {
    std::fprintf(stderr, "append_to_oid: %s\n", tev_error_message(err));
    return 1;
  }
  const TevTextResult text = tev_text(oid.get());
  if (!text.ok()) {
    std::fprintf(stderr, "to_text: %s\n", tev_error_message(text.code));
    return 1;
  }
  std::printf("%s\n", text.value.c_str());
  return 0;
}
