#pragma once
// A desktop for window tests: records every message box and prompt, and answers them from a
// queue. Yes/No (and Yes/No/Cancel) boxes and prompts each take the next queued answer; a dialog
// with no fitting answer queued fails the test (and gets No or Cancel). OK-only boxes need no
// answer: they are recorded and answered OK. Answers left unused when the desktop is destroyed fail
// the test.

#include <deque>
#include <string>
#include <vector>

#include "ui/desktop.h"

struct Dialog {
  enum class Kind { Message, Prompt };
  Kind kind = Kind::Message;
  std::string text, title;
  ui::Icon icon = ui::Icon::None;         // messages only
  ui::Buttons buttons = ui::Buttons::Ok;  // messages only
  std::string defaultAnswer;              // prompts only
};

class ScriptedDesktop : public ui::Desktop {
 public:
  ScriptedDesktop() = default;
  ~ScriptedDesktop() override;

  // Queue answers, in the order the dialogs will come.
  void answerYes();
  void answerNo();
  void answerCancel();           // a Yes/No/Cancel box only
  void reply(std::string text);  // the next prompt's answer; "" is Cancel

  const std::vector<Dialog>& dialogs() const { return dialogs_; }
  std::vector<std::string> messageTexts() const;  // texts of the message boxes, in order
  const Dialog& last() const;                     // the last dialog (fails when there is none)
  void forget() { dialogs_.clear(); }             // drops the record, keeps the queue
  bool programEnded() const { return ended_; }
  std::size_t unusedAnswers() const { return queue_.size(); }

  ui::Answer message(const std::string& text, ui::Buttons buttons, ui::Icon icon,
                     const std::string& title) override;
  std::string prompt(const std::string& text, const std::string& title,
                     const std::string& defaultAnswer) override;
  void endProgram() override { ended_ = true; }

 private:
  struct Queued {
    Dialog::Kind kind;
    ui::Answer answer;
    std::string text;
  };
  bool nextAnswerIs(Dialog::Kind kind) const {
    return !queue_.empty() && queue_.front().kind == kind;
  }
  std::deque<Queued> queue_;
  std::vector<Dialog> dialogs_;
  bool ended_ = false;
};
