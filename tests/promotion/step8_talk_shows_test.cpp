// Step 8: the talk-show segments with their "NA"/"None" clear, the country and the popularity.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/editor.h"
#include "tests/promotion/open_promotion.h"

namespace {

class TalkShows : public OpenPromotion {
 protected:
  Form11& page = editor.form11;

  void SetUp() override { open(page); }

  // Gives both brands a whole segment.
  void enterSegments() {
    answer(page.brand1talkshowname, "Porch Talk");
    answer(page.brand1talkshowhost, "Earl");
    answer(page.talkshow1showname, "Grit");
    answer(page.brand2talkshowname, "Lounge");
    answer(page.brand2talkshowhost, "Percy");
    answer(page.talkshow2showname, "Rampart");
    desktop.forget();
  }
  std::vector<std::string> captions(int brand) const {
    if (brand == 1)
      return {page.brand1talkshowname.caption(), page.brand1talkshowhost.caption(),
              page.talkshow1showname.caption()};
    return {page.brand2talkshowname.caption(), page.brand2talkshowhost.caption(),
            page.talkshow2showname.caption()};
  }
};

TEST_F(TalkShows, EachRowStoresItsOwnLine) {
  answer(page.brand1talkshowname, "Porch Talk");
  EXPECT_EQ(desktop.last().title, "Brand 1 Talk Show Segment Name");
  EXPECT_EQ(desktop.last().defaultAnswer, "NA");
  EXPECT_EQ(line(227), "Porch Talk");
  EXPECT_EQ(captions(1), (std::vector<std::string>{"Porch Talk", "NA", "NA"}));
  EXPECT_EQ(line(228), "");

  answer(page.talkshow2showname, "Rampart");
  EXPECT_EQ(desktop.last().title, "Which Show?");
  EXPECT_EQ(line(232), "Rampart");
  EXPECT_EQ(line(230), "NA");  // a show may be entered while the name is "NA"
  answer(page.brand2talkshowhost, "none");
  EXPECT_EQ(desktop.last().title, "Brand 2 Talk Show Segment Host");
  EXPECT_EQ(line(231), "none");
  EXPECT_EQ(captions(2), (std::vector<std::string>{"NA", "none", "Rampart"}));
}

TEST_F(TalkShows, NaOrNoneClearsOnlyItsOwnBrandsSegment) {
  const struct {
    ui::Label Form11::*label;
    std::string answer;
    int brand;
    std::vector<std::string> labelsAfter;
  } cases[] = {
      {&Form11::brand1talkshowname, "NA", 1, {"NA", "NA", "NA"}},
      {&Form11::brand1talkshowhost, "None", 1, {"NA", "NA", "NA"}},
      {&Form11::talkshow1showname, "NA", 1, {"NA", "NA", "NA"}},
      {&Form11::brand2talkshowname, "None", 2, {"NA", "NA", "NA"}},
      {&Form11::brand2talkshowhost, "None", 2, {"NA", "NA", "NA"}},
      {&Form11::talkshow2showname, "None", 2, {"NA", "NA", "None"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE((page.*c.label).name() + " " + c.answer);
    enterSegments();
    const int other = 3 - c.brand;
    const std::vector<std::string> otherCaptions = captions(other);
    const int first = c.brand == 1 ? 227 : 230, otherFirst = other == 1 ? 227 : 230;
    const std::vector<std::string> otherLines = {line(otherFirst), line(otherFirst + 1),
                                                 line(otherFirst + 2)};

    answer(page.*c.label, c.answer);
    EXPECT_EQ(line(first), "NA");
    EXPECT_EQ(line(first + 1), "");
    EXPECT_EQ(line(first + 2), "");
    EXPECT_EQ(captions(c.brand), c.labelsAfter);
    EXPECT_EQ(captions(other), otherCaptions);
    EXPECT_EQ(
        (std::vector<std::string>{line(otherFirst), line(otherFirst + 1), line(otherFirst + 2)}),
        otherLines);
  }
}

TEST_F(TalkShows, OtherSpellingsAreStoredAsTyped) {
  enterSegments();
  for (const char* typed : {"na", "none", "N/A", " NA"}) {
    answer(page.talkshow2showname, typed);
    EXPECT_EQ(line(232), typed);
    EXPECT_EQ(page.talkshow2showname.caption(), typed);
    EXPECT_EQ(line(230), "Lounge");
    EXPECT_EQ(line(231), "Percy");
  }
  answer(page.brand1talkshowname, "none");
  EXPECT_EQ(line(227), "none");
  EXPECT_EQ(line(228), "Earl");

  // Cancel changes nothing.
  const std::vector<std::string> before = lines();
  answer(page.brand1talkshowhost, "");
  answer(page.talkshow1showname, "");
  EXPECT_EQ(lines(), before);
  EXPECT_EQ(captions(1), (std::vector<std::string>{"none", "Earl", "Grit"}));
}

TEST_F(TalkShows, CountryAndPopularity) {
  page.Combo2.choose(2);
  EXPECT_EQ(page.Combo2.text(), "Japan");
  EXPECT_EQ(line(233), "Japan");
  page.Combo2.choose(3);
  EXPECT_EQ(line(233), "Other");

  page.HScroll1.scrollTo(0);
  EXPECT_EQ(page.popularity.caption(), "0%");
  EXPECT_EQ(line(45), "0");
  page.HScroll1.dragTo(250);
  EXPECT_EQ(page.popularity.caption(), "100%");
  EXPECT_EQ(line(45), "100");
  page.HScroll1.dragTo(75);
  EXPECT_EQ(page.popularity.caption(), "75%");
  EXPECT_EQ(line(45), "75");
}

TEST_F(TalkShows, BackShowsStepSevenAndSaveIsInPlace) {
  EXPECT_EQ(page.Command1.caption(), "SAVE");
  page.Command2.click();
  EXPECT_TRUE(editor.form10.visible());
  EXPECT_FALSE(page.visible());
}

}  // namespace
