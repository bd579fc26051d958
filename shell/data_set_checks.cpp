#include "shell/data_set_checks.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "common/dates.h"
#include "common/line_file.h"
#include "common/number_text.h"
#include "common/paths.h"
#include "common/text.h"
#include "common/wildcard.h"
#include "promotion/promotion_file.h"
#include "roster/roster_file.h"
#include "shell/data_set_menu.h"
#include "shell/main_data.h"

namespace data_set_checks {

namespace {

const std::string lineBreak = "\r\n";
const std::string venuesFileName = "venues.txt";

// "1 line", "40 lines".
std::string lineCount(std::size_t count) {
  return std::to_string(count) + (count == 1 ? " line" : " lines");
}

// The last n characters of a text, or the whole text when it is shorter.
std::string lastCharacters(const std::string& text, std::size_t n) {
  return text.size() <= n ? text : text.substr(text.size() - n);
}

// --- Check All Dates ---------------------------------------------------------------------------

// Reads the start date from the data set's maindata.vl1 as the walk holds it: weekday name, day
// number, month number ("1" to "12"; a text that is not a month name stays as it is, and then no
// date can match), year. Gives "" or, when the file can't be read or is too short, a report line.
std::string readStartDate(const std::string& dataSetDir, common::WalkDate& start) {
  std::vector<std::string> lines;
  const common::IoStatus status = common::readFirstLines(
      common::dataFilePath(dataSetDir, main_data::fileName), main_data::minimumLines, lines);
  if (!status)
    return "* No dates were checked: the start date could not be read. " + status.error + " *";
  if (lines.size() < main_data::minimumLines)
    return "* No dates were checked: " + main_data::fileName + " has only " +
           lineCount(lines.size()) + ", too few to hold the start date. *";
  start.weekday = lines[main_data::weekdayLine];
  start.day = lines[main_data::dayLine];
  const std::string& month = lines[main_data::monthLine];
  const int monthNumber = common::monthNumber(month);
  start.month = monthNumber != 0 ? std::to_string(monthNumber) : month;
  start.year = lines[main_data::yearLine];
  start.weekdayAs = common::HeldAs::Name;
  start.monthAs = common::HeldAs::Number;
  return "";
}

// The month of a contract expiry ("March 2004" gives 3): the month name it starts with, followed
// by a blank; 0 when it starts with none.
int expiryMonth(const std::string& expiry) {
  int month = 0;
  for (int m = 1; m <= 12; ++m)
    if (common::wildcardMatch(expiry, common::monthNames[m - 1] + " *")) month = m;
  return month;
}

// Whether a contract runs out before the game starts: its year (the last four characters) is
// before the start year, or it is the start year and its month is the start month or earlier.
bool expiresByStart(const std::string& expiry, const common::WalkDate& start) {
  const std::string year = lastCharacters(expiry, 4);
  if (common::numberValue(year) < common::numberValue(start.year)) return true;
  return year == start.year && expiryMonth(expiry) <= common::numberValue(start.month);
}

// The contract expiry pass: one line per contract that runs out too early, then its summary.
std::string contractExpiries(const std::string& dataSetDir, const common::WalkDate& start) {
  using roster_file::fileName;
  const std::string path = common::dataFilePath(dataSetDir, fileName);
  if (!common::exists(path))
    return "There is no " + fileName +
           " file in this data set, so no contract expiry dates can be checked." + lineBreak;
  // Only two fields of each record are looked at, so the records are read in place in the
  // file's lines rather than copied out of them.
  std::vector<std::string> lines;
  if (const common::IoStatus status = common::readLines(path, lines); !status)
    return "* No contract expiry dates were checked: " + fileName + " could not be read. " +
           status.error + " *" + lineBreak;
  const std::size_t linesFilledIn = roster_file::completeRecords(lines);
  const std::size_t count = lines.size() / roster_file::fieldCount;

  std::string report;
  bool flagged = false;
  for (std::size_t i = 0; i < count; ++i) {
    const std::string* record = &lines[i * roster_file::fieldCount];
    const std::string& name = record[roster_file::names];
    // The file may end inside its last record; that record holds only the lines it has.
    const bool cut = i + 1 == count && linesFilledIn > 0;
    const std::size_t held = cut ? roster_file::fieldCount - linesFilledIn
                                 : static_cast<std::size_t>(roster_file::fieldCount);
    const bool hasExpiry = held > roster_file::expires;
    if (hasExpiry && expiresByStart(record[roster_file::expires], start)) {
      report += "* " + name + "'s contract expires before the start date. *" + lineBreak;
      flagged = true;
    }
    if (cut) {
      report += "* " + fileName + " ends inside the record of " +
                (name.empty() ? std::string("its last wrestler") : name) + ", which has only " +
                lineCount(held) + " of its " + std::to_string(roster_file::fieldCount) + "." +
                (hasExpiry ? "" : " Its contract expiry date could not be checked.") + " *" +
                lineBreak;
    }
  }
  if (flagged)
    return report + lineBreak +
           "If you don't change these contract expiry dates to be after the start date, the game "
           "will freeze. You can automatically create random expiry dates for all wrestlers using "
           "the wrestler editor screen. The randomly created expiry dates always work with your "
           "start date." +
           lineBreak;
  if (count == 0)
    return "There are no wrestlers in the " + fileName +
           " file, so no contract expiry dates can be checked." + lineBreak;
  return report + (report.empty() ? "" : lineBreak) + "All contract expiry dates are OK." +
         lineBreak;
}

// A next big show is fine on the start date and the 359 days after it.
constexpr int bigShowWindow = 360;

// The parts of a next big show's date as the walk holds them: "Saturday 21st August 2004" gives
// weekday "Saturday", day "21", month "8", year "2004". The two characters after the day are not
// looked at. Nothing when the text does not start with a weekday name and a blank, has no month
// name between blanks, or is too short to hold a day, two suffix characters, the month and a
// four-digit year.
std::optional<common::WalkDate> parseBigShowDate(const std::string& text) {
  common::WalkDate date;
  date.weekdayAs = common::HeldAs::Name;
  date.monthAs = common::HeldAs::Number;
  for (const std::string& weekday : common::weekdayNames)
    if (common::wildcardMatch(text, weekday + " *")) date.weekday = weekday;
  std::size_t monthName = 0;
  for (int m = 1; m <= 12; ++m) {
    const std::string& name = common::monthNames[m - 1];
    if (common::wildcardMatch(text, "* " + name + " *")) {
      date.month = std::to_string(m);
      monthName = name.size();
    }
  }
  if (date.weekday.empty() || date.month.empty()) return std::nullopt;
  // "Saturday 21st August 2004": the weekday and its blank come off the front; the two suffix
  // characters, a blank, the month name, a blank and the four year digits off the back.
  const std::size_t front = date.weekday.size() + 1;
  const std::size_t back = 2 + 1 + monthName + 1 + 4;
  if (text.size() < front + back) return std::nullopt;
  date.day = text.substr(front, text.size() - front - back);
  date.year = lastCharacters(text, 4);
  return date;
}

// Whether the walk from the start date meets the next big show's date within the window. The
// order is compare, then step, so the start date itself is the first day compared.
bool bigShowFits(common::WalkDate day, const std::string& dateText) {
  const std::optional<common::WalkDate> show = parseBigShowDate(dateText);
  if (!show) return false;
  for (int steps = 0; steps < bigShowWindow; ++steps) {
    if (day.sameDay(*show)) return true;
    common::advanceOneDay(day);
  }
  return false;
}

// The next big show of one promotion file: "" when it is fine or there is none, else the problem.
std::string nextBigShowProblem(const std::string& dataSetDir, const std::string& fileName,
                               const common::WalkDate& start) {
  using namespace promotion_file;
  std::vector<std::string> lines;
  const common::IoStatus status = common::readFirstLines(common::dataFilePath(dataSetDir, fileName),
                                                         nextBigShowDateLine + 1, lines);
  if (!status)
    return "* The promotion file " + fileName + " could not be checked. " + status.error + " *";
  const bool hasShow = lines.size() > nextBigShowNameLine && lines[nextBigShowNameLine] != "None";
  if (lines.size() <= nextBigShowNameLine || (hasShow && lines.size() <= nextBigShowDateLine))
    return "* The promotion file " + fileName + " has only " + lineCount(lines.size()) +
           ", too few to hold its Next Big Show. *";
  if (!hasShow || bigShowFits(start, lines[nextBigShowDateLine])) return "";
  return "* There is a problem with the date of the Next Big Show in the promotion file " +
         fileName + ". *";
}

// The next big show pass over every promotion file of the data set, then its summary.
std::string nextBigShows(Form14& hub, const std::string& dataSetDir,
                         const common::WalkDate& start) {
  hub.File1.setPath(common::workingFolder() + dataSetDir);
  hub.File1.setPattern(promotion_file::pattern);
  hub.File1.refresh();
  if (!hub.File1.readError().empty())
    return lineBreak +
           "* The dates of Next Big Shows were not checked: the promotion files could "
           "not be listed. " +
           hub.File1.readError() + " *";
  std::string report;
  bool ok = true;
  for (int i = 0; i < hub.File1.listCount(); ++i) {
    const std::string problem = nextBigShowProblem(dataSetDir, hub.File1.list(i), start);
    if (problem.empty()) continue;
    ok = false;
    report += lineBreak + problem + lineBreak;
  }
  return report + lineBreak +
         (ok ? "There are no problems with the dates of Next Big Shows in any of the promotion "
               "files."
             : "If the incorrect date(s) are not changed, if the player begins a game with this "
               "promotion, they will permanently have the same Big Show and will never be able to "
               "book a new one.");
}

// --- Check Scenario ------------------------------------------------------------------------------

// A scenario is zipped as the files its folder holds: a link would go out as a link, not as the
// file it leads to (or, unzipped, lead into the receiver's machine).
const std::string linkProblem = "** A LINK, NOT THE FILE ITSELF **";

// Whether the scenario's folder has the picture, after copying it in from Images when only Images
// has it: "" when it has, else the report's words for why not. Only a bare file name is looked
// up: "", ".", ".." and names with a folder in them are never found and never copied. Only a plain
// file counts: a link could lead to any file of the machine, which must not go out with a
// scenario.
std::string pictureProblem(const std::string& dataSetDir, const std::string& name) {
  const std::string missing = "** MISSING **";
  if (name.empty() || name == "." || name == ".." || name.find_first_of("/\\") != std::string::npos)
    return missing;
  const std::string target = common::dataFilePath(dataSetDir, name);
  if (common::exists(target)) return common::isPlainFile(target) ? "" : missing;
  const std::string shared = common::picturePath(name);
  if (!common::exists(shared)) return missing;
  if (!common::isPlainFile(shared))
    return missing + " (the picture in the Images folder is not a plain file, so it is not copied)";
  const common::IoStatus copied = common::copyFile(shared, target);
  return copied ? "" : missing + " (" + copied.error + ")";
}

// The report lines for what in the scenario's folder would break once it is zipped and unpacked
// on the game's platform: links (but those `told` of already), names that differ only in letter
// case, names Windows keeps for its devices; and a folder that can't be read. Empty when there is
// nothing to say.
std::vector<std::string> folderProblems(const std::string& dataSetDir,
                                        const std::vector<std::string>& told) {
  std::vector<std::string> lines;
  std::vector<common::FolderEntry> entries;
  if (const common::IoStatus listed =
          common::listEntries(common::workingFolder() + dataSetDir, entries);
      !listed) {
    lines.push_back("** THE SCENARIO'S FOLDER COULD NOT BE READ: " + listed.error + " **");
    return lines;
  }
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const std::string& name = entries[i].name;
    const bool toldOf = std::find(told.begin(), told.end(), common::lowerText(name)) != told.end();
    if (entries[i].link && !toldOf) lines.push_back("''" + name + "''..... " + linkProblem);
    if (common::isReservedName(name))
      lines.push_back("''" + name + "''..... ** A NAME WINDOWS KEEPS FOR A DEVICE **");
    // The list is sorted without regard to case, so names that differ only in case meet here.
    if (i > 0 && common::lowerText(entries[i - 1].name) == common::lowerText(name))
      lines.push_back("''" + entries[i - 1].name + "'' and ''" + name +
                      "''..... ** NAMES THAT DIFFER ONLY IN LETTER CASE: Windows keeps one **");
  }
  return lines;
}

// Adds the pictures one promotion file names to the hub's list, in line order: the logo unless it
// is the default one, every other picture line unless it is "NA" or "". Gives "" or, when the file
// is a link (which is not read), can't be read or is too short, a report line.
std::string collectPictures(Form14& hub, const std::string& dataSetDir, const std::string& fileName,
                            bool link) {
  using namespace promotion_file;
  const std::string heading = "Promotion file: ''" + fileName + "''..... ";
  if (link) return heading + linkProblem;
  const auto slots = imageSlotLines();
  std::size_t needed = 0;
  for (const std::size_t line : slots) needed = std::max(needed, line + 1);
  std::vector<std::string> lines;
  const common::IoStatus status =
      common::readFirstLines(common::dataFilePath(dataSetDir, fileName), needed, lines);
  if (!status) return heading + "** COULD NOT BE READ **";
  if (lines.size() < needed)
    return heading + "** TOO SHORT: " + lineCount(lines.size()) + ", pictures not checked **";
  for (const std::size_t line : slots) {
    const std::string& name = lines[line];
    const bool none = line == logoLine ? name == defaultLogo : name == "NA" || name.empty();
    if (!none) hub.List1.addItem(name);
  }
  return "";
}

}  // namespace

void checkAllDates(Form14& hub) {
  hub.Label1.setCaption("Results Of The Date Check");
  hub.Text3.setText("");
  const std::string dataSetDir = hub.Text1.text();
  std::string report;
  common::WalkDate start;
  if (const std::string problem = readStartDate(dataSetDir, start); !problem.empty()) {
    report = problem + lineBreak;
  } else {
    report = contractExpiries(dataSetDir, start);
    // "Edit The Promotions Files" is disabled exactly when a saved game is being edited.
    if (!hub.Command1.enabled()) {
      report += lineBreak +
                "Please note that the dates of promotion's Next Big Shows are not checked for "
                "saved games.";
    } else {
      report += nextBigShows(hub, dataSetDir, start);
    }
  }
  hub.Text3.setText(report);
  hub.showresults();
}

void checkScenario(Form14& hub) {
  hub.Command7.setPointer(ui::Pointer::Hourglass);
  hub.Label1.setCaption("Results Of The Scenario Check");
  hub.Text3.setText("");
  const std::string dataSetDir = hub.Text1.text();
  std::string report;
  bool ok = true;
  const auto line = [&report](const std::string& text) { report += text + lineBreak; };

  // The links already named in a line of their own, in lower case.
  std::vector<std::string> links;
  const auto isLink = [&](const std::string& name) {
    const bool link = common::isLink(common::dataFilePath(dataSetDir, name));
    if (link) links.push_back(common::lowerText(name));
    return link;
  };
  for (const std::string& file : {main_data::fileName, venuesFileName, roster_file::fileName}) {
    const bool link = isLink(file);
    const bool present = !link && common::isFile(common::dataFilePath(dataSetDir, file));
    line(file + " file....." + (link ? linkProblem : present ? "OK" : "** MISSING **"));
    ok = ok && present;
  }

  hub.File1.setPath(common::workingFolder() + dataSetDir);
  hub.File1.setPattern(promotion_file::pattern);
  hub.File1.refresh();
  const int promotions = hub.File1.listCount();
  if (!hub.File1.readError().empty()) {
    line("promotion files.....** COULD NOT BE LISTED: " + hub.File1.readError() + " **");
    ok = false;
  } else if (promotions == 0) {
    line("promotion files.....** MISSING **");
    ok = false;
  } else {
    line("promotion files..... OK (" + std::to_string(promotions) + " found)");
  }

  hub.List1.clear();
  for (int i = 0; i < promotions; ++i) {
    const std::string name = hub.File1.list(i);
    if (const std::string problem = collectPictures(hub, dataSetDir, name, isLink(name));
        !problem.empty()) {
      line(problem);
      ok = false;
    }
  }
  // The list keeps a name once per use, so a picture copied for one use is found at the next.
  for (int i = 0; i < hub.List1.listCount(); ++i) {
    const std::string name = hub.List1.list(i);
    const std::string problem = isLink(name) ? linkProblem : pictureProblem(dataSetDir, name);
    line("Image: ''" + name + "''..... " + (problem.empty() ? "OK" : problem));
    ok = ok && problem.empty();
  }
  for (const std::string& problem : folderProblems(dataSetDir, links)) {
    line(problem);
    ok = false;
  }

  report += lineBreak;
  report += ok ? "This scenario is ready to be zipped and distributed. You will find the folder in "
                 "your Scenarios folder, with all required files inside. Put that folder into a "
                 "zip file and distribute it on the forums or a resource site." +
                     lineBreak + lineBreak +
                     "Remember to use the Date Checker before distributing a scenario!"
               : "This scenario is not ready to be distributed.";
  hub.Text3.setText(report);
  hub.Command7.setPointer(ui::Pointer::Normal);
  hub.showresults();
}

}  // namespace data_set_checks
