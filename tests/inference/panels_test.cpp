// The test and interval panels driven offscreen by their controls' names.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
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
using testing_support::MemorySettings;
using testing_support::ScriptedUi;

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
  QString Text(const QString& box) { return W(box)->text(); }
  bool Shown(const QString& name) { return W<QWidget>(name)->isVisible(); }
  void Type(const QString& box, const QString& text) { QTest::keyClicks(W(box), text); }
  void Fill(const std::map<QString, QString>& boxes) {
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
  void Press(int button) {
    frame::PictureButton* b = form->Button(button);
    QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(5, 5));
  }

  QTemporaryDir folder;
  MemorySettings settings;
  ScriptedUi ui;
  std::unique_ptr<FormMain> form = std::make_unique<FormMain>();
};

TEST_F(PanelsTest, WorkedExamplesShowTheirTexts) {
  struct Case {
    int task;
    const char* option;
    std::map<QString, QString> boxes;
    std::map<QString, QString> shown;
  };
  const Case cases[] = {
      {0, "OptCH_2",
       {{"txtH0", "4"}, {"TxtCH_N1", "11"}, {"TxtCH_S1", "6"}, {"txt_NCon_0", "0.95"}},
       {{"txtCH_ESTA", "15"}, {"txtCH_Acep", "( 3.24697  ,   20.4832 )"},
        {"txt_NCon2_0", "97.5 %"}, {"txt_NSig2_0", "2.5 %"}, {"txt_NSig_0", "0.05"}}},
      {0, "OptCH_5",
       {{"txtH0", "0"}, {"TxtCH_N1", "10"}, {"TxtCH_N2", "15"}, {"TxtCH_X1", "20.5"},
        {"TxtCH_X2", "18.1"}, {"TxtCH_S1", "4"}, {"TxtCH_S2", "9"}, {"txt_NCon_0", "95%"}},
       {{"TxtAUX_0", "23"}, {"Label1_14", "Degrees of freedom (Welch approximation)"},
        {"txt_NSig_0", "5%"}}},
      {1, "OptIC_0",
       {{"TxtIC_N1", "25"}, {"TxtIC_X1", "10.5"}, {"TxtIC_S1", "4"}, {"txt_NCon_1", "0.95"}},
       {{"Txt_IC", " ( 9.71601  ,   11.284 )"}, {"Txt_IC_ERR", "0.783986"},
        {"TxtIC_PPCT1", "1.95996"}, {"txt_NCon2_1", "97.5 %"}, {"txt_NSig2_1", "2.5 %"},
        {"Label1_19", "Percentage point"}, {"Label1_17", "Confidence interval: Population mean"}}},
      {1, "OptIC_2",
       {{"TxtIC_N1", "11"}, {"TxtIC_S1", "6"}, {"txt_NCon_1", "0.95"}},
       {{"Txt_IC", " ( 2.92923  ,   18.4788 )"}, {"TxtIC_PPCT1", "20.4832"},
        {"TxtIC_PPCT2", "3.24697"}, {"Label1_19", "Percentage points"}}},
      {1, "OptIC_6",
       {{"TxtIC_N1", "10"}, {"TxtIC_N2", "15"}, {"TxtIC_X1", "20.5"}, {"TxtIC_X2", "18.1"},
        {"TxtIC_S1", "4"}, {"TxtIC_S2", "9"}, {"txt_NCon_1", "0.95"}},
       {{"TxtAUX_1", "2.65396"}, {"Label1_15", "Pooled standard deviation"}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.option);
    Choose(c.task, c.option);
    Fill(c.boxes);
    Press(c.task == 0 ? 22 : 16);
    const QString result = QString("PicRESULT_%1").arg(c.task);
    ASSERT_TRUE(Shown(result));
    for (const auto& [name, text] : c.shown) {
      const QLabel* label = form->findChild<QLabel*>(name);
      EXPECT_EQ(label != nullptr ? label->text() : Text(name), text) << name.toStdString();
    }
  }
  EXPECT_TRUE(Shown("TxtAUX_1"));
  EXPECT_FALSE(Shown("TxtIC_PPCT2")) << "one point for the pooled interval";
  EXPECT_TRUE(ui.AllMet());
}

TEST_F(PanelsTest, EachTypeShowsItsBoxes) {
  // Boxes in the order H0, N2, X1, X2, S1, S2, with the captions of the mean and variance.
  const char* shown[9] = {"101010", "101010", "100010", "101000", "111111",
                          "111111", "111111", "010011", "011100"};
  const char* names[6] = {"txtH0", "TxtCH_N2", "TxtCH_X1", "TxtCH_X2", "TxtCH_S1", "TxtCH_S2"};
  const char* intervalNames[6] = {"", "TxtIC_N2", "TxtIC_X1", "TxtIC_X2", "TxtIC_S1", "TxtIC_S2"};
  form->LblTASK_Click(0);
  EXPECT_FALSE(Shown("PicDATOS_0")) << "no data area before a type is chosen";
  EXPECT_FALSE(Shown("Picture2_1"));
  W("TxtCH_N2")->setText("15");
  for (int type = 0; type < 9; ++type) {
    Choose(0, QString("OptCH_%1").arg(type));
    EXPECT_EQ(Text("TxtCH_N2"), "15") << "a hidden box keeps its text";
    EXPECT_EQ(W<QLabel>("LblTITLE2_0")->text(), W<QRadioButton>(QString("OptCH_%1").arg(type))->text());
    EXPECT_TRUE(Shown("TxtCH_N1"));
    EXPECT_TRUE(Shown("Picture2_1"));
    for (int i = 0; i < 6; ++i) {
      EXPECT_EQ(Shown(names[i]), shown[type][i] == '1') << type << " " << names[i];
    }
    EXPECT_EQ(Shown("TxtH1"), shown[type][0] == '1');
    {
    }
    EXPECT_EQ(Shown("Label1_4"), shown[type][2] == '1') << type;
    EXPECT_EQ(Shown("Label1_7"), shown[type][4] == '1') << type;
    QWidget* focus = QApplication::focusWidget();
    EXPECT_EQ(focus, W(shown[type][0] == '1' ? "txtH0" : "TxtCH_N1")) << type;
    int checked = 0;
    for (int i = 0; i < 9; ++i) checked += W<QRadioButton>(QString("OptCH_%1").arg(i))->isChecked();
    EXPECT_EQ(checked, 1);

    Choose(1, QString("OptIC_%1").arg(type));
    for (int i = 1; i < 6; ++i) {
      EXPECT_EQ(Shown(intervalNames[i]), shown[type][i] == '1') << type << " " << intervalNames[i];
    }
    EXPECT_EQ(QApplication::focusWidget(), W("TxtIC_N1"));
  }
  EXPECT_EQ(W<QLabel>("Label1_17")->text(), "Confidence interval: Population ratio difference");
  // The nine options of each panel stand apart from one another.
  for (const char* array : {"OptCH_%1", "OptIC_%1"}) {
    for (int i = 0; i < 9; ++i) {
      for (int j = i + 1; j < 9; ++j) {
        auto* a = W<QRadioButton>(QString(array).arg(i));
        auto* b = W<QRadioButton>(QString(array).arg(j));
        const QRect ra(a->mapTo(form.get(), QPoint()), a->size());
        const QRect rb(b->mapTo(form.get(), QPoint()), b->size());
        EXPECT_FALSE(ra.intersects(rb)) << array << " " << i << " " << j;
      }
    }
  }
}

TEST_F(PanelsTest, BoxesTakeTheCommaRuleAndHideTheResult) {
  struct Case {
    int task;
    const char* option;
    const char* box;
    const char* typed;
    const char* text;
  };
  const Case cases[] = {
      {0, "OptCH_4", "TxtCH_N1", "1,0", "10"},    {0, "OptCH_4", "TxtCH_N2", "2,5", "25"},
      {0, "OptCH_4", "TxtCH_X1", "10,5", "10.5"}, {0, "OptCH_4", "TxtCH_S2", ",5", ".5"},
      {0, "OptCH_4", "txtH0", "0,1", "0.1"},      {0, "OptCH_4", "txt_NCon_0", "0,9", "0.9"},
      {1, "OptIC_4", "TxtIC_N1", "1,0", "10"},    {1, "OptIC_4", "TxtIC_N2", "3,0", "30"},
      {1, "OptIC_4", "TxtIC_X1", "10,5", "10.5"}, {1, "OptIC_4", "TxtIC_X2", "1,5", "1.5"},
      {1, "OptIC_4", "TxtIC_S1", "4,5", "4.5"},   {1, "OptIC_4", "TxtIC_S2", "9,5", "9.5"},
      {1, "OptIC_4", "txt_NSig_1", "0,1", "0.1"},
  };
  const std::map<QString, QString> test = {
      {"txtH0", "0"},    {"TxtCH_N1", "30"}, {"TxtCH_N2", "40"}, {"TxtCH_X1", "52.3"},
      {"TxtCH_X2", "49.8"}, {"TxtCH_S1", "25"}, {"TxtCH_S2", "36"}, {"txt_NCon_0", "0.95"}};
  const std::map<QString, QString> interval = {
      {"TxtIC_N1", "30"},   {"TxtIC_N2", "40"}, {"TxtIC_X1", "52.3"}, {"TxtIC_X2", "49.8"},
      {"TxtIC_S1", "25"},   {"TxtIC_S2", "36"}, {"txt_NCon_1", "0.95"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.box);
    Choose(c.task, c.option);
    Fill(c.task == 0 ? test : interval);
    Press(c.task == 0 ? 22 : 16);
    const QString result = QString("PicRESULT_%1").arg(c.task);
    ASSERT_TRUE(Shown(result));
    W(c.box)->clear();
    EXPECT_FALSE(Shown(result)) << "a change hides the result";
    Type(c.box, c.typed);
    EXPECT_EQ(Text(c.box), c.text);
  }
  // A level that is no level still hides the result.
  Choose(0, "OptCH_4");
  Fill(test);
  Press(22);
  W("txt_NSig_0")->setText("7");
  EXPECT_EQ(Text("txt_NCon_0"), "");
  EXPECT_FALSE(Shown("PicRESULT_0"));
}

TEST_F(PanelsTest, TheLevelPairAndTheNullValueFollowTheTyping) {
  Choose(0, "OptCH_0");
  Type("txt_NCon_0", ".");
  EXPECT_EQ(Text("txt_NCon_0"), "0.");
  EXPECT_EQ(W("txt_NCon_0")->cursorPosition(), 2);
  EXPECT_EQ(Text("txt_NSig_0"), "");
  Type("txt_NCon_0", "95");
  EXPECT_EQ(Text("txt_NSig_0"), "0.05");
  W("txt_NCon_0")->setText("97.5%");
  EXPECT_EQ(Text("txt_NSig_0"), "2.5%");
  W("txt_NSig_1")->setText("1/20");
  EXPECT_EQ(Text("txt_NCon_1"), "0.95");
  Type("txtH0", "12");
  EXPECT_EQ(Text("TxtH1"), "12");
}

TEST_F(PanelsTest, MessagesAndTailClicks) {
  Choose(0, "OptCH_2");
  EXPECT_TRUE(W<QRadioButton>("OptSIDE_1")->isChecked()) << "two-sided at start";
  Fill({{"txtH0", "4"}, {"TxtCH_N1", "11"}, {"TxtCH_S1", "6"}, {"txt_NCon_0", "0.95"}});
  // A tail click with complete data computes at once.
  Click("OptSIDE_2");
  ASSERT_TRUE(Shown("PicRESULT_0"));
  EXPECT_EQ(Text("txtCH_Acep"), "( 0  ,   18.307 )");
  EXPECT_FALSE(Shown("txt_NCon2_0")) << "one-sided";
  EXPECT_FALSE(Shown("Label1_13"));
  EXPECT_TRUE(Shown("TxtAceptaH0"));
  EXPECT_FALSE(Shown("TxtAceptaH1"));
  EXPECT_FALSE(W<QRadioButton>("OptSIDE_1")->isChecked());

  // Reader failures, check failures, with and without a tail click.
  struct Case {
    const char* box;
    const char* text;
    const char* message;
    bool tailClick;
  };
  const Case cases[] = {
      {"TxtCH_S1", "", "No data or invalid data", false},
      {"TxtCH_S1", "   ", "No data or invalid data", false},
      {"TxtCH_S1", "1/0", "No data or invalid data", false},
      {"TxtCH_N1", "1", "Invalid data", false},
      {"TxtCH_N1", "1", "Invalid data", true},
      {"TxtCH_N1", "2.5", "Invalid data", false},
      {"txt_NCon_0", "100%", "Invalid data", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.box) + " " + c.text);
    Fill({{"txtH0", "4"}, {"TxtCH_N1", "11"}, {"TxtCH_S1", "6"}, {"txt_NCon_0", "0.95"}});
    Press(22);
    ASSERT_TRUE(Shown("PicRESULT_0"));
    W(c.box)->setText(c.text);
    const bool noData = std::string(c.message) != "Invalid data";
    ui.ExpectMsgBox(c.message, Answer::Ok, noData ? "Error" : "",
                    noData ? Icon::Exclamation : Icon::None);
    if (c.tailClick) {
      Click("OptSIDE_0");
    } else {
      Press(22);
    }
    EXPECT_TRUE(ui.AllMet());
    EXPECT_FALSE(Shown("PicRESULT_0"));
  }
  // A tail click with a blank box computes nothing and says nothing.
  W("TxtCH_N1")->clear();
  Click("OptSIDE_1");
  EXPECT_FALSE(Shown("PicRESULT_0"));

  Choose(1, "OptIC_3");
  Fill({{"TxtIC_N1", "25"}, {"TxtIC_X1", "1.5"}, {"txt_NCon_1", "0.95"}});
  ui.ExpectMsgBox("No data or invalid data", Answer::Ok, "Error", Icon::Exclamation);
  Press(16);
  Choose(1, "OptIC_1");
  Fill({{"TxtIC_N1", "1"}, {"TxtIC_X1", "1.5"}, {"TxtIC_S1", "2"}});
  ui.ExpectMsgBox("Invalid data", Answer::Ok, "", Icon::None);
  Press(16);
  EXPECT_FALSE(Shown("PicRESULT_1"));
  EXPECT_TRUE(ui.AllMet());
}

TEST_F(PanelsTest, EnterComputesAndMovesOn) {
  Choose(0, "OptCH_0");
  Fill({{"txtH0", "10"}, {"TxtCH_N1", "25"}, {"TxtCH_X1", "10.5"}, {"TxtCH_S1", "4"},
        {"txt_NCon_0", "0.95"}});
  W("TxtCH_X1")->setFocus();
  QTest::keyClick(W("TxtCH_X1"), Qt::Key_Return);
  EXPECT_TRUE(Shown("PicRESULT_0"));
  EXPECT_EQ(Text("txtCH_ESTA"), "1.25");
  EXPECT_EQ(QApplication::focusWidget(), W("TxtCH_S1")) << "the hidden TxtCH_X2 is passed over";
  QApplication::processEvents();
  EXPECT_EQ(W("TxtCH_S1")->selectedText(), "4") << "a box selects its text on focus";
  W("TxtCH_N1")->clear();
  W("TxtCH_S1")->setFocus();
  QTest::keyClick(W("TxtCH_S1"), Qt::Key_Enter);
  EXPECT_FALSE(Shown("PicRESULT_0"));
  EXPECT_EQ(QApplication::focusWidget(), W("txt_NCon_0"));

  // Clear on a fixed-null test empties everything and goes to the first size.
  Choose(0, "OptCH_7");
  Fill({{"TxtCH_N1", "10"}, {"TxtCH_N2", "15"}, {"TxtCH_S1", "4"}, {"TxtCH_S2", "9"}});
  Press(21);
  for (const char* box : {"txtH0", "TxtH1", "TxtCH_N1", "TxtCH_N2", "TxtCH_S1", "TxtCH_S2",
                          "txt_NCon_0", "txt_NSig_0"}) {
    EXPECT_EQ(Text(box), "") << box;
  }
  EXPECT_EQ(QApplication::focusWidget(), W("TxtCH_N1"));

  // On the interval panel Enter neither computes nor moves on.
  Choose(1, "OptIC_0");
  Fill({{"TxtIC_N1", "25"}, {"TxtIC_X1", "10.5"}, {"TxtIC_S1", "4"}, {"txt_NCon_1", "0.95"}});
  W("txt_NCon_1")->setFocus();
  QTest::keyClick(W("txt_NCon_1"), Qt::Key_Return);
  EXPECT_FALSE(Shown("PicRESULT_1"));
  EXPECT_EQ(QApplication::focusWidget(), W("txt_NCon_1"));
  Press(17);
  EXPECT_EQ(Text("TxtIC_N1"), "");
  EXPECT_EQ(Text("txt_NCon_1"), "");
  EXPECT_EQ(QApplication::focusWidget(), W("TxtIC_N1"));
}

TEST_F(PanelsTest, BoxesStandRightOfTheirPictures) {
  Picture("ImgNMVP_1.gif", 30, 42);
  Picture("ImgNMVP_11.gif", 40, 42);
  Picture("IC_EMVC.GIF", 50, 20);
  Picture("ImgIC_PAR_7.gif", 60, 73);
  Picture("CH_DFB.gif", 100, 80);

  Choose(0, "OptCH_4");
  const QLabel* size = W<QLabel>("ImgSIZE_CH");
  EXPECT_EQ(size->size(), QSize(30, 42));
  EXPECT_EQ(W("TxtCH_N1")->x(), size->x() + 32);
  EXPECT_EQ(W("TxtCH_N2")->x(), W("TxtCH_N1")->x());
  EXPECT_EQ(W("TxtCH_X1")->x(), W<QLabel>("ImgMEDIA_CH")->x() + 42);
  EXPECT_TRUE(W<QLabel>("ImgVARIANZA_CH")->pixmap().isNull()) << "a missing picture is empty";

  Choose(0, "OptCH_7");
  const QLabel* graph = W<QLabel>("Img_CH_GRAF");
  const QWidget* frame = W<QWidget>("Shape1_0");
  EXPECT_EQ(graph->geometry().center(), frame->geometry().center());
  EXPECT_EQ(graph->width(), 100);

  Choose(1, "OptIC_0");
  EXPECT_FALSE(W("Txt_IC_ERR")->isHidden()) << "its margin picture exists";
  EXPECT_EQ(W("Txt_IC_ERR")->x(), W<QLabel>("Img_IC_Err")->x() + 52);
  Choose(1, "OptIC_7");
  EXPECT_TRUE(W("Txt_IC_ERR")->isHidden()) << "IC_E2VA.GIF is missing";
  Fill({{"TxtIC_N1", "10"}, {"TxtIC_N2", "15"}, {"TxtIC_S1", "4"}, {"TxtIC_S2", "9"},
        {"txt_NCon_1", "0.95"}});
  Press(16);
  EXPECT_EQ(W("TxtIC_PPCT1")->x(), W<QLabel>("ImgIC_PTOPCT")->x() + 62);
  EXPECT_TRUE(Shown("TxtIC_PPCT2"));
  EXPECT_FALSE(Shown("Txt_IC_ERR")) << "no margin for the variance ratio";
  EXPECT_FALSE(Shown("Label1_18"));
  EXPECT_EQ(Text("TxtIC_PPCT1"), "0.311594");
}

}  // namespace
