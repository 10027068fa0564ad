// CTevAsnCounter64: Counter64, one unsigned 64-bit number kept and handed over
// as two 32-bit halves (the value interface has no 64-bit operation). It has
// no instance-index encoding.
#ifndef TEVASNVALUE_SRC_SCALAR_CTEVASNCOUNTER64_H
#define TEVASNVALUE_SRC_SCALAR_CTEVASNCOUNTER64_H

#include <cstdint>

#include "framework/CTevAsnValueBase.h"

class CTevAsnCounter64 final : public CTevAsnValueBase {
 public:
  long accept(ITevAsnValueVisitor* visitor) override;
  ITevAsnValue* clone(long* err) const override;
  /// Demands type Counter64 and copies the source's get_high and get_low.
  long assign(const ITevAsnValue* src) override;
  void clear() override;
  NTevAsnValue::EAsnType get_type() const override;
  bool is_equal(const ITevAsnValue* other) const override;
  void query_class(unsigned long class_id, void** out) const override;
  /// The low half; the high half is dropped without an error.
  unsigned long get_ulong(long* err) const override;
  /// Decimal, "0" to "18446744073709551615".
  long to_text_into(CTevAsnBuffer* buffer) const override;
  unsigned long get_high(long* err) const override;
  unsigned long get_low(long* err) const override;
  /// Sets the low half and clears the high half; -2 above 0xFFFFFFFF.
  long set_ulong(unsigned long value) override;
  /// Decimal digits only: no white space, sign or trailing text. A character
  /// that is not a digit, or a digit that would pass 18446744073709551615,
  /// gives -2 and leaves the number formed by the digits before it. "" is 0.
  /// A null text gives -2, value unchanged.
  long set_text(const char* text) override;
  /// Set one half, keeping the other; -2 above 0xFFFFFFFF, value unchanged.
  long set_high(unsigned long high) override;
  long set_low(unsigned long low) override;
  unsigned long get_count() const override;

 private:
  std::uint64_t number() const { return (std::uint64_t{high_} << 32) | low_; }
  void set_number(std::uint64_t number);

  std::uint32_t high_ = 0;
  std::uint32_t low_ = 0;
};

#endif  // TEVASNVALUE_SRC_SCALAR_CTEVASNCOUNTER64_H
