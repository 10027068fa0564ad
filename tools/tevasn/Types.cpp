#include "Types.h"

#include "Identifier.h"
#include "Text.h"

using namespace NTevAsnValue;

namespace tevasn {

const std::vector<TypeInfo>& type_table() {
  static const std::vector<TypeInfo> table = {
      {"integer", ASN_INTEGER, Form::kSigned, false, true, "-2147483648..2147483647",
       "one sub-identifier"},
      {"counter", ASN_COUNTER, Form::kUnsigned, false, true, "0..4294967295", "one sub-identifier"},
      {"gauge", ASN_GAUGE, Form::kUnsigned, false, true, "0..4294967295", "one sub-identifier"},
      {"timeticks", ASN_TIME_TICKS, Form::kUnsigned, false, true, "0..4294967295",
       "one sub-identifier"},
      {"counter64", ASN_COUNTER_64, Form::kUnsigned64, false, false, "0..18446744073709551615",
       "none (not allowed in an index)"},
      {"octets", ASN_OCTET_STRING, Form::kText, false, true, "text, taken as it is",
       "length, then one sub-identifier per octet"},
      {"hex", ASN_OCTET_STRING, Form::kHex, false, true, "octets in hex: 80:00:1f:88 or 80001f88",
       "length, then one sub-identifier per octet"},
      {"opaque", ASN_OPAQUE, Form::kText, false, true, "text, taken as it is",
       "length, then one sub-identifier per octet"},
      {"fixed", ASN_OCTET_STRING, Form::kFixed, true, true,
       "N characters of text, or N octets in hex", "N sub-identifiers, one per octet, no length"},
      {"ipaddress", ASN_IP_ADDRESS, Form::kIpAddress, true, true, "192.168.1.10",
       "four sub-identifiers, no length"},
      {"ipv6", ASN_IPV6_ADDRESS, Form::kIpv6, true, true, "fe80:0:0:0:0:0:0:1 or fe80::1",
       "sixteen sub-identifiers, no length"},
      {"ipport", ASN_IP_PORT_ADDRESS, Form::kIpPort, false, true, "10.1.2.3/161",
       "1 (UDP domain), length 6, six octets"},
      {"ipx", ASN_IPX_ADDRESS, Form::kIpx, false, true, "0000abcd:00a0c9112233/451",
       "5 (IPX domain), length 12, twelve octets"},
      {"oid", ASN_OBJECT_ID, Form::kOid, false, true, "1.3.6.1.2.1 (a leading '.' is allowed)",
       "length, then the sub-identifiers"},
  };
  return table;
}

bool parse_type(std::string_view word, TypeChoice* out, std::string* reason) {
  *out = TypeChoice();
  out->written.assign(word.data(), word.size());
  std::string_view name = word;
  const std::size_t slash = name.find('/');
  if (slash != std::string_view::npos) {
    if (name.substr(slash + 1) != "implied") {
      *reason = "unknown modifier in type " + quoted(word) + " (only /implied exists)";
      return false;
    }
    out->implied_suffix = true;
    name = name.substr(0, slash);
  }
  std::string_view count;
  const std::size_t colon = name.find(':');
  if (colon != std::string_view::npos) {
    count = name.substr(colon + 1);
    name = name.substr(0, colon);
  }
  for (const TypeInfo& info : type_table()) {
    if (name == info.name) out->info = &info;
  }
  if (out->info == nullptr) {
    *reason = "unknown type " + quoted(word);
    return false;
  }
  const bool fixed = out->info->form == Form::kFixed;
  if (fixed != (colon != std::string_view::npos)) {
    *reason = fixed ? "type fixed needs its octet count, as in fixed:6"
                    : "only fixed takes a count, not " + quoted(word);
    return false;
  }
  if (fixed) {
    unsigned long long n = 0;
    if (!parse_decimal(count, kMaxSubIds, &n) || n == 0) {
      *reason = "the count of " + quoted(word) + " must be a number from 1 to " +
                std::to_string(kMaxSubIds);
      return false;
    }
    out->fixed_count = static_cast<unsigned long>(n);
  }
  return true;
}

bool check_index_types(const std::vector<TypeChoice>& types, std::string* reason) {
  for (std::size_t i = 0; i < types.size(); ++i) {
    const TypeChoice& choice = types[i];
    if (!choice.info->has_index) {
      *reason = "type " + choice.written + " has no index encoding and cannot be part of an index";
      return false;
    }
    if (choice.implied_suffix && i + 1 != types.size()) {
      *reason = "type " + choice.written +
                ": IMPLIED is allowed on the last index value only (value " +
                std::to_string(i + 1) + " of " + std::to_string(types.size()) + ")";
      return false;
    }
  }
  return true;
}

}  // namespace tevasn
