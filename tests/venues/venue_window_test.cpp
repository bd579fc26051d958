// The venue window, driven as a person would from the hub's "Edit The Venues": the sorted list,
// the country filters, the shown venue, browse and edit modes, the field prompts, "Confirm
// Changes", "Cancel Changes", "Add New", "Delete" and "Back To Menu", and venues.txt after each.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/editor.h"
#include "tests/support/failing_writes.h"
#include "tests/support/game_folder.h"
#include "tests/support/scripted_desktop.h"

namespace {

using Lines = std::vector<std::string>;

const std::string venuesFile = "Data/venues.txt";

// The venue window opened from the hub on a venues.txt of these bytes, in a game folder and an
// editor of its own.
struct FreshWindow {
  explicit FreshWindow(const std::string& bytes) {
    folder.writeBytes(venuesFile, bytes);
    editor.form14.Text1.setText("\\Data\\");
    editor.form14.show();
    editor.form14.Command5.click();  // "Edit The Venues"
  }
  GameFolder folder;
  ScriptedDesktop desktop;
  Editor editor{desktop};
};

Lines venue(const std::string& name, const std::string& country,
            const std::string& exclusive = "None") {
  return {name, "Town of " + name + ", State", "Town of " + name, "5000", country, exclusive};
}

Lines joined(std::initializer_list<Lines> venues) {
  Lines lines;
  for (const Lines& one : venues) lines.insert(lines.end(), one.begin(), one.end());
  return lines;
}

// The three venues, first in the file the one that sorts second.
const Lines harbor = {"Harbor Hall", "Baltimore, Maryland", "Baltimore", "14200", "USA", "None"};
const Lines ashton = {"Ashton Rooms", "Leeds, West Yorkshire", "Leeds", "2200", "UK", "None"};
const Lines kestrel = {"Kestrel Dome", "Sapporo, Hokkaido", "Sapporo", "9000", "Japan", "IKP"};
const Lines threeVenues = joined({harbor, ashton, kestrel});

const std::string noneSelected = "No venue selected!";
const std::string noneToDelete = "No venue has been selected!";
const std::string nameTaken = "There is already a venue in this file with this name.";
const std::string savedOk = "Changes Saved OK.";

std::string deleteQuestion(const std::string& name) {
  return "Are you sure you want to delete the venue ''" + name + "''?";
}

class VenueWindow : public ::testing::Test {
 protected:
  GameFolder folder;
  ScriptedDesktop desktop;
  Editor editor{desktop};
  Form18& form = editor.form18;

  // The hub on the new-game data, then its "Edit The Venues".
  void open(const Lines& lines) {
    folder.write(venuesFile, lines);
    editor.form14.Text1.setText("\\Data\\");
    editor.form14.show();
    editor.form14.Command5.click();
  }

  Lines listed() const { return form.List1.items(); }
  Lines file() const { return folder.read(venuesFile); }

  // The detail labels and the country, as a record's six lines; then the key.
  Lines shown() const {
    return {form.venuename.caption(), form.citystate.caption(), form.cityname.caption(),
            form.capacity.caption(),  form.Combo1.text(),       form.exclusiveto.caption()};
  }
  void expectShown(const Lines& record) {
    EXPECT_EQ(shown(), record);
    EXPECT_EQ(form.hiddenvenue.caption(), record[0]);
  }
  void expectCleared() {
    EXPECT_EQ(shown(), (Lines{"", "", "", "", "Other", ""}));
    EXPECT_EQ(form.hiddenvenue.caption(), "");
  }

  void click(const std::string& entry) {
    const Lines names = listed();
    const auto at = std::find(names.begin(), names.end(), entry);
    ASSERT_NE(at, names.end()) << entry << " is not listed";
    form.List1.choose(static_cast<int>(at - names.begin()));
  }

  // The yellow filter button's caption; "" unless exactly one is yellow and the rest plain.
  std::string activeFilter() const {
    std::string active;
    for (const ui::CommandButton* button :
         {&form.Command6, &form.Command7, &form.Command8, &form.Command9, &form.Command10}) {
      if (button->backColor() == ui::yellow) {
        if (!active.empty()) return "";
        active = button->caption();
      } else if (button->backColor() != ui::buttonFace) {
        return "";
      }
    }
    return active;
  }

  // Browse mode: the list, filters and their buttons on, Confirm, Cancel and the country off.
  bool inMode(bool editing) const {
    for (const ui::Control* control : std::initializer_list<const ui::Control*>{
             &form.Command6, &form.Command7, &form.Command8, &form.Command9, &form.Command10,
             &form.Command4, &form.Command2, &form.Command12, &form.Command3, &form.List1})
      if (control->enabled() == editing) return false;
    for (const ui::Control* control :
         std::initializer_list<const ui::Control*>{&form.Command1, &form.Command11, &form.Combo1})
      if (control->enabled() != editing) return false;
    return true;
  }

  // Each OK-only box answered; the caller queues any Yes/No and prompt answers.
  void edit(ui::Label& field, const std::string& answer) {
    desktop.reply(answer);
    field.click();
  }
  void chooseCountry(const std::string& country) {
    const auto& items = form.Combo1.items();
    form.Combo1.choose(
        static_cast<int>(std::find(items.begin(), items.end(), country) - items.begin()));
  }
};

// --- loading --------------------------------------------------------------------------------

TEST_F(VenueWindow, LoadListsTheNamesSortedAndShowsTheFilesFirstVenueInBrowseMode) {
  open(threeVenues);

  EXPECT_TRUE(desktop.dialogs().empty());
  EXPECT_TRUE(form.visible());
  EXPECT_FALSE(editor.form14.visible());
  EXPECT_EQ(listed(), (Lines{"Ashton Rooms", "Harbor Hall", "Kestrel Dome"}));
  EXPECT_EQ(form.Label13.caption(), "3");
  EXPECT_EQ(form.List1.listIndex(), -1);
  expectShown(harbor);
  EXPECT_EQ(activeFilter(), "Show All");
  EXPECT_TRUE(inMode(false));
  EXPECT_EQ(form.List2.items(), threeVenues);
  // The hidden grid holds the listed names, and nothing else.
  ASSERT_EQ(form.MSFlexGrid1.rows(), 3);
  EXPECT_EQ(form.MSFlexGrid1.cols(), 1);
  EXPECT_EQ(form.MSFlexGrid1.fixedRows(), 0);
  for (int row = 0; row < 3; ++row) EXPECT_EQ(form.MSFlexGrid1.textMatrix(row, 0), listed()[row]);
}

TEST_F(VenueWindow, LoadShowsTheFirstVenueOfTheFileAndShowAllTheFirstOfTheList) {
  const Lines zebra = venue("Zebra Hall", "USA"), alpha = venue("Alpha Dome", "UK");
  open(joined({zebra, alpha}));
  EXPECT_EQ(listed(), (Lines{"Alpha Dome", "Zebra Hall"}));
  EXPECT_EQ(form.Label13.caption(), "2");
  expectShown(zebra);

  form.Command6.click();
  expectShown(alpha);
  EXPECT_EQ(form.List1.listIndex(), -1);
}

TEST_F(VenueWindow, UnusualFilesLoad) {
  struct Case {
    const char* what;
    std::string bytes;
    Lines listed, shown, hidden;
    std::size_t told;  // message boxes at load
  };
  const Case cases[] = {
      {"an empty file", "", {}, {"", "", "", "", "Other", ""}, {}, 0},
      {"eight lines: the second venue is cut short, and the user is told",
       "Bay Arena\r\nTampa, Florida\r\nTampa\r\n900\r\nUSA\r\nNone\r\nCut Hall\r\nAkron, Ohio",
       {"Bay Arena", "Cut Hall"},
       {"Cut Hall", "Akron, Ohio", "", "", "Other", ""},
       {"Bay Arena", "Tampa, Florida", "Tampa", "900", "USA", "None", "Cut Hall", "Akron, Ohio", "",
        "", "", ""},
       1},
      {"a first venue without a name is shown but never listed",
       "\r\nNowhere\r\nNo\r\n1\r\nUK\r\nNone\r\nBay Arena\r\nT\r\nT\r\n9\r\nUSA\r\nNone\r\n",
       {"Bay Arena"},
       {"", "Nowhere", "No", "1", "UK", "None"},
       {"", "Nowhere", "No", "1", "UK", "None", "Bay Arena", "T", "T", "9", "USA", "None"},
       0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    FreshWindow fresh(c.bytes);  // each case in a fresh folder and window
    ScriptedDesktop& caseDesktop = fresh.desktop;
    Form18& f = fresh.editor.form18;
    EXPECT_EQ(caseDesktop.dialogs().size(), c.told);
    caseDesktop.forget();

    EXPECT_TRUE(f.visible());
    EXPECT_EQ(f.List1.items(), c.listed);
    EXPECT_EQ(f.Label13.caption(), std::to_string(c.listed.size()));
    if (c.what == cases[1].what) f.List1.choose(1);
    EXPECT_EQ((Lines{f.venuename.caption(), f.citystate.caption(), f.cityname.caption(),
                     f.capacity.caption(), f.Combo1.text(), f.exclusiveto.caption()}),
              c.shown);
    EXPECT_EQ(f.List2.items(), c.hidden);
    if (c.shown[0].empty()) {
      // No venue counts as shown.
      EXPECT_EQ(f.hiddenvenue.caption(), "");
      f.Command12.click();
      f.Command3.click();
      EXPECT_EQ(caseDesktop.messageTexts(), (Lines{noneSelected, noneToDelete}));
      EXPECT_TRUE(inMode(false));
    } else {
      EXPECT_TRUE(caseDesktop.dialogs().empty());
    }
  }
}

TEST_F(VenueWindow, AFileThatCannotBeReadIsReportedAndTheHubStaysWithTheWindowAsItWas) {
  // Never opened: the window stays hidden and empty.
  editor.form14.Text1.setText("\\Data\\");
  editor.form14.show();
  editor.form14.Command5.click();
  ASSERT_EQ(desktop.dialogs().size(), 1u);
  EXPECT_EQ(desktop.last().text.rfind("The venues can't be edited.\r\n\r\n", 0), 0u);
  EXPECT_NE(desktop.last().text.find("venues.txt"), std::string::npos) << desktop.last().text;
  EXPECT_EQ(desktop.last().icon, ui::Icon::Exclamation);
  EXPECT_TRUE(editor.form14.visible());
  EXPECT_FALSE(form.visible());

  // Opened once, then the file gives way to a folder: the last visit's venues stay.
  desktop.forget();
  open(threeVenues);
  form.Command9.click();
  form.Command4.click();
  std::filesystem::remove(folder.path(venuesFile));
  folder.makeFolder(venuesFile);
  editor.form14.Command5.click();
  ASSERT_EQ(desktop.messageTexts().size(), 1u);
  EXPECT_TRUE(editor.form14.visible());
  EXPECT_FALSE(form.visible());
  EXPECT_EQ(form.List2.items(), threeVenues);
  EXPECT_EQ(listed(), Lines{"Kestrel Dome"});
}

TEST_F(VenueWindow, BackToMenuKeepsTheWindowAndEveryVisitReloadsWithShowAll) {
  open(threeVenues);
  form.Command8.click();
  expectShown(ashton);
  form.Command4.click();
  EXPECT_TRUE(editor.form14.visible());
  EXPECT_FALSE(form.visible());
  EXPECT_EQ(activeFilter(), "UK Only");  // nothing changes while away

  const Lines lakeview = venue("Lakeview Forum", "Other");
  folder.write(venuesFile, joined({kestrel, lakeview}));
  editor.form14.Command5.click();
  EXPECT_TRUE(form.visible());
  EXPECT_EQ(activeFilter(), "Show All");
  EXPECT_EQ(listed(), (Lines{"Kestrel Dome", "Lakeview Forum"}));
  expectShown(kestrel);
  EXPECT_TRUE(desktop.dialogs().empty());
}

// --- the filters ----------------------------------------------------------------------------

TEST_F(VenueWindow, EachFilterListsItsCountrySortedAndShowsItsFirstVenue) {
  const Lines usaLower = venue("Lowercase Arena", "usa"), mexico = venue("Arena Sol", "Mexico"),
              blank = venue("Blank Country Hall", ""), other = venue("Nordpark Halle", "Other"),
              dallas = venue("Dallas Dome", "USA");
  open(joined({harbor, usaLower, ashton, mexico, kestrel, blank, other, dallas}));
  struct Case {
    ui::CommandButton Form18::*button;
    Lines listed;
    Lines shown;
  };
  const Case cases[] = {
      {&Form18::Command7, {"Dallas Dome", "Harbor Hall"}, dallas},
      {&Form18::Command8, {"Ashton Rooms"}, ashton},
      {&Form18::Command9, {"Kestrel Dome"}, kestrel},
      {&Form18::Command10, {"Nordpark Halle"}, other},
      {&Form18::Command6,
       {"Arena Sol", "Ashton Rooms", "Blank Country Hall", "Dallas Dome", "Harbor Hall",
        "Kestrel Dome", "Lowercase Arena", "Nordpark Halle"},
       {"Arena Sol", "Town of Arena Sol, State", "Town of Arena Sol", "5000", "Other", "None"}},
  };
  for (const Case& c : cases) {
    ui::CommandButton& button = form.*(c.button);
    SCOPED_TRACE(button.caption());
    button.click();
    EXPECT_EQ(activeFilter(), button.caption());
    EXPECT_EQ(listed(), c.listed);
    EXPECT_EQ(form.Label13.caption(), std::to_string(c.listed.size()));
    expectShown(c.shown);
    EXPECT_EQ(form.List1.listIndex(), -1);
    EXPECT_TRUE(inMode(false));
  }
  // Shown as "Other", stored as it was.
  click("Lowercase Arena");
  EXPECT_EQ(form.Combo1.text(), "Other");
  EXPECT_EQ(form.List2.list(10), "usa");
  EXPECT_TRUE(desktop.dialogs().empty());
}

TEST_F(VenueWindow, AFilterThatListsNothingClearsTheShownVenueSoEditAndDeleteRefuse) {
  open(threeVenues);
  form.Command10.click();
  EXPECT_TRUE(listed().empty());
  EXPECT_EQ(form.Label13.caption(), "0");
  EXPECT_EQ(form.MSFlexGrid1.rows(), 0);
  expectCleared();

  form.Command12.click();
  form.Command3.click();
  EXPECT_EQ(desktop.messageTexts(), (Lines{noneSelected, noneToDelete}));
  EXPECT_TRUE(inMode(false));
  EXPECT_EQ(file(), threeVenues);
}

TEST_F(VenueWindow, AClickShowsTheVenueAndTheActiveFilterRebuiltShowsItsFirstAgain) {
  open(threeVenues);
  click("Kestrel Dome");
  expectShown(kestrel);
  EXPECT_EQ(form.List1.text(), "Kestrel Dome");

  form.Command6.click();
  expectShown(ashton);
  EXPECT_EQ(form.List1.listIndex(), -1);

  // sortlists rebuilds the active filter's list and count and leaves the shown venue.
  form.Command8.click();
  click("Ashton Rooms");
  form.List2.setList(16, "UK");  // Kestrel Dome moves to the UK behind the list's back
  form.sortlists();
  EXPECT_EQ(listed(), (Lines{"Ashton Rooms", "Kestrel Dome"}));
  EXPECT_EQ(form.Label13.caption(), "2");
  expectShown(ashton);
  EXPECT_EQ(activeFilter(), "UK Only");
}

TEST_F(VenueWindow, TwoVenuesOfOneNameAreListedTwiceAndTheLaterIsShown) {
  const Lines first = venue("Twin Hall", "USA"), later = venue("Twin Hall", "UK");
  open(joined({first, harbor, later}));
  EXPECT_EQ(listed(), (Lines{"Harbor Hall", "Twin Hall", "Twin Hall"}));
  EXPECT_EQ(form.Label13.caption(), "3");
  form.List1.choose(1);
  expectShown(later);
  form.List1.choose(2);
  expectShown(later);
}

// --- editing --------------------------------------------------------------------------------

TEST_F(VenueWindow, TheValuesTakeNoClickWhileBrowsing) {
  open(threeVenues);
  for (ui::Label* field :
       {&form.venuename, &form.citystate, &form.cityname, &form.capacity, &form.exclusiveto})
    field->click();
  EXPECT_TRUE(desktop.dialogs().empty());
  expectShown(harbor);
}

TEST_F(VenueWindow, EditLocksTheListAndFiltersUntilConfirmOrCancel) {
  open(threeVenues);
  form.Command12.click();
  EXPECT_TRUE(inMode(true));
  expectShown(harbor);
  // A person can reach nothing else of the window now.
  form.Command9.click();
  form.List1.choose(0);
  form.Command4.click();
  EXPECT_EQ(activeFilter(), "Show All");
  expectShown(harbor);
  EXPECT_TRUE(form.visible());

  form.Command11.click();
  EXPECT_TRUE(inMode(false));
  form.Command12.click();
  form.Command1.click();
  EXPECT_TRUE(inMode(false));
  EXPECT_EQ(desktop.messageTexts(), Lines{savedOk});
  EXPECT_EQ(file(), threeVenues);
}

TEST_F(VenueWindow, TheFieldPromptsAskWithTheirTextsAndTheShownValue) {
  open(threeVenues);
  form.Command12.click();
  struct Case {
    ui::Label Form18::*field;
    std::string text, title, answer, becomes;
  };
  const Case cases[] = {
      {&Form18::venuename, "Please enter the name of this venue.", "Venue Name", "Harbour Hall",
       "Harbour Hall"},
      {&Form18::citystate, "Please enter the city and state where this venue is located.",
       "City & State", "Annapolis, Maryland", "Annapolis, Maryland"},
      {&Form18::cityname, "Please enter just the city name where this venue is located.",
       "City Name", "Annapolis", "Annapolis"},
      {&Form18::capacity, "Please enter the capacity of this venue.", "Capacity", "1,500", "1"},
      {&Form18::exclusiveto,
       "Please enter the initials of a promotion this venue is exclusive to, or enter 'None'.",
       "Venue Exclusive To Promotion?", "GCF", "GCF"},
  };
  for (const Case& c : cases) {
    ui::Label& field = form.*(c.field);
    SCOPED_TRACE(c.title);
    const std::string before = field.caption();
    // Cancel (an empty answer) keeps the value.
    edit(field, "");
    EXPECT_EQ(field.caption(), before);
    edit(field, c.answer);
    ASSERT_EQ(desktop.dialogs().size(), 2u);
    const Dialog& prompt = desktop.last();
    EXPECT_EQ(prompt.kind, Dialog::Kind::Prompt);
    EXPECT_EQ(prompt.text, c.text);
    EXPECT_EQ(prompt.title, c.title);
    EXPECT_EQ(prompt.defaultAnswer, before);
    EXPECT_EQ(field.caption(), c.becomes);
    desktop.forget();
  }
  // The prompts change only the labels.
  EXPECT_EQ(form.List2.items(), threeVenues);
  EXPECT_EQ(file(), threeVenues);
  EXPECT_EQ(form.hiddenvenue.caption(), "Harbor Hall");
}

TEST_F(VenueWindow, ACapacityWithoutANumberOrOfZeroBecomesAThousand) {
  open(threeVenues);
  form.Command12.click();
  const std::pair<std::string, std::string> cases[] = {
      {"0", "1000"}, {"no idea", "1000"}, {"1,500", "1"}, {"12.5", "12.5"}, {" 2500", "2500"}};
  for (const auto& [typed, stored] : cases) {
    edit(form.capacity, typed);
    EXPECT_EQ(form.capacity.caption(), stored) << typed;
  }
}

TEST_F(VenueWindow, ANameAnyVenueBearsIsRefusedAndANewOneIsWrittenInPlace) {
  open(threeVenues);
  form.Command9.click();  // Japan Only: Kestrel Dome
  form.Command6.click();  // Show All: Ashton Rooms
  form.Command12.click();
  for (const std::string taken : {"Ashton Rooms", "Kestrel Dome"}) {
    edit(form.venuename, taken);
    EXPECT_EQ(desktop.last().text, nameTaken);
    EXPECT_EQ(desktop.last().buttons, ui::Buttons::Ok);
    EXPECT_EQ(desktop.last().title, "");
    EXPECT_EQ(form.venuename.caption(), "Ashton Rooms");
    EXPECT_FALSE(form.uniqueName);
  }
  desktop.forget();
  edit(form.venuename, "ashton rooms");  // another case is another name
  EXPECT_EQ(desktop.dialogs().size(), 1u);
  edit(form.venuename, "Zenith Rooms");
  EXPECT_TRUE(form.uniqueName);
  form.Command1.click();

  EXPECT_EQ(desktop.last().text, savedOk);
  EXPECT_TRUE(inMode(false));
  // Stays where it stood, unsorted.
  EXPECT_EQ(listed(), (Lines{"Zenith Rooms", "Harbor Hall", "Kestrel Dome"}));
  EXPECT_EQ(form.hiddenvenue.caption(), "Zenith Rooms");
  Lines renamed = ashton;
  renamed[0] = "Zenith Rooms";
  EXPECT_EQ(file(), joined({harbor, renamed, kestrel}));
  EXPECT_EQ(form.List2.items(), file());
}

TEST_F(VenueWindow, ConfirmStoresEveryFieldAndTheCountry) {
  open(threeVenues);
  form.Command12.click();
  edit(form.citystate, "Annapolis, Maryland");
  edit(form.cityname, "Annapolis");
  edit(form.capacity, "0");
  edit(form.exclusiveto, "GCF");
  chooseCountry("Other");
  form.Command1.click();

  const Lines stored = {"Harbor Hall", "Annapolis, Maryland", "Annapolis", "1000", "Other", "GCF"};
  EXPECT_EQ(file(), joined({stored, ashton, kestrel}));
  expectShown(stored);
  EXPECT_EQ(form.hiddencountry.caption(), "USA");
  // Under "Show All" the list stays as it was.
  EXPECT_EQ(listed(), (Lines{"Ashton Rooms", "Harbor Hall", "Kestrel Dome"}));
  EXPECT_EQ(activeFilter(), "Show All");
  EXPECT_EQ(desktop.messageTexts(), Lines{savedOk});
}

TEST_F(VenueWindow, ACountryChangedUnderACountryFilterTakesTheFilterAlong) {
  const Lines osaka = venue("Osaka Hall", "Japan");
  open(joined({harbor, ashton, kestrel, osaka, venue("Dallas Dome", "USA")}));
  form.Command7.click();
  click("Harbor Hall");
  form.Command12.click();
  chooseCountry("Japan");
  form.Command1.click();

  EXPECT_EQ(activeFilter(), "Japan Only");
  EXPECT_EQ(listed(), (Lines{"Harbor Hall", "Kestrel Dome", "Osaka Hall"}));
  EXPECT_EQ(form.Label13.caption(), "3");
  EXPECT_EQ(form.List1.text(), "Harbor Hall");
  Lines moved = harbor;
  moved[4] = "Japan";
  expectShown(moved);
  EXPECT_EQ(form.List2.items(), file());
  EXPECT_EQ(file()[4], "Japan");
  EXPECT_TRUE(inMode(false));

  // A new name under a filter keeps its place too.
  form.Command12.click();
  edit(form.venuename, "Aaron Arena");
  form.Command1.click();
  EXPECT_EQ(listed(), (Lines{"Aaron Arena", "Kestrel Dome", "Osaka Hall"}));
}

TEST_F(VenueWindow, CancelShowsTheStoredVenueAgainAndAStrangeCountryAsOther) {
  const Lines mexico = venue("Arena Sol", "Mexico");
  open(joined({mexico, harbor}));
  form.Command12.click();
  edit(form.venuename, "Arena Luna");
  edit(form.capacity, "12");
  chooseCountry("Japan");
  form.Command11.click();

  EXPECT_TRUE(inMode(false));
  Lines asShown = mexico;
  asShown[4] = "Other";
  expectShown(asShown);
  EXPECT_EQ(file(), joined({mexico, harbor}));

  // Confirmed as it is shown, the country is stored as "Other".
  form.Command12.click();
  form.Command1.click();
  EXPECT_EQ(file(), joined({asShown, harbor}));
}

TEST_F(VenueWindow, AddNewSwitchesToShowAllAndStoresTheFirstFreeDefaultVenueAtOnce) {
  const Lines def = venue("Default Venue", "USA"), def1 = venue("Default Venue 1", "UK");
  open(joined({def, ashton, def1}));
  form.Command8.click();
  form.Command2.click();

  EXPECT_EQ(activeFilter(), "Show All");
  const Lines added = {"Default Venue 2", "Miami, Florida", "Florida", "1000", "USA", "None"};
  EXPECT_EQ(file(), joined({def, ashton, def1, added}));
  EXPECT_EQ(form.List2.items(), file());
  EXPECT_EQ(listed(),
            (Lines{"Ashton Rooms", "Default Venue", "Default Venue 1", "Default Venue 2"}));
  EXPECT_EQ(form.Label13.caption(), "4");
  EXPECT_EQ(form.List1.text(), "Default Venue 2");
  expectShown(added);
  EXPECT_TRUE(inMode(true));
  EXPECT_TRUE(desktop.dialogs().empty());

  // Cancelled, it stays with its default values.
  form.Command11.click();
  EXPECT_EQ(file(), joined({def, ashton, def1, added}));
}

TEST_F(VenueWindow, AFileCutInsideAVenueIsMadeWholeAtLoadSoAddNewStartsOnANameLine) {
  const std::string two =
      "Bay Arena\r\nTampa, Florida\r\nTampa\r\n900\r\nUSA\r\nNone\r\n"
      "Oak Hall\r\nReno, Nevada\r\nReno\r\n800\r\nUSA\r\nNone\r\n";
  const Lines twoLines = {"Bay Arena", "Tampa, Florida", "Tampa", "900", "USA", "None",
                          "Oak Hall",  "Reno, Nevada",   "Reno",  "800", "USA", "None"};
  const Lines added = {"Default Venue", "Miami, Florida", "Florida", "1000", "USA", "None"};
  struct Case {
    const char* what;
    std::string bytes;
    std::string told;  // the end of the message at load, "" for none
    Lines saved;       // the file after "Add New"
  };
  const Case cases[] = {
      {"a stray empty line after the last venue is dropped", two + "\r\n", "",
       joined({twoLines, added})},
      {"five empty lines after the last venue are dropped", two + "\r\n\r\n\r\n\r\n\r\n", "",
       joined({twoLines, added})},
      {"a last venue of three lines gets three more", "Cut Hall\r\nAkron, Ohio\r\nAkron",
       " ends part of the way through a venue's record. 3 empty lines were added to complete the "
       "last venue.",
       joined({{"Cut Hall", "Akron, Ohio", "Akron", "", "", ""}, added})},
      {"a last venue of five lines, the last four empty, gets one more",
       two + "Pit\r\n\r\n\r\n\r\n\r\n",
       " ends part of the way through a venue's record. 1 empty line was added to complete the "
       "last venue.",
       joined({twoLines, {"Pit", "", "", "", "", ""}, added})},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    FreshWindow fresh(c.bytes);  // each case in a fresh folder and window
    GameFolder& other = fresh.folder;
    ScriptedDesktop& caseDesktop = fresh.desktop;
    Form18& f = fresh.editor.form18;
    ASSERT_TRUE(f.visible());
    if (c.told.empty()) {
      EXPECT_TRUE(caseDesktop.dialogs().empty());
    } else {
      ASSERT_EQ(caseDesktop.dialogs().size(), 1u);
      EXPECT_EQ(caseDesktop.last().text, "\"" + other.path(venuesFile).string() + "\"" + c.told);
      EXPECT_EQ(caseDesktop.last().icon, ui::Icon::Exclamation);
    }

    f.Command2.click();  // "Add New"
    EXPECT_EQ(other.read(venuesFile), c.saved);
    EXPECT_EQ(f.List2.items(), c.saved);
  }
}

TEST_F(VenueWindow, DeleteAsksAndNoChangesNothing) {
  open(threeVenues);
  desktop.answerNo();
  form.Command3.click();
  ASSERT_EQ(desktop.dialogs().size(), 2u);
  const Dialog& question = desktop.dialogs()[0];
  EXPECT_EQ(question.text, deleteQuestion("Harbor Hall"));
  EXPECT_EQ(question.buttons, ui::Buttons::YesNo);
  EXPECT_EQ(question.title, "");
  EXPECT_EQ(desktop.last().text, "Delete cancelled.");
  EXPECT_EQ(file(), threeVenues);
  expectShown(harbor);
}

TEST_F(VenueWindow, DeleteYesRewritesTheFileWithoutTheVenueAndReappliesTheFilter) {
  // Other venues whose city line is "Florida" stay.
  const Lines florida = {"Florida", "Miami, Florida", "Miami", "3000", "USA", "None"};
  const Lines tampa = {"Tampa Bay Hall", "Tampa, Florida", "Florida", "4000", "USA", "Florida"};
  open(joined({tampa, florida, harbor, ashton}));
  form.Command7.click();
  click("Florida");
  desktop.answerYes();
  form.Command3.click();

  EXPECT_EQ(desktop.messageTexts(), Lines{deleteQuestion("Florida")});
  EXPECT_EQ(file(), joined({tampa, harbor, ashton}));
  EXPECT_EQ(form.List2.items(), file());
  EXPECT_EQ(activeFilter(), "USA Only");
  EXPECT_EQ(listed(), (Lines{"Harbor Hall", "Tampa Bay Hall"}));
  EXPECT_EQ(form.Label13.caption(), "2");
  expectShown(harbor);

  // The last venue of a country: nothing listed, nothing shown.
  form.Command8.click();
  desktop.answerYes();
  form.Command3.click();
  EXPECT_EQ(file(), joined({tampa, harbor}));
  EXPECT_TRUE(listed().empty());
  EXPECT_EQ(form.Label13.caption(), "0");
  expectCleared();
}

// --- two venues of one name (from a file written elsewhere) ------------------------------------

TEST_F(VenueWindow, WithTwoVenuesOfOneNameConfirmActsOnTheShownOneOnly) {
  const Lines first = venue("Twin Hall", "USA"), later = venue("Twin Hall", "UK");
  open(joined({first, harbor, later}));
  click("Twin Hall");
  expectShown(later);
  form.Command12.click();
  edit(form.venuename, "Single Hall");
  edit(form.capacity, "700");
  form.Command1.click();

  Lines renamed = later;
  renamed[0] = "Single Hall";
  renamed[3] = "700";
  EXPECT_EQ(file(), joined({first, harbor, renamed}));
  // Only that venue's entry takes the new name; the other keeps its own.
  EXPECT_EQ(listed(), (Lines{"Harbor Hall", "Twin Hall", "Single Hall"}));
  click("Twin Hall");
  expectShown(first);
}

TEST_F(VenueWindow, WithTwoVenuesOfOneNameDeleteRemovesTheShownOneOnly) {
  const Lines first = venue("Twin Hall", "USA"), later = venue("Twin Hall", "UK");
  open(joined({first, harbor, later}));
  click("Twin Hall");
  desktop.answerYes();
  form.Command3.click();
  EXPECT_EQ(file(), joined({first, harbor}));
  EXPECT_EQ(listed(), (Lines{"Harbor Hall", "Twin Hall"}));

  // The file's first venue shown after loading is the one deleted.
  form.Command4.click();
  folder.write(venuesFile, joined({first, harbor, later}));
  editor.form14.Command5.click();
  expectShown(first);
  desktop.answerYes();
  form.Command3.click();
  EXPECT_EQ(file(), joined({harbor, later}));
}

// --- a rewrite that fails ---------------------------------------------------------------------

class VenueWindowFailedWrite : public VenueWindow {
 protected:
  // Runs the action while the venues file can't be rewritten; expects one critical report.
  void failing(const std::function<void()>& action) {
    const std::string before = folder.bytes(venuesFile);
    {
      FailingWrites writes(8, folder.path(venuesFile));
      if (!writes.ok()) GTEST_SKIP() << writes.why();
      action();
    }
    const Lines texts = desktop.messageTexts();
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(texts.back().rfind("The venues could not be saved.\r\n\r\n", 0), 0u) << texts.back();
    EXPECT_EQ(desktop.last().icon, ui::Icon::Critical);
    EXPECT_EQ(std::count(texts.begin(), texts.end(), savedOk), 0);
    EXPECT_EQ(folder.bytes(venuesFile), before);
    EXPECT_EQ(folder.entries("Data"), Lines{"venues.txt"});
    EXPECT_EQ(form.List2.items(), file());
    desktop.forget();
  }
};

TEST_F(VenueWindowFailedWrite, ConfirmKeepsTheEditOpenWithWhatWasTyped) {
  open(threeVenues);
  form.Command7.click();
  form.Command12.click();
  edit(form.venuename, "Harbour Hall");
  chooseCountry("UK");
  failing([&] { form.Command1.click(); });

  EXPECT_TRUE(inMode(true));
  EXPECT_EQ(form.venuename.caption(), "Harbour Hall");
  EXPECT_EQ(form.Combo1.text(), "UK");
  EXPECT_EQ(form.hiddenvenue.caption(), "Harbor Hall");
  EXPECT_EQ(listed(), Lines{"Harbor Hall"});
  EXPECT_EQ(activeFilter(), "USA Only");

  // Another try once the disk has room.
  form.Command1.click();
  EXPECT_EQ(desktop.messageTexts(), Lines{savedOk});
  EXPECT_EQ(file()[0], "Harbour Hall");
  EXPECT_EQ(activeFilter(), "UK Only");
}

TEST_F(VenueWindowFailedWrite, AddNewAddsNothing) {
  open(threeVenues);
  failing([&] { form.Command2.click(); });
  EXPECT_EQ(form.List2.items(), threeVenues);
  EXPECT_EQ(listed(), (Lines{"Ashton Rooms", "Harbor Hall", "Kestrel Dome"}));
  EXPECT_TRUE(inMode(false));
  EXPECT_EQ(form.hiddenvenue.caption(), form.venuename.caption());
}

TEST_F(VenueWindowFailedWrite, DeleteKeepsTheVenue) {
  open(threeVenues);
  desktop.answerYes();
  failing([&] { form.Command3.click(); });
  EXPECT_EQ(form.List2.items(), threeVenues);
  EXPECT_EQ(listed().size(), 3u);
  expectShown(harbor);
}

// --- the window -----------------------------------------------------------------------------

TEST_F(VenueWindow, LaysOutTheFiltersTheListAndTheShownVenueInsideTheWindow) {
  EXPECT_EQ(form.caption(), "Vorlune 1.3 Duvazari Editor");
  EXPECT_EQ(form.Label1.caption(), "Editing Venues");
  const std::vector<std::pair<const ui::CommandButton*, std::string>> buttons = {
      {&form.Command6, "Show All"},        {&form.Command7, "USA Only"},
      {&form.Command8, "UK Only"},         {&form.Command9, "Japan Only"},
      {&form.Command10, "Other Only"},     {&form.Command2, "Add New"},
      {&form.Command12, "Edit"},           {&form.Command3, "Delete"},
      {&form.Command1, "Confirm Changes"}, {&form.Command11, "Cancel Changes"},
      {&form.Command4, "Back To Menu"}};
  for (const auto& [button, caption] : buttons) EXPECT_EQ(button->caption(), caption);
  EXPECT_EQ(form.Label12.caption(), "Total Showing");
  EXPECT_EQ(form.Combo1.items(), (Lines{"USA", "UK", "Japan", "Other"}));
  EXPECT_FALSE(form.Combo1.editable());
  EXPECT_EQ(activeFilter(), "Show All");  // from the start

  // Captions white on navy, values black on white, each with a border.
  const std::pair<const ui::Label*, const ui::Control*> rows[] = {
      {&form.Label2, &form.venuename}, {&form.Label3, &form.citystate},
      {&form.Label4, &form.cityname},  {&form.Label5, &form.capacity},
      {&form.Label6, &form.Combo1},    {&form.Label7, &form.exclusiveto}};
  const char* captions[] = {"Venue Name", "City & State", "City Only",
                            "Capacity",   "Country",      "Exclusive To"};
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    const auto& [caption, value] = rows[i];
    EXPECT_EQ(caption->caption(), captions[i]);
    EXPECT_EQ(caption->backColor(), ui::navy);
    EXPECT_EQ(caption->foreColor(), ui::white);
    EXPECT_EQ(value->top(), caption->top());
    EXPECT_GT(value->left(), caption->left());
    if (i > 0) {
      EXPECT_GT(caption->top(), rows[i - 1].first->top());
    }
    if (value != &form.Combo1) {
      EXPECT_EQ(value->backColor(), ui::white);
      EXPECT_TRUE(value->border() && value->bold());
      EXPECT_EQ(value->alignment(), ui::Align::Center);
    }
  }

  for (const ui::Control* hidden : std::initializer_list<const ui::Control*>{
           &form.List2, &form.MSFlexGrid1, &form.hiddenvenue, &form.hiddencountry})
    EXPECT_FALSE(hidden->visible()) << hidden->name();

  // Every control that shows lies inside the window, clear of the others but its frame.
  std::vector<const ui::Control*> placed;
  for (const ui::Control* control : form.controls()) {
    if (!control->visible()) continue;
    EXPECT_GE(control->left(), 0) << control->name();
    EXPECT_GE(control->top(), 0) << control->name();
    EXPECT_LE(control->left() + control->width(), form.width()) << control->name();
    EXPECT_LE(control->top() + control->height(), form.height()) << control->name();
    if (dynamic_cast<const ui::Shape*>(control)) continue;
    for (const ui::Control* other : placed) {
      const bool apart = control->left() >= other->left() + other->width() ||
                         other->left() >= control->left() + control->width() ||
                         control->top() >= other->top() + other->height() ||
                         other->top() >= control->top() + control->height();
      EXPECT_TRUE(apart) << control->name() << " overlaps " << other->name();
    }
    placed.push_back(control);
  }
  // The list and its buttons in the left frame, the venue in the right one.
  for (const ui::Control* inside : std::initializer_list<const ui::Control*>{
           &form.List1, &form.Command2, &form.Command12, &form.Command3})
    EXPECT_LT(inside->left() + inside->width(), form.Frame2.left()) << inside->name();
  for (const ui::Control* inside : std::initializer_list<const ui::Control*>{
           &form.Label2, &form.exclusiveto, &form.Command1, &form.Command11})
    EXPECT_GE(inside->left(), form.Frame2.left()) << inside->name();
}

}  // namespace
