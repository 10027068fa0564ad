// MibTables when allocations fail: a load answers "out of memory" or finds
// what a load without failures finds, no exception leaves the class, and the
// object frees all it allocated. Only this program's allocations fail (the
// injector's operator new and wrapped malloc); libsmi's own stay whole.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "AllocationInjector.h"
#include "MibTables.h"

using tev_test::FailMode;
using tevasn_mib::MibTables;

namespace {

struct LoadRun {
  bool loaded = false;
  bool escaped = false;
  bool added = false;    // add_dir answered true
  bool retried = false;  // a load after a refused one, without failures
  long leaked = 0;       // blocks the load left allocated
  std::string error;
  std::string found;  // "name layout" of each table looked up
};

// One load of TEV-TEST-MIB and its look-ups, failing allocation `fail_at`.
// Everything the load may allocate is made and freed between the two counts
// of live blocks; the results go into room reserved before.
LoadRun load_failing(unsigned long fail_at, FailMode mode) {
  LoadRun run;
  run.error.reserve(256);
  run.found.reserve(256);
  const long live = tev_test::injector_live_blocks();
  {
    std::vector<std::string> base{TEVASN_BASE_MIBS};
    const std::string tests = TEVASN_TEST_MIBS;
    const std::string module = "TEV-TEST-MIB";
    const TevCatalogTable* found[2] = {};
    std::optional<MibTables> mib;
    tev_test::injector_arm(fail_at, mode);
    try {
      mib.emplace(std::move(base));
      run.added = mib->add_dir(tests);
      run.loaded = run.added && mib->load(module, &run.error);
    } catch (...) {
      run.escaped = true;
    }
    tev_test::injector_disarm();
    // A load after a refused one reports the module whole, or refuses too.
    if (run.added && !run.loaded && !run.escaped) {
      std::string error;
      run.retried = mib->load(module, &error);
      if (!run.retried && error != run.error) run.error += " / then: " + error;
    }
    if (mib) {
      found[0] = mib->find("tevNameTable");
      found[1] = mib->find("TEV-TEST-MIB::tevPeerEntry");
    }
    for (const TevCatalogTable* table : found) {
      if (table == nullptr) {
        run.found += "-";
      } else {
        run.found.append(table->name).append(" ").append(table->layout);
      }
      run.found += ";";
    }
  }
  run.leaked = tev_test::injector_live_blocks() - live;
  return run;
}

TEST(MibAllocationFailure, LoadFailsWholeOrNotAtAll) {
  const LoadRun clean = load_failing(0, FailMode::kOnce);
  ASSERT_TRUE(clean.loaded) << clean.error;
  ASSERT_EQ(clean.found.find('-'), std::string::npos) << clean.found;
  for (FailMode mode : {FailMode::kOnce, FailMode::kFromThenOn}) {
    for (unsigned long n = 1;; ++n) {
      const LoadRun run = load_failing(n, mode);
      const bool injected = tev_test::injector_injected() != 0;
      ASSERT_FALSE(run.escaped) << "allocation " << n;
      EXPECT_EQ(run.leaked, 0) << "allocation " << n;
      if (run.loaded || run.retried) {
        EXPECT_EQ(run.found, clean.found) << "allocation " << n;
      } else if (run.added) {
        EXPECT_EQ(run.error, "TEV-TEST-MIB: out of memory") << "allocation " << n;
      }
      if (!injected) break;
    }
  }
}

}  // namespace
