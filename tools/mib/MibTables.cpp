#include "MibTables.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <new>
#include <set>

#include "MibFile.h"
#include "MibPaths.h"
#include "MibTableIndex.h"
#include "MibTableStore.h"
#include "Smi.h"

namespace tevasn_mib {

namespace {

// libsmi's severities: 0 fatal, 1 severe, 2 error, 3 and up minor errors and
// warnings. A module with an error of severity 2 or less is refused.
constexpr int kRefusedSeverity = 2;

struct SmiError {
  std::string path;
  int line = 0;
  std::string message;
};

struct SmiErrors {
  std::vector<SmiError> list;
  bool lost = false;  // one could not be stored
};

// libsmi's error handler takes no context: while this object calls into
// libsmi, its error list is the one the handler fills, on this thread.
thread_local SmiErrors* t_errors = nullptr;

void collect_error(char* path, int line, int severity, char* message, char* /*tag*/) {
  if (t_errors == nullptr || severity > kRefusedSeverity) return;
  try {
    t_errors->list.push_back(
        {path != nullptr ? path : "", line, message != nullptr ? message : ""});
  } catch (...) {
    t_errors->lost = true;  // no exception may cross libsmi's C frames
  }
}

// "WHAT: out of memory" into `error`; empty when even that cannot be stored.
void out_of_memory(const std::string& what, std::string* error) noexcept {
  try {
    error->assign(what);
    error->append(": out of memory");
  } catch (...) {
    error->clear();
  }
}

void out_of_memory(const std::string& what, std::vector<std::string>* errors) noexcept {
  try {
    std::string error;
    out_of_memory(what, &error);
    errors->push_back(std::move(error));
  } catch (...) {
  }
}

}  // namespace

struct MibTables::Store {
  std::string tag;
  std::vector<std::string> dirs;       // the caller's, in order
  std::vector<std::string> base_dirs;  // searched last
  bool ready = false;                  // the libsmi handle exists
  bool out_of_memory = false;          // a load ran out of memory: no more loads

  MibTableStore tables;  // every table taken, where it never moves
  MibTableIndex index;   // rebuilt after each load

  std::set<std::string> done;                  // modules whose tables were taken (or refused)
  std::map<std::string, std::string> refused;  // module -> its message
  std::set<std::string> checked;               // modules whose imports were found
  SmiErrors errors;

  std::vector<std::string> search_dirs() const {
    std::vector<std::string> all = dirs;
    all.insert(all.end(), base_dirs.begin(), base_dirs.end());
    return all;
  }

  // Selects this object's libsmi handle, making it on the first call. A new
  // handle has read libsmi's configuration (/etc/smi.conf, ~/.smirc); its
  // path is replaced by this object's directories.
  void select() {
    smiInit(tag.c_str());
    if (ready) return;
    ready = true;
    smiSetErrorLevel(kRefusedSeverity);
    // RECURSIVE: errors in the modules a module imports are reported too.
    smiSetFlags(SMI_FLAG_NODESCR | SMI_FLAG_ERRORS | SMI_FLAG_RECURSIVE);
    smiSetErrorHandler(collect_error);
    // Rules real modules break with no doubt about what they mean: warnings
    // rather than refusals. An index object without a range (SMIv1's
    // RFC1213-MIB ifEntry), an SMI type used without its import, a size
    // past its base type's (DISMAN-EXPRESSION-MIB's SIZE (0..65536)).
    // libsmi keeps severities for the whole process: every handle gets these.
    for (const char* tag : {"index-element-no-range", "basetype-not-imported", "range-bounds"}) {
      smiSetSeverity(const_cast<char*>(tag), kRefusedSeverity + 1);
    }
    set_path();
  }

  void set_path() const {
    std::string path;
    for (const std::string& dir : search_dirs()) path += (path.empty() ? "" : ":") + dir;
    smiSetPath(path.c_str());
  }

  bool in_base_dir(const char* path) const {
    if (path == nullptr) return false;
    const std::string file(path);
    for (const std::string& dir : base_dirs) {
      if (file.size() > dir.size() && file.compare(0, dir.size(), dir) == 0 &&
          file[dir.size()] == '/') {
        return true;
      }
    }
    return false;
  }

  bool check_imports(const std::string& module, const std::string& file, const std::string& through,
                     std::set<std::string>* visiting, std::string* error);
  bool load_one(const std::string& module, std::string* error);
  std::string error_message(const std::string& module, const std::string& file) const;
};

// Every module `module` (in `file`) imports, and theirs, lies in a searched
// directory; else the message naming the first one missing. Only modules
// whose imports were all found are remembered as checked.
bool MibTables::Store::check_imports(const std::string& module, const std::string& file,
                                     const std::string& through, std::set<std::string>* visiting,
                                     std::string* error) {
  MibFile head;
  if (!MibFile::read(file, &head)) return true;          // libsmi says what is wrong
  if (!visiting->insert(head.name).second) return true;  // an import cycle
  for (const std::string& import : head.imports) {
    const std::string via = through.empty() ? "" : " (through " + through + ")";
    const auto was = refused.find(import);
    if (was != refused.end()) {
      *error = module + ": imports " + import + via + ", which does not load (" + was->second + ")";
      return false;
    }
    if (checked.count(import) != 0 || visiting->count(import) != 0 ||
        smiIsLoaded(import.c_str()) != 0) {
      continue;
    }
    const std::string found = MibFile::locate(import, search_dirs());
    if (found.empty()) {
      *error = module + ": imports " + import + via + ", which is in no directory searched";
      return false;
    }
    const std::string next = through.empty() ? import : through + ", " + import;
    if (!check_imports(module, found, next, visiting, error)) return false;
  }
  checked.insert(head.name);
  return true;
}

std::string MibTables::Store::error_message(const std::string& module,
                                            const std::string& file) const {
  if (errors.list.empty()) return module + (errors.lost ? ": out of memory" : ": not loaded");
  const SmiError& first = errors.list.front();
  // "line 12" in the module's own file, "FILE:12" (or "FILE") in another.
  const bool own = first.path.empty() || first.path == file;
  std::string where = own ? "" : first.path;
  if (first.line > 0) where += (own ? "line " : ":") + std::to_string(first.line);
  return module + ": " + (where.empty() ? "" : where + ": ") + first.message;
}

MibTables::MibTables(std::vector<std::string> base_dirs) {
  try {
    store_.reset(new Store);
    if (base_dirs.empty()) base_dirs = default_base_dirs();
    for (std::string& dir : base_dirs) store_->base_dirs.push_back(without_slash(std::move(dir)));
    char tag[64];
    std::snprintf(tag, sizeof tag, "tevasn-mib-%p", static_cast<void*>(this));
    store_->tag = tag;
  } catch (...) {
    store_.reset();
  }
}

MibTables::~MibTables() {
  if (store_ == nullptr || !store_->ready) return;
  smiInit(store_->tag.c_str());
  smiExit();
}

bool MibTables::add_dir(const std::string& dir) {
  if (store_ == nullptr) return false;
  try {
    const std::string clean = without_slash(dir);
    if (std::find(store_->dirs.begin(), store_->dirs.end(), clean) != store_->dirs.end()) {
      return true;
    }
    store_->dirs.push_back(clean);
    if (store_->ready) {
      store_->select();
      store_->set_path();
    }
    return true;
  } catch (...) {
    return false;
  }
}

// Loads one module, leaving the lookup structures to the caller.
bool MibTables::Store::load_one(const std::string& module, std::string* error) {
  select();
  // A path names a file; a module name is looked for in the directories.
  const bool is_path = module.find_first_of("/.") != std::string::npos;
  std::string file = is_path ? module : MibFile::locate(module, search_dirs());
  std::string name = module;
  if (is_path) {
    MibFile head;
    if (!MibFile::read(file, &head)) {
      *error = module +
               (access(file.c_str(), R_OK) != 0 ? ": cannot be read" : ": defines no MIB module");
      return false;
    }
    name = head.name;
    // The modules beside it are searched for its imports.
    const std::size_t slash = file.rfind('/');
    const std::string dir = slash == std::string::npos ? "."
                            : slash == 0               ? "/"
                                                       : file.substr(0, slash);
    if (std::find(dirs.begin(), dirs.end(), dir) == dirs.end()) {
      dirs.push_back(dir);
      set_path();
    }
  } else if (file.empty() && smiIsLoaded(name.c_str()) == 0) {
    *error = module + ": is in no directory searched";
    return false;
  }
  const auto was = refused.find(name);
  if (was != refused.end()) {
    *error = was->second;
    return false;
  }
  if (done.count(name) != 0 || smiIsLoaded(name.c_str()) != 0) {
    done.insert(name);
    return true;
  }
  std::set<std::string> visiting;
  if (!check_imports(name, file, "", &visiting, error)) {
    refused[name] = *error;
    return false;
  }
  errors = SmiErrors();
  t_errors = &errors;
  char* loaded = smiLoadModule(file.c_str());
  t_errors = nullptr;
  // What libsmi says of the SMI's own modules (their base types, which it
  // reads specially: Counter64's range "is exchanged") is no fault of the
  // module loaded.
  std::set<std::string> smi_files;
  for (SmiModule* m = smiGetFirstModule(); m != nullptr; m = smiGetNextModule(m)) {
    if (m->path != nullptr && m->name != nullptr &&
        (std::strcmp(m->name, "SNMPv2-SMI") == 0 || std::strcmp(m->name, "RFC1155-SMI") == 0)) {
      smi_files.insert(m->path);
    }
  }
  errors.list.erase(
      std::remove_if(errors.list.begin(), errors.list.end(),
                     [&smi_files](const SmiError& e) { return smi_files.count(e.path) != 0; }),
      errors.list.end());
  if (loaded != nullptr) name = loaded;
  if (loaded == nullptr || !errors.list.empty() || errors.lost) {
    *error = error_message(name, file);
    refused[name] = *error;
    done.insert(name);
    // A module an error lies in gives no tables either.
    for (SmiModule* m = smiGetFirstModule(); m != nullptr; m = smiGetNextModule(m)) {
      for (const SmiError& e : errors.list) {
        if (m->path != nullptr && e.path == m->path && done.insert(m->name).second) {
          refused[m->name] = error_message(m->name, m->path);
        }
      }
    }
    return false;
  }
  for (SmiModule* m = smiGetFirstModule(); m != nullptr; m = smiGetNextModule(m)) {
    if (m->name == nullptr || !done.insert(m->name).second) continue;
    if (!in_base_dir(m->path)) tables.add_module(m);
  }
  return true;
}

bool MibTables::load(const std::string& module, std::string* error) {
  std::string ignored;
  if (error == nullptr) error = &ignored;
  if (store_ == nullptr || store_->out_of_memory) {
    out_of_memory(module, error);
    return false;
  }
  try {
    const bool loaded = store_->load_one(module, error);
    store_->index.rebuild(store_->tables);
    return loaded;
  } catch (const std::bad_alloc&) {
    t_errors = nullptr;
    store_->out_of_memory = true;
    out_of_memory(module, error);
    return false;
  }
}

bool MibTables::load_dir(const std::string& dir, std::vector<std::string>* errors) {
  std::vector<std::string> ignored;
  if (errors == nullptr) errors = &ignored;
  if (store_ == nullptr || store_->out_of_memory) {
    out_of_memory(dir, errors);
    return false;
  }
  try {
    std::vector<std::string> files;
    std::string why;
    if (!module_files(dir, &files, &why)) {
      errors->push_back(dir + ": " + why);
      return false;
    }
    if (!add_dir(dir)) throw std::bad_alloc();
    bool all = true;
    for (const std::string& file : files) {
      std::string error;
      if (!store_->load_one(file, &error)) {
        errors->push_back(error);
        all = false;
      }
    }
    store_->index.rebuild(store_->tables);
    return all;
  } catch (const std::bad_alloc&) {
    t_errors = nullptr;
    store_->out_of_memory = true;
    out_of_memory(dir, errors);
    return false;
  }
}

std::size_t MibTables::size() const { return store_ != nullptr ? store_->index.size() : 0; }

const TevCatalogTable* MibTables::at(std::size_t i) const {
  return store_ != nullptr ? store_->index.at(i) : nullptr;
}

const TevCatalogTable* MibTables::find(std::string_view name) const {
  if (store_ == nullptr) return nullptr;
  try {
    return store_->index.find(name);
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}

const TevCatalogTable* MibTables::find_by_oid(const std::uint32_t* sub_ids,
                                              std::size_t count) const {
  return store_ != nullptr ? store_->index.find_by_oid(sub_ids, count) : nullptr;
}

std::string MibTables::closest_first(std::string_view name, std::string reason) const {
  static const char kClosest[] = "; closest: ";
  try {
    std::string list;
    for (const std::string& near : closest(name, 3)) list += (list.empty() ? "" : ", ") + near;
    if (list.empty()) return reason;
    const std::size_t at = reason.find(kClosest);
    if (at == std::string::npos) return reason + kClosest + list;
    return reason.insert(at + sizeof kClosest - 1, list + ", ");
  } catch (const std::bad_alloc&) {
    return reason;
  }
}

std::vector<std::string> MibTables::closest(std::string_view name, std::size_t limit) const {
  if (store_ == nullptr) return {};
  try {
    return store_->index.closest(name, limit);
  } catch (const std::bad_alloc&) {
    return {};
  }
}

std::vector<std::string> MibTables::default_base_dirs() { return installed_base_dirs(); }

}  // namespace tevasn_mib
