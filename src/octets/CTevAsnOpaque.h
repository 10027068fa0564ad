// CTevAsnOpaque: the SMI Opaque value, an OCTET STRING under its own tag. It
// never assigns from or equals an OCTET STRING; visitors see it through
// visit_octet_string and tell it apart by get_type.
#ifndef TEVASNVALUE_SRC_OCTETS_CTEVASNOPAQUE_H
#define TEVASNVALUE_SRC_OCTETS_CTEVASNOPAQUE_H

#include "octets/CTevAsnOctetString.h"

class CTevAsnOpaque final : public CTevAsnOctetString {
 public:
  ITevAsnValue* clone(long* err) const override;
  NTevAsnValue::EAsnType get_type() const override;
  void query_class(unsigned long class_id, void** out) const override;
};

#endif  // TEVASNVALUE_SRC_OCTETS_CTEVASNOPAQUE_H
