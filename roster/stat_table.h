#pragma once
// The 31 stats of the stat sheet, one row each in the order of a wrestler record's fields: the
// label on the sheet, the editor that changes the stat and its caption, the choices and the codes
// stored for them, what a new wrestler gets, the help text, and the checks a new value must pass.

#include <array>
#include <string>
#include <vector>

#include "roster/roster_file.h"

namespace stat_table {

inline constexpr int rowCount = roster_file::fieldCount;

enum class Kind { Text, Choice, Scale };

// A choice of a choice editor: the text the sheet shows and the one the roster stores (the same
// text, except for the coded card position and finisher type).
struct Choice {
  std::string shown, stored;
};

// A check beyond "not empty" and "one of the choices".
enum class Check {
  None,
  Unique,        // no entry of the stat's field may equal the value, this wrestler's own included
  MonthAndYear,  // a month name, a blank, then anything ("January 2004")
  NoLeadingThe,  // not "The " at the start
  InjuryNeeded,  // "Inj" only while the stored injury time is not exactly "0"
};

struct StatRow {
  roster_file::Field field;  // also the row of the sheet
  std::string gridLabel;     // column 0 of the sheet
  std::string caption;       // the open editor's caption, by which applying knows the stat
  Kind kind;
  std::vector<Choice> choices;  // choice editors, in their order
  bool unknownCodeShowsEmpty;   // a stored text that is no choice's code shows as "" (else as is)
  std::string newValue;         // what a new wrestler shows (see newWrestler for the names, expiry)
  std::string help;             // the expiry's help continues with the start year, yearHelpEnd
  std::string emptyMessage;     // refused when the value is ""; "" when empty is allowed
  std::string choiceMessage;    // choice editors: refused when the value is no choice
  Check check;
  std::string checkMessage;
  std::vector<std::string> replaced;  // typed texts that become `replacement` before storing
  std::string replacement;
};

// Rows 0 to 30.
const std::array<StatRow, rowCount>& rows();
const StatRow& row(roster_file::Field field);

inline const std::string idleCaption = "Click on a stat above to edit";
// The end of the contract expiry's help text, after the start year.
inline const std::string yearHelpEnd = ", so no dates should be before this.";

// What the sheet shows for a stored value: the choice's text for a coded stat, else the value.
std::string shownValue(const StatRow& row, const std::string& stored);
// What the roster stores for a shown or typed value: the choice's code for a coded stat.
std::string storedValue(const StatRow& row, const std::string& shown);

// A new wrestler's record: its name in both name fields, "July " + expiryYear as its expiry, and
// every other field as the table gives it (the codes stored for the coded stats).
roster_file::WrestlerRecord newWrestler(const std::string& name, const std::string& expiryYear);

}  // namespace stat_table
