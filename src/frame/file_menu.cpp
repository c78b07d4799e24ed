#include "frame/file_menu.h"

#include <algorithm>
#include <cctype>

#include "platform/ui.h"
#include "tables/save_question.h"

namespace frame {
namespace {

constexpr const char* kOpenFilter =
    "One variable statistic  (*.e1v)|*.e1v|Two variable statistic  (*.e2v)|*.e2v|"
    "All files  (*.*)|*.*";
constexpr const char* kOpenFilter2V =
    "Two variable statistic  (*.e2v)|*.e2v|One variable statistic  (*.e1v)|*.e1v|"
    "All files  (*.*)|*.*";
constexpr const char* kSaveFilter1V = "One variable statistic (*.e1v)|*.e1v|All files (*.*)|*.*";
constexpr const char* kSaveFilter2V = "Two variable statistic (*.e2v)|*.e2v|All files (*.*)|*.*";

bool IsTableTask(int16_t task) { return task == shared::kTask1V || task == shared::kTask2V; }

}  // namespace

// The fields and commands of the table behind the one- or two-variable task.
struct FileMenu::TableRef {
  bool& modified;
  std::string& fileName;
  TableFileCommands* commands;
};

FileKind KindOfFile(const std::string& path) {
  if (path.size() < 4) return FileKind::Refused;
  std::string ending = path.substr(path.size() - 4);
  std::transform(ending.begin(), ending.end(), ending.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  if (ending == ".E1V") return FileKind::OneVariable;
  if (ending == ".E2V") return FileKind::TwoVariable;
  return FileKind::Refused;
}

std::string FolderOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  if (slash == std::string::npos) return "";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

FileMenu::FileMenu(shared::ProgramState& state, tables::Table1V& table1V, tables::Table2V& table2V,
                   shared::FrameWindow& window)
    : state_(state), table1V_(table1V), table2V_(table2V), window_(window) {}

void FileMenu::SetTableCommands(TableFileCommands* table1V, TableFileCommands* table2V) {
  commands1V_ = table1V;
  commands2V_ = table2V;
}

void FileMenu::SetPrintCommands(PrintCommands* print) { print_ = print; }

FileMenu::TableRef FileMenu::Table(int16_t task) {
  if (task == shared::kTask1V) return {table1V_.Modified1V, table1V_.FileName1V, commands1V_};
  return {table2V_.Modified2V, table2V_.FileName2V, commands2V_};
}

std::string FileMenu::InitialFolder() const {
  return state_.LastPath.empty() ? platform::ProgramFolder() : state_.LastPath;
}

FileMenu::Availability FileMenu::mnu_archivo_Click() const {
  const bool table = IsTableTask(state_.CurrentTask);
  return {table, table, table};
}

bool FileMenu::OfferToSave(int16_t task, const std::string& title) {
  TableRef table = Table(task);
  return tables::AskToSaveChanges(table.modified, table.fileName, title, [&] { Save(task); });
}

bool FileMenu::Form_QueryUnload() {
  const std::pair<int16_t, const char*> tables[] = {{shared::kTask1V, kSaveTitle1V},
                                                    {shared::kTask2V, kSaveTitle2V}};
  for (const auto& [task, title] : tables) {
    if (!Table(task).modified) continue;
    window_.LblTASK_Click(task);
    if (!OfferToSave(task, title)) return true;
  }
  return false;
}

void FileMenu::mnu_archivo_abrir_Click() {
  const int16_t task = state_.CurrentTask;
  if (task == shared::kTask1V && !OfferToSave(task, kSaveTitle1V)) return;
  if (task == shared::kTask2V && !OfferToSave(task, kSaveTitle2V)) return;

  platform::FileDialogRequest request;
  request.title = "Open";
  request.filter = task == shared::kTask2V ? kOpenFilter2V : kOpenFilter;
  request.initDir = InitialFolder();
  const std::optional<std::string> chosen = platform::CurrentUi().ShowOpen(request);
  if (!chosen) return;

  const FileKind kind = KindOfFile(*chosen);
  if (kind == FileKind::Refused) {
    platform::CurrentUi().MsgBox("Error: The file " + *chosen + " is not valid",
                                 platform::Buttons::Ok, platform::Icon::Critical, "Error");
    return;
  }
  // Whichever reader takes the file, the next dialog starts where this one ended.
  state_.LastPath = FolderOf(*chosen);

  const int16_t fileTask = kind == FileKind::OneVariable ? shared::kTask1V : shared::kTask2V;
  if (fileTask == task) {
    LoadSameKind(task, *chosen);
  } else if (TableFileCommands* commands = Table(fileTask).commands) {
    commands->PreLoad(*chosen);
  }
}

void FileMenu::LoadSameKind(int16_t task, const std::string& path) {
  // The table takes the file's name only once the file has been read, so that Save cannot
  // write a table over the file that failed to load.
  TableRef table = Table(task);
  if (table.commands == nullptr) return;
  platform::BusyPointer busy;
  table.commands->Load(path);
}

void FileMenu::mnu_archivo_guardar_Click() {
  if (IsTableTask(state_.CurrentTask)) Save(state_.CurrentTask);
}

void FileMenu::Save(int16_t task) {
  TableRef table = Table(task);
  if (table.fileName.empty()) {
    SaveAs(task);
    return;
  }
  if (table.commands == nullptr) return;
  platform::BusyPointer busy;
  table.commands->Save();
}

void FileMenu::mnu_archivo_guardarComo_Click() {
  if (IsTableTask(state_.CurrentTask)) SaveAs(state_.CurrentTask);
}

void FileMenu::SaveAs(int16_t task) {
  TableRef table = Table(task);
  platform::FileDialogRequest request;
  request.title = "Save statistic";
  request.filter = task == shared::kTask1V ? kSaveFilter1V : kSaveFilter2V;
  request.initDir = InitialFolder();
  request.fileName = table.fileName;
  request.extension = task == shared::kTask1V ? ".e1v" : ".e2v";
  const std::optional<std::string> chosen = platform::CurrentUi().ShowSave(request);
  if (!chosen) return;
  table.fileName = platform::WithExtension(*chosen, request.extension);
  state_.LastPath = FolderOf(table.fileName);
  if (table.commands == nullptr) return;
  platform::BusyPointer busy;
  table.commands->Save();
}

void FileMenu::mnu_archivo_Imprimir_Click() {
  const int16_t task = state_.CurrentTask;
  if (!IsTableTask(task) || print_ == nullptr) return;
  // Only the dialog's Print button confirms: closing it any other way must not print
  // because of an earlier confirmation.
  state_.PrintConfirmed = false;
  print_->ShowPrinterDialog();
  if (!state_.PrintConfirmed) return;
  if (task == shared::kTask1V) {
    print_->Imprimir1VAR();
  } else {
    print_->Imprimir2VAR();
  }
}

}  // namespace frame
