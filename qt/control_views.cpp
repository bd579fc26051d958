#include "qt/control_views.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTableView>
#include <algorithm>
#include <functional>
#include <limits>

#include "common/line_file.h"
#include "qt/caption_fit.h"
#include "qt/front_end.h"
#include "qt/grid_model.h"
#include "qt/qt_desktop.h"
#include "qt/text_conversion.h"

// The editor's font is compiled into this library; a static library must register it itself.
// Returns the font's family, which every window and dialog draws its texts in.
static QString registerEditorFont() {
  Q_INIT_RESOURCE(fonts);
  QString family = "Liberation Sans";
  for (const char* face :
       {":/fonts/LiberationSans-Regular.ttf", ":/fonts/LiberationSans-Bold.ttf"}) {
    const QStringList families =
        QFontDatabase::applicationFontFamilies(QFontDatabase::addApplicationFont(face));
    if (!families.isEmpty()) family = families.front();
  }
  return family;
}

namespace front {

// Runs a user action, then brings every window up to date.
template <typename Action>
void ControlView::act(Action action) {
  if (front_.flushing()) return;
  front_.actingOn(control_.form());
  action();
  front_.flush();
}

namespace {

// The palette of a widget with the given roles set from the control's colours; ui::noColor
// keeps the widget's own colour.
void setColors(QWidget* widget, QPalette::ColorRole backRole, ui::Color back,
               QPalette::ColorRole foreRole, ui::Color fore) {
  QPalette palette = QApplication::palette(widget);
  if (back != ui::noColor) palette.setColor(backRole, toQColor(back));
  // The text colour holds while the control is usable; a disabled control keeps the style's grey
  // text, so the user can tell that it does nothing.
  if (fore != ui::noColor) {
    palette.setColor(QPalette::Active, foreRole, toQColor(fore));
    palette.setColor(QPalette::Inactive, foreRole, toQColor(fore));
  }
  widget->setPalette(palette);
}

// --- labels ----------------------------------------------------------------------------------

class LabelView : public ControlView {
 public:
  LabelView(FrontEnd& front, ui::Label& label, QWidget* parent)
      : ControlView(front, label, new QLabel(parent)), label_(label) {
    auto* widget = static_cast<QLabel*>(widget_);
    widget->setTextFormat(Qt::PlainText);
    widget->setMargin(0);
    widget->setIndent(0);
    widget->installEventFilter(this);
  }
  bool lightweight() const override { return true; }

 protected:
  bool fitsCaption() const override { return true; }
  void syncContent() override {
    auto* widget = static_cast<QLabel*>(widget_);
    setColors(widget, QPalette::Window, label_.backColor(), QPalette::WindowText,
              label_.foreColor());
    widget->setAutoFillBackground(label_.backColor() != ui::noColor);
    widget->setFocusPolicy(label_.onClick ? Qt::StrongFocus : Qt::NoFocus);
    widget->setFrameStyle(label_.border() ? QFrame::Box | QFrame::Plain : QFrame::NoFrame);
    widget->setLineWidth(1);
    // The caption's lines are broken here, not by the label, so what is measured is what is drawn.
    widget->setWordWrap(false);
    const FittedCaption& fitted =
        fitter_.fit(shownText(label_.caption()), controlFont(), widget->contentsRect().size(), 0);
    widget->setFont(fitted.font);
    widget->setText(fitted.text);
    // A one-line label sits in the middle of its box; a label for several lines starts at the top.
    const int twoLines = 2 * QFontMetrics(controlFont()).lineSpacing();
    const bool severalLines = label_.wordWrap() || label_.height() > twoLines;
    widget->setAlignment(horizontal(label_.alignment()) |
                         (severalLines ? Qt::AlignTop : Qt::AlignVCenter));
  }

  // A label that does something when clicked takes the focus, and Space or Return on it is the
  // click.
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::MouseButtonRelease) {
      auto* mouse = static_cast<QMouseEvent*>(event);
      if (mouse->button() == Qt::LeftButton &&
          widget_->rect().contains(mouse->position().toPoint()))
        act([this] { label_.click(); });
    } else if (event->type() == QEvent::KeyPress && label_.onClick) {
      auto* key = static_cast<QKeyEvent*>(event);
      const int code = virtualKey(*key);
      if ((code == ui::KeyEnter || code == ' ') && !(key->modifiers() & ~Qt::KeypadModifier)) {
        if (!key->isAutoRepeat()) act([this] { label_.click(); });
        return true;
      }
    }
    return false;
  }

 private:
  ui::Label& label_;
  CaptionFitter fitter_;
};

// --- command buttons -------------------------------------------------------------------------

class ButtonView : public ControlView {
 public:
  ButtonView(FrontEnd& front, ui::CommandButton& button, QWidget* parent)
      : ControlView(front, button, new QPushButton(parent)), button_(button) {
    auto* widget = static_cast<QPushButton*>(widget_);
    widget->setAutoDefault(false);
    widget->installEventFilter(this);
    QObject::connect(widget, &QPushButton::clicked, this,
                     [this] { act([this] { button_.click(); }); });
  }

  // Return (or Enter) on the focused button clicks it, as Space does.
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (virtualKey(*key) != ui::KeyEnter || key->modifiers() & ~Qt::KeypadModifier) return false;
    if (!key->isAutoRepeat()) static_cast<QPushButton*>(widget_)->click();
    return true;
  }

 protected:
  bool fitsCaption() const override { return true; }
  void syncContent() override {
    auto* widget = static_cast<QPushButton*>(widget_);
    // The caption is drawn in the button's contents, inside its frame.
    QStyleOptionButton option;
    option.initFrom(widget);
    const QRect room =
        widget->style()->subElementRect(QStyle::SE_PushButtonContents, &option, widget);
    const FittedCaption& fitted =
        fitter_.fit(shownText(button_.caption()), controlFont(), room.size(), Qt::TextShowMnemonic);
    widget->setFont(fitted.font);
    widget->setText(fitted.text);
    const ui::Color back =
        button_.backColor() == ui::buttonFace ? ui::noColor : button_.backColor();
    setColors(widget, QPalette::Button, back, QPalette::ButtonText, button_.foreColor());
  }

 private:
  ui::CommandButton& button_;
  CaptionFitter fitter_;
};

// --- text boxes ------------------------------------------------------------------------------

class TextView : public ControlView {
 public:
  TextView(FrontEnd& front, ui::TextBox& box, QWidget* parent)
      : ControlView(front, box,
                    box.multiLine() ? static_cast<QWidget*>(new QPlainTextEdit(parent))
                                    : static_cast<QWidget*>(new QLineEdit(parent))),
        box_(box) {
    widget_->installEventFilter(this);
    if (auto* lines = qobject_cast<QPlainTextEdit*>(widget_)) {
      lines->viewport()->installEventFilter(this);
      QObject::connect(lines, &QPlainTextEdit::textChanged, this, [this, lines] {
        if (front_.flushing()) return;
        const QString text = lines->toPlainText();
        const bool tooLong = text.size() > editableLength;
        const std::u32string unfit = tooLong ? std::u32string() : unfitCharacters(text);
        if (tooLong || !unfit.empty()) {
          const QString before = toQLines(box_.text());
          const int cursor = lines->textCursor().position() - (text.size() - before.size());
          {
            const QSignalBlocker quiet(lines);
            lines->setPlainText(before);
            QTextCursor at = lines->textCursor();
            at.setPosition(std::clamp(cursor, 0, static_cast<int>(before.size())));
            lines->setTextCursor(at);
          }
          if (tooLong)
            refuseLength(text.size());
          else
            refuse(unfit);
          return;
        }
        act([this, &text] { box_.type(fromQLines(text)); });
      });
    } else {
      auto* line = static_cast<QLineEdit*>(widget_);
      takeAnyLength(line);
      QObject::connect(line, &QLineEdit::textEdited, this, [this, line](const QString& text) {
        if (refusedLine(line, text, toQ(box_.text()))) return;
        act([this, &text] { box_.type(fromQ(text)); });
      });
    }
  }

 protected:
  void syncContent() override {
    setColors(widget_, QPalette::Base, box_.backColor(), QPalette::Text, box_.foreColor());
    // A text too long to type in is shown cut, and the box takes no typing.
    whole_ = box_.text().size() <= static_cast<std::size_t>(editableLength);
    if (auto* lines = qobject_cast<QPlainTextEdit*>(widget_)) {
      const QString text = whole_ ? toQLines(box_.text()) : shownText(box_.text());
      if (lines->toPlainText() != text) lines->setPlainText(text);
      lines->setReadOnly(box_.locked() || !whole_);
      lines->setVerticalScrollBarPolicy(box_.verticalScrollBar() ? Qt::ScrollBarAlwaysOn
                                                                 : Qt::ScrollBarAlwaysOff);
    } else {
      auto* line = static_cast<QLineEdit*>(widget_);
      const QString text = whole_ ? toQ(box_.text()) : shownText(box_.text());
      if (line->text() != text) line->setText(text);
      line->setReadOnly(box_.locked() || !whole_);
      line->setAlignment(horizontal(box_.alignment()) | Qt::AlignVCenter);
    }
  }

  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::KeyPress) {
      auto* key = static_cast<QKeyEvent*>(event);
      if (const int code = virtualKey(*key)) act([this, code] { box_.pressKey(code); });
      // Typing into a text too long to type in: the person is told why nothing happens.
      if (!whole_ && !box_.locked() && !key->text().isEmpty() && key->text().front().isPrint())
        refuseLength(static_cast<qsizetype>(box_.text().size()));
    } else if (event->type() == QEvent::MouseButtonDblClick) {
      act([this] { box_.doubleClick(); });
    }
    return false;
  }

 private:
  ui::TextBox& box_;
  bool whole_ = true;
};

// --- combo boxes -----------------------------------------------------------------------------

// Fills a combo box or list widget with the items, unless it shows them already (`shown`).
template <typename Widget>
void syncItems(Widget* widget, std::vector<std::string>& shown,
               const std::vector<std::string>& items,
               QString (*display)(const std::string&) = shownText) {
  if (shown == items) return;
  QStringList texts;
  texts.reserve(static_cast<qsizetype>(items.size()));
  for (const std::string& item : items) texts << display(item);
  widget->clear();
  widget->addItems(texts);
  shown = items;
}

class ComboView : public ControlView {
 public:
  ComboView(FrontEnd& front, ui::ComboBox& combo, QWidget* parent)
      : ControlView(front, combo, new QComboBox(parent)), combo_(combo) {
    auto* widget = static_cast<QComboBox*>(widget_);
    widget->setEditable(combo.editable());
    widget->setInsertPolicy(QComboBox::NoInsert);
    widget->setMaxVisibleItems(12);
    widget->installEventFilter(this);
    // activated comes also when the person picks the item already shown.
    QObject::connect(widget, &QComboBox::activated, this,
                     [this](int index) { act([this, index] { combo_.choose(index); }); });
    if (QLineEdit* line = widget->lineEdit()) {
      takeAnyLength(line);
      QObject::connect(line, &QLineEdit::textEdited, this, [this, line](const QString& text) {
        if (refusedLine(line, text, toQ(combo_.text()))) return;
        act([this, &text] { combo_.type(fromQ(text)); });
      });
    }
  }

 protected:
  void syncContent() override {
    auto* widget = static_cast<QComboBox*>(widget_);
    syncItems(widget, shown_, combo_.items());
    if (widget->currentIndex() != combo_.listIndex()) widget->setCurrentIndex(combo_.listIndex());
    if (widget->isEditable()) {
      // A text too long to type in is shown cut, and takes no typing.
      const bool whole = combo_.text().size() <= static_cast<std::size_t>(editableLength);
      const QString text = whole ? toQ(combo_.text()) : shownText(combo_.text());
      if (widget->currentText() != text) widget->setEditText(text);
      widget->lineEdit()->setReadOnly(!whole);
    }
    setColors(widget, QPalette::Base, combo_.backColor(), QPalette::Text, combo_.foreColor());
  }

  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::KeyPress) {
      if (const int key = virtualKey(*static_cast<QKeyEvent*>(event)))
        act([this, key] { combo_.pressKey(key); });
    }
    return false;
  }

 private:
  ui::ComboBox& combo_;
  std::vector<std::string> shown_;
};

// --- list boxes, file lists and folder lists -------------------------------------------------

QListWidget* newListWidget(QWidget* parent) {
  auto* widget = new QListWidget(parent);
  widget->setSelectionMode(QAbstractItemView::SingleSelection);
  widget->setUniformItemSizes(true);
  widget->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  return widget;
}

// A list box or a file list: the row the person selects is the list's choice.
class ChoiceView : public ControlView {
 public:
  ChoiceView(FrontEnd& front, ui::ChoiceList& list, QWidget* parent)
      : ControlView(front, list, newListWidget(parent)), list_(list) {
    auto* widget = static_cast<QListWidget*>(widget_);
    QObject::connect(widget, &QListWidget::itemSelectionChanged, this, [this, widget] {
      const QList<QListWidgetItem*> selected = widget->selectedItems();
      if (selected.size() != 1) return;
      const int row = widget->row(selected.front());
      if (row != list_.listIndex()) act([this, row] { list_.choose(row); });
    });
    if (auto* box = dynamic_cast<ui::ListBox*>(&list)) {
      QObject::connect(widget, &QListWidget::itemDoubleClicked, this,
                       [this, widget, box](QListWidgetItem* item) {
                         const int row = widget->row(item);
                         act([box, row] { box->doubleClick(row); });
                       });
    }
  }

 protected:
  void syncContent() override {
    auto* widget = static_cast<QListWidget*>(widget_);
    syncItems(widget, shown_, list_.items());
    const int index = list_.listIndex();
    if (index >= 0 && index < widget->count()) {
      if (widget->currentRow() != index || !widget->item(index)->isSelected())
        widget->setCurrentRow(index, QItemSelectionModel::ClearAndSelect);
    } else {
      widget->clearSelection();
      widget->setCurrentRow(-1);
    }
    setColors(widget, QPalette::Base, list_.backColor(), QPalette::Text, list_.foreColor());
  }

 private:
  ui::ChoiceList& list_;
  std::vector<std::string> shown_;
};

// The last part of a folder list's full path text, as a folder list shows its entries.
QString folderName(const std::string& pathText) {
  const auto slash = pathText.find_last_of('\\');
  return shownText(slash == std::string::npos ? pathText : pathText.substr(slash + 1));
}

// A folder list: it shows the folders' own names and has no choice of its own.
class FolderView : public ControlView {
 public:
  FolderView(FrontEnd& front, ui::DirListBox& list, QWidget* parent)
      : ControlView(front, list, newListWidget(parent)), list_(list) {}

 protected:
  void syncContent() override {
    auto* widget = static_cast<QListWidget*>(widget_);
    syncItems(widget, shown_, list_.items(), folderName);
    setColors(widget, QPalette::Base, list_.backColor(), QPalette::Text, list_.foreColor());
  }

 private:
  ui::DirListBox& list_;
  std::vector<std::string> shown_;
};

// --- scroll bars -----------------------------------------------------------------------------

class ScrollView : public ControlView {
 public:
  ScrollView(FrontEnd& front, ui::HScrollBar& bar, QWidget* parent)
      : ControlView(front, bar, new QScrollBar(Qt::Horizontal, parent)), bar_(bar) {
    auto* widget = static_cast<QScrollBar*>(widget_);
    widget->setFocusPolicy(Qt::StrongFocus);  // the arrow keys move it
    // Arrows, the track, keys and the wheel: the value the bar is about to take.
    QObject::connect(widget, &QScrollBar::actionTriggered, this, [this, widget](int action) {
      if (action == QAbstractSlider::SliderNoAction) return;
      if (action == QAbstractSlider::SliderMove && widget->isSliderDown()) return;
      const int value = widget->sliderPosition();
      act([this, value] { bar_.scrollTo(value); });
    });
    QObject::connect(widget, &QScrollBar::sliderMoved, this,
                     [this](int value) { act([this, value] { bar_.dragTo(value); }); });
    // Letting go of the dragged box settles the value.
    QObject::connect(widget, &QScrollBar::sliderReleased, this, [this, widget] {
      const int value = widget->value();
      act([this, value] { bar_.scrollTo(value); });
    });
  }

 protected:
  void syncContent() override {
    auto* widget = static_cast<QScrollBar*>(widget_);
    widget->setRange(bar_.min(), bar_.max());
    widget->setSingleStep(bar_.smallChange());
    widget->setPageStep(bar_.largeChange());
    widget->setValue(bar_.value());
  }

 private:
  ui::HScrollBar& bar_;
};

// --- pictures --------------------------------------------------------------------------------

class ImageView : public ControlView {
 public:
  ImageView(FrontEnd& front, ui::ImageBox& image, QWidget* parent)
      : ControlView(front, image, new QLabel(parent)), image_(image) {
    static_cast<QLabel*>(widget_)->setScaledContents(true);
  }
  bool lightweight() const override { return true; }

 protected:
  void syncContent() override {
    if (loaded_ && image_.picture() == shownPath_) return;
    loaded_ = true;
    shownPath_ = image_.picture();
    QPixmap picture;
    if (!shownPath_.empty()) {
      // Read the bytes of the file itself, found as the editor finds every file, and let the
      // picture's own content say what kind it is.
      std::string bytes;
      if (common::readBytes(shownPath_, bytes) && !bytes.empty())
        picture.loadFromData(reinterpret_cast<const uchar*>(bytes.data()),
                             static_cast<uint>(bytes.size()));
    }
    auto* widget = static_cast<QLabel*>(widget_);
    if (picture.isNull())
      widget->clear();
    else
      widget->setPixmap(picture);
  }

 private:
  ui::ImageBox& image_;
  bool loaded_ = false;
  std::string shownPath_;
};

// --- grids -----------------------------------------------------------------------------------

// The table of a grid, as the keyboard works it: the view follows the current cell, Home and End
// go to the first and last row, Return acts on the current row, and Tab leaves the grid.
class GridTable : public QTableView {
 public:
  explicit GridTable(QWidget* parent) : QTableView(parent) {
    setTabKeyNavigation(false);
    showFocus(false);
  }
  std::function<void(int viewRow)> onReturn;

 protected:
  // The current cell is drawn bright while the keyboard is on the grid, and grey, as an inactive
  // selection, while the focus is elsewhere: the person sees which control the keys go to.
  void focusInEvent(QFocusEvent* event) override {
    showFocus(true);
    QTableView::focusInEvent(event);
  }
  void focusOutEvent(QFocusEvent* event) override {
    showFocus(false);
    QTableView::focusOutEvent(event);
  }
  void showFocus(bool focused) {
    QPalette colours = palette();
    const QPalette standard = QApplication::palette(this);
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
      colours.setColor(group, QPalette::Highlight,
                       focused ? standard.color(QPalette::Active, QPalette::Highlight)
                               : QColor(0xC0, 0xC0, 0xC0));
      colours.setColor(group, QPalette::HighlightedText,
                       focused ? standard.color(QPalette::Active, QPalette::HighlightedText)
                               : standard.color(QPalette::Active, QPalette::Text));
    }
    setPalette(colours);
  }

  QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override {
    const QModelIndex current = currentIndex();
    if ((action == MoveHome || action == MoveEnd) && current.isValid() && model()->rowCount() > 0)
      return model()->index(action == MoveHome ? 0 : model()->rowCount() - 1, current.column());
    return QTableView::moveCursor(action, modifiers);
  }

  void keyPressEvent(QKeyEvent* event) override {
    // A current cell out of view (set while the window was hidden, or scrolled away by the mouse)
    // is not where the person is: Return does nothing then, and the keys start from the top row
    // in view.
    const bool currentInView =
        currentIndex().isValid() && viewport()->rect().intersects(visualRect(currentIndex()));
    if (virtualKey(*event) == ui::KeyEnter) {
      if (currentInView && onReturn) onReturn(currentIndex().row());
      event->accept();
      return;
    }
    if (!currentInView && currentIndex().isValid() && rowAt(0) >= 0)
      selectionModel()->setCurrentIndex(model()->index(rowAt(0), currentIndex().column()),
                                        QItemSelectionModel::ClearAndSelect);
    const QModelIndex before = currentIndex();
    QTableView::keyPressEvent(event);
    // The grid scrolls only for the keyboard: a current cell set from code leaves it where it is.
    if (currentIndex().isValid() && currentIndex() != before) scrollTo(currentIndex());
  }
};

class GridView : public ControlView {
 public:
  GridView(FrontEnd& front, ui::Grid& grid, QWidget* parent)
      : ControlView(front, grid, new GridTable(parent)), grid_(grid) {
    auto* widget = static_cast<GridTable*>(widget_);
    model_ = new GridModel(grid, widget);
    widget->setModel(model_);
    widget->setEditTriggers(QAbstractItemView::NoEditTriggers);
    widget->setSelectionMode(QAbstractItemView::SingleSelection);
    widget->setSelectionBehavior(QAbstractItemView::SelectItems);
    widget->setWordWrap(false);
    widget->setCornerButtonEnabled(false);
    // The grid scrolls only where the windows put its top row: a current cell set while the
    // window was hidden must not scroll the grid when the window appears.
    widget->setAutoScroll(false);
    for (QHeaderView* header : {widget->horizontalHeader(), widget->verticalHeader()}) {
      header->setSectionsClickable(false);
      header->setHighlightSections(false);
    }
    // Every row has the same height: the view never measures rows, so 100,000 rows cost nothing.
    widget->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    widget->verticalHeader()->setDefaultSectionSize(QFontMetrics(widget->font()).height() + 4);
    widget->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    widget->horizontalHeader()->setFixedHeight(QFontMetrics(widget->font()).height() + 6);
    QObject::connect(widget, &QTableView::clicked, this, [this](const QModelIndex& index) {
      const int row = model_->gridRow(index.row());
      const int col = model_->gridCol(index.column());
      act([this, row, col] { grid_.selectCell(row, col); });
    });
    // Return on a row is a click on the row's first cell that is not fixed, whichever cell of the
    // row is current: on the wrestler list, its name.
    widget->onReturn = [this](int viewRow) {
      const int row = model_->gridRow(viewRow);
      act([this, row] { grid_.selectCell(row, grid_.fixedCols()); });
    };
  }

 protected:
  void syncContent() override {
    auto* widget = static_cast<QTableView*>(widget_);
    model_->refresh();
    widget->horizontalHeader()->setVisible(model_->headerRow());
    widget->verticalHeader()->setVisible(model_->headerCol());
    if (model_->headerCol() && grid_.colWidth(0) > 0)
      widget->verticalHeader()->setFixedWidth(grid_.colWidth(0));
    for (int col = model_->headerCol() ? 1 : 0; col < grid_.cols(); ++col) {
      const int width = grid_.colWidth(col);
      widget->setColumnWidth(model_->viewCol(col), width > 0 ? width : 64);
    }
    // The current cell is shown selected; setting it from code does not scroll the grid.
    QScrollBar* vertical = widget->verticalScrollBar();
    QScrollBar* across = widget->horizontalScrollBar();
    const int top = vertical->value(), left = across->value();
    const QModelIndex current =
        model_->index(model_->viewRow(grid_.row()), model_->viewCol(grid_.col()));
    if (current.isValid() && current != widget->currentIndex()) {
      widget->selectionModel()->setCurrentIndex(current, QItemSelectionModel::ClearAndSelect);
      vertical->setValue(top);
      across->setValue(left);
    }
    // The top row moves the grid only when the windows change it.
    if (grid_.topRow() != shownTopRow_) {
      shownTopRow_ = grid_.topRow();
      vertical->setValue(std::max(0, model_->viewRow(shownTopRow_)));
    }
  }

 private:
  ui::Grid& grid_;
  GridModel* model_ = nullptr;
  int shownTopRow_ = -1;
};

// --- lines and shapes ------------------------------------------------------------------------

class Decoration : public QWidget {
 public:
  Decoration(ui::Control& control, QWidget* parent) : QWidget(parent), control_(control) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    const QColor fore =
        toQColor(control_.foreColor() == ui::noColor ? ui::black : control_.foreColor());
    if (auto* line = dynamic_cast<ui::Line*>(&control_)) {
      painter.setPen(fore);
      const QPoint origin = pos();
      painter.drawLine(QPoint(line->x1(), line->y1()) - origin,
                       QPoint(line->x2(), line->y2()) - origin);
      return;
    }
    if (control_.backColor() != ui::noColor)
      painter.fillRect(rect(), toQColor(control_.backColor()));
    painter.setPen(fore);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
  }

 private:
  ui::Control& control_;
};

class DecorationView : public ControlView {
 public:
  DecorationView(FrontEnd& front, ui::Control& control, QWidget* parent)
      : ControlView(front, control, new Decoration(control, parent)) {}
  bool lightweight() const override { return true; }

 protected:
  void syncContent() override {
    if (auto* line = dynamic_cast<ui::Line*>(&control_)) {
      const QRect ends =
          QRect(QPoint(line->x1(), line->y1()), QPoint(line->x2(), line->y2())).normalized();
      widget_->setGeometry(ends.adjusted(0, 0, 1, 1));
    }
    widget_->update();
  }
};

}  // namespace

// --- shared helpers --------------------------------------------------------------------------

Qt::Alignment horizontal(ui::Align align) {
  switch (align) {
    case ui::Align::Center:
      return Qt::AlignHCenter;
    case ui::Align::Right:
      return Qt::AlignRight;
    case ui::Align::Left:
      break;
  }
  return Qt::AlignLeft;
}

QColor toQColor(ui::Color color) {
  if (color & 0x80000000u) return QApplication::palette().color(QPalette::Button);
  return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                static_cast<int>((color >> 16) & 0xFF));
}

void takeAnyLength(QLineEdit* line) {
  if (line) line->setMaxLength(std::numeric_limits<int>::max());
}

void sayTooLong(QWidget* parent, qsizetype length) {
  messageBox(parent,
             QString::fromStdString(ui::tooLongMessage(static_cast<std::size_t>(length)))
                 .replace("\r\n", "\n"),
             ui::Buttons::Ok, ui::Icon::Exclamation, toQ(ui::programTitle));
}

QFont baseFont() {
  static const QString family = registerEditorFont();
  QFont font(family);
  font.setPixelSize(11);
  return font;
}

// --- ControlView -----------------------------------------------------------------------------

ControlView::ControlView(FrontEnd& front, ui::Control& control, QWidget* widget)
    : front_(front), control_(control), widget_(widget) {
  widget_->setObjectName(QString::fromStdString(control.name()));
}

ControlView::~ControlView() = default;

QFont ControlView::controlFont() const {
  QFont font = widget_->parentWidget() ? widget_->parentWidget()->font() : baseFont();
  font.setBold(control_.bold());
  if (control_.fontSize() > 0) font.setPixelSize(pointsToPixels(control_.fontSize()));
  return font;
}

void ControlView::refuse(const std::u32string& characters) {
  front_.actingOn(control_.form());
  sayUnfit(front_.dialogParent(), characters);
}

void ControlView::refuseLength(qsizetype length) {
  front_.actingOn(control_.form());
  sayTooLong(front_.dialogParent(), length);
}

bool ControlView::refusedLine(QLineEdit* line, const QString& typed, const QString& before) {
  const bool tooLong = typed.size() > editableLength;
  const std::u32string unfit = tooLong ? std::u32string() : unfitCharacters(typed);
  if (!tooLong && unfit.empty()) return false;
  const int cursor = line->cursorPosition() - static_cast<int>(typed.size() - before.size());
  {
    const QSignalBlocker quiet(line);
    line->setText(before);
    line->setCursorPosition(std::clamp(cursor, 0, static_cast<int>(before.size())));
  }
  if (tooLong)
    refuseLength(typed.size());
  else
    refuse(unfit);
  return true;
}

bool ControlView::sync() {
  if (!control_.visible()) {
    widget_->setVisible(false);
    shown_ = false;
    return false;
  }
  const bool blocked = widget_->blockSignals(true);
  const QRect place(control_.left(), control_.top(), control_.width(), control_.height());
  const bool moved = place != placed_;
  if (moved && !dynamic_cast<ui::Line*>(&control_)) widget_->setGeometry(place);
  placed_ = place;
  widget_->setEnabled(control_.enabled());
  if (!fitsCaption()) widget_->setFont(controlFont());
  syncContent();
  widget_->blockSignals(blocked);
  // A control that comes into view or moves lies over the controls around it (a report laid
  // over a column of buttons); labels and decorations stay under the other controls.
  if ((moved || !shown_) && !lightweight()) widget_->raise();
  widget_->setVisible(true);
  shown_ = true;
  return true;
}

std::unique_ptr<ControlView> makeView(FrontEnd& front, ui::Control& control, QWidget* parent) {
  if (auto* label = dynamic_cast<ui::Label*>(&control))
    return std::make_unique<LabelView>(front, *label, parent);
  if (auto* button = dynamic_cast<ui::CommandButton*>(&control))
    return std::make_unique<ButtonView>(front, *button, parent);
  if (auto* box = dynamic_cast<ui::TextBox*>(&control))
    return std::make_unique<TextView>(front, *box, parent);
  if (auto* combo = dynamic_cast<ui::ComboBox*>(&control))
    return std::make_unique<ComboView>(front, *combo, parent);
  if (auto* list = dynamic_cast<ui::ChoiceList*>(&control))
    return std::make_unique<ChoiceView>(front, *list, parent);
  if (auto* folders = dynamic_cast<ui::DirListBox*>(&control))
    return std::make_unique<FolderView>(front, *folders, parent);
  if (auto* bar = dynamic_cast<ui::HScrollBar*>(&control))
    return std::make_unique<ScrollView>(front, *bar, parent);
  if (auto* image = dynamic_cast<ui::ImageBox*>(&control))
    return std::make_unique<ImageView>(front, *image, parent);
  if (auto* grid = dynamic_cast<ui::Grid*>(&control))
    return std::make_unique<GridView>(front, *grid, parent);
  if (dynamic_cast<ui::Line*>(&control) || dynamic_cast<ui::Shape*>(&control))
    return std::make_unique<DecorationView>(front, control, parent);
  return nullptr;
}

}  // namespace front
