// Every text the front end draws is in the editor's own font, whatever fonts the machine has, and
// every caption is whole in its box: in every window of the editor after the walk the snapshot
// takes, and for long, short, tall and changing captions.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QComboBox>
#include <QFontInfo>
#include <QFontMetrics>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <set>
#include <sstream>

#include "app/editor.h"
#include "qt/caption_fit.h"
#include "qt/control_views.h"
#include "qt/front_end.h"
#include "tests/qt/dialog_script.h"
#include "tools/qt_tour.h"
#include "ui/ui.h"

namespace {

// The caption a widget draws, the font it draws it at and the room it is drawn in.
struct Drawn {
  QString text;  // "" for a widget that draws no caption
  QFont font;
  QRect room;
  int flags = 0;
};

Drawn drawnCaption(QWidget* widget) {
  if (auto* label = qobject_cast<QLabel*>(widget))
    return {label->text(), label->font(), label->contentsRect(),
            label->wordWrap() ? int(Qt::TextWordWrap) : 0};
  if (auto* button = qobject_cast<QPushButton*>(widget)) {
    QStyleOptionButton option;
    option.initFrom(button);
    return {button->text(), button->font(),
            button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button),
            Qt::TextShowMnemonic};
  }
  return {};
}

// How the drawn caption sticks out of its box, or "" when it is whole.
std::string overflow(const Drawn& drawn) {
  const QRect needs = QFontMetrics(drawn.font).boundingRect(drawn.room, drawn.flags, drawn.text);
  if (needs.width() <= drawn.room.width() && needs.height() <= drawn.room.height()) return "";
  std::ostringstream out;
  out << "\"" << drawn.text.toStdString() << "\" at " << drawn.font.pixelSize() << " px needs "
      << needs.width() << "x" << needs.height() << ", its box holds " << drawn.room.width() << "x"
      << drawn.room.height();
  return out.str();
}

// --- the editor's font ------------------------------------------------------------------------

// A window with a text of each kind.
class TextsForm : public ui::Form {
 public:
  TextsForm() {
    setSize(400, 300);
    heading.place(10, 10, 200, 20);
    heading.setBold(true);
    heading.setCaption("Database Total");
    button.place(220, 10, 100, 25);
    button.setCaption("Done");
    box.place(10, 40, 120, 20);
    box.setText("Free Agent");
    combo.place(140, 40, 100, 20);
    combo.addItem("USA");
    list.place(10, 70, 120, 60);
    list.addItem("Arena Sol Rojo");
    grid.place(140, 70, 250, 200);
    grid.setCols(2);
    grid.setRows(2);
    grid.setTextMatrix(1, 1, "Alfie Mulgrew");
  }
  ui::Label heading{*this, "heading"};
  ui::CommandButton button{*this, "button"};
  ui::TextBox box{*this, "box"};
  ui::ComboBox combo{*this, "combo"};
  ui::ListBox list{*this, "list"};
  ui::Grid grid{*this, "grid"};
};

// The font a widget draws in, as the font database found it: "Liberation Sans Bold".
std::string drawnFont(const QFont& font) {
  const QFontInfo info(font);
  return (info.family() + " " + info.styleName()).toStdString();
}

// The embedded font is what is drawn: a machine without Liberation Sans (CI runs these tests with
// DejaVu alone) draws it all the same, in its own bold face.
TEST(EditorFontTest, EveryTextAndDialogIsDrawnInTheEditorsOwnFont) {
  TextsForm form;
  front::FrontEnd screen({&form});
  form.show();
  screen.flush();
  EXPECT_EQ(drawnFont(screen.widget(form.heading)->font()), "Liberation Sans Bold");
  for (const ui::Control* control :
       std::initializer_list<const ui::Control*>{&form.button, &form.box, &form.combo, &form.list})
    EXPECT_EQ(drawnFont(screen.widget(*control)->font()), "Liberation Sans Regular")
        << control->name();
  auto* grid = qobject_cast<QAbstractItemView*>(screen.widget(form.grid));
  ASSERT_NE(grid, nullptr);
  EXPECT_EQ(drawnFont(grid->font()), "Liberation Sans Regular");
  auto* combo = qobject_cast<QComboBox*>(screen.widget(form.combo));
  ASSERT_NE(combo, nullptr);
  EXPECT_EQ(drawnFont(combo->view()->font()), "Liberation Sans Regular");  // its drop-down list

  // Message boxes and prompts, windows of their own, draw in it too.
  QMessageBox box(QMessageBox::Information, "Vorlune 1.3 Duvazari Editor", "Saved OK.",
                  QMessageBox::Ok);
  QInputDialog prompt;
  prompt.setLabelText("Please enter the name of the venue.");
  for (QWidget* dialog : std::initializer_list<QWidget*>{&box, &prompt}) {
    const QList<QWidget*> texts = dialog->findChildren<QWidget*>();
    ASSERT_FALSE(texts.isEmpty());
    for (QWidget* text : texts)
      EXPECT_EQ(drawnFont(text->font()), "Liberation Sans Regular")
          << text->metaObject()->className();
  }
}

// --- whole captions --------------------------------------------------------------------------

TEST(WholeTextsTest, EveryCaptionIsWholeInEveryWindowOfTheWalk) {
  qttest::WalkedEditor walked;
  Editor& editor = walked.editor;
  front::FrontEnd& screen = walked.screen;
  std::ostringstream& log = walked.log;
  const std::vector<ui::Form*>& windows = walked.windows;

  std::set<int> looked;
  std::set<std::string> cut;  // "form17-start_date_window Label2: ..." for each caption cut off
  int captions = 0;
  tour::walk(editor, walked.tourScreen, log, [&](int index, const std::string& state) {
    const ui::Form& form = *windows[index];
    if (!form.visible()) return;
    looked.insert(index);
    for (ui::Control* control : form.controls()) {
      QWidget* widget = screen.widget(*control);
      if (!control->visible() || !widget) continue;
      const Drawn drawn = drawnCaption(widget);
      if (drawn.text.isEmpty()) continue;
      ++captions;
      const std::string fault = overflow(drawn);
      if (!fault.empty())
        cut.insert(tour::windowName(index) + (state.empty() ? "" : " (" + state + ")") + " " +
                   control->name() + ": " + fault);
    }
  });
  EXPECT_EQ(looked.size(), windows.size()) << log.str();
  EXPECT_GT(captions, 0);
  EXPECT_THAT(cut, testing::IsEmpty());
}

// --- fitting the captions --------------------------------------------------------------------

const char* const heading = "Please choose the start date for this game / scenario.";

class FittingForm : public ui::Form {
 public:
  FittingForm() {
    setSize(480, 320);
    line.place(20, 16, 360, 30);
    line.setBold(true);
    line.setFontSize(11);
    tall.place(20, 60, 200, 80);
    button.place(240, 60, 150, 40);
    box.place(240, 120, 100, 24);
  }
  ui::Label line{*this, "line"};
  ui::Label tall{*this, "tall"};
  ui::CommandButton button{*this, "button"};
  ui::TextBox box{*this, "box"};
};

class CaptionFitTest : public testing::Test {
 protected:
  CaptionFitTest() : screen({&form}) {}
  void SetUp() override {
    form.show();
    screen.flush();
  }

  QWidget* widget(const ui::Control& control) { return screen.widget(control); }
  // The size the control's own font has, before any fitting.
  static int ownPixels(const ui::Control& control) {
    return control.fontSize() > 0 ? front::pointsToPixels(control.fontSize())
                                  : front::baseFont().pixelSize();
  }
  int drawnPixels(const ui::Control& control) {
    return drawnCaption(widget(control)).font.pixelSize();
  }

  FittingForm form;
  front::FrontEnd screen;
};

TEST_F(CaptionFitTest, ShortCaptionKeepsTheFontAndALongOneShrinksJustEnough) {
  form.line.setCaption("Start Date");
  screen.flush();
  EXPECT_EQ(drawnPixels(form.line), ownPixels(form.line));
  EXPECT_TRUE(drawnCaption(widget(form.line)).font.bold());
  EXPECT_EQ(drawnCaption(widget(form.line)).text, "Start Date");

  form.line.setCaption(heading);
  screen.flush();
  const Drawn drawn = drawnCaption(widget(form.line));
  EXPECT_EQ(drawn.text, heading);  // one line: the box has no room for two
  EXPECT_EQ(overflow(drawn), "");
  EXPECT_LT(drawn.font.pixelSize(), ownPixels(form.line));
  EXPECT_GE(drawn.font.pixelSize(), front::smallestCaptionPixels());
  EXPECT_TRUE(drawn.font.bold());
  QFont larger = drawn.font;  // one size larger would not fit
  larger.setPixelSize(drawn.font.pixelSize() + 1);
  EXPECT_GT(QFontMetrics(larger).horizontalAdvance(heading), drawn.room.width());

  // The caption changes back: so does the size.
  form.line.setCaption("Start Date");
  screen.flush();
  EXPECT_EQ(drawnPixels(form.line), ownPixels(form.line));
}

TEST_F(CaptionFitTest, TallLabelBreaksAtSpacesBeforeItShrinks) {
  form.tall.setCaption("Each promotion has its own file in the Data folder of the game.");
  screen.flush();
  Drawn drawn = drawnCaption(widget(form.tall));
  EXPECT_EQ(drawn.font.pixelSize(), ownPixels(form.tall));
  EXPECT_EQ(overflow(drawn), "");
  EXPECT_GT(drawn.text.count('\n'), 0);
  EXPECT_EQ(QString(drawn.text).replace('\n', ' '),
            "Each promotion has its own file in the Data folder of the game.");
  EXPECT_TRUE(static_cast<QLabel*>(widget(form.tall))->alignment() & Qt::AlignTop);

  // Too many words for the box at its font: broken and smaller.
  std::string many;
  for (int i = 0; i < 12; ++i) many += "a promotion of the game ";
  form.tall.setCaption(many);
  screen.flush();
  drawn = drawnCaption(widget(form.tall));
  EXPECT_LT(drawn.font.pixelSize(), ownPixels(form.tall));
  EXPECT_EQ(overflow(drawn), "");

  // The caption's own line breaks stay.
  form.tall.setCaption("Venue Name\r\nCity");
  screen.flush();
  EXPECT_EQ(drawnCaption(widget(form.tall)).text, "Venue Name\nCity");
  form.tall.setCaption(many);

  // The box grows: the caption is fitted again, back at the label's own font.
  form.tall.place(20, 60, 440, 250);
  screen.flush();
  drawn = drawnCaption(widget(form.tall));
  EXPECT_EQ(drawn.font.pixelSize(), ownPixels(form.tall));
  EXPECT_EQ(overflow(drawn), "");
}

TEST_F(CaptionFitTest, CaptionTooLongEvenAtSixPointsStaysAtSixPoints) {
  form.line.setCaption(std::string(200, 'W'));
  screen.flush();
  EXPECT_EQ(drawnPixels(form.line), front::smallestCaptionPixels());
  EXPECT_EQ(front::smallestCaptionPixels(), 8);  // 6 pt at 96 dots an inch
}

TEST_F(CaptionFitTest, ButtonCaptionBreaksAndShrinksButTextBoxesKeepTheirFont) {
  form.button.setCaption("Edit The Scenario Info File");
  screen.flush();
  EXPECT_EQ(drawnPixels(form.button), ownPixels(form.button));
  EXPECT_EQ(drawnCaption(widget(form.button)).text, "Edit The Scenario Info File");

  form.button.setCaption("Confirm The Changes To The Scenario Information File And Go Back");
  screen.flush();
  const Drawn drawn = drawnCaption(widget(form.button));
  EXPECT_EQ(overflow(drawn), "");
  EXPECT_LT(drawn.font.pixelSize(), ownPixels(form.button));

  form.box.setText(heading);
  screen.flush();
  EXPECT_EQ(static_cast<QLineEdit*>(widget(form.box))->font().pixelSize(), ownPixels(form.box));
}

}  // namespace
