// TevAsnCatalog: the standard tables by name, part of libTevAsnTable.
//
// A catalogue of the tables of the IETF and IANA MIB modules (IF-MIB, IP-MIB,
// TCP-MIB, UDP-MIB, HOST-RESOURCES-MIB, the SNMP-* and DISMAN-* modules, ...)
// compiled into the library: no MIB file is read. Each table gives its entry
// identifier, its index layout in the words of tev_create_index_layout
// ("integer inetaddress", "octets oid/implied"), its index object names (one
// per value of a decoded row) and its columns with their syntax.
// Where RFC1213-MIB and a newer module define one table, the newer module's
// definition is the one kept; RFC1213-MIB's name still finds it.
// Every pointer returned points into constant data that lives as long as the
// library; nothing is allocated except the text written into `reason`.
#ifndef TEVASNVALUE_TEVASNCATALOG_H
#define TEVASNVALUE_TEVASNCATALOG_H

#include <cstdint>

#include "CTevAsnBuffer.h"
#include "TevAsnTableExport.h"
#include "TevAsnTypes.h"

/// The syntax of a column as its MIB module declares it, textual conventions
/// resolved to the SMI type below them.
enum ETevSyntax : std::uint32_t {
  TEV_SYNTAX_INTEGER32 = 1,      ///< INTEGER / Integer32 without labels
  TEV_SYNTAX_ENUMERATION,        ///< INTEGER with enumeration labels
  TEV_SYNTAX_UNSIGNED32,         ///< Unsigned32 (same encoding as Gauge32)
  TEV_SYNTAX_GAUGE32,            ///< Gauge32
  TEV_SYNTAX_COUNTER32,          ///< Counter32
  TEV_SYNTAX_TIME_TICKS,         ///< TimeTicks
  TEV_SYNTAX_COUNTER64,          ///< Counter64
  TEV_SYNTAX_OCTET_STRING,       ///< OCTET STRING
  TEV_SYNTAX_BITS,               ///< BITS: an OCTET STRING of labelled bits
  TEV_SYNTAX_OBJECT_IDENTIFIER,  ///< OBJECT IDENTIFIER
  TEV_SYNTAX_IP_ADDRESS,         ///< IpAddress
  TEV_SYNTAX_NETWORK_ADDRESS,    ///< SMIv1 NetworkAddress (an IpAddress)
  TEV_SYNTAX_OPAQUE,             ///< Opaque
  TEV_SYNTAX_END                 ///< one past the last syntax
};

/// MAX-ACCESS of a column.
enum ETevAccess : std::uint32_t {
  TEV_ACCESS_NOT_ACCESSIBLE = 0,  ///< an index object only
  TEV_ACCESS_READ_ONLY = 1,
  TEV_ACCESS_READ_WRITE = 2  ///< read-write or read-create
};

/// One enumeration label (`number` is its value) or BITS label (`number` is
/// the bit's position, 0 the first octet's most significant bit).
struct TevCatalogLabel {
  const char* name;     ///< the label as its MIB writes it ("up", "testing")
  std::int64_t number;  ///< the enumeration's value, or the bit's position
};

/// One column of a table.
struct TevCatalogColumn {
  std::uint32_t number;           ///< the sub-identifier after the entry
  ETevSyntax syntax;              ///< the SMI type below any textual convention
  ETevAccess access;              ///< MAX-ACCESS
  std::uint32_t label_count;      ///< entries of `labels`
  const char* name;               ///< "ifDescr"
  const char* convention;         ///< "SNMPv2-TC::DisplayString"; "" when none
  const char* hint;               ///< DISPLAY-HINT of the convention; "" when none
  const char* word;               ///< its layout word as an index object alone ("fixed:6")
  const TevCatalogLabel* labels;  ///< enumeration or BITS labels, in declared order
};

/// One table.
struct TevCatalogTable {
  const char* module;                  ///< "IP-MIB"
  const char* name;                    ///< "ipAddressTable"
  const char* entry;                   ///< "ipAddressEntry"
  const char* entry_oid;               ///< "1.3.6.1.2.1.4.34.1"
  const char* augments;                ///< "IF-MIB::ifEntry" for an AUGMENTS entry; "" otherwise
  const char* layout;                  ///< "inetaddress"; AUGMENTS resolved
  const char* const* index_names;      ///< one per value of a row decoded with `layout`
  const std::uint32_t* entry_sub_ids;  ///< the entry identifier as sub-identifiers
  const TevCatalogColumn* columns;     ///< by column number
  std::uint32_t index_count;           ///< entries of `index_names`
  std::uint32_t entry_count;           ///< entries of `entry_sub_ids`
  std::uint32_t column_count;          ///< entries of `columns`
  std::uint32_t implied;               ///< 1 when the last index object is IMPLIED
};

/// One textual convention of the catalogue's modules.
struct TevCatalogConvention {
  const char* name;               ///< "SNMPv2-TC::MacAddress"
  ETevSyntax syntax;              ///< the SMI type below it
  std::uint32_t label_count;      ///< entries of `labels`
  const char* hint;               ///< its DISPLAY-HINT, or the one it inherits; "" when none
  const char* word;               ///< its layout word as an index object ("fixed:6")
  const TevCatalogLabel* labels;  ///< enumeration or BITS labels, in declared order
};

/// Tables of the catalogue; tev_get_catalog_table(0 .. count - 1) lists them
/// by module, then name.
TEV_ASN_TABLE_API unsigned long tev_get_catalog_table_count();

/// The table at `index`; null past the end.
TEV_ASN_TABLE_API const TevCatalogTable* tev_get_catalog_table(unsigned long index);

/// Textual conventions of the catalogue's modules (SMI types left out);
/// tev_get_catalog_convention(0 .. count - 1) lists them by name.
TEV_ASN_TABLE_API unsigned long tev_get_catalog_convention_count();

/// The convention at `index`; null past the end.
TEV_ASN_TABLE_API const TevCatalogConvention* tev_get_catalog_convention(unsigned long index);

/// The table named `name` (`length` bytes): a table or entry name, with or
/// without its module ("IF-MIB::ifTable", "ifEntry"), in any letter case.
/// Null and ASN_E_UNKNOWN_TABLE in `err` when none (`reason` then names the
/// closest names), ASN_E_INVALID_ARGUMENT for a null `name`, -3 when the
/// reason cannot be stored.
TEV_ASN_TABLE_API const TevCatalogTable* tev_find_catalog_table(const char* name,
                                                                unsigned long length,
                                                                CTevAsnBuffer* reason, long* err);

/// The table whose entry identifier lies before the `count` sub-identifiers
/// at `sub_ids` (an instance or column of the table, or the entry itself).
/// Null and ASN_E_UNKNOWN_TABLE in `err` when no table holds them (`reason`
/// names them); -3 when the reason cannot be stored.
TEV_ASN_TABLE_API const TevCatalogTable* tev_find_catalog_table_by_oid(const std::uint32_t* sub_ids,
                                                                       unsigned long count,
                                                                       CTevAsnBuffer* reason,
                                                                       long* err);

/// The column of `table` numbered `number`; null when it has none.
TEV_ASN_TABLE_API const TevCatalogColumn* tev_find_catalog_column(const TevCatalogTable* table,
                                                                  std::uint32_t number);

/// "Integer32", "OCTET STRING", ... as a MIB module spells the syntax; null for
/// a value outside ETevSyntax.
TEV_ASN_TABLE_API const char* tev_syntax_name(ETevSyntax syntax);

#endif  // TEVASNVALUE_TEVASNCATALOG_H
