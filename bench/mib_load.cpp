// The time to load one MIB module with libsmi and describe its tables:
//   tev_bench_mib_load [--runs N] DIR MODULE...
// Each run loads every MODULE (with what it imports, from DIR and the base
// modules) into a new MibTables; prints the median CPU time of a run.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

#include "MibTables.h"

int main(int argc, char** argv) {
  int first = 1;
  int runs = 21;
  if (argc > 2 && std::string(argv[1]) == "--runs") {
    runs = std::atoi(argv[2]);
    first = 3;
  }
  if (argc - first < 2 || runs < 1) {
    std::fputs("usage: tev_bench_mib_load [--runs N] DIR MODULE...\n", stderr);
    return 2;
  }
  std::vector<double> ms;
  std::size_t tables = 0;
  for (int run = 0; run < runs; ++run) {
    const std::clock_t start = std::clock();
    tevasn_mib::MibTables mib;
    mib.add_dir(argv[first]);
    for (int i = first + 1; i < argc; ++i) {
      std::string error;
      if (!mib.load(argv[i], &error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
      }
    }
    tables = mib.size();
    ms.push_back(1000.0 * static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC);
  }
  std::sort(ms.begin(), ms.end());
  std::printf("%zu tables, median %.2f ms of CPU time a run (%d runs, %.2f .. %.2f)\n", tables,
              ms[ms.size() / 2], runs, ms.front(), ms.back());
  return 0;
}
