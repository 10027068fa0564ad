// Small text helpers: showing user input safely in messages.
#ifndef TEVASN_TOOL_TEXT_H
#define TEVASN_TOOL_TEXT_H

#include <string>
#include <string_view>

namespace tevasn {

/// `text` in single quotes for a message: bytes outside 0x20..0x7E as \xNN,
/// cut to about 60 characters, so that one message stays one line.
std::string quoted(std::string_view text);

/// Every byte outside 0x20..0x7E (and the backslash) written as \xNN.
std::string escaped(std::string_view bytes);

}  // namespace tevasn

#endif  // TEVASN_TOOL_TEXT_H
