// The File menu (Open, Save, Save As, Print) and the close question of the main window.
// Plain C++: it asks its questions through the desktop seam and reaches the tables through
// the commands below, so tests drive it with fakes.
#pragma once

#include <cstdint>
#include <string>

#include "shared/panel_host.h"
#include "shared/program_state.h"
#include "tables/table_data.h"

namespace frame {

// One data table's readers and writers, as the tables provide them. The file name and the
// modified flag are the table's own fields (FileName1V, Modified1V...).
class TableFileCommands {
 public:
  virtual ~TableFileCommands() = default;
  // Save1VAR / Save2VAR: writes the table to its file name. Success clears the modified
  // flag; a failure has been reported to the user and leaves the flag set.
  virtual void Save() = 0;
  // Load1VAR / Load2VAR: reads the file and, on success, names the table after it. False
  // when the file could not be read (the reader has said why); the table, its file name
  // and the window caption are then as they were.
  virtual bool Load(const std::string& fileName) = 0;
  // PreLOAD1VAR / PreLOAD2VAR: selects the table's task, offers to save its changes and
  // reads the file. A file that cannot be read leaves the table's file name as it was.
  virtual void PreLoad(const std::string& fileName) = 0;
};

using PrintCommands = shared::PrintCommands;

enum class FileKind { OneVariable, TwoVariable, Refused };

// Decided by the last four characters of the name, in any case: ".e1v" or ".e2v".
FileKind KindOfFile(const std::string& path);

// The folder of a file: the text before its last "/" ("/" for a file in the root).
std::string FolderOf(const std::string& path);

// The save question's titles. The question before New and before a file of the other kind
// is loaded writes "variables" where these write "variable".
inline constexpr const char* kSaveTitle1V = "Save changes. One variable statistic";
inline constexpr const char* kSaveTitle2V = "Save changes. Two variable statistic";

class FileMenu {
 public:
  FileMenu(shared::ProgramState& state, tables::Table1V& table1V, tables::Table2V& table2V,
           shared::FrameWindow& window);

  // Until a table's or the printer's commands are given, the commands that need them do
  // nothing.
  void SetTableCommands(TableFileCommands* table1V, TableFileCommands* table2V);
  void SetPrintCommands(PrintCommands* print);

  struct Availability {
    bool Save = false;
    bool SaveAs = false;
    bool Print = false;
  };
  // The menu opening: Save, Save As and Print only on the one- and two-variable tasks.
  Availability mnu_archivo_Click() const;

  void mnu_archivo_abrir_Click();
  void mnu_archivo_guardar_Click();
  void mnu_archivo_guardarComo_Click();
  void mnu_archivo_Imprimir_Click();

  // The close question, for every way of closing the window: offers to save each modified
  // table in turn, with its tab shown. True keeps the window open.
  bool Form_QueryUnload();

  // Asks "Do you want to save changes to ...?" when the task's table is modified and runs
  // Save on Yes. True to go on: nothing to save, No, or a save that completed.
  bool OfferToSave(int16_t task, const std::string& title);

 private:
  struct TableRef;
  TableRef Table(int16_t task);
  std::string InitialFolder() const;
  void Save(int16_t task);
  void SaveAs(int16_t task);
  void LoadSameKind(int16_t task, const std::string& path);

  shared::ProgramState& state_;
  tables::Table1V& table1V_;
  tables::Table2V& table2V_;
  shared::FrameWindow& window_;
  TableFileCommands* commands1V_ = nullptr;
  TableFileCommands* commands2V_ = nullptr;
  PrintCommands* print_ = nullptr;
};

}  // namespace frame
