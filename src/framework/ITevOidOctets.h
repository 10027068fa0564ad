// ITevOidOctets: the one internal view of the library's own object
// identifiers, the fast path between octet values and them. The index
// encoding of octets is one sub-identifier per octet; an identifier that
// implements this takes or hands over a whole run in one call instead of one
// append_sub_id or get_at per octet, and shows its index for reading values
// in place. Octet values reach it through query_class (kClassIdOidOctets), so
// they need not know the identifier's class.
#ifndef TEVASNVALUE_SRC_FRAMEWORK_ITEVOIDOCTETS_H
#define TEVASNVALUE_SRC_FRAMEWORK_ITEVOIDOCTETS_H

#include <cstddef>

#include "ITevAsnObjectID.h"
#include "framework/TevAsnConstants.h"
#include "framework/TevSubId.h"

class ITevOidOctets {
 public:
  /// Appends the index encoding of `n` octets, preceded by `prefix` when
  /// `has_prefix`: the same text, count and result as one append_sub_id per
  /// sub-identifier.
  virtual long append_octets(bool has_prefix, unsigned long prefix, const unsigned char* octets,
                             std::size_t n) = 0;
  /// Reads `n` sub-identifiers from position `first` as octets into `out`, with
  /// the results of that many get_at calls: the first error of get_at, or -401
  /// for a value above 255, ends it. `*done` receives the octets written.
  virtual long read_octets(unsigned long first, unsigned long n, unsigned char* out,
                           unsigned long* done) const = 0;
  /// The index, built first; null when memory for it runs out. Read right
  /// after query_class handed out this view, before the identifier changes.
  const TevSubIdView* sub_id_view() const {
    return ready_index_ != nullptr ? ready_index_ : build_sub_id_view();
  }

  /// The fast path of `oid`, or null for null or an identifier without one.
  static ITevOidOctets* of(const ITevAsnObjectID* oid) {
    if (oid == nullptr) return nullptr;
    void* out = nullptr;
    oid->query_class(tev_core::kClassIdOidOctets, &out);
    return static_cast<ITevOidOctets*>(out);
  }

 protected:
  ITevOidOctets() = default;
  ITevOidOctets(const ITevOidOctets&) = default;
  ITevOidOctets& operator=(const ITevOidOctets&) = default;
  ~ITevOidOctets() = default;

  /// sub_id_view when the index is not built yet.
  virtual const TevSubIdView* build_sub_id_view() const = 0;

  // The index when it was built as query_class handed out this view, else
  // null: set by every such query (one object, one thread), so that the
  // common decode reads its values with no call beyond query_class.
  mutable const TevSubIdView* ready_index_ = nullptr;
};

#endif  // TEVASNVALUE_SRC_FRAMEWORK_ITEVOIDOCTETS_H
