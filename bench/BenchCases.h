// The inputs shared by both sides of the benchmark, and the cross-check each
// side answers before anything is timed. Plain C++ only: this header is
// included next to the library's headers on one side and next to net-snmp's
// (whose macros clash with the library's enumerators) on the other.
#ifndef TEVASNVALUE_BENCH_BENCHCASES_H
#define TEVASNVALUE_BENCH_BENCHCASES_H

#include <benchmark/benchmark.h>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace bench {

// An instance of ifInOctets: 11 sub-identifiers.
inline constexpr const char* kShortOid = "1.3.6.1.2.1.2.2.1.10.17";
// A column of a private table indexed by a 16-octet string: 30 sub-identifiers.
inline constexpr const char* kLongOid =
    "1.3.6.1.4.1.45678.1.3.2.3.1.2.16.109.97.110.97.103.101.109.101.110.116.45.114.111.119.48."
    "49";
// Differs from kShortOid in the last sub-identifier only.
inline constexpr const char* kShortOidNext = "1.3.6.1.2.1.2.2.1.10.18";
// The column kShortOid lies below.
inline constexpr const char* kShortOidColumn = "1.3.6.1.2.1.2.2.1.10";

// Index encoding: a column of a table indexed by (INTEGER, IpAddress).
inline constexpr const char* kIndexBase = "1.3.6.1.2.1.4.22.1.2";
inline constexpr long kIndexInteger = 17;
inline constexpr std::uint32_t kIndexIpAddress = 0xC0A8010AU;  // 192.168.1.10
inline constexpr const char* kIndexIpAddressText = "192.168.1.10";
inline constexpr unsigned char kIndexOctets[16] = {'m', 'a', 'n', 'a', 'g', 'e', 'm', 'e',
                                                   'n', 't', '-', 'r', 'o', 'w', '0', '1'};
// The index parts alone, as the decoding cases read them.
inline constexpr const char* kIndexIntegerText = "17";
inline constexpr const char* kIndexOctetsText =
    "16.109.97.110.97.103.101.109.101.110.116.45.114.111.119.48.49";
inline constexpr const char* kIndexPairText = "17.192.168.1.10";
// A row of (INTEGER, InetAddressType, InetAddress), as in ipNetToPhysicalTable:
// 17, ipv4(1), length 4, 192.168.1.10. TevAsnTable decodes it with the layout
// kRowLayout; net-snmp with a list of INTEGER, INTEGER, OCTET STRING.
inline constexpr const char* kRowText = "17.1.4.192.168.1.10";
inline constexpr const char* kRowLayout = "integer inetaddress";

// Octets shown by their DISPLAY-HINT: a MacAddress and a DateAndTime
// (RFC 2579's example, 1992-5-26,13:30:15.0,-4:0). Every octet of the address
// needs two hex digits, so net-snmp's unpadded hex shows the same text.
inline constexpr const char* kMacHint = "1x:";
inline constexpr unsigned char kMacOctets[6] = {0xa4, 0x5e, 0x60, 0xc1, 0xd2, 0xf3};
inline constexpr const char* kDateHint = "2d-1d-1d,1d:1d:1d.1d,1a1d:1d";
inline constexpr unsigned char kDateOctets[11] = {0x07, 0xc8, 0x05, 0x1a, 0x0d, 0x1e,
                                                  0x0f, 0x00, 0x2d, 0x04, 0x00};
struct HintCase {
  const char* name;
  const char* hint;
  const unsigned char* octets;
  std::size_t length;
};
inline constexpr HintCase kHintCases[] = {
    {"mac", kMacHint, kMacOctets, sizeof kMacOctets},
    {"date", kDateHint, kDateOctets, sizeof kDateOctets},
};

// A full instance of the (INTEGER, IpAddress) table: the column and the pair.
inline constexpr const char* kIndexInstance = "1.3.6.1.2.1.4.22.1.2.17.192.168.1.10";

// Creation: a Counter64 from its decimal text.
inline constexpr const char* kCounter64Text = "12345678901234567890";

// Memory: an identifier of 12 sub-identifiers (ifHCInOctets.17), and an index
// of 12 sub-identifiers holding two values: INTEGER 17 and an OCTET STRING of
// ten octets with its length prefix.
inline constexpr const char* kMemoryOid = "1.3.6.1.2.1.31.1.1.1.6.17";
inline constexpr const char* kMemoryIndex = "17.10.97.98.99.100.101.102.103.104.105.106";
inline constexpr int kMemoryValues = 100000;

// The walks: object identifiers of 10, 100 and 1000 sub-identifiers.
inline constexpr int kWalkSizes[] = {10, 100, 1000};
inline std::uint32_t walk_sub_id(int i) {
  return i < 2 ? (i == 0 ? 1U : 3U) : static_cast<std::uint32_t>((i * 7919) % 100000);
}
std::string walk_text(int n);
std::vector<std::uint32_t> walk_sub_ids(int n);

// What each side answers for the cross-check: case name -> numbers (the
// sub-identifiers an operation produced, the octets of a text or a value, a
// relation as 0/1). Both sides must answer the same for every name.
using CheckResults = std::map<std::string, std::vector<std::uint64_t>>;

std::vector<std::uint64_t> text_numbers(const char* text, std::size_t length);
std::vector<std::uint64_t> sub_ids_of(const char* dotted);

// Registers one timed case; with --iterations=N on the command line every case
// runs exactly N iterations (for instruction counts under callgrind).
benchmark::internal::Benchmark* add(const std::string& name,
                                    std::function<void(benchmark::State&)> body);

// One row of the memory case: makes one live value of a kind (null when it
// cannot) and releases it. The program keeps kMemoryValues of them alive at
// once and reports the heap bytes each one holds.
struct MemoryCase {
  std::string name;
  std::function<void*()> make;
  std::function<void(void*)> release;
};
// Prints bytes per live value for each row of both sides (--memory).
bool memory_report();

// The sides. Each registers its benchmarks as "<side>/<case>" and fills the
// cross-check; a side returns false when it cannot run at all.
bool tevasn_check(CheckResults* out, std::string* error);
void tevasn_register();
bool netsnmp_available();
bool netsnmp_check(CheckResults* out, std::string* error);
void netsnmp_register();
void floor_register();
std::vector<MemoryCase> tevasn_memory_cases();
std::vector<MemoryCase> netsnmp_memory_cases();

}  // namespace bench

#endif  // TEVASNVALUE_BENCH_BENCHCASES_H
