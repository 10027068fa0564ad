// The companion library TevAsnTable with each of its allocations (and those
// of the core it calls) failing in turn: layouts, entries, row decoding and
// text, encoding, address text and walk order report -3 and leak nothing.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <vector>

#include "OomHarness.h"
#include "TestText.h"
#include "TevAsnCatalog.h"
#include "TevAsnTable.h"
#include "TevAsnTablePtr.h"

using namespace NTevAsnValue;
using tev_test::exercise;
using tev_test::Oid;
using tev_test::Probe;

namespace {

const char kLayout[] = "integer inetaddress ipport ipx ipaddress ipv6 fixed:2 octets oid/implied";
// A row of kLayout.
const char kIndex[] =
    "7.2.16.254.128.0.0.0.0.0.0.0.0.0.0.0.0.0.1.1.6.10.1.2.3.0.161.5.12.0.0.171.205.0.160.201.17."
    "34.51.4.81.10.0.0.1.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.1.97.98.2.120.121.1.3.6";

std::vector<std::uint32_t> sub_ids(const char* dotted) {
  std::uint32_t ids[ASN_MAX_SUB_IDS];
  unsigned long count = 0;
  tev_parse_sub_ids(dotted, std::strlen(dotted), ids, ASN_MAX_SUB_IDS, &count, nullptr);
  return std::vector<std::uint32_t>(ids, ids + count);
}

// Runs `op` armed with a layout of kLayout made disarmed; folds what it wrote.
void with_layout(const char* name,
                 const std::function<long(ITevAsnIndexLayout*, CTevAsnBuffer*, Probe&)>& op) {
  exercise(name, [&](Probe& p) {
    TevAsnIndexLayoutPtr layout{tev_create_index_layout(kLayout, 0, nullptr, nullptr)};
    CTevAsnBuffer out;
    p.run([&] { return op(layout.get(), &out, p); });
    p.fold(&out);
  });
}

}  // namespace

TEST(TableAllocationFailure, LayoutsAndEntries) {
  for (const char* text : {kLayout, "integer bogus", "fixed:3 counter64"}) {
    exercise(text, [&](Probe& p) {
      long err = 1;
      CTevAsnBuffer reason;
      TevAsnIndexLayoutPtr layout;
      p.run([&] {
        layout.reset(tev_create_index_layout(text, 0, &reason, &err));
        return err;
      });
      p.check(layout != nullptr || err != ASN_OK, "a null layout without a code");
      p.fold(&reason);
      p.fold(layout == nullptr ? 0 : layout->get_value_count());
    });
  }
  for (const char* entry : {"1.3.6.1.2.1.4.34.1", "1.3.x"}) {
    exercise("create a table entry", [&](Probe& p) {
      long err = 1;
      CTevAsnBuffer reason;
      TevAsnTableEntryPtr made;
      p.run([&] {
        made.reset(tev_create_table_entry(entry, "inetaddress", &reason, &err));
        return err;
      });
      p.check(made != nullptr || err != ASN_OK, "a null entry without a code");
      p.fold(&reason);
    });
  }
}

TEST(TableAllocationFailure, RowsDecodeEncodeAndPrint) {
  const std::vector<std::uint32_t> good = sub_ids(kIndex);
  const std::vector<std::uint32_t> bad = sub_ids("7.1.16.1.2");
  for (const std::vector<std::uint32_t>* index : {&good, &bad}) {
    with_layout("decode a row, print it and make its values",
                [&](ITevAsnIndexLayout* layout, CTevAsnBuffer* out, Probe& p) {
                  long err = ASN_OK;
                  TevAsnIndexRowPtr row{layout->create_row(&err)};
                  if (row == nullptr) return err;
                  err = layout->decode(index->data(), static_cast<unsigned long>(index->size()),
                                       row.get(), out);
                  if (err != ASN_OK) return err;
                  err = row->to_text_into(out, TEV_OCTETS_AUTO);
                  for (unsigned long i = 0; err == ASN_OK && i < row->get_count(); ++i) {
                    p.fold(row->get_value(i, &err));
                  }
                  return err;
                });
  }
  exercise("encode a decoded row", [&](Probe& p) {
    TevAsnIndexLayoutPtr layout{tev_create_index_layout(kLayout, 0, nullptr, nullptr)};
    TevAsnIndexRowPtr row{layout->create_row(nullptr)};
    layout->decode(good.data(), static_cast<unsigned long>(good.size()), row.get(), nullptr);
    std::vector<ITevAsnValue*> values;
    for (unsigned long i = 0; i < row->get_count(); ++i) {
      values.push_back(row->get_value(i, nullptr));
    }
    Oid oid(tev_create_asn_object_id("1.3", nullptr));
    Oid before(oid->clone_oid(nullptr));
    CTevAsnBuffer reason;
    p.run([&] {
      return layout->encode(values.data(), static_cast<unsigned long>(values.size()), oid.get(),
                            &reason);
    });
    p.unchanged_on_failure(oid.get(), before.get());
    p.fold(oid.get());
  });
  exercise("split and build through a table entry", [&](Probe& p) {
    TevAsnTableEntryPtr entry{
        tev_create_table_entry("1.3.6.1.2.1.4.34.1", "inetaddress", nullptr, nullptr)};
    TevAsnIndexRowPtr row{entry->get_layout()->create_row(nullptr)};
    Oid instance(tev_create_asn_object_id("1.3.6.1.2.1.4.34.1.3.1.4.10.0.0.1", nullptr));
    Oid built(tev_create_asn_object_id(nullptr));
    CTevAsnBuffer reason;
    p.run([&] {
      unsigned long column = 0;
      long err = entry->split_oid(instance.get(), &column, row.get(), &reason);
      ITevAsnValue* values[2] = {nullptr, nullptr};
      for (unsigned long i = 0; err == ASN_OK && i < 2; ++i) {
        values[i] = row->get_value(i, &err);
      }
      if (err == ASN_OK) err = entry->build(column, values, 2, built.get(), &reason);
      return err;
    });
    p.fold(built.get());
  });
}

TEST(TableAllocationFailure, AddressTextAndWalkOrder) {
  for (const char* text : {"ipv6z:fe80::1%5", "dns:example.com", "fe80::1::2"}) {
    exercise("read and write an InetAddress", [&](Probe& p) {
      CTevAsnBuffer octets;
      CTevAsnBuffer reason;
      CTevAsnBuffer written;
      p.run([&] {
        ETevInetAddressType type = TEV_INET_UNKNOWN;
        long err = tev_parse_inet_address(text, std::strlen(text), &type, &octets, &reason);
        if (err == ASN_OK) {
          err = tev_format_inet_address(type, tev_test::bytes(octets.data()), octets.length(),
                                        TEV_OCTETS_AUTO, &written);
        }
        return err;
      });
      p.fold(&written);
      p.fold(&reason);
    });
  }
  exercise("compare in walk order", [](Probe& p) {
    Oid a(tev_create_asn_object_id("1.3.6.1.9", nullptr));
    Oid b(tev_create_asn_object_id("1.3.6.1.10", nullptr));
    p.run([&] {
      long err = 1;
      const long relation = tev_compare_walk_order(a.get(), b.get(), &err);
      p.check(err != ASN_OK || relation == 3, "wrong order");
      return err;
    });
  });
  exercise("parse dotted text with an error", [](Probe& p) {
    CTevAsnBuffer reason;
    p.run([&] {
      std::uint32_t ids[4];
      unsigned long count = 0;
      return tev_parse_sub_ids("1.3.x", 5, ids, 4, &count, &reason);
    });
    p.fold(&reason);
  });
}

TEST(TableAllocationFailure, StrictValueReading) {
  const struct {
    EAsnType type;
    const char* text;
  } cases[] = {
      {ASN_INTEGER, "-7"},
      {ASN_COUNTER_64, "18446744073709551615"},
      {ASN_IPV6_ADDRESS, "fe80::1"},
      {ASN_IPX_ADDRESS, "0000abcd:00a0c9112233/451"},
      {ASN_OCTET_STRING, "80:00:1f:88"},
      {ASN_OBJECT_ID, ".1.3.6.1"},
      {ASN_IP_ADDRESS, "10.0.0.1garbage"},
  };
  for (const auto& c : cases) {
    exercise(c.text, [&](Probe& p) {
      CTevAsnBuffer reason;
      TevAsnValuePtr value;
      p.run([&] {
        long err = 1;
        value.reset(tev_read_value(c.text, std::strlen(c.text), c.type, &reason, &err));
        p.check((value != nullptr) == (err == ASN_OK), "a value with a failure code");
        return err;
      });
      if (value != nullptr) p.fold(value.get());
      p.fold(&reason);
    });
  }
}

// The catalogue allocates nothing but the reason of a refused look-up.
TEST(TableAllocationFailure, CatalogueLookUps) {
  for (const char* name : {"IP-MIB::ipAddressTable", "ifTabel"}) {
    exercise(name, [&](Probe& p) {
      long err = 1;
      CTevAsnBuffer reason;
      const TevCatalogTable* table = nullptr;
      p.run([&] {
        table = tev_find_catalog_table(name, std::strlen(name), &reason, &err);
        return err;
      });
      p.check(table != nullptr || err != ASN_OK, "a null table without a code");
      p.fold(&reason);
      p.fold(table == nullptr ? 0 : table->entry_count);
    });
  }
  const std::vector<std::uint32_t> outside = sub_ids("1.3.6.1.2.1.1.1.0");
  exercise("by identifier", [&](Probe& p) {
    long err = 1;
    CTevAsnBuffer reason;
    p.run([&] {
      tev_find_catalog_table_by_oid(outside.data(), outside.size(), &reason, &err);
      return err;
    });
    p.fold(&reason);
  });
}
