// The confidence-interval panel: the interval, its estimation error and the percentage
// points it stands on.
#include <QLabel>
#include <QLineEdit>

#include "inference/panel_parts.h"
#include "inference/panels.h"
#include "platform/pictures.h"

namespace inference {

using namespace parts;

namespace {

// The data boxes keep the caret where a click puts it, and Enter computes nothing.
const PanelDesign kDesign = {
    .task = 1, .code = "IC", .title = "Confidence interval",
    .typesCaption = "Types of confidence intervals", .options = "OptIC",
    .type = &PanelState::TipoIC, .read = Leerdatos_IC,
    .data = {316, 6, 390, 312}, .firstRow = 32,
    .rowCaptions = {"Label1_24", "Label1_23", "Label1_22"}, .levels = 246,
    .frames = {"Shape1_3", "Shape1_2"}, .formulaAtTop = false,
    .result = {316, 326, 690, 280}, .resultBackground = false,
    .auxCaption = "Label1_15", .aux = {380, 170}, .auxCaptionWidth = 310,
    .auxPicture = "ImgPAR_ESP_IC", .enterComputes = false, .selectDataOnFocus = false};

}  // namespace

IntervalPanel::IntervalPanel(InferenceData& data, shared::ProgramState& frame, QWidget* parent)
    : InferencePanel(kDesign, data, frame, parent) {
  setObjectName("IntervalPanel");
  Build();
}

void IntervalPanel::BuildResults() {
  // The caption ends before the formula frame reaches down beside it.
  LabelInterval = Caption(result_, "Label1_17", "", {8, 2, 386, 20}, true);
  ImgPARAM = Image(result_, "ImgPARAM", {8, 28});
  Txt_IC = Box(result_, "Txt_IC", {8, 28, 250, kBoxHeight}, true);
  LabelMargin = Caption(result_, "Label1_18", "Estimation error of confidence interval",
                        {8, 70, 300, 18});
  Img_IC_Err = Image(result_, "Img_IC_Err", {8, 92});
  Txt_IC_ERR = Box(result_, "Txt_IC_ERR", {8, 92, 110, kBoxHeight}, true);
  // The points start where the widest margin picture (256) and its box end.
  LabelPoints = Caption(result_, "Label1_19", "", {380, 70, 300, 18});
  ImgIC_PTOPCT = Image(result_, "ImgIC_PTOPCT", {380, 92});
  TxtIC_PPCT1 = Box(result_, "TxtIC_PPCT1", {380, 92, 110, kBoxHeight}, true);
  TxtIC_PPCT2 = Box(result_, "TxtIC_PPCT2", {380, 92 + 32, 110, kBoxHeight}, true);
  Caption(result_, "Label1_16", "Semi-significance level %", {8, 170, 200, 18});
  txt_NCon2 = Box(result_, "txt_NCon2_1", {8, 192, 90, kBoxHeight}, true);
  txt_NSig2 = Box(result_, "txt_NSig2_1", {106, 192, 90, kBoxHeight}, true);
}

void IntervalPanel::ShowTypePictures(int16_t type) {
  const TypeTable& table = data_.table;
  data_.state.TagPanel = kOptions[type].tag;
  const IntervalPictures pictures = IntervalPictureNames(table, type);
  ShowFramePictures(pictures.graph, pictures.formula);
  const bool margin = !platform::PicturePath(pictures.margin).empty();
  Load(Img_IC_Err, pictures.margin);
  Txt_IC_ERR->setVisible(margin);
  PlaceRight(Txt_IC_ERR, Img_IC_Err);

  Load(ImgPARAM, SymbolPicture("ImgIC", table.PicParamIdx[type]));
  PlaceRight(Txt_IC, ImgPARAM);
  LabelInterval->setText("Confidence interval: " + Text(table.LabelParam[type]));
}

bool IntervalPanel::ShowResult(int16_t type) {
  const IntervalOutcome out = RunInterval(type, data_.input, data_.result);
  if (!out.ok) return false;
  ShowAux(out.aux, out.auxCaption, out.auxText, out.auxPicture);
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
  return true;
}

}  // namespace inference
