// Look-ups in the compiled catalogue: names through a hash of the folded
// names, identifiers through a hash of their leading sub-identifiers at each
// length an entry identifier has.
#include <cstdio>
#include <cstring>

#include "TevAsnCatalog.h"
#include "base/TevError.h"
#include "base/TevReason.h"
#include "catalog/TevCatalogData.h"
#include "catalog/TevNameMatch.h"

using namespace NTevAsnValue;
using namespace tev_catalog;

namespace {

constexpr unsigned long kMaxSuggestions = 3;
constexpr unsigned long kLineSize = 256;

const TevCatalogTable* refuse(long* err, long code) {
  tev_base::set_error(err, code);
  return nullptr;
}

const TevCatalogTable* found(long* err, const TevCatalogTable* table) {
  tev_base::set_error(err, ASN_OK);
  return table;
}

// A table or entry name, split from its optional "MODULE::".
struct QualifiedName {
  const char* module = nullptr;
  unsigned long module_length = 0;
  const char* name;
  unsigned long length;
};

QualifiedName split(const char* text, unsigned long length) {
  QualifiedName out{nullptr, 0, text, length};
  const char* colon = static_cast<const char*>(std::memchr(text, ':', length));
  while (colon != nullptr) {
    const unsigned long at = static_cast<unsigned long>(colon - text);
    if (at + 1 < length && colon[1] == ':') {
      out.module = text;
      out.module_length = at;
      out.name = colon + 2;
      out.length = length - at - 2;
      break;
    }
    colon = static_cast<const char*>(std::memchr(colon + 1, ':', length - at - 1));
  }
  return out;
}

// How far `key` (lower case) lies from what the user typed; substrings of
// four or more letters count as near ("ipAddress" for ipAddressTable).
unsigned long distance(const char* key, const QualifiedName& typed) {
  const unsigned long edits = edit_distance(key, typed.name, typed.length);
  if (typed.length < 4 || edits <= 1) return edits;
  return contains_folded(key, typed.name, typed.length) ? 1 : edits;
}

// ASN_E_UNKNOWN_TABLE, with "unknown table "ifTabel"; closest: ifTable,
// ifXTable" in `reason` (-3 when it cannot be stored).
long suggest(const QualifiedName& typed, const char* text, unsigned long length,
             CTevAsnBuffer* reason) {
  if (reason == nullptr) return ASN_E_UNKNOWN_TABLE;
  const unsigned long limit = typed.length / 3 > 2 ? typed.length / 3 : 2;
  const TevCatalogTable* best[kMaxSuggestions] = {};
  unsigned long best_distance[kMaxSuggestions] = {};
  unsigned long kept = 0;
  for (unsigned long i = 0; i < kNameCount; ++i) {
    const TevCatalogTable* table = &kTables[kNames[i].table];
    const unsigned long d = distance(kNames[i].key, typed);
    if (d > limit) continue;
    bool seen = false;
    for (unsigned long k = 0; k < kept; ++k) {
      if (best[k] != table) continue;
      seen = true;
      if (d < best_distance[k]) best_distance[k] = d;
    }
    if (seen) continue;
    unsigned long at = kept < kMaxSuggestions ? kept++ : kMaxSuggestions;
    if (at == kMaxSuggestions) {
      if (d >= best_distance[kMaxSuggestions - 1]) continue;
      at = kMaxSuggestions - 1;
    }
    while (at > 0 && best_distance[at - 1] > d) {
      best[at] = best[at - 1];
      best_distance[at] = best_distance[at - 1];
      --at;
    }
    best[at] = table;
    best_distance[at] = d;
  }
  // The name as typed, cut to 64 bytes, unprintable bytes as \xHH: one
  // reason stays one line.
  char shown[64 * 4 + 1];
  unsigned long used = 0;
  for (unsigned long i = 0; i < length && i < 64; ++i) {
    const tev_base::ShownChar c = tev_base::shown(text[i]);
    const unsigned long n = std::strlen(c.text);
    std::memcpy(shown + used, c.text, n);
    used += n;
  }
  shown[used] = '\0';
  char line[kLineSize + sizeof shown];
  int n = std::snprintf(line, sizeof line, "unknown table \"%s\"", shown);
  for (unsigned long k = 0; k < kept && n > 0 && static_cast<unsigned long>(n) < sizeof line; ++k) {
    n += std::snprintf(line + n, sizeof line - static_cast<unsigned long>(n), "%s%s",
                       k == 0 ? "; closest: " : ", ", best[k]->name);
  }
  return tev_base::fail(reason, ASN_E_UNKNOWN_TABLE, line);
}

constexpr std::uint32_t kHashStart = 2166136261u;
constexpr std::uint32_t kHashPrime = 16777619u;

// Whether `length` bytes of `module`, case ignored, are the lower-case `key`.
bool is_module(const char* key, const char* module, unsigned long length) {
  for (unsigned long i = 0; i < length; ++i) {
    // A NUL in the caller's text must not carry the scan past the key's end.
    if (key[i] == '\0' || static_cast<unsigned char>(key[i]) != fold(module[i])) return false;
  }
  return key[length] == '\0';
}

// Whether the key is exactly the `length` bytes of `folded`, which may hold
// a NUL (the key is read no further than its own end).
bool is_key(const char* key, const char* folded, unsigned long length) {
  for (unsigned long i = 0; i < length; ++i) {
    if (key[i] == '\0' || key[i] != folded[i]) return false;
  }
  return key[length] == '\0';
}

// The first key of the run of keys equal to `folded` (lower case, `length`
// bytes, hashed to `hash`); kNameCount when none.
unsigned long find_key(const char* folded, unsigned long length, std::uint32_t hash) {
  for (unsigned long slot = hash % kNameSlotCount;; slot = (slot + 1) % kNameSlotCount) {
    const unsigned long at = kNameSlots[slot];
    if (at == 0) return kNameCount;
    const char* key = kNames[at - 1].key;
    if (is_key(key, folded, length)) return at - 1;
  }
}

// The table whose entry identifier is the first `length` of `sub_ids`, whose
// hash is `hash`; null when none.
const TevCatalogTable* find_entry(const std::uint32_t* sub_ids, unsigned long length,
                                  std::uint32_t hash) {
  for (unsigned long slot = hash % kEntrySlotCount;; slot = (slot + 1) % kEntrySlotCount) {
    const unsigned long at = kEntrySlots[slot];
    if (at == 0) return nullptr;
    const TevCatalogTable& table = kTables[at - 1];
    if (table.entry_count == length &&
        std::memcmp(table.entry_sub_ids, sub_ids, length * sizeof *sub_ids) == 0) {
      return &table;
    }
  }
}

// ASN_E_UNKNOWN_TABLE, with the identifier in `reason` (-3 when it cannot be stored).
long say_not_found(const std::uint32_t* sub_ids, unsigned long count, CTevAsnBuffer* reason) {
  if (reason == nullptr) return ASN_E_UNKNOWN_TABLE;
  char line[kLineSize];
  int n = std::snprintf(line, sizeof line, "no table of the catalogue holds ");
  for (unsigned long i = 0; i < count && n > 0 && static_cast<unsigned long>(n) < sizeof line - 16;
       ++i) {
    n += std::snprintf(line + n, sizeof line - static_cast<unsigned long>(n), "%s%lu",
                       i == 0 ? "" : ".", static_cast<unsigned long>(sub_ids[i]));
  }
  return tev_base::fail(reason, ASN_E_UNKNOWN_TABLE, line);
}

}  // namespace

unsigned long tev_get_catalog_table_count() { return kTableCount; }

const TevCatalogTable* tev_get_catalog_table(unsigned long index) {
  return index < kTableCount ? &kTables[index] : nullptr;
}

unsigned long tev_get_catalog_convention_count() { return kConventionCount; }

const TevCatalogConvention* tev_get_catalog_convention(unsigned long index) {
  return index < kConventionCount ? &kConventions[index] : nullptr;
}

const TevCatalogTable* tev_find_catalog_table(const char* name, unsigned long length,
                                              CTevAsnBuffer* reason, long* err) {
  if (name == nullptr) return refuse(err, ASN_E_INVALID_ARGUMENT);
  const QualifiedName typed = split(name, length);
  if (typed.length < kMaxFolded && typed.module_length < kMaxFolded) {
    char folded[kMaxFolded];
    const std::uint32_t hash = fold_and_hash(typed.name, typed.length, folded);
    for (unsigned long i = find_key(folded, typed.length, hash); i < kNameCount; ++i) {
      if (typed.module == nullptr ||
          is_module(kNames[i].module_key, typed.module, typed.module_length)) {
        return found(err, &kTables[kNames[i].table]);
      }
      if (kNames[i].same_next == 0) break;
    }
  }
  return refuse(err, suggest(typed, name, length, reason));
}

const TevCatalogTable* tev_find_catalog_table_by_oid(const std::uint32_t* sub_ids,
                                                     unsigned long count, CTevAsnBuffer* reason,
                                                     long* err) {
  if (sub_ids == nullptr && count != 0) return refuse(err, ASN_E_INVALID_ARGUMENT);
  // Entry identifiers have a few lengths only: the hash of the leading
  // sub-identifiers is looked up at each of them.
  std::uint32_t hash = kHashStart;
  unsigned long hashed = 0;
  for (unsigned long k = 0; k < kEntryLengthCount && kEntryLengths[k] != 0; ++k) {
    const unsigned long length = kEntryLengths[k];
    if (length > count) break;
    for (; hashed < length; ++hashed) hash = (hash ^ sub_ids[hashed]) * kHashPrime;
    const TevCatalogTable* table = find_entry(sub_ids, length, hash);
    if (table != nullptr) return found(err, table);
  }
  return refuse(err, say_not_found(sub_ids, count, reason));
}

const TevCatalogColumn* tev_find_catalog_column(const TevCatalogTable* table,
                                                std::uint32_t number) {
  if (table == nullptr) return nullptr;
  unsigned long low = 0;
  unsigned long high = table->column_count;
  while (low < high) {
    const unsigned long middle = low + (high - low) / 2;
    if (table->columns[middle].number < number) {
      low = middle + 1;
    } else {
      high = middle;
    }
  }
  return low < table->column_count && table->columns[low].number == number ? &table->columns[low]
                                                                           : nullptr;
}

const char* tev_syntax_name(ETevSyntax syntax) {
  static constexpr const char* kSyntaxNames[] = {
      "Integer32", "INTEGER",        "Unsigned32",   "Gauge32", "Counter32",
      "TimeTicks", "Counter64",      "OCTET STRING", "BITS",    "OBJECT IDENTIFIER",
      "IpAddress", "NetworkAddress", "Opaque"};
  if (syntax < TEV_SYNTAX_INTEGER32 || syntax >= TEV_SYNTAX_END) return nullptr;
  return kSyntaxNames[syntax - TEV_SYNTAX_INTEGER32];
}
