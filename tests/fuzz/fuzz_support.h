#pragma once
// What every fuzz target shares: a desktop that answers every dialog without a person, and a game
// folder of its own (made once per process, the current folder from then on) into which each
// input is written as one of the game's files before the windows read it.

#include <cstddef>
#include <cstdint>
#include <string>

#include "app/editor.h"

namespace fuzz {

// Answers OK, No (Cancel for Yes/No/Cancel) and an empty prompt answer: the safe answers, which
// write nothing.
class QuietDesktop : public ui::Desktop {
 public:
  ui::Answer message(const std::string&, ui::Buttons buttons, ui::Icon,
                     const std::string&) override;
  std::string prompt(const std::string&, const std::string&, const std::string&) override;
  void endProgram() override { ended = true; }
  bool ended = false;
};

// Makes (once) a game folder under the system's temporary folder with Data, Images, Scenarios,
// a valid maindata.vl1, venues.txt, an empty roster, one promotion, a scenario "S" and a saved
// game "save1" with its "save1.sav", and makes it the current folder. Every call writes those
// files again as they were made, so one input's changes to them never reach the next.
void resetGameFolder();

// Writes the input's bytes as a file of the game folder ("Data/wrestlers.vl1").
void writeInput(const std::string& relative, const std::uint8_t* data, std::size_t size);

// Runs the start window and chooses a data set: the new-game data, the scenario "S" or the
// saved game "save1". Returns false when the hub did not open.
enum class DataSet { NewGame, Scenario, SavedGame };
bool openHub(Editor& editor, DataSet dataSet);

}  // namespace fuzz
