// tev_base::copy_bytes: memcpy for the sizes an object identifier's text and index
// usually have. From 8 to 64 bytes it copies two overlapping blocks of fixed
// size in place instead of calling memcpy, which decoding and encoding
// indexes do on every row.
#ifndef TEVASNVALUE_SRC_FRAMEWORK_TEVCOPYBYTES_H
#define TEVASNVALUE_SRC_FRAMEWORK_TEVCOPYBYTES_H

#include <cstddef>
#include <cstring>

namespace tev_base {

/// Copies `n` bytes from `from` to `to`; the two must not overlap.
inline void copy_bytes(void* to, const void* from, std::size_t n) {
  auto* const d = static_cast<unsigned char*>(to);
  const auto* const s = static_cast<const unsigned char*>(from);
  if (n >= 16 && n <= 32) {
    std::memcpy(d, s, 16);
    std::memcpy(d + n - 16, s + n - 16, 16);
  } else if (n >= 8 && n < 16) {
    std::memcpy(d, s, 8);
    std::memcpy(d + n - 8, s + n - 8, 8);
  } else if (n > 32 && n <= 64) {
    std::memcpy(d, s, 32);
    std::memcpy(d + n - 32, s + n - 32, 32);
  } else if (n != 0) {
    std::memcpy(d, s, n);
  }
}

}  // namespace tev_base

#endif  // TEVASNVALUE_SRC_FRAMEWORK_TEVCOPYBYTES_H
