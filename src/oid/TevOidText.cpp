#include "oid/TevOidText.h"

#include <cstdint>
#include <cstring>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "framework/TevAsnConstants.h"
#include "framework/TevNumberText.h"

namespace tev {

namespace {

// Index of the first byte where a and b differ within n bytes; n when none.
// Compares sixteen bytes at a time with SSE2, else eight where the byte order
// allows it.
std::size_t first_difference(const char* a, const char* b, std::size_t n) {
  std::size_t i = 0;
#if defined(__SSE2__)
  if (n >= 16) {
    // Sixteen bytes at a time; the last sixteen overlap those found equal.
    const auto differing = [a, b](std::size_t at) {
      const __m128i wa = _mm_loadu_si128(reinterpret_cast<const __m128i*>(a + at));
      const __m128i wb = _mm_loadu_si128(reinterpret_cast<const __m128i*>(b + at));
      return static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(wa, wb))) ^ 0xFFFFU;
    };
    for (; i + 16 <= n; i += 16) {
      const unsigned mask = differing(i);
      if (mask != 0) return i + static_cast<std::size_t>(__builtin_ctz(mask));
    }
    if (i == n) return n;
    const unsigned mask = differing(n - 16);
    return mask == 0 ? n : n - 16 + static_cast<std::size_t>(__builtin_ctz(mask));
  }
#endif
#if defined(__GNUC__) && defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
  for (; i + 8 <= n; i += 8) {
    std::uint64_t wa = 0;
    std::uint64_t wb = 0;
    std::memcpy(&wa, a + i, 8);
    std::memcpy(&wb, b + i, 8);
    // The lowest differing bit lies in the first differing byte.
    if (wa != wb) return i + static_cast<std::size_t>(__builtin_ctzll(wa ^ wb)) / 8;
  }
  if (i < n && n >= 8) {
    // The last eight bytes, overlapping those already found equal.
    std::uint64_t wa = 0;
    std::uint64_t wb = 0;
    std::memcpy(&wa, a + n - 8, 8);
    std::memcpy(&wb, b + n - 8, 8);
    if (wa == wb) return n;
    return n - 8 + static_cast<std::size_t>(__builtin_ctzll(wa ^ wb)) / 8;
  }
#endif
  while (i < n && a[i] == b[i]) ++i;
  return i;
}

}  // namespace

bool oid_text_is_valid(const char* text, std::size_t length) {
  const char* p = text;
  const char* const end = text + length;
  while (p != end) {
    // One component: "0", or a non-zero digit followed by any digits.
    if (!is_digit(*p)) return false;
    if (*p++ != '0') p = skip_digits(p, end);
    if (p == end) return true;
    if (*p != '.' || ++p == end) return false;  // bad character, or a trailing dot
  }
  return true;  // only the empty text gets here
}

std::size_t oid_text_count(const char* text, std::size_t length) {
  if (length == 0) return 0;
  std::size_t count = 1;
  const char* end = text + length;
  for (const char* p = text;
       (p = static_cast<const char*>(std::memchr(p, '.', end - p))) != nullptr; ++p) {
    ++count;
  }
  return count;
}

long oid_text_relation(const char* a, std::size_t a_length, const char* b, std::size_t b_length) {
  const std::size_t common = a_length < b_length ? a_length : b_length;
  const std::size_t i = first_difference(a, b, common);
  if (i < common) {
    const auto ca = static_cast<signed char>(a[i]);
    const auto cb = static_cast<signed char>(b[i]);
    return ca < cb ? kRelationSortsFirst : kRelationSortsLast;
  }
  if (a_length == b_length) return kRelationEqual;
  if (a_length == common) return b[common] == '.' ? kRelationAbove : kRelationSortsFirst;
  return a[common] == '.' ? kRelationBelow : kRelationSortsLast;
}

long oid_read_sub_id(const char* p, unsigned long* value) {
  const ScannedDecimal scanned = scan_decimal(p);
  if (scanned.overflow || scanned.value > static_cast<std::int64_t>(kMax32) ||
      scanned.value < INT32_MIN) {
    *value = kFail32;
    return NTevAsnValue::ASN_E_SUBID_RANGE;
  }
  // Negative numbers keep their 32-bit pattern, so what INTEGER values write
  // through append_sub_id reads back unchanged.
  *value = static_cast<std::uint32_t>(scanned.value);
  return NTevAsnValue::ASN_OK;
}

}  // namespace tev
