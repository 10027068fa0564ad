// The head of a MIB module file, read without libsmi: the module's name and
// the modules its IMPORTS clause names. The loader checks with it that every
// module a load needs lies in a searched directory before libsmi parses
// anything, because libsmi can crash on types of a module it did not find.
#ifndef TEVASN_MIB_MIBFILE_H
#define TEVASN_MIB_MIBFILE_H

#include <string>
#include <string_view>
#include <vector>

namespace tevasn_mib {

struct MibFile {
  std::string name;                  ///< the module defined ("FOO-MIB DEFINITIONS ::= BEGIN")
  std::vector<std::string> imports;  ///< modules named after FROM, in order, once each

  /// Reads the head of a module's text; false when it defines no module.
  static bool parse(std::string_view text, MibFile* out);

  /// Reads the file at `path`; false when it cannot be read or defines no module.
  static bool read(const std::string& path, MibFile* out);

  /// The file of module `name` in `dirs` as libsmi looks for it (the name
  /// with no extension or a usual one, then in lower case); "" when none.
  static std::string locate(const std::string& name, const std::vector<std::string>& dirs);
};

}  // namespace tevasn_mib

#endif  // TEVASN_MIB_MIBFILE_H
