// Inside the layer: the state of windows, controls, the event queue and the key pipeline that the
// window, control, event, focus and handler files share.
#pragma once

#include <QPointer>
#include <QWidget>
#include <QWindow>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <unordered_map>
#include <vector>

#include "platform/registry.h"

class QEvent;
class QKeyEvent;
class QStyle;

namespace pf::detail {

// One entry of the creation stack: a container control, or a window's client area.
struct ListTarget {
  int gadget = 0;
  int window = 0;
};

struct CoreState {
  std::map<int, std::unique_ptr<Gadget>> gadgets;
  std::unordered_map<const QWidget*, int> byWidget;  // widgets and their parts -> control number
  std::map<int, Window> windows;
  std::unique_ptr<QWidget> mainWindow;
  std::map<int, std::unique_ptr<QWidget>> popups;
  QPointer<QWidget> zero;  // control 0: hidden, zero size, empty
  int nextGadget = 10000;
  int nextWindow = 100;
  std::vector<ListTarget> lists;
  std::map<int, std::vector<int>> topLevel;  // per window: its top-level controls in creation order
  int defaultFont = 0;
  std::deque<Event> queue;
  int fillDepth = 0;
  std::map<int, bool> reportedActive;  // per window: the activation the loop was told last
  int paints = 0;                      // paint events of our windows (read back by tests)
  int beeps = 0;                       // warning beeps (read back by tests)
  std::vector<Origin> origins;         // innermost scope last; none: user input dispatched by the toolkit
  PasteJudge pasteJudge;
  std::optional<bool> themeActive;
  std::optional<bool> leftButtonDown;
  std::optional<Point> cursor;
  std::unique_ptr<QWidget> otherWindow;  // stands for another program's window in tests
};
CoreState& Core();

// Origin of the events raised while a scope lives.
class OriginScope {
 public:
  explicit OriginScope(Origin o);
  ~OriginScope();
  OriginScope(const OriginScope&) = delete;
  OriginScope& operator=(const OriginScope&) = delete;
};
Origin CurrentOrigin();
// The program's own writes: its control events carry program origin, and signals the write raises are
// not taken for user actions.
struct ProgramScope : OriginScope {
  ProgramScope() : OriginScope(Origin::Program) {}
};
bool InProgramWrite();

// Windows
int WindowOfWidget(const QWidget* w);  // 0 when the widget is in none of our windows
void ForgetWindows();

// Controls
Gadget* GadgetOfPart(const QWidget* w);       // the control whose widget or registered part this is
void RegisterPart(Gadget& g, QWidget* part);  // a toolkit child that reports for the control
void PrepareWidgetTree(QWidget* w);           // mouse tracking on the widget and every child
QWidget* FocusTarget(Gadget& g);              // the widget that holds the focus for the control
void ApplyColours(Gadget& g);
void ApplyFont(Gadget& g);
void DestroyGadgets();
void FreeGadgetTree(int number);  // the control, its children and their widgets
bool IsEditableCombo(const Gadget& g);
Gadget* CreateGadget(int number, Kind kind, unsigned flags, Rect r,
                     const std::function<QWidget*(QWidget* parent, int number)>& make);
void ConnectButtonSignals(Gadget& g);
void ReportRightClicks(QWidget* w, int number);
void ClearFocusWithin(QWidget* w);  // the focus leaves w and its children (before hiding or disabling)

// Events
void PostEvent(Event e);
void InstallEventFilter();
void RemoveEventFilter();
void WakeLoop();
void ProcessPendingQtEvents();  // one non-blocking pass, deferred deletes included
bool NextQueuedEvent(Event& out);

// Keys
void EndOpenPrintJob();                              // before the toolkit goes
bool FilterInput(QWidget* w, QEvent* e);             // true: held or handled by the pipeline
bool FilterWindowInput(QWindow* window, QEvent* e);  // pointer input at a window, held behind a key
void FlushHeldInput();
void KeyPopped(const Event& e);
void QueueSyntheticTab(bool backward);
int VirtualKeyOf(const QKeyEvent& e);
unsigned ModifiersOf(Qt::KeyboardModifiers m);
Qt::KeyboardModifiers QtModifiers(unsigned m);
Qt::Key QtKeyOf(int key, bool* keypad);
bool Redelivering();
void ClearHeldInput();

// Focus
void TabFrom(QWidget* focus, bool backward);  // the layer's own Tab traversal
FocusReason ReasonOf(Qt::FocusReason r);

// Handler chains
void AttachChain(Gadget& g, QWidget* w);
const QEvent* ChainDefaultEvent();  // the event a chain's default is delivering right now
// Runs the toolkit's own processing of an event (other filters and the widget) past the chains.
void DeliverPastChain(QObject* obj, QEvent* e);
bool DeliverKeyThroughChain(QWidget* target, QKeyEvent* e, const std::function<void()>& widgetDefault);
void RunScrollChain(Gadget& g, ScrollKind kind, int position);
void ScrollAreaUserMoved(Gadget& g, int oldValue, int newValue);

// Themes
QStyle* UnthemedStyle();

// The warning beep of refused input.
void Beep();

// Date fields
QString DateMaskToFormat(const std::string& mask, bool* hasSections);
// Characters of literal text a mask opens with (the month's name and its blank in "July %dd, %yyyy").
int LeadingTextLength(const std::string& mask);
std::string ApplyDateMask(const std::string& mask, int year, int month, int day);

}  // namespace pf::detail
