#include "printing/print_commands.h"

#include <QLabel>
#include <QLineEdit>
#include <QObject>
#include <memory>

#include "platform/qt_printers.h"
#include "printing/frmImprimir.h"
#include "printing/reports.h"

namespace printing {
namespace {

std::string BoxText(const QWidget* panel, const char* name) {
  if (panel == nullptr) return {};
  if (const auto* box = panel->findChild<const QLineEdit*>(name)) return box->text().toStdString();
  return {};
}

std::string LabelText(const QWidget* panel, const char* name) {
  if (panel == nullptr) return {};
  if (const auto* label = panel->findChild<const QLabel*>(name)) return label->text().toStdString();
  return {};
}

// Lives as long as the window whose File menu it serves.
class WindowPrinting : public QObject, public shared::PrintCommands {
 public:
  explicit WindowPrinting(shared::PanelHost& form) : QObject(form.Widget()), form_(form) {
    if (platform::InstalledPrinters() == nullptr) {
      own_ = std::make_unique<platform::QtPrinters>();
      platform::InstallPrinters(own_.get());
    }
  }
  ~WindowPrinting() override {
    if (own_ && platform::InstalledPrinters() == own_.get()) platform::InstallPrinters(nullptr);
  }

  void ShowPrinterDialog() override {
    frmImprimir dialog(form_.State(), platform::CurrentPrinters(), form_.Widget());
    platform::CurrentUi().RunModal(dialog);
  }

  void Imprimir1VAR() override {
    Report1VInput input = ReadPanel1V(form_.Panel(shared::kTask1V));
    input.Table = &form_.Table1V();
    // The report's moments come straight from the statistics, so the panel's moment box
    // keeps showing the moment the user chose.
    input.Moment = [](int16_t k, int16_t about) {
      return tables::CalculaMomento(tables::ProgramStats1V(), k, about).Txt1V_MM;
    };
    printing::Imprimir1VAR(platform::CurrentPrinters(), input);
  }

  void Imprimir2VAR() override {
    Report2VInput input = ReadPanel2V(form_.Panel(shared::kTask2V));
    input.Table = &form_.Table2V();
    printing::Imprimir2VAR(platform::CurrentPrinters(), input);
  }

 private:
  shared::PanelHost& form_;
  std::unique_ptr<platform::QtPrinters> own_;
};

}  // namespace

Report1VInput ReadPanel1V(const QWidget* panel) {
  Report1VInput in;
  in.LblESTAD1 = LabelText(panel, "LblESTAD1");
  tables::Results1V& b = in.Boxes;
  const std::pair<std::string*, const char*> boxes[] = {
      {&b.Txt1V_SN, "Txt1V_SN"},   {&b.Txt1V_SX, "Txt1V_SX"}, {&b.Txt1V_SX2, "Txt1V_SX2"},
      {&b.Txt1V_SX3, "Txt1V_SX3"}, {&b.Txt1V_SX4, "Txt1V_SX4"}, {&b.Txt1V_MX, "Txt1V_MX"},
      {&b.Txt1V_ME, "Txt1V_ME"},   {&b.Txt1V_MO, "Txt1V_MO"}, {&b.Txt1V_DX, "Txt1V_DX"},
      {&b.Txt1V_VX, "Txt1V_VX"},   {&b.Txt1V_CV, "Txt1V_CV"}, {&b.Txt1V_AS, "Txt1V_AS"},
      {&b.Txt1V_CU, "Txt1V_CU"}};
  for (const auto& [field, name] : boxes) *field = BoxText(panel, name);
  b.Label1_68 = LabelText(panel, "Label1_68");
  b.Label1_69 = LabelText(panel, "Label1_69");
  return in;
}

Report2VInput ReadPanel2V(const QWidget* panel) {
  Report2VInput in;
  in.LblESTAD2 = LabelText(panel, "LblESTAD2");
  in.Label1_44 = LabelText(panel, "Label1_44");
  tables::Results2V& b = in.Boxes;
  const std::pair<std::string*, const char*> boxes[] = {
      {&b.Txt2V_SN, "Txt2V_SN"},   {&b.Txt2V_SX, "Txt2V_SX"},   {&b.Txt2V_SY, "Txt2V_SY"},
      {&b.Txt2V_SX2, "Txt2V_SX2"}, {&b.Txt2V_SY2, "Txt2V_SY2"}, {&b.Txt2V_SXY, "Txt2V_SXY"},
      {&b.Txt2V_MX, "Txt2V_MX"},   {&b.Txt2V_MY, "Txt2V_MY"},   {&b.Txt2V_DX, "Txt2V_DX"},
      {&b.Txt2V_DY, "Txt2V_DY"},   {&b.Txt2V_VX, "Txt2V_VX"},   {&b.Txt2V_VY, "Txt2V_VY"},
      {&b.Txt2V_COV, "Txt2V_COV"}, {&b.Txt2V_R, "Txt2V_R"},     {&b.Txt2V_CUR, "Txt2V_CUR"}};
  for (const auto& [field, name] : boxes) *field = BoxText(panel, name);
  return in;
}

void InstallPrinting(shared::PanelHost& form) {
  auto* printing = new WindowPrinting(form);
  form.SetPrintCommands(printing);
}

}  // namespace printing
