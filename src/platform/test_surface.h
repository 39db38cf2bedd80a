// The layer's test surface: used only by tests (and the screenshot tool) to fix the environment, drive
// input through the real path and read back state.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace pf::test {

// --- Environment (call before InitPlatform / OpenMainWindow) ---------------------------------------------
// The work area a maximised main window fills: its client area becomes exactly w x h pixels.
void SetWorkArea(int w, int h);
void SetScreenDpi(int dpiY);
void SetToday(Date local, Date utc);
// Virtual clock: Delay and the tick counter advance it at once (windows still repaint).
void UseVirtualClock(bool on);
void AdvanceClock(int ms);
// Called at each step of a Delay (every virtual millisecond batch) so a test can watch intermediate states
// or move the pointer at a given time.
void OnDelayStep(std::function<void(std::int64_t now)> hook);
// Whether a visual theme draws the controls (IsThemeActive); on unless set.
void SetThemeActive(bool on);

// --- Message boxes ---------------------------------------------------------------------------------------
// Answers given in order; a box with no answer left (or one it cannot give) fails the test by throwing
// std::logic_error with the box's title and text.
void ScriptMessageAnswers(std::vector<Answer> answers);
struct MessageRecord {
  std::string title, text;
  Buttons buttons;
  Answer answer;
};
std::vector<MessageRecord> TakeMessageLog();
int PendingMessageAnswers();
// Scripting is on by default under the offscreen platform (no test can block on a box) and off otherwise;
// off shows real boxes.
void ScriptMessageBoxes(bool on);

// --- Printing --------------------------------------------------------------------------------------------
// The next print dialogs are answered: cancel, or a recording printer of a page size in device pixels and
// dpi; with a PDF path the pages are also written to that file.
void ScriptPrintCancel();
void ScriptPrinter(int pageWidth, int pageHeight, int dpi, const std::string& pdfPath = "");
struct DrawOp {
  enum class Type { Text, Line, Box, Circle, Picture } type;
  int x = 0, y = 0, w = 0, h = 0;  // Text: its cell; Circle: w = radius; Line: x1,y1,x2,y2 as x,y,w,h
  std::string text;
  int font = 0;
  Rgb front = 0, back = 0;
  DrawMode mode = DrawMode::Default;
  int picture = 0;
};
struct PrintedPage {
  std::vector<DrawOp> ops;
};
struct PrintJob {
  std::string name;
  std::vector<PrintedPage> pages;
  bool ended = false;
};
std::vector<PrintJob> TakePrintJobs();
// Drawing on pictures can be recorded too (the same operations), for drawing tests.
void RecordPictureDrawing(bool on);
std::vector<DrawOp> TakePictureOps();

// --- Input through the real path --------------------------------------------------------------------------
// A key press and release on the focused control: queued for the loop first, its character delivered after
// the loop's turn. `text` is the character typed ("" for keys that type none).
void KeyPress(int key, const std::string& text = "", unsigned modifiers = 0);
void TypeText(const std::string& text);  // one KeyPress per character (digits, letters, ".", "-", " ")
void PressTab(bool backward = false);
void PressEnter();
void KeyDownOnly(int key, const std::string& text = "", unsigned modifiers = 0, bool autoRepeat = false);
void KeyUpOnly(int key, unsigned modifiers = 0);
void Paste(const std::string& text);  // into the focused field, as Ctrl+V would
void MoveMouse(Point screenPos);
void MoveMouseTo(int gadget, int dx = -1, int dy = -1);  // -1: the control's centre
void Click(int gadget, int dx = -1, int dy = -1);
// Clicks a field's or date field's shown text on the character at `index`.
void ClickText(int gadget, int index);
void ClickAt(Point screenPos);
void RightClick(int gadget, int dx = -1, int dy = -1);
void DoubleClick(int gadget, int dx = -1, int dy = -1);
void LeftDown(int gadget, int dx = -1, int dy = -1);
void LeftUp(int gadget, int dx = -1, int dy = -1);
void Wheel(int gadget, int delta);
void SetLeftButtonDown(bool down);  // what IsLeftButtonDown reports (a border drag)
void ResizeMainWindow(int clientW, int clientH);
void ActivateOther();  // another program becomes active
void ActivateMain();
void RequestClose();
void ChooseComboItem(int gadget, int item);  // as the user picks it from the drop-down
void ChangeDate(int gadget, Date date);      // as the user edits it
// Opens the field's calendar with a click on its arrow, turns to the date's month with the calendar's
// month buttons and clicks the day.
void PickCalendarDate(int gadget, Date date);
// Opens the drop-down list with a click on the combo box and clicks the item.
void ClickComboItem(int gadget, int item);
void StepUpDown(int gadget, bool up);

// --- Driving the loop ---------------------------------------------------------------------------------
// Runs `handle` on every queued event until the queue is empty (events that handling raises included).
void Pump(const std::function<void(const Event&)>& handle);
bool HasPendingEvents();
std::vector<Event> DrainEvents();  // takes every queued event without handling it

// --- Read-back ---------------------------------------------------------------------------------------------
std::string DisplayedText(int gadget);  // what a static text, field or button shows
int ShownTextWidth(int gadget);         // a static text's widest line in its font, in pixels
bool AlignedRight(int gadget);          // a static text's or field's text stands at its right end
// The part of a field's text that its view shows, as the field paints now ("" for other controls).
std::string ShownFieldText(int gadget);
// What a field, date field or one-line static text shows of its text as it paints now: the characters
// (a figure fitted into too little room ends in a cut mark, "\u2026"), the font they are drawn in, the
// screen x range they take in that font, and the range the control lets text stand in.
struct ShownLine {
  std::string text;
  std::string family;
  int pixels = 0;
  int left = 0, right = 0;          // right: one past the last pixel
  int roomLeft = 0, roomRight = 0;  // the same
};
ShownLine ShownValueLine(int gadget);
// A scroll area's vertical bar on screen, where it shows one (w 0 otherwise), and the screen rectangle
// its view shows the canvas in.
Rect VerticalBarRect(int area);
Rect ScrollViewRect(int area);
bool HasFocus(int gadget);
std::string ComboEditText(int gadget);
std::vector<std::string> ViewerVisibleText(int gadget);  // lines as shown (hidden text left out)
bool SaveScreenshot(const std::string& path);            // the main window as a PNG
int GrabMainWindow();  // the main window as it looks now, as a new picture (0: none)
// The main window's pixels as the window system holds them (what the program last painted there, stale
// parts included), as a new picture (0: none). GrabMainWindow paints the window afresh instead.
int GrabMainWindowScreen();
// Where a static text's letters land as it paints now (screen pixels; empty for blanks), the pixel size
// they are drawn at beside the text's own, and the part of the text its containers let be seen.
struct ShownText {
  Rect ink;
  int pixels = 0, ownPixels = 0;
  Rect seen;
};
ShownText ShownTextLines(int gadget);
// The items a list box or list view shows now: each one's text as painted, its width in the font it is
// drawn in, that font's pixel size beside the list's own, and the room the item gives it (screen pixels).
struct ShownItem {
  std::string text;
  int left = 0, right = 0, roomLeft = 0, roomRight = 0;
  int pixels = 0, ownPixels = 0;
};
std::vector<ShownItem> ShownItems(int gadget);
// The part of a picture control that is not its ground (the colour of its corner), screen pixels.
Rect PictureInkRect(int gadget);
// How wide a combo box's drop-down list opens.
int DropDownListWidth(int gadget);
int PaintCount();  // paint events the program's windows have had so far
int BeepCount();   // warning beeps so far (a refused paste)

// The wheel turned with the pointer at a screen point (over a step's rows rather than a list inside them).
void WheelAt(Point screenPos, int delta);

}  // namespace pf::test
