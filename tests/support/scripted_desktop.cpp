#include "tests/support/scripted_desktop.h"

#include <gtest/gtest.h>

namespace {

const char* kindName(Dialog::Kind kind) {
  return kind == Dialog::Kind::Message ? "Yes/No answer" : "prompt reply";
}

}  // namespace

ScriptedDesktop::~ScriptedDesktop() {
  if (queue_.empty()) return;
  std::string left;
  for (const auto& queued : queue_) {
    left += "\n  ";
    left += kindName(queued.kind);
    if (queued.kind == Dialog::Kind::Message) {
      left += queued.answer == ui::Answer::Yes  ? ": Yes"
              : queued.answer == ui::Answer::No ? ": No"
                                                : ": Cancel";
    } else {
      left += ": \"" + queued.text + "\"";
    }
  }
  ADD_FAILURE() << queue_.size() << " scripted answer(s) were never used:" << left;
}

void ScriptedDesktop::answerYes() {
  queue_.push_back({Dialog::Kind::Message, ui::Answer::Yes, ""});
}

void ScriptedDesktop::answerNo() { queue_.push_back({Dialog::Kind::Message, ui::Answer::No, ""}); }

void ScriptedDesktop::answerCancel() {
  queue_.push_back({Dialog::Kind::Message, ui::Answer::Cancel, ""});
}

void ScriptedDesktop::reply(std::string text) {
  queue_.push_back({Dialog::Kind::Prompt, ui::Answer::Ok, std::move(text)});
}

std::vector<std::string> ScriptedDesktop::messageTexts() const {
  std::vector<std::string> texts;
  for (const auto& dialog : dialogs_) {
    if (dialog.kind == Dialog::Kind::Message) texts.push_back(dialog.text);
  }
  return texts;
}

const Dialog& ScriptedDesktop::last() const {
  static const Dialog none;
  if (dialogs_.empty()) {
    ADD_FAILURE() << "no dialog was shown";
    return none;
  }
  return dialogs_.back();
}

ui::Answer ScriptedDesktop::message(const std::string& text, ui::Buttons buttons, ui::Icon icon,
                                    const std::string& title) {
  dialogs_.push_back({Dialog::Kind::Message, text, title, icon, buttons, ""});
  if (buttons == ui::Buttons::Ok) return ui::Answer::Ok;
  if (!nextAnswerIs(Dialog::Kind::Message)) {
    const bool cancel = buttons == ui::Buttons::YesNoCancel;
    ADD_FAILURE() << "unexpected " << (cancel ? "Yes/No/Cancel" : "Yes/No")
                  << " message box (answered " << (cancel ? "Cancel" : "No") << "): \"" << text
                  << "\"" << (title.empty() ? "" : " titled \"" + title + "\"");
    return cancel ? ui::Answer::Cancel : ui::Answer::No;
  }
  const ui::Answer answer = queue_.front().answer;
  queue_.pop_front();
  if (answer == ui::Answer::Cancel && buttons != ui::Buttons::YesNoCancel) {
    ADD_FAILURE() << "Cancel scripted for a message box without Cancel: \"" << text << "\"";
    return ui::Answer::No;
  }
  return answer;
}

std::string ScriptedDesktop::prompt(const std::string& text, const std::string& title,
                                    const std::string& defaultAnswer) {
  dialogs_.push_back(
      {Dialog::Kind::Prompt, text, title, ui::Icon::None, ui::Buttons::Ok, defaultAnswer});
  if (!nextAnswerIs(Dialog::Kind::Prompt)) {
    ADD_FAILURE() << "unexpected prompt (answered Cancel): \"" << text << "\" titled \"" << title
                  << "\"";
    return "";
  }
  std::string answer = std::move(queue_.front().text);
  queue_.pop_front();
  return answer;
}
