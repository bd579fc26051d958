#include "promotion/step8_talk_shows.h"

#include <utility>
#include <vector>

#include "app/editor.h"
#include "common/line_file.h"
#include "promotion/promotion_file.h"
#include "promotion/promotion_save.h"
#include "promotion/wizard_page.h"
#include "ui/styles.h"

namespace {

constexpr int captionLeft = 30, captionWidth = 290, valueLeft = 330, valueWidth = 280;
constexpr int groupGap = 12;  // between brand 1's rows, brand 2's rows and the standing rows

void styleRow(int row, ui::Label& caption, const char* text, ui::Control& value, int width) {
  const int top = wizard::rowY(row) + (row / 3) * groupGap;
  caption.setCaption(text);
  ui::styleHeading(caption);
  caption.setBorder(true);
  caption.place(captionLeft, top, captionWidth, wizard::rowHeight);
  value.place(valueLeft, top, width, wizard::rowHeight);
  if (auto* label = dynamic_cast<ui::Label*>(&value)) {
    ui::styleValue(*label);
  } else {
    value.setBold(true);
  }
}

}  // namespace

Form11::Form11(Editor& editor) : editor_(editor) {
  wizard::setUpPage(*this, Label1, "Step 8 of 8", Label2, "", Command2, Command1, "SAVE");
  Label2.setVisible(false);

  int row = 0;
  for (const SegmentRow& r : segmentRows()) {
    styleRow(row++, r.caption, r.captionText, r.value, valueWidth);
    r.value.setCaption("NA");
    r.value.onClick = [this, click = r.click] { (this->*click)(); };
  }

  styleRow(6, Label9, "Country Promotion Is Based In", Combo2, 160);
  for (const std::string& country : promotion_file::countries) Combo2.addItem(country);
  styleRow(7, Label10, "Overall Popularity", popularity, 70);
  HScroll1.place(valueLeft + 80, popularity.top(), valueWidth - 80, wizard::rowHeight);
  HScroll1.setRange(0, 100);
  HScroll1.setSteps(1, 10);
  popularity.setCaption("0%");

  Combo2.onClick = [this] { Combo2_Click(); };
  HScroll1.onChange = [this] { HScroll1_Change(); };
  HScroll1.onScroll = [this] { HScroll1_Scroll(); };
  Command1.onClick = [this] { Command1_Click(); };
  Command2.onClick = [this] { Command2_Click(); };
}

std::array<Form11::SegmentRow, 6> Form11::segmentRows() {
  using promotion_file::segmentHostLine, promotion_file::segmentNameLine,
      promotion_file::segmentShowLine;
  return {{
      {Label3, "Brand 1 Talk Show Segment Name", brand1talkshowname,
       &Form11::brand1talkshowname_Click, 1, segmentNameLine(1), "Brand 1 Talk Show Segment Name",
       "Please enter the name of the talk show segment for this promotion, if there is one. If "
       "there is a roster split for this promotion, enter the talk show details here if it is on "
       "brand 1. If there is no talk show segment for this promotion/brand, enter 'NA'."},
      {Label4, "Brand 1 Talk Show Segment Host", brand1talkshowhost,
       &Form11::brand1talkshowhost_Click, 1, segmentHostLine(1), "Brand 1 Talk Show Segment Host",
       "Please enter the name of the host of this talk show segment. If there isn't a talk show "
       "segment for this promotion/brand, enter 'NA'."},
      {Label5, "Name Of Show This Segment Is On", talkshow1showname,
       &Form11::talkshow1showname_Click, 1, segmentShowLine(1), "Which Show?",
       "Please enter the name of the show that this talk show segment is on (eg. 'Grit'), if "
       "there is one. If there is no talk show segment for this promotion/brand, enter 'NA'.",
       true},
      {Label6, "Brand 2 Talk Show Segment Name", brand2talkshowname,
       &Form11::brand2talkshowname_Click, 2, segmentNameLine(2), "Brand 2 Talk Show Segment Name",
       "Please enter the name of the talk show segment for this promotion's 2nd brand, if there "
       "is one. This will only be used if there is a roster split in this promotion. If there is "
       "no talk show segment for brand 2, enter 'NA'."},
      {Label7, "Brand 2 Talk Show Segment Host", brand2talkshowhost,
       &Form11::brand2talkshowhost_Click, 2, segmentHostLine(2), "Brand 2 Talk Show Segment Host",
       "Please enter the name of the host of this talk show segment. If there isn't a talk show "
       "segment for this promotion's 2nd brand, enter 'NA'."},
      {Label8, "Name Of Show This Segment Is On", talkshow2showname,
       &Form11::talkshow2showname_Click, 2, segmentShowLine(2), "Which Show?",
       "Please enter the name of the show that this talk show segment is on (eg. 'Grit'), if "
       "there is one. If there is no talk show segment for this promotion's 2nd brand, enter "
       "'NA'.",
       true},
  }};
}

void Form11::askSegment(std::size_t row) {
  const SegmentRow r = segmentRows()[row];
  const std::string answer = ui::ask(editor_.desktop, r.text, r.title, r.value.caption());
  if (answer.empty()) return;
  if (answer == "NA" || answer == "None") {
    clearSegment(r.brand);
    if (!r.showsEveryAnswer) return;
  } else {
    wizard::setLine(editor_, r.line, answer);
  }
  r.value.setCaption(answer);
}

void Form11::clearSegment(int brand) {
  wizard::setLine(editor_, promotion_file::segmentNameLine(brand), "NA");
  wizard::setLine(editor_, promotion_file::segmentHostLine(brand), "");
  wizard::setLine(editor_, promotion_file::segmentShowLine(brand), "");
  for (const SegmentRow& r : segmentRows())
    if (r.brand == brand) r.value.setCaption("NA");
}

void Form11::brand1talkshowname_Click() { askSegment(0); }
void Form11::brand1talkshowhost_Click() { askSegment(1); }
void Form11::talkshow1showname_Click() { askSegment(2); }
void Form11::brand2talkshowname_Click() { askSegment(3); }
void Form11::brand2talkshowhost_Click() { askSegment(4); }
void Form11::talkshow2showname_Click() { askSegment(5); }

void Form11::Combo2_Click() {
  wizard::setLine(editor_, promotion_file::countryLine, Combo2.text());
}

void Form11::HScroll1_Change() {
  const std::string value = std::to_string(HScroll1.value());
  popularity.setCaption(value + "%");
  wizard::setLine(editor_, promotion_file::popularityLine, value);
}

void Form11::HScroll1_Scroll() { HScroll1_Change(); }

void Form11::Command1_Click() {
  if (!savepromotion()) return;
  editor_.form1.show();
  hide();
}

bool Form11::savepromotion() {
  ui::Desktop& desktop = editor_.desktop;
  const std::vector<std::string> lines = editor_.form2.List1.items();
  const std::vector<int> failed = promotion_save::checkpromotion(lines);
  for (int check : failed)
    ui::say(desktop, promotion_save::checkMessage(check), ui::Icon::Critical, "Error!");
  if (!failed.empty()) return false;

  // The open promotion keeps its lines until its file holds the tidied ones.
  std::vector<std::string> tidied = promotion_save::normalised(lines);
  const std::string name = editor_.form2.nameoffile.caption();
  const std::string path = editor_.dataFile(name);
  common::FileStamp& stamp = editor_.form2.fileStamp;
  // A new promotion's first save makes its file only where none is yet; later saves replace the
  // file read, asking first when another program has changed it since.
  if (!ui::saveFile(
          desktop, path, stamp,
          [&](common::WriteMode mode, common::FileStamp* written) {
            return common::writeLines(path, tidied, mode, written);
          },
          {name + " was not saved.", ui::Icon::Critical, "Error!"},
          stamp.present ? common::WriteMode::Replace : common::WriteMode::CreateNew))
    return false;
  editor_.form2.List1.setItems(std::move(tidied));
  editor_.form2.markunchanged();
  ui::say(desktop, name + " saved OK.");
  return true;
}

void Form11::Command2_Click() { wizard::goTo(*this, editor_.form10); }

std::optional<ui::UnsavedWork> Form11::unsavedWork() {
  if (!editor_.form2.haschanges()) return std::nullopt;
  const std::string name = editor_.form2.nameoffile.caption();
  return ui::UnsavedWork{"The promotion " + name, [this] { return savepromotion(); }};
}
