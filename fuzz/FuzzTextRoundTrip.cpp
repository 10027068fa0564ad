// set_text, to_text, set_text again for every type: when the first set_text
// succeeds, the text it gives back must set an equal value that shows the same
// text (text forms are stable). set_octets and to_octets likewise, and the
// text creation function must agree with set_text followed by is_valid.
#include <fuzzer/FuzzedDataProvider.h>

#include <string>

#include "FuzzSupport.h"

using namespace NTevAsnValue;
using namespace tev_fuzz;

namespace {

void text_round_trip(EAsnType type, const std::string& input) {
  Value first(tev_create_asn_value(type, nullptr));
  require(first != nullptr, "creation failed", type);
  const long set_code = first->set_text(input.c_str());
  require(set_code <= 0, "positive code from set_text", type);

  long create_code = 1;
  Value created(tev_create_asn_value(input.c_str(), type, &create_code));
  require((created != nullptr) == (create_code == ASN_OK), "result and code disagree", type);
  if (set_code != ASN_OK) {
    require(created == nullptr, "created from text that set_text refuses", type);
    return;
  }
  if (created != nullptr) require(created->is_equal(first.get()), "creation differs", type);
  require((created != nullptr) == first->is_valid(), "creation ignores is_valid", type);

  long code = 1;
  Buffer text = text_of(first.get(), &code);
  require(code == ASN_OK, "to_text fails after set_text succeeded", type);
  Value second(tev_create_asn_value(type, nullptr));
  require(second->set_text_from(text.get()) == ASN_OK, "set_text refuses its own text", type);
  require(second->is_equal(first.get()), "the text form does not give the value back", type);
  Buffer again = text_of(second.get(), &code);
  require(again->is_equal_buffer(text.get()), "the text form is not stable", type);

  Value copy(first->clone(&code));
  require(copy != nullptr && code == ASN_OK && copy->is_equal(first.get()), "clone differs", type);
}

void octet_round_trip(EAsnType type, const std::string& input) {
  Value first(tev_create_asn_value(type, nullptr));
  const auto* data = reinterpret_cast<const unsigned char*>(input.data());
  if (first->set_octets(data, input.size()) != ASN_OK) return;
  long code = 1;
  Buffer octets(first->to_octets(&code));
  require(octets != nullptr && code == ASN_OK, "to_octets fails after set_octets", type);
  // An empty buffer has no data, which an object identifier refuses.
  if (type == ASN_OBJECT_ID && octets->length() == 0) return;
  Value second(tev_create_asn_value(type, nullptr));
  require(second->set_octets_from(octets.get()) == ASN_OK, "set_octets refuses its own octets",
          type);
  require(second->is_equal(first.get()), "the octets do not give the value back", type);
  if (type != ASN_OBJECT_ID) {
    // Octet values keep exactly what they were given.
    require(octets->is_equal(input.data(), input.size()), "set_octets did not keep the octets",
            type);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider provider(data, size);
  const EAsnType type = kTypes[provider.ConsumeIntegralInRange<std::size_t>(0, kTypeCount - 1)];
  const bool octets = provider.ConsumeBool();
  const std::string input = provider.ConsumeRemainingBytesAsString();
  if (octets) {
    octet_round_trip(type, input);
  } else {
    text_round_trip(type, input.c_str());  // text stops at the first zero byte
  }
  return 0;
}
