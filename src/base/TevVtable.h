// tev_base::vtable_of: the first word of a polymorphic object, which is its
// table of virtual functions on every ABI the libraries are built for. Objects
// of one final class made by one copy of the code share it, so an equal word
// tells a hot path "ours" without a virtual call; any other word only means
// "ask the object" (query_class), which also finds ours from another copy.
#ifndef TEVASNVALUE_SRC_BASE_TEVVTABLE_H
#define TEVASNVALUE_SRC_BASE_TEVVTABLE_H

#include <cstring>

namespace tev_base {

inline const void* vtable_of(const void* object) {
  const void* table = nullptr;
  std::memcpy(&table, object, sizeof table);
  return table;
}

}  // namespace tev_base

#endif  // TEVASNVALUE_SRC_BASE_TEVVTABLE_H
