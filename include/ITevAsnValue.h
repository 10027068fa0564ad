// ITevAsnValue: the interface of every value the library hands out.
//
// Conventions shared by all operations:
// - Failures are negative codes (TevAsnTypes.h). Operations that return a value
//   report their code through a trailing `long* err`, which may be null and
//   receives 0 on success.
// - Refused getters return fixed failure values: -1 (get_long), 0xFFFFFFFF
//   (other 32-bit getters), 0xFFFF (get_port), null (pointers).
// - Every number is 32 bits wide, also where `unsigned long` is wider: results
//   lie in 0..0xFFFFFFFF and wider inputs are refused with -2.
// - The caller owns every value and buffer it receives and ends it with
//   release(). Pointers from get_octets, query_class and query_object_id are
//   borrowed from the value.
// - One value is used by one thread at a time; distinct values may be used from
//   distinct threads at once.
#ifndef TEVASNVALUE_ITEVASNVALUE_H
#define TEVASNVALUE_ITEVASNVALUE_H

#include "CTevAsnBuffer.h"
#include "ITevAsnValueVisitor.h"
#include "TevAsnTypes.h"

class ITevAsnObjectID;

/// The interface of every value the library hands out (conventions at the top
/// of this header).
class ITevAsnValue {
 public:
  // The order of these 35 operations is the contract with client modules.

  /// Calls the one visitor operation of this value's class and returns its
  /// result. The visitor must not be null.
  virtual long accept(ITevAsnValueVisitor* visitor) = 0;
  /// Destroys the value and frees what it owns; the pointer (and every
  /// pointer borrowed from it) is invalid afterwards.
  virtual void release() = 0;
  /// A new, independent value of the same class and value, owned by the
  /// caller; null with -3 when memory runs out.
  virtual ITevAsnValue* clone(long* err) const = 0;
  /// Copies `src` into this value: -2 for null or a different type, -3 when
  /// memory runs out (value unchanged).
  virtual long assign(const ITevAsnValue* src) = 0;
  /// Resets the value to its type's initial value (0, empty, all-zero address).
  virtual void clear() = 0;
  /// The value's type tag; an exception value reports which of the three it is.
  virtual NTevAsnValue::EAsnType get_type() const = 0;
  /// True only for a non-null value of the same type holding the same value.
  virtual bool is_equal(const ITevAsnValue* other) const = 0;
  /// The object-identifier interface of an object identifier (borrowed, not
  /// to be released separately); null for every other type.
  virtual ITevAsnObjectID* query_object_id() = 0;
  /// Cast by class id: `*out` receives this value seen as that class
  /// (borrowed), or null when the value is not of that class. A null `out` is
  /// ignored. 0xFF00 gives this ITevAsnValue.
  virtual void query_class(unsigned long class_id, void** out) const = 0;
  /// Whether the value is well formed: object identifiers check their dotted
  /// text; every other type answers true.
  virtual bool is_valid() const = 0;
  /// The value as a signed 32-bit number (INTEGER); else -1 with -5.
  virtual long get_long(long* err) const = 0;
  /// The value as an unsigned 32-bit number; else 0xFFFFFFFF with -5.
  virtual unsigned long get_ulong(long* err) const = 0;
  /// A new buffer holding the text form, owned by the caller. It is returned
  /// also when the conversion fails (then empty, code in `err`); null only when
  /// the buffer itself cannot be allocated (-3).
  virtual CTevAsnBuffer* to_text(long* err) const = 0;
  /// Replaces the buffer's content with the text form: 0; -2 for a null
  /// buffer; -3 when memory runs out; -5 for a type without a text form.
  virtual long to_text_into(CTevAsnBuffer* buffer) const = 0;
  /// The value's own octets (not a copy; valid until the value changes) and
  /// their number through `length`; null with -2 for a null `length`, -5 for
  /// types without octets.
  virtual const unsigned char* get_octets(unsigned long* length, long* err) const = 0;
  /// As to_text, with the value's octets.
  virtual CTevAsnBuffer* to_octets(long* err) const = 0;
  /// As to_text_into, with the value's octets.
  virtual long to_octets_into(CTevAsnBuffer* buffer) const = 0;
  /// The port (or IPX socket) of an address value; else 0xFFFF with -5.
  virtual unsigned short get_port(long* err) const = 0;
  /// Upper 32 bits of a Counter64; else 0xFFFFFFFF with -5.
  virtual unsigned long get_high(long* err) const = 0;
  /// Lower 32 bits of a Counter64; else 0xFFFFFFFF with -5.
  virtual unsigned long get_low(long* err) const = 0;
  // Setters return 0 on success, -2 for a refused argument, -5 for a type
  // without this form, -3 when memory runs out.

  /// Sets an INTEGER; -2 outside the signed 32-bit range.
  virtual long set_long(long value) = 0;
  /// Sets an unsigned number, a Counter64 (high half 0), an IPv4 address
  /// (big-endian) or a one-component object identifier; -2 above 0xFFFFFFFF.
  virtual long set_ulong(unsigned long value) = 0;
  /// Sets the value from its text form; -2 for malformed text (docs/usage.md
  /// lists what each type reads and keeps on failure).
  virtual long set_text(const char* text) = 0;
  /// set_text with the buffer's data (an empty buffer gives a null text); -2
  /// for a null buffer.
  virtual long set_text_from(const CTevAsnBuffer* buffer) = 0;
  /// Copies `length` octets from `data`; -2 when a fixed-size address gets
  /// another length. A null `data` empties an octet string.
  virtual long set_octets(const unsigned char* data, unsigned long length) = 0;
  /// set_octets with the buffer's data and length; -2 for a null buffer.
  virtual long set_octets_from(const CTevAsnBuffer* buffer) = 0;
  /// Sets the port (or IPX socket) of an address value, keeping the address.
  virtual long set_port(unsigned short port) = 0;
  /// Sets the upper 32 bits of a Counter64; -2 above 0xFFFFFFFF.
  virtual long set_high(unsigned long high) = 0;
  /// Sets the lower 32 bits of a Counter64; -2 above 0xFFFFFFFF.
  virtual long set_low(unsigned long low) = 0;
  /// Number of elements: 1 for a number, octets, sub-identifiers; 0 otherwise.
  virtual unsigned long get_count() const = 0;
  /// Sub-identifiers the value takes in an instance identifier; only
  /// `implied` == 1 drops the length prefix here.
  virtual unsigned long get_oid_length(long implied) const = 0;
  /// Element `index` (an octet or a sub-identifier); 0xFFFFFFFF with a code
  /// (-2 octets, -7/-8 object identifiers, -5 other types) on failure.
  virtual unsigned long get_at(unsigned long index, long* err) const = 0;
  /// Appends the value's instance-index encoding to `oid` (length prefix
  /// unless `implied` is non-zero): 0; -2 for a null `oid`; -5 for Counter64,
  /// NULL and exceptions, which have no encoding; errors of `oid` pass through.
  virtual long append_to_oid(ITevAsnObjectID* oid, long implied) const = 0;
  /// Clears `oid`, then as append_to_oid.
  virtual long assign_to_oid(ITevAsnObjectID* oid, long implied) const = 0;
  /// Clears this value and decodes it from the sub-identifiers at the start of
  /// `oid`: `length` elements when implied (0xFFFFFFFF: all), else a length
  /// prefix. Errors of `oid` pass through; -401 for an unfit sub-identifier.
  virtual long set_from_oid(const ITevAsnObjectID* oid, long implied, unsigned long length) = 0;

 protected:
  ~ITevAsnValue() = default;
};

#endif  // TEVASNVALUE_ITEVASNVALUE_H
