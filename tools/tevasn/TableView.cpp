#include "TableView.h"

#include <algorithm>
#include <cstring>

#include "CellText.h"
#include "TevAsnValuePtr.h"
#include "Text.h"
#include "WalkValue.h"

using namespace NTevAsnValue;

namespace tevasn {

namespace {

std::string text_of(const CTevAsnBuffer& buffer) {
  return buffer.length() == 0 ? std::string() : std::string(buffer.data(), buffer.length());
}

bool is_index_object(const TevCatalogTable& table, const char* name) {
  for (std::uint32_t i = 0; i < table.index_count; ++i) {
    if (std::strcmp(table.index_names[i], name) == 0) return true;
  }
  return false;
}

// Columns whose cells are numbers in JSON: a plain decimal is written bare,
// anything else (a value that does not fit) as a string.
bool is_number_column(const TevCatalogColumn& column, bool numeric) {
  switch (column.syntax) {
    case TEV_SYNTAX_INTEGER32:
    case TEV_SYNTAX_UNSIGNED32:
    case TEV_SYNTAX_GAUGE32:
    case TEV_SYNTAX_COUNTER32:
    case TEV_SYNTAX_TIME_TICKS:
    case TEV_SYNTAX_COUNTER64:
      return true;
    case TEV_SYNTAX_ENUMERATION:
      return numeric;
    default:
      return false;
  }
}

const TevCatalogColumn* column_named(const TevCatalogTable& table, const char* name) {
  for (std::uint32_t c = 0; c < table.column_count; ++c) {
    if (std::strcmp(table.columns[c].name, name) == 0) return &table.columns[c];
  }
  return nullptr;
}

bool is_plain_decimal(const std::string& text) {
  std::size_t at = !text.empty() && text[0] == '-' ? 1 : 0;
  if (at == text.size() || (text[at] == '0' && text.size() > at + 1)) return false;
  for (; at < text.size(); ++at) {
    if (text[at] < '0' || text[at] > '9') return false;
  }
  return true;
}

void append_csv(const std::string& field, std::string* line) {
  if (field.find_first_of(",\"\n\r") == std::string::npos) {
    *line += field;
    return;
  }
  *line += '"';
  for (char c : field) {
    if (c == '"') *line += '"';
    *line += c;
  }
  *line += '"';
}

// A TAB-separated field stays one field on one line: a control character
// that reaches it (a text convention's TAB or line break) as \xHH.
void append_tsv(const std::string& field, std::string* line) {
  static const char kHex[] = "0123456789abcdef";
  for (char c : field) {
    const unsigned char u = static_cast<unsigned char>(c);
    if (u < 0x20 || u == 0x7F) {
      *line += "\\x";
      *line += kHex[u >> 4];
      *line += kHex[u & 15];
    } else {
      *line += c;
    }
  }
}

void append_json(const std::string& text, std::string* line) {
  static const char kHex[] = "0123456789abcdef";
  *line += '"';
  for (char c : text) {
    const unsigned char u = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      *line += '\\';
      *line += c;
    } else if (u < 0x20) {
      *line += "\\u00";
      *line += kHex[u >> 4];
      *line += kHex[u & 15];
    } else {
      *line += c;
    }
  }
  *line += '"';
}

}  // namespace

bool TableView::start(const TevCatalogTable* table, TableFormat format, bool numeric,
                      std::string* reason) {
  table_ = table;
  format_ = format;
  numeric_ = numeric;
  CTevAsnBuffer why;
  long err = ASN_OK;
  entry_.reset(tev_create_table_entry(table->entry_oid, table->layout, &why, &err));
  if (entry_ != nullptr) row_.reset(entry_->get_layout()->create_row(&err));
  if (entry_ == nullptr || row_ == nullptr) {
    *reason = why.length() != 0 ? text_of(why) : std::string(tev_error_message(err));
    return false;
  }
  std::uint32_t last = 0;
  for (std::uint32_t c = 0; c < table->column_count; ++c) {
    last = std::max(last, table->columns[c].number);
  }
  seen_.assign(last + 1, false);
  column_.assign(last + 1, nullptr);
  for (std::uint32_t c = 0; c < table->column_count; ++c) {
    column_[table->columns[c].number] = &table->columns[c];
  }
  return true;
}

bool TableView::add(std::string_view record, unsigned long line, std::string* note) {
  const std::size_t equals = record.find(" = ");
  if (equals == std::string_view::npos) {
    *note = "not a walk line (OID = VALUE): " + quoted(record);
    return false;
  }
  std::string_view field = record.substr(0, equals);
  while (!field.empty() && (field.front() == ' ' || field.front() == '\t')) field.remove_prefix(1);
  std::uint32_t sub_ids[ASN_MAX_SUB_IDS];
  unsigned long count = 0;
  CTevAsnBuffer why;
  long rc = tev_parse_sub_ids(field.data(), static_cast<unsigned long>(field.size()), sub_ids,
                              ASN_MAX_SUB_IDS, &count, &why);
  unsigned long column = 0;
  if (rc == ASN_OK) rc = entry_->split(sub_ids, count, &column, row_.get(), &why);
  if (rc == ASN_E_NOT_IN_TABLE) {
    const TevCatalogTable* other = tev_find_catalog_table_by_oid(sub_ids, count, nullptr, nullptr);
    *note = quoted(field) + " lies outside " + table_->name +
            (other != nullptr ? std::string(" (in ") + other->name + ")" : std::string());
    return false;
  }
  if (rc != ASN_OK) {
    *note = quoted(field) + ": " + (why.length() != 0 ? text_of(why) : tev_error_message(rc));
    return false;
  }
  if (column >= column_.size() || column_[column] == nullptr) {
    *note = quoted(field) + ": column " + std::to_string(column) + " is not a column of " +
            table_->name;
    return false;
  }
  const std::uint32_t* index = sub_ids + table_->entry_count + 1;
  const std::size_t index_count = count - table_->entry_count - 1;
  key_.assign(reinterpret_cast<const char*>(index), index_count * sizeof *index);
  auto found = row_of_.find(key_);
  if (found == row_of_.end()) {
    Row row;
    row.index.assign(index, index + index_count);
    CTevAsnBuffer text;
    for (unsigned long i = 0; i < row_->get_count(); ++i) {
      text.assign(nullptr, 0);
      row_->value_to_text_into(&text, i, TEV_OCTETS_AUTO);
      row.index_text.push_back(text_of(text));
    }
    row.cells.resize(seen_.size());
    found = row_of_.emplace(key_, rows_.size()).first;
    rows_.push_back(std::move(row));
  }
  Cell& cell = rows_[found->second].cells[column];
  if (cell.line != 0) {
    *note = quoted(field) + " repeats line " + std::to_string(cell.line);
    return false;
  }
  const std::string_view value = record.substr(equals + 3);
  cell.offset = values_.size();
  cell.length = value.size();
  cell.line = line;
  values_.append(value.data(), value.size());
  seen_[column] = true;
  return true;
}

long TableView::inet_type_of(const Row& row, std::uint32_t column) const {
  // RFC 4001: an InetAddress follows the InetAddressType that says its type.
  const TevCatalogColumn* type = nullptr;
  for (std::uint32_t c = 0; c < table_->column_count && table_->columns[c].number < column; ++c) {
    if (std::strcmp(table_->columns[c].convention, "INET-ADDRESS-MIB::InetAddressType") == 0) {
      type = &table_->columns[c];
    }
  }
  if (type == nullptr || row.cells[type->number].line == 0) return -1;
  WalkValue value;
  std::string reason;
  if (!read_walk_value(value_of(row.cells[type->number]), &value, &reason) ||
      value.form != WalkForm::kInteger) {
    return -1;
  }
  return static_cast<long>(value.number);
}

void TableView::print_line(const std::vector<std::string>& fields, OutputBuffer* out) const {
  std::string line;
  if (format_ == TableFormat::kJson) {
    line += '{';
    for (std::size_t i = 0; i < fields.size(); ++i) {
      if (i != 0) line += ", ";
      append_json(field_names_[i], &line);
      line += ": ";
      if (number_field_[i] && is_plain_decimal(fields[i])) {
        line += fields[i];
      } else {
        append_json(fields[i], &line);
      }
    }
    line += '}';
  } else {
    for (std::size_t i = 0; i < fields.size(); ++i) {
      if (i != 0) line += format_ == TableFormat::kCsv ? ',' : '\t';
      if (format_ == TableFormat::kCsv) {
        append_csv(fields[i], &line);
      } else {
        append_tsv(fields[i], &line);
      }
    }
  }
  line += '\n';
  out->append(line);
}

void TableView::print(OutputBuffer* out, std::vector<std::string>* notes) {
  std::vector<std::uint32_t> shown;  // column numbers, in order
  field_names_.clear();
  number_field_.clear();
  for (std::uint32_t i = 0; i < table_->index_count; ++i) {
    field_names_.push_back(table_->index_names[i]);
    const TevCatalogColumn* column = column_named(*table_, table_->index_names[i]);
    number_field_.push_back(column != nullptr && is_number_column(*column, numeric_));
  }
  for (std::uint32_t c = 0; c < table_->column_count; ++c) {
    const TevCatalogColumn& column = table_->columns[c];
    if (!seen_[column.number] || is_index_object(*table_, column.name)) continue;
    shown.push_back(column.number);
    field_names_.push_back(column.name);
    number_field_.push_back(is_number_column(column, numeric_));
  }
  if (format_ != TableFormat::kJson) print_line(field_names_, out);

  std::vector<std::size_t> order(rows_.size());
  for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
  std::sort(order.begin(), order.end(), [this](std::size_t a, std::size_t b) {
    const Row& x = rows_[a];
    const Row& y = rows_[b];
    const long relation =
        tev_compare_sub_ids(x.index.data(), static_cast<unsigned long>(x.index.size()),
                            y.index.data(), static_cast<unsigned long>(y.index.size()));
    return relation == 1 || relation == 3;
  });

  std::vector<std::string> fields;
  WalkValue value;  // reused: its strings keep their room
  for (std::size_t at : order) {
    const Row& row = rows_[at];
    fields = row.index_text;
    fields.resize(table_->index_count);
    for (std::uint32_t number : shown) {
      const Cell& cell = row.cells[number];
      std::string text;
      if (cell.line != 0) {
        const TevCatalogColumn& column = *column_[number];
        std::string note;
        if (!read_walk_value(value_of(cell), &value, &note)) {
          text = octets_text(std::string(value_of(cell)), TEV_OCTETS_TEXT);
        } else {
          CellOptions options;
          options.numeric = numeric_;
          options.inet_type = inet_type_of(row, number);
          if (cell_text(column, value, options, &text, &note)) note.clear();
        }
        if (!note.empty()) {
          std::string where;
          for (const std::string& part : row.index_text) where += (where.empty() ? "" : " ") + part;
          notes->push_back("line " + std::to_string(cell.line) + ": row " + quoted(where) + ", " +
                           column.name + ": " + note);
        }
      }
      fields.push_back(std::move(text));
    }
    print_line(fields, out);
  }
}

}  // namespace tevasn
