#include "table/CTevLayoutWordReader.h"

#include <cstring>

#include "TevAsnValue.h"

using namespace NTevAsnValue;

long CTevLayoutWordReader::read(const char* word, bool last, unsigned long flags,
                                TevLayoutWord* out, CTevTextBuilder* why) {
  TevLayoutWord& entry = *out;
  unsigned long name_length = entry.word_length;
  const char* slash = static_cast<const char*>(std::memchr(word, '/', name_length));
  if (slash != nullptr) {
    const unsigned long rest = entry.word_length - static_cast<unsigned long>(slash + 1 - word);
    if (!tev_table::index_name_is("implied", slash + 1, rest)) {
      why->append_text("unknown modifier in type ");
      why->append_quoted(word, entry.word_length);
      why->append_text(" (only /implied exists)");
      return ASN_E_LAYOUT;
    }
    entry.pub.implied_written = 1;
    name_length = static_cast<unsigned long>(slash - word);
  }
  const char* colon = static_cast<const char*>(std::memchr(word, ':', name_length));
  const unsigned long kind_length =
      colon == nullptr ? name_length : static_cast<unsigned long>(colon - word);
  entry.pub.kind = tev_table::index_kind_find(word, kind_length);
  const TevIndexKindInfo* info = tev_table::index_kind_info(entry.pub.kind);
  if (info == nullptr) {
    why->append_text("unknown type ");
    why->append_quoted(word, entry.word_length);
    return ASN_E_LAYOUT;
  }
  const bool fixed = entry.pub.kind == TEV_INDEX_FIXED;
  if (fixed != (colon != nullptr)) {
    if (fixed) {
      why->append_text("type fixed needs its octet count, as in fixed:6");
    } else {
      why->append_text("only fixed takes a count, not ");
      why->append_quoted(word, entry.word_length);
    }
    return ASN_E_LAYOUT;
  }
  entry.pub.type = info->type;
  entry.shape = info->shape;
  entry.octets_as_hex = info->octets_as_hex;
  entry.pub.implied = entry.pub.implied_written != 0 || info->implied_by_default ? 1 : 0;
  entry.pub.value_count = info->shape == ETevIndexShape::kInet ? 2 : 1;
  if (fixed) {
    const char* digits = colon + 1;
    const unsigned long n_digits = name_length - kind_length - 1;
    std::uint32_t n = 0;
    bool ok = n_digits != 0 && n_digits <= 3;
    for (unsigned long i = 0; ok && i < n_digits; ++i) {
      ok = digits[i] >= '0' && digits[i] <= '9';
      n = n * 10 + static_cast<std::uint32_t>(digits[i] - '0');
    }
    if (!ok || n == 0 || n > ASN_MAX_SUB_IDS) {
      why->append_text("the count of ");
      why->append_quoted(word, entry.word_length);
      why->append_text(" must be a number from 1 to 128");
      return ASN_E_LAYOUT;
    }
    entry.pub.fixed_count = n;
    entry.octets = n;
  }
  if (info->shape == ETevIndexShape::kNone && (flags & TEV_LAYOUT_ANY_TYPE) == 0) {
    why->append_text("type ");
    why->append(word, entry.word_length);
    why->append_text(" has no index encoding and cannot be part of an index");
    return ASN_E_LAYOUT;
  }
  if (entry.pub.implied_written != 0 && !last) {
    why->append_text("type ");
    why->append(word, entry.word_length);
    why->append_text(": IMPLIED is allowed on the last index value only");
    return ASN_E_LAYOUT;
  }
  if (entry.pub.implied_written != 0 && info->shape == ETevIndexShape::kInet) {
    why->append_text("type ");
    why->append(word, entry.word_length);
    why->append_text(": an InetAddress index always has its length");
    return ASN_E_LAYOUT;
  }
  return measure_from_library(&entry);
}

long CTevLayoutWordReader::measure_from_library(TevLayoutWord* out_word) {
  if (out_word->shape != ETevIndexShape::kTransport &&
      !(out_word->shape == ETevIndexShape::kFixed && out_word->pub.kind != TEV_INDEX_FIXED)) {
    return ASN_OK;
  }
  long err = ASN_OK;
  ITevAsnValue* sample = tev_create_asn_value(static_cast<EAsnType>(out_word->pub.type), &err);
  if (sample == nullptr) return err;
  if (out_word->shape == ETevIndexShape::kFixed) {
    out_word->octets = static_cast<std::uint32_t>(sample->get_oid_length(1));
    sample->release();
    return ASN_OK;
  }
  ITevAsnObjectID* encoding = tev_create_asn_object_id(&err);
  if (encoding != nullptr) err = sample->assign_to_oid(encoding, 0);
  if (err == ASN_OK) {
    // domain, length, octets
    out_word->domain = static_cast<std::uint32_t>(encoding->get_at(0, &err));
    if (err == ASN_OK) out_word->octets = static_cast<std::uint32_t>(encoding->get_at(1, &err));
  }
  if (encoding != nullptr) encoding->release();
  sample->release();
  return err;
}
