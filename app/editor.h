#pragma once
// The editor: every window, created once, and the desktop they talk to.

#include <functional>
#include <optional>
#include <string>

#include "promotion/date_calculator.h"
#include "promotion/image_picker.h"
#include "promotion/promotion_chooser.h"
#include "promotion/promotions_menu.h"
#include "promotion/step1_profile.h"
#include "promotion/step2_weekly_shows.h"
#include "promotion/step3_attendances.h"
#include "promotion/step4_big_shows.h"
#include "promotion/step5_next_big_show.h"
#include "promotion/step6_title_belts.h"
#include "promotion/step7_power_figures.h"
#include "promotion/step8_talk_shows.h"
#include "roster/stat_sheet.h"
#include "roster/wrestler_list.h"
#include "shell/data_set_menu.h"
#include "shell/scenario_info_window.h"
#include "shell/start_date_window.h"
#include "shell/start_window.h"
#include "ui/ui.h"
#include "venues/venue_window.h"

class Editor {
 public:
  explicit Editor(ui::Desktop& desktop);
  Editor(const Editor&) = delete;
  Editor& operator=(const Editor&) = delete;

  ui::Desktop& desktop;
  Form1 form1;
  Form2 form2;
  Form3 form3;
  Form4 form4;
  Form5 form5;
  Form6 form6;
  Form7 form7;
  Form8 form8;
  Form9 form9;
  Form10 form10;
  Form11 form11;
  Form12 form12;
  Form13 form13;
  Form14 form14;
  Form15 form15;
  Form16 form16;
  Form17 form17;
  Form18 form18;
  Form19 form19;

  // Runs the start window's load check, then shows it (unless the program ended).
  void start();
  // A main window's close box: ends the program as "Exit" does, but first, when the window holds
  // work that is not saved, asks whether to save it (Yes saves and ends only when the save went
  // through, No ends without saving, Cancel changes nothing).
  void closeMainWindow(const std::function<std::optional<ui::UnsavedWork>()>& unsavedWork);

  // Ends the program: tells the desktop, and remembers it so that nothing more is shown.
  void endProgram();
  bool ended() const { return ended_; }

  std::string dataSetDir() const;                       // Form14.Text1
  std::string dataFile(const std::string& name) const;  // working folder + dataSetDir + name

 private:
  bool ended_ = false;
};
