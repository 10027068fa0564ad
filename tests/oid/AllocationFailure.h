// Makes a chosen allocation fail, to check the out-of-memory paths. The test
// binary replaces the global operator new and delete (AllocationFailure.cpp);
// they behave normally unless a failure is armed.
#ifndef TEVASNVALUE_TESTS_OID_ALLOCATIONFAILURE_H
#define TEVASNVALUE_TESTS_OID_ALLOCATIONFAILURE_H

namespace alloc_failure {

/// Lets `allowed` allocations through, then fails the next one (operator new
/// throws std::bad_alloc, the nothrow forms return null), then none after.
void arm(long allowed);
/// Cancels an armed failure; true when the failure happened.
bool disarm();

}  // namespace alloc_failure

#endif  // TEVASNVALUE_TESTS_OID_ALLOCATIONFAILURE_H
