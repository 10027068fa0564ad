// The syntax of an object of a loaded module, by the catalogue's rules: the
// SMI type below any textual convention, the first convention on the way, the
// DISPLAY-HINT, labels and sizes the nearest layer declares, and the layout
// word the object takes in an INDEX clause.
#ifndef TEVASN_MIB_MIBSYNTAX_H
#define TEVASN_MIB_MIBSYNTAX_H

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "TevAsnCatalog.h"

struct SmiType;

namespace tevasn_mib {

struct MibSyntax {
  ETevSyntax syntax = TEV_SYNTAX_OCTET_STRING;
  std::string convention;  ///< "SNMPv2-TC::DisplayString"; "" when none
  std::string hint;        ///< DISPLAY-HINT of the nearest layer declaring one
  std::vector<std::pair<std::string, std::int64_t>> labels;
  std::vector<std::pair<std::int64_t, std::int64_t>> sizes;  ///< SIZE or range of the nearest layer
  bool inet_type = false;     ///< refines INET-ADDRESS-MIB::InetAddressType
  bool inet_address = false;  ///< refines INET-ADDRESS-MIB::InetAddress
  bool known = false;         ///< false when the object has no type (an unresolved import)

  /// The syntax of a node's type (smiGetNodeType); the handle that owns
  /// `type` must be selected.
  static MibSyntax of(SmiType* type);

  /// The layout word of this object alone in an INDEX clause ("fixed:6",
  /// "octets"); `implied` adds "/implied" where IMPLIED applies.
  std::string word(bool implied) const;
};

/// The layout of an INDEX clause whose objects have the syntaxes `objects`:
/// an InetAddressType followed by an InetAddress is one "inetaddress".
std::string index_layout(const std::vector<MibSyntax>& objects, bool implied);

}  // namespace tevasn_mib

#endif  // TEVASN_MIB_MIBSYNTAX_H
