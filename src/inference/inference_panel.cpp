// The frame of the test and interval panels: what both build, read, compute and clear alike.
#include "inference/inference_panel.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <functional>
#include <vector>

#include "inference/panel_parts.h"
#include "numeric/numeric.h"
#include "platform/ui.h"

namespace inference {

using namespace parts;

namespace {

// The data rows from the top: the symbol picture's and the two boxes' names without the
// panel's code.
struct RowNames {
  const char* symbol;
  const char* first;
  const char* second;
};
constexpr RowNames kRows[3] = {
    {"ImgSIZE_", "_N1", "_N2"}, {"ImgMEDIA_", "_X1", "_X2"}, {"ImgVARIANZA_", "_S1", "_S2"}};
constexpr int kRowStep = 68;

}  // namespace

InferencePanel::InferencePanel(const PanelDesign& design, InferenceData& data,
                               shared::ProgramState& frame, QWidget* parent)
    : QWidget(parent), design_(design), data_(data), frame_(frame) {}

void InferencePanel::Build() {
  const QString task = QString("_%1").arg(design_.task);
  const QString code = design_.code;
  Caption(this, "LblTITLE" + task, design_.title, {10, 6, 290, 26}, true)
      ->setStyleSheet("font-size: 13pt");
  Caption(this, "LblTypes" + task, design_.typesCaption, {10, 38, 290, 18}, true);
  options_ = parts::TypeOptions(this, design_.task, design_.options,
                                [this](int16_t i) { ChooseType(i); });
  BuildBesideTypes();

  dataArea_ = new QWidget(this);
  dataArea_->setObjectName("PicDATOS" + task);
  dataArea_->setGeometry(design_.data);
  typeTitle_ = Caption(dataArea_, "LblTITLE2" + task, "", {8, 4, 380, 20}, true);
  BuildHypotheses();
  for (int row = 0; row < 3; ++row) {
    parts::DataRow(dataArea_, design_.firstRow + kRowStep * row, design_.rowCaptions[row],
                   rowCaption_[row], rowSymbol_[row], kRows[row].symbol + code, first_[row],
                   second_[row], "Txt" + code + kRows[row].first,
                   "Txt" + code + kRows[row].second);
  }
  level_ = parts::LevelBoxes(dataArea_, design_.levels, design_.task);
  dataArea_->hide();

  frames_[0] = parts::Frame(this, design_.frames[0], {712, 6, 292, 190});
  frames_[1] = parts::Frame(this, design_.frames[1], {712, 202, 292, 186});
  graph_ = Image(this, "Img_" + code + "_GRAF", frames_[0]->geometry().center());
  formula_ = Image(this, "Img_" + code + "_FORM", frames_[1]->geometry().center());

  // A visible result belongs to the inputs on the screen: typing hides it.
  for (int row = 0; row < 3; ++row) {
    for (QLineEdit* box : {first_[row], second_[row]}) {
      connect(box, &QLineEdit::textChanged, this, [this] { HideResult(); });
    }
  }
  for (int which = 0; which < 2; ++which) {
    connect(level_[which], &QLineEdit::textChanged, this, [this, which] { LevelChanged(which); });
  }

  std::function<void(QLineEdit*)> enter;
  if (design_.enterComputes) enter = [this](QLineEdit* box) { EnterComputes(box); };
  const bool select = design_.selectDataOnFocus;
  new parts::BoxKeys(first_[0], parts::Comma::Drop, enter, select);
  new parts::BoxKeys(second_[0], parts::Comma::Drop, enter, select);
  std::vector<QLineEdit*> decimal = {first_[1], second_[1], first_[2], second_[2]};
  if (h0_ != nullptr) decimal.push_back(h0_);
  for (QLineEdit* box : decimal) new parts::BoxKeys(box, parts::Comma::ToDot, enter, select);
  for (QLineEdit* box : level_) new parts::BoxKeys(box, parts::Comma::ToDot, enter);

  std::vector<QWidget*> order;
  if (h0_ != nullptr) order.push_back(h0_);
  for (int row = 0; row < 3; ++row) order.insert(order.end(), {first_[row], second_[row]});
  order.insert(order.end(), level_.begin(), level_.end());
  for (size_t i = 0; i + 1 < order.size(); ++i) setTabOrder(order[i], order[i + 1]);

  result_ = new QWidget(this);
  result_->setObjectName("PicRESULT" + task);
  result_->setGeometry(design_.result);
  if (design_.resultBackground) result_->setAutoFillBackground(true);
  BuildResults();
  const QPoint aux = design_.aux;
  auxCaption_ = Caption(result_, design_.auxCaption, "", {aux, QSize(design_.auxCaptionWidth, 18)});
  auxPicture_ = Image(result_, design_.auxPicture, aux + QPoint(0, 22));
  auxBox_ = Box(result_, "TxtAUX" + task, {aux + QPoint(0, 22), QSize(110, parts::kBoxHeight)},
                true);
  result_->hide();
}

BoxTexts InferencePanel::Texts() const {
  auto t = [](const QLineEdit* box) { return box->text().toStdString(); };
  return {h0_ != nullptr ? t(h0_) : "", t(first_[0]), t(second_[0]), t(first_[1]),
          t(second_[1]), t(first_[2]), t(second_[2]), t(level_[0]), t(level_[1]),
          levelTyped_ == 1};
}

void InferencePanel::HideResult() { result_->hide(); }

void InferencePanel::FocusFirstBox() {
  if (h0_ != nullptr && VisibleBoxes(data_.table, Type()).H0) {
    h0_->setFocus();
  } else {
    first_[0]->setFocus();
  }
}

void InferencePanel::ChooseType(int16_t index) {
  typeTitle_->setText(kOptions[index].caption);
  data_.state.*design_.type = index;
  for (int16_t i = 0; i < kTypeCount; ++i) options_[i]->setChecked(i == index);
  HideResult();
  dataArea_->show();
  ShowTypeControls();
  LoadPictures();
  FocusFirstBox();
}

void InferencePanel::LoadPictures() {
  const int16_t type = Type();
  ShowTypePictures(type);
  ShowDataRows(type);
}

void InferencePanel::ShowFramePictures(const std::string& graph, const std::string& formula) {
  Load(graph_, graph);
  parts::Centre(graph_, frames_[0]);
  Load(formula_, formula);
  parts::Centre(formula_, frames_[1], design_.formulaAtTop);
}

void InferencePanel::ShowDataRows(int16_t type) {
  const TypeTable& table = data_.table;
  const Boxes visible = VisibleBoxes(table, type);
  Load(rowSymbol_[0], SymbolPicture("ImgNMVP", table.TwoSamples[type]));
  PlaceRight(first_[0], rowSymbol_[0]);
  second_[0]->move(first_[0]->x(), second_[0]->y());
  rowCaption_[0]->setText(Text(table.LabelSize[type]));
  second_[0]->setVisible(visible.N2);
  parts::SymbolRow(table.PicMeanIdx[type], rowSymbol_[1], first_[1], second_[1], rowCaption_[1],
                   table.LabelMean[type], visible.X2);
  parts::SymbolRow(table.PicVarIdx[type], rowSymbol_[2], first_[2], second_[2], rowCaption_[2],
                   table.LabelVar[type], visible.S2);
}

void InferencePanel::Calculate() {
  HideResult();
  const int16_t type = Type();
  ErrorFlag = 0;
  design_.read(data_.table, type, Texts(), data_.input);
  if (ErrorFlag == 1) {
    platform::CurrentUi().MsgBox(kNoDataMessage, platform::Buttons::Ok,
                                 platform::Icon::Exclamation, kNoDataTitle);
    return;
  }
  if (!ShowResult(type)) {
    platform::CurrentUi().MsgBox(kInvalidMessage, platform::Buttons::Ok, platform::Icon::None, "");
    return;
  }
  result_->show();
}

void InferencePanel::ShowAux(bool shown, const std::string& caption, const std::string& text,
                             int16_t picture) {
  auxCaption_->setVisible(shown);
  auxPicture_->setVisible(shown);
  auxBox_->setVisible(shown);
  if (shown) {
    auxCaption_->setText(Text(caption));
    auxBox_->setText(Text(text));
    Load(auxPicture_, SymbolPicture("ImgPESP", picture));
    PlaceRight(auxBox_, auxPicture_);
  }
}

void InferencePanel::Clear() {
  std::vector<QLineEdit*> boxes;
  for (QLineEdit* box : {h0_, h1_}) {
    if (box != nullptr) boxes.push_back(box);
  }
  for (int row = 0; row < 3; ++row) boxes.insert(boxes.end(), {first_[row], second_[row]});
  boxes.insert(boxes.end(), level_.begin(), level_.end());
  for (QLineEdit* box : boxes) box->clear();
  HideResult();
  FocusFirstBox();
}

void InferencePanel::CalculateIfComplete() {
  design_.read(data_.table, Type(), Texts(), data_.input);
  if (ErrorFlag == 0) Calculate();
}

void InferencePanel::EnterComputes(QLineEdit* box) {
  CalculateIfComplete();
  parts::SendTab(box);
}

void InferencePanel::LevelChanged(int which) {
  if (frame_.Updating) return;
  frame_.Updating = true;
  levelTyped_ = which;
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
