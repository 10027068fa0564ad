#include "oid/CTevAsnObjectId.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "TevAsnValue.h"
#include "framework/TevNumberText.h"
#include "oid/TevOidText.h"

using namespace NTevAsnValue;

// Keeps a rarely taken path out of line, so that the common path stays a leaf
// without register saves.
#if defined(__GNUC__)
#define TEV_NOINLINE __attribute__((noinline))
#elif defined(_MSC_VER)
#define TEV_NOINLINE __declspec(noinline)
#else
#define TEV_NOINLINE
#endif

namespace {

// Writes `value` in decimal so that it ends just before `end`, two digits at a
// time; returns where it starts.
char* write_decimal(char* end, std::uint32_t value) {
  static const char kPairs[] =
      "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
      "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
      "8081828384858687888990919293949596979899";
  while (value >= 100) {
    const std::uint32_t pair = value % 100;
    value /= 100;
    end -= 2;
    std::memcpy(end, kPairs + std::size_t{2} * pair, 2);
  }
  if (value >= 10) {
    end -= 2;
    std::memcpy(end, kPairs + std::size_t{2} * value, 2);
  } else {
    *--end = static_cast<char>('0' + value);
  }
  return end;
}

// Every octet value as a separator and its decimal digits, for index encoding.
struct OctetText {
  char chars[4];
  std::uint32_t length;  // the separator included
};
struct OctetTexts {
  OctetText entry[256];
  OctetTexts() : entry() {
    for (unsigned v = 0; v < 256; ++v) {
      OctetText& t = entry[v];
      std::uint32_t n = 0;
      t.chars[n++] = '.';
      if (v >= 100) t.chars[n++] = static_cast<char>('0' + v / 100);
      if (v >= 10) t.chars[n++] = static_cast<char>('0' + v / 10 % 10);
      t.chars[n++] = static_cast<char>('0' + v % 10);
      t.length = n;
    }
  }
  const OctetText& operator[](unsigned v) const { return entry[v]; }
};
const OctetTexts kOctetTexts;  // filled when the library loads

}  // namespace

// ---------------------------------------------------------------------------
// ITevAsnValue

long CTevAsnObjectId::accept(ITevAsnValueVisitor* visitor) {
  return visitor->visit_object_id(this);
}

ITevAsnValue* CTevAsnObjectId::clone(long* err) const { return clone_oid(err); }

long CTevAsnObjectId::assign(const ITevAsnValue* src) {
  // Only our object identifiers answer the class-id cast, so the type check
  // of the other classes is implied.
  const CTevAsnObjectId* other = from(src);
  if (other == nullptr) return ASN_E_INVALID_ARGUMENT;
  if (other == this) return ASN_OK;
  const long code = replace_text(other->text_.data(), other->text_.size());
  if (code != ASN_OK) return code;
  // A target that has had an index is a working copy that gets read: index
  // the source once (it keeps it) rather than every copy anew.
  if (!other->index_.known() && index_.has_storage()) other->build_starts();
  // The same text has the same count and index; copying the index is only a
  // speed-up, so running out of memory for it is no failure.
  count_ = other->count_;
  count_known_ = other->count_known_;
  index_.copy_from(other->index_);
  return ASN_OK;
}

void CTevAsnObjectId::clear() {
  text_.clear();
  count_ = 0;
  count_known_ = true;
  index_.reset();
}

EAsnType CTevAsnObjectId::get_type() const { return ASN_OBJECT_ID; }

bool CTevAsnObjectId::is_equal(const ITevAsnValue* other) const {
  if (!same_type(other)) return false;
  const CTevAsnObjectId* object = from(other);
  return object != nullptr && object->text_ == text_;
}

ITevAsnObjectID* CTevAsnObjectId::query_object_id() { return this; }

void CTevAsnObjectId::query_class(unsigned long class_id, void** out) const {
  // The bare tag 6 is answered like the class id.
  const ITevAsnObjectID* self = this;
  if (answer_class(class_id, tev::kClassIdObjectId, self, out)) return;
  if (answer_class(class_id, static_cast<unsigned long>(ASN_OBJECT_ID), self, out)) return;
  if (answer_class(class_id, tev::kClassIdOidOctets, static_cast<const ITevOidOctets*>(this),
                   out)) {
    return;
  }
  CTevAsnValueBase::query_class(class_id, out);
}

const CTevAsnObjectId* CTevAsnObjectId::from(const ITevAsnValue* value) {
  if (value == nullptr) return nullptr;
  void* out = nullptr;
  value->query_class(tev::kClassIdObjectId, &out);
  // query_class hands out the ITevAsnObjectID, a non-virtual base of ours.
  return static_cast<const CTevAsnObjectId*>(static_cast<const ITevAsnObjectID*>(out));
}

bool CTevAsnObjectId::is_valid() const {
  return tev::oid_text_is_valid(text_.data(), text_.size());
}

unsigned long CTevAsnObjectId::get_ulong(long* err) const {
  unsigned long value = 0;
  const long code = text_.empty() ? ASN_OK : tev::oid_read_sub_id(text_.c_str(), &value);
  tev::set_error(err, code);
  return value;
}

long CTevAsnObjectId::to_text_into(CTevAsnBuffer* buffer) const {
  if (buffer == nullptr) return ASN_E_INVALID_ARGUMENT;
  return buffer->assign(text_.data(), text_.size());
}

const unsigned char* CTevAsnObjectId::get_octets(unsigned long* length, long* err) const {
  if (length == nullptr) {
    tev::set_error(err, ASN_E_INVALID_ARGUMENT);
    return nullptr;
  }
  *length = text_.size();
  tev::set_error(err, ASN_OK);
  return reinterpret_cast<const unsigned char*>(text_.c_str());
}

long CTevAsnObjectId::set_ulong(unsigned long value) {
  if (!tev::fits_u32(value)) return ASN_E_INVALID_ARGUMENT;
  char digits[tev::kDecimalTextSize];
  const std::size_t length = tev::format_decimal(static_cast<std::uint64_t>(value), digits);
  const long code = replace_text(digits, length);
  if (code != ASN_OK) return code;
  count_ = 1;
  count_known_ = true;
  return ASN_OK;
}

long CTevAsnObjectId::set_text(const char* text) {
  if (text == nullptr) return replace_text("", 0);
  return replace_text(text, std::strlen(text));
}

long CTevAsnObjectId::set_octets(const unsigned char* data, unsigned long length) {
  if (data == nullptr || !tev::fits_u32(length)) return ASN_E_INVALID_ARGUMENT;
  return replace_text(reinterpret_cast<const char*>(data), length);
}

unsigned long CTevAsnObjectId::get_count() const {
  if (!count_known_) {
    count_ = tev::oid_text_count(text_.data(), text_.size());
    count_known_ = true;
  }
  return count_;
}

unsigned long CTevAsnObjectId::get_oid_length(long implied) const {
  return implied == 1 ? get_count() : get_count() + 1;
}

unsigned long CTevAsnObjectId::get_at(unsigned long index, long* err) const {
  // The common case, an array read: the index is known and holds the value.
  std::uint32_t value = 0;
  if (index_.find(index, &value)) {
    if (err != nullptr) *err = ASN_OK;
    return value;
  }
  return get_at_from_text(index, err);
}

TEV_NOINLINE unsigned long CTevAsnObjectId::get_at_from_text(unsigned long index, long* err) const {
  if (text_.empty()) {
    tev::set_error(err, ASN_E_EMPTY);
    return tev::kFail32;
  }
  std::size_t start = 0;
  if (build_starts()) {
    // The index is known now, and its size is the count.
    if (index >= index_.size()) {
      tev::set_error(err, ASN_E_OUT_OF_RANGE);
      return tev::kFail32;
    }
    if (index_[index].value != CTevOidIndex::kUnread) {
      tev::set_error(err, ASN_OK);
      return index_[index].value;
    }
    start = index_[index].start;
  } else {
    if (index >= get_count()) {
      tev::set_error(err, ASN_E_OUT_OF_RANGE);
      return tev::kFail32;
    }
    start = start_of(index, false);
  }
  unsigned long value = 0;
  tev::set_error(err, tev::oid_read_sub_id(text_.c_str() + start, &value));
  return value;
}

long CTevAsnObjectId::append_to_oid(ITevAsnObjectID* oid, long implied) const {
  if (oid == nullptr) return ASN_E_INVALID_ARGUMENT;
  if (is_self(oid)) {
    // Encode from a copy: the count and the text must be those before the call.
    CTevAsnObjectId copy;
    const long code = copy_into(&copy);
    return code != ASN_OK ? code : copy.append_to_oid(oid, implied);
  }
  if (implied == 0) {
    const unsigned long before = oid->get_count();
    long code = oid->append_sub_id(get_count());
    if (code != ASN_OK) return code;
    code = oid->append_oid(this);
    // Take the length prefix back, so that a failure leaves the target as it was.
    if (code != ASN_OK) oid->erase_sub_ids(before, tev::kMax32);
    return code;
  }
  return oid->append_oid(this);
}

long CTevAsnObjectId::assign_to_oid(ITevAsnObjectID* oid, long implied) const {
  if (oid == nullptr) return ASN_E_INVALID_ARGUMENT;
  if (is_self(oid)) {
    // Clearing the target would clear the source: encode from a copy.
    CTevAsnObjectId copy;
    const long code = copy_into(&copy);
    return code != ASN_OK ? code : copy.assign_to_oid(oid, implied);
  }
  oid->clear();
  return append_to_oid(oid, implied);
}

long CTevAsnObjectId::set_from_oid(const ITevAsnObjectID* oid, long implied, unsigned long length) {
  if (oid == nullptr) return ASN_E_INVALID_ARGUMENT;
  if (is_self(oid)) {
    // Decode from the text as it was before this object is cleared.
    CTevAsnObjectId copy;
    const long code = copy_into(&copy);
    return code != ASN_OK ? code : set_from_oid(&copy, implied, length);
  }
  clear();
  unsigned long n = 0;
  unsigned long first = 0;
  if (implied == 0) {
    long code = ASN_OK;
    n = oid->get_at(0, &code);
    if (code != ASN_OK) return code;
    if (n > oid->get_count()) return ASN_E_SUBID_RANGE;
    first = 1;
  } else {
    n = tev::is_all(length) ? oid->get_count() : length;
  }
  for (unsigned long i = 0; i < n; ++i) {
    long code = ASN_OK;
    const unsigned long sub_id = oid->get_at(first + i, &code);
    if (code == ASN_OK) code = append_sub_id(sub_id);
    if (code != ASN_OK) return code;
  }
  return ASN_OK;
}

// ---------------------------------------------------------------------------
// ITevAsnObjectID

ITevAsnObjectID* CTevAsnObjectId::clone_oid(long* err) const {
  long code = ASN_OK;
  CTevAsnObjectId* copy = create<CTevAsnObjectId>(&code);
  if (copy != nullptr) {
    code = copy->assign(this);
    if (code != ASN_OK) {
      copy->release();
      copy = nullptr;
    }
  }
  tev::set_error(err, code);
  return copy;
}

long CTevAsnObjectId::compare_text(const char* text, long* err) const {
  if (text == nullptr) {
    tev::set_error(err, ASN_E_INVALID_ARGUMENT);
    return -1;
  }
  tev::set_error(err, ASN_OK);
  return tev::oid_text_relation(text_.data(), text_.size(), text, std::strlen(text));
}

long CTevAsnObjectId::compare(const ITevAsnObjectID* oid, long* err) const {
  const CTevAsnObjectId* other = from(oid);
  if (other == nullptr) {
    tev::set_error(err, ASN_E_INVALID_ARGUMENT);
    return -1;
  }
  tev::set_error(err, ASN_OK);
  return tev::oid_text_relation(text_.data(), text_.size(), other->text_.data(),
                                other->text_.size());
}

long CTevAsnObjectId::remove_prefix_text(const char* prefix) {
  if (prefix == nullptr) return ASN_E_INVALID_ARGUMENT;
  const std::size_t length = std::strlen(prefix);
  const long relation = tev::oid_text_relation(text_.data(), text_.size(), prefix, length);
  if (relation != tev::kRelationEqual && relation != tev::kRelationBelow) {
    return ASN_E_INVALID_ARGUMENT;
  }
  return erase_sub_ids(0, tev::oid_text_count(prefix, length));
}

long CTevAsnObjectId::remove_prefix(const ITevAsnObjectID* prefix) {
  const CTevAsnObjectId* other = from(prefix);
  if (other == nullptr) return ASN_E_INVALID_ARGUMENT;
  const long relation =
      tev::oid_text_relation(text_.data(), text_.size(), other->text_.data(), other->text_.size());
  if (relation != tev::kRelationEqual && relation != tev::kRelationBelow) {
    return ASN_E_INVALID_ARGUMENT;
  }
  return erase_sub_ids(0, other->get_count());
}

long CTevAsnObjectId::append_text(const char* text) {
  if (text == nullptr || *text == '\0') return ASN_OK;
  return append_piece(text, std::strlen(text), false, 0);
}

long CTevAsnObjectId::append_sub_id(unsigned long value) {
  if (!tev::fits_u32(value)) return ASN_E_INVALID_ARGUMENT;
  // The separator and the digits, built in place: this is the hot path of
  // every index encoding.
  char piece[16];
  char* const end = piece + sizeof piece;
  char* begin = write_decimal(end, static_cast<std::uint32_t>(value));
  const std::size_t old_length = text_.size();
  if (old_length != 0) *--begin = '.';
  const auto length = static_cast<std::size_t>(end - begin);
  if (old_length > kMaxTextLength - length) return ASN_E_OUT_OF_MEMORY;
  if (old_length + length > text_.capacity()) {
    try {
      // Geometric growth keeps appending one by one linear.
      text_.reserve(std::max(old_length + length, 2 * text_.capacity()));
    } catch (const std::bad_alloc&) {
      return ASN_E_OUT_OF_MEMORY;
    }
  }
  // Within the capacity: character by character is cheaper than append.
  for (const char* p = begin; p != end; ++p) text_.push_back(*p);
  if (count_known_) ++count_;
  index_.append(old_length == 0 ? 0 : old_length + 1, value);
  return ASN_OK;
}

long CTevAsnObjectId::append_octets(bool has_prefix, unsigned long prefix,
                                    const unsigned char* octets, std::size_t n) {
  // Up to four characters per octet; longer values go one by one.
  constexpr std::size_t kOctetsAtOnce = 64;
  char piece[16 + 4 * kOctetsAtOnce];
  if (n > kOctetsAtOnce || !tev::fits_u32(prefix)) {
    if (has_prefix) {
      const long code = append_sub_id(prefix);
      if (code != ASN_OK) return code;
    }
    for (std::size_t i = 0; i < n; ++i) {
      const long code = append_sub_id(octets[i]);
      if (code != ASN_OK) return code;
    }
    return ASN_OK;
  }
  char* out = piece;
  if (has_prefix) {
    char digits[16];
    char* const end = digits + sizeof digits;
    const char* begin = write_decimal(end, static_cast<std::uint32_t>(prefix));
    out = std::copy(begin, static_cast<const char*>(end), out);
  }
  // Every octet comes with its separator; without a prefix the piece starts
  // after the first one.
  const char* const begin = has_prefix ? piece : piece + 1;
  for (std::size_t i = 0; i < n; ++i) {
    // Four bytes are copied; only `length` of them count (the array has room).
    const OctetText& text = kOctetTexts[octets[i]];
    std::memcpy(out, text.chars, 4);
    out += text.length;
  }
  if (out <= begin) return ASN_OK;  // nothing to append
  return append_piece(begin, static_cast<std::size_t>(out - begin), true, n + (has_prefix ? 1 : 0));
}

long CTevAsnObjectId::read_octets(unsigned long first, unsigned long n, unsigned char* out,
                                  unsigned long* done) const {
  // The common case, array reads: the index is known, covers the run and
  // holds octet values.
  if (index_.read_octets(first, n, out)) {
    *done = n;
    return ASN_OK;
  }
  return read_octets_slowly(first, n, out, done);
}

TEV_NOINLINE long CTevAsnObjectId::read_octets_slowly(unsigned long first, unsigned long n,
                                                      unsigned char* out,
                                                      unsigned long* done) const {
  for (unsigned long i = 0; i < n; ++i) {
    long code = ASN_OK;
    const unsigned long value = get_at(first + i, &code);
    if (code == ASN_OK && value > 0xFF) code = ASN_E_SUBID_RANGE;
    if (code != ASN_OK) {
      *done = i;
      return code;
    }
    out[i] = static_cast<unsigned char>(value);
  }
  *done = n;
  return ASN_OK;
}

long CTevAsnObjectId::append_oid(const ITevAsnObjectID* oid) {
  const CTevAsnObjectId* other = from(oid);
  if (other == nullptr) return ASN_E_INVALID_ARGUMENT;
  const std::size_t added = other->get_count();
  if (added == 0) return ASN_OK;
  if (other != this) return append_piece(other->text_.data(), other->text_.size(), true, added);
  // Appending to itself: take the text before it grows.
  CTevAsnObjectId copy;
  const long code = copy_into(&copy);
  if (code != ASN_OK) return code;
  return append_piece(copy.text_.data(), copy.text_.size(), true, added);
}

long CTevAsnObjectId::append_value_text(const char* text, EAsnType type, long implied) {
  if (text == nullptr) return ASN_E_INVALID_ARGUMENT;
  long code = ASN_OK;
  ITevAsnValue* value = tev_create_asn_value(type, &code);
  if (value == nullptr) return code;
  code = value->set_text(text);
  if (code == ASN_OK) code = append_value(value, implied);
  value->release();
  return code;
}

long CTevAsnObjectId::append_value(ITevAsnValue* value, long implied) {
  if (value == nullptr) return ASN_E_INVALID_ARGUMENT;
  return value->append_to_oid(this, implied);
}

ITevAsnObjectID* CTevAsnObjectId::take_prefix(unsigned long n, long* err) {
  long code = ASN_OK;
  CTevAsnObjectId* prefix = create<CTevAsnObjectId>(&code);
  if (prefix != nullptr) {
    code = take_prefix_into(prefix, n);
    if (code != ASN_OK) {
      prefix->release();
      prefix = nullptr;
    }
  }
  tev::set_error(err, code);
  return prefix;
}

long CTevAsnObjectId::take_prefix_into(ITevAsnObjectID* oid, unsigned long n) {
  // Into itself would lose the rest of the identifier.
  if (oid == nullptr || is_self(oid)) return ASN_E_INVALID_ARGUMENT;
  std::string prefix;
  try {
    prefix.assign(text_, 0, prefix_length(n));
  } catch (const std::bad_alloc&) {
    return ASN_E_OUT_OF_MEMORY;
  }
  const long code = oid->set_text(prefix.c_str());
  if (code != ASN_OK) return code;
  // Nothing to remove for n = 0 or an empty identifier.
  if (n != 0 && !text_.empty()) erase_sub_ids(0, n);
  return ASN_OK;
}

unsigned long CTevAsnObjectId::take_first(long* err) {
  long code = ASN_OK;
  const unsigned long value = get_at(0, &code);
  tev::set_error(err, code);
  if (code != ASN_OK) return tev::kFail32;
  erase_sub_ids(0, 1);
  return value;
}

CTevAsnBuffer* CTevAsnObjectId::take_prefix_text(unsigned long n, long* err) {
  CTevAsnBuffer* buffer = new (std::nothrow) CTevAsnBuffer;
  if (buffer == nullptr) {
    tev::set_error(err, ASN_E_OUT_OF_MEMORY);
    return nullptr;
  }
  const long code = take_prefix_text_into(buffer, n);
  if (code != ASN_OK) {
    buffer->release();
    buffer = nullptr;
  }
  tev::set_error(err, code);
  return buffer;
}

long CTevAsnObjectId::take_prefix_text_into(CTevAsnBuffer* buffer, unsigned long n) {
  if (buffer == nullptr) return ASN_E_INVALID_ARGUMENT;
  const long code = buffer->assign(text_.data(), prefix_length(n));
  if (code != ASN_OK) return code;
  if (n != 0 && !text_.empty()) erase_sub_ids(0, n);
  return ASN_OK;
}

ITevAsnValue* CTevAsnObjectId::take_value(EAsnType type, long* err, long implied,
                                          unsigned long length) {
  long code = ASN_OK;
  ITevAsnValue* value = tev_create_asn_value(type, &code);
  if (value != nullptr) {
    code = take_value_into(value, implied, length);
    if (code != ASN_OK) {
      value->release();
      value = nullptr;
    }
  }
  tev::set_error(err, code);
  return value;
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

long CTevAsnObjectId::erase_sub_ids(unsigned long index, unsigned long n) {
  if (text_.empty()) return ASN_E_INVALID_ARGUMENT;
  const std::size_t count = get_count();
  if (index >= count) return ASN_E_INVALID_ARGUMENT;
  if (n == 0) return ASN_OK;
  const std::size_t start = start_of(index, false);
  if (tev::is_all(n) || n >= count - index) {
    // The run reaches the end: drop it with the separator before it. The
    // starts of the sub-identifiers kept stay where they are.
    text_.erase(index == 0 ? 0 : start - 1);
    if (text_.empty()) {
      clear();  // the kept part was one empty component (".")
      return ASN_OK;
    }
    count_ = index;
    index_.truncate(index);
    return ASN_OK;
  }
  const std::size_t next = start_of(index + n, false);
  if (index == 0) {
    text_.erase(0, next);  // the run and the separator after it
  } else {
    text_.erase(start - 1, next - start);  // the separator before the run and the run
  }
  if (text_.empty()) {
    // All that remained was one empty component ("2." less its first), which
    // the empty text cannot hold: the identifier is now empty, count 0.
    clear();
    return ASN_OK;
  }
  count_ = count - n;
  // Drop the entries of the run; those after it move back by what was cut.
  index_.erase(index, n, index == 0 ? next : next - start);
  return ASN_OK;
}

ITevAsnValue* CTevAsnObjectId::read_value(EAsnType type, long* err, long implied) const {
  long code = ASN_OK;
  ITevAsnValue* value = tev_create_asn_value(type, &code);
  if (value != nullptr) {
    code = read_value_into(value, implied);
    if (code != ASN_OK) {
      value->release();
      value = nullptr;
    }
  }
  tev::set_error(err, code);
  return value;
}

long CTevAsnObjectId::read_value_into(ITevAsnValue* value, long implied) const {
  if (value == nullptr) return ASN_E_INVALID_ARGUMENT;
  return value->set_from_oid(this, implied, tev::kMax32);
}

long CTevAsnObjectId::assign_value(ITevAsnValue* value, long implied) {
  if (value == nullptr) return ASN_E_INVALID_ARGUMENT;
  return value->assign_to_oid(this, implied);
}

// ---------------------------------------------------------------------------
// Text and caches

long CTevAsnObjectId::replace_text(const char* data, std::size_t length) {
  if (length > kMaxTextLength) return ASN_E_OUT_OF_MEMORY;
  try {
    text_.assign(data, length);
  } catch (const std::bad_alloc&) {
    return ASN_E_OUT_OF_MEMORY;
  }
  forget_count();
  return ASN_OK;
}

long CTevAsnObjectId::append_piece(const char* data, std::size_t length, bool count_known,
                                   std::size_t sub_ids) {
  const std::size_t old_length = text_.size();
  const std::size_t separator = old_length == 0 ? 0 : 1;
  if (old_length + separator > kMaxTextLength || length > kMaxTextLength - old_length - separator) {
    return ASN_E_OUT_OF_MEMORY;
  }
  const std::size_t new_length = old_length + separator + length;
  // Grow geometrically ourselves (reserve may allocate exactly), so appending
  // sub-identifiers one by one stays linear. After this nothing allocates.
  if (new_length > text_.capacity()) {
    try {
      text_.reserve(new_length > 2 * text_.capacity() ? new_length : 2 * text_.capacity());
    } catch (const std::bad_alloc&) {
      return ASN_E_OUT_OF_MEMORY;
    }
  }
  if (separator != 0) text_ += '.';
  text_.append(data, length);
  if (!count_known) {
    forget_count();
    return ASN_OK;
  }
  if (count_known_) count_ += sub_ids;
  // Extend the index with the appended piece; it is dropped if that fails.
  index_.extend(text_, old_length + separator);
  return ASN_OK;
}

long CTevAsnObjectId::copy_into(CTevAsnObjectId* copy) const {
  try {
    copy->text_ = text_;
  } catch (const std::bad_alloc&) {
    return ASN_E_OUT_OF_MEMORY;
  }
  copy->forget_count();
  return ASN_OK;
}

std::size_t CTevAsnObjectId::start_of(unsigned long index, bool build_index) const {
  if (index == 0) return 0;
  if (index_.known() || (build_index && build_starts())) return index_[index].start;
  // Scan for the index-th separator.
  std::size_t position = 0;
  for (unsigned long i = 0; i < index; ++i) position = text_.find('.', position) + 1;
  return position;
}

// Out of line, so that start_of, which calls it only when reading, stays small
// enough to be inlined into the editing paths.
TEV_NOINLINE bool CTevAsnObjectId::build_starts() const {
  if (index_.known()) return true;
  if (!index_.build(text_, count_known_ ? count_ : 0)) return false;
  count_ = index_.size();
  count_known_ = true;
  return true;
}

std::size_t CTevAsnObjectId::prefix_length(unsigned long n) const {
  if (n == 0) return 0;
  if (n >= get_count()) return text_.size();
  return start_of(n, false) - 1;  // up to the separator before sub-identifier n
}
