// The stat sheet's editors: opening one by clicking a value, applying a value by each stat's own
// rule (messages, substitutions, codes), cancelling, and the scale's label.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "tests/roster/roster_session.h"

namespace {

using rostertest::column;
using rostertest::Session;
using rostertest::wrestler;
using Names = std::vector<std::string>;

class StatEditor : public ::testing::Test, public Session {
 protected:
  // Opens the sheet on "Dax Ravenhurst" (after "Other One") with some of his fields changed.
  void openDax(const std::vector<std::pair<roster_file::Field, std::string>>& changes = {}) {
    auto dax = wrestler("Dax Ravenhurst");
    for (const auto& [field, value] : changes) dax[field] = value;
    writeRoster({wrestler("Other One"), dax});
    open();
    pick("Dax Ravenhurst");
    ASSERT_TRUE(sheet.visible());
  }
  void clickValue(roster_file::Field field) { sheet.MSFlexGrid1.selectCell(field, 1); }
  std::string cell(roster_file::Field field) const {
    return sheet.MSFlexGrid1.textMatrix(field, 1);
  }
  std::string stored(roster_file::Field field) const { return list.field(field).list(1); }
  bool editing() const { return sheet.Label1.caption() != "Click on a stat above to edit"; }
};

TEST_F(StatEditor, AClickOnALabelOpensNothing) {
  openDax();
  sheet.MSFlexGrid1.selectCell(roster_file::promotion, 0);
  EXPECT_FALSE(editing());
  EXPECT_TRUE(sheet.MSFlexGrid1.enabled());
  EXPECT_TRUE(sheet.Command3.enabled());
  EXPECT_TRUE(sheet.Command4.enabled());
  EXPECT_FALSE(sheet.Command2.visible());
}

TEST_F(StatEditor, EachKindOfStatOpensItsOwnEditorAndLocksTheSheet) {
  openDax({{roster_file::roles, "7"}, {roster_file::brand, "Brand 9"}});

  clickValue(roster_file::promotion);
  EXPECT_EQ(sheet.Label1.caption(), "Promotion");
  EXPECT_TRUE(sheet.Text1.visible());
  EXPECT_EQ(sheet.Text1.text(), "GCF");
  EXPECT_TRUE(sheet.Text1.hasFocus());
  EXPECT_FALSE(sheet.Combo1.visible());
  EXPECT_FALSE(sheet.HScroll1.visible());
  EXPECT_EQ(sheet.infobox.caption(),
            "If the wrestler is under contract to a promotion, enter the initials of that "
            "promotion eg. SBL. Otherwise, enter Free Agent.");
  EXPECT_TRUE(sheet.Command1.visible());
  EXPECT_TRUE(sheet.Command2.visible());
  EXPECT_FALSE(sheet.MSFlexGrid1.enabled());
  EXPECT_FALSE(sheet.Command3.enabled());
  EXPECT_FALSE(sheet.Command4.enabled());
  sheet.MSFlexGrid1.selectCell(roster_file::gender, 1);  // the grid takes no clicks now
  EXPECT_EQ(sheet.Label1.caption(), "Promotion");
  sheet.Command1.click();
  EXPECT_FALSE(editing());
  EXPECT_TRUE(sheet.MSFlexGrid1.enabled());

  // A role no choice stands for opens empty; the list holds only the row's choices.
  clickValue(roster_file::roles);
  EXPECT_EQ(sheet.Label1.caption(), "Card Position");
  EXPECT_TRUE(sheet.Combo1.visible());
  EXPECT_FALSE(sheet.Text1.visible());
  EXPECT_EQ(sheet.Combo1.text(), "");
  EXPECT_EQ(sheet.Combo1.items(), (Names{"Lower Carder", "Mid Carder", "Upper Carder"}));
  sheet.Command1.click();
  clickValue(roster_file::brand);
  EXPECT_EQ(sheet.Combo1.text(), "Brand 9");
  EXPECT_EQ(sheet.Combo1.items(), (Names{"Brand 1", "Brand 2", "All"}));
  sheet.Command1.click();

  clickValue(roster_file::ent);
  EXPECT_EQ(sheet.Label1.caption(), "Ability Value");
  EXPECT_TRUE(sheet.HScroll1.visible());
  EXPECT_TRUE(sheet.scrollnum.visible());
  EXPECT_EQ(sheet.HScroll1.value(), 70);
  EXPECT_EQ(sheet.scrollnum.caption(), "70");
}

struct ScaleOpening {
  roster_file::Field field;
  const char* cell;
  int bar;
};

TEST_F(StatEditor, AScaleOpensAtItsValueAndItsLabelShowsTheCellUnchanged) {
  const ScaleOpening cases[] = {{roster_file::cond, "Inj", 1},
                                {roster_file::cond, "0", 0},
                                {roster_file::pop, "150", 100},
                                {roster_file::morale, "x", 0},
                                {roster_file::charisma, "-5", 0}};
  for (const ScaleOpening& c : cases) {
    SCOPED_TRACE(c.cell);
    openDax({{c.field, c.cell}, {roster_file::injury, "9"}});
    clickValue(c.field);
    EXPECT_EQ(sheet.HScroll1.value(), c.bar);
    EXPECT_EQ(sheet.scrollnum.caption(), c.cell);
    sheet.Command2.click();  // "OK" without moving the bar keeps the text
    EXPECT_FALSE(editing());
    EXPECT_EQ(stored(c.field), c.cell);
    sheet.Command3.click();
    list.madechanges.setCaption("no");
    list.Command1.click();
  }
}

TEST_F(StatEditor, TheScaleLabelFollowsTheBarAndShowsInjOnlyForCondition) {
  openDax({{roster_file::injury, "12"}});
  clickValue(roster_file::cond);
  sheet.HScroll1.scrollTo(0);
  EXPECT_EQ(sheet.scrollnum.caption(), "Inj");
  sheet.HScroll1.dragTo(55);
  EXPECT_EQ(sheet.scrollnum.caption(), "55");
  sheet.HScroll1.dragTo(0);
  EXPECT_EQ(sheet.scrollnum.caption(), "Inj");
  sheet.Command2.click();
  EXPECT_EQ(stored(roster_file::cond), "Inj");
  EXPECT_EQ(cell(roster_file::cond), "Inj");

  clickValue(roster_file::morale);
  sheet.HScroll1.scrollTo(0);
  EXPECT_EQ(sheet.scrollnum.caption(), "0");
  sheet.Command2.click();
  EXPECT_EQ(stored(roster_file::morale), "0");
}

TEST_F(StatEditor, ContractExpiresHelpGivesTheStartYearAsTheFileHoldsIt) {
  folder.write(rostertest::mainDataFile, rostertest::mainData(" 2004 "));
  openDax();
  clickValue(roster_file::expires);
  EXPECT_EQ(sheet.Label1.caption(), "Contract Expiry Date");
  EXPECT_EQ(editor.form14.Text2.text(), " 2004 ");
  const std::string end = "begins in the year  2004 , so no dates should be before this.";
  const std::string help = sheet.infobox.caption();
  ASSERT_GE(help.size(), end.size());
  EXPECT_EQ(help.substr(help.size() - end.size()), end);
  sheet.Command1.click();

  std::filesystem::remove(folder.path(rostertest::mainDataFile));
  clickValue(roster_file::expires);
  EXPECT_TRUE(sheet.Text1.visible());
  EXPECT_NE(sheet.infobox.caption().find("in the year (unknown), so no dates"), std::string::npos);
  EXPECT_TRUE(desktop.dialogs().empty());
}

// One stat applied through the sheet: the value put into its editor, how it is confirmed, and
// what comes of it.
struct Apply {
  const char* what;
  roster_file::Field field;
  std::string value;
  bool enter;                    // Enter in the editor, else "OK"
  Names messages;                // in order; none when the value is stored
  std::string storedValue = {};  // when stored
  std::string cellValue = {};
  std::vector<std::pair<roster_file::Field, std::string>> before = {};
};

const std::string cardPositionMessage =
    "The Card Position stat must be either Lower Carder, Mid Carder or Upper Carder.";
const std::string theMessage =
    "You can't start the finisher with 'The'! The game automatically adds 'the' to the "
    "commentary.";
const std::string expiryForm =
    "The expiry date must be in the form month then year, eg. January 2004.";
const std::string usedName = "That name is already being used in this database.";

std::vector<Apply> applyCases() {
  using namespace roster_file;
  return {
      {"role typed as its code", roles, "3", true, {cardPositionMessage}},
      {"role chosen", roles, "Upper Carder", true, {}, "3", "Upper Carder"},
      {"finisher type chosen", finishertype, "Submission", false, {}, "s", "Submission"},
      {"gender in lower case",
       gender,
       "male",
       false,
       {"The Gender stat must be either Male or Female."}},
      {"gender", gender, "Female", true, {}, "Female", "Female"},
      {"tag team None", tagteam, "None", false, {}, "no", "no"},
      {"tag team none", tagteam, "none", false, {}, "no", "no"},
      {"tag team NONE", tagteam, "NONE", false, {}, "NONE", "NONE"},
      {"valet No", manager, "No", false, {}, "no", "no"},
      {"stable empty", stable, "", false, {"You can't leave the Stable stat blank."}},
      {"regular promotions none", multiproms, "none", true, {}, "None", "None"},
      {"regular promotions NONE", multiproms, "NONE", true, {}, "NONE", "NONE"},
      {"finisher The Kettle", finisher, "The Kettle", true, {theMessage}},
      {"finisher Thekettle", finisher, "Thekettle", true, {}, "Thekettle", "Thekettle"},
      {"finisher the Kettle", finisher, "the Kettle", true, {}, "the Kettle", "the Kettle"},
      {"finisher The", finisher, "The", true, {}, "The", "The"},
      {"expiry in lower case", expires, "january 2008", true, {expiryForm}},
      {"expiry month alone", expires, "January", true, {expiryForm}},
      {"expiry empty", expires, "", true, {"You can't leave the Contract Expiry Date stat blank."}},
      {"expiry", expires, "January 2008", true, {}, "January 2008", "January 2008"},
      {"expiry month and a blank", expires, "March ", true, {}, "March ", "March "},
      {"wages with words", wages, "1,000 a week", true, {}, "1,000 a week", "1,000 a week"},
      {"status empty", status, "", true, {}, "", ""},
      {"retire empty", retire, "", true, {}, "", ""},
      {"condition Inj while fit",
       cond,
       "Inj",
       false,
       {"Condition stat cannot be 'Inj' if Injury Time is zero."},
       "",
       "",
       {{injury, "0"}, {cond, "Inj"}}},
      {"condition Inj while injured",
       cond,
       "Inj",
       false,
       {},
       "Inj",
       "Inj",
       {{injury, "00"}, {cond, "Inj"}}},
      {"draw value 150 kept", pop, "150", false, {}, "150", "150", {{pop, "150"}}},
      {"full name unchanged", names, "Dax Ravenhurst", true, {usedName}},
      {"full name of another", names, "Other One", true, {usedName}},
      {"short name empty", shortname, "", true, {"You can't leave the Short Name stat blank."}},
      {"ring style",
       ringstyle,
       "high flyer",
       false,
       {"The Ring Style stat must be one of the options in the list."}},
      {"base country", basecountry, "Japan", true, {}, "Japan", "Japan"},
  };
}

TEST_F(StatEditor, EachStatIsAppliedByItsOwnRule) {
  for (const Apply& c : applyCases()) {
    SCOPED_TRACE(c.what);
    desktop.forget();
    openDax(c.before);
    const std::string storedBefore = stored(c.field), cellBefore = cell(c.field);
    clickValue(c.field);
    const stat_table::StatRow& row = stat_table::row(c.field);
    ASSERT_EQ(sheet.Label1.caption(), row.caption);
    switch (row.kind) {
      case stat_table::Kind::Text:
        sheet.Text1.type(c.value);
        break;
      case stat_table::Kind::Choice:
        sheet.Combo1.type(c.value);
        break;
      case stat_table::Kind::Scale:
        ASSERT_EQ(sheet.scrollnum.caption(), c.value) << "a scale is applied as it opened";
        break;
    }
    if (c.enter) {
      if (row.kind == stat_table::Kind::Choice) {
        sheet.Combo1.pressKey(ui::KeyEnter);
      } else {
        sheet.Text1.pressKey(ui::KeyEnter);
      }
    } else {
      sheet.Command2.click();
    }

    EXPECT_EQ(desktop.messageTexts(), c.messages);
    for (const Dialog& dialog : desktop.dialogs()) {
      EXPECT_EQ(dialog.icon, ui::Icon::None);
      EXPECT_EQ(dialog.title, "");
    }
    if (c.messages.empty()) {
      EXPECT_FALSE(editing());
      EXPECT_EQ(sheet.statok, "yes");
      EXPECT_EQ(stored(c.field), c.storedValue);
      EXPECT_EQ(cell(c.field), c.cellValue);
    } else {
      EXPECT_TRUE(editing());
      EXPECT_EQ(sheet.statok, "no");
      EXPECT_EQ(stored(c.field), storedBefore);
      EXPECT_EQ(cell(c.field), cellBefore);
      sheet.Command1.click();  // "Cancel" leaves it as it was
      EXPECT_FALSE(editing());
      EXPECT_EQ(stored(c.field), storedBefore);
    }
    EXPECT_EQ(list.field(c.field).list(0), wrestler("Other One")[c.field]);  // nobody else
    sheet.Command3.click();
    list.madechanges.setCaption("no");
    list.Command1.click();
  }
}

TEST_F(StatEditor, ANewFullNameGoesToTheHeadingTheCellAndTheTable) {
  openDax();
  clickValue(roster_file::names);
  sheet.Text1.type("Dax Ravenhurst Jr");
  sheet.Text1.pressKey('x');  // only Enter applies
  EXPECT_TRUE(editing());
  sheet.Text1.pressKey(ui::KeyEnter);
  EXPECT_FALSE(editing());
  EXPECT_EQ(sheet.Label2.caption(), "Dax Ravenhurst Jr");
  EXPECT_EQ(cell(roster_file::names), "Dax Ravenhurst Jr");
  EXPECT_EQ(list.names.items(), (Names{"Other One", "Dax Ravenhurst Jr"}));
  sheet.Command3.click();
  EXPECT_EQ(column(list.MSFlexGrid1), (Names{"Dax Ravenhurst Jr", "Other One"}));
}

TEST_F(StatEditor, AnEmptyNameThatAnotherHasGivesBothMessagesInOneClick) {
  writeRoster({wrestler(""), wrestler("Twice"), wrestler("Twice"), wrestler("Solo")});
  open();
  pick("Solo");
  clickValue(roster_file::names);
  sheet.Text1.type("");
  sheet.Command2.click();
  EXPECT_EQ(desktop.messageTexts(), (Names{"You can't leave the Full Name stat blank.", usedName}));
  desktop.forget();
  sheet.Text1.type("Twice");
  sheet.Command2.click();
  EXPECT_EQ(desktop.messageTexts(), (Names{usedName, usedName}));
}

TEST_F(StatEditor, AStatOfAWrestlerNoLongerInTheTableIsRefused) {
  openDax();
  clickValue(roster_file::wages);
  sheet.Text1.type("900");
  list.listpos.setCaption("5");
  sheet.Command2.click();
  ASSERT_EQ(desktop.dialogs().size(), 1u);
  EXPECT_NE(desktop.last().text.find("no longer in the roster"), std::string::npos);
  EXPECT_TRUE(editing());
  EXPECT_EQ(list.wages.items(), (Names{"850", "850"}));
  EXPECT_EQ(list.wages.listCount(), 2);
}

}  // namespace
