#pragma once
// What a window needs beyond its controls: modal message boxes, text prompts, ending the program.

#include <functional>
#include <string>

#include "common/line_file.h"
#include "ui/controls.h"

namespace ui {

enum class Icon { None, Critical, Question, Exclamation, Information };
enum class Buttons { Ok, YesNo, YesNoCancel };
enum class Answer { Ok, Yes, No, Cancel };

inline const std::string programTitle = "VL 1.3 Duvazari Editor";
// The main windows' caption.
inline const std::string mainCaption = "Vorlune 1.3 Duvazari Editor";

class Desktop {  // everything a window needs beyond its controls
 public:
  virtual ~Desktop() = default;
  // Modal message box; title "" means the program's title "VL 1.3 Duvazari Editor". Line breaks
  // in the text are "\r\n".
  virtual Answer message(const std::string& text, Buttons buttons, Icon icon,
                         const std::string& title) = 0;
  // Modal text prompt; returns "" for Cancel or an empty answer. Never returns CR or LF.
  virtual std::string prompt(const std::string& text, const std::string& title,
                             const std::string& defaultAnswer) = 0;
  // Ends the program; the caller returns at once, and the front end quits when it regains control.
  virtual void endProgram() = 0;
};

// A message box with OK only.
void say(Desktop& desktop, const std::string& text, Icon icon = Icon::None,
         const std::string& title = "");
// A Yes/No message box; true for Yes.
bool askYesNo(Desktop& desktop, const std::string& text, Icon icon = Icon::None,
              const std::string& title = "");
// Asks whether to save unsaved work before the program closes: Yes, No, or Cancel.
Answer askSaveBeforeClosing(Desktop& desktop, const UnsavedWork& work);

// Before a file the editor read is replaced: when it has changed on disk since (another program,
// or another copy of the editor, wrote it), asks whether to replace it anyway, naming the file.
// True when the write may go ahead; false for No, and the caller then writes nothing.
bool mayReplace(Desktop& desktop, const std::string& pathText, const common::FileStamp& readStamp);

// What a failed save tells the user: this text, a blank line, then the reason.
struct SaveFailure {
  std::string text;  // for example "The venues could not be saved."
  Icon icon;
  std::string title;  // "" for the program's title
};

// The one way a window saves a file: unless the file is made new (CreateNew, only where none is
// yet), asks first when it has changed on disk since `stamp` (mayReplace) and writes nothing on No.
// `write` then writes the file atomically in `mode`, putting the written file's stamp where it is
// told; `stamp` becomes that stamp, taken from the write itself, so the next save compares with
// what this one wrote. A failure is told as `failed` says, and `stamp` stays as it was. True when
// the file holds the new contents.
bool saveFile(Desktop& desktop, const std::string& pathText, common::FileStamp& stamp,
              const std::function<common::IoStatus(common::WriteMode, common::FileStamp*)>& write,
              const SaveFailure& failed, common::WriteMode mode = common::WriteMode::Replace);

// After a file is loaded: tells the user when its line ends are mixed, naming the file and the
// first odd line.
// Tells the user why a folder list is empty though its folder is there (a FileListBox's or a
// DirListBox's readError); nothing when the list was read.
void tellReadError(Desktop& desktop, const std::string& readError);

void tellMixedLineEnds(Desktop& desktop, const std::string& pathText, const common::ReadInfo& info);

// A text prompt; "" for Cancel or an empty answer.
std::string ask(Desktop& desktop, const std::string& text, const std::string& title,
                const std::string& defaultAnswer);

// Shows the hourglass as a button's (or a window's) pointer for as long as it lives, and restores
// the normal pointer on every way out of the handler.
class BusyPointer {
 public:
  explicit BusyPointer(CommandButton& button);
  explicit BusyPointer(Form& form);
  ~BusyPointer();
  BusyPointer(const BusyPointer&) = delete;
  BusyPointer& operator=(const BusyPointer&) = delete;

 private:
  CommandButton* button_ = nullptr;
  Form* form_ = nullptr;
};

}  // namespace ui
