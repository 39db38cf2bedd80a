// The platform layer: numbered windows, controls, pictures and fonts, one event queue, per-control handler
// chains, drawing on pictures and printer pages, printing, message boxes, blocking pauses and rich text.
// It is the only code that knows the toolkit underneath; everything above talks to it in plain C++:
// numbers as int, texts as UTF-8 std::string, colours as 0xRRGGBB.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pf {

using Rgb = std::uint32_t;  // 0xRRGGBB
constexpr Rgb MakeRgb(int r, int g, int b) {
  return (Rgb(r & 255) << 16) | (Rgb(g & 255) << 8) | Rgb(b & 255);
}
constexpr int Red(Rgb c) { return int(c >> 16) & 255; }
constexpr int Green(Rgb c) { return int(c >> 8) & 255; }
constexpr int Blue(Rgb c) { return int(c) & 255; }

constexpr int kAutoNumber = -1;       // ask the layer for a fresh number
constexpr int kIgnoreValue = -65535;  // keep this coordinate as it is
constexpr int kMainWindow = 1;
constexpr int kNotAControl =
    -2;  // GadgetAtPoint: an inner part of a control (a combo's edit, a scroll area's canvas)

struct Rect {
  int x = 0, y = 0, w = 0, h = 0;
  int Right() const { return x + w; }
  int Bottom() const { return y + h; }
  bool operator==(const Rect&) const = default;
};
struct Point {
  int x = 0, y = 0;
};
struct Date {
  int year = 0, month = 0, day = 0;
  bool operator==(const Date&) const = default;
};

// ---------------------------------------------------------------------------------------------------------
// Start and end
// Creates the application object, control 0 (hidden, zero size, empty text) and picture 0 (blank 1 x 1).
void InitPlatform(int& argc, char** argv);
// Destroys every window, control, picture and font. The process may then end.
void ShutdownPlatform();

// ---------------------------------------------------------------------------------------------------------
// Windows
Rect WorkArea();   // the desktop without the task bar, in screen pixels
int ScreenDpiY();  // the screen's logical vertical dots per inch
// Opens the main window (number 1). `maximised` shows it maximised; otherwise at (x, y, w, h) centred.
int OpenMainWindow(const std::string& title, int x, int y, int w, int h, bool maximised);
// A borderless popup owned by the main window, created hidden; shown without taking activation.
// Controls created next go into the popup until CloseGadgetList().
int OpenPopupWindow(int number, int x, int y, int w, int h);
bool WindowExists(int window);
void SetWindowColour(int window, Rgb colour);
void ResizeWindow(int window, int x, int y, int w, int h);  // kIgnoreValue keeps a coordinate; screen pixels
void ShowWindow(int window, bool show);                     // the popup is shown without activation
bool IsWindowVisible(int window);
Rect WindowRect(int window);  // outer rectangle in screen pixels
int WindowClientWidth(int window);
int WindowClientHeight(int window);
Point ClientToScreen(int window, Point p);
int ActiveWindow();  // 1 main, a popup's number, 0 another window (a message box, a dialog, none)
void CloseWindow(int window);
void RepaintWindow(int window);  // paint now

// ---------------------------------------------------------------------------------------------------------
// Controls. Created inside the container on top of the creation stack (the main window's client area when
// the stack is empty). Numbers: kAutoNumber asks for a fresh one; the result is the control's number.
// Operations on control 0, and on a number that names no control, do nothing and read "" or 0.
enum class Kind {
  None = 0,
  Text,       // static text
  Picture,    // picture control
  Container,  // panel
  ScrollArea,
  Field,   // single-line text field
  Editor,  // multi-line text field
  Combo,
  ListBox,
  ListView,       // report mode
  Date,           // date field with a display mask
  UpDown,         // up-down with a buddy field
  Button,         // push button
  PictureButton,  // button showing a picture
  Option,         // option (radio) button
  RichViewer,     // read-only rich-text viewer
};

// Creation flags; each kind reads the ones that apply to it.
namespace flags {
constexpr unsigned kBorder = 1u << 0;       // one-pixel border (text, container, field, scroll area)
constexpr unsigned kCentre = 1u << 1;       // text centred across
constexpr unsigned kVCentre = 1u << 2;      // text centred vertically
constexpr unsigned kClickable = 1u << 3;    // static text / picture raises left clicks
constexpr unsigned kReadOnly = 1u << 4;     // field read-only
constexpr unsigned kNoTabStop = 1u << 5;    // never a Tab stop
constexpr unsigned kEditable = 1u << 6;     // combo with an edit part (otherwise a drop-down list)
constexpr unsigned kMultiSelect = 1u << 7;  // list box: a click or Space toggles one item
constexpr unsigned kNoHeader = 1u << 8;     // list view without a column header
constexpr unsigned kAlwaysShowSelection = 1u << 9;
constexpr unsigned kRight = 1u << 10;  // text aligned right
}  // namespace flags

// Button style bits, read back and changed by the colouring library.
namespace button_style {
constexpr unsigned kLeft = 1u << 0;
constexpr unsigned kRight = 1u << 1;
constexpr unsigned kCentre = kLeft | kRight;
constexpr unsigned kMultiLine = 1u << 2;
constexpr unsigned kBitmap = 1u << 3;  // the face is the picture set with SetButtonFace
}  // namespace button_style

int TextGadget(int number, int x, int y, int w, int h, const std::string& text, unsigned flags = 0);
int PictureGadget(int number, int x, int y, int w, int h, int picture,
                  unsigned flags = 0);  // w,h 0: picture size
int ContainerGadget(int number, int x, int y, int w, int h, unsigned flags = 0);
int ScrollAreaGadget(int number, int x, int y, int w, int h, int innerW, int innerH, int step,
                     unsigned flags = 0);
int FieldGadget(int number, int x, int y, int w, int h, const std::string& text, unsigned flags = 0);
int EditorGadget(int number, int x, int y, int w, int h, unsigned flags = 0);
int ComboGadget(int number, int x, int y, int w, int h, unsigned flags = 0);
int ListBoxGadget(int number, int x, int y, int w, int h, unsigned flags = 0);
int ListViewGadget(int number, int x, int y, int w, int h, const std::string& firstColumn,
                   int firstColumnWidth, unsigned flags = 0);
void AddListViewColumn(int gadget, int position, const std::string& title, int width);
int DateGadget(int number, int x, int y, int w, int h, const std::string& mask, unsigned flags = 0);
int UpDownGadget(int number, int x, int y, int w, int h, int minimum, int maximum, int buddyField);
int ButtonGadget(int number, int x, int y, int w, int h, const std::string& text, unsigned style = 0);
int PictureButtonGadget(int number, int x, int y, int w, int h, int picture, unsigned flags = 0);
int OptionGadget(int number, int x, int y, int w, int h, const std::string& text);
int RichViewerGadget(int number, int x, int y, int w, int h, unsigned flags = 0);

// The creation stack: controls made after OpenGadgetList(container) go into that container (or scroll area).
void OpenGadgetList(int container);
void OpenWindowGadgetList(int window);  // controls go into a window's client area (the popup)
void CloseGadgetList();
// Font number given to every control created afterwards (0: the toolkit's own).
void SetDefaultGadgetFont(int font);

bool GadgetExists(int gadget);
Kind GadgetKind(int gadget);
int GadgetParent(int gadget);  // the enclosing control, 0 at the top of a window
int GadgetWindow(int gadget);  // the window that holds it

// Text. Static texts show "&&" as "&" and break lines at "\r" (and "\n").
std::string GetGadgetText(
    int gadget);  // fields, editors, combos (their edit text or the selected item), texts, buttons
void SetGadgetText(int gadget, const std::string& text);  // a field raises a Change event (program origin)
void SetMaxLength(int gadget, int characters);
// A single-line field's text keeps at least `left` and `right` pixels from the field's edges (a mark
// drawn over one end of the field stays clear of it).
void SetFieldTextInset(int gadget, int left, int right);

// Colours: type 1 front (text), 2 back. Read back exactly as set; -1 when never set.
constexpr int kFrontColour = 1;
constexpr int kBackColour = 2;
void SetGadgetColour(int gadget, int type, Rgb colour);
std::int64_t GetGadgetColour(int gadget, int type);

void SetGadgetFont(int gadget, int font);
int GetGadgetFont(int gadget);
// The height a static text in `font` that wraps at `width` needs to show all its lines, measured as a
// text control lays them out (its line spacing is wider than a drawn text box's).
int TextGadgetHeight(int font, int width, const std::string& text);
// The width in pixels of a control's text in the control's own font (its widest line).
int GadgetTextWidth(int gadget);

void HideGadget(int gadget, bool hide);
bool IsGadgetHidden(int gadget);               // its own flag
bool IsGadgetVisible(int gadget);              // it and every ancestor shown
void DisableGadget(int gadget, bool disable);  // a container disables its children with it
bool IsGadgetDisabled(int gadget);
void RepaintGadget(int gadget);  // paint now, children included

// Geometry in the parent's coordinates; kIgnoreValue keeps a value.
int GadgetX(int gadget);
int GadgetY(int gadget);
int GadgetWidth(int gadget);
int GadgetHeight(int gadget);
void ResizeGadget(int gadget, int x, int y, int w, int h);
Rect GadgetScreenRect(int gadget);  // in screen pixels

// One integer per control for the program's own use.
void SetGadgetData(int gadget, int value);
int GetGadgetData(int gadget);

// Focus. Moving as Tab does walks the layer's own control tree in creation order (depth first through
// containers), skipping hidden, disabled and non-stop controls, and wraps around.
void SetActiveGadget(int gadget);       // 0 or -1: take the focus from every control
int GetActiveGadget();                  // 0 when no control has it
void MoveFocus(bool backward);          // as a Tab (Shift+Tab) press does, synchronously
void InjectTab(bool backward = false);  // a Tab press and release into the input queue (user origin)
bool IsTabStop(int gadget);

// Selection in fields, editable combo boxes and editors (0-based character positions).
// Character positions; -1 stands for the text's end. The caret ends at `end`: a whole highlight made from
// the end to 0 leaves the view at the text's start.
void SetGadgetSelection(int gadget, int start, int end);
void GetGadgetSelection(int gadget, int& start, int& end);
// The selection as SetGadgetSelection gives it back, caret and view included: where it was begun, and
// where the caret stands (at 0 for a text highlighted from its end).
void GetGadgetAnchoredSelection(int gadget, int& anchor, int& caret);

// Items of combos, list boxes and list views. Position -1 appends.
void AddGadgetItem(int gadget, int position, const std::string& text, int data = 0);
// Appends rows to a list view in one go: each row's texts from the first column on, and its item data.
// A long list fills far quicker than item by item. Other item controls take each row's first text.
struct ListViewRow {
  std::vector<std::string> texts;
  int data = 0;
};
void AddListViewRows(int gadget, const std::vector<ListViewRow>& rows);
void ClearGadgetItems(int gadget);
int CountGadgetItems(int gadget);
std::string GetGadgetItemText(int gadget, int item, int column = 0);
void SetGadgetItemText(int gadget, int item, const std::string& text, int column = 0);
int GetGadgetItemData(int gadget, int item);
void SetGadgetItemData(int gadget, int item, int data);
// The state: the selected item (combo, single list, list view); the lowest selected item of a multi-select
// list; -1 for none. Setting -1 (or an index out of range) clears the selection. Program selections raise
// no event.
int GetGadgetState(int gadget);
void SetGadgetState(int gadget, int item);
void SetGadgetItemSelected(int gadget, int item, bool selected);  // multi-select lists and list views
bool IsGadgetItemSelected(int gadget, int item);
int GetCaretItem(int gadget);                                          // the item with the focus rectangle
void SetGadgetItemColour(int gadget, int item, int type, Rgb colour);  // list views
Rect GadgetItemRect(int gadget, int item);                             // in the control's own coordinates
int GetTopItem(int gadget);                                            // list views and list boxes
void SetTopItem(int gadget, int item);
int GadgetItemAt(int gadget, int x, int y);  // control coordinates; -1 when none

// Scroll areas: the canvas size, the scroll step and the view position.
void SetScrollAreaInner(int gadget, int innerW, int innerH);
int ScrollAreaInnerWidth(int gadget);
int ScrollAreaInnerHeight(int gadget);
int ScrollAreaViewWidth(int gadget);  // the visible client size (without scroll bars)
int ScrollAreaViewHeight(int gadget);
int GetScrollX(int gadget);
int GetScrollY(int gadget);
void SetScrollX(int gadget, int x);
void SetScrollY(int gadget, int y);
enum class ScrollKind { LineUp, LineDown, PageUp, PageDown, Top, Bottom, ThumbTrack, ThumbPosition };
// Sends a vertical scroll request through the control's handler chain; the default moves the view.
void SendScrollRequest(int gadget, ScrollKind kind, int position = 0);

// Pictures shown by picture controls and picture buttons.
void SetGadgetPicture(int gadget, int picture);  // shows a copy of the picture as it is now
int GetGadgetPicture(int gadget);
void SetToolTip(int gadget, const std::string& text);
std::string GetToolTip(int gadget);

// Push buttons: style bits and the face picture shown while kBitmap is set.
unsigned GetButtonStyle(int gadget);
void SetButtonStyle(int gadget, unsigned style);
void SetButtonFace(int gadget, int picture);
int GetButtonFace(int gadget);
bool IsButtonPushed(int gadget);
// Option buttons.
void SetOptionChecked(int gadget, bool checked);
bool IsOptionChecked(int gadget);

// Date fields. The mask holds %dd, %mm and %yyyy and literal text (month names, weekdays, commas).
bool SetGadgetDate(int gadget, Date date);  // an invalid date changes nothing and returns false; no event
Date GetGadgetDate(int gadget);
void SetDateMask(int gadget, const std::string& mask);
std::string GetDateMask(int gadget);
std::string GetDateDisplayText(int gadget);  // the mask applied to the date

// Visual styles: whether a theme draws the controls, and switching it off for one control so that its
// own colours show.
bool IsThemeActive();
void DisableGadgetTheme(int gadget);
bool IsGadgetThemeDisabled(int gadget);

// Rich-text viewers. The RTF text may run on after its first complete group; only that group is shown.
void SetRichText(int gadget, std::string_view rtf);
void SetViewerPlainText(int gadget, const std::string& text);  // "\r" (or "\r\n") breaks lines
int ViewerLineCount(int gadget);                               // wrapped lines at the viewer's width
int ViewerFirstVisibleLine(int gadget);
std::string ViewerLineText(int gadget, int line);  // hidden text included
void ViewerScrollLines(int gadget, int lines);     // positive: down
void ViewerScrollPage(int gadget, bool down);

// ---------------------------------------------------------------------------------------------------------
// Events
enum class EventType {
  None = 0,
  Gadget,          // a control event
  KeyDown,         // a key press, judged by the loop before its character reaches the field
  MouseMove,       // over any of the program's windows
  LeftButtonUp,    // anywhere over the program's windows
  SizeWindow,      // the main window's client size changed
  ActivateWindow,  // a window of the program became active
  DeactivateWindow,
  CloseWindow,  // a close request for the main window; the program decides
};
enum class GadgetEvent {
  LeftClick = 0,
  Change,  // field text, list selection (user), up-down step
  Focus,
  LostFocus,
  SelectionChange,  // combo box, user choice only
  DateChange,       // date field, user changes only
  RightClick,
};
enum class Origin { User, Program };

// Virtual keys (the platform's own numbers; values follow the common desktop key codes).
namespace vk {
constexpr int kBack = 0x08, kTab = 0x09, kReturn = 0x0D, kShift = 0x10, kControl = 0x11, kEscape = 0x1B,
              kSpace = 0x20, kPrior = 0x21, kNext = 0x22, kEnd = 0x23, kHome = 0x24, kLeft = 0x25, kUp = 0x26,
              kRight = 0x27, kDown = 0x28, kInsert = 0x2D, kDelete = 0x2E, k0 = 0x30, k9 = 0x39, kA = 0x41,
              kZ = 0x5A, kNumpad0 = 0x60, kNumpad9 = 0x69, kMultiply = 0x6A, kAdd = 0x6B, kSubtract = 0x6D,
              kDecimal = 0x6E, kDivide = 0x6F, kF1 = 0x70, kOemMinus = 0xBD, kOemPeriod = 0xBE;
}
namespace mods {
constexpr unsigned kShift = 1, kControl = 2, kAlt = 4, kMeta = 8;  // kMeta: the system (logo) key
}

struct Event {
  EventType type = EventType::None;
  int window = 0;
  int gadget = 0;  // control events and key presses (the focused control)
  GadgetEvent kind = GadgetEvent::LeftClick;
  Origin origin = Origin::User;
  bool inFill = false;  // raised inside a FillScope
  int key = 0;          // virtual key
  std::string text;     // the character(s) the key would type; "" for none
  unsigned modifiers = 0;
  Point pos;  // pointer position in screen pixels (MouseMove, LeftButtonUp)
};

// Blocks until an event is there and returns it. The queue also holds the control events that the
// program's own operations raised (text writes, focus moves).
Event WaitWindowEvent();
// The pending key press's character will not reach the field (call during the loop's turn for that key).
void DropPendingCharacter();
// The pending key press is replaced by a Tab press and release (Enter as Tab).
void ReplacePendingKeyWithTab();
// Text that a paste would insert into a field is offered to this judge first (single-line fields only);
// it returns the text to insert (it may tidy it), or nothing to refuse the whole paste. A paste that would
// not fit the field is refused whole as well; both refusals sound the warning beep.
using PasteJudge = std::function<std::optional<std::string>(int gadget, const std::string& pasted)>;
void SetPasteJudge(PasteJudge judge);

// Control events raised while a FillScope lives carry inFill = true (a load, new record or example fill).
class FillScope {
 public:
  FillScope();
  ~FillScope();
  FillScope(const FillScope&) = delete;
  FillScope& operator=(const FillScope&) = delete;
};

// ---------------------------------------------------------------------------------------------------------
// Handler chains in place of subclassed window procedures. Handlers run newest first. A handler returns
// true to consume the message; `previous()` runs the older handlers and the default behaviour at once
// (then the message counts as handled). Returning false without calling previous passes the message on.
enum class Msg {
  KeyDown,
  Char,
  KeyUp,
  FocusIn,
  FocusOut,
  LeftDown,
  LeftUp,
  RightDown,
  RightUp,
  DoubleClick,
  Wheel,   // delta: positive away from the user
  Scroll,  // a vertical scroll request: scrollKind, position
  Enable,  // flag: enabled
  Size,
  TextSet,
  PushState,   // flag: pushed (push buttons)
  CheckState,  // flag: checked (option buttons)
};
enum class FocusReason { Mouse, Keyboard, Program };
struct Message {
  Msg type = Msg::KeyDown;
  int gadget = 0;
  int key = 0;       // KeyDown/KeyUp: virtual key; Char: the character's code point
  std::string text;  // Char: the character as UTF-8
  unsigned modifiers = 0;
  bool autoRepeat = false;
  FocusReason reason = FocusReason::Program;
  Point pos;      // mouse messages: control coordinates
  int delta = 0;  // Wheel
  ScrollKind scrollKind = ScrollKind::LineDown;
  int position = 0;       // Scroll
  bool flag = false;      // Enable, PushState, CheckState
  bool fromEdit = false;  // a combo box's message that came from its edit part
};
using CallPrevious = std::function<void()>;
using Handler = std::function<bool(Message&, const CallPrevious& previous)>;
// Installs a handler on the control; returns an id for RemoveGadgetHandler. A combo's edit part reports
// to the combo's chain with fromEdit = true.
int AddGadgetHandler(int gadget, Handler handler);
void RemoveGadgetHandler(int gadget, int id);
// Sends a synthetic message through a control's chain (left down/up on a button makes a click).
void SendGadgetMessage(int gadget, Message message);

// ---------------------------------------------------------------------------------------------------------
// Pictures and fonts
int CreatePicture(int number, int w, int h, Rgb fill = 0xFFFFFF);
int DecodePicture(int number, const unsigned char* data, std::size_t size);  // PNG or JPEG; 0 on failure
struct EncodedPicture {
  int number;
  const unsigned char* data;  // must stay valid until the picture is stored
  std::size_t size;
};
// Decodes the pictures on a second thread while the program goes on starting. Each is stored as
// DecodePicture would store it, at the latest when any picture is next looked up or stored; one that
// cannot be decoded is left out.
void DecodePicturesAhead(std::vector<EncodedPicture> pictures);
bool PictureExists(int picture);
int PictureWidth(int picture);
int PictureHeight(int picture);
void ResizePicture(int picture, int w, int h);  // smooth
int CopyPicture(int number, int picture);
Rgb PicturePixel(int picture, int x, int y);
bool SavePicturePng(int picture, const std::string& path);

struct FontStyle {
  bool bold = false, italic = false, underline = false;
};
// Loads a font by face name and point size; the pixel height follows the screen's dpi, so one font number
// gives the same pixel height on a picture and on a printer page.
int LoadFont(int number, const std::string& face, int points, FontStyle style = {});
// The same with a pixel height given directly (printer fonts).
int LoadFontPixels(int number, const std::string& face, int pixelHeight, FontStyle style = {});
bool FontExists(int font);
std::string FontFamily(int font);  // the installed family actually used
int FontPixelHeight(int font);

// ---------------------------------------------------------------------------------------------------------
// Drawing on a picture or on the current printer page
bool StartDrawingOnPicture(int picture);
bool StartDrawingOnPrinter();
void StopDrawing();
bool IsDrawingOnPrinter();
enum class DrawMode { Default, Transparent, Outlined };  // Default: filled shapes, opaque text
void DrawingMode(DrawMode mode);
void DrawingFont(int font);
void FrontColour(Rgb colour);
void BackColour(Rgb colour);
Rgb CurrentFrontColour();  // the front colour set last on the current target (black after a start)
void DrawText(int x, int y, const std::string& text);  // from the top-left corner of the text cell
int TextWidth(const std::string& text);
int TextHeight(const std::string& text);
void LineXY(int x1, int y1, int x2, int y2, Rgb colour);
void Line(int x, int y, int w, int h, Rgb colour);  // from (x, y) along w and h
void Box(int x, int y, int w, int h, Rgb colour);   // filled, or a frame in Outlined mode
void Circle(int x, int y, int radius, Rgb colour);  // filled, or a ring in Outlined mode
void DrawPicture(int picture, int x, int y, int w = -1, int h = -1);
// Word-broken text inside a rectangle, optionally centred, with "..." where the last visible line is cut.
enum TextBoxAlign : unsigned {
  kAlignLeft = 0,
  kAlignCentre = 1,
  kAlignRight = 2,
  kAlignVCentre = 4,
  kAlignTop = 0
};
void DrawTextBox(const Rect& r, const std::string& text, unsigned align);
int TextBoxHeight(int width, const std::string& text);  // height of the word-broken text

// ---------------------------------------------------------------------------------------------------------
// Printing
// Shows the print dialog; false when the user cancels. The job's name is given before the dialog.
bool PrintRequester(const std::string& jobName);
bool StartPrinting();  // begins the job on the chosen printer; false on failure
bool NewPrinterPage();
// What is drawn on a page is held until the page is finished, so that the drawings made last can still
// go to the next page: NewPrinterPageCarrying ends the page without its drawings from number `from` on
// (PrinterPageDrawings counts those made so far), and PlaceCarriedDrawings draws them on the new page,
// moved down by dy.
int PrinterPageDrawings();
bool NewPrinterPageCarrying(int from);
void PlaceCarriedDrawings(int dy);
bool StopPrinting();     // ends the job; false on failure
int PrinterPageWidth();  // device pixels of the last printer chosen (0 before any)
int PrinterPageHeight();
int PrinterDpiY();

// ---------------------------------------------------------------------------------------------------------
// Message boxes, owned by the main window; other windows are disabled while one shows.
enum class Buttons { Ok, YesNo, YesNoCancel };
enum class Answer { Ok = 1, Cancel = 2, Yes = 6, No = 7 };
Answer MessageRequester(const std::string& title, const std::string& text, Buttons buttons = Buttons::Ok);

// ---------------------------------------------------------------------------------------------------------
// Time and input state
// Blocks for `ms`: windows repaint, timers run, no user input is handled until it ends.
void Delay(int ms);
std::int64_t ElapsedMilliseconds();  // a tick counter
Date TodayLocal();
Date TodayUtc();
bool IsLeftButtonDown();
Point CursorPosition();              // screen pixels
int GadgetAtPoint(Point screenPos);  // deepest visible control; 0 none; kNotAControl for an inner part

// ---- Added for the analysis rows ------------------------------------------------------------------------
// Lays an up-down's arrows side by side: left steps down, right steps up.
void SetUpDownHorizontal(int gadget);
// Draws the control above its siblings (a unit mark that stands over the end of a field made after it).
void RaiseGadget(int gadget);

}  // namespace pf
