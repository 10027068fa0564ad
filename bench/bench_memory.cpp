// The memory case: heap bytes per live value, chunk headers included, from
// glibc's mallinfo2 over kMemoryValues values of one kind alive at once.
#include <malloc.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "BenchCases.h"

namespace bench {
namespace {

double bytes_per_value(const MemoryCase& c) {
  std::vector<void*> live(kMemoryValues, nullptr);
  // One value first, so that whatever the side sets up once is not counted.
  c.release(c.make());
  const std::size_t before = mallinfo2().uordblks;
  for (void*& value : live) value = c.make();
  const std::size_t after = mallinfo2().uordblks;
  for (void* value : live) c.release(value);
  return static_cast<double>(after - before) / kMemoryValues;
}

std::map<std::string, double> measure(const std::vector<MemoryCase>& cases) {
  std::map<std::string, double> out;
  for (const MemoryCase& c : cases) out[c.name] = bytes_per_value(c);
  return out;
}

}  // namespace

bool memory_report() {
  const std::vector<MemoryCase> ours = tevasn_memory_cases();
  const std::map<std::string, double> theirs = measure(netsnmp_memory_cases());
  const std::map<std::string, double> mine = measure(ours);
  // One line per row, in the table's order: "memory <case> <ours> <theirs>".
  for (const MemoryCase& c : ours) {
    const auto it = theirs.find(c.name);
    std::printf("memory %s %.1f %.1f\n", c.name.c_str(), mine.at(c.name),
                it == theirs.end() ? -1.0 : it->second);
  }
  return true;
}

}  // namespace bench
