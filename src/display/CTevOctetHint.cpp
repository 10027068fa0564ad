#include "display/CTevOctetHint.h"

#include <cstdint>
#include <cstring>

#include "TevAsnDisplay.h"
#include "base/TevEscape.h"
#include "base/TevNumberText.h"
#include "base/TevReason.h"
#include "display/CTevHintValueWriter.h"
#include "display/TevHintChars.h"

using namespace NTevAsnValue;
using tev_base::fail;
using tev_base::shown;
using Writer = CTevHintValueWriter;
using namespace tev_hint;

namespace {

constexpr unsigned long kMaxOctetLength = 65535;

// Where format writes: a stretch of the builder's room held in locals, so that
// the stores of characters do not make the compiler reload the builder.
struct Cursor {
  CTevTextBuilder* out;
  char* start;
  char* at;
  char* end;

  // Room for `count` bytes at `at`; false after a failed growth (the builder
  // then reports it).
  bool ensure(unsigned long count) {
    if (static_cast<unsigned long>(end - at) >= count) return true;
    out->advance(static_cast<unsigned long>(at - start));
    start = at = out->room(count);
    end = at == nullptr ? nullptr : at + out->spare();
    return at != nullptr;
  }
  void finish() const { out->advance(static_cast<unsigned long>(at - start)); }
};

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
  Cursor w{out, nullptr, nullptr, nullptr};
  constexpr unsigned kBoundary = kDigit | kStar | kEnd;
  w.ensure(Writer::kNumberRoom);
  while (at < length) {
    // A run of the usual octet formats (a one-digit length, a format and
    // perhaps a separator, not the last one in the hint) goes straight from
    // the hint to the text; all others, faults and the last go below.
    while (true) {
      // Lengths 0..8 only: a '9' before 'd' or 'o' is a fault, and before
      // anything else rare. Each character is read only once the one before
      // it is known not to end the hint.
      const unsigned long count =
          static_cast<unsigned long>(static_cast<unsigned char>(p[0])) - '0';
      if (count > 8) break;
      const char letter = p[1];
      if ((class_of(letter) & kFormat) == 0) break;
      const char separator = (class_of(p[2]) & kBoundary) != 0 ? '\0' : p[2];
      const char* const after = separator == '\0' ? p + 2 : p + 3;
      if ((class_of(*after) & (kDigit | kStar)) == 0 || count > length - at ||
          static_cast<unsigned long>(w.end - w.at) < Writer::kQuickRoom) {
        break;
      }
      w.at = Writer::put_short_value(letter, octets + at, count, w.at);
      at += count;
      p = after;
      if (at == length) break;
      if (separator != '\0') *w.at++ = separator;
    }
    if (at == length) break;
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
      if (*p == '\0' && part.octets <= 8) {
        // The last octet format, applied to all that remain (addresses).
        while (at < length) {
          const unsigned long count = length - at < part.octets ? length - at : part.octets;
          if (w.ensure(Writer::kQuickRoom)) {
            w.at = Writer::put_short_value(part.format, octets + at, count, w.at);
            if (at + count < length && part.separator != 0) *w.at++ = part.separator;
          }
          at += count;
        }
        break;
      }
      const unsigned long count = length - at < part.octets ? length - at : part.octets;
      if (w.ensure(Writer::value_room(count))) {
        w.at = Writer::put_value(part.format, octets + at, count, w.at);
        if (at + count < length && part.separator != 0) *w.at++ = part.separator;
      }
      at += count;
      continue;
    }
    const unsigned long repeat = octets[at++];
    for (unsigned long r = 0; r < repeat && at < length; ++r) {
      const unsigned long count = length - at < part.octets ? length - at : part.octets;
      if (!w.ensure(Writer::value_room(count))) {
        at += count;
        continue;
      }
      w.at = Writer::put_value(part.format, octets + at, count, w.at);
      at += count;
      if (at == length) break;
      if (r + 1 == repeat && part.terminator != 0) {
        *w.at++ = part.terminator;
      } else if (part.separator != 0) {
        *w.at++ = part.separator;
      }
    }
    if (repeat == 0 && part.terminator != 0 && at < length && w.ensure(1)) {
      *w.at++ = part.terminator;
    }
  }
  w.finish();
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

long CTevOctetHint::read_text(const Part& part, const char* text, unsigned long length,
                              unsigned long* at, CTevTextBuilder* out, CTevAsnBuffer* reason) {
  // Up to the octet length of octets, each written as itself or escaped; 't'
  // ends before a character that does not fit whole (where the last lead
  // octet was seen).
  unsigned long end = *at;
  unsigned long count = 0;
  unsigned long lead_end = end;
  unsigned long lead_count = 0;
  unsigned char octet = 0;
  while (count < part.octets && end < length) {
    const unsigned long next = tev_base::read_escaped(text, length, end, &octet);
    if ((octet & 0xC0) != 0x80) {
      lead_end = end;
      lead_count = count;
    }
    end = next;
    ++count;
  }
  if (part.format == 't' && end < length) {
    tev_base::read_escaped(text, length, end, &octet);
    if ((octet & 0xC0) == 0x80) {
      if (lead_count == 0) {
        return fail(reason, ASN_E_HINT_TEXT,
                    "text position %lu: a character longer than the octet length %lu", *at + 1,
                    part.octets);
      }
      end = lead_end;
    }
  }
  while (*at < end) {
    *at = tev_base::read_escaped(text, length, *at, &octet);
    out->append_char(static_cast<char>(octet));
  }
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
      const long rc = read_text(part, text, length, &at, out, reason);
      if (rc != ASN_OK) return rc;
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
