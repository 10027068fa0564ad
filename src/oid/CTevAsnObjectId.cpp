#include "oid/CTevAsnObjectId.h"

#include <cstring>
#include <new>

#include "base/TevNumberText.h"
#include "framework/TevCreateFilled.h"
#include "oid/CTevOidIndexCodec.h"
#include "oid/TevOidText.h"

using namespace NTevAsnValue;

// ---------------------------------------------------------------------------
// ITevAsnValue

long CTevAsnObjectId::accept(ITevAsnValueVisitor* visitor) {
  return visitor->visit_object_id(this);
}

ITevAsnValue* CTevAsnObjectId::clone(long* err) const { return clone_oid(err); }

long CTevAsnObjectId::assign(const ITevAsnValue* src) {
  // Only our object identifiers answer the class-id cast, so the type check
  // of the other classes is implied.
  const CTevAsnObjectId* other = peer(src);
  if (other == nullptr) return ASN_E_INVALID_ARGUMENT;
  return store_.assign(other->store_);
}

void CTevAsnObjectId::clear() { store_.clear(); }

EAsnType CTevAsnObjectId::get_type() const { return ASN_OBJECT_ID; }

bool CTevAsnObjectId::is_equal(const ITevAsnValue* other) const {
  if (!same_type(other)) return false;
  const CTevAsnObjectId* object = from(other);
  return object != nullptr && object->store_.length() == store_.length() &&
         std::memcmp(object->store_.data(), store_.data(), store_.length()) == 0;
}

ITevAsnObjectID* CTevAsnObjectId::query_object_id() { return this; }

void CTevAsnObjectId::query_class(unsigned long class_id, void** out) const {
  // The hot ids first: every octet value's index decoding and encoding asks
  // for the fast paths, and operations given an identifier of unknown origin
  // for the class.
  if (out == nullptr) return;
  if (class_id == tev_core::kClassIdOidOctets) {
    ready_index_ = store_.built_sub_id_view();
    *out = static_cast<void*>(const_cast<ITevOidOctets*>(static_cast<const ITevOidOctets*>(this)));
    return;
  }
  // The bare tag is answered alike.
  if (class_id == tev_core::kClassIdObjectId ||
      class_id == static_cast<unsigned long>(ASN_OBJECT_ID)) {
    *out =
        static_cast<void*>(const_cast<ITevAsnObjectID*>(static_cast<const ITevAsnObjectID*>(this)));
    return;
  }
  CTevAsnValueBase::query_class(class_id, out);
}

const CTevAsnObjectId* CTevAsnObjectId::from(const ITevAsnValue* value) {
  if (value == nullptr) return nullptr;
  void* out = nullptr;
  value->query_class(tev_core::kClassIdObjectId, &out);
  // query_class hands out the ITevAsnObjectID, a non-virtual base of ours.
  return static_cast<const CTevAsnObjectId*>(static_cast<const ITevAsnObjectID*>(out));
}

bool CTevAsnObjectId::is_valid() const {
  return tev_core::oid_text_is_valid(store_.data(), store_.length());
}

unsigned long CTevAsnObjectId::get_ulong(long* err) const {
  unsigned long value = 0;
  const long code = store_.empty() ? ASN_OK : tev_core::oid_read_sub_id(store_.data(), &value);
  tev_core::set_error(err, code);
  return value;
}

long CTevAsnObjectId::to_text_into(CTevAsnBuffer* buffer) const {
  if (buffer == nullptr) return ASN_E_INVALID_ARGUMENT;
  return buffer->assign(store_.data(), store_.length());
}

const unsigned char* CTevAsnObjectId::get_octets(unsigned long* length, long* err) const {
  if (length == nullptr) {
    tev_core::set_error(err, ASN_E_INVALID_ARGUMENT);
    return nullptr;
  }
  *length = store_.length();
  tev_core::set_error(err, ASN_OK);
  return reinterpret_cast<const unsigned char*>(store_.data());
}

long CTevAsnObjectId::set_ulong(unsigned long value) {
  if (!tev_core::fits_u32(value)) return ASN_E_INVALID_ARGUMENT;
  char digits[tev_base::kDecimalTextSize];
  const std::size_t length = tev_base::format_decimal(static_cast<std::uint64_t>(value), digits);
  return store_.assign_text(digits, length);
}

long CTevAsnObjectId::set_text(const char* text) {
  if (text == nullptr) return store_.assign_text("", 0);
  return store_.assign_text(text, std::strlen(text));
}

long CTevAsnObjectId::set_octets(const unsigned char* data, unsigned long length) {
  if (data == nullptr || !tev_core::fits_u32(length)) return ASN_E_INVALID_ARGUMENT;
  return store_.assign_text(reinterpret_cast<const char*>(data), length);
}

unsigned long CTevAsnObjectId::get_count() const { return store_.count(); }

unsigned long CTevAsnObjectId::get_oid_length(long implied) const {
  return implied == 1 ? get_count() : get_count() + 1;
}

unsigned long CTevAsnObjectId::get_at(unsigned long index, long* err) const {
  return store_.get_at(index, err);
}

long CTevAsnObjectId::append_to_oid(ITevAsnObjectID* oid, long implied) const {
  if (oid == nullptr) return ASN_E_INVALID_ARGUMENT;
  if (is_self(oid)) {
    return on_copy([&](const CTevAsnObjectId& copy) { return copy.append_to_oid(oid, implied); });
  }
  return CTevOidIndexCodec::encode(*this, oid, implied);
}

long CTevAsnObjectId::assign_to_oid(ITevAsnObjectID* oid, long implied) const {
  if (oid == nullptr) return ASN_E_INVALID_ARGUMENT;
  if (is_self(oid)) {
    return on_copy([&](const CTevAsnObjectId& copy) { return copy.assign_to_oid(oid, implied); });
  }
  oid->clear();
  return CTevOidIndexCodec::encode(*this, oid, implied);
}

long CTevAsnObjectId::set_from_oid(const ITevAsnObjectID* oid, long implied, unsigned long length) {
  if (oid == nullptr) return ASN_E_INVALID_ARGUMENT;
  if (is_self(oid)) {
    return on_copy(
        [&](const CTevAsnObjectId& copy) { return set_from_oid(&copy, implied, length); });
  }
  return CTevOidIndexCodec::decode(this, oid, implied, length);
}

// ---------------------------------------------------------------------------
// ITevAsnObjectID

ITevAsnObjectID* CTevAsnObjectId::clone_oid(long* err) const {
  return tev_core::create_filled(
      err, [](long* code) { return create<CTevAsnObjectId>(code); },
      [this](CTevAsnObjectId* copy) { return copy->assign(this); });
}

long CTevAsnObjectId::compare_text(const char* text, long* err) const {
  if (text == nullptr) {
    tev_core::set_error(err, ASN_E_INVALID_ARGUMENT);
    return -1;
  }
  tev_core::set_error(err, ASN_OK);
  return tev_core::oid_text_relation(store_.data(), store_.length(), text, std::strlen(text));
}

long CTevAsnObjectId::compare(const ITevAsnObjectID* oid, long* err) const {
  // peer()'s common case spelled out here, so that the class-id call of the
  // other case (compare_foreign) costs this path no stack frame.
  if (oid == nullptr ||
      tev_base::vtable_of(oid) != tev_base::vtable_of(static_cast<const ITevAsnObjectID*>(this))) {
    return compare_foreign(oid, err);
  }
  const auto* other = static_cast<const CTevAsnObjectId*>(oid);
  tev_core::set_error(err, ASN_OK);
  return tev_core::oid_text_relation(store_.data(), store_.length(), other->store_.data(),
                                     other->store_.length());
}

long CTevAsnObjectId::compare_foreign(const ITevAsnObjectID* oid, long* err) const {
  const CTevAsnObjectId* other = peer(oid);
  if (other == nullptr) {
    tev_core::set_error(err, ASN_E_INVALID_ARGUMENT);
    return -1;
  }
  tev_core::set_error(err, ASN_OK);
  return tev_core::oid_text_relation(store_.data(), store_.length(), other->store_.data(),
                                     other->store_.length());
}

long CTevAsnObjectId::remove_prefix_text(const char* prefix) {
  if (prefix == nullptr) return ASN_E_INVALID_ARGUMENT;
  const std::size_t length = std::strlen(prefix);
  const long relation = tev_core::oid_text_relation(store_.data(), store_.length(), prefix, length);
  if (relation != tev_core::kRelationEqual && relation != tev_core::kRelationBelow) {
    return ASN_E_INVALID_ARGUMENT;
  }
  return erase_sub_ids(0, tev_core::oid_text_count(prefix, length));
}

long CTevAsnObjectId::remove_prefix(const ITevAsnObjectID* prefix) {
  const CTevAsnObjectId* other = peer(prefix);
  if (other == nullptr) return ASN_E_INVALID_ARGUMENT;
  const long relation = tev_core::oid_text_relation(store_.data(), store_.length(),
                                                    other->store_.data(), other->store_.length());
  if (relation != tev_core::kRelationEqual && relation != tev_core::kRelationBelow) {
    return ASN_E_INVALID_ARGUMENT;
  }
  return erase_sub_ids(0, other->get_count());
}

long CTevAsnObjectId::append_text(const char* text) {
  if (text == nullptr || *text == '\0') return ASN_OK;
  if (store_.holds(text)) {
    // Text taken from this identifier would move as it grows: append the
    // same characters of a copy.
    const auto offset = static_cast<std::size_t>(text - store_.data());
    return on_copy([this, offset](const CTevAsnObjectId& copy) {
      return append_text(copy.store_.data() + offset);
    });
  }
  return store_.append_piece(text, std::strlen(text));
}

long CTevAsnObjectId::append_sub_id(unsigned long value) { return store_.append_sub_id(value); }

long CTevAsnObjectId::append_octets(bool has_prefix, unsigned long prefix,
                                    const unsigned char* octets, std::size_t n) {
  return store_.append_octets(has_prefix, prefix, octets, n);
}

long CTevAsnObjectId::read_octets(unsigned long first, unsigned long n, unsigned char* out,
                                  unsigned long* done) const {
  return store_.read_octets(first, n, out, done);
}

long CTevAsnObjectId::append_oid(const ITevAsnObjectID* oid) {
  const CTevAsnObjectId* other = peer(oid);
  if (other == nullptr) return ASN_E_INVALID_ARGUMENT;
  if (other == this) {
    return on_copy([this](const CTevAsnObjectId& copy) { return append_oid(&copy); });
  }
  if (other->store_.empty()) return ASN_OK;
  return store_.append_piece(other->store_.data(), other->store_.length());
}

long CTevAsnObjectId::append_value_text(const char* text, EAsnType type, long implied) {
  return CTevOidIndexCodec::append_value_text(this, text, type, implied);
}

long CTevAsnObjectId::append_value(ITevAsnValue* value, long implied) {
  if (value == nullptr) return ASN_E_INVALID_ARGUMENT;
  return value->append_to_oid(this, implied);
}

ITevAsnObjectID* CTevAsnObjectId::take_prefix(unsigned long n, long* err) {
  return tev_core::create_filled(
      err, [](long* code) { return create<CTevAsnObjectId>(code); },
      [this, n](CTevAsnObjectId* prefix) { return take_prefix_into(prefix, n); });
}

long CTevAsnObjectId::take_prefix_into(ITevAsnObjectID* oid, unsigned long n) {
  // Into itself would lose the rest of the identifier.
  if (oid == nullptr || is_self(oid)) return ASN_E_INVALID_ARGUMENT;
  std::size_t length = store_.prefix_length(n);
  // Taken as text, the prefix ends at a zero byte (stored from set_octets).
  if (const void* zero = std::memchr(store_.data(), '\0', length)) {
    length = static_cast<std::size_t>(static_cast<const char*>(zero) - store_.data());
  }
  // A foreign identifier takes zero-terminated text: the prefix goes through
  // a buffer of its own.
  CTevAsnObjectId* const ours = from(oid);
  CTevAsnBuffer prefix;
  long code = ours != nullptr ? ours->store_.assign_text(store_.data(), length)
                              : prefix.assign(store_.data(), length);
  if (code == ASN_OK && ours == nullptr) code = oid->set_text(prefix.data());
  if (code != ASN_OK) return code;
  // Nothing to remove for n = 0 or an empty identifier.
  if (n != 0 && !store_.empty()) erase_sub_ids(0, n);
  return ASN_OK;
}

unsigned long CTevAsnObjectId::take_first(long* err) {
  long code = ASN_OK;
  const unsigned long value = get_at(0, &code);
  tev_core::set_error(err, code);
  if (code != ASN_OK) return tev_core::kFail32;
  erase_sub_ids(0, 1);
  return value;
}

CTevAsnBuffer* CTevAsnObjectId::take_prefix_text(unsigned long n, long* err) {
  return tev_core::create_filled(
      err,
      [](long* code) {
        auto* buffer = new (std::nothrow) CTevAsnBuffer;
        if (buffer == nullptr) *code = ASN_E_OUT_OF_MEMORY;
        return buffer;
      },
      [this, n](CTevAsnBuffer* buffer) { return take_prefix_text_into(buffer, n); });
}

long CTevAsnObjectId::take_prefix_text_into(CTevAsnBuffer* buffer, unsigned long n) {
  if (buffer == nullptr) return ASN_E_INVALID_ARGUMENT;
  const long code = buffer->assign(store_.data(), store_.prefix_length(n));
  if (code != ASN_OK) return code;
  if (n != 0 && !store_.empty()) erase_sub_ids(0, n);
  return ASN_OK;
}

ITevAsnValue* CTevAsnObjectId::take_value(EAsnType type, long* err, long implied,
                                          unsigned long length) {
  return CTevOidIndexCodec::take_value(this, type, err, implied, length);
}

long CTevAsnObjectId::take_value_into(ITevAsnValue* value, long implied, unsigned long length) {
  // Into itself would decode and then erase the same text.
  if (value == nullptr || is_self(value)) return ASN_E_INVALID_ARGUMENT;
  const long code = value->set_from_oid(this, implied, length);
  if (code != ASN_OK) return code;
  // Remove exactly the sub-identifiers the value was decoded from: every
  // non-zero flag decoded it as implied, and a value that took none (an empty
  // implied string) leaves the identifier as it is.
  const unsigned long used = value->get_oid_length(implied != 0 ? 1 : 0);
  return used == 0 ? ASN_OK : erase_sub_ids(0, used);
}

ITevAsnValue* CTevAsnObjectId::read_value(EAsnType type, long* err, long implied) const {
  return CTevOidIndexCodec::read_value(this, type, err, implied);
}

long CTevAsnObjectId::read_value_into(ITevAsnValue* value, long implied) const {
  if (value == nullptr) return ASN_E_INVALID_ARGUMENT;
  return value->set_from_oid(this, implied, tev_core::kMax32);
}

long CTevAsnObjectId::assign_value(ITevAsnValue* value, long implied) {
  if (value == nullptr) return ASN_E_INVALID_ARGUMENT;
  return value->assign_to_oid(this, implied);
}
