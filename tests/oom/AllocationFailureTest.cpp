// Every allocating operation of every type, run with each of its allocations
// failing in turn (OomHarness.h says what is checked at each step).
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "OomHarness.h"
#include "TypeTable.h"

using namespace NTevAsnValue;
using tev_test::Buffer;
using tev_test::exercise;
using tev_test::Oid;
using tev_test::Probe;
using tev_test::Value;

namespace {

constexpr unsigned long kAll = 0xFFFFFFFFUL;

// Values large enough to need more than one block of octet storage and a
// start index that grows several times.
const std::string& long_octets() {
  static const std::string text = [] {
    std::string s;
    for (int i = 0; i < 300; ++i) s += static_cast<char>('a' + i % 26);
    return s;
  }();
  return text;
}
const std::string& long_oid() {
  static const std::string text = [] {
    std::string s = "1.3.6.1.4.1";
    for (int i = 0; i < 120; ++i) s += "." + std::to_string(i * 977);
    return s;
  }();
  return text;
}

// The rows of the client tests plus the large values above.
const std::vector<TypeRow>& rows() {
  static const std::vector<TypeRow> all = [] {
    std::vector<TypeRow> r(std::begin(kTypeRows), std::end(kTypeRows));
    r.push_back({"OCTET STRING of 300 octets", ASN_OCTET_STRING, 0, "", "", long_octets().c_str(),
                 "", false, false});
    r.push_back(
        {"Opaque of 300 octets", ASN_OPAQUE, 0, "", "", long_octets().c_str(), "", false, false});
    r.push_back({"OBJECT IDENTIFIER of 126 sub-identifiers", ASN_OBJECT_ID, 0, "", "",
                 long_oid().c_str(), "", false, false});
    return r;
  }();
  return all;
}

std::string label(const TypeRow& row, const char* operation) {
  return std::string(row.name) + ": " + operation;
}

// Set-up helpers; they run disarmed.
Value initial_of(const TypeRow& row) { return Value(tev_create_asn_value(row.type, nullptr)); }
Value sample_of(const TypeRow& row) {
  if (row.sample_text == nullptr) return initial_of(row);
  return Value(tev_create_asn_value(row.sample_text, row.type, nullptr));
}
// A value of the row's type that differs from the sample where the type has
// room for that, so that "unchanged" after a failure means something. Its
// octets are few enough to be held without a block: taking the 300-octet
// samples moves them to one, which is where an injected failure lands.
Value other_of(const TypeRow& row) {
  Value value = initial_of(row);
  if (row.type == ASN_OCTET_STRING || row.type == ASN_OPAQUE) value->set_text("xy");
  if (row.type == ASN_OBJECT_ID) value->set_text("1.2");
  return value;
}
Oid oid_of(const char* text) { return Oid(tev_create_asn_object_id(text, nullptr)); }
Value copy_of(const ITevAsnValue* value) { return Value(value->clone(nullptr)); }
Oid copy_of(const ITevAsnObjectID* oid) { return Oid(oid->clone_oid(nullptr)); }
// An object identifier holding `value`'s index encoding; null when it has none.
Oid index_of(const ITevAsnValue* value, long implied, const char* tail = nullptr) {
  Oid oid = oid_of(nullptr);
  if (value->append_to_oid(oid.get(), implied) != ASN_OK) return nullptr;
  if (tail != nullptr) oid->append_text(tail);
  return oid;
}
bool has_octets(const TypeRow& row) {
  Value value = sample_of(row);
  unsigned long length = 0;
  return value->get_octets(&length, nullptr) != nullptr;
}
bool has_index(const TypeRow& row) { return index_of(sample_of(row).get(), 0) != nullptr; }

// A non-empty buffer, so that "unchanged" means something.
void prefill(CTevAsnBuffer* buffer) { buffer->assign_text("previous content"); }

// Prints the figures once every test has run.
class TotalsPrinter : public ::testing::Environment {
 public:
  void TearDown() override {
    const tev_test::OomTotals& t = tev_test::oom_totals();
    std::printf(
        "allocation-failure totals: %lu operations, %lu allocation points, %zu distinct "
        "allocation call paths, %lu failures injected over %lu runs\n",
        t.operations, t.allocation_points, tev_test::injector_distinct_sites(), t.failures_injected,
        t.runs);
  }
};
const auto* const kTotalsPrinter = ::testing::AddGlobalTestEnvironment(new TotalsPrinter);

}  // namespace

TEST(AllocationFailure, CreationFunctions) {
  for (const TypeRow& row : rows()) {
    exercise(label(row, "create").c_str(), [&](Probe& p) {
      ITevAsnValue* out = nullptr;
      long err = 1;
      p.run([&] {
        out = tev_create_asn_value(row.type, &err);
        return err;
      });
      p.null_only_on_failure(out);
      p.fold(out);
      Value owned(out);
    });
    if (row.from_long) {
      exercise(label(row, "create from a signed number").c_str(), [&](Probe& p) {
        long err = 1;
        Value out;
        p.run([&] {
          out.reset(tev_create_asn_value(-42L, row.type, &err));
          return err;
        });
        p.null_only_on_failure(out.get());
        p.fold(out.get());
      });
    }
    if (row.from_ulong) {
      exercise(label(row, "create from an unsigned number").c_str(), [&](Probe& p) {
        long err = 1;
        Value out;
        p.run([&] {
          out.reset(tev_create_asn_value(7UL, row.type, &err));
          return err;
        });
        p.null_only_on_failure(out.get());
        p.fold(out.get());
      });
    }
    if (row.sample_text != nullptr) {
      exercise(label(row, "create from text").c_str(), [&](Probe& p) {
        long err = 1;
        Value out;
        p.run([&] {
          out.reset(tev_create_asn_value(row.sample_text, row.type, &err));
          return err;
        });
        p.null_only_on_failure(out.get());
        p.fold(out.get());
      });
    }
  }
  exercise("create an object identifier", [](Probe& p) {
    long err = 1;
    Oid out;
    p.run([&] {
      out.reset(tev_create_asn_object_id(&err));
      return err;
    });
    p.null_only_on_failure(out.get());
    p.fold(out.get());
  });
  for (const char* text : {static_cast<const char*>(nullptr), "1.3.6.1.2.1", long_oid().c_str()}) {
    exercise("create an object identifier from text", [&](Probe& p) {
      long err = 1;
      Oid out;
      p.run([&] {
        out.reset(tev_create_asn_object_id(text, &err));
        return err;
      });
      p.null_only_on_failure(out.get());
      p.fold(out.get());
    });
  }
  exercise("create a Counter64 from its halves", [](Probe& p) {
    long err = 1;
    Value out;
    p.run([&] {
      out.reset(tev_create_asn_counter_64(1, 2, &err));
      return err;
    });
    p.null_only_on_failure(out.get());
    p.fold(out.get());
  });
}

TEST(AllocationFailure, CloneAndAssign) {
  for (const TypeRow& row : rows()) {
    exercise(label(row, "clone").c_str(), [&](Probe& p) {
      Value source = sample_of(row);
      long err = 1;
      Value out;
      p.run([&] {
        out.reset(source->clone(&err));
        return err;
      });
      p.null_only_on_failure(out.get());
      p.fold(out.get());
      p.fold(source.get());
    });
    exercise(label(row, "assign").c_str(), [&](Probe& p) {
      Value source = sample_of(row);
      Value target = other_of(row);
      Value before = copy_of(target.get());
      p.run([&] { return target->assign(source.get()); });
      p.unchanged_on_failure(target.get(), before.get());
      p.fold(target.get());
    });
  }
  exercise("clone_oid", [](Probe& p) {
    Oid source = oid_of(long_oid().c_str());
    long err = 1;
    Oid out;
    p.run([&] {
      out.reset(source->clone_oid(&err));
      return err;
    });
    p.null_only_on_failure(out.get());
    p.fold(out.get());
  });
}

TEST(AllocationFailure, TextAndOctetConversions) {
  for (const TypeRow& row : rows()) {
    using NewBuffer = CTevAsnBuffer* (ITevAsnValue::*)(long*) const;
    using IntoBuffer = long (ITevAsnValue::*)(CTevAsnBuffer*) const;
    const struct {
      const char* name;
      NewBuffer make;
      IntoBuffer fill;
    } conversions[] = {{"to_text", &ITevAsnValue::to_text, &ITevAsnValue::to_text_into},
                       {"to_octets", &ITevAsnValue::to_octets, &ITevAsnValue::to_octets_into}};
    for (const auto& conversion : conversions) {
      exercise(label(row, conversion.name).c_str(), [&](Probe& p) {
        Value value = sample_of(row);
        long err = 1;
        Buffer out;
        p.run([&] {
          out.reset((value.get()->*conversion.make)(&err));
          return err;
        });
        p.check(out != nullptr || p.failed(), "null buffer without -3");
        p.check(out == nullptr || !p.failed() || out->length() == 0,
                "a failed conversion left content in the buffer");
        p.fold(out.get());
      });
      exercise(label(row, (std::string(conversion.name) + "_into").c_str()).c_str(), [&](Probe& p) {
        Value value = sample_of(row);
        CTevAsnBuffer buffer;
        prefill(&buffer);
        CTevAsnBuffer before;
        prefill(&before);
        p.run([&] { return (value.get()->*conversion.fill)(&buffer); });
        p.unchanged_on_failure(&buffer, &before);
        p.fold(&buffer);
      });
    }
  }
}

TEST(AllocationFailure, TextAndOctetSetters) {
  for (const TypeRow& row : rows()) {
    if (row.sample_text != nullptr) {
      exercise(label(row, "set_text").c_str(), [&](Probe& p) {
        Value value = other_of(row);
        Value before = copy_of(value.get());
        p.run([&] { return value->set_text(row.sample_text); });
        p.unchanged_on_failure(value.get(), before.get());
        p.fold(value.get());
      });
      exercise(label(row, "set_text_from").c_str(), [&](Probe& p) {
        Value value = other_of(row);
        Value before = copy_of(value.get());
        CTevAsnBuffer text;
        text.assign_text(row.sample_text);
        p.run([&] { return value->set_text_from(&text); });
        p.unchanged_on_failure(value.get(), before.get());
        p.fold(value.get());
      });
    }
    if (has_octets(row)) {
      exercise(label(row, "set_octets").c_str(), [&](Probe& p) {
        Value sample = sample_of(row);
        unsigned long length = 0;
        const unsigned char* data = sample->get_octets(&length, nullptr);
        const std::vector<unsigned char> octets(data, data + length);
        Value value = other_of(row);
        Value before = copy_of(value.get());
        p.run([&] { return value->set_octets(octets.data(), octets.size()); });
        p.unchanged_on_failure(value.get(), before.get());
        p.fold(value.get());
      });
      exercise(label(row, "set_octets_from").c_str(), [&](Probe& p) {
        Value sample = sample_of(row);
        Buffer octets(sample->to_octets(nullptr));
        Value value = other_of(row);
        Value before = copy_of(value.get());
        p.run([&] { return value->set_octets_from(octets.get()); });
        p.unchanged_on_failure(value.get(), before.get());
        p.fold(value.get());
      });
    }
  }
}

TEST(AllocationFailure, IndexEncoding) {
  for (const TypeRow& row : rows()) {
    if (!has_index(row)) continue;
    for (const long implied : {0L, 1L}) {
      const std::string suffix = implied == 0 ? "" : " (implied)";
      exercise(label(row, ("append_to_oid" + suffix).c_str()).c_str(), [&](Probe& p) {
        Value value = sample_of(row);
        Oid oid = oid_of("1.3.6.1.4.1.9");
        p.run([&] { return value->append_to_oid(oid.get(), implied); });
        p.fold(oid.get());
      });
      exercise(label(row, ("assign_to_oid" + suffix).c_str()).c_str(), [&](Probe& p) {
        Value value = sample_of(row);
        Oid oid = oid_of("1.3.6.1.4.1.9");
        p.run([&] { return value->assign_to_oid(oid.get(), implied); });
        p.fold(oid.get());
      });
      // From an identifier set as text, decoding builds its index first.
      for (const bool from_text : {false, true}) {
        const std::string name = "set_from_oid" + suffix + (from_text ? " from text" : "");
        exercise(label(row, name.c_str()).c_str(), [&](Probe& p) {
          Oid index = index_of(sample_of(row).get(), implied);
          if (from_text) {
            unsigned long length = 0;
            const unsigned char* text = index->get_octets(&length, nullptr);
            index = oid_of(std::string(reinterpret_cast<const char*>(text), length).c_str());
          }
          Value value = initial_of(row);
          p.run([&] { return value->set_from_oid(index.get(), implied, kAll); });
          p.fold(value.get());
          p.fold(index.get());
        });
      }
      exercise(label(row, ("append_value" + suffix).c_str()).c_str(), [&](Probe& p) {
        Value value = sample_of(row);
        Oid oid = oid_of("1.3.6.1.4.1.9");
        p.run([&] { return oid->append_value(value.get(), implied); });
        p.fold(oid.get());
      });
      exercise(label(row, ("assign_value" + suffix).c_str()).c_str(), [&](Probe& p) {
        Value value = sample_of(row);
        Oid oid = oid_of("1.3.6.1.4.1.9");
        p.run([&] { return oid->assign_value(value.get(), implied); });
        p.fold(oid.get());
      });
      if (row.sample_text != nullptr) {
        exercise(label(row, ("append_value_text" + suffix).c_str()).c_str(), [&](Probe& p) {
          Oid oid = oid_of("1.3.6.1.4.1.9");
          p.run([&] { return oid->append_value_text(row.sample_text, row.type, implied); });
          p.fold(oid.get());
        });
      }
    }
  }
}

TEST(AllocationFailure, ObjectIdentifierDecodesValues) {
  for (const TypeRow& row : rows()) {
    if (!has_index(row)) continue;
    exercise(label(row, "read_value").c_str(), [&](Probe& p) {
      Oid oid = index_of(sample_of(row).get(), 0);
      Oid before = copy_of(oid.get());
      long err = 1;
      Value out;
      p.run([&] {
        out.reset(oid->read_value(row.type, &err, 0));
        return err;
      });
      p.null_only_on_failure(out.get());
      p.check(oid->is_equal(before.get()), "read_value changed the object identifier");
      p.fold(out.get());
    });
    exercise(label(row, "read_value_into").c_str(), [&](Probe& p) {
      Oid oid = index_of(sample_of(row).get(), 0);
      Oid before = copy_of(oid.get());
      Value value = initial_of(row);
      p.run([&] { return oid->read_value_into(value.get(), 0); });
      p.check(oid->is_equal(before.get()), "read_value_into changed the object identifier");
      p.fold(value.get());
    });
    for (const long implied : {0L, 1L}) {
      exercise(label(row, implied == 0 ? "take_value" : "take_value (implied)").c_str(),
               [&](Probe& p) {
                 Oid oid = index_of(sample_of(row).get(), implied, "9.8.7");
                 Oid before = copy_of(oid.get());
                 const unsigned long length = sample_of(row)->get_oid_length(implied);
                 long err = 1;
                 Value out;
                 p.run([&] {
                   out.reset(oid->take_value(row.type, &err, implied, implied ? length : kAll));
                   return err;
                 });
                 p.null_only_on_failure(out.get());
                 p.unchanged_on_failure(oid.get(), before.get());
                 p.fold(out.get());
                 p.fold(oid.get());
               });
    }
    exercise(label(row, "take_value_into").c_str(), [&](Probe& p) {
      Oid oid = index_of(sample_of(row).get(), 0, "9.8.7");
      Oid before = copy_of(oid.get());
      Value value = initial_of(row);
      p.run([&] { return oid->take_value_into(value.get(), 0, kAll); });
      p.unchanged_on_failure(oid.get(), before.get());
      p.fold(value.get());
      p.fold(oid.get());
    });
  }
}

TEST(AllocationFailure, ObjectIdentifierEditing) {
  // Each operation runs on a short and on a long identifier, set from text so
  // that the count and the start index have to be rebuilt while armed.
  struct Edit {
    const char* name;
    bool unchanged_on_failure;  // what the object identifier promises on -3
    long (*op)(ITevAsnObjectID* oid, ITevAsnObjectID* other, CTevAsnBuffer* buffer,
               tev_test::Probe& p);
  };
  const Edit edits[] = {
      {"set_text", true,
       [](ITevAsnObjectID* oid, ITevAsnObjectID*, CTevAsnBuffer*, Probe&) {
         return oid->set_text("1.3.6.1.6.3.1.1.5.1");
       }},
      {"set_ulong", true,
       [](ITevAsnObjectID* oid, ITevAsnObjectID*, CTevAsnBuffer*, Probe&) {
         return oid->set_ulong(4294967295UL);
       }},
      {"set_octets", true,
       [](ITevAsnObjectID* oid, ITevAsnObjectID*, CTevAsnBuffer*, Probe&) {
         const unsigned char octets[] = {'1', '.', '2', '.', '3'};
         return oid->set_octets(octets, sizeof octets);
       }},
      {"append_text", true,
       [](ITevAsnObjectID* oid, ITevAsnObjectID*, CTevAsnBuffer*, Probe&) {
         return oid->append_text("4.5.6");
       }},
      {"append_text of its own text", true,
       [](ITevAsnObjectID* oid, ITevAsnObjectID*, CTevAsnBuffer*, Probe&) {
         unsigned long length = 0;
         const unsigned char* text = oid->get_octets(&length, nullptr);
         return oid->append_text(reinterpret_cast<const char*>(text) + (length > 4 ? 4 : 0));
       }},
      {"append after erasing from the front", false,
       [](ITevAsnObjectID* oid, ITevAsnObjectID* other, CTevAsnBuffer*, Probe&) {
         oid->erase_sub_ids(0, 2);
         for (int i = 0; i < 40; ++i) {
           const long code = oid->append_oid(other);
           if (code != 0) return code;
         }
         return 0L;
       }},
      {"get_count", true,
       [](ITevAsnObjectID* oid, ITevAsnObjectID*, CTevAsnBuffer*, Probe& p) {
         p.fold(std::uint64_t{oid->get_count()});
         return 0L;
       }},
      {"append_sub_id", true,
       [](ITevAsnObjectID* oid, ITevAsnObjectID*, CTevAsnBuffer*, Probe&) {
         return oid->append_sub_id(4294967295UL);
       }},
      {"append_oid", true,
       [](ITevAsnObjectID* oid, ITevAsnObjectID* other, CTevAsnBuffer*, Probe&) {
         return oid->append_oid(other);
       }},
      {"append_oid of itself", true,
       [](ITevAsnObjectID* oid, ITevAsnObjectID*, CTevAsnBuffer*, Probe&) {
         return oid->append_oid(oid);
       }},
      {"append_to_oid of itself", false,
       [](ITevAsnObjectID* oid, ITevAsnObjectID*, CTevAsnBuffer*, Probe&) {
         return oid->append_to_oid(oid, 0);
       }},
      {"assign_to_oid of itself", false,
       [](ITevAsnObjectID* oid, ITevAsnObjectID*, CTevAsnBuffer*, Probe&) {
         return oid->assign_to_oid(oid, 1);
       }},
      {"set_from_oid of itself", false,
       [](ITevAsnObjectID* oid, ITevAsnObjectID*, CTevAsnBuffer*, Probe&) {
         return oid->set_from_oid(oid, 1, 0xFFFFFFFFUL);
       }},
      {"set_from_oid", false,
       [](ITevAsnObjectID* oid, ITevAsnObjectID* other, CTevAsnBuffer*, Probe&) {
         return oid->set_from_oid(other, 1, 0xFFFFFFFFUL);
       }},
      {"take_prefix", true,
       [](ITevAsnObjectID* oid, ITevAsnObjectID*, CTevAsnBuffer*, Probe& p) {
         long err = 1;
         Oid out(oid->take_prefix(4, &err));
         p.fold(out.get());
         return err;
       }},
      {"take_prefix of nothing", true,
       [](ITevAsnObjectID* oid, ITevAsnObjectID*, CTevAsnBuffer*, Probe& p) {
         long err = 1;
         Oid out(oid->take_prefix(0, &err));
         p.fold(out.get());
         return err;
       }},
      {"take_prefix_into", true,
       [](ITevAsnObjectID* oid, ITevAsnObjectID* other, CTevAsnBuffer*, Probe&) {
         return oid->take_prefix_into(other, 5);
       }},
      {"take_prefix_text", true,
       [](ITevAsnObjectID* oid, ITevAsnObjectID*, CTevAsnBuffer*, Probe& p) {
         long err = 1;
         Buffer out(oid->take_prefix_text(3, &err));
         p.fold(out.get());
         return err;
       }},
      {"take_prefix_text_into", true,
       [](ITevAsnObjectID* oid, ITevAsnObjectID*, CTevAsnBuffer* buffer, Probe&) {
         return oid->take_prefix_text_into(buffer, 6);
       }},
      {"take_first", true,
       [](ITevAsnObjectID* oid, ITevAsnObjectID*, CTevAsnBuffer*, Probe& p) {
         long err = 1;
         p.fold(std::uint64_t{oid->take_first(&err)});
         return err;
       }},
      {"erase_sub_ids in the middle", true,
       [](ITevAsnObjectID* oid, ITevAsnObjectID*, CTevAsnBuffer*, Probe&) {
         return oid->erase_sub_ids(2, 3);
       }},
      {"erase_sub_ids to the end", true,
       [](ITevAsnObjectID* oid, ITevAsnObjectID*, CTevAsnBuffer*, Probe&) {
         return oid->erase_sub_ids(4, 0xFFFFFFFFUL);
       }},
      {"remove_prefix_text", true,
       [](ITevAsnObjectID* oid, ITevAsnObjectID*, CTevAsnBuffer*, Probe&) {
         return oid->remove_prefix_text("1.3.6");
       }},
      {"remove_prefix", true,
       [](ITevAsnObjectID* oid, ITevAsnObjectID* other, CTevAsnBuffer*, Probe&) {
         return oid->remove_prefix(other);
       }},
      {"get_at", true,
       [](ITevAsnObjectID* oid, ITevAsnObjectID*, CTevAsnBuffer*, Probe& p) {
         long err = 1;
         p.fold(std::uint64_t{oid->get_at(5, &err)});
         return err;
       }},
      {"compare", true,
       [](ITevAsnObjectID* oid, ITevAsnObjectID* other, CTevAsnBuffer*, Probe& p) {
         long err = 1;
         p.fold(static_cast<std::uint64_t>(oid->compare(other, &err)));
         return err;
       }},
  };
  for (const char* start : {"1.3.6.1.2.1.1.1.0", long_oid().c_str()}) {
    for (const Edit& edit : edits) {
      const std::string name = std::string("object identifier of ") +
                               (start == long_oid() ? "126" : "9") +
                               " sub-identifiers: " + edit.name;
      exercise(name.c_str(), [&](Probe& p) {
        Oid oid = oid_of(nullptr);
        oid->set_text(start);  // the count and start index are unknown
        Oid before = copy_of(oid.get());
        Oid other = oid_of("1.3.6.1");  // a prefix of both
        CTevAsnBuffer buffer;
        prefill(&buffer);
        p.run([&] { return edit.op(oid.get(), other.get(), &buffer, p); });
        if (edit.unchanged_on_failure) p.unchanged_on_failure(oid.get(), before.get());
        p.fold(oid.get());
        p.fold(other.get());
        p.fold(&buffer);
      });
    }
  }
}

TEST(AllocationFailure, ResultBuffer) {
  struct BufferOp {
    const char* name;
    long (*op)(CTevAsnBuffer* buffer, const CTevAsnBuffer* other, Probe& p);
  };
  const BufferOp ops[] = {
      {"assign",
       [](CTevAsnBuffer* b, const CTevAsnBuffer*, Probe&) { return b->assign("hello", 5); }},
      {"assign_text",
       [](CTevAsnBuffer* b, const CTevAsnBuffer*, Probe&) { return b->assign_text("hello"); }},
      {"assign of its own content",
       [](CTevAsnBuffer* b, const CTevAsnBuffer*, Probe&) {
         return b->length() == 0 ? b->assign("x", 1) : b->assign(b->data() + 1, b->length() - 1);
       }},
      {"append", [](CTevAsnBuffer* b, const CTevAsnBuffer*, Probe&) { return b->append("xy", 2); }},
      {"append_text",
       [](CTevAsnBuffer* b, const CTevAsnBuffer*, Probe&) { return b->append_text("xy"); }},
      {"append_buffer", [](CTevAsnBuffer* b, const CTevAsnBuffer* other,
                           Probe&) { return b->append_buffer(other); }},
      {"append_buffer of itself",
       [](CTevAsnBuffer* b, const CTevAsnBuffer*, Probe&) { return b->append_buffer(b); }},
      {"clone",
       [](CTevAsnBuffer* b, const CTevAsnBuffer*, Probe& p) {
         static CTevAsnBuffer sentinel;
         CTevAsnBuffer* out = &sentinel;
         const long code = b->clone(&out);
         p.check(code != 0 || (out != nullptr && out != &sentinel), "clone without a copy");
         p.check(code == 0 || out == nullptr || out == &sentinel, "failed clone wrote a buffer");
         if (out != &sentinel && out != nullptr) {
           p.fold(out);
           out->release();
         }
         return code;
       }},
  };
  for (const char* start : {"", "abc"}) {
    for (const BufferOp& op : ops) {
      const std::string name = std::string("buffer holding \"") + start + "\": " + op.name;
      exercise(name.c_str(), [&](Probe& p) {
        Buffer buffer(new CTevAsnBuffer);
        buffer->assign_text(start);
        CTevAsnBuffer before;
        before.assign_text(start);
        CTevAsnBuffer other;
        other.assign_text("zz");
        p.run([&] { return op.op(buffer.get(), &other, p); });
        p.unchanged_on_failure(buffer.get(), &before);
        p.fold(buffer.get());
      });
    }
  }
}
