#include "tables/Panel1V.h"

#include <QButtonGroup>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>

#include "graph/graph_handover.h"
#include "platform/qt_whole_text.h"
#include "tables/graph_window.h"
#include "tables/quantiles.h"

namespace tables {

namespace {

using panel::Font;
using panel::Q;
using panel::Trimmed;

}  // namespace

GridDesign Traits1V::Design() {
  GridDesign d;
  d.containerName = "Picture1VARDAT";
  d.headingStripName = "Picture5_6";
  d.sumsStripName = "Picture5_7";
  d.scrollBarName = "VScroll2";
  d.cornerName = "Label6";
  d.columns = {
      {"Txt1V_ITEM", CellKind::RowNumber, "", ""},
      {"Txt1V_x1", CellKind::Input, "image5_14", "x"},
      {"Txt1V_x2", CellKind::Input, "image5_15", "x<sub>2</sub>"},
      {"Txt1V_N", CellKind::Input, "image5_16", "n"},
      {"Txt1V_XM", CellKind::Computed, "image5_17", "x<sub>M</sub>"},
      {"Txt1V_XN", CellKind::Computed, "image5_18", "n x"},
      {"Txt1V_X2N", CellKind::Computed, "image5_19", "n x<sup>2</sup>"},
      {"Txt1V_X3N", CellKind::Computed, "image5_24", "n x<sup>3</sup>"},
      {"Txt1V_X4N", CellKind::Computed, "image5_25", "n x<sup>4</sup>"},
  };
  d.sums = {
      {"Txt1V_SN", "image5_20", "&Sigma; n"},
      {"Txt1V_SX", "image5_21", "&Sigma; n x"},
      {"Txt1V_SX2", "image5_22", "&Sigma; n x<sup>2</sup>"},
      {"Txt1V_SX3", "image5_26", "&Sigma; n x<sup>3</sup>"},
      {"Txt1V_SX4", "image5_27", "&Sigma; n x<sup>4</sup>"},
  };
  return d;
}

namespace {

const Place kHidden{false, 0, 0};

// The columns of ungrouped data (#, x, n, n x, n x², n x³, n x⁴) and of grouped data
// (#, x₁, x₂, n, x_M, n x, n x², n x³, n x⁴).
GridLayout Layout1V(int16_t dataType) {
  GridLayout l;
  if (dataType == 0) {
    l.cells = {{true, -1, 47},  {true, 45, 150},  kHidden,         {true, 194, 136}, kHidden,
               {true, 327, 150}, {true, 476, 150}, {true, 625, 106}, {true, 730, 106}};
    l.headingRight = {-1, 185, -1, 320, -1, 465, 615, 720, 825};
    l.headingLines = {45, 194, 329, 476, 625, 730};
    l.sums = {{true, 194, 136}, {true, 327, 150}, {true, 476, 150}, {true, 625, 106},
              {true, 730, 106}};
    l.sumHeadingRight = {320, 465, 615, 720, 825};
    l.sumLines = {194, 329, 476, 625, 730};
    l.headingTexts = {"", "x"};
  } else {
    l.cells = {{true, -1, 47},   {true, 45, 106},  {true, 150, 106}, {true, 255, 56},
               {true, 310, 106}, {true, 415, 106}, {true, 520, 106}, {true, 625, 106},
               {true, 730, 106}};
    l.headingRight = {-1, 141, 246, 302, 409, 513, 615, 720, 825};
    l.headingLines = {45, 150, 255, 310, 415, 520, 625, 730};
    l.sums = {{true, 255, 56}, {true, 415, 106}, {true, 520, 106}, {true, 625, 106},
              {true, 730, 106}};
    l.sumHeadingRight = {305, 513, 615, 720, 825};
    l.sumLines = {255, 310, 415, 520, 625, 730};
    l.headingTexts = {"", "x<sub>1</sub>"};
  }
  return l;
}

}  // namespace

// The table panel reads the frequency and the computed cells at fixed columns.
static_assert(Panel1V::kN == Panel1V::kCountColumn &&
              Panel1V::kXM == Panel1V::kFirstComputedColumn);

Panel1V::Panel1V(Table1V& table, Stats1V& stats, shared::ProgramState& state,
                 shared::FrameWindow* window, QMenu* editMenu, QWidget* parent)
    : TablePanel(table, stats, state, window, editMenu, parent) {
  grid_->ApplyLayout(Layout1V(table_.DataType1V));
  BuildResults();
  Attach();
}

void Panel1V::BuildResults() {
  LblESTAD1 = new QLabel(this);
  LblESTAD1->setObjectName("LblESTAD1");
  LblESTAD1->setGeometry(19, 6, 600, 26);
  LblESTAD1->setFont(Font(12, true));
  LblESTAD1->setText(Q(LblESTAD1_Caption(table_.DataType1V)));

  auto radio = [this](const QString& name, const QString& caption, QRect place,
                      QButtonGroup* group) {
    auto* option = new QRadioButton(caption, this);
    option->setObjectName(name);
    option->setGeometry(place);
    option->setFont(Font(9.75));
    group->addButton(option);
    return option;
  };
  auto* kindGroup = new QButtonGroup(this);
  const char* kinds[] = {"Ungrouped", "Grouped"};
  for (int i = 0; i < 2; ++i) {
    Opt1VAR[i] = radio(QString("Opt1VAR_%1").arg(i), kinds[i], QRect(19 + 120 * i, 36, 115, 24),
                       kindGroup);
    connect(Opt1VAR[i], &QRadioButton::clicked, this, [this, i] { Opt1VAR_Click(i); });
  }
  Opt1VAR[table_.DataType1V == 1 ? 1 : 0]->setChecked(true);

  auto label = [this](const QString& name, const QString& text, QRect place, double points = 9.75,
                      Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter) {
    auto* l = new QLabel(text, this);
    if (!name.isEmpty()) l->setObjectName(name);
    l->setGeometry(place);
    l->setFont(Font(points));
    l->setAlignment(align);
    return l;
  };
  auto box = [this](const QString& name, QRect place) {
    auto* b = new QLineEdit(this);
    b->setObjectName(name);
    b->setGeometry(place);
    b->setReadOnly(true);
    b->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    b->setFont(Font(11.25));
    platform::KeepTextWhole(b);
    return b;
  };

  struct Result {
    const char* name;
    const char* caption;
  };
  const Result left[] = {{"Txt1V_MX", "Mean"},
                         {"Txt1V_VX", "Variance"},
                         {"Txt1V_DX", "Standard deviation"},
                         {"Txt1V_CV", "Coefficient of variation"}};
  const Result middle[] = {{"Txt1V_MO", "Mode"},
                           {"Txt1V_ME", "Median"},
                           {"Txt1V_AS", "Skewness"},
                           {"Txt1V_CU", "Kurtosis"}};
  for (int i = 0; i < 4; ++i) {
    const int y = 482 + 32 * i;
    label("", left[i].caption, QRect(19, y, 150, 26));
    box(left[i].name, QRect(170, y, 150, 26));
    label("", middle[i].caption, QRect(340, y, 75, 26));
    box(middle[i].name, QRect(415, y, 130, 26));
  }
  Label1_68 = label("Label1_68", "", QRect(552, 482 + 64, 170, 26));
  Label1_69 = label("Label1_69", "", QRect(552, 482 + 96, 170, 26));

  // The moment: its caption, its symbol with the order as a subscript, its box, and the
  // options of order and origin.
  Label1_65 = label("Label1_65", "", QRect(735, 482, 270, 22));
  QFont symbol("Times New Roman");
  symbol.setItalic(true);
  symbol.setPointSizeF(12);
  Label1_63 = label("Label1_63", "", QRect(735, 508, 48, 26));
  Label1_63->setFont(symbol);
  Label1_64 = label("Label1_64", "", QRect(745, 518, 30, 18), 7.5);
  box("Txt1V_MM", QRect(785, 508, 160, 26));
  auto* orderGroup = new QButtonGroup(this);
  for (int i = 0; i < 5; ++i) {
    OptMOM[i] = radio(QString("OptMOM_%1").arg(i), QString::number(i),
                      QRect(735 + 42 * i, 540, 40, 22), orderGroup);
    connect(OptMOM[i], &QRadioButton::clicked, this, [this, i] { OptMOM_Click(i); });
  }
  auto* aboutGroup = new QButtonGroup(this);
  const char* about[] = {"Origin (0)", "Mean"};
  for (int i = 0; i < 2; ++i) {
    OptMR[i] = radio(QString("OptMR_%1").arg(i), about[i], QRect(735 + 110 * i, 566, 105, 22),
                     aboutGroup);
    connect(OptMR[i], &QRadioButton::clicked, this, [this, i] { OptMR_Click(i); });
  }
  OptMOM[0]->setChecked(true);
  OptMR[0]->setChecked(true);
  ShowMoment(CalculaMomento(stats_, 0, 0));

  // The quantile row: symbol, order, value, kind and the command for large tables.
  const int qy = 616;
  Label1_67 = label("Label1_67", Q(QuantileSymbol(stats_.TipoQQ)), QRect(19, qy, 50, 26), 11.25);
  Txt1V_QPCT = new NumberBox(this);
  Txt1V_QQ = new NumberBox(this);
  const std::pair<NumberBox*, const char*> boxes[] = {{Txt1V_QPCT, "Txt1V_QPCT"},
                                                      {Txt1V_QQ, "Txt1V_QQ"}};
  for (const auto& [b, name] : boxes) {
    b->setObjectName(name);
    b->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    b->setFont(Font(11.25));
    platform::KeepTextWhole(b);
    b->onKey = [this](QKeyEvent* event) {
      if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) return false;
      CmdCuantil_Click();
      return true;
    };
  }
  Txt1V_QPCT->setGeometry(70, qy, 90, 26);
  Txt1V_QQ->setGeometry(170, qy, 150, 26);
  connect(Txt1V_QPCT, &QLineEdit::textChanged, this, [this] { Txt1V_QPCT_Change(); });
  connect(Txt1V_QQ, &QLineEdit::textChanged, this, [this] { Txt1V_QQ_Change(); });
  auto* quantileGroup = new QButtonGroup(this);
  const char* kinds3[] = {"Quartiles", "Deciles", "Percentiles"};
  for (int i = 0; i < 3; ++i) {
    OptQQ[i] = radio(QString("OptQQ_%1").arg(i), kinds3[i], QRect(335 + 100 * i, qy + 2, 98, 22),
                     quantileGroup);
    connect(OptQQ[i], &QRadioButton::clicked, this, [this, i] { OptQQ_Click(i); });
  }
  OptQQ[stats_.TipoQQ]->setChecked(true);
  CmdCuantil = new QPushButton("Calculate", this);
  CmdCuantil->setObjectName("CmdCuantil");
  CmdCuantil->setGeometry(640, qy, 90, 26);
  CmdCuantil->setEnabled(CmdCuantilEnabled(table_));
  connect(CmdCuantil, &QPushButton::clicked, this, [this] { CmdCuantil_Click(); });
}

int16_t Panel1V::CheckedIndex(const char* prefix, int count) const {
  for (int i = 0; i < count; ++i) {
    auto* option = findChild<QRadioButton*>(QString("%1_%2").arg(prefix).arg(i));
    if (option != nullptr && option->isChecked()) return static_cast<int16_t>(i);
  }
  return 0;
}

// --- TableView ---------------------------------------------------------------------------

void Panel1V::Recompute() {
  const Results1V r =
      ProcesarDatos1VAR(table_, stats_, CheckedIndex("OptMOM", 5), CheckedIndex("OptMR", 2));
  UpdatingGuard guard(state_.Updating);
  ShowResults(r);
  Label1_68->setText(Q(r.Label1_68));
  Label1_69->setText(Q(r.Label1_69));
  SetBox(Txt1V_QQ, "");
  SetBox(Txt1V_QPCT, "");
  CmdCuantil->setEnabled(r.CmdCuantil_Enabled);
  if (r.Moment) {
    ShowMoment(*r.Moment);
  } else {
    SetBox(Box("Txt1V_MM"), "");
  }
}

void Panel1V::RefreshOwn() { CmdCuantil->setEnabled(CmdCuantilEnabled(table_)); }

void Panel1V::LayoutKind() {
  UpdatingGuard guard(state_.Updating);
  const int16_t kind = table_.DataType1V == 1 ? 1 : 0;
  Opt1VAR[kind]->setChecked(true);
  LblESTAD1->setText(Q(LblESTAD1_Caption(kind)));
  grid_->ApplyLayout(Layout1V(kind));
}

void Panel1V::ClearPanel() {
  UpdatingGuard guard(state_.Updating);
  ClearShown();
  SetBox(Box("Txt1V_MM"), "");
  SetBox(Txt1V_QQ, "");
  SetBox(Txt1V_QPCT, "");
  Label1_68->clear();
  Label1_69->clear();
  stats_.TipoQQ = 2;
  OptQQ[2]->setChecked(true);
  Label1_67->setText(Q(QuantileSymbol(2)));
}

// --- Options, moments, quantiles, graph --------------------------------------------------

void Panel1V::Opt1VAR_Click(int index) {
  if (state_.Updating) return;
  SetDataType1V(table_, static_cast<int16_t>(index));
}

void Panel1V::ShowMoment(const Moment1V& moment) {
  Label1_63->setText(Q(moment.Label1_63));
  Label1_64->setText(Q(moment.Label1_64));
  Label1_65->setText(Q(moment.Label1_65));
  UpdatingGuard guard(state_.Updating);
  SetBox(Box("Txt1V_MM"), moment.Txt1V_MM);
}

void Panel1V::OptMOM_Click(int index) {
  OptMOM[index]->setChecked(true);
  ShowMoment(CalculaMomento(stats_, static_cast<int16_t>(index), CheckedIndex("OptMR", 2)));
}

void Panel1V::OptMR_Click(int index) {
  OptMR[index]->setChecked(true);
  ShowMoment(CalculaMomento(stats_, CheckedIndex("OptMOM", 5), static_cast<int16_t>(index)));
}

void Panel1V::OptQQ_Click(int index) {
  OptQQ[index]->setChecked(true);
  const QuantileKind kind =
      tables::OptQQ_Click(stats_, static_cast<int16_t>(index), Txt1V_QPCT->text().toStdString());
  Label1_67->setText(Q(kind.Label1_67));
  UpdatingGuard guard(state_.Updating);
  SetBox(Txt1V_QPCT, kind.Txt1V_QPCT);
}

void Panel1V::Txt1V_QPCT_Change() {
  CmdCuantil->setEnabled(CmdCuantilEnabled(table_));
  if (state_.Updating) return;
  const QuantileBoxes boxes =
      tables::Txt1V_QPCT_Change(table_, stats_, Txt1V_QPCT->text().toStdString());
  UpdatingGuard guard(state_.Updating);
  SetBox(Txt1V_QQ, boxes.Txt1V_QQ);
}

void Panel1V::Txt1V_QQ_Change() {
  CmdCuantil->setEnabled(CmdCuantilEnabled(table_));
  if (state_.Updating) return;
  const QuantileBoxes boxes =
      tables::Txt1V_QQ_Change(table_, stats_, Txt1V_QQ->text().toStdString());
  UpdatingGuard guard(state_.Updating);
  SetBox(Txt1V_QPCT, boxes.Txt1V_QPCT);
}

void Panel1V::CmdCuantil_Click() {
  if (state_.Updating) return;
  const QuantileBoxes boxes = tables::CmdCuantil_Click(
      table_, stats_, {Trimmed(Txt1V_QPCT), Trimmed(Txt1V_QQ)});
  UpdatingGuard guard(state_.Updating);
  if (Txt1V_QPCT->text().trimmed().isEmpty()) SetBox(Txt1V_QPCT, boxes.Txt1V_QPCT);
  if (Txt1V_QQ->text().trimmed().isEmpty()) SetBox(Txt1V_QQ, boxes.Txt1V_QQ);
}

void Panel1V::CmdGRAF1V_Click() {
  if (!graph::HandOverGraph1V(table_, stats_, graph::ProgramGraphHandover())) return;
  if (const auto& show = ShowGraphWindow()) show();
}

// --- Joining the window ---------------------------------------------------------------------

void InstallPanel1V(shared::PanelHost& form) {
  InstallTablePanel<Panel1V>(form, &Panel1V::CmdGRAF1V_Click);
}

}  // namespace tables
