// Inside the layer only: the tables of numbered windows, controls, pictures and fonts that the layer's
// files share. Nothing outside src/platform includes this.
#pragma once

#include <QFont>
#include <QImage>
#include <QPointer>
#include <QWidget>
#include <future>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/platform.h"

class QTextEdit;

namespace pf::detail {

struct HandlerEntry {
  int id = 0;
  Handler fn;
};

struct Gadget {
  int number = 0;
  Kind kind = Kind::None;
  QPointer<QWidget> widget;  // the control itself
  QPointer<QWidget> inner;   // an inner part: a combo's edit, a scroll area's canvas, a list's viewport
  int window = 0;
  int parent = 0;             // enclosing control (0: the window's client area)
  std::vector<int> children;  // creation order
  unsigned flags = 0;
  int data = 0;
  std::int64_t front = -1, back = -1;  // colours as set (read back exactly)
  int font = 0;
  bool hidden = false;
  bool disabled = false;
  bool themeDisabled = false;
  int picture = 0;  // picture controls and picture buttons
  unsigned buttonStyle = 0;
  int buttonFace = 0;
  int buddy = 0;                 // up-down: its field
  int minimum = 0, maximum = 0;  // up-down: the range
  std::string dateMask;
  std::string tooltip;
  std::vector<HandlerEntry> handlers;  // oldest first
};

struct Window {
  int number = 0;
  QPointer<QWidget> widget;
  bool popup = false;
};

// Controls by number; nullptr for 0 and for unknown numbers.
Gadget* FindGadget(int number);
Gadget* GadgetOfWidget(const QWidget* w);  // the control whose widget or inner part this is
Window* FindWindow(int number);
QWidget* MainWindowWidget();
// The offscreen platform: no real dialogs can be answered there (windows.cpp).
bool Headless();

// Pictures and fonts by number (drawing.cpp, fonts.cpp).
QImage* FindPicture(int number);
int StorePicture(int number, QImage image);  // kAutoNumber picks a fresh number; returns it
// A picture's size in the program's pixels; on a screen of more than one device pixel per pixel a picture
// the program draws holds that many more.
QSize PictureSize(const QImage& image);
// Pictures still being decoded, stored before the next picture is looked up or stored.
void StorePicturesWhenDecoded(std::future<std::vector<std::pair<int, QImage>>> pending);
const QFont* FindFont(int number);
QFont DefaultGadgetFont();
QFont MakeFont(const std::string& face, int pixelHeight, FontStyle style);
void ChooseSmoothing(QFont& font);  // by family and pixel size
QString InstalledFamily(const std::string& face);

// Rich text (rich_text.cpp): fills a viewer's document from RTF.
void LoadRtf(QTextEdit* viewer, std::string_view rtf);

// Runs a control's handler chain for a message; `defaultAction` is the control's own processing.
// Returns true when the message was consumed or handled (the default then must not run again).
bool RunHandlers(Gadget& g, Message& m, const std::function<void()>& defaultAction);

// Queue a control event (origin program unless the layer is delivering user input right now).
void PostGadgetEvent(int gadget, GadgetEvent kind);
bool DeliveringUserInput();

}  // namespace pf::detail
