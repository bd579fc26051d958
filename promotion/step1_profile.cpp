#include "promotion/step1_profile.h"

#include "app/editor.h"
#include "common/number_text.h"
#include "promotion/promotion_file.h"
#include "promotion/wizard_page.h"

namespace pf = promotion_file;

namespace {

// Twelve rows on one page: a little closer together than the usual row step.
constexpr int rowStep = 27;
int rowTop(int row) { return wizard::rowTop + row * rowStep; }

// The coverage that fits a size: "1" None, "2" Local, "3" Regional, above 3 National; "" when the
// size line fits none of them.
std::string fittingCoverage(const std::string& sizeLine) {
  if (sizeLine == "1") return "None";
  if (sizeLine == "2") return "Local";
  if (sizeLine == "3") return "Regional";
  if (common::numberValue(sizeLine) > 3) return "National";
  return "";
}

// The coverage rules put a value in place at most this deep inside each other. A promotion whose
// size is one of "1" to "6" needs two levels; a size line from a file that is none of them (such as
// "3.5") could otherwise make the rules replace each other's values without end.
constexpr int deepestCoverageRun = 3;

}  // namespace

Form3::Form3(Editor& editor) : editor_(editor) {
  wizard::setUpPage(*this, Label1, "Step 1 of 8", Label2, "Click On A Stat To Edit", Command2,
                    Command1);

  wizard::placeRowAt(rowTop(0), Label3, "Promotion Initials", prominitials);
  wizard::placeRowAt(rowTop(1), Label4, "Promotion Name", promname);
  wizard::placeRowWithButton(rowTop(2), Label5, "Promotion Logo", promlogo, Command3);
  wizard::placeRowAt(rowTop(3), Label6, "Promotion Size", Combo1);
  wizard::placeRowAt(rowTop(4), Label7, "Bank Balance ($)", bankbalance);
  wizard::placeRowAt(rowTop(5), Label8, "Web Site", website);
  wizard::placeRowAt(rowTop(6), Label9, "Description", Text1);
  wizard::placeRowAt(rowTop(7), Label10, "Owner's Name", owner);
  wizard::placeRowAt(rowTop(8), Label11, "Roster Split?", Combo2);
  wizard::placeRowAt(rowTop(9), Label14, "Brand 1 Name", brand1);
  wizard::placeRowAt(rowTop(10), Label16, "Brand 2 Name", brand2);
  wizard::placeRowAt(rowTop(11), Label12, "TV Coverage", Combo3);

  for (const std::string& size : pf::sizeNames) Combo1.addItem(size);
  for (const char* answer : {"Yes", "No"}) Combo2.addItem(answer);
  for (const std::string& coverage : pf::tvCoverages) Combo3.addItem(coverage);

  prominitials.onClick = [this] { prominitials_Click(); };
  promname.onClick = [this] { promname_Click(); };
  bankbalance.onClick = [this] { bankbalance_Click(); };
  website.onClick = [this] { website_Click(); };
  owner.onClick = [this] { owner_Click(); };
  brand1.onClick = [this] { brand1_Click(); };
  brand2.onClick = [this] { brand2_Click(); };
  Text1.onChange = [this] { Text1_Change(); };
  Text1.onDblClick = [this] { Text1_DblClick(); };
  Combo1.onClick = [this] { Combo1_Click(); };
  Combo2.onClick = [this] { Combo2_Click(); };
  Combo3.onClick = [this] { Combo3_Click(); };
  Command1.onClick = [this] { Command1_Click(); };
  Command2.onClick = [this] { Command2_Click(); };
  Command3.onClick = [this] { Command3_Click(); };
}

void Form3::prominitials_Click() {
  wizard::editText(editor_, prominitials, pf::initialsLine, "Promotion Initials",
                   "Please enter the initials of this promotion, eg. KGU.");
}

void Form3::promname_Click() {
  wizard::editText(editor_, promname, pf::nameLine, "Promotion Name",
                   "Please enter the name of this promotion, eg. Korvane Grappling Union.");
}

void Form3::bankbalance_Click() {
  wizard::editNumber(editor_, bankbalance, pf::bankBalanceLine, "Bank Balance",
                     "Please enter the bank balance of this promotion, in U.S. dollars.");
}

void Form3::website_Click() {
  wizard::editText(editor_, website, pf::webSiteLine, "Website Address",
                   "Please enter the website address of this promotion, eg. www.korvanegu.com. If "
                   "there isn't a website address for this promotion, enter 'None'.");
}

void Form3::owner_Click() {
  wizard::editText(editor_, owner, pf::ownerLine, "Owner's Name",
                   "Please enter the name of the owner of this promotion, eg. Harlan Voss.");
}

void Form3::brand1_Click() {
  wizard::editText(editor_, brand1, pf::brand1NameLine, "Brand 1 Name",
                   "Please enter the name of the first brand in your roster split.");
}

void Form3::brand2_Click() {
  wizard::editText(editor_, brand2, pf::brand2NameLine, "Brand 2 Name",
                   "Please enter the name of the second brand in your roster split.");
}

void Form3::Text1_Change() { wizard::setLine(editor_, pf::descriptionLine, Text1.text()); }

void Form3::Text1_DblClick() {
  ui::say(editor_.desktop,
          "Type in a short description of this promotion, to help a new player when choosing "
          "which promotion to control.",
          ui::Icon::None, "Description");
}

void Form3::Combo1_Click() {
  const std::string position = wizard::choicePosition(Combo1);
  if (!position.empty()) wizard::setLine(editor_, pf::sizeLine, position);
}

void Form3::Combo2_Click() {
  const std::string split = Combo2.text();
  wizard::setLine(editor_, pf::rosterSplitLine, split);
  if (split == "No") {
    // The names stay in their lines and labels for a later split.
    enableBrands(false);
    return;
  }
  if (wizard::line(editor_, pf::brand1NameLine).empty()) {
    wizard::setLine(editor_, pf::brand1NameLine, "Brand 1");
    wizard::setLine(editor_, pf::brand2NameLine, "Brand 2");
  }
  brand1.setCaption(wizard::line(editor_, pf::brand1NameLine));
  brand2.setCaption(wizard::line(editor_, pf::brand2NameLine));
  enableBrands(true);
}

void Form3::enableBrands(bool enabled) {
  for (ui::Label* label : {&brand1, &brand2, &Label14, &Label16}) label->setEnabled(enabled);
}

void Form3::Combo3_Click() {
  // A coverage that doesn't fit the size is replaced, with a message, by one that does; putting
  // the value in place runs this handler again at once, so the replacement is tested too. Each
  // rule reads the list and the size afresh, after what the rules before it put in place.
  ++coverageRuns_;
  wizard::setLine(editor_, pf::tvCoverageLine, Combo3.text());
  auto size = [this] { return common::numberValue(wizard::line(editor_, pf::sizeLine)); };
  auto replace = [this](const std::string& message, const std::string& value) {
    ui::say(editor_.desktop, message);
    if (!value.empty() && coverageRuns_ < deepestCoverageRun) Combo3.setText(value);
  };
  if (Combo3.text() == "National" && size() < pf::firstNationalSize)
    replace("The promotion size must be at least Small National to have National TV.", "None");
  if (Combo3.text() == "Regional" && size() < 3)
    replace("The promotion size must be at least 'Indy With Regional TV' to have Regional TV.",
            "None");
  if (Combo3.text() == "Local" && wizard::line(editor_, pf::sizeLine) != "2")
    replace("The promotion size must be 'Indy With Local TV' to have Local TV.",
            fittingCoverage(wizard::line(editor_, pf::sizeLine)));
  if (Combo3.text() == "None" && size() > 1)
    replace("Only a Basic Indy can have no television coverage.",
            fittingCoverage(wizard::line(editor_, pf::sizeLine)));
  --coverageRuns_;
}

void Form3::Command1_Click() { wizard::goTo(*this, editor_.form4); }

void Form3::Command2_Click() {
  if (!ui::askYesNo(editor_.desktop,
                    "If you haven't gone through all steps and clicked Save, you will lose any "
                    "changes by returning to the menu.\r\n\r\nAre you sure you want to go back to "
                    "the menu?"))
    return;
  wizard::goTo(*this, editor_.form2);
}

void Form3::Command3_Click() { editor_.form16.openfor(promotionLogoKey); }
