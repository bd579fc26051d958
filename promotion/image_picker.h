#pragma once

#include <string>

#include "ui/ui.h"

class Editor;

// The keys that name the logo being chosen: the promotion's own, weekly show 1 to 4, and the big
// show of month 1 (January) to 12.
inline const std::string promotionLogoKey = "Promotion Logo";
std::string showLogoKey(int show);    // "Show 1 Logo"
std::string monthLogoKey(int month);  // "January Big Show Logo"

// The image picker pop-up: chooses a picture from the Images folder for a logo.
class Form16 : public ui::Form {
 public:
  explicit Form16(Editor& editor);

  ui::Label Label2{*this, "Label2"};  // the logo being chosen: "Promotion Logo", "Show 1 Logo" ...
  ui::FileListBox File1{*this, "File1"};          // the pictures of the Images folder
  ui::ImageBox Image1{*this, "Image1"};           // the stretched preview
  ui::CommandButton Command1{*this, "Command1"};  // "Use This Image"
  ui::CommandButton Command2{*this, "Command2"};  // "Don't Use Any Image"
  ui::CommandButton Command3{*this, "Command3"};  // "Make No Changes"

  void File1_Click();
  void Command1_Click();
  void Command2_Click();
  void Command3_Click();

  // What a "..." button on a page does: prepares the picker for the logo named by `key`
  // ("Promotion Logo", "Show 1 Logo" to "Show 4 Logo", "January Big Show Logo" to "December Big
  // Show Logo") and shows it over the page, which stays shown. The promotion's own logo cannot be
  // set to no picture, so "Don't Use Any Image" is offered for every key but that one.
  void openfor(const std::string& key);

 private:
  // Writes `value` into the line of the logo named by the heading, and into its page's logo
  // label while the page still has that logo's show or month selected (the page may have moved
  // on while the picker was open). A heading that names no logo stores nothing.
  void store(const std::string& value);
  Editor& editor_;
};
