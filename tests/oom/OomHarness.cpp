#include "OomHarness.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace tev_test {

namespace {

OomTotals g_totals;

// Mixes `length` bytes into an FNV-1a hash.
std::uint64_t mix(std::uint64_t hash, const void* data, unsigned long length) {
  const auto* bytes = static_cast<const unsigned char*>(data);
  for (unsigned long i = 0; i < length; ++i) hash = (hash ^ bytes[i]) * 1099511628211ULL;
  return hash;
}

const char* mode_name(FailMode mode) {
  return mode == FailMode::kOnce ? "only allocation" : "allocations from";
}

// One run of the scenario with the given failure plan; checks the leak.
Probe run_once(const char* name, const std::function<void(Probe&)>& scenario, unsigned long fail_at,
               FailMode mode) {
  Probe probe(fail_at, mode);
  const long live_before = injector_live_blocks();
  scenario(probe);
  const long leaked = injector_live_blocks() - live_before;
  if (probe.first_problem() != nullptr) {
    ADD_FAILURE() << name << ", failing " << mode_name(mode) << " " << fail_at << ": "
                  << probe.first_problem();
  }
  if (leaked != 0) {
    ADD_FAILURE() << name << ", failing " << mode_name(mode) << " " << fail_at << ": " << leaked
                  << " block(s) leaked";
  }
  return probe;
}

// Looking at results allocates; that must neither fail nor count.
class Suspended {
 public:
  Suspended() : was_armed_(injector_suspend()) {}
  ~Suspended() { injector_resume(was_armed_); }
  Suspended(const Suspended&) = delete;
  Suspended& operator=(const Suspended&) = delete;

 private:
  bool was_armed_;
};

}  // namespace

void Probe::fold(std::uint64_t number) { fingerprint_ = mix(fingerprint_, &number, sizeof number); }

void Probe::fold(const CTevAsnBuffer* buffer) {
  const Suspended suspended;
  if (buffer == nullptr) {
    fold(std::uint64_t{0xB0FFE0});
    return;
  }
  fold(std::uint64_t{buffer->length()});
  fingerprint_ = mix(fingerprint_, buffer->data(), buffer->length());
}

void Probe::fold(const ITevAsnValue* value) {
  const Suspended suspended;
  if (value == nullptr) {
    fold(std::uint64_t{0x7A1E0});
    return;
  }
  fold(std::uint64_t{value->get_type()});
  fold(std::uint64_t{value->get_count()});
  // The text form and the octets, read without arming (they allocate only to
  // hand the result over).
  long code = 0;
  CTevAsnBuffer text;
  code = value->to_text_into(&text);
  fold(static_cast<std::uint64_t>(code));
  fold(&text);
  unsigned long length = 0;
  const unsigned char* octets = value->get_octets(&length, &code);
  fold(static_cast<std::uint64_t>(code));
  if (octets != nullptr) fingerprint_ = mix(fingerprint_, octets, length);
  // Every element, so that a cache rebuilt after a failure is checked too.
  const unsigned long count = value->get_count();
  for (unsigned long i = 0; i < count && i < 4096; ++i) {
    fold(std::uint64_t{value->get_at(i, &code)});
    fold(static_cast<std::uint64_t>(code));
  }
}

void exercise(const char* name, const std::function<void(Probe&)>& scenario) {
  const Probe reference = run_once(name, scenario, 0, FailMode::kOnce);
  ++g_totals.operations;
  g_totals.allocation_points += reference.attempts();
  g_totals.runs += reference.runs();
  if (reference.runs() == 0) {
    ADD_FAILURE() << name << ": the scenario never ran its operation";
    return;
  }
  if (reference.code() == NTevAsnValue::ASN_E_OUT_OF_MEMORY ||
      reference.code() == Probe::kEscaped) {
    ADD_FAILURE() << name << ": fails without any injected failure (" << reference.code() << ")";
    return;
  }
  for (const FailMode mode : {FailMode::kOnce, FailMode::kFromThenOn}) {
    for (unsigned long n = 1;; ++n) {
      const Probe probe = run_once(name, scenario, n, mode);
      g_totals.runs += probe.runs();
      g_totals.failures_injected += probe.injected();
      if (probe.injected() == 0) {
        // Past the operation's last allocation: it must behave as without failures.
        EXPECT_EQ(probe.code(), reference.code()) << name << " with " << n << " allocations";
        EXPECT_EQ(probe.fingerprint(), reference.fingerprint()) << name;
        break;
      }
      if (probe.code() != NTevAsnValue::ASN_E_OUT_OF_MEMORY) {
        EXPECT_EQ(probe.code(), reference.code())
            << name << ", failing " << mode_name(mode) << " " << n
            << ": the code is neither -3 nor the failure-free one";
        // It coped with the failure: then nothing may differ.
        EXPECT_EQ(probe.fingerprint(), reference.fingerprint())
            << name << ", failing " << mode_name(mode) << " " << n
            << ": reported success but the result differs";
      }
      if (n > 100000) {
        ADD_FAILURE() << name << ": allocates without end";
        break;
      }
    }
  }
}

const OomTotals& oom_totals() { return g_totals; }

}  // namespace tev_test
