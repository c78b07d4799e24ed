#include "tables/command_steps.h"

#include <algorithm>

#include "platform/ui.h"
#include "tables/save_question.h"

namespace tables::detail {

bool SelectedRows(const TableRef& t, int32_t& lo, int32_t& hi) {
  if (t.selStart == -1 || t.selEnd == -1) return false;
  lo = std::clamp(std::min(t.selStart, t.selEnd), 1, t.N);
  hi = std::clamp(std::max(t.selStart, t.selEnd), 1, t.N);
  return true;
}

void Deselect(const TableRef& t) {
  t.selStart = -1;
  t.selEnd = -1;
}

void ShowRowLimitMessage() {
  platform::CurrentUi().MsgBox("Overflow: Number of rows is limited to " + StrNumero(kMaxRows),
                               platform::Buttons::Ok, platform::Icon::Critical, "ERROR");
}

void ShowChangedTable(const TableRef& t) {
  // Without the flag, data changed by a command would be lost at Exit without a question.
  t.modified = true;
  t.ClampTop();
  t.view.Refresh();
  t.view.Recompute();
}

void FinishCommand(const TableRef& t, const std::string& undoCaption) {
  ShowChangedTable(t);
  SetUndoRedo(t, true, undoCaption, false, "");
}

bool OfferToSave(const TableRef& t) {
  return AskToSaveChanges(t.modified, t.fileName, std::string(t.traits.saveTitle),
                          [&t] { t.view.SaveTable(); });
}

void ShowReplacedTable(const TableRef& t, const std::string& caption) {
  Deselect(t);
  t.ClampTop();
  t.modified = false;
  t.view.LayoutKind();
  t.view.Refresh();
  t.view.Recompute();
  t.view.SetCaption(caption);
  // The previous table's steps must not come back under the new table's name.
  SetUndoRedo(t, false, "", false, "");
}

}  // namespace tables::detail
