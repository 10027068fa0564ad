// CTevAsnBuffer: the result object that carries text and octets in and out of
// values. It holds one byte string of explicit length, always followed by a
// terminating zero byte, in one exact-size block (no spare capacity).
//
// The class is defined entirely in this header, so a client may create its own
// buffers (on the stack or with new) to pass to to_text_into and to_octets_into.
// Buffers handed out by the library (to_text, to_octets, clone,
// take_prefix_text) are owned by the caller and ended with release().
// A buffer is used by one thread at a time.
#ifndef TEVASNVALUE_CTEVASNBUFFER_H
#define TEVASNVALUE_CTEVASNBUFFER_H

#include <cstring>
#include <new>

#include "TevAsnTypes.h"

/// Text or octets of explicit length, always followed by a zero byte; clients
/// may create their own (see the top of this header).
class CTevAsnBuffer final {
 public:
  /// An empty buffer: length 0, null data.
  CTevAsnBuffer() = default;
  /// Not copyable: copy the content with clone() or assign().
  CTevAsnBuffer(const CTevAsnBuffer&) = delete;
  CTevAsnBuffer& operator=(const CTevAsnBuffer&) = delete;
  /// Frees the content; not virtual: buffers from the library end with release().
  ~CTevAsnBuffer() { delete[] data_; }

  // The twelve operations below are called through the virtual table; their
  // order is fixed.

  /// Frees the content and the buffer itself. The pointer is invalid afterwards.
  virtual void release() { delete this; }
  /// Number of bytes held, not counting the terminating zero.
  virtual unsigned long length() const { return length_; }
  /// The bytes, zero-terminated; null when the buffer is empty. Valid until the
  /// content next changes.
  virtual const char* data() const { return data_; }
  /// Replaces the content by `length` bytes at `data` (which may point into this
  /// buffer). Returns 0; -2 for null data with a non-zero length; -3 when memory
  /// runs out or the size would not fit 32 bits (content unchanged).
  virtual long assign(const void* data, unsigned long length) {
    if (length == 0) {
      delete[] data_;
      data_ = nullptr;
      length_ = 0;
      return NTevAsnValue::ASN_OK;
    }
    return replace(nullptr, 0, data, length);
  }
  /// Replaces the content by the zero-terminated `text`; null or "" empties it.
  virtual long assign_text(const char* text) {
    return assign(text, text == nullptr ? 0 : std::strlen(text));
  }
  /// Adds `length` bytes at `data` after the content (the data may be this
  /// buffer's own). Codes as for assign.
  virtual long append(const void* data, unsigned long length) {
    if (length == 0) return NTevAsnValue::ASN_OK;
    return replace(data_, length_, data, length);
  }
  /// Adds the zero-terminated `text`; a null text adds nothing.
  virtual long append_text(const char* text) {
    return text == nullptr ? NTevAsnValue::ASN_OK : append(text, std::strlen(text));
  }
  /// Adds the content of `other` (which may be this buffer); null adds nothing.
  virtual long append_buffer(const CTevAsnBuffer* other) {
    return other == nullptr ? NTevAsnValue::ASN_OK : append(other->data(), other->length());
  }
  /// Makes a new buffer with the same content, owned by the caller.
  /// -2 for a null `out`; -3 when memory runs out (`*out` null when the copy
  /// failed, not written when the buffer itself could not be made).
  virtual long clone(CTevAsnBuffer** out) const {
    if (out == nullptr) return NTevAsnValue::ASN_E_INVALID_ARGUMENT;
    CTevAsnBuffer* copy = new (std::nothrow) CTevAsnBuffer;
    if (copy == nullptr) return NTevAsnValue::ASN_E_OUT_OF_MEMORY;
    const long rc = copy->assign(data_, length_);
    if (rc != NTevAsnValue::ASN_OK) {
      copy->release();
      copy = nullptr;
    }
    *out = copy;
    return rc;
  }
  /// Whether the content equals `length` bytes at `data`; length 0 compares
  /// with the empty buffer. A null `data` with a non-zero length is unequal.
  virtual bool is_equal(const void* data, unsigned long length) const {
    if (length == 0) return length_ == 0;
    if (length != length_ || data == nullptr) return false;
    return std::memcmp(data_, data, length) == 0;
  }
  /// Whether the content equals the zero-terminated `text`; null is never equal.
  virtual bool is_equal_text(const char* text) const {
    return text != nullptr && is_equal(text, std::strlen(text));
  }
  /// Whether the content equals that of `other`; null is never equal.
  virtual bool is_equal_buffer(const CTevAsnBuffer* other) const {
    return other != nullptr && is_equal(other->data(), other->length());
  }

 private:
  // The length must fit 32 bits together with the terminating zero.
  static constexpr unsigned long kMaxLength = 0xFFFFFFFEUL;

  // Builds a new exact-size block of `head` followed by `tail`, then frees the
  // old one, so either argument may point into the current content.
  long replace(const char* head, unsigned long head_length, const void* tail,
               unsigned long tail_length) {
    if (tail == nullptr) return NTevAsnValue::ASN_E_INVALID_ARGUMENT;
    if (tail_length > kMaxLength || head_length > kMaxLength - tail_length) {
      return NTevAsnValue::ASN_E_OUT_OF_MEMORY;
    }
    const unsigned long total = head_length + tail_length;
    char* block = new (std::nothrow) char[total + 1];
    if (block == nullptr) return NTevAsnValue::ASN_E_OUT_OF_MEMORY;
    if (head_length != 0) std::memcpy(block, head, head_length);
    std::memcpy(block + head_length, tail, tail_length);
    block[total] = '\0';
    delete[] data_;
    data_ = block;
    length_ = total;
    return NTevAsnValue::ASN_OK;
  }

  unsigned long length_ = 0;
  char* data_ = nullptr;
};

#endif  // TEVASNVALUE_CTEVASNBUFFER_H
