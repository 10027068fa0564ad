// The data of a parsed index layout that its readers, codec and rows share:
// one TYPE word with what decoding needs to know of it, and how each row
// value is handed to the core.
#ifndef TEVASNTABLE_TEVLAYOUTWORD_H
#define TEVASNTABLE_TEVLAYOUTWORD_H

#include <cstdint>

#include "TevAsnTable.h"
#include "table/TevIndexKinds.h"

/// One TYPE word with what decoding needs to know of it.
struct TevLayoutWord {
  TevIndexWord pub;
  ETevIndexShape shape;
  bool octets_as_hex;
  std::uint32_t octets;  ///< kFixed and kTransport: the octet count
  std::uint32_t domain;  ///< kTransport: the domain sub-identifier
  unsigned long word_start;
  unsigned long word_length;
};

/// How a row value is handed to the core: its type and which setter fills it.
enum class ETevValueForm : std::uint8_t { kSigned, kUnsigned, kOctets, kOid, kNone };
struct TevValueSlot {
  std::uint32_t word;  ///< the TYPE word it belongs to
  NTevAsnValue::EAsnType type;
  ETevValueForm form;
};

#endif  // TEVASNTABLE_TEVLAYOUTWORD_H
