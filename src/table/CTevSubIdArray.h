// CTevSubIdArray: sub-identifiers in the base's growable block, kept between
// uses, with the result codes of the companion's operations (allocation
// failure is -3, never an exception).
#ifndef TEVASNTABLE_CTEVSUBIDARRAY_H
#define TEVASNTABLE_CTEVSUBIDARRAY_H

#include <cstdint>

#include "ITevAsnObjectID.h"
#include "base/CTevBlock.h"

class CTevSubIdArray final {
 public:
  unsigned long count() const { return block_.size(); }
  const std::uint32_t* data() const { return block_.data(); }
  void clear() { block_.clear(); }

  /// Replaces the content with `count` sub-identifiers; 0 or -3 (then empty).
  long assign(const std::uint32_t* sub_ids, unsigned long count) {
    if (block_.assign(sub_ids, count)) return NTevAsnValue::ASN_OK;
    block_.clear();
    return NTevAsnValue::ASN_E_OUT_OF_MEMORY;
  }
  /// Adds `count` sub-identifiers; 0 or -3 (content unchanged).
  long append(const std::uint32_t* sub_ids, unsigned long count) {
    return block_.append(sub_ids, count) ? NTevAsnValue::ASN_OK : NTevAsnValue::ASN_E_OUT_OF_MEMORY;
  }
  /// Adds one sub-identifier; 0 or -3 (content unchanged).
  long push(std::uint32_t value) {
    return block_.push_back(value) ? NTevAsnValue::ASN_OK : NTevAsnValue::ASN_E_OUT_OF_MEMORY;
  }
  /// Replaces the content with the sub-identifiers of `oid` (its get_count
  /// and get_at); -2 for null, the identifier's codes, -3.
  long assign_oid(const ITevAsnObjectID* oid);

 private:
  CTevBlock<std::uint32_t> block_;
};

#endif  // TEVASNTABLE_CTEVSUBIDARRAY_H
