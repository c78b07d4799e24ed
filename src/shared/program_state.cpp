#include "shared/program_state.h"

namespace shared {
namespace {

FrameWindow* g_main_frame = nullptr;

struct DistributionRow {
  const char* par1;
  const char* par2;
  int16_t pic1;
  int16_t pic2;
  int16_t probBase;
};

constexpr DistributionRow kDistributionRows[kDistributionCount] = {
    {"Mean", "Standard deviation", 2, 3, 40},
    {"Degrees of freedom", "", 0, -1, 10},
    {"Degrees of freedom", "", 0, -1, 20},
    {"Numerator degrees of freedom", "Denominator degrees of freedom", 4, 5, 30},
    {"Number of trials", "Success probability", 0, 6, 50},
    {"Distribution parameter", "", 7, -1, 50},
    {"Shape parameter", "Scale parameter", 8, 9, 40},
    {"'a' parameter", "'b' parameter", 12, 13, 40},
};

}  // namespace

ProgramState& Program() {
  static ProgramState state;
  return state;
}

void FillDistributionTable(ProgramState& state) {
  for (int i = 0; i < kDistributionCount; ++i) {
    const DistributionRow& row = kDistributionRows[i];
    state.LabelPar1DI[i] = row.par1;
    state.LabelPar2DI[i] = row.par2;
    state.PicPar1IdxDI[i] = row.pic1;
    state.PicPar2IdxDI[i] = row.pic2;
    state.PicProbBaseDI[i] = row.probBase;
  }
}

FrameWindow* MainFrame() { return g_main_frame; }
void SetMainFrame(FrameWindow* window) { g_main_frame = window; }

std::string CaptionWithFile(const std::string& fileName) {
  return std::string(kCaption) + " - " + fileName;
}

}  // namespace shared
