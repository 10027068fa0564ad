// Object identifiers as the tool reads them from arguments and walk output.
#ifndef TEVASN_TOOL_IDENTIFIER_H
#define TEVASN_TOOL_IDENTIFIER_H

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tevasn {

struct Identifier {
  std::string dotted;                  ///< without a leading "."
  std::vector<std::uint32_t> sub_ids;  ///< the numbers of `dotted`
  bool leading_dot = false;            ///< the text started with "."
};

/// Reads dotted decimal text with an optional leading "." by the companion
/// library's rules (tev_parse_sub_ids). The empty text (or ".") is accepted
/// only when `allow_empty`. False with a reason in words otherwise.
bool parse_identifier(std::string_view text, bool allow_empty, Identifier* out,
                      std::string* reason);

}  // namespace tevasn

#endif  // TEVASN_TOOL_IDENTIFIER_H
