// Implementations of the interfaces that are not the library's, as another
// module might provide: they report a type but answer no class id, and every
// operation refuses unless a test overrides it. The library must never read
// such an object as one of its own.
#ifndef TEVASNVALUE_TESTS_SUPPORT_FOREIGNVALUE_H
#define TEVASNVALUE_TESTS_SUPPORT_FOREIGNVALUE_H

#include <utility>
#include <vector>

#include "TevAsnValue.h"

class ForeignValue : public virtual ITevAsnValue {
 public:
  explicit ForeignValue(NTevAsnValue::EAsnType type) : type_(type) {}
  virtual ~ForeignValue() = default;

  NTevAsnValue::EAsnType get_type() const override { return type_; }
  void query_class(unsigned long, void** out) const override {
    if (out != nullptr) *out = nullptr;
  }

  long accept(ITevAsnValueVisitor*) override { return kNo; }
  void release() override {}
  ITevAsnValue* clone(long* err) const override { return fail<ITevAsnValue*>(err, nullptr); }
  long assign(const ITevAsnValue*) override { return kNo; }
  void clear() override {}
  bool is_equal(const ITevAsnValue*) const override { return false; }
  ITevAsnObjectID* query_object_id() override { return nullptr; }
  bool is_valid() const override { return true; }
  long get_long(long* err) const override { return fail(err, -1L); }
  unsigned long get_ulong(long* err) const override { return fail(err, kFail); }
  CTevAsnBuffer* to_text(long* err) const override { return fail<CTevAsnBuffer*>(err, nullptr); }
  long to_text_into(CTevAsnBuffer*) const override { return kNo; }
  const unsigned char* get_octets(unsigned long*, long* err) const override {
    return fail<const unsigned char*>(err, nullptr);
  }
  CTevAsnBuffer* to_octets(long* err) const override { return fail<CTevAsnBuffer*>(err, nullptr); }
  long to_octets_into(CTevAsnBuffer*) const override { return kNo; }
  unsigned short get_port(long* err) const override {
    return fail(err, static_cast<unsigned short>(0xFFFF));
  }
  unsigned long get_high(long* err) const override { return fail(err, kFail); }
  unsigned long get_low(long* err) const override { return fail(err, kFail); }
  long set_long(long) override { return kNo; }
  long set_ulong(unsigned long) override { return kNo; }
  long set_text(const char*) override { return kNo; }
  long set_text_from(const CTevAsnBuffer*) override { return kNo; }
  long set_octets(const unsigned char*, unsigned long) override { return kNo; }
  long set_octets_from(const CTevAsnBuffer*) override { return kNo; }
  long set_port(unsigned short) override { return kNo; }
  long set_high(unsigned long) override { return kNo; }
  long set_low(unsigned long) override { return kNo; }
  unsigned long get_count() const override { return 0; }
  unsigned long get_oid_length(long) const override { return 0; }
  unsigned long get_at(unsigned long, long* err) const override { return fail(err, kFail); }
  long append_to_oid(ITevAsnObjectID*, long) const override { return kNo; }
  long assign_to_oid(ITevAsnObjectID*, long) const override { return kNo; }
  long set_from_oid(const ITevAsnObjectID*, long, unsigned long) override { return kNo; }

 protected:
  static constexpr long kNo = NTevAsnValue::ASN_E_NOT_SUPPORTED;
  static constexpr unsigned long kFail = 0xFFFFFFFFUL;

  template <class T>
  static T fail(long* err, T result) {
    if (err != nullptr) *err = kNo;
    return result;
  }

 private:
  NTevAsnValue::EAsnType type_;
};

// A foreign object identifier that serves its sub-identifiers through the
// interface (count, get_at, append_sub_id, clear) and refuses the rest.
class ForeignOid final : public ITevAsnObjectID, public ForeignValue {
 public:
  explicit ForeignOid(std::vector<unsigned long> sub_ids)
      : ForeignValue(NTevAsnValue::ASN_OBJECT_ID), sub_ids_(std::move(sub_ids)) {}

  unsigned long get_count() const override { return sub_ids_.size(); }
  unsigned long get_at(unsigned long index, long* err) const override {
    if (err != nullptr) {
      *err = index < sub_ids_.size() ? NTevAsnValue::ASN_OK
             : sub_ids_.empty()      ? NTevAsnValue::ASN_E_EMPTY
                                     : NTevAsnValue::ASN_E_OUT_OF_RANGE;
    }
    if (index >= sub_ids_.size()) return kFail;
    return sub_ids_[index];
  }
  long append_sub_id(unsigned long value) override {
    sub_ids_.push_back(value);
    return NTevAsnValue::ASN_OK;
  }
  void clear() override { sub_ids_.clear(); }
  ITevAsnObjectID* query_object_id() override { return this; }

  ITevAsnObjectID* clone_oid(long* err) const override {
    return ForeignValue::fail<ITevAsnObjectID*>(err, nullptr);
  }
  long compare_text(const char*, long*) const override { return -1; }
  long compare(const ITevAsnObjectID*, long*) const override { return -1; }
  long remove_prefix_text(const char*) override { return kNo; }
  long remove_prefix(const ITevAsnObjectID*) override { return kNo; }
  long append_text(const char*) override { return kNo; }
  long append_oid(const ITevAsnObjectID*) override { return kNo; }
  long append_value_text(const char*, NTevAsnValue::EAsnType, long) override { return kNo; }
  long append_value(ITevAsnValue*, long) override { return kNo; }
  ITevAsnObjectID* take_prefix(unsigned long, long*) override { return nullptr; }
  long take_prefix_into(ITevAsnObjectID*, unsigned long) override { return kNo; }
  unsigned long take_first(long*) override { return kFail; }
  CTevAsnBuffer* take_prefix_text(unsigned long, long*) override { return nullptr; }
  long take_prefix_text_into(CTevAsnBuffer*, unsigned long) override { return kNo; }
  ITevAsnValue* take_value(NTevAsnValue::EAsnType, long*, long, unsigned long) override {
    return nullptr;
  }
  long take_value_into(ITevAsnValue*, long, unsigned long) override { return kNo; }
  long erase_sub_ids(unsigned long, unsigned long) override { return kNo; }
  ITevAsnValue* read_value(NTevAsnValue::EAsnType, long*, long) const override { return nullptr; }
  long read_value_into(ITevAsnValue*, long) const override { return kNo; }
  long assign_value(ITevAsnValue*, long) override { return kNo; }

 private:
  std::vector<unsigned long> sub_ids_;
};

#endif  // TEVASNVALUE_TESTS_SUPPORT_FOREIGNVALUE_H
