// set_from_oid of every type from an object identifier built from the input:
// no crash, only the documented codes, the same result as from another
// implementation holding the same sub-identifiers (ours hand their values
// over in one pass), and when decoding succeeds the value's
// own encoding (append_to_oid) decodes to an equal value, takes
// get_oid_length sub-identifiers, and the object identifier's read_value and
// take_value agree with set_from_oid.
#include <fuzzer/FuzzedDataProvider.h>

#include <vector>

#include "FuzzSupport.h"
#include "support/ForeignValue.h"

using namespace NTevAsnValue;
using namespace tev_fuzz;

namespace {

bool documented(long code) {
  return code == ASN_OK || code == ASN_E_INVALID_ARGUMENT || code == ASN_E_NOT_SUPPORTED ||
         code == ASN_E_OUT_OF_RANGE || code == ASN_E_EMPTY || code == ASN_E_SUBID_RANGE;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider provider(data, size);
  const EAsnType type = kTypes[provider.ConsumeIntegralInRange<std::size_t>(0, kTypeCount - 1)];
  const long implied = provider.ConsumeIntegralInRange<long>(0, 2);
  const unsigned long length =
      provider.ConsumeBool() ? 0xFFFFFFFFUL : provider.ConsumeIntegralInRange<unsigned long>(0, 40);

  // Sub-identifiers: mostly small (so that octets and lengths fit), some wide.
  Oid index(tev_create_asn_object_id(nullptr, nullptr));
  require(index != nullptr, "creation failed");
  // A few components beyond 32 bits, which only the text holds.
  while (provider.remaining_bytes() > 0 && index->get_count() < 300) {
    if (provider.ConsumeIntegralInRange<int>(0, 15) == 0) {
      require(index->append_text("4294967296") == ASN_OK, "append_text failed");
      continue;
    }
    const std::uint32_t sub_id = provider.ConsumeBool() ? provider.ConsumeIntegral<std::uint8_t>()
                                                        : provider.ConsumeIntegral<std::uint32_t>();
    require(index->append_sub_id(sub_id) == ASN_OK, "append_sub_id failed");
  }

  Value value(tev_create_asn_value(type, nullptr));
  require(value != nullptr, "creation failed", type);
  const long code = value->set_from_oid(index.get(), implied, length);
  require(documented(code), "set_from_oid gave an undocumented code", type);

  std::vector<unsigned long> sub_ids;
  bool plain = true;
  for (unsigned long i = 0; plain && i < index->get_count(); ++i) {
    long read = ASN_OK;
    sub_ids.push_back(index->get_at(i, &read));
    plain = read == ASN_OK;
  }
  if (plain) {
    ForeignOid foreign(sub_ids);
    Value through(tev_create_asn_value(type, nullptr));
    require(through != nullptr, "creation failed", type);
    require(through->set_from_oid(&foreign, implied, length) == code,
            "another implementation's identifier decodes with another code", type);
    require(code != ASN_OK || through->is_equal(value.get()),
            "another implementation's identifier decodes to another value", type);
  }

  // read_value decodes the same way and leaves the object identifier alone.
  if (length == 0xFFFFFFFFUL) {
    long read_code = 1;
    Oid before(index->clone_oid(nullptr));
    Value read(index->read_value(type, &read_code, implied));
    require(read_code == code, "read_value and set_from_oid disagree", type);
    require(read == nullptr || read->is_equal(value.get()), "read_value decoded differently", type);
    require(index->is_equal(before.get()), "read_value changed the object identifier", type);
  }
  if (code != ASN_OK) return 0;

  Oid encoded(tev_create_asn_object_id(nullptr, nullptr));
  require(value->append_to_oid(encoded.get(), implied) == ASN_OK, "append_to_oid failed", type);
  const long counted = implied == 2 ? 0 : implied;  // get_oid_length knows only 1 as implied
  if (implied != 2) {
    require(value->get_oid_length(counted) == encoded->get_count(),
            "get_oid_length differs from what append_to_oid wrote", type);
  }
  Value again(tev_create_asn_value(type, nullptr));
  require(again->set_from_oid(encoded.get(), implied, 0xFFFFFFFFUL) == ASN_OK,
          "the value's own encoding does not decode", type);
  require(again->is_equal(value.get()), "the encoding does not give the value back", type);

  // take_value on the encoding followed by more sub-identifiers takes exactly
  // the encoding.
  if (implied != 2) {
    const unsigned long used = encoded->get_count();
    require(encoded->append_sub_id(7) == ASN_OK, "append_sub_id failed");
    long take_code = 1;
    Value taken(encoded->take_value(type, &take_code, implied, implied == 1 ? used : 0xFFFFFFFFUL));
    require(take_code == ASN_OK && taken != nullptr && taken->is_equal(value.get()),
            "take_value did not decode the encoding", type);
    require(encoded->get_count() == 1, "take_value removed the wrong number of sub-identifiers",
            type);
  }
  return 0;
}
