#include "Values.h"

#include <utility>

#include "Identifier.h"
#include "Text.h"

using namespace NTevAsnValue;

namespace tevasn {

namespace {

bool parse_signed(std::string_view text, long* value) {
  const bool negative = !text.empty() && text.front() == '-';
  if (negative) text.remove_prefix(1);
  unsigned long long magnitude = 0;
  if (!parse_decimal(text, negative ? 2147483648ULL : 2147483647ULL, &magnitude)) return false;
  *value = negative ? static_cast<long>(-static_cast<long long>(magnitude))
                    : static_cast<long>(magnitude);
  return true;
}

// Splits `text` at `separator` into exactly `count` parts.
bool split_exact(std::string_view text, char separator, std::size_t count,
                 std::string_view* parts) {
  for (std::size_t i = 0; i < count; ++i) {
    const std::size_t end = text.find(separator);
    const bool last = i + 1 == count;
    if (last != (end == std::string_view::npos)) return false;
    parts[i] = last ? text : text.substr(0, end);
    if (!last) text.remove_prefix(end + 1);
  }
  return true;
}

bool is_hex_run(std::string_view text, std::size_t min, std::size_t max) {
  if (text.size() < min || text.size() > max) return false;
  for (char c : text) {
    const bool digit = (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
    if (!digit) return false;
  }
  return true;
}

bool is_ipv4(std::string_view text) {
  std::string_view parts[4];
  if (!split_exact(text, '.', 4, parts)) return false;
  unsigned long long octet = 0;
  for (std::string_view part : parts) {
    if (part.size() > 3 || !parse_decimal(part, 255, &octet)) return false;
  }
  return true;
}

// Rewrites an IPv6 address with "::" into the eight groups the library reads.
bool expand_ipv6(std::string_view text, std::string* full) {
  std::string_view halves[2] = {text, {}};
  const std::size_t gap = text.find("::");
  if (gap != std::string_view::npos) {
    halves[0] = text.substr(0, gap);
    halves[1] = text.substr(gap + 2);
  }
  std::string groups[2];
  std::size_t counts[2] = {0, 0};
  for (int h = 0; h < 2; ++h) {
    std::string_view rest = halves[h];
    while (!rest.empty()) {
      std::size_t end = rest.find(':');
      if (end == std::string_view::npos) end = rest.size();
      if (!is_hex_run(rest.substr(0, end), 1, 4)) return false;
      groups[h] += (groups[h].empty() ? "" : ":") + std::string(rest.substr(0, end));
      ++counts[h];
      if (end == rest.size()) break;
      rest.remove_prefix(end + 1);
      if (rest.empty()) return false;  // a trailing ':'
    }
  }
  const std::size_t given = counts[0] + counts[1];
  if (gap == std::string_view::npos) {
    *full = groups[0];
    return given == 8;
  }
  if (given > 7) return false;
  *full = groups[0];
  for (std::size_t i = 0; i < 8 - given; ++i) *full += (full->empty() ? "0" : ":0");
  if (!groups[1].empty()) *full += ":" + groups[1];
  return true;
}

bool is_ip_port(std::string_view text) {
  std::string_view parts[2];
  unsigned long long port = 0;
  return split_exact(text, '/', 2, parts) && is_ipv4(parts[0]) &&
         parse_decimal(parts[1], 65535, &port);
}

bool is_ipx(std::string_view text) {
  std::string_view parts[2];
  std::string_view address[2];
  return split_exact(text, '/', 2, parts) && split_exact(parts[0], ':', 2, address) &&
         is_hex_run(address[0], 8, 8) && is_hex_run(address[1], 12, 12) &&
         is_hex_run(parts[1], 1, 4);
}

ValuePtr from_octets(const TypeChoice& choice, const std::string& octets, std::string* reason) {
  long err = ASN_OK;
  ValuePtr value(tev_create_asn_value(choice.type(), &err));
  if (value != nullptr) {
    err = value->set_octets(reinterpret_cast<const unsigned char*>(octets.data()),
                            static_cast<unsigned long>(octets.size()));
  }
  if (value == nullptr || err != ASN_OK) {
    *reason = error_words(err);
    return nullptr;
  }
  return value;
}

ValuePtr from_text(const TypeChoice& choice, const std::string& text, std::string* reason) {
  long err = ASN_OK;
  ValuePtr value(tev_create_asn_value(text.c_str(), choice.type(), &err));
  if (value == nullptr) *reason = error_words(err);
  return value;
}

}  // namespace

ValuePtr make_value(const TypeChoice& choice, std::string_view text, std::string* reason) {
  const std::string whole(text);
  const char* expected = choice.info->value_help;
  long err = ASN_OK;
  ValuePtr value;
  switch (choice.info->form) {
    case Form::kSigned: {
      long number = 0;
      if (!parse_signed(text, &number)) break;
      value.reset(tev_create_asn_value(number, choice.type(), &err));
      if (value == nullptr) *reason = error_words(err);
      return value;
    }
    case Form::kUnsigned: {
      unsigned long long number = 0;
      if (!parse_decimal(text, 0xFFFFFFFFULL, &number)) break;
      value.reset(tev_create_asn_value(static_cast<unsigned long>(number), choice.type(), &err));
      if (value == nullptr) *reason = error_words(err);
      return value;
    }
    case Form::kUnsigned64: {
      unsigned long long number = 0;
      if (!parse_decimal(text, ~0ULL, &number)) break;
      return from_text(choice, whole, reason);
    }
    case Form::kText:
      return from_octets(choice, whole, reason);
    case Form::kHex: {
      std::string octets;
      if (!parse_hex_octets(text, &octets, reason)) {
        *reason = "octets in hex expected: " + *reason;
        return nullptr;
      }
      return from_octets(choice, octets, reason);
    }
    case Form::kFixed: {
      std::string octets = whole;
      if (text.size() != choice.fixed_count() && !parse_hex_octets(text, &octets, reason)) {
        *reason = choice.written + " takes " + std::to_string(choice.fixed_count()) +
                  " characters of text or " + std::to_string(choice.fixed_count()) +
                  " octets in hex; " + *reason;
        return nullptr;
      }
      if (octets.size() != choice.fixed_count()) {
        *reason = choice.written + " takes exactly " + std::to_string(choice.fixed_count()) +
                  " octets, not " + std::to_string(octets.size());
        return nullptr;
      }
      return from_octets(choice, octets, reason);
    }
    case Form::kIpAddress:
      if (!is_ipv4(text)) break;
      return from_text(choice, whole, reason);
    case Form::kIpv6: {
      std::string full;
      if (!expand_ipv6(text, &full)) break;
      return from_text(choice, full, reason);
    }
    case Form::kIpPort:
      if (!is_ip_port(text)) break;
      return from_text(choice, whole, reason);
    case Form::kIpx:
      if (!is_ipx(text)) break;
      return from_text(choice, whole, reason);
    case Form::kInet:
      *reason = "an inetaddress makes two values";
      return nullptr;
    case Form::kOid: {
      Identifier oid;
      if (!parse_identifier(text, true, &oid, reason)) return nullptr;
      value.reset(tev_create_asn_object_id(oid.dotted.c_str(), &err));
      if (value == nullptr) *reason = error_words(err);
      return value;
    }
  }
  *reason = "not a valid " + choice.name() + " value (expected " + expected + ")";
  return nullptr;
}

bool text_form(const ITevAsnValue& value, std::string* text, std::string* reason) {
  long err = ASN_OK;
  BufferPtr buffer(value.to_text(&err));
  if (buffer == nullptr || err != ASN_OK) {
    *reason = std::string("no text form: ") + error_words(err);
    return false;
  }
  text->assign(buffer->length() == 0 ? "" : buffer->data(), buffer->length());
  // Only octet strings may end in zero octets of their own.
  if (value.get_type() != ASN_OCTET_STRING && value.get_type() != ASN_OPAQUE) {
    while (!text->empty() && text->back() == '\0') text->pop_back();
  }
  return true;
}

bool octets_of(const ITevAsnValue& value, std::string* octets) {
  unsigned long length = 0;
  long err = ASN_OK;
  const unsigned char* data = value.get_octets(&length, &err);
  if (err != ASN_OK) return false;
  octets->assign(reinterpret_cast<const char*>(data), data == nullptr ? 0 : length);
  return true;
}

bool make_values(const TypeChoice& choice, std::string_view text, std::vector<ValuePtr>* values,
                 std::string* reason) {
  if (choice.info->form != Form::kInet) {
    ValuePtr value = make_value(choice, text, reason);
    if (value == nullptr) return false;
    values->push_back(std::move(value));
    return true;
  }
  unsigned long type = 0;
  CTevAsnBuffer octets;
  CTevAsnBuffer why;
  long err = tev_inet_address_parse(text.data(), static_cast<unsigned long>(text.size()), &type,
                                    &octets, &why);
  if (err != ASN_OK) {
    *reason = why.length() != 0 ? std::string(why.data(), why.length()) : error_words(err);
    return false;
  }
  ValuePtr type_value(tev_create_asn_value(static_cast<long>(type), ASN_INTEGER, &err));
  ValuePtr address(tev_create_asn_value(ASN_OCTET_STRING, &err));
  if (type_value == nullptr || address == nullptr ||
      (err = address->set_octets_from(&octets)) != ASN_OK) {
    *reason = error_words(err);
    return false;
  }
  values->push_back(std::move(type_value));
  values->push_back(std::move(address));
  return true;
}

}  // namespace tevasn
