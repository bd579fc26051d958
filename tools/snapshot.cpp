// snapshot OUTDIR [GAMEFOLDER]: runs the editor headless on a scratch copy of a game folder,
// walks through its windows (tools/window_tour.cpp) and writes a picture of every window into
// OUTDIR (form15-start_window.png, ...), and one of a focused button on the dark backdrop
// (form14-data_set_menu-focused_button.png). Every dialog of the walk is answered at once (OK, No
// or Cancel) and listed. Then a few dialogs are shown for real and pictured on the whole screen
// with the windows under them: the widest prompt (screen-widest_prompt.png), the two prompts whose
// texts hold blank lines (screen-tv_rating_prompt.png, screen-ppv_buy_rate_prompt.png) and the two
// boxes of one venue delete (screen-venue_delete-1.png, -2.png). Exits with 1 when a picture could
// not be taken.

#include <QApplication>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <filesystem>
#include <iostream>
#include <set>
#include <string>
#include <vector>

#include "app/editor.h"
#include "qt/front_end.h"
#include "qt/qt_desktop.h"
#include "tools/qt_tour.h"

namespace fs = std::filesystem;

namespace {

class Snapshots {
 public:
  Snapshots(Editor& editor, front::FrontEnd& screen, fs::path out)
      : screen_(screen), forms_(front::windowsOf(editor)), folder_(std::move(out)) {}

  // Writes the picture of one window, unless it has one already; `state` names a further state
  // of a window that has its picture already ("chooser").
  void capture(int index, const std::string& state) {
    const std::string name = tour::lookName(index, state) + ".png";
    if (!folder_.take(name)) return;
    QWidget* window = screen_.window(*forms_[index]);
    if (!window) {
      folder_.record(name, false, "the window was never shown");
      return;
    }
    save(window->grab().toImage(), name);
  }

  // Writes a picture of the whole screen as it is with this dialog up: the shown windows at their
  // places, the dialog over them.
  void captureScreen(QWidget* dialog, const std::string& name) {
    // The dialog is pictured as the person sees it, the active window with its focus shown,
    // however far the platform has got with activating it.
    QApplication::setActiveWindow(dialog);
    QApplication::processEvents();
    const QRect area = dialog->screen()->availableGeometry();
    QImage picture(area.size(), QImage::Format_RGB32);
    picture.fill(QColor(0x2f, 0x4f, 0x6f));
    QPainter painter(&picture);
    std::vector<QWidget*> shown;
    for (ui::Form* form : forms_) {
      QWidget* window = screen_.window(*form);
      if (window && window->isVisible()) shown.push_back(window);
    }
    shown.push_back(dialog);
    for (QWidget* window : shown) {
      const QRect place = window->frameGeometry().translated(-area.topLeft());
      painter.drawPixmap(place.topLeft(), window->grab());
      painter.setPen(window == dialog ? QColor(0xff, 0xcc, 0x00) : QColor(Qt::black));
      painter.drawRect(place.adjusted(0, 0, -1, -1));
    }
    painter.end();
    save(picture, name + ".png");
  }

  const tour::PictureFolder& folder() const { return folder_; }

 private:
  void save(const QImage& picture, const std::string& name) {
    const QString file = QString::fromStdString(folder_.file(name).string());
    folder_.record(name, !picture.isNull() && picture.save(file, "PNG"));
  }

  front::FrontEnd& screen_;
  std::vector<ui::Form*> forms_;
  tour::PictureFolder folder_;
};

// Runs a scene on the real desktop; each dialog it raises is pictured on the screen as
// `name`-1, -2 ... (or `name` alone for a scene of one dialog), then answered.
void shootScene(Snapshots& shots, const tour::DialogScene& scene) {
  const std::string& name = scene.name;
  int seen = 0;
  tour::DialogWatch watch([&](QWidget* dialog) {
    ++seen;
    shots.captureScreen(dialog, scene.dialogs == 1 ? name : name + "-" + std::to_string(seen));
    tour::answerLeast(dialog);
  });
  scene.raise();
  if (seen != scene.dialogs)
    std::cout << "  " << name << ": " << seen << " dialogs came up, not " << scene.dialogs << "\n";
}

}  // namespace

int main(int argc, char** argv) {
  const tour::SmallOffscreenScreen smallScreen;
  const tour::SnapshotFolders folders = tour::snapshotFolders(argc, argv, "snapshot");
  if (folders.exitCode != 0) return folders.exitCode;
  tour::ScratchGame game(folders.game, std::cout);

  int qtArgc = 1;
  QApplication app(qtArgc, argv);
  tour::AnsweringDesktop answering(std::cout);
  tour::SwitchedDesktop desktop(answering);
  Editor editor(desktop);
  front::FrontEnd screen(front::windowsOf(editor));
  tour::QtScreen tourScreen(editor, screen);
  Snapshots shots(editor, screen, folders.out);
  tour::walk(editor, tourScreen, std::cout,
             [&shots](int index, const std::string& state) { shots.capture(index, state); });

  // The keyboard on a button over the dark backdrop: the hub, its "Edit The Wrestlers File"
  // focused.
  for (ui::Form* form : front::windowsOf(editor)) form->hide();
  editor.form14.show();
  screen.flush();
  if (QWidget* hub = screen.window(editor.form14)) {
    hub->activateWindow();
    QApplication::processEvents();
    if (QWidget* button = screen.widget(editor.form14.Command2)) button->setFocus();
    shots.capture(13, "focused_button");
  }

  front::QtDesktop real;
  real.attach(screen);
  desktop.to = &real;
  for (const tour::DialogScene& scene : tour::dialogScenes(editor, tourScreen, std::cout))
    shootScene(shots, scene);

  return shots.folder().report(std::cout) ? 0 : 1;
}
