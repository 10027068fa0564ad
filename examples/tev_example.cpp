// A client's typical use of the library, as far as the value types go.
#include <cstdio>

#include "TevAsnValue.h"

using namespace NTevAsnValue;

int main() {
  long err = 0;
  ITevAsnValue* null_value = tev_create_asn_value(ASN_NULL, &err);
  if (null_value == nullptr) {
    std::printf("creating a NULL value failed: %ld\n", err);
    return 1;
  }
  std::printf("NULL value: type %u\n", static_cast<unsigned>(null_value->get_type()));
  ITevAsnValue* copy = null_value->clone(&err);
  std::printf("clone: %s, equal: %s\n", err == ASN_OK ? "ok" : "failed",
              copy != nullptr && copy->is_equal(null_value) ? "yes" : "no");
  CTevAsnBuffer* text = null_value->to_text(&err);
  std::printf("to_text: code %ld, %lu characters\n", err, text != nullptr ? text->length() : 0UL);
  if (text != nullptr) text->release();
  if (copy != nullptr) copy->release();
  null_value->release();
  return 0;
}
