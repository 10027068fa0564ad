// net-snmp's side of the benchmark: the same cases with its C library, which
// keeps object identifiers as arrays of integers. Built only when net-snmp was
// found at configure time (TEVASN_BENCH_HAVE_NETSNMP); kept apart from the
// library's headers, whose enumerators net-snmp's macros would replace.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "BenchCases.h"

#if TEVASN_BENCH_HAVE_NETSNMP
// clang-format off
#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>
// clang-format on
#include <arpa/inet.h>

namespace bench {
namespace {

// An object identifier in net-snmp's form: a fixed array and its length.
struct Oid {
  oid ids[MAX_OID_LEN];
  size_t length = 0;
};

// Numeric text in and out, without MIB files or configuration: read_objid
// needs the MIB internals even for numbers, init_snmp would read files.
void setup() {
  static bool done = false;
  if (done) return;
  done = true;
  netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_READ_CONFIGS, 1);
  netsnmp_ds_set_int(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_OID_OUTPUT_FORMAT,
                     NETSNMP_OID_OUTPUT_NUMERIC);
  // Values print without their type word ("STRING: "), as the library does.
  netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_QUICK_PRINT, 1);
  netsnmp_init_mib_internals();
}

Oid parse_or_die(const char* text) {
  Oid o;
  o.length = MAX_OID_LEN;
  if (read_objid(text, o.ids, &o.length) == 0) std::abort();
  return o;
}

std::vector<std::uint64_t> sub_ids(const oid* ids, size_t length) {
  return std::vector<std::uint64_t>(ids, ids + length);
}

// --- The operations, shared by the check and the timed loops. ---

inline int parse_into(Oid* o, const char* text) {
  o->length = MAX_OID_LEN;
  return read_objid(text, o->ids, &o->length);
}

inline oid* parse_new(const char* text, size_t* length) {
  oid ids[MAX_OID_LEN];
  *length = MAX_OID_LEN;
  if (read_objid(text, ids, length) == 0) return nullptr;
  return snmp_duplicate_objid(ids, *length);
}

inline int format(const Oid& o, char* buffer, size_t size) {
  return snprint_objid(buffer, size, o.ids, o.length);
}

inline int order(const Oid& a, const Oid& b) {
  const int r = snmp_oid_compare(a.ids, a.length, b.ids, b.length);
  return r < 0 ? -1 : r > 0 ? 1 : 0;
}
inline bool lies_below(const Oid& o, const Oid& prefix) {
  return netsnmp_oid_is_subtree(prefix.ids, prefix.length, o.ids, o.length) == 0;
}

// Index variables as net-snmp's index routines take them: a linked list of
// typed values.
struct IndexValues {
  netsnmp_variable_list integer{};
  netsnmp_variable_list ip{};
  netsnmp_variable_list octets{};
  netsnmp_variable_list pair_integer{};
  netsnmp_variable_list pair_ip{};
  IndexValues() {
    const long integer_value = kIndexInteger;
    // build_oid_noalloc reads an IpAddress as a host-order number.
    const std::uint32_t ip_value = kIndexIpAddress;
    snmp_set_var_typed_value(&integer, ASN_INTEGER, &integer_value, sizeof integer_value);
    snmp_set_var_typed_value(&ip, ASN_IPADDRESS, &ip_value, sizeof ip_value);
    snmp_set_var_typed_value(&octets, ASN_OCTET_STR, kIndexOctets, sizeof kIndexOctets);
    snmp_set_var_typed_value(&pair_integer, ASN_INTEGER, &integer_value, sizeof integer_value);
    snmp_set_var_typed_value(&pair_ip, ASN_IPADDRESS, &ip_value, sizeof ip_value);
    pair_integer.next_variable = &pair_ip;
  }
  IndexValues(const IndexValues&) = delete;
  IndexValues& operator=(const IndexValues&) = delete;
  ~IndexValues() {
    for (netsnmp_variable_list* v : {&integer, &ip, &octets, &pair_integer, &pair_ip}) {
      if (v->val.string != nullptr && v->val.string != v->buf) std::free(v->val.string);
    }
  }
};

enum class Index { kInteger, kIpAddress, kOctets, kPair };
constexpr const char* kIndexNames[] = {"integer", "ipaddress", "octets16", "integer_ipaddress"};
constexpr Index kIndexes[] = {Index::kInteger, Index::kIpAddress, Index::kOctets, Index::kPair};

netsnmp_variable_list* list_of(IndexValues& v, Index which) {
  switch (which) {
    case Index::kInteger:
      return &v.integer;
    case Index::kIpAddress:
      return &v.ip;
    case Index::kOctets:
      return &v.octets;
    case Index::kPair:
      return &v.pair_integer;
  }
  return nullptr;
}

inline int encode(Oid* out, const Oid& base, IndexValues& v, Index which) {
  return build_oid_noalloc(out->ids, MAX_OID_LEN, &out->length, base.ids, base.length,
                           list_of(v, which));
}

// Decodes the index part of a full object identifier (the sub-identifiers
// after the base), as net-snmp's callers do: no copy, a pointer into it.
inline int decode(Oid& full, size_t base_length, IndexValues& v, Index which) {
  return parse_oid_indexes(full.ids + base_length, full.length - base_length, list_of(v, which));
}

// The pair from a full instance: net-snmp's callers check that it lies below
// the column and parse the index in place.
inline int decode_instance(Oid& full, const Oid& column, IndexValues& v) {
  if (netsnmp_oid_is_subtree(column.ids, column.length, full.ids, full.length) != 0) {
    return SNMPERR_GENERR;
  }
  return decode(full, column.length, v, Index::kPair);
}

std::vector<std::uint64_t> decoded(IndexValues& v, Index which) {
  std::vector<std::uint64_t> out;
  const netsnmp_variable_list* integer = which == Index::kPair ? &v.pair_integer : &v.integer;
  const netsnmp_variable_list* ip = which == Index::kPair ? &v.pair_ip : &v.ip;
  if (which == Index::kInteger || which == Index::kPair) {
    out.push_back(static_cast<std::uint64_t>(*integer->val.integer));
  }
  if (which == Index::kIpAddress || which == Index::kPair) {
    // parse_oid_indexes leaves the address as four octets in network order.
    for (size_t i = 0; i < 4; ++i) out.push_back(ip->val.string[i]);
  }
  if (which == Index::kOctets) {
    out.assign(v.octets.val.string, v.octets.val.string + v.octets.val_len);
  }
  return out;
}

// The (INTEGER, InetAddressType, InetAddress) row: three typed variables.
struct RowValues {
  netsnmp_variable_list integer{};
  netsnmp_variable_list type{};
  netsnmp_variable_list address{};
  RowValues() {
    const long zero = 0;
    snmp_set_var_typed_value(&integer, ASN_INTEGER, &zero, sizeof zero);
    snmp_set_var_typed_value(&type, ASN_INTEGER, &zero, sizeof zero);
    snmp_set_var_typed_value(&address, ASN_OCTET_STR, nullptr, 0);
    integer.next_variable = &type;
    type.next_variable = &address;
  }
  RowValues(const RowValues&) = delete;
  RowValues& operator=(const RowValues&) = delete;
  ~RowValues() {
    if (address.val.string != nullptr && address.val.string != address.buf) {
      std::free(address.val.string);
    }
  }
};

inline int decode_row(const Oid& index, RowValues& row) {
  return parse_oid_indexes(const_cast<oid*>(index.ids), index.length, &row.integer);
}

std::vector<std::uint64_t> decoded_row(const RowValues& row) {
  std::vector<std::uint64_t> out = {static_cast<std::uint64_t>(*row.integer.val.integer),
                                    static_cast<std::uint64_t>(*row.type.val.integer)};
  out.insert(out.end(), row.address.val.string, row.address.val.string + row.address.val_len);
  return out;
}

inline unsigned long walk(const std::vector<oid>& o) {
  unsigned long sum = 0;
  for (size_t i = 0; i < o.size(); ++i) sum += o[i];
  return sum;
}

enum class Kind { kInteger, kOctets, kIpAddress, kCounter64, kIpAddressText };
constexpr const char* kKindNames[] = {"integer", "octets16", "ipaddress", "counter64_text",
                                      "ipaddress_text"};
constexpr Kind kKinds[] = {Kind::kInteger, Kind::kOctets, Kind::kIpAddress, Kind::kCounter64,
                           Kind::kIpAddressText};

// A value in net-snmp's form: one variable-list entry, allocated and typed.
inline netsnmp_variable_list* create(Kind kind) {
  auto* v = static_cast<netsnmp_variable_list*>(std::calloc(1, sizeof(netsnmp_variable_list)));
  if (v == nullptr) return nullptr;
  switch (kind) {
    case Kind::kInteger: {
      const long value = kIndexInteger;
      snmp_set_var_typed_value(v, ASN_INTEGER, &value, sizeof value);
      break;
    }
    case Kind::kOctets:
      snmp_set_var_typed_value(v, ASN_OCTET_STR, kIndexOctets, sizeof kIndexOctets);
      break;
    case Kind::kIpAddress: {
      const std::uint32_t network_order = htonl(kIndexIpAddress);
      snmp_set_var_typed_value(v, ASN_IPADDRESS, &network_order, sizeof network_order);
      break;
    }
    case Kind::kCounter64: {
      struct counter64 value {};
      read64(&value, kCounter64Text);
      snmp_set_var_typed_value(v, ASN_COUNTER64, &value, sizeof value);
      break;
    }
    case Kind::kIpAddressText: {
      // As net-snmp's snmp_add_var reads an 'a' value.
      const in_addr_t address = inet_addr(kIndexIpAddressText);
      snmp_set_var_typed_value(v, ASN_IPADDRESS, &address, sizeof address);
      break;
    }
  }
  return v;
}

std::vector<std::uint64_t> created(const netsnmp_variable_list* v, Kind kind) {
  switch (kind) {
    case Kind::kInteger:
      return {static_cast<std::uint64_t>(*v->val.integer)};
    case Kind::kOctets:
    case Kind::kIpAddress:
    case Kind::kIpAddressText:
      return std::vector<std::uint64_t>(v->val.string, v->val.string + v->val_len);
    case Kind::kCounter64:
      return {(static_cast<std::uint64_t>(v->val.counter64->high) << 32) | v->val.counter64->low};
  }
  return {};
}

struct TextCase {
  const char* name;
  const char* text;
};
constexpr TextCase kTextCases[] = {{"short", kShortOid}, {"long30", kLongOid}};

// A full object identifier for decoding: the base followed by the index.
Oid full_index_oid(Index which) {
  static const char* const texts[] = {kIndexIntegerText, kIndexIpAddressText, kIndexOctetsText,
                                      kIndexPairText};
  return parse_or_die((std::string(kIndexBase) + "." + texts[static_cast<int>(which)]).c_str());
}

// An OCTET STRING variable printed by a DISPLAY-HINT into a buffer that grows
// on demand and is reused, as a caller printing many values keeps it.
class HintedPrinter {
 public:
  explicit HintedPrinter(const HintCase& c) : hint_(c.hint) {
    snmp_set_var_typed_value(&var_, ASN_OCTET_STR, c.octets, c.length);
    buffer_ = static_cast<u_char*>(std::malloc(size_));
    if (buffer_ == nullptr) std::abort();
  }
  HintedPrinter(const HintedPrinter&) = delete;
  HintedPrinter& operator=(const HintedPrinter&) = delete;
  ~HintedPrinter() {
    std::free(buffer_);
    if (var_.val.string != nullptr && var_.val.string != var_.buf) std::free(var_.val.string);
  }
  int print() {
    length_ = 0;
    return sprint_realloc_octet_string(&buffer_, &size_, &length_, 1, &var_, nullptr, hint_,
                                       nullptr);
  }
  const char* text() const { return reinterpret_cast<const char*>(buffer_); }
  size_t length() const { return length_; }

 private:
  netsnmp_variable_list var_{};
  const char* hint_;
  u_char* buffer_ = nullptr;
  size_t size_ = 256;
  size_t length_ = 0;
};

}  // namespace

bool netsnmp_available() { return true; }

bool netsnmp_check(CheckResults* out, std::string* error) {
  setup();
  CheckResults& r = *out;
  for (const TextCase& c : kTextCases) {
    Oid o;
    if (parse_into(&o, c.text) == 0) {
      *error = std::string("read_objid rejected ") + c.text;
      return false;
    }
    r[std::string("parse/") + c.name] = sub_ids(o.ids, o.length);
    size_t length = 0;
    oid* fresh = parse_new(c.text, &length);
    if (fresh == nullptr) {
      *error = std::string("read_objid rejected ") + c.text;
      return false;
    }
    r[std::string("parse_new/") + c.name] = sub_ids(fresh, length);
    std::free(fresh);
    char text[4096];
    const int n = format(o, text, sizeof text);
    // Numeric output starts with a separator; the text after it is compared.
    if (n <= 0 || text[0] != '.') {
      *error = std::string("snprint_objid failed for ") + c.text;
      return false;
    }
    r[std::string("format/") + c.name] = text_numbers(text + 1, static_cast<size_t>(n) - 1);
  }
  const Oid a = parse_or_die(kShortOid), b = parse_or_die(kShortOidNext),
            column = parse_or_die(kShortOidColumn);
  r["compare/last"] = {static_cast<std::uint64_t>(order(a, b) + 1),
                       static_cast<std::uint64_t>(order(b, a) + 1),
                       static_cast<std::uint64_t>(order(a, a) + 1)};
  r["compare/prefix"] = {lies_below(a, column), lies_below(column, a), lies_below(b, column)};
  const Oid base = parse_or_die(kIndexBase);
  for (Index which : kIndexes) {
    const std::string name = kIndexNames[static_cast<int>(which)];
    IndexValues v;
    Oid built;
    if (encode(&built, base, v, which) != SNMPERR_SUCCESS) {
      *error = "build_oid_noalloc failed: " + name;
      return false;
    }
    r["encode/" + name] = sub_ids(built.ids, built.length);
    IndexValues target;
    Oid full = full_index_oid(which);
    if (decode(full, base.length, target, which) != SNMPERR_SUCCESS) {
      *error = "parse_oid_indexes failed: " + name;
      return false;
    }
    r["decode/" + name] = decoded(target, which);
  }
  {
    RowValues row;
    if (decode_row(parse_or_die(kRowText), row) != SNMPERR_SUCCESS) {
      *error = "parse_oid_indexes failed: integer_inetaddress";
      return false;
    }
    r["decode/integer_inetaddress"] = decoded_row(row);
  }
  {
    IndexValues target;
    Oid full = parse_or_die(kIndexInstance);
    if (decode_instance(full, base, target) != SNMPERR_SUCCESS) {
      *error = "parse_oid_indexes failed: instance_pair";
      return false;
    }
    r["decode/instance_pair"] = decoded(target, Index::kPair);
  }
  for (int n : kWalkSizes) {
    // Longer than net-snmp's fixed arrays: the walks read a heap array.
    const std::vector<std::uint32_t> ids = walk_sub_ids(n);
    const std::vector<oid> o(ids.begin(), ids.end());
    std::vector<std::uint64_t> out_ids(o.begin(), o.end());
    out_ids.push_back(walk(o));
    r["walk/" + std::to_string(n)] = out_ids;
  }
  for (Kind kind : kKinds) {
    netsnmp_variable_list* v = create(kind);
    if (v == nullptr) {
      *error = "calloc failed";
      return false;
    }
    r[std::string("create/") + kKindNames[static_cast<int>(kind)]] = created(v, kind);
    snmp_free_var(v);
  }
  for (const HintCase& c : kHintCases) {
    HintedPrinter printer(c);
    if (printer.print() == 0) {
      *error = std::string("sprint_realloc_octet_string failed: ") + c.name;
      return false;
    }
    r[std::string("hint/") + c.name] = text_numbers(printer.text(), printer.length());
  }
  return true;
}

void netsnmp_register() {
  setup();
  for (const TextCase& c : kTextCases) {
    add(std::string("netsnmp/parse/") + c.name, [c](benchmark::State& state) {
      Oid o;
      for (auto _ : state) benchmark::DoNotOptimize(parse_into(&o, c.text));
    });
    add(std::string("netsnmp/parse_new/") + c.name, [c](benchmark::State& state) {
      for (auto _ : state) {
        size_t length = 0;
        oid* fresh = parse_new(c.text, &length);
        benchmark::DoNotOptimize(fresh);
        std::free(fresh);
      }
    });
    add(std::string("netsnmp/format/") + c.name, [c](benchmark::State& state) {
      const Oid o = parse_or_die(c.text);
      char text[4096];
      for (auto _ : state) {
        benchmark::DoNotOptimize(format(o, text, sizeof text));
      }
    });
  }
  add("netsnmp/compare/last", [](benchmark::State& state) {
    const Oid a = parse_or_die(kShortOid), b = parse_or_die(kShortOidNext);
    for (auto _ : state) benchmark::DoNotOptimize(order(a, b));
  });
  add("netsnmp/compare/prefix", [](benchmark::State& state) {
    const Oid a = parse_or_die(kShortOid), column = parse_or_die(kShortOidColumn);
    for (auto _ : state) benchmark::DoNotOptimize(lies_below(a, column));
  });
  for (Index which : kIndexes) {
    const std::string name = kIndexNames[static_cast<int>(which)];
    add("netsnmp/encode/" + name, [which](benchmark::State& state) {
      const Oid base = parse_or_die(kIndexBase);
      Oid out;
      IndexValues v;
      for (auto _ : state) {
        benchmark::DoNotOptimize(encode(&out, base, v, which));
      }
    });
    add("netsnmp/decode/" + name, [which](benchmark::State& state) {
      Oid full = full_index_oid(which);
      const size_t base_length = parse_or_die(kIndexBase).length;
      IndexValues v;
      for (auto _ : state) {
        benchmark::DoNotOptimize(decode(full, base_length, v, which));
      }
    });
  }
  add("netsnmp/decode/integer_inetaddress", [](benchmark::State& state) {
    const Oid index = parse_or_die(kRowText);
    RowValues row;
    for (auto _ : state) benchmark::DoNotOptimize(decode_row(index, row));
  });
  add("netsnmp/decode/instance_pair", [](benchmark::State& state) {
    Oid full = parse_or_die(kIndexInstance);
    const Oid column = parse_or_die(kIndexBase);
    IndexValues v;
    for (auto _ : state) benchmark::DoNotOptimize(decode_instance(full, column, v));
  });
  for (int n : kWalkSizes) {
    add("netsnmp/walk/" + std::to_string(n), [n](benchmark::State& state) {
      const std::vector<std::uint32_t> ids = walk_sub_ids(n);
      const std::vector<oid> o(ids.begin(), ids.end());
      for (auto _ : state) benchmark::DoNotOptimize(walk(o));
      state.SetItemsProcessed(state.iterations() * n);
    });
  }
  for (Kind kind : kKinds) {
    add((std::string("netsnmp/create/") + kKindNames[static_cast<int>(kind)]).c_str(),
        [kind](benchmark::State& state) {
          for (auto _ : state) {
            netsnmp_variable_list* v = create(kind);
            benchmark::DoNotOptimize(v);
            snmp_free_var(v);
          }
        });
  }
  for (const HintCase& c : kHintCases) {
    add(std::string("netsnmp/hint/") + c.name, [c](benchmark::State& state) {
      HintedPrinter printer(c);
      for (auto _ : state) benchmark::DoNotOptimize(printer.print());
    });
  }
}

namespace {

// A variable-list entry named by the 12-sub-identifier identifier, holding a
// value of `length` octets at `data`, as a manager keeps a received varbind.
MemoryCase varbind_case(const char* name, u_char type, std::vector<unsigned char> data) {
  return {name,
          [type, data]() -> void* {
            const Oid name_oid = parse_or_die(kMemoryOid);
            netsnmp_variable_list* list = nullptr;
            if (snmp_varlist_add_variable(&list, name_oid.ids, name_oid.length, type, data.data(),
                                          data.size()) == nullptr) {
              std::abort();
            }
            return list;
          },
          [](void* list) { snmp_free_var(static_cast<netsnmp_variable_list*>(list)); }};
}

template <class T>
std::vector<unsigned char> bytes_of(const T& value) {
  const auto* p = reinterpret_cast<const unsigned char*>(&value);
  return std::vector<unsigned char>(p, p + sizeof value);
}

// The identifier alone: a bare array of its sub-identifiers.
MemoryCase array_case(const char* name, const char* text) {
  return {name,
          [text]() -> void* {
            const Oid o = parse_or_die(text);
            oid* copy = snmp_duplicate_objid(o.ids, o.length);
            if (copy == nullptr) std::abort();
            return copy;
          },
          [](void* ids) { std::free(ids); }};
}

}  // namespace

std::vector<MemoryCase> netsnmp_memory_cases() {
  setup();
  struct counter64 c64 {};
  read64(&c64, kCounter64Text);
  const std::uint32_t address = htonl(kIndexIpAddress);
  const unsigned char ipv6[16] = {0xfe, 0x80, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1};
  const unsigned char ip_port[6] = {10, 1, 2, 3, 0, 161};
  const unsigned char ipx[12] = {0, 0, 0xab, 0xcd, 0, 0xa0, 0xc9, 0x11, 0x22, 0x33, 4, 0x51};
  return {
      varbind_case("integer", ASN_INTEGER, bytes_of(kIndexInteger)),
      varbind_case("counter64", ASN_COUNTER64, bytes_of(c64)),
      varbind_case("ipaddress", ASN_IPADDRESS, bytes_of(address)),
      varbind_case("ipv6address", ASN_OCTET_STR, bytes_of(ipv6)),
      varbind_case("ipportaddress", ASN_OCTET_STR, bytes_of(ip_port)),
      varbind_case("ipxaddress", ASN_OCTET_STR, bytes_of(ipx)),
      varbind_case("octets16", ASN_OCTET_STR, bytes_of(kIndexOctets)),
      array_case("oid12", kMemoryOid),
      array_case("oid12_walked", kMemoryOid),
      array_case("oid12_decoded", kMemoryIndex),
  };
}

}  // namespace bench

#else  // !TEVASN_BENCH_HAVE_NETSNMP

namespace bench {
bool netsnmp_available() { return false; }
bool netsnmp_check(CheckResults*, std::string*) { return false; }
void netsnmp_register() {}
std::vector<MemoryCase> netsnmp_memory_cases() { return {}; }
}  // namespace bench

#endif
