// tevasn table [--format tsv|csv|json] [--numeric] NAME
// tevasn tables
#include <cstdio>
#include <cstring>

#include "Commands.h"
#include "KnownTables.h"
#include "LineReader.h"
#include "RecordReader.h"
#include "TableView.h"
#include "TevAsnCatalog.h"
#include "TevAsnValuePtr.h"

using namespace NTevAsnValue;

namespace tevasn {

namespace {

const char kCommand[] = "table";

bool is_blank_record(std::string_view record) {
  return record.find_first_not_of(" \t\r\n") == std::string_view::npos;
}

}  // namespace

int run_table(const Args& args) {
  CommandLine line;
  int status = kExitOk;
  if (!start_command(kCommand, args, Options::kTable, &line, &status)) return status;
  if (line.positional.size() != 1) {
    return usage_error(kCommand, "needs one table name, and reads the walk from standard input");
  }
  KnownTables known;
  int loaded = kExitOk;
  if (!load_mibs(kCommand, line, &known, &loaded)) return loaded;
  std::string reason;
  const TevCatalogTable* table = known.find(line.positional[0], &reason);
  if (table == nullptr) {
    report(kCommand, reason);
    return kExitBadInput;
  }
  const TableFormat format = line.format == "csv"    ? TableFormat::kCsv
                             : line.format == "json" ? TableFormat::kJson
                                                     : TableFormat::kTsv;
  TableView view;
  if (!view.start(table, &known, format, line.numeric, &reason)) {
    report(kCommand, std::string(table->name) + ": " + reason);
    return kExitBadInput;
  }
  RecordReader reader(stdin);
  std::string_view record;
  bool bad = false;
  while (reader.next(&record)) {
    if (is_blank_record(record)) continue;
    std::string note;
    if (!view.add(record, reader.number(), &note)) {
      report(kCommand, "line " + std::to_string(reader.number()) + ": " + note);
      bad = true;
    }
  }
  OutputBuffer out(stdout);
  std::vector<std::string> notes;
  view.print(&out, &notes);
  out.flush();
  for (const std::string& note : notes) report(kCommand, note);
  return bad || !notes.empty() || loaded != kExitOk ? kExitBadInput : kExitOk;
}

int run_tables(const Args& args) {
  CommandLine line;
  int status = kExitOk;
  if (!start_command("tables", args, Options::kTables, &line, &status)) return status;
  if (!line.positional.empty()) return usage_error("tables", "takes no arguments");
  KnownTables known;
  int loaded = kExitOk;
  if (!load_mibs("tables", line, &known, &loaded)) return loaded;
  OutputBuffer out(stdout);
  const auto print = [&out](const TevCatalogTable* table) {
    out.append(std::string(table->name) + '\t' + table->module + '\t' + table->entry_oid + '\t' +
               table->layout + '\n');
  };
  // The catalogue, then the loaded modules' tables.
  const unsigned long count = tev_get_catalog_table_count();
  for (unsigned long i = 0; i < count; ++i) print(tev_get_catalog_table(i));
  for (std::size_t i = 0; i < known.loaded_count(); ++i) print(known.loaded(i));
  return loaded;
}

}  // namespace tevasn
