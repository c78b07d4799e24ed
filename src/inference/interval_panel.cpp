// The confidence-interval panel: type options, data boxes, pictures and results.
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "inference/panel_parts.h"
#include "inference/panels.h"
#include "numeric/numeric.h"
#include "platform/pictures.h"
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

}  // namespace

IntervalPanel::IntervalPanel(InferenceData& data, shared::ProgramState& frame, QWidget* parent)
    : QWidget(parent), data_(data), frame_(frame) {
  setObjectName("IntervalPanel");
  Build();
  BuildResults();
}

void IntervalPanel::Build() {
  Caption(this, "LblTITLE_1", "Confidence interval", {10, 6, 290, 26}, true)
      ->setStyleSheet("font-size: 13pt");
  Caption(this, "LblTypes_1", "Types of confidence intervals", {10, 38, 290, 18}, true);
  OptIC = parts::TypeOptions(this, 1, "OptIC", [this](int16_t i) { OptIC_Click(i); });

  PicDATOS = new QWidget(this);
  PicDATOS->setObjectName("PicDATOS_1");
  PicDATOS->setGeometry(316, 6, 390, 312);
  LblTITLE2 = Caption(PicDATOS, "LblTITLE2_1", "", {8, 4, 380, 20}, true);
  parts::DataRow(PicDATOS, 32, "Label1_24", LabelSize, ImgSIZE_IC, "ImgSIZE_IC", TxtIC_N1, TxtIC_N2,
                 "TxtIC_N1", "TxtIC_N2");
  parts::DataRow(PicDATOS, 100, "Label1_23", LabelMean, ImgMEDIA_IC, "ImgMEDIA_IC", TxtIC_X1,
                 TxtIC_X2, "TxtIC_X1", "TxtIC_X2");
  parts::DataRow(PicDATOS, 168, "Label1_22", LabelVar, ImgVARIANZA_IC, "ImgVARIANZA_IC", TxtIC_S1,
                 TxtIC_S2, "TxtIC_S1", "TxtIC_S2");
  level_ = parts::LevelBoxes(PicDATOS, 246, 1);
  PicDATOS->hide();

  Shape1[1] = parts::Frame(this, "Shape1_3", {712, 6, 292, 190});
  Shape1[0] = parts::Frame(this, "Shape1_2", {712, 202, 292, 186});
  Img_IC_GRAF = Image(this, "Img_IC_GRAF", Shape1[1]->geometry().center());
  Img_IC_FORM = Image(this, "Img_IC_FORM", Shape1[0]->geometry().center());

  // A visible result belongs to the inputs on the screen: typing hides it.
  for (QLineEdit* box : {TxtIC_N1, TxtIC_N2, TxtIC_X1, TxtIC_X2, TxtIC_S1, TxtIC_S2}) {
    connect(box, &QLineEdit::textChanged, this, [this] { HideResult(); });
  }
  for (int which = 0; which < 2; ++which) {
    connect(level_[which], &QLineEdit::textChanged, this, [this, which] { LevelChanged(which); });
  }
  // The data boxes take the test panel's comma rule; only the level pair selects its text
  // on focus.
  new parts::BoxKeys(TxtIC_N1, parts::Comma::Drop, {}, false);
  new parts::BoxKeys(TxtIC_N2, parts::Comma::Drop, {}, false);
  for (QLineEdit* box : {TxtIC_X1, TxtIC_X2, TxtIC_S1, TxtIC_S2}) {
    new parts::BoxKeys(box, parts::Comma::ToDot, {}, false);
  }
  for (QLineEdit* box : {level_[0], level_[1]}) new parts::BoxKeys(box, parts::Comma::ToDot);
  QWidget* order[] = {TxtIC_N1, TxtIC_N2, TxtIC_X1,  TxtIC_X2,
                      TxtIC_S1, TxtIC_S2, level_[0], level_[1]};
  for (size_t i = 0; i + 1 < std::size(order); ++i) setTabOrder(order[i], order[i + 1]);
}

void IntervalPanel::BuildResults() {
  PicRESULT = new QWidget(this);
  PicRESULT->setObjectName("PicRESULT_1");
  PicRESULT->setGeometry(316, 326, 690, 280);
  // The caption ends before the formula frame reaches down beside it.
  LabelInterval = Caption(PicRESULT, "Label1_17", "", {8, 2, 386, 20}, true);
  ImgPARAM = Image(PicRESULT, "ImgPARAM", {8, 28});
  Txt_IC = Box(PicRESULT, "Txt_IC", {8, 28, 250, kBoxHeight}, true);
  LabelMargin = Caption(PicRESULT, "Label1_18", "Estimation error of confidence interval",
                        {8, 70, 300, 18});
  Img_IC_Err = Image(PicRESULT, "Img_IC_Err", {8, 92});
  Txt_IC_ERR = Box(PicRESULT, "Txt_IC_ERR", {8, 92, 110, kBoxHeight}, true);
  // The points start where the widest margin picture (256) and its box end.
  LabelPoints = Caption(PicRESULT, "Label1_19", "", {380, 70, 300, 18});
  ImgIC_PTOPCT = Image(PicRESULT, "ImgIC_PTOPCT", {380, 92});
  TxtIC_PPCT1 = Box(PicRESULT, "TxtIC_PPCT1", {380, 92, 110, kBoxHeight}, true);
  TxtIC_PPCT2 = Box(PicRESULT, "TxtIC_PPCT2", {380, 92 + 32, 110, kBoxHeight}, true);
  Caption(PicRESULT, "Label1_16", "Semi-significance level %", {8, 170, 200, 18});
  txt_NCon2 = Box(PicRESULT, "txt_NCon2_1", {8, 192, 90, kBoxHeight}, true);
  txt_NSig2 = Box(PicRESULT, "txt_NSig2_1", {106, 192, 90, kBoxHeight}, true);
  LabelAux = Caption(PicRESULT, "Label1_15", "", {380, 170, 310, 18});
  ImgPAR_ESP_IC = Image(PicRESULT, "ImgPAR_ESP_IC", {380, 192});
  TxtAUX = Box(PicRESULT, "TxtAUX_1", {380, 192, 110, kBoxHeight}, true);
  PicRESULT->hide();
}

BoxTexts IntervalPanel::Texts() const {
  auto t = [](const QLineEdit* box) { return box->text().toStdString(); };
  return {"", t(TxtIC_N1), t(TxtIC_N2), t(TxtIC_X1), t(TxtIC_X2),
          t(TxtIC_S1), t(TxtIC_S2), t(level_[0])};
}

void IntervalPanel::HideResult() { PicRESULT->hide(); }

void IntervalPanel::OptIC_Click(int16_t index) {
  LblTITLE2->setText(kOptions[index].caption);
  data_.state.TipoIC = index;
  for (int16_t i = 0; i < kTypeCount; ++i) OptIC[i]->setChecked(i == index);
  HideResult();
  PicDATOS->show();
  CargarImagenes_IC();
  TxtIC_N1->setFocus();
}

void IntervalPanel::CargarImagenes_IC() {
  PanelState& s = data_.state;
  const TypeTable& table = data_.table;
  const int16_t t = s.TipoIC;
  s.TagPanel = kOptions[t].tag;
  const IntervalPictures pictures = IntervalPictureNames(table, t);
  Load(Img_IC_GRAF, pictures.graph);
  parts::Centre(Img_IC_GRAF, Shape1[1]);
  Load(Img_IC_FORM, pictures.formula);
  parts::Centre(Img_IC_FORM, Shape1[0]);
  const bool margin = !platform::PicturePath(pictures.margin).empty();
  Load(Img_IC_Err, pictures.margin);
  Txt_IC_ERR->setVisible(margin);
  PlaceRight(Txt_IC_ERR, Img_IC_Err);

  Load(ImgPARAM, SymbolPicture("ImgIC", table.PicParamIdx[t]));
  PlaceRight(Txt_IC, ImgPARAM);

  const Boxes visible = VisibleBoxes(table, t);
  Load(ImgSIZE_IC, SymbolPicture("ImgNMVP", table.TwoSamples[t]));
  PlaceRight(TxtIC_N1, ImgSIZE_IC);
  TxtIC_N2->move(TxtIC_N1->x(), TxtIC_N2->y());
  LabelSize->setText(Text(table.LabelSize[t]));
  LabelInterval->setText("Confidence interval: " + Text(table.LabelParam[t]));
  TxtIC_N2->setVisible(visible.N2);

  parts::SymbolRow(table.PicMeanIdx[t], ImgMEDIA_IC, TxtIC_X1, TxtIC_X2, LabelMean,
                   table.LabelMean[t], visible.X2);
  parts::SymbolRow(table.PicVarIdx[t], ImgVARIANZA_IC, TxtIC_S1, TxtIC_S2, LabelVar,
                   table.LabelVar[t], visible.S2);
}

void IntervalPanel::Cmd_ICCalcular_Click() {
  HideResult();
  const int16_t type = data_.state.TipoIC;
  ErrorFlag = 0;
  Leerdatos_IC(data_.table, type, Texts(), data_.input);
  if (ErrorFlag == 1) {
    platform::CurrentUi().MsgBox(kNoDataMessage, platform::Buttons::Ok,
                                 platform::Icon::Exclamation, kNoDataTitle);
    return;
  }
  const IntervalOutcome out = RunInterval(type, data_.input, data_.result);
  if (!out.ok) {
    platform::CurrentUi().MsgBox(kInvalidMessage, platform::Buttons::Ok, platform::Icon::None, "");
    return;
  }
  LabelAux->setVisible(out.aux);
  ImgPAR_ESP_IC->setVisible(out.aux);
  TxtAUX->setVisible(out.aux);
  if (out.aux) {
    LabelAux->setText(Text(out.auxCaption));
    TxtAUX->setText(Text(out.auxText));
    Load(ImgPAR_ESP_IC, SymbolPicture("ImgPESP", out.auxPicture));
    PlaceRight(TxtAUX, ImgPAR_ESP_IC);
  }
  LabelPoints->setText(Text(out.pointCaption));
  Load(ImgIC_PTOPCT, SymbolPicture("ImgIC_PAR", type));
  PlaceRight(TxtIC_PPCT1, ImgIC_PTOPCT);
  TxtIC_PPCT2->move(TxtIC_PPCT1->x(), TxtIC_PPCT2->y());
  TxtIC_PPCT2->setVisible(out.secondPoint);

  Txt_IC->setText(Text(out.interval));
  txt_NCon2->setText(Text(out.ncon2));
  txt_NSig2->setText(Text(out.nsig2));
  Txt_IC_ERR->setVisible(out.margin);
  Img_IC_Err->setVisible(out.margin);
  LabelMargin->setVisible(out.margin);
  if (out.margin) Txt_IC_ERR->setText(Text(out.marginText));
  TxtIC_PPCT1->setText(Text(out.point1));
  TxtIC_PPCT2->setText(Text(out.point2));
  PicRESULT->show();
}

void IntervalPanel::Cmd_ICBorrar_Click() {
  for (QLineEdit* box :
       {TxtIC_N1, TxtIC_N2, TxtIC_X1, TxtIC_X2, TxtIC_S1, TxtIC_S2, level_[0], level_[1]}) {
    box->clear();
  }
  HideResult();
  TxtIC_N1->setFocus();
}

void IntervalPanel::LevelChanged(int which) {
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
