#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "common/random.h"
#include "roster/roster_file.h"
#include "ui/ui.h"

class Editor;

// The wrestler list: the roster, sorted, filtered and searched, with bulk changes and saving.
class Form12 : public ui::Form {
 public:
  explicit Form12(Editor& editor);

  // --- Visible controls ------------------------------------------------------------------
  ui::Label Label2{*this, "Label2"};              // "Database Total"
  ui::Label totalnum{*this, "totalnum"};          // the number of wrestlers
  ui::CommandButton Command5{*this, "Command5"};  // "Sort: Name"
  ui::CommandButton Command6{*this, "Command6"};  // "Sort: Promotion"
  ui::CommandButton Command7{*this, "Command7"};  // "Show All"
  ui::CommandButton Command8{*this, "Command8"};  // "Show Injured"
  ui::Label Label3{*this, "Label3"};              // "Search For:"
  ui::TextBox Text1{*this, "Text1"};              // the search box
  ui::Grid MSFlexGrid1{*this, "MSFlexGrid1"};     // "Wrestler Name", "Promotion"
  ui::Shape Shape1{*this, "Shape1"};              // frames the options below the grid
  ui::Label Label1{*this, "Label1"};              // "Click on a name to edit or choose ..."
  ui::CommandButton Command4{*this, "Command4"};  // "Save Changes"
  ui::CommandButton Command2{*this, "Command2"};  // "Create New Wrestler"
  ui::CommandButton Command3{*this, "Command3"};  // "Create Auto Expiry Dates"
  ui::CommandButton Command9{*this, "Command9"};  // "Export This Roster Into Another Roster File"
  // Export all wrestlers of one promotion to a new file.
  ui::Label Label6{*this, "Label6"};
  ui::TextBox Text4{*this, "Text4"};
  ui::Label Label7{*this, "Label7"};
  ui::TextBox Text5{*this, "Text5"};
  ui::CommandButton Command11{*this, "Command11"};
  // Change all promotions called ... to promotion ...
  ui::Label Label4{*this, "Label4"};
  ui::TextBox Text2{*this, "Text2"};
  ui::Label Label5{*this, "Label5"};
  ui::TextBox Text3{*this, "Text3"};
  ui::CommandButton Command10{*this, "Command10"};
  // Delete all wrestlers who have the promotion ...
  ui::Label Label8{*this, "Label8"};
  ui::TextBox Text6{*this, "Text6"};
  ui::CommandButton Command12{*this, "Command12"};
  ui::CommandButton Command1{*this, "Command1"};  // "Done"

  // --- The wrestler table: one hidden list per field, entry i of each is wrestler i --------
  ui::ListBox names{*this, "names"}, shortname{*this, "shortname"}, promotion{*this, "promotion"},
      brand{*this, "brand"}, gender{*this, "gender"}, pop{*this, "pop"}, ent{*this, "ent"},
      desc{*this, "desc"}, expires{*this, "expires"}, wages{*this, "wages"},
      indybookings{*this, "indybookings"}, bookingfee{*this, "bookingfee"},
      multiproms{*this, "multiproms"}, roles{*this, "roles"}, faceheel{*this, "faceheel"},
      finisher{*this, "finisher"}, finishertype{*this, "finishertype"}, tagteam{*this, "tagteam"},
      stable{*this, "stable"}, injury{*this, "injury"}, status{*this, "status"},
      cond{*this, "cond"}, manager{*this, "manager"}, ringstyle{*this, "ringstyle"},
      morale{*this, "morale"}, retire{*this, "retire"}, micskills{*this, "micskills"},
      hardcore{*this, "hardcore"}, weight{*this, "weight"}, charisma{*this, "charisma"},
      basecountry{*this, "basecountry"};
  // Their twins: scratch for another roster file while this one is merged into it.
  ui::ListBox names2{*this, "names2"}, shortname2{*this, "shortname2"},
      promotion2{*this, "promotion2"}, brand2{*this, "brand2"}, gender2{*this, "gender2"},
      pop2{*this, "pop2"}, ent2{*this, "ent2"}, desc2{*this, "desc2"}, expires2{*this, "expires2"},
      wages2{*this, "wages2"}, indybookings2{*this, "indybookings2"},
      bookingfee2{*this, "bookingfee2"}, multiproms2{*this, "multiproms2"}, roles2{*this, "roles2"},
      faceheel2{*this, "faceheel2"}, finisher2{*this, "finisher2"},
      finishertype2{*this, "finishertype2"}, tagteam2{*this, "tagteam2"}, stable2{*this, "stable2"},
      injury2{*this, "injury2"}, status2{*this, "status2"}, cond2{*this, "cond2"},
      manager2{*this, "manager2"}, ringstyle2{*this, "ringstyle2"}, morale2{*this, "morale2"},
      retire2{*this, "retire2"}, micskills2{*this, "micskills2"}, hardcore2{*this, "hardcore2"},
      weight2{*this, "weight2"}, charisma2{*this, "charisma2"}, basecountry2{*this, "basecountry2"};

  // --- State labels (hidden) ---------------------------------------------------------------
  ui::Label listpos{*this, "listpos"};          // wrestler number open on the stat sheet, or "new"
  ui::Label rowno{*this, "rowno"};              // grid row the open wrestler was picked from
  ui::Label madechanges{*this, "madechanges"};  // "yes" when there are unsaved changes
  ui::Label sortbutton{*this, "sortbutton"};    // "name" or "promotion"
  ui::Label showbutton{*this, "showbutton"};    // "all" or "injured"
  ui::Label contyear{*this, "contyear"};        // scratch: a contract year being built
  ui::Label month{*this, "month"};              // scratch: a month name being built

  // The name of the wrestler being created.
  std::string newname;

  // --- Table access ------------------------------------------------------------------------
  ui::ListBox& field(roster_file::Field f) { return *fields_[static_cast<std::size_t>(f)]; }
  const ui::ListBox& field(roster_file::Field f) const {
    return *fields_[static_cast<std::size_t>(f)];
  }
  ui::ListBox& twin(roster_file::Field f) { return *twins_[static_cast<std::size_t>(f)]; }
  int wrestlerCount() const { return names.listCount(); }
  roster_file::WrestlerRecord record(int wrestler) const;  // "" fields outside the table
  roster_file::Columns columns() const;                    // the whole table, one list per field
  void appendRecord(roster_file::WrestlerRecord record);
  void removeRecords(const std::vector<bool>& which);  // every wrestler whose flag is true

  // --- Loading, saving, leaving ------------------------------------------------------------
  // The hub's "Edit The Wrestlers File": loads the data set's wrestlers.vl1 (made empty when
  // missing) into the table and the grid, shows this window and hides the hub. A roster that
  // can't be made or read is reported and the hub stays.
  void load();
  void Command4_Click();  // "Save Changes"
  void Command1_Click();  // "Done"
  // Writes the table to wrestlers.vl1; false (after telling the user) when that failed.
  bool saveroster();
  // The roster, while it has changes that "Save Changes" has not written (on this list, the stat
  // sheet or a stat editor); its save is "Save Changes".
  std::optional<ui::UnsavedWork> unsavedWork() override;

  // --- The grid: listings, sorting, search, opening a wrestler --------------------------------
  void Command5_Click();  // "Sort: Name"
  void Command6_Click();  // "Sort: Promotion"
  void Command7_Click();  // "Show All"
  void Command8_Click();  // "Show Injured"
  void Text1_KeyDown(int key);
  void MSFlexGrid1_SelectWrestler();
  // Rebuilds the grid for the filter in showbutton, sorted by name, cells aligned.
  void showprocedure();
  // Sorts the grid's rows again by the column sortbutton names.
  void sortasbefore();
  // Fills the stat sheet for listpos, shows it and hides this window.
  void showinfo();

  // --- Creating a wrestler -------------------------------------------------------------------
  void Command2_Click();  // "Create New Wrestler"

  // --- Bulk changes and automatic expiry dates ---------------------------------------------
  void Command10_Click();  // "Go": change all promotions called ... to ...
  void Command12_Click();  // "Go": delete all wrestlers of a promotion
  void Command3_Click();   // "Create Auto Expiry Dates"
  // Makes the expiry dates' draws a fixed sequence from this seed, with no clock mixed in (tests).
  void seedRandom(std::uint64_t seed);

  // --- Exports ---------------------------------------------------------------------------------
  void Command9_Click();   // "Export This Roster Into Another Roster File"
  void Command11_Click();  // "Go": export all wrestlers of a promotion to a new file

 private:
  void resetgrid();
  // Grid fill: the wrestlers whose flag is true (all when `which` is empty), in table order,
  // then sorted by name.
  void fillgrid(const std::vector<bool>& which);
  void alignCells();
  void sortGrid(int col);
  std::vector<bool> injuredWrestlers() const;

  Editor& editor_;
  common::FileStamp fileStamp_;  // wrestlers.vl1 as it was read or last written
  std::array<ui::ListBox*, roster_file::fieldCount> fields_;
  std::array<ui::ListBox*, roster_file::fieldCount> twins_;

  // --- Bulk changes and exports --------------------------------------------------------------
  double draw();  // one uniform draw in [0, 1) for the expiry dates
  // Tells the user, before a roster file of more wrestlers than the game reads is written or after
  // one is loaded, that the game may not read them all. Nothing is cut.
  void warnGameLimit(const std::string& fileName, std::size_t wrestlers);
  // Whether a roster file name typed for an export may be used; tells the user why not.
  bool checkRosterName(const std::string& name, ui::Icon icon, const std::string& title);
  void setTwins(std::vector<roster_file::WrestlerRecord> records);
  common::Random random_;
  bool clockReseeding_ = true;  // the clock is mixed in before every draw
};
