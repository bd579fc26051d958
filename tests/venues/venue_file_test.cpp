// venues.txt: reading (a last venue cut short is made whole), writing, and the small rules of a
// venue's lines: the shown country, a new venue's default name and a typed capacity.

#include "venues/venue_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/paths.h"
#include "tests/support/game_folder.h"

namespace {

using Lines = std::vector<std::string>;

std::string venuesPath() { return common::dataFilePath("\\Data\\", venue_file::fileName); }

TEST(VenueFile, ReadsEveryLineAsItIsAndMakesALastVenueCutShortWhole) {
  struct Case {
    const char* what;
    std::string bytes;
    Lines lines;
    std::size_t filledIn;
  };
  const Case cases[] = {
      {"empty file", "", {}, 0},
      {"one whole venue, blanks and a code-page byte kept",
       " Caf\xE9 Hall \r\nA, B\r\nA\r\n1,000\r\nusa\r\nNone\r\n",
       {" Caf\xE9 Hall ", "A, B", "A", "1,000", "usa", "None"},
       0},
      {"eight lines: the second venue gets four empty lines",
       "One\r\nc\r\nc\r\n1\r\nUK\r\nNone\r\nTwo\r\nTown, State",
       {"One", "c", "c", "1", "UK", "None", "Two", "Town, State", "", "", "", ""},
       4},
      {"a last venue of one line without a name still holds data",
       "One\r\nc\r\nc\r\n1\r\nUK\r\nNone\r\n\r\n\r\nTown\r\n",
       {"One", "c", "c", "1", "UK", "None", "", "", "Town", "", "", ""},
       3},
      {"an empty line after the last venue is dropped",
       "One\r\nc\r\nc\r\n1\r\nUK\r\nNone\r\n\r\n",
       {"One", "c", "c", "1", "UK", "None"},
       0},
      {"five empty lines after the last venue are dropped",
       "One\r\nc\r\nc\r\n1\r\nUK\r\nNone\r\n\r\n\r\n\r\n\r\n\r\n",
       {"One", "c", "c", "1", "UK", "None"},
       0},
      {"six empty lines are a venue without a name, and stay",
       "\r\n\r\n\r\n\r\n\r\n\r\n",
       {"", "", "", "", "", ""},
       0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    GameFolder folder;
    folder.writeBytes("Data/venues.txt", c.bytes);
    Lines lines = {"left over"};
    std::size_t filledIn = 99;
    ASSERT_TRUE(venue_file::readVenues(venuesPath(), lines, filledIn).ok);
    EXPECT_EQ(lines, c.lines);
    EXPECT_EQ(filledIn, c.filledIn);
  }
}

TEST(VenueFile, AMissingFileIsAFailureWithNoLines) {
  GameFolder folder;
  Lines lines = {"left over"};
  std::size_t filledIn = 99;
  const common::IoStatus status = venue_file::readVenues(venuesPath(), lines, filledIn);
  EXPECT_FALSE(status.ok);
  EXPECT_NE(status.error.find("venues.txt"), std::string::npos) << status.error;
  EXPECT_TRUE(lines.empty());
  EXPECT_EQ(filledIn, 0u);
}

TEST(VenueFile, WritesEachLineWithCrLf) {
  GameFolder folder;
  ASSERT_TRUE(venue_file::writeVenues(venuesPath(), {"Hall", "", "x"}).ok);
  EXPECT_EQ(folder.bytes("Data/venues.txt"), "Hall\r\n\r\nx\r\n");
}

TEST(VenueFile, ShowsTheFourCountriesAsTheyAreAndAnyOtherTextAsOther) {
  for (const std::string country : {"USA", "UK", "Japan", "Other"})
    EXPECT_EQ(venue_file::shownCountry(country), country);
  for (const std::string country : {"usa", "Mexico", "", "Japan "})
    EXPECT_EQ(venue_file::shownCountry(country), "Other") << country;
}

TEST(VenueFile, ANewVenueTakesTheFirstDefaultNameNoVenueBears) {
  struct Case {
    Lines names;  // name lines; the other lines of each venue are filled in
    std::string expected;
  };
  const Case cases[] = {
      {{}, "Default Venue"},
      {{"Default Venue 1"}, "Default Venue"},
      {{"Default Venue", "Default Venue 1"}, "Default Venue 2"},
      {{"Default Venue 1", "Default Venue"}, "Default Venue 2"},
      {{"default venue"}, "Default Venue"},  // letter case counts
      {{"Default Venue", "Default Venue 2"}, "Default Venue 1"},
  };
  for (const Case& c : cases) {
    Lines lines;
    for (const std::string& name : c.names) {
      lines.push_back(name);
      // A venue whose other lines hold a default name does not take it.
      for (int i = 1; i < 6; ++i) lines.push_back("Default Venue");
    }
    EXPECT_EQ(venue_file::firstFreeName(lines), c.expected) << testing::PrintToString(c.names);
  }
  EXPECT_EQ(venue_file::newVenue("Default Venue 3"),
            (Lines{"Default Venue 3", "Miami, Florida", "Florida", "1000", "USA", "None"}));
}

TEST(VenueFile, ATypedCapacityIsItsLeadingNumberAndZeroBecomesAThousand) {
  const std::pair<std::string, std::string> cases[] = {
      {"0", "1000"},     {"abc", "1000"},        {"", "1000"}, {"1,500", "1"},  {"12.5", "12.5"},
      {" 2500", "2500"}, {"8000 seats", "8000"}, {"007", "7"}, {"0.0", "1000"},
  };
  for (const auto& [typed, stored] : cases)
    EXPECT_EQ(venue_file::capacityText(typed), stored) << '"' << typed << '"';
}

}  // namespace
