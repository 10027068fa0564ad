// Distinct objects may be used from distinct threads at once: every thread
// creates, converts, clones, compares, encodes, decodes and releases objects
// of every type of its own while the others do the same. Under
// ThreadSanitizer (the tsan preset) any shared state in the library shows up
// as a report; without it the test still checks every thread's results.
#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "TevAsnTable.h"
#include "TevAsnTablePtr.h"
#include "TevAsnValue.h"
#include "TypeTable.h"

using namespace NTevAsnValue;

namespace {

constexpr int kThreads = 8;
constexpr int kRounds = 200;

// One round over every type; returns the number of unexpected results.
int exercise_every_type(int thread, int round) {
  int faults = 0;
  auto expect = [&faults](bool ok) { faults += ok ? 0 : 1; };
  for (const TypeRow& row : kTypeRows) {
    long err = 1;
    ITevAsnValue* value = row.sample_text != nullptr
                              ? tev_create_asn_value(row.sample_text, row.type, &err)
                              : tev_create_asn_value(row.type, &err);
    expect(value != nullptr && err == ASN_OK);
    if (value == nullptr) continue;

    ITevAsnValue* copy = value->clone(&err);
    expect(copy != nullptr && copy->is_equal(value));

    CTevAsnBuffer* text = value->to_text(&err);
    expect(text != nullptr);
    if (row.sample_text != nullptr && text != nullptr) {
      expect(err == ASN_OK);
      expect(copy->set_text_from(text) == ASN_OK && copy->is_equal(value));
    }
    if (text != nullptr) text->release();

    CTevAsnBuffer* octets = value->to_octets(&err);
    if (octets != nullptr) {
      if (err == ASN_OK) expect(copy->set_octets_from(octets) == ASN_OK);
      octets->release();
    }

    // Index encoding through an object identifier of this thread's own.
    ITevAsnObjectID* oid = tev_create_asn_object_id("1.3.6.1.4.1", &err);
    expect(oid != nullptr);
    if (oid != nullptr && row.index != nullptr) {
      expect(oid->append_sub_id(static_cast<unsigned long>(thread)) == ASN_OK);
      expect(oid->append_value(value, 0) == ASN_OK);
      ITevAsnObjectID* prefix = oid->take_prefix(7, &err);
      expect(prefix != nullptr && prefix->get_count() == 7);
      if (prefix != nullptr) prefix->release();
      ITevAsnValue* decoded = oid->take_value(row.type, &err, 0, 0xFFFFFFFFUL);
      expect(decoded != nullptr && decoded->is_equal(value) && oid->get_count() == 0);
      if (decoded != nullptr) decoded->release();
    }
    if (oid != nullptr) oid->release();

    copy->clear();
    expect(value->assign(copy) == ASN_OK && value->is_equal(copy));
    copy->release();
    value->release();
  }

  // Object identifiers edited in place, with per-thread content.
  long err = 1;
  ITevAsnObjectID* oid = tev_create_asn_object_id(&err);
  if (oid == nullptr) return faults + 1;
  for (int i = 0; i < 32; ++i) oid->append_sub_id(static_cast<unsigned long>(thread * 1000 + i));
  oid->append_text(std::to_string(round).c_str());
  expect(oid->get_count() == 33);
  expect(oid->erase_sub_ids(3, 10) == ASN_OK && oid->get_count() == 23);
  expect(oid->take_first(&err) == static_cast<unsigned long>(thread * 1000));
  CTevAsnBuffer* rest = oid->take_prefix_text(0xFFFFFFFFUL, &err);
  expect(rest != nullptr && err == ASN_OK && oid->get_count() == 0);
  if (rest != nullptr) rest->release();
  oid->release();
  return faults;
}

TEST(Threads, DistinctObjectsOfEveryTypeAtOnce) {
  std::atomic<int> faults{0};
  std::atomic<bool> go{false};
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t) {
    threads.emplace_back([t, &faults, &go] {
      while (!go.load()) std::this_thread::yield();
      for (int round = 0; round < kRounds; ++round) faults += exercise_every_type(t, round);
    });
  }
  go = true;
  for (std::thread& thread : threads) thread.join();
  EXPECT_EQ(faults.load(), 0);
}

// Values made in one thread may be handed to another (one user at a time).
TEST(Threads, ValuesHandedBetweenThreads) {
  std::vector<ITevAsnValue*> made(std::size(kTypeRows), nullptr);
  std::thread maker([&made] {
    for (std::size_t i = 0; i < made.size(); ++i) {
      const TypeRow& row = kTypeRows[i];
      made[i] = row.sample_text != nullptr
                    ? tev_create_asn_value(row.sample_text, row.type, nullptr)
                    : tev_create_asn_value(row.type, nullptr);
    }
  });
  maker.join();
  std::atomic<int> faults{0};
  std::thread user([&made, &faults] {
    for (ITevAsnValue* value : made) {
      if (value == nullptr) {
        ++faults;
        continue;
      }
      ITevAsnValue* copy = value->clone(nullptr);
      if (copy == nullptr || !copy->is_equal(value)) ++faults;
      if (copy != nullptr) copy->release();
      value->release();
    }
  });
  user.join();
  EXPECT_EQ(faults.load(), 0);
}

// The companion library: one layout shared by every thread, each decoding
// rows of its own into a row of its own.
TEST(Threads, OneLayoutDecodesIntoRowsOfEachThread) {
  TevAsnIndexLayoutPtr layout(tev_create_index_layout("integer inetaddress", 0, nullptr, nullptr));
  ASSERT_NE(layout, nullptr);
  std::atomic<int> faults{0};
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t) {
    threads.emplace_back([t, &layout, &faults] {
      TevAsnIndexRowPtr row(layout->create_row(nullptr));
      if (row == nullptr) {
        ++faults;
        return;
      }
      for (int round = 0; round < kRounds; ++round) {
        const std::uint32_t index[] = {static_cast<std::uint32_t>(t),          1, 4, 10, 0, 0,
                                       static_cast<std::uint32_t>(round % 256)};
        unsigned long length = 0;
        const char* text = layout->decode(index, 7, row.get(), nullptr) == ASN_OK
                               ? row->get_text(TEV_OCTETS_AUTO, &length, nullptr)
                               : nullptr;
        const std::string expected =
            std::to_string(t) + "\tipv4\t10.0.0." + std::to_string(round % 256);
        if (text == nullptr || std::string(text, length) != expected) ++faults;
        if (row->get_value(2, nullptr) == nullptr) ++faults;
      }
    });
  }
  for (std::thread& thread : threads) thread.join();
  EXPECT_EQ(faults.load(), 0);
}

}  // namespace
