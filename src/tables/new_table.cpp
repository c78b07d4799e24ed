#include "tables/new_table.h"

#include "tables/command_steps.h"

namespace tables {

namespace {

void NewTable(const detail::TableRef& t) {
  if (!detail::OfferToSave(t)) return;
  t.EmptyRows(0, kArraySize - 1);
  t.top = 1;
  t.N = kNewTableRows;
  t.kind = 0;
  t.fileName.clear();
  t.view.ClearPanel();
  detail::ShowReplacedTable(t, kPlainCaption);
}

}  // namespace

void CmdNEW1VAR_Click(Table1V& table) { NewTable(detail::RefOf(table)); }
void CmdNEW2VAR_Click(Table2V& table) { NewTable(detail::RefOf(table)); }

}  // namespace tables
