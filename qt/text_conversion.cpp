#include "qt/text_conversion.h"

#include <QKeyEvent>

#include "common/code_page.h"

namespace front {

QString toQ(const std::string& bytes) {
  return QString::fromStdString(common::cp1252ToUtf8(bytes));
}

std::string fromQ(const QString& text) { return common::utf8ToCp1252(text.toStdString()); }

QString shownText(const std::string& bytes) { return toQ(ui::shownText(bytes)); }

QString toQLines(const std::string& bytes) {
  QString text = toQ(bytes);
  text.replace("\r\n", "\n");
  text.replace('\r', '\n');
  return text;
}

std::string fromQLines(QString text) {
  text.replace('\n', "\r\n");
  return fromQ(text);
}

int virtualKey(const QKeyEvent& event) {
  const int key = event.key();
  if (key == Qt::Key_Return || key == Qt::Key_Enter) return 13;
  if (key >= Qt::Key_0 && key <= Qt::Key_9) {
    if (event.modifiers() & Qt::KeypadModifier) return 96 + (key - Qt::Key_0);  // numeric pad
    return key;
  }
  if (key >= Qt::Key_A && key <= Qt::Key_Z) return key;  // Qt's codes are upper-case ASCII
  if (key >= Qt::Key_F1 && key <= Qt::Key_F12) return 112 + (key - Qt::Key_F1);
  switch (key) {
    case Qt::Key_Backspace:
      return 8;
    case Qt::Key_Tab:
      return 9;
    case Qt::Key_Shift:
      return 16;
    case Qt::Key_Control:
      return 17;
    case Qt::Key_Alt:
      return 18;
    case Qt::Key_Escape:
      return 27;
    case Qt::Key_Space:
      return 32;
    case Qt::Key_PageUp:
      return 33;
    case Qt::Key_PageDown:
      return 34;
    case Qt::Key_End:
      return 35;
    case Qt::Key_Home:
      return 36;
    case Qt::Key_Left:
      return 37;
    case Qt::Key_Up:
      return 38;
    case Qt::Key_Right:
      return 39;
    case Qt::Key_Down:
      return 40;
    case Qt::Key_Insert:
      return 45;
    case Qt::Key_Delete:
      return 46;
    default:
      return 0;
  }
}

}  // namespace front
