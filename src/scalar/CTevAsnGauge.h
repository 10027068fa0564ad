// CTevAsnGauge: Gauge32 (Unsigned32), one unsigned 32-bit number. It also holds
// the implementation of Counter32 and TimeTicks, which derive from it and
// change only their identity.
#ifndef TEVASNVALUE_SRC_SCALAR_CTEVASNGAUGE_H
#define TEVASNVALUE_SRC_SCALAR_CTEVASNGAUGE_H

#include <cstdint>

#include "framework/CTevAsnValueBase.h"

class CTevAsnGauge : public CTevAsnValueBase {
 public:
  long accept(ITevAsnValueVisitor* visitor) override;
  ITevAsnValue* clone(long* err) const override;
  /// Demands the same get_type (so a Counter32 never takes a Gauge32) and
  /// copies the source's get_ulong.
  long assign(const ITevAsnValue* src) override;
  void clear() override;
  NTevAsnValue::EAsnType get_type() const override;
  bool is_equal(const ITevAsnValue* other) const override;
  void query_class(unsigned long class_id, void** out) const override;
  unsigned long get_ulong(long* err) const override;
  /// Unsigned decimal, "0" to "4294967295".
  long to_text_into(CTevAsnBuffer* buffer) const override;
  /// -2 above 0xFFFFFFFF (where unsigned long is wider), value unchanged.
  long set_ulong(unsigned long value) override;
  /// Read as atol reads (white space, sign, digits, the rest ignored; no digits
  /// gives 0). -2147483648..4294967295 store their 32-bit pattern, so "-1"
  /// stores 4294967295; other numbers and a null text give -2, value unchanged.
  long set_text(const char* text) override;
  unsigned long get_count() const override;
  unsigned long get_oid_length(long implied) const override;
  /// The index is the number itself, one sub-identifier; `implied` is ignored.
  long append_to_oid(ITevAsnObjectID* oid, long implied) const override;
  long assign_to_oid(ITevAsnObjectID* oid, long implied) const override;
  /// Takes the sub-identifier at position 0 whatever `implied` and `length`;
  /// a failed read leaves 0xFFFFFFFF and returns the oid's code.
  long set_from_oid(const ITevAsnObjectID* oid, long implied, unsigned long length) override;

 private:
  std::uint32_t value_ = 0;
};

#endif  // TEVASNVALUE_SRC_SCALAR_CTEVASNGAUGE_H
