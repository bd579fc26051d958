#pragma once
// A promotion file (*.fed): one promotion as 238 lines, one value per line, in the data set's
// folder. Lines count from 0. Every page of the wizard, the save and the data-set checks reach a
// field through the names below, never through a bare line number.
//
// Field groups:
//   profile                lines 0 to 11     (Step 1)
//   four weekly shows      lines 12 to 39    (Step 2), 7 lines a show
//   production settings    lines 40 to 44    (Step 3)
//   popularity, country    lines 45 and 233  (Step 8)
//   PPV settings           lines 46 to 48    (Step 4)
//   twelve big-show months lines 49 to 84    (Step 4), 3 lines a month
//   eight title belts      lines 85 to 216   (Step 6), 15 lines a singles title, 18 a custom one
//   power figures          lines 217 to 224  (Step 7)
//   interviewers           lines 225, 226    (Step 7)
//   talk-show segments     lines 227 to 232  (Step 8)
//   next big show          lines 234 to 237  (Step 5)

#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "common/io_status.h"
#include "common/line_file.h"

namespace promotion_file {

inline const std::string pattern = "*.fed";
inline constexpr std::size_t lineCount = 238;

// --- Profile (Step 1) -----------------------------------------------------------------
inline constexpr std::size_t initialsLine = 0;
inline constexpr std::size_t nameLine = 1;  // also the chooser's preview
inline constexpr std::size_t logoLine = 2;  // picture name; "default.jpg" = no own logo; never "NA"
inline constexpr std::size_t sizeLine = 3;  // "1" to "6", the position in sizeNames
inline constexpr std::size_t bankBalanceLine = 4;  // number text, dollars
inline constexpr std::size_t webSiteLine = 5;
inline constexpr std::size_t descriptionLine = 6;
inline constexpr std::size_t ownerLine = 7;
inline constexpr std::size_t rosterSplitLine = 8;  // "Yes" or "No"
inline constexpr std::size_t brand1NameLine = 9;
inline constexpr std::size_t brand2NameLine = 10;
inline constexpr std::size_t tvCoverageLine = 11;  // "None", "Local", "Regional", "National"

inline const std::string defaultLogo = "default.jpg";

// The six sizes, in the order of their stored numbers "1" to "6"; "4" and above are national.
inline const std::array<std::string, 6> sizeNames = {"Basic Indy",
                                                     "Indy With Local TV",
                                                     "Indy With Regional TV",
                                                     "Small National (eg. HBF 2000)",
                                                     "Medium National (eg. DRX 2000)",
                                                     "Large National (eg. SBL)"};
inline constexpr int firstNationalSize = 4;

inline const std::array<std::string, 4> tvCoverages = {"None", "Local", "Regional", "National"};

// --- Weekly shows (Step 2) --------------------------------------------------------------
// Slot 0 to 3: "Primary Show 1", "Primary Show 2", "Secondary Show 1", "Secondary Show 2".
inline constexpr int showSlotCount = 4;
inline constexpr std::size_t firstShowLine = 12;
inline constexpr std::size_t showSlotLines = 7;
enum class ShowField : std::size_t {
  name = 0,     // "" = the slot has no show (slot 0 always has one)
  day,          // "Monday" to "Sunday"
  logo,         // picture name, or "NA"
  brand,        // "All", "Brand 1", "Brand 2"
  type,         // "House", "TV", "PPV"
  popularity,   // "0" to "100"
  ratingOrBuys  // "TV": rating in hundredths; "PPV": buys as typed; "House": unchanged
};
constexpr std::size_t showLine(int slot, ShowField field) {
  return firstShowLine + showSlotLines * static_cast<std::size_t>(slot) +
         static_cast<std::size_t>(field);
}
inline const std::array<std::string, 4> showSlotNames = {"Primary Show 1", "Primary Show 2",
                                                         "Secondary Show 1", "Secondary Show 2"};
inline const std::array<std::string, 3> brandChoices = {"All", "Brand 1", "Brand 2"};
inline const std::array<std::string, 3> showTypes = {"House", "TV", "PPV"};

// --- Production settings (Step 3) ---------------------------------------------------------
inline constexpr std::size_t maxUntelevisedAttendanceLine = 40;  // number text
inline constexpr std::size_t maxTelevisedAttendanceLine = 41;    // number text
inline constexpr std::size_t primaryProductionLine = 42;    // "1" to "20", position in the list
inline constexpr std::size_t secondaryProductionLine = 43;  // as line 42
inline constexpr std::size_t bigShowProductionLine = 44;    // as line 42

inline const std::array<std::string, 20> productionValues = {
    "$500 Per Show",     "$1,000 Per Show",   "$2,500 Per Show",     "$5,000 Per Show",
    "$7,500 Per Show",   "$10,000 Per Show",  "$15,000 Per Show",    "$25,000 Per Show",
    "$50,000 Per Show",  "$75,000 Per Show",  "$100,000 Per Show",   "$150,000 Per Show",
    "$200,000 Per Show", "$250,000 Per Show", "$350,000 Per Show",   "$500,000 Per Show",
    "$650,000 Per Show", "$800,000 Per Show", "$1,000,000 Per Show", "$1,250,000 Per Show"};

// --- Standing (Step 8) --------------------------------------------------------------------
inline constexpr std::size_t popularityLine = 45;  // "0" to "100"
inline constexpr std::size_t countryLine = 233;    // "USA", "UK", "Japan", "Other"
inline const std::array<std::string, 4> countries = {"USA", "UK", "Japan", "Other"};

// --- PPV settings (Step 4) ----------------------------------------------------------------
inline constexpr std::size_t ppvDealLine = 46;            // "Yes" or "No"
inline constexpr std::size_t buyRateLine = 47;            // hundredths text
inline constexpr std::size_t bigShowAttendanceLine = 48;  // number text

// --- Big-show calendar (Step 4) ------------------------------------------------------------
// Month 1 (January) to 12 (December), three lines each.
inline constexpr int monthCount = 12;
inline constexpr std::size_t firstMonthLine = 49;
inline constexpr std::size_t monthLines = 3;
enum class MonthField : std::size_t {
  name = 0,  // "" = no big show that month
  brand,     // "All", "Brand 1", "Brand 2"; "" or "All" without a show
  logo       // picture name or "NA"; "" or "NA" without a show
};
constexpr std::size_t monthLine(int month, MonthField field) {
  return firstMonthLine + monthLines * static_cast<std::size_t>(month - 1) +
         static_cast<std::size_t>(field);
}

// --- Title belts (Step 6) -------------------------------------------------------------------
// Slot 1 to 8: "Primary Singles 1", "Primary Singles 2", "Secondary Singles", "Tertiary Singles 2"
// are singles titles of 15 lines; "Custom 1" to "Custom 4" are custom titles of 18 lines, with a
// type after the holder name and two tag-team holders after the champion(s).
inline constexpr int titleSlotCount = 8;
inline constexpr int firstCustomSlot = 5;
inline constexpr std::array<std::size_t, 8> titleSlotStarts = {85,  100, 115, 130,
                                                               145, 163, 181, 199};
inline constexpr std::size_t singlesTitleLines = 15;
inline constexpr std::size_t customTitleLines = 18;
inline const std::array<std::string, 8> titleSlotNames = {
    "Primary Singles 1", "Primary Singles 2", "Secondary Singles", "Tertiary Singles 2",
    "Custom 1",          "Custom 2",          "Custom 3",          "Custom 4"};

enum class TitleField {
  name,          // "" = the slot has no title (slot 1 always has one)
  holderName,    // what the champion is called
  type,          // custom titles only: "Singles" or "Tag Team"
  value,         // "0" to "100"
  gender,        // "All", "Male", "Female"
  weightClass,   // "All", "Light", "Heavy"
  hardcore,      // "No", "Yes"
  minimumDraw,   // "0" to "100"
  brand,         // "All", "Brand 1", "Brand 2"
  champion,      // current champion(s); "Vacant" = none
  tagHolder1,    // custom titles only; "None" = nobody
  tagHolder2,    // custom titles only; "None" = nobody
  reignDays,     // number text
  recordHolder,  // "No Record Yet", set by the save
  recordDays,    // "0", set by the save
  defences,      // number text
  changeDate,    // the date of the title change, as typed
  championCopy   // a copy of the champion(s) line, set by the save
};

constexpr bool isCustomTitle(int slot) { return slot >= firstCustomSlot; }
constexpr std::size_t titleLines(int slot) {
  return isCustomTitle(slot) ? customTitleLines : singlesTitleLines;
}
// Whether a title slot has the field: the type and tag-team holders belong to custom titles only.
constexpr bool hasTitleField(int slot, TitleField field) {
  return isCustomTitle(slot) || (field != TitleField::type && field != TitleField::tagHolder1 &&
                                 field != TitleField::tagHolder2);
}
// The line of a field of a title slot (1 to 8). A field the slot does not have gives the line of
// the slot's start; ask hasTitleField first.
constexpr std::size_t titleLine(int slot, TitleField field) {
  const std::size_t start = titleSlotStarts[static_cast<std::size_t>(slot - 1)];
  if (!hasTitleField(slot, field)) return start;
  std::size_t offset = static_cast<std::size_t>(field);
  if (!isCustomTitle(slot)) {
    // A singles block has no type (offset 2) and no tag-team holders (offsets 10 and 11).
    if (field > TitleField::type) --offset;
    if (field > TitleField::tagHolder2) offset -= 2;
  }
  return start + offset;
}
static_assert(titleLine(1, TitleField::changeDate) == 98);
static_assert(titleLine(1, TitleField::championCopy) == 99);
static_assert(titleLine(5, TitleField::type) == 147);
static_assert(titleLine(8, TitleField::championCopy) == 216);

// --- Power figures and interviewers (Step 7) -------------------------------------------------
// Brand 1 or 2, figure 1 or 2: a name ("" = nobody) and a job title.
constexpr std::size_t powerFigureNameLine(int brand, int figure) {
  return 217 + 4 * static_cast<std::size_t>(brand - 1) + 2 * static_cast<std::size_t>(figure - 1);
}
constexpr std::size_t powerFigureJobLine(int brand, int figure) {
  return powerFigureNameLine(brand, figure) + 1;
}
inline constexpr std::size_t interviewer1Line = 225;  // "" = nobody
inline constexpr std::size_t interviewer2Line = 226;

// --- Talk-show segments (Step 8) -------------------------------------------------------------
// Brand 1 or 2: the segment's name ("NA" = no segment), its host and the show it is on.
constexpr std::size_t segmentNameLine(int brand) {
  return 227 + 3 * static_cast<std::size_t>(brand - 1);
}
constexpr std::size_t segmentHostLine(int brand) { return segmentNameLine(brand) + 1; }
constexpr std::size_t segmentShowLine(int brand) { return segmentNameLine(brand) + 2; }

// --- Next big show (Step 5) -------------------------------------------------------------------
inline constexpr std::size_t nextBigShowNameLine = 234;   // "None" = none announced
inline constexpr std::size_t nextBigShowLevelLine = 235;  // "1" to "3", "" when none
inline constexpr std::size_t nextBigShowDateLine = 236;   // as typed, "" when none
inline constexpr std::size_t nextBigShowDaysLine = 237;   // "0" to "40"
inline const std::array<std::string, 3> nextBigShowLevels = {"Basic", "Regular", "Extensive"};

// --- Pictures ----------------------------------------------------------------------------------
// The 17 picture lines: the promotion logo, the four show logos and the twelve big-show logos.
// Each holds a bare picture name in the Images folder; "NA" or "" = none (line 2: "default.jpg").
std::array<std::size_t, 17> imageSlotLines();

// --- File names ----------------------------------------------------------------------------
// Checks a promotion file name the user typed: one bare name that the data set's folder can hold
// (no folder part, drive colon, wildcard or other refused character, no leading dot, a name
// before ".fed"). Returns "" when it may be used, otherwise a sentence saying why not. Whether it
// ends in ".fed" and whether it is taken are the create step's own checks.
std::string checkFileName(const std::string& name);

// --- Whole files -------------------------------------------------------------------------------
// The 238 lines of a new promotion.
const std::vector<std::string>& templateLines();

// Reads every line of a promotion file (path text), extra lines and bytes as they are.
common::IoStatus readPromotion(const std::string& pathText, std::vector<std::string>& lines,
                               common::ReadInfo* info = nullptr);

// Reads only the first two lines (initials and name), for the chooser's preview.
common::IoStatus readPreview(const std::string& pathText, std::vector<std::string>& lines);

}  // namespace promotion_file
