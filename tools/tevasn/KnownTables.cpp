#include "KnownTables.h"

#include <algorithm>

#include "TevAsnValuePtr.h"
#ifdef TEVASN_WITH_MIB
#include "MibTables.h"
#endif

using namespace NTevAsnValue;

namespace tevasn {

KnownTables::KnownTables() = default;
KnownTables::~KnownTables() = default;

#ifdef TEVASN_WITH_MIB

void KnownTables::MibDeleter::operator()(tevasn_mib::MibTables* mib) const { delete mib; }

bool KnownTables::supported() { return true; }

bool KnownTables::load(const std::vector<std::string>& dirs,
                       const std::vector<std::string>& modules, std::vector<std::string>* errors) {
  if (dirs.empty() && modules.empty()) return true;
  if (mib_ == nullptr) mib_.reset(new tevasn_mib::MibTables());
  bool all = true;
  for (const std::string& dir : dirs) {
    if (!mib_->add_dir(dir)) {
      errors->push_back(dir + ": out of memory");
      all = false;
    }
  }
  for (const std::string& dir : dirs) {
    if (!mib_->load_dir(dir, errors)) all = false;
  }
  for (const std::string& module : modules) {
    std::string error;
    if (!mib_->load(module, &error)) {
      // A module --mib-dir already refused is named once.
      if (std::find(errors->begin(), errors->end(), error) == errors->end()) {
        errors->push_back(error);
      }
      all = false;
    }
  }
  return all;
}

#else

// Without MIB support no MibTables is ever made.
void KnownTables::MibDeleter::operator()(tevasn_mib::MibTables* /*mib*/) const {}

bool KnownTables::supported() { return false; }

bool KnownTables::load(const std::vector<std::string>& dirs,
                       const std::vector<std::string>& modules, std::vector<std::string>* errors) {
  if (dirs.empty() && modules.empty()) return true;
  errors->push_back("built without MIB support (libsmi): --mib-dir and --mib are not available");
  return false;
}

#endif

const TevCatalogTable* KnownTables::find(const std::string& name, std::string* reason) const {
#ifdef TEVASN_WITH_MIB
  if (mib_ != nullptr) {
    const TevCatalogTable* table = mib_->find(name);
    if (table != nullptr) return table;
  }
#endif
  CTevAsnBuffer why;
  long err = ASN_OK;
  const TevCatalogTable* table =
      tev_find_catalog_table(name.data(), static_cast<unsigned long>(name.size()), &why, &err);
  if (table != nullptr) return table;
  *reason = why.length() != 0 ? std::string(why.data(), why.length())
                              : std::string(tev_error_message(err));
#ifdef TEVASN_WITH_MIB
  // The loaded modules' near names come first in "closest".
  if (mib_ != nullptr && err == ASN_E_UNKNOWN_TABLE) *reason = mib_->closest_first(name, *reason);
#endif
  return nullptr;
}

const TevCatalogTable* KnownTables::find_by_oid(const std::uint32_t* sub_ids,
                                                std::size_t count) const {
#ifdef TEVASN_WITH_MIB
  if (mib_ != nullptr) {
    const TevCatalogTable* table = mib_->find_by_oid(sub_ids, count);
    if (table != nullptr) return table;
  }
#endif
  return tev_find_catalog_table_by_oid(sub_ids, static_cast<unsigned long>(count), nullptr,
                                       nullptr);
}

std::size_t KnownTables::loaded_count() const {
#ifdef TEVASN_WITH_MIB
  if (mib_ != nullptr) return mib_->size();
#endif
  return 0;
}

const TevCatalogTable* KnownTables::loaded(std::size_t i) const {
#ifdef TEVASN_WITH_MIB
  if (mib_ != nullptr) return mib_->at(i);
#endif
  (void)i;
  return nullptr;
}

}  // namespace tevasn
