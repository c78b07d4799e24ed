// The program-wide state that the panels of every task reach: the current
// task, the guard of the change handlers, the remembered folder, the printer dialog's
// answer and the distribution parameter table. Plain C++, so that the panels' cores and
// their tests can use it without a window.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace shared {

inline constexpr int16_t kNoTask = -1;
inline constexpr int16_t kTaskCount = 7;
inline constexpr int16_t kTask1V = 2;  // "One variable statistic"
inline constexpr int16_t kTask2V = 3;  // "Two variables statistic"
inline constexpr int kDistributionCount = 8;

struct ProgramState {
  // The selected tab, 0..6 in tab order; kNoTask until the user first picks one. The File
  // and Edit menus and the mouse wheel act on it.
  int16_t CurrentTask = kNoTask;
  // True while code writes into text boxes: every change handler returns at once.
  bool Updating = false;
  // The folder last used by the file dialogs, without a trailing "/"; "" when none.
  std::string LastPath;
  // Set by the printer dialog's buttons; File > Print prints only when it is true.
  bool PrintConfirmed = false;

  // The distribution parameter table, indexed by the selected distribution (TipoDI):
  // Normal, t-Student, Chi-Square, F-Snedecor, Binomial, Poisson, Gamma, Beta.
  std::array<std::string, kDistributionCount> LabelPar1DI;
  std::array<std::string, kDistributionCount> LabelPar2DI;  // "" for one parameter
  std::array<int16_t, kDistributionCount> PicPar1IdxDI{};   // into ImgNMVP
  std::array<int16_t, kDistributionCount> PicPar2IdxDI{};   // into ImgNMVP; -1: none
  std::array<int16_t, kDistributionCount> PicProbBaseDI{};  // into ImgPP
};

// The program's one instance.
ProgramState& Program();

// Fills the distribution parameter table; the main window's load does it once.
void FillDistributionTable(ProgramState& state);

// The main window as the plain C++ cores of the panels reach it.
class FrameWindow {
 public:
  virtual ~FrameWindow() = default;
  // Selects a task as a click on its tab does.
  virtual void LblTASK_Click(int16_t index) = 0;
  virtual void SetCaption(const std::string& caption) = 0;
  virtual std::string Caption() const = 0;
  // File > Save on the current task (it opens Save As for an unnamed table). Success
  // shows as the table's modified flag being false afterwards.
  virtual void mnu_archivo_guardar_Click() = 0;
};

// The main window once it exists; nullptr before (and in tests that build none).
FrameWindow* MainFrame();
void SetMainFrame(FrameWindow* window);

// Window captions.
inline constexpr const char* kCaption = "Orvalis - ZorbSoftware";
// The caption of the one- or two-variable task showing the table's file ("" when none).
std::string CaptionWithFile(const std::string& fileName);

}  // namespace shared
