// The TYPE names of the command line and how each is read, encoded and shown.
#ifndef TEVASN_TOOL_TYPES_H
#define TEVASN_TOOL_TYPES_H

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

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
  kOid          ///< dotted decimal
};

/// One row of the type table.
struct TypeInfo {
  const char* name;             ///< the TYPE name
  NTevAsnValue::EAsnType type;  ///< the library's type
  Form form;
  bool implied_by_default;  ///< written without a length prefix (RFC 2578)
  bool has_index;           ///< can be part of an instance identifier
  const char* value_help;   ///< how VALUE is written
  const char* index_help;   ///< its default index encoding
};

/// The rows of the type table, in the order the help lists them.
const std::vector<TypeInfo>& type_table();

/// A TYPE as written: a name, optionally fixed:N, optionally /implied.
struct TypeChoice {
  const TypeInfo* info = nullptr;
  std::string written;            ///< the TYPE word as the user wrote it
  unsigned long fixed_count = 0;  ///< N of fixed:N, else 0
  bool implied_suffix = false;    ///< "/implied" was given

  /// The implied flag for the library's index operations.
  long implied_flag() const { return implied_suffix || info->implied_by_default ? 1 : 0; }
  /// The element count for decoding: N of fixed:N, else all (0xFFFFFFFF).
  unsigned long take_length() const { return fixed_count != 0 ? fixed_count : 0xFFFFFFFFUL; }
};

/// Reads one TYPE word. False with a reason for an unknown name or a bad N.
bool parse_type(std::string_view word, TypeChoice* out, std::string* reason);

/// Checks a TYPE list for encode and decode: every type has an index
/// encoding, and /implied appears on the last one only.
bool check_index_types(const std::vector<TypeChoice>& types, std::string* reason);

}  // namespace tevasn

#endif  // TEVASN_TOOL_TYPES_H
