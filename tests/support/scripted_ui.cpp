#include "support/scripted_ui.h"

#include <gtest/gtest.h>

namespace testing_support {

using platform::Answer;

namespace {

const char* const kKindNames[] = {"MsgBox", "Open", "Save", "ShellOpen", "Modal"};
const char* const kAnswerNames[] = {"Ok", "Cancel", "Yes", "No"};

}  // namespace

ScriptedUi::ScriptedUi() : previous_(platform::InstalledUi()) { platform::InstallUi(this); }

ScriptedUi::~ScriptedUi() {
  for (const Expectation& e : expected_) {
    ADD_FAILURE() << "Expected " << kKindNames[static_cast<int>(e.kind)] << " \"" << e.text
                  << "\" never happened";
  }
  EXPECT_EQ(busy_depth_, 0) << "the busy pointer was left on";
  platform::InstallUi(previous_);
}

ScriptedUi& ScriptedUi::Expect(Expectation e) {
  expected_.push_back(std::move(e));
  return *this;
}

ScriptedUi& ScriptedUi::ExpectMsgBox(const std::string& text, Answer answer,
                                     std::optional<std::string> title,
                                     std::optional<platform::Icon> icon,
                                     std::optional<platform::Buttons> buttons) {
  return Expect({.kind = Kind::MsgBox, .text = text, .answer = answer, .title = std::move(title),
                 .icon = icon, .buttons = buttons});
}

ScriptedUi& ScriptedUi::WhileUp(std::function<void()> action) {
  if (expected_.empty() || expected_.back().kind != Kind::MsgBox) {
    ADD_FAILURE() << "WhileUp must follow ExpectMsgBox";
  } else {
    expected_.back().whileUp = std::move(action);
  }
  return *this;
}

ScriptedUi& ScriptedUi::ExpectOpen(std::optional<std::string> chosen, RequestCheck check) {
  return Expect({.kind = Kind::Open, .text = "Open", .chosen = std::move(chosen), .check = std::move(check)});
}

ScriptedUi& ScriptedUi::ExpectSave(std::optional<std::string> chosen, RequestCheck check) {
  return Expect({.kind = Kind::Save, .text = "Save", .chosen = std::move(chosen), .check = std::move(check)});
}

ScriptedUi& ScriptedUi::ExpectShellOpen(const std::string& target, bool succeeds) {
  return Expect({.kind = Kind::ShellOpen, .text = target, .succeeds = succeeds});
}

ScriptedUi& ScriptedUi::ExpectModal(const std::string& name,
                                    std::function<void(platform::ModalWindow&)> action) {
  return Expect({.kind = Kind::Modal, .text = name, .action = std::move(action)});
}

std::optional<ScriptedUi::Expectation> ScriptedUi::Next(Kind kind, const std::string& what) {
  if (expected_.empty() || expected_.front().kind != kind ||
      (kind != Kind::Open && kind != Kind::Save && expected_.front().text != what)) {
    ADD_FAILURE() << "Unexpected " << kKindNames[static_cast<int>(kind)] << " \"" << what << "\""
                  << (expected_.empty() ? std::string(" (nothing more was expected)")
                                        : std::string(" (expected ") +
                                              kKindNames[static_cast<int>(expected_.front().kind)] +
                                              " \"" + expected_.front().text + "\")");
    return std::nullopt;
  }
  Expectation e = std::move(expected_.front());
  expected_.pop_front();
  return e;
}

Answer ScriptedUi::MsgBox(const std::string& text, platform::Buttons buttons, platform::Icon icon,
                          const std::string& title) {
  auto e = Next(Kind::MsgBox, text);
  Answer answer = buttons == platform::Buttons::Ok ? Answer::Ok : Answer::Cancel;
  if (e) {
    EXPECT_EQ(title, e->title.value_or(title)) << "title of \"" << text << "\"";
    EXPECT_EQ(icon, e->icon.value_or(icon)) << "icon of \"" << text << "\"";
    EXPECT_EQ(buttons, e->buttons.value_or(buttons)) << "buttons of \"" << text << "\"";
    answer = e->answer;
    if (e->whileUp) e->whileUp();
  }
  transcript_.push_back("MsgBox[" + title + "] " + text + " -> " + kAnswerNames[static_cast<int>(answer)]);
  return answer;
}

std::optional<std::string> ScriptedUi::Dialog(Kind kind, const platform::FileDialogRequest& request) {
  auto e = Next(kind, request.title);
  std::optional<std::string> chosen;
  if (e) {
    if (e->check) e->check(request);
    chosen = e->chosen;
  }
  transcript_.push_back(std::string(kKindNames[static_cast<int>(kind)]) + " -> " + chosen.value_or("(cancel)"));
  return chosen;
}

std::optional<std::string> ScriptedUi::ShowOpen(const platform::FileDialogRequest& request) {
  return Dialog(Kind::Open, request);
}

std::optional<std::string> ScriptedUi::ShowSave(const platform::FileDialogRequest& request) {
  return Dialog(Kind::Save, request);
}

bool ScriptedUi::ShellOpen(const std::string& target) {
  auto e = Next(Kind::ShellOpen, target);
  const bool ok = e && e->succeeds;
  transcript_.push_back("ShellOpen " + target + (ok ? " -> ok" : " -> failed"));
  return ok;
}

void ScriptedUi::RunModal(platform::ModalWindow& window) {
  const std::string name = window.ModalName();
  auto e = Next(Kind::Modal, name);
  transcript_.push_back("Modal " + name);
  if (e && e->action) e->action(window);
}

void ScriptedUi::SetBusy(bool busy) {
  if (busy) {
    ++busy_depth_;
    ++busy_sections_;
    return;
  }
  EXPECT_GT(busy_depth_, 0) << "the busy pointer was restored twice";
  if (busy_depth_ > 0) --busy_depth_;
}

MemorySettings::MemorySettings() : previous_(platform::InstalledSettings()) {
  platform::InstallSettings(this);
}
MemorySettings::~MemorySettings() { platform::InstallSettings(previous_); }

std::string MemorySettings::Get(const std::string& app, const std::string& section,
                                const std::string& key, const std::string& fallback) {
  const auto it = values.find(app + "/" + section + "/" + key);
  return it == values.end() ? fallback : it->second;
}

void MemorySettings::Save(const std::string& app, const std::string& section, const std::string& key,
                          const std::string& value) {
  values[app + "/" + section + "/" + key] = value;
}

}  // namespace testing_support
