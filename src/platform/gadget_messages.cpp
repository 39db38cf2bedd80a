// Synthetic messages sent by the program through a control's handler chain. Their default is what the
// toolkit would do with the matching real input: a left down and up on a button make one click.
#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

#include "platform/core.h"

namespace pf::detail {
namespace {

// Mouse messages of a list go to the part that takes the toolkit's mouse input.
QWidget* MouseTarget(Gadget& g, QPoint& pos) {
  if (g.kind == Kind::ListBox || g.kind == Kind::ListView || g.kind == Kind::RichViewer) {
    QWidget* vp = static_cast<QAbstractScrollArea*>(g.widget.data())->viewport();
    pos = vp->mapFrom(g.widget, pos);
    return vp;
  }
  return g.widget;
}

void SendMouse(int number, const Message& m) {
  Gadget* g = FindGadget(number);
  if (!g) return;
  QPoint pos = (m.pos.x || m.pos.y) ? QPoint(m.pos.x, m.pos.y) : g->widget->rect().center();
  QWidget* target = MouseTarget(*g, pos);
  QEvent::Type type = QEvent::MouseButtonPress;
  Qt::MouseButton button = Qt::LeftButton;
  switch (m.type) {
    case Msg::LeftUp:
      type = QEvent::MouseButtonRelease;
      break;
    case Msg::RightDown:
      button = Qt::RightButton;
      break;
    case Msg::RightUp:
      type = QEvent::MouseButtonRelease;
      button = Qt::RightButton;
      break;
    case Msg::DoubleClick:
      type = QEvent::MouseButtonDblClick;
      break;
    default:
      break;
  }
  const Qt::MouseButtons buttons =
      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
  QMouseEvent e(type, QPointF(pos), QPointF(target->mapToGlobal(pos)), button, buttons,
                QtModifiers(m.modifiers));
  DeliverPastChain(target, &e);
}

void SendKey(int number, const Message& m) {
  Gadget* g = FindGadget(number);
  if (!g) return;
  bool keypad = false;
  Qt::Key key = QtKeyOf(m.key, &keypad);
  QString text;
  QEvent::Type type = m.type == Msg::KeyUp ? QEvent::KeyRelease : QEvent::KeyPress;
  if (m.type == Msg::Char) {
    text = QString::fromStdString(m.text);
    key = text.size() == 1 && text[0].isLetterOrNumber() ? Qt::Key(text[0].toUpper().unicode())
                                                         : Qt::Key_unknown;
  }
  Qt::KeyboardModifiers mods = QtModifiers(m.modifiers);
  if (keypad) mods |= Qt::KeypadModifier;
  QKeyEvent e(type, key, mods, text, m.autoRepeat);
  QWidget* target = IsEditableCombo(*g) && m.fromEdit && g->inner ? g->inner.data() : g->widget.data();
  DeliverPastChain(target, &e);
}

}  // namespace
}  // namespace pf::detail

namespace pf {

void SendGadgetMessage(int gadget, Message message) {
  detail::Gadget* g = detail::FindGadget(gadget);
  if (!g) return;
  message.gadget = gadget;
  std::function<void()> def;
  switch (message.type) {
    case Msg::LeftDown:
    case Msg::LeftUp:
    case Msg::RightDown:
    case Msg::RightUp:
    case Msg::DoubleClick:
      def = [gadget, message] { detail::SendMouse(gadget, message); };
      break;
    case Msg::KeyDown:
    case Msg::KeyUp:
    case Msg::Char:
      def = [gadget, message] { detail::SendKey(gadget, message); };
      break;
    case Msg::Scroll:
      if (g->kind == Kind::ScrollArea) {
        SendScrollRequest(gadget, message.scrollKind, message.position);
        return;
      }
      break;
    case Msg::TextSet:
      SetGadgetText(gadget, message.text);  // runs the chain itself
      return;
    default:
      break;
  }
  if (!detail::RunHandlers(*g, message, def) && def) def();
}

}  // namespace pf
