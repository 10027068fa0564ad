// The display functions of the companion (TevAsnDisplay.h), run with each of
// their allocations failing in turn: -3 or the failure-free result, the output
// buffer unchanged on -3, nothing leaked (OomHarness.h). Inputs are long
// enough that the results outgrow the builder's first block.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "OomHarness.h"
#include "TestText.h"
#include "TevAsnDisplay.h"

using namespace NTevAsnValue;
using tev_test::exercise;
using tev_test::Probe;

namespace {

const std::string& long_octets() {
  static const std::string octets = [] {
    std::string s;
    for (int i = 0; i < 300; ++i) s += static_cast<char>(i * 7);
    return s;
  }();
  return octets;
}

// Runs `op` (which writes into `out`) as one scenario.
void exercise_into(const char* name, const std::function<long(CTevAsnBuffer*)>& op) {
  exercise(name, [&](Probe& p) {
    CTevAsnBuffer out, before;
    out.assign_text("previous content");
    before.assign_text("previous content");
    p.run([&] { return op(&out); });
    p.fold(&out);
    p.unchanged_on_failure(&out, &before);
  });
}

}  // namespace

TEST(AllocationFailure, DisplayFunctions) {
  const std::string& octets = long_octets();
  CTevAsnBuffer shown;
  ASSERT_EQ(tev_format_octets_hint("1x:", tev_test::bytes(octets), octets.size(), &shown, nullptr),
            ASN_OK);
  const std::string text(shown.data(), shown.length());

  exercise_into("format by hint", [&](CTevAsnBuffer* out) {
    return tev_format_octets_hint("1x:", tev_test::bytes(octets), octets.size(), out, nullptr);
  });
  exercise_into("parse by hint", [&](CTevAsnBuffer* out) {
    return tev_parse_octets_hint("1x:", text.data(), text.size(), out, nullptr);
  });
  exercise_into("malformed hint with a reason", [&](CTevAsnBuffer* out) {
    CTevAsnBuffer reason;
    return tev_format_octets_hint("1x:;", tev_test::bytes(octets), octets.size(), out, &reason);
  });
  exercise_into("format integer by hint", [&](CTevAsnBuffer* out) {
    return tev_format_integer_hint("d-40", -1234567890123LL, out, nullptr);
  });
  exercise_into("render octets as hex", [&](CTevAsnBuffer* out) {
    return tev_format_octets(tev_test::bytes(octets), octets.size(), TEV_OCTETS_AUTO, out);
  });
  exercise_into("format PhysAddress", [&](CTevAsnBuffer* out) {
    return tev_format_tc("PhysAddress", tev_test::bytes(octets), octets.size(), out, nullptr);
  });
  exercise_into("parse InetAddressIPv6z", [&](CTevAsnBuffer* out) {
    return tev_parse_tc("InetAddressIPv6z", "2001:db8::1%7", 13, out, nullptr);
  });
  // Escaped text both ways, and DateAndTime read field by field.
  const std::string controls(300, '\n');
  exercise_into("format escaped text", [&](CTevAsnBuffer* out) {
    return tev_format_octets(tev_test::bytes(controls), controls.size(), TEV_OCTETS_TEXT, out);
  });
  exercise_into("parse escaped DisplayString", [&](CTevAsnBuffer* out) {
    return tev_parse_tc("DisplayString", "a\\x0ab\\\\c", 10, out, nullptr);
  });
  exercise_into("parse DateAndTime", [&](CTevAsnBuffer* out) {
    return tev_parse_tc("DateAndTime", "2026-3-9,07:05:00.0,+01:00", 26, out, nullptr);
  });
  exercise_into("format a wrapped double", [&](CTevAsnBuffer* out) {
    const unsigned char wrapped[] = {0x9f, 0x79, 0x08, 0x3f, 0xc3, 0x33,
                                     0x33, 0x33, 0x33, 0x33, 0x33};
    return tev_format_opaque(wrapped, sizeof wrapped, out, nullptr);
  });
  exercise_into("wrap an Integer64", [&](CTevAsnBuffer* out) {
    TevOpaqueNumber number;
    number.kind = TEV_OPAQUE_INTEGER64;
    number.signed_value = -129;
    return tev_wrap_opaque(&number, out);
  });
}
