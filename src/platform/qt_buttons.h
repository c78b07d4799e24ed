// Enter presses the push button that has the focus, as on every desktop.
#pragma once

namespace platform {

// Installs, once for the whole application, the key filter that makes Enter and Return press
// the focused push button of any window, as Space does. Qt does this by itself only for the
// auto-default buttons of a dialog, and such a dialog then makes one of them its default
// button, which Enter presses from anywhere in it; the program's windows have no default
// button. Each window that holds push buttons calls it when it is built.
void EnterPressesFocusedButton();

}  // namespace platform
