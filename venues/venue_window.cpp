#include "venues/venue_window.h"

#include <unordered_map>

#include "app/editor.h"
#include "common/record_lines.h"
#include "ui/styles.h"
#include "venues/venue_file.h"

namespace {

using venue_file::recordLines;

// The index in List2 of one line of the venue that begins at `record`.
int line(int record, std::size_t field) { return record + static_cast<int>(field); }

}  // namespace

Form18::Form18(Editor& editor) : editor_(editor) {
  setCaption(ui::mainCaption);
  setBackdrop("main");
  setSize(640, 480);

  Label1.setCaption("Editing Venues");
  Label1.place(0, 8, 640, 32);
  ui::styleHeading(Label1);
  Label1.setFontSize(12);

  // The filter row, then the count of what it lets through.
  ui::CommandButton* filterButtons[] = {&Command6, &Command7, &Command8, &Command9, &Command10};
  const char* filterCaptions[] = {"Show All", "USA Only", "UK Only", "Japan Only", "Other Only"};
  for (int i = 0; i < 5; ++i) {
    filterButtons[i]->setCaption(filterCaptions[i]);
    filterButtons[i]->place(10 + i * 88, 50, 84, 30);
    filterButtons[i]->setBackColor(ui::buttonFace);
  }
  Command6.setBackColor(ui::yellow);
  Label12.setCaption("Total Showing");
  Label12.place(454, 52, 116, 26);
  ui::styleHeading(Label12);
  Label12.setBorder(true);  // the window's captions are boxed like its values
  Label13.setCaption("0");
  Label13.place(574, 52, 56, 26);
  ui::styleValue(Label13);

  // Left frame: the names and the buttons that act on them.
  Frame1.place(10, 90, 220, 326);
  List1.place(20, 100, 200, 256);
  Command2.setCaption("Add New");
  Command2.place(20, 366, 64, 40);
  Command12.setCaption("Edit");
  Command12.place(88, 366, 64, 40);
  Command3.setCaption("Delete");
  Command3.place(156, 366, 64, 40);

  // Right frame: the shown venue, one row per line of its record.
  Frame2.place(240, 90, 390, 326);
  ui::Label* captions[] = {&Label2, &Label3, &Label4, &Label5, &Label6, &Label7};
  const char* captionTexts[] = {"Venue Name", "City & State", "City Only",
                                "Capacity",   "Country",      "Exclusive To"};
  ui::Control* values[] = {&venuename, &citystate, &cityname, &capacity, &Combo1, &exclusiveto};
  for (int row = 0; row < 6; ++row) {
    captions[row]->setCaption(captionTexts[row]);
    captions[row]->place(250, 104 + row * 40, 130, 26);
    ui::styleHeading(*captions[row]);
    captions[row]->setBorder(true);
    values[row]->place(390, 104 + row * 40, 230, 26);
  }
  for (ui::Label* value : {&venuename, &citystate, &cityname, &capacity, &exclusiveto})
    ui::styleValue(*value);
  for (const std::string& country : venue_file::countries) Combo1.addItem(country);
  Command1.setCaption("Confirm Changes");
  Command1.place(250, 366, 180, 40);
  Command11.setCaption("Cancel Changes");
  Command11.place(440, 366, 180, 40);

  Command4.setCaption("Back To Menu");
  Command4.place(10, 428, 620, 40);

  for (ui::Shape* frame : {&Frame1, &Frame2}) frame->setForeColor(ui::white);
  for (ui::CommandButton* button :
       {&Command6, &Command7, &Command8, &Command9, &Command10, &Command2, &Command12, &Command3,
        &Command1, &Command11, &Command4})
    button->setBold(true);

  // The hidden model: a grid with no fixed rows or columns that only sorts.
  List2.place(0, 0, 100, 60);
  MSFlexGrid1.place(0, 64, 100, 60);
  MSFlexGrid1.setFixedRows(0);
  MSFlexGrid1.setFixedCols(0);
  MSFlexGrid1.setRows(0);
  MSFlexGrid1.setCols(1);
  hiddenvenue.place(0, 128, 100, 20);
  hiddencountry.place(0, 152, 100, 20);
  for (ui::Control* hidden :
       std::initializer_list<ui::Control*>{&List2, &MSFlexGrid1, &hiddenvenue, &hiddencountry})
    hidden->setVisible(false);

  setEditMode(false);

  Command6.onClick = [this] { Command6_Click(); };
  Command7.onClick = [this] { Command7_Click(); };
  Command8.onClick = [this] { Command8_Click(); };
  Command9.onClick = [this] { Command9_Click(); };
  Command10.onClick = [this] { Command10_Click(); };
  List1.onClick = [this] { List1_Click(); };
  venuename.onClick = [this] { venuename_Click(); };
  citystate.onClick = [this] { citystate_Click(); };
  cityname.onClick = [this] { cityname_Click(); };
  capacity.onClick = [this] { capacity_Click(); };
  exclusiveto.onClick = [this] { exclusiveto_Click(); };
  Command12.onClick = [this] { Command12_Click(); };
  Command1.onClick = [this] { Command1_Click(); };
  Command11.onClick = [this] { Command11_Click(); };
  Command2.onClick = [this] { Command2_Click(); };
  Command3.onClick = [this] { Command3_Click(); };
  Command4.onClick = [this] { Command4_Click(); };
}

// --- loading, the list and the filters ---------------------------------------------------------

void Form18::load() {
  // The file is read whole before the window changes, so a refused file leaves no trace.
  const std::string path = editor_.dataFile(venue_file::fileName);
  std::vector<std::string> lines;
  common::ReadInfo read;
  std::size_t linesFilledIn = 0;
  if (common::IoStatus status = venue_file::readVenues(path, lines, linesFilledIn, &read);
      !status) {
    ui::say(editor_.desktop, "The venues can't be edited.\r\n\r\n" + status.error,
            ui::Icon::Exclamation);
    return;
  }
  List1.clear();
  List2.clear();
  for (std::string& text : lines) List2.addItem(std::move(text));

  fillList("");
  // The file's first venue, not the first listed one.
  if (List2.listCount() == 0)
    clearLabels();
  else
    showRecord(0);
  makeActive(Command6);
  setEditMode(false);
  fileStamp_ = read.stamp;

  show();
  editor_.form14.hide();
  ui::tellMixedLineEnds(editor_.desktop, path, read);
  if (linesFilledIn > 0)
    ui::say(editor_.desktop, common::completedRecordMessage(path, "venue", linesFilledIn),
            ui::Icon::Exclamation);
}

std::vector<Form18::Filter> Form18::filters() {
  return {{&Command6, ""},
          {&Command7, "USA"},
          {&Command8, "UK"},
          {&Command9, "Japan"},
          {&Command10, "Other"}};
}

void Form18::Command6_Click() { filterClick(Command6, ""); }
void Form18::Command7_Click() { filterClick(Command7, "USA"); }
void Form18::Command8_Click() { filterClick(Command8, "UK"); }
void Form18::Command9_Click() { filterClick(Command9, "Japan"); }
void Form18::Command10_Click() { filterClick(Command10, "Other"); }

// A filter shows the first venue it lists, without choosing its entry.
void Form18::filterClick(ui::CommandButton& button, const std::string& country) {
  makeActive(button);
  fillList(country);
  if (List1.listCount() == 0)
    clearLabels();
  else
    showByName(List1.list(0));
}

void Form18::makeActive(const ui::CommandButton& button) {
  for (const Filter& filter : filters())
    filter.button->setBackColor(filter.button == &button ? ui::yellow : ui::buttonFace);
}

void Form18::sortlists() {
  for (const Filter& filter : filters())
    if (filter.button->backColor() == ui::yellow) fillList(filter.country);
}

// Lists the names of the venues of one country ("" for every country), sorted through the hidden
// grid, and counts them. A venue without a name is never listed.
void Form18::fillList(const std::string& country) {
  List1.clear();
  MSFlexGrid1.clear();
  MSFlexGrid1.setRows(1);
  MSFlexGrid1.setCols(1);

  // Where each listed name's venues begin, in file order, to pair the sorted names with them.
  std::unordered_map<std::string, std::vector<int>> records;
  int next = 0;
  const int count = List2.listCount();
  for (int i = 0; i < count; i += recordLines) {
    const std::string name = List2.list(i);
    if (name.empty()) continue;
    if (!country.empty() && List2.list(line(i, venue_file::countryLine)) != country) continue;
    MSFlexGrid1.setTextMatrix(next, 0, name);
    MSFlexGrid1.setRows(MSFlexGrid1.rows() + 1);
    ++next;
    records[name].push_back(i);
  }
  MSFlexGrid1.setRows(MSFlexGrid1.rows() - 1);
  MSFlexGrid1.setCol(0);
  MSFlexGrid1.sort();

  // The sort keeps equal names in file order.
  listedRecords_.clear();
  std::unordered_map<std::string, std::size_t> taken;
  for (int row = 0; row < MSFlexGrid1.rows(); ++row) {
    std::string name = MSFlexGrid1.textMatrix(row, 0);
    listedRecords_.push_back(records[name][taken[name]++]);
    List1.addItem(std::move(name));
  }
  Label13.setCaption(std::to_string(List1.listCount()));
}

void Form18::List1_Click() { showByName(List1.text()); }

// --- the shown venue ----------------------------------------------------------------------

void Form18::showRecord(int index) {
  hiddenvenue.setCaption(List2.list(index));
  venuename.setCaption(List2.list(index));
  citystate.setCaption(List2.list(line(index, venue_file::cityStateLine)));
  cityname.setCaption(List2.list(line(index, venue_file::cityLine)));
  capacity.setCaption(List2.list(line(index, venue_file::capacityLine)));
  Combo1.setText(venue_file::shownCountry(List2.list(line(index, venue_file::countryLine))));
  exclusiveto.setCaption(List2.list(line(index, venue_file::exclusiveLine)));
  shownRecord_ = index;
}

// Of the venues that bear the name, the last in the file is shown.
void Form18::showByName(const std::string& name) {
  int found = -1;
  for (int i = 0; i < List2.listCount(); i += recordLines)
    if (List2.list(i) == name) found = i;
  if (found >= 0) showRecord(found);
}

void Form18::clearLabels() {
  for (ui::Label* label :
       {&venuename, &citystate, &cityname, &capacity, &exclusiveto, &hiddenvenue})
    label->setCaption("");
  Combo1.setText("Other");
  shownRecord_ = -1;
}

// Where the shown venue begins in List2, or -1 when no venue is shown.
int Form18::shownRecord() const {
  const bool shown = shownRecord_ >= 0 && shownRecord_ < List2.listCount() &&
                     !hiddenvenue.caption().empty() &&
                     List2.list(shownRecord_) == hiddenvenue.caption();
  return shown ? shownRecord_ : -1;
}

bool Form18::nameTaken(const std::string& name) const {
  for (int i = 0; i < List2.listCount(); i += recordLines)
    if (List2.list(i) == name) return true;
  return false;
}

// --- editing ------------------------------------------------------------------------------

void Form18::setEditMode(bool editing) {
  for (ui::Control* browse :
       std::initializer_list<ui::Control*>{&Command6, &Command7, &Command8, &Command9, &Command10,
                                           &Command4, &Command2, &Command12, &Command3, &List1})
    browse->setEnabled(!editing);
  for (ui::Control* edit : std::initializer_list<ui::Control*>{&Command1, &Command11, &Combo1})
    edit->setEnabled(editing);
}

// Asks for a field's new text in edit mode; "" when browsing, cancelled or left empty.
std::string Form18::editField(ui::Label& field, const std::string& text, const std::string& title) {
  if (!editing()) return "";
  return ui::ask(editor_.desktop, text, title, field.caption());
}

void Form18::venuename_Click() {
  const std::string answer =
      editField(venuename, "Please enter the name of this venue.", "Venue Name");
  if (answer.empty()) return;
  // The venue's own stored name counts as taken too.
  uniqueName = !nameTaken(answer);
  if (!uniqueName) {
    ui::say(editor_.desktop, "There is already a venue in this file with this name.");
    return;
  }
  venuename.setCaption(answer);
}

void Form18::citystate_Click() {
  const std::string answer = editField(
      citystate, "Please enter the city and state where this venue is located.", "City & State");
  if (!answer.empty() && shownRecord() >= 0) citystate.setCaption(answer);
}

void Form18::cityname_Click() {
  const std::string answer = editField(
      cityname, "Please enter just the city name where this venue is located.", "City Name");
  if (!answer.empty() && shownRecord() >= 0) cityname.setCaption(answer);
}

void Form18::capacity_Click() {
  const std::string answer =
      editField(capacity, "Please enter the capacity of this venue.", "Capacity");
  if (!answer.empty()) capacity.setCaption(venue_file::capacityText(answer));
}

void Form18::exclusiveto_Click() {
  const std::string answer = editField(
      exclusiveto,
      "Please enter the initials of a promotion this venue is exclusive to, or enter 'None'.",
      "Venue Exclusive To Promotion?");
  if (!answer.empty()) exclusiveto.setCaption(answer);
}

void Form18::Command12_Click() {
  if (hiddenvenue.caption().empty()) {
    ui::say(editor_.desktop, "No venue selected!");
    return;
  }
  setEditMode(true);
}

// Writes the lines to venues.txt; a failure is reported and the caller leaves List2 as it is, so
// the window keeps what the file holds.
bool Form18::saveVenues(const std::vector<std::string>& lines) {
  const std::string path = editor_.dataFile(venue_file::fileName);
  return ui::saveFile(editor_.desktop, path, fileStamp_,
                      [&](common::WriteMode, common::FileStamp* written) {
                        return venue_file::writeVenues(path, lines, written);
                      },
                      {"The venues could not be saved.", ui::Icon::Critical, ""});
}

void Form18::Command1_Click() {
  // Only the shown venue changes, even when another venue bears the same name.
  const int record = shownRecord();
  std::vector<std::string> lines = List2.items();
  if (record >= 0) {
    lines[line(record, venue_file::nameLine)] = venuename.caption();
    lines[line(record, venue_file::cityStateLine)] = citystate.caption();
    lines[line(record, venue_file::cityLine)] = cityname.caption();
    lines[line(record, venue_file::capacityLine)] = capacity.caption();
    lines[line(record, venue_file::countryLine)] = Combo1.text();
    lines[line(record, venue_file::exclusiveLine)] = exclusiveto.caption();
  }
  // A failed save keeps the edit open with what was typed, for another try or a cancel.
  if (!saveVenues(lines)) return;

  if (record >= 0) {
    hiddencountry.setCaption(List2.list(line(record, venue_file::countryLine)));
    for (std::size_t field = 0; field < recordLines; ++field)
      List2.setList(line(record, field), lines[line(record, field)]);

    // A new name takes the old one's place in the list, which is not sorted again.
    if (venuename.caption() != hiddenvenue.caption()) {
      for (std::size_t entry = 0; entry < listedRecords_.size(); ++entry)
        if (listedRecords_[entry] == record)
          List1.setList(static_cast<int>(entry), venuename.caption());
      hiddenvenue.setCaption(venuename.caption());
    }

    // Under a country filter the list follows the venue to its new country.
    if (hiddencountry.caption() != Combo1.text() && Command6.backColor() != ui::yellow) {
      for (const Filter& filter : filters())
        if (filter.country == Combo1.text()) makeActive(*filter.button);
      fillList(Combo1.text());
      for (std::size_t entry = 0; entry < listedRecords_.size(); ++entry)
        if (listedRecords_[entry] == record) List1.setListIndex(static_cast<int>(entry));
    }
  }
  setEditMode(false);
  ui::say(editor_.desktop, "Changes Saved OK.");
}

void Form18::Command11_Click() {
  setEditMode(false);
  if (const int record = shownRecord(); record >= 0) showRecord(record);
}

void Form18::Command2_Click() {
  Command6_Click();
  const std::string name = venue_file::firstFreeName(List2.items());
  std::vector<std::string> lines = List2.items();
  const int record = static_cast<int>(lines.size());
  for (std::string& text : venue_file::newVenue(name)) lines.push_back(std::move(text));
  // The new venue is in the file before the user edits it.
  if (!saveVenues(lines)) return;

  for (int i = record; i < static_cast<int>(lines.size()); ++i) List2.addItem(lines[i]);
  hiddenvenue.setCaption(name);
  sortlists();
  for (std::size_t entry = 0; entry < listedRecords_.size(); ++entry)
    if (listedRecords_[entry] == record) List1.setListIndex(static_cast<int>(entry));
  Command12_Click();
}

void Form18::Command3_Click() {
  const std::string name = hiddenvenue.caption();
  if (name.empty()) {
    ui::say(editor_.desktop, "No venue has been selected!");
    return;
  }
  if (!ui::askYesNo(editor_.desktop,
                    "Are you sure you want to delete the venue ''" + name + "''?")) {
    ui::say(editor_.desktop, "Delete cancelled.");
    return;
  }
  // Only the shown venue goes, even when another venue bears the same name.
  const int record = shownRecord();
  std::vector<std::string> lines = List2.items();
  if (record >= 0) lines.erase(lines.begin() + record, lines.begin() + record + recordLines);
  if (!saveVenues(lines)) return;

  if (record >= 0)
    for (std::size_t field = 0; field < recordLines; ++field) List2.removeItem(record);
  for (const Filter& filter : filters()) {
    if (filter.button->backColor() == ui::yellow) {
      filterClick(*filter.button, filter.country);
      break;
    }
  }
}

std::optional<ui::UnsavedWork> Form18::unsavedWork() {
  const int record = shownRecord();
  if (!visible() || !editing() || record < 0) return std::nullopt;
  const bool unchanged =
      venuename.caption() == List2.list(line(record, venue_file::nameLine)) &&
      citystate.caption() == List2.list(line(record, venue_file::cityStateLine)) &&
      cityname.caption() == List2.list(line(record, venue_file::cityLine)) &&
      capacity.caption() == List2.list(line(record, venue_file::capacityLine)) &&
      Combo1.text() ==
          venue_file::shownCountry(List2.list(line(record, venue_file::countryLine))) &&
      exclusiveto.caption() == List2.list(line(record, venue_file::exclusiveLine));
  if (unchanged) return std::nullopt;
  return ui::UnsavedWork{"The venue being edited", [this] {
                           Command1_Click();
                           return !editing();  // a stored edit is back in browse mode
                         }};
}

void Form18::Command4_Click() {
  editor_.form14.show();
  hide();
}
