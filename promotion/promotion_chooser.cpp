#include "promotion/promotion_chooser.h"

#include "app/editor.h"
#include "common/paths.h"
#include "promotion/page_fill.h"
#include "promotion/promotion_file.h"
#include "ui/styles.h"

namespace {

const std::string editCaption = "Edit This Promotion";
const std::string deleteCaption = "Delete This Promotion";

}  // namespace

Form2::Form2(Editor& editor) : editor_(editor) {
  setCaption(ui::mainCaption);
  setBackdrop("main");
  setSize(640, 480);

  placeHeading(Label1, "Editing Promotions");

  // The prompt (then the previewed name) over the list, the two buttons under it.
  Label2.setCaption("Select Promotion To Edit");
  Label2.place(150, 56, 340, 28);
  ui::styleHeading(Label2);
  File1.place(150, 90, 340, 250);
  File1.setBackColor(ui::white);
  File1.setPattern(promotion_file::pattern);
  Command1.setCaption(editCaption);
  Command1.setBold(true);
  Command1.place(150, 350, 340, 36);
  Command2.setCaption("Back");
  Command2.setBold(true);
  Command2.place(150, 394, 340, 36);

  List1.place(0, 0, 100, 60);
  List1.setVisible(false);
  List2.place(0, 64, 100, 60);
  List2.setVisible(false);
  for (const std::string& line : promotion_file::templateLines()) List2.addItem(line);
  nameoffile.setCaption("filename");
  nameoffile.place(0, 128, 100, 20);
  nameoffile.setVisible(false);

  File1.onClick = [this] { File1_Click(); };
  Command1.onClick = [this] { Command1_Click(); };
  Command2.onClick = [this] { Command2_Click(); };
}

void Form2::setmode(bool deleting) {
  Label1.setCaption(deleting ? "Delete Promotion" : "Edit Promotion");
  Command1.setCaption(deleting ? deleteCaption : editCaption);
  Label2.setCaption(prompttext());
  File1.setPattern(promotion_file::pattern);
  File1.setPath(editor_.dataFile(""));
  ui::tellReadError(editor_.desktop, File1.readError());
}

void Form2::showdataset() {
  if (File1.path() == editor_.dataFile("")) return;
  File1.setPattern(promotion_file::pattern);
  File1.setPath(editor_.dataFile(""));
  Label2.setCaption(prompttext());
  ui::tellReadError(editor_.desktop, File1.readError());
}

std::string Form2::prompttext() const {
  return Command1.caption() == deleteCaption ? "Select Promotion To Delete"
                                             : "Select Promotion To Edit";
}

void Form2::File1_Click() {
  const std::string name = File1.fileName();
  if (name.empty()) return;
  std::vector<std::string> lines;
  const common::IoStatus read = promotion_file::readPreview(editor_.dataFile(name), lines);
  if (read && lines.size() >= 2) {
    Label2.setCaption(lines[promotion_file::nameLine]);
    return;
  }
  Label2.setCaption(prompttext());
  ui::say(editor_.desktop,
          read ? "The file \"" + name + "\" holds no promotion: it has no promotion name."
               : "The promotion \"" + name + "\" can't be shown.\r\n\r\n" + read.error,
          ui::Icon::Exclamation);
}

void Form2::Command1_Click() {
  const std::string name = File1.fileName();
  if (name.empty()) return;
  if (Command1.caption() == deleteCaption) {
    deletepromotion(name);
  } else {
    openpromotion(name);
  }
}

void Form2::deletepromotion(const std::string& name) {
  if (!ui::askYesNo(editor_.desktop, "Are you sure you want to permanently delete this promotion?"))
    return;
  const common::IoStatus removed = common::removeFile(editor_.dataFile(name));
  File1.refresh();
  if (removed) {
    ui::say(editor_.desktop, "Promotion Deleted.");
  } else {
    ui::say(editor_.desktop, "The promotion could not be deleted.\r\n\r\n" + removed.error,
            ui::Icon::Exclamation);
  }
}

void Form2::openpromotion(const std::string& name) {
  // The file is read whole before anything changes, so a refused file leaves the open
  // promotion as it was.
  std::vector<std::string> lines;
  common::ReadInfo info;
  const std::string path = editor_.dataFile(name);
  const common::IoStatus read = promotion_file::readPromotion(path, lines, &info);
  std::string problem;
  if (!read) {
    problem = read.error;
  } else if (lines.size() < promotion_file::lineCount) {
    problem = "It has " + std::to_string(lines.size()) + " lines, and a promotion file has " +
              std::to_string(promotion_file::lineCount) + ".";
  }
  if (!problem.empty()) {
    ui::say(editor_.desktop, "The promotion \"" + name + "\" can't be opened.\r\n\r\n" + problem,
            ui::Icon::Exclamation);
    return;
  }
  startediting(name, lines, FillPath::Open, *this);
  fileStamp = info.stamp;
  ui::tellMixedLineEnds(editor_.desktop, path, info);
}

void Form2::startediting(const std::string& name, const std::vector<std::string>& lines,
                         FillPath path, ui::Form& from) {
  // A picker left open over a page belongs to the promotion edited before.
  editor_.form16.hide();
  // The chooser that "<<< Back" on the first page returns to lists this data set's promotions.
  showdataset();
  nameoffile.setCaption(name);
  fileStamp = {};
  List1.clear();
  for (const std::string& line : lines) List1.addItem(line);
  loadpromotionpages(editor_, path);
  // The fill's own write-backs (a January without a big show gets the brand "All", ...) are part
  // of the promotion as opened, not changes of the user's.
  markunchanged();
  editor_.form3.show();
  from.hide();
}

void Form2::markunchanged() { unchangedLines_ = List1.items(); }

bool Form2::haschanges() const { return !fileStamp.present || List1.items() != unchangedLines_; }

void Form2::Command2_Click() {
  editor_.form1.show();
  hide();
}
