// Text helpers every test folder uses: a buffer's or a value's content as a
// std::string, and string literals handed to functions that take octets.
#ifndef TEVASNVALUE_TESTS_SUPPORT_TESTTEXT_H
#define TEVASNVALUE_TESTS_SUPPORT_TESTTEXT_H

#include <string>

#include "CTevAsnBuffer.h"
#include "ITevAsnValue.h"

namespace tev_test {

/// The buffer's content, embedded zero bytes kept.
inline std::string text_of(const CTevAsnBuffer& buffer) {
  return std::string(buffer.data() == nullptr ? "" : buffer.data(), buffer.length());
}

/// The value's text form; "<code N>" when to_text_into refuses.
inline std::string text_of(const ITevAsnValue& value) {
  CTevAsnBuffer buffer;
  const long code = value.to_text_into(&buffer);
  if (code != NTevAsnValue::ASN_OK) return "<code " + std::to_string(code) + ">";
  return text_of(buffer);
}

/// The bytes of `text` as the octets the libraries take.
inline const unsigned char* bytes(const char* text) {
  return reinterpret_cast<const unsigned char*>(text);
}
inline const unsigned char* bytes(const std::string& text) { return bytes(text.data()); }

}  // namespace tev_test

#endif  // TEVASNVALUE_TESTS_SUPPORT_TESTTEXT_H
