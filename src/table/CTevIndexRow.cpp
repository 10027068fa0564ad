#include "table/CTevIndexRow.h"

#include <cstdlib>
#include <new>

#include "TevAsnValue.h"
#include "table/CTevIndexLayout.h"
#include "table/TevInetAddress.h"
#include "table/TevTableError.h"

using namespace NTevAsnValue;

CTevIndexRow* CTevIndexRow::create(const CTevIndexLayout* layout, long* err) {
  CTevIndexRow* row = new (std::nothrow) CTevIndexRow(layout);
  const unsigned long n = layout->get_value_count();
  if (row != nullptr && n != 0) {
    row->slots_ = static_cast<Slot*>(std::calloc(n, sizeof(Slot)));
    row->values_ = new (std::nothrow) ITevAsnValue*[n]();
    row->fresh_ = static_cast<std::uint32_t*>(std::calloc(n, sizeof(std::uint32_t)));
    if (row->slots_ == nullptr || row->values_ == nullptr || row->fresh_ == nullptr) {
      row->release();
      row = nullptr;
    }
  }
  tev_table_set_error(err, row == nullptr ? ASN_E_OUT_OF_MEMORY : ASN_OK);
  return row;
}

CTevIndexRow::~CTevIndexRow() {
  if (values_ != nullptr) {
    for (unsigned long i = 0; i < layout_->get_value_count(); ++i) {
      if (values_[i] != nullptr) values_[i]->release();
    }
  }
  delete[] values_;
  std::free(fresh_);
  std::free(slots_);
}

void CTevIndexRow::release() { delete this; }

long CTevIndexRow::begin(const std::uint32_t* sub_ids, unsigned long count) {
  reset();
  return sub_ids_.assign(sub_ids, count);
}

void CTevIndexRow::finish(std::uint32_t column) {
  count_ = layout_->get_value_count();
  column_ = column;
  // A new decode makes every value stale at once; at the (distant) wrap of
  // the counter the marks are cleared so that none matches by accident.
  ++decodes_;
  // cppcheck-suppress knownConditionTrueFalse ; true after 2^32 decodes
  if (decodes_ == 0) {
    for (unsigned long i = 0; i < count_; ++i) fresh_[i] = 0;
    decodes_ = 1;
  }
}

void CTevIndexRow::reset() {
  count_ = 0;
  column_ = 0;
}

long CTevIndexRow::refresh_value(unsigned long index) const {
  if (fresh_[index] == decodes_) return ASN_OK;
  const TevValueSlot& kind = layout_->value_slot(index);
  long err = ASN_OK;
  ITevAsnValue*& value = values_[index];
  if (value == nullptr) {
    value = kind.type == ASN_OBJECT_ID ? tev_create_asn_object_id(&err)
                                       : tev_create_asn_value(kind.type, &err);
    if (value == nullptr) return err;
  }
  const Slot& slot = slots_[index];
  const std::uint32_t* subs = sub_ids_.data() + slot.start;
  switch (kind.form) {
    case ETevValueForm::kSigned:
      err = value->set_long(static_cast<std::int32_t>(subs[0]));
      break;
    case ETevValueForm::kUnsigned:
      err = value->set_ulong(subs[0]);
      break;
    case ETevValueForm::kOctets: {
      unsigned char octets[64];
      if (slot.count > sizeof octets) {
        err = set_long_octets_of(value, subs, slot.count);
        break;
      }
      for (std::uint32_t i = 0; i < slot.count; ++i) {
        octets[i] = static_cast<unsigned char>(subs[i]);
      }
      err = value->set_octets(octets, slot.count);
      break;
    }
    case ETevValueForm::kOid:
      err = set_sub_ids_of(value, subs, slot.count);
      break;
    case ETevValueForm::kNone:
      err = ASN_E_NOT_SUPPORTED;
      break;
  }
  if (err == ASN_OK) fresh_[index] = decodes_;
  return err;
}

long CTevIndexRow::set_long_octets_of(ITevAsnValue* value, const std::uint32_t* subs,
                                      std::uint32_t count) const {
  long_octets_.clear();
  for (std::uint32_t i = 0; i < count; ++i) long_octets_.append_char(static_cast<char>(subs[i]));
  if (long_octets_.status() != ASN_OK) return long_octets_.status();
  return value->set_octets(reinterpret_cast<const unsigned char*>(long_octets_.data()), count);
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
    tev_table_set_error(err, ASN_E_INVALID_ARGUMENT);
    return nullptr;
  }
  const long rc = refresh_value(index);
  tev_table_set_error(err, rc);
  return rc == ASN_OK ? values_[index] : nullptr;
}

void CTevIndexRow::append_octets(CTevTextBuilder* out, const Slot& slot,
                                 unsigned long flags) const {
  const std::uint32_t* subs = sub_ids_.data() + slot.start;
  bool hex = (flags & TEV_ROW_HEX_OCTETS) != 0;
  if (!hex && (flags & TEV_ROW_TEXT_OCTETS) == 0) {
    for (std::uint32_t i = 0; i < slot.count; ++i) {
      if (subs[i] < 0x20 || subs[i] > 0x7E) {
        hex = true;
        break;
      }
    }
  }
  if (!hex) {
    for (std::uint32_t i = 0; i < slot.count; ++i) out->append_char(static_cast<char>(subs[i]));
    return;
  }
  static const char kDigits[] = "0123456789abcdef";
  for (std::uint32_t i = 0; i < slot.count; ++i) {
    if (i != 0) out->append_char(':');
    const char pair[2] = {kDigits[subs[i] >> 4], kDigits[subs[i] & 0x0F]};
    out->append(pair, 2);
  }
}

long CTevIndexRow::append_value_text(CTevTextBuilder* out, unsigned long index,
                                     unsigned long flags) const {
  const TevLayoutPart& part = layout_->part_at(layout_->value_slot(index).part);
  const Slot& slot = slots_[index];
  const std::uint32_t* subs = sub_ids_.data() + slot.start;
  switch (part.shape) {
    case ETevIndexShape::kNumber:
      if (part.pub.type == ASN_INTEGER) {
        out->append_signed(static_cast<std::int32_t>(subs[0]));
      } else {
        out->append_decimal(subs[0]);
      }
      return ASN_OK;
    case ETevIndexShape::kOctets:
      append_octets(out, slot, part.octets_as_hex ? TEV_ROW_HEX_OCTETS : flags);
      return ASN_OK;
    case ETevIndexShape::kOid:
      out->append_dotted(subs, slot.count);
      return ASN_OK;
    case ETevIndexShape::kInet: {
      if (index == part.pub.first_value) {
        out->append_text(tev_inet_address_type_name(subs[0]));
        return ASN_OK;
      }
      const std::uint32_t type = sub_ids_.data()[slots_[index - 1].start];
      unsigned char octets[kTevInetMaxOctets];
      for (std::uint32_t i = 0; i < slot.count; ++i)
        octets[i] = static_cast<unsigned char>(subs[i]);
      tev_inet_append_text(out, type, octets, slot.count);
      return ASN_OK;
    }
    case ETevIndexShape::kFixed:
      if (part.pub.kind == TEV_INDEX_FIXED) {
        append_octets(out, slot, flags);
        return ASN_OK;
      }
      if (part.pub.kind == TEV_INDEX_IP_ADDRESS) {
        out->append_dotted(subs, slot.count);
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
  rc = values_[index]->to_text_into(&core_text);
  if (rc != ASN_OK) return rc;
  unsigned long length = core_text.length();
  while (length != 0 && core_text.data()[length - 1] == '\0') --length;
  out->append(core_text.data(), length);
  return ASN_OK;
}

long CTevIndexRow::value_text_into(unsigned long index, unsigned long flags,
                                   CTevAsnBuffer* buffer) const {
  if (buffer == nullptr || index >= count_) return ASN_E_INVALID_ARGUMENT;
  CTevTextBuilder value_text;
  const long rc = append_value_text(&value_text, index, flags);
  return rc != ASN_OK ? rc : value_text.store_into(buffer);
}

long CTevIndexRow::build_text(unsigned long flags) const {
  scratch_.clear();
  for (unsigned long i = 0; i < count_; ++i) {
    if (i != 0) scratch_.append_char('\t');
    const long rc = append_value_text(&scratch_, i, flags);
    if (rc != ASN_OK) return rc;
  }
  return scratch_.status();
}

long CTevIndexRow::to_text_into(CTevAsnBuffer* buffer, unsigned long flags) const {
  if (buffer == nullptr) return ASN_E_INVALID_ARGUMENT;
  const long rc = build_text(flags);
  return rc != ASN_OK ? rc : scratch_.store_into(buffer);
}

const char* CTevIndexRow::text(unsigned long flags, unsigned long* length, long* err) const {
  long rc = length == nullptr ? ASN_E_INVALID_ARGUMENT : build_text(flags);
  tev_table_set_error(err, rc);
  if (rc != ASN_OK) return nullptr;
  *length = scratch_.length();
  // An empty text is "" rather than null, which means failure.
  return scratch_.length() == 0 ? "" : scratch_.data();
}
