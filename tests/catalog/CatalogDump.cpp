// Prints the whole catalogue as JSON through the public functions, with the
// value count of each layout as tev_create_index_layout reads it, for
// check_facts.py to compare with the facts the catalogue was made from.
#include <cstdio>
#include <cstring>

#include "TevAsnCatalog.h"
#include "TevAsnTable.h"

namespace {

void print_string(const char* text) { std::printf("\"%s\"", text); }

long layout_values(const char* layout, unsigned long flags = 0) {
  if (*layout == '\0') return 0;
  long err = 0;
  ITevAsnIndexLayout* parsed = tev_create_index_layout(layout, flags, nullptr, &err);
  if (parsed == nullptr) return err;
  const long count = static_cast<long>(parsed->get_value_count());
  parsed->release();
  return count;
}

}  // namespace

int main() {
  std::printf("{\"tables\": [\n");
  const unsigned long count = tev_get_catalog_table_count();
  for (unsigned long t = 0; t < count; ++t) {
    const TevCatalogTable* table = tev_get_catalog_table(t);
    std::printf("{\"module\": ");
    print_string(table->module);
    std::printf(", \"table\": ");
    print_string(table->name);
    std::printf(", \"entry\": ");
    print_string(table->entry);
    std::printf(", \"entry_oid\": ");
    print_string(table->entry_oid);
    std::printf(", \"entry_sub_ids\": %lu", static_cast<unsigned long>(table->entry_count));
    std::printf(", \"augments\": ");
    print_string(table->augments);
    std::printf(", \"layout\": ");
    print_string(table->layout);
    std::printf(", \"layout_values\": %ld, \"implied\": %s, \"index\": [",
                layout_values(table->layout), table->implied != 0 ? "true" : "false");
    for (std::uint32_t i = 0; i < table->index_count; ++i) {
      if (i != 0) std::printf(", ");
      print_string(table->index_names[i]);
    }
    std::printf("], \"columns\": [");
    for (std::uint32_t c = 0; c < table->column_count; ++c) {
      const TevCatalogColumn& column = table->columns[c];
      const bool findable = tev_find_catalog_column(table, column.number) == &column;
      std::printf("%s{\"number\": %lu, \"findable\": %s, \"name\": ", c == 0 ? "" : ", ",
                  static_cast<unsigned long>(column.number), findable ? "true" : "false");
      print_string(column.name);
      std::printf(", \"syntax\": ");
      print_string(tev_syntax_name(column.syntax));
      std::printf(", \"access\": %lu, \"convention\": ", static_cast<unsigned long>(column.access));
      print_string(column.convention);
      std::printf(", \"hint\": ");
      print_string(column.hint);
      std::printf(", \"word_values\": %ld", layout_values(column.word, TEV_LAYOUT_ANY_TYPE));
      std::printf(", \"labels\": [");
      for (std::uint32_t l = 0; l < column.label_count; ++l) {
        std::printf("%s[\"%s\", %lld]", l == 0 ? "" : ", ", column.labels[l].name,
                    static_cast<long long>(column.labels[l].number));
      }
      std::printf("]}");
    }
    std::printf("]}%s\n", t + 1 < count ? "," : "");
  }
  std::printf("], \"conventions\": [\n");
  const unsigned long conventions = tev_get_catalog_convention_count();
  for (unsigned long i = 0; i < conventions; ++i) {
    const TevCatalogConvention* convention = tev_get_catalog_convention(i);
    std::printf(
        "{\"name\": \"%s\", \"syntax\": \"%s\", \"hint\": \"%s\", \"word_values\": %ld, "
        "\"labels\": [",
        convention->name, tev_syntax_name(convention->syntax), convention->hint,
        layout_values(convention->word, TEV_LAYOUT_ANY_TYPE));
    for (std::uint32_t l = 0; l < convention->label_count; ++l) {
      std::printf("%s[\"%s\", %lld]", l == 0 ? "" : ", ", convention->labels[l].name,
                  static_cast<long long>(convention->labels[l].number));
    }
    std::printf("]}%s\n", i + 1 < conventions ? "," : "");
  }
  std::printf("]}\n");
  return 0;
}
