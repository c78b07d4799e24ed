// The graph window as the table panels open it: the panels fill the hand-over first and
// then run this. Until the graph window is joined to it, it opens nothing.
#pragma once

#include <functional>

namespace tables {

std::function<void()>& ShowGraphWindow();

}  // namespace tables
