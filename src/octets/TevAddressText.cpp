#include "octets/TevAddressText.h"

#include "base/TevNumberText.h"

namespace tev_core {

namespace {

// Reads one number at `*p` in `base`, taking at most `width` characters after
// the white space (0: no limit). Advances `*p` past what it read; false when
// no digit was found.
bool scan_number(const char** p, unsigned base, std::size_t width, ScannedField* field) {
  const char* s = *p;
  while (tev_base::is_space(*s)) ++s;
  const char* const limit = width == 0 ? nullptr : s + width;
  auto room = [&]() { return limit == nullptr || s < limit; };
  *field = ScannedField{};
  if (room() && (*s == '+' || *s == '-')) {
    field->negative = *s == '-';
    ++s;
  }
  bool any_digit = false;
  if (base == 16 && room() && *s == '0') {
    // A leading 0 is a digit; an x after it is the prefix, even when no digit
    // follows ("0x" reads as 0, as sscanf reads it).
    any_digit = true;
    ++s;
    if (room() && (*s == 'x' || *s == 'X')) ++s;
  }
  const tev_base::DigitRun run = tev_base::scan_digits(s, limit, base, UINT32_MAX);
  if (!any_digit && run.end == s) return false;
  field->overflow = run.overflow;
  field->magnitude = static_cast<std::uint32_t>(run.value);
  *p = run.end;
  return true;
}

}  // namespace

std::size_t scan_fields(const char* text, const char* pattern, ScannedField* fields) {
  std::size_t count = 0;
  const char* p = text;
  for (const char* f = pattern; *f != '\0'; ++f) {
    bool read = true;
    switch (*f) {
      case 'd':
        read = scan_number(&p, 10, 0, &fields[count]);
        break;
      case 'x':
        read = scan_number(&p, 16, 0, &fields[count]);
        break;
      case 'h':
        read = scan_number(&p, 16, 2, &fields[count]);
        break;
      default:
        if (*p != *f) return count;
        ++p;
        continue;
    }
    if (!read) return count;
    ++count;
  }
  return count;
}

bool field_within(const ScannedField& field, std::uint32_t limit) {
  if (field.overflow) return false;
  if (field.negative && field.magnitude != 0) return false;
  return field.magnitude <= limit;
}

bool field_bits(const ScannedField& field, std::uint32_t* bits) {
  if (field.overflow) return false;
  *bits = field.negative ? 0U - field.magnitude : field.magnitude;
  return true;
}

}  // namespace tev_core
