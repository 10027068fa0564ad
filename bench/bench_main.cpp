// The benchmark program: checks that both sides compute the same results for
// every case, then registers and runs the timed cases.
//
//   tev_bench [--check-only] [--memory] [--iterations=N] [google benchmark options]
//
// --check-only stops after the cross-check and prints what was compared; --memory prints the
// heap bytes each kind of live value holds on both sides and stops; --iterations=N runs every
// case exactly N times (scripts/bench.sh counts instructions per operation under callgrind from two
// such runs).
//
// Names are "<side>/<case>" with side tevasn, netsnmp or floor, so that
// scripts/bench.sh can pair the sides by case.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>

#include "BenchCases.h"

namespace bench {

std::string walk_text(int n) {
  std::string text;
  for (int i = 0; i < n; ++i) {
    if (i != 0) text += '.';
    text += std::to_string(walk_sub_id(i));
  }
  return text;
}

std::vector<std::uint32_t> walk_sub_ids(int n) {
  std::vector<std::uint32_t> ids;
  for (int i = 0; i < n; ++i) ids.push_back(walk_sub_id(i));
  return ids;
}

std::vector<std::uint64_t> text_numbers(const char* text, std::size_t length) {
  std::vector<std::uint64_t> out;
  for (std::size_t i = 0; i < length; ++i) out.push_back(static_cast<unsigned char>(text[i]));
  return out;
}

std::vector<std::uint64_t> sub_ids_of(const char* dotted) {
  std::vector<std::uint64_t> out;
  const char* p = dotted;
  while (*p != '\0') {
    char* end = nullptr;
    out.push_back(std::strtoull(p, &end, 10));
    p = *end == '.' ? end + 1 : end;
  }
  return out;
}

namespace {

long g_iterations = 0;  // --iterations=N; 0: Google Benchmark decides

}  // namespace

benchmark::internal::Benchmark* add(const std::string& name,
                                    std::function<void(benchmark::State&)> body) {
  benchmark::internal::Benchmark* b =
      benchmark::RegisterBenchmark(name.c_str(), [body](benchmark::State& state) { body(state); });
  if (g_iterations > 0) b->Iterations(g_iterations);
  return b;
}

namespace {

std::string describe(const std::vector<std::uint64_t>& v) {
  std::string s;
  for (std::size_t i = 0; i < v.size() && i < 40; ++i) {
    if (i != 0) s += '.';
    s += std::to_string(v[i]);
  }
  if (v.size() > 40) s += "...";
  return s;
}

// Every case both sides answer must agree; a case only one side answers is a
// fault of the benchmark itself.
bool cross_check(bool verbose) {
  CheckResults ours;
  std::string error;
  if (!tevasn_check(&ours, &error)) {
    std::fprintf(stderr, "tevasn side failed its own check: %s\n", error.c_str());
    return false;
  }
  std::printf("cross-check: %zu tevasn cases computed\n", ours.size());
  if (!netsnmp_available()) {
    std::printf("cross-check: net-snmp not built in, only this library is measured\n");
    return true;
  }
  CheckResults theirs;
  if (!netsnmp_check(&theirs, &error)) {
    std::fprintf(stderr, "netsnmp side failed its own check: %s\n", error.c_str());
    return false;
  }
  bool ok = ours.size() == theirs.size();
  for (const auto& [name, values] : ours) {
    const auto it = theirs.find(name);
    if (it == theirs.end()) {
      std::fprintf(stderr, "cross-check: %s missing on the netsnmp side\n", name.c_str());
      ok = false;
    } else if (it->second != values) {
      std::fprintf(stderr, "cross-check: %s differs\n  tevasn:  %s\n  netsnmp: %s\n", name.c_str(),
                   describe(values).c_str(), describe(it->second).c_str());
      ok = false;
    }
  }
  if (ok) std::printf("cross-check: both sides agree on %zu cases\n", ours.size());
  if (verbose) {
    for (const auto& [name, values] : ours) {
      std::printf("  %-28s %s\n", name.c_str(), describe(values).c_str());
    }
  }
  return ok;
}

}  // namespace
}  // namespace bench

int main(int argc, char** argv) {
  bool check_only = false;
  int kept = 1;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--check-only") == 0) {
      check_only = true;
    } else if (std::strcmp(argv[i], "--memory") == 0) {
      return bench::memory_report() ? EXIT_SUCCESS : EXIT_FAILURE;
    } else if (std::strncmp(argv[i], "--iterations=", 13) == 0) {
      bench::g_iterations = std::atol(argv[i] + 13);
    } else {
      argv[kept++] = argv[i];
    }
  }
  argc = kept;
  if (!bench::cross_check(check_only)) {
    std::fprintf(stderr, "cross-check failed: nothing is timed\n");
    return EXIT_FAILURE;
  }
  if (check_only) return EXIT_SUCCESS;
  bench::tevasn_register();
  if (bench::netsnmp_available()) bench::netsnmp_register();
  bench::floor_register();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return EXIT_FAILURE;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return EXIT_SUCCESS;
}
