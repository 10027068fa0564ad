#include "MibPaths.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "NearNames.h"

namespace tevasn_mib {

namespace {

bool is_dir(const std::string& path) {
  struct stat info;
  return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// A directory's files that may hold a module: no hidden or backup files,
// and no extension other than the ones module files use.
bool is_module_file_name(const std::string& name) {
  if (name.empty() || name[0] == '.' || name.back() == '~') return false;
  const std::size_t dot = name.rfind('.');
  if (dot == std::string::npos) return true;
  const std::string extension = tevasn_names::folded(name.substr(dot));
  for (const char* usual : {".txt", ".mib", ".my", ".smi", ".smiv1", ".smiv2", ".mi2"}) {
    if (extension == usual) return true;
  }
  return false;
}

}  // namespace

std::string without_slash(std::string dir) {
  while (dir.size() > 1 && dir.back() == '/') dir.pop_back();
  return dir;
}

bool module_files(const std::string& dir, std::vector<std::string>* files, std::string* why) {
  std::unique_ptr<DIR, int (*)(DIR*)> handle(opendir(dir.c_str()), closedir);
  if (handle == nullptr) {
    *why = std::strerror(errno);
    return false;
  }
  files->clear();
  while (dirent* entry = readdir(handle.get())) {
    const std::string name = entry->d_name;
    if (!is_module_file_name(name)) continue;
    const std::string path = without_slash(dir) + "/" + name;
    struct stat info;
    if (stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode)) files->push_back(path);
  }
  std::sort(files->begin(), files->end());
  return true;
}

std::vector<std::string> installed_base_dirs() {
  std::vector<std::string> dirs;
  try {
    char exe[PATH_MAX];
    const ssize_t n = readlink("/proc/self/exe", exe, sizeof exe - 1);
    if (n > 0) {
      std::string dir(exe, static_cast<std::size_t>(n));
      dir.resize(dir.rfind('/') == std::string::npos ? 0 : dir.rfind('/'));
      dirs.push_back(dir + "/../share/tevasn/mibs");
    }
#ifdef TEVASN_MIB_INSTALL_DIR
    dirs.push_back(TEVASN_MIB_INSTALL_DIR);
#endif
#ifdef TEVASN_MIB_SOURCE_DIR
    dirs.push_back(TEVASN_MIB_SOURCE_DIR);
#endif
    std::vector<std::string> found;
    for (const std::string& dir : dirs) {
      char real[PATH_MAX];
      if (!is_dir(dir) || realpath(dir.c_str(), real) == nullptr) continue;
      if (std::find(found.begin(), found.end(), real) == found.end()) found.push_back(real);
    }
    return found;
  } catch (const std::bad_alloc&) {
    return dirs;
  }
}

}  // namespace tevasn_mib
