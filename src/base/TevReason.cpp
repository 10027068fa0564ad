#include "base/TevReason.h"

#include <cstring>

#include "base/TevNumberText.h"

namespace tev_base {

long refuse(CTevAsnBuffer* reason, long code, const char* text, unsigned long length) {
  if (reason == nullptr) return code;
  const long rc = reason->assign(text, length);
  return rc != NTevAsnValue::ASN_OK ? rc : code;
}

long fail(CTevAsnBuffer* reason, long code, const char* text) {
  return refuse(reason, code, text, std::strlen(text));
}

ShownChar shown(char c) {
  ShownChar out{};
  const auto u = static_cast<unsigned char>(c);
  if (is_printable(u)) {
    out.text[0] = c;
  } else {
    const char escape[5] = {'\\', 'x', kHexDigits[u >> 4], kHexDigits[u & 0x0F], '\0'};
    std::memcpy(out.text, escape, sizeof escape);
  }
  return out;
}

}  // namespace tev_base
