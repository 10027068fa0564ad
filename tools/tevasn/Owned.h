// Owning pointers for the library's objects: each ends its object with release().
#ifndef TEVASN_TOOL_OWNED_H
#define TEVASN_TOOL_OWNED_H

#include <memory>

#include "TevAsnValue.h"

namespace tevasn {

struct Releaser {
  template <class T>
  void operator()(T* object) const {
    if (object != nullptr) object->release();
  }
};

using ValuePtr = std::unique_ptr<ITevAsnValue, Releaser>;
using OidPtr = std::unique_ptr<ITevAsnObjectID, Releaser>;
using BufferPtr = std::unique_ptr<CTevAsnBuffer, Releaser>;

/// The library's error code in words.
const char* error_words(long code);

}  // namespace tevasn

#endif  // TEVASN_TOOL_OWNED_H
