// CTevTextBuilder: bytes built up piece by piece in a block of its own that
// grows with realloc, kept between uses so that a hot loop allocates nothing.
// A failed allocation is remembered: every later append is ignored and
// status() reports -3, so a chain of appends needs one check at the end.
#ifndef TEVASNTABLE_CTEVTEXTBUILDER_H
#define TEVASNTABLE_CTEVTEXTBUILDER_H

#include <cstdint>

#include "CTevAsnBuffer.h"

class CTevTextBuilder final {
 public:
  CTevTextBuilder() = default;
  CTevTextBuilder(const CTevTextBuilder&) = delete;
  CTevTextBuilder& operator=(const CTevTextBuilder&) = delete;
  ~CTevTextBuilder() {
    if (data_ != nullptr) release_block();
  }

  /// Empties the content and forgets an earlier failure; keeps the block.
  void clear() {
    length_ = 0;
    failed_ = false;
  }
  unsigned long length() const { return length_; }
  const char* data() const { return data_; }
  /// 0, or -3 when an append could not grow the block.
  long status() const;

  void append(const char* data, unsigned long length);
  void append_text(const char* text);
  void append_char(char c);
  void append_decimal(std::uint32_t value);
  void append_signed(std::int32_t value);
  /// Two lower-case hexadecimal digits per octet, joined by ':'.
  void append_hex_pairs(const unsigned char* octets, unsigned long count);
  /// Lower-case hexadecimal without leading zeros ("0" for zero).
  void append_hex(std::uint32_t value);

  /// `data` in single quotes for a message: bytes outside 0x20..0x7E (and the
  /// backslash) as \xNN, cut to 60 bytes with "...", so a message stays one line.
  void append_quoted(const char* data, unsigned long length);
  /// Sub-identifiers in dotted decimal ("" for none).
  void append_dotted(const std::uint32_t* sub_ids, unsigned long count);

  /// Copies the content into `buffer` (null: nothing): its code or -3.
  long store_into(CTevAsnBuffer* buffer) const;

 private:
  // Frees the block (kept out of line: a builder that never grew costs
  // nothing to end, which matters on decoding's success path).
  void release_block();
  // Room for `more` bytes after the content; false (and failed) otherwise.
  bool reserve(unsigned long more);

  char* data_ = nullptr;
  unsigned long length_ = 0;
  unsigned long capacity_ = 0;
  bool failed_ = false;
};

#endif  // TEVASNTABLE_CTEVTEXTBUILDER_H
