// Dotted decimal text of object identifiers, read strictly into numbers.
#include "TevAsnTable.h"
#include "table/CTevTextBuilder.h"

using namespace NTevAsnValue;

namespace {

constexpr unsigned long kMaxSubIds = 128;

long refuse(CTevTextBuilder* why, CTevAsnBuffer* reason) {
  const long rc = why->store_into(reason);
  return rc != ASN_OK ? rc : ASN_E_INVALID_ARGUMENT;
}

}  // namespace

long tev_parse_sub_ids(const char* text, unsigned long length, std::uint32_t* sub_ids,
                       unsigned long capacity, unsigned long* count, CTevAsnBuffer* reason) {
  if ((text == nullptr && length != 0) || count == nullptr) return ASN_E_INVALID_ARGUMENT;
  *count = 0;
  unsigned long pos = 0;
  if (length != 0 && text[0] == '.') pos = 1;
  if (pos == length) return ASN_OK;
  if (sub_ids == nullptr) return ASN_E_INVALID_ARGUMENT;
  unsigned long n = 0;
  while (true) {
    const unsigned long start = pos;
    std::uint64_t value = 0;
    while (pos < length && text[pos] >= '0' && text[pos] <= '9') {
      if (value <= 0xFFFFFFFFULL) value = value * 10 + static_cast<unsigned>(text[pos] - '0');
      ++pos;
    }
    const bool at_end = pos == length;
    if (!at_end && text[pos] != '.') {
      CTevTextBuilder why;
      why.append_text("not a dotted decimal object identifier: ");
      why.append_quoted(text + pos, 1);
      why.append_text(" in ");
      unsigned long end = pos;
      while (end < length && text[end] != '.') ++end;
      why.append_quoted(text + start, end - start);
      return refuse(&why, reason);
    }
    const unsigned long digits = pos - start;
    if (digits == 0) {
      CTevTextBuilder why;
      why.append_text("empty sub-identifier (two dots in a row, or a dot at the end)");
      return refuse(&why, reason);
    }
    if (digits > 1 && text[start] == '0') {
      CTevTextBuilder why;
      why.append_text("sub-identifier ");
      why.append_quoted(text + start, digits);
      why.append_text(" has a leading zero");
      return refuse(&why, reason);
    }
    if (value > 0xFFFFFFFFULL) {
      CTevTextBuilder why;
      why.append_text("sub-identifier ");
      why.append_quoted(text + start, digits);
      why.append_text(" does not fit 32 bits (at most 4294967295)");
      return refuse(&why, reason);
    }
    if (n == kMaxSubIds || n == capacity) {
      CTevTextBuilder why;
      why.append_text("more than ");
      why.append_decimal(static_cast<std::uint32_t>(n));
      why.append_text(" sub-identifiers");
      return refuse(&why, reason);
    }
    sub_ids[n++] = static_cast<std::uint32_t>(value);
    if (at_end) break;
    ++pos;  // the dot
    if (pos == length) {
      CTevTextBuilder why;
      why.append_text("empty sub-identifier (two dots in a row, or a dot at the end)");
      return refuse(&why, reason);
    }
  }
  *count = n;
  return ASN_OK;
}
