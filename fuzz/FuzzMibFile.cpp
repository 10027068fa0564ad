// The head of a MIB module file as the loader reads it before libsmi: any
// text gives a module name made of name characters, or none, and imports
// named once each; nothing may crash or read past the text.
#include <cctype>
#include <cstdint>
#include <set>
#include <string_view>

#include "FuzzSupport.h"
#include "MibFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  tevasn_mib::MibFile head;
  if (!tevasn_mib::MibFile::parse(text, &head)) return 0;
  tev_fuzz::require(!head.name.empty(), "a module with no name");
  for (char c : head.name) {
    tev_fuzz::require(std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '-' || c == '_',
                      "a module name with other than name characters");
  }
  const std::set<std::string> once(head.imports.begin(), head.imports.end());
  tev_fuzz::require(once.size() == head.imports.size(), "an import named twice");
  tev_fuzz::require(text.find(head.name) != std::string_view::npos, "a name not in the text");
  return 0;
}
