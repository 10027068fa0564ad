#include "MibTableStore.h"

#include <algorithm>

#include "MibSyntax.h"
#include "Smi.h"

namespace tevasn_mib {

namespace {

ETevAccess access_of(SmiAccess access) {
  switch (access) {
    case SMI_ACCESS_READ_ONLY:
      return TEV_ACCESS_READ_ONLY;
    case SMI_ACCESS_READ_WRITE:  // read-create too
      return TEV_ACCESS_READ_WRITE;
    default:
      return TEV_ACCESS_NOT_ACCESSIBLE;
  }
}

}  // namespace

const char* MibTableStore::keep(std::string text) {
  strings_.push_back(std::move(text));
  return strings_.back().c_str();
}

void MibTableStore::add_module(SmiModule* module) {
  for (SmiNode* row = smiGetFirstNode(module, SMI_NODEKIND_ROW); row != nullptr;
       row = smiGetNextNode(row, SMI_NODEKIND_ROW)) {
    add_table(module, row);
  }
}

void MibTableStore::add_table(SmiModule* module, SmiNode* row) {
  SmiNode* table_node = smiGetParentNode(row);
  if (table_node == nullptr || row->name == nullptr || table_node->name == nullptr) return;
  // AUGMENTS: the index of the entry augmented, followed to its end.
  SmiNode* base = row;
  std::string augments;
  for (int depth = 0; base->indexkind == SMI_INDEX_AUGMENT && depth < 16; ++depth) {
    SmiNode* related = smiGetRelatedNode(base);
    if (related == nullptr) break;
    if (augments.empty()) {
      SmiModule* related_module = smiGetNodeModule(related);
      augments = std::string(related_module != nullptr ? related_module->name : "") +
                 "::" + (related->name != nullptr ? related->name : "");
    }
    base = related;
  }
  std::vector<MibSyntax> objects;
  std::vector<const char*> names;
  for (SmiElement* e = smiGetFirstElement(base); e != nullptr; e = smiGetNextElement(e)) {
    SmiNode* object = smiGetElementNode(e);
    if (object == nullptr) continue;
    names.push_back(keep(object->name != nullptr ? object->name : ""));
    objects.push_back(MibSyntax::of(smiGetNodeType(object)));
  }
  const bool implied = base->implied != 0;

  std::vector<TevCatalogColumn> columns;
  for (SmiNode* c = smiGetFirstChildNode(row); c != nullptr; c = smiGetNextChildNode(c)) {
    if (c->nodekind != SMI_NODEKIND_COLUMN || c->oidlen == 0 || c->name == nullptr) continue;
    const MibSyntax syntax = MibSyntax::of(smiGetNodeType(c));
    TevCatalogColumn column{};
    column.number = c->oid[c->oidlen - 1];
    column.syntax = syntax.syntax;
    column.access = access_of(c->access);
    column.name = keep(c->name);
    column.convention = keep(syntax.convention);
    column.hint = keep(syntax.hint);
    column.word = keep(syntax.word(false));
    if (!syntax.labels.empty()) {
      std::vector<TevCatalogLabel> labels;
      for (const auto& label : syntax.labels) labels.push_back({keep(label.first), label.second});
      label_lists_.push_back(std::move(labels));
      column.labels = label_lists_.back().data();
      column.label_count = static_cast<std::uint32_t>(label_lists_.back().size());
    }
    columns.push_back(column);
  }
  std::sort(
      columns.begin(), columns.end(),
      [](const TevCatalogColumn& a, const TevCatalogColumn& b) { return a.number < b.number; });

  std::string entry_oid;
  for (unsigned i = 0; i < row->oidlen; ++i) {
    entry_oid += (i == 0 ? "" : ".") + std::to_string(row->oid[i]);
  }
  name_lists_.push_back(std::move(names));
  sub_id_lists_.emplace_back(row->oid, row->oid + row->oidlen);
  column_lists_.push_back(std::move(columns));
  TevCatalogTable table{};
  table.module = keep(module->name);
  table.name = keep(table_node->name);
  table.entry = keep(row->name);
  table.entry_oid = keep(entry_oid);
  table.augments = keep(augments);
  table.layout = keep(index_layout(objects, implied));
  table.index_names = name_lists_.back().data();
  table.index_count = static_cast<std::uint32_t>(name_lists_.back().size());
  table.entry_sub_ids = sub_id_lists_.back().data();
  table.entry_count = static_cast<std::uint32_t>(sub_id_lists_.back().size());
  table.columns = column_lists_.back().data();
  table.column_count = static_cast<std::uint32_t>(column_lists_.back().size());
  table.implied = implied ? 1 : 0;
  tables_.push_back(table);
}

}  // namespace tevasn_mib
