// DISPLAY-HINTs, textual conventions and Opaque-wrapped numbers on arbitrary
// input: no crash, no leak, no unbounded work; a display that reads back shows
// the same again; a wrapped number read, written and read again is the same.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstring>
#include <string>

#include "FuzzSupport.h"
#include "TevAsnDisplay.h"

using namespace NTevAsnValue;
using namespace tev_fuzz;

namespace {

const char* const kConventions[] = {"DisplayString",   "SnmpAdminString",  "PhysAddress",
                                    "MacAddress",      "DateAndTime",      "InetAddressIPv4",
                                    "InetAddressIPv6", "InetAddressIPv4z", "InetAddressIPv6z",
                                    "InetAddressDNS",  "NoSuchConvention"};

void octet_hint(const std::string& hint, const std::string& data) {
  CTevAsnBuffer shown, back, again, reason;
  const long rc =
      tev_format_octets_hint(hint.c_str(), bytes(data.data()), data.size(), &shown, &reason);
  require(rc == ASN_OK || rc == ASN_E_HINT, "format: unexpected code");
  require(rc == ASN_OK || reason.length() != 0, "format: an error without a reason");
  // Reading a text back never fails without a reason, whatever the text.
  const long read = tev_parse_octets_hint(hint.c_str(), data.data(), data.size(), &back, &reason);
  require(read == ASN_OK || reason.length() != 0, "parse of the input: no reason");
  // `t` may drop octets that a reading keeps, so only the other formats must
  // show the same text again.
  if (rc != ASN_OK || hint.find('t') != std::string::npos) return;
  if (tev_parse_octets_hint(hint.c_str(), shown.data(), shown.length(), &back, &reason) != ASN_OK) {
    return;
  }
  require(tev_format_octets_hint(hint.c_str(), bytes(back.data()), back.length(), &again,
                                 &reason) == ASN_OK,
          "a display read back does not format");
  require(again.is_equal_buffer(&shown), "a display read back shows differently");
}

void integer_hint(const std::string& hint, const std::string& data) {
  long long value = 0;
  std::memcpy(&value, data.data(), data.size() < sizeof value ? data.size() : sizeof value);
  CTevAsnBuffer shown, reason;
  const long rc = tev_format_integer_hint(hint.c_str(), value, &shown, &reason);
  require(rc == ASN_OK || (rc == ASN_E_HINT && reason.length() != 0), "integer hint");
}

void convention(const std::string& name, const std::string& data) {
  CTevAsnBuffer shown, back, reason;
  const long rc = tev_format_tc(name.c_str(), bytes(data.data()), data.size(), &shown, &reason);
  require(rc == ASN_OK || reason.length() != 0, "tc format: an error without a reason");
  tev_parse_tc(name.c_str(), data.data(), data.size(), &back, &reason);
  if (rc != ASN_OK || name == "SnmpAdminString") return;
  // Every other convention's display reads back to the same octets.
  require(tev_parse_tc(name.c_str(), shown.data(), shown.length(), &back, &reason) == ASN_OK,
          "a convention's display does not read back");
  require(back.is_equal(data.data(), data.size()), "a convention's display reads back differently");
}

void opaque(const std::string& data) {
  TevOpaqueNumber number;
  CTevAsnBuffer reason, shown, wrapped, again;
  if (tev_unwrap_opaque(bytes(data.data()), data.size(), &number, &reason) != ASN_OK) {
    require(reason.length() != 0, "opaque: an error without a reason");
    return;
  }
  require(tev_format_opaque(bytes(data.data()), data.size(), &shown, nullptr) == ASN_OK,
          "opaque format");
  require(tev_wrap_opaque(&number, &wrapped) == ASN_OK, "opaque wrap");
  require(tev_format_opaque(bytes(wrapped.data()), wrapped.length(), &again, nullptr) == ASN_OK,
          "a written number does not read back");
  require(again.is_equal_buffer(&shown), "a written number reads back differently");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider provider(data, size);
  const int mode = provider.ConsumeIntegralInRange<int>(0, 3);
  const std::string hint = provider.ConsumeRandomLengthString(300);
  const std::string rest = provider.ConsumeRemainingBytesAsString();
  switch (mode) {
    case 0:
      octet_hint(hint, rest);
      break;
    case 1:
      integer_hint(hint, rest);
      break;
    case 2:
      convention(kConventions[hint.size() % (sizeof kConventions / sizeof kConventions[0])], rest);
      break;
    default:
      opaque(rest);
      break;
  }
  return 0;
}
