#include "tables/graph_window.h"

namespace tables {

std::function<void()>& ShowGraphWindow() {
  static std::function<void()> show;
  return show;
}

}  // namespace tables
