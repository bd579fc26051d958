#pragma once

#include <string>
#include <vector>

#include "ui/ui.h"

class Editor;
enum class FillPath;

// The promotion chooser: lists the promotion files and holds the open promotion's lines.
class Form2 : public ui::Form {
 public:
  explicit Form2(Editor& editor);

  ui::Label Label1{*this, "Label1"};              // heading: "Edit Promotion", "Delete Promotion"
  ui::FileListBox File1{*this, "File1"};          // the data set's *.fed files
  ui::Label Label2{*this, "Label2"};              // what to do, then the clicked promotion's name
  ui::CommandButton Command1{*this, "Command1"};  // "Edit This Promotion" or "Delete ..."
  ui::CommandButton Command2{*this, "Command2"};  // "Back"

  // Hidden: the open promotion's lines (one item a line), the lines of a new promotion, and the
  // open promotion's bare file name.
  ui::ListBox List1{*this, "List1"};
  ui::ListBox List2{*this, "List2"};
  ui::Label nameoffile{*this, "nameoffile"};
  // The open promotion's file as it was read; not present for a new promotion never saved, whose
  // first save makes the file and never replaces one.
  common::FileStamp fileStamp;

  void File1_Click();
  void Command1_Click();
  void Command2_Click();

  // Prepares the chooser for editing (deleting = false) or deleting: its captions, and the file
  // list pointed afresh at the data set's folder.
  void setmode(bool deleting);
  // Points the file list at the data set's folder unless it shows that folder already (the
  // chooser may have been prepared for another data set, or never).
  void showdataset();
  // Makes `lines` the open promotion under the file name `name`, fills the wizard pages and
  // switches from `from` to "Step 1 of 8".
  void startediting(const std::string& name, const std::vector<std::string>& lines, FillPath path,
                    ui::Form& from);
  // Takes the open promotion's lines as they stand now as its unchanged state: when the fill of
  // the pages has ended, and after a save.
  void markunchanged();
  // Whether the open promotion holds work that is not in its file: its lines differ from its
  // unchanged state, or it was created and has no file yet (no stamp).
  bool haschanges() const;

 private:
  std::string prompttext() const;  // "Select Promotion To Edit" or "... To Delete", by mode
  void openpromotion(const std::string& name);
  void deletepromotion(const std::string& name);
  Editor& editor_;
  std::vector<std::string> unchangedLines_;
};
