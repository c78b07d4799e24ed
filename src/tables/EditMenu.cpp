#include "tables/EditMenu.h"

#include <QAction>
#include <QMenu>

#include "tables/edit_commands.h"

namespace tables {

namespace {

using Command1V = void (*)(Table1V&);
using Command2V = void (*)(Table2V&);

// The window's own tables, on its current task; nothing on the other tasks.
void OnCurrentTable(shared::PanelHost& form, Command1V oneVariable, Command2V twoVariable) {
  const int16_t task = form.State().CurrentTask;
  if (task == shared::kTask1V) oneVariable(form.Table1V());
  if (task == shared::kTask2V) twoVariable(form.Table2V());
}

struct Item {
  const char* name;
  const char* caption;
  QKeySequence shortcut;
  Command1V oneVariable;
  Command2V twoVariable;
  bool separatorAfter;
};

}  // namespace

void InstallEditMenu(shared::PanelHost& form) {
  QMenu* menu = form.EditMenu();
  if (menu->findChild<QAction*>("mnu_Edicion_Deshacer") != nullptr) return;
  const Item items[] = {
      {"mnu_Edicion_Deshacer", "&Undo", QKeySequence(Qt::CTRL | Qt::Key_Z), Deshacer1V, Deshacer2V, false},
      {"mnu_Edicion_Rehacer", "&Redo", QKeySequence(Qt::CTRL | Qt::Key_Y), Rehacer1V, Rehacer2V, true},
      {"mnu_Edicion_Cortar", "Cu&t", QKeySequence(Qt::CTRL | Qt::Key_X), Cortar1V, Cortar2V, false},
      {"mnu_Edicion_Copiar", "&Copy", QKeySequence(Qt::CTRL | Qt::Key_C), Copiar1V, Copiar2V,
       false},
      {"mnu_Edicion_Pegar", "&Paste", QKeySequence(Qt::CTRL | Qt::Key_V), Pegar1V, Pegar2V, true},
      {"mnu_Edicion_DelSel", "&Delete selection", {}, DelSel1V, DelSel2V, false},
      {"mnu_Edicion_SelALL", "&Select all", {}, SelALL1V, SelALL2V, false},
      {"mnu_Edicion_InsertFILA", "&Insert row", {}, InsertFILA1V, InsertFILA2V, true},
      {"mnu_Edicion_Compactar", "Compact table", {}, Compactar1V, Compactar2V, false},
  };
  shared::PanelHost* window = &form;
  for (const Item& item : items) {
    QAction* action = menu->addAction(item.caption);
    action->setParent(menu);
    action->setObjectName(item.name);
    if (!item.shortcut.isEmpty()) action->setShortcut(item.shortcut);
    const Command1V one = item.oneVariable;
    const Command2V two = item.twoVariable;
    QObject::connect(action, &QAction::triggered, menu,
                     [window, one, two] { OnCurrentTable(*window, one, two); });
    if (item.separatorAfter) menu->addSeparator();
  }
  // A click on a table's tab shows that table's own Undo and Redo.
  form.Hooks().RestoreUndoRedo1V = [window] {
    ShowUndoRedo(window->EditMenu(), UndoRedoMenuOf(window->Table1V()));
  };
  form.Hooks().RestoreUndoRedo2V = [window] {
    ShowUndoRedo(window->EditMenu(), UndoRedoMenuOf(window->Table2V()));
  };
  // The window's Delete key, whatever control has the focus.
  form.Hooks().mnu_Edicion_DelSel_Click = [window] {
    OnCurrentTable(*window, DelSel1V, DelSel2V);
  };
}

void ShowUndoRedo(QMenu* menu, const UndoRedoMenu& state) {
  if (menu == nullptr) return;
  if (QAction* undo = menu->findChild<QAction*>("mnu_Edicion_Deshacer")) {
    undo->setEnabled(state.undoEnabled);
    undo->setText(QString::fromStdString(state.undoCaption));
  }
  if (QAction* redo = menu->findChild<QAction*>("mnu_Edicion_Rehacer")) {
    redo->setEnabled(state.redoEnabled);
    redo->setText(QString::fromStdString(state.redoCaption));
  }
}

}  // namespace tables
