#include "promotion/promotion_save.h"

#include <array>
#include <cstddef>
#include <initializer_list>

#include "common/number_text.h"
#include "promotion/promotion_file.h"

namespace promotion_save {

using namespace promotion_file;

namespace {

const std::array<std::string, checkCount> messages = {
    "A promotion with Regional TV coverage cannot be classed as a National promotion unless it "
    "has a primary or secondary show on PPV.",
    "You have information missing for primary show 1.",
    "You have information missing for primary show 2.",
    "You have information missing for secondary show 1.",
    "You have information missing for secondary show 2.",
    "You have more than one regular show on the same day - please change.",
    "Non Televised Attendence must be at least 20.",
    "Televised Attendence must be at least 20.",
    "PPV Buys for a weekly show must be at least 100.",
    "TV Rating for a weekly show must be between 0 and 10.",
    "You can't have a weekly show's type as 'TV', and TV Coverage set to 'None'.",
    "You can't have a PPV coverage for weekly shows unless the promotion is National.",
    "Only National promotions can have a monthly PPV deal.",
    "Some information is missing from one or more big shows.",
    "Some information is missing from one or more big shows.",
    "Pay-Per-View Buy Rate for Big Shows must be at least 0.01.",
    "Attendence for Big Shows must be at least 20.",
    "One or more of this promotion's tag team titles has one or more of the holders as 'None', "
    "but the title is not vacant.",
    "One or more of this promotion's tag team titles is vacant, but one or more of the holder's "
    "names is not set to 'None'.",
    "Some information has not been entered for Primary Singles Title 1.",
    "Some information has not been entered for Primary Singles Title 2.",
    "Some information has not been entered for the Secondary Singles Title.",
    "Some information has not been entered for the Tertiary Singles Title.",
    "Some information has not been entered for the Custom Title 1.",
    "Some information has not been entered for the Custom Title 2.",
    "Some information has not been entered for the Custom Title 3.",
    "Some information has not been entered for the Custom Title 4."};

// Reads lines by index; a line past the end reads as "".
class Lines {
 public:
  explicit Lines(const std::vector<std::string>& lines) : lines_(lines) {}
  const std::string& operator[](std::size_t index) const {
    static const std::string none;
    return index < lines_.size() ? lines_[index] : none;
  }
  double number(std::size_t index) const { return common::numberValue((*this)[index]); }
  bool anyEmpty(std::initializer_list<std::size_t> indexes) const {
    for (std::size_t index : indexes)
      if ((*this)[index].empty()) return true;
    return false;
  }

 private:
  const std::vector<std::string>& lines_;
};

// Primary Show 1 always has a show; the other slots have one when they are named.
bool showInUse(const Lines& lines, int slot) {
  return slot == 0 || !lines[showLine(slot, ShowField::name)].empty();
}

bool anyShowInUseOfType(const Lines& lines, const std::string& type) {
  for (int slot = 0; slot < showSlotCount; ++slot)
    if (showInUse(lines, slot) && lines[showLine(slot, ShowField::type)] == type) return true;
  return false;
}

// Some show in use of the type whose rating (or buys) line fails the test.
template <typename Test>
bool anyShowRating(const Lines& lines, const std::string& type, Test fails) {
  for (int slot = 0; slot < showSlotCount; ++slot)
    if (showInUse(lines, slot) && lines[showLine(slot, ShowField::type)] == type &&
        fails(lines.number(showLine(slot, ShowField::ratingOrBuys))))
      return true;
  return false;
}

bool showIncomplete(const Lines& lines, int slot) {
  using F = ShowField;
  if (!showInUse(lines, slot)) return false;
  return lines.anyEmpty({showLine(slot, F::day), showLine(slot, F::logo), showLine(slot, F::brand),
                         showLine(slot, F::type), showLine(slot, F::popularity)}) ||
         (lines[showLine(slot, F::type)] != "House" &&
          lines[showLine(slot, F::ratingOrBuys)].empty());
}

bool twoShowsOnOneDay(const Lines& lines) {
  for (int later = 1; later < showSlotCount; ++later)
    for (int earlier = 0; earlier < later; ++earlier)
      if (showInUse(lines, later) && showInUse(lines, earlier) &&
          lines[showLine(later, ShowField::day)] == lines[showLine(earlier, ShowField::day)])
        return true;
  return false;
}

// A big show named in one of the months from `first` to `last` without its brand or logo.
bool bigShowIncomplete(const Lines& lines, int first, int last) {
  for (int month = first; month <= last; ++month)
    if (!lines[monthLine(month, MonthField::name)].empty() &&
        lines.anyEmpty({monthLine(month, MonthField::brand), monthLine(month, MonthField::logo)}))
      return true;
  return false;
}

// A named custom tag-team title whose holders don't agree with its champion(s): when `vacant`,
// a vacant title with a holder; otherwise a held title with a holder "None".
bool tagTeamHoldersWrong(const Lines& lines, bool vacant) {
  using F = TitleField;
  for (int slot = firstCustomSlot; slot <= titleSlotCount; ++slot) {
    if (lines[titleLine(slot, F::name)].empty() || lines[titleLine(slot, F::type)] != "Tag Team")
      continue;
    if ((lines[titleLine(slot, F::champion)] == "Vacant") != vacant) continue;
    const bool holder1None = lines[titleLine(slot, F::tagHolder1)] == "None";
    const bool holder2None = lines[titleLine(slot, F::tagHolder2)] == "None";
    if (vacant ? !holder1None || !holder2None : holder1None || holder2None) return true;
  }
  return false;
}

bool titleIncomplete(const Lines& lines, int slot) {
  using F = TitleField;
  return !lines[titleLine(slot, F::name)].empty() &&
         lines.anyEmpty({titleLine(slot, F::holderName), titleLine(slot, F::champion),
                         titleLine(slot, F::reignDays), titleLine(slot, F::defences),
                         titleLine(slot, F::changeDate)});
}

}  // namespace

const std::string& checkMessage(int check) {
  return messages.at(static_cast<std::size_t>(check - 1));
}

std::vector<int> checkpromotion(const std::vector<std::string>& all) {
  const Lines lines(all);
  // The size "3.5" counts as national for check 1 and as not national for checks 12 and 13.
  const double size = lines.number(sizeLine);
  std::vector<int> failed;
  auto check = [&failed](int number, bool fails) {
    if (fails) failed.push_back(number);
    return fails;
  };

  // Only shows in use count: a PPV type left in an unnamed slot is emptied by the save.
  check(1, size > 3 && lines[tvCoverageLine] == "Regional" && !anyShowInUseOfType(lines, "PPV"));
  for (int slot = 0; slot < showSlotCount; ++slot) check(2 + slot, showIncomplete(lines, slot));
  check(6, twoShowsOnOneDay(lines));
  check(7, lines.number(maxUntelevisedAttendanceLine) < 20);
  check(8, lines.number(maxTelevisedAttendanceLine) < 20);
  check(9, anyShowRating(lines, "PPV", [](double buys) { return buys < 100; }));
  check(10, anyShowRating(lines, "TV", [](double rating) { return rating <= 0 || rating > 1000; }));
  check(11, anyShowInUseOfType(lines, "TV") && lines[tvCoverageLine] == "None");
  check(12, anyShowInUseOfType(lines, "PPV") && size < 4);
  check(13, lines[ppvDealLine] == "Yes" && size < 4);
  if (!check(14, bigShowIncomplete(lines, 1, 6))) check(15, bigShowIncomplete(lines, 7, 12));
  check(16, lines.number(buyRateLine) < 1);
  check(17, lines.number(bigShowAttendanceLine) < 20);
  check(18, tagTeamHoldersWrong(lines, false));
  check(19, tagTeamHoldersWrong(lines, true));
  for (int slot = 1; slot <= titleSlotCount; ++slot) check(19 + slot, titleIncomplete(lines, slot));
  return failed;
}

std::vector<std::string> normalised(std::vector<std::string> lines) {
  const Lines read(lines);
  auto set = [&lines](std::size_t index, const std::string& text) {
    if (index < lines.size()) lines[index] = text;
  };
  auto copy = [&](std::size_t to, std::size_t from) { set(to, read[from]); };

  // Nobody has no job title.
  for (int brand = 1; brand <= 2; ++brand)
    for (int figure = 1; figure <= 2; ++figure)
      if (read[powerFigureNameLine(brand, figure)].empty())
        set(powerFigureJobLine(brand, figure), "");
  // A second figure alone moves up to first.
  for (int brand = 1; brand <= 2; ++brand) {
    if (!read[powerFigureNameLine(brand, 1)].empty() || read[powerFigureNameLine(brand, 2)].empty())
      continue;
    copy(powerFigureNameLine(brand, 1), powerFigureNameLine(brand, 2));
    copy(powerFigureJobLine(brand, 1), powerFigureJobLine(brand, 2));
    set(powerFigureNameLine(brand, 2), "");
    set(powerFigureJobLine(brand, 2), "");
  }
  // With a roster split, a second interviewer alone moves up to first.
  if (read[rosterSplitLine] == "Yes" && !read[interviewer2Line].empty() &&
      read[interviewer1Line].empty()) {
    copy(interviewer1Line, interviewer2Line);
    set(interviewer2Line, "");
  }
  // No segment: no host, no show.
  for (int brand = 1; brand <= 2; ++brand)
    if (read[segmentNameLine(brand)] == "NA") {
      set(segmentHostLine(brand), "");
      set(segmentShowLine(brand), "");
    }
  // No next big show: no level, no date, no days.
  if (read[nextBigShowNameLine] == "None") {
    set(nextBigShowLevelLine, "");
    set(nextBigShowDateLine, "");
    set(nextBigShowDaysLine, "0");
  }
  // An unnamed weekly show keeps nothing (Primary Show 1 is always kept).
  for (int slot = 1; slot < showSlotCount; ++slot)
    if (read[showLine(slot, ShowField::name)].empty())
      for (std::size_t line = showLine(slot, ShowField::day);
           line <= showLine(slot, ShowField::ratingOrBuys); ++line)
        set(line, "");
  // Titles: an unnamed slot keeps nothing (slot 1 is always kept); the record lines of the others
  // start afresh, with the champion copy taken from the current champion(s).
  using F = TitleField;
  for (int slot = 1; slot <= titleSlotCount; ++slot) {
    if (slot > 1 && read[titleLine(slot, F::name)].empty()) {
      for (std::size_t line = titleLine(slot, F::holderName);
           line <= titleLine(slot, F::championCopy); ++line)
        set(line, "");
      continue;
    }
    set(titleLine(slot, F::recordHolder), "No Record Yet");
    set(titleLine(slot, F::recordDays), "0");
    copy(titleLine(slot, F::championCopy), titleLine(slot, F::champion));
  }
  return lines;
}

}  // namespace promotion_save
