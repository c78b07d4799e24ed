// The distribution panel in the main window, driven offscreen by the controls' names.
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include "frame/FormMain.h"
#include "frame/PictureButton.h"
#include "probability/PanelDI.h"
#include "support/scripted_ui.h"

namespace {

using testing_support::MemorySettings;
using testing_support::ScriptedUi;

class PanelDITest : public ::testing::Test {
 protected:
  PanelDITest() {
    platform::SetProgramFolder(folder.path().toStdString());
    probability::InstallDistributionPanel(form);
    form.Form_Load();
    form.show();
    form.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
    form.LblTASK_Click(4);
  }
  template <typename T = QWidget>
  T* Find(const char* name) {
    T* found = form.findChild<T*>(name);
    EXPECT_NE(found, nullptr) << name;
    return found;
  }
  QLineEdit* Box(const char* name) { return Find<QLineEdit>(name); }
  void Click(const char* name) {
    QWidget* widget = Find(name);
    QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(6, widget->height() / 2));
  }
  // A picture file of the given size in images/.
  void Picture(const QString& name, QSize size) {
    QDir(folder.path()).mkpath("images");
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::blue);
    ASSERT_TRUE(image.save(folder.path() + "/images/" + name, "PNG"));
  }

  QTemporaryDir folder;
  MemorySettings settings;
  ScriptedUi ui;
  FormMain form;
};

TEST_F(PanelDITest, ChoosingDistributionsShapesThePanel) {
  EXPECT_TRUE(Find("PicDATOS_4")->isHidden());
  EXPECT_TRUE(Find("Picture2_4")->isHidden());
  EXPECT_FALSE(Find("Image19")->isVisible()) << "the buttons belong to the data area";
  EXPECT_TRUE(Find("OptDI_6")->isHidden());
  EXPECT_TRUE(Find("OptDI_7")->isHidden());

  Click("OptDI_4");
  EXPECT_EQ(Find<QLabel>("Lbl_DP")->text(), "Probability distribution: Binomial");
  EXPECT_EQ(Find<QRadioButton>("OptSIDE_DI_3")->text(), "Point");
  EXPECT_TRUE(Box("txt_PROB")->isReadOnly());
  EXPECT_TRUE(Find("Image19")->isVisible());
  QWidget* task = Find("Pictask_4");
  for (auto [name, at] : {std::pair{"Image19", QPoint(670, 612)}, {"Image18", QPoint(780, 612)},
                          {"Image20", QPoint(890, 612)}}) {
    EXPECT_EQ(Find(name)->mapTo(task, QPoint(0, 0)), at) << name << " keeps its place";
  }
  EXPECT_TRUE(Box("TxtPAR1")->hasFocus());
  EXPECT_EQ(Find<QLabel>("Label1_37")->text(), "Success probability");

  Click("OptDI_1");
  EXPECT_TRUE(Box("TxtPAR2")->isHidden());
  EXPECT_TRUE(Find("Label1_37")->isHidden());
  EXPECT_TRUE(Find("ImgPAR2")->isHidden());

  Click("OptDI_0");
  EXPECT_EQ(Find<QRadioButton>("OptSIDE_DI_3")->text(), "Centered interval");
  EXPECT_FALSE(Box("txt_PROB")->isReadOnly());
  EXPECT_EQ(Box("TxtPAR1")->text(), "0");
  EXPECT_EQ(Box("TxtPAR2")->text(), "1");
  EXPECT_TRUE(Find<QRadioButton>("OptDI_0")->font().bold());
  EXPECT_FALSE(Find<QRadioButton>("OptDI_4")->font().bold());

  Click("OptSIDE_DI_3");
  EXPECT_FALSE(Box("TxtPP2")->isHidden());
  EXPECT_EQ(Find<QLabel>("Label1_30")->text(), "Percentage point 1");
}

TEST_F(PanelDITest, TypingAndCalculating) {
  Click("OptDI_0");
  QTest::keyClicks(Box("TxtPP1"), "1,96");
  EXPECT_EQ(Box("TxtPP1")->text(), "1.96");
  Click("Image19");
  EXPECT_EQ(Box("txt_PROB")->text(), "0.975002");
  EXPECT_TRUE(ui.AllMet());

  QTest::keyClicks(Box("TxtPP1"), "5");
  EXPECT_EQ(Box("txt_PROB")->text(), "") << "a new point empties the old result";
  Box("txt_PROB")->setFocus();
  QTest::keyClicks(Box("txt_PROB"), ".");
  EXPECT_EQ(Box("txt_PROB")->text(), "0.");
  EXPECT_EQ(Box("txt_PROB")->cursorPosition(), 2);
  EXPECT_EQ(Box("TxtPP1")->text(), "");

  Box("TxtPAR1")->setFocus();
  QTest::keyClick(Box("TxtPAR1"), Qt::Key_Return);
  EXPECT_TRUE(Box("TxtPAR2")->hasFocus()) << "Enter moves on as Tab does";

  Click("OptDI_1");
  Click("Image20");
  EXPECT_EQ(Box("TxtPAR1")->text(), "");
  ui.ExpectMsgBox("No data or invalid data", platform::Answer::Ok, "Error");
  Click("Image19");
  Click("OptSIDE_DI_2");
  Box("TxtPP1")->setText("1");
  Click("Image18");
  EXPECT_EQ(Box("TxtPP1")->text(), "");
  EXPECT_TRUE(ui.AllMet());
}

TEST_F(PanelDITest, PicturesAreCentredAndBoxesFollowTheirSymbols) {
  Picture("DI_NL.GIF", {200, 100});
  Picture("di_fnl.gif", {300, 60});
  Picture("ImgNMVP_2.gif", {40, 20});
  Click("OptDI_0");
  auto* graph = Find<QLabel>("Img_DI_GRAF");
  auto* formula = Find<QLabel>("Img_DI_FORM");
  const QRect upper = Find("Shape1_11")->geometry();
  const QRect lower = Find("Shape1_12")->geometry();
  ASSERT_FALSE(graph->pixmap().isNull());
  EXPECT_EQ(graph->geometry().center(), upper.center());
  EXPECT_EQ(formula->y(), lower.y() + 20);
  EXPECT_EQ(formula->x(), lower.x() + (lower.width() - 300) / 2);
  auto* symbol = Find<QLabel>("ImgPAR1");
  EXPECT_EQ(symbol->width(), 40);
  EXPECT_EQ(Box("TxtPAR1")->x(), symbol->x() + symbol->width() + 3);

  Click("OptSIDE_DI_1");  // DI_NR.GIF is missing: the frame is left empty
  EXPECT_TRUE(graph->pixmap().isNull());
}

}  // namespace
