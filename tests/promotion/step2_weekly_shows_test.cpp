// Step 2: the four weekly shows, on a new promotion, driven as a person would.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/promotion/open_promotion.h"

namespace pf = promotion_file;
using Field = pf::ShowField;

namespace {

const std::string tvRefusal =
    "This promotion's television coverage is set to None - this show cannot be a TV Show.";
const std::string ppvRefusal =
    "Only National promotions can have PPV coverage of their regular shows.";
const std::string invalidRating =
    "Invalid TV Rating!\r\n\r\nThis number must be between 0 and 10, eg. 4.75.\r\n\r\nPlease "
    "enter another value.";
const std::string invalidBuys =
    "Invalid PPV Buys!\r\n\r\nThis number must be between 100 and 1000000, and not include any "
    "commas.\r\n\r\nPlease enter another value.";

std::string sameDay(const std::string& slot) {
  return "WARNING!\r\nYour " + slot +
         " is also on this day. Having more than one regular show on the same day will cause "
         "problems with your game.";
}

class Step2 : public OpenPromotion {
 protected:
  Form4& page = editor.form4;
  Step2() {
    open(page);
    page.show1.click();
  }

  std::string showLine(int slot, Field field) const { return line(pf::showLine(slot, field)); }
  void setShowLine(int slot, Field field, const std::string& text) {
    setLine(pf::showLine(slot, field), text);
  }
  void name(int slot, const std::string& name, const std::string& day) {
    setShowLine(slot, Field::name, name);
    setShowLine(slot, Field::day, day);
  }
  void chooseItem(ui::ComboBox& list, const std::string& item) {
    for (int i = 0; i < list.listCount(); ++i) {
      if (list.list(i) == item) return list.choose(i);
    }
    FAIL() << item << " is not an item";
  }
  // What the page shows: name, day, logo, brand, type, popularity, rating.
  std::vector<std::string> shown() const {
    return {page.nameofshow.caption(), page.Combo1.text(), page.showlogo.caption(),
            page.Combo2.text(),        page.Combo3.text(), page.percentage.caption(),
            page.tvrating.caption()};
  }
  std::vector<std::string> slotLines(int slot) const {
    std::vector<std::string> result;
    for (std::size_t i = 0; i < pf::showSlotLines; ++i)
      result.push_back(line(pf::showLine(slot, Field::name) + i));
    return result;
  }
};

TEST_F(Step2, TheFirstShowOfANewPromotionShowsItsLines) {
  EXPECT_TRUE(wizard::isSelected(page.show1));
  EXPECT_EQ(shown(), (std::vector<std::string>{"House Show", "Wednesday", "NA", "All", "House",
                                               "50%", "10"}));
  EXPECT_EQ(page.HScroll1.value(), 50);
  EXPECT_TRUE(messages().empty());
}

TEST_F(Step2, SelectingAShowWithoutANameCompletesItsLines) {
  page.show2.click();
  EXPECT_TRUE(wizard::isSelected(page.show2));
  EXPECT_FALSE(wizard::isSelected(page.show1));
  EXPECT_EQ(shown(), (std::vector<std::string>{"None", "Monday", "NA", "All", "House", "0%", ""}));
  EXPECT_EQ(page.HScroll1.value(), 0);
  EXPECT_EQ(slotLines(1), (std::vector<std::string>{"", "Monday", "NA", "All", "House", "0", ""}));

  page.show3.click();  // straight after: 0% again, and the same lines
  EXPECT_EQ(page.percentage.caption(), "0%");
  EXPECT_EQ(slotLines(2), (std::vector<std::string>{"", "Monday", "NA", "All", "House", "0", ""}));
  EXPECT_TRUE(messages().empty());

  // Naming it is now enough for a complete show.
  answer(page.nameofshow, "Friday Brawl");
  EXPECT_EQ(showLine(2, Field::name), "Friday Brawl");
  EXPECT_EQ(page.nameofshow.caption(), "Friday Brawl");
}

TEST_F(Step2, TheFirstShowCannotBeTakenOff) {
  answer(page.nameofshow, "None");
  EXPECT_EQ(desktop.dialogs()[0].title, "Name of Show");
  EXPECT_EQ(desktop.dialogs()[0].defaultAnswer, "House Show");
  EXPECT_EQ(desktop.last().text, "You must have a primary show 1.");
  EXPECT_EQ(showLine(0, Field::name), "House Show");

  answer(page.nameofshow, "none");  // only "None" exactly means no show
  EXPECT_EQ(showLine(0, Field::name), "none");
  answer(page.nameofshow, "");
  EXPECT_EQ(showLine(0, Field::name), "none");
}

TEST_F(Step2, NoneTakesALaterShowOffWithoutWarnings) {
  name(3, "Sunday Slam", "Sunday");
  setShowLine(3, Field::type, "PPV");
  setShowLine(3, Field::popularity, "70");
  setShowLine(3, Field::ratingOrBuys, "50000");
  name(1, "Monday Mayhem", "Monday");
  page.show4.click();
  messages();

  answer(page.nameofshow, "None");
  EXPECT_TRUE(messages().empty());
  EXPECT_EQ(slotLines(3), (std::vector<std::string>{"", "Monday", "NA", "All", "House", "0", ""}));
  EXPECT_EQ(shown(), (std::vector<std::string>{"None", "Monday", "NA", "All", "House", "0%", ""}));
}

TEST_F(Step2, ADaySharedWithOtherNamedShowsWarnsOncePerShow) {
  name(1, "Primary Two", "Friday");
  name(2, "", "Friday");  // no show: never counts
  name(3, "Secondary Two", "Friday");
  chooseItem(page.Combo1, "Friday");
  EXPECT_EQ(showLine(0, Field::day), "Friday");
  EXPECT_EQ(messages(),
            (std::vector<std::string>{sameDay("Primary Show 2"), sameDay("Secondary Show 2")}));

  // A selected slot without a show never warns, whatever its day.
  page.show3.click();
  messages();
  chooseItem(page.Combo1, "Friday");
  EXPECT_TRUE(messages().empty());
  EXPECT_EQ(showLine(2, Field::day), "Friday");

  // Selecting a named show on a shared day warns while it loads.
  page.show2.click();
  EXPECT_EQ(messages(),
            (std::vector<std::string>{sameDay("Primary Show 1"), sameDay("Secondary Show 2")}));
}

TEST_F(Step2, ARefusedTypeLeavesTheStoredTypeShown) {
  // Coverage "None" on a new promotion: no TV show.
  chooseItem(page.Combo3, "TV");
  EXPECT_EQ(messages(), std::vector<std::string>{tvRefusal});
  EXPECT_EQ(showLine(0, Field::type), "House");
  EXPECT_EQ(page.Combo3.text(), "House");
  page.tvrating.click();  // a house show has no rating to ask for
  EXPECT_TRUE(desktop.dialogs().empty());

  // Below national size: no PPV show; from size 4 it is stored.
  setLine(pf::tvCoverageLine, "Regional");
  setLine(pf::sizeLine, "3");
  chooseItem(page.Combo3, "PPV");
  EXPECT_EQ(messages(), std::vector<std::string>{ppvRefusal});
  EXPECT_EQ(page.Combo3.text(), "House");
  chooseItem(page.Combo3, "TV");
  EXPECT_EQ(showLine(0, Field::type), "TV");
  chooseItem(page.Combo3, "PPV");
  EXPECT_EQ(messages(), std::vector<std::string>{ppvRefusal});
  EXPECT_EQ(page.Combo3.text(), "TV");  // back to the stored type, not to "House"
  setLine(pf::sizeLine, "4");
  chooseItem(page.Combo3, "PPV");
  EXPECT_TRUE(messages().empty());
  EXPECT_EQ(showLine(0, Field::type), "PPV");
}

TEST_F(Step2, AStoredTvShowWithoutCoverageIsKeptWhenSelected) {
  name(1, "Tuesday Live", "Tuesday");
  setShowLine(1, Field::type, "TV");
  setShowLine(1, Field::ratingOrBuys, "250");
  page.show2.click();
  EXPECT_EQ(messages(), std::vector<std::string>{tvRefusal});
  EXPECT_EQ(showLine(1, Field::type), "TV");
  EXPECT_EQ(page.Combo3.text(), "TV");
  EXPECT_EQ(page.tvrating.caption(), "2.5");
}

TEST_F(Step2, TvRatingsAreStoredInHundredths) {
  setLine(pf::tvCoverageLine, "Local");
  chooseItem(page.Combo3, "TV");
  const struct {
    std::string typed, stored;
  } accepted[] = {
      {"4.75", "475"}, {"0.29", "28"}, {"10", "1000"}, {"3.5 stars", "350"}, {"0.001", "0"}};
  for (const auto& c : accepted) {
    answer(page.tvrating, c.typed);
    EXPECT_EQ(desktop.last().title, "Average TV Rating/Buys");
    EXPECT_EQ(showLine(0, Field::ratingOrBuys), c.stored) << c.typed;
    EXPECT_EQ(page.tvrating.caption(), c.typed);
  }
  for (const std::string typed : {"0", "-1", "10.5", "abc"}) {
    answer(page.tvrating, typed);
    EXPECT_EQ(desktop.last().text, invalidRating) << typed;
    EXPECT_EQ(showLine(0, Field::ratingOrBuys), "0") << typed;
    EXPECT_EQ(page.tvrating.caption(), "0.001");
  }
  answer(page.tvrating, "3.5 stars");
  page.show1.click();  // loaded again: the stored rating shown as a rating
  EXPECT_EQ(page.tvrating.caption(), "3.5");
}

TEST_F(Step2, PpvBuysAreStoredAsTyped) {
  setLine(pf::sizeLine, "4");
  chooseItem(page.Combo3, "PPV");
  for (const std::string typed : {"50000", "100", "1000000", "5000 buys"}) {
    answer(page.tvrating, typed);
    EXPECT_EQ(desktop.last().title, "Average PPV Buys");
    EXPECT_EQ(showLine(0, Field::ratingOrBuys), typed);
    EXPECT_EQ(page.tvrating.caption(), typed);
  }
  for (const std::string typed : {"99", "1000001", "lots"}) {
    answer(page.tvrating, typed);
    EXPECT_EQ(desktop.last().text, invalidBuys) << typed;
    EXPECT_EQ(showLine(0, Field::ratingOrBuys), "5000 buys");
  }
}

TEST_F(Step2, PopularityFollowsTheScrollBar) {
  page.HScroll1.dragTo(73);
  EXPECT_EQ(page.percentage.caption(), "73%");
  EXPECT_EQ(showLine(0, Field::popularity), "73");
  page.HScroll1.scrollTo(100);
  EXPECT_EQ(showLine(0, Field::popularity), "100");
  page.HScroll1.scrollTo(-5);
  EXPECT_EQ(showLine(0, Field::popularity), "0");
  EXPECT_EQ(page.percentage.caption(), "0%");
}

TEST_F(Step2, EditsGoToTheSelectedShowOnly) {
  page.show4.click();
  chooseItem(page.Combo2, "Brand 2");
  page.HScroll1.scrollTo(40);
  EXPECT_EQ(showLine(3, Field::brand), "Brand 2");
  EXPECT_EQ(showLine(3, Field::popularity), "40");
  EXPECT_EQ(showLine(0, Field::brand), "All");
  EXPECT_EQ(showLine(0, Field::popularity), "50");
}

TEST_F(Step2, LinesOfNoFormDoNotStopThePage) {
  name(1, "Odd Show", "Someday");
  setShowLine(1, Field::brand, "Brand 9");
  setShowLine(1, Field::type, "Wrestling");
  setShowLine(1, Field::popularity, "lots");
  const std::vector<std::string> before = lines();
  page.show2.click();
  EXPECT_EQ(page.nameofshow.caption(), "Odd Show");
  std::vector<std::string> after = lines();
  after[pf::showLine(1, Field::popularity)] = "lots";  // the scroll bar writes its 0 back
  EXPECT_EQ(after, before);
}

TEST_F(Step2, NextAndBackMoveOnWhateverThePageHolds) {
  chooseItem(page.Combo3, "TV");  // refused
  page.Command1.click();
  EXPECT_TRUE(editor.form5.visible());
  EXPECT_FALSE(page.visible());
  open(page);
  page.Command2.click();
  EXPECT_TRUE(editor.form3.visible());
  EXPECT_FALSE(page.visible());
}

}  // namespace
