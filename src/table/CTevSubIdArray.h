// CTevSubIdArray: sub-identifiers in a block of its own that grows with
// realloc and is kept between uses (no standard container: allocation failure
// is a code, never an exception).
#ifndef TEVASNTABLE_CTEVSUBIDARRAY_H
#define TEVASNTABLE_CTEVSUBIDARRAY_H

#include <cstdint>
#include <cstring>

#include "ITevAsnObjectID.h"

class CTevSubIdArray final {
 public:
  CTevSubIdArray() = default;
  CTevSubIdArray(const CTevSubIdArray&) = delete;
  CTevSubIdArray& operator=(const CTevSubIdArray&) = delete;
  ~CTevSubIdArray();

  unsigned long count() const { return count_; }
  const std::uint32_t* data() const { return data_; }
  void clear() { count_ = 0; }

  /// Replaces the content with `count` sub-identifiers; 0 or -3 (then empty).
  long assign(const std::uint32_t* sub_ids, unsigned long count) {
    count_ = 0;
    if (count > capacity_ && !reserve(count)) return NTevAsnValue::ASN_E_OUT_OF_MEMORY;
    if (count != 0) std::memcpy(data_, sub_ids, count * sizeof(std::uint32_t));
    count_ = count;
    return NTevAsnValue::ASN_OK;
  }
  /// Adds `count` sub-identifiers; 0 or -3 (content unchanged).
  long append(const std::uint32_t* sub_ids, unsigned long count) {
    if (count_ + count > capacity_ && !reserve(count_ + count)) {
      return NTevAsnValue::ASN_E_OUT_OF_MEMORY;
    }
    if (count != 0) std::memcpy(data_ + count_, sub_ids, count * sizeof(std::uint32_t));
    count_ += count;
    return NTevAsnValue::ASN_OK;
  }
  /// Adds one sub-identifier; 0 or -3 (content unchanged).
  long push(std::uint32_t value);
  /// Replaces the content with the sub-identifiers of `oid` (its get_count
  /// and get_at); -2 for null, the identifier's codes, -3.
  long assign_oid(const ITevAsnObjectID* oid);

 private:
  bool reserve(unsigned long total);

  std::uint32_t* data_ = nullptr;
  unsigned long count_ = 0;
  unsigned long capacity_ = 0;
};

#endif  // TEVASNTABLE_CTEVSUBIDARRAY_H
