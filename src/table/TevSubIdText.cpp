// Dotted decimal text of object identifiers, read strictly into numbers.
#include "TevAsnTable.h"
#include "base/CTevTextBuilder.h"

using namespace NTevAsnValue;

namespace {

// Says why `text` is not dotted decimal; called only after the fast loop
// below has refused it, so it walks the text again with words.
long explain(const char* text, unsigned long length, unsigned long capacity,
             CTevAsnBuffer* reason) {
  CTevTextBuilder why;
  unsigned long pos = length != 0 && text[0] == '.' ? 1 : 0;
  unsigned long n = 0;
  while (true) {
    const unsigned long start = pos;
    while (pos < length && text[pos] >= '0' && text[pos] <= '9') ++pos;
    const unsigned long digits = pos - start;
    if (pos < length && text[pos] != '.') {
      unsigned long end = pos;
      while (end < length && text[end] != '.') ++end;
      why.append_text("not a dotted decimal object identifier: ");
      why.append_quoted(text + pos, 1);
      why.append_text(" in ");
      why.append_quoted(text + start, end - start);
      break;
    }
    if (digits == 0 || (pos < length && pos + 1 == length)) {
      why.append_text("empty sub-identifier (two dots in a row, or a dot at the end)");
      break;
    }
    if (digits > 1 && text[start] == '0') {
      why.append_text("sub-identifier ");
      why.append_quoted(text + start, digits);
      why.append_text(" has a leading zero");
      break;
    }
    std::uint64_t value = 0;
    for (unsigned long i = start; i < pos && value <= 0xFFFFFFFFULL; ++i) {
      value = value * 10 + static_cast<unsigned>(text[i] - '0');
    }
    if (value > 0xFFFFFFFFULL) {
      why.append_text("sub-identifier ");
      why.append_quoted(text + start, digits);
      why.append_text(" does not fit 32 bits (at most 4294967295)");
      break;
    }
    if (n == ASN_MAX_SUB_IDS || n == capacity) {
      why.append_text("more than ");
      why.append_decimal(static_cast<std::uint32_t>(n));
      why.append_text(" sub-identifiers");
      break;
    }
    ++n;
    ++pos;  // the dot
  }
  return why.refuse(ASN_E_INVALID_ARGUMENT, reason);
}

}  // namespace

long tev_parse_sub_ids(const char* text, unsigned long length, std::uint32_t* sub_ids,
                       unsigned long capacity, unsigned long* count, CTevAsnBuffer* reason) {
  if ((text == nullptr && length != 0) || count == nullptr) return ASN_E_INVALID_ARGUMENT;
  *count = 0;
  unsigned long pos = length != 0 && text[0] == '.' ? 1 : 0;
  if (pos == length) return ASN_OK;
  if (sub_ids == nullptr) return ASN_E_INVALID_ARGUMENT;
  const unsigned long room = capacity < ASN_MAX_SUB_IDS ? capacity : ASN_MAX_SUB_IDS;
  const char* p = text + pos;
  const char* const end = text + length;
  unsigned long n = 0;
  while (true) {
    // One sub-identifier: 1 to 10 digits, no leading zero, at most 2^32-1.
    const char* const first = p;
    std::uint64_t value = 0;
    unsigned digit = 0;
    while (p != end && (digit = static_cast<unsigned char>(*p) - unsigned{'0'}) <= 9) {
      value = value * 10 + digit;  // may wrap past 10 digits, which are refused below
      ++p;
    }
    const long digits = p - first;
    if (digits == 0 || digits > 10 || value > 0xFFFFFFFFULL || (*first == '0' && digits > 1) ||
        n == room) {
      return explain(text, length, capacity, reason);
    }
    sub_ids[n++] = static_cast<std::uint32_t>(value);
    if (p == end) break;
    if (*p != '.' || p + 1 == end) return explain(text, length, capacity, reason);
    ++p;
  }
  *count = n;
  return ASN_OK;
}
