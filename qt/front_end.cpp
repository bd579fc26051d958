#include "qt/front_end.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QWindow>
#include <algorithm>
#include <map>

#include "app/editor.h"
#include "qt/control_views.h"
#include "qt/focus_ring.h"
#include "qt/text_conversion.h"

// The pictures are compiled into this library; a static library must register them itself.
static void registerPictures() { Q_INIT_RESOURCE(resources); }

namespace front {

// --- FormWindow ------------------------------------------------------------------------------

FormWindow::FormWindow(FrontEnd& front, ui::Form& form)
    : QWidget(nullptr), front_(front), form_(form), focusRing_(new FocusRing(this)) {
  setFont(baseFont());
  setWindowIcon(FrontEnd::windowIcon());
  setAttribute(Qt::WA_QuitOnClose, false);
}

void FormWindow::setBackdrop(const QPixmap& picture) {
  backdrop_ = picture;
  update();
}

void FormWindow::paintEvent(QPaintEvent*) {
  if (backdrop_.isNull()) return;  // the window's own colour, the button face
  QPainter painter(this);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawPixmap(rect(), backdrop_);
}

// The close box belongs to the window's own logic: it decides whether the window goes.
void FormWindow::closeEvent(QCloseEvent* event) {
  if (front_.ended()) {
    event->accept();
    return;
  }
  event->ignore();
  front_.closeBoxClicked(form_);
}

void FormWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier &&
      !event->isAutoRepeat()) {
    for (ui::Control* control : form_.controls()) {
      auto* button = dynamic_cast<ui::CommandButton*>(control);
      if (button && button->cancel() && button->visible() && button->enabled()) {
        front_.click(*button);
        event->accept();
        return;
      }
    }
  }
  QWidget::keyPressEvent(event);
}

// --- FrontEnd --------------------------------------------------------------------------------

FrontEnd::FrontEnd(std::vector<ui::Form*> forms) {
  registerPictures();
  // Dialogs and any window Qt makes on its own show the editor's icon and draw in its font too.
  QApplication::setWindowIcon(windowIcon());
  QApplication::setFont(baseFont());
  focusWatch_ = std::make_unique<QObject>();
  QObject::connect(
      qApp, &QApplication::focusChanged, focusWatch_.get(), [](QWidget* before, QWidget* now) {
        if (auto* window = before ? qobject_cast<FormWindow*>(before->window()) : nullptr)
          window->focusRing()->follow(nullptr);
        if (auto* window = now ? qobject_cast<FormWindow*>(now->window()) : nullptr)
          window->focusRing()->follow(now);
      });
  for (ui::Form* form : forms) {
    auto state = std::make_unique<FormState>();
    state->form = form;
    FormState* formState = state.get();
    form->setObserver([this, formState] {
      formState->dirty = true;
      watchPointer(formState->form, formState->form->pointer());
    });
    for (ui::Control* control : form->controls()) {
      auto controlState = std::make_unique<ControlState>();
      controlState->control = control;
      ControlState* watched = controlState.get();
      if (auto* button = dynamic_cast<ui::CommandButton*>(control)) {
        // The hourglass shows at once: the handler that set it runs before control returns.
        control->setObserver([this, watched, button] {
          watched->dirty = true;
          watchPointer(button, button->pointer());
        });
      } else {
        control->setObserver([watched] { watched->dirty = true; });
      }
      state->controls.push_back(std::move(controlState));
    }
    forms_.push_back(std::move(state));
  }
}

FrontEnd::~FrontEnd() {
  for (auto& state : forms_) {
    state->form->setObserver(nullptr);
    for (auto& control : state->controls) control->control->setObserver(nullptr);
  }
  if (!busy_.empty()) QApplication::restoreOverrideCursor();
}

void FrontEnd::watchPointer(const void* owner, ui::Pointer pointer) {
  if (pointer == ui::Pointer::Hourglass) {
    if (busy_.insert(owner).second && busy_.size() == 1)
      QApplication::setOverrideCursor(Qt::WaitCursor);
  } else if (busy_.erase(owner) && busy_.empty()) {
    QApplication::restoreOverrideCursor();
  }
}

void FrontEnd::createWindow(FormState& state) {
  state.window = std::make_unique<FormWindow>(*this, *state.form);
  FormWindow* window = state.window.get();
  std::vector<ControlView*> labels, decorations;
  for (auto& control : state.controls) {
    control->view = makeView(*this, *control->control, window);
    control->dirty = true;
    ControlView* view = control->view.get();
    if (!view) continue;
    view->widget()->hide();
    if (dynamic_cast<ui::Line*>(control->control) || dynamic_cast<ui::Shape*>(control->control))
      decorations.push_back(view);
    else if (view->lightweight())
      labels.push_back(view);
  }
  // Labels and pictures lie under the other controls, lines and shapes under everything; each
  // layer keeps the order of the window's controls.
  for (auto it = labels.rbegin(); it != labels.rend(); ++it) (*it)->widget()->lower();
  for (auto it = decorations.rbegin(); it != decorations.rend(); ++it) (*it)->widget()->lower();
  state.dirty = true;
}

void FrontEnd::syncWindow(FormState& state) {
  ui::Form& form = *state.form;
  FormWindow* window = state.window.get();
  window->setWindowTitle(shownText(form.caption()));
  window->setFixedSize(form.width(), form.height());
  if (!state.placed || state.backdrop != form.backdrop()) {
    state.backdrop = form.backdrop();
    window->setBackdrop(backdrop(state.backdrop));
  }
  if (form.pointer() == ui::Pointer::Hourglass)
    window->setCursor(Qt::WaitCursor);
  else
    window->unsetCursor();
  if (!state.placed) {
    // A window first comes up in the middle of the screen, as the designs place them.
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
      const QRect area = screen->availableGeometry();
      window->move(area.center() - QPoint(form.width() / 2, form.height() / 2));
    }
    state.placed = true;
  }
  state.dirty = false;
}

void FrontEnd::flush() {
  if (flushing_) return;
  flushing_ = true;
  for (auto& state : forms_) {
    if (!state->window) {
      if (!state->form->visible() || ended_) continue;
      createWindow(*state);
    }
    if (state->dirty) syncWindow(*state);
    // A hidden window's controls wait until it is shown again.
    if (!state->form->visible()) continue;
    bool synced = false;
    for (auto& control : state->controls) {
      if (!control->dirty || !control->view) continue;
      control->dirty = !control->view->sync();
      synced = true;
    }
    if (synced) orderTabs(*state);
    if (state->form->focused() != state->focused) {
      state->focused = state->form->focused();
      QWidget* target = state->focused ? widget(*state->focused) : nullptr;
      if (target) target->setFocus();
    }
  }
  // A window opened by the person's action on another window that stays up is a pop-up of that
  // window (the date calculator over Step 6, the image picker over its page).
  FormState* acted = stateOf(actingOn_);
  if (acted && (!acted->form->visible() || !acted->window)) acted = nullptr;
  std::vector<FormState*> opened, cameUp;
  for (auto& state : forms_) {
    if (!state->window || !state->form->visible() || ended_) continue;
    if (state->form->shows() == state->shows) continue;
    state->shows = state->form->shows();
    opened.push_back(state.get());
    if (acted && acted != state.get()) own(*state, acted);
  }
  // Show the windows that come up before hiding those that go, so the screen is never empty.
  for (auto& state : forms_) {
    FormWindow* window = state->window.get();
    if (window && state->form->visible() && !ended_ && !window->isVisible()) {
      window->show();
      state->shownAt = ++windowsShown_;
      cameUp.push_back(state.get());
      // The offscreen platform used by the tests has no stacking of its own windows.
      if (!state->owner && QGuiApplication::platformName() != "offscreen") {
        window->raise();
        window->activateWindow();
      }
    }
  }
  for (auto& state : forms_) {
    FormWindow* window = state->window.get();
    if (window && (!state->form->visible() || ended_) && window->isVisible()) window->hide();
  }
  // A pop-up whose window went passes to the window the person acted on, or else to the one that
  // came up in its place (the page after "Next >>>"), and stays above it; with neither it is a
  // window of its own.
  for (auto& state : forms_) {
    if (!state->owner || !state->window || !state->window->isVisible()) continue;
    if (state->owner->form->visible()) continue;
    FormState* heir = acted && !acted->owner ? acted : nullptr;
    for (FormState* shown : cameUp) {
      if (!heir && !shown->owner && shown != state.get()) heir = shown;
    }
    // The platform tells the window manager whose the window is when it comes up: the pop-up
    // comes up again, where it was, over its new window.
    FormWindow* popUp = state->window.get();
    const QRect place = popUp->geometry();
    popUp->hide();
    own(*state, heir);
    popUp->setGeometry(place);
    popUp->show();
    popUp->raise();
    // The keyboard stays on the window that came up.
    if (heir && QGuiApplication::platformName() != "offscreen") heir->window->activateWindow();
  }
  // A pop-up opened again comes to the front, and so does one that just came up.
  for (FormState* state : opened) {
    if (state->owner && state->window->isVisible()) bringForward(*state);
  }
  flushing_ = false;
}

// Tab goes round a window's controls in reading order: row by row from the top, each row from the
// left. Controls whose tops lie within half the height of a row's first control are on its row.
void FrontEnd::orderTabs(FormState& state) {
  std::vector<const ControlState*> stops;
  for (const auto& control : state.controls) {
    if (control->view && control->view->widget()->focusPolicy() & Qt::TabFocus)
      stops.push_back(control.get());
  }
  const auto top = [](const ControlState* c) { return c->control->top(); };
  std::stable_sort(stops.begin(), stops.end(),
                   [&](const ControlState* a, const ControlState* b) { return top(a) < top(b); });
  for (auto row = stops.begin(); row != stops.end();) {
    const int reach = top(*row) + std::max(1, (*row)->control->height() / 2);
    auto end =
        std::find_if(row, stops.end(), [&](const ControlState* c) { return top(c) >= reach; });
    std::stable_sort(row, end, [](const ControlState* a, const ControlState* b) {
      return a->control->left() < b->control->left();
    });
    row = end;
  }
  for (std::size_t i = 1; i < stops.size(); ++i)
    QWidget::setTabOrder(stops[i - 1]->view->widget(), stops[i]->view->widget());
}

FrontEnd::FormState* FrontEnd::stateOf(const ui::Form* form) const {
  for (const auto& state : forms_) {
    if (state->form == form) return state.get();
  }
  return nullptr;
}

void FrontEnd::own(FormState& popUp, FormState* owner) {
  popUp.owner = owner;
  // Window managers keep a dialog above the window it belongs to; a plain window they stack on
  // its own. The kind can change only while the window is hidden.
  if (!popUp.window->isVisible()) popUp.window->setWindowFlag(Qt::Dialog, owner != nullptr);
  popUp.window->winId();  // the platform's window, which knows the window it stays above
  QWindow* above = nullptr;
  if (owner && owner->window) {
    owner->window->winId();
    above = owner->window->windowHandle();
  }
  popUp.window->windowHandle()->setTransientParent(above);
}

void FrontEnd::bringForward(FormState& popUp) {
  popUp.window->raise();
  popUp.window->activateWindow();
}

void FrontEnd::endProgram() {
  ended_ = true;
  for (auto& state : forms_) {
    if (state->window) state->window->hide();
  }
  // The program quits when control is back in the event loop; the handler that ended it
  // finishes first.
  QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit,
                            Qt::QueuedConnection);
}

void FrontEnd::closeBoxClicked(ui::Form& form) {
  actingOn(form);
  form.closeBox();
  flush();
  // Never leave a process running with every window hidden.
  if (!ended_ && !anyWindowShown()) endProgram();
}

void FrontEnd::click(ui::CommandButton& button) {
  if (flushing_) return;
  actingOn(button.form());
  button.click();
  flush();
}

bool FrontEnd::anyWindowShown() const {
  for (const auto& state : forms_) {
    if (state->form->visible()) return true;
  }
  return false;
}

QWidget* FrontEnd::dialogParent() const {
  const FormState* latest = nullptr;
  for (const auto& state : forms_) {
    if (!state->window || !state->window->isVisible()) continue;
    if (state->form == actingOn_) return state->window.get();
    if (!latest || state->shownAt > latest->shownAt) latest = state.get();
  }
  return latest ? latest->window.get() : nullptr;
}

FormWindow* FrontEnd::window(const ui::Form& form) const {
  for (const auto& state : forms_) {
    if (state->form == &form) return state->window.get();
  }
  return nullptr;
}

QWidget* FrontEnd::widget(const ui::Control& control) const {
  for (const auto& state : forms_) {
    if (state->form != &control.form()) continue;
    for (const auto& watched : state->controls) {
      if (watched->control == &control) return watched->view ? watched->view->widget() : nullptr;
    }
  }
  return nullptr;
}

QPixmap FrontEnd::backdrop(const std::string& name) {
  static std::map<std::string, QPixmap> pictures;
  if (name.empty()) return {};
  auto found = pictures.find(name);
  if (found == pictures.end())
    found = pictures.emplace(name, QPixmap(QString(":/backdrops/%1.png").arg(name.c_str()))).first;
  return found->second;
}

QIcon FrontEnd::windowIcon() {
  static const QIcon icon = [] {
    QIcon sizes;
    for (const int size : {16, 32, 64})
      sizes.addFile(QString(":/icon/window-%1.png").arg(size), QSize(size, size));
    return sizes;
  }();
  return icon;
}

std::vector<ui::Form*> windowsOf(Editor& editor) {
  return {&editor.form1,  &editor.form2,  &editor.form3,  &editor.form4,  &editor.form5,
          &editor.form6,  &editor.form7,  &editor.form8,  &editor.form9,  &editor.form10,
          &editor.form11, &editor.form12, &editor.form13, &editor.form14, &editor.form15,
          &editor.form16, &editor.form17, &editor.form18, &editor.form19};
}

}  // namespace front
