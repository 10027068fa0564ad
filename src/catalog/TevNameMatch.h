// Names compared as a MIB reader types them: letter case ignored, and the
// distance that ranks near misses for a "did you mean" list.
#ifndef TEVASNVALUE_SRC_CATALOG_TEVNAMEMATCH_H
#define TEVASNVALUE_SRC_CATALOG_TEVNAMEMATCH_H

namespace tev_catalog {

/// Compares `length` bytes of `name`, folded to lower case, with the
/// zero-terminated lower-case `key`: <0, 0 or >0 as strcmp does.
int compare_folded(const char* key, const char* name, unsigned long length);

/// True when the zero-terminated `text` equals `length` bytes of `name`, case ignored.
bool equal_folded(const char* text, const char* name, unsigned long length);

/// True when `length` bytes of `name`, case ignored, occur in the lower-case `key`.
bool contains_folded(const char* key, const char* name, unsigned long length);

/// Edits (insert, delete, replace, case ignored) that turn `name` into the
/// zero-terminated lower-case `key`, or one more than the edits to a start of
/// the key when that is fewer; names of more than 63 bytes count as far from
/// everything.
unsigned long edit_distance(const char* key, const char* name, unsigned long length);

}  // namespace tev_catalog

#endif  // TEVASNVALUE_SRC_CATALOG_TEVNAMEMATCH_H
