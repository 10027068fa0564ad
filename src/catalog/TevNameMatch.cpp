#include "catalog/TevNameMatch.h"

#include <cstring>

namespace tev_catalog {

namespace {

constexpr unsigned long kMaxName = 63;
constexpr unsigned long kFar = 1000;

unsigned char fold(char c) {
  const unsigned char u = static_cast<unsigned char>(c);
  return u >= 'A' && u <= 'Z' ? static_cast<unsigned char>(u - 'A' + 'a') : u;
}

}  // namespace

int compare_folded(const char* key, const char* name, unsigned long length) {
  for (unsigned long i = 0; i < length; ++i) {
    const unsigned char k = static_cast<unsigned char>(key[i]);
    if (k == 0) return -1;
    const unsigned char n = fold(name[i]);
    if (k != n) return k < n ? -1 : 1;
  }
  return key[length] == '\0' ? 0 : 1;
}

bool equal_folded(const char* text, const char* name, unsigned long length) {
  if (std::strlen(text) != length) return false;
  for (unsigned long i = 0; i < length; ++i) {
    if (fold(text[i]) != fold(name[i])) return false;
  }
  return true;
}

bool contains_folded(const char* key, const char* name, unsigned long length) {
  const unsigned long key_length = std::strlen(key);
  for (unsigned long at = 0; at + length <= key_length; ++at) {
    unsigned long i = 0;
    while (i < length && fold(name[i]) == static_cast<unsigned char>(key[at + i])) ++i;
    if (i == length) return true;
  }
  return false;
}

unsigned long edit_distance(const char* key, const char* name, unsigned long length) {
  const unsigned long key_length = std::strlen(key);
  if (length > kMaxName || key_length > kMaxName) return kFar;
  unsigned long row[kMaxName + 1];
  for (unsigned long j = 0; j <= key_length; ++j) row[j] = j;
  for (unsigned long i = 1; i <= length; ++i) {
    unsigned long diagonal = row[0];
    row[0] = i;
    for (unsigned long j = 1; j <= key_length; ++j) {
      const unsigned long above = row[j];
      const unsigned long replace =
          diagonal + (fold(name[i - 1]) == static_cast<unsigned char>(key[j - 1]) ? 0 : 1);
      unsigned long best = above + 1 < row[j - 1] + 1 ? above + 1 : row[j - 1] + 1;
      if (replace < best) best = replace;
      row[j] = best;
      diagonal = above;
    }
  }
  // A name that spells the start of the key ("tcpConection" for
  // tcpconnectiontable) is one edit further than its distance to that start.
  unsigned long best = row[key_length];
  for (unsigned long j = 0; j < key_length; ++j) {
    if (row[j] + 1 < best) best = row[j] + 1;
  }
  return best;
}

}  // namespace tev_catalog
