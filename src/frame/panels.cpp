#include "frame/panels.h"

#include <QObject>

#include "frame/FormMain.h"
#include "shared/PictureButton.h"
#include "frame/table_link.h"
#include "tables/table_window_view.h"
#include "graph/FormGraficador.h"
#include "inference/panels.h"
#include "probability/PanelDI.h"
#include "probability/events_panels.h"
#include "printing/GraphPrinting.h"
#include "printing/print_commands.h"
#include "tables/edit_commands.h"
#include "tables/graph_window.h"
#include "tables/new_table.h"
#include "tables/Panel1V.h"
#include "tables/Panel2V.h"
#include "tables/table_data.h"

namespace frame {
namespace {

// Lives as long as the window it joins the tables to; a table never points at a view that
// is gone.
class TableLinks : public QObject {
 public:
  explicit TableLinks(FormMain& form)
      : QObject(&form),
        table1V(form.Table1V()),
        table2V(form.Table2V()),
        view1V(&form),
        view2V(&form),
        files1V(table1V),
        files2V(table2V) {
    table1V.View1V = &view1V;
    table2V.View2V = &view2V;
  }
  ~TableLinks() override {
    if (table1V.View1V == &view1V) table1V.View1V = nullptr;
    if (table2V.View2V == &view2V) table2V.View2V = nullptr;
  }

  tables::Table1V& table1V;
  tables::Table2V& table2V;
  tables::TableWindowView view1V;
  tables::TableWindowView view2V;
  TableFiles1V files1V;
  TableFiles2V files2V;
};

// Gives every graph window opened while the main window lives its printing controls. The
// graph and the printing know nothing of each other; the frame joins them here.
class GraphPrintingLink : public QObject {
 public:
  explicit GraphPrintingLink(QObject* parent) : QObject(parent) {
    graph::PrintingControls() = printing::InstallGraphPrinting;
  }
  ~GraphPrintingLink() override { graph::PrintingControls() = nullptr; }
};

}  // namespace

void InstallPanels(FormMain& form) {
  // Each task's panel adds itself here as it lands: it builds its controls inside
  // form.Panel(task), sets the commands of its picture buttons (form.Button(n)), and the
  // tables give the wheel their scroll bars.
  auto* links = new TableLinks(form);
  form.Files().SetTableCommands(&links->files1V, &links->files2V);
  tables::Table1V& table1V = links->table1V;
  tables::Table2V& table2V = links->table2V;
  form.Button(14)->SetCommand([&table1V] { tables::CmdNEW1VAR_Click(table1V); });
  form.Button(11)->SetCommand([&table2V] { tables::CmdNEW2VAR_Click(table2V); });
  form.Button(13)->SetCommand([&table2V] { tables::SwapXY2V(table2V); });
  tables::InstallPanel1V(form);
  tables::InstallPanel2V(form);
  // The table panels fill the hand-over, then open the graph of their data.
  tables::ShowGraphWindow() = [] { graph::ShowFormGraficador(); };
  inference::InstallInferencePanels(form);
  probability::InstallDistributionPanel(form);
  probability::InstallEventPanels(form);
  printing::InstallPrinting(form);
  new GraphPrintingLink(&form);
}

}  // namespace frame
