// Walk order: sub-identifiers compared as numbers, the order in which an agent
// answers GETNEXT (1.9 before 1.10), unlike the core's character order.
#include "TevAsnTable.h"
#include "base/TevError.h"
#include "table/CTevSubIdArray.h"

using namespace NTevAsnValue;

long tev_compare_sub_ids(const std::uint32_t* a, unsigned long a_count, const std::uint32_t* b,
                         unsigned long b_count) {
  if ((a == nullptr && a_count != 0) || (b == nullptr && b_count != 0)) return -1;
  const unsigned long common = a_count < b_count ? a_count : b_count;
  for (unsigned long i = 0; i < common; ++i) {
    if (a[i] != b[i]) return a[i] < b[i] ? 3 : 4;
  }
  if (a_count == b_count) return 0;
  return a_count < b_count ? 1 : 2;
}

long tev_compare_walk_order(const ITevAsnObjectID* a, const ITevAsnObjectID* b, long* err) {
  CTevSubIdArray left;
  CTevSubIdArray right;
  long rc = left.assign_oid(a);
  if (rc == ASN_OK) rc = right.assign_oid(b);
  tev_base::set_error(err, rc);
  if (rc != ASN_OK) return -1;
  return tev_compare_sub_ids(left.data(), left.count(), right.data(), right.count());
}
