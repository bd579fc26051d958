// The real desktop's dialogs, answered by the test the way a person would.

#include "qt/qt_desktop.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <functional>

#include "qt/front_end.h"
#include "qt/text_conversion.h"
#include "tests/qt/dialog_script.h"
#include "ui/ui.h"

namespace {

// Runs what the person does once the dialog is up.
void whenDialogShows(std::function<void(QWidget*)> person) {
  QTimer::singleShot(0, [person] {
    QWidget* dialog = QApplication::activeModalWidget();
    ASSERT_NE(dialog, nullptr) << "no dialog is up";
    person(dialog);
  });
}

QMessageBox* asMessageBox(QWidget* dialog) {
  auto* box = qobject_cast<QMessageBox*>(dialog);
  EXPECT_NE(box, nullptr);
  return box;
}

class QtDesktopTest : public testing::Test {
 protected:
  QtDesktopTest() : screen({&form}) { desktop.attach(screen); }

  ui::Form form;
  front::FrontEnd screen;
  front::QtDesktop desktop;
};

TEST_F(QtDesktopTest, YesNoBoxAnsweredYes) {
  QString text, title;
  bool yesIsDefault = false;
  whenDialogShows([&](QWidget* dialog) {
    QMessageBox* box = asMessageBox(dialog);
    if (!box) return;
    text = box->text();
    title = box->windowTitle();
    yesIsDefault = box->defaultButton() == box->button(QMessageBox::Yes);
    box->button(QMessageBox::Yes)->click();
  });
  const ui::Answer answer =
      desktop.message("Going back will lose the changes.\r\n\r\nSave changes?", ui::Buttons::YesNo,
                      ui::Icon::None, "");
  EXPECT_EQ(answer, ui::Answer::Yes);
  EXPECT_EQ(text, "Going back will lose the changes.\n\nSave changes?");
  EXPECT_EQ(title, "VL 1.3 Duvazari Editor");
  EXPECT_TRUE(yesIsDefault);
}

// A Yes/No box has no way out but its buttons: Escape and the close box leave it up.
TEST_F(QtDesktopTest, YesNoBoxStaysUpOnEscapeAndItsCloseBoxUntilYesOrNo) {
  const std::pair<QMessageBox::StandardButton, ui::Answer> answers[] = {
      {QMessageBox::No, ui::Answer::No}, {QMessageBox::Yes, ui::Answer::Yes}};
  for (const auto& [button, answer] : answers) {
    bool upAfterEscape = false, upAfterClose = false;
    qttest::DialogScript person({[&, button = button](QWidget* dialog) {
      qttest::pressKey(dialog, Qt::Key_Escape);
      upAfterEscape = dialog->isVisible();
      dialog->close();  // the box's close button
      upAfterClose = dialog->isVisible();
      qttest::clickButton(dialog, button);
    }});
    EXPECT_EQ(desktop.message("Delete?", ui::Buttons::YesNo, ui::Icon::Exclamation, ""), answer);
    EXPECT_TRUE(upAfterEscape);
    EXPECT_TRUE(upAfterClose);
  }
}

TEST_F(QtDesktopTest, YesNoCancelBoxGivesEachAnswerAndEscapeOrTheCloseBoxCancel) {
  const std::pair<QMessageBox::StandardButton, ui::Answer> clicks[] = {
      {QMessageBox::Yes, ui::Answer::Yes},
      {QMessageBox::No, ui::Answer::No},
      {QMessageBox::Cancel, ui::Answer::Cancel}};
  for (const auto& [button, answer] : clicks) {
    whenDialogShows([button = button](QWidget* dialog) {
      if (QMessageBox* box = asMessageBox(dialog)) box->button(button)->click();
    });
    EXPECT_EQ(desktop.message("Save?", ui::Buttons::YesNoCancel, ui::Icon::Question, ""), answer);
  }

  whenDialogShows([](QWidget* dialog) {
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(dialog, &escape);
  });
  EXPECT_EQ(desktop.message("Save?", ui::Buttons::YesNoCancel, ui::Icon::Question, ""),
            ui::Answer::Cancel);
  whenDialogShows([](QWidget* dialog) { dialog->close(); });
  EXPECT_EQ(desktop.message("Save?", ui::Buttons::YesNoCancel, ui::Icon::Question, ""),
            ui::Answer::Cancel);
}

TEST_F(QtDesktopTest, OkBoxShowsItsTitleIconAndPlainText) {
  QString title, text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  Qt::TextFormat format = Qt::AutoText;
  whenDialogShows([&](QWidget* dialog) {
    QMessageBox* box = asMessageBox(dialog);
    if (!box) return;
    title = box->windowTitle();
    text = box->text();
    icon = box->icon();
    format = box->textFormat();
    box->button(QMessageBox::Ok)->click();
  });
  EXPECT_EQ(desktop.message("<b>Caf\xE9</b> & co", ui::Buttons::Ok, ui::Icon::Critical, "Error!"),
            ui::Answer::Ok);
  EXPECT_EQ(title, "Error!");
  EXPECT_EQ(text, QString::fromUtf8("<b>Café</b> & co"));
  EXPECT_EQ(icon, QMessageBox::Critical);
  EXPECT_EQ(format, Qt::PlainText);
}

TEST_F(QtDesktopTest, WindowsAreUpToDateUnderTheDialog) {
  form.setCaption("Before");
  form.show();
  screen.flush();
  form.setCaption("Saving");  // a handler changed the window, then asks
  QString shownTitle;
  whenDialogShows([&](QWidget* dialog) {
    shownTitle = screen.window(form)->windowTitle();
    asMessageBox(dialog)->button(QMessageBox::Ok)->click();
  });
  desktop.message("Saved OK.", ui::Buttons::Ok, ui::Icon::None, "");
  EXPECT_EQ(shownTitle, "Saving");
}

TEST_F(QtDesktopTest, PromptGivesOneLineOfWindows1252Bytes) {
  QString label, shownDefault;
  whenDialogShows([&](QWidget* dialog) {
    auto* input = qobject_cast<QInputDialog*>(dialog);
    ASSERT_NE(input, nullptr);
    label = input->labelText();
    shownDefault = input->textValue();
    input->setTextValue(QString::fromUtf8("Zoë\r\nSmith\n"));
    input->accept();
  });
  EXPECT_EQ(
      desktop.prompt("Please enter a name for this scenario.", "Scenario Name", "KGU vs DRX 1995"),
      "Zo\xEBSmith");
  EXPECT_EQ(label, "Please enter a name for this scenario.");
  EXPECT_EQ(shownDefault, "KGU vs DRX 1995");

  whenDialogShows([](QWidget* dialog) { qobject_cast<QDialog*>(dialog)->reject(); });
  EXPECT_EQ(desktop.prompt("Name?", "", "Example"), "");
}

// An answer holding characters the game's files can't hold is not taken: a message names them,
// then the prompt comes back with the typed text, until the answer fits or is cancelled.
TEST_F(QtDesktopTest, PromptAnswerTheGameCannotHoldIsShownAgainWithTheMessage) {
  const QString typed = QString::fromUtf8("Łukasz Ωmega");
  for (const bool cancelled : {false, true}) {
    QString message, shownAgain;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    qttest::DialogScript person({
        [&](QWidget* dialog) {
          auto* input = qobject_cast<QInputDialog*>(dialog);
          ASSERT_NE(input, nullptr);
          input->setTextValue(typed);
          input->accept();
        },
        [&](QWidget* dialog) {
          auto* box = qobject_cast<QMessageBox*>(dialog);
          ASSERT_NE(box, nullptr);
          message = box->text();
          icon = box->icon();
          qttest::clickButton(dialog, QMessageBox::Ok);
        },
        [&](QWidget* dialog) {
          auto* input = qobject_cast<QInputDialog*>(dialog);
          ASSERT_NE(input, nullptr);
          shownAgain = input->textValue();
          if (cancelled) {
            input->reject();
            return;
          }
          input->setTextValue("Lukasz Omega");
          input->accept();
        },
    });
    EXPECT_EQ(desktop.prompt("Please enter the name of the champion.", "Champion", "Vacant"),
              cancelled ? "" : "Lukasz Omega");
    EXPECT_EQ(message,
              QString::fromUtf8("The game's files can't hold the characters \"Ł\" (U+0141) "
                                "and \"Ω\" (U+03A9).\n\nPlease type the text without "
                                "them."));
    EXPECT_EQ(icon, QMessageBox::Warning);
    EXPECT_EQ(shownAgain, typed);
  }
}

// A short box or prompt is still as wide as its whole title in a title bar: the title in bold
// and room for the bar's icon and buttons.
TEST_F(QtDesktopTest, ShortBoxesAndPromptsAreWideEnoughForTheirWholeTitle) {
  const struct {
    bool prompt;
    std::string title;
  } cases[] = {{false, ""}, {false, "Date Calculator"}, {true, ""}, {true, "Which Show?"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.title + (c.prompt ? " (prompt)" : ""));
    int width = 0;
    QString title;
    whenDialogShows([&](QWidget* dialog) {
      width = dialog->frameGeometry().width();
      title = dialog->windowTitle();
      if (auto* input = qobject_cast<QInputDialog*>(dialog))
        input->reject();
      else
        asMessageBox(dialog)->button(QMessageBox::Ok)->click();
    });
    if (c.prompt)
      desktop.prompt("Name?", c.title, "");
    else
      desktop.message("OK.", ui::Buttons::Ok, ui::Icon::None, c.title);
    QFont bold = QApplication::font();
    bold.setBold(true);
    EXPECT_FALSE(title.isEmpty());
    EXPECT_GE(width, QFontMetrics(bold).horizontalAdvance(title) + 100);
  }
}

// An answer longer than a line edit's own limit (32,767 characters) comes back whole, and so does
// a default of that length.
TEST_F(QtDesktopTest, PromptKeepsAnAnswerOfAnyLengthWhole) {
  const QString longText(40000, QChar('z'));
  int shownDefault = 0;
  whenDialogShows([&](QWidget* dialog) {
    auto* input = qobject_cast<QInputDialog*>(dialog);
    ASSERT_NE(input, nullptr);
    shownDefault = static_cast<int>(input->textValue().size());
    input->findChild<QLineEdit*>()->setText(longText);
    input->accept();
  });
  const std::string answer = desktop.prompt("Name?", "", std::string(40000, 'a'));
  EXPECT_EQ(shownDefault, 40000);
  EXPECT_EQ(answer, std::string(40000, 'z'));
}

// A prompt whose text is taller than the 800 x 600 screen scrolls it: the whole prompt, OK and
// Cancel with it, stays on the screen, and the text's last line can be scrolled to.
TEST_F(QtDesktopTest, PromptTallerThanTheScreenScrollsItsText) {
  std::string text = "First line.";
  for (int i = 2; i <= 80; ++i) text += "\r\nLine " + std::to_string(i) + ".";
  QRect place, screenArea;
  bool buttonsOnScreen = false, scrolls = false;
  whenDialogShows([&](QWidget* dialog) {
    place = dialog->frameGeometry();
    screenArea = dialog->screen()->availableGeometry();
    buttonsOnScreen = true;
    for (QPushButton* button : dialog->findChildren<QPushButton*>())
      buttonsOnScreen &=
          screenArea.contains(QRect(button->mapToGlobal(QPoint(0, 0)), button->size()));
    auto* scroll = dialog->findChild<QScrollArea*>();
    auto* label = dialog->findChild<QLabel*>();
    scrolls = scroll && label && scroll->widget() == label &&
              label->height() >= label->heightForWidth(label->width()) &&
              scroll->verticalScrollBar()->maximum() > 0;
    qobject_cast<QDialog*>(dialog)->reject();
  });
  desktop.prompt(text, "Tall", "");
  EXPECT_EQ(screenArea.size(), QSize(800, 600));
  EXPECT_TRUE(screenArea.contains(place))
      << place.x() << "," << place.y() << " " << place.width() << "x" << place.height();
  EXPECT_TRUE(buttonsOnScreen);
  EXPECT_TRUE(scrolls);
}

// A message quoting a value longer than a screen shows it cut, and the message's end stays.
TEST_F(QtDesktopTest, MessageQuotingALongValueShowsItCutWithTheMessagesEnd) {
  const std::string value(10000000, 'X');
  QString text;
  whenDialogShows([&](QWidget* dialog) {
    text = asMessageBox(dialog)->text();
    asMessageBox(dialog)->button(QMessageBox::Ok)->click();
  });
  desktop.message("The start date's day of the week in maindata.vl1, \"" + value +
                      "\", is not one of Monday to Sunday.",
                  ui::Buttons::Ok, ui::Icon::Exclamation, "");
  EXPECT_LE(text.size(), static_cast<qsizetype>(front::shownLength));
  EXPECT_TRUE(text.startsWith("The start date's day of the week in maindata.vl1, \"XXX"));
  EXPECT_TRUE(text.contains("X...X"));
  EXPECT_TRUE(text.endsWith("XXX\", is not one of Monday to Sunday."));
}

// A default answer too long to type in is not put in the field: the prompt says so, and the
// field left empty gives "", which changes nothing. An answer typed too long is refused with a
// message and the prompt comes back.
TEST_F(QtDesktopTest, PromptWithADefaultTooLongToTypeInLeavesTheFieldEmpty) {
  QString label, field;
  QString told;
  qttest::DialogScript person({
      [&](QWidget* dialog) {
        auto* input = qobject_cast<QInputDialog*>(dialog);
        ASSERT_NE(input, nullptr);
        label = input->labelText();
        field = input->textValue();
        input->findChild<QLineEdit*>()->setText(QString(150000, 'q'));
        input->accept();
      },
      [&](QWidget* dialog) {
        told = asMessageBox(dialog)->text();
        qttest::clickButton(dialog, QMessageBox::Ok);
      },
      [&](QWidget* dialog) {
        auto* input = qobject_cast<QInputDialog*>(dialog);
        ASSERT_NE(input, nullptr);
        EXPECT_EQ(input->textValue(), "");
        input->accept();
      },
  });
  EXPECT_EQ(desktop.prompt("Please enter the name of this promotion.", "Promotion Name",
                           std::string(10000000, 'N')),
            "");
  EXPECT_EQ(field, "");
  EXPECT_TRUE(label.startsWith("Please enter the name of this promotion.\n\n"));
  EXPECT_TRUE(label.contains("10000000 characters long"));
  EXPECT_TRUE(told.startsWith("The text is 150,000 characters long"));
}

TEST_F(QtDesktopTest, EndProgramHidesEveryWindowForGood) {
  form.show();
  screen.flush();
  ASSERT_TRUE(screen.window(form)->isVisible());
  desktop.endProgram();
  EXPECT_TRUE(screen.ended());
  EXPECT_FALSE(screen.window(form)->isVisible());
  screen.flush();
  EXPECT_FALSE(screen.window(form)->isVisible());
  QCoreApplication::removePostedEvents(QCoreApplication::instance());
}

}  // namespace

namespace {

class ExitForm : public ui::Form {
 public:
  ExitForm() { exit.place(10, 10, 80, 25); }
  ui::CommandButton exit{*this, "exit"};
};

TEST(ProgramEndTest, EndingInAHandlerQuitsTheEventLoopOnceTheHandlerIsDone) {
  ExitForm form;
  front::FrontEnd screen({&form});
  front::QtDesktop desktop;
  desktop.attach(screen);
  bool handlerFinished = false;
  form.exit.onClick = [&] {
    desktop.endProgram();
    handlerFinished = true;  // the handler runs to its end before anything quits
  };
  form.show();
  screen.flush();

  QTimer::singleShot(0, [&] { qobject_cast<QPushButton*>(screen.widget(form.exit))->click(); });
  QTimer watchdog;
  bool timedOut = false;
  watchdog.setSingleShot(true);
  QObject::connect(&watchdog, &QTimer::timeout, [&] {
    timedOut = true;
    QCoreApplication::quit();
  });
  watchdog.start(5000);
  QApplication::exec();
  EXPECT_FALSE(timedOut);
  EXPECT_TRUE(handlerFinished);
  EXPECT_FALSE(screen.window(form)->isVisible());
}

}  // namespace
