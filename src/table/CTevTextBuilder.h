// Text or octets built piece by piece: a fixed block on the stack first, then
// a block of its own that grows with realloc. A failed growth is remembered and
// reported once, when the result is stored.
#ifndef TEVASNVALUE_SRC_TABLE_CTEVTEXTBUILDER_H
#define TEVASNVALUE_SRC_TABLE_CTEVTEXTBUILDER_H

#include <cstring>

#include "CTevAsnBuffer.h"

class CTevTextBuilder final {
 public:
  CTevTextBuilder() = default;
  CTevTextBuilder(const CTevTextBuilder&) = delete;
  CTevTextBuilder& operator=(const CTevTextBuilder&) = delete;
  ~CTevTextBuilder();

  void put(char c) {
    if (length_ == capacity_ && !grow(1)) return;
    data_[length_++] = c;
  }
  void put(const void* bytes, unsigned long count) {
    if (count == 0 || (capacity_ - length_ < count && !grow(count))) return;
    if (count <= kShortCopy) {
      // Most pieces are a few characters: cheaper than a call to memcpy.
      const char* from = static_cast<const char*>(bytes);
      for (unsigned long i = 0; i < count; ++i) data_[length_ + i] = from[i];
    } else {
      std::memcpy(data_ + length_, bytes, count);
    }
    length_ += count;
  }
  void put_text(const char* text) { put(text, std::strlen(text)); }

  /// Room for `count` more bytes at the end, to be counted with advance();
  /// null after a failed growth.
  char* room(unsigned long count) {
    if (capacity_ - length_ < count && !grow(count)) return nullptr;
    return data_ + length_;
  }
  void advance(unsigned long count) { length_ += count; }

  const char* data() const { return data_; }
  unsigned long length() const { return length_; }
  bool failed() const { return failed_; }

  /// Copies the content into `out`: 0, or -3 when a growth or the copy failed.
  long store_into(CTevAsnBuffer* out) const;

 private:
  bool grow(unsigned long more);

  static constexpr unsigned long kShortCopy = 8;

  char inline_[160]{};
  char* data_ = inline_;
  unsigned long length_ = 0;
  unsigned long capacity_ = sizeof inline_;
  bool failed_ = false;
};

#endif  // TEVASNVALUE_SRC_TABLE_CTEVTEXTBUILDER_H
