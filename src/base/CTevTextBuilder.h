// CTevTextBuilder: text or octets built up piece by piece, first in a block
// inside the object, then in a block of its own that grows with realloc and is
// kept between uses, so that short results and hot loops allocate nothing.
// A failed growth is remembered: every later append is ignored and status()
// reports -3, so a chain of appends needs one check at the end.
#ifndef TEVASNVALUE_SRC_BASE_CTEVTEXTBUILDER_H
#define TEVASNVALUE_SRC_BASE_CTEVTEXTBUILDER_H

#include <cstdint>
#include <cstring>

#include "CTevAsnBuffer.h"
#include "TevAsnTypes.h"
#include "base/TevNumberText.h"

class CTevTextBuilder final {
 public:
  // cppcheck-suppress uninitMemberVar ; inline_ is written before it is read
  CTevTextBuilder() = default;
  CTevTextBuilder(const CTevTextBuilder&) = delete;
  CTevTextBuilder& operator=(const CTevTextBuilder&) = delete;
  ~CTevTextBuilder() {
    if (data_ != inline_) release_block();
  }

  /// Empties the content and forgets an earlier failure; keeps the block.
  void clear() {
    length_ = 0;
    failed_ = false;
  }
  unsigned long length() const { return length_; }
  const char* data() const { return data_; }
  /// Whether an append could not grow the block.
  bool failed() const { return failed_; }
  /// 0, or -3 when an append could not grow the block.
  long status() const;

  void append(const void* data, unsigned long length) {
    if (length == 0 || !reserve(length)) return;
    if (length <= kShortCopy) {
      // Most pieces are a few characters: cheaper than a call to memcpy.
      const char* from = static_cast<const char*>(data);
      for (unsigned long i = 0; i < length; ++i) data_[length_ + i] = from[i];
    } else {
      std::memcpy(data_ + length_, data, length);
    }
    length_ += length;
  }
  void append_text(const char* text) { append(text, std::strlen(text)); }
  void append_char(char c) {
    if (!reserve(1)) return;
    data_[length_++] = c;
  }
  void append_decimal(std::uint32_t value) {
    if (reserve(10)) length_ += tev_base::write_decimal(data_ + length_, value) - (data_ + length_);
  }
  /// Any 64-bit number (append_decimal: the 32-bit ones, most of them).
  void append_decimal64(std::uint64_t value);
  void append_signed(std::int64_t value);
  /// Two lower-case hexadecimal digits per octet, joined by ':'.
  void append_hex_pairs(const unsigned char* octets, unsigned long count);
  /// Octets as `as` (one of the three policies) says.
  void append_octets(const unsigned char* octets, unsigned long count, ETevOctetsAs as);
  /// Octets by the escape rule of base/TevEscape.h: one field on one line.
  void append_escaped(const unsigned char* octets, unsigned long count);
  /// Lower-case hexadecimal without leading zeros ("0" for zero).
  void append_hex(std::uint32_t value);
  /// `data` in single quotes for a message: bytes outside 0x20..0x7E (and the
  /// backslash) as \xNN, cut to 60 bytes with "...", so a message stays one line.
  void append_quoted(const char* data, unsigned long length);
  /// Sub-identifiers in dotted decimal ("" for none).
  void append_dotted(const std::uint32_t* sub_ids, unsigned long count);

  /// Room for `count` more bytes at the end, to be counted with advance();
  /// null after a failed growth.
  char* room(unsigned long count) { return reserve(count) ? data_ + length_ : nullptr; }
  void advance(unsigned long count) { length_ += count; }
  /// Bytes that fit after the content without growing (at least what room() gave).
  unsigned long spare() const { return capacity_ - length_; }

  /// Copies the content into `buffer` (null: nothing): its code or -3.
  long store_into(CTevAsnBuffer* buffer) const;
  /// A refusal with the content as its reason: stores it into `reason` and
  /// returns `code`, or -3 when the reason cannot be stored.
  long refuse(long code, CTevAsnBuffer* reason) const;
  /// The refusal "'TEXT' is not WHAT" (TEXT as append_quoted shows it).
  static long refuse_as_not(long code, const char* text, unsigned long length, const char* what,
                            CTevAsnBuffer* reason);

 private:
  static constexpr unsigned long kShortCopy = 8;

  // Room for `more` bytes after the content; false (and failed) otherwise.
  bool reserve(unsigned long more) { return capacity_ - length_ >= more || grow(more); }
  bool grow(unsigned long more);
  // Frees the block of its own (out of line: a builder that never grew costs
  // nothing to end, which matters on decoding's success path).
  void release_block();

  // Not zeroed (a builder is made per call): only bytes below length_ are read.
  char inline_[160];
  char* data_ = inline_;
  unsigned long length_ = 0;
  unsigned long capacity_ = sizeof inline_;
  bool failed_ = false;
};

#endif  // TEVASNVALUE_SRC_BASE_CTEVTEXTBUILDER_H
