// Encodes an IpAddress as the index of a table row and prints the instance
// identifier, then the walk order of 1.9 and 1.10 from the companion library;
// exits with 1 and the error's name on failure.
#include <cstdint>
#include <cstdio>

#include "TevAsnTable.h"
#include "TevAsnValue.h"
#include "TevAsnValuePtr.h"

using namespace NTevAsnValue;

int main() {
  long err = 0;
  TevAsnValuePtr address(tev_create_asn_value("192.168.1.10", ASN_IP_ADDRESS, &err));
  if (!address) {
    std::fprintf(stderr, "IpAddress: %s\n", tev_error_message(err));
    return 1;
  }
  TevAsnObjectIdPtr oid(tev_create_asn_object_id("1.3.6.1.2.1.4.20.1.1", &err));
  if (!oid) {
    std::fprintf(stderr, "object identifier: %s\n", tev_error_message(err));
    return 1;
  }
  err = address->append_to_oid(oid.get(), 0);
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
  const std::uint32_t nine[] = {1, 9};
  const std::uint32_t ten[] = {1, 10};
  std::printf("walk order %ld\n", tev_compare_sub_ids(nine, 2, ten, 2));
  return 0;
}
