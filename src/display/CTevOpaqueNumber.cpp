#include "display/CTevOpaqueNumber.h"

#include <charconv>
#include <cstdint>
#include <cstring>

#include "base/TevReason.h"

using namespace NTevAsnValue;
using tev_base::fail;

namespace {

constexpr unsigned char kExtensionTag = 0x9f;

std::uint64_t big_endian(const unsigned char* octets, unsigned long count) {
  std::uint64_t value = 0;
  for (unsigned long i = 0; i < count; ++i) value = value << 8 | octets[i];
  return value;
}

void put_big_endian(std::uint64_t value, unsigned count, CTevTextBuilder* out) {
  for (unsigned k = count; k-- > 0;) out->append_char(static_cast<char>(value >> (8 * k)));
}

const char* kind_name(long kind) {
  switch (kind) {
    case TEV_OPAQUE_COUNTER64:
      return "counter64";
    case TEV_OPAQUE_FLOAT:
      return "float";
    case TEV_OPAQUE_DOUBLE:
      return "double";
    case TEV_OPAQUE_INTEGER64:
      return "int64";
    case TEV_OPAQUE_UNSIGNED64:
      return "uint64";
    default:
      return nullptr;
  }
}

}  // namespace

long CTevOpaqueNumber::unwrap(const unsigned char* octets, unsigned long length,
                              TevOpaqueNumber* out, CTevAsnBuffer* reason) {
  if (length < 3 || octets[0] != kExtensionTag || kind_name(octets[1]) == nullptr) {
    return fail(reason, ASN_E_NOT_WRAPPED,
                "not a wrapped number: the octets do not start with 9f and 76, 78, 79, 7a or 7b");
  }
  const auto kind = static_cast<ETevOpaqueKind>(octets[1]);
  const unsigned long count = octets[2];
  if (count != length - 3) {
    return fail(reason, ASN_E_NOT_WRAPPED,
                "not a wrapped number: length octet %lu, but %lu octets follow", count, length - 3);
  }
  const unsigned char* number = octets + 3;
  TevOpaqueNumber result;
  result.kind = kind;
  if (kind == TEV_OPAQUE_FLOAT || kind == TEV_OPAQUE_DOUBLE) {
    const unsigned long size = kind == TEV_OPAQUE_FLOAT ? 4 : 8;
    if (count != size) {
      return fail(reason, ASN_E_NOT_WRAPPED, "not a wrapped number: a %s takes %lu octets, not %lu",
                  kind_name(kind), size, count);
    }
    const std::uint64_t bits = big_endian(number, count);
    if (kind == TEV_OPAQUE_FLOAT) {
      const std::uint32_t bits32 = static_cast<std::uint32_t>(bits);
      float value;
      std::memcpy(&value, &bits32, sizeof value);
      result.real = value;
    } else {
      std::memcpy(&result.real, &bits, sizeof result.real);
    }
  } else {
    const bool is_signed = kind == TEV_OPAQUE_INTEGER64;
    const unsigned long widest = is_signed ? 8 : 9;
    if (count == 0 || count > widest || (count == 9 && number[0] != 0)) {
      return fail(reason, ASN_E_NOT_WRAPPED,
                  "not a wrapped number: a %s takes 1 to 8 octets (9 with a leading 00), not %lu",
                  kind_name(kind), count);
    }
    const std::uint64_t value = big_endian(number, count);
    if (is_signed) {
      // Sign-extend from the top bit of the first octet.
      const unsigned shift = static_cast<unsigned>(64 - 8 * count);
      const std::uint64_t widened =
          count < 8 && (number[0] & 0x80) != 0 ? value | (~0ULL << (64 - shift)) : value;
      std::int64_t signed_value;
      std::memcpy(&signed_value, &widened, sizeof signed_value);
      result.signed_value = signed_value;
    } else {
      result.unsigned_value = value;
    }
  }
  *out = result;
  return ASN_OK;
}

bool CTevOpaqueNumber::wrap(const TevOpaqueNumber& number, CTevTextBuilder* out) {
  if (kind_name(number.kind) == nullptr) return false;
  out->append_char(static_cast<char>(kExtensionTag));
  out->append_char(static_cast<char>(number.kind));
  if (number.kind == TEV_OPAQUE_FLOAT) {
    const float value = static_cast<float>(number.real);
    std::uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    out->append_char(static_cast<char>(4));
    put_big_endian(bits, 4, out);
  } else if (number.kind == TEV_OPAQUE_DOUBLE) {
    std::uint64_t bits;
    std::memcpy(&bits, &number.real, sizeof bits);
    out->append_char(static_cast<char>(8));
    put_big_endian(bits, 8, out);
  } else if (number.kind == TEV_OPAQUE_INTEGER64) {
    // The shortest two's complement form: drop leading octets that only
    // repeat the sign of the next.
    std::uint64_t bits;
    std::memcpy(&bits, &number.signed_value, sizeof bits);
    unsigned count = 8;
    while (count > 1) {
      const unsigned top = static_cast<unsigned>(bits >> (8 * count - 9)) & 0x1FF;
      if (top != 0 && top != 0x1FF) break;
      --count;
    }
    out->append_char(static_cast<char>(count));
    put_big_endian(bits, count, out);
  } else {
    // Unsigned: the shortest form, with a leading 00 when the top bit is set.
    const std::uint64_t value = number.unsigned_value;
    unsigned count = 1;
    while (count < 8 && (value >> (8 * count)) != 0) ++count;
    const bool pad = (value >> (8 * count - 1) & 1) != 0;
    out->append_char(static_cast<char>(count + (pad ? 1 : 0)));
    if (pad) out->append_char('\0');
    put_big_endian(value, count, out);
  }
  return true;
}

void CTevOpaqueNumber::format(const TevOpaqueNumber& number, CTevTextBuilder* out) {
  out->append_text(kind_name(number.kind));
  out->append_char(' ');
  char digits[64];
  std::to_chars_result written{};
  switch (number.kind) {
    case TEV_OPAQUE_FLOAT:
      written = std::to_chars(digits, digits + sizeof digits, static_cast<float>(number.real));
      break;
    case TEV_OPAQUE_DOUBLE:
      written = std::to_chars(digits, digits + sizeof digits, number.real);
      break;
    case TEV_OPAQUE_INTEGER64:
      out->append_signed(number.signed_value);
      return;
    default:
      out->append_decimal64(number.unsigned_value);
      return;
  }
  out->append(digits, static_cast<unsigned long>(written.ptr - digits));
}
