#include "table/CTevSubIdArray.h"

#include <cstdlib>

using namespace NTevAsnValue;

CTevSubIdArray::~CTevSubIdArray() { std::free(data_); }

bool CTevSubIdArray::reserve(unsigned long total) {
  if (total <= capacity_) return true;
  if (total > 0x3FFFFFFFUL) return false;
  unsigned long wanted = capacity_ < 32 ? 32 : capacity_ * 2;
  if (wanted < total) wanted = total;
  auto* grown = static_cast<std::uint32_t*>(std::realloc(data_, wanted * sizeof(std::uint32_t)));
  if (grown == nullptr) return false;
  data_ = grown;
  capacity_ = wanted;
  return true;
}

long CTevSubIdArray::push(std::uint32_t value) {
  if (!reserve(count_ + 1)) return ASN_E_OUT_OF_MEMORY;
  data_[count_++] = value;
  return ASN_OK;
}

long CTevSubIdArray::assign_oid(const ITevAsnObjectID* oid) {
  count_ = 0;
  if (oid == nullptr) return ASN_E_INVALID_ARGUMENT;
  if (!oid->is_valid()) return ASN_E_INVALID_ARGUMENT;
  const unsigned long total = oid->get_count();
  if (!reserve(total)) return ASN_E_OUT_OF_MEMORY;
  for (unsigned long i = 0; i < total; ++i) {
    long err = ASN_OK;
    const unsigned long value = oid->get_at(i, &err);
    if (err != ASN_OK) {
      count_ = 0;
      return err;
    }
    data_[i] = static_cast<std::uint32_t>(value);
  }
  count_ = total;
  return ASN_OK;
}
