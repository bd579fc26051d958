#include "roster/wrestler_list.h"

#include <algorithm>
#include <filesystem>
#include <string_view>
#include <unordered_set>
#include <utility>

#include "app/editor.h"
#include "common/dates.h"
#include "common/line_file.h"
#include "common/number_text.h"
#include "common/paths.h"
#include "common/record_lines.h"
#include "common/text.h"
#include "common/wildcard.h"
#include "roster/stat_table.h"
#include "shell/main_data.h"
#include "ui/styles.h"

namespace {

// Design positions are in pixels: the window's twips divided by 15.
void styleBox(ui::TextBox& box, int left, int top, int width) {
  box.setBackColor(ui::white);
  box.setForeColor(ui::black);
  box.place(left, top, width, 19);
}

// The wrestler grid's columns, in pixels: 5000 and 1550 twips, narrowed a little so that both
// fit beside the grid's scroll bar.
constexpr int nameColumnWidth = 318, promotionColumnWidth = 100;

}  // namespace

Form12::Form12(Editor& editor)
    : editor_(editor),
      fields_{&names,      &shortname, &promotion, &brand,    &gender,       &pop,
              &ent,        &desc,      &expires,   &wages,    &indybookings, &bookingfee,
              &multiproms, &roles,     &faceheel,  &finisher, &finishertype, &tagteam,
              &stable,     &injury,    &status,    &cond,     &manager,      &ringstyle,
              &morale,     &retire,    &micskills, &hardcore, &weight,       &charisma,
              &basecountry},
      twins_{&names2,      &shortname2, &promotion2, &brand2,    &gender2,       &pop2,
             &ent2,        &desc2,      &expires2,   &wages2,    &indybookings2, &bookingfee2,
             &multiproms2, &roles2,     &faceheel2,  &finisher2, &finishertype2, &tagteam2,
             &stable2,     &injury2,    &status2,    &cond2,     &manager2,      &ringstyle2,
             &morale2,     &retire2,    &micskills2, &hardcore2, &weight2,       &charisma2,
             &basecountry2} {
  setCaption(ui::mainCaption);
  setBackdrop("main");
  setSize(640, 576);

  Label2.setCaption("Database Total");
  Label2.setForeColor(ui::white);
  Label2.setBold(true);
  Label2.setFontSize(11);
  Label2.setAlignment(ui::Align::Right);
  Label2.place(248, 16, 153, 17);
  totalnum.setCaption("Database Total");
  totalnum.setForeColor(ui::white);
  totalnum.setFontSize(11);
  totalnum.place(408, 16, 177, 17);

  ui::styleButton(Command5, "Sort: Name", 176, 40, 113);
  ui::styleButton(Command6, "Sort: Promotion", 288, 40, 113);
  ui::styleButton(Command7, "Show All", 400, 40, 105);
  ui::styleButton(Command8, "Show Injured", 504, 40, 105);
  ui::styleCaption(Label3, "Search For:", 176, 81, 72);
  styleBox(Text1, 248, 80, 361);

  MSFlexGrid1.place(176, 112, 437, 161);
  MSFlexGrid1.setBackColor(ui::white);
  MSFlexGrid1.setCols(2);
  MSFlexGrid1.setFixedCols(0);
  MSFlexGrid1.setFixedRows(1);
  resetgrid();

  Shape1.place(160, 280, 465, 249);
  Shape1.setForeColor(ui::white);
  ui::styleCaption(Label1, "Click on a name to edit or choose an option below", 176, 284, 433);
  Label1.setAlignment(ui::Align::Center);
  ui::styleButton(Command4, "Save Changes", 200, 304, 385);
  ui::styleButton(Command2, "Create New Wrestler", 200, 336, 385);
  ui::styleButton(Command3, "Create Auto Expiry Dates", 200, 368, 385);
  ui::styleButton(Command9, "Export This Roster Into Another Roster File", 200, 400, 385);

  // Three rows of a promotion's bulk tools: export, rename, delete.
  ui::styleCaption(Label6, "Export all wrestlers with the promotion:", 176, 442, 220);
  styleBox(Text4, 396, 440, 50);
  ui::styleCaption(Label7, "to a new file:", 448, 442, 72);
  styleBox(Text5, 520, 440, 56);
  ui::styleButton(Command11, "Go", 580, 437, 33);
  ui::styleCaption(Label4, "Change all promotions called:", 176, 474, 164);
  styleBox(Text2, 340, 472, 68);
  ui::styleCaption(Label5, "to promotion:", 412, 474, 76);
  styleBox(Text3, 488, 472, 88);
  ui::styleButton(Command10, "Go", 580, 469, 33);
  ui::styleCaption(Label8, "Delete all wrestlers who have the promotion: ", 176, 506, 262);
  styleBox(Text6, 440, 504, 136);
  ui::styleButton(Command12, "Go", 580, 501, 33);
  for (ui::Label* label : {&Label6, &Label7, &Label4, &Label5, &Label8}) {
    label->setFontSize(8);
    label->setBold(false);
  }

  ui::styleButton(Command1, "Done", 168, 536, 449);

  for (ui::ListBox* list : fields_) list->setVisible(false);
  for (ui::ListBox* list : twins_) list->setVisible(false);
  const std::pair<ui::Label*, const char*> states[] = {
      {&listpos, "List Pos"}, {&rowno, "Row No"},  {&madechanges, "no"}, {&sortbutton, "name"},
      {&showbutton, "all"},   {&contyear, "Year"}, {&month, "Month"}};
  for (const auto& [label, caption] : states) {
    label->setCaption(caption);
    label->setVisible(false);
  }

  Command1.onClick = [this] { Command1_Click(); };
  Command2.onClick = [this] { Command2_Click(); };
  Command3.onClick = [this] { Command3_Click(); };
  Command4.onClick = [this] { Command4_Click(); };
  Command5.onClick = [this] { Command5_Click(); };
  Command6.onClick = [this] { Command6_Click(); };
  Command7.onClick = [this] { Command7_Click(); };
  Command8.onClick = [this] { Command8_Click(); };
  Command9.onClick = [this] { Command9_Click(); };
  Command10.onClick = [this] { Command10_Click(); };
  Command11.onClick = [this] { Command11_Click(); };
  Command12.onClick = [this] { Command12_Click(); };
  Text1.onKeyDown = [this](int key) { Text1_KeyDown(key); };
  MSFlexGrid1.onSelect = [this] { MSFlexGrid1_SelectWrestler(); };
}

// --- Table access ------------------------------------------------------------------------------

roster_file::WrestlerRecord Form12::record(int wrestler) const {
  roster_file::WrestlerRecord record;
  for (int f = 0; f < roster_file::fieldCount; ++f)
    record[static_cast<std::size_t>(f)] = fields_[static_cast<std::size_t>(f)]->list(wrestler);
  return record;
}

roster_file::Columns Form12::columns() const {
  roster_file::Columns columns;
  for (std::size_t f = 0; f < fields_.size(); ++f) columns[f] = &fields_[f]->items();
  return columns;
}

void Form12::appendRecord(roster_file::WrestlerRecord record) {
  for (std::size_t f = 0; f < fields_.size(); ++f) fields_[f]->addItem(std::move(record[f]));
}

void Form12::removeRecords(const std::vector<bool>& which) {
  for (ui::ListBox* list : fields_) list->removeItems(which);
}

// --- Loading, saving, leaving ------------------------------------------------------------------

void Form12::load() {
  ui::CommandButton& button = editor_.form14.Command2;
  ui::BusyPointer busy(button);
  button.setEnabled(false);
  struct Reenable {
    ui::CommandButton& button;
    ~Reenable() { button.setEnabled(true); }
  } reenable{button};

  // The file is made and read before the window changes: a roster that can't be read must never
  // open as an empty list that "Save Changes" would then write over the file.
  const std::string path = editor_.dataFile(roster_file::fileName);
  if (!common::exists(path)) {
    if (common::IoStatus outcome = common::writeLines(path, {}); !outcome) {
      ui::say(editor_.desktop, "The wrestlers file can't be made.\r\n\r\n" + outcome.error,
              ui::Icon::Exclamation);
      return;
    }
  }
  // Each line goes straight into its field's list.
  roster_file::ColumnValues values;
  std::size_t linesFilledIn = 0;
  common::ReadInfo read;
  if (common::IoStatus outcome = roster_file::readRosterColumns(path, values, linesFilledIn, &read);
      !outcome) {
    ui::say(editor_.desktop, "The wrestlers file can't be opened.\r\n\r\n" + outcome.error,
            ui::Icon::Exclamation);
    return;
  }

  Text1.setText("");
  resetgrid();
  for (std::size_t f = 0; f < fields_.size(); ++f) fields_[f]->setItems(std::move(values[f]));
  fillgrid({});
  totalnum.setCaption(std::to_string(wrestlerCount()));
  alignCells();
  fileStamp_ = read.stamp;
  show();
  editor_.form14.hide();
  ui::tellMixedLineEnds(editor_.desktop, path, read);

  if (linesFilledIn > 0) {
    ui::say(editor_.desktop,
            common::completedRecordMessage(path, "wrestler", linesFilledIn,
                                           "who is listed with the others"),
            ui::Icon::Exclamation);
  }
  warnGameLimit(roster_file::fileName, names.items().size());
}

bool Form12::saveroster() {
  const std::string path = editor_.dataFile(roster_file::fileName);
  if (!ui::saveFile(editor_.desktop, path, fileStamp_,
                    [&](common::WriteMode, common::FileStamp* written) {
                      warnGameLimit(roster_file::fileName, names.items().size());
                      return roster_file::writeRosterColumns(path, columns(), written);
                    },
                    {"The wrestlers file could not be saved.", ui::Icon::Critical, ""}))
    return false;
  madechanges.setCaption("no");
  ui::say(editor_.desktop, "Saved OK.");
  return true;
}

std::optional<ui::UnsavedWork> Form12::unsavedWork() {
  if (madechanges.caption() != "yes") return std::nullopt;
  return ui::UnsavedWork{"The wrestler roster", [this] { return saveroster(); }};
}

void Form12::Command4_Click() { saveroster(); }

void Form12::Command1_Click() {
  // A save that fails keeps the list open with its changes, so nothing is lost on the way out.
  if (madechanges.caption() == "yes" &&
      ui::askYesNo(editor_.desktop, "Save changes before leaving?") && !saveroster())
    return;
  editor_.form14.show();
  hide();
  madechanges.setCaption("no");
}

// --- The grid: listings, sorting, search, opening a wrestler -----------------------------------

void Form12::resetgrid() {
  MSFlexGrid1.setRows(1);
  MSFlexGrid1.clear();
  MSFlexGrid1.setColWidth(0, nameColumnWidth);
  MSFlexGrid1.setColWidth(1, promotionColumnWidth);
  MSFlexGrid1.setTextMatrix(0, 0, "Wrestler Name");
  MSFlexGrid1.setTextMatrix(0, 1, "Promotion");
}

void Form12::fillgrid(const std::vector<bool>& which) {
  const std::vector<std::string>& wrestlerNames = names.items();
  const std::vector<std::string>& promotions = promotion.items();
  const std::size_t count = wrestlerNames.size();
  if (count == 0) return;
  // The rows are written already in name order, so the grid's own sort by name finds them in
  // order and leaves them: the same rows as filling in list order and sorting, found faster.
  std::vector<std::size_t> order;
  order.reserve(count);
  for (std::size_t i = 0; i < count; ++i)
    if (which.empty() || which[i]) order.push_back(i);
  ui::sortInGridOrder(order, wrestlerNames);
  MSFlexGrid1.setRows(1 + static_cast<int>(order.size()));
  int row = 1;
  for (std::size_t i : order) {
    MSFlexGrid1.setTextMatrix(row, 0, wrestlerNames[i]);
    MSFlexGrid1.setTextMatrix(row, 1, i < promotions.size() ? promotions[i] : std::string());
    ++row;
  }
  sortGrid(0);
}

void Form12::alignCells() {
  for (int r = 0; r < MSFlexGrid1.rows(); ++r) {
    MSFlexGrid1.setRow(r);
    for (int c = 0; c < 2; ++c) {
      MSFlexGrid1.setCol(c);
      MSFlexGrid1.setCellAlignment(ui::Align::Left);
    }
  }
}

void Form12::sortGrid(int col) {
  MSFlexGrid1.setCol(col);
  MSFlexGrid1.sort();
}

std::vector<bool> Form12::injuredWrestlers() const {
  const std::vector<std::string>& days = injury.items();
  std::vector<bool> injured(static_cast<std::size_t>(wrestlerCount()), true);
  for (std::size_t i = 0; i < injured.size() && i < days.size(); ++i) injured[i] = days[i] != "0";
  return injured;
}

void Form12::showprocedure() {
  resetgrid();
  if (showbutton.caption() == "all") fillgrid({});
  if (showbutton.caption() == "injured") fillgrid(injuredWrestlers());
  alignCells();
}

void Form12::sortasbefore() {
  if (sortbutton.caption() == "name") sortGrid(0);
  if (sortbutton.caption() == "promotion") sortGrid(1);
}

void Form12::Command5_Click() {
  sortbutton.setCaption("name");
  sortGrid(0);
}

void Form12::Command6_Click() {
  sortbutton.setCaption("promotion");
  sortGrid(1);
}

void Form12::Command7_Click() {
  showbutton.setCaption("all");
  Text1.setText("");
  resetgrid();
  fillgrid({});
}

void Form12::Command8_Click() {
  showbutton.setCaption("injured");
  Text1.setText("");
  resetgrid();
  fillgrid(injuredWrestlers());
}

void Form12::Text1_KeyDown(int key) {
  if (key != ui::KeyEnter) return;
  if (Text1.text().empty()) {
    ui::say(editor_.desktop, "No text entered for this search.", ui::Icon::Information);
    return;
  }
  // Names that contain the text, whatever its case; wildcards typed into the box act as such. A
  // text that is no valid pattern (a "[" without its "]") matches nobody.
  const common::Pattern pattern("*" + common::lowerText(Text1.text()) + "*");
  const std::vector<std::string>& wrestlerNames = names.items();
  std::vector<bool> found(wrestlerNames.size(), false);
  bool any = false;
  for (std::size_t i = 0; i < wrestlerNames.size(); ++i) {
    found[i] = pattern.matches(common::lowerText(wrestlerNames[i]));
    any = any || found[i];
  }
  resetgrid();
  if (any) fillgrid(found);
  if (MSFlexGrid1.rows() == 1) {
    ui::say(editor_.desktop, "No results were found which matched your search.",
            ui::Icon::Information);
  }
}

void Form12::MSFlexGrid1_SelectWrestler() {
  if (MSFlexGrid1.col() != 0 || MSFlexGrid1.text().empty()) return;
  // Two wrestlers of one name: the later one in the table opens.
  const std::vector<std::string>& wrestlerNames = names.items();
  const std::string name = MSFlexGrid1.text();
  int found = -1;
  for (std::size_t i = 0; i < wrestlerNames.size(); ++i) {
    if (wrestlerNames[i] == name) found = static_cast<int>(i);
  }
  if (found < 0) return;  // a row no wrestler answers to opens nothing
  madechanges.setCaption("yes");
  listpos.setCaption(std::to_string(found));
  rowno.setCaption(std::to_string(MSFlexGrid1.row()));
  showinfo();
  editor_.form13.MSFlexGrid1.setTopRow(0);
}

void Form12::showinfo() {
  Form13& sheet = editor_.form13;
  const bool isNew = listpos.caption() == "new";
  const int wrestler = static_cast<int>(common::numberValue(listpos.caption()));
  sheet.Label2.setCaption(isNew ? "New Wrestler" : names.list(wrestler));

  ui::Grid& grid = sheet.MSFlexGrid1;
  grid.clear();
  grid.setColWidth(0, Form13::labelColumnWidth);
  grid.setColWidth(1, Form13::valueColumnWidth);
  grid.setCol(0);
  for (const stat_table::StatRow& stat : stat_table::rows()) {
    grid.setRow(stat.field);
    grid.setText(stat.gridLabel);
    grid.setCellBackColor(ui::navy);
    grid.setCellForeColor(ui::white);
    grid.setCellBold(true);
  }

  // A new wrestler's expiry is three years after the start year; should maindata.vl1 give none,
  // the sheet shows what "Create New Wrestler" stored.
  std::string newExpiry;
  if (isNew) {
    std::string year;
    if (main_data::readStartYear(editor_.dataFile(main_data::fileName), year)) {
      contyear.setCaption(common::addToNumberText(year, 3));
      newExpiry = stat_table::row(roster_file::expires).newValue + contyear.caption();
    } else {
      newExpiry = expires.list(wrestlerCount() - 1);
    }
  }
  grid.setCol(1);
  for (const stat_table::StatRow& stat : stat_table::rows()) {
    grid.setRow(stat.field);
    if (!isNew) {
      grid.setText(stat_table::shownValue(stat, field(stat.field).list(wrestler)));
    } else if (stat.field == roster_file::names || stat.field == roster_file::shortname) {
      grid.setText(newname);
    } else if (stat.field == roster_file::expires) {
      grid.setText(newExpiry);
    } else {
      grid.setText(stat.newValue);
    }
  }

  sheet.idle();
  grid.setRow(0);
  sheet.show();
  hide();
}

// --- Creating a wrestler -----------------------------------------------------------------------

void Form12::Command2_Click() {
  // The start year comes first: without it no record is added and nothing changes.
  std::string year;
  if (common::IoStatus outcome =
          main_data::readStartYear(editor_.dataFile(main_data::fileName), year);
      !outcome) {
    ui::say(editor_.desktop,
            "A new wrestler can't be created: the start year for the contract expiry date can't "
            "be read.\r\n\r\n" +
                outcome.error,
            ui::Icon::Exclamation);
    return;
  }

  // The first of "New Wrestler", "New Wrestler 1", "New Wrestler 2" ... that no wrestler has.
  // Only names that begin like the candidates can take one of them.
  std::unordered_set<std::string_view> taken;
  for (const std::string& name : names.items()) {
    if (name.starts_with("New Wrestler")) taken.insert(name);
  }
  newname = "New Wrestler";
  for (long long k = 1; taken.count(newname) != 0; ++k)
    newname = "New Wrestler " + std::to_string(k);

  contyear.setCaption(common::addToNumberText(year, 3));
  madechanges.setCaption("yes");
  rowno.setCaption("1");
  totalnum.setCaption(common::addToNumberText(totalnum.caption(), 1));
  appendRecord(stat_table::newWrestler(newname, contyear.caption()));
  listpos.setCaption("new");
  showinfo();
}

// --- Bulk changes and automatic expiry dates ---------------------------------------------------

void Form12::Command10_Click() {
  const std::string from = Text2.text(), to = Text3.text();
  if (from.empty() || to.empty()) {
    ui::say(editor_.desktop, "Both text boxes must contain text.");
    return;
  }
  const std::vector<std::string>& promotions = promotion.items();
  for (std::size_t i = 0; i < promotions.size(); ++i) {
    if (promotions[i] == from) promotion.setList(static_cast<int>(i), to);
  }
  madechanges.setCaption("yes");
  Command7_Click();
  ui::say(editor_.desktop, "All wrestlers with the promotion " + from +
                               " have now been changed to the promotion " + to +
                               ".\r\n\r\nRemember to click Save before you leave.");
  Text2.setText("");
  Text3.setText("");
}

void Form12::Command12_Click() {
  const std::string gone = Text6.text();
  if (gone.empty()) {
    ui::say(editor_.desktop, "Please enter a promotion's initials.");
    return;
  }
  {
    ui::BusyPointer busy(Command12);
    // One pass over the table: every list loses the same entries, so the lists stay parallel.
    const std::vector<std::string>& promotions = promotion.items();
    std::vector<bool> which(promotions.size(), false);
    int removed = 0;
    for (std::size_t i = 0; i < promotions.size(); ++i) {
      if (promotions[i] == gone) {
        which[i] = true;
        ++removed;
      }
    }
    if (removed > 0) {
      removeRecords(which);
      totalnum.setCaption(common::addToNumberText(totalnum.caption(), -removed));
    }
    Command7_Click();
  }
  madechanges.setCaption("yes");
  ui::say(editor_.desktop, "All wrestlers from promotion " + gone + " have been deleted.");
  Text6.setText("");
}

void Form12::seedRandom(std::uint64_t seed) {
  random_.seed(seed);
  clockReseeding_ = false;
}

double Form12::draw() {
  if (clockReseeding_) random_.reseedFromClock();
  return random_.next();
}

void Form12::Command3_Click() {
  if (!ui::askYesNo(editor_.desktop,
                    "Using this feature will overwrite any contract expiry dates you have entered "
                    "manually.\r\nContinue?"))
    return;
  // Without a start year no date is changed.
  std::string year;
  if (common::IoStatus outcome =
          main_data::readStartYear(editor_.dataFile(main_data::fileName), year);
      !outcome) {
    ui::say(editor_.desktop,
            "Contract expiry dates can't be created: the start year can't be read.\r\n\r\n" +
                outcome.error,
            ui::Icon::Exclamation);
    return;
  }
  madechanges.setCaption("yes");
  editor_.form14.Text2.setText(year);

  const double startYear = common::numberValue(editor_.form14.Text2.text());
  std::vector<std::string> dates(static_cast<std::size_t>(wrestlerCount()));
  std::string monthName, yearText;
  for (std::string& date : dates) {
    monthName =
        common::monthNames[static_cast<std::size_t>(std::min(static_cast<int>(draw() * 12), 11))];
    yearText = common::numberText(startYear + 1 + std::min(static_cast<int>(draw() * 4), 3));
    date = monthName + " " + yearText;
  }
  if (!dates.empty()) {
    month.setCaption(monthName);
    contyear.setCaption(yearText);
  }
  expires.setItems(std::move(dates));
  ui::say(editor_.desktop, "Random Contract Expiry Dates created successfully.");
}

// --- Exports -----------------------------------------------------------------------------------

namespace {

// A typed roster file name: the game's extension, written exactly so.
bool hasRosterExtension(const std::string& name) { return common::wildcardMatch(name, "*.vl1"); }

}  // namespace

bool Form12::checkRosterName(const std::string& name, ui::Icon icon, const std::string& title) {
  // The game's main data shares the roster's extension; wrestlers written into it would wreck
  // the start date and everything after it. Its name is refused in any letter case.
  const std::string::size_type folderEnd = name.find_last_of("\\/");
  const std::string fileName = folderEnd == std::string::npos ? name : name.substr(folderEnd + 1);
  if (common::lowerText(fileName) == main_data::fileName) {
    ui::say(editor_.desktop,
            fileName +
                " is the game's main data file, not a roster file, so no wrestlers can be "
                "written to it. Please enter the name of a roster file.",
            icon, title);
    return false;
  }
  // The name is joined to the data set's folder as typed, and a folder in it is followed, as on
  // the game's platform; but it must lead to a folder that exists inside the game folder.
  std::string problem = common::checkTypedFileName(name);
  if (problem.empty()) {
    const std::string target = editor_.dataFile(name);
    const std::string folder = target.substr(0, target.find_last_of("\\/"));
    std::filesystem::path found;
    if (const common::IoStatus resolved = common::resolvePath(target, found); !resolved) {
      problem = resolved.error;
    } else if (!common::isFolder(folder)) {
      problem = "The folder \"" + common::shownPath(folder) +
                "\" does not exist, so no roster file can be written there.";
    }
  }
  if (problem.empty()) return true;
  ui::say(editor_.desktop, problem, icon, title);
  return false;
}

namespace {

// A count with its thousands grouped as the game's limit is written: 32768 -> "32,768".
std::string groupedCount(std::size_t count) {
  std::string digits = std::to_string(count);
  for (std::size_t at = digits.size(); at > 3; at -= 3) digits.insert(at - 3, ",");
  return digits;
}

}  // namespace

void Form12::warnGameLimit(const std::string& fileName, std::size_t wrestlers) {
  if (wrestlers <= roster_file::gameWrestlerLimit) return;
  ui::say(editor_.desktop,
          fileName + " holds " + groupedCount(wrestlers) +
              " wrestlers, but the game reads at most 32,767.\r\n\r\nThe editor keeps them all; "
              "the game may not.",
          ui::Icon::Exclamation);
}

void Form12::setTwins(std::vector<roster_file::WrestlerRecord> records) {
  for (std::size_t f = 0; f < twins_.size(); ++f) {
    std::vector<std::string> values;
    values.reserve(records.size());
    for (roster_file::WrestlerRecord& record : records) values.push_back(std::move(record[f]));
    twins_[f]->setItems(std::move(values));
  }
}

void Form12::Command11_Click() {
  const std::string wanted = Text4.text(), name = Text5.text();
  if (wanted.empty() || name.empty()) {
    ui::say(editor_.desktop, "Both text boxes must contain text.");
    return;
  }
  if (!hasRosterExtension(name)) {
    ui::say(editor_.desktop, "The filename must end in ''.vl1''");
    return;
  }
  if (!checkRosterName(name, ui::Icon::None, "")) return;
  const std::string path = editor_.dataFile(name);
  if (common::exists(path)) {
    ui::say(editor_.desktop, "A file with this name already exists. Please enter a new filename.");
    return;
  }

  std::vector<roster_file::WrestlerRecord> chosen;
  const std::vector<std::string>& promotions = promotion.items();
  for (std::size_t i = 0; i < promotions.size(); ++i) {
    if (promotions[i] == wanted) chosen.push_back(record(static_cast<int>(i)));
  }
  warnGameLimit(name, chosen.size());
  // Made only where nothing is: a file of that name that appeared meanwhile is never replaced.
  common::FileStamp made;
  if (!ui::saveFile(
          editor_.desktop, path, made,
          [&](common::WriteMode mode, common::FileStamp* written) {
            return roster_file::writeRoster(path, chosen, mode, written);
          },
          {"The wrestlers could not be exported.", ui::Icon::Critical, ""},
          common::WriteMode::CreateNew))
    return;
  ui::say(editor_.desktop, "File ''" + name + "'' created successfully.");
  Text4.setText("");
  Text5.setText("");
}

void Form12::Command9_Click() {
  const std::string name = ui::ask(
      editor_.desktop, "Please enter the name of the file you wish to add these wrestlers to.",
      "Add To Other File", roster_file::fileName);
  if (name.empty()) return;
  const std::string fileError = "Filename Error!";
  if (!hasRosterExtension(name)) {
    ui::say(editor_.desktop, "Filename must have extension .vl1.", ui::Icon::Critical, fileError);
    return;
  }
  if (!checkRosterName(name, ui::Icon::Critical, fileError)) return;
  const std::string path = editor_.dataFile(name);
  if (!common::isFile(path)) {
    ui::say(editor_.desktop, "No file with that name exists in this directory.", ui::Icon::Critical,
            fileError);
    return;
  }
  if (wrestlerCount() == 0) {
    ui::say(editor_.desktop, "There's no wrestlers here to export!", ui::Icon::Critical,
            "No Wrestlers!");
    return;
  }

  // The target, read whole. One that ends inside a record is left as it is on disk.
  std::vector<std::string> lines;
  common::ReadInfo read;
  if (common::IoStatus outcome = common::readLines(path, lines, &read); !outcome) {
    ui::say(editor_.desktop,
            "The wrestlers could not be added to " + name + ".\r\n\r\n" + outcome.error,
            ui::Icon::Critical);
    return;
  }
  if (lines.size() % roster_file::fieldCount != 0) {
    ui::say(editor_.desktop,
            name +
                " ends part of the way through a wrestler's record, so the wrestlers can't be "
                "added to it. The file has not been changed.",
            ui::Icon::Critical, fileError);
    return;
  }

  // The lines are given up here, before the questions, not kept until the merge is done.
  std::vector<roster_file::WrestlerRecord> target =
      roster_file::fromLines(std::move(lines)).records;
  // The table's wrestlers, in its order, merged into the target's records: a wrestler whose name
  // is there already is asked about each record of that name.
  std::vector<roster_file::WrestlerRecord> slots = roster_file::mergeRecords(
      std::move(target), columns(),
      [&](const roster_file::WrestlerRecord& there, const roster_file::WrestlerRecord& wrestler) {
        const std::string question =
            there[roster_file::names] +
            " already exists in the roster you're exporting to. Do you want to overwrite the " +
            name + " version:\r\n\r\nDraw Value: " + there[roster_file::pop] +
            "   Ability: " + there[roster_file::ent] +
            "\r\n\r\nWith the one you are exporting:\r\n\r\nDraw Value: " +
            wrestler[roster_file::pop] + "   Ability: " + wrestler[roster_file::ent] + "\r\n";
        return ui::askYesNo(editor_.desktop, question, ui::Icon::None, "Wrestler Already In File");
      });
  // Another program may have written the target while the questions were asked: the save asks
  // first. The twins hold the merged roster, as written.
  if (!ui::saveFile(editor_.desktop, path, read.stamp,
                    [&](common::WriteMode mode, common::FileStamp* written) {
                      warnGameLimit(name, slots.size());
                      const common::IoStatus outcome =
                          roster_file::writeRoster(path, slots, mode, written);
                      setTwins(std::move(slots));
                      return outcome;
                    },
                    {"The wrestlers could not be added to " + name + ".", ui::Icon::Critical, ""}))
    return;
  ui::say(editor_.desktop, "Roster exported successfully.");
}
