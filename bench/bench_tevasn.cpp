// This library's side of the benchmark: every case through the public API of
// the shared library, exactly as a client module calls it.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "BenchCases.h"
#include "TevAsnCatalog.h"
#include "TevAsnDisplay.h"
#include "TevAsnTable.h"
#include "TevAsnTablePtr.h"
#include "TevAsnValue.h"

using namespace NTevAsnValue;

namespace bench {
namespace {

using OidPtr = TevAsnObjectIdPtr;
using ValuePtr = TevAsnValuePtr;

OidPtr make_oid(const char* text) {
  long err = 0;
  OidPtr oid(tev_create_asn_object_id(text, &err));
  if (!oid || err != ASN_OK) std::abort();
  return oid;
}

ValuePtr make_value(EAsnType type) {
  long err = 0;
  ValuePtr value(tev_create_asn_value(type, &err));
  if (!value || err != ASN_OK) std::abort();
  return value;
}

std::vector<std::uint64_t> sub_ids(const ITevAsnObjectID* oid) {
  std::vector<std::uint64_t> out;
  const unsigned long n = oid->get_count();
  for (unsigned long i = 0; i < n; ++i) out.push_back(oid->get_at(i, nullptr));
  return out;
}

std::vector<std::uint64_t> octets(const ITevAsnValue* value) {
  unsigned long length = 0;
  const unsigned char* data = value->get_octets(&length, nullptr);
  return std::vector<std::uint64_t>(data, data + length);
}

// --- The operations, shared by the check and the timed loops. ---

// Parsing into an existing object: store the text and check its syntax.
inline bool parse_into(ITevAsnObjectID* oid, const char* text) {
  oid->set_text(text);
  return oid->is_valid();
}

// Parsing into a new object, which the caller then releases.
inline ITevAsnObjectID* parse_new(const char* text) {
  long err = 0;
  return tev_create_asn_object_id(text, &err);
}

inline long format(const ITevAsnObjectID* oid, CTevAsnBuffer* buffer) {
  return oid->to_text_into(buffer);
}

// Relation folded to -1/0/1 (the order) and prefix test folded to 0/1.
inline long order(const ITevAsnObjectID* a, const ITevAsnObjectID* b) {
  const long r = a->compare(b, nullptr);
  return r == 0 ? 0 : (r == 1 || r == 3) ? -1 : 1;
}
inline bool lies_below(const ITevAsnObjectID* oid, const ITevAsnObjectID* prefix) {
  return oid->compare(prefix, nullptr) == 2;
}

struct IndexValues {
  ValuePtr integer = make_value(ASN_INTEGER);
  ValuePtr ip = make_value(ASN_IP_ADDRESS);
  ValuePtr octets = make_value(ASN_OCTET_STRING);
  IndexValues() {
    integer->set_long(kIndexInteger);
    ip->set_ulong(kIndexIpAddress);
    octets->set_octets(kIndexOctets, sizeof kIndexOctets);
  }
};

enum class Index { kInteger, kIpAddress, kOctets, kPair };
constexpr const char* kIndexNames[] = {"integer", "ipaddress", "octets16", "integer_ipaddress"};
constexpr Index kIndexes[] = {Index::kInteger, Index::kIpAddress, Index::kOctets, Index::kPair};

inline long encode(ITevAsnObjectID* out, const ITevAsnObjectID* base, const IndexValues& v,
                   Index which) {
  long rc = out->assign(base);
  switch (which) {
    case Index::kInteger:
      rc |= v.integer->append_to_oid(out, 0);
      break;
    case Index::kIpAddress:
      rc |= v.ip->append_to_oid(out, 1);
      break;
    case Index::kOctets:
      rc |= v.octets->append_to_oid(out, 0);
      break;
    case Index::kPair:
      rc |= v.integer->append_to_oid(out, 0);
      rc |= v.ip->append_to_oid(out, 1);
      break;
  }
  return rc;
}

const char* index_text(Index which) {
  switch (which) {
    case Index::kInteger:
      return kIndexIntegerText;
    case Index::kIpAddress:
      return kIndexIpAddressText;
    case Index::kOctets:
      return kIndexOctetsText;
    case Index::kPair:
      return kIndexPairText;
  }
  return "";
}

// Decodes the index held by `index` into `v`; the pair needs a working copy,
// since the second value follows the first.
inline long decode(const ITevAsnObjectID* index, ITevAsnObjectID* work, IndexValues& v,
                   Index which) {
  switch (which) {
    case Index::kInteger:
      return index->read_value_into(v.integer.get(), 0);
    case Index::kIpAddress:
      return index->read_value_into(v.ip.get(), 1);
    case Index::kOctets:
      return index->read_value_into(v.octets.get(), 0);
    case Index::kPair: {
      long rc = work->assign(index);
      rc |= work->take_value_into(v.integer.get(), 0, 0xFFFFFFFFUL);
      rc |= work->read_value_into(v.ip.get(), 1);
      return rc;
    }
  }
  return ASN_E_INVALID_ARGUMENT;
}

// Decodes the pair from a full instance identifier, as a manager reads a row:
// copy it, strip the column, take the INTEGER, read the IpAddress.
inline long decode_instance(const ITevAsnObjectID* full, const ITevAsnObjectID* column,
                            ITevAsnObjectID* work, IndexValues& v) {
  long rc = work->assign(full);
  rc |= work->remove_prefix(column);
  rc |= work->take_value_into(v.integer.get(), 0, 0xFFFFFFFFUL);
  rc |= work->read_value_into(v.ip.get(), 1);
  return rc;
}

std::vector<std::uint64_t> decoded(const IndexValues& v, Index which) {
  std::vector<std::uint64_t> out;
  if (which == Index::kInteger || which == Index::kPair) {
    out.push_back(static_cast<std::uint64_t>(v.integer->get_long(nullptr)));
  }
  if (which == Index::kIpAddress || which == Index::kPair) {
    for (std::uint64_t o : octets(v.ip.get())) out.push_back(o);
  }
  if (which == Index::kOctets) out = octets(v.octets.get());
  return out;
}

// The (INTEGER, InetAddressType, InetAddress) row through the companion
// library: the index's sub-identifiers decoded by a layout into a row whose
// three values are then in hand as the core's objects.
struct RowDecoder {
  TevAsnIndexLayoutPtr layout{tev_create_index_layout(kRowLayout, 0, nullptr, nullptr)};
  TevAsnIndexRowPtr row{layout->create_row(nullptr)};
  std::uint32_t index[16];
  unsigned long count = 0;
  ITevAsnValue* values[3] = {nullptr, nullptr, nullptr};
  RowDecoder() {
    if (tev_parse_sub_ids(kRowText, std::strlen(kRowText), index, 16, &count, nullptr) != ASN_OK) {
      std::abort();
    }
  }
  long decode() {
    long rc = layout->decode(index, count, row.get(), nullptr);
    for (unsigned long i = 0; i < 3 && rc == ASN_OK; ++i) values[i] = row->get_value(i, &rc);
    return rc;
  }
};

inline unsigned long walk(const ITevAsnObjectID* oid) {
  unsigned long sum = 0;
  long err = 0;
  const unsigned long n = oid->get_count();
  for (unsigned long i = 0; i < n; ++i) sum += oid->get_at(i, &err);
  return sum + static_cast<unsigned long>(err);
}

enum class Kind { kInteger, kOctets, kIpAddress, kCounter64, kIpAddressText };
constexpr const char* kKindNames[] = {"integer", "octets16", "ipaddress", "counter64_text",
                                      "ipaddress_text"};
constexpr Kind kKinds[] = {Kind::kInteger, Kind::kOctets, Kind::kIpAddress, Kind::kCounter64,
                           Kind::kIpAddressText};

inline ITevAsnValue* create(Kind kind) {
  long err = 0;
  switch (kind) {
    case Kind::kInteger:
      return tev_create_asn_value(kIndexInteger, ASN_INTEGER, &err);
    case Kind::kOctets: {
      ITevAsnValue* value = tev_create_asn_value(ASN_OCTET_STRING, &err);
      if (value != nullptr) value->set_octets(kIndexOctets, sizeof kIndexOctets);
      return value;
    }
    case Kind::kIpAddress:
      return tev_create_asn_value(static_cast<unsigned long>(kIndexIpAddress), ASN_IP_ADDRESS,
                                  &err);
    case Kind::kCounter64:
      return tev_create_asn_value(kCounter64Text, ASN_COUNTER_64, &err);
    case Kind::kIpAddressText:
      return tev_create_asn_value(kIndexIpAddressText, ASN_IP_ADDRESS, &err);
  }
  return nullptr;
}

std::vector<std::uint64_t> created(const ITevAsnValue* value, Kind kind) {
  switch (kind) {
    case Kind::kInteger:
      return {static_cast<std::uint64_t>(value->get_long(nullptr))};
    case Kind::kOctets:
    case Kind::kIpAddress:
    case Kind::kIpAddressText:
      return octets(value);
    case Kind::kCounter64:
      return {(static_cast<std::uint64_t>(value->get_high(nullptr)) << 32) |
              value->get_low(nullptr)};
  }
  return {};
}

struct TextCase {
  const char* name;
  const char* text;
};
constexpr TextCase kTextCases[] = {{"short", kShortOid}, {"long30", kLongOid}};

}  // namespace

bool tevasn_check(CheckResults* out, std::string* error) {
  CheckResults& r = *out;
  OidPtr oid = make_oid(nullptr);
  OidPtr work = make_oid(nullptr);
  for (const TextCase& c : kTextCases) {
    if (!parse_into(oid.get(), c.text)) {
      *error = std::string("parse rejected ") + c.text;
      return false;
    }
    r[std::string("parse/") + c.name] = sub_ids(oid.get());
    OidPtr fresh(parse_new(c.text));
    if (!fresh) {
      *error = std::string("creation rejected ") + c.text;
      return false;
    }
    r[std::string("parse_new/") + c.name] = sub_ids(fresh.get());
    CTevAsnBuffer buffer;
    format(fresh.get(), &buffer);
    r[std::string("format/") + c.name] = text_numbers(buffer.data(), buffer.length());
  }
  OidPtr a = make_oid(kShortOid), b = make_oid(kShortOidNext), column = make_oid(kShortOidColumn);
  r["compare/last"] = {static_cast<std::uint64_t>(order(a.get(), b.get()) + 1),
                       static_cast<std::uint64_t>(order(b.get(), a.get()) + 1),
                       static_cast<std::uint64_t>(order(a.get(), a.get()) + 1)};
  r["compare/prefix"] = {lies_below(a.get(), column.get()), lies_below(column.get(), a.get()),
                         lies_below(b.get(), column.get())};
  OidPtr base = make_oid(kIndexBase);
  for (Index which : kIndexes) {
    const std::string name = kIndexNames[static_cast<int>(which)];
    IndexValues v;
    if (encode(work.get(), base.get(), v, which) != ASN_OK) {
      *error = "encode failed: " + name;
      return false;
    }
    r["encode/" + name] = sub_ids(work.get());
    IndexValues target;
    target.integer->set_long(0);
    target.ip->set_ulong(0);
    target.octets->set_octets(nullptr, 0);
    OidPtr index = make_oid(index_text(which));
    if (decode(index.get(), work.get(), target, which) != ASN_OK) {
      *error = "decode failed: " + name;
      return false;
    }
    r["decode/" + name] = decoded(target, which);
  }
  {
    RowDecoder row;
    if (row.decode() != ASN_OK) {
      *error = "decode failed: integer_inetaddress";
      return false;
    }
    std::vector<std::uint64_t> values = {
        static_cast<std::uint64_t>(row.values[0]->get_long(nullptr)),
        static_cast<std::uint64_t>(row.values[1]->get_long(nullptr))};
    for (std::uint64_t o : octets(row.values[2])) values.push_back(o);
    r["decode/integer_inetaddress"] = values;
  }
  {
    OidPtr full = make_oid(kIndexInstance), column = make_oid(kIndexBase);
    IndexValues target;
    if (decode_instance(full.get(), column.get(), work.get(), target) != ASN_OK) {
      *error = "decode failed: instance_pair";
      return false;
    }
    r["decode/instance_pair"] = decoded(target, Index::kPair);
  }
  for (int n : kWalkSizes) {
    OidPtr long_oid = make_oid(walk_text(n).c_str());
    std::vector<std::uint64_t> ids = sub_ids(long_oid.get());
    ids.push_back(walk(long_oid.get()));
    r["walk/" + std::to_string(n)] = ids;
  }
  for (Kind kind : kKinds) {
    ValuePtr value(create(kind));
    if (!value) {
      *error = std::string("create failed: ") + kKindNames[static_cast<int>(kind)];
      return false;
    }
    r[std::string("create/") + kKindNames[static_cast<int>(kind)]] = created(value.get(), kind);
  }
  for (const HintCase& c : kHintCases) {
    CTevAsnBuffer shown;
    if (tev_format_octets_hint(c.hint, c.octets, c.length, &shown, nullptr) != ASN_OK) {
      *error = std::string("hint failed: ") + c.name;
      return false;
    }
    r[std::string("hint/") + c.name] = text_numbers(shown.data(), shown.length());
  }
  return true;
}

void tevasn_register() {
  for (const TextCase& c : kTextCases) {
    add(std::string("tevasn/parse/") + c.name, [c](benchmark::State& state) {
      OidPtr oid = make_oid(nullptr);
      for (auto _ : state) {
        benchmark::DoNotOptimize(parse_into(oid.get(), c.text));
      }
    });
    add(std::string("tevasn/parse_new/") + c.name, [c](benchmark::State& state) {
      for (auto _ : state) {
        ITevAsnObjectID* oid = parse_new(c.text);
        benchmark::DoNotOptimize(oid);
        oid->release();
      }
    });
    add(std::string("tevasn/format/") + c.name, [c](benchmark::State& state) {
      OidPtr oid = make_oid(c.text);
      CTevAsnBuffer buffer;
      for (auto _ : state) {
        benchmark::DoNotOptimize(format(oid.get(), &buffer));
      }
    });
  }
  add("tevasn/compare/last", [](benchmark::State& state) {
    OidPtr a = make_oid(kShortOid), b = make_oid(kShortOidNext);
    for (auto _ : state) benchmark::DoNotOptimize(order(a.get(), b.get()));
  });
  add("tevasn/compare/prefix", [](benchmark::State& state) {
    OidPtr a = make_oid(kShortOid), column = make_oid(kShortOidColumn);
    for (auto _ : state) benchmark::DoNotOptimize(lies_below(a.get(), column.get()));
  });
  for (Index which : kIndexes) {
    const std::string name = kIndexNames[static_cast<int>(which)];
    add("tevasn/encode/" + name, [which](benchmark::State& state) {
      OidPtr base = make_oid(kIndexBase), out = make_oid(nullptr);
      IndexValues v;
      for (auto _ : state) {
        benchmark::DoNotOptimize(encode(out.get(), base.get(), v, which));
      }
    });
    add("tevasn/decode/" + name, [which](benchmark::State& state) {
      OidPtr index = make_oid(index_text(which)), work = make_oid(nullptr);
      IndexValues v;
      for (auto _ : state) {
        benchmark::DoNotOptimize(decode(index.get(), work.get(), v, which));
      }
    });
  }
  add("tevasn/decode/integer_inetaddress", [](benchmark::State& state) {
    RowDecoder row;
    for (auto _ : state) benchmark::DoNotOptimize(row.decode());
  });
  add("tevasn/decode/instance_pair", [](benchmark::State& state) {
    OidPtr full = make_oid(kIndexInstance), column = make_oid(kIndexBase);
    OidPtr work = make_oid(nullptr);
    IndexValues v;
    for (auto _ : state) {
      benchmark::DoNotOptimize(decode_instance(full.get(), column.get(), work.get(), v));
    }
  });
  // The catalogue's look-ups, to set beside decode/integer_inetaddress: a
  // table by name (case folded, module given) and by an instance of it.
  add("tevasn/catalog/by_name", [](benchmark::State& state) {
    const char name[] = "ipNetToPhysicalTable";
    for (auto _ : state) {
      benchmark::DoNotOptimize(tev_find_catalog_table(name, sizeof name - 1, nullptr, nullptr));
    }
  });
  add("tevasn/catalog/by_module_name", [](benchmark::State& state) {
    const char name[] = "IP-MIB::ipNetToPhysicalTable";
    for (auto _ : state) {
      benchmark::DoNotOptimize(tev_find_catalog_table(name, sizeof name - 1, nullptr, nullptr));
    }
  });
  add("tevasn/catalog/by_oid", [](benchmark::State& state) {
    const std::uint32_t instance[] = {1, 3, 6, 1, 2, 1, 4, 35, 1, 4, 17, 1, 4, 192, 168, 1, 10};
    for (auto _ : state) {
      benchmark::DoNotOptimize(
          tev_find_catalog_table_by_oid(instance, std::size(instance), nullptr, nullptr));
    }
  });
  for (int n : kWalkSizes) {
    add("tevasn/walk/" + std::to_string(n), [n](benchmark::State& state) {
      OidPtr oid = make_oid(walk_text(n).c_str());
      for (auto _ : state) benchmark::DoNotOptimize(walk(oid.get()));
      state.SetItemsProcessed(state.iterations() * n);
    });
  }
  for (Kind kind : kKinds) {
    add((std::string("tevasn/create/") + kKindNames[static_cast<int>(kind)]).c_str(),
        [kind](benchmark::State& state) {
          for (auto _ : state) {
            ITevAsnValue* value = create(kind);
            benchmark::DoNotOptimize(value);
            value->release();
          }
        });
  }
  for (const HintCase& c : kHintCases) {
    add(std::string("tevasn/hint/") + c.name, [c](benchmark::State& state) {
      CTevAsnBuffer shown;
      for (auto _ : state) {
        benchmark::DoNotOptimize(
            tev_format_octets_hint(c.hint, c.octets, c.length, &shown, nullptr));
      }
    });
  }
}

}  // namespace bench

namespace bench {
namespace {

// A value made by `make`, which aborts on failure, released through the interface.
MemoryCase value_case(const char* name, std::function<ITevAsnValue*()> make) {
  return {name, [make]() -> void* { return make(); },
          [](void* value) { static_cast<ITevAsnValue*>(value)->release(); }};
}

ITevAsnValue* must(ITevAsnValue* value, long err) {
  if (value == nullptr || err != ASN_OK) std::abort();
  return value;
}

ITevAsnValue* address(EAsnType type, const char* text) {
  long err = 0;
  return must(tev_create_asn_value(text, type, &err), err);
}

ITevAsnObjectID* memory_oid(const char* text) {
  long err = 0;
  ITevAsnObjectID* oid = tev_create_asn_object_id(text, &err);
  if (oid == nullptr || err != ASN_OK) std::abort();
  return oid;
}

}  // namespace

std::vector<MemoryCase> tevasn_memory_cases() {
  std::vector<MemoryCase> cases;
  cases.push_back(value_case("integer", [] {
    long err = 0;
    return must(tev_create_asn_value(kIndexInteger, ASN_INTEGER, &err), err);
  }));
  cases.push_back(value_case("counter64", [] {
    long err = 0;
    return must(tev_create_asn_value(kCounter64Text, ASN_COUNTER_64, &err), err);
  }));
  cases.push_back(value_case("ipaddress", [] {
    long err = 0;
    return must(
        tev_create_asn_value(static_cast<unsigned long>(kIndexIpAddress), ASN_IP_ADDRESS, &err),
        err);
  }));
  cases.push_back(
      value_case("ipv6address", [] { return address(ASN_IPV6_ADDRESS, "fe80:0:0:0:0:0:0:1"); }));
  cases.push_back(
      value_case("ipportaddress", [] { return address(ASN_IP_PORT_ADDRESS, "10.1.2.3/161"); }));
  cases.push_back(value_case("ipxaddress",
                             [] { return address(ASN_IPX_ADDRESS, "0000abcd:00a0c9112233/451"); }));
  cases.push_back(value_case("octets16", [] {
    ITevAsnValue* value = make_value(ASN_OCTET_STRING).release();
    if (value->set_octets(kIndexOctets, sizeof kIndexOctets) != ASN_OK) std::abort();
    return value;
  }));
  cases.push_back(value_case("oid12", [] { return memory_oid(kMemoryOid); }));
  cases.push_back(value_case("oid12_walked", [] {
    ITevAsnObjectID* oid = memory_oid(kMemoryOid);
    const unsigned long n = oid->get_count();
    for (unsigned long i = 0; i < n; ++i) {
      if (oid->get_at(i, nullptr) == 0xFFFFFFFFUL) std::abort();
    }
    return oid;
  }));
  // The values the index is decoded into live as long as the program: only
  // the identifier is counted.
  static ITevAsnValue* const integer = make_value(ASN_INTEGER).release();
  static ITevAsnValue* const octets = make_value(ASN_OCTET_STRING).release();
  cases.push_back(value_case("oid12_decoded", [] {
    ITevAsnObjectID* oid = memory_oid(kMemoryIndex);
    if (oid->take_value_into(integer, 0, 0xFFFFFFFFUL) != ASN_OK ||
        oid->read_value_into(octets, 0) != ASN_OK) {
      std::abort();
    }
    return oid;
  }));
  return cases;
}

}  // namespace bench
