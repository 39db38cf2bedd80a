// Toolkit keys to the platform's virtual keys and back. Digits, period and minus of the main keyboard
// and of the numeric pad are distinct keys.
#include <QKeyEvent>
#include <array>

#include "platform/core.h"

namespace pf::detail {
namespace {

struct KeyPair {
  Qt::Key qt;
  int vk;
};

constexpr std::array kNamedKeys{
    KeyPair{Qt::Key_Backspace, vk::kBack},  KeyPair{Qt::Key_Tab, vk::kTab},
    KeyPair{Qt::Key_Backtab, vk::kTab},     KeyPair{Qt::Key_Return, vk::kReturn},
    KeyPair{Qt::Key_Enter, vk::kReturn},    KeyPair{Qt::Key_Shift, vk::kShift},
    KeyPair{Qt::Key_Control, vk::kControl}, KeyPair{Qt::Key_Escape, vk::kEscape},
    KeyPair{Qt::Key_Space, vk::kSpace},     KeyPair{Qt::Key_PageUp, vk::kPrior},
    KeyPair{Qt::Key_PageDown, vk::kNext},   KeyPair{Qt::Key_End, vk::kEnd},
    KeyPair{Qt::Key_Home, vk::kHome},       KeyPair{Qt::Key_Left, vk::kLeft},
    KeyPair{Qt::Key_Up, vk::kUp},           KeyPair{Qt::Key_Right, vk::kRight},
    KeyPair{Qt::Key_Down, vk::kDown},       KeyPair{Qt::Key_Insert, vk::kInsert},
    KeyPair{Qt::Key_Delete, vk::kDelete},   KeyPair{Qt::Key_Alt, 0x12},
    KeyPair{Qt::Key_Comma, 0xBC},           KeyPair{Qt::Key_Equal, 0xBB},
    KeyPair{Qt::Key_Semicolon, 0xBA},       KeyPair{Qt::Key_Apostrophe, 0xDE},
    KeyPair{Qt::Key_BracketLeft, 0xDB},     KeyPair{Qt::Key_BracketRight, 0xDD},
    KeyPair{Qt::Key_Backslash, 0xDC},       KeyPair{Qt::Key_QuoteLeft, 0xC0},
};

// Shifted symbols of a US keyboard come from the key of their unshifted character.
constexpr std::array kShiftedKeys{
    KeyPair{Qt::Key_Exclam, '1'},
    KeyPair{Qt::Key_At, '2'},
    KeyPair{Qt::Key_NumberSign, '3'},
    KeyPair{Qt::Key_Dollar, '4'},
    KeyPair{Qt::Key_Percent, '5'},
    KeyPair{Qt::Key_AsciiCircum, '6'},
    KeyPair{Qt::Key_Ampersand, '7'},
    KeyPair{Qt::Key_ParenLeft, '9'},
    KeyPair{Qt::Key_ParenRight, '0'},
    KeyPair{Qt::Key_Underscore, vk::kOemMinus},
    KeyPair{Qt::Key_Greater, vk::kOemPeriod},
    KeyPair{Qt::Key_Less, 0xBC},
    KeyPair{Qt::Key_Colon, 0xBA},
    KeyPair{Qt::Key_QuoteDbl, 0xDE},
    KeyPair{Qt::Key_Question, 0xBF},
    KeyPair{Qt::Key_AsciiTilde, 0xC0},
};

int PadKey(int key) {
  if (key >= Qt::Key_0 && key <= Qt::Key_9) return vk::kNumpad0 + (key - Qt::Key_0);
  switch (key) {
    case Qt::Key_Period:
    case Qt::Key_Comma:
      return vk::kDecimal;
    case Qt::Key_Minus:
      return vk::kSubtract;
    case Qt::Key_Plus:
      return vk::kAdd;
    case Qt::Key_Asterisk:
      return vk::kMultiply;
    case Qt::Key_Slash:
      return vk::kDivide;
    case Qt::Key_Enter:
      return vk::kReturn;
    default:
      return -1;
  }
}

}  // namespace

int VirtualKeyOf(const QKeyEvent& e) {
  const int key = e.key();
  if (e.modifiers() & Qt::KeypadModifier) {
    const int pad = PadKey(key);
    if (pad >= 0) return pad;
  }
  if (key >= Qt::Key_0 && key <= Qt::Key_9) return '0' + (key - Qt::Key_0);
  if (key >= Qt::Key_A && key <= Qt::Key_Z) return 'A' + (key - Qt::Key_A);
  if (key >= Qt::Key_F1 && key <= Qt::Key_F24) return vk::kF1 + (key - Qt::Key_F1);
  switch (key) {
    case Qt::Key_Period:
      return vk::kOemPeriod;
    case Qt::Key_Minus:
      return vk::kOemMinus;
    case Qt::Key_Slash:
      return 0xBF;
    case Qt::Key_Asterisk:
      return '8';
    case Qt::Key_Plus:
      return 0xBB;
    default:
      break;
  }
  for (const auto& p : kNamedKeys)
    if (p.qt == key) return p.vk;
  for (const auto& p : kShiftedKeys)
    if (p.qt == key) return p.vk;
  return 0;
}

unsigned ModifiersOf(Qt::KeyboardModifiers m) {
  unsigned out = 0;
  if (m & Qt::ShiftModifier) out |= mods::kShift;
  if (m & Qt::ControlModifier) out |= mods::kControl;
  if (m & Qt::AltModifier) out |= mods::kAlt;
  if (m & Qt::MetaModifier) out |= mods::kMeta;
  return out;
}

Qt::KeyboardModifiers QtModifiers(unsigned m) {
  Qt::KeyboardModifiers out;
  if (m & mods::kShift) out |= Qt::ShiftModifier;
  if (m & mods::kControl) out |= Qt::ControlModifier;
  if (m & mods::kAlt) out |= Qt::AltModifier;
  if (m & mods::kMeta) out |= Qt::MetaModifier;
  return out;
}

// The toolkit key for a virtual key; keypad keys also need the keypad modifier.
Qt::Key QtKeyOf(int key, bool* keypad) {
  *keypad = false;
  if (key >= '0' && key <= '9') return Qt::Key(Qt::Key_0 + (key - '0'));
  if (key >= 'A' && key <= 'Z') return Qt::Key(Qt::Key_A + (key - 'A'));
  if (key >= vk::kF1 && key < vk::kF1 + 24) return Qt::Key(Qt::Key_F1 + (key - vk::kF1));
  if (key >= vk::kNumpad0 && key <= vk::kNumpad9) {
    *keypad = true;
    return Qt::Key(Qt::Key_0 + (key - vk::kNumpad0));
  }
  switch (key) {
    case vk::kDecimal:
      *keypad = true;
      return Qt::Key_Period;
    case vk::kSubtract:
      *keypad = true;
      return Qt::Key_Minus;
    case vk::kAdd:
      *keypad = true;
      return Qt::Key_Plus;
    case vk::kMultiply:
      *keypad = true;
      return Qt::Key_Asterisk;
    case vk::kDivide:
      *keypad = true;
      return Qt::Key_Slash;
    case vk::kOemPeriod:
      return Qt::Key_Period;
    case vk::kOemMinus:
      return Qt::Key_Minus;
    case 0xBF:
      return Qt::Key_Slash;
    default:
      break;
  }
  for (const auto& p : kNamedKeys)
    if (p.vk == key) return p.qt;
  return Qt::Key_unknown;
}

}  // namespace pf::detail
