// The ".e1v" and ".e2v" data files: their bytes, reading them back, refusing bad files,
// and saving without ever losing the previous file.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "support/scripted_ui.h"
#include "table_test_support.h"
#include "tables/data_files.h"
#include "tables/edit_commands.h"
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
  void SetUp() override {
    const auto* info = testing::UnitTest::GetInstance()->current_test_info();
    dir_ = fs::temp_directory_path() /
           ("orvalis-tables-" + std::to_string(getpid()) + "-" + info->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::string Path(const std::string& name) const { return (dir_ / name).string(); }

  static void Write(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out << bytes;
  }
  static std::string Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }
  std::vector<std::string> Files() const {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(dir_)) names.push_back(e.path().filename().string());
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

TEST_F(DataFiles, ANewTableSavesAsTheLayoutSays) {
  ScriptedUi ui;
  Table1V one;
  RecordingView view(one);
  one.FileName1V = Path("new.e1v");
  one.Modified1V = true;
  Save1VAR(one);
  EXPECT_EQ(Read(one.FileName1V), "'<FIL1VAR>  12 NOA\r\n" + EmptyLines(12));
  EXPECT_FALSE(one.Modified1V);
  EXPECT_EQ(view.caption, "Orvalis - ZorbSoftware - " + one.FileName1V);
  EXPECT_EQ(Files(), std::vector<std::string>{"new.e1v"});

  Table2V two;
  two.FileName2V = Path("new.e2v");
  Save2VAR(two);
  EXPECT_EQ(Read(two.FileName2V), "'<FIL2VAR>  12 LIN\r\n" + EmptyLines(12));
}

TEST_F(DataFiles, EveryKindAndModelHasItsCode) {
  ScriptedUi ui;
  Table1V one;
  SetRows(one, {{5, E, 3}, {-3, 0.5, 1}});
  one.DataType1V = 1;
  EXPECT_EQ(DataFileText1V(one), "'<FIL1VAR>  12 AGR\r\n"
                                 " 5 <N>  3 \r\n"
                                 "-3  .5  1 \r\n" +
                                     EmptyLines(10));
  const char* codes[] = {"LIN", "LOG", "EXP", "POT", "CUA"};
  for (int16_t model = 0; model < 5; ++model) {
    Table2V two;
    SetRows(two, NumberedRows(1, 13));
    two.RegType2V = model;
    const std::string text = DataFileText2V(two);
    EXPECT_EQ(text.substr(0, 20), std::string("'<FIL2VAR>  13 ") + codes[model] + "\r\n");
    EXPECT_NE(text.find("\r\n 13  13.5  2 \r\n"), std::string::npos);

    // And each reads back as its own model.
    two.FileName2V = Path("m.e2v");
    Save2VAR(two);
    Table2V back;
    Load2VAR(back, two.FileName2V);
    EXPECT_EQ(back.RegType2V, model);
    EXPECT_EQ(RowsOf(back), RowsOf(two));
  }
}

TEST_F(DataFiles, ValuesOfEveryMagnitudeReadBackBitForBit) {
  ScriptedUi ui;
  const double values[] = {0.1,  -2.5,      1E-300, 1.7976931348623157E+308, 5E-324,
                           -1E+15, 123456789012345, 1.0 / 3, 0.1 + 0.2,  1E-5,
                           12345.678, -0.001, 2.2250738585072014E-308, 1E+22, 0.5,
                           0,    7,         -123.456E-200};
  Table1V saved;
  std::vector<Row> rows;
  for (size_t i = 0; i + 2 < std::size(values); i += 3) rows.push_back({values[i], values[i + 1], values[i + 2]});
  rows.push_back({E, 4, E});
  SetRows(saved, rows);
  saved.DataType1V = 1;
  saved.FileName1V = Path("round.e1v");
  Save1VAR(saved);

  Table1V back;
  Load1VAR(back, saved.FileName1V);
  EXPECT_EQ(RowsOf(back), RowsOf(saved));
  EXPECT_EQ(back.N1V, saved.N1V);
  EXPECT_EQ(back.DataType1V, 1);
  EXPECT_TRUE(OutsideRowsEmpty(back));
}

TEST_F(DataFiles, ASuccessfulReadReplacesTheTableAndClearsUndo) {
  ScriptedUi ui;
  const std::string path = Path("read.e1v");
  Write(path, "'<FIL1VAR>  13 AGR\r\n" + std::string(" 1 abc <N> \r\n") + EmptyLines(11) +
                  " 2   3   4 \r\ntext after the rows is ignored");
  Table1V table;
  RecordingView view(table);
  SetRows(table, NumberedRows(1, 40));
  table.Top1V = 29;
  table.Modified1V = true;
  SetSelection1V(table, 2, 2);
  DelSel1V(table);
  view.calls.clear();

  Load1VAR(table, path);
  std::vector<Row> expected = Padded({{1, 0, E}}, 12);
  expected.push_back({2, 3, 4});
  EXPECT_EQ(RowsOf(table), expected);
  EXPECT_TRUE(OutsideRowsEmpty(table));
  EXPECT_EQ(table.DataType1V, 1);
  EXPECT_EQ(table.FileName1V, path);
  EXPECT_FALSE(table.Modified1V);
  EXPECT_EQ(table.SelStart1V, -1);
  EXPECT_EQ(table.Top1V, 2);  // the grid's position stays within the new table
  EXPECT_EQ(view.caption, "Orvalis - ZorbSoftware - " + path);
  EXPECT_EQ(MenuLine(table), "Can not undo | Can not redo");
  EXPECT_EQ(view.Count("LayoutKind"), 1);
  EXPECT_EQ(view.Count("Recompute"), 1);
  // The table before the read cannot come back under the file's name.
  Deshacer1V(table);
  EXPECT_EQ(RowsOf(table), expected);
}

TEST_F(DataFiles, CountsOfEveryTableTheEditorCanMakeAreRead) {
  ScriptedUi ui;
  struct Case {
    std::string header;
    int lines;
    int32_t n;
    int16_t kind;
  };
  const Case cases[] = {
      {"'<FIL2VAR>  5 LOG", 5, 12, 1},     // fewer than 12 rows read as 12
      {"'<FIL2VAR>  0 CUA", 0, 12, 4},
      {"'<FIL2VAR>  10000 POT", 10000, 10000, 3},
      {"'<FIL2VAR>  12.5 EXP", 12, 12, 2},  // rounded half to even
      {"'<FIL2VAR>  13.5 XYZ", 14, 14, 0},  // an unknown model reads as linear
      {"'<FIL2VAR>   14", 14, 14, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.header);
    std::string text = c.header + "\r\n";
    for (int i = 1; i <= c.lines; ++i) text.append(" ").append(std::to_string(i)).append("  1  1 \r\n");
    Write(Path("t.e2v"), text);
    Table2V table;
    Load2VAR(table, Path("t.e2v"));
    EXPECT_EQ(table.N2V, c.n);
    EXPECT_EQ(table.RegType2V, c.kind);
    if (c.lines > 0) {
      EXPECT_EQ(table.Data2V_X[static_cast<size_t>(c.lines)], c.lines);
    }
    EXPECT_TRUE(OutsideRowsEmpty(table));
  }
}

TEST_F(DataFiles, AFileThatFailsChangesNothing) {
  const std::string good = "'<FIL1VAR>  12 NOA\r\n" + EmptyLines(12);
  struct Case {
    const char* name;
    std::string bytes;
    const char* message;  // after "Error:\r\nThe file <name>" or as "Error in file <name>"
  };
  std::string lf = good;
  for (size_t at = lf.find("\r\n"); at != std::string::npos; at = lf.find("\r\n", at)) lf.erase(at, 1);
  const Case cases[] = {
      {"wrong marker", "'<FIL2VAR>  12 LIN\r\n" + EmptyLines(12), " is not valid"},
      {"empty file", "", " is not valid"},
      {"another kind of file", "Orvalis statistics", " is not valid"},
      {"too many rows", "'<FIL1VAR>  10001 NOA\r\n" + EmptyLines(10001), " is too large"},
      {"count too large for a number", "'<FIL1VAR>  1E+400 NOA\r\n", " is too large"},
      {"line feeds alone", lf, "in file"},
      {"truncated", "'<FIL1VAR>  12 NOA\r\n" + EmptyLines(5), "in file"},
      {"last line without its end", good.substr(0, good.size() - 2), "in file"},
      {"a line with two fields", "'<FIL1VAR>  12 NOA\r\n 5 3\r\n" + EmptyLines(11), "in file"},
      {"a count that is no number", "'<FIL1VAR> NOA\r\n" + EmptyLines(12), "in file"},
      {"negative count", "'<FIL1VAR> -3 NOA\r\n" + EmptyLines(12), "in file"},
      {"huge negative count", "'<FIL1VAR> -1E+300 NOA\r\n", "in file"},
      {"negative count too large for a number", "'<FIL1VAR> -1E+400 NOA\r\n", "in file"},
      {"no line end after the header", "'<FIL1VAR>  12 NOA", "in file"},
      {"missing file", "", "in file"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string path = Path("bad.e1v");
    fs::remove(path);
    if (std::string(c.name) != "missing file") Write(path, c.bytes);
    const std::string message = std::string(c.message) == "in file"
                                    ? "Error in file " + path
                                    : "Error:\r\nThe file " + path + c.message;
    ScriptedUi ui;
    ui.ExpectMsgBox(message, Answer::Ok, "Error", Icon::Critical, Buttons::Ok);

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

    Load1VAR(table, path);
    EXPECT_EQ(RowsOf(table), NumberedRows(1, 20));
    EXPECT_TRUE(OutsideRowsEmpty(table));
    EXPECT_EQ(table.DataType1V, 1);
    EXPECT_EQ(table.FileName1V, Path("mine.e1v"));
    EXPECT_TRUE(table.Modified1V);
    EXPECT_EQ(table.Top1V, 5);
    EXPECT_EQ(table.SelStart1V, 7);
    EXPECT_EQ(MenuLine(table), "Undo paste* | Can not redo");
    EXPECT_TRUE(view.calls.empty()) << "no caption, refresh or recomputation";
  }
}

TEST_F(DataFiles, SavingReplacesTheFileAndLeavesNoTemporaryFile) {
  ScriptedUi ui;
  const std::string path = Path("data.e2v");
  Write(path, "old content");
  Write(path + "x", "a temporary file left by an earlier save");
  Table2V table;
  SetRows(table, {{1, 2, 3}});
  table.FileName2V = path;
  table.Modified2V = true;
  Save2VAR(table);
  EXPECT_EQ(Read(path), DataFileText2V(table));
  EXPECT_EQ(Files(), std::vector<std::string>{"data.e2v"});
  EXPECT_FALSE(table.Modified2V);
}

TEST_F(DataFiles, AFailedSaveKeepsThePreviousFileAndTheModifiedFlag) {
  struct Case {
    const char* name;
    std::function<std::string(DataFiles&)> prepare;  // gives the target's name
    std::vector<std::string> filesAfter;
  };
  const Case cases[] = {
      // The temporary file cannot be created: a folder has its name.
      {"temporary name taken",
       [](DataFiles& f) {
         Write(f.Path("keep.e1v"), "previous");
         fs::create_directory(f.Path("keep.e1vx"));
         return f.Path("keep.e1v");
       },
       {"keep.e1v", "keep.e1vx"}},
      // The rename fails: the target is a folder that holds a file.
      {"target is a folder",
       [](DataFiles& f) {
         fs::create_directory(f.Path("folder.e1v"));
         Write(f.Path("folder.e1v/inside"), "previous");
         return f.Path("folder.e1v");
       },
       {"folder.e1v"}},
      {"no such folder", [](DataFiles& f) { return f.Path("missing/x.e1v"); }, {}},
      {"no name", [](DataFiles&) { return std::string(); }, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    const std::string name = c.prepare(*this);
    ScriptedUi ui;
    ui.ExpectMsgBox("Error saving data to the file " + name, Answer::Ok, "Error", Icon::Critical);
    Table1V table;
    RecordingView view(table);
    table.FileName1V = name;
    table.Modified1V = true;
    Save1VAR(table);
    EXPECT_TRUE(table.Modified1V);
    EXPECT_TRUE(view.calls.empty()) << "the caption stays";
    EXPECT_EQ(Files(), c.filesAfter);
    if (std::string(c.name) == "temporary name taken") {
      EXPECT_EQ(Read(name), "previous");
    }
  }
}

TEST_F(DataFiles, PreloadShowsTheTaskAndAsksBeforeReading) {
  const std::string path = Path("other.e2v");
  Write(path, "'<FIL2VAR>  12 EXP\r\n 1 2 3 \r\n" + EmptyLines(11));
  struct Case {
    const char* name;
    bool modified;
    Answer answer;
    bool saveCompletes;
    bool read;
  };
  const Case cases[] = {
      {"unmodified", false, Answer::Ok, false, true},
      {"No", true, Answer::No, false, true},
      {"Cancel", true, Answer::Cancel, false, false},
      {"Yes, saved", true, Answer::Yes, true, true},
      {"Yes, save failed", true, Answer::Yes, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ScriptedUi ui;
    if (c.modified) {
      ui.ExpectMsgBox("Do you want to save changes to <noname>?", c.answer,
                      "Save changes. Two variables statistic", Icon::Question,
                      Buttons::YesNoCancel);
    }
    Table2V table;
    RecordingView view(table);
    table.Modified2V = c.modified;
    view.onSave = [&] { table.Modified2V = !c.saveCompletes; };
    PreLOAD2VAR(table, path);
    EXPECT_EQ(view.task, 3);
    EXPECT_EQ(view.calls.front(), "ShowTask");
    EXPECT_EQ(table.FileName2V, c.read ? path : "");
    EXPECT_EQ(table.RegType2V, c.read ? 2 : 0);
    EXPECT_EQ(ui.BusySections(), c.read ? 1 : 0);
  }

  ScriptedUi ui;
  Table1V one;
  RecordingView view(one);
  Write(Path("one.e1v"), "'<FIL1VAR>  12 NOA\r\n" + EmptyLines(12));
  PreLOAD1VAR(one, Path("one.e1v"));
  EXPECT_EQ(view.task, 2);
  EXPECT_EQ(one.FileName1V, Path("one.e1v"));
}

}  // namespace
