// The floor of the walk: the least a get_at through a virtual call can cost.
// An array of sub-identifiers behind an interface of the same shape as
// ITevAsnObjectID's get_count/get_at, implemented in a shared library of its
// own so that the benchmark cannot see through the call.
#ifndef TEVASNVALUE_BENCH_WALKFLOOR_H
#define TEVASNVALUE_BENCH_WALKFLOOR_H

namespace bench {

class WalkFloor {
 public:
  virtual unsigned long get_count() const = 0;
  virtual unsigned long get_at(unsigned long index, long* err) const = 0;
  virtual void release() = 0;

 protected:
  ~WalkFloor() = default;
};

}  // namespace bench

/// sub-identifiers 0, 1, ..., n - 1.
extern "C" bench::WalkFloor* tev_bench_walk_floor(unsigned long n);

#endif  // TEVASNVALUE_BENCH_WALKFLOOR_H
