// One cell of `tevasn table`: a walk value shown by its column's syntax.
#ifndef TEVASN_TOOL_CELLTEXT_H
#define TEVASN_TOOL_CELLTEXT_H

#include <string>

#include "TevAsnCatalog.h"
#include "WalkValue.h"

namespace tevasn {

/// How a cell is shown.
struct CellOptions {
  bool numeric = false;  ///< an enumeration as its number alone
  /// The row's InetAddressType for an InetAddress column; -1 when the row
  /// has none (the length then tells).
  long inet_type = -1;
};

/// `value` shown as `column`'s syntax says into `text`. A value the syntax
/// cannot show (a wrong length, a number outside the enumeration, a form of
/// another type) is still shown, in hexadecimal or as its number, and the
/// answer is false with `note` saying what does not fit.
bool cell_text(const TevCatalogColumn& column, const WalkValue& value, const CellOptions& options,
               std::string* text, std::string* note);

/// Octets as one field on one line (the library's escape rule), or in hex.
std::string octets_text(const std::string& octets, ETevOctetsAs as);

}  // namespace tevasn

#endif  // TEVASN_TOOL_CELLTEXT_H
