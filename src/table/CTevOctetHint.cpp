#include "table/CTevOctetHint.h"

#include "TevAsnDisplay.h"
#include "table/TevReason.h"

using namespace NTevAsnValue;
using tev_table::fail;
using tev_table::shown;

namespace {

constexpr unsigned long kMaxOctetLength = 65535;
constexpr char kHexDigits[] = "0123456789abcdef";

bool is_digit(char c) { return c >= '0' && c <= '9'; }

// Starts a new octet format: a repeat indicator or an octet length.
bool starts_part(char c) { return c == '*' || is_digit(c); }

int digit_value(char c, unsigned base) {
  int v = -1;
  if (c >= '0' && c <= '9') v = c - '0';
  if (c >= 'a' && c <= 'f') v = c - 'a' + 10;
  if (c >= 'A' && c <= 'F') v = c - 'A' + 10;
  return v >= 0 && static_cast<unsigned>(v) < base ? v : -1;
}

unsigned base_of(char format) { return format == 'x' ? 16 : format == 'o' ? 8 : 10; }

const char* base_name(char format) {
  return format == 'x' ? "hexadecimal" : format == 'o' ? "octal" : "decimal";
}

// A big-endian number of at most 8 octets in decimal or octal, written in
// place (constant divisors, so no division instruction).
void put_number(const unsigned char* octets, unsigned long count, bool octal,
                CTevTextBuilder* out) {
  unsigned long long value = 0;
  for (unsigned long i = 0; i < count; ++i) value = value << 8 | octets[i];
  char* const room = out->room(24);
  if (room == nullptr) return;
  if (!octal && value < 1000) {
    // The common case (dates, addresses): up to three digits, no loop.
    const unsigned v = static_cast<unsigned>(value);
    unsigned long n = 0;
    if (v >= 100) room[n++] = static_cast<char>('0' + v / 100);
    if (v >= 10) room[n++] = static_cast<char>('0' + v / 10 % 10);
    room[n++] = static_cast<char>('0' + v % 10);
    out->advance(n);
    return;
  }
  char digits[24];
  char* const end = digits + sizeof digits;
  char* p = end;
  do {
    *--p = static_cast<char>('0' + (octal ? value & 7 : value % 10));
    value = octal ? value >> 3 : value / 10;
  } while (value != 0);
  const unsigned long n = static_cast<unsigned long>(end - p);
  for (unsigned long i = 0; i < n; ++i) room[i] = p[i];
  out->advance(n);
}

// The first `count` octets without a trailing incomplete UTF-8 character.
unsigned long whole_utf8(const unsigned char* octets, unsigned long count) {
  for (unsigned long back = 1; back <= 4 && back <= count; ++back) {
    const unsigned char c = octets[count - back];
    if ((c & 0xC0) == 0x80) continue;  // a continuation octet: look further back
    const unsigned long need = c < 0x80             ? 1
                               : (c & 0xE0) == 0xC0 ? 2
                               : (c & 0xF0) == 0xE0 ? 3
                               : (c & 0xF8) == 0xF0 ? 4
                                                    : 1;
    return need > back ? count - back : count;
  }
  return count;
}

void put_value(char format, const unsigned char* octets, unsigned long count,
               CTevTextBuilder* out) {
  switch (format) {
    case 'x': {
      char* const room = out->room(2 * count);
      if (room == nullptr) return;
      for (unsigned long i = 0; i < count; ++i) {
        room[2 * i] = kHexDigits[octets[i] >> 4];
        room[2 * i + 1] = kHexDigits[octets[i] & 0x0F];
      }
      out->advance(2 * count);
      break;
    }
    case 'd':
      if (count == 1) {
        // One octet, at most three digits: the common case (dates, addresses).
        char* const room = out->room(3);
        if (room == nullptr) return;
        const unsigned v = octets[0];
        unsigned long n = 0;
        if (v >= 100) room[n++] = static_cast<char>('0' + v / 100);
        if (v >= 10) room[n++] = static_cast<char>('0' + v / 10 % 10);
        room[n++] = static_cast<char>('0' + v % 10);
        out->advance(n);
      } else if (count != 0) {
        put_number(octets, count, false, out);
      }
      break;
    case 'o':
      if (count != 0) put_number(octets, count, true, out);
      break;
    case 't':
      out->append(octets, whole_utf8(octets, count));
      break;
    default:  // 'a'
      out->append(octets, count);
      break;
  }
}

}  // namespace

inline CTevOctetHint::Fault CTevOctetHint::read_part(const char* hint, const char** at,
                                                     Part* part) {
  const char* p = *at;
  part->position = static_cast<unsigned>(p - hint) + 1;
  part->repeat = *p == '*';
  if (part->repeat) ++p;
  *at = p;
  if (!is_digit(*p)) return Fault::kNoDigits;
  unsigned long octets = static_cast<unsigned long>(*p++ - '0');
  for (; is_digit(*p); ++p) {
    octets = octets * 10 + static_cast<unsigned long>(*p - '0');
    if (octets > kMaxOctetLength) return Fault::kLongOctetLength;
  }
  part->octets = octets;
  *at = p;
  const char letter = *p;
  if (letter == 'd' || letter == 'o') {
    if (octets > 8) return Fault::kWideNumber;
  } else if (letter != 'x' && letter != 'a' && letter != 't') {
    return letter == '\0' ? Fault::kNoFormat : Fault::kUnknownFormat;
  }
  part->format = letter;
  ++p;
  part->separator = 0;
  part->terminator = 0;
  if (*p != '\0' && !starts_part(*p)) {
    part->separator = *p++;
    if (*p != '\0' && !starts_part(*p)) {
      *at = p;
      if (!part->repeat) return Fault::kLoneTerminator;
      part->terminator = *p++;
    }
  }
  *at = p;
  return Fault::kNone;
}

long CTevOctetHint::hint_fault(Fault fault, const char* hint, const char* at, const Part& part,
                               CTevAsnBuffer* reason) {
  const unsigned position = static_cast<unsigned>(at - hint) + 1;
  switch (fault) {
    case Fault::kNoDigits:
      return fail(reason, ASN_E_HINT, "hint position %u: an octet length needs digits", position);
    case Fault::kLongOctetLength:
      return fail(reason, ASN_E_HINT, "hint position %u: octet length above %lu", part.position,
                  kMaxOctetLength);
    case Fault::kWideNumber:
      return fail(reason, ASN_E_HINT, "hint position %u: '%c' takes at most 8 octets", position,
                  *at);
    case Fault::kNoFormat:
      return fail(reason, ASN_E_HINT, "hint position %u: no format after the octet length",
                  position);
    case Fault::kUnknownFormat:
      return fail(reason, ASN_E_HINT, "hint position %u: unknown format '%s'", position,
                  shown(*at).text);
    default:
      return fail(reason, ASN_E_HINT,
                  "hint position %u: terminator '%s' without a repeat indicator '*'", position,
                  shown(*at).text);
  }
}

long CTevOctetHint::parse(const char* hint, CTevAsnBuffer* reason) {
  count_ = 0;
  if (*hint == '\0') return fail(reason, ASN_E_HINT, "empty hint");
  for (const char* p = hint; *p != '\0'; ++count_) {
    if (count_ == kMaxParts) {
      return fail(reason, ASN_E_HINT, "hint position %u: more than %u octet formats",
                  static_cast<unsigned>(p - hint) + 1, kMaxParts);
    }
    const Fault fault = read_part(hint, &p, &parts_[count_]);
    if (fault != Fault::kNone) return hint_fault(fault, hint, p, parts_[count_], reason);
  }
  return ASN_OK;
}

long CTevOctetHint::format(const char* hint, const unsigned char* octets, unsigned long length,
                           CTevTextBuilder* out, CTevAsnBuffer* reason) {
  // One pass over the hint: each octet format is read when it is first
  // applied, and the last one stays for the octets that remain.
  if (*hint == '\0') return fail(reason, ASN_E_HINT, "empty hint");
  const char* p = hint;
  Part part{};
  unsigned long at = 0;
  while (at < length) {
    if (*p != '\0') {
      const Fault fault = read_part(hint, &p, &part);
      if (fault != Fault::kNone) return hint_fault(fault, hint, p, part, reason);
    }
    if (!part.repeat) {
      // One value and its separator: most octet formats.
      if (part.octets == 0 && *p == '\0') {
        return fail(reason, ASN_E_HINT,
                    "hint position %u: the last octet format takes no octets while %lu remain",
                    part.position, length - at);
      }
      const unsigned long count = length - at < part.octets ? length - at : part.octets;
      put_value(part.format, octets + at, count, out);
      at += count;
      if (at < length && part.separator != 0) out->append_char(part.separator);
      continue;
    }
    const unsigned long repeat = octets[at++];
    for (unsigned long r = 0; r < repeat && at < length; ++r) {
      const unsigned long count = length - at < part.octets ? length - at : part.octets;
      put_value(part.format, octets + at, count, out);
      at += count;
      if (at == length) break;
      if (r + 1 == repeat && part.terminator != 0) {
        out->append_char(part.terminator);
      } else if (part.separator != 0) {
        out->append_char(part.separator);
      }
    }
    if (repeat == 0 && part.terminator != 0 && at < length) out->append_char(part.terminator);
  }
  // Octet formats left when the octets ran out show nothing, but a
  // malformed one is still an error.
  while (*p != '\0') {
    const Fault fault = read_part(hint, &p, &part);
    if (fault != Fault::kNone) return hint_fault(fault, hint, p, part, reason);
  }
  return ASN_OK;
}

long CTevOctetHint::one_way_check(CTevAsnBuffer* reason) const {
  for (unsigned i = 0; i < count_; ++i) {
    const Part& part = parts_[i];
    if (part.repeat) {
      return fail(reason, ASN_E_HINT_ONE_WAY,
                  "hint position %u: a repeat indicator has no single reading back", part.position);
    }
    if ((part.format != 'd' && part.format != 'o') || part.octets == 0 || part.separator != 0) {
      continue;
    }
    unsigned next = i + 1;
    while (next < count_ && parts_[next].octets == 0 && parts_[next].separator == 0) ++next;
    if (next < count_ && parts_[next].octets != 0) {
      return fail(reason, ASN_E_HINT_ONE_WAY,
                  "hint position %u: a number without a separator runs into the next value",
                  part.position);
    }
  }
  return ASN_OK;
}

long CTevOctetHint::read_number(const Part& part, const char* text, unsigned long length,
                                unsigned long* at, CTevTextBuilder* out, CTevAsnBuffer* reason) {
  const unsigned base = base_of(part.format);
  const unsigned long start = *at;
  if (base == 16) {
    // Two digits per octet, as the display writes them; an odd count has its
    // high digit implied zero.
    unsigned long end = start;
    while (end < length && end - start < 2 * part.octets && digit_value(text[end], 16) >= 0) ++end;
    if (end == start) {
      return fail(reason, ASN_E_HINT_TEXT, "text position %lu: '%s' where a %s digit belongs",
                  start + 1, shown(text[start]).text, base_name(part.format));
    }
    unsigned long i = start;
    if ((end - start) % 2 != 0) out->append_char(static_cast<char>(digit_value(text[i++], 16)));
    for (; i < end; i += 2) {
      out->append_char(
          static_cast<char>(digit_value(text[i], 16) << 4 | digit_value(text[i + 1], 16)));
    }
    *at = end;
    return ASN_OK;
  }
  const unsigned long long limit = part.octets == 8 ? ~0ULL : (1ULL << (8 * part.octets)) - 1;
  unsigned long long value = 0;
  unsigned long end = start;
  for (int d; end < length && (d = digit_value(text[end], base)) >= 0; ++end) {
    const unsigned long long digit = static_cast<unsigned long long>(d);
    if (value > (limit - digit) / base) {
      return fail(reason, ASN_E_HINT_TEXT, "text position %lu: the number does not fit %lu octet%s",
                  start + 1, part.octets, part.octets == 1 ? "" : "s");
    }
    value = value * base + digit;
  }
  if (end == start) {
    return fail(reason, ASN_E_HINT_TEXT, "text position %lu: '%s' where a %s digit belongs",
                start + 1, shown(text[start]).text, base_name(part.format));
  }
  if (part.separator == 0 && end - start > 1 && text[start] == '0') {
    // The display writes no leading zeros, so such digits can only be two
    // numbers run together (the last octet format repeated).
    return fail(reason, ASN_E_HINT_TEXT,
                "text position %lu: a number without a separator has a leading zero", start + 1);
  }
  for (unsigned long k = part.octets; k-- > 0;)
    out->append_char(static_cast<char>(value >> (8 * k)));
  *at = end;
  return ASN_OK;
}

long CTevOctetHint::read(const char* text, unsigned long length, CTevTextBuilder* out,
                         CTevAsnBuffer* reason) const {
  const long checked = one_way_check(reason);
  if (checked != ASN_OK) return checked;
  unsigned long at = 0;
  unsigned i = 0;
  while (at < length) {
    const Part& part = parts_[i];
    const bool last = i + 1 == count_;
    if (part.octets == 0) {
      if (last) {
        return fail(reason, ASN_E_HINT,
                    "hint position %u: the last octet format takes no octets while text remains",
                    part.position);
      }
    } else if (part.format == 'a' || part.format == 't') {
      unsigned long count = length - at < part.octets ? length - at : part.octets;
      if (part.format == 't' && at + count < length) {
        // Cut before a character that does not fit whole.
        while (count > 0 && (static_cast<unsigned char>(text[at + count]) & 0xC0) == 0x80) --count;
        if (count == 0) {
          return fail(reason, ASN_E_HINT_TEXT,
                      "text position %lu: a character longer than the octet length %lu", at + 1,
                      part.octets);
        }
      }
      out->append(text + at, count);
      at += count;
    } else {
      const long rc = read_number(part, text, length, &at, out, reason);
      if (rc != ASN_OK) return rc;
    }
    if (at == length) break;
    if (part.separator != 0) {
      if (text[at] != part.separator) {
        return fail(reason, ASN_E_HINT_TEXT, "text position %lu: '%s' where the hint has '%s'",
                    at + 1, shown(text[at]).text, shown(part.separator).text);
      }
      if (++at == length) {
        return fail(reason, ASN_E_HINT_TEXT, "text position %lu: the text ends after '%s'", at,
                    shown(part.separator).text);
      }
    }
    if (!last) ++i;
  }
  return ASN_OK;
}
