#include "framework/CTevAsnValueBase.h"

using namespace NTevAsnValue;

namespace {

// The default to_text and to_octets: a new buffer, filled by `fill`, handed
// back also when filling fails.
CTevAsnBuffer* new_filled_buffer(const CTevAsnValueBase* value,
                                 long (CTevAsnValueBase::*fill)(CTevAsnBuffer*) const, long* err) {
  CTevAsnBuffer* buffer = new (std::nothrow) CTevAsnBuffer;
  if (buffer == nullptr) {
    tev_core::set_error(err, ASN_E_OUT_OF_MEMORY);
    return nullptr;
  }
  tev_core::set_error(err, (value->*fill)(buffer));
  return buffer;
}

}  // namespace

long CTevAsnValueBase::accept(ITevAsnValueVisitor* /*visitor*/) { return ASN_E_NOT_SUPPORTED; }

void CTevAsnValueBase::release() { delete this; }

ITevAsnObjectID* CTevAsnValueBase::query_object_id() { return nullptr; }

void CTevAsnValueBase::query_class(unsigned long class_id, void** out) const {
  if (out == nullptr) return;
  if (class_id == tev_core::kClassIdBase) {
    *out = static_cast<void*>(const_cast<CTevAsnValueBase*>(this));
  } else if (class_id == tev_core::kClassIdValue) {
    *out = static_cast<void*>(static_cast<ITevAsnValue*>(const_cast<CTevAsnValueBase*>(this)));
  } else {
    *out = nullptr;
  }
}

bool CTevAsnValueBase::is_valid() const { return true; }

long CTevAsnValueBase::get_long(long* err) const {
  tev_core::set_error(err, ASN_E_NOT_SUPPORTED);
  return tev_core::kFailLong;
}

unsigned long CTevAsnValueBase::get_ulong(long* err) const {
  tev_core::set_error(err, ASN_E_NOT_SUPPORTED);
  return tev_core::kFail32;
}

CTevAsnBuffer* CTevAsnValueBase::to_text(long* err) const {
  return new_filled_buffer(this, &CTevAsnValueBase::to_text_into, err);
}

long CTevAsnValueBase::to_text_into(CTevAsnBuffer* /*buffer*/) const { return ASN_E_NOT_SUPPORTED; }

const unsigned char* CTevAsnValueBase::get_octets(unsigned long* /*length*/, long* err) const {
  tev_core::set_error(err, ASN_E_NOT_SUPPORTED);
  return nullptr;
}

CTevAsnBuffer* CTevAsnValueBase::to_octets(long* err) const {
  return new_filled_buffer(this, &CTevAsnValueBase::to_octets_into, err);
}

long CTevAsnValueBase::to_octets_into(CTevAsnBuffer* buffer) const {
  if (buffer == nullptr) return ASN_E_INVALID_ARGUMENT;
  unsigned long length = 0;
  long code = ASN_OK;
  const unsigned char* octets = get_octets(&length, &code);
  if (code != ASN_OK) return code;
  return buffer->assign(octets, length);
}

unsigned short CTevAsnValueBase::get_port(long* err) const {
  tev_core::set_error(err, ASN_E_NOT_SUPPORTED);
  return tev_core::kFailPort;
}

unsigned long CTevAsnValueBase::get_high(long* err) const {
  tev_core::set_error(err, ASN_E_NOT_SUPPORTED);
  return tev_core::kFail32;
}

unsigned long CTevAsnValueBase::get_low(long* err) const {
  tev_core::set_error(err, ASN_E_NOT_SUPPORTED);
  return tev_core::kFail32;
}

long CTevAsnValueBase::set_long(long /*value*/) { return ASN_E_NOT_SUPPORTED; }

long CTevAsnValueBase::set_ulong(unsigned long /*value*/) { return ASN_E_NOT_SUPPORTED; }

long CTevAsnValueBase::set_text(const char* /*text*/) { return ASN_E_NOT_SUPPORTED; }

long CTevAsnValueBase::set_text_from(const CTevAsnBuffer* buffer) {
  if (buffer == nullptr) return ASN_E_INVALID_ARGUMENT;
  return set_text(buffer->data());
}

long CTevAsnValueBase::set_octets(const unsigned char* /*data*/, unsigned long /*length*/) {
  return ASN_E_NOT_SUPPORTED;
}

long CTevAsnValueBase::set_octets_from(const CTevAsnBuffer* buffer) {
  if (buffer == nullptr) return ASN_E_INVALID_ARGUMENT;
  return set_octets(reinterpret_cast<const unsigned char*>(buffer->data()), buffer->length());
}

long CTevAsnValueBase::set_port(unsigned short /*port*/) { return ASN_E_NOT_SUPPORTED; }

long CTevAsnValueBase::set_high(unsigned long /*high*/) { return ASN_E_NOT_SUPPORTED; }

long CTevAsnValueBase::set_low(unsigned long /*low*/) { return ASN_E_NOT_SUPPORTED; }

unsigned long CTevAsnValueBase::get_count() const { return 0; }

unsigned long CTevAsnValueBase::get_oid_length(long /*implied*/) const { return get_count(); }

unsigned long CTevAsnValueBase::get_at(unsigned long /*index*/, long* err) const {
  tev_core::set_error(err, ASN_E_NOT_SUPPORTED);
  return tev_core::kFail32;
}

long CTevAsnValueBase::append_to_oid(ITevAsnObjectID* /*oid*/, long /*implied*/) const {
  return ASN_E_NOT_SUPPORTED;
}

long CTevAsnValueBase::assign_to_oid(ITevAsnObjectID* /*oid*/, long /*implied*/) const {
  return ASN_E_NOT_SUPPORTED;
}

long CTevAsnValueBase::set_from_oid(const ITevAsnObjectID* /*oid*/, long /*implied*/,
                                    unsigned long /*length*/) {
  return ASN_E_NOT_SUPPORTED;
}
