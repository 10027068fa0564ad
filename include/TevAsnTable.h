// TevAsnTable: table rows on top of TevAsnValue.
//
// A companion library of its own (libTevAsnTable, pkg-config tevasntable,
// CMake target TevAsnValue::TevAsnTable) built on TevAsnValue's public
// interface only. It turns the instance identifiers of SNMP tables into typed
// index values and back (RFC 2578 section 7.7), InetAddressType and
// InetAddress pairs (RFC 4001) included, and orders identifiers as a walk does.
// Its display half, which needs nothing of the rows, is TevAsnDisplay.h; the
// owning pointers for its objects are in TevAsnTablePtr.h.
//
// Conventions are TevAsnValue's: failures are negative codes (all of them in
// TevAsnTypes.h: the core's -2 for null arguments, -3 when memory runs out,
// -401 for a sub-identifier that does not fit its value, and the companion's
// ASN_E_* from -410), text and octets come back in a CTevAsnBuffer, values are
// the core's objects, and every object a function returns belongs to the
// caller, who ends it with release(). Where an operation takes a `reason`
// buffer (which may be null), a failure other than -3 writes one line of
// words into it that names the value and what is wrong; success leaves it
// untouched.
// Threads: no global state and no locks; one object is used by one thread at
// a time, except that a layout (whose operations are const and keep no
// caches) may decode into distinct rows from distinct threads at once.
#ifndef TEVASNVALUE_TEVASNTABLE_H
#define TEVASNVALUE_TEVASNTABLE_H

#include <cstdint>

#include "CTevAsnBuffer.h"
#include "ITevAsnObjectID.h"
#include "ITevAsnValue.h"
#include "TevAsnTableExport.h"
#include "TevAsnTypes.h"

/// The kinds of index value a layout names: the TYPE words of a layout text
/// ("integer octets/implied", "fixed:6", "inetaddress"), in this order.
enum ETevIndexKind : std::uint32_t {
  TEV_INDEX_INTEGER = 1,   ///< "integer": INTEGER, one sub-identifier
  TEV_INDEX_COUNTER,       ///< "counter": Counter32, one sub-identifier
  TEV_INDEX_GAUGE,         ///< "gauge": Gauge32 / Unsigned32, one sub-identifier
  TEV_INDEX_TIME_TICKS,    ///< "timeticks": TimeTicks, one sub-identifier
  TEV_INDEX_COUNTER_64,    ///< "counter64": no index encoding (only with TEV_LAYOUT_ANY_TYPE)
  TEV_INDEX_OCTETS,        ///< "octets": OCTET STRING, length then octets
  TEV_INDEX_HEX,           ///< "hex": OCTET STRING shown in hexadecimal
  TEV_INDEX_OPAQUE,        ///< "opaque": Opaque, length then octets
  TEV_INDEX_FIXED,         ///< "fixed:N": OCTET STRING of N octets, no length
  TEV_INDEX_IP_ADDRESS,    ///< "ipaddress": IpAddress, its octets, no length
  TEV_INDEX_IPV6,          ///< "ipv6": 16-octet address, no length
  TEV_INDEX_IP_PORT,       ///< "ipport": IPv4 address with port: domain, length, octets
  TEV_INDEX_IPX,           ///< "ipx": IPX address: domain, length, octets
  TEV_INDEX_OID,           ///< "oid": OBJECT IDENTIFIER, length then sub-identifiers
  TEV_INDEX_INET_ADDRESS,  ///< "inetaddress": InetAddressType, then a length-prefixed InetAddress
  TEV_INDEX_KIND_END       ///< one past the last kind
};

/// InetAddressType values (RFC 4001) and the address length each takes.
enum ETevInetAddressType : std::uint32_t {
  TEV_INET_UNKNOWN = 0,  ///< "unknown": no octets
  TEV_INET_IPV4 = 1,     ///< "ipv4": 4 octets
  TEV_INET_IPV6 = 2,     ///< "ipv6": 16 octets
  TEV_INET_IPV4Z = 3,    ///< "ipv4z": 4 octets and a 4-octet zone index
  TEV_INET_IPV6Z = 4,    ///< "ipv6z": 16 octets and a 4-octet zone index
  TEV_INET_DNS = 16      ///< "dns": 1 to 255 characters
};

/// Flags of tev_create_index_layout.
constexpr unsigned long TEV_LAYOUT_ANY_TYPE = 1;  ///< also accept types without an index encoding

/// One TYPE word of a layout, as get_word describes it.
struct TevIndexWord {
  std::uint32_t kind;             ///< ETevIndexKind
  std::uint32_t type;             ///< the core's EAsnType of its (first) value
  std::uint32_t implied;          ///< the implied flag it passes to the core's index operations
  std::uint32_t implied_written;  ///< 1 when written with /implied
  std::uint32_t fixed_count;      ///< N of fixed:N, else 0
  std::uint32_t first_value;      ///< position of its first value in a row
  std::uint32_t value_count;      ///< values it gives a row: 2 for inetaddress, else 1
};

/// The typed index values of one table row, decoded by a layout. Made by
/// ITevAsnIndexLayout::create_row; the layout must outlive the row.
class ITevAsnIndexRow {
 public:
  // The order of these operations is fixed.

  /// Ends the row and the values it holds.
  virtual void release() = 0;
  /// Values held after the last successful decode (an inetaddress gives two:
  /// the InetAddressType as INTEGER, the InetAddress as OCTET STRING); 0
  /// before and after a failed one.
  virtual unsigned long get_count() const = 0;
  /// Value `index`, borrowed from the row: valid until the row is next
  /// decoded or released. Null with -2 past the count, -3 when memory runs out.
  virtual ITevAsnValue* get_value(unsigned long index, long* err) = 0;
  /// The column number of the last split of a table entry; 0 otherwise.
  virtual unsigned long get_column() const = 0;
  /// Replaces the buffer's content with value `index` in text: numbers in
  /// decimal, addresses in their text form (an InetAddressType by its name,
  /// an InetAddress and an "ipv6" value as tev_format_inet_address writes
  /// them, a dns name by `as`), octet strings as `as` says ("hex" words
  /// always as hex pairs). Text is escaped as TevAsnDisplay.h says (control
  /// octets as "\xHH", '\' as "\\"), so a value is one field on one line.
  /// -2 past the count or for a null buffer or an unknown `as`, -3 when
  /// memory runs out.
  virtual long value_to_text_into(CTevAsnBuffer* buffer, unsigned long index,
                                  ETevOctetsAs as) const = 0;
  /// As value_to_text_into, every value joined by one TAB.
  virtual long to_text_into(CTevAsnBuffer* buffer, ETevOctetsAs as) const = 0;
  /// The text to_text_into writes, borrowed from the row (not zero-terminated;
  /// its length through `length`): valid until the row is next decoded, asked
  /// for this text again, or released. Null with -2 for a null `length` or an
  /// unknown `as`, -3 when memory runs out.
  virtual const char* get_text(ETevOctetsAs as, unsigned long* length, long* err) const = 0;
  /// Cast by class id, as ITevAsnValue::query_class: `*out` receives this
  /// row seen as that class (borrowed), or null when it is not of that class;
  /// a null `out` is ignored. The library knows its own rows by it, so a
  /// caller's own row sets `*out` to null for every id.
  virtual void query_class(unsigned long class_id, void** out) const = 0;

 protected:
  ~ITevAsnIndexRow() = default;
};

/// How a table's index is written: a list of TYPE words, parsed by
/// tev_create_index_layout. Decodes the sub-identifiers after a column into a
/// row, strictly (a value that runs past the end, a length or domain that
/// does not fit, a sub-identifier that does not fit its value, or
/// sub-identifiers left over are errors that name the value and the reason),
/// and encodes values back.
class ITevAsnIndexLayout {
 public:
  // The order of these operations is fixed.

  /// Ends the layout; its rows must be ended first.
  virtual void release() = 0;
  /// Number of TYPE words.
  virtual unsigned long get_word_count() const = 0;
  /// Number of values in a row of this layout.
  virtual unsigned long get_value_count() const = 0;
  /// Describes TYPE word `index`; -2 past the count or for a null `out`.
  virtual long get_word(unsigned long index, TevIndexWord* out) const = 0;
  /// Replaces the buffer's content with TYPE word `index` as written; -2
  /// past the count or for a null buffer, -3 when memory runs out.
  virtual long word_to_text_into(CTevAsnBuffer* buffer, unsigned long index) const = 0;
  /// A new empty row for this layout, owned by the caller; null with -3.
  virtual ITevAsnIndexRow* create_row(long* err) const = 0;
  /// Decodes `count` sub-identifiers, exactly one index, into `row` (made by
  /// this layout: -2 otherwise, and nothing else happens). 0; on failure the code, the reason, and
  /// an empty row.
  virtual long decode(const std::uint32_t* sub_ids, unsigned long count, ITevAsnIndexRow* row,
                      CTevAsnBuffer* reason) const = 0;
  /// As decode, with the sub-identifiers of `oid` from position `start`;
  /// -7 when `start` lies past the end, -2 for an invalid identifier.
  virtual long decode_oid(const ITevAsnObjectID* oid, unsigned long start, ITevAsnIndexRow* row,
                          CTevAsnBuffer* reason) const = 0;
  /// Appends the index encoding of `count` values (get_value_count of them, in
  /// row order, each of its TYPE's library type) to `oid`. 0; -2 with a reason
  /// for a missing or mismatched value, ASN_E_INET_ADDRESS for an
  /// InetAddressType and length that disagree; `oid` unchanged on failure.
  virtual long encode(ITevAsnValue* const* values, unsigned long count, ITevAsnObjectID* oid,
                      CTevAsnBuffer* reason) const = 0;
  /// Cast by class id, as ITevAsnIndexRow::query_class.
  virtual void query_class(unsigned long class_id, void** out) const = 0;

 protected:
  ~ITevAsnIndexLayout() = default;
};

/// The instance identifiers of a table entry (entry . column . index), with
/// the layout of its index.
class ITevAsnTableEntry {
 public:
  // The order of these operations is fixed.

  /// Ends the entry and its layout.
  virtual void release() = 0;
  /// The layout of the index (borrowed, valid while the entry lives).
  virtual const ITevAsnIndexLayout* get_layout() const = 0;
  /// Splits `count` sub-identifiers of an instance identifier into the column
  /// number (through `column`, may be null, and the row's get_column) and the
  /// index values in `row` (made by get_layout(): -2 otherwise, and nothing
  /// else happens). ASN_E_NOT_IN_TABLE when it does not lie below the entry,
  /// ASN_E_INDEX_SHORT when no column follows; the layout's codes.
  virtual long split(const std::uint32_t* sub_ids, unsigned long count, unsigned long* column,
                     ITevAsnIndexRow* row, CTevAsnBuffer* reason) const = 0;
  /// As split, with an instance identifier object.
  virtual long split_oid(const ITevAsnObjectID* instance, unsigned long* column,
                         ITevAsnIndexRow* row, CTevAsnBuffer* reason) const = 0;
  /// Replaces `instance` with entry . column . index of `values` (as the
  /// layout's encode); -2 for a column above 0xFFFFFFFF.
  virtual long build(unsigned long column, ITevAsnValue* const* values, unsigned long count,
                     ITevAsnObjectID* instance, CTevAsnBuffer* reason) const = 0;
  /// Cast by class id, as ITevAsnIndexRow::query_class.
  virtual void query_class(unsigned long class_id, void** out) const = 0;

 protected:
  ~ITevAsnTableEntry() = default;
};

/// A layout from its text: TYPE words separated by blanks or commas, each a
/// kind name or an SMI spelling of one (Integer32, Unsigned32, Gauge32,
/// Counter32, OctetString, ObjectIdentifier), in any case, or "fixed:N" (N
/// from 1 to 128), optionally followed by "/implied"
/// (the last word only, not on inetaddress). Null with ASN_E_LAYOUT and a
/// reason naming the word's position and what is wrong; -2 for null text;
/// -3 when memory runs out.
TEV_ASN_TABLE_API ITevAsnIndexLayout* tev_create_index_layout(const char* text, unsigned long flags,
                                                              CTevAsnBuffer* reason, long* err);
/// A table entry from its dotted identifier ("1.3.6.1.2.1.4.34.1", a leading
/// "." allowed) and its index layout text. Null with -2 and a reason for a
/// malformed entry, the layout's codes otherwise.
TEV_ASN_TABLE_API ITevAsnTableEntry* tev_create_table_entry(const char* entry, const char* layout,
                                                            CTevAsnBuffer* reason, long* err);

/// The name of an ETevIndexKind ("integer", "inetaddress"); null for others.
TEV_ASN_TABLE_API const char* tev_index_kind_name(ETevIndexKind kind);
/// The name of an InetAddressType ("ipv4", "dns"); null for other numbers.
TEV_ASN_TABLE_API const char* tev_inet_address_type_name(ETevInetAddressType type);

/// Replaces `out` with an InetAddress of InetAddressType `type` in words:
/// ipv4 dotted decimal; ipv6 in RFC 5952 form (lower case, the longest run of
/// two or more zero groups as "::", the first on a tie; an IPv4-mapped address
/// (::ffff:0:0/96) in mixed notation, "::ffff:192.0.2.1", as RFC 5952 section
/// 5 recommends); ipv4z and ipv6z add "%" and the zone index (the last four
/// octets, big-endian) in decimal; dns its characters as `dns_as` says (text
/// escaped as TevAsnDisplay.h says, so the name stays on one line); unknown
/// nothing. ASN_E_INET_ADDRESS for an unknown type or a length that disagrees
/// with it, -2 for a null buffer or an unknown `dns_as`, -3.
TEV_ASN_TABLE_API long tev_format_inet_address(ETevInetAddressType type,
                                               const unsigned char* octets, unsigned long length,
                                               ETevOctetsAs dns_as, CTevAsnBuffer* out);
/// Reads an InetAddress from `text` (not zero-terminated; `length` bytes):
/// "TYPE:ADDRESS" with a type name, or a bare address whose form says the
/// type (dotted IPv4, IPv6 with ':', either with "%ZONE"); a dns name's
/// escapes ("\\", "\xHH") are read back. The type through
/// `type`, the octets into `octets`. ASN_E_ADDRESS_TEXT with a reason when
/// the text is not an address of its type; -2 for null arguments; -3.
TEV_ASN_TABLE_API long tev_parse_inet_address(const char* text, unsigned long length,
                                              ETevInetAddressType* type, CTevAsnBuffer* octets,
                                              CTevAsnBuffer* reason);

/// Reads dotted decimal text (`length` bytes, not zero-terminated; a leading
/// "." allowed) into at most `capacity` sub-identifiers at `sub_ids`, their
/// number through `count`: digits without a leading zero, each at most
/// 4294967295, at most ASN_MAX_SUB_IDS of them; the empty text (or
/// ".") gives none. -2 with a reason for anything else or null arguments.
TEV_ASN_TABLE_API long tev_parse_sub_ids(const char* text, unsigned long length,
                                         std::uint32_t* sub_ids, unsigned long capacity,
                                         unsigned long* count, CTevAsnBuffer* reason);

/// A new value of the core's type `type` read strictly from `text` (`length`
/// bytes, not zero-terminated): the whole text in the type's one form, its
/// range checked, no blanks. ASN_INTEGER decimal -2147483648..2147483647;
/// ASN_COUNTER, ASN_GAUGE, ASN_TIME_TICKS decimal 0..4294967295;
/// ASN_COUNTER_64 decimal 0..18446744073709551615; ASN_IP_ADDRESS a.b.c.d;
/// ASN_IPV6_ADDRESS eight groups or shortened with "::"; ASN_IP_PORT_ADDRESS
/// a.b.c.d/port; ASN_IPX_ADDRESS network:node/socket in hex; ASN_OCTET_STRING
/// and ASN_OPAQUE octets in hex (tev_parse_hex_octets); ASN_OBJECT_ID as
/// tev_parse_sub_ids reads it (a leading "." allowed). Owned by the caller;
/// null with ASN_E_VALUE_TEXT and a reason for text not of that form, -2 for
/// another type or null text, -3. The core's set_text reads leniently instead.
TEV_ASN_TABLE_API ITevAsnValue* tev_read_value(const char* text, unsigned long length,
                                               NTevAsnValue::EAsnType type, CTevAsnBuffer* reason,
                                               long* err);
/// Replaces `octets` with octets written in hexadecimal (`length` bytes, not
/// zero-terminated): one run of an even number of digits, or groups of one or
/// two digits separated by ':', '-' or ' ' ("80:00:1f:88", "0-a0-c9"); the
/// empty text gives none. ASN_E_VALUE_TEXT with a reason otherwise; -2 for
/// null arguments; -3.
TEV_ASN_TABLE_API long tev_parse_hex_octets(const char* text, unsigned long length,
                                            CTevAsnBuffer* octets, CTevAsnBuffer* reason);

/// Walk order of two sequences of sub-identifiers (numeric, the order of a
/// GETNEXT walk): 0 equal, 1 `a` is a proper prefix of `b`, 2 `b` is a proper
/// prefix of `a`, 3 `a` sorts first, 4 `a` sorts last; the relation codes of
/// ITevAsnObjectID::compare. Null with a non-zero count: -1.
TEV_ASN_TABLE_API long tev_compare_sub_ids(const std::uint32_t* a, unsigned long a_count,
                                           const std::uint32_t* b, unsigned long b_count);
/// tev_compare_sub_ids of two object identifiers; -1 with -2 for a null or
/// invalid one (see is_valid), -3 when memory runs out.
TEV_ASN_TABLE_API long tev_compare_walk_order(const ITevAsnObjectID* a, const ITevAsnObjectID* b,
                                              long* err);

#endif  // TEVASNVALUE_TEVASNTABLE_H
