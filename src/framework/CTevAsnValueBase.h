// CTevAsnValueBase: the common base of every value class. It gives each
// interface operation its default (most refuse with -5) and declares the
// virtual destructor and the post-construction step initialize().
#ifndef TEVASNVALUE_SRC_FRAMEWORK_CTEVASNVALUEBASE_H
#define TEVASNVALUE_SRC_FRAMEWORK_CTEVASNVALUEBASE_H

#include <cstddef>
#include <cstdlib>
#include <new>

#include "ITevAsnValue.h"
#include "framework/TevAsnConstants.h"
#include "framework/TevCreateFilled.h"

class CTevAsnValueBase : public virtual ITevAsnValue {
 public:
  long accept(ITevAsnValueVisitor* visitor) override;
  void release() override;
  ITevAsnObjectID* query_object_id() override;
  void query_class(unsigned long class_id, void** out) const override;
  bool is_valid() const override;
  long get_long(long* err) const override;
  unsigned long get_ulong(long* err) const override;
  CTevAsnBuffer* to_text(long* err) const override;
  long to_text_into(CTevAsnBuffer* buffer) const override;
  const unsigned char* get_octets(unsigned long* length, long* err) const override;
  CTevAsnBuffer* to_octets(long* err) const override;
  long to_octets_into(CTevAsnBuffer* buffer) const override;
  unsigned short get_port(long* err) const override;
  unsigned long get_high(long* err) const override;
  unsigned long get_low(long* err) const override;
  long set_long(long value) override;
  long set_ulong(unsigned long value) override;
  long set_text(const char* text) override;
  long set_text_from(const CTevAsnBuffer* buffer) override;
  long set_octets(const unsigned char* data, unsigned long length) override;
  long set_octets_from(const CTevAsnBuffer* buffer) override;
  long set_port(unsigned short port) override;
  long set_high(unsigned long high) override;
  long set_low(unsigned long low) override;
  unsigned long get_count() const override;
  unsigned long get_oid_length(long implied) const override;
  unsigned long get_at(unsigned long index, long* err) const override;
  long append_to_oid(ITevAsnObjectID* oid, long implied) const override;
  long assign_to_oid(ITevAsnObjectID* oid, long implied) const override;
  long set_from_oid(const ITevAsnObjectID* oid, long implied, unsigned long length) override;

  virtual ~CTevAsnValueBase() = default;
  // Values are made only by create() and freed only by release(): straight
  // from malloc and back to free, without the global operator new's detour
  // (failure is a null result here, never an exception).
  static void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    return std::malloc(size);
  }
  static void* operator new(std::size_t size) = delete;
  // The plain form matches the deleted plain new: values have no other.
  static void operator delete(void* object) noexcept {  // NOLINT(cert-dcl54-cpp)
    std::free(object);
  }
  static void operator delete(void* object, const std::nothrow_t&) noexcept { std::free(object); }
  /// Post-construction step, run once before the object is handed out: 0, or
  /// -3 when the class cannot obtain its storage. Inline, so that create()
  /// drops the call for the classes that need no such step.
  virtual long initialize() { return NTevAsnValue::ASN_OK; }

  /// Allocates a T and runs its initialize(). Returns the object, or null with
  /// the code in `*code` (-3, or initialize's code; the object is released).
  template <class T, class... Args>
  static T* create(long* code, Args... args) {
    T* object = new (std::nothrow) T(args...);
    if (object == nullptr) {
      *code = NTevAsnValue::ASN_E_OUT_OF_MEMORY;
      return nullptr;
    }
    *code = object->initialize();
    if (*code != NTevAsnValue::ASN_OK) {
      object->release();
      return nullptr;
    }
    return object;
  }

 protected:
  CTevAsnValueBase() = default;
  CTevAsnValueBase(const CTevAsnValueBase&) = default;
  CTevAsnValueBase& operator=(const CTevAsnValueBase&) = default;

  /// clone() of every class: a fresh T made as the creation functions make it
  /// (constructor arguments, initialize), then filled with assign(*this).
  template <class T, class... Args>
  ITevAsnValue* clone_as(long* err, Args... args) const {
    return tev_core::create_filled(
        err, [args...](long* code) { return create<T>(code, args...); },
        [this](T* copy) { return copy->assign(this); });
  }

  /// The first step of every query_class: answers `own_id` with `self` seen as
  /// T. Returns true when it wrote `*out`.
  template <class T>
  static bool answer_class(unsigned long class_id, unsigned long own_id, const T* self,
                           void** out) {
    if (out == nullptr || class_id != own_id) return false;
    *out = static_cast<void*>(const_cast<T*>(self));
    return true;
  }

  /// Fetches the object behind `value` as T through the class-id cast; null
  /// for a foreign implementation that does not answer `class_id`.
  template <class T>
  static const T* cast_to(const ITevAsnValue* value, unsigned long class_id) {
    void* out = nullptr;
    value->query_class(class_id, &out);
    return static_cast<const T*>(out);
  }

  /// True when `other` is a value of this value's type (the check that comes
  /// first in assign and is_equal).
  bool same_type(const ITevAsnValue* other) const {
    return other != nullptr && other->get_type() == get_type();
  }
};

#endif  // TEVASNVALUE_SRC_FRAMEWORK_CTEVASNVALUEBASE_H
