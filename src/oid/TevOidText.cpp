#include "oid/TevOidText.h"

#include <cstdint>
#include <cstring>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "base/TevNumberText.h"
#include "framework/TevAsnConstants.h"

namespace tev_core {

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
    if (n <= 32) {
      // Two blocks, the second overlapping the first: one mask of the
      // differing positions, the second block's moved to where it starts.
      const std::uint32_t mask = differing(0) | (differing(n - 16) << (n - 16));
      return mask == 0 ? n : static_cast<std::size_t>(__builtin_ctz(mask));
    }
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
  // The grammar as rules on neighbouring characters: only digits and dots;
  // a digit first and last; no dot after a dot; no "0" that starts a
  // component followed by a digit.
  if (length == 0) return true;
  if (!tev_base::is_digit(text[0]) || !tev_base::is_digit(text[length - 1])) return false;
  std::size_t i = 0;
#if defined(__SSE2__)
  // Sixteen characters at a time, as bit masks; the neighbours across the
  // block's edges come from the characters before and after it.
  const __m128i below_zero = _mm_set1_epi8('0' - 1);
  const __m128i above_nine = _mm_set1_epi8('9' + 1);
  const __m128i dot = _mm_set1_epi8('.');
  const __m128i zero = _mm_set1_epi8('0');
  for (; i + 16 <= length; i += 16) {
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text + i));
    const auto mask = [](__m128i m) { return static_cast<unsigned>(_mm_movemask_epi8(m)); };
    const unsigned digits =
        mask(_mm_and_si128(_mm_cmpgt_epi8(v, below_zero), _mm_cmplt_epi8(v, above_nine)));
    const unsigned dots = mask(_mm_cmpeq_epi8(v, dot));
    if ((digits | dots) != 0xFFFFU) return false;
    const unsigned dot_before = i != 0 && text[i - 1] == '.' ? 1U : 0U;
    if ((dots & ((dots << 1) | dot_before)) != 0) return false;
    const unsigned starts = (dots << 1) | (i == 0 ? 1U : dot_before);
    const unsigned digit_after =
        (digits >> 1) | (i + 16 < length && tev_base::is_digit(text[i + 16]) ? 0x8000U : 0U);
    if ((mask(_mm_cmpeq_epi8(v, zero)) & starts & digit_after) != 0) return false;
  }
#endif
  for (; i < length; ++i) {
    const char c = text[i];
    const bool starts = i == 0 || text[i - 1] == '.';
    const bool bad = c == '.' ? text[i - 1] == '.'  // i > 0: the first is a digit
                              : !tev_base::is_digit(c) || (c == '0' && starts && i + 1 < length &&
                                                           tev_base::is_digit(text[i + 1]));
    if (bad) return false;
  }
  return true;
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

long oid_text_relation_of_any(const char* a, std::size_t a_length, const char* b,
                              std::size_t b_length) {
  const std::size_t common = a_length < b_length ? a_length : b_length;
  const std::size_t i = first_difference(a, b, common);
  if (i < common) return oid_relation_at_difference(a[i], b[i]);
  return oid_relation_after_common(a, a_length, b, b_length, common);
}

long oid_read_sub_id(const char* p, unsigned long* value) {
  const tev_base::ScannedDecimal scanned = tev_base::scan_decimal(p);
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

}  // namespace tev_core
