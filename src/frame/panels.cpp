#include "frame/panels.h"

#include "frame/FormMain.h"

namespace frame {

void InstallPanels(FormMain& form) {
  // Each task's panel adds itself here as it lands: it builds its controls inside
  // form.Panel(task), sets the commands of its picture buttons (form.Button(n)), and the
  // tables give form.Files() their readers and writers and the wheel their scroll bars.
  (void)form;
}

}  // namespace frame
