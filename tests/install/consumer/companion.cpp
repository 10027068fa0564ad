// A client of the companion library alone: it calls no function of the core,
// so a linker with --as-needed records only libTevAsnTable, which must then
// find the core itself. Prints the walk order of 1.9 and 1.10 and a MAC
// address by its DISPLAY-HINT.
#include <cstdint>
#include <cstdio>

#include "TevAsnDisplay.h"
#include "TevAsnTable.h"

int main() {
  const std::uint32_t nine[] = {1, 9};
  const std::uint32_t ten[] = {1, 10};
  std::printf("walk order %ld\n", tev_compare_sub_ids(nine, 2, ten, 2));
  const unsigned char mac[] = {0x00, 0x0c, 0x29, 0x01, 0x02, 0x03};
  CTevAsnBuffer text;
  CTevAsnBuffer reason;
  if (tev_format_octets_hint("1x:", mac, sizeof mac, &text, &reason) != 0) {
    std::fprintf(stderr, "hint: %s\n", reason.length() != 0 ? reason.data() : "failed");
    return 1;
  }
  std::printf("mac %s\n", text.data());
  return 0;
}
