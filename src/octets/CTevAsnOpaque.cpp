#include "octets/CTevAsnOpaque.h"

using namespace NTevAsnValue;

ITevAsnValue* CTevAsnOpaque::clone(long* err) const { return clone_as<CTevAsnOpaque>(err); }

EAsnType CTevAsnOpaque::get_type() const { return ASN_OPAQUE; }

void CTevAsnOpaque::query_class(unsigned long class_id, void** out) const {
  if (!answer_class(class_id, tev_core::kClassIdOpaque, this, out)) {
    CTevAsnOctetString::query_class(class_id, out);
  }
}
