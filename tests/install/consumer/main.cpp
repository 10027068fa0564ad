// Encodes an IpAddress as the index of a table row (the RFC form, implied 1)
// and prints the instance identifier, using every installed header; then from
// the companion library the walk order of 1.9 and 1.10 and an ipAddressTable
// instance split into column and row. Exits with 1 and the error's name on
// failure.
#include <cstdint>
#include <cstdio>

#include "TevAsnDisplay.h"
#include "TevAsnHelpers.h"
#include "TevAsnTable.h"
#include "TevAsnTablePtr.h"
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
  const std::uint32_t nine[] = {1, 9};
  const std::uint32_t ten[] = {1, 10};
  std::printf("walk order %ld\n", tev_compare_sub_ids(nine, 2, ten, 2));

  // An ipAddressTable instance split into column and row.
  CTevAsnBuffer reason;
  TevAsnTableEntryPtr entry(
      tev_create_table_entry("1.3.6.1.2.1.4.34.1", "inetaddress", &reason, &err));
  TevAsnIndexRowPtr row(entry != nullptr ? entry->get_layout()->create_row(&err) : nullptr);
  if (row == nullptr) {
    std::fprintf(stderr, "table entry: %s\n", tev_error_message(err));
    return 1;
  }
  const std::uint32_t instance[] = {1, 3, 6, 1, 2, 1, 4, 34, 1, 3, 1, 4, 10, 0, 0, 1};
  unsigned long column = 0;
  unsigned long length = 0;
  const char* row_text = nullptr;
  if (entry->split(instance, 16, &column, row.get(), &reason) == ASN_OK) {
    row_text = row->get_text(TEV_OCTETS_AUTO, &length, &err);
  }
  if (row_text == nullptr) {
    std::fprintf(stderr, "split: %s\n", reason.length() != 0 ? reason.data() : "no text");
    return 1;
  }
  std::printf("column %lu: %.*s\n", column, static_cast<int>(length), row_text);
  return 0;
}
