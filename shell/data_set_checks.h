#pragma once
// The data-set menu's two checks, each writing its report into the hub's results panel.
//
// "Check All Dates": every wrestler's contract must expire after the start month, and, unless a
// saved game is being edited, every promotion's next big show must fall on the start date or on
// one of the 359 days after it. Nothing is written.
//
// "Check Scenario": the scenario's folder must hold maindata.vl1, venues.txt, wrestlers.vl1, at
// least one promotion file and every picture its promotions name. A picture found only in the
// Images folder is copied into the scenario's folder on the way; nothing there is ever replaced.

class Form14;

namespace data_set_checks {

// Runs a check on the hub's data set (Form14.Text1) and shows its report in the results panel.
void checkAllDates(Form14& hub);
void checkScenario(Form14& hub);

}  // namespace data_set_checks
