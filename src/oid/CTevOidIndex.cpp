#include "oid/CTevOidIndex.h"

#include <cstring>

#include "base/TevNumberText.h"

bool CTevOidIndex::extend(const char* text, std::size_t length, std::size_t first) {
  const char* const end = text + length;
  for (const char* at = text + first;;) {
    // Plain digits up to a separator or the end are read here; anything else
    // is left to the reading of the text.
    const tev_base::DigitRun run = tev_base::scan_digits(at, end, 10, kUnread - 1);
    const char* next = run.end;
    const bool plain = next != at && !run.overflow && (next == end || *next == '.');
    if (!append(static_cast<std::size_t>(at - text),
                plain ? static_cast<std::uint32_t>(run.value) : kUnread)) {
      return false;
    }
    if (!plain) {
      const void* dot =
          next < end ? std::memchr(next, '.', static_cast<std::size_t>(end - next)) : nullptr;
      next = dot == nullptr ? end : static_cast<const char*>(dot);
    }
    if (next == end) return true;
    at = next + 1;
  }
}
