#include "shell/subclassed_controls.h"

#include <string>

#include "shell/shell_globals.h"
#include "shell/text_points.h"

using pf::Msg;

namespace {

bool IsKey(const pf::Message& m, Msg type, int key) { return m.type == type && m.key == key; }

pf::Message MouseMessage(Msg type, int gadget) {
  pf::Message m;
  m.type = type;
  m.gadget = gadget;
  return m;
}

}  // namespace

// Enter on the button works as a mouse click: pressed on key-down, clicked on key-up, so a held Enter
// (key repeat) clicks once. The focus picture invites Enter only when the focus came from the keyboard.
bool ImageButtonProc(pf::Message& m, const pf::CallPrevious& previous) {
  const int button = m.gadget;
  if (m.type == Msg::FocusIn) {
    previous();
    if (m.reason != pf::FocusReason::Mouse) pf::SetGadgetPicture(button, NextStepFocusImage);
    return true;
  }
  if (m.type == Msg::FocusOut) {
    previous();
    pf::SetGadgetPicture(button, NextStepImage);
    return true;
  }
  if (IsKey(m, Msg::KeyDown, pf::vk::kReturn) && ImageButtonEnterDown == 0) {
    ImageButtonEnterDown = 1;
    pf::SendGadgetMessage(button, MouseMessage(Msg::LeftDown, button));
    return true;
  }
  if (IsKey(m, Msg::KeyUp, pf::vk::kReturn) && ImageButtonEnterDown == 1) {
    pf::SendGadgetMessage(button, MouseMessage(Msg::LeftUp, button));
    ImageButtonEnterDown = 0;
    pf::SetGadgetPicture(button, NextStepImage);
    return true;
  }
  return false;
}

namespace {

// Scrolls the nearest enclosing scroll area (up to five levels up) that hides the field's bottom edge,
// so the field shows with a small margin below it. Never scrolls up.
void BringFieldIntoView(int field) {
  const int fieldBottom = pf::GadgetScreenRect(field).Bottom();
  int ancestor = field;
  for (int level = 0; level < 5; ++level) {
    ancestor = pf::GadgetParent(ancestor);
    if (ancestor == 0) return;
    if (pf::GadgetKind(ancestor) != pf::Kind::ScrollArea) continue;
    const int areaBottom = pf::GadgetScreenRect(ancestor).y + pf::ScrollAreaViewHeight(ancestor);
    if (areaBottom < fieldBottom) {
      pf::SetScrollY(ancestor, pf::GetScrollY(ancestor) + fieldBottom - areaBottom + 15);
      return;
    }
  }
}

}  // namespace

// Worksheet notes: entered by Tab the whole text is selected (typing replaces it), entered by a click the
// caret goes where the click was; Tab and Enter leave the field instead of typing into it.
bool WorksheetFieldProc(pf::Message& m, const pf::CallPrevious& previous) {
  const int field = m.gadget;
  switch (m.type) {
    case Msg::FocusOut:
      previous();
      pf::SetGadgetSelection(field, 0, 0);
      return true;
    case Msg::LeftDown:
      FieldClickFocus = 7;
      return false;
    case Msg::LeftUp:
      FieldClickFocus = 5;
      return false;
    case Msg::FocusIn: {
      previous();
      // The toolkit may give the focus before it reports the press, so the reason counts as a press too.
      const bool byMouse = FieldClickFocus == 7 || m.reason == pf::FocusReason::Mouse;
      if (!byMouse) pf::SetGadgetSelection(field, -1, 0);
      FieldClickFocus = 0;
      BringFieldIntoView(field);
      return true;
    }
    case Msg::Char:
      if (m.key != pf::vk::kTab && m.key != pf::vk::kReturn) return false;
      pf::MoveFocus(m.key == pf::vk::kTab && (m.modifiers & pf::mods::kShift) != 0);
      return true;
    case Msg::KeyDown:
      return m.key == pf::vk::kReturn;
    default:
      return false;
  }
}

// A typed character that leaves exactly one item starting with the typed text completes the text with
// that item's rest, selected, so the next character typed replaces the completion. The typed letters keep
// the case the user typed them in.
bool ComboAutoCompleteProc(pf::Message& m, const pf::CallPrevious&) {
  if (m.type != Msg::Char || !m.fromEdit || m.key < 32 || m.key == 127) return false;
  const int combo = m.gadget;
  int start = 0, end = 0;
  pf::GetGadgetSelection(combo, start, end);
  const std::u32string text = ToCodePoints(pf::GetGadgetText(combo));
  if (start < 0 || start > end || std::size_t(end) != text.size()) return false;
  const std::u32string typed = text.substr(0, std::size_t(start)) + char32_t(m.key);
  int matches = 0;
  std::u32string match;
  const int count = pf::CountGadgetItems(combo);
  for (int item = 0; item < count && matches < 2; ++item) {
    const std::u32string itemText = ToCodePoints(pf::GetGadgetItemText(combo, item));
    if (itemText.size() >= typed.size() && LowerCase(itemText.substr(0, typed.size())) == LowerCase(typed)) {
      ++matches;
      match = itemText;
    }
  }
  if (matches != 1) return false;
  pf::SetGadgetText(combo, FromCodePoints(typed + match.substr(typed.size())));
  pf::SetGadgetSelection(combo, start + 1, -1);
  return true;
}

// The list toggles the item first; then item 0 and the other items are made to exclude each other.
// Deselecting changes nothing else, and the program's own selections never pass through here.
bool ExclusiveFirstItemProc(pf::Message& m, const pf::CallPrevious& previous) {
  const bool toggles = m.type == Msg::LeftDown || IsKey(m, Msg::KeyDown, pf::vk::kSpace);
  if (!toggles) return false;
  const int list = m.gadget;
  previous();
  const int caret = pf::GetCaretItem(list);
  if (caret == 0 && pf::GetGadgetState(list) == 0) {
    const int count = pf::CountGadgetItems(list);
    for (int item = 1; item < count; ++item) pf::SetGadgetItemSelected(list, item, false);
  } else if (caret > 0 && pf::IsGadgetItemSelected(list, caret)) {
    pf::SetGadgetItemSelected(list, 0, false);
  }
  return true;
}
