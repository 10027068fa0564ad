#include "Types.h"

using namespace NTevAsnValue;

namespace tevasn {

const std::vector<TypeInfo>& type_table() {
  static const std::vector<TypeInfo> table = {
      {TEV_INDEX_INTEGER, Form::kSigned, "-2147483648..2147483647", "one sub-identifier"},
      {TEV_INDEX_COUNTER, Form::kUnsigned, "0..4294967295", "one sub-identifier"},
      {TEV_INDEX_GAUGE, Form::kUnsigned, "0..4294967295", "one sub-identifier"},
      {TEV_INDEX_TIME_TICKS, Form::kUnsigned, "0..4294967295", "one sub-identifier"},
      {TEV_INDEX_COUNTER_64, Form::kUnsigned64, "0..18446744073709551615",
       "none (not allowed in an index)"},
      {TEV_INDEX_OCTETS, Form::kText, "text, taken as it is",
       "length, then one sub-identifier per octet"},
      {TEV_INDEX_HEX, Form::kHex, "octets in hex: 80:00:1f:88 or 80001f88",
       "length, then one sub-identifier per octet"},
      {TEV_INDEX_OPAQUE, Form::kText, "text, taken as it is",
       "length, then one sub-identifier per octet"},
      {TEV_INDEX_FIXED, Form::kFixed, "N characters of text, or N octets in hex",
       "N sub-identifiers, one per octet, no length"},
      {TEV_INDEX_IP_ADDRESS, Form::kIpAddress, "192.168.1.10", "four sub-identifiers, no length"},
      {TEV_INDEX_IPV6, Form::kIpv6, "fe80:0:0:0:0:0:0:1 or fe80::1",
       "sixteen sub-identifiers, no length"},
      {TEV_INDEX_IP_PORT, Form::kIpPort, "10.1.2.3/161", "1 (UDP domain), length 6, six octets"},
      {TEV_INDEX_IPX, Form::kIpx, "0000abcd:00a0c9112233/451",
       "5 (IPX domain), length 12, twelve octets"},
      {TEV_INDEX_OID, Form::kOid, "1.3.6.1.2.1 (a leading '.' is allowed)",
       "length, then the sub-identifiers"},
      {TEV_INDEX_INET_ADDRESS, Form::kInet,
       "TYPE:ADDRESS (ipv4:192.0.2.1, dns:NAME, unknown:) or 192.0.2.1, fe80::1%5",
       "InetAddressType, length, then one sub-identifier per octet"},
  };
  return table;
}

std::string layout_text(const std::vector<std::string>& words) {
  std::string text;
  for (const std::string& word : words) text += (text.empty() ? "" : " ") + word;
  return text;
}

bool describe_layout(const ITevAsnIndexLayout& layout, std::vector<TypeChoice>* types,
                     std::string* reason) {
  types->clear();
  CTevAsnBuffer word;
  for (unsigned long i = 0; i < layout.get_word_count(); ++i) {
    TypeChoice choice;
    long rc = layout.get_word(i, &choice.word);
    if (rc == ASN_OK) rc = layout.word_to_text_into(&word, i);
    if (rc != ASN_OK) {
      *reason = tev_error_message(rc);
      return false;
    }
    for (const TypeInfo& info : type_table()) {
      if (info.kind == choice.word.kind) choice.info = &info;
    }
    choice.written.assign(word.length() == 0 ? "" : word.data(), word.length());
    types->push_back(choice);
  }
  return true;
}

bool parse_layout(const std::vector<std::string>& words, unsigned long flags,
                  TevAsnIndexLayoutPtr* layout, std::vector<TypeChoice>* types,
                  std::string* reason) {
  CTevAsnBuffer why;
  long err = ASN_OK;
  layout->reset(tev_create_index_layout(layout_text(words).c_str(), flags, &why, &err));
  if (*layout == nullptr) {
    *reason = why.length() != 0 ? std::string(why.data(), why.length()) : tev_error_message(err);
    return false;
  }
  return describe_layout(**layout, types, reason);
}

}  // namespace tevasn
