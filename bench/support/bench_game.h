#pragma once
// Generated game folders for the benchmarks, and an editor running on one without a person.
//
// A game folder of a given roster size holds: Data/maindata.vl1 (start Monday 1 March 2004),
// Data/wrestlers.vl1 with that many wrestlers (a dozen promotions, one holding half the roster, a
// fifth injured, some names used twice, descriptions of about 60 characters), 200 promotion files
// and a venues.txt of 5,000 venues. Each folder is made once per process and removed at its end.

#include <benchmark/benchmark.h>

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "app/editor.h"
#include "roster/roster_file.h"

namespace bench {

// The promotion holding half the roster, and one of the small ones.
inline const std::string bigPromotion = "GCF";
inline const std::string smallPromotion = "SRG";

// The roster of `count` wrestlers the folders hold, in file order.
std::vector<roster_file::WrestlerRecord> generatedRoster(std::size_t count);

// Makes (once) the game folder with a roster of `count` wrestlers and makes it the current
// folder. Returns its path.
const std::string& useGameFolder(std::size_t count);

// Answers every message box OK or with the set answer, every prompt with the queued texts in turn
// (then ""), and counts what it was asked.
class QuietDesktop : public ui::Desktop {
 public:
  ui::Answer yesNo = ui::Answer::Yes;
  std::vector<std::string> replies;
  std::size_t messages = 0, prompts = 0;

  ui::Answer message(const std::string&, ui::Buttons buttons, ui::Icon,
                     const std::string&) override;
  std::string prompt(const std::string&, const std::string&, const std::string&) override;
  void endProgram() override {}

 private:
  std::size_t nextReply_ = 0;
};

// An editor on the current game folder with the new-game data's hub open.
struct Session {
  Session();
  QuietDesktop desktop;
  Editor editor{desktop};
};

// An editor on the game folder of n wrestlers, with the wrestler list open.
std::unique_ptr<Session> openRoster(std::size_t n);

// The roster size a benchmark runs at: its first argument.
inline std::size_t sizeOf(const benchmark::State& state) {
  return static_cast<std::size_t>(state.range(0));
}

}  // namespace bench
