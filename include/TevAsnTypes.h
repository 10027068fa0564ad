// Type tags, the error codes of both libraries, and the export macro shared
// by every public header.
#ifndef TEVASNVALUE_TEVASNTYPES_H
#define TEVASNVALUE_TEVASNTYPES_H

#include <cstdint>

/// Marks the seven exported creation functions. Clients that link a static
/// build on Windows define TEVASNVALUE_STATIC.
#if defined(_WIN32)
#if defined(TEVASNVALUE_BUILDING)
#define TEV_ASN_API __declspec(dllexport)
#elif defined(TEVASNVALUE_STATIC)
#define TEV_ASN_API
#else
#define TEV_ASN_API __declspec(dllimport)
#endif
#else
#define TEV_ASN_API __attribute__((visibility("default")))
#endif

namespace NTevAsnValue {

/// The type tag of a value: the ASN.1 / SMI tag numbers, plus two address
/// types of the library's own. No other value is a valid type.
enum EAsnType : std::uint32_t {
  ASN_INTEGER = 0x02,            ///< INTEGER (Integer32)
  ASN_OCTET_STRING = 0x04,       ///< OCTET STRING
  ASN_NULL = 0x05,               ///< NULL
  ASN_OBJECT_ID = 0x06,          ///< OBJECT IDENTIFIER
  ASN_IP_ADDRESS = 0x40,         ///< IpAddress (4 octets)
  ASN_COUNTER = 0x41,            ///< Counter32
  ASN_GAUGE = 0x42,              ///< Gauge32 / Unsigned32
  ASN_TIME_TICKS = 0x43,         ///< TimeTicks
  ASN_OPAQUE = 0x44,             ///< Opaque
  ASN_COUNTER_64 = 0x46,         ///< Counter64
  ASN_IPV6_ADDRESS = 0x48,       ///< 16-octet IPv6 address
  ASN_NO_SUCH_OBJECT = 0x80,     ///< noSuchObject exception
  ASN_NO_SUCH_INSTANCE = 0x81,   ///< noSuchInstance exception
  ASN_END_OF_MIB_VIEW = 0x82,    ///< endOfMibView exception
  ASN_IP_PORT_ADDRESS = 0xFF02,  ///< IPv4 address with 16-bit port (6 octets)
  ASN_IPX_ADDRESS = 0xFF03       ///< IPX network, node and socket (12 octets)
};

/// Error codes. Every failure is one of these negative numbers; 0 is success.
constexpr long ASN_OK = 0;                   ///< success
constexpr long ASN_E_INVALID_ARGUMENT = -2;  ///< null argument, wrong type, bad text or position
constexpr long ASN_E_OUT_OF_MEMORY = -3;     ///< an allocation failed
constexpr long ASN_E_NOT_SUPPORTED = -5;     ///< the operation has no meaning for this type
constexpr long ASN_E_OUT_OF_RANGE = -7;      ///< object identifiers: position past the end
constexpr long ASN_E_EMPTY = -8;             ///< object identifiers: no sub-identifiers to read
constexpr long ASN_E_SUBID_RANGE = -401;     ///< index decoding: a sub-identifier does not fit

// Codes of the companion library TevAsnTable: its rows (TevAsnTable.h) ...
constexpr long ASN_E_LAYOUT = -410;          ///< bad layout text (type, count, /implied)
constexpr long ASN_E_INDEX_SHORT = -411;     ///< a value runs past the end of the index
constexpr long ASN_E_INDEX_LENGTH = -412;    ///< a length or domain sub-identifier does not fit
constexpr long ASN_E_INDEX_LEFTOVER = -413;  ///< sub-identifiers left after the last value
constexpr long ASN_E_INET_ADDRESS = -414;    ///< InetAddressType unknown, or its length disagrees
constexpr long ASN_E_NOT_IN_TABLE = -415;    ///< the identifier does not lie below the entry
constexpr long ASN_E_ADDRESS_TEXT = -416;    ///< address text not of the form its type needs
constexpr long ASN_E_VALUE_TEXT = -417;      ///< text not a value of its type, or out of its range
// ... and its display functions (TevAsnDisplay.h).
constexpr long ASN_E_HINT = -420;          ///< malformed hint (the reason names the position)
constexpr long ASN_E_HINT_TEXT = -421;     ///< text does not fit the hint (names the position)
constexpr long ASN_E_HINT_ONE_WAY = -422;  ///< the hint allows more than one reading of a text
constexpr long ASN_E_TC_UNKNOWN = -423;    ///< no textual convention of that name
constexpr long ASN_E_TC_LENGTH = -424;     ///< the octet count breaks the convention's rule
constexpr long ASN_E_NOT_WRAPPED = -425;   ///< Opaque octets that are not a wrapped number
constexpr long ASN_E_TC_RANGE = -426;      ///< a DateAndTime field outside its range
// ... and its catalogue of tables (TevAsnCatalog.h).
constexpr long ASN_E_UNKNOWN_TABLE = -427;  ///< no table of that name, or none holds the identifier

/// The most sub-identifiers an object identifier has (RFC 2578 section 3.5).
constexpr unsigned long ASN_MAX_SUB_IDS = 128;

}  // namespace NTevAsnValue

/// How octets are shown as text, wherever a caller chooses: index rows,
/// the companion's functions and the header-only helpers alike.
enum ETevOctetsAs : std::uint32_t {
  TEV_OCTETS_TEXT = 0,  ///< as text, escaped so that it stays one field on one line
  TEV_OCTETS_HEX = 1,   ///< lower-case hex pairs joined by ':' ("00:0c:29")
  TEV_OCTETS_AUTO = 2   ///< text when every octet is 0x20..0x7E, else hex
};

#endif  // TEVASNVALUE_TEVASNTYPES_H
