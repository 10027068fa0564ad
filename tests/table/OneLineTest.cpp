// Every writer of agent octets as text keeps one value in one field on one
// line, whatever byte it holds, and its reader (where there is one) gives the
// octets back.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "TevAsnDisplay.h"
#include "TevAsnTable.h"
#include "TevAsnValuePtr.h"

using namespace NTevAsnValue;

namespace {

using Octets = std::vector<unsigned char>;
using Text = std::string;

Text text_of(const CTevAsnBuffer& buffer) {
  return buffer.length() == 0 ? Text() : Text(buffer.data(), buffer.length());
}

bool breaks_line(const Text& text) {
  return text.find_first_of(std::string("\t\n\r\0", 4)) != Text::npos;
}

struct Writer {
  const char* name;
  std::function<long(const Octets&, CTevAsnBuffer*)> write;
  std::function<long(const Text&, CTevAsnBuffer*)> read;  // empty: no reader
};

std::vector<Writer> writers() {
  const auto hint = [](const char* h) {
    return Writer{h,
                  [h](const Octets& o, CTevAsnBuffer* out) {
                    return tev_format_octets_hint(h, o.data(), o.size(), out, nullptr);
                  },
                  [h](const Text& t, CTevAsnBuffer* out) {
                    return tev_parse_octets_hint(h, t.data(), t.size(), out, nullptr);
                  }};
  };
  const auto tc = [](const char* name) {
    return Writer{name,
                  [name](const Octets& o, CTevAsnBuffer* out) {
                    return tev_format_tc(name, o.data(), o.size(), out, nullptr);
                  },
                  [name](const Text& t, CTevAsnBuffer* out) {
                    return tev_parse_tc(name, t.data(), t.size(), out, nullptr);
                  }};
  };
  const auto rendering = [](const char* name, ETevOctetsAs as) {
    return Writer{name,
                  [as](const Octets& o, CTevAsnBuffer* out) {
                    return tev_format_octets(o.data(), o.size(), as, out);
                  },
                  {}};
  };
  return {
      hint("255a"),
      hint("255t"),
      hint("1a-"),
      tc("DisplayString"),
      tc("SnmpAdminString"),
      tc("InetAddressDNS"),
      rendering("TEV_OCTETS_TEXT", TEV_OCTETS_TEXT),
      rendering("TEV_OCTETS_AUTO", TEV_OCTETS_AUTO),
      {"dns InetAddress",
       [](const Octets& o, CTevAsnBuffer* out) {
         return tev_format_inet_address(TEV_INET_DNS, o.data(), o.size(), TEV_OCTETS_TEXT, out);
       },
       [](const Text& t, CTevAsnBuffer* out) {
         ETevInetAddressType type = TEV_INET_UNKNOWN;
         const Text typed = "dns:" + t;
         return tev_parse_inet_address(typed.data(), typed.size(), &type, out, nullptr);
       }},
  };
}

TEST(OneLine, EveryWriterEscapesEveryByteAndReadsItBack) {
  for (const Writer& w : writers()) {
    for (unsigned b = 0; b < 256; ++b) {
      SCOPED_TRACE(std::string(w.name) + " byte " + std::to_string(b));
      const Octets octets = {'a', static_cast<unsigned char>(b), 'z'};
      CTevAsnBuffer out;
      ASSERT_EQ(w.write(octets, &out), ASN_OK);
      const Text text = text_of(out);
      EXPECT_FALSE(breaks_line(text)) << text;
      if (!w.read) continue;
      CTevAsnBuffer back;
      ASSERT_EQ(w.read(text, &back), ASN_OK) << text;
      EXPECT_EQ(Text(back.data(), back.length()), Text(octets.begin(), octets.end()));
    }
  }
}

TEST(OneLine, ReadersTakeEscapesAndOldText) {
  const struct {
    const char* text;
    const char* octets;
  } cases[] = {
      {"a\\x0Ab", "a\nb"},     // either case of hex digit
      {"a\\\\b", "a\\b"},      // an escaped backslash
      {"a\\nb", "a\\nb"},      // anything else after '\' is itself
      {"a\\x4", "a\\x4"},      // an escape cut short
      {"C:\\dir", "C:\\dir"},  // text written before escapes
  };
  for (const auto& c : cases) {
    CTevAsnBuffer out;
    ASSERT_EQ(tev_parse_tc("DisplayString", c.text, std::strlen(c.text), &out, nullptr), ASN_OK);
    EXPECT_EQ(text_of(out), c.octets) << c.text;
  }
  // An escape is one octet of the octet length.
  CTevAsnBuffer out;
  ASSERT_EQ(tev_parse_octets_hint("2a-", "\\x00\\\\-b", 8, &out, nullptr), ASN_OK);
  EXPECT_EQ(text_of(out), std::string("\0\\b", 3));
}

TEST(OneLine, RowValuesAreOneFieldEach) {
  std::unique_ptr<ITevAsnIndexLayout, TevAsnReleaser> layout{
      tev_create_index_layout("octets fixed:3 inetaddress", 0, nullptr, nullptr)};
  std::unique_ptr<ITevAsnIndexRow, TevAsnReleaser> row{layout->create_row(nullptr)};
  for (ETevOctetsAs as : {TEV_OCTETS_AUTO, TEV_OCTETS_TEXT, TEV_OCTETS_HEX}) {
    for (std::uint32_t b = 0; b < 256; ++b) {
      const std::uint32_t index[] = {3, 'a', b, 'z', 'a', b, 'z', 16, 3, 'a', b, 'z'};
      ASSERT_EQ(layout->decode(index, 12, row.get(), nullptr), ASN_OK);
      unsigned long length = 0;
      const char* text = row->get_text(as, &length, nullptr);
      ASSERT_NE(text, nullptr);
      const Text line(text, length);
      // Four values: three TABs between them and no other.
      EXPECT_EQ(std::count(line.begin(), line.end(), '\t'), 3) << line;
      EXPECT_EQ(line.find_first_of(std::string("\n\r\0", 3)), Text::npos) << line;
    }
  }
}

}  // namespace
