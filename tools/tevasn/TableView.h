// The table view of `tevasn table`: the rows of one catalogue table gathered
// from a walk, then printed one line per row.
#ifndef TEVASN_TOOL_TABLEVIEW_H
#define TEVASN_TOOL_TABLEVIEW_H

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "LineReader.h"
#include "TevAsnCatalog.h"
#include "TevAsnTablePtr.h"

namespace tevasn {

enum class TableFormat { kTsv, kCsv, kJson };

class TableView {
 public:
  /// Prepares the view of `table`; false with a reason when its layout
  /// cannot be made.
  bool start(const TevCatalogTable* table, TableFormat format, bool numeric, std::string* reason);

  /// Takes one walk record ("OID = VALUE", continuation lines joined by
  /// '\n') that begins on input line `line`. False with a note when the
  /// record is refused (not a walk line, not in the table, a repeat).
  bool add(std::string_view record, unsigned long line, std::string* note);

  /// Prints the header and the rows in walk order; each cell that does not
  /// fit its column's syntax adds a note ("line N: ...").
  void print(OutputBuffer* out, std::vector<std::string>* notes);

 private:
  // A cell's value as the walk printed it (after " = ") lies in values_.
  struct Cell {
    std::size_t offset = 0;
    std::size_t length = 0;
    unsigned long line = 0;  // 0: the walk lacks the cell
  };
  struct Row {
    std::vector<std::uint32_t> index;
    std::vector<std::string> index_text;
    std::vector<Cell> cells;  // by column number; line 0 when the walk lacks it
  };

  void print_line(const std::vector<std::string>& fields, OutputBuffer* out) const;
  long inet_type_of(const Row& row, std::uint32_t column) const;
  std::string_view value_of(const Cell& cell) const {
    return std::string_view(values_).substr(cell.offset, cell.length);
  }

  const TevCatalogTable* table_ = nullptr;
  TableFormat format_ = TableFormat::kTsv;
  bool numeric_ = false;
  TevAsnTableEntryPtr entry_;
  TevAsnIndexRowPtr row_;
  std::unordered_map<std::string, std::size_t> row_of_;  // index sub-identifiers' bytes
  std::vector<Row> rows_;
  std::string values_;                           // every cell's value, one after another
  std::string key_;                              // the index being looked up
  std::vector<const TevCatalogColumn*> column_;  // by column number; null for none
  std::vector<bool> seen_;                       // by column number
  std::vector<std::string> field_names_;
  std::vector<bool> number_field_;  // by field: a number in JSON
};

}  // namespace tevasn

#endif  // TEVASN_TOOL_TABLEVIEW_H
