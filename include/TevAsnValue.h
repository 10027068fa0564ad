// TevAsnValue: one object model for the values SNMP carries.
//
// Include this header to get everything: the type tags and error codes, the
// result buffer, the value and object-identifier interfaces, the visitor and
// the seven creation functions, which are the library's only exported symbols.
//
// Ownership: every object a creation function, clone, to_text, to_octets,
// take_prefix, take_prefix_text, take_value or read_value returns belongs to
// the caller, who ends it with its release() operation.
// Threads: the library keeps no global state and takes no locks; distinct
// objects may be used from distinct threads at once, one object by one thread
// at a time.
#ifndef TEVASNVALUE_TEVASNVALUE_H
#define TEVASNVALUE_TEVASNVALUE_H

#include "CTevAsnBuffer.h"
#include "ITevAsnObjectID.h"
#include "ITevAsnValue.h"
#include "ITevAsnValueVisitor.h"
#include "TevAsnTypes.h"

/// A value of `type` holding its initial value (0, empty, all-zero address).
/// Null with -2 for an unknown type, -3 when memory runs out.
TEV_ASN_API ITevAsnValue* tev_create_asn_value(NTevAsnValue::EAsnType type, long* err);
/// A value of `type` set with set_long(value); -5 for types without a signed
/// form, -2 for a number outside the signed 32-bit range.
TEV_ASN_API ITevAsnValue* tev_create_asn_value(long value, NTevAsnValue::EAsnType type, long* err);
/// A value of `type` set with set_ulong(value); -5 for types without an
/// unsigned form, -2 for a number above 0xFFFFFFFF.
TEV_ASN_API ITevAsnValue* tev_create_asn_value(unsigned long value, NTevAsnValue::EAsnType type,
                                               long* err);
/// A value of `type` set from its text form and checked with is_valid();
/// -2 for a null or malformed text, -5 for types without a text form.
TEV_ASN_API ITevAsnValue* tev_create_asn_value(const char* text, NTevAsnValue::EAsnType type,
                                               long* err);
/// An empty object identifier.
TEV_ASN_API ITevAsnObjectID* tev_create_asn_object_id(long* err);
/// An object identifier from dotted text (null: empty); -2 when the text is
/// not a valid dotted object identifier.
TEV_ASN_API ITevAsnObjectID* tev_create_asn_object_id(const char* text, long* err);
/// A Counter64 from its upper and lower 32 bits; -2 when either is above 0xFFFFFFFF.
TEV_ASN_API ITevAsnValue* tev_create_asn_counter_64(unsigned long high, unsigned long low,
                                                    long* err);

#endif  // TEVASNVALUE_TEVASNVALUE_H
