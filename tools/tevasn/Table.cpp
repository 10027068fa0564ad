// tevasn table [--format tsv|csv|json] [--numeric] NAME
// tevasn tables
#include <cstdio>
#include <cstring>

#include "Commands.h"
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

const TevCatalogTable* find_table(const char* command, const std::string& name) {
  CTevAsnBuffer why;
  long err = ASN_OK;
  const TevCatalogTable* table =
      tev_find_catalog_table(name.data(), static_cast<unsigned long>(name.size()), &why, &err);
  if (table == nullptr) {
    report(command, why.length() != 0 ? std::string(why.data(), why.length())
                                      : std::string(tev_error_message(err)));
  }
  return table;
}

int run_table(const Args& args) {
  CommandLine line;
  int status = kExitOk;
  if (!start_command(kCommand, args, Options::kTable, &line, &status)) return status;
  if (line.positional.size() != 1) {
    return usage_error(kCommand, "needs one table name, and reads the walk from standard input");
  }
  const TevCatalogTable* table = find_table(kCommand, line.positional[0]);
  if (table == nullptr) return kExitBadInput;
  const TableFormat format = line.format == "csv"    ? TableFormat::kCsv
                             : line.format == "json" ? TableFormat::kJson
                                                     : TableFormat::kTsv;
  TableView view;
  std::string reason;
  if (!view.start(table, format, line.numeric, &reason)) {
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
  return bad || !notes.empty() ? kExitBadInput : kExitOk;
}

int run_tables(const Args& args) {
  CommandLine line;
  int status = kExitOk;
  if (!start_command("tables", args, Options::kNone, &line, &status)) return status;
  if (!line.positional.empty()) return usage_error("tables", "takes no arguments");
  OutputBuffer out(stdout);
  const unsigned long count = tev_get_catalog_table_count();
  for (unsigned long i = 0; i < count; ++i) {
    const TevCatalogTable* table = tev_get_catalog_table(i);
    std::string text = std::string(table->name) + '\t' + table->module + '\t' + table->entry_oid +
                       '\t' + table->layout + '\n';
    out.append(text);
  }
  return kExitOk;
}

}  // namespace tevasn
