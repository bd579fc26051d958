#include "qt/qt_desktop.h"

#include <QApplication>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>

#include "qt/control_views.h"
#include "qt/front_end.h"

namespace front {

namespace {

QString shown(const std::string& bytes) {
  QString text = toQ(bytes);
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

}  // namespace

void QtDesktop::flush() {
  if (front_) front_->flush();
}

ui::Answer QtDesktop::message(const std::string& text, ui::Buttons buttons, ui::Icon icon,
                              const std::string& title) {
  flush();  // the person sees the windows as they are now, under the box
  QMessageBox box(iconOf(icon), titleOf(title), shown(text), QMessageBox::NoButton,
                  QApplication::activeWindow());
  box.setTextFormat(Qt::PlainText);
  box.setWindowModality(Qt::ApplicationModal);
  if (buttons == ui::Buttons::YesNoCancel) {
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::Cancel);  // Escape and the close box answer Cancel
  } else if (buttons == ui::Buttons::YesNo) {
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::No);  // Escape and the close box answer No
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

std::string QtDesktop::prompt(const std::string& text, const std::string& title,
                              const std::string& defaultAnswer) {
  flush();
  QInputDialog dialog(QApplication::activeWindow());
  dialog.setWindowModality(Qt::ApplicationModal);
  dialog.setInputMode(QInputDialog::TextInput);
  dialog.setWindowTitle(titleOf(title));
  dialog.setLabelText(shown(text));
  dialog.setTextValue(toQ(defaultAnswer));
  for (QLabel* label : dialog.findChildren<QLabel*>()) label->setTextFormat(Qt::PlainText);
  if (dialog.exec() != QDialog::Accepted) return "";
  std::string answer = fromQ(dialog.textValue());
  std::erase_if(answer, [](char c) { return c == '\r' || c == '\n'; });
  return answer;
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
