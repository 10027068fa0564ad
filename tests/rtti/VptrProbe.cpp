// UBSan's vptr check in a sanitizer build: calls on the shared library's
// objects pass it (without type information in the library they are reported
// as "invalid vptr"), and a wrong downcast of a client object is reported,
// which shows the check is on. The test expects exactly that report.
#include <cstdio>

#include "TevAsnValue.h"

namespace {
struct Shape {
  virtual ~Shape() = default;
  virtual int sides() const { return 0; }
};
struct Square : Shape {
  int sides() const override { return 4; }
};
}  // namespace

int main() {
  long err = 0;
  ITevAsnValue* value = tev_create_asn_value(5L, NTevAsnValue::ASN_INTEGER, &err);
  ITevAsnObjectID* oid = tev_create_asn_object_id("1.3.6.1", &err);
  if (value == nullptr || oid == nullptr) return 2;
  std::printf("library objects: %ld, %lu\n", value->get_long(&err), oid->get_count());
  std::fflush(stdout);
  oid->release();
  value->release();

  Shape shape;
  const Shape* base = &shape;
  std::printf("wrong downcast: %d\n", static_cast<const Square*>(base)->sides());
  return 1;
}
