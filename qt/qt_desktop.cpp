#include "qt/qt_desktop.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QGridLayout>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <algorithm>

#include "common/code_page.h"
#include "qt/control_views.h"
#include "qt/front_end.h"
#include "qt/text_conversion.h"

namespace front {

namespace {

// A message's or a prompt's text, or a title, as the dialog shows it.
QString shown(const std::string& bytes) {
  QString text = shownText(bytes);
  text.replace("\r\n", "\n");
  return text;
}

QString titleOf(const std::string& title) {
  return shown(title.empty() ? ui::programTitle : title);
}

QMessageBox::Icon iconOf(ui::Icon icon) {
  switch (icon) {
    case ui::Icon::Critical:
      return QMessageBox::Critical;
    case ui::Icon::Question:
      return QMessageBox::Question;
    case ui::Icon::Exclamation:
      return QMessageBox::Warning;
    case ui::Icon::Information:
      return QMessageBox::Information;
    case ui::Icon::None:
      break;
  }
  return QMessageBox::NoIcon;
}

// A message box that, when asked to, can't be escaped: Escape and the close box leave it up
// until one of its buttons is clicked.
class MessageBox : public QMessageBox {
 public:
  using QMessageBox::QMessageBox;
  bool escapable = true;

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    if (!escapable && event->matches(QKeySequence::Cancel)) {
      event->accept();
      return;
    }
    QMessageBox::keyPressEvent(event);
  }
  void closeEvent(QCloseEvent* event) override {
    if (!escapable && !clickedButton()) {
      event->ignore();
      return;
    }
    QMessageBox::closeEvent(event);
  }
};

// The screen area a dialog over parent must keep inside.
QRect screenArea(QWidget* parent) {
  QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
  return screen ? screen->availableGeometry() : QRect(0, 0, 800, 600);
}

// The width a dialog needs for its whole title in the title bar: the title in a bold font (as
// window managers draw titles) and room for the bar's icon and its buttons; never wider than the
// screen.
int titleBarWidth(const QString& title, const QRect& area) {
  QFont font = QApplication::font();
  font.setBold(true);
  constexpr int iconAndButtons = 140;
  return std::min(QFontMetrics(font).horizontalAdvance(title) + iconAndButtons, area.width());
}

// A prompt's text wraps at the width of the window it belongs to (at least a comfortable reading
// width and the width of its title), never wider than the screen leaves room for; the answer
// field spans the prompt, so it is as wide as the text. The text is given the height it takes at
// that width, blank lines included; a text too tall for the screen scrolls, so OK and Cancel
// stay on the screen.
void fitPrompt(QInputDialog& dialog, QWidget* parent) {
  auto* label = dialog.findChild<QLabel*>();
  if (!label) return;
  label->setTextFormat(Qt::PlainText);
  label->setWordWrap(true);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  const QRect area = screenArea(parent);
  constexpr int readingWidth = 360;
  const int title = titleBarWidth(dialog.windowTitle(), area);
  const int room = std::min(
      std::max(parent ? std::max(parent->width(), readingWidth) : area.width() * 2 / 3, title),
      area.width());
  const QFontMetrics metrics(label->font());
  const int natural =
      metrics.boundingRect(QRect(0, 0, QWIDGETSIZE_MAX, QWIDGETSIZE_MAX), 0, label->text()).width();
  const auto fitText = [&](int width) {
    label->setMinimumSize(0, 0);
    label->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    label->setFixedSize(width, label->heightForWidth(width));
    dialog.adjustSize();
  };
  // The layout sizes the dialog from its contents: the text is as wide as the title needs.
  const QMargins margins = dialog.layout() ? dialog.layout()->contentsMargins() : QMargins();
  fitText(
      std::max(1, std::min(std::max(natural + 1, title - margins.left() - margins.right()), room)));
  // The dialog's margins come on top of the text; the text gives them room.
  if (const int over = dialog.width() - room; over > 0) fitText(std::max(1, label->width() - over));
  // Too tall for the screen, with room for the title bar and the borders a window manager adds:
  // the text scrolls in the height the screen leaves it.
  constexpr int frameRoom = 48;
  if (const int over = dialog.height() + frameRoom - area.height(); over > 0) {
    auto* scroll = new QScrollArea(&dialog);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const int shown = std::max(metrics.lineSpacing(), label->height() - over);
    const int barWidth = scroll->verticalScrollBar()->sizeHint().width();
    delete dialog.layout()->replaceWidget(label, scroll);
    label->setFixedSize(label->width() - barWidth,
                        label->heightForWidth(label->width() - barWidth));
    scroll->setWidget(label);
    scroll->setFixedSize(label->width() + barWidth, shown);
    dialog.adjustSize();
  }
}

}  // namespace

ui::Answer messageBox(QWidget* parent, const QString& text, ui::Buttons buttons, ui::Icon icon,
                      const QString& title) {
  MessageBox box(iconOf(icon), title, text, QMessageBox::NoButton, parent);
  box.setTextFormat(Qt::PlainText);
  box.setWindowModality(Qt::ApplicationModal);
  // The box is as wide as its text needs and no less than its whole title needs.
  if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
    grid->addItem(new QSpacerItem(titleBarWidth(title, screenArea(parent)), 0), grid->rowCount(), 0,
                  1, grid->columnCount());
  if (buttons == ui::Buttons::YesNoCancel) {
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::Cancel);  // Escape and the close box answer Cancel
  } else if (buttons == ui::Buttons::YesNo) {
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(QMessageBox::Yes);
    box.escapable = false;  // only Yes or No answers
  } else {
    box.setStandardButtons(QMessageBox::Ok);
    box.setDefaultButton(QMessageBox::Ok);
    box.setEscapeButton(QMessageBox::Ok);
  }
  box.exec();
  if (buttons == ui::Buttons::Ok) return ui::Answer::Ok;
  if (box.clickedButton() == box.button(QMessageBox::Yes)) return ui::Answer::Yes;
  if (buttons == ui::Buttons::YesNoCancel && box.clickedButton() != box.button(QMessageBox::No))
    return ui::Answer::Cancel;
  return ui::Answer::No;
}

std::u32string unfitCharacters(const QString& typed) {
  return common::charactersWithoutByte(std::u16string_view(
      reinterpret_cast<const char16_t*>(typed.utf16()), static_cast<std::size_t>(typed.size())));
}

void sayUnfit(QWidget* parent, const std::u32string& characters) {
  messageBox(parent, QString::fromStdString(ui::unfitMessage(characters)).replace("\r\n", "\n"),
             ui::Buttons::Ok, ui::Icon::Exclamation, titleOf(""));
}

void QtDesktop::flush() {
  if (front_) front_->flush();
}

QWidget* QtDesktop::dialogParent() const { return front_ ? front_->dialogParent() : nullptr; }

ui::Answer QtDesktop::message(const std::string& text, ui::Buttons buttons, ui::Icon icon,
                              const std::string& title) {
  flush();  // the person sees the windows as they are now, under the box
  return messageBox(dialogParent(), shown(text), buttons, icon, titleOf(title));
}

std::string QtDesktop::prompt(const std::string& text, const std::string& title,
                              const std::string& defaultAnswer) {
  flush();
  QWidget* parent = dialogParent();
  // A default too long to type in is not put in the field: an empty answer changes nothing, so
  // the field left empty keeps it, and the prompt says so.
  const bool defaultShown = defaultAnswer.size() <= static_cast<std::size_t>(editableLength);
  QString label = shown(text);
  if (!defaultShown)
    label +=
        QString::fromStdString(ui::presentAnswerNote(defaultAnswer.size())).replace("\r\n", "\n");
  const QString start = defaultShown ? toQ(defaultAnswer) : QString();
  QString answer = start;
  for (;;) {
    QInputDialog dialog(parent);
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.setInputMode(QInputDialog::TextInput);
    takeAnyLength(dialog.findChild<QLineEdit*>());
    dialog.setWindowTitle(titleOf(title));
    dialog.setLabelText(label);
    dialog.setTextValue(answer);
    fitPrompt(dialog, parent);
    if (dialog.exec() != QDialog::Accepted) return "";
    answer = dialog.textValue();
    if (answer.size() > editableLength) {
      sayTooLong(parent, answer.size());
      answer = start;  // the prompt comes back as it first came up
      continue;
    }
    const std::u32string unfit = unfitCharacters(answer);
    if (unfit.empty()) break;
    sayUnfit(parent, unfit);
  }
  std::string bytes = fromQ(answer);
  std::erase_if(bytes, [](char c) { return c == '\r' || c == '\n'; });
  return bytes;
}

void QtDesktop::endProgram() {
  if (front_) {
    front_->endProgram();
    return;
  }
  QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit,
                            Qt::QueuedConnection);
}

}  // namespace front
