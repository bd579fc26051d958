#pragma once
// The controls of the windowing layer. See form.h for the rules of user actions and setters.

#include <functional>
#include <string>
#include <vector>

#include "ui/form.h"

namespace ui {

class Label : public Control {  // caption, back colour; click
 public:
  Label(Form& owner, std::string name);
  const std::string& caption() const { return caption_; }
  void setCaption(std::string);
  // A tall label wraps its words; the front end also wraps when this is set.
  bool wordWrap() const { return wordWrap_; }
  void setWordWrap(bool);

  std::function<void()> onClick;
  void click();  // user

 private:
  std::string caption_;
  bool wordWrap_ = false;
};

class CommandButton : public Control {  // caption, back colour, pointer; click
 public:
  CommandButton(Form& owner, std::string name);
  const std::string& caption() const { return caption_; }
  void setCaption(std::string);
  Pointer pointer() const { return pointer_; }
  void setPointer(Pointer);
  // The window's cancel button: Escape anywhere on the window clicks it while it can be clicked.
  bool cancel() const { return cancel_; }
  void setCancel(bool);

  std::function<void()> onClick;
  void click();  // user

 private:
  std::string caption_;
  Pointer pointer_ = Pointer::Normal;
  bool cancel_ = false;
};

class TextBox : public Control {
 public:
  TextBox(Form& owner, std::string name);
  const std::string& text() const { return text_; }
  void setText(std::string);  // raises onChange

  // Multi-line boxes keep "\r\n" line breaks; a locked box takes no typing.
  bool multiLine() const { return multiLine_; }
  void setMultiLine(bool);
  bool locked() const { return locked_; }
  void setLocked(bool);
  bool verticalScrollBar() const { return verticalScrollBar_; }
  void setVerticalScrollBar(bool);

  std::function<void()> onChange, onDblClick;
  std::function<void(int key)> onKeyDown;
  void type(std::string text);  // user: the box now holds text; raises onChange (not when locked)
  void pressKey(int key);       // user: raises onKeyDown
  void doubleClick();           // user: raises onDblClick

 private:
  std::string text_;
  bool multiLine_ = false, locked_ = false, verticalScrollBar_ = false;
};

class ComboBox : public Control {  // drop-down list, or editable (Form13.Combo1)
 public:
  ComboBox(Form& owner, std::string name, bool editable = false);
  bool editable() const { return editable_; }

  void addItem(std::string);
  void removeItem(int i);  // out of range: nothing
  void clear();            // no items, no choice, text "" (raises nothing)
  int listCount() const { return static_cast<int>(items_.size()); }
  std::string list(int i) const;  // "" outside the list
  const std::vector<std::string>& items() const { return items_; }

  int listIndex() const { return listIndex_; }
  // A valid index selects that item and raises onClick; -1 (or any index outside the list)
  // leaves no choice (text "" for a drop-down list) and raises nothing.
  void setListIndex(int);
  std::string text() const { return text_; }
  // Drop-down list: an item's text selects it and raises onClick; any other text leaves no choice
  // (text "") and raises nothing. Editable: the text is set, the first equal item (if any) is the
  // choice, and onChange is raised.
  void setText(std::string);

  std::function<void()> onClick, onChange;
  std::function<void(int key)> onKeyDown;
  void choose(int index);  // user picks an item (also the one already shown): raises onClick
  void type(std::string);  // user types into an editable box: raises onChange
  void pressKey(int key);  // user: raises onKeyDown

 private:
  bool editable_;
  std::vector<std::string> items_;
  int listIndex_ = -1;
  std::string text_;
};

// A list of texts of which one may be chosen: the base of the list box and the file list.
class ChoiceList : public Control {
 public:
  int listCount() const { return static_cast<int>(items_.size()); }
  std::string list(int i) const;  // "" outside the list
  const std::vector<std::string>& items() const { return items_; }

  int listIndex() const { return listIndex_; }
  void setListIndex(int);  // a valid index selects and raises onClick; -1 selects nothing, silently

  std::function<void()> onClick;
  void choose(int index);  // user: selects and raises onClick

 protected:
  ChoiceList(Form& owner, std::string name);
  std::string chosen() const;  // the selected item, "" when none

  std::vector<std::string> items_;
  int listIndex_ = -1;
};

class ListBox : public ChoiceList {
 public:
  ListBox(Form& owner, std::string name);
  void addItem(std::string);
  void insertItem(int index, std::string);  // index clamped to 0..listCount()
  void removeItem(int i);                   // out of range: nothing
  void clear();
  void setItems(std::vector<std::string>);  // every item at once; nothing selected
  // Removes, in one pass, every item whose flag is true (items past the flags stay); the
  // selection follows its item, or is gone with it.
  void removeItems(const std::vector<bool>& which);
  void setList(int i, std::string);              // out of range: nothing
  std::string text() const { return chosen(); }  // the selected item, "" when none

  std::function<void()> onDblClick;
  // user: selects the item (raising onClick) unless it is the chosen one already, as the first
  // click of the double click has chosen it; then raises onDblClick
  void doubleClick(int index);
};

class HScrollBar : public Control {
 public:
  HScrollBar(Form& owner, std::string name);
  int min() const { return min_; }
  int max() const { return max_; }
  void setRange(int min, int max);  // the value is clamped into the new range, silently
  int smallChange() const { return smallChange_; }
  int largeChange() const { return largeChange_; }
  void setSteps(int smallChange, int largeChange);

  int value() const { return value_; }
  void setValue(int);  // clamped to the range; raises onChange

  std::function<void()> onChange, onScroll;
  void scrollTo(int value);  // user: arrows or track (clamped); raises onChange
  void dragTo(int value);    // user: drags the box (clamped); raises onScroll

 private:
  int min_ = 0, max_ = 32767, value_ = 0;
  int smallChange_ = 1, largeChange_ = 1;
};

// The files of a folder whose names match one or more patterns separated by ";" ("*.fed",
// "*.jpg;*.jpeg;*.bmp;*.gif"). Each is a wildcard pattern (common/wildcard.h; the editor's own use
// only `*` and `?`) matched without regard to case. Lists only regular files, as bare names,
// sorted by name without regard to case.
class FileListBox : public ChoiceList {
 public:
  FileListBox(Form& owner, std::string name);
  void setPath(std::string pathText);  // also refreshes
  const std::string& path() const { return path_; }
  void setPattern(std::string);  // also refreshes
  const std::string& pattern() const { return pattern_; }
  void refresh();  // reads the folder again; the choice is cleared; a missing folder lists nothing
  std::string fileName() const { return chosen(); }  // the selected name, "" when none
  // Why the last refresh listed nothing though the folder is there (it could not be read), in
  // words for a message box; "" when the folder was listed, or is missing.
  const std::string& readError() const { return readError_; }

 private:
  std::string path_, pattern_ = "*.*", readError_;
};

// The subfolders of a folder, each as a full path text: the folder's path text, a backslash
// (unless it already ends in one) and the subfolder's name.
class DirListBox : public Control {
 public:
  DirListBox(Form& owner, std::string name);
  void setPath(std::string pathText);  // also refreshes
  const std::string& path() const { return path_; }
  void refresh();  // a missing folder lists nothing
  int listCount() const { return static_cast<int>(entries_.size()); }
  std::string list(int i) const;  // "" outside the list
  const std::vector<std::string>& items() const { return entries_; }
  const std::string& readError() const { return readError_; }  // as FileListBox's

 private:
  std::string path_, readError_;
  std::vector<std::string> entries_;
};

// A stretched picture. The front end loads the file; one that is not a picture shows blank.
class ImageBox : public Control {
 public:
  ImageBox(Form& owner, std::string name);
  void setPicture(std::string pathText);  // "" = none
  const std::string& picture() const { return picture_; }

 private:
  std::string picture_;
};

// Decoration: a straight line from (x1, y1) to (x2, y2) in the border colour (the fore colour).
class Line : public Control {
 public:
  Line(Form& owner, std::string name);
  void setEnds(int x1, int y1, int x2, int y2);
  int x1() const { return x1_; }
  int y1() const { return y1_; }
  int x2() const { return x2_; }
  int y2() const { return y2_; }

 private:
  int x1_ = 0, y1_ = 0, x2_ = 0, y2_ = 0;
};

// Decoration: a rectangle at the control's place, outlined in the fore colour and filled with the
// back colour (noColor = not filled).
class Shape : public Control {
 public:
  Shape(Form& owner, std::string name);
};

}  // namespace ui
