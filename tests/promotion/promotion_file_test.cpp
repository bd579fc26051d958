#include "promotion/promotion_file.h"

#include <gtest/gtest.h>

#include <set>

using namespace promotion_file;

// The new promotion's lines, as the game expects them in a file nobody has edited yet.
TEST(PromotionTemplate, HoldsTheDefaultsOfANewPromotion) {
  const std::vector<std::string>& lines = templateLines();
  ASSERT_EQ(lines.size(), 238u);
  const std::vector<std::pair<std::size_t, std::string>> expected = {
      {0, "VLF"},
      {1, "Vorlune Federation"},
      {2, "default.jpg"},
      {3, "1"},
      {4, "250000"},
      {5, "www.example.com"},
      {6, "A new promotion."},
      {7, "Jorvin Halsk"},
      {8, "No"},
      {11, "None"},
      {12, "House Show"},
      {13, "Wednesday"},
      {14, "NA"},
      {15, "All"},
      {16, "House"},
      {17, "50"},
      {18, "10"},
      {40, "100"},
      {41, "300"},
      {42, "1"},
      {43, "1"},
      {44, "1"},
      {45, "50"},
      {46, "No"},
      {47, "10"},
      {48, "300"},
      {85, "World Heavyweight Title"},
      {86, "World Heavyweight Champion"},
      {87, "50"},
      {88, "Male"},
      {89, "All"},
      {90, "No"},
      {91, "60"},
      {92, "All"},
      {93, "Vacant"},
      {94, "0"},
      {95, "No Record Yet"},
      {96, "0"},
      {97, "0"},
      {98, "Monday 23rd August 2004"},
      {99, "Vacant"},
      {227, "NA"},
      {230, "NA"},
      {233, "USA"},
      {234, "None"},
      {237, "0"}};
  std::set<std::size_t> named;
  for (const auto& [line, text] : expected) {
    EXPECT_EQ(lines[line], text) << "line " << line;
    named.insert(line);
  }
  for (std::size_t line = 0; line < lines.size(); ++line)
    if (!named.count(line)) {
      EXPECT_EQ(lines[line], "") << "line " << line;
    }
}

TEST(PromotionLayout, NamesTheLinesOfEveryGroup) {
  EXPECT_EQ(showLine(3, ShowField::ratingOrBuys), 39u);
  EXPECT_EQ(monthLine(1, MonthField::name), 49u);
  EXPECT_EQ(monthLine(12, MonthField::logo), 84u);
  EXPECT_EQ(titleLine(2, TitleField::name), 100u);
  EXPECT_EQ(titleLine(4, TitleField::championCopy), 144u);
  EXPECT_EQ(titleLine(5, TitleField::tagHolder2), 156u);
  EXPECT_EQ(titleLine(7, TitleField::minimumDraw), 188u);
  EXPECT_EQ(powerFigureNameLine(1, 1), 217u);
  EXPECT_EQ(powerFigureJobLine(2, 2), 224u);
  EXPECT_EQ(segmentShowLine(1), 229u);
  EXPECT_EQ(segmentNameLine(2), 230u);
  EXPECT_EQ(segmentShowLine(2), 232u);
  EXPECT_FALSE(hasTitleField(4, TitleField::type));
  EXPECT_TRUE(hasTitleField(8, TitleField::tagHolder1));

  const std::array<std::size_t, 17> pictures = {2,  14, 21, 28, 35, 51, 54, 57, 60,
                                                63, 66, 69, 72, 75, 78, 81, 84};
  EXPECT_EQ(imageSlotLines(), pictures);
}

// A typed promotion file name must be one bare name the data set's folder can hold.
TEST(PromotionFileName, RefusesNamesThatAreNotOneBareFileName) {
  const std::vector<std::pair<std::string, bool>> cases = {
      {"vlf.fed", true},
      {"My Promotion 2.fed", true},
      {"caf\xE9.fed", true},
      {"[x]#1.fed", true},  // the game's own pattern characters are ordinary in a file name
      {"VLF.FED", true},    // ending in ".fed" is the create step's own check
      {"../b.fed", false},
      {"x/b.fed", false},
      {"x\\b.fed", false},
      {"C:b.fed", false},
      {"b*.fed", false},
      {"b?.fed", false},
      {"a<b.fed", false},
      {"a>b.fed", false},
      {"a\"b.fed", false},
      {"a|b.fed", false},
      {"tab\t.fed", false},
      {".fed", false},
      {".hidden.fed", false},
      {"   .fed", false},
      {"..", false},
      {"   ", false},
      // With the temporary file's ".tmp-" and six letters, a name must fit in 255 bytes.
      {std::string(241, 'a') + ".fed", false},
      {std::string(240, 'a') + ".fed", true},
      {std::string(121, '\xE9') + ".fed", false},  // two bytes each on disk
      {std::string(120, '\xE9') + ".fed", true},
      {"con.fed", false},
      {"NUL.fed", false},
      {"Com1.fed", false},
      {"lpt9.old.fed", false},
      {"com10.fed", true},
      {"console.fed", true},
  };
  for (const auto& [name, usable] : cases)
    EXPECT_EQ(checkFileName(name).empty(), usable) << "\"" << name << "\"";
}
