#include "table/CTevTextBuilder.h"

#include <cstdlib>

CTevTextBuilder::~CTevTextBuilder() {
  if (data_ != inline_) std::free(data_);
}

bool CTevTextBuilder::grow(unsigned long more) {
  if (failed_) return false;
  // Results are bounded by the 32-bit length of a CTevAsnBuffer.
  constexpr unsigned long kMax = 0xFFFFFFFEUL;
  if (more > kMax - length_) {
    failed_ = true;
    return false;
  }
  unsigned long capacity = capacity_;
  while (capacity - length_ < more) capacity = capacity > kMax / 2 ? kMax : capacity * 2;
  char* block =
      static_cast<char*>(data_ == inline_ ? std::malloc(capacity) : std::realloc(data_, capacity));
  if (block == nullptr) {
    failed_ = true;
    return false;
  }
  if (data_ == inline_) std::memcpy(block, inline_, length_);
  data_ = block;
  capacity_ = capacity;
  return true;
}

long CTevTextBuilder::store_into(CTevAsnBuffer* out) const {
  if (failed_) return NTevAsnValue::ASN_E_OUT_OF_MEMORY;
  return out->assign(data_, length_);
}
