#include "table/CTevIndexLayout.h"

#include <cstdlib>
#include <cstring>
#include <new>

#include "TevAsnValue.h"
#include "base/TevError.h"
#include "table/CTevIndexRow.h"
#include "table/CTevIndexWordCodec.h"
#include "table/CTevLayoutWordReader.h"
#include "table/TevInetAddress.h"
#include "table/TevTableClassIds.h"

using namespace NTevAsnValue;

namespace {

bool is_separator(char c) { return c == ' ' || c == '\t' || c == ',' || c == '\n' || c == '\r'; }

}  // namespace

CTevIndexLayout::~CTevIndexLayout() {
  std::free(value_slots_);
  std::free(words_);
  std::free(text_);
}

void CTevIndexLayout::release() { delete this; }

void CTevIndexLayout::query_class(unsigned long class_id, void** out) const {
  tev_table::answer_class(class_id, tev_table::kClassIdIndexLayout, this, out);
}

CTevIndexLayout* CTevIndexLayout::create(const char* text, unsigned long flags,
                                         CTevAsnBuffer* reason, long* err) {
  if (text == nullptr) {
    tev_base::set_error(err, ASN_E_INVALID_ARGUMENT);
    return nullptr;
  }
  CTevIndexLayout* layout = new (std::nothrow) CTevIndexLayout;
  if (layout == nullptr) {
    tev_base::set_error(err, ASN_E_OUT_OF_MEMORY);
    return nullptr;
  }
  layout->row_vtable_ = CTevIndexRow::vtable();
  const long rc = layout->parse(text, flags, reason);
  tev_base::set_error(err, rc);
  if (rc != ASN_OK) {
    layout->release();
    return nullptr;
  }
  return layout;
}

long CTevIndexLayout::parse(const char* text, unsigned long flags, CTevAsnBuffer* reason) {
  const unsigned long length = std::strlen(text);
  text_ = static_cast<char*>(std::malloc(length + 1));
  if (text_ == nullptr) return ASN_E_OUT_OF_MEMORY;
  std::memcpy(text_, text, length + 1);
  unsigned long words = 0;
  for (unsigned long i = 0; i < length; ++i) {
    if (!is_separator(text_[i]) && (i == 0 || is_separator(text_[i - 1]))) ++words;
  }
  CTevTextBuilder why;
  if (words == 0) {
    why.append_text("no TYPE in the layout");
    return why.refuse(ASN_E_LAYOUT, reason);
  }
  words_ = static_cast<TevLayoutWord*>(std::calloc(words, sizeof(TevLayoutWord)));
  if (words_ == nullptr) return ASN_E_OUT_OF_MEMORY;
  word_count_ = words;
  unsigned long index = 0;
  for (unsigned long i = 0; i < length; ++i) {
    if (is_separator(text_[i])) continue;
    unsigned long end = i;
    while (end < length && !is_separator(text_[end])) ++end;
    words_[index].word_start = i;
    words_[index].word_length = end - i;
    ++index;
    i = end;
  }
  for (index = 0; index < word_count_; ++index) {
    const long rc = CTevLayoutWordReader::read(
        text_ + words_[index].word_start, index + 1 == word_count_, flags, &words_[index], &why);
    if (rc != ASN_OK) {
      if (rc == ASN_E_LAYOUT) {
        why.append_text(" (value ");
        why.append_decimal(static_cast<std::uint32_t>(index + 1));
        why.append_text(" of ");
        why.append_decimal(static_cast<std::uint32_t>(word_count_));
        why.append_char(')');
      }
      return why.refuse(rc, reason);
    }
    words_[index].pub.first_value = static_cast<std::uint32_t>(value_count_);
    value_count_ += words_[index].pub.value_count;
  }
  value_slots_ = static_cast<TevValueSlot*>(std::malloc(value_count_ * sizeof(TevValueSlot)));
  if (value_slots_ == nullptr) return ASN_E_OUT_OF_MEMORY;
  bool quick = word_count_ < 64;
  for (index = 0; index < word_count_ && quick; ++index) {
    quick = words_[index].shape == ETevIndexShape::kNumber ||
            words_[index].shape == ETevIndexShape::kInet;
  }
  if (quick) quick_plan_ = std::uint64_t{1} << word_count_;
  for (index = 0; index < word_count_; ++index) {
    const TevLayoutWord& word = words_[index];
    TevValueSlot slot{static_cast<std::uint32_t>(index), static_cast<EAsnType>(word.pub.type),
                      ETevValueForm::kOctets};
    switch (word.shape) {
      case ETevIndexShape::kNumber:
      case ETevIndexShape::kInet:  // the InetAddressType; the address follows
        slot.form =
            word.pub.type == ASN_INTEGER ? ETevValueForm::kSigned : ETevValueForm::kUnsigned;
        break;
      case ETevIndexShape::kOid:
        slot.form = ETevValueForm::kOid;
        break;
      case ETevIndexShape::kNone:
        slot.form = ETevValueForm::kNone;
        break;
      default:
        break;
    }
    if (quick && word.shape == ETevIndexShape::kInet) quick_plan_ |= std::uint64_t{1} << index;
    value_slots_[word.pub.first_value] = slot;
    if (word.shape == ETevIndexShape::kInet) {
      value_slots_[word.pub.first_value + 1] = {slot.word, ASN_OCTET_STRING,
                                                ETevValueForm::kOctets};
    }
  }
  return ASN_OK;
}

long CTevIndexLayout::get_word(unsigned long index, TevIndexWord* out) const {
  if (out == nullptr || index >= word_count_) return ASN_E_INVALID_ARGUMENT;
  *out = words_[index].pub;
  return ASN_OK;
}

long CTevIndexLayout::word_to_text_into(CTevAsnBuffer* buffer, unsigned long index) const {
  if (buffer == nullptr || index >= word_count_) return ASN_E_INVALID_ARGUMENT;
  return buffer->assign(text_ + words_[index].word_start, words_[index].word_length);
}

ITevAsnIndexRow* CTevIndexLayout::create_row(long* err) const {
  return CTevIndexRow::create(this, words_, value_slots_, value_count_, err);
}

void CTevIndexLayout::append_value_name(CTevTextBuilder* out, unsigned long index) const {
  out->append_text("value ");
  out->append_decimal(static_cast<std::uint32_t>(index + 1));
  out->append_text(" (");
  out->append(text_ + words_[index].word_start, words_[index].word_length);
  out->append_text("): ");
}

long CTevIndexLayout::decode(const std::uint32_t* sub_ids, unsigned long count,
                             ITevAsnIndexRow* row, CTevAsnBuffer* reason) const {
  // The rows of this copy of the code are known without a call; the class-id
  // call for any other object is kept off this path.
  CTevIndexRow* own = CTevIndexRow::by_table(row, row_vtable_);
  if (own == nullptr) return decode_asking(sub_ids, count, row, reason);
  if (own->layout() != this || (sub_ids == nullptr && count != 0)) return ASN_E_INVALID_ARGUMENT;
  return decode_into(own, sub_ids, count, 0, reason);
}

long CTevIndexLayout::decode_asking(const std::uint32_t* sub_ids, unsigned long count,
                                    ITevAsnIndexRow* row, CTevAsnBuffer* reason) const {
  CTevIndexRow* own = own_row(row);
  if (own == nullptr || (sub_ids == nullptr && count != 0)) return ASN_E_INVALID_ARGUMENT;
  return decode_into(own, sub_ids, count, 0, reason);
}

CTevIndexRow* CTevIndexLayout::own_row(ITevAsnIndexRow* row) const {
  CTevIndexRow* own = CTevIndexRow::by_table(row, row_vtable_);
  if (own == nullptr) own = CTevIndexRow::from(row);
  return own != nullptr && own->layout() == this ? own : nullptr;
}

long CTevIndexLayout::decode_oid(const ITevAsnObjectID* oid, unsigned long start,
                                 ITevAsnIndexRow* row, CTevAsnBuffer* reason) const {
  // A row that is not ours is refused before anything else happens.
  if (oid == nullptr || own_row(row) == nullptr) return ASN_E_INVALID_ARGUMENT;
  CTevSubIdArray sub_ids;
  const long rc = sub_ids.assign_oid(oid);
  if (rc != ASN_OK) return rc;
  if (start > sub_ids.count()) return ASN_E_OUT_OF_RANGE;
  return decode(sub_ids.data() + start, sub_ids.count() - start, row, reason);
}

long CTevIndexLayout::decode_into(CTevIndexRow* row, const std::uint32_t* subs, unsigned long count,
                                  std::uint32_t column, CTevAsnBuffer* reason) const {
  // Rows of numbers and InetAddresses that decode cleanly are taken here,
  // with no call and few values live in the loop; anything else starts
  // again in decode_words.
  if (quick_plan_ == 0 || !row->has_octet_room(count)) {
    return decode_words(row, subs, count, column, reason);
  }
  CTevIndexRow::Slot* slot = row->slots();
  unsigned char* const octets = row->octets();
  unsigned long pos = 0;
  for (std::uint64_t plan = quick_plan_; plan != 1; plan >>= 1) {
    if (pos == count) return decode_words(row, subs, count, column, reason);
    if ((plan & 1) == 0) {
      (slot++)->hold(subs[pos++], 1);
      continue;
    }
    const unsigned long left = count - pos;
    const std::uint32_t length = left >= 2 ? subs[pos + 1] : 0;
    if (left < 2 || !tev_table::inet_length_agrees(subs[pos], length) || length > left - 2 ||
        !tev_base::narrow_octets(subs + pos + 2, length, octets + pos + 2)) {
      return decode_words(row, subs, count, column, reason);
    }
    slot[0].hold(subs[pos], 1);
    slot[1].hold(static_cast<std::uint32_t>(pos + 2), length);
    slot += 2;
    pos += 2 + length;
  }
  if (pos != count) return decode_words(row, subs, count, column, reason);
  return row->finish(column);
}

long CTevIndexLayout::decode_words(CTevIndexRow* row, const std::uint32_t* subs,
                                   unsigned long count, std::uint32_t column,
                                   CTevAsnBuffer* reason) const {
  long rc = row->begin(count);
  if (rc != ASN_OK) return rc;
  unsigned long pos = 0;
  for (unsigned long i = 0; i < word_count_; ++i) {
    rc = decode_word(row, i, subs, count, &pos, reason);
    if (rc != ASN_OK) return rc;
  }
  if (pos != count) return refuse_leftover(row, count - pos, reason);
  return row->finish(column);
}

long CTevIndexLayout::refuse_leftover(CTevIndexRow* row, unsigned long left,
                                      CTevAsnBuffer* reason) {
  row->reset();
  CTevTextBuilder why;
  CTevIndexWordCodec::append_count(&why, left);
  why.append_text(" left after the last index value");
  return why.refuse(ASN_E_INDEX_LEFTOVER, reason);
}

long CTevIndexLayout::decode_word(CTevIndexRow* row, unsigned long index, const std::uint32_t* subs,
                                  unsigned long count, unsigned long* pos,
                                  CTevAsnBuffer* reason) const {
  const TevLayoutWord& word = words_[index];
  const std::uint32_t value = word.pub.first_value;
  unsigned long start = 0;
  unsigned long length = 0;
  unsigned long end = 0;
  long rc = CTevIndexWordCodec::measure<false>(word, subs, count, *pos, &start, &length, &end,
                                               row->octets(), nullptr);
  if (rc != ASN_OK) {
    row->reset();
    CTevTextBuilder why;
    append_value_name(&why, index);
    CTevIndexWordCodec::measure<true>(word, subs, count, *pos, &start, &length, &end, nullptr,
                                      &why);
    return why.refuse(rc, reason);
  }
  switch (word.shape) {
    case ETevIndexShape::kNumber:
      row->set_number(value, subs[start]);
      break;
    case ETevIndexShape::kInet:
      row->set_number(value, subs[*pos]);
      row->take_octets(value + 1, static_cast<std::uint32_t>(start),
                       static_cast<std::uint32_t>(length));
      break;
    case ETevIndexShape::kOid:
      rc = row->set_sub_ids(value, subs + start, static_cast<std::uint32_t>(length));
      if (rc != ASN_OK) {
        row->reset();
        return rc;
      }
      break;
    default:
      row->take_octets(value, static_cast<std::uint32_t>(start),
                       static_cast<std::uint32_t>(length));
      break;
  }
  *pos = end;
  return ASN_OK;
}

long CTevIndexLayout::encode(ITevAsnValue* const* values, unsigned long count, ITevAsnObjectID* oid,
                             CTevAsnBuffer* reason) const {
  if (oid == nullptr || (values == nullptr && count != 0)) return ASN_E_INVALID_ARGUMENT;
  CTevTextBuilder why;
  if (count != value_count_) {
    why.append_text("the layout takes ");
    why.append_decimal(static_cast<std::uint32_t>(value_count_));
    why.append_text(value_count_ == 1 ? " value, not " : " values, not ");
    why.append_decimal(static_cast<std::uint32_t>(count));
    return why.refuse(ASN_E_INVALID_ARGUMENT, reason);
  }
  long rc = ASN_OK;
  ITevAsnObjectID* built = tev_create_asn_object_id(&rc);
  if (built == nullptr) return rc;
  for (unsigned long i = 0; i < word_count_ && rc == ASN_OK; ++i) {
    rc = CTevIndexWordCodec::encode(words_[i], values, built, &why);
    if (rc != ASN_OK && rc != ASN_E_OUT_OF_MEMORY) {
      CTevTextBuilder named;
      append_value_name(&named, i);
      named.append(why.data(), why.length());
      rc = named.refuse(rc, reason);
    }
  }
  // Only a complete encoding reaches the caller's identifier.
  if (rc == ASN_OK) rc = oid->append_oid(built);
  built->release();
  return rc;
}
