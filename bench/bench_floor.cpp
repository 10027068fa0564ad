// The floors: plain memcpy/memcmp of the bytes each case handles in this
// library's form (the dotted text, or a value's octets), so the table shows
// how close to the limit a case is. Creation adds the one heap block any new
// value needs; the walk is one virtual call per sub-identifier into another
// shared library (WalkFloor.h).
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "BenchCases.h"
#include "WalkFloor.h"

namespace bench {
namespace {

void copy_floor(const std::string& name, std::string bytes) {
  add("floor/" + name, [bytes](benchmark::State& state) {
    char target[4096];
    std::size_t length = bytes.size();
    const char* source = bytes.data();
    for (auto _ : state) {
      benchmark::DoNotOptimize(length);
      benchmark::DoNotOptimize(source);
      std::memcpy(target, source, length);
      benchmark::DoNotOptimize(target);
      benchmark::ClobberMemory();
    }
  });
}

void compare_floor(const std::string& name, std::string a, std::string b) {
  add("floor/" + name, [a, b](benchmark::State& state) {
    std::size_t length = a.size() < b.size() ? a.size() : b.size();
    const char* pa = a.data();
    const char* pb = b.data();
    for (auto _ : state) {
      benchmark::DoNotOptimize(length);
      benchmark::DoNotOptimize(pa);
      benchmark::DoNotOptimize(pb);
      benchmark::DoNotOptimize(std::memcmp(pa, pb, length));
    }
  });
}

// A new heap block holding the bytes, then freed: the least a new value costs.
void block_floor(const std::string& name, std::string bytes) {
  add("floor/" + name, [bytes](benchmark::State& state) {
    std::size_t length = bytes.size();
    const char* source = bytes.data();
    for (auto _ : state) {
      benchmark::DoNotOptimize(length);
      char* block = static_cast<char*>(std::malloc(length + 1));
      std::memcpy(block, source, length);
      benchmark::DoNotOptimize(block);
      std::free(block);
    }
  });
}

void walk_floor(unsigned long n) {
  add("floor/walk/" + std::to_string(n), [n](benchmark::State& state) {
    WalkFloor* walk = tev_bench_walk_floor(n);
    for (auto _ : state) {
      unsigned long sum = 0;
      long err = 0;
      const unsigned long count = walk->get_count();
      for (unsigned long i = 0; i < count; ++i) sum += walk->get_at(i, &err);
      benchmark::DoNotOptimize(sum + static_cast<unsigned long>(err));
    }
    walk->release();
  });
}

std::string octet_string() {
  return std::string(reinterpret_cast<const char*>(kIndexOctets), sizeof kIndexOctets);
}

}  // namespace

void floor_register() {
  const std::string base = kIndexBase;
  copy_floor("parse/short", kShortOid);
  copy_floor("parse/long30", kLongOid);
  block_floor("parse_new/short", kShortOid);
  block_floor("parse_new/long30", kLongOid);
  copy_floor("format/short", kShortOid);
  copy_floor("format/long30", kLongOid);
  compare_floor("compare/last", kShortOid, kShortOidNext);
  compare_floor("compare/prefix", kShortOid, kShortOidColumn);
  copy_floor("encode/integer", base + "." + kIndexIntegerText);
  copy_floor("encode/ipaddress", base + "." + kIndexIpAddressText);
  copy_floor("encode/octets16", base + "." + kIndexOctetsText);
  copy_floor("encode/integer_ipaddress", base + "." + kIndexPairText);
  copy_floor("decode/integer", kIndexIntegerText);
  copy_floor("decode/ipaddress", kIndexIpAddressText);
  copy_floor("decode/octets16", kIndexOctetsText);
  copy_floor("decode/integer_ipaddress", kIndexPairText);
  copy_floor("decode/integer_inetaddress", kRowText);
  copy_floor("decode/instance_pair", kIndexInstance);
  block_floor("create/integer", std::string(4, '\0'));
  block_floor("create/octets16", octet_string());
  block_floor("create/ipaddress", std::string(4, '\0'));
  block_floor("create/counter64_text", kCounter64Text);
  block_floor("create/ipaddress_text", std::string(4, '\0'));
  for (int n : kWalkSizes) walk_floor(static_cast<unsigned long>(n));
}

}  // namespace bench
