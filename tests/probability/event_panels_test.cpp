// The A and B events panel and the total probability and Bayes panel in the main window,
// driven offscreen by their controls' names.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>
#include <map>

#include "frame/FormMain.h"
#include "frame/PictureButton.h"
#include "numeric/numeric.h"
#include "probability/events_panels.h"
#include "support/scripted_ui.h"

// Failures show the text, not its code units.
inline void PrintTo(const QString& text, std::ostream* os) {
  *os << '"' << text.toStdString() << '"';
}

namespace {

using platform::Answer;
using platform::Icon;
using testing_support::MemorySettings;
using testing_support::ScriptedUi;

class EventPanelsTest : public ::testing::Test {
 protected:
  EventPanelsTest() {
    probability::InstallEventPanels(*form);
    form->Form_Load();
    form->show();
    form->activateWindow();
    active = QTest::qWaitForWindowActive(form.get());
  }

  void Tab(int task) { form->LblTASK_Click(static_cast<int16_t>(task)); }
  QLineEdit* Box(const QString& name) { return form->findChild<QLineEdit*>(name); }
  QLineEdit* PAB(int k) { return Box(QString("TxtPAB_%1").arg(k)); }
  QLineEdit* A(int i) { return Box(QString("TxtPTB_A_%1").arg(i)); }
  QLineEdit* BA(int i) { return Box(QString("TxtPTB_BA_%1").arg(i)); }
  QLineEdit* AB(int i) { return Box(QString("TxtPTB_AB_%1").arg(i)); }
  QScrollBar* Bar() { return form->findChild<QScrollBar*>("VScroll3"); }
  void Press(int number) {
    QTest::mouseClick(form->Button(number), Qt::LeftButton, {}, QPoint(50, 15));
  }
  void Key(QLineEdit* box, Qt::Key key) {
    box->setFocus();
    QTest::keyClick(box, key);
  }
  void ExpectInvalid() {
    ui.ExpectMsgBox("Invalid data", Answer::Ok, std::string("Error"), Icon::Exclamation,
                    platform::Buttons::Ok);
  }
  // Rows 1..n of the total probability panel.
  void Rows(const std::vector<std::pair<const char*, const char*>>& rows) {
    for (size_t i = 0; i < rows.size(); ++i) {
      A(static_cast<int>(i) + 1)->setText(rows[i].first);
      BA(static_cast<int>(i) + 1)->setText(rows[i].second);
    }
  }

  MemorySettings settings;
  ScriptedUi ui;
  frame::FrameState state;
  tables::Table1V table1V;
  tables::Table2V table2V;
  std::unique_ptr<FormMain> form = std::make_unique<FormMain>(state, table1V, table2V);
  bool active = false;
};

TEST_F(EventPanelsTest, CalculateWritesOnlyTheBlankBoxesAndDeleteEmptiesThemAll) {
  Tab(6);
  EXPECT_EQ(form->findChild<QWidget*>("PanelPAB")->geometry(), form->Panel(6)->rect());
  for (int k = 1; k <= 14; ++k) EXPECT_EQ(PAB(k)->text(), "") << "empty after the load";
  // Two columns of seven, box k + 7 on the row of box k.
  for (int k = 1; k <= 7; ++k) {
    EXPECT_EQ(PAB(k + 7)->y(), PAB(k)->y());
    EXPECT_LT(PAB(k)->x(), PAB(k + 7)->x());
    EXPECT_GT(PAB(k)->y(), k > 1 ? PAB(k - 1)->y() : 0);
  }
  const std::map<int, QString> typed = {{1, "1/3"}, {2, "50%"}, {3, "1/6"}, {9, "  "}};
  for (const auto& [k, text] : typed) PAB(k)->setText(text);
  Press(24);
  // Each written box shows its exact value to 8 digits; typed boxes keep their text.
  const double a = 1.0 / 3, b = 0.5, ab = 1.0 / 6;
  const double exact[15] = {0,     a,         b,         ab,        a + b - ab,
                            1 - (a + b - ab), ab / b,    ab / a,    1 - a,
                            1 - b, 1 - ab,    1 - (a + b - ab), 1 - ab, a - ab,
                            b - ab};
  for (int k = 1; k <= 14; ++k) {
    const bool kept = typed.count(k) != 0 && k != 9;
    EXPECT_EQ(PAB(k)->text(),
              kept ? typed.at(k) : QString::fromStdString(FormatoCifras(exact[k], 8)))
        << "box " << k;
  }
  PAB(4)->setText(".");
  Press(23);
  for (int k = 1; k <= 14; ++k) EXPECT_EQ(PAB(k)->text(), "") << "box " << k;
}

TEST_F(EventPanelsTest, ContradictoryBoxesShowTheMessageAndKeepEveryText) {
  Tab(6);
  const std::vector<std::map<int, QString>> cases = {
      {{1, "0.8"}, {2, "0.7"}, {3, "0.1"}},
      {{1, "0.4"}, {2, "0.5"}, {3, "0.2"}, {4, "0.8"}},
      {{6, "1.5"}, {8, "abc"}},
  };
  for (const auto& typed : cases) {
    Press(23);
    for (const auto& [k, text] : typed) PAB(k)->setText(text);
    ExpectInvalid();
    Press(24);
    EXPECT_TRUE(ui.AllMet());
    for (int k = 1; k <= 14; ++k) {
      EXPECT_EQ(PAB(k)->text(), typed.count(k) ? typed.at(k) : QString()) << "box " << k;
    }
  }
}

TEST_F(EventPanelsTest, KeysOfTheABBoxes) {
  ASSERT_TRUE(active);
  Tab(6);
  struct Move {
    int from;
    Qt::Key key;
    int to;
  };
  const Move moves[] = {{1, Qt::Key_Return, 2}, {7, Qt::Key_Down, 8}, {13, Qt::Key_Tab, 14},
                        {14, Qt::Key_Return, 1}, {14, Qt::Key_Tab, 1}, {14, Qt::Key_Down, 1},
                        {1, Qt::Key_Up, 14},    {8, Qt::Key_Up, 7},  {5, Qt::Key_Enter, 6}};
  for (const Move& m : moves) {
    PAB(m.from)->setText("0.25");
    Key(PAB(m.from), m.key);
    EXPECT_TRUE(PAB(m.to)->hasFocus()) << m.from << " -> " << m.to;
    EXPECT_EQ(PAB(m.from)->text(), "0.25") << "the key does nothing else";
  }
  PAB(3)->setText("0.125");
  PAB(3)->setFocus();
  EXPECT_EQ(PAB(3)->selectedText(), "0.125") << "entering a box selects its text";
  PAB(3)->clear();
  QTest::keyClicks(PAB(3), ".");
  EXPECT_EQ(PAB(3)->text(), "0.");
  EXPECT_EQ(PAB(3)->cursorPosition(), 2);
  QTest::keyClicks(PAB(3), "5,");
  EXPECT_EQ(PAB(3)->text(), "0.5.");
}

TEST_F(EventPanelsTest, BayesPanelOpensWithTwoRowsAndCountsWithItsBar) {
  Tab(5);
  EXPECT_EQ(form->findChild<QWidget*>("PanelPTB")->geometry(), form->Panel(5)->rect());
  EXPECT_EQ(Box("TxtPTB_NS")->text(), "2");
  const auto caption = [this](const char* column, int i) {
    return form->findChild<QLabel*>(QString("LblPTB_%1_%2").arg(column).arg(i))->text();
  };
  for (int i = 1; i <= 9; ++i) {
    EXPECT_EQ(A(i)->isHidden(), i > 2) << i;
    EXPECT_EQ(caption("A", i) + caption("BA", i) + caption("AB", i),
              QString("p(A%1) =p(B/A%1) =p(A%1/B) =").arg(i));
    EXPECT_EQ(AB(i)->geometry(), QRect(514, 35 * i, 97, 28));
  }
  EXPECT_TRUE(AB(1)->isReadOnly());
  // The upper arrow raises the count, to 9 at most; the lower lowers it, to 2 at least.
  for (int step = 0; step < 9; ++step) Bar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
  EXPECT_EQ(Box("TxtPTB_NS")->text(), "9");
  EXPECT_FALSE(A(9)->isHidden());
  A(5)->setText("0.1");
  const std::pair<Qt::Key, const char*> keys[] = {
      {Qt::Key_Up, "9"}, {Qt::Key_Down, "8"}, {Qt::Key_Down, "7"}, {Qt::Key_Up, "8"}};
  for (const auto& [key, count] : keys) {
    QTest::keyClick(Box("TxtPTB_NS"), key);
    EXPECT_EQ(Box("TxtPTB_NS")->text(), count);
  }
  for (int step = 0; step < 9; ++step) Bar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
  EXPECT_EQ(Box("TxtPTB_NS")->text(), "2");
  EXPECT_TRUE(A(5)->isHidden());
  for (int step = 0; step < 3; ++step) Bar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
  EXPECT_EQ(A(5)->text(), "0.1") << "a hidden row keeps its text";
  Press(10);
  EXPECT_EQ(Box("TxtPTB_NS")->text(), "5") << "New keeps the count";
  EXPECT_EQ(A(5)->text(), "");
}

TEST_F(EventPanelsTest, BayesCalculateAndItsRefusal) {
  Tab(5);
  Rows({{"0.3", "0.5"}, {"0.7", "0.1"}});
  Press(9);
  EXPECT_EQ(Box("TxtPTB_B")->text(), "0.22");
  EXPECT_EQ(AB(1)->text(), QString::fromStdString(FormatoCifras(15.0 / 22, 9)));
  EXPECT_EQ(AB(2)->text(), QString::fromStdString(FormatoCifras(7.0 / 22, 9)));

  // Nine events, each P(Ai) = 1/9 and P(B/Ai) = i/10: P(B) = 0.5, P(Ai/B) = i/45.
  for (int step = 0; step < 7; ++step) Bar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
  for (int i = 1; i <= 9; ++i) {
    A(i)->setText("1/9");
    BA(i)->setText(QString("0.%1").arg(i));
  }
  Press(9);
  EXPECT_EQ(Box("TxtPTB_B")->text(), "0.5");
  for (int i = 1; i <= 9; ++i) {
    EXPECT_EQ(AB(i)->text(), QString::fromStdString(FormatoCifras(i / 45.0, 9))) << i;
    EXPECT_EQ(AB(i)->cursorPosition(), 0) << "the leading digits show";
  }

  // Refused: no posterior and no P(B) stay on the panel.
  BA(4)->setText("");
  ExpectInvalid();
  Press(9);
  EXPECT_TRUE(ui.AllMet());
  EXPECT_EQ(Box("TxtPTB_B")->text(), "");
  for (int i = 1; i <= 9; ++i) EXPECT_EQ(AB(i)->text(), "") << i;
  EXPECT_EQ(A(4)->text(), "1/9");
}

TEST_F(EventPanelsTest, EnterAndArrowsRunTheCaretThroughBothColumns) {
  ASSERT_TRUE(active);
  Tab(5);
  for (int step = 0; step < 1; ++step) Bar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
  Rows({{"0.2", "0.5"}, {"", "0.5"}, {"0.5", "0.5"}});
  struct Move {
    QLineEdit* from;
    Qt::Key key;
    QLineEdit* to;
  };
  const Move moves[] = {{A(3), Qt::Key_Down, BA(1)}, {BA(3), Qt::Key_Return, A(1)},
                        {A(1), Qt::Key_Up, BA(3)},   {BA(1), Qt::Key_Up, A(3)},
                        {BA(2), Qt::Key_Up, BA(1)},  {BA(1), Qt::Key_Down, BA(2)},
                        {A(2), Qt::Key_Return, A(3)}};
  for (const Move& m : moves) {
    Key(m.from, m.key);
    EXPECT_TRUE(m.to->hasFocus()) << m.from->objectName().toStdString();
  }
  EXPECT_EQ(A(2)->text(), "") << "Enter in the blank box itself fills nothing";
  Key(A(1), Qt::Key_Return);
  EXPECT_TRUE(A(2)->hasFocus());
  EXPECT_EQ(A(2)->text(), "0.3");
  QTest::keyClicks(A(2), "0,25");
  EXPECT_EQ(A(2)->text(), "0.25") << "typing replaces the completed value";
}

}  // namespace
