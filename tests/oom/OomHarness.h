// The out-of-memory loop: runs one scenario (set up objects, run one
// allocating operation armed, look at the results, release everything) first
// without failures, then with allocation N failing for N = 1, 2, ... until the
// operation completes without an injected failure, once failing only the Nth
// allocation and once failing it and all later ones.
//
// At each N: no exception escapes; the code is the failure-free run's code or
// -3; a run that reports the failure-free code shows the failure-free results;
// a -3 leaves unchanged what the scenario says must stay unchanged; and the
// scenario frees every block it allocated.
#ifndef TEVASNVALUE_TESTS_OOM_OOMHARNESS_H
#define TEVASNVALUE_TESTS_OOM_OOMHARNESS_H

#include <cstdint>
#include <functional>
#include <memory>

#include "AllocationInjector.h"
#include "TevAsnValue.h"
#include "TevAsnValuePtr.h"

namespace tev_test {

using Value = TevAsnValuePtr;
using Oid = TevAsnObjectIdPtr;
using Buffer = TevAsnBufferPtr;

/// What a scenario sees of one run: it runs its operation through run(),
/// folds the results into a fingerprint and states what must hold.
class Probe {
 public:
  Probe(unsigned long fail_at, FailMode mode) : fail_at_(fail_at), mode_(mode) {}

  /// Runs `op` (returning the operation's code) with the injector armed.
  template <class Op>
  long run(Op op) {
    ++runs_;
    injector_arm(fail_at_, mode_);
    long code = kEscaped;
    try {
      code = op();
    } catch (...) {
      injector_disarm();
      problem("an exception escaped the library");
      return kEscaped;
    }
    injector_disarm();
    attempts_ += injector_attempts();
    injected_ += injector_injected();
    code_ = code;
    return code;
  }

  /// Folds what a value, buffer or number shows into the fingerprint.
  void fold(const ITevAsnValue* value);
  void fold(const CTevAsnBuffer* buffer);
  void fold(std::uint64_t number);

  /// Records a broken promise (the first one is reported).
  void check(bool ok, const char* what) {
    if (!ok) problem(what);
  }
  /// A -3 must leave `now` equal to `before`.
  void unchanged_on_failure(const ITevAsnValue* now, const ITevAsnValue* before) {
    if (code_ == NTevAsnValue::ASN_E_OUT_OF_MEMORY) {
      check(now->is_equal(before), "the value changed although the operation failed");
    }
  }
  void unchanged_on_failure(const CTevAsnBuffer* now, const CTevAsnBuffer* before) {
    if (code_ == NTevAsnValue::ASN_E_OUT_OF_MEMORY) {
      check(now->is_equal_buffer(before), "the buffer changed although the operation failed");
    }
  }
  /// A null result must come with -3 (and only then, for creations).
  void null_only_on_failure(const void* result) {
    check(result != nullptr || code_ == NTevAsnValue::ASN_E_OUT_OF_MEMORY,
          "a null result without -3");
  }
  bool failed() const { return code_ == NTevAsnValue::ASN_E_OUT_OF_MEMORY; }

  static constexpr long kEscaped = -1000;

  unsigned long runs() const { return runs_; }
  unsigned long attempts() const { return attempts_; }
  unsigned long injected() const { return injected_; }
  long code() const { return code_; }
  std::uint64_t fingerprint() const { return fingerprint_; }
  const char* first_problem() const { return problem_; }

 private:
  void problem(const char* what) {
    if (problem_ == nullptr) problem_ = what;
  }

  unsigned long fail_at_;
  FailMode mode_;
  unsigned long runs_ = 0;
  unsigned long attempts_ = 0;
  unsigned long injected_ = 0;
  long code_ = kEscaped;
  std::uint64_t fingerprint_ = 1469598103934665603ULL;
  const char* problem_ = nullptr;
};

/// Runs the loop over `scenario`, reporting broken promises as test failures
/// named after `name`, and adds to the process totals.
void exercise(const char* name, const std::function<void(Probe&)>& scenario);

/// Totals over every exercise() of the process.
struct OomTotals {
  unsigned long operations = 0;         ///< scenarios exercised
  unsigned long allocation_points = 0;  ///< allocations made by the operations (failure-free runs)
  unsigned long failures_injected = 0;  ///< failures injected over all runs
  unsigned long runs = 0;               ///< runs of an operation
};
const OomTotals& oom_totals();

}  // namespace tev_test

#endif  // TEVASNVALUE_TESTS_OOM_OOMHARNESS_H
