// Where each index value lies in an instance identifier: checked before the
// library decodes it, so that a bad identifier is reported in exact words.
#ifndef TEVASN_TOOL_LAYOUT_H
#define TEVASN_TOOL_LAYOUT_H

#include <cstdint>
#include <string>
#include <vector>

#include "Types.h"

namespace tevasn {

/// Checks that the sub-identifiers from `pos` on hold one value of `choice` and
/// stores how many it takes in `used`. False with a reason in words.
bool measure_index(const TypeChoice& choice, const std::vector<std::uint32_t>& sub_ids,
                   std::size_t pos, std::size_t* used, std::string* reason);

}  // namespace tevasn

#endif  // TEVASN_TOOL_LAYOUT_H
