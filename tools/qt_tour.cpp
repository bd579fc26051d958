#include "tools/qt_tour.h"

#include <QAbstractButton>
#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QMouseEvent>
#include <QScreen>
#include <fstream>
#include <string>
#include <utility>

#include "app/editor.h"
#include "qt/front_end.h"

namespace fs = std::filesystem;

namespace tour {

SmallOffscreenScreen::SmallOffscreenScreen() {
  const QByteArray chosen = qgetenv("QT_QPA_PLATFORM");
  if (!chosen.isEmpty() && chosen != "offscreen") return;
  // The platform reads its screens from a file; each program writes its own.
  config_ = fs::temp_directory_path() /
            ("editor-screen-" + std::to_string(QCoreApplication::applicationPid()) + ".json");
  {
    std::ofstream file(config_, std::ios::trunc);
    file << R"({"screens": [{"name": "small", "x": 0, "y": 0, "width": 800, "height": 600,)"
         << R"( "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})"
         << "\n";
  }
  qputenv("QT_QPA_PLATFORM", QByteArray("offscreen:configfile=") + config_.string().c_str());
}

SmallOffscreenScreen::~SmallOffscreenScreen() {
  std::error_code error;
  if (!config_.empty()) fs::remove(config_, error);
}

QtScreen::QtScreen(Editor& editor, front::FrontEnd& front)
    : front_(front), forms_(front::windowsOf(editor)) {}

void QtScreen::settle() {
  front_.flush();
  QApplication::processEvents();
}

void QtScreen::click(const ui::Control& control) { clickOnScreen(front_, control); }

void QtScreen::moveToCorner(const ui::Form& form) {
  if (QWidget* window = front_.window(form))
    window->move(window->screen()->availableGeometry().topLeft());
}

void clickOnScreen(front::FrontEnd& front, const ui::Control& control) {
  QWidget* widget = front.widget(control);
  if (!widget) return;
  const QPointF middle = QRectF(widget->rect()).center();
  const QPointF global = widget->mapToGlobal(middle);
  QMouseEvent press(QEvent::MouseButtonPress, middle, global, Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
  QApplication::sendEvent(widget, &press);
  QMouseEvent release(QEvent::MouseButtonRelease, middle, global, Qt::LeftButton, Qt::NoButton,
                      Qt::NoModifier);
  QApplication::sendEvent(widget, &release);
}

DialogWatch::DialogWatch(std::function<void(QWidget*)> person) : person_(std::move(person)) {
  timer_.setInterval(10);
  QObject::connect(&timer_, &QTimer::timeout, [this] {
    QWidget* dialog = QApplication::activeModalWidget();
    if (!dialog || !dialog->isVisible() || dialog == last_) return;
    last_ = dialog;
    person_(dialog);
  });
  timer_.start();
}

void answerLeast(QWidget* dialog) {
  if (auto* prompt = qobject_cast<QInputDialog*>(dialog)) {
    prompt->reject();
    return;
  }
  if (auto* box = qobject_cast<QMessageBox*>(dialog)) {
    for (const auto button : {QMessageBox::Cancel, QMessageBox::No, QMessageBox::Ok}) {
      if (QAbstractButton* shown = box->button(button)) {
        shown->click();
        return;
      }
    }
  }
  dialog->close();
}

}  // namespace tour
