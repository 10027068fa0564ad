// Where module files lie: a directory's module files, and where the
// project's base modules are looked for. May throw std::bad_alloc.
#ifndef TEVASN_MIB_MIBPATHS_H
#define TEVASN_MIB_MIBPATHS_H

#include <string>
#include <vector>

namespace tevasn_mib {

/// `dir` without trailing slashes ("/" stays).
std::string without_slash(std::string dir);

/// The regular files of `dir` that may hold a module (no hidden or backup
/// files; no extension, or one module files use), sorted; false with the
/// system's reason when `dir` cannot be read.
bool module_files(const std::string& dir, std::vector<std::string>* files, std::string* why);

/// The directories of the base modules that exist, each once: beside the
/// running program (../share/tevasn/mibs), the installed data directory, the
/// source tree.
std::vector<std::string> installed_base_dirs();

}  // namespace tevasn_mib

#endif  // TEVASN_MIB_MIBPATHS_H
