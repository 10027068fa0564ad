#include "table/CTevTableEntry.h"

#include <cstring>
#include <new>

#include "TevAsnValue.h"
#include "base/CTevTextBuilder.h"
#include "base/TevError.h"
#include "table/CTevIndexLayout.h"
#include "table/CTevIndexRow.h"
#include "table/TevTableClassIds.h"

using namespace NTevAsnValue;

CTevTableEntry::~CTevTableEntry() {
  if (layout_ != nullptr) layout_->release();
}

void CTevTableEntry::release() { delete this; }

void CTevTableEntry::query_class(unsigned long class_id, void** out) const {
  tev_table::answer_class(class_id, tev_table::kClassIdTableEntry, this, out);
}

const ITevAsnIndexLayout* CTevTableEntry::get_layout() const { return layout_; }

CTevTableEntry* CTevTableEntry::create(const char* entry, const char* layout, CTevAsnBuffer* reason,
                                       long* err) {
  if (entry == nullptr || layout == nullptr) {
    tev_base::set_error(err, ASN_E_INVALID_ARGUMENT);
    return nullptr;
  }
  std::uint32_t sub_ids[ASN_MAX_SUB_IDS];
  unsigned long count = 0;
  CTevAsnBuffer why;
  long rc = tev_parse_sub_ids(entry, std::strlen(entry), sub_ids, ASN_MAX_SUB_IDS, &count, &why);
  if (rc == ASN_OK && count == 0) {
    rc = ASN_E_INVALID_ARGUMENT;
    why.assign_text("empty object identifier");
  }
  if (rc != ASN_OK) {
    CTevTextBuilder named;
    named.append_text("entry ");
    named.append_quoted(entry, std::strlen(entry));
    named.append_text(": ");
    named.append(why.data(), why.length());
    tev_base::set_error(err, rc == ASN_E_OUT_OF_MEMORY ? rc : named.refuse(rc, reason));
    return nullptr;
  }
  CTevTableEntry* made = new (std::nothrow) CTevTableEntry;
  if (made == nullptr || made->entry_.assign(sub_ids, count) != ASN_OK) {
    if (made != nullptr) made->release();
    tev_base::set_error(err, ASN_E_OUT_OF_MEMORY);
    return nullptr;
  }
  made->layout_ = CTevIndexLayout::create(layout, 0, reason, &rc);
  tev_base::set_error(err, rc);
  if (made->layout_ == nullptr) {
    made->release();
    return nullptr;
  }
  return made;
}

long CTevTableEntry::split(const std::uint32_t* sub_ids, unsigned long count, unsigned long* column,
                           ITevAsnIndexRow* row, CTevAsnBuffer* reason) const {
  CTevIndexRow* own = layout_->own_row(row);
  if (own == nullptr || (sub_ids == nullptr && count != 0)) return ASN_E_INVALID_ARGUMENT;
  const unsigned long n = entry_.count();
  const bool below =
      count >= n && std::memcmp(sub_ids, entry_.data(), n * sizeof(std::uint32_t)) == 0;
  if (!below || count == n) {
    own->reset();
    CTevTextBuilder why;
    why.append_text(below ? "is the entry itself, with no column after it"
                          : "does not lie below the entry ");
    if (!below) why.append_dotted(entry_.data(), n);
    return why.refuse(below ? ASN_E_INDEX_SHORT : ASN_E_NOT_IN_TABLE, reason);
  }
  const long rc = layout_->decode_into(own, sub_ids + n + 1, count - n - 1, sub_ids[n], reason);
  if (rc == ASN_OK && column != nullptr) *column = sub_ids[n];
  return rc;
}

long CTevTableEntry::split_oid(const ITevAsnObjectID* instance, unsigned long* column,
                               ITevAsnIndexRow* row, CTevAsnBuffer* reason) const {
  // A row that is not ours is refused before anything else happens.
  if (layout_->own_row(row) == nullptr) return ASN_E_INVALID_ARGUMENT;
  CTevSubIdArray sub_ids;
  const long rc = sub_ids.assign_oid(instance);
  if (rc != ASN_OK) return rc;
  return split(sub_ids.data(), sub_ids.count(), column, row, reason);
}

long CTevTableEntry::build(unsigned long column, ITevAsnValue* const* values, unsigned long count,
                           ITevAsnObjectID* instance, CTevAsnBuffer* reason) const {
  if (instance == nullptr || column > 0xFFFFFFFFUL) return ASN_E_INVALID_ARGUMENT;
  long rc = ASN_OK;
  ITevAsnObjectID* built = tev_create_asn_object_id(&rc);
  if (built == nullptr) return rc;
  for (unsigned long i = 0; i < entry_.count() && rc == ASN_OK; ++i) {
    rc = built->append_sub_id(entry_.data()[i]);
  }
  if (rc == ASN_OK) rc = built->append_sub_id(column);
  if (rc == ASN_OK) rc = layout_->encode(values, count, built, reason);
  if (rc == ASN_OK) rc = instance->assign(built);
  built->release();
  return rc;
}
