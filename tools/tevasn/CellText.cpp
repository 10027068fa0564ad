#include "CellText.h"

#include <cstring>

#include "TevAsnDisplay.h"
#include "TevAsnTable.h"
#include "TevAsnValuePtr.h"

using namespace NTevAsnValue;

namespace tevasn {

namespace {

const unsigned char* bytes(const std::string& octets) {
  return reinterpret_cast<const unsigned char*>(octets.data());
}

std::string text_of(const CTevAsnBuffer& buffer) {
  return buffer.length() == 0 ? std::string() : std::string(buffer.data(), buffer.length());
}

std::string reason_of(const CTevAsnBuffer& why, long err) {
  return why.length() != 0 ? text_of(why) : std::string(tev_error_message(err));
}

// The name after "MODULE::".
const char* short_name(const char* convention) {
  const char* colons = std::strstr(convention, "::");
  return colons == nullptr ? convention : colons + 2;
}

// A number as it was read: signed for INTEGER, unsigned otherwise.
std::string number_text(const WalkValue& value) {
  return value.form == WalkForm::kInteger ? std::to_string(value.number)
                                          : std::to_string(value.unsigned_number);
}

std::string as_read(const WalkValue& value) {
  switch (value.form) {
    case WalkForm::kInteger:
    case WalkForm::kUnsigned:
    case WalkForm::kCounter64:
      return number_text(value);
    case WalkForm::kOid:
    case WalkForm::kException:
      return value.text;
    case WalkForm::kNull:
      return "NULL";
    case WalkForm::kOpaque:
      if (!value.text.empty()) return octets_text(value.text, TEV_OCTETS_TEXT);
      return octets_text(value.octets, TEV_OCTETS_HEX);
    default:
      return octets_text(value.octets, TEV_OCTETS_HEX);
  }
}

bool refuse(const WalkValue& value, const std::string& why, std::string* text, std::string* note) {
  *text = as_read(value);
  *note = why;
  return false;
}

bool enumeration(const TevCatalogColumn& column, const WalkValue& value, bool numeric,
                 std::string* text, std::string* note) {
  for (std::uint32_t i = 0; i < column.label_count; ++i) {
    if (column.labels[i].number != value.number) continue;
    *text = numeric ? std::to_string(value.number)
                    : std::string(column.labels[i].name) + "(" + std::to_string(value.number) + ")";
    return true;
  }
  return refuse(value, std::to_string(value.number) + " is none of the enumeration's values", text,
                note);
}

bool bits(const TevCatalogColumn& column, const WalkValue& value, std::string* text,
          std::string* note) {
  std::string labels;
  for (std::size_t bit = 0; bit < value.octets.size() * 8; ++bit) {
    const unsigned char octet = static_cast<unsigned char>(value.octets[bit / 8]);
    if ((octet & (0x80u >> (bit % 8))) == 0) continue;
    const char* name = nullptr;
    for (std::uint32_t i = 0; i < column.label_count && name == nullptr; ++i) {
      if (column.labels[i].number == static_cast<std::int64_t>(bit)) name = column.labels[i].name;
    }
    if (name == nullptr)
      return refuse(value, "bit " + std::to_string(bit) + " has no label", text, note);
    if (!labels.empty()) labels += ',';
    labels += name;
  }
  *text = labels;
  return true;
}

// An InetAddress by its row's type, or by its length when the row has none.
bool inet_address(const WalkValue& value, long type, std::string* text, std::string* note) {
  if (type < 0) {
    switch (value.octets.size()) {
      case 0:
        type = TEV_INET_UNKNOWN;
        break;
      case 4:
        type = TEV_INET_IPV4;
        break;
      case 8:
        type = TEV_INET_IPV4Z;
        break;
      case 16:
        type = TEV_INET_IPV6;
        break;
      case 20:
        type = TEV_INET_IPV6Z;
        break;
      default:
        type = TEV_INET_DNS;
        break;
    }
  }
  CTevAsnBuffer out;
  const long err = tev_format_inet_address(
      static_cast<ETevInetAddressType>(type), bytes(value.octets),
      static_cast<unsigned long>(value.octets.size()), TEV_OCTETS_TEXT, &out);
  if (err != ASN_OK)
    return refuse(value, std::string("not an InetAddress of its type: ") + tev_error_message(err),
                  text, note);
  *text = text_of(out);
  return true;
}

bool octet_string(const TevCatalogColumn& column, const WalkValue& value,
                  const CellOptions& options, std::string* text, std::string* note) {
  const char* convention = short_name(column.convention);
  if (std::strcmp(convention, "InetAddress") == 0) {
    return inet_address(value, options.inet_type, text, note);
  }
  CTevAsnBuffer out;
  CTevAsnBuffer why;
  const unsigned long length = static_cast<unsigned long>(value.octets.size());
  long err = ASN_E_TC_UNKNOWN;
  if (*convention != '\0') err = tev_format_tc(convention, bytes(value.octets), length, &out, &why);
  if (err == ASN_E_TC_UNKNOWN && *column.hint != '\0') {
    why.assign(nullptr, 0);
    err = tev_format_octets_hint(column.hint, bytes(value.octets), length, &out, &why);
  }
  if (err == ASN_E_TC_UNKNOWN)
    err = tev_format_octets(bytes(value.octets), length, TEV_OCTETS_AUTO, &out);
  if (err != ASN_OK) return refuse(value, reason_of(why, err), text, note);
  *text = text_of(out);
  return true;
}

}  // namespace

std::string octets_text(const std::string& octets, ETevOctetsAs as) {
  CTevAsnBuffer out;
  if (tev_format_octets(bytes(octets), static_cast<unsigned long>(octets.size()), as, &out) !=
      ASN_OK) {
    return std::string();
  }
  return text_of(out);
}

bool cell_text(const TevCatalogColumn& column, const WalkValue& value, const CellOptions& options,
               std::string* text, std::string* note) {
  if (value.form == WalkForm::kException) {
    *text = value.text;
    return true;
  }
  const ETevSyntax syntax = column.syntax;
  const bool octets = value.form == WalkForm::kOctets || value.form == WalkForm::kBits;
  bool fits = false;
  switch (syntax) {
    case TEV_SYNTAX_ENUMERATION:
      if (value.form == WalkForm::kInteger)
        return enumeration(column, value, options.numeric, text, note);
      break;
    case TEV_SYNTAX_INTEGER32:
      if (value.form == WalkForm::kInteger && *column.hint != '\0' &&
          std::strcmp(column.hint, "d") != 0) {
        CTevAsnBuffer out;
        CTevAsnBuffer why;
        const long err = tev_format_integer_hint(column.hint, value.number, &out, &why);
        if (err != ASN_OK) return refuse(value, reason_of(why, err), text, note);
        *text = text_of(out);
        return true;
      }
      fits = value.form == WalkForm::kInteger;
      break;
    case TEV_SYNTAX_UNSIGNED32:
    case TEV_SYNTAX_GAUGE32:
    case TEV_SYNTAX_COUNTER32:
    case TEV_SYNTAX_TIME_TICKS:
      fits = value.form == WalkForm::kUnsigned;
      break;
    case TEV_SYNTAX_COUNTER64:
      fits = value.form == WalkForm::kCounter64;
      break;
    case TEV_SYNTAX_BITS:
      if (octets) return bits(column, value, text, note);
      break;
    case TEV_SYNTAX_OCTET_STRING:
      if (octets) return octet_string(column, value, options, text, note);
      break;
    case TEV_SYNTAX_OBJECT_IDENTIFIER:
      fits = value.form == WalkForm::kOid;
      break;
    case TEV_SYNTAX_IP_ADDRESS:
    case TEV_SYNTAX_NETWORK_ADDRESS:
      if (value.form == WalkForm::kIpAddress ||
          (value.form == WalkForm::kOctets && value.octets.size() == 4)) {
        const auto* o = bytes(value.octets);
        *text = std::to_string(o[0]) + "." + std::to_string(o[1]) + "." + std::to_string(o[2]) +
                "." + std::to_string(o[3]);
        return true;
      }
      break;
    case TEV_SYNTAX_OPAQUE:
      if (value.form == WalkForm::kOpaque && value.text.empty()) {
        CTevAsnBuffer out;
        if (tev_format_opaque(bytes(value.octets), static_cast<unsigned long>(value.octets.size()),
                              &out, nullptr) == ASN_OK) {
          *text = text_of(out);
          return true;
        }
      }
      fits = value.form == WalkForm::kOpaque;
      break;
    default:
      break;
  }
  if (fits) {
    *text = as_read(value);
    return true;
  }
  const std::string form = value.keyword.empty() ? std::string("\"\"") : std::string(value.keyword);
  return refuse(value, form + " value in a column of syntax " + tev_syntax_name(syntax), text,
                note);
}

}  // namespace tevasn
