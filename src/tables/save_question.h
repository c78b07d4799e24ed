#pragma once

#include <functional>
#include <string>

namespace tables {

// Before a table is replaced or the program ends: when the table is modified, asks "Do
// you want to save changes to " + its file name ("<noname>" when it has none) + "?" with
// Yes, No and Cancel, and runs save on Yes. True to go on: nothing to save, No, or a save
// that completed (the table is no longer modified); false for Cancel or a save that did
// not complete.
bool AskToSaveChanges(const bool& modified, const std::string& fileName, const std::string& title,
                      const std::function<void()>& save);

}  // namespace tables
