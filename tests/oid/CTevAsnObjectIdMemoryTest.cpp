// Out of memory: every allocation an operation makes is failed in turn; each
// failed run must report -3 and leave the identifier as it was (or, where an
// allocation is only a speed-up, succeed all the same).
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "AllocationFailure.h"
#include "OidTestUtil.h"
#include "TevAsnValue.h"

using namespace NTevAsnValue;
using oid_test::expect_consistent;
using oid_test::text_of;
using oid_test::warm_caches;

namespace {

// Longer than any short-string buffer, so that copies of it allocate.
constexpr const char* kStart = "1.3.6.1.4.1.2021.10.1.3.1.4294967295";
// Longer than kStart, so that taking it over needs a bigger block.
constexpr const char* kOther = "1.3.6.1.2.1.31.1.1.1.18.1000.2000.3000.4000";

}  // namespace

TEST(ObjectIdMemory, FailedAllocationsLeaveTheIdentifierUnchanged) {
  using Op = std::function<long(CTevAsnObjectId&)>;
  CTevAsnObjectId other;
  other.set_text(kOther);
  const auto with_err = [](auto call) -> Op {
    return [=](CTevAsnObjectId& oid) {
      long err = 1;
      call(oid, &err);
      return err;
    };
  };
  const std::string start = kStart;
  const std::string other_text = kOther;
  const struct {
    const char* name;
    Op op;
    std::string after;  // the text after a successful run
  } cases[] = {
      {"set_text", [&](CTevAsnObjectId& o) { return o.set_text(kOther); }, other_text},
      {"set_octets",
       [&](CTevAsnObjectId& o) {
         return o.set_octets(reinterpret_cast<const unsigned char*>(kOther), other_text.size());
       },
       other_text},
      {"assign", [&](CTevAsnObjectId& o) { return o.assign(&other); }, other_text},
      {"append_sub_id", [&](CTevAsnObjectId& o) { return o.append_sub_id(7); }, start + ".7"},
      {"append_text", [&](CTevAsnObjectId& o) { return o.append_text(kOther); },
       start + "." + other_text},
      {"append_oid", [&](CTevAsnObjectId& o) { return o.append_oid(&other); },
       start + "." + other_text},
      {"append_oid self", [&](CTevAsnObjectId& o) { return o.append_oid(&o); },
       start + "." + start},
      {"append_value", [&](CTevAsnObjectId& o) { return o.append_value(&other, 0); },
       start + "." + std::to_string(other.get_count()) + "." + other_text},
      {"append_value_text",
       [&](CTevAsnObjectId& o) { return o.append_value_text(kOther, ASN_OBJECT_ID, 1); },
       start + "." + other_text},
      {"set_from_oid self", [&](CTevAsnObjectId& o) { return o.set_from_oid(&o, 1, 2); }, "1.3"},
      {"take_prefix_into",
       [&](CTevAsnObjectId& o) {
         CTevAsnObjectId target;
         return o.take_prefix_into(&target, 10);
       },
       "1.4294967295"},
      {"take_prefix", with_err([](CTevAsnObjectId& o, long* err) {
         ITevAsnObjectID* p = o.take_prefix(10, err);
         if (p != nullptr) p->release();
       }),
       "1.4294967295"},
      {"take_prefix_text", with_err([](CTevAsnObjectId& o, long* err) {
         CTevAsnBuffer* b = o.take_prefix_text(10, err);
         if (b != nullptr) b->release();
       }),
       "1.4294967295"},
      {"take_value", with_err([](CTevAsnObjectId& o, long* err) {
         ITevAsnValue* v = o.take_value(ASN_OBJECT_ID, err, 1, 10);
         if (v != nullptr) v->release();
       }),
       "1.4294967295"},
      {"read_value", with_err([](CTevAsnObjectId& o, long* err) {
         ITevAsnValue* v = o.read_value(ASN_OBJECT_ID, err, 1);
         if (v != nullptr) v->release();
       }),
       start},
      {"clone", with_err([](CTevAsnObjectId& o, long* err) {
         ITevAsnValue* v = o.clone(err);
         if (v != nullptr) v->release();
       }),
       start},
      {"to_text", with_err([](CTevAsnObjectId& o, long* err) {
         CTevAsnBuffer* b = o.to_text(err);
         if (b != nullptr) b->release();
       }),
       start},
      {"get_at without room for the index",
       [](CTevAsnObjectId&) {
         CTevAsnObjectId fresh;
         long code = fresh.set_text(kStart);
         if (code != ASN_OK) return code;
         // Reading falls back to scanning the text.
         if (fresh.get_at(10, &code) != 1 || fresh.get_at(11, &code) != 4294967295UL) return -100L;
         return code;
       },
       start},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    int failures = 0;
    for (long allowed = 0;; ++allowed) {
      ASSERT_LT(allowed, 50) << "never ran without a failed allocation";
      CTevAsnObjectId oid;
      oid.set_text(kStart);
      warm_caches(oid);
      alloc_failure::arm(allowed);
      const long code = c.op(oid);
      const bool failed = alloc_failure::disarm();
      if (code == ASN_OK) {
        EXPECT_EQ(text_of(oid), c.after);
      } else {
        EXPECT_EQ(code, ASN_E_OUT_OF_MEMORY) << "allocation " << allowed;
        EXPECT_EQ(text_of(oid), kStart) << "allocation " << allowed;
      }
      expect_consistent(oid);
      if (!failed) break;
      ++failures;
    }
    EXPECT_GT(failures, 0) << "the operation allocated nothing";
  }
}

TEST(ObjectIdMemory, CreationFailsCleanly) {
  for (long allowed = 0;; ++allowed) {
    ASSERT_LT(allowed, 50);
    long err = 1;
    alloc_failure::arm(allowed);
    ITevAsnObjectID* oid = tev_create_asn_object_id(kStart, &err);
    const bool failed = alloc_failure::disarm();
    if (!failed) {
      ASSERT_NE(oid, nullptr);
      EXPECT_EQ(err, ASN_OK);
      oid->release();
      break;
    }
    EXPECT_EQ(oid, nullptr);
    EXPECT_EQ(err, ASN_E_OUT_OF_MEMORY);
  }
  long err = 1;
  alloc_failure::arm(0);
  EXPECT_EQ(tev_create_asn_object_id(&err), nullptr);
  EXPECT_TRUE(alloc_failure::disarm());
  EXPECT_EQ(err, ASN_E_OUT_OF_MEMORY);
}
