// Object-identifier text operations on arbitrary text: is_valid, compare_text
// in both directions, and a sequence of edits chosen by the input (prefix and
// take operations, erase, append), checking after each step that the count
// and every sub-identifier agree with the text the identifier shows.
#include <fuzzer/FuzzedDataProvider.h>

#include <string>

#include "FuzzSupport.h"

using namespace NTevAsnValue;
using namespace tev_fuzz;

namespace {

std::string text_of(const ITevAsnObjectID* oid) {
  long code = 1;
  Buffer text(oid->to_text(&code));
  require(text != nullptr && code == ASN_OK, "to_text of an object identifier failed");
  return text->length() == 0 ? std::string() : std::string(text->data(), text->length());
}

// Every index below the count reads (memory-safe, a documented code). While
// the text has been well-formed since the identifier was last set, the count,
// get_at and the text must tell the same story (edits of a malformed text such
// as "2." keep the count by the edit rules, not by the text).
void check_consistent(const ITevAsnObjectID* oid, bool* well_formed) {
  const unsigned long count = oid->get_count();
  for (unsigned long i = 0; i < count && i < 8192; ++i) {
    long code = 1;
    oid->get_at(i, &code);
    require(code == ASN_OK || code == ASN_E_SUBID_RANGE || code == ASN_E_OUT_OF_RANGE ||
                code == ASN_E_EMPTY,
            "get_at gave an undocumented code");
  }
  *well_formed = *well_formed && oid->is_valid();
  if (!*well_formed) return;
  const std::string text = text_of(oid);
  unsigned long dots = 0;
  for (const char c : text) dots += c == '.' ? 1 : 0;
  require(count == (text.empty() ? 0 : dots + 1), "get_count disagrees with the text");
  require(oid->get_oid_length(1) == count && oid->get_oid_length(0) == count + 1,
          "get_oid_length disagrees with get_count");
  for (unsigned long i = 0; i < count; ++i) {
    long code = 1;
    oid->get_at(i, &code);
    require(code == ASN_OK || code == ASN_E_SUBID_RANGE, "get_at refuses an index below the count");
  }
  long code = 0;
  require(oid->get_at(count, &code) == 0xFFFFFFFFUL, "get_at past the end gave a number");
  require(code == (count == 0 ? ASN_E_EMPTY : ASN_E_OUT_OF_RANGE), "get_at past the end: code");
}

// Set TEV_FUZZ_TRACE to see each step when replaying a finding.
void trace(int op, unsigned long n, const ITevAsnObjectID* oid) {
  static const bool enabled = std::getenv("TEV_FUZZ_TRACE") != nullptr;
  if (enabled) {
    std::fprintf(stderr, "op %d n %lu -> \"%s\" count %lu\n", op, n, text_of(oid).c_str(),
                 oid->get_count());
  }
}

// Relation codes of a to b and of b to a must mirror each other.
long mirrored(long relation) {
  static const long kMirror[] = {0, 2, 1, 4, 3};
  return relation >= 0 && relation <= 4 ? kMirror[relation] : -1;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider provider(data, size);
  const std::string a = provider.ConsumeRandomLengthString(256);
  const std::string b = provider.ConsumeRandomLengthString(256);

  Oid oid(tev_create_asn_object_id(nullptr, nullptr));
  Oid other(tev_create_asn_object_id(nullptr, nullptr));
  require(oid != nullptr && other != nullptr, "creation failed");
  require(oid->set_text(a.c_str()) == ASN_OK && other->set_text(b.c_str()) == ASN_OK,
          "set_text refused text");
  long code = 1;
  Oid created(tev_create_asn_object_id(a.c_str(), &code));
  require((created != nullptr) == oid->is_valid(), "creation from text disagrees with is_valid");
  require(created == nullptr || created->is_equal(oid.get()), "creation differs from set_text");

  const long forward = oid->compare_text(b.c_str(), &code);
  require(code == ASN_OK && forward >= 0 && forward <= 4, "compare_text gave no relation");
  require(other->compare(oid.get(), &code) == mirrored(forward), "relations do not mirror");
  require((forward == 0) == oid->is_equal(other.get()), "relation 0 and is_equal disagree");
  bool well_formed = true;
  check_consistent(oid.get(), &well_formed);

  while (provider.remaining_bytes() > 0) {
    const unsigned long count = oid->get_count();
    const auto n = provider.ConsumeIntegralInRange<unsigned long>(0, count + 2);
    const int op = provider.ConsumeIntegralInRange<int>(0, 11);
    switch (op) {
      case 0: {
        Oid prefix(oid->take_prefix(n, &code));
        require(prefix != nullptr && code == ASN_OK, "take_prefix failed");
        const unsigned long taken = n < count ? n : count;
        if (well_formed) {
          require(prefix->get_count() == taken, "take_prefix took the wrong number");
          require(oid->get_count() == count - (n == 0 ? 0 : taken),
                  "take_prefix left the wrong rest");
        }
        bool prefix_well_formed = well_formed;
        check_consistent(prefix.get(), &prefix_well_formed);
        break;
      }
      case 1: {
        Buffer prefix(oid->take_prefix_text(n, &code));
        require(prefix != nullptr && code == ASN_OK, "take_prefix_text failed");
        break;
      }
      case 2: {
        const unsigned long first = oid->take_first(&code);
        if (well_formed && count == 0) require(code == ASN_E_EMPTY, "take_first of nothing");
        require(code == ASN_OK ? !well_formed || oid->get_count() == count - 1
                               : first == 0xFFFFFFFFUL && oid->get_count() == count,
                "take_first");
        break;
      }
      case 3: {
        const auto index = provider.ConsumeIntegralInRange<unsigned long>(0, count + 1);
        const long erased = oid->erase_sub_ids(index, provider.ConsumeBool() ? 0xFFFFFFFFUL : n);
        require(erased == ASN_OK || erased == ASN_E_INVALID_ARGUMENT, "erase_sub_ids code");
        require(!well_formed || erased == (index < count ? ASN_OK : ASN_E_INVALID_ARGUMENT),
                "erase_sub_ids code for an index");
        break;
      }
      case 4: {
        const std::string prefix = text_of(oid.get()).substr(0, n);
        const long relation = oid->compare_text(prefix.c_str(), &code);
        const long removed = oid->remove_prefix_text(prefix.c_str());
        require((removed == ASN_OK) == (relation == 0 || relation == 2) || prefix.empty(),
                "remove_prefix_text disagrees with the relation");
        break;
      }
      case 5:
        require(oid->append_text(provider.ConsumeRandomLengthString(16).c_str()) == ASN_OK,
                "append_text");
        break;
      case 6:
        require(oid->append_sub_id(provider.ConsumeIntegral<std::uint32_t>()) == ASN_OK,
                "append_sub_id");
        require(oid->get_count() == count + 1, "append_sub_id count");
        break;
      case 7:
        require(oid->append_oid(oid.get()) == ASN_OK, "append_oid of itself");
        require(oid->get_count() == 2 * count, "append_oid of itself count");
        break;
      case 8:
        require(oid->append_oid(other.get()) == ASN_OK, "append_oid");
        break;
      case 9: {
        Oid prefix(tev_create_asn_object_id(nullptr, nullptr));
        require(oid->take_prefix_into(prefix.get(), n) == ASN_OK, "take_prefix_into");
        require(other->remove_prefix(prefix.get()) <= 0, "remove_prefix");
        break;
      }
      case 10:
        oid->get_ulong(&code);
        require(code == ASN_OK || code == ASN_E_SUBID_RANGE, "get_ulong code");
        break;
      default: {
        Oid copy(oid->clone_oid(&code));
        require(copy != nullptr && copy->is_equal(oid.get()), "clone_oid");
        require(copy->compare(oid.get(), &code) == 0, "a copy does not compare equal");
        break;
      }
    }
    trace(op, n, oid.get());
    check_consistent(oid.get(), &well_formed);
    if (oid->get_count() > 4096) {
      oid->clear();  // keep inputs cheap
      well_formed = true;
    }
  }
  return 0;
}
