#include "probability/PanelDI.h"

#include <QButtonGroup>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTimer>

#include "shared/PictureButton.h"
#include "platform/qt_pictures.h"
#include "platform/qt_whole_text.h"

namespace probability {
namespace {

// Design of the panel, in pixels of the task panel.
constexpr QRect kTitle(12, 8, 500, 24);
constexpr QRect kOptionsBox(12, 40, 490, 118);
constexpr QRect kModeRow(12, 166, 490, 30);
constexpr QRect kDataArea(0, 200, 1012, 460);
constexpr QRect kGraphFrame(520, 40, 482, 300);
constexpr QRect kFormulaFrame(520, 348, 482, 250);
// Inside the data area.
constexpr int kLabelLeft = 12;
constexpr int kLabelWidth = 230;
constexpr int kSymbolLeft = 246;
constexpr int kBoxWidth = 130;
constexpr int kRowHeight = 22;
constexpr int kEmptySymbolWidth = 24;
constexpr int kRowParameter1 = 12;
constexpr int kRowParameter2 = 48;
constexpr int kRowProbability = 100;
constexpr int kRowPoint1 = 152;
constexpr int kRowPoint2 = 188;
// The picture buttons keep their place on the task panel.
constexpr QPoint kCalculateAt(670, 612);
constexpr QPoint kClearAt(780, 612);
constexpr QPoint kClearParametersAt(890, 612);

QString Q(const std::string& text) { return QString::fromStdString(text); }

void SetBold(QWidget* widget, bool bold) {
  QFont font = widget->font();
  font.setBold(bold);
  widget->setFont(font);
}

// A numeric box: focus selects its whole text, a typed "," is a ".", and Enter moves on
// as Tab does without computing.
class NumberBox : public QLineEdit {
 public:
  using QLineEdit::QLineEdit;

 protected:
  void focusInEvent(QFocusEvent* event) override {
    QLineEdit::focusInEvent(event);
    selectAll();
    // A click places the caret after the focus arrives; select again once it has.
    QTimer::singleShot(0, this, [this] {
      if (hasFocus()) selectAll();
    });
  }
  void keyPressEvent(QKeyEvent* event) override {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
      focusNextPrevChild(true);
      event->accept();
      return;
    }
    if (event->text() == ",") {
      if (!isReadOnly()) insert(QString(QChar(DistributionPanel::KeyPress(','))));
      event->accept();
      return;
    }
    QLineEdit::keyPressEvent(event);
  }
};

}  // namespace

PanelDI::PanelDI(shared::ProgramState& frame, QWidget* parent) : QWidget(parent), core_(frame) {
  setObjectName("PanelDI");
  Lbl_DP = new QLabel(Q(core_.Title()), this);
  Lbl_DP->setObjectName("Lbl_DP");
  Lbl_DP->setGeometry(kTitle);
  QFont titleFont = Lbl_DP->font();
  titleFont.setPointSize(12);
  titleFont.setBold(true);
  Lbl_DP->setFont(titleFont);

  BuildOptions();
  BuildModeRow();
  BuildPictures();
  BuildDataArea();
  Refresh();
}

void PanelDI::BuildOptions() {
  auto* box = new QFrame(this);
  box->setObjectName("Frame_DI");
  box->setFrameShape(QFrame::Box);
  box->setGeometry(kOptionsBox);
  auto* heading = new QLabel("Distribution types", box);
  heading->setObjectName("Label1_33");
  heading->setGeometry(8, 4, 300, 20);
  SetBold(heading, true);
  auto* group = new QButtonGroup(this);
  for (int16_t i = 0; i < shared::kDistributionCount; ++i) {
    auto* option = new QRadioButton(kOptDICaption[i], box);
    option->setObjectName(QString("OptDI_%1").arg(i));
    const int column = i / 4;
    option->setGeometry(16 + column * 240, 28 + (i % 4) * 22, 220, 20);
    group->addButton(option, i);
    // Gamma and Beta have their rows but are not offered.
    if (i >= kDistributionsShown) option->hide();
    connect(option, &QRadioButton::toggled, this, [this, i](bool checked) {
      if (checked) OptDI_Click(i);
    });
    OptDI[i] = option;
  }
}

void PanelDI::BuildModeRow() {
  Picture2_4 = new QWidget(this);
  Picture2_4->setObjectName("Picture2_4");
  Picture2_4->setGeometry(kModeRow);
  auto* heading = new QLabel("Region", Picture2_4);
  heading->setObjectName("Label1_25");
  heading->setGeometry(4, 5, 60, 20);
  SetBold(heading, true);
  auto* group = new QButtonGroup(this);
  constexpr int kLeft[4] = {70, 150, 236, 330};
  for (int16_t i = 0; i < 4; ++i) {
    auto* option = new QRadioButton(Q(SideCaption(kDistributionNormal, i)), Picture2_4);
    option->setObjectName(QString("OptSIDE_DI_%1").arg(i));
    option->setGeometry(kLeft[i], 5, i == 3 ? 150 : 84, 20);
    group->addButton(option, i);
    connect(option, &QRadioButton::toggled, this, [this, i](bool checked) {
      if (checked) OptSIDE_DI_Click(i);
    });
    OptSIDE_DI[i] = option;
  }
  // "Left" is chosen in the design.
  const QSignalBlocker quiet(OptSIDE_DI[0]);
  OptSIDE_DI[0]->setChecked(true);
  Picture2_4->hide();
}

void PanelDI::BuildPictures() {
  Shape1_11 = new QFrame(this);
  Shape1_11->setObjectName("Shape1_11");
  Shape1_11->setFrameShape(QFrame::Box);
  Shape1_11->setGeometry(kGraphFrame);
  platform::SetPictureBackground(Shape1_11);
  Shape1_12 = new QFrame(this);
  Shape1_12->setObjectName("Shape1_12");
  Shape1_12->setFrameShape(QFrame::Box);
  Shape1_12->setGeometry(kFormulaFrame);
  platform::SetPictureBackground(Shape1_12);
  Img_DI_GRAF = new QLabel(this);
  Img_DI_GRAF->setObjectName("Img_DI_GRAF");
  Img_DI_FORM = new QLabel(this);
  Img_DI_FORM->setObjectName("Img_DI_FORM");
}

void PanelDI::BuildDataArea() {
  PicDATOS_4 = new QWidget(this);
  PicDATOS_4->setObjectName("PicDATOS_4");
  PicDATOS_4->setGeometry(kDataArea);

  auto label = [this](const char* name, const QString& caption, int top) {
    auto* text = new QLabel(caption, PicDATOS_4);
    text->setObjectName(name);
    text->setGeometry(kLabelLeft, top, kLabelWidth, kRowHeight);
    text->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return text;
  };
  auto symbol = [this](const char* name) {
    auto* image = new QLabel(PicDATOS_4);
    image->setObjectName(name);
    return image;
  };
  Label1_36 = label("Label1_36", "", kRowParameter1);
  ImgPAR1 = symbol("ImgPAR1");
  Label1_37 = label("Label1_37", "", kRowParameter2);
  ImgPAR2 = symbol("ImgPAR2");
  label("Label1_26", "Probability", kRowProbability);
  Label1_30 = label("Label1_30", "Percentage point", kRowPoint1);
  ImgPP1 = symbol("ImgPP1");
  Label1_31 = label("Label1_31", "Percentage point 2", kRowPoint2);
  ImgPP2 = symbol("ImgPP2");

  constexpr int kTops[kBoxCount] = {kRowParameter1, kRowParameter2, kRowProbability, kRowPoint1,
                                    kRowPoint2};
  for (int i = 0; i < kBoxCount; ++i) {
    const auto box = static_cast<BoxDI>(i);
    auto* edit = new NumberBox(PicDATOS_4);
    edit->setObjectName(BoxName(box));
    edit->setGeometry(kSymbolLeft + kEmptySymbolWidth + 3, kTops[i], kBoxWidth, kRowHeight);
    connect(edit, &QLineEdit::textChanged, this,
            [this, box](const QString& text) { BoxEdited(box, text); });
    // The probability and the points are where results are written.
    if (box != BoxDI::TxtPAR1 && box != BoxDI::TxtPAR2) platform::KeepTextWhole(edit);
    boxes_[i] = edit;
  }
  // The probability box has no symbol: it sits where the others' boxes do.
  boxes_[static_cast<int>(BoxDI::txt_PROB)]->move(kSymbolLeft, kRowProbability);
  for (int i = 0; i + 1 < kBoxCount; ++i) setTabOrder(boxes_[i], boxes_[i + 1]);
  PicDATOS_4->hide();
}

void PanelDI::AdoptButtons(shared::PictureButton* calculate, shared::PictureButton* clear,
                           shared::PictureButton* clearParameters) {
  const QPoint origin = kDataArea.topLeft();
  const std::pair<shared::PictureButton*, QPoint> buttons[] = {
      {calculate, kCalculateAt}, {clear, kClearAt}, {clearParameters, kClearParametersAt}};
  for (const auto& [button, at] : buttons) {
    if (button == nullptr) continue;
    button->setParent(PicDATOS_4);
    button->SetDesignPosition(at - origin);
    button->show();
  }
  if (calculate != nullptr) calculate->SetCommand([this] { Cmd_DICalcular_Click(); });
  if (clear != nullptr) clear->SetCommand([this] { Cmd_DIBorrar_Click(); });
  if (clearParameters != nullptr) {
    clearParameters->SetCommand([this] { Cmd_DIBorrar_CONFIG_Click(); });
  }
}

// --- Handlers ----------------------------------------------------------------------------

void PanelDI::OptDI_Click(int16_t index) {
  if (index < 0 || index >= shared::kDistributionCount) return;
  if (!OptDI[index]->isChecked()) {
    const QSignalBlocker quiet(OptDI[index]);
    OptDI[index]->setChecked(true);
  }
  core_.OptDI_Click(index);
  for (int16_t i = 0; i < shared::kDistributionCount; ++i) SetBold(OptDI[i], i == index);
  PicDATOS_4->show();
  Refresh();
  Picture2_4->show();
  FocusFirstParameter();
}

void PanelDI::OptSIDE_DI_Click(int16_t index) {
  if (index < 0 || index > kSideCentred) return;
  if (!OptSIDE_DI[index]->isChecked()) {
    const QSignalBlocker quiet(OptSIDE_DI[index]);
    OptSIDE_DI[index]->setChecked(true);
  }
  for (int16_t i = 0; i < 4; ++i) SetBold(OptSIDE_DI[i], i == index);
  core_.OptSIDE_DI_Click(index);
  Refresh();
  FocusFirstParameter();
}

void PanelDI::Cmd_DICalcular_Click() {
  core_.Cmd_DICalcular_Click();
  PushTexts();
}

void PanelDI::Cmd_DIBorrar_Click() {
  core_.Cmd_DIBorrar_Click();
  PushTexts();
}

void PanelDI::Cmd_DIBorrar_CONFIG_Click() {
  core_.Cmd_DIBorrar_CONFIG_Click();
  PushTexts();
}

void PanelDI::BoxEdited(BoxDI box, const QString& text) {
  if (core_.Frame().Updating) return;
  core_.SetText(box, text.toStdString());
  PushTexts();
  // "." typed alone in the probability box became "0.": the caret goes after the point.
  QLineEdit* edit = boxes_[static_cast<int>(box)];
  if (box == BoxDI::txt_PROB && text == "." && edit->text() == "0.") edit->setCursorPosition(2);
}

void PanelDI::FocusFirstParameter() {
  QLineEdit* first = boxes_[static_cast<int>(BoxDI::TxtPAR1)];
  if (first->isVisible()) first->setFocus();
}

// --- View ----------------------------------------------------------------------------------

void PanelDI::PushTexts() {
  shared::ProgramState& frame = core_.Frame();
  const bool wasUpdating = frame.Updating;
  frame.Updating = true;
  for (int i = 0; i < kBoxCount; ++i) {
    const QString text = Q(core_.Text(static_cast<BoxDI>(i)));
    if (boxes_[i]->text() != text) boxes_[i]->setText(text);
  }
  frame.Updating = wasUpdating;
}

void PanelDI::PlaceSymbolAndBox(QLabel* symbol, const std::string& picture, QLineEdit* box,
                                int rowTop) {
  platform::ShowPicture(symbol, picture);
  const bool empty = symbol->pixmap().isNull();
  const QSize size = empty ? QSize(kEmptySymbolWidth, kRowHeight) : symbol->pixmap().size();
  symbol->setGeometry(kSymbolLeft, rowTop + (kRowHeight - size.height()) / 2, size.width(),
                      size.height());
  box->move(symbol->geometry().right() + 1 + 3, rowTop);
}

void PanelDI::Refresh() {
  Lbl_DP->setText(Q(core_.Title()));
  const DistributionFields& fields = core_.Fields();
  OptSIDE_DI[kSideCentred]->setText(Q(SideCaption(fields.TipoDI, kSideCentred)));
  if (!core_.DistributionChosen()) return;

  const DistributionView& view = core_.View();
  auto centre = [](QLabel* image, const QRect& frame, bool middle) {
    const QSize size = image->pixmap().isNull() ? QSize(0, 0) : image->pixmap().size();
    const int top = middle ? frame.top() + (frame.height() - size.height()) / 2 : frame.top() + 20;
    image->setGeometry(frame.left() + (frame.width() - size.width()) / 2, top, size.width(),
                       size.height());
  };
  platform::ShowPicture(Img_DI_GRAF, view.graphPicture);
  centre(Img_DI_GRAF, Shape1_11->geometry(), true);
  platform::ShowPicture(Img_DI_FORM, view.formulaPicture);
  centre(Img_DI_FORM, Shape1_12->geometry(), false);

  auto box = [this](BoxDI which) { return boxes_[static_cast<int>(which)]; };
  PlaceSymbolAndBox(ImgPAR1, view.par1Symbol, box(BoxDI::TxtPAR1), kRowParameter1);
  PlaceSymbolAndBox(ImgPAR2, view.par2Symbol, box(BoxDI::TxtPAR2), kRowParameter2);
  PlaceSymbolAndBox(ImgPP1, view.point1Symbol, box(BoxDI::TxtPP1), kRowPoint1);
  if (view.secondPointShown) {
    PlaceSymbolAndBox(ImgPP2, view.point2Symbol, box(BoxDI::TxtPP2), kRowPoint2);
  }
  ImgPP2->setVisible(view.secondPointShown);
  box(BoxDI::TxtPP2)->setVisible(view.secondPointShown);
  Label1_30->setText(Q(view.label30));
  Label1_31->setText(Q(view.label31));
  Label1_31->setVisible(view.secondPointShown);

  Label1_36->setText(Q(view.label36));
  Label1_37->setText(Q(view.label37));
  Label1_37->setVisible(view.secondParameterShown);
  ImgPAR2->setVisible(view.secondParameterShown);
  box(BoxDI::TxtPAR2)->setVisible(view.secondParameterShown);

  box(BoxDI::txt_PROB)->setReadOnly(view.probabilityReadOnly);
  PushTexts();
}

void InstallDistributionPanel(shared::PanelHost& form) {
  QWidget* task = form.Panel(4);
  auto* panel = new PanelDI(form.State(), task);
  panel->setGeometry(0, 0, task->width(), task->height());
  panel->AdoptButtons(form.Button(19), form.Button(18), form.Button(20));
}

}  // namespace probability
