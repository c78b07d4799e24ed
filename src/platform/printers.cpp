#include "platform/printers.h"

#include <cmath>
#include <cstdlib>

namespace platform {
namespace {

PrinterService* g_printers = nullptr;

}  // namespace

PrinterService& CurrentPrinters() {
  if (g_printers == nullptr) std::abort();
  return *g_printers;
}

PrinterService* InstalledPrinters() { return g_printers; }
void InstallPrinters(PrinterService* printers) { g_printers = printers; }

int MillimetresToPixels(double mm, double twipsPerPixel) {
  const double pixels = std::nearbyint(mm / 25.4 * 1440.0 / twipsPerPixel);
  return pixels < 1 ? 1 : static_cast<int>(pixels);
}

}  // namespace platform
