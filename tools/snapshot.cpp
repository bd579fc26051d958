// snapshot OUTDIR [GAMEFOLDER]: runs the editor headless on a scratch copy of a game folder,
// walks through its windows (tools/window_tour.cpp) and writes a picture of every window into
// OUTDIR (form15-start_window.png, ...). Every dialog is answered at once (OK, No or Cancel) and
// listed. Exits with 1 when a window could not be pictured.

#include <QApplication>
#include <QPixmap>
#include <filesystem>
#include <iostream>
#include <set>
#include <string>
#include <vector>

#include "app/editor.h"
#include "qt/front_end.h"
#include "tools/window_tour.h"

namespace fs = std::filesystem;

namespace {

class Snapshots {
 public:
  Snapshots(Editor& editor, front::FrontEnd& screen, fs::path out)
      : screen_(screen), forms_(front::windowsOf(editor)), out_(std::move(out)) {}

  // Writes the picture of one window, unless it has one already; `state` names a further state
  // of a window that has its picture already ("chooser").
  void capture(int index, const std::string& state) {
    const std::string name = tour::windowName(index) + (state.empty() ? "" : "-" + state) + ".png";
    if (!taken_.insert(name).second) return;
    QWidget* window = screen_.window(*forms_[index]);
    if (!window) {
      std::cout << "  " << name << ": the window was never shown\n";
      ++failures_;
      return;
    }
    const QPixmap picture = window->grab();
    const fs::path file = out_ / name;
    if (picture.isNull() || !picture.save(QString::fromStdString(file.string()), "PNG")) {
      std::cout << "  " << name << ": could not be written\n";
      ++failures_;
      return;
    }
    written_.push_back(file.string());
  }

  const std::vector<std::string>& written() const { return written_; }
  int failures() const { return failures_; }

 private:
  front::FrontEnd& screen_;
  std::vector<ui::Form*> forms_;
  fs::path out_;
  std::set<std::string> taken_;
  std::vector<std::string> written_;
  int failures_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3) {
    std::cerr << "usage: snapshot OUTDIR [GAMEFOLDER]\n";
    return 2;
  }
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  const fs::path out = fs::absolute(argv[1]);
  const fs::path source = argc == 3 ? fs::absolute(argv[2]) : tour::sampleGame();
  std::error_code error;
  fs::create_directories(out, error);
  if (!fs::is_directory(out)) {
    std::cerr << "snapshot: cannot make " << out.string() << "\n";
    return 1;
  }
  tour::ScratchGame game(source, std::cout);

  int qtArgc = 1;
  QApplication app(qtArgc, argv);
  tour::AnsweringDesktop desktop(std::cout);
  Editor editor(desktop);
  front::FrontEnd screen(front::windowsOf(editor));
  Snapshots shots(editor, screen, out);
  tour::walk(editor, screen, std::cout,
             [&shots](int index, const std::string& state) { shots.capture(index, state); });

  std::cout << "written:\n";
  for (const std::string& file : shots.written()) std::cout << "  " << file << "\n";
  return shots.failures() == 0 ? 0 : 1;
}
