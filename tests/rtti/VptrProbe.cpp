// Shows that UBSan's vptr check is on in a sanitizer build and accepts the
// shared library's objects. First a few calls through the public interfaces,
// which the check can only verify when the library carries type information
// (without it the report is "invalid vptr"); then a deliberately wrong downcast
// of a client object, which the check must report. The test expects exactly
// that report.
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
