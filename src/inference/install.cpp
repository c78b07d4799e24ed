// Joins the test and interval panels to the main window.
#include <QObject>

#include "shared/PictureButton.h"
#include "inference/panels.h"

namespace inference {
namespace {

// Owns what the two panels share for as long as the window lives.
class InferenceLink : public QObject {
 public:
  explicit InferenceLink(QObject* parent) : QObject(parent) {}
  InferenceData data;
};

}  // namespace

void InstallInferencePanels(shared::PanelHost& form) {
  auto* link = new InferenceLink(form.Widget());
  InferenceData& data = link->data;
  shared::ProgramState& frame = form.State();
  auto* tests = new TestPanel(data, frame, form.Panel(0));
  auto* intervals = new IntervalPanel(data, frame, form.Panel(1));
  for (QWidget* panel : {static_cast<QWidget*>(tests), static_cast<QWidget*>(intervals)}) {
    panel->setGeometry(panel->parentWidget()->rect());
    panel->lower();  // under the picture buttons
  }
  form.Button(22)->SetCommand([tests] { tests->Cmd_CHCalcular_Click(); });
  form.Button(21)->SetCommand([tests] { tests->Cmd_CHBorrar_Click(); });
  form.Button(16)->SetCommand([intervals] { intervals->Cmd_ICCalcular_Click(); });
  form.Button(17)->SetCommand([intervals] { intervals->Cmd_ICBorrar_Click(); });
  form.Hooks().FillTestIntervalTable = [&data] { FillTypeTable(data.table); };
}

}  // namespace inference
