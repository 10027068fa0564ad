#include "base/TevReason.h"

namespace tev_table {

long fail(CTevAsnBuffer* reason, long code, const char* text) {
  if (reason != nullptr) reason->assign_text(text);
  return code;
}

ShownChar shown(char c) {
  ShownChar out{};
  const unsigned char u = static_cast<unsigned char>(c);
  if (u >= 0x20 && u < 0x7F) {
    out.text[0] = c;
  } else if (std::snprintf(out.text, sizeof out.text, "\\x%02X", u) < 0) {
    out.text[0] = '?';
  }
  return out;
}

}  // namespace tev_table
