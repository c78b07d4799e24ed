// The main window's File menu, close question and New buttons on the real data tables:
// files opened, saved and refused as a user meets them.
#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <fstream>
#include <iterator>
#include <sstream>

#include "frame/FormMain.h"
#include "frame/PictureButton.h"
#include "frame/panels.h"
#include "support/scripted_ui.h"

namespace {

using platform::Answer;
using platform::Icon;
using testing_support::MemorySettings;
using testing_support::ScriptedUi;

std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

// A one-variable file of 12 rows: 2 with frequency 3, 5 with frequency 1, the rest empty.
std::string OneVariableFile() {
  std::string text = "'<FIL1VAR>  12 NOA\r\n";
  text += " 2 <N>  3 \r\n";
  text += " 5 <N>  1 \r\n";
  for (int i = 3; i <= 12; ++i) text += "<N> <N> <N> \r\n";
  return text;
}

std::string TwoVariableFile() {
  std::string text = "'<FIL2VAR>  12 LIN\r\n";
  text += " 1  2  1 \r\n";
  for (int i = 2; i <= 12; ++i) text += "<N> <N> <N> \r\n";
  return text;
}

class TableFilesTest : public ::testing::Test {
 protected:
  TableFilesTest() {
    platform::SetProgramFolder(folder.path().toStdString());
    frame::InstallPanels(*form);
    form->Form_Load();
    form->show();
  }

  std::string Path(const char* name) const { return folder.path().toStdString() + "/" + name; }
  QAction* Action(const char* name) { return form->findChild<QAction*>(name); }
  void ClickTab(int task) {
    QTest::mouseClick(form->findChild<QLabel*>(QString("LblTASK_%1").arg(task)), Qt::LeftButton);
  }

  QTemporaryDir folder;
  MemorySettings settings;
  ScriptedUi ui;
  frame::FrameState state;
  tables::Table1V table1V;
  tables::Table2V table2V;
  std::unique_ptr<FormMain> form = std::make_unique<FormMain>(state, table1V, table2V);
};

TEST_F(TableFilesTest, OpenReadsTheFileAndSaveWritesItBackByteForByte) {
  const std::string path = Path("heights.e1v");
  WriteBytes(path, OneVariableFile());
  ClickTab(2);
  ui.ExpectOpen(path);
  Action("mnu_archivo_abrir")->trigger();

  EXPECT_EQ(table1V.FileName1V, path);
  EXPECT_EQ(table1V.N1V, 12);
  EXPECT_EQ(table1V.Data1V_X1[1], 2);
  EXPECT_EQ(table1V.Data1V_N[2], 1);
  EXPECT_FALSE(table1V.Modified1V);
  EXPECT_EQ(form->Caption(), "Orvalis - ZorbSoftware - " + path);
  EXPECT_EQ(state.LastPath, folder.path().toStdString());

  table1V.Data1V_N[2] = 4;
  table1V.Modified1V = true;
  Action("mnu_archivo_guardar")->trigger();
  std::string expected = OneVariableFile();
  expected.replace(expected.find(" 5 <N>  1 "), 10, " 5 <N>  4 ");
  EXPECT_EQ(ReadBytes(path), expected);
  EXPECT_FALSE(table1V.Modified1V);
}

TEST_F(TableFilesTest, AFileThatFailsToOpenLeavesTheTableAndItsNameAlone) {
  const std::string good = Path("good.e1v");
  const std::string bad = Path("bad.e1v");
  WriteBytes(good, OneVariableFile());
  WriteBytes(bad, TwoVariableFile());  // a two-variable file under a one-variable name
  ClickTab(2);
  ui.ExpectOpen(good);
  Action("mnu_archivo_abrir")->trigger();

  ui.ExpectOpen(bad);
  ui.ExpectMsgBox("Error:\r\nThe file " + bad + " is not valid", Answer::Ok, "Error",
                  Icon::Critical);
  Action("mnu_archivo_abrir")->trigger();
  EXPECT_EQ(table1V.FileName1V, good);
  EXPECT_EQ(table1V.Data1V_X1[1], 2);
  EXPECT_EQ(form->Caption(), "Orvalis - ZorbSoftware - " + good);
}

TEST_F(TableFilesTest, OpeningAFileOfTheOtherKindShowsItsTask) {
  const std::string path = Path("pairs.e2v");
  WriteBytes(path, TwoVariableFile());
  ClickTab(0);
  ui.ExpectOpen(path);
  Action("mnu_archivo_abrir")->trigger();
  EXPECT_EQ(state.CurrentTask, 3);
  EXPECT_EQ(table2V.FileName2V, path);
  EXPECT_EQ(table2V.Data2V_Y[1], 2);
  EXPECT_EQ(form->Caption(), "Orvalis - ZorbSoftware - " + path);
}

TEST_F(TableFilesTest, ExitSavesAnUnnamedTableThroughSaveAs) {
  const std::string path = Path("new.e2v");
  table2V.Data2V_X[1] = 0.5;
  table2V.Modified2V = true;
  ui.ExpectMsgBox("Do you want to save changes to <noname>?", Answer::Yes,
                  "Save changes. Two variable statistic", Icon::Question);
  ui.ExpectSave(path);
  Action("mnu_archivo_salir")->trigger();
  EXPECT_FALSE(form->isVisible());
  EXPECT_EQ(ReadBytes(path).substr(0, 29), "'<FIL2VAR>  12 LIN\r\n .5 <N> <");
}

TEST_F(TableFilesTest, NewAsksAboutUnsavedChangesThenEmptiesTheTable) {
  ClickTab(2);
  table1V.Data1V_X1[1] = 7;
  table1V.N1V = 20;
  table1V.Modified1V = true;
  table1V.FileName1V = Path("old.e1v");
  ui.ExpectMsgBox("Do you want to save changes to " + Path("old.e1v") + "?", Answer::Cancel,
                  "Save changes. One variable statistic");
  QTest::mouseClick(form->Button(14), Qt::LeftButton);
  EXPECT_EQ(table1V.N1V, 20) << "Cancel keeps the table";

  ui.ExpectMsgBox("Do you want to save changes to " + Path("old.e1v") + "?", Answer::No);
  QTest::mouseClick(form->Button(14), Qt::LeftButton);
  EXPECT_EQ(table1V.N1V, 12);
  EXPECT_TRUE(tables::IsEmpty(table1V.Data1V_X1[1]));
  EXPECT_EQ(table1V.FileName1V, "");
  EXPECT_EQ(form->Caption(), "Orvalis - ZorbSoftware");
}

}  // namespace
