#include "catalog/TevNameMatch.h"

#include <cstring>

namespace tev_catalog {

namespace {

constexpr unsigned long kMaxName = 63;
constexpr unsigned long kFar = 1000;

}  // namespace

std::uint32_t fold_and_hash(const char* name, unsigned long length, char* out) {
  constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
  constexpr std::uint64_t kHighs = 0x8080808080808080ULL;
  // Zeros after the name up to its last word's end, then the name.
  std::memset(out + (length & ~7UL), 0, 8);
  std::memcpy(out, name, length);
  std::uint64_t hash = 0xCBF29CE484222325ULL;
  for (unsigned long at = 0; at < length; at += 8) {
    std::uint64_t word;
    std::memcpy(&word, out + at, sizeof word);
    // The high bit of each byte that is 'A'..'Z' (bytes of 0x80 and up excluded).
    const std::uint64_t low7 = word & ~kHighs;
    const std::uint64_t from_a = low7 + (0x80 - 'A') * kOnes;
    const std::uint64_t past_z = low7 + (0x80 - 'Z' - 1) * kOnes;
    const std::uint64_t capitals = from_a & ~past_z & ~word & kHighs;
    word |= capitals >> 2;
    std::memcpy(out + at, &word, sizeof word);
    // Words read in the host's byte order: every target of the library is
    // little-endian, as the generator assumes.
    hash = (hash ^ word) * 0x100000001B3ULL;
    hash ^= hash >> 29;
  }
  hash *= 0xFF51AFD7ED558CCDULL;
  hash ^= hash >> 32;
  return static_cast<std::uint32_t>(hash);
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
