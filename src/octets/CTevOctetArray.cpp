#include "octets/CTevOctetArray.h"

#include <cstdlib>
#include <cstring>

bool CTevOctetArray::round_capacity(unsigned long n, std::uint32_t* rounded) {
  // Computed in 64 bits so that a request near 2^32 cannot wrap to a small block.
  const std::uint64_t wanted = ((static_cast<std::uint64_t>(n) >> 7) + 1) << 7;
  if (wanted > UINT32_MAX) return false;
  *rounded = static_cast<std::uint32_t>(wanted);
  return true;
}

bool CTevOctetArray::reserve(unsigned long n) { return n <= capacity || grow(n); }

bool CTevOctetArray::grow(unsigned long n) {
  if (data == nullptr && n <= kInline) {
    data = inline_;
    capacity = kInline;
    return true;
  }
  std::uint32_t rounded = 0;
  if (!round_capacity(n, &rounded)) return false;
  void* block = nullptr;
  if (data == inline_) {
    block = std::malloc(rounded);
    if (block != nullptr) std::memcpy(block, inline_, length);
  } else {
    // The first block straight from malloc: realloc of null is the same, with
    // a detour on every new value.
    block = data == nullptr ? std::malloc(rounded) : std::realloc(data, rounded);
  }
  if (block == nullptr) return false;
  data = static_cast<unsigned char*>(block);
  capacity = rounded;
  return true;
}

unsigned long CTevOctetArray::push_back(unsigned char octet) {
  if (length == capacity && !reserve(static_cast<unsigned long>(capacity) + 1)) return 0;
  data[length++] = octet;
  return length;
}

void CTevOctetArray::free_storage() {
  if (data != inline_) std::free(data);
  data = nullptr;
  length = 0;
  capacity = 0;
}
