// The hypothesis-testing panel: type and tail options, data boxes, pictures and results.
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>

#include "inference/panel_parts.h"
#include "inference/panels.h"
#include "numeric/numeric.h"
#include "platform/ui.h"

namespace inference {

using parts::Box;
using parts::Caption;
using parts::Image;
using parts::Load;
using parts::PlaceRight;

namespace {

using parts::kBoxHeight;
using parts::kBoxWidth;
using parts::kSecondRow;

QString Text(const std::string& s) { return QString::fromStdString(s); }

QPlainTextEdit* Verdict(QWidget* parent, const QString& name, const char* text) {
  auto* box = new QPlainTextEdit(parent);
  box->setObjectName(name);
  box->setReadOnly(true);
  box->setFocusPolicy(Qt::NoFocus);
  box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  box->setPlainText(QString(text).replace("\r\n", "\n"));
  box->setGeometry(8, 84, 420, 62);
  return box;
}

}  // namespace

TestPanel::TestPanel(InferenceData& data, shared::ProgramState& frame, QWidget* parent)
    : QWidget(parent), data_(data), frame_(frame) {
  setObjectName("TestPanel");
  Build();
  BuildResults();
}

void TestPanel::Build() {
  Caption(this, "LblTITLE_0", "Hypothesis testing", {10, 6, 290, 26}, true)
      ->setStyleSheet("font-size: 13pt");
  Caption(this, "LblTypes_0", "Types of hypothesis testing", {10, 38, 290, 18}, true);
  OptCH = parts::TypeOptions(this, 0, "OptCH", [this](int16_t i) { OptCH_Click(i); });

  Picture2 = new QGroupBox("Side", this);
  Picture2->setObjectName("Picture2_1");
  Picture2->setGeometry(8, 320, 300, 50);
  const char* sides[3] = {"Left", "Two sided", "Right"};
  for (int16_t i = 0; i < 3; ++i) {
    OptSIDE[i] = new QRadioButton(sides[i], Picture2);
    OptSIDE[i]->setObjectName(QString("OptSIDE_%1").arg(i));
    OptSIDE[i]->setGeometry(8 + 92 * i, 22, 90, 20);
    OptSIDE[i]->setAutoExclusive(false);
    connect(OptSIDE[i], &QRadioButton::clicked, this, [this, i] { OptSIDE_Click(i); });
  }
  OptSIDE[kTwoSided]->setChecked(true);
  Picture2->hide();

  PicDATOS = new QWidget(this);
  PicDATOS->setObjectName("PicDATOS_0");
  PicDATOS->setGeometry(316, 6, 390, 382);
  LblTITLE2 = Caption(PicDATOS, "LblTITLE2_0", "", {8, 4, 380, 20}, true);
  Caption(PicDATOS, "LblHypotheses_0", "Null and alternative hypothesis", {8, 30, 300, 18});
  ImgH0H1x = Image(PicDATOS, "ImgH0H1x", {8, 50});
  txtH0 = Box(PicDATOS, "txtH0", {8, 50, kBoxWidth, kBoxHeight});
  TxtH1 = Box(PicDATOS, "TxtH1", {11, 50 + kSecondRow, kBoxWidth, kBoxHeight}, true);

  parts::DataRow(PicDATOS, 100, "Label1_6", LabelSize, ImgSIZE_CH, "ImgSIZE_CH", TxtCH_N1, TxtCH_N2,
                 "TxtCH_N1", "TxtCH_N2");
  parts::DataRow(PicDATOS, 168, "Label1_4", LabelMean, ImgMEDIA_CH, "ImgMEDIA_CH", TxtCH_X1,
                 TxtCH_X2, "TxtCH_X1", "TxtCH_X2");
  parts::DataRow(PicDATOS, 236, "Label1_7", LabelVar, ImgVARIANZA_CH, "ImgVARIANZA_CH", TxtCH_S1,
                 TxtCH_S2, "TxtCH_S1", "TxtCH_S2");
  level_ = parts::LevelBoxes(PicDATOS, 314, 0);
  PicDATOS->hide();

  Shape1[0] = parts::Frame(this, "Shape1_0", {712, 6, 292, 190});
  Shape1[1] = parts::Frame(this, "Shape1_1", {712, 202, 292, 186});
  Img_CH_GRAF = Image(this, "Img_CH_GRAF", Shape1[0]->geometry().center());
  Img_CH_FORM = Image(this, "Img_CH_FORM", Shape1[1]->geometry().center());

  // Typing: a change of a data box hides the result; the null value shows on both lines.
  for (QLineEdit* box : {TxtCH_N1, TxtCH_N2, TxtCH_X1, TxtCH_X2, TxtCH_S1, TxtCH_S2}) {
    connect(box, &QLineEdit::textChanged, this, [this] { HideResult(); });
  }
  connect(txtH0, &QLineEdit::textChanged, this, [this](const QString& text) {
    if (frame_.Updating) return;
    if (TxtH1->text() != text) TxtH1->setText(text);
    HideResult();
  });
  connect(TxtH1, &QLineEdit::textChanged, this, [this](const QString& text) {
    if (frame_.Updating) return;
    if (txtH0->text() != text) txtH0->setText(text);
  });
  for (int which = 0; which < 2; ++which) {
    connect(level_[which], &QLineEdit::textChanged, this, [this, which] { LevelChanged(which); });
  }

  const auto enter = [this](QLineEdit* box) { EnterComputes(box); };
  new parts::BoxKeys(TxtCH_N1, parts::Comma::Drop, enter);
  new parts::BoxKeys(TxtCH_N2, parts::Comma::Drop, enter);
  for (QLineEdit* box : {txtH0, TxtCH_X1, TxtCH_X2, TxtCH_S1, TxtCH_S2, level_[0], level_[1]}) {
    new parts::BoxKeys(box, parts::Comma::ToDot, enter);
  }
  new parts::BoxKeys(TxtH1, parts::Comma::ToDot);
  QWidget* order[] = {txtH0, TxtCH_N1, TxtCH_N2, TxtCH_X1, TxtCH_X2, TxtCH_S1, TxtCH_S2,
                      level_[0], level_[1]};
  for (size_t i = 0; i + 1 < std::size(order); ++i) setTabOrder(order[i], order[i + 1]);
}

void TestPanel::BuildResults() {
  PicRESULT = new QWidget(this);
  PicRESULT->setObjectName("PicRESULT_0");
  PicRESULT->setGeometry(316, 394, 690, 212);
  PicRESULT->setAutoFillBackground(true);
  Caption(PicRESULT, "Label1_12", "Results", {8, 2, 200, 20}, true);
  Caption(PicRESULT, "Label1_11", "Statistic", {8, 26, 180, 18});
  ImgPP0 = Image(PicRESULT, "ImgPP0", {8, 46});
  txtCH_ESTA = Box(PicRESULT, "txtCH_ESTA", {8, 46, 110, kBoxHeight}, true);
  Caption(PicRESULT, "Label1_10", "Acceptance region", {200, 26, 200, 18});
  ImgPER = Image(PicRESULT, "ImgPER", {200, 46});
  txtCH_Acep = Box(PicRESULT, "txtCH_Acep", {200, 46, 230, kBoxHeight}, true);
  TxtAceptaH0 = Verdict(PicRESULT, "TxtAceptaH0", kAcceptH0Text);
  TxtAceptaH1 = Verdict(PicRESULT, "TxtAceptaH1", kRejectH0Text);
  LabelSemi = Caption(PicRESULT, "Label1_13", "Semi-significance level %", {450, 84, 230, 18});
  Img1MAlfa2 = Image(PicRESULT, "Img1MAlfa2", {450, 106});
  Load(Img1MAlfa2, "Img1MAlfa2.gif");
  txt_NCon2 = Box(PicRESULT, "txt_NCon2_0", {450, 106, 90, kBoxHeight}, true);
  PlaceRight(txt_NCon2, Img1MAlfa2);
  ImgALFA2 = Image(PicRESULT, "ImgALFA2", {450, 132});
  Load(ImgALFA2, "ImgALFA2.gif");
  txt_NSig2 = Box(PicRESULT, "txt_NSig2_0", {450, 132, 90, kBoxHeight}, true);
  PlaceRight(txt_NSig2, ImgALFA2);
  LabelAux = Caption(PicRESULT, "Label1_14", "", {8, 156, 330, 18});
  ImgPAR_ESP = Image(PicRESULT, "ImgPAR_ESP", {8, 178});
  TxtAUX = Box(PicRESULT, "TxtAUX_0", {8, 178, 110, kBoxHeight}, true);
  PicRESULT->hide();
}

BoxTexts TestPanel::Texts() const {
  auto t = [](const QLineEdit* box) { return box->text().toStdString(); };
  return {t(txtH0), t(TxtCH_N1), t(TxtCH_N2), t(TxtCH_X1), t(TxtCH_X2),
          t(TxtCH_S1), t(TxtCH_S2), t(level_[0])};
}

void TestPanel::HideResult() { PicRESULT->hide(); }

void TestPanel::FocusFirstBox() {
  if (VisibleBoxes(data_.table, data_.state.TipoCH).H0) {
    txtH0->setFocus();
  } else {
    TxtCH_N1->setFocus();
  }
}

void TestPanel::OptCH_Click(int16_t index) {
  LblTITLE2->setText(kOptions[index].caption);
  data_.state.TipoCH = index;
  for (int16_t i = 0; i < kTypeCount; ++i) OptCH[i]->setChecked(i == index);
  HideResult();
  PicDATOS->show();
  Picture2->show();
  CargarImagenes_CH();
  FocusFirstBox();
}

void TestPanel::OptSIDE_Click(int16_t index) {
  HideResult();
  for (int16_t i = 0; i < 3; ++i) OptSIDE[i]->setChecked(i == index);
  CargarImagenes_CH();
  Leerdatos_CH(data_.table, data_.state.TipoCH, Texts(), data_.input);
  if (ErrorFlag == 0) Cmd_CHCalcular_Click();
  FocusFirstBox();
}

void TestPanel::CargarImagenes_CH() {
  PanelState& s = data_.state;
  const TypeTable& table = data_.table;
  const int16_t t = s.TipoCH;
  s.TagCH = kOptions[t].tag;
  for (int16_t i = 0; i < 3; ++i) {
    if (OptSIDE[i]->isChecked()) {
      s.SideCH = i;
      break;
    }
  }
  const TestPictures pictures = TestPictureNames(table, t, s.SideCH);
  Load(Img_CH_GRAF, pictures.graph);
  parts::Centre(Img_CH_GRAF, Shape1[0]);
  Load(Img_CH_FORM, pictures.formula);
  parts::Centre(Img_CH_FORM, Shape1[1], true);

  Load(ImgH0H1x, SymbolPicture("ImgH0H1", table.PicGroupH0[t] + s.SideCH));
  PlaceRight(txtH0, ImgH0H1x);
  TxtH1->move(txtH0->x() + 3, TxtH1->y());
  const Boxes visible = VisibleBoxes(table, t);
  txtH0->setVisible(visible.H0);
  TxtH1->setVisible(visible.H0);

  s.ImgBaseCH = ImgBaseOf(s.TagCH);
  Load(ImgPP0, SymbolPicture("ImgPP", s.ImgBaseCH));
  PlaceRight(txtCH_ESTA, ImgPP0);

  Load(ImgSIZE_CH, SymbolPicture("ImgNMVP", table.TwoSamples[t]));
  PlaceRight(TxtCH_N1, ImgSIZE_CH);
  TxtCH_N2->move(TxtCH_N1->x(), TxtCH_N2->y());
  LabelSize->setText(Text(table.LabelSize[t]));
  TxtCH_N2->setVisible(visible.N2);

  parts::SymbolRow(table.PicMeanIdx[t], ImgMEDIA_CH, TxtCH_X1, TxtCH_X2, LabelMean,
                   table.LabelMean[t], visible.X2);
  parts::SymbolRow(table.PicVarIdx[t], ImgVARIANZA_CH, TxtCH_S1, TxtCH_S2, LabelVar,
                   table.LabelVar[t], visible.S2);
}

void TestPanel::Cmd_CHCalcular_Click() {
  HideResult();
  const int16_t type = data_.state.TipoCH;
  ErrorFlag = 0;
  Leerdatos_CH(data_.table, type, Texts(), data_.input);
  if (ErrorFlag == 1) {
    platform::CurrentUi().MsgBox(kNoDataMessage, platform::Buttons::Ok,
                                 platform::Icon::Exclamation, kNoDataTitle);
    return;
  }
  const TestOutcome out = RunTest(type, data_.state.SideCH, data_.input, data_.result);
  if (!out.ok) {
    platform::CurrentUi().MsgBox(kInvalidMessage, platform::Buttons::Ok, platform::Icon::None, "");
    return;
  }
  LabelAux->setVisible(out.aux);
  ImgPAR_ESP->setVisible(out.aux);
  TxtAUX->setVisible(out.aux);
  if (out.aux) {
    LabelAux->setText(Text(out.auxCaption));
    TxtAUX->setText(Text(out.auxText));
    Load(ImgPAR_ESP, SymbolPicture("ImgPESP", out.auxPicture));
    PlaceRight(TxtAUX, ImgPAR_ESP);
  }
  for (QWidget* w : std::initializer_list<QWidget*>{LabelSemi, ImgALFA2, Img1MAlfa2, txt_NSig2,
                                                    txt_NCon2}) {
    w->setVisible(out.semiLevels);
  }
  txtCH_Acep->setText(Text(out.region));
  Load(ImgPER, SymbolPicture("ImgPP", out.verdictPicture));
  PlaceRight(txtCH_Acep, ImgPER);
  TxtAceptaH0->setVisible(out.reject == 0);
  TxtAceptaH1->setVisible(out.reject == 1);
  if (out.semiLevels) {
    txt_NCon2->setText(Text(out.ncon2));
    txt_NSig2->setText(Text(out.nsig2));
  }
  txtCH_ESTA->setText(Text(out.statistic));
  PicRESULT->show();
}

void TestPanel::Cmd_CHBorrar_Click() {
  for (QLineEdit* box : {txtH0, TxtH1, TxtCH_N1, TxtCH_N2, TxtCH_X1, TxtCH_X2, TxtCH_S1,
                         TxtCH_S2, level_[0], level_[1]}) {
    box->clear();
  }
  HideResult();
  FocusFirstBox();
}

void TestPanel::EnterComputes(QLineEdit* box) {
  Leerdatos_CH(data_.table, data_.state.TipoCH, Texts(), data_.input);
  if (ErrorFlag == 0) Cmd_CHCalcular_Click();
  parts::SendTab(box);
}

void TestPanel::LevelChanged(int which) {
  if (frame_.Updating) return;
  frame_.Updating = true;
  QLineEdit* box = level_[which];
  QLineEdit* partner = level_[1 - which];
  const LevelChange change = LevelPair(box->text().toStdString());
  if (change.fixedDot) {
    box->setText("0.");
    box->setCursorPosition(2);
  }
  partner->setText(Text(change.partner));
  frame_.Updating = false;
  HideResult();
}

}  // namespace inference
