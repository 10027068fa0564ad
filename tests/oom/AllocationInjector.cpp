#include "AllocationInjector.h"

#include <execinfo.h>

#include <cstdint>
#include <cstdlib>
#include <new>

// The real allocator, reached past the linker's --wrap.
extern "C" {
void* __real_malloc(std::size_t size);
void* __real_calloc(std::size_t count, std::size_t size);
void* __real_realloc(void* block, std::size_t size);
void __real_free(void* block);
}

namespace {

struct InjectorState {
  bool armed = false;
  tev_test::FailMode mode = tev_test::FailMode::kOnce;
  unsigned long fail_at = 0;
  unsigned long attempts = 0;
  unsigned long injected = 0;
  long live = 0;
};

InjectorState g_state;

// Call paths at which a failure was injected, as hashes in an open-addressing
// table (no allocation inside the hooks).
constexpr std::size_t kSiteSlots = 1U << 14U;
std::uint64_t g_sites[kSiteSlots];
std::size_t g_site_count = 0;

// `caller` is the return address of the allocation function: the call path
// is it and the two frames above it.
void record_site(const void* caller) {
  void* frames[16] = {};
  const int depth = backtrace(frames, 16);
  int first = 0;
  while (first < depth && frames[first] != caller) ++first;
  std::uint64_t hash = 1469598103934665603ULL;
  hash = (hash ^ reinterpret_cast<std::uintptr_t>(caller)) * 1099511628211ULL;
  for (int i = first + 1; i < depth && i < first + 3; ++i) {
    hash = (hash ^ reinterpret_cast<std::uintptr_t>(frames[i])) * 1099511628211ULL;
  }
  if (hash == 0) hash = 1;
  for (std::size_t probe = 0; probe < kSiteSlots; ++probe) {
    std::uint64_t& slot = g_sites[(hash + probe) % kSiteSlots];
    if (slot == hash) return;
    if (slot == 0) {
      slot = hash;
      ++g_site_count;
      return;
    }
  }
}

// Whether this allocation attempt is to fail.
bool should_fail(const void* caller) {
  if (!g_state.armed) return false;
  ++g_state.attempts;
  const bool fail =
      g_state.fail_at != 0 &&
      (g_state.attempts == g_state.fail_at ||
       (g_state.mode == tev_test::FailMode::kFromThenOn && g_state.attempts > g_state.fail_at));
  if (fail) {
    ++g_state.injected;
    record_site(caller);
  }
  return fail;
}

void* allocate(std::size_t size, const void* caller) {
  if (should_fail(caller)) return nullptr;
  void* block = __real_malloc(size == 0 ? 1 : size);
  if (block != nullptr) ++g_state.live;
  return block;
}

void* allocate_aligned(std::size_t size, std::align_val_t alignment, const void* caller) {
  if (should_fail(caller)) return nullptr;
  const auto align = static_cast<std::size_t>(alignment);
  const std::size_t rounded = (size + align - 1) / align * align;
  void* block = std::aligned_alloc(align, rounded == 0 ? align : rounded);
  if (block != nullptr) ++g_state.live;
  return block;
}

void deallocate(void* block) {
  if (block == nullptr) return;
  --g_state.live;
  __real_free(block);
}

// The return address of the allocation function that expands it.
#define TEV_ALLOCATION_CALLER __builtin_return_address(0)

// backtrace() loads its unwinder on first use; do that before any test runs.
struct WarmUp {
  WarmUp() {
    void* frames[2];
    backtrace(frames, 2);
  }
} g_warm_up;

}  // namespace

namespace tev_test {

void injector_arm(unsigned long fail_at, FailMode mode) {
  g_state.fail_at = fail_at;
  g_state.mode = mode;
  g_state.attempts = 0;
  g_state.injected = 0;
  g_state.armed = true;
}

void injector_disarm() { g_state.armed = false; }

bool injector_suspend() {
  const bool was_armed = g_state.armed;
  g_state.armed = false;
  return was_armed;
}

void injector_resume(bool was_armed) { g_state.armed = was_armed; }

unsigned long injector_attempts() { return g_state.attempts; }

unsigned long injector_injected() { return g_state.injected; }

long injector_live_blocks() { return g_state.live; }

std::size_t injector_distinct_sites() { return g_site_count; }

}  // namespace tev_test

// ---------------------------------------------------------------------------
// The C allocator, as seen by every object linked with --wrap.

extern "C" {

void* __wrap_malloc(std::size_t size) { return allocate(size, TEV_ALLOCATION_CALLER); }

void* __wrap_calloc(std::size_t count, std::size_t size) {
  if (should_fail(TEV_ALLOCATION_CALLER)) return nullptr;
  void* block = __real_calloc(count, size);
  if (block != nullptr) ++g_state.live;
  return block;
}

void* __wrap_realloc(void* block, std::size_t size) {
  if (block == nullptr) return allocate(size, TEV_ALLOCATION_CALLER);
  if (size == 0) {
    deallocate(block);
    return nullptr;
  }
  if (should_fail(TEV_ALLOCATION_CALLER)) return nullptr;  // the old block stays as it was
  return __real_realloc(block, size);
}

void __wrap_free(void* block) { deallocate(block); }

}  // extern "C"

// ---------------------------------------------------------------------------
// Every replaceable form of operator new and operator delete.

void* operator new(std::size_t size) {
  void* block = allocate(size, TEV_ALLOCATION_CALLER);
  if (block == nullptr) throw std::bad_alloc();
  return block;
}

void* operator new[](std::size_t size) {
  void* block = allocate(size, TEV_ALLOCATION_CALLER);
  if (block == nullptr) throw std::bad_alloc();
  return block;
}

void* operator new(std::size_t size, const std::nothrow_t& /*tag*/) noexcept {
  return allocate(size, TEV_ALLOCATION_CALLER);
}

void* operator new[](std::size_t size, const std::nothrow_t& /*tag*/) noexcept {
  return allocate(size, TEV_ALLOCATION_CALLER);
}

void* operator new(std::size_t size, std::align_val_t alignment) {
  void* block = allocate_aligned(size, alignment, TEV_ALLOCATION_CALLER);
  if (block == nullptr) throw std::bad_alloc();
  return block;
}

void* operator new[](std::size_t size, std::align_val_t alignment) {
  void* block = allocate_aligned(size, alignment, TEV_ALLOCATION_CALLER);
  if (block == nullptr) throw std::bad_alloc();
  return block;
}

void* operator new(std::size_t size, std::align_val_t alignment,
                   const std::nothrow_t& /*tag*/) noexcept {
  return allocate_aligned(size, alignment, TEV_ALLOCATION_CALLER);
}

void* operator new[](std::size_t size, std::align_val_t alignment,
                     const std::nothrow_t& /*tag*/) noexcept {
  return allocate_aligned(size, alignment, TEV_ALLOCATION_CALLER);
}

void operator delete(void* block) noexcept { deallocate(block); }
void operator delete[](void* block) noexcept { deallocate(block); }
void operator delete(void* block, std::size_t /*size*/) noexcept { deallocate(block); }
void operator delete[](void* block, std::size_t /*size*/) noexcept { deallocate(block); }
void operator delete(void* block, const std::nothrow_t& /*tag*/) noexcept { deallocate(block); }
void operator delete[](void* block, const std::nothrow_t& /*tag*/) noexcept { deallocate(block); }
void operator delete(void* block, std::align_val_t /*alignment*/) noexcept { deallocate(block); }
void operator delete[](void* block, std::align_val_t /*alignment*/) noexcept { deallocate(block); }
void operator delete(void* block, std::size_t /*size*/, std::align_val_t /*alignment*/) noexcept {
  deallocate(block);
}
void operator delete[](void* block, std::size_t /*size*/, std::align_val_t /*alignment*/) noexcept {
  deallocate(block);
}
void operator delete(void* block, std::align_val_t /*alignment*/,
                     const std::nothrow_t& /*tag*/) noexcept {
  deallocate(block);
}
void operator delete[](void* block, std::align_val_t /*alignment*/,
                       const std::nothrow_t& /*tag*/) noexcept {
  deallocate(block);
}
