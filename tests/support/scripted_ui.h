// A scripted desktop for tests: it holds the interactions a test expects, in order, with
// the user's answers, records a transcript of every call, and fails the test at once on a
// call it did not expect (answering as a user who cancels, so nothing blocks).
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/ui.h"

namespace testing_support {

class ScriptedUi : public platform::Ui {
 public:
  // Installs itself as the current desktop; the previous one comes back on destruction,
  // when every expectation must have been met.
  ScriptedUi() : previous_(platform::InstalledUi()) { platform::InstallUi(this); }
  ~ScriptedUi() override;

  // A message box with this exact text (and, when given, this title, icon and buttons).
  ScriptedUi& ExpectMsgBox(const std::string& text, platform::Answer answer,
                           std::optional<std::string> title = std::nullopt,
                           std::optional<platform::Icon> icon = std::nullopt,
                           std::optional<platform::Buttons> buttons = std::nullopt) {
    return Expect({.kind = "MsgBox", .text = text, .answer = answer, .title = std::move(title),
                   .icon = icon, .buttons = buttons});
  }
  // Open and Save dialogs: the chosen path, or nothing for Cancel. check, when given,
  // looks at the request (title, filter, folder, proposed name).
  using RequestCheck = std::function<void(const platform::FileDialogRequest&)>;
  ScriptedUi& ExpectOpen(std::optional<std::string> chosen, RequestCheck check = {}) {
    return Expect({.kind = "Open", .chosen = std::move(chosen), .check = std::move(check)});
  }
  ScriptedUi& ExpectSave(std::optional<std::string> chosen, RequestCheck check = {}) {
    return Expect({.kind = "Save", .chosen = std::move(chosen), .check = std::move(check)});
  }
  // Plays the user's part while the message box expected last is up, before it is
  // answered: for example waits while timers run behind it.
  ScriptedUi& WhileUp(std::function<void()> action);
  ScriptedUi& ExpectShellOpen(const std::string& target, bool succeeds) {
    return Expect({.kind = "ShellOpen", .text = target, .succeeds = succeeds});
  }
  // A modal window of this name; action plays the user's part while it is up (it gets
  // the window and must make it close), or is empty to let the window return at once.
  ScriptedUi& ExpectModal(const std::string& name,
                          std::function<void(platform::ModalWindow&)> action = {}) {
    return Expect({.kind = "Modal", .text = name, .action = std::move(action)});
  }

  // platform::Ui
  platform::Answer MsgBox(const std::string& text, platform::Buttons buttons,
                          platform::Icon icon, const std::string& title) override;
  std::optional<std::string> ShowOpen(const platform::FileDialogRequest& request) override {
    return Dialog("Open", request);
  }
  std::optional<std::string> ShowSave(const platform::FileDialogRequest& request) override {
    return Dialog("Save", request);
  }
  bool ShellOpen(const std::string& target) override;
  void RunModal(platform::ModalWindow& window) override;
  void SetBusy(bool busy) override;
  std::string ClipboardText() override { return clipboard_; }
  void SetClipboardText(const std::string& text) override { clipboard_ = text; }

  // One line per call, in order ("MsgBox text", "Save dialog title", "Modal name").
  const std::vector<std::string>& Transcript() const { return transcript_; }
  // True once every expected interaction has happened.
  bool AllMet() const { return expected_.empty(); }
  // How many busy sections were opened; every SetBusy(true) must be matched.
  int BusySections() const { return busy_sections_; }

 private:
  struct Expectation {
    std::string kind{};  // MsgBox, Open, Save, ShellOpen or Modal
    std::string text{};  // message text, shell target or window name
    platform::Answer answer = platform::Answer::Ok;
    std::optional<std::string> title{};
    std::optional<platform::Icon> icon{};
    std::optional<platform::Buttons> buttons{};
    std::optional<std::string> chosen{};
    RequestCheck check{};
    bool succeeds = false;
    std::function<void(platform::ModalWindow&)> action{};
    std::function<void()> whileUp{};
  };
  ScriptedUi& Expect(Expectation e) {
    expected_.push_back(std::move(e));
    return *this;
  }
  std::optional<Expectation> Next(const std::string& kind, const std::string& what);
  std::optional<std::string> Dialog(const std::string& kind,
                                    const platform::FileDialogRequest& request);

  platform::Ui* previous_ = nullptr;
  std::deque<Expectation> expected_;
  std::vector<std::string> transcript_;
  std::string clipboard_;
  int busy_depth_ = 0;
  int busy_sections_ = 0;
};

// A settings store in memory, installed while it lives.
class MemorySettings : public platform::Settings {
 public:
  MemorySettings() : previous_(platform::InstalledSettings()) { platform::InstallSettings(this); }
  ~MemorySettings() override { platform::InstallSettings(previous_); }
  std::string Get(const std::string& app, const std::string& section, const std::string& key,
                  const std::string& fallback) override {
    const auto it = values.find(app + "/" + section + "/" + key);
    return it == values.end() ? fallback : it->second;
  }
  void Save(const std::string& app, const std::string& section, const std::string& key,
            const std::string& value) override {
    values[app + "/" + section + "/" + key] = value;
  }
  std::map<std::string, std::string> values;  // "app/section/key" -> value

 private:
  platform::Settings* previous_ = nullptr;
};

}  // namespace testing_support
