// CTevOctetArray: the growable octet store behind every octet-string value.
// Up to kInline octets live in the store itself, so that the address values
// and short strings need no block of their own; beyond that the octets move to
// a block from malloc and realloc, which grows in whole blocks of 128 octets
// and is never shrunk. Emptying a value only resets `length`. The block is
// freed when the store is destroyed.
#ifndef TEVASNVALUE_SRC_OCTETS_CTEVOCTETARRAY_H
#define TEVASNVALUE_SRC_OCTETS_CTEVOCTETARRAY_H

#include <cstdint>
#include <cstdlib>
#include <cstring>

struct CTevOctetArray {
  /// Octets held without a block: the largest fixed-size value (IPv6).
  static constexpr std::uint32_t kInline = 16;

  unsigned char* data = nullptr;  ///< null until the first reservation
  std::uint32_t length = 0;       ///< octets in use
  /// Room at `data`: 0, kInline, or the size of a block (a multiple of 128).
  std::uint32_t capacity = 0;

  // cppcheck-suppress uninitMemberVar ; inline_ is written before it is read
  CTevOctetArray() = default;
  CTevOctetArray(const CTevOctetArray&) = delete;
  CTevOctetArray& operator=(const CTevOctetArray&) = delete;
  ~CTevOctetArray() {
    if (data != inline_) std::free(data);
  }

  /// The capacity a request of `n` octets grows the block to: the smallest
  /// multiple of 128 strictly above `n`. False when that does not fit 32 bits.
  static bool round_capacity(unsigned long n, std::uint32_t* rounded);

  /// Makes room for at least `n` octets. False when the capacity would not fit
  /// 32 bits or realloc fails; the store is then unchanged.
  bool reserve(unsigned long n);
  /// Appends one octet; returns the new length, or 0 when the block could not
  /// grow (nothing appended).
  unsigned long push_back(unsigned char octet);
  /// Replaces the content by `n` octets from `src` (which may point into the
  /// block). n = 0 empties the store without allocating. False when the block
  /// could not grow; the store is then unchanged. Inline, copying 4 to 32
  /// octets (addresses, short strings) itself: for them a call to memmove
  /// costs more than the copy.
  bool assign(const unsigned char* src, unsigned long n) {
    if (n > capacity && !grow(n)) return false;
    unsigned char* const to = data;  // read once: the copies below may alias it
    if (n >= 16 && n <= 32) {
      move_pair<Sixteen>(to, src, n);
    } else if (n >= 4 && n < 16) {
      if (n >= 8) {
        move_pair<std::uint64_t>(to, src, n);
      } else {
        move_pair<std::uint32_t>(to, src, n);
      }
    } else if (n != 0) {
      std::memmove(to, src, n);
    }
    length = static_cast<std::uint32_t>(n);
    return true;
  }
  /// Frees the block; length and capacity become 0.
  void free_storage();

 private:
  struct Sixteen {
    unsigned char octets[16];
  };
  // Copies n octets, from one to two blocks of them, as two overlapping
  // blocks both read before either is written, so that `src` may lie in the
  // block as for memmove.
  template <class Block>
  static void move_pair(unsigned char* to, const unsigned char* src, unsigned long n) {
    Block head;
    Block tail;
    std::memcpy(&head, src, sizeof head);
    std::memcpy(&tail, src + n - sizeof tail, sizeof tail);
    std::memcpy(to, &head, sizeof head);
    std::memcpy(to + n - sizeof tail, &tail, sizeof tail);
  }
  // reserve() once the room is known to be too small.
  bool grow(unsigned long n);

  unsigned char inline_[kInline];  // the octets while they fit, from the first reservation
};

#endif  // TEVASNVALUE_SRC_OCTETS_CTEVOCTETARRAY_H
