// Step 3: the largest attendances and the production values.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/promotion/open_promotion.h"

namespace pf = promotion_file;

namespace {

class Step3 : public OpenPromotion {
 protected:
  Form5& page = editor.form5;
  Step3() { open(page); }
};

TEST_F(Step3, AttendancesAreStoredAsTheirNumbers) {
  const struct {
    ui::Label& label;
    std::size_t index;
    std::string title;
  } fields[] = {{page.tvatt, pf::maxTelevisedAttendanceLine, "Max Televised Attendence"},
                {page.untvatt, pf::maxUntelevisedAttendanceLine, "Max Untelevised Attendence"}};
  const struct {
    std::string typed, stored;
  } cases[] = {
      {"1,000", "1"}, {"full house", "0"}, {"5", "5"}, {"-20", "-20"}, {"2500.5", "2500.5"}};
  for (const auto& field : fields) {
    field.label.setCaption(line(field.index));
    for (const auto& c : cases) {
      const std::string shownBefore = field.label.caption();
      answer(field.label, c.typed);
      EXPECT_EQ(desktop.last().title, field.title);
      EXPECT_EQ(desktop.last().defaultAnswer, shownBefore);
      EXPECT_EQ(line(field.index), c.stored) << c.typed;
      EXPECT_EQ(field.label.caption(), c.stored) << c.typed;
    }
    answer(field.label, "");
    EXPECT_EQ(line(field.index), "2500.5");
  }
  EXPECT_TRUE(messages().empty());
}

TEST_F(Step3, ProductionValuesAreStoredByPosition) {
  const std::vector<std::string> before = lines();
  page.Combo3.choose(19);  // "$1,250,000 Per Show"
  EXPECT_EQ(line(pf::bigShowProductionLine), "20");
  page.Combo1.choose(0);  // "$500 Per Show"
  EXPECT_EQ(line(pf::primaryProductionLine), "1");
  page.Combo2.choose(8);  // "$50,000 Per Show"
  EXPECT_EQ(line(pf::secondaryProductionLine), "9");
  EXPECT_EQ(page.Combo2.text(), "$50,000 Per Show");

  std::vector<std::string> after = lines();
  after[pf::bigShowProductionLine] = before[pf::bigShowProductionLine];
  after[pf::secondaryProductionLine] = before[pf::secondaryProductionLine];
  EXPECT_EQ(after, before);  // each list writes its own line only
}

TEST_F(Step3, NextAndBackMoveOn) {
  page.Command1.click();
  EXPECT_TRUE(editor.form6.visible());
  EXPECT_FALSE(page.visible());
  open(page);
  page.Command2.click();
  EXPECT_TRUE(editor.form4.visible());
  EXPECT_FALSE(page.visible());
}

}  // namespace
