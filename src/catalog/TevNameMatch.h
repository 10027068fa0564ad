// Names compared as a MIB reader types them: letter case ignored, and the
// distance that ranks near misses for a "did you mean" list.
#ifndef TEVASNVALUE_SRC_CATALOG_TEVNAMEMATCH_H
#define TEVASNVALUE_SRC_CATALOG_TEVNAMEMATCH_H

#include <cstdint>

namespace tev_catalog {

/// `c` in lower case when it is an ASCII capital.
inline unsigned char fold(char c) {
  const unsigned char u = static_cast<unsigned char>(c);
  return u >= 'A' && u <= 'Z' ? static_cast<unsigned char>(u - 'A' + 'a') : u;
}

/// Room for a folded name: longer names are in no table.
constexpr unsigned long kMaxFolded = 64;

/// Copies `length` bytes of `name` into `out` (kMaxFolded bytes) in lower
/// case, zeros after them up to the next multiple of 8, and returns their
/// hash (name_hash of scripts/gen-catalog.py). `length` must be below
/// kMaxFolded. Eight bytes at a time: a name costs a few words, not a loop
/// per letter.
std::uint32_t fold_and_hash(const char* name, unsigned long length, char* out);

/// True when `length` bytes of `name`, case ignored, occur in the lower-case `key`.
bool contains_folded(const char* key, const char* name, unsigned long length);

/// Edits (insert, delete, replace, case ignored) that turn `name` into the
/// zero-terminated lower-case `key`, or one more than the edits to a start of
/// the key when that is fewer; names of more than 63 bytes count as far from
/// everything.
unsigned long edit_distance(const char* key, const char* name, unsigned long length);

}  // namespace tev_catalog

#endif  // TEVASNVALUE_SRC_CATALOG_TEVNAMEMATCH_H
