#include "promotion/page_fill.h"

#include <cmath>
#include <functional>
#include <optional>
#include <string>
#include <utility>

#include "app/editor.h"
#include "common/number_text.h"
#include "promotion/promotion_file.h"
#include "promotion/wizard_page.h"

namespace pf = promotion_file;

namespace {

// Setting a pick list or a scroll bar raises its handler exactly as a person's choice would, so the
// page writes its line back. A line the control can't show (no item of the list, no position of
// it, no whole number in the bar's range) never reaches the handler: the control shows no choice,
// or the nearest value it can, and the line keeps what it holds.

// The whole number a line counts as by its leading number: "05", "3 " and "7.0" count as 5, 3 and
// 7. A line whose leading number has a fraction ("2.5") counts as none.
std::optional<int> leadingWholeNumber(const std::string& line) {
  const double value = common::numberValue(line);
  if (value != std::trunc(value)) return std::nullopt;
  return wizard::wholeNumber(line);
}

// The size pick list set to its item n when the line is exactly the text of n; any other line
// leaves the choice as it was and raises nothing.
void fillSize(ui::ComboBox& list, const std::string& line) {
  for (int n = 1; n <= list.listCount(); ++n) {
    if (line == std::to_string(n)) {
      list.setListIndex(n - 1);
      return;
    }
  }
}

// A pick list set to its item at the line's position, counted by its leading number ("1" and "01"
// are the first item).
void fillPosition(ui::ComboBox& list, const std::string& line) {
  const std::optional<int> position = leadingWholeNumber(line);
  if (position && *position >= 1 && *position <= list.listCount()) {
    list.setListIndex(*position - 1);
  } else {
    list.setListIndex(-1);  // no choice, silently
  }
}

// How a scroll line is read: the whole line as a number ("50"), or its leading number ("60 ").
enum class ScrollLine { Whole, LeadingNumber };

// A scroll bar set to the line's number.
void fillScroll(ui::HScrollBar& bar, const std::string& line, ScrollLine reading) {
  const int value = wizard::wholeNumber(line);
  const bool readable = reading == ScrollLine::Whole ? std::to_string(value) == line
                                                     : leadingWholeNumber(line).has_value();
  if (readable && value >= bar.min() && value <= bar.max()) {
    bar.setValue(value);
    return;
  }
  std::function<void()> handler = std::exchange(bar.onChange, nullptr);
  bar.setValue(value);  // clamped to the bar's range
  bar.onChange = std::move(handler);
}

std::string orText(const std::string& line, const char* empty) {
  return line.empty() ? std::string(empty) : line;
}

void fillProfile(Editor& editor) {
  Form3& page = editor.form3;
  auto line = [&editor](std::size_t index) { return wizard::line(editor, index); };
  page.prominitials.setCaption(line(pf::initialsLine));
  page.promname.setCaption(line(pf::nameLine));
  page.promlogo.setCaption(line(pf::logoLine));
  fillSize(page.Combo1, line(pf::sizeLine));  // "1" to "6"
  page.bankbalance.setCaption(line(pf::bankBalanceLine));
  page.website.setCaption(line(pf::webSiteLine));
  page.Text1.setText(line(pf::descriptionLine));
  page.owner.setCaption(line(pf::ownerLine));
  page.Combo2.setText(line(pf::rosterSplitLine));
  const bool split = page.Combo2.text() != "No";
  for (ui::Label* label : {&page.brand1, &page.brand2, &page.Label14, &page.Label16})
    label->setEnabled(split);
  // Read after the roster split, which names the brands of a split without names.
  page.brand1.setCaption(line(pf::brand1NameLine));
  page.brand2.setCaption(line(pf::brand2NameLine));
  page.Combo3.setText(line(pf::tvCoverageLine));
}

void fillWeeklyShows(Editor& editor) {
  Form4& page = editor.form4;
  using F = pf::ShowField;
  auto line = [&editor](F field) { return wizard::line(editor, pf::showLine(0, field)); };
  wizard::select({&page.show1, &page.show2, &page.show3, &page.show4}, page.show1);
  page.nameofshow.setCaption(line(F::name));
  page.Combo1.setText(line(F::day));
  page.showlogo.setCaption(line(F::logo));
  page.Combo2.setText(line(F::brand));
  page.Combo3.setText(line(F::type));
  fillScroll(page.HScroll1, line(F::popularity), ScrollLine::Whole);
  page.percentage.setCaption(line(F::popularity) + "%");
  const std::string rating = line(F::ratingOrBuys);
  page.tvrating.setCaption(page.Combo3.text() == "TV" ? common::fromHundredths(rating) : rating);
}

void fillAttendances(Editor& editor) {
  Form5& page = editor.form5;
  page.tvatt.setCaption(wizard::line(editor, pf::maxTelevisedAttendanceLine));
  page.untvatt.setCaption(wizard::line(editor, pf::maxUntelevisedAttendanceLine));
  fillPosition(page.Combo1, wizard::line(editor, pf::primaryProductionLine));
  fillPosition(page.Combo2, wizard::line(editor, pf::secondaryProductionLine));
  fillPosition(page.Combo3, wizard::line(editor, pf::bigShowProductionLine));
}

void fillBigShows(Editor& editor, FillPath path) {
  Form6& page = editor.form6;
  using F = pf::MonthField;
  page.Combo1.setText(wizard::line(editor, pf::ppvDealLine));
  page.ppvbuyrate.setCaption(common::fromHundredths(wizard::line(editor, pf::buyRateLine)));
  page.bigshowatt.setCaption(wizard::line(editor, pf::bigShowAttendanceLine));
  wizard::select(
      {&page.month1, &page.month2, &page.month3, &page.month4, &page.month5, &page.month6,
       &page.month7, &page.month8, &page.month9, &page.month10, &page.month11, &page.month12},
      page.month1);
  const std::string name = wizard::line(editor, pf::monthLine(1, F::name));
  if (name.empty()) {
    page.bigshowname.setCaption("None");
    page.Combo2.setText("All");
    page.bigshowlogo.setCaption("NA");
    // Every promotion made from the template holds "NA" as January's logo.
    if (path == FillPath::Create) wizard::setLine(editor, pf::monthLine(1, F::logo), "NA");
  } else {
    page.bigshowname.setCaption(name);
    page.Combo2.setText(wizard::line(editor, pf::monthLine(1, F::brand)));
    page.bigshowlogo.setCaption(wizard::line(editor, pf::monthLine(1, F::logo)));
  }
}

void fillNextBigShow(Editor& editor) {
  Form7& page = editor.form7;
  const std::string name = wizard::line(editor, pf::nextBigShowNameLine);
  if (name == "None") {
    page.nameofbigshow.setCaption("None");
    page.Combo2.setListIndex(0);
    page.dateofshow.setCaption("");
    page.HScroll1.setValue(0);
    page.days.setCaption("0");
    return;
  }
  page.nameofbigshow.setCaption(name);
  fillPosition(page.Combo2, wizard::line(editor, pf::nextBigShowLevelLine));
  page.dateofshow.setCaption(wizard::line(editor, pf::nextBigShowDateLine));
  fillScroll(page.HScroll1, wizard::line(editor, pf::nextBigShowDaysLine),
             ScrollLine::LeadingNumber);
  page.days.setCaption(wizard::line(editor, pf::nextBigShowDaysLine));
}

// The primary title is selected and loaded exactly as a click on its slot does.
void fillTitleBelts(Editor& editor) { editor.form8.title1_Click(); }

void fillPowerFigures(Editor& editor) {
  Form10& page = editor.form10;
  const std::pair<ui::Label*, std::size_t> labels[] = {
      {&page.powerfig1name, pf::powerFigureNameLine(1, 1)},
      {&page.brand1powerfig1title, pf::powerFigureJobLine(1, 1)},
      {&page.brand1powerfig2name, pf::powerFigureNameLine(1, 2)},
      {&page.brand1powerfig2title, pf::powerFigureJobLine(1, 2)},
      {&page.brand2powerfig1name, pf::powerFigureNameLine(2, 1)},
      {&page.brand2powerfig1title, pf::powerFigureJobLine(2, 1)},
      {&page.brand2powerfig2name, pf::powerFigureNameLine(2, 2)},
      {&page.brand2powerfig2title, pf::powerFigureJobLine(2, 2)},
      {&page.interviewer1, pf::interviewer1Line},
      {&page.interviewer2, pf::interviewer2Line}};
  for (const auto& [label, index] : labels)
    label->setCaption(orText(wizard::line(editor, index), "None"));
}

void fillTalkShows(Editor& editor) {
  Form11& page = editor.form11;
  auto line = [&editor](std::size_t index) { return wizard::line(editor, index); };
  page.brand1talkshowname.setCaption(line(pf::segmentNameLine(1)));
  page.brand1talkshowhost.setCaption(orText(line(pf::segmentHostLine(1)), "NA"));
  page.talkshow1showname.setCaption(orText(line(pf::segmentShowLine(1)), "NA"));
  page.brand2talkshowname.setCaption(line(pf::segmentNameLine(2)));
  page.brand2talkshowhost.setCaption(orText(line(pf::segmentHostLine(2)), "NA"));
  page.talkshow2showname.setCaption(orText(line(pf::segmentShowLine(2)), "NA"));
  page.popularity.setCaption(line(pf::popularityLine) + "%");
  fillScroll(page.HScroll1, line(pf::popularityLine), ScrollLine::Whole);
  page.Combo2.setText(line(pf::countryLine));
}

}  // namespace

void loadpromotionpages(Editor& editor, FillPath path) {
  fillProfile(editor);
  fillWeeklyShows(editor);
  fillAttendances(editor);
  fillBigShows(editor, path);
  fillNextBigShow(editor);
  fillTitleBelts(editor);
  fillPowerFigures(editor);
  fillTalkShows(editor);
}
