// The front end on the offscreen platform: widgets mirror their controls, and the person's input
// reaches the windows only as the controls' user actions.

#include "qt/front_end.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <cstdlib>
#include <functional>
#include <string>

#include "qt/text_conversion.h"
#include "tests/qt/dialog_script.h"
#include "tests/support/game_folder.h"
#include "ui/ui.h"

namespace {

// A window with one control of each kind.
class TestForm : public ui::Form {
 public:
  TestForm() {
    setCaption("Test Window");
    setSize(400, 300);
    label.place(10, 10, 120, 20);
    button.place(140, 10, 100, 25);
    button.setCaption("Go");
    line.place(10, 40, 120, 20);
    lines.setMultiLine(true);
    lines.place(10, 70, 120, 60);
    combo.place(140, 40, 100, 20);
    for (const char* item : {"Monday", "Tuesday", "Wednesday"}) combo.addItem(item);
    typed.place(140, 70, 100, 20);
    list.place(250, 10, 140, 100);
    bar.place(250, 120, 140, 17);
    bar.setRange(1950, 2050);
    image.place(10, 140, 64, 64);
    files.place(250, 150, 140, 60);
    folders.place(250, 220, 140, 60);
  }
  ui::Label label{*this, "label"};
  ui::CommandButton button{*this, "button"};
  ui::TextBox line{*this, "line"};
  ui::TextBox lines{*this, "lines"};
  ui::ComboBox combo{*this, "combo"};
  ui::ComboBox typed{*this, "typed", true};
  ui::ListBox list{*this, "list"};
  ui::HScrollBar bar{*this, "bar"};
  ui::ImageBox image{*this, "image"};
  ui::FileListBox files{*this, "files"};
  ui::DirListBox folders{*this, "folders"};
};

class FrontEndTest : public testing::Test {
 protected:
  FrontEndTest() : screen({&form, &other}) {}

  void SetUp() override {
    other.setCaption("Other Window");
    form.show();
    screen.flush();
  }

  template <typename Widget>
  Widget* widgetOf(const ui::Control& control) {
    auto* widget = qobject_cast<Widget*>(screen.widget(control));
    EXPECT_NE(widget, nullptr) << control.name();
    return widget;
  }

  static void sendKey(QWidget* widget, int key, const QString& text = {}) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &release);
  }

  TestForm form;
  ui::Form other;
  front::FrontEnd screen;  // after the forms: it lets go of them before they go
};

TEST_F(FrontEndTest, WindowIsMadeOnFirstShowAtTheDesignSize) {
  EXPECT_EQ(screen.window(other), nullptr);  // never shown: no window yet
  front::FormWindow* window = screen.window(form);
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(window->size(), QSize(400, 300));
  EXPECT_EQ(window->windowTitle(), "Test Window");
  EXPECT_EQ(screen.widget(form.button)->geometry(), QRect(140, 10, 100, 25));

  form.hide();
  other.show();
  screen.flush();
  EXPECT_FALSE(window->isVisible());
  ASSERT_NE(screen.window(other), nullptr);
  EXPECT_TRUE(screen.window(other)->isVisible());
}

TEST_F(FrontEndTest, WidgetsChangeOnlyWhenFlushed) {
  auto* label = widgetOf<QLabel>(form.label);
  form.label.setCaption("Tom & <b>Jerry</b>");
  form.setCaption("Renamed");
  EXPECT_EQ(label->text(), "");  // the control only marked itself dirty
  screen.flush();
  EXPECT_EQ(label->text(), "Tom & <b>Jerry</b>");  // shown as it is, no markup
  EXPECT_EQ(label->textFormat(), Qt::PlainText);
  EXPECT_EQ(screen.window(form)->windowTitle(), "Renamed");

  form.label.setCaption("Caf\xE9");  // Windows-1252 bytes
  form.button.setEnabled(false);
  form.line.setVisible(false);
  screen.flush();
  EXPECT_EQ(label->text(), QString::fromUtf8("Café"));
  EXPECT_FALSE(screen.widget(form.button)->isEnabled());
  EXPECT_FALSE(screen.widget(form.line)->isVisible());
}

TEST_F(FrontEndTest, HiddenListIsFilledOnlyWhenShown) {
  form.list.setVisible(false);
  for (int i = 0; i < 1000; ++i) form.list.addItem("wrestler " + std::to_string(i));
  screen.flush();
  auto* list = widgetOf<QListWidget>(form.list);
  EXPECT_EQ(list->count(), 0);
  form.list.setVisible(true);
  form.list.setListIndex(3);
  screen.flush();
  EXPECT_EQ(list->count(), 1000);
  EXPECT_EQ(list->currentRow(), 3);
}

TEST_F(FrontEndTest, ButtonClickRunsTheHandlerThenUpdatesTheWindow) {
  int clicks = 0;
  form.button.onClick = [&] {
    ++clicks;
    form.label.setCaption("clicked");
  };
  widgetOf<QPushButton>(form.button)->click();
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(widgetOf<QLabel>(form.label)->text(), "clicked");

  form.button.setEnabled(false);
  screen.flush();
  widgetOf<QPushButton>(form.button)->click();
  EXPECT_EQ(clicks, 1);
}

// A disabled button must look disabled even when its window gives it a text colour of its own.
TEST_F(FrontEndTest, DisabledButtonShowsTheGreyTextOfTheStyle) {
  form.button.setForeColor(ui::black);
  form.button.setEnabled(false);
  screen.flush();
  const QPalette palette = widgetOf<QPushButton>(form.button)->palette();
  EXPECT_EQ(palette.color(QPalette::Active, QPalette::ButtonText), QColor(Qt::black));
  EXPECT_NE(palette.color(QPalette::Disabled, QPalette::ButtonText), QColor(Qt::black));
}

TEST_F(FrontEndTest, LabelClickIsAMouseReleaseOnTheLabel) {
  int clicks = 0;
  form.label.onClick = [&] { ++clicks; };
  QLabel* label = widgetOf<QLabel>(form.label);
  const QPointF inside(5, 5);
  QMouseEvent press(QEvent::MouseButtonPress, inside, label->mapToGlobal(inside), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(label, &press);
  EXPECT_EQ(clicks, 0);
  QMouseEvent release(QEvent::MouseButtonRelease, inside, label->mapToGlobal(inside),
                      Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(label, &release);
  EXPECT_EQ(clicks, 1);
}

TEST_F(FrontEndTest, RepickingTheShownComboItemRaisesClick) {
  form.combo.setListIndex(1);
  screen.flush();
  int clicks = 0;
  form.combo.onClick = [&] { ++clicks; };
  auto* combo = widgetOf<QComboBox>(form.combo);
  EXPECT_EQ(combo->currentIndex(), 1);

  // The person opens the list and picks the item already shown.
  combo->showPopup();
  QAbstractItemView* view = combo->view();
  view->setCurrentIndex(combo->model()->index(1, 0));
  sendKey(view, Qt::Key_Return);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(form.combo.listIndex(), 1);

  // Picking another item takes it.
  combo->showPopup();
  view->setCurrentIndex(combo->model()->index(2, 0));
  sendKey(view, Qt::Key_Return);
  EXPECT_EQ(clicks, 2);
  EXPECT_EQ(form.combo.text(), "Wednesday");

  // Setting the combo from code changes the widget and raises nothing more through it.
  form.combo.setListIndex(0);  // raises the model's own click once
  screen.flush();
  EXPECT_EQ(combo->currentIndex(), 0);
  EXPECT_EQ(clicks, 3);
}

TEST_F(FrontEndTest, TypingGivesWindows1252Bytes) {
  std::vector<std::string> changes;
  form.line.onChange = [&] { changes.push_back(form.line.text()); };
  auto* line = widgetOf<QLineEdit>(form.line);
  sendKey(line, Qt::Key_Eacute, QString::fromUtf8("é"));
  ASSERT_EQ(changes.size(), 1u);
  EXPECT_EQ(changes[0], "\xE9");
  sendKey(line, Qt::Key_unknown, QString::fromUtf8("€"));
  EXPECT_EQ(form.line.text(), "\xE9\x80");

  // Setting the text from code raises the model's change once, not a second one from the widget.
  changes.clear();
  form.line.setText("Jones");
  screen.flush();
  EXPECT_EQ(line->text(), "Jones");
  EXPECT_EQ(changes.size(), 1u);
}

// A character the game's files can't hold is not taken into a box, and a message says why; the
// box keeps its text and the cursor stays where it was.
TEST_F(FrontEndTest, CharactersTheGameCannotHoldAreNotTakenIntoABox) {
  form.line.setText("Caf\xE9");
  form.lines.setText("one\r\ntwo");
  form.typed.setText("Ju");
  screen.flush();
  auto* line = widgetOf<QLineEdit>(form.line);
  auto* lines = widgetOf<QPlainTextEdit>(form.lines);
  auto* typed = widgetOf<QComboBox>(form.typed);
  const struct {
    QWidget* widget;
    std::function<std::string()> text;
    QString shown;  // what the widget shows after the refusal
    std::function<QString()> widgetText;
    std::function<int()> cursor;
  } boxes[] = {
      {line, [&] { return form.line.text(); }, QString::fromUtf8("Café"),
       [&] { return line->text(); }, [&] { return line->cursorPosition(); }},
      {lines, [&] { return form.lines.text(); }, "one\ntwo", [&] { return lines->toPlainText(); },
       [&] { return lines->textCursor().position(); }},
      {typed, [&] { return form.typed.text(); }, "Ju", [&] { return typed->currentText(); },
       [&] { return typed->lineEdit()->cursorPosition(); }},
  };
  int changes = 0;
  for (ui::TextBox* box : {&form.line, &form.lines}) box->onChange = [&] { ++changes; };
  form.typed.onChange = [&] { ++changes; };
  for (const auto& box : boxes) {
    SCOPED_TRACE(box.shown.toStdString());
    const std::string before = box.text();
    if (auto* edit = qobject_cast<QLineEdit*>(box.widget)) edit->setCursorPosition(2);
    if (auto* combo = qobject_cast<QComboBox*>(box.widget)) combo->lineEdit()->setCursorPosition(1);
    if (box.widget == lines) {
      QTextCursor at = lines->textCursor();
      at.setPosition(2);
      lines->setTextCursor(at);
    }
    const int cursor = box.cursor();
    QString message;
    {
      qttest::DialogScript person({[&](QWidget* dialog) {
        if (auto* shown = qobject_cast<QMessageBox*>(dialog)) message = shown->text();
        qttest::clickButton(dialog, QMessageBox::Ok);
      }});
      QWidget* target = box.widget == typed ? typed->lineEdit() : box.widget;
      sendKey(target, Qt::Key_unknown, QString::fromUtf8("✓"));
    }
    EXPECT_EQ(message, QString::fromUtf8("The game's files can't hold the character \"✓\" (U+2713)."
                                         "\n\nPlease type the text without it."));
    EXPECT_EQ(box.text(), before);
    EXPECT_EQ(box.widgetText(), box.shown);
    EXPECT_EQ(box.cursor(), cursor);
  }
  EXPECT_EQ(changes, 0);
}

TEST_F(FrontEndTest, ReturnOnAFocusedButtonClicksIt) {
  int clicks = 0;
  form.button.onClick = [&] { ++clicks; };
  auto* button = widgetOf<QPushButton>(form.button);
  button->setFocus();
  sendKey(button, Qt::Key_Return, "\r");
  EXPECT_EQ(clicks, 1);
  QKeyEvent enter(QEvent::KeyPress, Qt::Key_Enter, Qt::KeypadModifier, "\r");
  QApplication::sendEvent(button, &enter);
  EXPECT_EQ(clicks, 2);
  sendKey(button, Qt::Key_Space, " ");  // as before
  EXPECT_EQ(clicks, 3);
  sendKey(button, Qt::Key_A, "a");
  sendKey(button, Qt::Key_Return, "\r");
  EXPECT_EQ(clicks, 4);
}

// Escape that no control takes is the window's cancel button's click, while it can be clicked.
TEST_F(FrontEndTest, EscapeClicksTheWindowsCancelButtonWhileItCanBeClicked) {
  int clicks = 0;
  form.button.onClick = [&] { ++clicks; };
  QWidget* const places[] = {widgetOf<QLineEdit>(form.line), widgetOf<QComboBox>(form.combo),
                             widgetOf<QScrollBar>(form.bar)};
  for (QWidget* place : places) sendKey(place, Qt::Key_Escape);
  EXPECT_EQ(clicks, 0);  // no cancel button yet

  form.button.setCancel(true);
  screen.flush();
  for (QWidget* place : places) sendKey(place, Qt::Key_Escape);
  EXPECT_EQ(clicks, 3);
  form.button.setEnabled(false);
  screen.flush();
  sendKey(places[0], Qt::Key_Escape);
  form.button.setEnabled(true);
  form.button.setVisible(false);
  screen.flush();
  sendKey(places[0], Qt::Key_Escape);
  EXPECT_EQ(clicks, 3);
}

// A line edit's own limit (32,767 characters) cuts nothing: typed, pasted or set from code, the
// text of any length is kept whole.
TEST_F(FrontEndTest, TextOfAnyLengthIsKeptWholeInTheBoxes) {
  const QString longText(40000, QChar('x'));
  auto* line = widgetOf<QLineEdit>(form.line);
  line->insert(longText);
  EXPECT_EQ(form.line.text().size(), 40000u);
  auto* typed = widgetOf<QComboBox>(form.typed);
  typed->lineEdit()->insert(longText);
  EXPECT_EQ(form.typed.text().size(), 40000u);
  form.line.setText(std::string(50000, 'y'));
  screen.flush();
  EXPECT_EQ(line->text().size(), 50000);
}

// A label that does something when clicked is a stop of Tab, in reading order with the other
// controls, and Space or Return on it is its click; a label that does nothing is no stop.
TEST_F(FrontEndTest, ClickableLabelsAreTabStopsInReadingOrderAndKeysClickThem) {
  int clicks = 0;
  form.label.onClick = [&] { ++clicks; };
  form.label.setCaption("Initials");  // the label shown again, now clickable
  screen.flush();
  QWidget* window = screen.window(form);
  window->activateWindow();
  QApplication::processEvents();
  widgetOf<QLabel>(form.label)->setFocus();
  std::vector<std::string> stops;
  for (int i = 0; i < 11; ++i) {
    QWidget* focused = QApplication::focusWidget();
    ASSERT_NE(focused, nullptr);
    stops.push_back(focused->objectName().toStdString());
    sendKey(focused, Qt::Key_Tab);
  }
  // Row by row from the top, each row from the left; the picture takes no focus.
  const std::vector<std::string> reading = {"label", "button", "list",  "line",    "combo", "lines",
                                            "typed", "bar",    "files", "folders", "label"};
  EXPECT_EQ(stops, reading);

  auto* label = widgetOf<QLabel>(form.label);
  sendKey(label, Qt::Key_Space, " ");
  sendKey(label, Qt::Key_Return, "\r");
  EXPECT_EQ(clicks, 2);
  form.label.onClick = nullptr;
  form.label.setCaption("Plain");
  screen.flush();
  EXPECT_EQ(label->focusPolicy(), Qt::NoFocus);
}

// A value longer than a screen shows is drawn cut, its head, "..." and its tail, in a label, a
// list, a combo box and a box; the controls keep it whole. A box holding such a value takes no
// typing, and says why.
TEST_F(FrontEndTest, LongValuesAreShownCutAndKeptWhole) {
  const std::string value = "Head" + std::string(1000000, 'x') + "Tail";
  const auto isCut = [](const QString& shown) {
    return shown.size() <= static_cast<qsizetype>(front::shownLength) &&
           shown.startsWith("Headxxx") && shown.endsWith("xxxTail") && shown.contains("x...x");
  };
  form.label.setCaption(value);
  form.list.addItem(value);
  form.combo.addItem(value);
  form.line.setText(value);
  form.lines.setText(value);
  screen.flush();
  EXPECT_TRUE(isCut(widgetOf<QLabel>(form.label)->text()));
  EXPECT_TRUE(isCut(widgetOf<QListWidget>(form.list)->item(0)->text()));
  EXPECT_TRUE(isCut(widgetOf<QComboBox>(form.combo)->itemText(3)));
  auto* line = widgetOf<QLineEdit>(form.line);
  EXPECT_TRUE(isCut(line->text()));
  EXPECT_TRUE(line->isReadOnly());
  auto* lines = widgetOf<QPlainTextEdit>(form.lines);
  EXPECT_TRUE(isCut(lines->toPlainText()));
  EXPECT_TRUE(lines->isReadOnly());
  EXPECT_EQ(form.label.caption(), value);
  EXPECT_EQ(form.list.list(0), value);
  EXPECT_EQ(form.line.text(), value);
  EXPECT_EQ(form.lines.text(), value);

  QString told;
  {
    qttest::DialogScript person({[&](QWidget* dialog) {
      if (auto* box = qobject_cast<QMessageBox*>(dialog)) told = box->text();
      qttest::clickButton(dialog, QMessageBox::Ok);
    }});
    sendKey(line, Qt::Key_A, "a");
  }
  EXPECT_EQ(told,
            "The text is 1,000,008 characters long; a box holds at most 100,000 characters.\n\n"
            "Please type a shorter text.");
  EXPECT_EQ(form.line.text(), value);

  // A short text again: shown whole, and typed in.
  form.line.setText("Short");
  screen.flush();
  EXPECT_EQ(line->text(), "Short");
  EXPECT_FALSE(line->isReadOnly());
}

// Typed or pasted text longer than a box holds is refused with a message saying how long it may
// be; the box keeps what it held.
TEST_F(FrontEndTest, TextLongerThanABoxHoldsIsRefusedWithAMessage) {
  form.line.setText("Before");
  form.typed.setText("Before");
  screen.flush();
  std::vector<QString> told;
  const auto person = [&](QWidget* dialog) {
    if (auto* box = qobject_cast<QMessageBox*>(dialog)) told.push_back(box->text());
    qttest::clickButton(dialog, QMessageBox::Ok);
  };
  {
    qttest::DialogScript script({person, person});
    widgetOf<QLineEdit>(form.line)->insert(QString(150000, 'p'));
    widgetOf<QComboBox>(form.typed)->lineEdit()->insert(QString(150000, 'p'));
  }
  ASSERT_EQ(told.size(), 2u);
  for (const QString& text : told) EXPECT_TRUE(text.startsWith("The text is 150,006 characters"));
  EXPECT_EQ(form.line.text(), "Before");
  EXPECT_EQ(form.typed.text(), "Before");
  EXPECT_EQ(widgetOf<QLineEdit>(form.line)->text(), "Before");
}

TEST_F(FrontEndTest, MultiLineBoxKeepsCrLfLineBreaks) {
  form.lines.setText("one\r\ntwo");
  screen.flush();
  auto* lines = widgetOf<QPlainTextEdit>(form.lines);
  EXPECT_EQ(lines->toPlainText(), "one\ntwo");
  lines->moveCursor(QTextCursor::End);
  sendKey(lines, Qt::Key_Return, "\r");
  sendKey(lines, Qt::Key_unknown, "3");
  EXPECT_EQ(form.lines.text(), "one\r\ntwo\r\n3");

  form.lines.setLocked(true);
  screen.flush();
  EXPECT_TRUE(lines->isReadOnly());
}

TEST_F(FrontEndTest, KeysArriveAsWindowsKeyCodes) {
  std::vector<int> keys;
  form.line.onKeyDown = [&](int key) { keys.push_back(key); };
  form.typed.onKeyDown = [&](int key) { keys.push_back(-key); };
  auto* line = widgetOf<QLineEdit>(form.line);
  sendKey(line, Qt::Key_Return, "\r");
  sendKey(line, Qt::Key_Enter, "\r");
  sendKey(line, Qt::Key_A, "a");
  sendKey(line, Qt::Key_7, "7");
  sendKey(line, Qt::Key_Down);
  sendKey(widgetOf<QComboBox>(form.typed), Qt::Key_Return, "\r");
  EXPECT_EQ(keys, (std::vector<int>{13, 13, 'A', '7', 40, -13}));
}

TEST_F(FrontEndTest, EditableComboTypingIsTheComboTyping) {
  int changes = 0;
  form.typed.onChange = [&] { ++changes; };
  auto* combo = widgetOf<QComboBox>(form.typed);
  ASSERT_TRUE(combo->isEditable());
  sendKey(combo, Qt::Key_B, "B");
  sendKey(combo, Qt::Key_unknown, QString::fromUtf8("ö"));
  EXPECT_EQ(form.typed.text(), "B\xF6");
  EXPECT_EQ(changes, 2);
}

TEST_F(FrontEndTest, ListSelectionByThePersonIsChoose) {
  for (const char* item : {"Alpha", "Beta", "Gamma"}) form.list.addItem(item);
  screen.flush();
  int clicks = 0;
  form.list.onClick = [&] { ++clicks; };
  auto* list = widgetOf<QListWidget>(form.list);
  list->setCurrentRow(2, QItemSelectionModel::ClearAndSelect);  // as a click on the row does
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(form.list.text(), "Gamma");

  form.list.setListIndex(0);  // code: the model raises its click, the widget follows silently
  screen.flush();
  EXPECT_EQ(clicks, 2);
  EXPECT_EQ(list->currentRow(), 0);
}

TEST_F(FrontEndTest, ListDoubleClickByThePersonIsDoubleClick) {
  for (const char* item : {"Alpha", "Beta", "Gamma"}) form.list.addItem(item);
  screen.flush();
  int doubleClicks = 0, clicks = 0;
  std::string chosen;
  form.list.onClick = [&] { ++clicks; };
  form.list.onDblClick = [&] {
    ++doubleClicks;
    chosen = form.list.text();
  };
  auto* list = widgetOf<QListWidget>(form.list);
  QWidget* rows = list->viewport();
  const QPointF at = list->visualItemRect(list->item(1)).center();
  for (const auto& [type, buttons] : {std::pair{QEvent::MouseButtonPress, Qt::LeftButton},
                                      std::pair{QEvent::MouseButtonRelease, Qt::NoButton},
                                      std::pair{QEvent::MouseButtonDblClick, Qt::LeftButton},
                                      std::pair{QEvent::MouseButtonRelease, Qt::NoButton}}) {
    QMouseEvent event(type, at, rows->mapToGlobal(at), Qt::LeftButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(rows, &event);
  }
  EXPECT_EQ(clicks, 1);  // a person's double click is one Click, then DblClick
  EXPECT_EQ(doubleClicks, 1);
  EXPECT_EQ(chosen, "Beta");
  EXPECT_EQ(form.list.listIndex(), 1);
}

TEST_F(FrontEndTest, FileListChoosesAndFolderListShowsTheFoldersNames) {
  GameFolder game;
  game.write("Data/b.fed", {"b"});
  game.write("Data/a.fed", {"a"});
  game.makeFolder("Scenarios/Old School");
  form.files.setPattern("*.fed");
  form.files.setPath(game.pathText("Data\\"));
  form.folders.setPath(game.pathText("Scenarios\\"));
  screen.flush();

  auto* files = widgetOf<QListWidget>(form.files);
  ASSERT_EQ(files->count(), 2);
  EXPECT_EQ(files->item(0)->text(), "a.fed");
  EXPECT_EQ(files->item(1)->text(), "b.fed");
  int clicks = 0;
  form.files.onClick = [&] { ++clicks; };
  files->setCurrentRow(1, QItemSelectionModel::ClearAndSelect);  // as a click on the row does
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(form.files.fileName(), "b.fed");

  form.files.refresh();  // the choice is cleared: so is the widget's selection
  screen.flush();
  EXPECT_TRUE(files->selectedItems().isEmpty());
  EXPECT_EQ(clicks, 1);

  auto* folders = widgetOf<QListWidget>(form.folders);
  ASSERT_EQ(folders->count(), 1);
  EXPECT_EQ(folders->item(0)->text(), "Old School");  // not the full path text
}

TEST_F(FrontEndTest, ScrollBarArrowsScrollAndDraggingDrags) {
  int changes = 0, scrolls = 0;
  form.bar.onChange = [&] { ++changes; };
  form.bar.onScroll = [&] { ++scrolls; };
  form.bar.setValue(2000);
  screen.flush();
  changes = 0;
  auto* bar = widgetOf<QScrollBar>(form.bar);
  EXPECT_EQ(bar->value(), 2000);

  bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);  // the right arrow
  EXPECT_EQ(form.bar.value(), 2001);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(scrolls, 0);

  bar->setSliderDown(true);
  bar->setSliderPosition(1990);  // the box dragged
  EXPECT_EQ(form.bar.value(), 1990);
  EXPECT_EQ(scrolls, 1);
  bar->setSliderDown(false);  // let go
  EXPECT_EQ(changes, 2);
  EXPECT_EQ(bar->value(), 1990);
}

TEST_F(FrontEndTest, CloseBoxAsksTheWindow) {
  int asked = 0;
  form.onCloseBox = [&] { ++asked; };  // this window decides to stay
  front::FormWindow* window = screen.window(form);
  window->close();
  EXPECT_EQ(asked, 1);
  EXPECT_TRUE(window->isVisible());
  EXPECT_FALSE(screen.ended());

  // A window that goes away on its close box, leaving another one up.
  other.show();
  form.onCloseBox = [&] { form.hide(); };
  window->close();
  screen.flush();
  EXPECT_FALSE(window->isVisible());
  EXPECT_FALSE(screen.ended());

  // Closing the last window ends the program even when its window only hides it.
  other.onCloseBox = [&] { other.hide(); };
  screen.window(other)->close();
  EXPECT_TRUE(screen.ended());
  form.show();
  screen.flush();
  EXPECT_FALSE(window->isVisible());  // nothing comes back once the program ends
  QCoreApplication::removePostedEvents(QCoreApplication::instance());
}

TEST_F(FrontEndTest, HourglassShowsWhileTheHandlerRuns) {
  Qt::CursorShape during = Qt::ArrowCursor;
  form.button.onClick = [&] {
    ui::BusyPointer busy(form.button);
    if (const QCursor* cursor = QApplication::overrideCursor()) during = cursor->shape();
  };
  widgetOf<QPushButton>(form.button)->click();
  EXPECT_EQ(during, Qt::WaitCursor);
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);

  during = Qt::ArrowCursor;
  form.button.onClick = [&] {
    ui::BusyPointer busy(form);
    if (const QCursor* cursor = QApplication::overrideCursor()) during = cursor->shape();
  };
  widgetOf<QPushButton>(form.button)->click();
  EXPECT_EQ(during, Qt::WaitCursor);
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(FrontEndTest, ImageBoxShowsPicturesAndBlankForOtherFiles) {
  GameFolder game;
  QImage picture(8, 8, QImage::Format_RGB32);
  picture.fill(Qt::red);
  ASSERT_TRUE(picture.save(QString::fromStdString(game.path("Images/logo.bmp").string()), "BMP"));
  ASSERT_TRUE(picture.save(QString::fromStdString(game.path("Images/logo.jpg").string()), "JPG"));
  game.writeBytes("Images/notes.gif", "not a picture");

  auto* image = widgetOf<QLabel>(form.image);
  for (const char* name : {"logo.bmp", "logo.jpg"}) {
    form.image.setPicture(game.pathText("Images\\") + name);
    screen.flush();
    EXPECT_FALSE(image->pixmap().isNull()) << name;
    EXPECT_TRUE(image->hasScaledContents());
  }
  form.image.setPicture(game.pathText("Images\\notes.gif"));
  screen.flush();
  EXPECT_TRUE(image->pixmap().isNull());
  form.image.setPicture(game.pathText("Images\\missing.jpg"));
  screen.flush();
  EXPECT_TRUE(image->pixmap().isNull());
}

// A window with a grid of many rows.
class GridForm : public ui::Form {
 public:
  GridForm() {
    setSize(500, 400);
    grid.place(10, 10, 480, 380);
    grid.setCols(3);
    grid.setRows(100001);  // a header row and 100,000 wrestlers
    grid.setTextMatrix(0, 1, "Name");
    grid.setTextMatrix(100000, 1, "Last Wrestler");
    grid.setRow(100000);
    grid.setCol(1);
    grid.setCellBold(true);
    grid.setCellBackColor(ui::yellow);
  }
  ui::Grid grid{*this, "grid"};
};

TEST(GridViewTest, OpensAtItsTopRowThoughItsCurrentCellIsTheLast) {
  GridForm form;  // current cell in the last row, set while the window was hidden
  front::FrontEnd screen({&form});
  form.show();
  screen.flush();
  QApplication::processEvents();
  auto* view = qobject_cast<QTableView*>(screen.widget(form.grid));
  ASSERT_NE(view, nullptr);
  EXPECT_EQ(view->verticalScrollBar()->value(), 0);
}

// A cell's text longer than a screen shows is drawn cut; the grid keeps it whole.
TEST(GridViewTest, LongCellIsShownCut) {
  GridForm form;
  const std::string value(1000000, 'w');
  form.grid.setTextMatrix(3, 1, value);
  front::FrontEnd screen({&form});
  form.show();
  screen.flush();
  auto* view = qobject_cast<QTableView*>(screen.widget(form.grid));
  ASSERT_NE(view, nullptr);
  const QString shown = view->model()->index(2, 0).data().toString();
  EXPECT_LE(shown.size(), static_cast<qsizetype>(front::shownLength));
  EXPECT_TRUE(shown.contains("w...w"));
  EXPECT_EQ(form.grid.textMatrix(3, 1), value);
}

TEST(GridViewTest, HundredThousandRowsWithoutAWidgetPerRow) {
  GridForm form;
  front::FrontEnd screen({&form});
  form.show();
  screen.flush();
  auto* view = qobject_cast<QTableView*>(screen.widget(form.grid));
  ASSERT_NE(view, nullptr);
  QAbstractItemModel* model = view->model();
  EXPECT_EQ(model->rowCount(), 100000);  // the header row is the view's header
  EXPECT_EQ(model->columnCount(), 2);    // and so is the fixed column
  EXPECT_EQ(model->headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(), "Name");
  const QModelIndex last = model->index(99999, 0);
  EXPECT_EQ(last.data().toString(), "Last Wrestler");
  EXPECT_TRUE(last.data(Qt::FontRole).value<QFont>().bold());
  EXPECT_EQ(last.data(Qt::BackgroundRole).value<QColor>(), QColor(255, 255, 0));

  view->scrollToBottom();
  QApplication::processEvents();
  EXPECT_LT(view->findChildren<QWidget*>().size(), 40);

  int selections = 0;
  form.grid.onSelect = [&] { ++selections; };
  const QModelIndex cell = model->index(99998, 1);
  view->scrollTo(cell);
  const QPointF at = view->visualRect(cell).center();
  QMouseEvent press(QEvent::MouseButtonPress, at, view->viewport()->mapToGlobal(at), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(view->viewport(), &press);
  QMouseEvent release(QEvent::MouseButtonRelease, at, view->viewport()->mapToGlobal(at),
                      Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(view->viewport(), &release);
  EXPECT_EQ(selections, 1);
  EXPECT_EQ(form.grid.row(), 99999);
  EXPECT_EQ(form.grid.col(), 2);

  // Cells set from code show at the next flush; the current cell set from code raises nothing.
  form.grid.setTextMatrix(5, 1, "Changed");
  form.grid.setRow(5);
  screen.flush();
  EXPECT_EQ(model->index(4, 0).data().toString(), "Changed");
  EXPECT_EQ(view->currentIndex(), model->index(4, 1));  // the column stays
  EXPECT_EQ(selections, 1);

  form.grid.setRows(11);
  screen.flush();
  EXPECT_EQ(model->rowCount(), 10);
}

// A grid of wrestlers with a button before it and one after it.
class KeyboardGridForm : public ui::Form {
 public:
  explicit KeyboardGridForm(int wrestlers) {
    setSize(500, 400);
    before.place(10, 10, 100, 25);
    grid.place(10, 40, 300, 200);
    after.place(10, 250, 100, 25);
    grid.setCols(2);
    grid.setFixedCols(0);
    grid.setRows(wrestlers + 1);
    for (int r = 1; r <= wrestlers; ++r) {
      grid.setTextMatrix(r, 0, "Wrestler " + std::to_string(r));
      grid.setTextMatrix(r, 1, "GCF");
    }
    // The fill leaves the last row current, out of the view that opens at the top.
    grid.setRow(wrestlers);
    grid.setCol(1);
  }
  ui::CommandButton before{*this, "before"};
  ui::Grid grid{*this, "grid"};
  ui::CommandButton after{*this, "after"};
};

// The rows of the grid the view shows whole, as view rows: first and last.
std::pair<int, int> rowsInView(QTableView* view) {
  const int first = view->rowAt(0);
  const int last = view->rowAt(view->viewport()->height() - 1);
  return {first, last < 0 ? view->model()->rowCount() - 1 : last};
}

bool currentInView(QTableView* view) {
  return view->viewport()->rect().contains(view->visualRect(view->currentIndex()));
}

// The grid's current cell is drawn bright while the grid has the focus, and grey while the
// keyboard is on another control.
TEST(GridKeyboardTest, CurrentCellIsDrawnInactiveWhileTheFocusIsElsewhere) {
  GridForm form;
  form.grid.setRows(5);
  form.grid.setCols(3);
  form.grid.setRow(2);
  form.grid.setCol(1);
  front::FrontEnd screen({&form});
  form.show();
  screen.flush();
  auto* grid = qobject_cast<QTableView*>(screen.widget(form.grid));
  ASSERT_NE(grid, nullptr);
  QWidget* window = screen.window(form);
  window->activateWindow();
  QApplication::processEvents();
  const auto cellColour = [&] {
    const QRect cell = grid->visualRect(grid->currentIndex());
    return grid->viewport()->grab().toImage().pixelColor(cell.center());
  };
  grid->setFocus();
  const QColor focused = cellColour();
  window->setFocus();
  const QColor elsewhere = cellColour();
  const auto near = [](const QColor& a, const QColor& b) {
    return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
               std::abs(a.blue() - b.blue()) <
           8;
  };
  EXPECT_TRUE(near(focused, QApplication::palette().color(QPalette::Active, QPalette::Highlight)))
      << focused.name().toStdString();
  EXPECT_TRUE(near(elsewhere, QColor(0xC0, 0xC0, 0xC0))) << elsewhere.name().toStdString();
  grid->setFocus();
  EXPECT_EQ(cellColour(), focused);
}

TEST(GridKeyboardTest, TheViewFollowsTheCurrentCell) {
  for (const int wrestlers : {120, 32767}) {
    SCOPED_TRACE(wrestlers);
    KeyboardGridForm form(wrestlers);
    front::FrontEnd screen({&form});
    form.show();
    screen.flush();
    auto* view = qobject_cast<QTableView*>(screen.widget(form.grid));
    ASSERT_NE(view, nullptr);
    view->setFocus();

    // The keys start from the top of the view, not from the current cell out of view.
    for (int i = 0; i < 15; ++i) qttest::pressKey(view, Qt::Key_Down);
    EXPECT_EQ(view->currentIndex().row(), 15);
    EXPECT_TRUE(currentInView(view));
    EXPECT_GT(rowsInView(view).first, 0);

    const auto [first, last] = rowsInView(view);
    qttest::pressKey(view, Qt::Key_PageDown);
    qttest::pressKey(view, Qt::Key_PageDown);
    const int paged = view->currentIndex().row();
    EXPECT_GT(paged, 15 + (last - first));      // a page and more further down
    EXPECT_LE(paged, 15 + 3 * (last - first));  // but not to the end
    EXPECT_TRUE(currentInView(view));
    qttest::pressKey(view, Qt::Key_PageUp);
    EXPECT_LT(view->currentIndex().row(), paged);
    EXPECT_TRUE(currentInView(view));

    qttest::pressKey(view, Qt::Key_End);
    EXPECT_EQ(view->currentIndex().row(), wrestlers - 1);
    EXPECT_EQ(view->currentIndex().column(), 1);  // the column stays
    EXPECT_TRUE(currentInView(view));
    qttest::pressKey(view, Qt::Key_Home);
    EXPECT_EQ(view->currentIndex().row(), 0);
    EXPECT_EQ(view->verticalScrollBar()->value(), 0);
  }
}

TEST(GridKeyboardTest, ReturnIsAClickOnTheRowsFirstCellAndTabLeavesTheGrid) {
  KeyboardGridForm form(120);
  front::FrontEnd screen({&form});
  std::vector<std::pair<int, int>> selected;
  form.grid.onSelect = [&] { selected.emplace_back(form.grid.row(), form.grid.col()); };
  form.show();
  screen.flush();
  QWidget* window = screen.window(form);
  window->activateWindow();
  QApplication::setActiveWindow(window);
  auto* view = qobject_cast<QTableView*>(screen.widget(form.grid));
  ASSERT_NE(view, nullptr);
  view->setFocus();

  qttest::pressKey(view, Qt::Key_Return, Qt::NoModifier, "\r");
  EXPECT_TRUE(selected.empty());  // the current cell is out of view: not where the person is
  for (int i = 0; i < 3; ++i) qttest::pressKey(view, Qt::Key_Down);
  EXPECT_TRUE(selected.empty());  // moving is no selection
  qttest::pressKey(view, Qt::Key_Return, Qt::NoModifier, "\r");
  EXPECT_EQ(selected, (std::vector<std::pair<int, int>>{{4, 0}}));  // the current cell was in col 1

  qttest::pressKey(view, Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), screen.widget(form.after));
  view->setFocus();
  qttest::pressKey(view, Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_EQ(QApplication::focusWidget(), screen.widget(form.before));
  EXPECT_EQ(selected.size(), 1u);
}

// How far a picture is from another: "" when they have the same size and no channel of any pixel
// is more than one step apart, as the rounding of premultiplied alpha differs from processor to
// processor; otherwise the first pixel that differs more.
std::string pictureDifference(const QImage& shown, const QImage& expected) {
  if (shown.isNull() || shown.size() != expected.size()) return "another size, or no picture";
  const QImage a = shown.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  const QImage b = expected.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) {
      const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
      for (const int shift : {24, 16, 8, 0}) {  // alpha, red, green, blue
        if (std::abs(int(p >> shift & 0xff) - int(q >> shift & 0xff)) > 1)
          return QString("pixel %1,%2 is #%3, not #%4")
              .arg(x)
              .arg(y)
              .arg(p, 8, 16, QChar('0'))
              .arg(q, 8, 16, QChar('0'))
              .toStdString();
      }
    }
  }
  return "";
}

TEST(WindowIconTest, EveryWindowShowsTheEditorsIcon) {
  ui::Form first, second;
  front::FrontEnd screen({&first, &second});
  first.show();
  second.show();
  screen.flush();
  const QImage drawn(":/icon/window-32.png");
  ASSERT_FALSE(drawn.isNull());
  for (ui::Form* form : {&first, &second}) {
    const QIcon icon = screen.window(*form)->windowIcon();
    EXPECT_EQ(pictureDifference(icon.pixmap(QSize(32, 32)).toImage(), drawn), "");
  }
  EXPECT_FALSE(QApplication::windowIcon().isNull());  // and the dialogs, which take it from there
}

}  // namespace
