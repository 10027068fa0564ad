// Objects the library did not make: a row of another layout and the caller's
// own implementation of each interface are refused with -2 and left as they
// were (run under the sanitizers, a cast of a foreign object shows there).
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>

#include "ForeignValue.h"
#include "TevAsnDisplay.h"
#include "TevAsnTable.h"
#include "TevAsnValue.h"
#include "TevAsnValuePtr.h"

using namespace NTevAsnValue;

namespace {

// The caller's own implementations: they answer no class id and count the
// calls that reach them beyond query_class.
struct CallerRow final : ITevAsnIndexRow {
  mutable int calls = 0;
  void release() override { ++calls; }
  unsigned long get_count() const override { return ++calls, 0; }
  ITevAsnValue* get_value(unsigned long, long*) override { return ++calls, nullptr; }
  unsigned long get_column() const override { return ++calls, 0; }
  long value_to_text_into(CTevAsnBuffer*, unsigned long, ETevOctetsAs) const override {
    return ++calls, ASN_E_NOT_SUPPORTED;
  }
  long to_text_into(CTevAsnBuffer*, ETevOctetsAs) const override {
    return ++calls, ASN_E_NOT_SUPPORTED;
  }
  const char* get_text(ETevOctetsAs, unsigned long*, long*) const override {
    return ++calls, nullptr;
  }
  void query_class(unsigned long, void** out) const override {
    if (out != nullptr) *out = nullptr;
  }
};

struct CallerLayout final : ITevAsnIndexLayout {
  void release() override {}
  unsigned long get_word_count() const override { return 0; }
  unsigned long get_value_count() const override { return 0; }
  long get_word(unsigned long, TevIndexWord*) const override { return -2; }
  long word_to_text_into(CTevAsnBuffer*, unsigned long) const override { return -2; }
  mutable CallerRow row;
  ITevAsnIndexRow* create_row(long*) const override { return &row; }
  long decode(const std::uint32_t*, unsigned long, ITevAsnIndexRow*,
              CTevAsnBuffer*) const override {
    return -2;
  }
  long decode_oid(const ITevAsnObjectID*, unsigned long, ITevAsnIndexRow*,
                  CTevAsnBuffer*) const override {
    return -2;
  }
  long encode(ITevAsnValue* const*, unsigned long, ITevAsnObjectID*,
              CTevAsnBuffer*) const override {
    return -2;
  }
  void query_class(unsigned long, void** out) const override {
    if (out != nullptr) *out = nullptr;
  }
};

struct CallerEntry final : ITevAsnTableEntry {
  CallerLayout layout;
  void release() override {}
  const ITevAsnIndexLayout* get_layout() const override { return &layout; }
  long split(const std::uint32_t*, unsigned long, unsigned long*, ITevAsnIndexRow*,
             CTevAsnBuffer*) const override {
    return -2;
  }
  long split_oid(const ITevAsnObjectID*, unsigned long*, ITevAsnIndexRow*,
                 CTevAsnBuffer*) const override {
    return -2;
  }
  long build(unsigned long, ITevAsnValue* const*, unsigned long, ITevAsnObjectID*,
             CTevAsnBuffer*) const override {
    return -2;
  }
  void query_class(unsigned long, void** out) const override {
    if (out != nullptr) *out = nullptr;
  }
};

using Layout = std::unique_ptr<ITevAsnIndexLayout, TevAsnReleaser>;
using Row = std::unique_ptr<ITevAsnIndexRow, TevAsnReleaser>;
using Entry = std::unique_ptr<ITevAsnTableEntry, TevAsnReleaser>;

TEST(ForeignObject, RowsNotMadeByTheLayoutAreRefusedUntouched) {
  Entry entry{tev_create_table_entry("1.3.6.1.2.1.4.34.1", "integer", nullptr, nullptr)};
  ASSERT_TRUE(entry);
  const ITevAsnIndexLayout* layout = entry->get_layout();
  // The same TYPE words, another layout: its row is not the entry's.
  Layout twin{tev_create_index_layout("integer", 0, nullptr, nullptr)};
  Row twin_row{twin->create_row(nullptr)};
  const std::uint32_t index[] = {7};
  ASSERT_EQ(twin->decode(index, 1, twin_row.get(), nullptr), ASN_OK);
  CallerRow caller_row;
  CallerEntry caller_entry;
  Row caller_made{caller_entry.get_layout()->create_row(nullptr)};
  ForeignOid oid({1, 3, 6, 1, 2, 1, 4, 34, 1, 2, 7});
  const std::uint32_t instance[] = {1, 3, 6, 1, 2, 1, 4, 34, 1, 2, 7};
  ITevAsnIndexRow* const rows[] = {twin_row.get(), &caller_row, caller_made.get(), nullptr};
  for (ITevAsnIndexRow* row : rows) {
    CTevAsnBuffer reason;
    unsigned long column = 99;
    EXPECT_EQ(layout->decode(index, 1, row, &reason), ASN_E_INVALID_ARGUMENT);
    EXPECT_EQ(layout->decode_oid(&oid, 10, row, &reason), ASN_E_INVALID_ARGUMENT);
    // Even where the identifier alone would be refused otherwise.
    EXPECT_EQ(layout->decode_oid(&oid, 50, row, &reason), ASN_E_INVALID_ARGUMENT);
    EXPECT_EQ(entry->split(instance, 11, &column, row, &reason), ASN_E_INVALID_ARGUMENT);
    EXPECT_EQ(entry->split_oid(&oid, &column, row, &reason), ASN_E_INVALID_ARGUMENT);
    EXPECT_EQ(column, 99UL);
    EXPECT_EQ(reason.length(), 0UL);
  }
  EXPECT_EQ(caller_row.calls, 0);
  EXPECT_EQ(twin_row->get_count(), 1UL);
  EXPECT_EQ(twin_row->get_value(0, nullptr)->get_long(nullptr), 7);
}

TEST(ForeignObject, CallerValuesAndIdentifiersGoThroughTheirInterface) {
  Layout layout{tev_create_index_layout("integer inetaddress", 0, nullptr, nullptr)};
  ForeignValue number(ASN_INTEGER);
  ForeignValue octets(ASN_OCTET_STRING);
  ITevAsnValue* values[] = {&number, &number, &octets};
  TevAsnObjectIdPtr oid{tev_create_asn_object_id(nullptr)};
  ASSERT_EQ(oid->set_text("1.3"), ASN_OK);
  CTevAsnBuffer reason;
  EXPECT_LT(layout->encode(values, 3, oid.get(), &reason), 0);
  EXPECT_EQ(layout->encode(values + 1, 2, oid.get(), &reason), ASN_E_INVALID_ARGUMENT);
  Entry entry{tev_create_table_entry("1.3.6.1", "inetaddress", nullptr, nullptr)};
  EXPECT_EQ(entry->build(1, values + 1, 2, oid.get(), &reason), ASN_E_INVALID_ARGUMENT);
  CTevAsnBuffer text;
  EXPECT_EQ(oid->to_text_into(&text), ASN_OK);
  EXPECT_STREQ(text.data(), "1.3");
  EXPECT_EQ(tev_format_value(&octets, TEV_OCTETS_HEX, &text), ASN_E_INVALID_ARGUMENT);
  ForeignOid walk({1, 3, 6});
  EXPECT_EQ(tev_compare_walk_order(&walk, oid.get(), nullptr), 2);
}

}  // namespace
