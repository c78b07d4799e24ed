#include "tables/Panel2V.h"

#include <QButtonGroup>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <tuple>

#include "graph/graph_handover.h"
#include "platform/qt_pictures.h"
#include "platform/qt_whole_text.h"
#include "tables/estimation.h"
#include "tables/graph_window.h"
#include "tables/model_captions.h"

namespace tables {

namespace {

using panel::Font;
using panel::Q;

const QColor kAreaBack(230, 238, 248);
const QColor kResultBack(255, 255, 232);
const QColor kCurveText(0, 0, 128);

// The caption pictures, drawn as text in the headings' italic serif face. "ln" stands
// upright, as a function name does.
const QString kLn = "<span style=\"font-style:normal\">ln</span>";

QString Variable(int variant) {
  switch (variant) {
    case 1: return kLn + " x";
    case 2: return "y";
    case 3: return kLn + " y";
    default: return "x";
  }
}

QString Squared(int variant) {
  const bool logarithm = variant == 1 || variant == 3;
  const QString v = variant >= 2 ? "y" : "x";
  return logarithm ? "(" + kLn + " " + v + ")<sup>2</sup>" : v + "<sup>2</sup>";
}

QString Product(int variant) {
  switch (variant) {
    case 1: return "y " + kLn + " x";
    case 2: return "x " + kLn + " y";
    case 3: return kLn + " x " + kLn + " y";
    default: return "x y";
  }
}

QString Overlined(const QString& text) {
  return "<span style=\"text-decoration:overline\">" + text + "</span>";
}

// The picture of caption index base + variant (model_captions.h).
QString CaptionPicture(int index) {
  const int base = index / 10 * 10, v = index % 10;
  const QString sigma = "&Sigma; n ";
  switch (base) {
    case kCapN: return "n " + Variable(v);
    case kCapN2: return "n " + Squared(v);
    case kCapNXY: return "n " + Product(v);
    case kCapSumN: return sigma + Variable(v);
    case kCapSumN2: return sigma + Squared(v);
    case kCapSumNXY: return sigma + Product(v);
    case kCapMean: return Overlined(Variable(v)) + " =";
    case kCapStdDev: return "s<sub>" + Variable(v) + "</sub> =";
    case kCapVariance: return "s<sub>" + Variable(v) + "</sub><sup>2</sup> =";
    case kCapCov: return "s<sub>" + Product(v) + "</sub> =";
    default: return "";
  }
}

QFont CaptionFont() {
  QFont font("Times New Roman");
  font.setItalic(true);
  font.setPointSizeF(12);
  return font;
}

void PaintBack(QWidget* widget, const QColor& colour) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Window, colour);
  widget->setPalette(palette);
  widget->setAutoFillBackground(true);
}

}  // namespace

GridDesign Traits2V::Design() {
  GridDesign d;
  d.containerName = "Picture2VARDAT";
  d.headingStripName = "Picture5_0";
  d.sumsStripName = "Picture5_1";
  d.scrollBarName = "VScroll1";
  d.cornerName = "Label3";
  d.columns = {
      {"Txt2V_ITEM", CellKind::RowNumber, "", ""},
      {"Txt2V_x", CellKind::Input, "image4_0", "x"},
      {"Txt2V_y", CellKind::Input, "image4_1", "y"},
      {"Txt2V_N", CellKind::Input, "image4_2", "n"},
      {"Txt2V_XN", CellKind::Computed, "image4_3", ""},
      {"Txt2V_YN", CellKind::Computed, "image4_4", ""},
      {"Txt2V_X2N", CellKind::Computed, "image4_5", ""},
      {"Txt2V_Y2N", CellKind::Computed, "image4_6", ""},
      {"Txt2V_XYN", CellKind::Computed, "image4_7", ""},
  };
  d.sums = {
      {"Txt2V_SN", "image4_8", "&Sigma; n"},   {"Txt2V_SX", "image4_9", ""},
      {"Txt2V_SY", "image4_10", ""},           {"Txt2V_SX2", "image4_11", ""},
      {"Txt2V_SY2", "image4_12", ""},          {"Txt2V_SXY", "image4_13", ""},
  };
  return d;
}

namespace {

// The columns never move; the model changes the captions of the computed columns and of
// their sums.
GridLayout Layout2V(const ModelCaptions2V& captions) {
  GridLayout l;
  l.cells = {{true, -1, 47},   {true, 45, 106},  {true, 150, 106}, {true, 255, 56},
             {true, 310, 106}, {true, 415, 106}, {true, 520, 106}, {true, 625, 106},
             {true, 730, 106}};
  l.headingRight = {-1, 141, 246, 302, 409, 513, 618, 723, 828};
  l.headingLines = {45, 150, 255, 310, 415, 520, 625, 730};
  // The sum of n is one pixel wider than its column.
  l.sums = {{true, 255, 57},  {true, 310, 106}, {true, 415, 106},
            {true, 520, 106}, {true, 625, 106}, {true, 730, 106}};
  l.sumHeadingRight = {305, 410, 515, 620, 725, 830};
  l.sumLines = {255, 310, 415, 520, 625, 730};
  l.headingTexts = {"", "", "", ""};
  for (int picture : captions.headings) l.headingTexts.push_back(CaptionPicture(picture));
  l.sumHeadingTexts = {""};
  for (int picture : captions.sums) l.sumHeadingTexts.push_back(CaptionPicture(picture));
  return l;
}

// Where the result boxes stand, in the order of Traits2V::kResults: the box's place, its
// caption label's name and place, and the name and Top of its caption picture (the
// picture's Left follows its width).
struct ResultBox {
  QRect place;
  const char* label;
  QPoint labelAt;
  const char* picture;
  int pictureTop;
};
const ResultBox kResultPlaces[Traits2V::kResults.size()] = {
    {{56, 26, 96, 24}, "Label1_32", {8, 8}, "image4_14", 25},
    {{214, 26, 96, 24}, "Label1_40", {164, 8}, "image4_19", 25},
    {{57, 81, 96, 24}, "Label1_34", {9, 63}, "image4_15", 80},
    {{215, 81, 96, 24}, "Label1_39", {165, 63}, "image4_18", 80},
    {{56, 143, 96, 24}, "Label1_35", {8, 125}, "image4_16", 142},
    {{214, 143, 96, 24}, "Label1_38", {164, 125}, "image4_17", 142},
    {{396, 81, 141, 24}, "Label1_42", {331, 63}, "image4_21", 80},
    {{395, 143, 141, 24}, "Label1_41", {330, 125}, "image4_20", 150},
};

}  // namespace

// The table panel reads the frequency and the computed cells at fixed columns.
static_assert(Panel2V::kN == Panel2V::kCountColumn &&
              Panel2V::kXN == Panel2V::kFirstComputedColumn);

Panel2V::Panel2V(Table2V& table, Stats2V& stats, shared::ProgramState& state,
                 shared::FrameWindow* window, QMenu* editMenu, QWidget* parent)
    : TablePanel(table, stats, state, window, editMenu, parent) {
  BuildResults();
  LayoutKind();
  Attach();
}

void Panel2V::BuildResults() {
  LblESTAD2 = new QLabel(this);
  LblESTAD2->setObjectName("LblESTAD2");
  LblESTAD2->setGeometry(19, 6, 600, 26);
  LblESTAD2->setFont(Font(12, true));

  auto* models = new QButtonGroup(this);
  for (int16_t i = 0; i < 5; ++i) {
    OptREG[i] = new QRadioButton(Q(ModelCaption(i)), this);
    OptREG[i]->setObjectName(QString("OptREG_%1").arg(i));
    OptREG[i]->setGeometry(19 + 112 * i, 36, 108, 24);
    OptREG[i]->setFont(Font(9.75));
    models->addButton(OptREG[i]);
    connect(OptREG[i], &QRadioButton::clicked, this, [this, i] { OptREG_Click(i); });
  }

  resultArea_ = new QWidget(this);
  resultArea_->setObjectName("Picture5_2");
  resultArea_->setGeometry(20, 471, 975, 181);
  PaintBack(resultArea_, kAreaBack);

  auto label = [this](const QString& name, const QString& text, QPoint at) {
    auto* l = new QLabel(text, resultArea_);
    l->setObjectName(name);
    l->setFont(Font(9.75));
    l->move(at);
    l->adjustSize();
    return l;
  };
  for (size_t i = 0; i < Traits2V::kResults.size(); ++i) {
    const ResultBox& r = kResultPlaces[i];
    auto* box = new QLineEdit(resultArea_);
    box->setObjectName(Traits2V::kResults[i].name);
    box->setGeometry(r.place);
    box->setReadOnly(true);
    box->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    box->setFont(Font(9.75));
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, kResultBack);
    box->setPalette(palette);
    platform::KeepTextWhole(box);
    label(r.label, "", r.labelAt);
    auto* picture = new QLabel(resultArea_);
    picture->setObjectName(r.picture);
    picture->setTextFormat(Qt::RichText);
    picture->setFont(CaptionFont());
    picture->move(picture->x(), r.pictureTop);
  }
  LabelNamed("Label1_42")->setText("Covariance");
  LabelNamed("Label1_41")->setText("Coefficient of correlation");
  for (const char* name : {"Label1_42", "Label1_41"}) LabelNamed(name)->adjustSize();
  QLabel* r = LabelNamed("image4_20");
  r->setText("r =");
  r->adjustSize();
  r->move(367, 150);

  label("Label1_44", "", QPoint(330, 8));
  Txt2V_CUR = new QLineEdit(resultArea_);
  Txt2V_CUR->setObjectName("Txt2V_CUR");
  Txt2V_CUR->setGeometry(330, 26, 476, 27);
  Txt2V_CUR->setReadOnly(true);
  Txt2V_CUR->setFont(Font(11.25, true));
  QPalette curve = Txt2V_CUR->palette();
  curve.setColor(QPalette::Base, kResultBack);
  curve.setColor(QPalette::Text, kCurveText);
  Txt2V_CUR->setPalette(curve);
  platform::KeepTextWhole(Txt2V_CUR);

  imgFOREG = new QLabel(resultArea_);
  imgFOREG->setObjectName("imgFOREG");
  imgFOREG->move(558, 87);

  BuildEstimation(resultArea_);
}

void Panel2V::BuildEstimation(QWidget* area) {
  auto* title = new QLabel("Estimation", area);
  title->setFont(Font(9.75));
  title->move(822, 8);
  title->adjustSize();
  Txt2V_ESTX = new NumberBox(area);
  Txt2V_ESTY = new NumberBox(area);
  const std::tuple<NumberBox*, NumberBox*, const char*, const char*, int> boxes[] = {
      {Txt2V_ESTX, Txt2V_ESTY, "Txt2V_ESTX", "x =", 26},
      {Txt2V_ESTY, Txt2V_ESTX, "Txt2V_ESTY", "y =", 58}};
  for (const auto& [box, other, name, caption, top] : boxes) {
    auto* symbol = new QLabel(caption, area);
    symbol->setFont(CaptionFont());
    symbol->move(822, top + 2);
    symbol->adjustSize();
    box->setObjectName(name);
    box->setGeometry(852, top, 112, 24);
    box->setFont(Font(9.75));
    platform::KeepTextWhole(box);
    NumberBox* to = other;
    box->onKey = [this, to](QKeyEvent* event) { return EstimationKey(to, event); };
  }
  connect(Txt2V_ESTX, &QLineEdit::textChanged, this, [this] { Txt2V_ESTX_Change(); });
  connect(Txt2V_ESTY, &QLineEdit::textChanged, this, [this] { Txt2V_ESTY_Change(); });
}

QLabel* Panel2V::LabelNamed(const QString& name) const { return findChild<QLabel*>(name); }

// --- TableView ---------------------------------------------------------------------------

void Panel2V::Recompute() {
  const Results2V r = ProcesarDatos2VAR(table_, stats_);
  UpdatingGuard guard(state_.Updating);
  ShowResults(r);
  // The equation first: an estimate must never stand beside a changed curve.
  SetBox(Txt2V_CUR, r.Txt2V_CUR);
  SetBox(Txt2V_ESTX, "");
  SetBox(Txt2V_ESTY, "");
}

void Panel2V::LayoutKind() {
  UpdatingGuard guard(state_.Updating);
  const int16_t model = table_.RegType2V;
  OptREG[model >= 0 && model <= 4 ? model : 0]->setChecked(true);
  LblESTAD2->setText(Q(LblESTAD2_Caption(model)));
  QLabel* curve = LabelNamed("Label1_44");
  curve->setText(Q(Label1_44_Caption(model)));
  curve->adjustSize();
  CargarImagenes2v();
}

void Panel2V::CargarImagenes2v() {
  const ModelCaptions2V c = tables::CargarImagenes2v(table_.RegType2V);
  grid_->ApplyLayout(Layout2V(c));

  for (const char* name : {"Label1_41", "image4_20", "Txt2V_R"}) {
    findChild<QWidget*>(name)->setVisible(c.correlationShown);
  }
  // Each caption picture stands 3 pixels left of its box, by its own width.
  for (size_t i = 0; i < c.results.size(); ++i) {
    const ResultBox& r = kResultPlaces[i];
    QLabel* picture = LabelNamed(r.picture);
    picture->setText(CaptionPicture(c.results[i]));
    picture->adjustSize();
    picture->move(r.place.left() - picture->width() - 3, r.pictureTop);
  }
  const std::pair<const char*, const std::string*> captions[] = {
      {"Label1_32", &c.Label1_32}, {"Label1_34", &c.Label1_34}, {"Label1_35", &c.Label1_35},
      {"Label1_40", &c.Label1_40}, {"Label1_39", &c.Label1_39}, {"Label1_38", &c.Label1_38}};
  for (const auto& [name, text] : captions) {
    QLabel* label = LabelNamed(name);
    label->setText(Q(*text));
    label->adjustSize();
  }
  // A missing or unreadable picture leaves the frame empty.
  platform::ShowPicture(imgFOREG, c.formulaPicture);
  imgFOREG->adjustSize();
}

void Panel2V::ClearPanel() {
  UpdatingGuard guard(state_.Updating);
  ClearShown();
  SetBox(Txt2V_CUR, "");
  SetBox(Txt2V_ESTX, "");
  SetBox(Txt2V_ESTY, "");
}

// --- Model, estimation, graph ------------------------------------------------------------

void Panel2V::OptREG_Click(int index) {
  if (state_.Updating) return;
  SetRegType2V(table_, static_cast<int16_t>(index));
}

void Panel2V::Txt2V_ESTX_Change() {
  if (state_.Updating) return;
  const std::string y = tables::Txt2V_ESTX_Change(stats_, table_.RegType2V,
                                                  Txt2V_CUR->text().toStdString(),
                                                  Txt2V_ESTX->text().toStdString());
  UpdatingGuard guard(state_.Updating);
  SetBox(Txt2V_ESTY, y);
}

void Panel2V::Txt2V_ESTY_Change() {
  if (state_.Updating) return;
  const std::string x = tables::Txt2V_ESTY_Change(stats_, table_.RegType2V,
                                                  Txt2V_CUR->text().toStdString(),
                                                  Txt2V_ESTY->text().toStdString());
  UpdatingGuard guard(state_.Updating);
  SetBox(Txt2V_ESTX, x);
}

bool Panel2V::EstimationKey(NumberBox* other, QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Tab: case Qt::Key_Backtab: case Qt::Key_Up: case Qt::Key_Down:
      other->setFocus(Qt::TabFocusReason);
      return true;
    default:
      return false;
  }
}

void Panel2V::CmdGRAF2V_Click() {
  graph::HandOverGraph2V(table_, stats_, Txt2V_CUR->text().toStdString(),
                         graph::ProgramGraphHandover());
  if (const auto& show = ShowGraphWindow()) show();
}

// --- Joining the window ---------------------------------------------------------------------

void InstallPanel2V(shared::PanelHost& form) {
  InstallTablePanel<Panel2V>(form, &Panel2V::CmdGRAF2V_Click);
}

}  // namespace tables
