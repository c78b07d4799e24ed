#include "probability/PanelPAB.h"

#include <QLabel>

#include "platform/pictures.h"
#include "platform/qt_pictures.h"
#include "platform/qt_whole_text.h"
#include "platform/ui.h"
#include "probability/EventBox.h"

namespace probability {
namespace {

// Box k stands in row (k - 1) % 7 of the left column (1..7) or the right one (8..14).
constexpr int kTop = 56;
constexpr int kRowStep = 40;
constexpr int kLabelWidth = 140;
constexpr int kBoxWidth = 120;
constexpr int kBoxHeight = 28;
constexpr int kColumnLeft[2] = {16, 306};

// What each label picture shows, written out for when the picture is missing.
const char* const kLabelText[kBoxesPAB + 1] = {
    "",
    "p(A) =",
    "p(B) =",
    "p(A &cap; B) =",
    "p(A &cup; B) =",
    "p(<span style='text-decoration:overline'>A</span> &cap; "
    "<span style='text-decoration:overline'>B</span>) =",
    "p(A / B) =",
    "p(B / A) =",
    "p(<span style='text-decoration:overline'>A</span>) =",
    "p(<span style='text-decoration:overline'>B</span>) =",
    "p(<span style='text-decoration:overline'>A &cap; B</span>) =",
    "p(<span style='text-decoration:overline'>A &cup; B</span>) =",
    "p(<span style='text-decoration:overline'>A</span> &cup; "
    "<span style='text-decoration:overline'>B</span>) =",
    "p(A &minus; B) =",
    "p(B &minus; A) =",
};

QFont Sized(QFont font, double points, bool bold = false) {
  font.setPointSizeF(points);
  font.setBold(bold);
  return font;
}

}  // namespace

PanelPAB::PanelPAB(shared::ProgramState& state, QWidget* parent) : QWidget(parent), state_(state) {
  setObjectName("PanelPAB");

  auto* title = new QLabel("Probability of A and B events", this);
  title->setObjectName("LblPABTitle");
  title->setFont(Sized(title->font(), 14, true));
  title->setGeometry(16, 10, 560, 30);

  for (int k = 1; k <= kBoxesPAB; ++k) {
    const int column = k <= 7 ? 0 : 1;
    const int y = kTop + ((k - 1) % 7) * kRowStep;
    QLabel* label = ImgPAB[k] = new QLabel(this);
    label->setObjectName(QString("ImgPAB_%1").arg(k));
    label->setGeometry(kColumnLeft[column], y - 4, kLabelWidth - 4, kBoxHeight + 8);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    const std::string picture = LabelPicturePAB(k);
    if (platform::PicturePath(picture).empty()) {
      label->setTextFormat(Qt::RichText);
      label->setFont(Sized(QFont("Times New Roman"), 14.25));
      label->setText(kLabelText[k]);
    } else {
      platform::ShowPicture(label, picture);
    }

    EventBox* box = TxtPAB[k] = new EventBox(QString("TxtPAB_%1").arg(k), this);
    box->setFont(Sized(QFont("Arial"), 11.25));
    box->setGeometry(kColumnLeft[column] + kLabelWidth, y, kBoxWidth, kBoxHeight);
    platform::KeepTextWhole(box);
    connect(box, &QLineEdit::textChanged, this, [this, k] { TxtPAB_Change(k); });
    box->KeyDown = [this, k](int keyCode) { return TxtPAB_KeyDown(k, keyCode); };
  }
  for (int k = 1; k < kBoxesPAB; ++k) setTabOrder(TxtPAB[k], TxtPAB[k + 1]);

  // The Venn diagram above the Calculate and Delete buttons, the formula sheet below all.
  ImgPABGRAF[0] = new QLabel(this);
  ImgPABGRAF[0]->setObjectName("ImgPABGRAF_0");
  ImgPABGRAF[0]->setGeometry(600, 40, 410, 280);
  auto* formulas = new QLabel("Formulas", this);
  formulas->setObjectName("LblPABFormulas");
  formulas->setFont(Sized(formulas->font(), 11, true));
  formulas->setGeometry(16, 376, 200, 24);
  ImgPABGRAF[1] = new QLabel(this);
  ImgPABGRAF[1]->setObjectName("ImgPABGRAF_1");
  ImgPABGRAF[1]->setGeometry(16, 402, 990, 250);
  for (int i = 0; i < 2; ++i) {
    ImgPABGRAF[i]->setAlignment(i == 0 ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignTop);
    platform::ShowPicture(ImgPABGRAF[i], "ImgPABGRAF_" + std::to_string(i) + ".gif");
  }
}

void PanelPAB::CmdNEWPAB_Click() {
  state_.Updating = true;
  for (int k = 1; k <= kBoxesPAB; ++k) TxtPAB[k]->setText("");
  state_.Updating = false;
}

void PanelPAB::CmdCalcPAB_Click() {
  TextsPAB texts;
  for (int k = 1; k <= kBoxesPAB; ++k) texts[k] = TxtPAB[k]->text().toStdString();
  const OutcomePAB outcome = CalculatePAB(texts);
  if (outcome.invalid) {
    platform::CurrentUi().MsgBox("Invalid data", platform::Buttons::Ok,
                                 platform::Icon::Exclamation, "Error");
    return;
  }
  for (int k = 1; k <= kBoxesPAB; ++k) {
    if (!outcome.written[k].empty()) TxtPAB[k]->setText(QString::fromStdString(outcome.written[k]));
  }
}

void PanelPAB::TxtPAB_Change(int index) { DotBecomesZeroPoint(TxtPAB[index], state_.Updating); }

bool PanelPAB::TxtPAB_KeyDown(int index, int keyCode) {
  if (keyCode == kKeyEnter || keyCode == kKeyDown || keyCode == kKeyTab) {
    TxtPAB[index == kBoxesPAB ? 1 : index + 1]->setFocus();
    return true;
  }
  if (keyCode == kKeyUp) {
    TxtPAB[index == 1 ? kBoxesPAB : index - 1]->setFocus();
    return true;
  }
  return false;
}

}  // namespace probability
