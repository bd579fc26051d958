#include "promotion/promotion_save.h"

#include <gtest/gtest.h>

#include <utility>

#include "promotion/promotion_file.h"
#include "tests/promotion/promotion_lines.h"

using namespace promotion_file;
using promotion_save::checkpromotion;
using promotion_save::normalised;
using promotionlines::Edits;
using promotionlines::promotionWith;

namespace {

std::size_t show(int slot, ShowField field) { return showLine(slot, field); }
std::size_t month(int m, MonthField field) { return monthLine(m, field); }
std::size_t title(int slot, TitleField field) { return titleLine(slot, field); }

// A weekly show in slot 1 to 3, every line filled.
Edits namedShow(int slot, const std::string& day, const std::string& type = "House",
                const std::string& rating = "10") {
  using F = ShowField;
  return {{show(slot, F::name), "Show " + std::to_string(slot)},
          {show(slot, F::day), day},
          {show(slot, F::logo), "NA"},
          {show(slot, F::brand), "All"},
          {show(slot, F::type), type},
          {show(slot, F::popularity), "40"},
          {show(slot, F::ratingOrBuys), rating}};
}

// A custom tag-team title in slot 5 to 8, every checked line filled.
Edits tagTeamTitle(int slot, const std::string& champion, const std::string& holder1,
                   const std::string& holder2) {
  using F = TitleField;
  return {{title(slot, F::name), "Tag Titles"},
          {title(slot, F::holderName), "Tag Champions"},
          {title(slot, F::type), "Tag Team"},
          {title(slot, F::champion), champion},
          {title(slot, F::tagHolder1), holder1},
          {title(slot, F::tagHolder2), holder2},
          {title(slot, F::reignDays), "0"},
          {title(slot, F::defences), "0"},
          {title(slot, F::changeDate), "Monday 23rd August 2004"}};
}

Edits operator+(Edits a, const Edits& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

struct CheckCase {
  const char* what;
  Edits edits;
  std::vector<int> failing;
};

const Edits national = {{sizeLine, "4"}, {tvCoverageLine, "National"}};
const Edits localTv = {{tvCoverageLine, "Local"}};

const std::vector<CheckCase> checkCases = {
    {"a new promotion passes", {}, {}},
    // The size and the coverage.
    {"national size, regional coverage, no PPV show",
     {{sizeLine, "4"}, {tvCoverageLine, "Regional"}},
     {1}},
    {"size 3 with regional coverage is not national",
     {{sizeLine, "3"}, {tvCoverageLine, "Regional"}},
     {}},
    {"a PPV show 1 lets regional coverage pass",
     {{sizeLine, "4"},
      {tvCoverageLine, "Regional"},
      {show(0, ShowField::type), "PPV"},
      {show(0, ShowField::ratingOrBuys), "5000"}},
     {}},
    {"a PPV type left on an unnamed slot does not count",
     {{sizeLine, "4"}, {tvCoverageLine, "Regional"}, {show(1, ShowField::type), "PPV"}},
     {1}},
    {"size 3.5 is national for the coverage and not for the PPV deal",
     {{sizeLine, "3.5"}, {tvCoverageLine, "Regional"}, {ppvDealLine, "Yes"}},
     {1, 13}},
    // Missing show information.
    {"primary show 1 needs no name", {{show(0, ShowField::name), ""}}, {}},
    {"primary show 1 needs a day, named or not",
     {{show(0, ShowField::name), ""}, {show(0, ShowField::day), ""}},
     {2}},
    {"an unnamed slot is never checked",
     {{show(2, ShowField::day), "Wednesday"}, {show(2, ShowField::type), "TV"}},
     {}},
    {"a named slot without a popularity",
     namedShow(1, "Friday") + Edits{{show(1, ShowField::popularity), ""}},
     {3}},
    {"each named slot its own box",
     namedShow(2, "Friday") + namedShow(3, "Sunday") +
         Edits{{show(2, ShowField::logo), ""}, {show(3, ShowField::brand), ""}},
     {4, 5}},
    {"a house show needs no rating", {{show(0, ShowField::ratingOrBuys), ""}}, {}},
    {"a TV show without a rating is missing information and rated 0",
     localTv + Edits{{show(0, ShowField::type), "TV"}, {show(0, ShowField::ratingOrBuys), ""}},
     {2, 10}},
    // Days.
    {"two shows in use on one day", namedShow(1, "Wednesday"), {6}},
    {"three shows on one day give one box",
     namedShow(1, "Wednesday") + namedShow(3, "Wednesday"),
     {6}},
    {"an unnamed slot sharing a day is ignored", {{show(3, ShowField::day), "Wednesday"}}, {}},
    // Amounts.
    {"three attendances of 10",
     {{maxUntelevisedAttendanceLine, "10"},
      {maxTelevisedAttendanceLine, "10"},
      {bigShowAttendanceLine, "10"}},
     {7, 8, 17}},
    {"an attendance of 1,000 counts as 1", {{maxTelevisedAttendanceLine, "1,000"}}, {8}},
    {"an attendance of 20 passes", {{maxUntelevisedAttendanceLine, "20"}}, {}},
    {"PPV buys of 99",
     national + Edits{{show(0, ShowField::type), "PPV"}, {show(0, ShowField::ratingOrBuys), "99"}},
     {9}},
    {"PPV buys of 100",
     national + Edits{{show(0, ShowField::type), "PPV"}, {show(0, ShowField::ratingOrBuys), "100"}},
     {}},
    {"a TV rating of 0",
     localTv + Edits{{show(0, ShowField::type), "TV"}, {show(0, ShowField::ratingOrBuys), "0"}},
     {10}},
    {"TV ratings of 1 and 1000",
     localTv + Edits{{show(0, ShowField::type), "TV"}, {show(0, ShowField::ratingOrBuys), "1"}} +
         namedShow(1, "Friday", "TV", "1000"),
     {}},
    {"a TV rating of 1001 on a second show", localTv + namedShow(1, "Friday", "TV", "1001"), {10}},
    {"a TV show without TV coverage", namedShow(1, "Friday", "TV", "250"), {11}},
    {"a PPV show below national size", namedShow(2, "Friday", "PPV", "5000"), {12}},
    {"a monthly PPV deal at size 3", {{sizeLine, "3"}, {ppvDealLine, "Yes"}}, {13}},
    {"a monthly PPV deal at size 4", {{sizeLine, "4"}, {ppvDealLine, "Yes"}}, {}},
    {"a buy rate of 0", {{buyRateLine, "0"}}, {16}},
    {"a buy rate of 1 (0.01)", {{buyRateLine, "1"}}, {}},
    // Big shows.
    {"January named without a brand",
     {{month(1, MonthField::name), "Winter Brawl"}, {month(1, MonthField::logo), "NA"}},
     {14}},
    {"January and July incomplete give one box",
     {{month(1, MonthField::name), "Winter Brawl"}, {month(7, MonthField::name), "Summer Brawl"}},
     {14}},
    {"only July incomplete",
     {{month(7, MonthField::name), "Summer Brawl"}, {month(7, MonthField::brand), "All"}},
     {15}},
    {"an unnamed month is never checked", {{month(12, MonthField::brand), "Brand 1"}}, {}},
    // Tag-team titles.
    {"a vacant tag title with both holders None", tagTeamTitle(5, "Vacant", "None", "None"), {}},
    {"a vacant tag title with a named holder", tagTeamTitle(6, "Vacant", "Rook", "None"), {19}},
    {"a held tag title with holder 2 None", tagTeamTitle(8, "The Rooks", "Rook", "None"), {18}},
    {"a custom singles title is not tested for holders",
     tagTeamTitle(7, "Vacant", "Rook", "Crow") + Edits{{title(7, TitleField::type), "Singles"}},
     {}},
    // Title information.
    {"a named singles title without defences",
     {{title(2, TitleField::name), "TV Title"},
      {title(2, TitleField::holderName), "TV Champion"},
      {title(2, TitleField::champion), "Vacant"},
      {title(2, TitleField::reignDays), "0"},
      {title(2, TitleField::changeDate), "Monday 23rd August 2004"}},
     {21}},
    {"an unnamed title 1 is never reported",
     {{title(1, TitleField::name), ""}, {title(1, TitleField::holderName), ""}},
     {}},
    {"title 1, the tertiary title and custom title 4 incomplete",
     tagTeamTitle(8, "Vacant", "None", "None") +
         Edits{{title(1, TitleField::reignDays), ""},
               {title(4, TitleField::name), "Hardcore Title"},
               {title(8, TitleField::changeDate), ""}},
     {20, 23, 27}},
    // Several at once, in their order.
    {"many failures in check order",
     {{sizeLine, "4"},
      {tvCoverageLine, "Regional"},
      {maxTelevisedAttendanceLine, "5"},
      {maxUntelevisedAttendanceLine, "5"},
      {buyRateLine, ""},
      {bigShowAttendanceLine, "abc"},
      {month(3, MonthField::name), "Spring Brawl"}},
     {1, 7, 8, 14, 16, 17}},
};

}  // namespace

TEST(PromotionSaveChecks, FailTheChecksTheirLinesBreakInOrder) {
  for (const CheckCase& c : checkCases)
    EXPECT_EQ(checkpromotion(promotionWith(c.edits)), c.failing) << c.what;
}

TEST(PromotionSaveChecks, EachCheckHasItsOwnMessage) {
  EXPECT_EQ(promotion_save::checkMessage(1),
            "A promotion with Regional TV coverage cannot be classed as a National promotion "
            "unless it has a primary or secondary show on PPV.");
  EXPECT_EQ(promotion_save::checkMessage(6),
            "You have more than one regular show on the same day - please change.");
  EXPECT_EQ(promotion_save::checkMessage(14), promotion_save::checkMessage(15));
  EXPECT_EQ(promotion_save::checkMessage(22),
            "Some information has not been entered for the Secondary Singles Title.");
  EXPECT_EQ(promotion_save::checkMessage(27),
            "Some information has not been entered for the Custom Title 4.");
  for (int check = 1; check < promotion_save::checkCount; ++check)
    EXPECT_TRUE(check == 14 ||
                promotion_save::checkMessage(check) != promotion_save::checkMessage(check + 1))
        << check;
}

TEST(PromotionSaveChecks, AShortListNeitherCrashesNorPasses) {
  const std::vector<std::string> lines(templateLines().begin(), templateLines().begin() + 20);
  const std::vector<int> failing = checkpromotion(lines);
  EXPECT_FALSE(failing.empty());
  EXPECT_EQ(checkpromotion({}).front(), 2);  // no day for primary show 1
}

namespace {

struct NormaliseCase {
  const char* what;
  Edits before;
  Edits after;  // the lines that differ from `before`, as they must be written
};

const std::vector<NormaliseCase> normaliseCases = {
    {"a new promotion is written as it is", {}, {}},
    {"figure 2 moves up to an empty figure 1, whose old job title goes",
     {{powerFigureJobLine(1, 1), "Owner"},
      {powerFigureNameLine(1, 2), "Mara Quell"},
      {powerFigureJobLine(1, 2), "Commissioner"}},
     {{powerFigureNameLine(1, 1), "Mara Quell"},
      {powerFigureJobLine(1, 1), "Commissioner"},
      {powerFigureNameLine(1, 2), ""},
      {powerFigureJobLine(1, 2), ""}}},
    {"an empty figure 2 loses its job title",
     {{powerFigureNameLine(2, 1), "Dov Arkin"},
      {powerFigureJobLine(2, 1), "General Manager"},
      {powerFigureJobLine(2, 2), "Owner"}},
     {{powerFigureJobLine(2, 2), ""}}},
    {"two empty figures keep nothing",
     {{powerFigureJobLine(1, 1), "Owner"}, {powerFigureJobLine(1, 2), "Owner"}},
     {{powerFigureJobLine(1, 1), ""}, {powerFigureJobLine(1, 2), ""}}},
    {"interviewer 2 moves up with a roster split",
     {{rosterSplitLine, "Yes"}, {interviewer2Line, "Tam Reyes"}},
     {{interviewer1Line, "Tam Reyes"}, {interviewer2Line, ""}}},
    {"interviewer 2 stays without a roster split", {{interviewer2Line, "Tam Reyes"}}, {}},
    {"no segment keeps no host or show",
     {{segmentHostLine(1), "Vic Dane"},
      {segmentShowLine(1), "Grit"},
      {segmentNameLine(2), "The Pit"},
      {segmentHostLine(2), "Ola Brand"}},
     {{segmentHostLine(1), ""}, {segmentShowLine(1), ""}}},
    {"no next big show keeps no level, date or days",
     {{nextBigShowLevelLine, "2"},
      {nextBigShowDateLine, "Friday 1st July 2005"},
      {nextBigShowDaysLine, "12"}},
     {{nextBigShowLevelLine, ""}, {nextBigShowDateLine, ""}, {nextBigShowDaysLine, "0"}}},
    {"a named next big show is kept",
     {{nextBigShowNameLine, "Mayhem"},
      {nextBigShowLevelLine, "2"},
      {nextBigShowDateLine, "Friday 1st July 2005"},
      {nextBigShowDaysLine, "12"}},
     {}},
    {"an unnamed secondary show 2 keeps nothing",
     {{show(3, ShowField::day), "Friday"},
      {show(3, ShowField::type), "TV"},
      {show(3, ShowField::ratingOrBuys), "250"}},
     {{show(3, ShowField::day), ""},
      {show(3, ShowField::type), ""},
      {show(3, ShowField::ratingOrBuys), ""}}},
    {"primary show 1 is never emptied", {{show(0, ShowField::name), ""}}, {}},
    {"a named singles title gets fresh record lines",
     {{title(3, TitleField::name), "TV Title"},
      {title(3, TitleField::champion), "Vacant"},
      {title(3, TitleField::recordHolder), "Old Champ"},
      {title(3, TitleField::recordDays), "400"}},
     {{title(3, TitleField::recordHolder), "No Record Yet"},
      {title(3, TitleField::recordDays), "0"},
      {title(3, TitleField::championCopy), "Vacant"}}},
    {"title 1 gets its record lines even without a name",
     {{title(1, TitleField::name), ""},
      {title(1, TitleField::champion), "Rook"},
      {title(1, TitleField::recordHolder), ""},
      {title(1, TitleField::recordDays), "9"}},
     {{title(1, TitleField::recordHolder), "No Record Yet"},
      {title(1, TitleField::recordDays), "0"},
      {title(1, TitleField::championCopy), "Rook"}}},
    {"an unnamed custom title 4 keeps nothing but its empty name",
     {{title(8, TitleField::holderName), "Tag Champions"},
      {title(8, TitleField::type), "Tag Team"},
      {title(8, TitleField::championCopy), "Rooks"}},
     {{title(8, TitleField::holderName), ""},
      {title(8, TitleField::type), ""},
      {title(8, TitleField::championCopy), ""}}},
    {"a named custom title copies its champion(s)",
     {{title(6, TitleField::name), "Tag Titles"}, {title(6, TitleField::champion), "The Rooks"}},
     {{title(6, TitleField::recordHolder), "No Record Yet"},
      {title(6, TitleField::recordDays), "0"},
      {title(6, TitleField::championCopy), "The Rooks"}}},
};

}  // namespace

TEST(PromotionSaveNormalisation, TidiesOnlyTheLinesItOwns) {
  for (const NormaliseCase& c : normaliseCases) {
    const std::vector<std::string> before = promotionWith(c.before);
    std::vector<std::string> expected = before;
    for (const auto& [line, text] : c.after) expected[line] = text;
    EXPECT_EQ(normalised(before), expected) << c.what;
  }
}

TEST(PromotionSaveNormalisation, KeepsTheNumberOfLines) {
  std::vector<std::string> longer = templateLines();
  longer.push_back("an extra line");
  EXPECT_EQ(normalised(longer), longer);

  // A short list only has its existing lines tidied, and gains none.
  std::vector<std::string> shorter(templateLines().begin(), templateLines().begin() + 97);
  shorter[title(1, TitleField::recordHolder)] = "Old Champ";
  const std::vector<std::string> result = normalised(shorter);
  ASSERT_EQ(result.size(), 97u);
  EXPECT_EQ(result[title(1, TitleField::recordHolder)], "No Record Yet");
}
