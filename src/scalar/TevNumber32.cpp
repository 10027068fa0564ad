#include "scalar/TevNumber32.h"

#include "base/TevNumberText.h"
#include "framework/TevAsnConstants.h"

using namespace NTevAsnValue;

namespace tev_core {

long write_number_text(CTevAsnBuffer* buffer, std::int64_t number) {
  if (buffer == nullptr) return ASN_E_INVALID_ARGUMENT;
  char text[tev_base::kDecimalTextSize];
  tev_base::format_decimal(number, text);
  return buffer->assign_text(text);
}

long append_number_index(ITevAsnObjectID* oid, std::uint32_t pattern) {
  if (oid == nullptr) return ASN_E_INVALID_ARGUMENT;
  return oid->append_sub_id(pattern);
}

long assign_number_index(ITevAsnObjectID* oid, std::uint32_t pattern) {
  if (oid == nullptr) return ASN_E_INVALID_ARGUMENT;
  return oid->set_ulong(pattern);
}

}  // namespace tev_core
