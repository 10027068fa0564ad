// The header-only conveniences of TevAsnValuePtr.h, used through the shared
// library as a client uses them. Leaks from a wrong deleter show up in the
// sanitizer build.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "TevAsnValuePtr.h"
#include "TypeTable.h"

using namespace NTevAsnValue;

// An owning pointer costs no more than the raw pointer.
static_assert(sizeof(TevAsnValuePtr) == sizeof(ITevAsnValue*));
static_assert(sizeof(TevAsnBufferPtr) == sizeof(CTevAsnBuffer*));

namespace {

std::vector<unsigned char> bytes(const std::string& s) { return {s.begin(), s.end()}; }

}  // namespace

TEST(TevAsnValuePtr, TextOfEveryTypeMatchesItsTextForm) {
  for (const TypeRow& row : kTypeRows) {
    SCOPED_TRACE(row.name);
    long err = 0;
    TevAsnValuePtr value(tev_create_asn_value(row.type, &err));
    ASSERT_TRUE(value);
    if (row.sample_text == nullptr) {
      const TevTextResult text = tev_text(value.get());
      EXPECT_EQ(text.code, ASN_E_NOT_SUPPORTED);
      EXPECT_FALSE(text.ok());
      EXPECT_EQ(text.value, "");
      continue;
    }
    ASSERT_EQ(value->set_text(row.sample_text), ASN_OK);
    const TevTextResult text = tev_text(value.get());
    EXPECT_TRUE(text.ok());
    EXPECT_EQ(text.value, row.sample_text);
  }
}

TEST(TevAsnValuePtr, OctetsMatchTheValuesOwnOctets) {
  for (const TypeRow& row : kTypeRows) {
    SCOPED_TRACE(row.name);
    long err = 0;
    TevAsnValuePtr value(row.sample_text != nullptr
                             ? tev_create_asn_value(row.sample_text, row.type, &err)
                             : tev_create_asn_value(row.type, &err));
    ASSERT_TRUE(value);
    unsigned long length = 0;
    long code = 0;
    const unsigned char* data = value->get_octets(&length, &code);
    const TevOctetsResult octets = tev_octets(value.get());
    EXPECT_EQ(octets.code, code);
    if (code == ASN_OK) {
      EXPECT_EQ(octets.value, std::vector<unsigned char>(data, data + length));
    } else {
      EXPECT_TRUE(octets.value.empty());
    }
  }
}

TEST(TevAsnValuePtr, EmbeddedZeroOctetsAreKept) {
  long err = 0;
  TevAsnValuePtr value(tev_create_asn_value(ASN_OCTET_STRING, &err));
  ASSERT_TRUE(value);
  const unsigned char raw[] = {'a', 0, 'b', 0};
  ASSERT_EQ(value->set_octets(raw, sizeof raw), ASN_OK);
  EXPECT_EQ(tev_octets(value.get()).value, std::vector<unsigned char>(raw, raw + sizeof raw));
  EXPECT_EQ(tev_text(value.get()).value, std::string("a\0b\0", 4));
}

TEST(TevAsnValuePtr, KnownResultsAndRefusals) {
  long err = 0;
  TevAsnValuePtr address(tev_create_asn_value("192.168.1.10", ASN_IP_ADDRESS, &err));
  ASSERT_TRUE(address);
  EXPECT_EQ(tev_octets(address.get()).value, (std::vector<unsigned char>{192, 168, 1, 10}));

  // An object identifier's octets are the characters of its dotted text.
  TevAsnObjectIdPtr oid(tev_create_asn_object_id("1.3.6", &err));
  ASSERT_TRUE(oid);
  EXPECT_EQ(tev_octets(oid.get()).value, bytes("1.3.6"));

  TevAsnValuePtr empty(tev_create_asn_value(ASN_OCTET_STRING, &err));
  const TevOctetsResult none = tev_octets(empty.get());
  EXPECT_TRUE(none.ok());
  EXPECT_TRUE(none.value.empty());

  TevAsnValuePtr gauge(tev_create_asn_value(7UL, ASN_GAUGE, &err));
  EXPECT_EQ(tev_octets(gauge.get()).code, ASN_E_NOT_SUPPORTED);

  EXPECT_EQ(tev_text(nullptr).code, ASN_E_INVALID_ARGUMENT);
  EXPECT_EQ(tev_octets(nullptr).code, ASN_E_INVALID_ARGUMENT);
}

TEST(TevAsnValuePtr, OwnershipFollowsThePointers) {
  long err = 0;
  TevAsnObjectIdPtr oid(tev_create_asn_object_id("1.3.6.1.2.1.4.20.1.1", &err));
  TevAsnValuePtr address(tev_create_asn_value("10.0.0.1", ASN_IP_ADDRESS, &err));
  ASSERT_TRUE(oid && address);
  ASSERT_EQ(address->append_to_oid(oid.get(), 1), ASN_OK);

  TevAsnBufferPtr text(oid->to_text(&err));
  ASSERT_TRUE(text);
  EXPECT_TRUE(text->is_equal_text("1.3.6.1.2.1.4.20.1.1.10.0.0.1"));

  TevAsnObjectIdPtr prefix(oid->take_prefix(10, &err));
  ASSERT_TRUE(prefix);
  EXPECT_EQ(oid->get_count(), 4UL);

  // An object identifier handed over as a plain value is still released once.
  TevAsnValuePtr as_value = std::move(prefix);
  EXPECT_FALSE(prefix);
  EXPECT_EQ(as_value->get_type(), ASN_OBJECT_ID);
  as_value.reset(address->clone(&err));
  EXPECT_TRUE(as_value->is_equal(address.get()));

  // A null pointer from a failed creation is safe to hold and drop.
  TevAsnValuePtr refused(tev_create_asn_value(0x7FUL, static_cast<EAsnType>(0x7F), &err));
  EXPECT_FALSE(refused);
}

TEST(TevAsnValuePtr, EveryCodeHasItsOwnNameAndMessage) {
  // Every `constexpr long ASN_...` of the public headers (tests/CMakeLists.txt).
  const struct {
    long code;
    const char* name;
  } rows[] = {
#include "TevErrorCodes.inc"
  };
  ASSERT_GE(sizeof rows / sizeof rows[0], 21U) << "the headers were not read";
  const std::string unknown_message = tev_error_message(-4);
  std::set<std::string> messages;
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_STREQ(tev_error_name(row.code), row.name);
    const std::string message = tev_error_message(row.code);
    EXPECT_NE(message, unknown_message);
    EXPECT_TRUE(messages.insert(message).second) << "message shared: " << message;
  }
  for (long other : {-1L, -4L, -6L, -400L, -409L, -418L, -419L, 1L, -2147483647L - 1}) {
    SCOPED_TRACE(other);
    EXPECT_STREQ(tev_error_name(other), "unknown");
    EXPECT_EQ(tev_error_message(other), unknown_message);
  }
}
