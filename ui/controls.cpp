#include "ui/controls.h"

#include <algorithm>
#include <cstddef>
#include <string_view>

#include "common/paths.h"
#include "common/wildcard.h"

namespace ui {

namespace {

bool inRange(int index, std::size_t count) {
  return index >= 0 && static_cast<std::size_t>(index) < count;
}

std::string itemAt(const std::vector<std::string>& items, int index) {
  return inRange(index, items.size()) ? items[static_cast<std::size_t>(index)] : std::string();
}

// The index of the first item equal to text, -1 when there is none.
int indexOf(const std::vector<std::string>& items, const std::string& text) {
  auto found = std::find(items.begin(), items.end(), text);
  return found == items.end() ? -1 : static_cast<int>(found - items.begin());
}

// Where an item's index lands after the item at `removed` is taken out of the list.
int indexAfterRemoval(int index, int removed) {
  if (index == removed) return -1;
  return index > removed ? index - 1 : index;
}

// The patterns of a file list, separated by ";" (blanks around each are ignored), each compiled
// once and matched without regard to ASCII case. "*.*" is the usual "every file" pattern and also
// takes names without a dot.
std::vector<common::Pattern> filePatterns(std::string_view patterns) {
  std::vector<common::Pattern> compiled;
  std::size_t start = 0;
  while (start <= patterns.size()) {
    std::size_t end = patterns.find(';', start);
    if (end == std::string_view::npos) end = patterns.size();
    std::string_view one = patterns.substr(start, end - start);
    while (!one.empty() && one.front() == ' ') one.remove_prefix(1);
    while (!one.empty() && one.back() == ' ') one.remove_suffix(1);
    if (one == "*.*") one = "*";
    if (!one.empty()) compiled.emplace_back(one, common::LetterCase::Ignored);
    start = end + 1;
  }
  return compiled;
}

bool matchesAny(const std::vector<common::Pattern>& patterns, std::string_view name) {
  return std::any_of(patterns.begin(), patterns.end(),
                     [name](const common::Pattern& pattern) { return pattern.matches(name); });
}

}  // namespace

// --- Label -----------------------------------------------------------------------------------

Label::Label(Form& owner, std::string name) : Control(owner, std::move(name)) {}

void Label::setCaption(std::string caption) {
  caption_ = std::move(caption);
  changed();
}

void Label::setWordWrap(bool wrap) {
  wordWrap_ = wrap;
  changed();
}

void Label::click() {
  if (canAct()) raise(onClick);
}

// --- CommandButton ---------------------------------------------------------------------------

// A button starts in the system's button colour, as a new button does on the game's platform.
CommandButton::CommandButton(Form& owner, std::string name) : Control(owner, std::move(name)) {
  setBackColor(buttonFace);
}

void CommandButton::setCaption(std::string caption) {
  caption_ = std::move(caption);
  changed();
}

void CommandButton::setPointer(Pointer pointer) {
  pointer_ = pointer;
  changed();
}

void CommandButton::setCancel(bool cancel) {
  cancel_ = cancel;
  changed();
}

void CommandButton::click() {
  if (canAct()) raise(onClick);
}

// --- TextBox ---------------------------------------------------------------------------------

TextBox::TextBox(Form& owner, std::string name) : Control(owner, std::move(name)) {}

void TextBox::setText(std::string text) {
  text_ = std::move(text);
  changed();
  raise(onChange);
}

void TextBox::setMultiLine(bool multiLine) {
  multiLine_ = multiLine;
  changed();
}

void TextBox::setLocked(bool locked) {
  locked_ = locked;
  changed();
}

void TextBox::setVerticalScrollBar(bool bar) {
  verticalScrollBar_ = bar;
  changed();
}

void TextBox::type(std::string text) {
  if (canAct() && !locked_) setText(std::move(text));
}

void TextBox::pressKey(int key) {
  if (canAct()) raise(onKeyDown, key);
}

void TextBox::doubleClick() {
  if (canAct()) raise(onDblClick);
}

// --- ComboBox --------------------------------------------------------------------------------

ComboBox::ComboBox(Form& owner, std::string name, bool editable)
    : Control(owner, std::move(name)), editable_(editable) {}

void ComboBox::addItem(std::string item) {
  items_.push_back(std::move(item));
  changed();
}

void ComboBox::removeItem(int i) {
  if (!inRange(i, items_.size())) return;
  items_.erase(items_.begin() + i);
  listIndex_ = indexAfterRemoval(listIndex_, i);
  if (listIndex_ < 0 && !editable_) text_.clear();
  changed();
}

void ComboBox::clear() {
  items_.clear();
  listIndex_ = -1;
  text_.clear();
  changed();
}

std::string ComboBox::list(int i) const { return itemAt(items_, i); }

void ComboBox::setListIndex(int index) {
  if (!inRange(index, items_.size())) {
    listIndex_ = -1;
    if (!editable_) text_.clear();
    changed();
    return;
  }
  listIndex_ = index;
  text_ = items_[static_cast<std::size_t>(index)];
  changed();
  raise(onClick);
}

void ComboBox::setText(std::string text) {
  const int index = indexOf(items_, text);
  if (editable_) {
    text_ = std::move(text);
    listIndex_ = index;
    changed();
    raise(onChange);
    return;
  }
  setListIndex(index);
}

void ComboBox::choose(int index) {
  if (canAct() && inRange(index, items_.size())) setListIndex(index);
}

void ComboBox::type(std::string text) {
  if (canAct() && editable_) setText(std::move(text));
}

void ComboBox::pressKey(int key) {
  if (canAct()) raise(onKeyDown, key);
}

// --- ChoiceList, ListBox ---------------------------------------------------------------------

ChoiceList::ChoiceList(Form& owner, std::string name) : Control(owner, std::move(name)) {}

std::string ChoiceList::list(int i) const { return itemAt(items_, i); }

std::string ChoiceList::chosen() const { return itemAt(items_, listIndex_); }

void ChoiceList::setListIndex(int index) {
  if (!inRange(index, items_.size())) {
    listIndex_ = -1;
    changed();
    return;
  }
  listIndex_ = index;
  changed();
  raise(onClick);
}

void ChoiceList::choose(int index) {
  if (canAct() && inRange(index, items_.size())) setListIndex(index);
}

ListBox::ListBox(Form& owner, std::string name) : ChoiceList(owner, std::move(name)) {}

void ListBox::addItem(std::string item) {
  items_.push_back(std::move(item));
  changed();
}

void ListBox::insertItem(int index, std::string item) {
  index = std::clamp(index, 0, listCount());
  items_.insert(items_.begin() + index, std::move(item));
  if (listIndex_ >= index) ++listIndex_;
  changed();
}

void ListBox::removeItem(int i) {
  if (!inRange(i, items_.size())) return;
  items_.erase(items_.begin() + i);
  listIndex_ = indexAfterRemoval(listIndex_, i);
  changed();
}

void ListBox::clear() {
  items_.clear();
  listIndex_ = -1;
  changed();
}

void ListBox::setItems(std::vector<std::string> items) {
  items_ = std::move(items);
  listIndex_ = -1;
  changed();
}

void ListBox::removeItems(const std::vector<bool>& which) {
  std::size_t kept = 0;
  int selected = -1;
  for (std::size_t i = 0; i < items_.size(); ++i) {
    if (i < which.size() && which[i]) continue;
    if (static_cast<int>(i) == listIndex_) selected = static_cast<int>(kept);
    if (kept != i) items_[kept] = std::move(items_[i]);
    ++kept;
  }
  items_.resize(kept);
  listIndex_ = selected;
  changed();
}

void ListBox::setList(int i, std::string item) {
  if (!inRange(i, items_.size())) return;
  items_[static_cast<std::size_t>(i)] = std::move(item);
  changed();
}

void ListBox::doubleClick(int index) {
  if (!canAct() || !inRange(index, items_.size())) return;
  // The first click of a double click has chosen the item already; choosing it again would raise
  // a second Click.
  if (index != listIndex_) setListIndex(index);
  raise(onDblClick);
}

// --- HScrollBar ------------------------------------------------------------------------------

HScrollBar::HScrollBar(Form& owner, std::string name) : Control(owner, std::move(name)) {}

namespace {
// A bar's minimum may lie above its maximum (a reversed bar); the value stays between the two.
int clampToBar(int value, int a, int b) {
  return std::clamp(value, std::min(a, b), std::max(a, b));
}
}  // namespace

void HScrollBar::setRange(int min, int max) {
  min_ = min;
  max_ = max;
  value_ = clampToBar(value_, min_, max_);
  changed();
}

void HScrollBar::setSteps(int smallChange, int largeChange) {
  smallChange_ = smallChange;
  largeChange_ = largeChange;
  changed();
}

void HScrollBar::setValue(int value) {
  value_ = clampToBar(value, min_, max_);
  changed();
  raise(onChange);
}

void HScrollBar::scrollTo(int value) {
  if (canAct()) setValue(value);
}

void HScrollBar::dragTo(int value) {
  if (!canAct()) return;
  value_ = clampToBar(value, min_, max_);
  changed();
  raise(onScroll);
}

// --- FileListBox -----------------------------------------------------------------------------

namespace {

// What a folder list tells of a listing: nothing when it listed, or when there is no folder to
// list (no path yet, or a missing folder, which simply lists nothing); otherwise why not.
std::string listError(const std::string& path, const common::IoStatus& listed) {
  if (listed || !common::exists(path)) return "";
  return listed.error;
}

}  // namespace

FileListBox::FileListBox(Form& owner, std::string name) : ChoiceList(owner, std::move(name)) {}

void FileListBox::setPath(std::string pathText) {
  path_ = std::move(pathText);
  refresh();
}

void FileListBox::setPattern(std::string pattern) {
  pattern_ = std::move(pattern);
  refresh();
}

void FileListBox::refresh() {
  items_.clear();
  listIndex_ = -1;
  std::vector<std::string> files;
  readError_ = path_.empty() ? "" : listError(path_, common::listFiles(path_, files));
  const std::vector<common::Pattern> patterns = filePatterns(pattern_);
  for (auto& file : files) {
    if (matchesAny(patterns, file)) items_.push_back(std::move(file));
  }
  changed();
}

// --- DirListBox ------------------------------------------------------------------------------

DirListBox::DirListBox(Form& owner, std::string name) : Control(owner, std::move(name)) {}

void DirListBox::setPath(std::string pathText) {
  path_ = std::move(pathText);
  refresh();
}

void DirListBox::refresh() {
  entries_.clear();
  std::vector<std::string> folders;
  readError_ = path_.empty() ? "" : listError(path_, common::listFolders(path_, folders));
  const std::string prefix = !path_.empty() && path_.back() == '\\' ? path_ : path_ + "\\";
  for (const auto& folder : folders) entries_.push_back(prefix + folder);
  changed();
}

std::string DirListBox::list(int i) const { return itemAt(entries_, i); }

// --- ImageBox, Line, Shape -------------------------------------------------------------------

ImageBox::ImageBox(Form& owner, std::string name) : Control(owner, std::move(name)) {}

void ImageBox::setPicture(std::string pathText) {
  picture_ = std::move(pathText);
  changed();
}

Line::Line(Form& owner, std::string name) : Control(owner, std::move(name)) {}

void Line::setEnds(int x1, int y1, int x2, int y2) {
  x1_ = x1;
  y1_ = y1;
  x2_ = x2;
  y2_ = y2;
  changed();
}

Shape::Shape(Form& owner, std::string name) : Control(owner, std::move(name)) {}

}  // namespace ui
