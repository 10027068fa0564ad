#include "Identifier.h"

#include "TevAsnTable.h"
#include "TevAsnTablePtr.h"

using NTevAsnValue::ASN_MAX_SUB_IDS;

namespace tevasn {

bool parse_identifier(std::string_view text, bool allow_empty, Identifier* out,
                      std::string* reason) {
  *out = Identifier();
  out->leading_dot = !text.empty() && text.front() == '.';
  std::uint32_t sub_ids[ASN_MAX_SUB_IDS];
  unsigned long count = 0;
  CTevAsnBuffer why;
  const long rc = tev_parse_sub_ids(text.data(), static_cast<unsigned long>(text.size()), sub_ids,
                                    ASN_MAX_SUB_IDS, &count, &why);
  if (rc != NTevAsnValue::ASN_OK) {
    *reason = why.length() != 0 ? std::string(why.data(), why.length()) : tev_error_message(rc);
    return false;
  }
  if (count == 0 && !allow_empty) {
    *reason = "empty object identifier";
    return false;
  }
  out->sub_ids.assign(sub_ids, sub_ids + count);
  if (out->leading_dot) text.remove_prefix(1);
  out->dotted.assign(text.data(), text.size());
  return true;
}

}  // namespace tevasn
