#pragma once
// The data-set menu's two checks, each writing its report into the hub's results panel.
//
// "Check All Dates": every wrestler's contract must expire after the start month, and, unless a
// saved game is being edited, every promotion's next big show must fall on the start date or on
// one of the days after it (bigShowWindow days in all). Nothing is written.
//
// "Check Scenario": the scenario's folder must hold maindata.vl1, venues.txt, wrestlers.vl1, at
// least one promotion file and every picture its promotions name. A picture found only in the
// Images folder is copied into the scenario's folder on the way; nothing there is ever replaced.

#include <optional>
#include <string>

#include "common/dates.h"

class Form14;

namespace data_set_checks {

// A next big show is fine on the start date and the 359 days after it.
inline constexpr int bigShowWindow = 360;

// The parts of a next big show's date as the walk holds them: "Saturday 21st August 2004" gives
// weekday "Saturday", day "21", month "8", year "2004". The two characters after the day are not
// looked at. Nothing when the text does not start with a weekday name and a blank, has no month
// name between blanks, or is too short to hold a day, two suffix characters, the month and a
// four-digit year.
std::optional<common::WalkDate> parseBigShowDate(const std::string& text);

// Runs a check on the hub's data set (Form14.Text1) and shows its report in the results panel.
void checkAllDates(Form14& hub);
void checkScenario(Form14& hub);

}  // namespace data_set_checks
