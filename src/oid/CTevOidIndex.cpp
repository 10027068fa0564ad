#include "oid/CTevOidIndex.h"

#include <cstring>

bool CTevOidIndex::build(const std::string& text, std::size_t count) {
  if (known_) return true;
  try {
    entries_.clear();
    if (count != 0) entries_.reserve(count);
  } catch (const std::bad_alloc&) {
    entries_.clear();
    return false;
  }
  if (!text.empty() && !index_from(text, 0)) {
    entries_.clear();
    return false;
  }
  known_ = true;
  return true;
}

bool CTevOidIndex::index_from(const std::string& text, std::size_t first) {
  const char* const chars = text.data();
  const std::size_t length = text.size();
  try {
    for (std::size_t at = first;;) {
      // Plain digits up to a separator or the end, at most ten of them, are
      // read here; anything else is left to the reading of the text.
      std::uint64_t value = 0;
      std::size_t end = at;
      while (end < length && end - at <= 10 && chars[end] >= '0' && chars[end] <= '9') {
        value = value * 10 + static_cast<std::uint64_t>(chars[end] - '0');
        ++end;
      }
      const bool plain =
          end != at && end - at <= 10 && value < kUnread && (end == length || chars[end] == '.');
      entries_.push_back(
          {static_cast<std::uint32_t>(at), plain ? static_cast<std::uint32_t>(value) : kUnread});
      if (!plain) {
        const void* dot = end < length ? std::memchr(chars + end, '.', length - end) : nullptr;
        end = dot == nullptr ? length
                             : static_cast<std::size_t>(static_cast<const char*>(dot) - chars);
      }
      if (end == length) return true;
      at = end + 1;
    }
  } catch (const std::bad_alloc&) {
    return false;
  }
}
