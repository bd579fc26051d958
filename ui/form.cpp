#include "ui/form.h"

#include <algorithm>

namespace ui {

namespace {

// Calls an event's handler, when there is one, through a copy: the handler may replace the event
// it is running from.
template <typename... Args>
void callThroughCopy(const std::function<void(Args...)>& handler, Args... args) {
  if (!handler) return;
  auto call = handler;
  call(args...);
}

}  // namespace

// --- Control -------------------------------------------------------------------------------

Control::Control(Form& owner, std::string name) : form_(owner), name_(std::move(name)) {
  form_.controls_.push_back(this);
}

Control::~Control() {
  auto& list = form_.controls_;
  list.erase(std::remove(list.begin(), list.end(), this), list.end());
  if (form_.focused_ == this) form_.focused_ = nullptr;
}

void Control::changed() {
  if (observer_) observer_();
}

bool Control::canAct() const { return visible_ && enabled_ && form_.visible(); }

void Control::raise(const std::function<void()>& handler) { callThroughCopy(handler); }

void Control::raise(const std::function<void(int)>& handler, int key) {
  callThroughCopy(handler, key);
}

void Control::setVisible(bool visible) {
  visible_ = visible;
  changed();
}

void Control::setEnabled(bool enabled) {
  enabled_ = enabled;
  changed();
}

void Control::place(int left, int top, int width, int height) {
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  changed();
}

void Control::setBackColor(Color color) {
  backColor_ = color;
  changed();
}

void Control::setForeColor(Color color) {
  foreColor_ = color;
  changed();
}

void Control::setBold(bool bold) {
  bold_ = bold;
  changed();
}

void Control::setFontSize(int points) {
  fontSize_ = points;
  changed();
}

void Control::setAlignment(Align alignment) {
  alignment_ = alignment;
  changed();
}

void Control::setBorder(bool border) {
  border_ = border;
  changed();
}

void Control::setFocus() {
  form_.focused_ = this;
  changed();
  form_.changed();
}

bool Control::hasFocus() const { return form_.focused_ == this; }

// --- Form ----------------------------------------------------------------------------------

Form::Form() = default;

// The controls are members of the derived window, so they are gone (and have left the list)
// before this runs.
Form::~Form() = default;

void Form::changed() {
  if (observer_) observer_();
}

void Form::setCaption(std::string caption) {
  caption_ = std::move(caption);
  changed();
}

void Form::show() {
  visible_ = true;
  ++shows_;
  changed();
}

void Form::hide() {
  visible_ = false;
  changed();
}

Control* Form::find(const std::string& name) const {
  for (Control* control : controls_) {
    if (control->name() == name) return control;
  }
  return nullptr;
}

void Form::setSize(int width, int height) {
  width_ = width;
  height_ = height;
  changed();
}

void Form::setBackdrop(std::string backdrop) {
  backdrop_ = std::move(backdrop);
  changed();
}

void Form::setPointer(Pointer pointer) {
  pointer_ = pointer;
  changed();
}

void Form::closeBox() {
  if (visible_) callThroughCopy(onCloseBox);
}

}  // namespace ui
