// The ".e1v" and ".e2v" data files: their bytes, reading them back, refusing bad files (and
// bad pasted text, read the same way) without changing anything, saving without losing the
// previous file, and the question about unsaved changes before New and Open.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "support/scripted_ui.h"
#include "table_test_support.h"
#include "tables/data_files.h"
#include "tables/edit_commands.h"
#include "tables/new_table.h"
#include "tables/undo.h"

namespace {

namespace fs = std::filesystem;
using namespace tables;
using namespace tables_test;
using platform::Answer;
using platform::Buttons;
using platform::Icon;
using testing_support::ScriptedUi;

// A folder of its own for each test, removed afterwards.
class DataFiles : public testing::Test {
 public:
  DataFiles() : dir_(fs::temp_directory_path() / ("orvalis-tables-" + std::to_string(getpid()))) {
    fs::create_directories(dir_);
  }
  ~DataFiles() override { fs::remove_all(dir_); }
  std::string Path(const std::string& name) const { return (dir_ / name).string(); }
  static void Write(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
  }
  static std::string Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  std::vector<std::string> Files(const std::string& folder) const {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(dir_ / folder))
      names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }

 protected:
  fs::path dir_;
};

std::string EmptyLines(int n) {
  std::string s;
  for (int i = 0; i < n; ++i) s += "<N> <N> <N> \r\n";
  return s;
}

TEST_F(DataFiles, TheBytesOfEveryKindAndModelReadBackBitForBit) {
  ScriptedUi ui;
  Table1V one;
  RecordingView view(one);
  one.FileName1V = Path("new.e1v");
  one.Modified1V = true;
  Save1VAR(one);
  EXPECT_EQ(Read(one.FileName1V), "'<FIL1VAR>  12 NOA\r\n" + EmptyLines(12));
  EXPECT_FALSE(one.Modified1V);
  EXPECT_EQ(view.caption, "Orvalis - ZorbSoftware - " + one.FileName1V);
  SetRows(one, {{5, E, 3}, {-3, 0.5, 1}});
  one.DataType1V = 1;
  EXPECT_EQ(DataFileText1V(one),
            "'<FIL1VAR>  12 AGR\r\n 5 <N>  3 \r\n-3  .5  1 \r\n" + EmptyLines(10));

  // Values of every magnitude, under every model, come back bit for bit.
  const double values[] = {0.1, -2.5, 1E-300, 1.7976931348623157E+308, 5E-324, -1E+15,
                           123456789012345, 1.0 / 3, 0.1 + 0.2, 1E-5, -0.001,
                           2.2250738585072014E-308, 1E+22, 0, 7, -123.456E-200, E, 4};
  std::vector<Row> rows;
  for (size_t i = 0; i + 2 < std::size(values); i += 3)
    rows.push_back({values[i], values[i + 1], values[i + 2]});
  rows.resize(13);
  const char* codes[] = {"LIN", "LOG", "EXP", "POT", "CUA"};
  for (int16_t model = 0; model < 5; ++model) {
    Table2V two;
    SetRows(two, rows);
    two.RegType2V = model;
    two.FileName2V = Path("m.e2v");
    Save2VAR(two);
    EXPECT_EQ(Read(two.FileName2V).substr(0, 20),
              std::string("'<FIL2VAR>  13 ") + codes[model] + "\r\n");
    Table2V back;
    ASSERT_TRUE(Load2VAR(back, two.FileName2V));
    EXPECT_EQ(back.RegType2V, model);
    EXPECT_EQ(RowsOf(back), RowsOf(two));
  }
}

// The header gives the count, rounded half to even and at least 12, and the model; the grid
// stays within the new count.
TEST_F(DataFiles, TheHeaderGivesTheCountAndTheModel) {
  struct Case { const char* header; int lines; int32_t n; int16_t kind; int32_t top; };
  const Case cases[] = {
      {"'<FIL2VAR>  5 LOG", 5, 12, 1, 1},
      {"'<FIL2VAR>  10000 POT", 10000, 10000, 3, 29},
      {"'<FIL2VAR>  12.5 EXP", 12, 12, 2, 1},
      {"'<FIL2VAR>  13.5 XYZ", 14, 14, 0, 3},  // an unknown model reads as linear
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.header);
    std::string text = c.header + std::string("\r\n");
    // A field that is not a number reads as 0; what follows the third one's number is ignored.
    for (int i = 1; i <= c.lines; ++i)
      text.append(" ").append(std::to_string(i)).append(" abc  5 7 \r\n");
    Table2V table;
    SetRows(table, NumberedRows(1, 40));
    table.Top2V = 29;
    ASSERT_TRUE(Load2VARFromBytes(table, "/d/t.e2v", text + "text after the rows is ignored"));
    std::vector<Row> expected(static_cast<size_t>(c.n));
    for (int i = 1; i <= c.lines; ++i) expected[static_cast<size_t>(i - 1)] = {double(i), 0, 5};
    EXPECT_EQ(RowsOf(table), expected);
    EXPECT_EQ(table.RegType2V, c.kind);
    EXPECT_EQ(table.Top2V, c.top);
  }
}

// The clipboard's rows and the data files share one reader. A text it refuses changes
// nothing the user typed or saved: a paste is refused in silence (or with the row limit),
// an open with the file's error, and the table keeps its rows, name, flag and undo step.
TEST_F(DataFiles, RefusedRowTextChangesNothingOnPasteOrOpen) {
  struct Case { std::string text; const char* fileError; };  // nullptr: a file may have this
  const Case cases[] = {
      {"", " is not valid"},
      {"'<SEL2VAR>  1\r\n 1 2 3 \r\n", " is not valid"},   // the other table's text
      {" '<SEL1VAR>  1\r\n 1 2 3 \r\n", " is not valid"},  // the marker must come first
      {"'<SEL1VAR>  10001\r\n", " is too large"},
      {"'<SEL1VAR>  1E+400\r\n", " is too large"},
      {"'<SEL1VAR> abc\r\n 1 2 3 \r\n", ""},
      {"'<SEL1VAR> -3\r\n <N> <N> <N> \r\n", ""},
      {"'<SEL1VAR> -1E+400\r\n", ""},
      {"'<SEL1VAR>  2\r\n 1 2 3 \r\n 4 5 6 ", ""},      // the last line without its end
      {"'<SEL1VAR>  1\r\n 5 3\r\n", ""},                // two fields
      {"'<SEL1VAR>  1\n 1 2 3 \n", ""},                 // line feeds alone
      // A field too large for a double is no empty cell: a later Save would lose it.
      {"'<SEL1VAR>  2\r\n 1 2 3 \r\n 4 1E400 6 \r\n", ""},
      {"'<SEL1VAR>  2\r\n <N> <N> <N> \r\n 1 2 -1E+400 \r\n", ""},
      // No rows make no paste, though an empty file is a table.
      {"'<SEL1VAR>  0\r\n", nullptr},
      {"missing file", ""},
  };
  const std::string path = Path("bad.e1v");
  for (const Case& c : cases) {
    for (bool open : {false, true}) {
      if (open && !c.fileError) continue;
      SCOPED_TRACE(testing::Message() << (open ? "Open " : "Paste ") << c.text.substr(0, 30));
      ScriptedUi ui;  // any other message fails the test
      const bool tooLarge = c.fileError && std::string(c.fileError) == " is too large";
      if (open) {
        std::string bytes = c.text;
        if (bytes.find("<SEL") != std::string::npos)
          bytes.replace(bytes.find("<SEL") + 1, 3, "FIL");
        fs::remove(path);
        if (bytes != "missing file") Write(path, bytes);
        ui.ExpectMsgBox(
            *c.fileError ? "Error:\r\nThe file " + path + c.fileError : "Error in file " + path,
            Answer::Ok, "Error", Icon::Critical, Buttons::Ok);
      } else {
        ui.SetClipboardText(c.text);
        if (tooLarge) ui.ExpectMsgBox(kRowLimit, Answer::Ok, "ERROR");
      }
      Table1V table;
      RecordingView view(table);
      SetRows(table, NumberedRows(1, 20));
      table.DataType1V = 1;
      table.FileName1V = Path("mine.e1v");
      table.Modified1V = true;
      table.Top1V = 5;
      SetSelection1V(table, 7, 9);
      SetSTATUSUndoRedo1V(table, true, "Undo paste", false, "");
      view.calls.clear();
      if (open) {
        EXPECT_FALSE(Load1VAR(table, path));
      } else {
        Pegar1V(table);
      }
      const auto kept = std::tuple(table.DataType1V, table.FileName1V, table.Modified1V,
                                   table.Top1V, table.SelStart1V, table.SelEnd1V);
      EXPECT_EQ(kept, std::tuple(1, Path("mine.e1v"), true, 5, 7, 9));
      EXPECT_EQ(MenuLine(table), "Undo paste* | Can not redo");
      EXPECT_EQ(RowsOf(table), NumberedRows(1, 20));
      EXPECT_TRUE(view.calls.empty()) << "no caption, refresh or recomputation";
    }
  }
}

TEST_F(DataFiles, SavingReplacesTheFileOrKeepsItAndTheModifiedFlag) {
  enum Setup { OldFiles, TempNameTaken, TargetIsAFolder, NoName };
  const std::pair<Setup, std::vector<std::string>> cases[] = {
      {OldFiles, {"keep.e1v"}},  // the previous file and an old temporary one are replaced
      // The temporary file cannot be created (as in a folder that is gone).
      {TempNameTaken, {"keep.e1v", "keep.e1vx"}},
      {TargetIsAFolder, {"keep.e1v"}},  // the rename fails
      {NoName, {}},
  };
  for (const auto& [setup, filesAfter] : cases) {
    SCOPED_TRACE(setup);
    const std::string folder = std::to_string(setup);  // one for each case
    fs::create_directory(Path(folder));
    const std::string name = setup == NoName ? "" : Path(folder + "/keep.e1v");
    if (setup == TargetIsAFolder) {
      fs::create_directory(name);
      Write(name + "/inside", "previous");
    } else if (setup != NoName) {
      Write(name, "previous");
    }
    if (setup == OldFiles) Write(name + "x", "a temporary file left by an earlier save");
    if (setup == TempNameTaken) fs::create_directory(name + "x");
    const bool saved = setup == OldFiles;
    ScriptedUi ui;
    if (!saved)
      ui.ExpectMsgBox("Error saving data to the file " + name, Answer::Ok, "Error", Icon::Critical);
    Table1V table;
    RecordingView view(table);
    SetRows(table, {{1, 2, 3}});
    table.FileName1V = name;
    table.Modified1V = true;
    Save1VAR(table);
    EXPECT_EQ(table.Modified1V, !saved);
    EXPECT_EQ(view.calls.empty(), !saved) << "the caption changes only after a save";
    EXPECT_EQ(Files(folder), filesAfter);
    if (setup == OldFiles || setup == TempNameTaken) {
      EXPECT_EQ(Read(name), saved ? DataFileText1V(table) : "previous");
    }
  }
}

// New and Open ask the same question about unsaved changes before they replace a table, and
// keep it whole unless the answer lets it go. The new table comes whole: its rows, kind and
// name, no selection, the grid at its top, and nothing to undo.
TEST_F(DataFiles, NewAndOpenAskThenReplaceTheWholeTable) {
  const std::string path = Path("other.e2v");
  Write(path, "'<FIL2VAR>  12 EXP\r\n 1 2 3 \r\n" + EmptyLines(11));
  // answer Ok: no question, the table is not modified
  struct Case { Answer answer; bool saveCompletes; bool replaced; };
  const Case cases[] = {{Answer::Ok, false, true},
                        {Answer::No, false, true},
                        {Answer::Cancel, false, false},
                        {Answer::Yes, true, true},
                        {Answer::Yes, false, false}};
  for (const Case& c : cases) {
    for (bool open : {true, false}) {
      SCOPED_TRACE(testing::Message()
                   << static_cast<int>(c.answer) << c.saveCompletes << (open ? " Open" : " New"));
      ScriptedUi ui;
      if (c.answer != Answer::Ok) {
        ui.ExpectMsgBox("Do you want to save changes to " +
                            std::string(open ? "<noname>" : "/data/old.e2v") + "?",
                        c.answer, "Save changes. Two variables statistic", Icon::Question,
                        Buttons::YesNoCancel);
      }
      Table2V table;
      RecordingView view(table);
      SetRows(table, NumberedRows(1, 40));
      if (!open && c.replaced) table.Data2V_X[0] = 99;  // New empties even index 0
      table.RegType2V = 3;
      table.Top2V = 20;
      if (!open) table.FileName2V = "/data/old.e2v";
      SetSelection2V(table, 3, 5);
      SaveForUndo2V(table);
      SetSTATUSUndoRedo2V(table, true, "Undo cut", false, "");
      table.Modified2V = c.answer != Answer::Ok;
      view.onSave = [&] { table.Modified2V = !c.saveCompletes; };
      view.calls.clear();
      if (open) {
        PreLOAD2VAR(table, path);
        EXPECT_EQ(view.task, 3);
        EXPECT_EQ(view.calls.front(), "ShowTask");
        EXPECT_EQ(ui.BusySections(), c.replaced ? 1 : 0);
      } else {
        CmdNEW2VAR_Click(table);
      }
      EXPECT_EQ(view.Count("SaveTable"), c.answer == Answer::Yes ? 1 : 0);
      if (!c.replaced) {
        EXPECT_EQ(RowsOf(table), NumberedRows(1, 40));
        EXPECT_EQ(table.RegType2V, 3);
        EXPECT_EQ(MenuLine(table), "Undo cut* | Can not redo");
        continue;
      }
      EXPECT_EQ(RowsOf(table), Padded(open ? std::vector<Row>{{1, 2, 3}} : std::vector<Row>{}, 12));
      EXPECT_EQ(std::tuple(table.RegType2V, table.FileName2V, table.Modified2V, table.SelStart2V,
                           table.Top2V),
                std::tuple(open ? 2 : 0, open ? path : "", false, -1, 1));
      EXPECT_EQ(view.caption, open ? "Orvalis - ZorbSoftware - " + path : "Orvalis - ZorbSoftware");
      EXPECT_EQ(view.Count("Recompute"), 1);
      EXPECT_EQ(view.Count("LayoutKind"), 1);
      EXPECT_EQ(view.Count("ClearPanel"), open ? 0 : 1);
      // The table before cannot come back under the new one's name.
      EXPECT_EQ(MenuLine(table), "Can not undo | Can not redo");
    }
  }
}

}  // namespace
