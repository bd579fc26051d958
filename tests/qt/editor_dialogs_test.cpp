// The editor's own windows on the real desktop, worked with the keyboard and the mouse as a person
// does: the wrestler list by keys, and the dialogs of a click, where they come up and what they
// take.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QDialogButtonBox>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTableView>
#include <cstdio>
#include <sstream>

#include "app/editor.h"
#include "qt/front_end.h"
#include "qt/qt_desktop.h"
#include "roster/stat_table.h"
#include "tests/qt/dialog_script.h"
#include "tests/support/game_folder.h"
#include "tools/qt_tour.h"

namespace {

using qttest::RealEditor;

QRect screenArea() { return QGuiApplication::primaryScreen()->availableGeometry(); }

// How far apart the middles of two rectangles are, in the larger of the two directions.
int offCentre(const QRect& a, const QRect& b) {
  const QPoint apart = a.center() - b.center();
  return std::max(std::abs(apart.x()), std::abs(apart.y()));
}

std::string wrestlerName(int number) {
  char name[32];
  std::snprintf(name, sizeof name, "Wrestler %03d", number);
  return name;
}

TEST(EditorKeyboardTest, WrestlerListScrollsWithTheKeysAndReturnOpensTheWrestler) {
  GameFolder game;
  game.write("Data/maindata.vl1", {"VL13", "0", "Monday", "5", "January", "2004", "1"});
  // 120 wrestlers, the last-named first in the file: the list shows them the other way round.
  std::vector<std::string> roster;
  for (int number = 120; number >= 1; --number) {
    for (const std::string& field : stat_table::newWrestler(wrestlerName(number), "2007"))
      roster.push_back(field);
  }
  game.write("Data/wrestlers.vl1", roster);

  RealEditor real;
  qttest::DialogScript person({});  // no dialog comes up
  Editor& editor = real.editor;
  editor.form14.Text1.setText("\\Data\\");
  editor.form14.show();
  real.screen.flush();
  tour::clickOnScreen(real.screen, editor.form14.Command2);  // "Edit The Wrestlers File"
  ASSERT_TRUE(editor.form12.visible());
  auto* grid = qobject_cast<QTableView*>(real.screen.widget(editor.form12.MSFlexGrid1));
  ASSERT_NE(grid, nullptr);
  grid->setFocus();
  const auto currentShown = [grid] {
    return grid->viewport()->rect().contains(grid->visualRect(grid->currentIndex()));
  };

  for (int i = 0; i < 15; ++i) qttest::pressKey(grid, Qt::Key_Down);
  EXPECT_EQ(grid->currentIndex().row(), 15);
  EXPECT_TRUE(currentShown());
  EXPECT_GT(grid->verticalScrollBar()->value(), 0);
  qttest::pressKey(grid, Qt::Key_PageDown);
  EXPECT_GT(grid->currentIndex().row(), 16);
  EXPECT_TRUE(currentShown());
  qttest::pressKey(grid, Qt::Key_End);
  EXPECT_EQ(grid->currentIndex().row(), 119);
  EXPECT_TRUE(currentShown());

  // Up to the row of wrestler 115, over to its promotion, and Return: the name's click.
  for (int i = 0; i < 5; ++i) qttest::pressKey(grid, Qt::Key_Up);
  qttest::pressKey(grid, Qt::Key_Right);
  EXPECT_EQ(grid->currentIndex().column(), 1);
  qttest::pressKey(grid, Qt::Key_Return, Qt::NoModifier, "\r");
  EXPECT_TRUE(editor.form13.visible());
  EXPECT_FALSE(editor.form12.visible());
  EXPECT_EQ(editor.form12.listpos.caption(), "5");  // wrestler 115 is the sixth of the file
  EXPECT_EQ(editor.form12.rowno.caption(), "115");
  EXPECT_EQ(editor.form12.madechanges.caption(), "yes");
  EXPECT_EQ(editor.form13.MSFlexGrid1.textMatrix(0, 1), wrestlerName(115));
}

// Escape in the stat editor is its "Cancel": whichever editor is open, the edit is abandoned and
// the sheet is idle again, its grid and buttons back.
TEST(EditorKeyboardTest, EscapeInTheStatEditorCancelsTheEdit) {
  std::ostringstream log;
  tour::ScratchGame game(tour::sampleGame(), log);
  RealEditor real;
  qttest::DialogScript person({});  // no dialog comes up
  Editor& editor = real.editor;
  editor.form14.Text1.setText("\\Data\\");
  editor.form14.show();
  real.screen.flush();
  tour::clickOnScreen(real.screen, editor.form14.Command2);  // "Edit The Wrestlers File"
  ASSERT_TRUE(editor.form12.visible());
  editor.form12.MSFlexGrid1.selectCell(1, 0);
  real.screen.flush();
  Form13& sheet = editor.form13;
  ASSERT_TRUE(sheet.visible());
  const std::string idle = sheet.Label1.caption();
  const struct {
    int row;
    ui::Control* editor;
  } rows[] = {{8, &sheet.Text1}, {13, &sheet.Combo1}, {21, &sheet.HScroll1}};
  // Contract expiry, role and condition: a text, a choice and a scale.
  for (const auto& r : rows) {
    SCOPED_TRACE(r.editor->name());
    const std::string before = sheet.MSFlexGrid1.textMatrix(r.row, 1);
    sheet.MSFlexGrid1.selectCell(r.row, 1);
    real.screen.flush();
    ASSERT_TRUE(r.editor->visible());
    if (r.editor == &sheet.Text1) sheet.Text1.type("2099");
    QWidget* widget = real.screen.widget(*r.editor);
    if (auto* combo = qobject_cast<QComboBox*>(widget)) widget = combo->lineEdit();
    qttest::pressKey(widget, Qt::Key_Escape);
    EXPECT_FALSE(r.editor->visible());
    EXPECT_FALSE(sheet.Command1.visible());
    EXPECT_EQ(sheet.Label1.caption(), idle);
    EXPECT_TRUE(sheet.Command3.enabled());
    EXPECT_EQ(sheet.MSFlexGrid1.textMatrix(r.row, 1), before);
  }
}

// Both boxes of one click, the question and the answer to No, come up over the window that raised
// them, also when the first has just closed.
TEST(EditorDialogsTest, VenueDeleteBoxesAreBothCentredOverTheVenueWindow) {
  std::ostringstream log;
  tour::ScratchGame game(tour::sampleGame(), log);
  RealEditor real;
  real.editor.start();
  real.screen.flush();
  std::vector<QRect> boxes;
  std::vector<QWidget*> parents;
  std::vector<QString> texts;
  const auto look = [&](QWidget* dialog) {
    boxes.push_back(dialog->frameGeometry());
    parents.push_back(dialog->parentWidget());
    if (auto* box = qobject_cast<QMessageBox*>(dialog)) texts.push_back(box->text());
  };
  {
    qttest::DialogScript person({[&](QWidget* dialog) {
                                   look(dialog);
                                   qttest::clickButton(dialog, QMessageBox::No);
                                 },
                                 [&](QWidget* dialog) {
                                   look(dialog);
                                   qttest::clickButton(dialog, QMessageBox::Ok);
                                 }});
    tour::raiseVenueDelete(real.editor, real.tourScreen, log);
  }
  QWidget* venues = real.screen.window(real.editor.form18);
  ASSERT_NE(venues, nullptr);
  ASSERT_EQ(boxes.size(), 2u) << log.str();
  EXPECT_TRUE(texts[0].startsWith("Are you sure you want to delete the venue"));
  EXPECT_EQ(texts[1], "Delete cancelled.");
  EXPECT_GT(offCentre(venues->frameGeometry(), screenArea()), 50);  // the window is off the middle
  for (std::size_t i = 0; i < boxes.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(parents[i], venues);
    EXPECT_LE(offCentre(boxes[i], venues->frameGeometry()), 3);
  }
}

// The prompts with the longest texts: the widest of the editor, the one first found too wide, and
// the two whose texts hold line breaks and blank lines.
struct WidePrompt {
  const char* name;
  ui::Form& (*page)(Editor&);
  ui::Label& (*value)(Editor&);
};
const WidePrompt widePrompts[] = {
    {"Brand 1 Talk Show Segment Name", [](Editor& e) -> ui::Form& { return e.form11; },
     [](Editor& e) -> ui::Label& { return e.form11.brand1talkshowname; }},
    {"Current Champion(s)", [](Editor& e) -> ui::Form& { return e.form8; },
     [](Editor& e) -> ui::Label& { return e.form8.currentchamp; }},
    {"Average TV Rating/Buys", [](Editor& e) -> ui::Form& { return e.form4; },
     [](Editor& e) -> ui::Label& { return e.form4.tvrating; }},
    {"Average PPV Buy-Rate", [](Editor& e) -> ui::Form& { return e.form6; },
     [](Editor& e) -> ui::Label& { return e.form6.ppvbuyrate; }},
};

TEST(EditorDialogsTest, WidestPromptsFitTheSmallScreenOverTheirPage) {
  ASSERT_EQ(screenArea().size(), QSize(800, 600));
  for (const WidePrompt& wide : widePrompts) {
    SCOPED_TRACE(wide.name);
    std::ostringstream log;
    tour::ScratchGame game(tour::sampleGame(), log);
    RealEditor real;
    real.editor.start();
    real.screen.flush();
    QRect dialogPlace, labelPlace, fieldPlace;
    std::vector<QRect> buttons;
    QString title;
    bool textWhole = false;
    QWidget* parent = nullptr;
    {
      qttest::DialogScript person({[&](QWidget* dialog) {
        auto* input = qobject_cast<QInputDialog*>(dialog);
        ASSERT_NE(input, nullptr);
        title = input->windowTitle();
        parent = input->parentWidget();
        dialogPlace = input->frameGeometry();
        auto* label = input->findChild<QLabel*>();
        auto* field = input->findChild<QLineEdit*>();
        ASSERT_TRUE(label && field);
        labelPlace = label->geometry();
        fieldPlace = field->geometry();
        // Every line of the text, the first and the last too, lies inside the label, and the
        // label inside the prompt.
        const QRect needs = label->fontMetrics().boundingRect(
            label->contentsRect(), Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, label->text());
        textWhole =
            label->contentsRect().contains(needs) &&
            input->rect().contains(QRect(label->mapTo(input, QPoint(0, 0)), label->size())) &&
            label->heightForWidth(label->width()) <= label->height();
        for (QPushButton* button :
             input->findChild<QDialogButtonBox*>()->findChildren<QPushButton*>())
          buttons.push_back(QRect(button->mapToGlobal(QPoint(0, 0)), button->size()));
        input->reject();
      }});
      tour::raiseWizardPrompt(real.editor, real.tourScreen, log, wide.page(real.editor),
                              wide.value(real.editor));
    }
    QWidget* page = real.screen.window(wide.page(real.editor));
    ASSERT_NE(page, nullptr);
    ASSERT_EQ(buttons.size(), 2u) << log.str();
    EXPECT_EQ(title, wide.name);
    EXPECT_EQ(parent, page);
    EXPECT_TRUE(screenArea().contains(dialogPlace));
    EXPECT_LE(dialogPlace.width(), page->frameGeometry().width());  // wrapped to its page
    EXPECT_LE(offCentre(dialogPlace, page->frameGeometry()), 3);
    for (const QRect& button : buttons) EXPECT_TRUE(screenArea().contains(button));
    EXPECT_TRUE(textWhole);
    EXPECT_GE(fieldPlace.width(), labelPlace.width());
  }
}

// "Łukasz Ωmega" as a champion's name: the message names the two letters, the prompt comes back
// with the name as typed, and nothing is stored.
TEST(EditorDialogsTest, ChampionTheGameCannotHoldIsAskedForAgainAndNotStored) {
  std::ostringstream log;
  tour::ScratchGame game(tour::sampleGame(), log);
  RealEditor real;
  Editor& editor = real.editor;
  editor.start();
  real.screen.flush();
  const QString typed = QString::fromUtf8("Łukasz Ωmega");
  QString message, shownAgain;
  std::string captionBefore;
  std::vector<std::string> linesBefore;
  {
    qttest::DialogScript person({
        [&](QWidget* dialog) {
          captionBefore = editor.form8.currentchamp.caption();
          for (int i = 0; i < editor.form2.List1.listCount(); ++i)
            linesBefore.push_back(editor.form2.List1.list(i));
          auto* input = qobject_cast<QInputDialog*>(dialog);
          ASSERT_NE(input, nullptr);
          input->setTextValue(typed);
          input->accept();
        },
        [&](QWidget* dialog) {
          if (auto* box = qobject_cast<QMessageBox*>(dialog)) message = box->text();
          qttest::clickButton(dialog, QMessageBox::Ok);
        },
        [&](QWidget* dialog) {
          auto* input = qobject_cast<QInputDialog*>(dialog);
          ASSERT_NE(input, nullptr);
          shownAgain = input->textValue();
          input->reject();
        },
    });
    tour::raiseWizardPrompt(editor, real.tourScreen, log, editor.form8, editor.form8.currentchamp);
  }
  EXPECT_TRUE(message.contains(QString::fromUtf8("\"Ł\"")));
  EXPECT_TRUE(message.contains(QString::fromUtf8("\"Ω\"")));
  EXPECT_TRUE(message.contains("The game's files can't hold"));
  EXPECT_EQ(shownAgain, typed);
  EXPECT_EQ(editor.form8.currentchamp.caption(), captionBefore);
  std::vector<std::string> linesAfter;
  for (int i = 0; i < editor.form2.List1.listCount(); ++i)
    linesAfter.push_back(editor.form2.List1.list(i));
  EXPECT_EQ(linesAfter, linesBefore);
  EXPECT_FALSE(linesBefore.empty());
}

}  // namespace
