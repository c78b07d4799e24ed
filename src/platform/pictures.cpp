#include "platform/pictures.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

#include "platform/ui.h"

namespace platform {
namespace {

bool SameIgnoringCase(const std::string& a, const std::string& b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](unsigned char x, unsigned char y) {
           return std::tolower(x) == std::tolower(y);
         });
}

}  // namespace

std::string PicturePath(const std::string& name) {
  namespace fs = std::filesystem;
  if (name.empty() || name.find('/') != std::string::npos) return {};
  const fs::path folder = fs::path(ProgramFolder()) / "images";
  std::error_code error;
  const fs::path exact = folder / name;
  if (fs::is_regular_file(exact, error)) return exact.string();
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    if (SameIgnoringCase(it->path().filename().string(), name) &&
        it->is_regular_file(error)) {
      return it->path().string();
    }
  }
  return {};
}

}  // namespace platform
