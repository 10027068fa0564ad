// CTevAsnInteger: INTEGER (Integer32), one signed 32-bit number. The signed
// twin of CTevAsnGauge: it accepts only the signed side of the number
// interface, and stands in an instance identifier as its 32-bit pattern.
#ifndef TEVASNVALUE_SRC_SCALAR_CTEVASNINTEGER_H
#define TEVASNVALUE_SRC_SCALAR_CTEVASNINTEGER_H

#include <cstdint>

#include "framework/CTevAsnValueBase.h"

class CTevAsnInteger final : public CTevAsnValueBase {
 public:
  long accept(ITevAsnValueVisitor* visitor) override;
  ITevAsnValue* clone(long* err) const override;
  /// Demands type INTEGER and copies the source's get_long.
  long assign(const ITevAsnValue* src) override;
  void clear() override;
  NTevAsnValue::EAsnType get_type() const override;
  bool is_equal(const ITevAsnValue* other) const override;
  void query_class(unsigned long class_id, void** out) const override;
  long get_long(long* err) const override;
  /// Signed decimal, "-2147483648" to "2147483647".
  long to_text_into(CTevAsnBuffer* buffer) const override;
  /// -2 outside -2147483648..2147483647 (where long is wider), value unchanged.
  long set_long(long value) override;
  /// Read as atol reads (white space, sign, digits, the rest ignored; no digits
  /// gives 0). Numbers outside the signed 32-bit range and a null text give -2,
  /// value unchanged.
  long set_text(const char* text) override;
  unsigned long get_count() const override;
  unsigned long get_oid_length(long implied) const override;
  /// The index is the number's 32-bit pattern (-1 gives 4294967295), one
  /// sub-identifier; `implied` is ignored.
  long append_to_oid(ITevAsnObjectID* oid, long implied) const override;
  long assign_to_oid(ITevAsnObjectID* oid, long implied) const override;
  /// Takes the sub-identifier at position 0 as a signed pattern whatever
  /// `implied` and `length`; a failed read leaves -1 and returns the oid's code.
  long set_from_oid(const ITevAsnObjectID* oid, long implied, unsigned long length) override;

 private:
  std::uint32_t pattern() const { return static_cast<std::uint32_t>(value_); }

  std::int32_t value_ = 0;
};

#endif  // TEVASNVALUE_SRC_SCALAR_CTEVASNINTEGER_H
