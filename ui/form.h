#pragma once
// The windowing layer's base: a window (`Form`) and the base of every control on it.
//
// Two kinds of entry points, and the difference matters:
// - user actions (click, type, choose ...): what a person does. They do nothing on a disabled or
//   hidden control, or on a control of a hidden form; otherwise they change the value as the
//   person would and raise the event. The front end calls only these; tests drive windows by them.
// - code-side setters (setText, setValue, setListIndex ...): what handlers do. A setter that has an
//   event raises it every time it is called, also when the value does not change. Captions,
//   colours, enabled and visible states and layout raise nothing.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace ui {

using Color = std::uint32_t;  // 0x00BBGGRR, as the game's designs write colours
inline constexpr Color white = 0xFFFFFF, silver = 0xC0C0C0, yellow = 0x00FFFF, navy = 0x800000,
                       buttonFace = 0x8000000F;  // the system's button colour
inline constexpr Color black = 0x000000;
inline constexpr Color noColor = 0xFFFFFFFF;  // no back colour of its own: the window shows through

enum class Pointer { Normal, Hourglass };
enum Key { KeyEnter = 13 };
enum class Align { Left, Center, Right };

class Form;

class Control {  // base of every control
 public:
  Control(Form& owner, std::string name);  // every control: ui::Label Label1{*this, "Label1"};
  virtual ~Control();
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  const std::string& name() const { return name_; }
  Form& form() const { return form_; }

  bool visible() const { return visible_; }
  void setVisible(bool);
  bool enabled() const { return enabled_; }
  void setEnabled(bool);

  // Design position in pixels.
  void place(int left, int top, int width, int height);
  int left() const { return left_; }
  int top() const { return top_; }
  int width() const { return width_; }
  int height() const { return height_; }

  // Looks; they change nothing but what the front end draws.
  Color backColor() const { return backColor_; }
  void setBackColor(Color);
  Color foreColor() const { return foreColor_; }
  void setForeColor(Color);
  bool bold() const { return bold_; }
  void setBold(bool);
  int fontSize() const { return fontSize_; }  // points; 0 = the front end's default
  void setFontSize(int);
  Align alignment() const { return alignment_; }
  void setAlignment(Align);
  bool border() const { return border_; }
  void setBorder(bool);

  // Gives this control the keyboard focus of its form.
  void setFocus();
  bool hasFocus() const;

  // The front end's hook: called after any change of the control (value, items, looks, state).
  // It should only mark the control dirty; it must not call back into the control.
  void setObserver(std::function<void()> observer) { observer_ = std::move(observer); }

 protected:
  void changed();       // tells the observer
  bool canAct() const;  // a user action may act: control visible and enabled, form visible
  // Calls an event's handler, when there is one. The handler is called through a copy, so it may
  // replace the event it is running from.
  static void raise(const std::function<void()>& handler);
  static void raise(const std::function<void(int)>& handler, int key);

 private:
  Form& form_;
  std::string name_;
  bool visible_ = true, enabled_ = true;
  int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  Color backColor_ = noColor, foreColor_ = black;
  bool bold_ = false, border_ = false;
  int fontSize_ = 0;
  Align alignment_ = Align::Left;
  std::function<void()> observer_;
};

// Work a window holds that is not in its file yet: what it is, as the question names it ("The
// start date"), and the window's own save, exactly as its own button runs it. The save returns
// true when the work went into its file, false when it was refused or failed (its own messages
// have been shown then, and the window still holds the work).
struct UnsavedWork {
  std::string what;
  std::function<bool()> save;
};

class Form {  // default-constructible; windows derive from it
 public:
  Form();
  virtual ~Form();
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  const std::string& caption() const { return caption_; }
  void setCaption(std::string);
  bool visible() const { return visible_; }
  void show();
  void hide();
  // How many times show() was called, also while the window was shown already: the front end
  // brings a window that is shown again to the front.
  int shows() const { return shows_; }
  const std::vector<Control*>& controls() const { return controls_; }
  Control* find(const std::string& name) const;  // nullptr when no control has that name

  // Design size of the window's client area, in pixels.
  void setSize(int width, int height);
  int width() const { return width_; }
  int height() const { return height_; }

  // The window's background picture: "" none, "start" the start window's, "main" the one shared
  // by the main windows.
  const std::string& backdrop() const { return backdrop_; }
  void setBackdrop(std::string);

  // The pointer over the whole window (the date calculator shows the hourglass there).
  Pointer pointer() const { return pointer_; }
  void setPointer(Pointer);

  // What the window's close box does; set by the editor. closeBox() is the user's click on it.
  std::function<void()> onCloseBox;
  void closeBox();

  // The one way a window says it holds unsaved work, asked by the close box: none unless the
  // window says otherwise.
  virtual std::optional<UnsavedWork> unsavedWork() { return std::nullopt; }

  Control* focused() const { return focused_; }

  void setObserver(std::function<void()> observer) { observer_ = std::move(observer); }

 private:
  friend class Control;
  void changed();
  std::string caption_;
  bool visible_ = false;
  int shows_ = 0;
  int width_ = 640, height_ = 480;
  std::string backdrop_;
  Pointer pointer_ = Pointer::Normal;
  Control* focused_ = nullptr;
  std::vector<Control*> controls_;
  std::function<void()> observer_;
};

}  // namespace ui
