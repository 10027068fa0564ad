#include "MibSyntax.h"

#include <cstring>

#include "Smi.h"

namespace tevasn_mib {

namespace {

struct Named {
  const char* name;
  ETevSyntax syntax;
};

// SMI types by qualified name, below every textual convention.
constexpr Named kSmiTypes[] = {
    {"SNMPv2-SMI::Integer32", TEV_SYNTAX_INTEGER32},
    {"SNMPv2-SMI::Unsigned32", TEV_SYNTAX_UNSIGNED32},
    {"SNMPv2-SMI::Gauge32", TEV_SYNTAX_GAUGE32},
    {"SNMPv2-SMI::Counter32", TEV_SYNTAX_COUNTER32},
    {"SNMPv2-SMI::TimeTicks", TEV_SYNTAX_TIME_TICKS},
    {"SNMPv2-SMI::Counter64", TEV_SYNTAX_COUNTER64},
    {"SNMPv2-SMI::IpAddress", TEV_SYNTAX_IP_ADDRESS},
    {"SNMPv2-SMI::Opaque", TEV_SYNTAX_OPAQUE},
    {"SNMPv2-SMI::ObjectName", TEV_SYNTAX_OBJECT_IDENTIFIER},
    {"SNMPv2-SMI::NotificationName", TEV_SYNTAX_OBJECT_IDENTIFIER},
    {"SNMPv2-SMI::ExtUTCTime", TEV_SYNTAX_OCTET_STRING},
    {"RFC1155-SMI::Counter", TEV_SYNTAX_COUNTER32},
    {"RFC1155-SMI::Gauge", TEV_SYNTAX_GAUGE32},
    {"RFC1155-SMI::TimeTicks", TEV_SYNTAX_TIME_TICKS},
    {"RFC1155-SMI::IpAddress", TEV_SYNTAX_IP_ADDRESS},
    {"RFC1155-SMI::NetworkAddress", TEV_SYNTAX_NETWORK_ADDRESS},
    {"RFC1155-SMI::Opaque", TEV_SYNTAX_OPAQUE},
    {"RFC1155-SMI::ObjectName", TEV_SYNTAX_OBJECT_IDENTIFIER},
};

// The catalogue's word for a convention it knows (Ipv6Address: "ipv6"), or
// null for one it does not.
const char* catalogue_word(const std::string& convention) {
  for (unsigned long i = 0; i < tev_get_catalog_convention_count(); ++i) {
    const TevCatalogConvention* known = tev_get_catalog_convention(i);
    if (convention == known->name) return known->word;
  }
  return nullptr;
}

bool is_smi_module(const std::string& module) {
  return module == "SNMPv2-SMI" || module == "RFC1155-SMI";
}

const Named* smi_type(const std::string& qualified) {
  for (const Named& named : kSmiTypes) {
    if (qualified == named.name) return &named;
  }
  return nullptr;
}

ETevSyntax of_base(SmiBasetype base) {
  switch (base) {
    case SMI_BASETYPE_INTEGER32:
    case SMI_BASETYPE_INTEGER64:
      return TEV_SYNTAX_INTEGER32;
    case SMI_BASETYPE_ENUM:
      return TEV_SYNTAX_ENUMERATION;
    case SMI_BASETYPE_BITS:
      return TEV_SYNTAX_BITS;
    case SMI_BASETYPE_OBJECTIDENTIFIER:
      return TEV_SYNTAX_OBJECT_IDENTIFIER;
    case SMI_BASETYPE_UNSIGNED32:
      return TEV_SYNTAX_UNSIGNED32;
    case SMI_BASETYPE_UNSIGNED64:
      return TEV_SYNTAX_COUNTER64;
    default:
      return TEV_SYNTAX_OCTET_STRING;
  }
}

std::int64_t number_of(const SmiValue& value) {
  switch (value.basetype) {
    case SMI_BASETYPE_UNSIGNED32:
      return static_cast<std::int64_t>(value.value.unsigned32);
    case SMI_BASETYPE_INTEGER64:
      return value.value.integer64;
    case SMI_BASETYPE_UNSIGNED64:
      return static_cast<std::int64_t>(value.value.unsigned64);
    default:
      return value.value.integer32;
  }
}

}  // namespace

MibSyntax MibSyntax::of(SmiType* type) {
  MibSyntax out;
  const Named* smi = nullptr;
  bool has_labels = false;
  bool has_sizes = false;
  SmiBasetype base = SMI_BASETYPE_UNKNOWN;
  // A depth bound: a module that refines a type in a loop ends here too.
  for (int depth = 0; type != nullptr && depth < 64; ++depth, type = smiGetParentType(type)) {
    out.known = true;
    if (base == SMI_BASETYPE_UNKNOWN) base = type->basetype;
    SmiModule* module = smiGetTypeModule(type);
    std::string qualified;
    if (type->name != nullptr && module != nullptr && module->name != nullptr &&
        module->name[0] != '\0') {
      qualified = std::string(module->name) + "::" + type->name;
      if (smi == nullptr) smi = smi_type(qualified);
      if (out.convention.empty() && !is_smi_module(module->name)) out.convention = qualified;
      out.inet_type = out.inet_type || qualified == "INET-ADDRESS-MIB::InetAddressType";
      out.inet_address = out.inet_address || qualified == "INET-ADDRESS-MIB::InetAddress";
    }
    if (out.hint.empty() && type->format != nullptr) out.hint = type->format;
    if (!has_labels) {
      for (SmiNamedNumber* n = smiGetFirstNamedNumber(type); n != nullptr;
           n = smiGetNextNamedNumber(n)) {
        out.labels.emplace_back(n->name != nullptr ? n->name : "", number_of(n->value));
        has_labels = true;
      }
    }
    if (!has_sizes) {
      for (SmiRange* r = smiGetFirstRange(type); r != nullptr; r = smiGetNextRange(r)) {
        out.sizes.emplace_back(number_of(r->minValue), number_of(r->maxValue));
        has_sizes = true;
      }
    }
  }
  out.syntax = smi != nullptr ? smi->syntax : of_base(base);
  if (out.syntax == TEV_SYNTAX_INTEGER32 && has_labels) out.syntax = TEV_SYNTAX_ENUMERATION;
  return out;
}

std::string MibSyntax::word(bool implied) const {
  std::string out;
  if (const char* known = catalogue_word(convention)) {
    out = known;  // the catalogue's conventions keep its words (Ipv6Address: ipv6)
  } else {
    switch (syntax) {
      case TEV_SYNTAX_INTEGER32:
      case TEV_SYNTAX_ENUMERATION:
        out = "integer";
        break;
      case TEV_SYNTAX_UNSIGNED32:
      case TEV_SYNTAX_GAUGE32:
        out = "gauge";
        break;
      case TEV_SYNTAX_COUNTER32:
        out = "counter";
        break;
      case TEV_SYNTAX_TIME_TICKS:
        out = "timeticks";
        break;
      case TEV_SYNTAX_COUNTER64:
        out = "counter64";
        break;
      case TEV_SYNTAX_IP_ADDRESS:
        out = "ipaddress";
        break;
      case TEV_SYNTAX_OPAQUE:
        out = "opaque";
        break;
      // SMIv1 NetworkAddress: the sub-identifier 1 (internet), then four octets.
      case TEV_SYNTAX_NETWORK_ADDRESS:
        out = "fixed:5";
        break;
      case TEV_SYNTAX_OBJECT_IDENTIFIER:
        out = "oid";
        break;
      case TEV_SYNTAX_OCTET_STRING:
        out = sizes.size() == 1 && sizes[0].first == sizes[0].second
                  ? "fixed:" + std::to_string(sizes[0].first)
                  : "octets";
        break;
      default:  // BITS, and anything else carried as octets
        out = "octets";
        break;
    }
  }
  // Only strings of a varying length and identifiers may be IMPLIED.
  return implied && (out == "octets" || out == "oid") ? out + "/implied" : out;
}

std::string index_layout(const std::vector<MibSyntax>& objects, bool implied) {
  std::string layout;
  for (std::size_t i = 0; i < objects.size(); ++i) {
    const bool last = i + 1 == objects.size();
    std::string word;
    if (objects[i].inet_type && !last && objects[i + 1].inet_address) {
      word = "inetaddress";
      ++i;
    } else {
      word = objects[i].word(last && implied);
    }
    layout += (layout.empty() ? "" : " ") + word;
  }
  return layout;
}

}  // namespace tevasn_mib
