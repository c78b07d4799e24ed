#include "platform/ui.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

namespace platform {
namespace {

Ui* g_ui = nullptr;
Settings* g_settings = nullptr;
std::string g_program_folder = ".";

}  // namespace

Ui& CurrentUi() {
  // Reaching the desktop before it is installed is a programming error, not a user's.
  if (g_ui == nullptr) std::abort();
  return *g_ui;
}

Ui* InstalledUi() { return g_ui; }
void InstallUi(Ui* ui) { g_ui = ui; }

Settings& CurrentSettings() {
  if (g_settings == nullptr) std::abort();
  return *g_settings;
}

Settings* InstalledSettings() { return g_settings; }
void InstallSettings(Settings* settings) { g_settings = settings; }

const std::string& ProgramFolder() { return g_program_folder; }

void SetProgramFolder(const std::string& folder) {
  g_program_folder = folder;
  while (g_program_folder.size() > 1 && g_program_folder.back() == '/') g_program_folder.pop_back();
}

std::string WithExtension(const std::string& name, const std::string& extension) {
  const auto sameLetter = [](unsigned char a, unsigned char b) {
    return std::tolower(a) == std::tolower(b);
  };
  if (name.size() >= extension.size() &&
      std::equal(extension.rbegin(), extension.rend(), name.rbegin(), sameLetter)) {
    return name;
  }
  return name + extension;
}

}  // namespace platform
