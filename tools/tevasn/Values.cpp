#include "Values.h"

#include <utility>

#include "TevAsnHelpers.h"

using namespace NTevAsnValue;

namespace tevasn {

namespace {

TevAsnValuePtr from_octets(const TypeChoice& choice, const std::string& octets,
                           std::string* reason) {
  long err = ASN_OK;
  TevAsnValuePtr value(tev_create_asn_value(choice.type(), &err));
  if (value != nullptr) {
    err = value->set_octets(reinterpret_cast<const unsigned char*>(octets.data()),
                            static_cast<unsigned long>(octets.size()));
  }
  if (value == nullptr || err != ASN_OK) {
    *reason = tev_error_message(err);
    return nullptr;
  }
  return value;
}

std::string reason_of(const CTevAsnBuffer& why, long err) {
  return why.length() != 0 ? std::string(why.data(), why.length()) : tev_error_message(err);
}

// The companion's strict reader; the reason says what the TYPE takes.
TevAsnValuePtr read_strictly(const TypeChoice& choice, std::string_view text, std::string* reason) {
  CTevAsnBuffer why;
  long err = ASN_OK;
  TevAsnValuePtr value(tev_read_value(text.data(), static_cast<unsigned long>(text.size()),
                                      choice.type(), &why, &err));
  if (value != nullptr) return value;
  if (err != ASN_E_VALUE_TEXT) {
    *reason = tev_error_message(err);
  } else if (choice.info->form == Form::kHex) {
    *reason = "octets in hex expected: " + reason_of(why, err);
  } else if (choice.info->form == Form::kOid) {
    *reason = reason_of(why, err);
  } else {
    *reason = "not a valid " + choice.name() + " value (expected " + choice.info->value_help + ")";
  }
  return nullptr;
}

}  // namespace

TevAsnValuePtr make_value(const TypeChoice& choice, std::string_view text, std::string* reason) {
  switch (choice.info->form) {
    case Form::kText:
      return from_octets(choice, std::string(text), reason);
    case Form::kFixed: {
      std::string octets(text);
      if (text.size() != choice.fixed_count() && !hex_octets(text, &octets, reason)) {
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
    case Form::kInet:
      *reason = "an inetaddress makes two values";
      return nullptr;
    default:
      return read_strictly(choice, text, reason);
  }
}

bool hex_octets(std::string_view text, std::string* octets, std::string* reason) {
  CTevAsnBuffer hex;
  CTevAsnBuffer why;
  const long err =
      tev_parse_hex_octets(text.data(), static_cast<unsigned long>(text.size()), &hex, &why);
  if (err != ASN_OK) {
    *reason = reason_of(why, err);
    return false;
  }
  octets->assign(hex.length() == 0 ? "" : hex.data(), hex.length());
  return true;
}

bool decimal_64(std::string_view text, std::uint64_t* value) {
  long err = ASN_OK;
  TevAsnValuePtr number(tev_read_value(text.data(), static_cast<unsigned long>(text.size()),
                                       ASN_COUNTER_64, nullptr, &err));
  if (number == nullptr) return false;
  *value = tev::get_counter64(number.get());
  return true;
}

bool text_form(const ITevAsnValue& value, std::string* text, std::string* reason) {
  long err = ASN_OK;
  TevAsnBufferPtr buffer(value.to_text(&err));
  if (buffer == nullptr || err != ASN_OK) {
    *reason = std::string("no text form: ") + tev_error_message(err);
    return false;
  }
  text->assign(buffer->length() == 0 ? "" : buffer->data(), buffer->length());
  // Only octet strings may end in zero octets of their own.
  if (value.get_type() != ASN_OCTET_STRING && value.get_type() != ASN_OPAQUE) {
    while (!text->empty() && text->back() == '\0') text->pop_back();
  }
  return true;
}

bool make_values(const TypeChoice& choice, std::string_view text,
                 std::vector<TevAsnValuePtr>* values, std::string* reason) {
  if (choice.info->form != Form::kInet) {
    TevAsnValuePtr value = make_value(choice, text, reason);
    if (value == nullptr) return false;
    values->push_back(std::move(value));
    return true;
  }
  ETevInetAddressType type = TEV_INET_UNKNOWN;
  CTevAsnBuffer octets;
  CTevAsnBuffer why;
  long err = tev_parse_inet_address(text.data(), static_cast<unsigned long>(text.size()), &type,
                                    &octets, &why);
  if (err != ASN_OK) {
    *reason = reason_of(why, err);
    return false;
  }
  TevAsnValuePtr type_value(tev_create_asn_value(static_cast<long>(type), ASN_INTEGER, &err));
  TevAsnValuePtr address(tev_create_asn_value(ASN_OCTET_STRING, &err));
  if (type_value == nullptr || address == nullptr ||
      (err = address->set_octets_from(&octets)) != ASN_OK) {
    *reason = tev_error_message(err);
    return false;
  }
  values->push_back(std::move(type_value));
  values->push_back(std::move(address));
  return true;
}

}  // namespace tevasn
