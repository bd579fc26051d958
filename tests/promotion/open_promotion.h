#pragma once
// A promotion open in the wizard, for the tests of its pages: the new promotion's lines copied
// into the open promotion, the page under test shown, message boxes and prompts scripted.

#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <vector>

#include "app/editor.h"
#include "promotion/promotion_file.h"
#include "promotion/wizard_page.h"
#include "tests/support/scripted_desktop.h"

class OpenPromotion : public ::testing::Test {
 protected:
  ScriptedDesktop desktop;
  Editor editor{desktop};

  OpenPromotion() {
    for (int i = 0; i < editor.form2.List2.listCount(); ++i)
      editor.form2.List1.addItem(editor.form2.List2.list(i));
  }

  std::string line(std::size_t index) const { return wizard::line(editor, index); }
  void setLine(std::size_t index, const std::string& text) { wizard::setLine(editor, index, text); }
  std::vector<std::string> lines() const { return editor.form2.List1.items(); }

  // Shows only this page, as the wizard does.
  void open(ui::Form& page) {
    ui::Form* pages[] = {&editor.form2, &editor.form3, &editor.form4,  &editor.form5, &editor.form6,
                         &editor.form7, &editor.form8, &editor.form10, &editor.form11};
    for (ui::Form* other : pages) other->hide();
    page.show();
  }

  // Answers the next prompt, then does the click.
  void answer(ui::Label& label, const std::string& reply) {
    desktop.reply(reply);
    label.click();
  }

  // The message boxes since the last call, and forgets them.
  std::vector<std::string> messages() {
    std::vector<std::string> texts = desktop.messageTexts();
    desktop.forget();
    return texts;
  }
};
