// "Create, fill, release on failure", the shape of every operation that hands
// out a new object: the object is filled before the caller sees it, and a
// failure to fill releases it, so the caller gets a complete object or null.
#ifndef TEVASNVALUE_SRC_FRAMEWORK_TEVCREATEFILLED_H
#define TEVASNVALUE_SRC_FRAMEWORK_TEVCREATEFILLED_H

#include "framework/TevAsnConstants.h"

namespace tev_core {

/// Runs `create(&code)` (an object, or null with the code set), then
/// `fill(object)`, and releases the object when filling fails. Writes the code
/// to `err`; returns the object, or null.
template <class Create, class Fill>
auto create_filled(long* err, Create create, Fill fill) {
  long code = NTevAsnValue::ASN_OK;
  auto* object = create(&code);
  if (object != nullptr) {
    code = fill(object);
    if (code != NTevAsnValue::ASN_OK) {
      object->release();
      object = nullptr;
    }
  }
  set_error(err, code);
  return object;
}

}  // namespace tev_core

#endif  // TEVASNVALUE_SRC_FRAMEWORK_TEVCREATEFILLED_H
