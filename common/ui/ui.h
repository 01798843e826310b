#pragma once
// The window framework. A window is declared once as data (WindowDecl: its units, menu and
// handler bindings); the framework builds a live model from it (Window, Unit) that is the
// truth of every property; the realisation in use (Qt for the programs, scripted for the
// tests, both behind ui::Backend) follows the model and reports the user's actions back
// through ui::user. Handlers are plain functions; they reach units through typed
// references (EditRef, GridRef ...) declared once per window, so a misspelt unit name
// does not compile.
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "common/value.h"

class GridModel;  // common/grid/grid_model.h

namespace ui {

enum class Kind {
  kWindow,
  kMenuItem,
  kEdit,
  kLabel,
  kTransparentLabel,
  kGroupBox,
  kButton,
  kPictureButton,
  kPictureBox,
  kCheckBox,
  kRadio,
  kCombo,
  kTab,
  kDateBox,
  kTimer,
  kSlider,
  kListView,
  kBalloonTip,
  kGrid
};

// kMultiLineReadOnly: many lines that the user may read, select and copy but not type into.
enum class InputMode {
  kPlain,
  kReadOnly,
  kPassword,
  kInteger,
  kDecimal,
  kMultiLine,
  kMultiLineReadOnly
};

enum class Event {
  kCreated,
  kDestroying,
  kResized,  // window: its size changed, or it was shown for the first time
  kClick,
  kMouseDown,  // also the window's own: a press on its client area (EventArgs::code = button)
  kMouseUp,    // buttons, labels, boxes, menu items (kClick)
  kKeyDown,
  kChar,              // edit boxes
  kChanged,           // edit box content edited by the user
  kSelectionChanged,  // combo box
  kPageChanged,       // tab
  kTick,              // timer
  kItemDoubleClick,
  kItemRightClick,     // list view (EventArgs::item)
  kGridCursorChanged,  // grid: the cursor was put on a cell (row, col)
  kGridCellChanged,    // grid: the user committed an edit (row, col)
  kGridChoice,         // grid: a drop-down choice taken (row, col, text)
  kGridChar,           // grid: a character typed (code)
  kGridKey,            // grid: a key pressed (code)
  kGridRightUp,        // grid: right mouse button released (row, col)
};

struct Rect {
  int left = 0, top = 0, width = 0, height = 0;
};

// A font as the declarations give it: face, character height in pixels, weight (400 normal,
// 700 bold), character set (134 = GB2312).
struct Font {
  std::string face = "宋体";
  int height = 12;
  int weight = 400;
  int charset = 134;
  bool italic = false;
  bool underline = false;
};

// What an event carries; unused members keep their defaults.
struct EventArgs {
  int row = -1, col = -1;  // grid cell
  int item = -1;           // list view item
  int code = 0;            // character or key code; mouse button (1 left, 2 right, 3 middle)
  std::string text;        // grid choice text
};

// A handler: a plain function, with or without the event's arguments.
using Handler = std::variant<void (*)(), void (*)(const EventArgs&)>;

// The most GBK bytes the user may put into an edit box, or into the grid cells of a range: its
// text goes into a text field that holds no more, so what the user sees is what is kept.
struct TextLimit {
  int bytes = 0;
  int row1 = 0, col1 = 0, row2 = -1, col2 = -1;  // grid cells; -1: to the last row (column)
};

// ---- Typed references: one constant per unit, declared with its window. ----
template <Kind K>
struct Ref {
  const char* window;
  const char* name;
};
using EditRef = Ref<Kind::kEdit>;
using LabelRef = Ref<Kind::kLabel>;
using TransparentLabelRef = Ref<Kind::kTransparentLabel>;
using GroupBoxRef = Ref<Kind::kGroupBox>;
using ButtonRef = Ref<Kind::kButton>;
using PictureButtonRef = Ref<Kind::kPictureButton>;
using PictureBoxRef = Ref<Kind::kPictureBox>;
using CheckBoxRef = Ref<Kind::kCheckBox>;
using RadioRef = Ref<Kind::kRadio>;
using ComboRef = Ref<Kind::kCombo>;
using TabRef = Ref<Kind::kTab>;
using DateBoxRef = Ref<Kind::kDateBox>;
using TimerRef = Ref<Kind::kTimer>;
using SliderRef = Ref<Kind::kSlider>;
using ListViewRef = Ref<Kind::kListView>;
using BalloonTipRef = Ref<Kind::kBalloonTip>;
using GridRef = Ref<Kind::kGrid>;
using MenuItemRef = Ref<Kind::kMenuItem>;
struct WindowRef {
  const char* name;
};

// ---- Declarations ----
struct UnitDecl {
  Kind kind = Kind::kLabel;
  const char* name = "";
  const char* container = nullptr;  // a group box or tab unit of the same window; nullptr = window
  int page = -1;                    // the tab page when the container is a tab
  Rect rect;
  std::string text;  // caption or stored content
  Font font;
  InputMode mode = InputMode::kPlain;
  bool visible = true, disabled = false, checked = false;
  std::vector<std::string> items;  // combo items, tab pages, list view column headings
  std::vector<int> item_widths;    // list view column widths; a grid's declared column widths
  std::string picture;             // asset name (JPEG) of a picture button, picture box
  int interval = 0;                // timer, milliseconds
  int minimum = 0, maximum = 100;  // slider
  std::vector<TextLimit> text_limits;

  UnitDecl& Text(std::string t) {
    text = std::move(t);
    return *this;
  }
  UnitDecl& In(const char* group) {
    container = group;
    return *this;
  }
  UnitDecl& OnPage(const char* tab, int p) {
    container = tab;
    page = p;
    return *this;
  }
  UnitDecl& WithFont(Font f) {
    font = std::move(f);
    return *this;
  }
  UnitDecl& Mode(InputMode m) {
    mode = m;
    return *this;
  }
  UnitDecl& Hidden() {
    visible = false;
    return *this;
  }
  UnitDecl& Checked() {
    checked = true;
    return *this;
  }
  UnitDecl& Items(std::vector<std::string> i) {
    items = std::move(i);
    return *this;
  }
  UnitDecl& Picture(std::string asset) {
    picture = std::move(asset);
    return *this;
  }
  UnitDecl& ColumnWidths(std::vector<int> w) {
    item_widths = std::move(w);
    return *this;
  }
  UnitDecl& Interval(int ms) {
    interval = ms;
    return *this;
  }
  // The box (or every cell of the grid) takes at most that many GBK bytes.
  UnitDecl& TextBytes(int bytes) {
    text_limits.push_back({bytes});
    return *this;
  }
  // The grid cells from (row1, col1) to (row2, col2) take at most that many GBK bytes.
  UnitDecl& CellTextBytes(int row1, int col1, int row2, int col2, int bytes) {
    text_limits.push_back({bytes, row1, col1, row2, col2});
    return *this;
  }
};

template <Kind K>
UnitDecl Unit_(Ref<K> ref, Rect rect) {
  UnitDecl d;
  d.kind = K;
  d.name = ref.name;
  d.rect = rect;
  return d;
}
// Declares the unit ref at rect: Declare(LoginWindow::编辑框1, {356, 167, 176, 24}).Mode(...)
template <Kind K>
UnitDecl Declare(Ref<K> ref, Rect rect) {
  return Unit_(ref, rect);
}

// A menu entry: caption, or a separator line; an entry with items is a (sub)menu.
struct MenuDecl {
  std::string caption;
  const char* name = nullptr;  // unit name of the entry (MenuItemRef); nullptr for separators
  bool separator = false;
  bool visible = true;
  std::vector<MenuDecl> items;
};
inline MenuDecl Separator() {
  MenuDecl m;
  m.separator = true;
  return m;
}

struct Binding {
  const char* unit;  // nullptr = the window itself
  Event event;
  Handler handler;
};
template <Kind K>
Binding Bind(Ref<K> ref, Event e, Handler h) {
  return {ref.name, e, h};
}
inline Binding BindWindow(Event e, Handler h) { return {nullptr, e, h}; }

struct WindowDecl {
  const char* name = "";
  std::string caption;
  Rect rect;            // outer place and size
  std::string picture;  // background picture (asset name, JPEG)
  std::string icon;
  bool hidden = false;         // starts hidden
  std::vector<MenuDecl> menu;  // menu bar (top menus); hidden top menus serve as pop-ups
  std::vector<UnitDecl> units;
  std::vector<Binding> bindings;
};

// ---- The live model ----
class Window;

// The grid model of a grid unit is made and freed by the grid service (common/grid).
struct GridModelDeleter {
  void operator()(GridModel* g) const;
};
GridModel* NewGridModel(const UnitDecl& decl);

struct ListViewItem {
  std::vector<std::string> cells;
};

class Unit {
 public:
  Window* window = nullptr;
  Kind kind = Kind::kLabel;
  std::string name;
  std::string container;  // "" = the window
  int page = -1;
  Rect rect;
  std::string text;
  Font font;
  InputMode mode = InputMode::kPlain;
  bool visible = true, disabled = false, checked = false;
  std::vector<std::string> items;
  std::vector<int> item_data;  // combo: the data of each item
  int inserted_item = -1;      // combo: where the last InsertComboItem put its item
  std::vector<int> item_widths;
  int selected = -1;  // combo: selected index; tab: current page; list view: item
  DateTime date{};    // date box
  int interval = 0;   // timer
  int value = 0, minimum = 0, maximum = 100;  // slider
  std::string picture;
  std::vector<TextLimit> text_limits;
  std::vector<ListViewItem> rows;                     // list view
  std::unique_ptr<GridModel, GridModelDeleter> grid;  // grid
  void* realisation = nullptr;                        // the backend's own object
};

class Window {
 public:
  const WindowDecl* decl = nullptr;
  std::string name;
  std::string title;
  Rect rect;
  bool visible = false;
  bool modal = false;
  bool destroyed = false;                    // gone: its destroying event has run
  bool destroy_pending = false;              // DestroyWindowUnit without at-once, inside a handler
  std::vector<std::unique_ptr<Unit>> units;  // declaration order; menu items included
  void* realisation = nullptr;
  // Framework bookkeeping.
  bool destroying = false;    // its destroying event is running
  int destroy_level = 0;      // the message-loop level at which the deferred destruction was asked
  int shown_order = 0;        // larger = shown later
  int pins = 0;               // user actions and modal loads running on it; kept until 0
  bool shown_before = false;  // it has been shown once (and had its first size event)
  // The unit of that name, or nullptr.
  Unit* Find(const std::string& unit_name) const;
};

// What changed in the model, for the realisation to follow.
enum class Prop {
  kGeometry,
  kText,
  kVisible,
  kDisabled,
  kChecked,
  kSelected,
  kItems,
  kDate,
  kInterval,
  kValue,
  kRows,
  kTitle,
  kFont,
  kGrid
};

// ---- The realisation seam ----
class Backend {
 public:
  virtual ~Backend() = default;
  // The window's model has been built: make the realisation (not yet shown).
  virtual void Created(Window& w) = 0;
  // The window is gone from the model's point of view: drop the realisation.
  virtual void Destroyed(Window& w) = 0;
  // The program changed a property (unit == nullptr: the window's own).
  virtual void Changed(Window& w, Unit* unit, Prop what) = 0;
  // Runs the user's input until w is destroyed (a modal window's nested loop).
  virtual void RunModal(Window& w) = 0;
  // Runs the user's input until no window is left.
  virtual void RunLoop() = 0;
  virtual void Focus(Unit& u) = 0;
  // Shows the menu named as a pop-up at x, y (or the mouse position when x, y are -1).
  virtual void Popup(Window& w, const std::string& menu_name, int x, int y) = 0;
  virtual int ClientHeight(Window& w) = 0;
  virtual void Balloon(Unit& tip, int x, int y, const std::string& text, int icon) = 0;
  virtual void PlaySound(const ByteSet& wav, bool loop) = 0;
  // Prints or previews the grid's pages; 0 done, 1 no printer could be set up, 2 printing
  // failed, 3 printed into the file GridPrintFile() (common/grid/grid_ops.h) for want of a
  // printer.
  virtual int PrintGrid(Unit& grid, bool preview) = 0;
};

// ---- Window operations (Parts' names) ----
// Creates the window from its declaration, runs its created event, shows it (unless declared
// hidden); modal: returns only when the window has been destroyed. True on success.
// The declaration must outlive the window. False when a window of that name is open.
bool LoadWindow(const WindowDecl& decl, bool modal);
// Creates the program's first window (hidden when declared so), without running a loop.
bool LoadStartWindow(const WindowDecl& decl);
// Runs the message loop until no window is left.
void RunMessageLoop();
// Closes the window: its destroying event runs first; at_once false inside a handler
// defers the destruction until the running handler has returned.
void DestroyWindowUnit(WindowRef w, bool at_once = false);
// The live window of that name, or nullptr when it is not open.
Window* FindWindow(WindowRef w);
Window* FindWindow(const std::string& name);
// The live unit, or nullptr when its window is not open.
Unit* FindUnit(const char* window, const char* unit);
template <Kind K>
Unit* FindUnit(Ref<K> r) {
  return FindUnit(r.window, r.name);
}

// Window properties.
void SetTitle(WindowRef w, const std::string& title);
std::string GetTitle(WindowRef w);
void SetWindowVisible(WindowRef w, bool visible);
bool GetWindowVisible(WindowRef w);
int GetWindowWidth(WindowRef w);
int GetWindowHeight(WindowRef w);
void SetWindowSize(WindowRef w, int width, int height);
int GetClientHeight(WindowRef w);

// Unit properties, by reference (all kinds). A unit whose window is not open reads as
// empty/0/false and ignores writes.
template <Kind K>
std::string GetText(Ref<K> r);
template <Kind K>
void SetText(Ref<K> r, const std::string& text);
template <Kind K>
bool GetVisible(Ref<K> r);
template <Kind K>
void SetVisible(Ref<K> r, bool v);
template <Kind K>
bool GetDisabled(Ref<K> r);
template <Kind K>
void SetDisabled(Ref<K> r, bool v);
template <Kind K>
Rect GetRect(Ref<K> r);
template <Kind K>
void SetRect(Ref<K> r, Rect rect);
template <Kind K>
void SetFocusToUnit(Ref<K> r);
bool GetChecked(CheckBoxRef r);
void SetChecked(CheckBoxRef r, bool v);
bool GetChecked(RadioRef r);
void SetChecked(RadioRef r, bool v);  // clears the other radios of the same container
int GetSelectedIndex(ComboRef r);
void SetSelectedIndex(ComboRef r, int index);
int InsertComboItem(ComboRef r, int index, const std::string& text, int data = 0);
int GetCurrentPage(TabRef r);
void SetCurrentPage(TabRef r, int page);
DateTime GetDate(DateBoxRef r);
void SetDate(DateBoxRef r, DateTime d);
int GetInterval(TimerRef r);
void SetInterval(TimerRef r, int ms);
int GetSliderValue(SliderRef r);
void SetSliderValue(SliderRef r, int v);
void AppendEditText(EditRef r, const std::string& text);
void PopupMenu(WindowRef w, const char* menu_name, int x = -1, int y = -1);
// List view (report style).
int InsertListViewItem(ListViewRef r, int position = -1, const std::string& text = "");
bool SetListViewItemText(ListViewRef r, int item, int column, const std::string& text);
void ClearListView(ListViewRef r);
int GetListViewSelected(ListViewRef r);
void AddBalloonTip(BalloonTipRef r, int x, int y, const std::string& text, int icon,
                   int option = 0);
void PlaySoundClip(const ByteSet& wav, bool loop = false);
// Plays the WAV file of that name; nothing when it cannot be read.
void PlaySoundClip(const std::string& file_name, bool loop = false);
// The grid model of a grid unit (its window must be open).
GridModel& Grid(GridRef r);
// Tells the realisation that the grid's model changed (the grid operations call it).
void GridTouched(GridRef r);
void GridTouched(Unit& grid);

// Normalises text typed into an integer edit box: the whole 32-bit number it starts with
// (after blanks, with an optional sign), clamped to the limits; text that does not start with
// a number becomes "" (the box then reads as empty, which counts as 0).
std::string NormaliseIntegerText(const std::string& typed);
// The most GBK bytes the user may put into the edit box (row, col -1) or the grid cell; 0 = no
// limit.
int TextBytesAt(const Unit& u, int row = -1, int col = -1);
// Normalises text typed into a decimal edit box: the longest prefix that is a decimal number
// (optional sign, digits, one point); "" when there is none.
std::string NormaliseDecimalText(const std::string& typed);

// ---- The user's actions, as the realisations report them ----
// Each updates the model as the user would and runs the bound handler, then the deferred
// destructions. They refuse (return false) what the user could not do: a hidden or
// disabled unit, a window that does not take input.
namespace user {
bool Click(Unit& u);  // button, picture button, radio, check box, menu item
bool MouseDown(Unit& u);
bool MouseUp(Unit& u);
bool Type(Unit& edit, const std::string& text);  // replaces the edit box content, kChanged
bool Key(Unit& u, int code);
bool Char(Unit& u, int code);
bool ChooseItem(Unit& combo, int index);       // kSelectionChanged
bool ChoosePage(Unit& tab, int page);          // kPageChanged
bool ChooseDay(Unit& date_box, DateTime day);  // keeps the box's time of day
bool SetSlider(Unit& slider, int value);
bool Tick(Unit& timer);
bool ListItem(Unit& list, int item, bool double_click);  // double click or right click
// A single click on a list view item (-1: none) selects it; no event of its own.
bool SelectListItem(Unit& list, int item);
// A mouse button (1 left, 2 right, 3 middle) pressed on the window's client area, outside its
// units: the window's own kMouseDown with the button in EventArgs::code.
bool WindowMouseDown(Window& w, int button);
bool Close(Window& w);  // the window's close box
bool Resize(Window& w, int width, int height);
// Grid
bool GridClick(Unit& grid, int row, int col);  // cursor to the cell, kGridCursorChanged
bool GridEdit(Unit& grid, int row, int col, const std::string& text);  // refused per column kind
bool GridChoose(Unit& grid, int row, int col, const std::string& choice);
// Return on the cell, with the text of its editor when it was being edited: the cursor moves
// on to the cell below (from a column's last row to the first row under the headings of the
// next column), then a changed text is stored as GridEdit or GridChoose would store it and
// its handler runs (seeing the cursor on its new cell), then the cursor-changed handler.
bool GridReturn(Unit& grid, int row, int col, const std::optional<std::string>& text);
bool GridChar(Unit& grid, int code);
bool GridKey(Unit& grid, int code);
bool GridRightUp(Unit& grid, int row, int col);
}  // namespace user

// Runs the handler bound to (u, e) for a user action, then the deferred destructions.
// False (nothing run) when u's window does not take input now or u is hidden or disabled.
bool DispatchUserEvent(Unit& u, Event e, const EventArgs& args = {});
// True when u's window takes input now and u is visible and enabled (on a visible container,
// on the current page of its tab).
bool TakesInput(const Unit& u);
// True when w is open, shown, not being closed and no modal window opened after it is open.
bool TakesInput(const Window& w);
// Runs the handler bound to (w's own event e) for the framework (created, resized ...).
void DispatchWindowEvent(Window& w, Event e);

// The window that takes the user's input now (the topmost modal window, else the last shown).
Window* ActiveWindow();
// All live windows, oldest first.
std::vector<Window*> LiveWindows();
// Installs the realisation the framework reports to (not owned); while none is installed the
// framework reports to CurrentPlatform().Windows().
void SetBackend(Backend* backend);
// Destroys every live window without events and forgets everything (between tests).
void ResetFramework();

}  // namespace ui
