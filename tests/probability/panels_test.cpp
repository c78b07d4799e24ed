// The distribution panel, the A and B events panel and the total probability and Bayes panel
// in the main window, driven offscreen by their controls' names.
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <map>

#include "frame/FormMain.h"
#include "shared/PictureButton.h"
#include "probability/PanelDI.h"
#include "probability/events_panels.h"
#include "support/scripted_ui.h"

// Failures show the text, not its code units.
inline void PrintTo(const QString& text, std::ostream* os) {
  *os << '"' << text.toStdString() << '"';
}

namespace {

using platform::Answer;
using platform::Icon;

class ProbabilityPanels : public ::testing::Test {
 protected:
  ProbabilityPanels() {
    platform::SetProgramFolder(folder.path().toStdString());
    probability::InstallDistributionPanel(*form);
    probability::InstallEventPanels(*form);
    form->Form_Load();
    form->show();
    form->activateWindow();
    active = QTest::qWaitForWindowActive(form.get());
  }

  template <typename T = QWidget>
  T* Find(const QString& name) {
    T* found = form->findChild<T*>(name);
    EXPECT_NE(found, nullptr) << name.toStdString();
    return found;
  }
  QLineEdit* Box(const QString& name) { return Find<QLineEdit>(name); }
  QLineEdit* PAB(int k) { return Box(QString("TxtPAB_%1").arg(k)); }
  QLineEdit* A(int i) { return Box(QString("TxtPTB_A_%1").arg(i)); }
  QLineEdit* BA(int i) { return Box(QString("TxtPTB_BA_%1").arg(i)); }
  QLineEdit* AB(int i) { return Box(QString("TxtPTB_AB_%1").arg(i)); }
  void Tab(int task) { form->LblTASK_Click(static_cast<int16_t>(task)); }
  // On a control's left edge, where a click selects an option.
  void Click(const QString& name) {
    QWidget* widget = Find(name);
    QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(6, widget->height() / 2));
  }
  void Press(int number) {
    QTest::mouseClick(form->Button(number), Qt::LeftButton, {}, QPoint(50, 15));
  }
  void Key(QLineEdit* box, Qt::Key key) {
    box->setFocus();
    QTest::keyClick(box, key);
  }
  // The count bar's arrows: up (Sub) raises the number of events, down lowers it.
  void Arrow(QAbstractSlider::SliderAction action, int times) {
    for (int i = 0; i < times; ++i) Find<QScrollBar>("VScroll3")->triggerAction(action);
  }

  QTemporaryDir folder;
  testing_support::MemorySettings settings;
  testing_support::ScriptedUi ui;
  // The distribution panel works on the program's own frame state, as the program does.
  std::unique_ptr<FormMain> form = std::make_unique<FormMain>();
  bool active = false;
};

TEST_F(ProbabilityPanels, ChoosingDistributionsShapesThePanel) {
  // A picture is found whatever the case of its name; a missing one leaves its frame empty.
  QDir(folder.path()).mkpath("images");
  QImage image(200, 100, QImage::Format_RGB32);
  image.fill(Qt::blue);
  ASSERT_TRUE(image.save(folder.path() + "/images/di_nl.gif", "PNG"));
  Tab(4);
  for (const char* hidden : {"PicDATOS_4", "Picture2_4", "Image19", "OptDI_6", "OptDI_7"}) {
    EXPECT_FALSE(Find(hidden)->isVisible()) << hidden;
  }
  Click("OptDI_4");
  EXPECT_EQ(Find<QLabel>("Lbl_DP")->text(), "Probability distribution: Binomial");
  EXPECT_EQ(Find<QRadioButton>("OptSIDE_DI_3")->text(), "Point");
  EXPECT_TRUE(Box("txt_PROB")->isReadOnly());
  EXPECT_TRUE(Find("Image19")->isVisible()) << "the buttons belong to the data area";
  EXPECT_TRUE(Box("TxtPAR1")->hasFocus());

  Click("OptDI_1");
  for (const char* hidden : {"TxtPAR2", "Label1_37", "ImgPAR2"}) {
    EXPECT_TRUE(Find(hidden)->isHidden()) << hidden;
  }
  Click("OptDI_0");
  EXPECT_EQ(Find<QRadioButton>("OptSIDE_DI_3")->text(), "Centered interval");
  EXPECT_FALSE(Box("txt_PROB")->isReadOnly());
  EXPECT_FALSE(Find<QLabel>("Img_DI_GRAF")->pixmap().isNull()) << "DI_NL.GIF";
  Click("OptSIDE_DI_3");
  EXPECT_TRUE(Find<QLabel>("Img_DI_GRAF")->pixmap().isNull()) << "DI_NC.GIF is missing";
  EXPECT_TRUE(Box("TxtPAR1")->hasFocus());
  EXPECT_FALSE(Box("TxtPP2")->isHidden());
  EXPECT_EQ(Find<QLabel>("Label1_30")->text(), "Percentage point 1");
}

TEST_F(ProbabilityPanels, DistributionTypingAndCalculating) {
  Tab(4);
  Click("OptDI_0");
  // The normal distribution offers the standard one in its blank parameter boxes.
  EXPECT_EQ(Box("TxtPAR1")->text() + " " + Box("TxtPAR2")->text(), "0 1");
  QTest::keyClicks(Box("TxtPP1"), "1,96");
  EXPECT_EQ(Box("TxtPP1")->text(), "1.96");
  Click("Image19");
  EXPECT_EQ(Box("txt_PROB")->text(), "0.975002");

  QTest::keyClicks(Box("TxtPP1"), "5");
  EXPECT_EQ(Box("txt_PROB")->text(), "") << "a new point empties the old result";
  Box("txt_PROB")->setFocus();
  QTest::keyClicks(Box("txt_PROB"), ".");
  EXPECT_EQ(Box("txt_PROB")->text(), "0.");
  EXPECT_EQ(Box("txt_PROB")->cursorPosition(), 2);
  Key(Box("TxtPAR1"), Qt::Key_Return);
  EXPECT_TRUE(Box("TxtPAR2")->hasFocus()) << "Enter moves on as Tab does";

  Click("OptDI_1");
  Click("Image20");
  EXPECT_EQ(Box("TxtPAR1")->text(), "");
  ui.ExpectMsgBox("No data or invalid data", Answer::Ok, "Error", Icon::Exclamation);
  Click("Image19");
  Click("OptSIDE_DI_2");
  Box("TxtPP1")->setText("1");
  Click("Image18");
  EXPECT_EQ(Box("TxtPP1")->text(), "");
  EXPECT_TRUE(ui.AllMet());
}

TEST_F(ProbabilityPanels, CalculateWritesOnlyTheBlankABBoxesAndDeleteEmptiesThemAll) {
  Tab(6);
  for (int k = 1; k <= 14; ++k) EXPECT_EQ(PAB(k)->text(), "") << "empty after the load";
  const std::map<int, QString> typed = {{1, "1/3"}, {2, "50%"}, {3, "1/6"}, {9, "  "}};
  for (const auto& [k, text] : typed) PAB(k)->setText(text);
  Press(24);
  // Typed boxes keep their texts; the others, the blank one too, show the solver's values.
  for (int k = 1; k <= 14; ++k) EXPECT_NE(PAB(k)->text().trimmed(), "") << "box " << k;
  EXPECT_EQ(PAB(1)->text() + " " + PAB(2)->text() + " " + PAB(9)->text(), "1/3 50% 0.5");
  PAB(4)->setText(".");
  Press(23);
  for (int k = 1; k <= 14; ++k) EXPECT_EQ(PAB(k)->text(), "") << "box " << k;

  // Contradictory boxes: the message, and every text kept, an unreadable one too.
  const std::map<int, QString> refused = {{1, "0.8"}, {2, "0.7"}, {3, "0.1"}, {8, "abc"}};
  for (const auto& [k, text] : refused) PAB(k)->setText(text);
  ui.ExpectMsgBox("Invalid data", Answer::Ok, "Error", Icon::Exclamation, platform::Buttons::Ok);
  Press(24);
  EXPECT_TRUE(ui.AllMet());
  for (int k = 1; k <= 14; ++k) {
    EXPECT_EQ(PAB(k)->text(), refused.count(k) ? refused.at(k) : QString()) << "box " << k;
  }
}

TEST_F(ProbabilityPanels, KeysOfTheABBoxes) {
  ASSERT_TRUE(active);
  Tab(6);
  const std::tuple<int, Qt::Key, int> moves[] = {
      {1, Qt::Key_Return, 2}, {7, Qt::Key_Down, 8}, {13, Qt::Key_Tab, 14}, {14, Qt::Key_Return, 1},
      {1, Qt::Key_Up, 14},    {8, Qt::Key_Up, 7},    {5, Qt::Key_Enter, 6}};
  for (const auto& [from, key, to] : moves) {
    PAB(from)->setText("0.25");
    Key(PAB(from), key);
    EXPECT_TRUE(PAB(to)->hasFocus()) << from << " -> " << to;
    EXPECT_EQ(PAB(from)->text(), "0.25") << "the key does nothing else";
  }
  PAB(3)->setText("0.125");
  PAB(3)->setFocus();
  EXPECT_EQ(PAB(3)->selectedText(), "0.125") << "entering a box selects its text";
  QTest::keyClicks(PAB(3), ".");
  EXPECT_EQ(PAB(3)->text(), "0.");
  EXPECT_EQ(PAB(3)->cursorPosition(), 2);
}

TEST_F(ProbabilityPanels, BayesPanelOpensWithTwoRowsAndCountsWithItsBar) {
  Tab(5);
  EXPECT_EQ(Box("TxtPTB_NS")->text(), "2");
  for (int i = 1; i <= 9; ++i) EXPECT_EQ(A(i)->isHidden(), i > 2) << i;
  EXPECT_TRUE(AB(1)->isReadOnly());
  // The upper arrow raises the count, to 9 at most; the lower lowers it, to 2 at least.
  Arrow(QAbstractSlider::SliderSingleStepSub, 9);
  EXPECT_EQ(Box("TxtPTB_NS")->text(), "9");
  EXPECT_FALSE(A(9)->isHidden());
  A(5)->setText("0.1");
  for (const auto& [key, count] : {std::pair{Qt::Key_Up, "9"}, {Qt::Key_Down, "8"}}) {
    QTest::keyClick(Box("TxtPTB_NS"), key);
    EXPECT_EQ(Box("TxtPTB_NS")->text(), count);
  }
  Arrow(QAbstractSlider::SliderSingleStepAdd, 9);
  EXPECT_EQ(Box("TxtPTB_NS")->text(), "2");
  EXPECT_TRUE(A(5)->isHidden());
  Arrow(QAbstractSlider::SliderSingleStepSub, 3);
  EXPECT_EQ(A(5)->text(), "0.1") << "a hidden row keeps its text";
  Press(10);
  EXPECT_EQ(Box("TxtPTB_NS")->text(), "5") << "New keeps the count";
  EXPECT_EQ(A(5)->text(), "");
}

TEST_F(ProbabilityPanels, BayesCalculateAndItsRefusal) {
  Tab(5);
  // Nine events, each P(Ai) = 1/9 and P(B/Ai) = i/10: P(B) = 0.5, P(Ai/B) = i/45.
  Arrow(QAbstractSlider::SliderSingleStepSub, 7);
  for (int i = 1; i <= 9; ++i) {
    A(i)->setText("1/9");
    BA(i)->setText(QString("0.%1").arg(i));
  }
  Press(9);
  EXPECT_EQ(Box("TxtPTB_B")->text() + " " + AB(5)->text() + " " + AB(9)->text(),
            "0.5 0.111111111 0.2");
  for (int i = 1; i <= 9; ++i) EXPECT_EQ(AB(i)->cursorPosition(), 0) << "the leading digits show";
  // Refused: no posterior and no P(B) stay on the panel.
  BA(4)->setText("");
  ui.ExpectMsgBox("Invalid data", Answer::Ok, "Error", Icon::Exclamation, platform::Buttons::Ok);
  Press(9);
  EXPECT_TRUE(ui.AllMet());
  EXPECT_EQ(Box("TxtPTB_B")->text(), "");
  for (int i = 1; i <= 9; ++i) EXPECT_EQ(AB(i)->text(), "") << i;
  EXPECT_EQ(A(4)->text(), "1/9");
}

TEST_F(ProbabilityPanels, EnterAndArrowsRunTheCaretThroughBothBayesColumns) {
  ASSERT_TRUE(active);
  Tab(5);
  Arrow(QAbstractSlider::SliderSingleStepSub, 1);
  for (int i = 1; i <= 3; ++i) BA(i)->setText("0.5");
  A(1)->setText("0.2");
  A(3)->setText("0.5");
  const std::tuple<QLineEdit*, Qt::Key, QLineEdit*> moves[] = {
      {A(3), Qt::Key_Down, BA(1)}, {BA(3), Qt::Key_Return, A(1)}, {A(1), Qt::Key_Up, BA(3)},
      {BA(1), Qt::Key_Up, A(3)},   {BA(2), Qt::Key_Up, BA(1)},    {BA(1), Qt::Key_Down, BA(2)},
      {A(2), Qt::Key_Return, A(3)}};
  for (const auto& [from, key, to] : moves) {
    Key(from, key);
    EXPECT_TRUE(to->hasFocus()) << from->objectName().toStdString();
  }
  EXPECT_EQ(A(2)->text(), "") << "Enter in the blank box itself fills nothing";
  Key(A(1), Qt::Key_Return);
  EXPECT_TRUE(A(2)->hasFocus());
  EXPECT_EQ(A(2)->text(), "0.3");
  QTest::keyClicks(A(2), "0,25");
  EXPECT_EQ(A(2)->text(), "0.25") << "typing replaces the completed value";
}

}  // namespace
