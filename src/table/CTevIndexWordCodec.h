// CTevIndexWordCodec: one word of an index layout against sub-identifiers:
// where its value lies (checked strictly, with the reason in words only when
// asked for) and how a value is encoded back.
#ifndef TEVASNTABLE_CTEVINDEXWORDCODEC_H
#define TEVASNTABLE_CTEVINDEXWORDCODEC_H

#include <cstdint>

#include "ITevAsnObjectID.h"
#include "ITevAsnValue.h"
#include "TevAsnTable.h"
#include "base/CTevTextBuilder.h"
#include "base/TevSubIds.h"
#include "table/TevInetAddress.h"
#include "table/TevLayoutWord.h"

class CTevIndexWordCodec final {
 public:
  /// Where `word` lies in `size` sub-identifiers from `at`: its content's
  /// first sub-identifier and count, and where the next word starts. The
  /// decoding loop runs it without words; only a failure runs it again with
  /// kExplain to write the reason into `why`. Given `octets` (room for
  /// `size`), an octet-valued word's content is also written there as it is
  /// checked, each octet at the position of its sub-identifier.
  template <bool kExplain>
  static long measure(const TevLayoutWord& word, const std::uint32_t* subs, unsigned long size,
                      unsigned long at, unsigned long* start, unsigned long* count,
                      unsigned long* end, unsigned char* octets, CTevTextBuilder* why);
  /// Appends the values of `word` (from `values`) to `oid`; a refusal is
  /// explained in `why`.
  static long encode(const TevLayoutWord& word, ITevAsnValue* const* values, ITevAsnObjectID* oid,
                     CTevTextBuilder* why);
  /// "N sub-identifier(s)".
  static void append_count(CTevTextBuilder* out, unsigned long n);
};

namespace tev_table {

using namespace NTevAsnValue;

// `count` octets from `pos`: present, and each 0..255; copied narrow to the
// same positions of `out` unless it is null.
template <bool kExplain>
inline long check_octets(const std::uint32_t* sub_ids, unsigned long size, unsigned long pos,
                         unsigned long count, unsigned char* out, CTevTextBuilder* why) {
  if (size - pos < count) {
    if (kExplain) {
      why->append_text("needs ");
      CTevIndexWordCodec::append_count(why, count);
      why->append_text(" for its octets, only ");
      why->append_decimal(static_cast<std::uint32_t>(size - pos));
      why->append_text(" left");
    }
    return ASN_E_INDEX_SHORT;
  }
  const bool octets = out != nullptr ? tev_base::narrow_octets(sub_ids + pos, count, out + pos)
                                     : tev_base::first_non_octet(sub_ids + pos, count) == count;
  if (octets) return ASN_OK;
  if (kExplain) {
    why->append_text("sub-identifier ");
    why->append_decimal(sub_ids[pos + tev_base::first_non_octet(sub_ids + pos, count)]);
    why->append_text(" is not an octet (0..255)");
  }
  return ASN_E_SUBID_RANGE;
}

// A length prefix at `pos` that the rest can hold.
template <bool kExplain>
inline long read_length(const std::uint32_t* sub_ids, unsigned long size, unsigned long pos,
                        const char* what, unsigned long* length, CTevTextBuilder* why) {
  if (pos >= size) {
    if (kExplain) {
      why->append_text("the ");
      why->append_text(what);
      why->append_text(" sub-identifier is missing");
    }
    return ASN_E_INDEX_SHORT;
  }
  const unsigned long follow = size - pos - 1;
  if (sub_ids[pos] > follow) {
    if (kExplain) {
      why->append_text(what);
      why->append_char(' ');
      why->append_decimal(sub_ids[pos]);
      why->append_text(" but only ");
      CTevIndexWordCodec::append_count(why, follow);
      why->append_text(follow == 1 ? " follows" : " follow");
    }
    return ASN_E_INDEX_LENGTH;
  }
  *length = sub_ids[pos];
  return ASN_OK;
}

}  // namespace tev_table

// Inline: the decoding loop of every row runs it once per word.
template <bool kExplain>
inline long CTevIndexWordCodec::measure(const TevLayoutWord& word, const std::uint32_t* subs,
                                        unsigned long size, unsigned long at, unsigned long* start,
                                        unsigned long* count, unsigned long* end,
                                        unsigned char* octets, CTevTextBuilder* why) {
  using namespace NTevAsnValue;
  const unsigned long left = size - at;
  if (word.shape == ETevIndexShape::kNumber && left != 0) {
    *start = at;
    *count = 1;
    *end = at + 1;
    return ASN_OK;
  }
  if (word.shape == ETevIndexShape::kNone) {
    if (kExplain) why->append_text("has no index encoding");
    return ASN_E_NOT_SUPPORTED;
  }
  const bool implied = word.pub.implied != 0;
  const bool may_be_empty =
      word.pub.implied_written != 0 &&
      (word.shape == ETevIndexShape::kOctets || word.shape == ETevIndexShape::kOid);
  if (left == 0 && !may_be_empty) {
    if (kExplain) why->append_text("no sub-identifiers left for it");
    return ASN_E_INDEX_SHORT;
  }
  unsigned long first = at;
  unsigned long length = 0;
  long rc = ASN_OK;
  switch (word.shape) {
    case ETevIndexShape::kOctets:
    case ETevIndexShape::kOid:
      if (implied) {
        length = left;
      } else {
        rc = tev_table::read_length<kExplain>(subs, size, at, "length", &length, why);
        ++first;
      }
      if (rc == ASN_OK && word.shape == ETevIndexShape::kOctets) {
        rc = tev_table::check_octets<kExplain>(subs, size, first, length, octets, why);
      }
      break;
    case ETevIndexShape::kFixed:
      length = word.octets;
      rc = tev_table::check_octets<kExplain>(subs, size, at, length, octets, why);
      break;
    case ETevIndexShape::kTransport:
      if (subs[at] != word.domain) {
        if (kExplain) {
          why->append_text("the domain sub-identifier must be ");
          why->append_decimal(word.domain);
          why->append_text(", not ");
          why->append_decimal(subs[at]);
        }
        return ASN_E_INDEX_LENGTH;
      }
      ++first;
      if (!implied) {
        if (first >= size || subs[first] != word.octets) {
          if (kExplain) {
            why->append_text("the length sub-identifier must be ");
            why->append_decimal(word.octets);
          }
          return first >= size ? ASN_E_INDEX_SHORT : ASN_E_INDEX_LENGTH;
        }
        ++first;
      }
      length = word.octets;
      rc = tev_table::check_octets<kExplain>(subs, size, first, length, octets, why);
      break;
    case ETevIndexShape::kInet: {
      // The type and the length are checked together, then the octets.
      const std::uint32_t type = subs[at];
      if (at + 1 >= size) {
        if (kExplain) {
          why->append_text("the InetAddress length sub-identifier after InetAddressType ");
          why->append_decimal(type);
          why->append_text(" is missing");
        }
        return ASN_E_INDEX_SHORT;
      }
      if (!tev_table::inet_length_agrees(type, subs[at + 1])) {
        if (kExplain) tev_table::inet_append_mismatch(why, type, subs[at + 1]);
        return ASN_E_INET_ADDRESS;
      }
      rc = tev_table::read_length<kExplain>(subs, size, at + 1, "InetAddress length", &length, why);
      first = at + 2;
      if (rc == ASN_OK) {
        rc = tev_table::check_octets<kExplain>(subs, size, first, length, octets, why);
      }
      break;
    }
    case ETevIndexShape::kNumber:
    case ETevIndexShape::kNone:
      break;
  }
  *start = first;
  *count = length;
  *end = first + length;
  return rc;
}

#endif  // TEVASNTABLE_CTEVINDEXWORDCODEC_H
