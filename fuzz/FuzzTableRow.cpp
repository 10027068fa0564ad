// The companion library's parsers on arbitrary input: a layout text (the
// first line), then an index decoded by it (the rest, read as sub-identifiers
// and as dotted text), an InetAddress text and a value of each type read
// strictly. Promises checked: no crash,
// every failure is a documented code with a reason in words and an empty row,
// a decoded row encodes back to exactly the sub-identifiers it came from, and
// an address that reads back writes text that reads to the same octets, and
// a value read strictly writes text that reads strictly to an equal value.
#include <cstring>
#include <vector>

#include "FuzzSupport.h"
#include "TevAsnTable.h"
#include "TevAsnTablePtr.h"

using namespace NTevAsnValue;
using tev_fuzz::require;

namespace {

bool decode_failure(long code) {
  return code == ASN_E_INDEX_SHORT || code == ASN_E_INDEX_LENGTH || code == ASN_E_INDEX_LEFTOVER ||
         code == ASN_E_SUBID_RANGE || code == ASN_E_INET_ADDRESS;
}

void decode_and_encode(const ITevAsnIndexLayout* layout, ITevAsnIndexRow* row,
                       const std::vector<std::uint32_t>& index) {
  CTevAsnBuffer reason;
  const long code =
      layout->decode(index.data(), static_cast<unsigned long>(index.size()), row, &reason);
  if (code != ASN_OK) {
    require(decode_failure(code), "decode gave an undocumented code");
    require(reason.length() != 0, "a failed decode without a reason");
    require(row->get_count() == 0, "a failed decode left values in the row");
    return;
  }
  require(row->get_count() == layout->get_value_count(), "row holds the wrong number of values");
  CTevAsnBuffer text;
  require(row->to_text_into(&text, TEV_OCTETS_AUTO) == ASN_OK, "a decoded row has no text");
  std::vector<ITevAsnValue*> values;
  for (unsigned long i = 0; i < row->get_count(); ++i) {
    long err = -1;
    values.push_back(row->get_value(i, &err));
    require(err == ASN_OK && values.back() != nullptr, "a decoded value cannot be made");
  }
  tev_fuzz::Oid oid(tev_create_asn_object_id(nullptr));
  require(layout->encode(values.data(), static_cast<unsigned long>(values.size()), oid.get(),
                         &reason) == ASN_OK,
          "a decoded row does not encode");
  require(oid->get_count() == index.size(), "the encoding has another length");
  for (unsigned long i = 0; i < index.size(); ++i) {
    require(oid->get_at(i, nullptr) == index[i], "the encoding differs from the index");
  }
}

void address_round_trip(const char* text, unsigned long length) {
  ETevInetAddressType type = TEV_INET_UNKNOWN;
  CTevAsnBuffer octets;
  CTevAsnBuffer reason;
  const long code = tev_parse_inet_address(text, length, &type, &octets, &reason);
  if (code != ASN_OK) {
    require(code == ASN_E_ADDRESS_TEXT && reason.length() != 0, "an address refused badly");
    return;
  }
  CTevAsnBuffer written;
  require(tev_format_inet_address(type, tev_fuzz::bytes(octets.data()), octets.length(),
                                  TEV_OCTETS_TEXT, &written) == ASN_OK,
          "a read address has no text");
  if (type == TEV_INET_DNS || type == TEV_INET_UNKNOWN) return;  // no type in the text
  ETevInetAddressType again_type = TEV_INET_UNKNOWN;
  CTevAsnBuffer again;
  require(tev_parse_inet_address(written.data(), written.length(), &again_type, &again, &reason) ==
              ASN_OK,
          "written address text does not read back");
  require(again_type == type && again.is_equal_buffer(&octets),
          "written address reads to another address");
}

bool has_strict_text(EAsnType type) {
  return type != ASN_NULL && type != ASN_NO_SUCH_OBJECT && type != ASN_NO_SUCH_INSTANCE &&
         type != ASN_END_OF_MIB_VIEW;
}

void strict_read_round_trip(const char* text, unsigned long length) {
  for (EAsnType type : tev_fuzz::kTypes) {
    CTevAsnBuffer reason;
    long err = -1;
    tev_fuzz::Value value(tev_read_value(text, length, type, &reason, &err));
    if (value == nullptr) {
      require(has_strict_text(type) ? err == ASN_E_VALUE_TEXT && reason.length() != 0
                                    : err == ASN_E_INVALID_ARGUMENT,
              "a strict read refused badly", type);
      continue;
    }
    require(err == ASN_OK && value->get_type() == type, "a strict read gave another type", type);
    if (type == ASN_OCTET_STRING || type == ASN_OPAQUE) continue;  // their text is the octets
    tev_fuzz::Buffer written(value->to_text(&err));
    require(written != nullptr, "a strictly read value has no text", type);
    unsigned long written_length = written->length();
    while (written_length != 0 && written->data()[written_length - 1] == '\0') --written_length;
    tev_fuzz::Value again(tev_read_value(written->data(), written_length, type, &reason, &err));
    require(again != nullptr && again->is_equal(value.get()),
            "a strictly read value's text does not read back to it", type);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const char* text = reinterpret_cast<const char*>(data);
  const void* newline = std::memchr(data, '\n', size);
  const std::size_t split =
      newline == nullptr ? size : static_cast<const std::uint8_t*>(newline) - data;
  const std::vector<char> layout_text(text, text + split);
  std::vector<char> terminated(layout_text);
  terminated.push_back('\0');
  const char* rest = text + (split < size ? split + 1 : size);
  const unsigned long rest_length = static_cast<unsigned long>(size - (rest - text));

  address_round_trip(rest, rest_length);
  strict_read_round_trip(rest, rest_length);

  CTevAsnBuffer reason;
  long err = -1;
  const unsigned long flags = size != 0 && (data[0] & 1) != 0 ? TEV_LAYOUT_ANY_TYPE : 0;
  TevAsnIndexLayoutPtr layout(tev_create_index_layout(terminated.data(), flags, &reason, &err));
  if (layout == nullptr) {
    require(err == ASN_E_LAYOUT && reason.length() != 0, "a layout refused badly");
    return 0;
  }
  if (flags != 0) return 0;  // counter64 has no index to decode
  TevAsnIndexRowPtr row(layout->create_row(&err));
  require(row != nullptr, "no row");

  // The rest as dotted text, and as bytes: one small sub-identifier each, or
  // 0xFF and four bytes for a wide one.
  std::uint32_t parsed[ASN_MAX_SUB_IDS];
  unsigned long count = 0;
  if (tev_parse_sub_ids(rest, rest_length, parsed, ASN_MAX_SUB_IDS, &count, &reason) == ASN_OK) {
    decode_and_encode(layout.get(), row.get(), std::vector<std::uint32_t>(parsed, parsed + count));
  } else {
    require(reason.length() != 0, "dotted text refused without a reason");
  }
  std::vector<std::uint32_t> index;
  for (unsigned long i = 0; i < rest_length && index.size() < ASN_MAX_SUB_IDS; ++i) {
    auto byte = static_cast<std::uint8_t>(rest[i]);
    if (byte == 0xFF && i + 4 < rest_length) {
      std::uint32_t wide = 0;
      for (int k = 0; k < 4; ++k) wide = wide << 8 | static_cast<std::uint8_t>(rest[++i]);
      index.push_back(wide);
    } else {
      index.push_back(byte);
    }
  }
  decode_and_encode(layout.get(), row.get(), index);
  return 0;
}
