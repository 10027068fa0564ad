// CTevBlock<T>: an array of trivially copyable T in a block from realloc, the
// library's own buffer where it needs a growing array (the object identifier's
// text and index). Growing reports failure as a result and leaves the array
// unchanged; nothing throws. The block at least doubles, so appending one by
// one stays linear, and it is never shrunk: emptying only resets the size.
#ifndef TEVASNVALUE_SRC_FRAMEWORK_CTEVBLOCK_H
#define TEVASNVALUE_SRC_FRAMEWORK_CTEVBLOCK_H

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <type_traits>

#include "base/TevColdPath.h"
#include "base/TevCopyBytes.h"

namespace tev_base {

/// The growth rule of the libraries' blocks: at least double `capacity`, and
/// at least `needed` and `minimum`, but not above `limit`; 0 when `needed`
/// is above it. Computed in 64 bits, so that no request wraps to a small block.
constexpr std::uint64_t grown_capacity(std::uint64_t capacity, std::uint64_t needed,
                                       std::uint64_t minimum, std::uint64_t limit) {
  if (needed > limit) return 0;
  std::uint64_t wanted = 2 * capacity;
  if (wanted < needed) wanted = needed;
  if (wanted < minimum) wanted = minimum;
  return wanted < limit ? wanted : limit;
}

}  // namespace tev_base

template <class T>
class CTevBlock {
  static_assert(std::is_trivially_copyable<T>::value, "elements are moved with memcpy");

 public:
  CTevBlock() = default;
  CTevBlock(const CTevBlock&) = delete;
  CTevBlock& operator=(const CTevBlock&) = delete;
  ~CTevBlock() { std::free(data_); }

  T* data() { return data_; }
  const T* data() const { return data_; }
  std::size_t size() const { return size_; }
  std::size_t capacity() const { return capacity_; }
  T& operator[](std::size_t i) { return data_[i]; }
  const T& operator[](std::size_t i) const { return data_[i]; }

  /// Room for at least `n` elements; false when that cannot be had (unchanged).
  bool reserve(std::size_t n) { return n <= capacity_ || grow(n); }
  /// The size becomes `n`, which must be within the capacity.
  void set_size(std::size_t n) { size_ = n; }
  void clear() { size_ = 0; }
  bool push_back(const T& value) {
    if (size_ == capacity_ && !grow(size_ + 1)) return false;
    data_[size_++] = value;
    return true;
  }
  /// Appends `n` elements from `src`, which must not point into the block.
  bool append(const T* src, std::size_t n) {
    if (!reserve(size_ + n)) return false;
    if (n != 0) std::memcpy(data_ + size_, src, n * sizeof(T));
    size_ += n;
    return true;
  }
  /// Replaces the content by `n` elements from `src` (not inside the block).
  bool assign(const T* src, std::size_t n) {
    if (!reserve(n)) return false;
    tev_base::copy_bytes(data_, src, n * sizeof(T));
    size_ = n;
    return true;
  }
  /// Removes the `n` elements from `at` on.
  void erase(std::size_t at, std::size_t n) {
    if (n == 0) return;
    std::memmove(data_ + at, data_ + at + n, (size_ - at - n) * sizeof(T));
    size_ -= n;
  }

 private:
  TEV_COLD_PATH bool grow(std::size_t n) {
    const std::uint64_t wanted =
        tev_base::grown_capacity(capacity_, n, kMinimum, SIZE_MAX / sizeof(T));
    if (wanted == 0) return false;
    void* block = std::realloc(data_, static_cast<std::size_t>(wanted) * sizeof(T));
    if (block == nullptr) return false;
    data_ = static_cast<T*>(block);
    capacity_ = static_cast<std::size_t>(wanted);
    return true;
  }

  // The first block: what is asked for, but at least 16 bytes. Values kept in
  // memory by the million hold no room they do not use; appending doubles.
  static constexpr std::size_t kMinimum = 16 / sizeof(T) < 1 ? 1 : 16 / sizeof(T);

  T* data_ = nullptr;
  std::size_t size_ = 0;
  std::size_t capacity_ = 0;
};

#endif  // TEVASNVALUE_SRC_FRAMEWORK_CTEVBLOCK_H
