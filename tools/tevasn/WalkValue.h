// The values of a walk as `snmpwalk -On` prints them after " = ": INTEGER,
// STRING (bare or quoted with escapes), Hex-STRING (wrapped or with a
// trailing blank), Gauge32, Counter32, Counter64, Timeticks, OID, IpAddress,
// BITS, Opaque, Network Address, NULL, "" and the exception values.
#ifndef TEVASN_TOOL_WALKVALUE_H
#define TEVASN_TOOL_WALKVALUE_H

#include <cstdint>
#include <string>
#include <string_view>

namespace tevasn {

enum class WalkForm {
  kInteger,    ///< INTEGER: `number`
  kUnsigned,   ///< Gauge32, Unsigned32, Counter32, Timeticks: `unsigned_number`
  kCounter64,  ///< Counter64: `unsigned_number`
  kOctets,     ///< STRING, Hex-STRING, "": `octets`
  kBits,       ///< BITS: `octets`
  kOpaque,     ///< Opaque in hex: `octets`; any other Opaque text: `text`
  kOid,        ///< OID: `text`, the dotted sub-identifiers without a leading dot
  kIpAddress,  ///< IpAddress, Network Address: four `octets`
  kNull,       ///< NULL
  kException   ///< noSuchObject, noSuchInstance, endOfMibView: `text` as printed
};

struct WalkValue {
  WalkForm form = WalkForm::kNull;
  std::string_view keyword;  ///< the form as printed ("Gauge32"), empty for ""
  std::int64_t number = 0;
  std::uint64_t unsigned_number = 0;
  std::string octets;
  std::string text;
};

/// Reads `value` (what follows " = ", continuation lines joined by '\n').
/// False with a reason for a form it does not know or a value not of its form.
bool read_walk_value(std::string_view value, WalkValue* out, std::string* reason);

}  // namespace tevasn

#endif  // TEVASN_TOOL_WALKVALUE_H
