// The tool's walk reading and table view: the input's first line names a
// table of the catalogue, the rest is a walk. Every record is cut as the tool
// cuts it, its value read by the value-form reader, and the table view built
// and printed; whatever the input, nothing may crash or leak, a value read as
// an IpAddress has four octets, and a record never loses its first line.
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzSupport.h"
#include "KnownTables.h"
#include "LineReader.h"
#include "RecordReader.h"
#include "TableView.h"
#include "TevAsnCatalog.h"
#include "WalkValue.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::size_t newline = input.find('\n');
  const std::string_view name = input.substr(0, newline);
  const std::string walk(newline == std::string_view::npos ? std::string_view()
                                                           : input.substr(newline + 1));
  const TevCatalogTable* table = tev_find_catalog_table(
      name.data(), static_cast<unsigned long>(name.size()), nullptr, nullptr);
  if (table == nullptr) table = tev_get_catalog_table(0);

  std::FILE* in = fmemopen(const_cast<char*>(walk.data()), walk.size(), "r");
  std::FILE* out = std::fopen("/dev/null", "w");
  if (in == nullptr || out == nullptr) std::abort();
  const tevasn::KnownTables known;
  tevasn::TableView view;
  std::string reason;
  tev_fuzz::require(view.start(table, &known, tevasn::TableFormat::kCsv, size % 2 == 0, &reason),
                    "a catalogue table has no view");
  tevasn::RecordReader reader(in);
  std::string_view record;
  tevasn::WalkValue value;
  while (reader.next(&record)) {
    tev_fuzz::require(walk.find(record.substr(0, record.find('\n'))) != std::string::npos,
                      "a record that is not in the walk");
    const std::size_t equals = record.find(" = ");
    if (equals != std::string_view::npos &&
        tevasn::read_walk_value(record.substr(equals + 3), &value, &reason) &&
        value.form == tevasn::WalkForm::kIpAddress) {
      tev_fuzz::require(value.octets.size() == 4, "an IpAddress of other than four octets");
    }
    view.add(record, reader.number(), &reason);
  }
  {
    tevasn::OutputBuffer printed(out);
    std::vector<std::string> notes;
    view.print(&printed, &notes);
  }
  std::fclose(in);
  std::fclose(out);
  return 0;
}
