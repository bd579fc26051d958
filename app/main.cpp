// The editor's program: the real windows on the working folder, which must be the game's folder.

#include <QApplication>

#include "app/editor.h"
#include "qt/front_end.h"
#include "qt/qt_desktop.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  // The program ends through its own windows (Exit, a main window's close box), never because
  // a window was hidden.
  app.setQuitOnLastWindowClosed(false);

  front::QtDesktop desktop;
  Editor editor(desktop);
  front::FrontEnd screen(front::windowsOf(editor));
  desktop.attach(screen);

  editor.start();
  screen.flush();
  if (editor.ended() || screen.ended()) return 0;
  return app.exec();
}
