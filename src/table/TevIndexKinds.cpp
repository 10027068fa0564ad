#include "table/TevIndexKinds.h"

#include <algorithm>
#include <cstring>
#include <iterator>

#include "TevAsnTable.h"

using namespace NTevAsnValue;

namespace {

using Shape = ETevIndexShape;

// In ETevIndexKind order, from TEV_INDEX_INTEGER on.
const TevIndexKindInfo kKinds[] = {
    {"integer", ASN_INTEGER, Shape::kNumber, false, false},
    {"counter", ASN_COUNTER, Shape::kNumber, false, false},
    {"gauge", ASN_GAUGE, Shape::kNumber, false, false},
    {"timeticks", ASN_TIME_TICKS, Shape::kNumber, false, false},
    {"counter64", ASN_COUNTER_64, Shape::kNone, false, false},
    {"octets", ASN_OCTET_STRING, Shape::kOctets, false, false},
    {"hex", ASN_OCTET_STRING, Shape::kOctets, false, true},
    {"opaque", ASN_OPAQUE, Shape::kOctets, false, false},
    {"fixed", ASN_OCTET_STRING, Shape::kFixed, true, false},
    {"ipaddress", ASN_IP_ADDRESS, Shape::kFixed, true, false},
    {"ipv6", ASN_IPV6_ADDRESS, Shape::kFixed, true, false},
    {"ipport", ASN_IP_PORT_ADDRESS, Shape::kTransport, false, false},
    {"ipx", ASN_IPX_ADDRESS, Shape::kTransport, false, false},
    {"oid", ASN_OBJECT_ID, Shape::kOid, false, false},
    {"inetaddress", ASN_INTEGER, Shape::kInet, false, false},
};
static_assert(sizeof kKinds / sizeof kKinds[0] == TEV_INDEX_KIND_END - TEV_INDEX_INTEGER,
              "one row per kind");

// The SMI spellings of the types, as a MIB writes them, beside the kind
// names (compared without regard to case, so "INTEGER" and "IpAddress" are
// the kind names already).
struct TevKindAlias {
  const char* name;
  std::uint32_t kind;
};
const TevKindAlias kAliases[] = {
    {"integer32", TEV_INDEX_INTEGER},  {"unsigned32", TEV_INDEX_GAUGE},
    {"gauge32", TEV_INDEX_GAUGE},      {"counter32", TEV_INDEX_COUNTER},
    {"octetstring", TEV_INDEX_OCTETS}, {"objectidentifier", TEV_INDEX_OID},
};

}  // namespace

bool tev_table::index_name_is(const char* candidate, const char* name, unsigned long length) {
  if (std::strlen(candidate) != length) return false;
  for (unsigned long i = 0; i < length; ++i) {
    char c = name[i];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c != candidate[i]) return false;
  }
  return true;
}

const TevIndexKindInfo* tev_table::index_kind_info(unsigned long kind) {
  if (kind < TEV_INDEX_INTEGER || kind >= TEV_INDEX_KIND_END) return nullptr;
  return &kKinds[kind - TEV_INDEX_INTEGER];
}

std::uint32_t tev_table::index_kind_find(const char* name, unsigned long length) {
  for (std::uint32_t kind = TEV_INDEX_INTEGER; kind < TEV_INDEX_KIND_END; ++kind) {
    if (tev_table::index_name_is(kKinds[kind - TEV_INDEX_INTEGER].name, name, length)) return kind;
  }
  const TevKindAlias* alias = std::find_if(
      std::begin(kAliases), std::end(kAliases),
      [&](const TevKindAlias& a) { return tev_table::index_name_is(a.name, name, length); });
  return alias == std::end(kAliases) ? 0 : alias->kind;
}

const char* tev_index_kind_name(ETevIndexKind kind) {
  const TevIndexKindInfo* info = tev_table::index_kind_info(kind);
  return info == nullptr ? nullptr : info->name;
}
