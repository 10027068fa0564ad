// Small text helpers: showing user input safely in messages, hex octets.
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

/// Lower-case hex pairs joined by ':' ("80:00:1f:88"); empty for no bytes.
std::string hex_pairs(std::string_view bytes);

/// Reads octets written in hexadecimal: groups of one or two digits separated
/// by ':', '-' or ' ', or one run of an even number of digits. Empty text gives
/// no octets. False with a reason when the text is not of that form.
bool parse_hex_octets(std::string_view text, std::string* octets, std::string* reason);

/// A decimal number of at most 20 digits without sign, not above `max`.
bool parse_decimal(std::string_view text, unsigned long long max, unsigned long long* value);

}  // namespace tevasn

#endif  // TEVASN_TOOL_TEXT_H
