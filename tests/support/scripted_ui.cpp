#include "support/scripted_ui.h"

#include <gtest/gtest.h>

namespace testing_support {

using platform::Answer;

namespace {

const char* KindName(int kind) {
  static const char* names[] = {"MsgBox", "Open", "Save", "ShellOpen", "Modal"};
  return names[kind];
}

}  // namespace

const char* AnswerName(Answer answer) {
  switch (answer) {
    case Answer::Ok: return "Ok";
    case Answer::Cancel: return "Cancel";
    case Answer::Yes: return "Yes";
    case Answer::No: return "No";
  }
  return "?";
}

ScriptedUi::ScriptedUi() : previous_(platform::InstalledUi()) { platform::InstallUi(this); }

ScriptedUi::~ScriptedUi() {
  for (const Expectation& e : expected_) {
    ADD_FAILURE() << "Expected " << KindName(static_cast<int>(e.kind)) << " \"" << e.text
                  << "\" never happened";
  }
  EXPECT_EQ(busy_depth_, 0) << "the busy pointer was left on";
  platform::InstallUi(previous_);
}

ScriptedUi& ScriptedUi::ExpectMsgBox(const std::string& text, Answer answer,
                                     std::optional<std::string> title,
                                     std::optional<platform::Icon> icon,
                                     std::optional<platform::Buttons> buttons) {
  Expectation e;
  e.kind = Kind::MsgBox;
  e.text = text;
  e.answer = answer;
  e.title = std::move(title);
  e.icon = icon;
  e.buttons = buttons;
  expected_.push_back(std::move(e));
  return *this;
}

ScriptedUi& ScriptedUi::WhileUp(std::function<void()> action) {
  if (expected_.empty() || expected_.back().kind != Kind::MsgBox) {
    ADD_FAILURE() << "WhileUp must follow ExpectMsgBox";
    return *this;
  }
  expected_.back().whileUp = std::move(action);
  return *this;
}

ScriptedUi& ScriptedUi::ExpectOpen(std::optional<std::string> chosen, RequestCheck check) {
  Expectation e;
  e.kind = Kind::Open;
  e.text = "Open";
  e.chosen = std::move(chosen);
  e.check = std::move(check);
  expected_.push_back(std::move(e));
  return *this;
}

ScriptedUi& ScriptedUi::ExpectSave(std::optional<std::string> chosen, RequestCheck check) {
  Expectation e;
  e.kind = Kind::Save;
  e.text = "Save";
  e.chosen = std::move(chosen);
  e.check = std::move(check);
  expected_.push_back(std::move(e));
  return *this;
}

ScriptedUi& ScriptedUi::ExpectShellOpen(const std::string& target, bool succeeds) {
  Expectation e;
  e.kind = Kind::Shell;
  e.text = target;
  e.succeeds = succeeds;
  expected_.push_back(std::move(e));
  return *this;
}

ScriptedUi& ScriptedUi::ExpectModal(const std::string& name,
                                    std::function<void(platform::ModalWindow&)> action) {
  Expectation e;
  e.kind = Kind::Modal;
  e.text = name;
  e.action = std::move(action);
  expected_.push_back(std::move(e));
  return *this;
}

std::optional<ScriptedUi::Expectation> ScriptedUi::Next(Kind kind, const std::string& what) {
  if (expected_.empty() || expected_.front().kind != kind) {
    ADD_FAILURE() << "Unexpected " << KindName(static_cast<int>(kind)) << " \"" << what << "\""
                  << (expected_.empty() ? std::string(" (nothing more was expected)")
                                        : " (expected " +
                                              std::string(KindName(
                                                  static_cast<int>(expected_.front().kind))) +
                                              " \"" + expected_.front().text + "\")");
    return std::nullopt;
  }
  Expectation e = std::move(expected_.front());
  expected_.pop_front();
  return e;
}

Answer ScriptedUi::MsgBox(const std::string& text, platform::Buttons buttons,
                          platform::Icon icon, const std::string& title) {
  auto e = Next(Kind::MsgBox, text);
  Answer answer = buttons == platform::Buttons::Ok ? Answer::Ok : Answer::Cancel;
  if (e) {
    EXPECT_EQ(text, e->text);
    if (e->title) {
      EXPECT_EQ(title, *e->title) << "title of \"" << text << "\"";
    }
    if (e->icon) {
      EXPECT_EQ(static_cast<int>(icon), static_cast<int>(*e->icon)) << "icon of \"" << text << "\"";
    }
    if (e->buttons) {
      EXPECT_EQ(static_cast<int>(buttons), static_cast<int>(*e->buttons))
          << "buttons of \"" << text << "\"";
    }
    answer = e->answer;
    if (e->whileUp) e->whileUp();
  }
  transcript_.push_back("MsgBox[" + title + "] " + text + " -> " + AnswerName(answer));
  return answer;
}

std::optional<std::string> ScriptedUi::ShowOpen(const platform::FileDialogRequest& request) {
  auto e = Next(Kind::Open, request.title);
  std::optional<std::string> chosen;
  if (e) {
    if (e->check) e->check(request);
    chosen = e->chosen;
  }
  transcript_.push_back("Open -> " + chosen.value_or("(cancel)"));
  return chosen;
}

std::optional<std::string> ScriptedUi::ShowSave(const platform::FileDialogRequest& request) {
  auto e = Next(Kind::Save, request.title);
  std::optional<std::string> chosen;
  if (e) {
    if (e->check) e->check(request);
    chosen = e->chosen;
  }
  transcript_.push_back("Save -> " + chosen.value_or("(cancel)"));
  return chosen;
}

bool ScriptedUi::ShellOpen(const std::string& target) {
  auto e = Next(Kind::Shell, target);
  bool ok = false;
  if (e) {
    EXPECT_EQ(target, e->text);
    ok = e->succeeds;
  }
  transcript_.push_back("ShellOpen " + target + (ok ? " -> ok" : " -> failed"));
  return ok;
}

void ScriptedUi::RunModal(platform::ModalWindow& window) {
  const std::string name = window.ModalName();
  auto e = Next(Kind::Modal, name);
  transcript_.push_back("Modal " + name);
  if (e) {
    EXPECT_EQ(name, e->text);
    if (e->action) e->action(window);
  }
}

void ScriptedUi::SetBusy(bool busy) {
  if (busy) {
    ++busy_depth_;
    ++busy_sections_;
  } else {
    EXPECT_GT(busy_depth_, 0) << "the busy pointer was restored twice";
    if (busy_depth_ > 0) --busy_depth_;
  }
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

void MemorySettings::Save(const std::string& app, const std::string& section,
                          const std::string& key, const std::string& value) {
  values[app + "/" + section + "/" + key] = value;
}

}  // namespace testing_support
