#include "frame/file_menu.h"

#include <gtest/gtest.h>

#include "shared/program_state.h"
#include "support/scripted_ui.h"

namespace {

using frame::FileMenu;
using platform::Answer;
using platform::Buttons;
using platform::Icon;
using testing_support::ScriptedUi;
using Log = std::vector<std::string>;

constexpr const char* kProgramFolder = "/opt/orvalis";

// Stand-ins for the main window with its printer and the tables' readers and writers,
// recording what the File menu asks of them.
class FakeWindow : public shared::FrameWindow, public frame::PrintCommands {
 public:
  FakeWindow(shared::ProgramState& state, Log& log) : state(state), log(log) {}
  void LblTASK_Click(int16_t index) override {
    state.CurrentTask = index;
    tabClicks.push_back(index);
  }
  void SetCaption(const std::string& text) override { caption = text; }
  std::string Caption() const override { return caption; }
  void mnu_archivo_guardar_Click() override {}
  void ShowPrinterDialog() override {
    log.push_back("PrinterDialog");
    if (confirms) state.PrintConfirmed = true;
  }
  void Imprimir1VAR() override { log.push_back("Imprimir1VAR"); }
  void Imprimir2VAR() override { log.push_back("Imprimir2VAR"); }

  shared::ProgramState& state;
  Log& log;
  std::string caption = shared::kCaption;
  std::vector<int16_t> tabClicks;
  bool confirms = false;
};

// One table's commands. Calls are logged as "Save", "Load <file name>", "PreLoad <name>".
class FakeTable : public frame::TableFileCommands {
 public:
  FakeTable(bool& modified, std::string& fileName, Log& log, std::string tag)
      : modified(modified), fileName(fileName), log(log), tag(std::move(tag)) {}

  void Save() override {
    log.push_back(tag + " Save " + fileName);
    if (saveSucceeds) modified = false;
  }
  bool Load(const std::string& name) override {
    log.push_back(tag + " Load " + name);
    if (loadSucceeds) {
      fileName = name;
      modified = false;
    }
    return loadSucceeds;
  }
  void PreLoad(const std::string& name) override { log.push_back(tag + " PreLoad " + name); }

  bool saveSucceeds = true;
  bool loadSucceeds = true;
  bool& modified;
  std::string& fileName;
  Log& log;
  std::string tag;
};

// A File menu over two tables of its own, with fake readers, writers and printer.
struct MenuRig {
  MenuRig() {
    platform::SetProgramFolder(kProgramFolder);
    menu.SetTableCommands(&commands1V, &commands2V);
    menu.SetPrintCommands(&window);
  }

  shared::ProgramState state;
  tables::Table1V table1V;
  tables::Table2V table2V;
  Log log;
  FakeWindow window{state, log};
  FakeTable commands1V{table1V.Modified1V, table1V.FileName1V, log, "1V"};
  FakeTable commands2V{table2V.Modified2V, table2V.FileName2V, log, "2V"};
  FileMenu menu{state, table1V, table2V, window};
};

class FileMenuTest : public ::testing::Test, public MenuRig {
 protected:
  ScriptedUi ui;
};

std::string SaveQuestion(const std::string& name) {
  return "Do you want to save changes to " + name + "?";
}

TEST(FileKindTest, LastFourCharactersInAnyCaseAndTheFolderBeforeTheLastSlash) {
  const std::pair<const char*, frame::FileKind> cases[] = {
      {"/d/a.e1v", frame::FileKind::OneVariable}, {"/d/B.E1V", frame::FileKind::OneVariable},
      {".e1v", frame::FileKind::OneVariable},     {"/d/c.E2v", frame::FileKind::TwoVariable},
      {"/d/notes.txt", frame::FileKind::Refused}, {"/d/xe1v", frame::FileKind::Refused},
      {"e1v", frame::FileKind::Refused},          {"/d/a.e1v.bak", frame::FileKind::Refused},
  };
  for (const auto& [path, kind] : cases) EXPECT_EQ(frame::KindOfFile(path), kind) << path;
  EXPECT_EQ(frame::FolderOf("/home/ana/data/t.e1v"), "/home/ana/data");
  EXPECT_EQ(frame::FolderOf("/t.e1v"), "/");
  EXPECT_EQ(frame::FolderOf("t.e1v"), "");
}

// Off the table tasks the window disables Save, Save As and Print; run anyway, they do nothing.
TEST_F(FileMenuTest, SaveSaveAsAndPrintDoNothingOffTheTableTasks) {
  state.CurrentTask = 4;
  menu.mnu_archivo_guardar_Click();
  menu.mnu_archivo_guardarComo_Click();
  menu.mnu_archivo_Imprimir_Click();
  EXPECT_TRUE(log.empty());
  EXPECT_TRUE(ui.Transcript().empty());
}

// The close question with every answer, table by table and in order. None of these rows ends
// with a completed save, so every table stays as modified as it was.
TEST(CloseQuestionTest, AsksEachModifiedTableInTurn) {
  struct Case {
    const char* name;
    bool modified1V, modified2V;
    const char* fileName1V;
    bool saveSucceeds;
    std::vector<Answer> answers;  // to the questions, in order; Yes on an unnamed table
                                  // opens Save As, which the user cancels
    bool staysOpen;
    std::vector<int16_t> tabs;
    Log log;
  };
  const Case cases[] = {
      {"nothing modified", false, false, "", true, {}, false, {}, {}},
      {"No twice", true, true, "", true, {Answer::No, Answer::No}, false, {2, 3}, {}},
      {"Yes unnamed, Save As cancelled", true, true, "", true, {Answer::Yes}, true, {2}, {}},
      {"Yes named, save fails", true, true, "/d/a.e1v", false, {Answer::Yes}, true, {2},
       {"1V Save /d/a.e1v"}},
      {"only the two-variable table", false, true, "", true, {Answer::Cancel}, true, {3}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    MenuRig rig;
    rig.commands1V.saveSucceeds = c.saveSucceeds;
    rig.table1V.Modified1V = c.modified1V;
    rig.table1V.FileName1V = c.fileName1V;
    rig.table2V.Modified2V = c.modified2V;
    rig.table2V.FileName2V = "/d/b.e2v";

    ScriptedUi ui;
    size_t asked = 0;
    for (int16_t tab : c.tabs) {
      if (asked == c.answers.size()) break;
      const bool one = tab == 2;
      const std::string name = one ? (*c.fileName1V ? c.fileName1V : "<noname>") : "/d/b.e2v";
      ui.ExpectMsgBox(SaveQuestion(name), c.answers[asked],
                      std::string(one ? frame::kSaveTitle1V : frame::kSaveTitle2V), Icon::Question,
                      Buttons::YesNoCancel);
      if (c.answers[asked] == Answer::Yes && one && !*c.fileName1V) ui.ExpectSave(std::nullopt);
      ++asked;
    }
    EXPECT_EQ(rig.menu.Form_QueryUnload(), c.staysOpen);
    EXPECT_EQ(rig.window.tabClicks, c.tabs);
    EXPECT_EQ(rig.log, c.log);
    EXPECT_EQ(rig.table1V.Modified1V, c.modified1V);
    EXPECT_EQ(rig.table2V.Modified2V, c.modified2V);
  }
}

// A file chosen in Open or Save As goes to the reader or writer of its kind (from another
// task, or of the other kind, through PreLoad, which shows its task); Load and Save name the
// table; the chosen folder is where the next dialog starts, the program's folder before any.
TEST_F(FileMenuTest, AChosenFileGoesToItsTableAndItsFolderIsRemembered) {
  struct Case {
    int16_t task;
    bool open;
    const char* lastPath;
    const char* chosen;
    const char* call;
    bool succeeds;
  };
  const Case cases[] = {
      {-1, true, "", "/data/set.e2v", "2V PreLoad /data/set.e2v", true},
      {0, true, "", "/data/set.E1V", "1V PreLoad /data/set.E1V", true},
      {2, true, "/last", "/other/two.e2v", "2V PreLoad /other/two.e2v", true},
      {3, true, "/last", "/other/one.e1v", "1V PreLoad /other/one.e1v", true},
      {2, true, "/last", "/d/a.E1V", "1V Load /d/a.E1V", true},
      {3, true, "", "/e/b.e2v", "2V Load /e/b.e2v", true},
      {3, true, "/last", "/f/broken.e2v", "2V Load /f/broken.e2v", false},  // keeps the old name
      {2, false, "/last", "/v/new.e1v", "1V Save /v/new.e1v", true},
      {3, false, "", "/w/new.e2v", "2V Save /w/new.e2v", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.chosen);
    log.clear();
    state.CurrentTask = c.task;
    state.LastPath = c.lastPath;
    table1V.FileName1V = "/d/old.e1v";
    table2V.FileName2V = "/d/old.e2v";
    commands2V.loadSucceeds = c.succeeds;
    const bool preLoad = std::string(c.call).find("PreLoad") != std::string::npos;
    const bool one = std::string(c.call).rfind("1V", 0) == 0;
    const std::string previous = one ? "/d/old.e1v" : "/d/old.e2v";
    auto check = [&](const platform::FileDialogRequest& request) {
      EXPECT_EQ(request.initDir, *c.lastPath ? c.lastPath : kProgramFolder);
      EXPECT_EQ(request.fileName, c.open ? "" : previous);
    };
    if (c.open) {
      ui.ExpectOpen(c.chosen, check);
      menu.mnu_archivo_abrir_Click();
    } else {
      ui.ExpectSave(c.chosen, check);
      menu.mnu_archivo_guardarComo_Click();
    }
    EXPECT_EQ(log, Log{c.call});
    if (!preLoad) {
      EXPECT_EQ(one ? table1V.FileName1V : table2V.FileName2V, c.succeeds ? c.chosen : previous);
    }
    EXPECT_EQ(state.LastPath, frame::FolderOf(c.chosen));
  }
}

// A table is saved under a name with its own ending, so that Open finds it again: a name that
// has the ending in any case is kept, any other gets it appended.
TEST_F(FileMenuTest, SaveAsGivesTheNameItsTablesEnding) {
  struct Case {
    int16_t task;
    const char* chosen;
    const char* saved;
  };
  const Case cases[] = {
      {2, "/v/grouped", "1V Save /v/grouped.e1v"},
      {2, "/v/Grouped.E1v", "1V Save /v/Grouped.E1v"},
      {2, "/v/notes.txt", "1V Save /v/notes.txt.e1v"},
      {2, "/v/pairs.e2v", "1V Save /v/pairs.e2v.e1v"},
      {2, "/v/e1v", "1V Save /v/e1v.e1v"},
      {3, "/w.x/pairs", "2V Save /w.x/pairs.e2v"},
      {3, "/w/P.E2V", "2V Save /w/P.E2V"},
      {3, "/w/a.e1v", "2V Save /w/a.e1v.e2v"},
  };
  for (const Case& c : cases) {
    log.clear();
    state.CurrentTask = c.task;
    ui.ExpectSave(c.chosen, [&](const platform::FileDialogRequest& request) {
      EXPECT_EQ(request.extension, c.task == 2 ? ".e1v" : ".e2v");
    });
    menu.mnu_archivo_guardarComo_Click();
    EXPECT_EQ(log, Log{c.saved}) << c.chosen;
    EXPECT_EQ(state.LastPath, frame::FolderOf(c.chosen));
  }
  EXPECT_EQ(platform::WithExtension("/v/plain", ""), "/v/plain");
}

TEST_F(FileMenuTest, OpenAsksToSaveFirstOnTheTableTasks) {
  // Cancel: no dialog at all.
  state.CurrentTask = 2;
  table1V.Modified1V = true;
  ui.ExpectMsgBox(SaveQuestion("<noname>"), Answer::Cancel, std::string(frame::kSaveTitle1V),
                  Icon::Question, Buttons::YesNoCancel);
  menu.mnu_archivo_abrir_Click();
  EXPECT_TRUE(log.empty());

  // Yes on a named table saves it, then opens.
  state.CurrentTask = 3;
  table2V.Modified2V = true;
  table2V.FileName2V = "/d/b.e2v";
  ui.ExpectMsgBox(SaveQuestion("/d/b.e2v"), Answer::Yes, std::string(frame::kSaveTitle2V));
  ui.ExpectOpen("/d/c.e2v");
  menu.mnu_archivo_abrir_Click();
  EXPECT_EQ(log, (Log{"2V Save /d/b.e2v", "2V Load /d/c.e2v"}));

  // A save that fails stops the command.
  log.clear();
  table2V.Modified2V = true;
  commands2V.saveSucceeds = false;
  ui.ExpectMsgBox(SaveQuestion("/d/c.e2v"), Answer::Yes);
  menu.mnu_archivo_abrir_Click();
  EXPECT_EQ(log, Log{"2V Save /d/c.e2v"});
}

TEST_F(FileMenuTest, OpenRefusesAFileOfNoKnownKind) {
  state.CurrentTask = 2;
  state.LastPath = "/last";
  ui.ExpectOpen("/d/notes.txt");
  ui.ExpectMsgBox("Error: The file /d/notes.txt is not valid", Answer::Ok, std::string("Error"),
                  Icon::Critical, Buttons::Ok);
  menu.mnu_archivo_abrir_Click();
  EXPECT_TRUE(log.empty());
  EXPECT_EQ(state.LastPath, "/last");
  EXPECT_EQ(table1V.FileName1V, "");

  ui.ExpectOpen(std::nullopt);  // cancelled
  menu.mnu_archivo_abrir_Click();
  EXPECT_TRUE(log.empty());
}

// Only a Print in the dialog prints, whatever an earlier use of it left behind.
TEST_F(FileMenuTest, PrintOnlyWhenTheDialogConfirms) {
  struct Case {
    int16_t task;
    bool confirmedBefore;
    bool dialogConfirms;
    Log log;
  };
  const Case cases[] = {
      {2, false, true, {"PrinterDialog", "Imprimir1VAR"}},
      {3, false, true, {"PrinterDialog", "Imprimir2VAR"}},
      {2, true, false, {"PrinterDialog"}},
  };
  for (const Case& c : cases) {
    log.clear();
    state.CurrentTask = c.task;
    state.PrintConfirmed = c.confirmedBefore;
    window.confirms = c.dialogConfirms;
    menu.mnu_archivo_Imprimir_Click();
    EXPECT_EQ(log, c.log) << c.task << " " << c.confirmedBefore << " " << c.dialogConfirms;
  }
}

}  // namespace
