// The windows on a game folder with a 10 MB line in each of its files (a broken or hostile file):
// every action that shows the long value answers in well under a second. Measured through the
// real front end on the offscreen platform, from the person's click to the window (and any
// message box, answered at once) being up to date.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QListWidget>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "app/editor.h"
#include "qt/front_end.h"
#include "qt/qt_desktop.h"
#include "tools/qt_tour.h"

namespace fs = std::filesystem;

namespace {

constexpr std::size_t longLine = 10 * 1000 * 1000;

QApplication& application() {
  static tour::SmallOffscreenScreen screen;
  static int argc = 1;
  static char name[] = "bench_long_line";
  static char* argv[] = {name, nullptr};
  // Never destroyed: the application outlives main, and Qt's per-thread storage is gone by the
  // time static objects are destroyed, so destroying it then crashes the program at exit.
  static QApplication* app = new QApplication(argc, argv);
  return *app;
}

// Replaces one line of a game file (CR LF line ends) with 10 MB of letters.
void lengthen(const fs::path& file, std::size_t index) {
  std::ifstream in(file, std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  in.close();
  std::vector<std::string> lines;
  std::string text = bytes.str(), line;
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t end = text.find("\r\n", at);
    lines.push_back(text.substr(at, end == std::string::npos ? std::string::npos : end - at));
    at = end == std::string::npos ? text.size() : end + 2;
  }
  lines.at(index) = std::string(longLine, 'X');
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  for (const std::string& l : lines) out << l << "\r\n";
}

// A scratch copy of the sample game, made once and current for the whole run, whose start date's
// weekday, first promotion's name, first venue's name and first wrestler's name are 10 MB long.
void useLongLineGame() {
  static const std::unique_ptr<tour::ScratchGame> game = [] {
    auto made = std::make_unique<tour::ScratchGame>(tour::sampleGame(), std::cerr);
    lengthen("Data/maindata.vl1", 2);
    lengthen("Data/dvw.fed", 1);
    lengthen("Data/venues.txt", 0);
    lengthen("Data/wrestlers.vl1", 0);
    return made;
  }();
}

// The editor on the real desktop with the new-game data's hub open; each dialog is answered the
// way that changes least as soon as it is up.
struct Session {
  front::QtDesktop desktop;
  Editor editor{desktop};
  front::FrontEnd screen{front::windowsOf(editor)};
  int dialogs = 0;
  tour::DialogWatch person{[this](QWidget* dialog) {
    ++dialogs;
    tour::answerLeast(dialog);
  }};
  Session() {
    desktop.attach(screen);
    editor.start();
    screen.flush();
    click(editor.form15, "Edit Data For New Games");
  }
  // The person's click on the button with this caption, and the events it leaves.
  void click(ui::Form& form, const std::string& caption) {
    for (ui::Control* control : form.controls()) {
      auto* button = dynamic_cast<ui::CommandButton*>(control);
      if (button && button->caption() == caption) tour::clickOnScreen(screen, *button);
    }
    QApplication::processEvents();
  }
  // The chooser with the promotion of the long name picked, as the person clicks it in the list.
  void pickLongPromotion() {
    auto* list = qobject_cast<QListWidget*>(screen.widget(editor.form2.File1));
    if (!list) return;
    for (int row = 0; row < list->count(); ++row) {
      if (list->item(row)->text() == "dvw.fed") list->setCurrentRow(row);
    }
    QApplication::processEvents();
  }
  // The person picks the venue of the long name in the venue window's list.
  void pickLongVenue() {
    ui::ListBox& list = editor.form18.List1;
    for (int i = 0; i < list.listCount(); ++i) {
      if (list.list(i).size() == longLine) list.choose(i);
    }
    screen.flush();
    QApplication::processEvents();
  }
  // The row of the wrestler with the long name in a grid, or -1.
  static int longRow(const ui::Grid& grid, int col) {
    for (int row = 0; row < grid.rows(); ++row) {
      if (grid.textMatrix(row, col).size() == longLine) return row;
    }
    return -1;
  }
  // The person's click on a grid's cell, and the events it leaves.
  void select(ui::Grid& grid, int row, int col) {
    screen.actingOn(grid.form());
    grid.selectCell(row, col);
    screen.flush();
    QApplication::processEvents();
  }
  void openChooser() {
    click(editor.form14, "Edit The Promotions Files");
    click(editor.form1, "Edit an Existing Promotion");
  }
};

// Runs `action` on a fresh session after `before` led the session to where the action starts;
// counts the dialogs the action brought up, and the windows it left shown.
template <typename Before, typename Action>
void measure(benchmark::State& state, Before before, Action action) {
  application();
  useLongLineGame();
  int dialogs = 0;
  std::string shown;
  for (auto _ : state) {
    state.PauseTiming();
    auto session = std::make_unique<Session>();
    before(*session);
    const int before_ = session->dialogs;
    state.ResumeTiming();
    action(*session);
    state.PauseTiming();
    dialogs = session->dialogs - before_;
    shown.clear();
    const std::vector<ui::Form*> windows = front::windowsOf(session->editor);
    for (int i = 0; i < static_cast<int>(windows.size()); ++i) {
      if (windows[static_cast<std::size_t>(i)]->visible())
        shown += (shown.empty() ? "" : ", ") + tour::windowName(i);
    }
    session.reset();
    state.ResumeTiming();
  }
  state.counters["dialogs"] = dialogs;
  state.SetLabel(shown);
}

void StartDateQuotingTheLine(benchmark::State& state) {
  measure(
      state, [](Session&) {}, [](Session& s) { s.click(s.editor.form14, "Edit The Start Date"); });
}
BENCHMARK(StartDateQuotingTheLine)->Unit(benchmark::kMillisecond)->Iterations(3);

void ChooserPreview(benchmark::State& state) {
  measure(
      state, [](Session& s) { s.openChooser(); }, [](Session& s) { s.pickLongPromotion(); });
}
BENCHMARK(ChooserPreview)->Unit(benchmark::kMillisecond)->Iterations(3);

void EditThisPromotion(benchmark::State& state) {
  measure(
      state,
      [](Session& s) {
        s.openChooser();
        s.pickLongPromotion();
      },
      [](Session& s) { s.click(s.editor.form2, "Edit This Promotion"); });
}
BENCHMARK(EditThisPromotion)->Unit(benchmark::kMillisecond)->Iterations(3);

void PromptWithTheLongName(benchmark::State& state) {
  measure(
      state,
      [](Session& s) {
        s.openChooser();
        s.pickLongPromotion();
        s.click(s.editor.form2, "Edit This Promotion");
      },
      [](Session& s) {
        tour::clickOnScreen(s.screen, s.editor.form3.promname);
        QApplication::processEvents();
      });
}
BENCHMARK(PromptWithTheLongName)->Unit(benchmark::kMillisecond)->Iterations(3);

void Venues(benchmark::State& state) {
  measure(
      state, [](Session&) {}, [](Session& s) { s.click(s.editor.form14, "Edit The Venues"); });
}
BENCHMARK(Venues)->Unit(benchmark::kMillisecond)->Iterations(3);

void VenueOfTheLongName(benchmark::State& state) {
  measure(
      state, [](Session& s) { s.click(s.editor.form14, "Edit The Venues"); },
      [](Session& s) { s.pickLongVenue(); });
}
BENCHMARK(VenueOfTheLongName)->Unit(benchmark::kMillisecond)->Iterations(3);

void StatSheetOfTheLongName(benchmark::State& state) {
  measure(
      state, [](Session& s) { s.click(s.editor.form14, "Edit The Wrestlers File"); },
      [](Session& s) {
        ui::Grid& list = s.editor.form12.MSFlexGrid1;
        s.select(list, Session::longRow(list, 0), 0);
      });
}
BENCHMARK(StatSheetOfTheLongName)->Unit(benchmark::kMillisecond)->Iterations(3);

void StatEditorOfTheLongName(benchmark::State& state) {
  measure(
      state,
      [](Session& s) {
        s.click(s.editor.form14, "Edit The Wrestlers File");
        ui::Grid& list = s.editor.form12.MSFlexGrid1;
        s.select(list, Session::longRow(list, 0), 0);
      },
      [](Session& s) {
        ui::Grid& sheet = s.editor.form13.MSFlexGrid1;
        s.select(sheet, Session::longRow(sheet, 1), 1);
      });
}
BENCHMARK(StatEditorOfTheLongName)->Unit(benchmark::kMillisecond)->Iterations(3);

void WrestlerList(benchmark::State& state) {
  measure(
      state, [](Session&) {},
      [](Session& s) { s.click(s.editor.form14, "Edit The Wrestlers File"); });
}
BENCHMARK(WrestlerList)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
