#include "Layout.h"

namespace tevasn {

namespace {

std::string count_words(std::size_t n) {
  return std::to_string(n) + (n == 1 ? " sub-identifier" : " sub-identifiers");
}

// The octets of a value: `count` sub-identifiers from `pos`, each 0..255.
bool check_octets(const std::vector<std::uint32_t>& sub_ids, std::size_t pos, std::size_t count,
                  std::string* reason) {
  if (sub_ids.size() - pos < count) {
    *reason = "needs " + count_words(count) + " for its octets, only " +
              std::to_string(sub_ids.size() - pos) + " left";
    return false;
  }
  for (std::size_t i = pos; i < pos + count; ++i) {
    if (sub_ids[i] > 255) {
      *reason = "sub-identifier " + std::to_string(sub_ids[i]) + " is not an octet (0..255)";
      return false;
    }
  }
  return true;
}

// A length prefix at `pos`: its value, or false when it is missing or too large.
bool read_length(const std::vector<std::uint32_t>& sub_ids, std::size_t pos, std::size_t* length,
                 std::string* reason) {
  if (pos >= sub_ids.size()) {
    *reason = "the length sub-identifier is missing";
    return false;
  }
  if (sub_ids[pos] > sub_ids.size() - pos - 1) {
    const std::size_t follow = sub_ids.size() - pos - 1;
    *reason = "length " + std::to_string(sub_ids[pos]) + " but only " + count_words(follow) +
              (follow == 1 ? " follows" : " follow");
    return false;
  }
  *length = sub_ids[pos];
  return true;
}

// Transport addresses: the domain sub-identifier, the length unless implied,
// then `octets` octets.
bool measure_transport(const TypeChoice& choice, const std::vector<std::uint32_t>& sub_ids,
                       std::size_t pos, std::uint32_t domain, std::size_t octets, std::size_t* used,
                       std::string* reason) {
  if (sub_ids[pos] != domain) {
    *reason = "the domain sub-identifier must be " + std::to_string(domain) + ", not " +
              std::to_string(sub_ids[pos]);
    return false;
  }
  std::size_t start = pos + 1;
  if (!choice.implied_suffix) {
    if (start >= sub_ids.size() || sub_ids[start] != octets) {
      *reason = "the length sub-identifier must be " + std::to_string(octets);
      return false;
    }
    ++start;
  }
  if (!check_octets(sub_ids, start, octets, reason)) return false;
  *used = start + octets - pos;
  return true;
}

}  // namespace

bool measure_index(const TypeChoice& choice, const std::vector<std::uint32_t>& sub_ids,
                   std::size_t pos, std::size_t* used, std::string* reason) {
  const std::size_t left = sub_ids.size() - pos;
  const bool implied = choice.implied_flag() != 0;
  const Form form = choice.info->form;
  if (left == 0 && !(choice.implied_suffix &&
                     (form == Form::kText || form == Form::kHex || form == Form::kOid))) {
    *reason = "no sub-identifiers left for it";
    return false;
  }
  std::size_t length = 0;
  switch (form) {
    case Form::kSigned:
    case Form::kUnsigned:
    case Form::kUnsigned64:
      *used = 1;
      return true;
    case Form::kText:
    case Form::kHex:
      if (implied) {
        *used = left;
        return check_octets(sub_ids, pos, left, reason);
      }
      if (!read_length(sub_ids, pos, &length, reason)) return false;
      *used = length + 1;
      return check_octets(sub_ids, pos + 1, length, reason);
    case Form::kFixed:
    case Form::kIpAddress:
    case Form::kIpv6:
      length = form == Form::kFixed ? choice.fixed_count : form == Form::kIpAddress ? 4 : 16;
      *used = length;
      return check_octets(sub_ids, pos, length, reason);
    case Form::kIpPort:
      return measure_transport(choice, sub_ids, pos, 1, 6, used, reason);
    case Form::kIpx:
      return measure_transport(choice, sub_ids, pos, 5, 12, used, reason);
    case Form::kOid:
      if (implied) {
        *used = left;
        return true;
      }
      if (!read_length(sub_ids, pos, &length, reason)) return false;
      *used = length + 1;
      return true;
  }
  *reason = "unknown form";
  return false;
}

}  // namespace tevasn
