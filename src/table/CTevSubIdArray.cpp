#include "table/CTevSubIdArray.h"

using namespace NTevAsnValue;

long CTevSubIdArray::assign_oid(const ITevAsnObjectID* oid) {
  block_.clear();
  if (oid == nullptr || !oid->is_valid()) return ASN_E_INVALID_ARGUMENT;
  const unsigned long total = oid->get_count();
  if (!block_.reserve(total)) return ASN_E_OUT_OF_MEMORY;
  for (unsigned long i = 0; i < total; ++i) {
    long err = ASN_OK;
    const unsigned long value = oid->get_at(i, &err);
    if (err != ASN_OK) return err;
    block_[i] = static_cast<std::uint32_t>(value);
  }
  block_.set_size(total);
  return ASN_OK;
}
