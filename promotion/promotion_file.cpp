#include "promotion/promotion_file.h"

#include "common/line_file.h"
#include "common/paths.h"

namespace promotion_file {

std::array<std::size_t, 17> imageSlotLines() {
  std::array<std::size_t, 17> lines{};
  std::size_t n = 0;
  lines[n++] = logoLine;
  for (int slot = 0; slot < showSlotCount; ++slot) lines[n++] = showLine(slot, ShowField::logo);
  for (int month = 1; month <= monthCount; ++month) lines[n++] = monthLine(month, MonthField::logo);
  return lines;
}

std::string checkFileName(const std::string& name) {
  if (std::string reason = common::checkNewName(name); !reason.empty()) return reason;
  const std::string ending = ".fed";
  if (name.size() >= ending.size() &&
      name.compare(name.size() - ending.size(), ending.size(), ending) == 0 &&
      name.find_first_not_of(" ") >= name.size() - ending.size())
    return "A file name needs a name before \".fed\".";
  return "";
}

namespace {

std::vector<std::string> makeTemplate() {
  std::vector<std::string> lines(lineCount);
  lines[initialsLine] = "VLF";
  lines[nameLine] = "Vorlune Federation";
  lines[logoLine] = defaultLogo;
  lines[sizeLine] = "1";
  lines[bankBalanceLine] = "250000";
  lines[webSiteLine] = "www.example.com";
  lines[descriptionLine] = "A new promotion.";
  lines[ownerLine] = "Jorvin Halsk";
  lines[rosterSplitLine] = "No";
  lines[tvCoverageLine] = "None";

  lines[showLine(0, ShowField::name)] = "House Show";
  lines[showLine(0, ShowField::day)] = "Wednesday";
  lines[showLine(0, ShowField::logo)] = "NA";
  lines[showLine(0, ShowField::brand)] = "All";
  lines[showLine(0, ShowField::type)] = "House";
  lines[showLine(0, ShowField::popularity)] = "50";
  lines[showLine(0, ShowField::ratingOrBuys)] = "10";

  lines[maxUntelevisedAttendanceLine] = "100";
  lines[maxTelevisedAttendanceLine] = "300";
  lines[primaryProductionLine] = "1";
  lines[secondaryProductionLine] = "1";
  lines[bigShowProductionLine] = "1";
  lines[popularityLine] = "50";
  lines[ppvDealLine] = "No";
  lines[buyRateLine] = "10";
  lines[bigShowAttendanceLine] = "300";

  using F = TitleField;
  lines[titleLine(1, F::name)] = "World Heavyweight Title";
  lines[titleLine(1, F::holderName)] = "World Heavyweight Champion";
  lines[titleLine(1, F::value)] = "50";
  lines[titleLine(1, F::gender)] = "Male";
  lines[titleLine(1, F::weightClass)] = "All";
  lines[titleLine(1, F::hardcore)] = "No";
  lines[titleLine(1, F::minimumDraw)] = "60";
  lines[titleLine(1, F::brand)] = "All";
  lines[titleLine(1, F::champion)] = "Vacant";
  lines[titleLine(1, F::reignDays)] = "0";
  lines[titleLine(1, F::recordHolder)] = "No Record Yet";
  lines[titleLine(1, F::recordDays)] = "0";
  lines[titleLine(1, F::defences)] = "0";
  lines[titleLine(1, F::changeDate)] = "Monday 23rd August 2004";
  lines[titleLine(1, F::championCopy)] = "Vacant";

  lines[segmentNameLine(1)] = "NA";
  lines[segmentNameLine(2)] = "NA";
  lines[countryLine] = "USA";
  lines[nextBigShowNameLine] = "None";
  lines[nextBigShowDaysLine] = "0";
  return lines;
}

}  // namespace

const std::vector<std::string>& templateLines() {
  static const std::vector<std::string> lines = makeTemplate();
  return lines;
}

common::IoStatus readPromotion(const std::string& pathText, std::vector<std::string>& lines,
                               common::ReadInfo* info) {
  return common::readLines(pathText, lines, info);
}

common::IoStatus readPreview(const std::string& pathText, std::vector<std::string>& lines) {
  return common::readFirstLines(pathText, 2, lines);
}

}  // namespace promotion_file
