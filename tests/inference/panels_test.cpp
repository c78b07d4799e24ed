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
#include "shared/PictureButton.h"
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
  QString Seen(const QString& name) { return Shown(name) ? Text(name) : "(hidden)"; }
  bool Focused(const QString& name) { return QApplication::focusWidget() == W(name); }
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
  // Panel, type option, the tail clicked to compute (nullptr: the compute button), typed
  // boxes, what the result area shows. The tail stays as a case leaves it.
  const std::tuple<int, const char*, const char*, Texts, Texts> cases[] = {
      {0, "OptCH_2", nullptr, kVarianceTest,
       {{"txtCH_ESTA", "15"}, {"txtCH_Acep", "( 3.24697  ,   20.4832 )"},
        {"txt_NCon2_0", "97.5 %"}, {"txt_NSig2_0", "2.5 %"}, {"TxtAceptaH1", "(hidden)"}}},
      // With complete data a tail click computes at once.
      {0, "OptCH_2", "OptSIDE_2", kVarianceTest,
       {{"txtCH_Acep", "( 0  ,   18.307 )"}, {"txt_NCon2_0", "(hidden)"},
        {"Label1_13", "(hidden)"}}},
      {0, "OptCH_5", nullptr, kTwoMeans[0],
       {{"TxtAUX_0", "23"}, {"Label1_14", "Degrees of freedom (Welch approximation)"},
        {"TxtAceptaH0", "(hidden)"}}},
      {1, "OptIC_0", nullptr,
       {{"TxtIC_N1", "25"}, {"TxtIC_X1", "10.5"}, {"TxtIC_S1", "4"}, {"txt_NCon_1", "0.95"}},
       {{"Txt_IC", " ( 9.71601  ,   11.284 )"}, {"Txt_IC_ERR", "0.783986"},
        {"TxtIC_PPCT1", "1.95996"}, {"txt_NCon2_1", "97.5 %"}, {"txt_NSig2_1", "2.5 %"},
        {"Label1_19", "Percentage point"}}},
      {1, "OptIC_2", nullptr, {{"TxtIC_N1", "11"}, {"TxtIC_S1", "6"}, {"txt_NCon_1", "0.95"}},
       {{"TxtIC_PPCT2", "3.24697"}, {"Label1_19", "Percentage points"}, {"Txt_IC_ERR", "(hidden)"},
        {"Label1_18", "(hidden)"}, {"TxtAUX_1", "(hidden)"}}},
      {1, "OptIC_6", nullptr, kTwoMeans[1],
       {{"TxtAUX_1", "2.65396"}, {"Label1_15", "Pooled standard deviation"},
        {"TxtIC_PPCT2", "(hidden)"}}},
  };
  for (const auto& [task, option, tail, boxes, shown] : cases) {
    SCOPED_TRACE(option);
    Choose(task, option);
    Fill(boxes);
    tail != nullptr ? Click(tail) : Press(task == 0 ? 22 : 16);
    ASSERT_TRUE(Shown(QString("PicRESULT_%1").arg(task)));
    for (const auto& [name, text] : shown) EXPECT_EQ(Seen(name), text) << name.toStdString();
  }
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
      EXPECT_EQ(Text(task == 0 ? "Label1_6" : "Label1_24"),
                type < 4 ? "Sample size" : "Samples size");
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

// Every edit hides the result. Sizes drop a comma and every other box makes it a point; the
// null value and the level pair fill their partner boxes. A blank box is reported as no data,
// a value the computation refuses as invalid, also when a tail click computes.
TEST_F(PanelsTest, EditsHideTheResultAndBadDataIsReported) {
  const char* noData = "No data or invalid data";
  // Panel, box, keys typed into it once cleared, its text then, the partner box ("": none) and
  // its text, the message on computing again ("": none), whether by a tail click.
  const std::tuple<int, const char*, const char*, const char*, const char*, const char*,
                   const char*, bool>
      cases[] = {{0, "TxtCH_N1", "1,0", "10", "", "", "", false},
                 {0, "TxtCH_S2", ",5", ".5", "", "", "", false},
                 {0, "txtH0", "0,1", "0.1", "TxtH1", "0.1", "", false},
                 {0, "txt_NCon_0", "0,9", "0.9", "txt_NSig_0", "0.1", "", false},
                 {0, "txt_NCon_0", ".", "0.", "txt_NSig_0", "", "", false},  // a lone point
                 {1, "TxtIC_N2", "3,0", "30", "", "", "", false},
                 {1, "TxtIC_X1", "10,5", "10.5", "", "", "", false},
                 {1, "txt_NSig_1", "0,1", "0.1", "txt_NCon_1", "0.9", "", false},
                 {0, "TxtCH_S1", "", "", "", "", noData, false},
                 {0, "TxtCH_N1", "0", "0", "", "", "Invalid data", true},
                 {0, "txt_NCon_0", "100%", "100%", "", "", "Invalid data", false},
                 {1, "TxtIC_S2", " ", " ", "", "", noData, false},
                 {1, "TxtIC_S1", "0", "0", "", "", "Invalid data", false}};
  for (const auto& [task, box, typed, text, partner, partnerText, message, tailClick] : cases) {
    SCOPED_TRACE(std::string(box) + " " + typed);
    Choose(task, task == 0 ? "OptCH_4" : "OptIC_4");
    Fill(kTwoMeans[task]);
    Press(task == 0 ? 22 : 16);
    const QString result = QString("PicRESULT_%1").arg(task);
    ASSERT_TRUE(Shown(result));
    W(box)->clear();
    EXPECT_FALSE(Shown(result)) << "a change hides the result";
    QTest::keyClicks(W(box), typed);
    EXPECT_EQ(Text(box), text);
    EXPECT_EQ(*partner == '\0' ? "" : Text(partner), partnerText);
    if (*message == '\0') continue;
    const bool invalid = std::string(message) == "Invalid data";
    ui.ExpectMsgBox(message, Answer::Ok, invalid ? "" : "Error",
                    invalid ? Icon::None : Icon::Exclamation);
    tailClick ? Click("OptSIDE_0") : Press(task == 0 ? 22 : 16);
    EXPECT_TRUE(ui.AllMet());
    EXPECT_FALSE(Shown(result));
  }
}

// Enter in a test's box and a tail click compute only when every box reads; Enter moves on.
TEST_F(PanelsTest, EnterAndTailClicksComputeOnCompleteDataAndClearEmpties) {
  Choose(0, "OptCH_0");
  EXPECT_TRUE(W<QRadioButton>("OptSIDE_1")->isChecked()) << "two-sided at start";
  Fill({{"txtH0", "10"}, {"TxtCH_N1", "25"}, {"TxtCH_X1", "10.5"}, {"TxtCH_S1", "4"},
        {"txt_NCon_0", "0.95"}});
  W("TxtCH_X1")->setFocus();
  QTest::keyClick(W("TxtCH_X1"), Qt::Key_Return);
  EXPECT_EQ(Seen("txtCH_ESTA"), "1.25");
  EXPECT_TRUE(Focused("TxtCH_S1")) << "the hidden TxtCH_X2 is passed over";
  QApplication::processEvents();
  EXPECT_EQ(W("TxtCH_S1")->selectedText(), "4") << "a box selects its text on focus";
  W("TxtCH_N1")->clear();
  W("TxtCH_S1")->setFocus();
  QTest::keyClick(W("TxtCH_S1"), Qt::Key_Enter);
  EXPECT_TRUE(Focused("txt_NCon_0"));
  Click("OptSIDE_2");  // with a blank box neither computes nor says anything
  EXPECT_FALSE(Shown("PicRESULT_0"));
  EXPECT_FALSE(W<QRadioButton>("OptSIDE_1")->isChecked());

  // Clear on a fixed-null test empties every box, hidden ones too, and goes to the first size.
  Choose(0, "OptCH_7");
  Fill(kTwoMeans[0]);
  Press(21);
  QString all = Text("TxtH1") + Text("txt_NSig_0");
  for (const auto& [box, text] : kTwoMeans[0]) all += Text(box);
  EXPECT_EQ(all, "");
  EXPECT_TRUE(Focused("TxtCH_N1"));

  Choose(1, "OptIC_4");
  Fill(kTwoMeans[1]);
  W("txt_NCon_1")->setFocus();
  QTest::keyClick(W("txt_NCon_1"), Qt::Key_Return);  // the interval's boxes take no Enter
  EXPECT_TRUE(!Shown("PicRESULT_1") && Focused("txt_NCon_1"));
  Press(17);
  EXPECT_EQ(Text("TxtIC_X2") + Text("txt_NCon_1"), "");
  EXPECT_TRUE(Focused("TxtIC_N1"));
}

// A level typed into either box is the one computed with; the other box only shows its
// 6 digits. Values from 40-digit mpmath (tests/data/inference_extremes.tsv): at the typed
// significance 0.0001234 z is 3.83927, at the shown level 0.999877 3.84007.
TEST_F(PanelsTest, TheLevelIsComputedAsTypedInEitherBox) {
  Choose(0, "OptCH_0");
  Fill({{"txtH0", "10"}, {"TxtCH_N1", "25"}, {"TxtCH_X1", "10.5"}, {"TxtCH_S1", "4"}});
  QTest::keyClicks(W("txt_NSig_0"), "0.0001234");
  EXPECT_EQ(Text("txt_NCon_0"), "0.999877");
  Press(22);
  EXPECT_EQ(Seen("txtCH_Acep"), "( -3.83927  ,   3.83927 )");
  EXPECT_EQ(Seen("txt_NSig2_0"), "0.00617 %");
  QTest::keyClick(W("txt_NSig_0"), Qt::Key_Return);  // Enter computes from the same box
  EXPECT_EQ(Seen("txtCH_Acep"), "( -3.83927  ,   3.83927 )");

  Choose(1, "OptIC_0");
  Fill({{"TxtIC_N1", "25"}, {"TxtIC_X1", "10.5"}, {"TxtIC_S1", "4"}});
  QTest::keyClicks(W("txt_NSig_1"), "0.0001234");
  Press(16);
  EXPECT_EQ(Seen("Txt_IC_ERR"), "1.53571");
  // Typed in the confidence box, the level is that box's text.
  W("txt_NCon_1")->clear();
  QTest::keyClicks(W("txt_NCon_1"), "0.999877");
  EXPECT_EQ(Text("txt_NSig_1"), "0.000123");
  Press(16);
  EXPECT_EQ(Seen("Txt_IC_ERR"), "1.53603");
  EXPECT_EQ(Seen("Txt_IC"), " ( 8.96397  ,   12.036 )");
}

// Tab runs down the data rows, each row's first box before its second, then to the level
// pair; boxes the type hides are passed over.
TEST_F(PanelsTest, TabRunsDownTheRowsOfTwoSamples) {
  const QStringList orders[2] = {
      {"txtH0", "TxtCH_N1", "TxtCH_N2", "TxtCH_X1", "TxtCH_X2", "TxtCH_S1", "TxtCH_S2",
       "txt_NCon_0", "txt_NSig_0"},
      {"TxtIC_N1", "TxtIC_N2", "TxtIC_X1", "TxtIC_X2", "TxtIC_S1", "TxtIC_S2", "txt_NCon_1",
       "txt_NSig_1"}};
  for (int task : {0, 1}) {
    for (const char* option : {"Opt%1_4", "Opt%1_8"}) {
      Choose(task, QString(option).arg(task == 0 ? "CH" : "IC"));
      QStringList visited = {QApplication::focusWidget()->objectName()};
      for (int i = 0; i < 8; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
        if (visited.back().startsWith("txt_NSig")) break;
      }
      QStringList expected = orders[task];
      if (QString(option).endsWith("8")) {  // no variances, and a fixed null value
        expected.removeIf([](const QString& n) { return n.contains("_S") || n == "txtH0"; });
      }
      EXPECT_EQ(visited, expected) << option;
    }
  }
}

// Beside the interval stands the symbol of the parameter its caption names: the parameter
// pictures are, in order, of a mean, a proportion, a variance, a mean difference, a variance
// ratio and a proportion difference.
TEST_F(PanelsTest, EachIntervalShowsItsParameterSymbol) {
  const std::map<QString, int> symbol = {
      {"Population mean", 0},            {"Population ratio", 1},
      {"Population variance", 2},        {"Population mean difference", 3},
      {"Population variance ratio", 4},  {"Population ratio difference", 5}};
  for (int i = 0; i < 6; ++i) {  // told apart by their widths
    QImage image(20 + 4 * i, 16, QImage::Format_RGB32);
    image.fill(Qt::darkGreen);
    ASSERT_TRUE(image.save(folder.path() + QString("/images/ImgIC_%1.gif").arg(i), "PNG"));
  }
  for (int type = 0; type < 9; ++type) {
    Choose(1, QString("OptIC_%1").arg(type));
    const QString caption = Text("Label1_17").remove("Confidence interval: ");
    ASSERT_TRUE(symbol.contains(caption)) << caption.toStdString();
    EXPECT_EQ(W<QLabel>("ImgPARAM")->width(), 20 + 4 * symbol.at(caption)) << type;
    EXPECT_EQ(W("Txt_IC")->x(), W<QLabel>("ImgPARAM")->x() + W<QLabel>("ImgPARAM")->width() + 2);
  }
}

// Choosing a type whose margin picture is missing hides the margin box.
TEST_F(PanelsTest, TheMarginBoxGoesWithItsPicture) {
  QImage image(50, 20, QImage::Format_RGB32);
  image.fill(Qt::blue);
  ASSERT_TRUE(image.save(folder.path() + "/images/IC_EMVC.GIF", "PNG"));
  Choose(1, "OptIC_0");
  EXPECT_FALSE(W("Txt_IC_ERR")->isHidden());
  Choose(1, "OptIC_7");
  EXPECT_TRUE(W("Txt_IC_ERR")->isHidden()) << "IC_E2VA.GIF is missing";
}

}  // namespace
