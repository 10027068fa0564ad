// The TYPE words of the command line: parsed into an index layout by the
// companion library, and how the tool reads and explains each kind's VALUE.
#ifndef TEVASN_TOOL_TYPES_H
#define TEVASN_TOOL_TYPES_H

#include <cstddef>
#include <string>
#include <vector>

#include "TevAsnTable.h"
#include "TevAsnTablePtr.h"
#include "TevAsnValue.h"

namespace tevasn {

/// How a TYPE's VALUE is written on the command line.
enum class Form {
  kSigned,      ///< decimal -2147483648..2147483647
  kUnsigned,    ///< decimal 0..4294967295
  kUnsigned64,  ///< decimal 0..18446744073709551615
  kText,        ///< the octets as they are
  kHex,         ///< the octets in hexadecimal
  kFixed,       ///< N octets: N characters of text, else hexadecimal
  kIpAddress,   ///< a.b.c.d
  kIpv6,        ///< eight hexadecimal groups, "::" allowed
  kIpPort,      ///< a.b.c.d/port
  kIpx,         ///< network:node/socket in hexadecimal
  kOid,         ///< dotted decimal
  kInet         ///< TYPE:ADDRESS, or a bare IPv4 or IPv6 address
};

/// How the tool presents one kind of index value.
struct TypeInfo {
  ETevIndexKind kind;
  Form form;
  const char* value_help;  ///< how VALUE is written
  const char* index_help;  ///< its index encoding
};

/// The rows of the kinds, in the order the help lists them.
const std::vector<TypeInfo>& type_table();

/// One TYPE word of a parsed layout.
struct TypeChoice {
  const TypeInfo* info = nullptr;
  TevIndexWord word{};
  std::string written;  ///< the TYPE word as the user wrote it

  std::string name() const { return tev_index_kind_name(info->kind); }
  NTevAsnValue::EAsnType type() const { return static_cast<NTevAsnValue::EAsnType>(word.type); }
  long implied_flag() const { return static_cast<long>(word.implied); }
  unsigned long fixed_count() const { return word.fixed_count; }
  bool implied_suffix() const { return word.implied_written != 0; }
};

/// The TYPE words of `layout`, described for the tool. False with a reason
/// when the library refuses.
bool describe_layout(const ITevAsnIndexLayout& layout, std::vector<TypeChoice>* types,
                     std::string* reason);

/// The layout words of TYPE arguments written as a MIB spells them:
/// "OCTET STRING" and "OBJECT IDENTIFIER" as one argument each, the textual
/// conventions of the catalogue ("InterfaceIndex", "MacAddress") as their
/// words and, with `pairs`, InetAddressType followed by InetAddress as one
/// inetaddress. The layout's own words pass as they are. False for an unknown
/// word, with a reason naming its argument and the nearest known words.
/// `arguments` gets, for each word, the argument it comes from (from 1).
bool spell_words(const std::vector<std::string>& args, bool pairs, std::vector<std::string>* words,
                 std::vector<std::size_t>* arguments, std::string* reason);

/// A layout from TYPE arguments (spelled as spell_words reads them; see
/// tev_create_index_layout for `flags`) and its description; false with the
/// library's reason, its positions counting the user's arguments.
bool parse_layout(const std::vector<std::string>& args, unsigned long flags,
                  TevAsnIndexLayoutPtr* layout, std::vector<TypeChoice>* types, std::string* reason,
                  bool pairs = false);

/// The layout text of TYPE arguments for tev_create_table_entry (InetAddress
/// pairs joined); false with a reason as spell_words gives it.
bool entry_layout_text(const std::vector<std::string>& args, std::string* text,
                       std::string* reason);

/// The words joined by blanks, as the library reads a layout.
std::string layout_text(const std::vector<std::string>& words);

}  // namespace tevasn

#endif  // TEVASN_TOOL_TYPES_H
