// The hypothesis-testing panel: the tail options, the null and alternative values, the
// statistic against its acceptance region, and the verdict.
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>

#include "inference/panel_parts.h"
#include "inference/panels.h"

namespace inference {

using namespace parts;

namespace {

const PanelDesign kDesign = {
    .task = 0, .code = "CH", .title = "Hypothesis testing",
    .typesCaption = "Types of hypothesis testing", .options = "OptCH",
    .type = &PanelState::TipoCH, .read = Leerdatos_CH,
    .data = {316, 6, 390, 382}, .firstRow = 100,
    .rowCaptions = {"Label1_6", "Label1_4", "Label1_7"}, .levels = 314,
    .frames = {"Shape1_0", "Shape1_1"}, .formulaAtTop = true,
    .result = {316, 394, 690, 212}, .resultBackground = true,
    .auxCaption = "Label1_14", .aux = {8, 156}, .auxCaptionWidth = 330,
    .auxPicture = "ImgPAR_ESP", .enterComputes = true, .selectDataOnFocus = true};

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
    : InferencePanel(kDesign, data, frame, parent) {
  setObjectName("TestPanel");
  Build();
}

void TestPanel::BuildBesideTypes() {
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
}

void TestPanel::BuildHypotheses() {
  Caption(dataArea_, "LblHypotheses_0", "Null and alternative hypothesis", {8, 30, 300, 18});
  ImgH0H1x = Image(dataArea_, "ImgH0H1x", {8, 50});
  h0_ = Box(dataArea_, "txtH0", {8, 50, parts::kBoxWidth, kBoxHeight});
  h1_ = Box(dataArea_, "TxtH1", {11, 50 + parts::kSecondRow, parts::kBoxWidth, kBoxHeight}, true);
  // The null value shows on both lines.
  connect(h0_, &QLineEdit::textChanged, this, [this](const QString& text) {
    if (frame_.Updating) return;
    if (h1_->text() != text) h1_->setText(text);
    HideResult();
  });
  connect(h1_, &QLineEdit::textChanged, this, [this](const QString& text) {
    if (frame_.Updating) return;
    if (h0_->text() != text) h0_->setText(text);
  });
  new parts::BoxKeys(h1_, parts::Comma::ToDot);
}

void TestPanel::BuildResults() {
  Caption(result_, "Label1_12", "Results", {8, 2, 200, 20}, true);
  Caption(result_, "Label1_11", "Statistic", {8, 26, 180, 18});
  ImgPP0 = Image(result_, "ImgPP0", {8, 46});
  txtCH_ESTA = Box(result_, "txtCH_ESTA", {8, 46, 110, kBoxHeight}, true);
  Caption(result_, "Label1_10", "Acceptance region", {200, 26, 200, 18});
  ImgPER = Image(result_, "ImgPER", {200, 46});
  txtCH_Acep = Box(result_, "txtCH_Acep", {200, 46, 230, kBoxHeight}, true);
  TxtAceptaH0 = Verdict(result_, "TxtAceptaH0", kAcceptH0Text);
  TxtAceptaH1 = Verdict(result_, "TxtAceptaH1", kRejectH0Text);
  LabelSemi = Caption(result_, "Label1_13", "Semi-significance level %", {450, 84, 230, 18});
  Img1MAlfa2 = Image(result_, "Img1MAlfa2", {450, 106});
  Load(Img1MAlfa2, "Img1MAlfa2.gif");
  txt_NCon2 = Box(result_, "txt_NCon2_0", {450, 106, 90, kBoxHeight}, true);
  PlaceRight(txt_NCon2, Img1MAlfa2);
  ImgALFA2 = Image(result_, "ImgALFA2", {450, 132});
  Load(ImgALFA2, "ImgALFA2.gif");
  txt_NSig2 = Box(result_, "txt_NSig2_0", {450, 132, 90, kBoxHeight}, true);
  PlaceRight(txt_NSig2, ImgALFA2);
}

void TestPanel::ShowTypeControls() { Picture2->show(); }

void TestPanel::OptSIDE_Click(int16_t index) {
  HideResult();
  for (int16_t i = 0; i < 3; ++i) OptSIDE[i]->setChecked(i == index);
  LoadPictures();
  CalculateIfComplete();
  FocusFirstBox();
}

void TestPanel::ShowTypePictures(int16_t type) {
  PanelState& s = data_.state;
  const TypeTable& table = data_.table;
  s.TagCH = kOptions[type].tag;
  for (int16_t i = 0; i < 3; ++i) {
    if (OptSIDE[i]->isChecked()) {
      s.SideCH = i;
      break;
    }
  }
  const TestPictures pictures = TestPictureNames(table, type, s.SideCH);
  ShowFramePictures(pictures.graph, pictures.formula);

  Load(ImgH0H1x, SymbolPicture("ImgH0H1", table.PicGroupH0[type] + s.SideCH));
  PlaceRight(h0_, ImgH0H1x);
  h1_->move(h0_->x() + 3, h1_->y());
  const bool h0 = VisibleBoxes(table, type).H0;
  h0_->setVisible(h0);
  h1_->setVisible(h0);

  s.ImgBaseCH = ImgBaseOf(s.TagCH);
  Load(ImgPP0, SymbolPicture("ImgPP", s.ImgBaseCH));
  PlaceRight(txtCH_ESTA, ImgPP0);
}

bool TestPanel::ShowResult(int16_t type) {
  const TestOutcome out = RunTest(type, data_.state.SideCH, data_.input, data_.result);
  if (!out.ok) return false;
  ShowAux(out.aux, out.auxCaption, out.auxText, out.auxPicture);
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
  return true;
}

}  // namespace inference
