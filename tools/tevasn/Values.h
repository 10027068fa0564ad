// Making library values from command-line text, and writing them back out.
#ifndef TEVASN_TOOL_VALUES_H
#define TEVASN_TOOL_VALUES_H

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "TevAsnTablePtr.h"
#include "Types.h"

namespace tevasn {

/// A new value of `choice`'s type from `text`, checked strictly (the whole text
/// must be a value of the type's form). Null with a reason in words.
TevAsnValuePtr make_value(const TypeChoice& choice, std::string_view text, std::string* reason);

/// Octets written in hex, read by the companion's tev_parse_hex_octets. False
/// with its reason otherwise.
bool hex_octets(std::string_view text, std::string* octets, std::string* reason);

/// A decimal number of at most 64 bits without sign (0..18446744073709551615),
/// read strictly by the companion. False for anything else.
bool decimal_64(std::string_view text, std::uint64_t* value);

/// The value's text form from the library, without a terminating zero that
/// some types keep in it. False with a reason when the library refuses.
bool text_form(const ITevAsnValue& value, std::string* text, std::string* reason);

/// The values of one TYPE=VALUE: one value, or for inetaddress its
/// InetAddressType (INTEGER) and InetAddress (OCTET STRING) from "TYPE:ADDRESS"
/// or a bare address. False with a reason in words.
bool make_values(const TypeChoice& choice, std::string_view text,
                 std::vector<TevAsnValuePtr>* values, std::string* reason);

}  // namespace tevasn

#endif  // TEVASN_TOOL_VALUES_H
