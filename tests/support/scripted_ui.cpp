#include "support/scripted_ui.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace testing_support {

using platform::Answer;

ScriptedUi::~ScriptedUi() {
  for (const Expectation& e : expected_) {
    ADD_FAILURE() << "Expected " << e.kind << " \"" << e.text << "\" never happened";
  }
  EXPECT_EQ(busy_depth_, 0) << "the busy pointer was left on";
  platform::InstallUi(previous_);
}

ScriptedUi& ScriptedUi::WhileUp(std::function<void()> action) {
  if (expected_.empty() || expected_.back().kind != "MsgBox") {
    ADD_FAILURE() << "WhileUp must follow ExpectMsgBox";
  } else {
    expected_.back().whileUp = std::move(action);
  }
  return *this;
}

std::optional<ScriptedUi::Expectation> ScriptedUi::Next(const std::string& kind,
                                                        const std::string& what) {
  transcript_.push_back(kind + " " + what);
  // A file dialog is known by its kind alone: its title is for the check to judge.
  const bool dialog = kind == "Open" || kind == "Save";
  if (expected_.empty() || expected_.front().kind != kind ||
      (!dialog && expected_.front().text != what)) {
    ADD_FAILURE() << "Unexpected " << kind << " \"" << what << "\" (expected "
                  << (expected_.empty() ? "nothing more" : expected_.front().kind) << " \""
                  << (expected_.empty() ? "" : expected_.front().text) << "\")";
    return std::nullopt;
  }
  Expectation e = std::move(expected_.front());
  expected_.pop_front();
  return e;
}

Answer ScriptedUi::MsgBox(const std::string& text, platform::Buttons buttons, platform::Icon icon,
                          const std::string& title) {
  auto e = Next("MsgBox", text);
  if (!e) return buttons == platform::Buttons::Ok ? Answer::Ok : Answer::Cancel;
  EXPECT_EQ(title, e->title.value_or(title)) << "title of \"" << text << "\"";
  EXPECT_EQ(icon, e->icon.value_or(icon)) << "icon of \"" << text << "\"";
  EXPECT_EQ(buttons, e->buttons.value_or(buttons)) << "buttons of \"" << text << "\"";
  if (e->whileUp) e->whileUp();
  return e->answer;
}

std::optional<std::string> ScriptedUi::Dialog(const std::string& kind,
                                              const platform::FileDialogRequest& request) {
  auto e = Next(kind, request.title);
  if (!e) return std::nullopt;
  if (e->check) e->check(request);
  return e->chosen;
}

bool ScriptedUi::ShellOpen(const std::string& target) {
  auto e = Next("ShellOpen", target);
  return e && e->succeeds;
}

void ScriptedUi::RunModal(platform::ModalWindow& window) {
  auto e = Next("Modal", window.ModalName());
  if (e && e->action) e->action(window);
}

void ScriptedUi::SetBusy(bool busy) {
  EXPECT_TRUE(busy || busy_depth_ > 0) << "the busy pointer was restored twice";
  busy_sections_ += busy ? 1 : 0;
  busy_depth_ = std::max(0, busy_depth_ + (busy ? 1 : -1));
}

}  // namespace testing_support
