// The test and interval panels driven offscreen by their controls' names.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <map>

#include "frame/FormMain.h"
#include "frame/PictureButton.h"
#include "inference/panels.h"
#include "platform/ui.h"
#include "support/scripted_ui.h"

namespace {

using platform::Answer;
using platform::Icon;
using Texts = std::map<QString, QString>;

// Complete data of the test (task 0) and the interval (task 1) with two normal samples.
const Texts kTwoMeans[2] = {
    {{"txtH0", "0"}, {"TxtCH_N1", "10"}, {"TxtCH_N2", "15"}, {"TxtCH_X1", "20.5"},
     {"TxtCH_X2", "18.1"}, {"TxtCH_S1", "4"}, {"TxtCH_S2", "9"}, {"txt_NCon_0", "0.95"}},
    {{"TxtIC_N1", "10"}, {"TxtIC_N2", "15"}, {"TxtIC_X1", "20.5"}, {"TxtIC_X2", "18.1"},
     {"TxtIC_S1", "4"}, {"TxtIC_S2", "9"}, {"txt_NCon_1", "0.95"}}};
const Texts kVarianceTest = {
    {"txtH0", "4"}, {"TxtCH_N1", "11"}, {"TxtCH_S1", "6"}, {"txt_NCon_0", "0.95"}};

class PanelsTest : public ::testing::Test {
 protected:
  PanelsTest() {
    QDir(folder.path()).mkdir("images");
    platform::SetProgramFolder(folder.path().toStdString());
    inference::InstallInferencePanels(*form);
    form->Form_Load();
    form->show();
    form->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(form.get()));
  }

  // A picture of the given size in images/ (the reader goes by content, not by extension).
  void Picture(const QString& name, int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::blue);
    ASSERT_TRUE(image.save(folder.path() + "/images/" + name, "PNG"));
  }
  template <class T = QLineEdit>
  T* W(const QString& name) {
    T* widget = form->findChild<T*>(name);
    EXPECT_NE(widget, nullptr) << name.toStdString();
    return widget;
  }
  QString Text(const QString& name) {
    const auto* label = form->findChild<QLabel*>(name);
    return label != nullptr ? label->text() : W(name)->text();
  }
  bool Shown(const QString& name) { return W<QWidget>(name)->isVisible(); }
  bool Focused(const QString& name) { return QApplication::focusWidget() == W(name); }
  void Type(const QString& box, const QString& text) { QTest::keyClicks(W(box), text); }
  void Key(const QString& box, Qt::Key key) {
    W(box)->setFocus();
    QTest::keyClick(W(box), key);
  }
  void Fill(const Texts& boxes) {
    for (const auto& [name, text] : boxes) W(name)->setText(text);
  }
  void Choose(int task, const QString& option) {
    form->LblTASK_Click(static_cast<int16_t>(task));
    Click(option);
  }
  // On the round mark, where a click selects an option.
  void Click(const QString& option) {
    QTest::mouseClick(W<QRadioButton>(option), Qt::LeftButton, {}, QPoint(8, 10));
  }
  // The picture buttons: 22 computes and 21 clears the test, 16 and 17 the interval.
  void Press(int button) { QTest::mouseClick(form->Button(button), Qt::LeftButton, {}, {5, 5}); }

  QTemporaryDir folder;
  testing_support::MemorySettings settings;
  testing_support::ScriptedUi ui;
  std::unique_ptr<FormMain> form = std::make_unique<FormMain>();
};

TEST_F(PanelsTest, WorkedExamplesShowTheirTexts) {
  struct Case {
    int task;
    const char* option;
    Texts boxes, shown;
  };
  const Case cases[] = {
      {0, "OptCH_2", kVarianceTest,
       {{"txtCH_ESTA", "15"}, {"txtCH_Acep", "( 3.24697  ,   20.4832 )"},
        {"txt_NCon2_0", "97.5 %"}, {"txt_NSig2_0", "2.5 %"}, {"txt_NSig_0", "0.05"}}},
      {0, "OptCH_5", kTwoMeans[0],
       {{"TxtAUX_0", "23"}, {"Label1_14", "Degrees of freedom (Welch approximation)"}}},
      {1, "OptIC_0",
       {{"TxtIC_N1", "25"}, {"TxtIC_X1", "10.5"}, {"TxtIC_S1", "4"}, {"txt_NCon_1", "0.95"}},
       {{"Txt_IC", " ( 9.71601  ,   11.284 )"}, {"Txt_IC_ERR", "0.783986"},
        {"TxtIC_PPCT1", "1.95996"}, {"txt_NCon2_1", "97.5 %"}, {"txt_NSig2_1", "2.5 %"},
        {"Label1_19", "Percentage point"}, {"Label1_17", "Confidence interval: Population mean"}}},
      {1, "OptIC_2", {{"TxtIC_N1", "11"}, {"TxtIC_S1", "6"}, {"txt_NCon_1", "0.95"}},
       {{"TxtIC_PPCT2", "3.24697"}, {"Label1_19", "Percentage points"}}},
      {1, "OptIC_6", kTwoMeans[1],
       {{"TxtAUX_1", "2.65396"}, {"Label1_15", "Pooled standard deviation"}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.option);
    Choose(c.task, c.option);
    Fill(c.boxes);
    Press(c.task == 0 ? 22 : 16);
    ASSERT_TRUE(Shown(QString("PicRESULT_%1").arg(c.task)));
    for (const auto& [name, text] : c.shown) EXPECT_EQ(Text(name), text) << name.toStdString();
  }
  EXPECT_TRUE(Shown("TxtAUX_1"));
  EXPECT_FALSE(Shown("TxtIC_PPCT2")) << "one point for the pooled interval";
  EXPECT_TRUE(ui.AllMet());
}

// A click on a type's round mark selects that type alone (so the options do not cover one
// another there) and shows its boxes with their captions.
TEST_F(PanelsTest, EachTypeShowsItsBoxes) {
  // Per type: H0, H1, second size, first mean and its caption, second mean, first variance
  // and its caption, second variance; the interval panel has no H0 or H1.
  const char* shown[9] = {"110110110", "110110110", "110000110", "110110000", "111111111",
                          "111111111", "111111111", "001000111", "001111000"};
  const char* names[2][9] = {
      {"txtH0", "TxtH1", "TxtCH_N2", "TxtCH_X1", "Label1_4", "TxtCH_X2", "TxtCH_S1", "Label1_7",
       "TxtCH_S2"},
      {"", "", "TxtIC_N2", "TxtIC_X1", "Label1_23", "TxtIC_X2", "TxtIC_S1", "Label1_22",
       "TxtIC_S2"}};
  form->LblTASK_Click(1);
  EXPECT_FALSE(Shown("PicDATOS_1")) << "no data area before a type is chosen";
  form->LblTASK_Click(0);
  EXPECT_FALSE(Shown("PicDATOS_0"));
  EXPECT_FALSE(Shown("Picture2_1"));
  W("TxtCH_N2")->setText("15");
  for (int type = 0; type < 9; ++type) {
    for (int task : {1, 0}) {
      SCOPED_TRACE(testing::Message() << "type " << type << " task " << task);
      const QString option = task == 0 ? "OptCH_%1" : "OptIC_%1";
      Choose(task, option.arg(type));
      const QString title = QString("LblTITLE2_%1").arg(task);
      EXPECT_EQ(Text(title), W<QRadioButton>(option.arg(type))->text());
      for (int i = 0; i < 9; ++i) EXPECT_EQ(W<QRadioButton>(option.arg(i))->isChecked(), i == type);
      for (int i = 2 * task; i < 9; ++i) {
        EXPECT_EQ(Shown(names[task][i]), shown[type][i] == '1') << i;
      }
      const bool h0 = task == 0 && shown[type][0] == '1';
      EXPECT_TRUE(Focused(h0 ? "txtH0" : task == 0 ? "TxtCH_N1" : "TxtIC_N1"));
    }
    EXPECT_EQ(Text("TxtCH_N2"), "15") << "a hidden box keeps its text";
    EXPECT_TRUE(Shown("TxtCH_N1") && Shown("Picture2_1"));
  }
}

TEST_F(PanelsTest, TypingFollowsTheCommaRuleTheLevelPairAndHidesTheResult) {
  // Sizes drop a comma, every other box makes it a point; clearing a level box leaves no
  // level, and that change hides the result too.
  const std::tuple<int, const char*, const char*, const char*> cases[] = {
      {0, "TxtCH_N1", "1,0", "10"},    {0, "TxtCH_S2", ",5", ".5"},
      {0, "txtH0", "0,1", "0.1"},      {0, "txt_NCon_0", "0,9", "0.9"},
      {1, "TxtIC_N2", "3,0", "30"},    {1, "TxtIC_X1", "10,5", "10.5"},
      {1, "txt_NSig_1", "0,1", "0.1"}};
  for (const auto& [task, box, typed, text] : cases) {
    SCOPED_TRACE(box);
    Choose(task, task == 0 ? "OptCH_4" : "OptIC_4");
    Fill(kTwoMeans[task]);
    Press(task == 0 ? 22 : 16);
    const QString result = QString("PicRESULT_%1").arg(task);
    ASSERT_TRUE(Shown(result));
    W(box)->clear();
    EXPECT_FALSE(Shown(result)) << "a change hides the result";
    Type(box, typed);
    EXPECT_EQ(Text(box), text);
  }
  W("txt_NCon_0")->clear();
  Type("txt_NCon_0", ".");
  EXPECT_EQ(Text("txt_NCon_0"), "0.");
  EXPECT_EQ(W("txt_NCon_0")->cursorPosition(), 2);
  EXPECT_EQ(Text("txt_NSig_0"), "");
  Type("txt_NCon_0", "95");
  EXPECT_EQ(Text("txt_NSig_0"), "0.05");
  W("txt_NSig_1")->setText("1/20");
  EXPECT_EQ(Text("txt_NCon_1"), "0.95");
  W("txtH0")->clear();
  Type("txtH0", "12");
  EXPECT_EQ(Text("TxtH1"), "12");
}

TEST_F(PanelsTest, MessagesAndTailClicks) {
  Choose(0, "OptCH_2");
  EXPECT_TRUE(W<QRadioButton>("OptSIDE_1")->isChecked()) << "two-sided at start";
  Fill(kVarianceTest);
  Click("OptSIDE_2");  // with complete data a tail click computes at once
  ASSERT_TRUE(Shown("PicRESULT_0"));
  EXPECT_EQ(Text("txtCH_Acep"), "( 0  ,   18.307 )");
  EXPECT_FALSE(Shown("txt_NCon2_0") || Shown("Label1_13")) << "one-sided";
  EXPECT_TRUE(Shown("TxtAceptaH0") && !Shown("TxtAceptaH1"));
  EXPECT_FALSE(W<QRadioButton>("OptSIDE_1")->isChecked());

  // Reader failures and check failures on both panels, with and without a tail click.
  const std::tuple<int, const char*, const char*, const char*, bool> cases[] = {
      {0, "TxtCH_S1", "", "No data or invalid data", false},
      {0, "TxtCH_N1", "1", "Invalid data", false},
      {0, "TxtCH_N1", "1", "Invalid data", true},
      {0, "txt_NCon_0", "100%", "Invalid data", false},
      {1, "TxtIC_S2", " ", "No data or invalid data", false},
      {1, "TxtIC_S1", "0", "Invalid data", false}};
  for (const auto& [task, box, text, message, tailClick] : cases) {
    SCOPED_TRACE(std::string(box) + " " + text);
    Choose(task, task == 0 ? "OptCH_2" : "OptIC_4");
    Fill(task == 0 ? kVarianceTest : kTwoMeans[1]);
    Press(task == 0 ? 22 : 16);
    const QString result = QString("PicRESULT_%1").arg(task);
    ASSERT_TRUE(Shown(result));
    W(box)->setText(text);
    const bool noData = std::string(message) != "Invalid data";
    ui.ExpectMsgBox(message, Answer::Ok, noData ? "Error" : "",
                    noData ? Icon::Exclamation : Icon::None);
    tailClick ? Click("OptSIDE_0") : Press(task == 0 ? 22 : 16);
    EXPECT_TRUE(ui.AllMet());
    EXPECT_FALSE(Shown(result));
  }
  // A tail click with a blank box computes nothing and says nothing.
  Choose(0, "OptCH_2");
  W("TxtCH_N1")->clear();
  Click("OptSIDE_1");
  EXPECT_FALSE(Shown("PicRESULT_0"));
}

TEST_F(PanelsTest, EnterComputesAndMovesOnAndClearEmpties) {
  Choose(0, "OptCH_0");
  Fill({{"txtH0", "10"}, {"TxtCH_N1", "25"}, {"TxtCH_X1", "10.5"}, {"TxtCH_S1", "4"},
        {"txt_NCon_0", "0.95"}});
  Key("TxtCH_X1", Qt::Key_Return);
  EXPECT_TRUE(Shown("PicRESULT_0"));
  EXPECT_EQ(Text("txtCH_ESTA"), "1.25");
  EXPECT_TRUE(Focused("TxtCH_S1")) << "the hidden TxtCH_X2 is passed over";
  QApplication::processEvents();
  EXPECT_EQ(W("TxtCH_S1")->selectedText(), "4") << "a box selects its text on focus";
  W("TxtCH_N1")->clear();
  Key("TxtCH_S1", Qt::Key_Enter);
  EXPECT_FALSE(Shown("PicRESULT_0"));
  EXPECT_TRUE(Focused("txt_NCon_0"));

  // Clear on a fixed-null test empties every box, hidden ones too, and goes to the first size.
  Choose(0, "OptCH_7");
  Fill(kTwoMeans[0]);
  Press(21);
  QString all = Text("TxtH1") + Text("txt_NSig_0");
  for (const auto& [box, text] : kTwoMeans[0]) all += Text(box);
  EXPECT_EQ(all, "");
  EXPECT_TRUE(Focused("TxtCH_N1"));

  // On the interval panel Enter neither computes nor moves on.
  Choose(1, "OptIC_4");
  Fill(kTwoMeans[1]);
  Key("txt_NCon_1", Qt::Key_Return);
  EXPECT_FALSE(Shown("PicRESULT_1"));
  EXPECT_TRUE(Focused("txt_NCon_1"));
  Press(17);
  EXPECT_EQ(Text("TxtIC_X2") + Text("txt_NCon_1"), "");
  EXPECT_TRUE(Focused("TxtIC_N1"));
}

// A box stands right of its symbol whatever the picture's size; a missing picture leaves its
// symbol empty, and a missing margin picture hides the margin box.
TEST_F(PanelsTest, BoxesStandRightOfTheirPictures) {
  Picture("ImgNMVP_1.gif", 30, 42);
  Picture("ImgNMVP_11.gif", 40, 42);
  Picture("IC_EMVC.GIF", 50, 20);
  Choose(0, "OptCH_4");
  EXPECT_EQ(W("TxtCH_N2")->x(), W<QLabel>("ImgSIZE_CH")->x() + 32);
  EXPECT_EQ(W("TxtCH_X1")->x(), W<QLabel>("ImgMEDIA_CH")->x() + 42);
  EXPECT_TRUE(W<QLabel>("ImgVARIANZA_CH")->pixmap().isNull());
  Choose(1, "OptIC_0");
  EXPECT_FALSE(W("Txt_IC_ERR")->isHidden());
  EXPECT_EQ(W("Txt_IC_ERR")->x(), W<QLabel>("Img_IC_Err")->x() + 52);
  Choose(1, "OptIC_7");
  EXPECT_TRUE(W("Txt_IC_ERR")->isHidden()) << "IC_E2VA.GIF is missing";
  Fill(kTwoMeans[1]);
  Press(16);
  EXPECT_TRUE(Shown("TxtIC_PPCT2"));
  EXPECT_FALSE(Shown("Txt_IC_ERR") || Shown("Label1_18")) << "no margin for the variance ratio";
}

}  // namespace
