#include "tables/save_question.h"

#include "platform/ui.h"

namespace tables {

bool AskToSaveChanges(const bool& modified, const std::string& fileName, const std::string& title,
                      const std::function<void()>& save) {
  if (!modified) return true;
  const std::string name = fileName.empty() ? "<noname>" : fileName;
  const platform::Answer answer =
      platform::CurrentUi().MsgBox("Do you want to save changes to " + name + "?",
                                   platform::Buttons::YesNoCancel, platform::Icon::Question, title);
  if (answer == platform::Answer::No) return true;
  if (answer != platform::Answer::Yes) return false;
  save();
  return !modified;
}

}  // namespace tables
