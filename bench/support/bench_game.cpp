#include "bench/support/bench_game.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>

#include "common/dates.h"
#include "common/line_file.h"
#include "promotion/promotion_file.h"

namespace bench {

namespace fs = std::filesystem;

namespace {

const char* const promotions[] = {"GCF", "SRG", "IKP", "DVW", "LGA", "NHW",
                                  "FSR", "QRB", "TCW", "MPX", "OVL", "Free Agent"};
const char* const firstNames[] = {"Axel", "Brock", "Cato", "Dara",  "Eli",   "Fenna",
                                  "Gus",  "Hale",  "Ines", "Jarek", "Kofi",  "Lena",
                                  "Milo", "Nash",  "Orla", "Pike",  "Quinn", "Rhea"};
const char* const lastNames[] = {"Stone", "Vance", "Reyes", "Blackwood", "Okafor", "Lund",
                                 "Marsh", "Kade",  "Ferro", "Halvorsen", "Teague", "Bright"};

// A deterministic scramble, so every run generates the same folder.
std::uint32_t mix(std::uint32_t x) {
  x ^= x >> 16;
  x *= 0x7feb352dU;
  x ^= x >> 15;
  x *= 0x846ca68bU;
  x ^= x >> 16;
  return x;
}

roster_file::WrestlerRecord wrestler(std::size_t i) {
  const std::uint32_t r = mix(static_cast<std::uint32_t>(i));
  roster_file::WrestlerRecord w;
  // Every 50th wrestler shares the name of the one before.
  const std::size_t id = i % 50 == 49 ? i - 1 : i;
  const std::uint32_t n = mix(static_cast<std::uint32_t>(id));
  w[roster_file::names] =
      std::string(firstNames[n % 18]) + " " + lastNames[(n / 18) % 12] + " " + std::to_string(id);
  w[roster_file::shortname] = lastNames[(n / 18) % 12];
  w[roster_file::promotion] = i % 2 == 0 ? bigPromotion : promotions[1 + r % 11];
  w[roster_file::brand] = "All";
  w[roster_file::gender] = r % 5 == 0 ? "Female" : "Male";
  w[roster_file::pop] = std::to_string(r % 101);
  w[roster_file::ent] = std::to_string((r >> 8) % 101);
  w[roster_file::desc] = "A hard-hitting veteran of the regional circuits, known for grit.";
  w[roster_file::expires] =
      std::string(common::monthNames[(r >> 4) % 12]) + " " + std::to_string(2004 + (r >> 6) % 4);
  w[roster_file::wages] = std::to_string(500 + r % 5000);
  w[roster_file::indybookings] = r % 3 == 0 ? "Yes" : "No";
  w[roster_file::bookingfee] = std::to_string(100 + r % 900);
  w[roster_file::multiproms] = "None";
  w[roster_file::roles] = std::to_string(1 + r % 3);
  w[roster_file::faceheel] = r % 2 ? "Face" : "Heel";
  w[roster_file::finisher] = "Iron Drop";
  w[roster_file::finishertype] = "p";
  w[roster_file::tagteam] = "no";
  w[roster_file::stable] = "no";
  const bool injured = i % 5 == 3;  // a fifth of the roster
  w[roster_file::injury] = injured ? std::to_string(1 + r % 60) : "0";
  w[roster_file::status] = injured ? "Knee injury" : "";
  w[roster_file::cond] = injured ? "Inj" : std::to_string(50 + r % 51);
  w[roster_file::manager] = "no";
  w[roster_file::ringstyle] = "Basic Wrestler";
  w[roster_file::morale] = std::to_string(r % 101);
  w[roster_file::retire] = "0";
  w[roster_file::micskills] = std::to_string((r >> 3) % 101);
  w[roster_file::hardcore] = std::to_string((r >> 5) % 101);
  w[roster_file::weight] = r % 4 == 0 ? "Light" : "Heavy";
  w[roster_file::charisma] = std::to_string((r >> 7) % 101);
  w[roster_file::basecountry] = "USA";
  return w;
}

void write(const fs::path& path, const std::vector<std::string>& lines) {
  if (!common::writeLines(path.string(), lines)) std::abort();
}

void makeFolder(const fs::path& root, std::size_t count) {
  // The editor writes only inside its game folder, the current folder.
  fs::current_path(root);
  for (const char* folder : {"Data", "Images", "Scenarios"}) fs::create_directories(root / folder);
  write(root / "Data" / "maindata.vl1", {"Vorlune", "1.3", "Monday", "1", "March", "2004"});
  if (!roster_file::writeRoster((root / "Data" / "wrestlers.vl1").string(), generatedRoster(count)))
    std::abort();

  // 200 promotions, each with a next big show a few weeks after the start date.
  for (int p = 0; p < 200; ++p) {
    std::vector<std::string> lines = promotion_file::templateLines();
    lines[promotion_file::initialsLine] = "P" + std::to_string(p);
    lines[promotion_file::nameLine] = "Promotion " + std::to_string(p);
    lines[promotion_file::nextBigShowNameLine] = "Spring Brawl";
    lines[promotion_file::nextBigShowLevelLine] = "2";
    lines[promotion_file::nextBigShowDateLine] = "Saturday 3rd April 2004";
    write(root / "Data" / ("p" + std::to_string(p) + ".fed"), lines);
  }

  // 5,000 venues in the four countries.
  const char* const countries[] = {"USA", "UK", "Japan", "Other"};
  std::vector<std::string> venues;
  for (int v = 0; v < 5000; ++v) {
    const std::uint32_t r = mix(static_cast<std::uint32_t>(v) + 7u);
    venues.push_back("Arena " + std::to_string(r % 100000) + " " + std::to_string(v));
    venues.push_back("Town " + std::to_string(v % 300) + ", Region");
    venues.push_back("Town " + std::to_string(v % 300));
    venues.push_back(std::to_string(1000 + r % 50000));
    venues.push_back(countries[r % 4]);
    venues.push_back("None");
  }
  write(root / "Data" / "venues.txt", venues);
}

struct Folders {
  std::map<std::size_t, std::string> byCount;
  ~Folders() {
    std::error_code ignored;
    fs::current_path(fs::temp_directory_path(), ignored);
    for (const auto& [count, path] : byCount) fs::remove_all(path, ignored);
  }
};

Folders& folders() {
  static Folders all;
  return all;
}

}  // namespace

std::vector<roster_file::WrestlerRecord> generatedRoster(std::size_t count) {
  std::vector<roster_file::WrestlerRecord> records;
  records.reserve(count);
  for (std::size_t i = 0; i < count; ++i) records.push_back(wrestler(i));
  return records;
}

const std::string& useGameFolder(std::size_t count) {
  std::string& path = folders().byCount[count];
  if (path.empty()) {
    std::string pattern = (fs::temp_directory_path() / "duvazari-bench-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) std::abort();
    path = pattern;
    makeFolder(path, count);
  }
  fs::current_path(path);
  return path;
}

ui::Answer QuietDesktop::message(const std::string&, ui::Buttons buttons, ui::Icon,
                                 const std::string&) {
  ++messages;
  return buttons == ui::Buttons::Ok ? ui::Answer::Ok : yesNo;
}

std::string QuietDesktop::prompt(const std::string&, const std::string&, const std::string&) {
  ++prompts;
  return nextReply_ < replies.size() ? replies[nextReply_++] : "";
}

Session::Session() {
  editor.start();
  editor.form15.Command2.click();  // "Edit Data For New Games"
}

std::unique_ptr<Session> openRoster(std::size_t n) {
  useGameFolder(n);
  auto session = std::make_unique<Session>();
  session->editor.form14.Command2.click();  // "Edit The Wrestlers File"
  return session;
}

}  // namespace bench
