#include "table/TevReason.h"

#include <cstdarg>
#include <cstdio>

namespace tev_table {

long fail(CTevAsnBuffer* reason, long code, const char* format, ...) {
  if (reason == nullptr) return code;
  char line[256];
  va_list args;
  va_start(args, format);
  const int n = std::vsnprintf(line, sizeof line, format, args);
  va_end(args);
  if (n >= 0) reason->assign_text(line);
  return code;
}

ShownChar shown(char c) {
  ShownChar out{};
  const unsigned char u = static_cast<unsigned char>(c);
  if (u >= 0x20 && u < 0x7F) {
    out.text[0] = c;
  } else {
    std::snprintf(out.text, sizeof out.text, "\\x%02X", u);
  }
  return out;
}

}  // namespace tev_table
