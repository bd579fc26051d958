#include "tests/fuzz/fuzz_support.h"

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <vector>

#include "promotion/promotion_file.h"

namespace fuzz {

namespace fs = std::filesystem;

namespace {

const std::string mainData = "Vorlune\r\n1.3\r\nSunday\r\n1\r\nJanuary\r\n1950\r\n";
const std::string venues = "Tokyo Dome\r\nTokyo, Japan\r\nTokyo\r\n55000\r\nJapan\r\nNone\r\n";

fs::path& root() {
  static fs::path path;
  return path;
}

void put(const std::string& relative, const std::string& bytes) {
  const fs::path path = root() / relative;
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

std::string promotion() {
  std::string bytes;
  for (const std::string& line : promotion_file::templateLines()) bytes += line + "\r\n";
  return bytes;
}

int indexOf(const ui::ListBox& list, const std::string& text) {
  for (int i = 0; i < list.listCount(); ++i)
    if (list.list(i) == text) return i;
  return -1;
}

}  // namespace

ui::Answer QuietDesktop::message(const std::string&, ui::Buttons buttons, ui::Icon,
                                 const std::string&) {
  switch (buttons) {
    case ui::Buttons::Ok:
      return ui::Answer::Ok;
    case ui::Buttons::YesNo:
      return ui::Answer::No;
    case ui::Buttons::YesNoCancel:
      break;
  }
  return ui::Answer::Cancel;
}

std::string QuietDesktop::prompt(const std::string&, const std::string&, const std::string&) {
  return "";
}

void resetGameFolder() {
  if (root().empty()) {
    std::string pattern = (fs::temp_directory_path() / "duvazari-fuzz-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) std::abort();
    root() = pattern;
  }
  fs::current_path(root());
  for (const std::string set : {"Data/", "Scenarios/S/", "save1/"}) {
    put(set + "maindata.vl1", mainData);
    put(set + "venues.txt", venues);
    put(set + "wrestlers.vl1", "");
    put(set + "vlf.fed", promotion());
  }
  put("Scenarios/S/scenario.txt", "Title\r\nAbout\r\nMe\r\n");
  put("save1.sav", "save1\r\n");
  fs::create_directories(root() / "Images");
}

void writeInput(const std::string& relative, const std::uint8_t* data, std::size_t size) {
  put(relative, std::string(reinterpret_cast<const char*>(data), size));
}

bool openHub(Editor& editor, DataSet dataSet) {
  editor.start();
  if (editor.ended()) return false;
  Form15& start = editor.form15;
  switch (dataSet) {
    case DataSet::NewGame:
      start.Command2.click();
      break;
    case DataSet::Scenario:
    case DataSet::SavedGame: {
      (dataSet == DataSet::Scenario ? start.Command1 : start.Command5).click();
      const int index = indexOf(start.List1, dataSet == DataSet::Scenario ? "S" : "save1");
      if (index < 0) return false;
      start.List1.choose(index);
      start.Command6.click();
      break;
    }
  }
  return editor.form14.visible();
}

}  // namespace fuzz
