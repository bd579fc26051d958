#pragma once
// Saving a promotion: the checks the whole promotion must pass before it is written, and the
// tidying of its lines. Both work on lines alone; "SAVE" on Step 8 shows the failures and writes
// the tidied lines.

#include <string>
#include <vector>

namespace promotion_save {

// The 27 checks are numbered 1 to 27 in the order they run.
inline constexpr int checkCount = 27;

// The message of check 1 to 27, as its box shows it (checks 14 and 15 share theirs).
const std::string& checkMessage(int check);

// Runs every check on the promotion's lines, in order, and returns the numbers of those that
// fail. Check 15 (July to December's big shows) runs only when check 14 (January to June) passed,
// so an incomplete big show gives at most one failure. A line past the end of the list reads as
// "". The lines are not changed.
std::vector<int> checkpromotion(const std::vector<std::string>& lines);

// The lines as they are written: no job title without a power figure, no second figure without a
// first (nor, with a roster split, a second interviewer), no segment details without a segment, no
// next big show details without a show, nothing left in an unnamed weekly show or title slot, and
// the record lines of every title in use reset. Only lines that exist are changed; none is added.
std::vector<std::string> normalised(std::vector<std::string> lines);

}  // namespace promotion_save
