// The allocation-failure injector of the out-of-memory tests.
//
// The test executable replaces every form of operator new and operator delete
// and, through the linker's --wrap, the malloc, calloc, realloc and free calls
// of the objects linked into it (the library's among them). Allocations made
// by the standard library on the library's behalf (std::string, std::vector)
// reach operator new and so are covered too.
//
// While armed, the injector counts allocation attempts and makes the Nth fail
// (or the Nth and every later one). Disarmed, everything passes through. It
// also keeps the number of live blocks allocated through the hooks, so a test
// can tell whether an operation leaked. The injector is meant for one thread.
#ifndef TEVASNVALUE_TESTS_OOM_ALLOCATIONINJECTOR_H
#define TEVASNVALUE_TESTS_OOM_ALLOCATIONINJECTOR_H

#include <cstddef>

namespace tev_test {

enum class FailMode {
  kOnce,        ///< only the Nth attempt fails
  kFromThenOn,  ///< the Nth attempt and every later one fail
};

/// Arms the injector: allocation attempt number `fail_at` (counted from 1 from
/// now on) fails, and with kFromThenOn every later one too. 0 never fails but
/// still counts attempts.
void injector_arm(unsigned long fail_at, FailMode mode);
/// Stops counting and failing.
void injector_disarm();
/// Suspends an armed injector (no counting, no failing) and resumes it.
bool injector_suspend();
void injector_resume(bool was_armed);
/// Allocation attempts since the last injector_arm.
unsigned long injector_attempts();
/// Failures injected since the last injector_arm.
unsigned long injector_injected();
/// Blocks allocated through the hooks and not yet freed.
long injector_live_blocks();
/// Distinct call paths (the three callers above the allocation function) at
/// which a failure was injected since the process started.
std::size_t injector_distinct_sites();

}  // namespace tev_test

#endif  // TEVASNVALUE_TESTS_OOM_ALLOCATIONINJECTOR_H
