#include "promotion/step4_big_shows.h"

#include "app/editor.h"
#include "common/number_text.h"
#include "promotion/wizard_page.h"

namespace pf = promotion_file;
using Field = pf::MonthField;

namespace {

const std::array<std::string, 12> monthCaptions = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                   "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

}  // namespace

Form6::Form6(Editor& editor) : editor_(editor) {
  wizard::setUpPage(*this, Label1, "Step 4 of 8", Label6, "Click On A Stat To Edit", Command2,
                    Command1);

  constexpr int step = 28;
  wizard::placeRowAt(80, Label2, "Monthly PPV Deal?", Combo1);
  wizard::placeRowAt(80 + step, Label12, "Av. PPV Buy-Rate", ppvbuyrate);
  wizard::placeRowAt(80 + 2 * step, Label3, "Max Big Show Attendence", bigshowatt);
  for (const char* answer : {"Yes", "No"}) Combo1.addItem(answer);

  Label10.setCaption(
      "In Vorlune 1.3, you choose how often you book a big show, and what you name it. However, "
      "if the promotion has a set pattern for their big shows eg. every January is Crown "
      "Scramble, every February is Last Exit - you can enter that information here, so it "
      "appears by default if the player chooses to book a big show for that month.");
  Label10.place(30, 168, wizard::pageWidth - 60, 72);
  Label10.setWordWrap(true);
  Label10.setForeColor(ui::white);
  Label10.setFontSize(8);

  // The box: the months in two rows of six, then the selected month's three fields.
  constexpr int boxLeft = 30, boxTop = 246, boxRight = wizard::pageWidth - 30, boxBottom = 410;
  Line1.setEnds(boxLeft, boxTop, boxRight, boxTop);
  Line2.setEnds(boxRight, boxTop, boxRight, boxBottom);
  Line3.setEnds(boxLeft, boxBottom, boxRight, boxBottom);
  Line4.setEnds(boxLeft, boxTop, boxLeft, boxBottom);
  for (ui::Line* line : {&Line1, &Line2, &Line3, &Line4}) line->setForeColor(ui::white);

  constexpr int monthWidth = 82, monthGap = 8;
  constexpr int monthsLeft = (wizard::pageWidth - 6 * monthWidth - 5 * monthGap) / 2;
  const std::array<ui::Label*, 12> labels = months();
  for (std::size_t i = 0; i < labels.size(); ++i) {
    ui::Label& label = *labels[i];
    const int column = static_cast<int>(i % 6), row = static_cast<int>(i / 6);
    label.setCaption(monthCaptions[i]);
    label.place(monthsLeft + column * (monthWidth + monthGap), boxTop + 8 + row * 28, monthWidth,
                22);
    label.setForeColor(ui::black);
    label.setBold(true);
    label.setBorder(true);
    label.setAlignment(ui::Align::Center);
  }
  wizard::select(labels, month1);

  wizard::placeRowAt(boxTop + 68, Label5, "Big Show Name", bigshowname);
  wizard::placeRowAt(boxTop + 98, Label4, "Big Show Brand", Combo2);
  wizard::placeRowWithButton(boxTop + 128, Label9, "Big Show Logo", bigshowlogo, Command3);
  for (const std::string& brand : pf::brandChoices) Combo2.addItem(brand);
  for (ui::Label* value : {&ppvbuyrate, &bigshowatt, &bigshowname, &bigshowlogo})
    value->setAlignment(ui::Align::Center);

  Combo1.onClick = [this] { Combo1_Click(); };
  ppvbuyrate.onClick = [this] { ppvbuyrate_Click(); };
  bigshowatt.onClick = [this] { bigshowatt_Click(); };
  month1.onClick = [this] { month1_Click(); };
  month2.onClick = [this] { month2_Click(); };
  month3.onClick = [this] { month3_Click(); };
  month4.onClick = [this] { month4_Click(); };
  month5.onClick = [this] { month5_Click(); };
  month6.onClick = [this] { month6_Click(); };
  month7.onClick = [this] { month7_Click(); };
  month8.onClick = [this] { month8_Click(); };
  month9.onClick = [this] { month9_Click(); };
  month10.onClick = [this] { month10_Click(); };
  month11.onClick = [this] { month11_Click(); };
  month12.onClick = [this] { month12_Click(); };
  bigshowname.onClick = [this] { bigshowname_Click(); };
  Combo2.onClick = [this] { Combo2_Click(); };
  bigshowlogo.onClick = [this] { bigshowlogo_Click(); };
  Command1.onClick = [this] { Command1_Click(); };
  Command2.onClick = [this] { Command2_Click(); };
  Command3.onClick = [this] { Command3_Click(); };
}

std::array<ui::Label*, 12> Form6::months() {
  return {&month1, &month2, &month3, &month4,  &month5,  &month6,
          &month7, &month8, &month9, &month10, &month11, &month12};
}

int Form6::selectedMonth() {
  const std::array<ui::Label*, 12> labels = months();
  for (std::size_t i = 0; i < labels.size(); ++i) {
    if (wizard::isSelected(*labels[i])) return static_cast<int>(i) + 1;
  }
  return 0;
}

void Form6::Combo1_Click() {
  // A deal below national size is only warned about; the save refuses it.
  if (Combo1.text() == "Yes" &&
      common::numberValue(wizard::line(editor_, pf::sizeLine)) < pf::firstNationalSize)
    ui::say(editor_.desktop,
            "WARNING:\r\nOnly National sized promotions can have a monthly PPV deal.");
  wizard::setLine(editor_, pf::ppvDealLine, Combo1.text());
}

void Form6::ppvbuyrate_Click() {
  const std::string answer = ui::ask(
      editor_.desktop,
      "Please enter the average buy rate this promotion gets for big shows on Pay-Per-View (not "
      "weekly shows).\r\nSome examples of real life buy-rates: \r\nHighfire 2005 - 0.94\r\nLast "
      "Exit 2005 - 0.59\r\nCrown Scramble 2005 - 0.83",
      "Average PPV Buy-Rate", ppvbuyrate.caption());
  if (answer.empty()) return;
  if (common::numberValue(answer) > 5) {
    ui::say(editor_.desktop,
            "Invalid Buy-Rate!\r\n\r\nThe Buy-Rate is a number usually between 0 and 2, where "
            "1.0 = 400,000 PPV buys. SBL usually get between 0.5 and 1.0 for their monthly PPV "
            "events.\r\n\r\nPlease enter another value.");
    return;
  }
  if (!wizard::numberFits(editor_, answer, 100)) return;
  wizard::setLine(editor_, pf::buyRateLine, common::toHundredths(answer));
  ppvbuyrate.setCaption(answer);  // as typed; the stored hundredfold shows on the next open
}

void Form6::bigshowatt_Click() {
  wizard::editNumber(editor_, bigshowatt, pf::bigShowAttendanceLine, "Max Big Show Attendence",
                     "Please enter the maximum attendence this promotion could attract for a big "
                     "show at this point in time.");
}

void Form6::month1_Click() { selectMonth(1); }
void Form6::month2_Click() { selectMonth(2); }
void Form6::month3_Click() { selectMonth(3); }
void Form6::month4_Click() { selectMonth(4); }
void Form6::month5_Click() { selectMonth(5); }
void Form6::month6_Click() { selectMonth(6); }
void Form6::month7_Click() { selectMonth(7); }
void Form6::month8_Click() { selectMonth(8); }
void Form6::month9_Click() { selectMonth(9); }
void Form6::month10_Click() { selectMonth(10); }
void Form6::month11_Click() { selectMonth(11); }
void Form6::month12_Click() { selectMonth(12); }

void Form6::selectMonth(int month) {
  // The colours first, so that the brand list's click writes into the month now selected.
  const std::array<ui::Label*, 12> labels = months();
  wizard::select(labels, *labels[static_cast<std::size_t>(month - 1)]);
  const std::string name = wizard::line(editor_, monthLine(month, Field::name));
  if (!name.empty()) {
    bigshowname.setCaption(name);
    Combo2.setText(wizard::line(editor_, monthLine(month, Field::brand)));
    const std::string logo = wizard::line(editor_, monthLine(month, Field::logo));
    bigshowlogo.setCaption(logo.empty() ? "NA" : logo);
    return;
  }
  // A month without a big show gets the defaults a named one needs.
  bigshowname.setCaption("None");
  Combo2.setText("All");
  wizard::setLine(editor_, monthLine(month, Field::brand), "All");
  bigshowlogo.setCaption("NA");
  wizard::setLine(editor_, monthLine(month, Field::logo), "NA");
}

void Form6::bigshowname_Click() {
  const int month = selectedMonth();
  if (month == 0) return;
  const std::string answer =
      ui::ask(editor_.desktop,
              "Please enter the name of the big show which is held in this month by this "
              "promotion, or if this promotion doesn't have a big show in this month, enter "
              "'None'.",
              "Big Show Name", bigshowname.caption());
  if (answer.empty()) return;
  if (answer != "None") {
    wizard::setLine(editor_, monthLine(month, Field::name), answer);
    bigshowname.setCaption(answer);
    return;
  }
  Combo2.setText("All");
  bigshowlogo.setCaption("NA");
  for (Field field : {Field::name, Field::brand, Field::logo})
    wizard::setLine(editor_, monthLine(month, field), "");
  bigshowname.setCaption("None");
}

void Form6::Combo2_Click() {
  const int month = selectedMonth();
  if (month != 0) wizard::setLine(editor_, monthLine(month, Field::brand), Combo2.text());
}

void Form6::bigshowlogo_Click() {
  const int month = selectedMonth();
  if (month == 0) return;
  wizard::editText(editor_, bigshowlogo, monthLine(month, Field::logo), "Big Show Logo",
                   "Please enter the name of the image you want to use for this big show's logo. "
                   "The image file should be kept in the Images folder in your VL folder. If you "
                   "don't want to specify a logo for this month's big show, enter 'NA'.");
}

void Form6::Command1_Click() { wizard::goTo(*this, editor_.form7); }
void Form6::Command2_Click() { wizard::goTo(*this, editor_.form5); }

void Form6::Command3_Click() {
  const int month = selectedMonth();
  if (month > 0) editor_.form16.openfor(monthLogoKey(month));
}
