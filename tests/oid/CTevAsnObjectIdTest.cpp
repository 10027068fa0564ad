// The object identifier's text: syntax check, relation codes, editing,
// splitting, reading sub-identifiers and the cached count.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "OidTestUtil.h"
#include "TevAsnValue.h"

using namespace NTevAsnValue;
using oid_test::expect_consistent;
using oid_test::text_of;
using oid_test::warm_caches;

namespace {

constexpr unsigned long kAll = 0xFFFFFFFFUL;

}  // namespace

TEST(ObjectId, SyntaxCheckAcceptsDottedDecimalOnly) {
  const struct {
    const char* text;
    bool valid;
  } cases[] = {
      {"", true},
      {"0", true},
      {"0.0", true},
      {"1.3.6.1.2.1", true},
      {"4294967296", true},
      {"1.0.10.200", true},
      {"99999999999999999999999.1", true},
      {"1..3", false},
      {".1", false},
      {"1.", false},
      {".", false},
      {"01.2", false},
      {"1.3.06", false},
      {"00", false},
      {"1 .2", false},
      {" 1", false},
      {"1\t", false},
      {"+1", false},
      {"-1", false},
      {"1.a", false},
      {"1,3", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    CTevAsnObjectId oid;
    ASSERT_EQ(oid.set_text(c.text), ASN_OK);
    EXPECT_EQ(oid.is_valid(), c.valid);
    EXPECT_EQ(text_of(oid), c.text);  // stored verbatim either way

    long err = 1;
    ITevAsnObjectID* created = tev_create_asn_object_id(c.text, &err);
    EXPECT_EQ(created != nullptr, c.valid);
    EXPECT_EQ(err, c.valid ? ASN_OK : ASN_E_INVALID_ARGUMENT);
    if (created != nullptr) created->release();
    ITevAsnValue* value = tev_create_asn_value(c.text, ASN_OBJECT_ID, &err);
    EXPECT_EQ(value != nullptr, c.valid);
    if (value != nullptr) value->release();
  }
  // Long texts with one fault moved through every position, so that each
  // rule is met inside a block of sixteen characters and across its edges.
  const std::string good = "1.3.6.1.4.1.45678.10.0.7.1.200.3.0.99.5";
  for (std::size_t at = 0; at < good.size(); ++at) {
    for (const char* fault : {".", "0", "x", "\x80"}) {
      std::string text = good;
      text.insert(at, fault);
      // The reference: the components, split at every dot.
      bool valid = true;
      std::size_t begin = 0;
      for (std::size_t end; valid; begin = end + 1) {
        end = text.find('.', begin);
        const std::string part = text.substr(begin, end - begin);
        valid = !part.empty() && part.find_first_not_of("0123456789") == std::string::npos &&
                (part == "0" || part[0] != '0');
        if (end == std::string::npos) break;
      }
      SCOPED_TRACE(text);
      CTevAsnObjectId oid;
      ASSERT_EQ(oid.set_text(text.c_str()), ASN_OK);
      EXPECT_EQ(oid.is_valid(), valid);
    }
  }
  // Text with a zero byte inside (possible through set_octets) is not valid.
  CTevAsnObjectId oid;
  const unsigned char with_zero[] = {'1', '.', '\0', '.', '3'};
  ASSERT_EQ(oid.set_octets(with_zero, sizeof with_zero), ASN_OK);
  EXPECT_FALSE(oid.is_valid());
  EXPECT_EQ(oid.get_count(), 3UL);
}

TEST(ObjectId, RelationCodesFollowCharacterOrderAndSeparators) {
  const struct {
    const char* self;
    const char* other;
    long code;
  } cases[] = {
      {"1.3.6", "1.3.6", 0},
      {"1.3.6", "1.3.6.1", 1},
      {"1.3.6", "1.3", 2},
      {"1.3.6", "1.3.7", 3},
      {"1.3.6", "1.3.5.9", 4},
      {"1.3.6.10", "1.3.6.9", 3},
      {"1.30", "1.3", 4},
      {"1.3", "1.30", 3},
      {"", "", 0},
      {"", "1", 3},
      {"1", "", 4},
      {"1.3", "1.3.", 1},
      {"1.3.\x80", "1.3.1", 3},  // characters compare as signed 8-bit values
      {"1.3.1", "1.3.\xff", 4},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.self) + " vs " + c.other);
    CTevAsnObjectId self;
    CTevAsnObjectId other;
    ASSERT_EQ(self.set_text(c.self), ASN_OK);
    ASSERT_EQ(other.set_text(c.other), ASN_OK);
    long err = 1;
    EXPECT_EQ(self.compare_text(c.other, &err), c.code);
    EXPECT_EQ(err, ASN_OK);
    err = 1;
    EXPECT_EQ(self.compare(&other, &err), c.code);
    EXPECT_EQ(err, ASN_OK);
    EXPECT_EQ(self.compare_text(c.other, nullptr), c.code);
    EXPECT_EQ(self.is_equal(&other), c.code == 0);
  }
}

// Long texts compared in blocks: a difference at any position, in either
// direction and with a negative character, and a prefix cut anywhere; as text
// and between two identifiers, each way round.
TEST(ObjectId, RelationFindsTheFirstDifferenceAtAnyPosition) {
  std::string base = "1";
  for (int i = 2; base.size() < 40; ++i) base += "." + std::to_string(i);
  const auto both_ways = [](const CTevAsnObjectId& self, const std::string& other, long expected) {
    CTevAsnObjectId oid;
    ASSERT_EQ(oid.set_text(other.c_str()), ASN_OK);
    EXPECT_EQ(self.compare(&oid, nullptr), expected) << other;
    constexpr long kSwapped[] = {0, 2, 1, 4, 3};
    EXPECT_EQ(oid.compare(&self, nullptr), kSwapped[expected]) << other;
  };
  for (std::size_t length = 1; length <= base.size(); ++length) {
    const std::string text = base.substr(0, length);
    CTevAsnObjectId self;
    ASSERT_EQ(self.set_text(text.c_str()), ASN_OK);
    EXPECT_EQ(self.compare_text(text.c_str(), nullptr), 0) << text;
    both_ways(self, text, 0);
    for (std::size_t at = 0; at < length; ++at) {
      for (const char changed : {'\x80', '#', '~'}) {
        if (changed == text[at]) continue;
        std::string other = text;
        other[at] = changed;
        const long expected =
            static_cast<signed char>(text[at]) < static_cast<signed char>(changed) ? 3 : 4;
        EXPECT_EQ(self.compare_text(other.c_str(), nullptr), expected) << text << " at " << at;
        both_ways(self, other, expected);
      }
      const long cut = text[at] == '.' ? 2 : 4;
      EXPECT_EQ(self.compare_text(text.substr(0, at).c_str(), nullptr), cut)
          << text << " at " << at;
      both_ways(self, text.substr(0, at), cut);
    }
  }
}

// Every editing and splitting operation on one identifier: what it returns,
// what it hands out and what remains.
TEST(ObjectId, EraseAndPrefixOperations) {
  using Op = std::function<long(CTevAsnObjectId&, std::string*)>;
  const auto erase = [](unsigned long index, unsigned long n) -> Op {
    return [=](CTevAsnObjectId& oid, std::string*) { return oid.erase_sub_ids(index, n); };
  };
  const auto take_prefix = [](unsigned long n) -> Op {
    return [=](CTevAsnObjectId& oid, std::string* taken) {
      long err = 1;
      ITevAsnObjectID* prefix = oid.take_prefix(n, &err);
      if (prefix != nullptr) {
        *taken = text_of(*prefix);
        prefix->release();
      }
      return err;
    };
  };
  const auto take_prefix_text = [](unsigned long n) -> Op {
    return [=](CTevAsnObjectId& oid, std::string* taken) {
      long err = 1;
      CTevAsnBuffer* buffer = oid.take_prefix_text(n, &err);
      if (buffer != nullptr) {
        *taken = std::string(buffer->data() ? buffer->data() : "", buffer->length());
        buffer->release();
      }
      return err;
    };
  };
  const auto take_prefix_into = [](unsigned long n) -> Op {
    return [=](CTevAsnObjectId& oid, std::string* taken) {
      CTevAsnObjectId target;
      target.set_text("8.8");
      const long code = oid.take_prefix_into(&target, n);
      *taken = text_of(target);
      return code;
    };
  };
  const auto remove_prefix_text = [](const char* prefix) -> Op {
    return [=](CTevAsnObjectId& oid, std::string*) { return oid.remove_prefix_text(prefix); };
  };
  const auto remove_prefix = [](const char* prefix) -> Op {
    return [=](CTevAsnObjectId& oid, std::string*) {
      CTevAsnObjectId other;
      other.set_text(prefix);
      return oid.remove_prefix(&other);
    };
  };
  const auto take_first = [](CTevAsnObjectId& oid, std::string* taken) {
    long err = 1;
    *taken = std::to_string(oid.take_first(&err));
    return err;
  };

  const struct {
    const char* name;
    const char* start;
    Op op;
    long code;
    const char* taken;  // what a take operation hands out
    const char* rest;
  } cases[] = {
      {"erase 1,1", "1.3.6.1.2", erase(1, 1), 0, "", "1.6.1.2"},
      {"erase 0,1", "1.3.6.1.2", erase(0, 1), 0, "", "3.6.1.2"},
      {"erase 0,2", "1.3.6.1.2", erase(0, 2), 0, "", "6.1.2"},
      {"erase 2,2", "1.3.6.1.2", erase(2, 2), 0, "", "1.3.2"},
      {"erase 1,all", "1.3.6.1.2", erase(1, kAll), 0, "", "1"},
      {"erase 3,2 reaches end", "1.3.6.1.2", erase(3, 2), 0, "", "1.3.6"},
      {"erase 4,1 last", "1.3.6.1.2", erase(4, 1), 0, "", "1.3.6.1"},
      {"erase 0,10", "1.3.6.1.2", erase(0, 10), 0, "", ""},
      {"erase 2,0", "1.3.6.1.2", erase(2, 0), 0, "", "1.3.6.1.2"},
      {"erase index past end", "1.3.6.1.2", erase(5, 1), ASN_E_INVALID_ARGUMENT, "", "1.3.6.1.2"},
      {"erase on empty", "", erase(0, 0), ASN_E_INVALID_ARGUMENT, "", ""},
      {"take_prefix 2", "1.3.6.1", take_prefix(2), 0, "1.3", "6.1"},
      {"take_prefix 4", "1.3.6.1", take_prefix(4), 0, "1.3.6.1", ""},
      {"take_prefix 9", "1.3.6.1", take_prefix(9), 0, "1.3.6.1", ""},
      {"take_prefix all", "1.3.6.1", take_prefix(kAll), 0, "1.3.6.1", ""},
      {"take_prefix 0", "1.3.6.1", take_prefix(0), 0, "", "1.3.6.1"},
      {"take_prefix on empty", "", take_prefix(3), 0, "", ""},
      {"take_prefix_text 3", "1.3.6.1", take_prefix_text(3), 0, "1.3.6", "1"},
      {"take_prefix_text 0", "1.3.6.1", take_prefix_text(0), 0, "", "1.3.6.1"},
      {"take_prefix_into 1", "10.20.30", take_prefix_into(1), 0, "10", "20.30"},
      {"take_prefix_into 0", "10.20.30", take_prefix_into(0), 0, "", "10.20.30"},
      {"take_first", "7.8", take_first, 0, "7", "8"},
      {"take_first last", "7", take_first, 0, "7", ""},
      {"take_first empty", "", take_first, ASN_E_EMPTY, "4294967295", ""},
      {"take_first above 32 bits", "4294967296.1", take_first, ASN_E_SUBID_RANGE, "4294967295",
       "4294967296.1"},
      {"remove_prefix_text below", "1.3.6.1", remove_prefix_text("1.3"), 0, "", "6.1"},
      {"remove_prefix_text equal", "1.3", remove_prefix_text("1.3"), 0, "", ""},
      {"remove_prefix_text not a prefix", "1.30.6", remove_prefix_text("1.3"),
       ASN_E_INVALID_ARGUMENT, "", "1.30.6"},
      {"remove_prefix_text longer", "1.3", remove_prefix_text("1.3.6"), ASN_E_INVALID_ARGUMENT, "",
       "1.3"},
      {"remove_prefix_text empty", "1.3", remove_prefix_text(""), ASN_E_INVALID_ARGUMENT, "",
       "1.3"},
      {"remove_prefix_text empty on empty", "", remove_prefix_text(""), ASN_E_INVALID_ARGUMENT, "",
       ""},
      {"remove_prefix below", "1.3.6.1", remove_prefix("1.3.6"), 0, "", "1"},
      {"remove_prefix sibling", "1.3.6.1", remove_prefix("1.3.7"), ASN_E_INVALID_ARGUMENT, "",
       "1.3.6.1"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    for (bool warm : {false, true}) {  // with and without the caches built
      CTevAsnObjectId oid;
      ASSERT_EQ(oid.set_text(c.start), ASN_OK);
      if (warm) warm_caches(oid);
      std::string taken;
      EXPECT_EQ(c.op(oid, &taken), c.code);
      EXPECT_EQ(taken, c.taken);
      EXPECT_EQ(text_of(oid), c.rest);
      expect_consistent(oid);
    }
  }
}

TEST(ObjectId, SubIdentifiersReadAsAtolReadsThem) {
  const struct {
    const char* text;
    unsigned long index;
    unsigned long value;
    long code;
  } cases[] = {
      {"1.3.6", 0, 1, 0},
      {"1.3.6", 2, 6, 0},
      {"1.4294967295", 1, 0xFFFFFFFFUL, 0},
      {"1.4294967296", 1, 0xFFFFFFFFUL, ASN_E_SUBID_RANGE},
      {"1.99999999999999999999", 1, 0xFFFFFFFFUL, ASN_E_SUBID_RANGE},
      {"1.-1", 1, 0xFFFFFFFFUL, 0},  // the 32-bit pattern of a negative number
      {"1.-2147483648", 1, 0x80000000UL, 0},
      {"1.-2147483649", 1, 0xFFFFFFFFUL, ASN_E_SUBID_RANGE},
      {"1..3", 1, 0, 0},
      {"1..3", 2, 3, 0},
      {"1.a.3", 1, 0, 0},
      {"1. 5", 1, 5, 0},
      {"7x.2", 0, 7, 0},
      {"1.", 1, 0, 0},
      {"1.3", 2, 0xFFFFFFFFUL, ASN_E_OUT_OF_RANGE},
      {"", 0, 0xFFFFFFFFUL, ASN_E_EMPTY},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.text) + " at " + std::to_string(c.index));
    CTevAsnObjectId oid;
    ASSERT_EQ(oid.set_text(c.text), ASN_OK);
    long err = 1;
    EXPECT_EQ(oid.get_at(c.index, &err), c.value);
    EXPECT_EQ(err, c.code);
    EXPECT_EQ(oid.get_at(c.index, nullptr), c.value);
    if (c.index == 0 && c.code != ASN_E_EMPTY) {
      err = 1;
      EXPECT_EQ(oid.get_ulong(&err), c.value);
      EXPECT_EQ(err, c.code);
    }
  }
  // get_ulong of the empty identifier: 0, no error.
  CTevAsnObjectId empty;
  long err = 1;
  EXPECT_EQ(empty.get_ulong(&err), 0UL);
  EXPECT_EQ(err, ASN_OK);
}

TEST(ObjectId, AppendedSubIdentifiersReadBack) {
  const unsigned long values[] = {0, 1, 9, 10, 2147483647UL, 2147483648UL, 4294967295UL};
  CTevAsnObjectId oid;
  std::string expected;
  for (unsigned long value : values) {
    ASSERT_EQ(oid.append_sub_id(value), ASN_OK);
    expected += (expected.empty() ? "" : ".") + std::to_string(value);
  }
  EXPECT_EQ(text_of(oid), expected);
  expect_consistent(oid);
  EXPECT_TRUE(oid.is_valid());
}

// The cached count (and the start index behind it) follows every kind of
// change; each step starts from warm caches so that a stale cache shows.
TEST(ObjectId, CachedCountFollowsEveryChange) {
  CTevAsnObjectId other;
  other.set_text("5.6.7");
  CTevAsnObjectId oid;
  const struct {
    const char* name;
    std::function<void()> change;
    const char* text;
  } steps[] = {
      {"set_text", [&] { oid.set_text("1.3.6"); }, "1.3.6"},
      {"append_sub_id", [&] { oid.append_sub_id(1); }, "1.3.6.1"},
      {"append_text", [&] { oid.append_text("2.1"); }, "1.3.6.1.2.1"},
      {"append_oid", [&] { oid.append_oid(&other); }, "1.3.6.1.2.1.5.6.7"},
      {"append_oid self", [&] { oid.append_oid(&oid); }, "1.3.6.1.2.1.5.6.7.1.3.6.1.2.1.5.6.7"},
      {"erase middle", [&] { oid.erase_sub_ids(3, 12); }, "1.3.6.5.6.7"},
      {"erase tail", [&] { oid.erase_sub_ids(4, kAll); }, "1.3.6.5"},
      {"append after erase", [&] { oid.append_sub_id(42); }, "1.3.6.5.42"},
      {"take_first", [&] { oid.take_first(nullptr); }, "3.6.5.42"},
      {"remove_prefix_text", [&] { oid.remove_prefix_text("3.6"); }, "5.42"},
      {"take_prefix", [&] { oid.take_prefix(1, nullptr)->release(); }, "42"},
      {"set_ulong", [&] { oid.set_ulong(77); }, "77"},
      {"append_value", [&] { oid.append_value(&other, 0); }, "77.3.5.6.7"},
      {"assign", [&] { oid.assign(&other); }, "5.6.7"},
      {"set_octets", [&] { oid.set_octets(reinterpret_cast<const unsigned char*>("9.9"), 3); },
       "9.9"},
      {"set_from_oid", [&] { oid.set_from_oid(&other, 1, kAll); }, "5.6.7"},
      {"clear", [&] { oid.clear(); }, ""},
      {"append to empty", [&] { oid.append_oid(&other); }, "5.6.7"},
      {"set_text null", [&] { oid.set_text(nullptr); }, ""},
      // assign indexes a source that was never read and hands the index over.
      {"assign from a changed source",
       [&] {
         other.set_text("4.4");
         oid.assign(&other);
         other.append_sub_id(8);
       },
       "4.4"},
      {"assign the source's extended index", [&] { oid.assign(&other); }, "4.4.8"},
  };
  for (const auto& step : steps) {
    SCOPED_TRACE(step.name);
    warm_caches(oid);
    step.change();
    EXPECT_EQ(text_of(oid), step.text);
    expect_consistent(oid);
  }
}

// Components whose values the index does not hold (beyond 32 bits) must
// still be read from the text after every edit that
// drops, moves or copies entries, while the values before them keep coming
// from the index.
TEST(ObjectId, ValuesReadFromTheTextSurviveEveryEdit) {
  const std::string kText = "1.2.99999999999.3.77777777777.5.6";
  const struct {
    const char* name;
    std::function<void(CTevAsnObjectId&)> edit;
  } edits[] = {
      {"erase the front before it", [](CTevAsnObjectId& o) { o.erase_sub_ids(0, 1); }},
      {"erase the front past it", [](CTevAsnObjectId& o) { o.erase_sub_ids(0, 3); }},
      {"erase the front past both", [](CTevAsnObjectId& o) { o.erase_sub_ids(0, 5); }},
      {"erase it in the middle", [](CTevAsnObjectId& o) { o.erase_sub_ids(2, 1); }},
      {"erase before it in the middle", [](CTevAsnObjectId& o) { o.erase_sub_ids(1, 1); }},
      {"erase the tail from it", [](CTevAsnObjectId& o) { o.erase_sub_ids(2, kAll); }},
      {"erase the tail after it", [](CTevAsnObjectId& o) { o.erase_sub_ids(3, kAll); }},
      {"grow past the block after erasing the front",
       [](CTevAsnObjectId& o) {
         o.erase_sub_ids(0, 3);
         for (unsigned long i = 0; i < 100; ++i) o.append_sub_id(i);
       }},
      {"copy after erasing the front",
       [](CTevAsnObjectId& o) {
         o.erase_sub_ids(0, 3);
         CTevAsnObjectId copy;
         copy.assign(&o);
         o.assign(&copy);
       }},
      {"append another", [](CTevAsnObjectId& o) { o.append_text("88888888888.7"); }},
      {"set a plain text", [](CTevAsnObjectId& o) { o.set_text("1.2.3"); }},
  };
  for (const auto& e : edits) {
    for (const bool warm : {false, true}) {
      SCOPED_TRACE(std::string(e.name) + (warm ? " with the index built" : ""));
      CTevAsnObjectId oid;
      oid.set_text(kText.c_str());
      if (warm) warm_caches(oid);
      e.edit(oid);
      expect_consistent(oid);
    }
  }
}

// Erasing from a text with an empty component can leave nothing but that
// component ("2." less "2"), which the empty text cannot hold. The identifier
// must then be empty with the count 0: a count of 1 used to survive, and the
// reads and prefixes that trusted it went past the end of the text (a bogus
// -3 from take_prefix_text, an index read out of bounds in get_at).
TEST(ObjectId, ErasingDownToALoneEmptyComponentEmptiesTheIdentifier) {
  const struct {
    const char* text;
    unsigned long index;
    unsigned long n;
  } cases[] = {{"2.", 0, 1}, {".", 0, 1}, {".", 1, kAll}, {"2.", 0, kAll}};
  for (const auto& c : cases) {
    for (const bool warm : {false, true}) {
      SCOPED_TRACE(std::string(c.text) + " erase " + std::to_string(c.index) +
                   (warm ? " with the index built" : ""));
      CTevAsnObjectId oid;
      oid.set_text(c.text);
      if (warm) warm_caches(oid);
      ASSERT_EQ(oid.erase_sub_ids(c.index, c.n), ASN_OK);
      EXPECT_EQ(text_of(oid), "");
      expect_consistent(oid);
      // Grow it again, doubling through itself, then split it.
      ASSERT_EQ(oid.append_sub_id(5), ASN_OK);
      ASSERT_EQ(oid.append_oid(&oid), ASN_OK);
      EXPECT_EQ(text_of(oid), "5.5");
      expect_consistent(oid);
      long err = 1;
      CTevAsnBuffer* prefix = oid.take_prefix_text(1, &err);
      ASSERT_NE(prefix, nullptr);
      EXPECT_EQ(err, ASN_OK);
      EXPECT_TRUE(prefix->is_equal_text("5"));
      prefix->release();
      EXPECT_EQ(text_of(oid), "5");
      expect_consistent(oid);
    }
  }
}

TEST(ObjectId, AppendTextIsVerbatimAfterASeparator) {
  CTevAsnObjectId oid;
  oid.set_text("1.3");
  EXPECT_EQ(oid.append_text(""), ASN_OK);
  EXPECT_EQ(oid.append_text(nullptr), ASN_OK);
  EXPECT_EQ(text_of(oid), "1.3");
  EXPECT_EQ(oid.append_text("ab.cd"), ASN_OK);
  EXPECT_EQ(text_of(oid), "1.3.ab.cd");
  EXPECT_EQ(oid.get_count(), 4UL);
  EXPECT_EQ(oid.get_at(3, nullptr), 0UL);

  CTevAsnObjectId empty;
  EXPECT_EQ(empty.append_text("1.3"), ASN_OK);
  EXPECT_EQ(text_of(empty), "1.3");  // no leading separator
}

TEST(ObjectId, ErasingFromTheFrontThenGrowingKeepsTextAndIndex) {
  // Taking values off the front, then appending past the block, with and
  // without the index built; and a copy of such an identifier.
  for (bool warm : {false, true}) {
    SCOPED_TRACE(warm ? "index built" : "index not built");
    CTevAsnObjectId oid;
    oid.set_text("1.3.6.1.2.1.4.22.1.2.17.192.168.1.10");
    if (warm) warm_caches(oid);
    EXPECT_EQ(oid.erase_sub_ids(0, 10), ASN_OK);
    EXPECT_EQ(oid.take_first(nullptr), 17UL);
    expect_consistent(oid);
    std::string expected = "192.168.1.10";
    for (unsigned long i = 0; i < 100; ++i) {
      ASSERT_EQ(oid.append_sub_id(i), ASN_OK);
      expected += "." + std::to_string(i);
    }
    EXPECT_EQ(text_of(oid), expected);
    expect_consistent(oid);
    CTevAsnObjectId copy;
    EXPECT_EQ(copy.assign(&oid), ASN_OK);
    EXPECT_EQ(text_of(copy), expected);
    expect_consistent(copy);
    EXPECT_EQ(oid.erase_sub_ids(1, 2), ASN_OK);
    EXPECT_EQ(text_of(oid), "192.10." + expected.substr(std::string("192.168.1.10.").size()));
    expect_consistent(oid);
  }
}

// A copy is the same text at every length, across the sizes copied in
// fixed blocks (8-15, 16-32, 33-64) and their edges, into a fresh object and
// over a longer text, from a source whose text begins inside its block.
TEST(ObjectId, CopyKeepsTheTextAtEveryLength) {
  std::string digits = "1";
  for (int i = 1; digits.size() < 80; ++i) digits += "." + std::to_string(1 + i % 9);
  for (std::size_t length = 1; length <= 70; ++length) {
    // "1.2.3" and "1.2.0": every length, every component a single digit.
    std::string text = digits.substr(0, length);
    if (text.back() == '.') text.back() = '0';
    CTevAsnObjectId source;
    ASSERT_EQ(source.set_text(("7." + text).c_str()), ASN_OK);
    ASSERT_EQ(source.erase_sub_ids(0, 1), ASN_OK);
    CTevAsnObjectId fresh;
    CTevAsnObjectId reused;
    ASSERT_EQ(reused.set_text(digits.c_str()), ASN_OK);
    for (CTevAsnObjectId* copy : {&fresh, &reused}) {
      EXPECT_EQ(copy->assign(&source), ASN_OK);
      EXPECT_EQ(text_of(*copy), text) << length;
      expect_consistent(*copy);
    }
  }
}

TEST(ObjectId, AppendTextTakenFromItselfSurvivesTheGrowth) {
  // Long enough that appending moves the text to a larger block.
  std::string text = "1.3";
  for (int i = 0; i < 200; ++i) text += ".77";
  CTevAsnObjectId oid;
  oid.set_text(text.c_str());
  unsigned long length = 0;
  const char* own = reinterpret_cast<const char*>(oid.get_octets(&length, nullptr));
  EXPECT_EQ(oid.append_text(own + 2), ASN_OK);
  EXPECT_EQ(text_of(oid), text + "." + text.substr(2));
  expect_consistent(oid);
}

TEST(ObjectId, ValueInterfaceOfAnObjectIdentifier) {
  CTevAsnObjectId oid;
  oid.set_text("1.3.6");
  EXPECT_EQ(oid.get_type(), ASN_OBJECT_ID);
  EXPECT_EQ(oid.query_object_id(), static_cast<ITevAsnObjectID*>(&oid));

  for (unsigned long id : {0xF0000006UL, 6UL}) {
    void* out = nullptr;
    oid.query_class(id, &out);
    EXPECT_EQ(out, static_cast<void*>(static_cast<ITevAsnObjectID*>(&oid)));
  }
  void* out = &oid;
  oid.query_class(0xF0000005UL, &out);
  EXPECT_EQ(out, nullptr);
  oid.query_class(0xFF00UL, &out);
  EXPECT_EQ(out, static_cast<void*>(static_cast<ITevAsnValue*>(&oid)));
  oid.query_class(0xF0000006UL, nullptr);  // ignored

  // Numbers: only the unsigned form; a single sub-identifier.
  long err = 0;
  EXPECT_EQ(oid.get_ulong(&err), 1UL);
  EXPECT_EQ(oid.get_long(&err), -1);
  EXPECT_EQ(err, ASN_E_NOT_SUPPORTED);
  EXPECT_EQ(oid.set_long(5), ASN_E_NOT_SUPPORTED);
  EXPECT_EQ(oid.set_port(5), ASN_E_NOT_SUPPORTED);
  EXPECT_EQ(oid.set_high(5), ASN_E_NOT_SUPPORTED);
  EXPECT_EQ(oid.set_low(5), ASN_E_NOT_SUPPORTED);
  EXPECT_EQ(text_of(oid), "1.3.6");
  EXPECT_EQ(oid.set_ulong(42), ASN_OK);
  EXPECT_EQ(text_of(oid), "42");
  EXPECT_EQ(oid.get_count(), 1UL);
  EXPECT_EQ(oid.set_ulong(4294967295UL), ASN_OK);
  EXPECT_EQ(text_of(oid), "4294967295");

  // Text and octets are the dotted text itself.
  oid.set_text("1.3.6.1");
  CTevAsnBuffer* text = oid.to_text(&err);
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(err, ASN_OK);
  EXPECT_TRUE(text->is_equal_text("1.3.6.1"));
  CTevAsnBuffer* octets = oid.to_octets(&err);
  ASSERT_NE(octets, nullptr);
  EXPECT_TRUE(octets->is_equal_buffer(text));
  CTevAsnObjectId copy;
  EXPECT_EQ(copy.set_text_from(text), ASN_OK);
  EXPECT_TRUE(copy.is_equal(&oid));
  EXPECT_EQ(copy.set_octets_from(octets), ASN_OK);
  EXPECT_TRUE(copy.is_equal(&oid));
  text->assign(nullptr, 0);
  EXPECT_EQ(copy.set_text_from(text), ASN_OK);  // an empty buffer: the empty text
  EXPECT_EQ(copy.get_count(), 0UL);
  EXPECT_EQ(copy.set_octets_from(text), ASN_E_INVALID_ARGUMENT);  // no data pointer
  text->release();
  octets->release();

  // Equality is character for character.
  copy.set_text("1.3.06.1");
  EXPECT_FALSE(copy.is_equal(&oid));
  EXPECT_FALSE(oid.is_equal(nullptr));
  ITevAsnValue* null_value = tev_create_asn_value(ASN_NULL, nullptr);
  EXPECT_FALSE(oid.is_equal(null_value));
  EXPECT_EQ(oid.assign(null_value), ASN_E_INVALID_ARGUMENT);
  EXPECT_EQ(text_of(oid), "1.3.6.1");
  null_value->release();

  // Clones are independent copies.
  ITevAsnValue* clone = oid.clone(&err);
  ASSERT_NE(clone, nullptr);
  EXPECT_EQ(err, ASN_OK);
  EXPECT_TRUE(clone->is_equal(&oid));
  ITevAsnObjectID* clone_oid = oid.clone_oid(nullptr);
  ASSERT_NE(clone_oid, nullptr);
  clone_oid->append_sub_id(9);
  EXPECT_FALSE(clone_oid->is_equal(&oid));
  EXPECT_EQ(oid.assign(clone_oid), ASN_OK);
  EXPECT_EQ(text_of(oid), "1.3.6.1.9");
  clone_oid->release();
  clone->release();
}

TEST(ObjectId, CreationFunctions) {
  long err = 1;
  ITevAsnObjectID* empty = tev_create_asn_object_id(&err);
  ASSERT_NE(empty, nullptr);
  EXPECT_EQ(err, ASN_OK);
  EXPECT_EQ(empty->get_count(), 0UL);
  EXPECT_TRUE(empty->is_valid());
  empty->release();

  ITevAsnObjectID* from_null = tev_create_asn_object_id(nullptr, &err);
  ASSERT_NE(from_null, nullptr);
  EXPECT_EQ(err, ASN_OK);
  from_null->release();

  ITevAsnValue* value = tev_create_asn_value(ASN_OBJECT_ID, &err);
  ASSERT_NE(value, nullptr);
  EXPECT_EQ(value->get_type(), ASN_OBJECT_ID);
  EXPECT_NE(value->query_object_id(), nullptr);
  value->release();

  value = tev_create_asn_value(7UL, ASN_OBJECT_ID, &err);
  ASSERT_NE(value, nullptr);
  EXPECT_EQ(text_of(*value), "7");
  value->release();
  EXPECT_EQ(tev_create_asn_value(7L, ASN_OBJECT_ID, &err), nullptr);
  EXPECT_EQ(err, ASN_E_NOT_SUPPORTED);
  EXPECT_EQ(tev_create_asn_object_id("1.", nullptr), nullptr);
}
