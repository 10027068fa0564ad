#include "WalkFloor.h"

#include <cstdint>
#include <new>

namespace {

class ArrayWalk final : public bench::WalkFloor {
 public:
  explicit ArrayWalk(unsigned long n) : ids_(new std::uint32_t[n]), n_(n) {
    for (unsigned long i = 0; i < n; ++i) ids_[i] = static_cast<std::uint32_t>(i);
  }
  unsigned long get_count() const override { return n_; }
  unsigned long get_at(unsigned long index, long* err) const override {
    // The hot path falls through, with no taken branch before the return.
    if (__builtin_expect(index >= n_, 0)) return out_of_range(err);
    if (err != nullptr) *err = 0;
    return ids_[index];
  }
  void release() override {
    delete[] ids_;
    delete this;
  }

 private:
  ~ArrayWalk() = default;
  __attribute__((noinline)) static unsigned long out_of_range(long* err) {
    if (err != nullptr) *err = -7;
    return 0xFFFFFFFFUL;
  }
  std::uint32_t* ids_;
  unsigned long n_;
};

}  // namespace

extern "C" bench::WalkFloor* tev_bench_walk_floor(unsigned long n) { return new ArrayWalk(n); }
