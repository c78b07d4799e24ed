#include "probability/PanelPTB.h"

#include <QFrame>
#include <QLabel>
#include <QScrollBar>

#include "platform/qt_whole_text.h"
#include "platform/ui.h"
#include "probability/EventBox.h"

namespace probability {
namespace {

constexpr int kRowStep = 35;

QFont Font(const char* family, double points) {
  QFont font(family);
  font.setPointSizeF(points);
  return font;
}
QFont CaptionFont() { return Font("Times New Roman", 14.25); }
QFont BoxFont() { return Font("Arial", 11.25); }

// Qt's scroll bars grow downwards; this one counts events upwards, so it runs on
// kMinEventsPTB + kMaxEventsPTB - count.
constexpr int kFlip = kMinEventsPTB + kMaxEventsPTB;

QLabel* Caption(const QString& name, const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  label->setFont(CaptionFont());
  return label;
}

}  // namespace

PanelPTB::PanelPTB(shared::ProgramState& state, QWidget* parent) : QWidget(parent), state_(state) {
  setObjectName("PanelPTB");
  // Row 1 is there from the start; rows 2..9 come with PreparaControlesPTB.
  BuildRow(1);
  PlaceRow(1);

  auto* rule = new QFrame(this);
  rule->setObjectName("LinePTB");
  rule->setGeometry(7, 350, 621, 1);
  rule->setAutoFillBackground(true);
  QPalette palette = rule->palette();
  palette.setColor(QPalette::Window, QColor(128, 160, 255));
  rule->setPalette(palette);

  auto* events = new QLabel("Number of events (Ai)", this);
  events->setObjectName("LblPTB_NS");
  events->setFont(Font("Arial", 9.75));
  events->setGeometry(466, 360, 153, 20);
  Caption("LblPTB_B", "p ( B ) = ", this)->setGeometry(15, 386, 69, 28);

  TxtPTB_B = new EventBox("TxtPTB_B", this);
  TxtPTB_B->setFont(BoxFont());
  TxtPTB_B->setReadOnly(true);
  platform::KeepTextWhole(TxtPTB_B);
  TxtPTB_B->setGeometry(84, 385, 174, 28);

  TxtPTB_NS = new EventBox("TxtPTB_NS", this);
  TxtPTB_NS->setFont(BoxFont());
  TxtPTB_NS->setReadOnly(true);
  platform::KeepTextWhole(TxtPTB_NS);
  TxtPTB_NS->setGeometry(466, 385, 71, 28);
  TxtPTB_NS->KeyDown = [this](int keyCode) { return TxtPTB_NS_KeyDown(keyCode); };

  VScroll3 = new QScrollBar(Qt::Vertical, this);
  VScroll3->setObjectName("VScroll3");
  VScroll3->setGeometry(538, 384, 23, 32);
  VScroll3->setRange(kMinEventsPTB, kMaxEventsPTB);
  VScroll3->setSingleStep(1);
  VScroll3->setPageStep(1);
  VScroll3->setValue(kFlip - kMinEventsPTB);
  connect(VScroll3, &QScrollBar::valueChanged, this, [this] { VScroll3_Change(); });
  connect(VScroll3, &QScrollBar::sliderMoved, this, [this] { VScroll3_Scroll(); });
}

int PanelPTB::VScroll3Value() const { return kFlip - VScroll3->value(); }
void PanelPTB::SetVScroll3Value(int value) { VScroll3->setValue(kFlip - value); }

void PanelPTB::BuildRow(int i) {
  LblPTB_A[i] = Caption(QString("LblPTB_A_%1").arg(i), "", this);
  LblPTB_BA[i] = Caption(QString("LblPTB_BA_%1").arg(i), "", this);
  LblPTB_AB[i] = Caption(QString("LblPTB_AB_%1").arg(i), "", this);
  TxtPTB_A[i] = new EventBox(QString("TxtPTB_A_%1").arg(i), this);
  TxtPTB_BA[i] = new EventBox(QString("TxtPTB_BA_%1").arg(i), this);
  TxtPTB_AB[i] = new EventBox(QString("TxtPTB_AB_%1").arg(i), this);
  TxtPTB_AB[i]->setReadOnly(true);
  platform::KeepTextWhole(TxtPTB_AB[i]);
  for (EventBox* box : {TxtPTB_A[i], TxtPTB_BA[i], TxtPTB_AB[i]}) box->setFont(BoxFont());
  connect(TxtPTB_A[i], &QLineEdit::textChanged, this, [this, i] { TxtPTB_A_Change(i); });
  connect(TxtPTB_BA[i], &QLineEdit::textChanged, this, [this, i] { TxtPTB_BA_Change(i); });
  TxtPTB_A[i]->KeyDown = [this, i](int keyCode) { return TxtPTB_A_KeyDown(i, keyCode); };
  TxtPTB_BA[i]->KeyDown = [this, i](int keyCode) { return TxtPTB_BA_KeyDown(i, keyCode); };
}

std::array<QWidget*, 6> PanelPTB::RowControls(int i) const {
  return {LblPTB_A[i], TxtPTB_A[i], LblPTB_BA[i], TxtPTB_BA[i], LblPTB_AB[i], TxtPTB_AB[i]};
}

void PanelPTB::PlaceRow(int i) {
  const int y = kRowStep * i;
  LblPTB_A[i]->setGeometry(15, y + 2, 69, 28);
  TxtPTB_A[i]->setGeometry(84, y, 97, 28);
  LblPTB_BA[i]->setGeometry(208, y + 2, 88, 28);
  TxtPTB_BA[i]->setGeometry(295, y, 97, 28);
  LblPTB_AB[i]->setGeometry(427, y + 2, 88, 28);
  TxtPTB_AB[i]->setGeometry(514, y, 97, 28);
}

void PanelPTB::PreparaControlesPTB() {
  if (PTBControlsReady) return;
  state_.Updating = true;
  TxtPTB_B->setText("");
  for (int i = 2; i <= kMaxEventsPTB; ++i) BuildRow(i);
  for (int i = 1; i <= kMaxEventsPTB; ++i) {
    for (QWidget* control : RowControls(i)) control->show();
    TxtPTB_A[i]->setText("");
    TxtPTB_BA[i]->setText("");
    TxtPTB_AB[i]->setText("");
    LblPTB_A[i]->setText(QString::fromStdString(CaptionA(i)));
    LblPTB_BA[i]->setText(QString::fromStdString(CaptionBA(i)));
    LblPTB_AB[i]->setText(QString::fromStdString(CaptionAB(i)));
    PlaceRow(i);
  }
  // Enter and the arrows run the caret through the rows; Tab goes row by row.
  QWidget* previous = nullptr;
  for (int i = 1; i <= kMaxEventsPTB; ++i) {
    for (QWidget* box : {static_cast<QWidget*>(TxtPTB_A[i]), static_cast<QWidget*>(TxtPTB_BA[i]),
                         static_cast<QWidget*>(TxtPTB_AB[i])}) {
      if (previous != nullptr) setTabOrder(previous, box);
      previous = box;
    }
  }
  setTabOrder(previous, TxtPTB_B);
  setTabOrder(TxtPTB_B, TxtPTB_NS);
  state_.Updating = false;
  PTBControlsReady = true;
}

void PanelPTB::ActualizaVistaPTB() {
  const int n = VScroll3Value();
  TxtPTB_NS->setText(QString::number(n));
  NEventsPTB = n;
  for (int i = 1; i <= kMaxEventsPTB; ++i) {
    if (TxtPTB_A[i] == nullptr) continue;
    for (QWidget* control : RowControls(i)) control->setVisible(i <= n);
  }
}

void PanelPTB::CmdNEWPTB_Click() {
  PreparaControlesPTB();
  for (int i = 1; i <= kMaxEventsPTB; ++i) {
    TxtPTB_A[i]->setText("");
    TxtPTB_BA[i]->setText("");
    TxtPTB_AB[i]->setText("");
  }
  TxtPTB_B->setText("");
  VScroll3_Change();
}

void PanelPTB::CmdPTBCal_Click() {
  const int n = NEventsPTB;
  std::vector<std::string> a, ba;
  for (int i = 1; i <= n; ++i) {
    TxtPTB_AB[i]->setText("");
    a.push_back(TxtPTB_A[i]->text().toStdString());
    ba.push_back(TxtPTB_BA[i]->text().toStdString());
  }
  const auto result = CalculatePTB(a, ba);
  if (!result) {
    // No P(B) is left standing beside posteriors that were refused.
    TxtPTB_B->setText("");
    platform::CurrentUi().MsgBox("Invalid data", platform::Buttons::Ok,
                                 platform::Icon::Exclamation, "Error");
    return;
  }
  for (int i = 1; i <= n; ++i) {
    TxtPTB_AB[i]->setText(QString::fromStdString(PosteriorTextPTB(result->posterior[i - 1])));
    TxtPTB_AB[i]->setCursorPosition(0);
  }
  TxtPTB_B->setText(QString::fromStdString(TotalTextPTB(result->pB)));
  TxtPTB_B->setCursorPosition(0);
}

bool PanelPTB::TxtPTB_NS_KeyDown(int keyCode) {
  if (keyCode == kKeyUp) {
    if (VScroll3Value() < kMaxEventsPTB) SetVScroll3Value(VScroll3Value() + 1);
    return true;
  }
  if (keyCode == kKeyDown) {
    if (VScroll3Value() > kMinEventsPTB) SetVScroll3Value(VScroll3Value() - 1);
    return true;
  }
  return false;
}

bool PanelPTB::MoveCaret(bool inA, int index, int keyCode) {
  const int n = NEventsPTB;
  auto& column = inA ? TxtPTB_A : TxtPTB_BA;
  auto& other = inA ? TxtPTB_BA : TxtPTB_A;
  if (keyCode == kKeyUp) {
    (index >= 2 ? column[index - 1] : other[n])->setFocus();
    return true;
  }
  if (keyCode == kKeyDown || keyCode == kKeyEnter) {
    (index < n ? column[index + 1] : other[1])->setFocus();
    return true;
  }
  return false;
}

bool PanelPTB::TxtPTB_A_KeyDown(int index, int keyCode) {
  if (!MoveCaret(true, index, keyCode)) return false;
  if (keyCode != kKeyEnter) return true;
  std::vector<std::string> a;
  for (int i = 1; i <= NEventsPTB; ++i) a.push_back(TxtPTB_A[i]->text().toStdString());
  if (const auto completion = CompleteMissingPTB(a, index)) {
    state_.Updating = true;
    EventBox* box = TxtPTB_A[completion->row];
    box->setText(QString::fromStdString(completion->text));
    state_.Updating = false;
    // The caret may just have entered that box: typing still replaces its value.
    if (box->hasFocus()) box->selectAll();
  }
  return true;
}

bool PanelPTB::TxtPTB_BA_KeyDown(int index, int keyCode) {
  return MoveCaret(false, index, keyCode);
}

void PanelPTB::TxtPTB_A_Change(int index) { DotBecomesZeroPoint(TxtPTB_A[index], state_.Updating); }
void PanelPTB::TxtPTB_BA_Change(int index) {
  DotBecomesZeroPoint(TxtPTB_BA[index], state_.Updating);
}

}  // namespace probability
