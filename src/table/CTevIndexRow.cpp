#include "table/CTevIndexRow.h"

#include <cstdlib>
#include <new>

#include "TevAsnValue.h"
#include "base/CTevIpText.h"
#include "base/TevError.h"
#include "table/TevInetAddress.h"
#include "table/TevTableClassIds.h"

using namespace NTevAsnValue;

CTevIndexRow* CTevIndexRow::create(const ITevAsnIndexLayout* layout, const TevLayoutWord* words,
                                   const TevValueSlot* slots, unsigned long value_count,
                                   long* err) {
  const unsigned long n = value_count;
  CTevIndexRow* row = new (std::nothrow) CTevIndexRow(layout, words, slots, n);
  if (row != nullptr && n != 0) {
    row->slots_ = static_cast<Slot*>(std::malloc(n * sizeof(Slot)));
    for (unsigned long i = 0; row->slots_ != nullptr && i < n; ++i) {
      row->slots_[i] = {0, 0, nullptr, 0, ETevValueForm::kNone};
    }
    // Octets have a block from the start, so that no value points at null.
    if (row->slots_ == nullptr || row->grow_octets(1) != ASN_OK) {
      row->release();
      row = nullptr;
    }
  }
  tev_base::set_error(err, row == nullptr ? ASN_E_OUT_OF_MEMORY : ASN_OK);
  return row;
}

CTevIndexRow::~CTevIndexRow() {
  if (slots_ != nullptr) {
    for (unsigned long i = 0; i < value_count_; ++i) {
      if (slots_[i].value != nullptr) slots_[i].value->release();
    }
  }
  std::free(slots_);
}

void CTevIndexRow::release() { delete this; }

void CTevIndexRow::query_class(unsigned long class_id, void** out) const {
  tev_table::answer_class(class_id, tev_table::kClassIdIndexRow, this, out);
}

CTevIndexRow* CTevIndexRow::from(ITevAsnIndexRow* row) {
  return tev_table::own_object<CTevIndexRow>(row, tev_table::kClassIdIndexRow);
}

const void* CTevIndexRow::vtable() {
  const CTevIndexRow probe(nullptr, nullptr, nullptr, 0);
  return tev_base::vtable_of(static_cast<const ITevAsnIndexRow*>(&probe));
}

long CTevIndexRow::grow_octets(unsigned long total) {
  // Positions are kept in 32 bits.
  if (total > 0x3FFFFFFFUL || !octets_.reserve(total)) return ASN_E_OUT_OF_MEMORY;
  return ASN_OK;
}

long CTevIndexRow::clear_fresh_marks() {
  for (unsigned long i = 0; i < value_count_; ++i) slots_[i].decode = 0;
  decodes_ = 1;
  return ASN_OK;
}

long CTevIndexRow::refresh_value(unsigned long index) const {
  Slot& slot = slots_[index];
  if (slot.decode == decodes_) return ASN_OK;
  const TevValueSlot& kind = kinds_[index];
  long err = ASN_OK;
  ITevAsnValue*& value = slot.value;
  if (value == nullptr) {
    value = kind.type == ASN_OBJECT_ID ? tev_create_asn_object_id(&err)
                                       : tev_create_asn_value(kind.type, &err);
    if (value == nullptr) return err;
    if (kind.form != ETevValueForm::kOid) slot.quick = kind.form;
  }
  switch (kind.form) {
    case ETevValueForm::kSigned:
      err = value->set_long(static_cast<std::int32_t>(slot.at));
      break;
    case ETevValueForm::kUnsigned:
      err = value->set_ulong(slot.at);
      break;
    case ETevValueForm::kOctets:
      err = value->set_octets(octets_.data() + slot.at, slot.count);
      break;
    case ETevValueForm::kOid:
      err = set_sub_ids_of(value, sub_ids_.data() + slot.at, slot.count);
      break;
    case ETevValueForm::kNone:
      err = ASN_E_NOT_SUPPORTED;
      break;
  }
  if (err == ASN_OK) slot.decode = decodes_;
  return err;
}

long CTevIndexRow::set_sub_ids_of(ITevAsnValue* value, const std::uint32_t* subs,
                                  std::uint32_t count) {
  ITevAsnObjectID* oid = value->query_object_id();
  oid->clear();
  long err = ASN_OK;
  for (std::uint32_t i = 0; i < count && err == ASN_OK; ++i) err = oid->append_sub_id(subs[i]);
  return err;
}

ITevAsnValue* CTevIndexRow::get_value(unsigned long index, long* err) {
  if (index >= count_) {
    tev_base::set_error(err, ASN_E_INVALID_ARGUMENT);
    return nullptr;
  }
  Slot& slot = slots_[index];
  if (slot.decode != decodes_) {
    const ETevValueForm form = slot.quick;
    if (form == ETevValueForm::kNone) {
      const long rc = refresh_value(index);
      tev_base::set_error(err, rc);
      return rc == ASN_OK ? slot.value : nullptr;
    }
    // Marked before the setter runs, so that little has to live across its
    // call; a refusal makes the value stale again.
    slot.decode = decodes_;
    ITevAsnValue* value = slot.value;
    const long rc =
        form == ETevValueForm::kOctets   ? value->set_octets(octets_.data() + slot.at, slot.count)
        : form == ETevValueForm::kSigned ? value->set_long(static_cast<std::int32_t>(slot.at))
                                         : value->set_ulong(slot.at);
    if (rc != ASN_OK) {
      slot.decode = 0;
      tev_base::set_error(err, rc);
      return nullptr;
    }
  }
  tev_base::set_error(err, ASN_OK);
  return slot.value;
}

long CTevIndexRow::append_value_text(CTevTextBuilder* out, unsigned long index,
                                     ETevOctetsAs as) const {
  const TevLayoutWord& word = words_[kinds_[index].word];
  const Slot& slot = slots_[index];
  switch (word.shape) {
    case ETevIndexShape::kNumber:
      if (word.pub.type == ASN_INTEGER) {
        out->append_signed(static_cast<std::int32_t>(slot.at));
      } else {
        out->append_decimal(slot.at);
      }
      return ASN_OK;
    case ETevIndexShape::kOctets:
      out->append_octets(octets_.data() + slot.at, slot.count,
                         word.octets_as_hex ? TEV_OCTETS_HEX : as);
      return ASN_OK;
    case ETevIndexShape::kOid:
      out->append_dotted(sub_ids_.data() + slot.at, slot.count);
      return ASN_OK;
    case ETevIndexShape::kInet:
      if (index == word.pub.first_value) {
        out->append_text(tev_inet_address_type_name(static_cast<ETevInetAddressType>(slot.at)));
        return ASN_OK;
      }
      tev_table::inet_append_text(out, slots_[index - 1].at, octets_.data() + slot.at, slot.count,
                                  as);
      return ASN_OK;
    case ETevIndexShape::kFixed:
      if (word.pub.kind == TEV_INDEX_FIXED) {
        out->append_octets(octets_.data() + slot.at, slot.count, as);
        return ASN_OK;
      }
      if (word.pub.kind == TEV_INDEX_IP_ADDRESS) {
        CTevIpText::append_ipv4(out, octets_.data() + slot.at);
        return ASN_OK;
      }
      if (word.pub.kind == TEV_INDEX_IPV6) {
        CTevIpText::append_ipv6(out, octets_.data() + slot.at);
        return ASN_OK;
      }
      break;
    case ETevIndexShape::kTransport:
    case ETevIndexShape::kNone:
      break;
  }
  // The other addresses are written as the core writes them.
  long rc = refresh_value(index);
  if (rc != ASN_OK) return rc;
  CTevAsnBuffer core_text;
  rc = slots_[index].value->to_text_into(&core_text);
  if (rc != ASN_OK) return rc;
  unsigned long length = core_text.length();
  while (length != 0 && core_text.data()[length - 1] == '\0') --length;
  out->append(core_text.data(), length);
  return ASN_OK;
}

long CTevIndexRow::value_to_text_into(CTevAsnBuffer* buffer, unsigned long index,
                                      ETevOctetsAs as) const {
  if (buffer == nullptr || index >= count_ || as > TEV_OCTETS_AUTO) return ASN_E_INVALID_ARGUMENT;
  CTevTextBuilder value_text;
  const long rc = append_value_text(&value_text, index, as);
  return rc != ASN_OK ? rc : value_text.store_into(buffer);
}

long CTevIndexRow::build_text(ETevOctetsAs as) const {
  if (as > TEV_OCTETS_AUTO) return ASN_E_INVALID_ARGUMENT;
  scratch_.clear();
  for (unsigned long i = 0; i < count_; ++i) {
    if (i != 0) scratch_.append_char('\t');
    const long rc = append_value_text(&scratch_, i, as);
    if (rc != ASN_OK) return rc;
  }
  return scratch_.status();
}

long CTevIndexRow::to_text_into(CTevAsnBuffer* buffer, ETevOctetsAs as) const {
  if (buffer == nullptr) return ASN_E_INVALID_ARGUMENT;
  const long rc = build_text(as);
  return rc != ASN_OK ? rc : scratch_.store_into(buffer);
}

const char* CTevIndexRow::get_text(ETevOctetsAs as, unsigned long* length, long* err) const {
  long rc = length == nullptr ? ASN_E_INVALID_ARGUMENT : build_text(as);
  tev_base::set_error(err, rc);
  if (rc != ASN_OK) return nullptr;
  *length = scratch_.length();
  // An empty text is "" rather than null, which means failure.
  return scratch_.length() == 0 ? "" : scratch_.data();
}
