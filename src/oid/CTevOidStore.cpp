#include "oid/CTevOidStore.h"

#include <cstring>

#include "base/TevCopyBytes.h"
#include "base/TevNumberText.h"
#include "base/TevSubIds.h"
#include "oid/TevOidText.h"

using namespace NTevAsnValue;

bool CTevOidStore::holds(const char* p) const {
  // As addresses: `p` may belong to another object.
  const auto at = reinterpret_cast<std::uintptr_t>(p);
  const auto begin = reinterpret_cast<std::uintptr_t>(data());
  return text_.data() != nullptr && at >= begin && at - begin <= length();
}

std::size_t CTevOidStore::prefix_length(unsigned long n) const {
  if (n == 0) return 0;
  if (n >= count()) return length();
  return start_of(n) - 1;  // up to the separator before sub-identifier n
}

long CTevOidStore::assign_text(const char* text, std::size_t length) {
  if (length > kMaxTextLength) return ASN_E_OUT_OF_MEMORY;
  // Text inside the block needs no room beyond what it has.
  if (!text_.reserve(length + 1)) return ASN_E_OUT_OF_MEMORY;
  if (length != 0) std::memmove(text_.data(), text, length);
  begin_ = 0;
  set_length(length);
  if (indexed_) index_.clear();  // one that does not match is empty already
  indexed_ = length == 0;
  return ASN_OK;
}

long CTevOidStore::assign(const CTevOidStore& other) {
  if (&other == this) return ASN_OK;
  const std::size_t size = other.length_;
  if (!text_.reserve(size + 1)) return ASN_E_OUT_OF_MEMORY;
  // The block and the sizes are read before the characters are written: a
  // character store may alias any member, and would make them read again.
  char* const text = text_.data();
  text_.set_size(size);
  begin_ = 0;
  head_ = text;
  length_ = size;
  tev_base::copy_bytes(text, other.head_, size);
  text[size] = '\0';
  // A target that has had an index is a working copy that gets read: index
  // the source once (it keeps it) rather than every copy anew.
  if (!other.indexed_ && index_.has_storage()) other.build_index();
  // Copying the index is only a speed-up, so running out of memory for it is
  // no failure.
  if (!other.indexed_ || !index_.assign(other.index_, other.begin_)) {
    forget_index();
  } else {
    indexed_ = true;
  }
  return ASN_OK;
}

void CTevOidStore::clear() {
  begin_ = 0;
  if (text_.data() != nullptr) set_length(0);
  index_.clear();
  indexed_ = true;
}

long CTevOidStore::append_sub_id(unsigned long value) {
  if (!tev_core::fits_u32(value)) return ASN_E_INVALID_ARGUMENT;
  // The separator and the digits (at most 11 characters), written in place:
  // this is the hot path of every index encoding.
  const std::size_t old_length = length_;
  char* const out = room_for(11);
  if (out == nullptr) return ASN_E_OUT_OF_MEMORY;
  char* digits = out;
  const char* end = nullptr;
  if (value <= 0xFF && old_length != 0) {
    // Octets and small numbers, the most common: the dot and the digits from
    // a table.
    const auto octet = static_cast<unsigned char>(value);
    end = tev_base::write_dotted_octets(out, &octet, 1);
    ++digits;
  } else {
    if (old_length != 0) *digits++ = '.';
    end = tev_base::write_decimal(digits, static_cast<std::uint32_t>(value));
  }
  set_length(old_length + static_cast<std::size_t>(end - out));
  const auto start = static_cast<std::size_t>(digits - text_.data());
  if (indexed_ && !index_.append(start, static_cast<std::uint32_t>(value))) forget_index();
  return ASN_OK;
}

long CTevOidStore::append_piece(const char* text, std::size_t length) {
  const std::size_t old_length = this->length();
  const std::size_t separator = old_length == 0 ? 0 : 1;
  if (length > kMaxTextLength - separator) return ASN_E_OUT_OF_MEMORY;
  char* const out = room_for(separator + length);
  if (out == nullptr) return ASN_E_OUT_OF_MEMORY;
  if (separator != 0) *out = '.';
  std::memcpy(out + separator, text, length);
  set_length(old_length + separator + length);
  extend_index(begin_ + old_length + separator);
  return ASN_OK;
}

long CTevOidStore::append_octets(bool has_prefix, unsigned long prefix, const unsigned char* octets,
                                 std::size_t n) {
  // Up to four characters per octet; longer values go one by one.
  constexpr std::size_t kOctetsAtOnce = 64;
  if (n > kOctetsAtOnce || !tev_core::fits_u32(prefix)) {
    return append_octets_one_by_one(has_prefix, prefix, octets, n);
  }
  // Written in place: every sub-identifier with a dot before it, the first
  // dot dropped when the text was empty.
  if (!has_prefix && n == 0) return ASN_OK;
  const std::size_t old_length = length();
  char* const out = room_for(1 + 11 + 4 * n);
  if (out == nullptr) return ASN_E_OUT_OF_MEMORY;
  char* end = out;
  if (has_prefix && prefix <= 0xFF) {
    // A length prefix is an octet count, below 256 nearly always.
    const auto length_prefix = static_cast<unsigned char>(prefix);
    end = tev_base::write_dotted_octets(end, &length_prefix, 1);
  } else if (has_prefix) {
    *end++ = '.';
    end = tev_base::write_decimal(end, static_cast<std::uint32_t>(prefix));
  }
  end = tev_base::write_dotted_octets(end, octets, n);
  auto added = static_cast<std::size_t>(end - out);
  if (old_length == 0) std::memmove(out, out + 1, --added);
  set_length(old_length + added);
  extend_index(begin_ + (old_length == 0 ? 0 : old_length + 1));
  return ASN_OK;
}

long CTevOidStore::append_octets_one_by_one(bool has_prefix, unsigned long prefix,
                                            const unsigned char* octets, std::size_t n) {
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

void CTevOidStore::erase_slowly(std::size_t index, std::size_t n) {
  const std::size_t total = count();
  const std::size_t total_length = length();
  const std::size_t start = start_of(index);
  if (n >= total - index) {
    // The run reaches the end: drop it with the separator before it. The
    // starts of the sub-identifiers kept stay where they are.
    const std::size_t kept = index == 0 ? 0 : start - 1;
    if (kept == 0) {
      clear();  // also when the kept part was one empty component (".")
      return;
    }
    set_length(kept);
    if (indexed_) index_.truncate(index);
    return;
  }
  const std::size_t next = start_of(index + n);
  if (index == 0) {
    // From the front: the run and the separator after it. The text now
    // begins later in its block; the entries kept stay where they are.
    begin_ += next;
    set_length(total_length - next);
    if (indexed_) index_.drop_front(n);
    if (empty()) clear();  // the rest was one empty component ("2." less its first)
    return;
  }
  // The separator before the run and the run.
  const std::size_t cut = next - start;
  text_.erase(begin_ + start - 1, cut);
  if (total_length == cut) {
    // All that remained was one empty component ("2." less its first), which
    // the empty text cannot hold: the identifier is now empty, count 0.
    clear();
    return;
  }
  set_length(total_length - cut);
  if (indexed_) index_.erase(index, n, cut);
}

char* CTevOidStore::grow_for(std::size_t added) {
  const std::size_t old_length = length();
  if (old_length > kMaxTextLength || added > kMaxTextLength - old_length) return nullptr;
  const std::size_t needed = old_length + added + 1;
  if (begin_ != 0 && (begin_ + needed > text_.capacity() || begin_ > kMaxTextLength)) {
    // Take back the space erased from the front before growing.
    std::memmove(text_.data(), text_.data() + begin_, old_length + 1);
    if (indexed_) index_.rebase(begin_);
    begin_ = 0;
    set_length(old_length);
  }
  if (!text_.reserve(begin_ + needed)) return nullptr;
  return text_.data() + begin_ + old_length;
}

void CTevOidStore::extend_index_slowly(std::size_t first) {
  // Appended text extends a matching index; it stops matching if that fails.
  if (!index_.extend(text_.data(), text_.size(), first)) forget_index();
}

// Out of line: the reading paths call it once, and inlined it would make
// them save registers on every call.
bool CTevOidStore::build_index() const {
  if (indexed_) return true;
  index_.clear();
  // A block of exactly the entries needed: an identifier kept in memory holds
  // no room it will not use.
  if (!empty() &&
      (!index_.reserve(count_by_scan()) || !index_.extend(text_.data(), text_.size(), begin_))) {
    index_.clear();
    return false;
  }
  indexed_ = true;
  return true;
}

const TevSubIdView* CTevOidStore::sub_id_view_slowly() const {
  return build_index() ? &index_.view() : nullptr;
}

std::size_t CTevOidStore::count_by_scan() const {
  return tev_core::oid_text_count(data(), length());
}

std::size_t CTevOidStore::start_by_scan(std::size_t index) const {
  if (build_index()) return index_[index].start - begin_;
  // Scan for the index-th separator.
  const char* const text = data();
  std::size_t position = 0;
  for (std::size_t i = 0; i < index; ++i) {
    position = static_cast<std::size_t>(static_cast<const char*>(std::memchr(text + position, '.',
                                                                             length() - position)) -
                                        text) +
               1;
  }
  return position;
}

unsigned long CTevOidStore::get_at_from_text(unsigned long index, long* err) const {
  if (empty()) {
    tev_core::set_error(err, ASN_E_EMPTY);
    return tev_core::kFail32;
  }
  std::size_t start = 0;
  if (build_index()) {
    if (index >= index_.size()) {
      tev_core::set_error(err, ASN_E_OUT_OF_RANGE);
      return tev_core::kFail32;
    }
    if (index_[index].value != CTevOidIndex::kUnread) {
      tev_core::set_error(err, ASN_OK);
      return index_[index].value;
    }
    start = index_[index].start - begin_;
  } else {
    if (index >= count_by_scan()) {
      tev_core::set_error(err, ASN_E_OUT_OF_RANGE);
      return tev_core::kFail32;
    }
    start = start_of(index);
  }
  unsigned long value = 0;
  tev_core::set_error(err, tev_core::oid_read_sub_id(data() + start, &value));
  return value;
}

long CTevOidStore::read_octets_from_text(unsigned long first, unsigned long n, unsigned char* out,
                                         unsigned long* done) const {
  for (unsigned long i = 0; i < n; ++i) {
    long code = ASN_OK;
    const unsigned long value = get_at(first + i, &code);
    if (code == ASN_OK && !tev_base::is_octet(value)) code = ASN_E_SUBID_RANGE;
    if (code != ASN_OK) {
      *done = i;
      return code;
    }
    out[i] = static_cast<unsigned char>(value);
  }
  *done = n;
  return ASN_OK;
}
