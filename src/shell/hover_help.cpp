#include "shell/hover_help.h"

#include <algorithm>
#include <initializer_list>
#include <string>

#include "colouring/colour_library.h"
#include "platform/gadget_state.h"
#include "shell/design_grid.h"
#include "shell/page_globals.h"
#include "shell/shell_globals.h"
#include "shell/tab_bars.h"

namespace {

constexpr int kHelpRows = 451;
constexpr int kHoverRows = 100;
constexpr int kRestMilliseconds = 500;
constexpr int kHelpIconPictures[] = {40, 41, 42, 43, 44, 45, 47, 51, 53};

constexpr Rgb kHoverTileBack = pf::MakeRgb(200, 150, 0);
constexpr Rgb kHoverTileText = pf::MakeRgb(0, 0, 255);
constexpr Rgb kCloseHoverBack = pf::MakeRgb(220, 20, 20);
constexpr Rgb kMarkCaptionGrey = pf::MakeRgb(85, 85, 85);

void SetColours(int control, Rgb back, Rgb text) {
  pf::SetGadgetColour(control, BackColourType, back);
  pf::SetGadgetColour(control, FrontColourType, text);
}

// ---- The registry's looks --------------------------------------------------------------------------------

int Companion(int mark) {
  for (const auto& p : GadgetProperties)
    if (p.gadget == mark && p.name == "companion") return int(p.value);
  return 0;
}

// An approach mark hovers only while its option is not the chosen one.
void ApplyMarkLook(int mark, bool hovered) {
  if (pf::GetGadgetData(mark) != 1) return;
  pf::SetGadgetText(mark, hovered ? "X" : "");
  pf::SetGadgetColour(mark, FrontColourType, hovered ? LinkColour : kBlack);
  pf::SetGadgetColour(Companion(mark), FrontColourType, hovered ? LinkColour : kMarkCaptionGrey);
}

void ApplyRegisteredLook(int row, int control, bool hovered) {
  const auto value = [row](int n) { return Rgb(HoverTable(row, kHoverValue1 + n - 1)); };
  switch (HoverTable(row, kHoverKind)) {
    case 1:
      return hovered ? SetColours(control, value(1), value(2)) : SetColours(control, value(3), value(4));
    case 2:
      return pf::SetGadgetPicture(control, int(hovered ? value(1) : value(2)));
    case 3:
      SetButtonColours(control, kBlack, hovered ? OrangeColour : MidBlueColour);
      return;
    case 4:
      SetButtonColours(control, hovered ? value(2) : value(4), hovered ? value(1) : value(3));
      return;
    case 5:
      return ApplyMarkLook(control, hovered);
    default:
      return;
  }
}

// ---- The shell's own looks -------------------------------------------------------------------------------

// The index (1 to last) at which `control` stands in a tab array, 0 when it is not there.
int TabIndex(const BoundedArray<int, 11>& tabs, int last, int control) {
  for (int i = 1; i <= last; ++i)
    if (tabs(i) == control) return i;
  return 0;
}

bool IsOneOf(int control, std::initializer_list<int> controls) {
  for (int c : controls)
    if (c == control) return true;
  return false;
}

struct PicturePair {
  std::initializer_list<int> controls;
  int hover, normal;
};

bool ApplyTabLook(int control, bool hovered) {
  if (int i = TabIndex(TopTabGadget, 4, control)) {
    hovered ? HoverTopTab(i) : UnhoverTopTab(i);
  } else if (int j = TabIndex(SecondTabGadget, 9, control)) {
    hovered ? HoverSecondTab(j) : UnhoverSecondTab(j);
  } else if (int k = TabIndex(ThirdTabGadget, 9, control)) {
    hovered ? HoverThirdTab(k) : UnhoverThirdTab(k);
  } else {
    return false;
  }
  return true;
}

bool ApplyPictureButtonLook(int control, bool hovered) {
  const PicturePair pairs[] = {
      {{IncidentNextButton, BANextButton}, 15, 14},
      {{IncidentPreviousButton, BAPreviousButton}, 17, 16},
      {{IncidentDeleteButton, BADeleteButton}, 33, 32},
      {{IncidentSaveButton, BASaveButton}, 26, 25},
      {{IncidentSaveAsNewButton, BASaveAsNewButton}, 28, 27},
      {{IncidentPrintButton, BAPrintButton}, 30, 29},
      {{UnderstandingReturnButton}, 37, 36},
  };
  for (const auto& p : pairs) {
    if (!IsOneOf(control, p.controls)) continue;
    pf::SetGadgetPicture(control, hovered ? p.hover : p.normal);
    return true;
  }
  return false;
}

bool ApplyTileLook(int control, bool hovered) {
  if (IsOneOf(control, {HomeTile(1), HomeTile(2), HomeTile(3)})) {
    hovered ? SetColours(control, kHoverTileBack, kHoverTileText)
            : SetColours(control, BlueGreyColour, kBlack);
    return true;
  }
  const bool tile = IsOneOf(
      control, {IncidentNewTile, IncidentPastTile, IncidentExampleTile, BANewTile, BAPastTile, BAExampleTile,
                CGNewTile, CGPastTile, CGExampleTile, PINewTile, PIPastTile, PIExampleTile, AboutTile(1),
                AboutTile(2), AboutTile(3), AnalysisChoiceTile(1), AnalysisChoiceTile(2), MIReviewTile});
  if (!tile) return false;
  // The selected tile keeps its colours.
  if (pf::GetGadgetColour(control, BackColourType) == std::int64_t(BlueColour)) return true;
  hovered ? SetColours(control, kHoverTileBack, kHoverTileText) : SetColours(control, BlueGreyColour, kBlack);
  return true;
}

bool ApplyTextLook(int control, bool hovered) {
  if (control == AnalysisChoiceTile(3)) {
    pf::SetGadgetPicture(control, hovered ? PIChoiceHoverImage : PIChoiceImage);
    return true;
  }
  if (IsOneOf(control, {IncidentPastCloseText, IncidentExampleCloseText, BAPastCloseText, BAExampleCloseText,
                        MIPastCloseText})) {
    hovered ? SetColours(control, kCloseHoverBack, kWhite) : SetColours(control, BlueGreyColour, kBlack);
    pf::SetGadgetFont(control, 5);
    return true;
  }
  if (IsOneOf(control, {BANeedLink, BAAccuracyLink, BAUnderstandingLink, CGNeedLink, CGAccuracyLink,
                        CGUnderstandingLink, PINeedLink, PIAccuracyLink, PIUnderstandingLink,
                        IncidentLearnMoreLink, BAChoiceLink, CGChoiceLink, PIChoiceLink})) {
    SetColours(control, PageColour, hovered ? kBlack : LinkColour);
    pf::SetGadgetFont(control, hovered ? 41 : 4);
    return true;
  }
  if (IsOneOf(control, {IncidentSaveAnotherButton, IncidentSaveReturnButton, IncidentPrintReportButton,
                        BASaveAnotherButton, BASaveReturnButton, BAPrintReportButton})) {
    SetButtonColours(control, kBlack, hovered ? OrangeColour : MidBlueColour);
    return true;
  }
  return false;
}

// The looks of the shell's own controls; false when `control` has none of them.
bool ApplyFixedLook(int control, bool hovered) {
  // Controls of pages not built yet are 0; control 0 must never take a look.
  if (control <= 0) return false;
  return ApplyTabLook(control, hovered) || ApplyPictureButtonLook(control, hovered) ||
         ApplyTileLook(control, hovered) || ApplyTextLook(control, hovered);
}

}  // namespace

// ---- Registration --------------------------------------------------------------------------------------

namespace {

// A label whose words would run on under its row's help icon ends a little before the icon instead, so
// they wrap or narrow in the room that shows. A band without words keeps its width.
void KeepLabelsBeforeIcon(int icon) {
  constexpr int kGap = 4;  // pixels
  const int ix = pf::GadgetX(icon), iy = pf::GadgetY(icon), ih = pf::GadgetHeight(icon);
  for (int g : pf::GadgetChildren(pf::GadgetParent(icon))) {
    if (g == icon || pf::GadgetKind(g) != pf::Kind::Text) continue;
    const int x = pf::GadgetX(g), y = pf::GadgetY(g), w = pf::GadgetWidth(g), h = pf::GadgetHeight(g);
    const bool reaches = x < ix && x + w > ix - kGap && y < iy + ih && y + h > iy;
    if (!reaches || pf::GadgetTextWidth(g) <= ix - kGap - x) continue;
    pf::ResizeGadget(g, IgnoreValue, IgnoreValue, std::max(1, ix - kGap - x), IgnoreValue);
  }
}

}  // namespace

void RegisterHelpText(const std::string& text, int x, int icon, int upwardOffset, int fallbackOffset) {
  if (icon == -1) icon = LastHelpIcon;
  pf::HideGadget(icon, false);
  if (x >= 0) pf::ResizeGadget(icon, DX(x), IgnoreValue, IgnoreValue, IgnoreValue);
  KeepLabelsBeforeIcon(icon);
  if (HelpTextCount >= kHelpRows) return;
  std::string lines = text;
  for (char& c : lines)
    if (c == '~') c = '\r';
  const int row = HelpTextCount++;
  HelpText(row, 0) = std::to_string(icon);
  HelpText(row, 1) = lines;
  HelpText(row, 2) = upwardOffset ? std::to_string(upwardOffset) : "";
  HelpText(row, 3) = fallbackOffset ? std::to_string(fallbackOffset) : "";
}

void RegisterHoverGadget(int control, int kind, int value1, int value2, int value3, int value4) {
  // A row for control 0 would read as the end of the table and hide every row after it.
  if (control <= 0 || HoverCount >= kHoverRows) return;
  const int row = ++HoverCount;
  HoverTable(row, kHoverControl) = control;
  HoverTable(row, kHoverKind) = kind;
  HoverTable(row, kHoverValue1) = value1;
  HoverTable(row, kHoverValue2) = value2;
  HoverTable(row, kHoverValue3) = value3;
  HoverTable(row, kHoverValue4) = value4;
}

// ---- Looks -----------------------------------------------------------------------------------------------

void ApplyHoverLook(int control, int hovered) {
  if (control <= 0) return;
  for (int row = 1; row <= kHoverRows; ++row) {
    const int registered = HoverTable(row, kHoverControl);
    if (registered == 0) return;
    if (registered == control) return ApplyRegisteredLook(row, control, hovered == 1);
  }
}

void ApplyAnyHoverLook(int control, bool hovered) {
  if (!ApplyFixedLook(control, hovered)) ApplyHoverLook(control, hovered ? 1 : 0);
}

// ---- Pointer ----------------------------------------------------------------------------------------------

int GadgetUnderCursor() { return pf::GadgetAtPoint(pf::CursorPosition()); }

bool IsHelpIcon(int control) {
  if (!pf::GadgetExists(control) || pf::GadgetKind(control) != pf::Kind::Picture) return false;
  const int picture = pf::GetGadgetPicture(control);
  for (int p : kHelpIconPictures)
    if (p == picture) return true;
  return false;
}

int ListRowAt(int pointerY, int listTop, int rowHeight, int firstVisibleRow) {
  if (rowHeight <= 0) return -1;
  // Towards zero, as the rows are counted from 2 pixels below the list's top edge.
  return int(double(pointerY - listTop - 2) / rowHeight) + firstVisibleRow;
}

void FollowPointerInRecordList(int list) {
  const int row =
      ListRowAt(pf::CursorPosition().y, pf::GadgetScreenRect(list).y, ListRowHeight, pf::GetTopItem(list));
  // Below the last row there is nothing to select, and the row chosen before stays chosen.
  if (row < 0 || row >= pf::CountGadgetItems(list)) return;
  if (pf::GetActiveGadget() != list) pf::SetActiveGadget(list);
  if (pf::GetGadgetState(list) != row) pf::SetGadgetState(list, row);
}

// ---- Read-only text boxes
// ----------------------------------------------------------------------------------

bool ReadOnlyEditorProc(pf::Message& message, const pf::CallPrevious&) {
  switch (message.type) {
    case pf::Msg::LeftDown:
    case pf::Msg::RightDown:
    case pf::Msg::DoubleClick:
      // Swallowed, so no caret is placed and no text selected; the guide pages watch this flag.
      ViewerClicked = 1;
      return true;
    default:
      return false;  // everything else goes on to the control's own behaviour
  }
}

void AttachHelpPopupProcedures() { pf::AddGadgetHandler(HelpPopupText, ReadOnlyEditorProc); }

// ---- Help popup ------------------------------------------------------------------------------------------

namespace {

int HelpRowOf(int icon) {
  const std::string key = std::to_string(icon);
  for (int row = 0; row < HelpTextCount; ++row)
    if (HelpText(row, 0) == key) return row;
  return -1;
}

int OffsetCell(int row, int column) {
  const std::string cell = HelpText(row, column);
  return cell.empty() ? 0 : std::stoi(cell);
}

// The popup takes its row's colour, except on dark or white rows, where black text would not read well.
Rgb PopupColour(int row) {
  const std::int64_t back = pf::GetGadgetColour(row, BackColourType);
  if (back < 0) return PageColour;
  for (Rgb plain : {HeadingGreyColour, MidBlueColour, SlateBlueColour, BlueColour, DarkBlueColour, kWhite})
    if (Rgb(back) == plain) return PageColour;
  return Rgb(back);
}

// Waits up to half a second for the pointer to leave `icon`; true when it rested there (or a popup is
// already open, which the new text replaces at once).
bool PointerRestsOn(int icon) {
  const std::int64_t start = pf::ElapsedMilliseconds();
  for (int i = 1; i <= kRestMilliseconds; ++i) {
    const int under = GadgetUnderCursor();
    if (HelpPopupShown == 1) return true;
    if (under != icon) return false;
    if (i > pf::ElapsedMilliseconds() - start) pf::Delay(1);
  }
  return true;
}

void HideHelpPopup() {
  pf::ShowWindow(HelpPopupWindow, false);
  HelpPopupShown = 0;
}

// Control 0 counts as one of the program's controls; inner parts of controls do not.
bool IsProgramControl(int control) { return control == GadgetZero || pf::GadgetExists(control); }

}  // namespace

PopupPlacement PlaceHelpPopup(const pf::Rect& holder, const pf::Rect& icon, const pf::Rect& row, int lines,
                              int upwardOffset, int fallbackOffset) {
  const double h = 22.0 * lines * ScaleY;
  // The popup must stay clear of the strip above the footers.
  const double limit = holder.Bottom() - 52 * ScaleY - 1;
  const auto overflows = [&](int y) { return y + h + 30 > limit; };
  PopupPlacement p;
  int extra = 0;
  p.y = row.Bottom() - 1;
  if (upwardOffset != 0) {
    p.y = RoundHalfEven(row.Bottom() - 1 - upwardOffset * ScaleY);
    p.panelTop = 0;
    extra = 1;
  }
  if (overflows(p.y)) {
    if (fallbackOffset != 0) {
      p.y = RoundHalfEven(row.Bottom() - fallbackOffset * ScaleY - 1);
    } else {
      p.y = RoundHalfEven(icon.y - h - 33);
      p.panelTop = 0;
    }
    if (overflows(p.y)) {
      p.y = RoundHalfEven(row.y - h - 29);
      p.panelTop = 0;
    }
  }
  p.height = RoundHalfEven(h + extra + 30);
  p.panelHeight = RoundHalfEven(h + 31);
  return p;
}

bool ShowHelpPopup(int icon) {
  const int row = HelpRowOf(icon);
  if (row < 0) return false;
  pf::SetViewerPlainText(HelpPopupText, HelpText(row, 1));
  const int parent = pf::GadgetParent(icon) ? pf::GadgetParent(icon) : icon;
  const pf::Rect holder = pf::GadgetScreenRect(PageHolder);
  const PopupPlacement p =
      PlaceHelpPopup(holder, pf::GadgetScreenRect(icon), pf::GadgetScreenRect(parent),
                     pf::ViewerLineCount(HelpPopupText), OffsetCell(row, 2), OffsetCell(row, 3));
  const Rgb colour = PopupColour(parent);
  pf::SetGadgetColour(HelpPopupPanel, BackColourType, colour);
  pf::SetGadgetColour(HelpPopupText, BackColourType, colour);
  pf::ResizeWindow(HelpPopupWindow, holder.x, p.y, DX(599), p.height);
  pf::ResizeGadget(HelpPopupPanel, -1, p.panelTop, IgnoreValue, p.panelHeight);
  pf::ShowWindow(HelpPopupWindow, true);  // without activation: the main window keeps the keyboard
  pf::SetGadgetFont(HelpPopupText, 47);
  HelpPopupShown = 1;
  return true;
}

void OnMouseMove(const pf::Event&) {
  HoveredGadget = GadgetUnderCursor();
  if (HoveredGadget == 0) return;  // over no control: nothing changes, an open popup stays
  if (HoveredGadget != LastHoveredGadget) {
    ApplyAnyHoverLook(HoveredGadget, true);
    if (!IsProgramControl(LastHoveredGadget)) {
      // Coming from inside a control (a combo's edit): its control already lost its look on the way in.
      LastHoveredGadget = HoveredGadget;
      return;
    }
    ApplyAnyHoverLook(LastHoveredGadget, false);
    if (IsHelpIcon(HoveredGadget) && PointerRestsOn(HoveredGadget)) ShowHelpPopup(HoveredGadget);
    LastHoveredGadget = HoveredGadget;
  }
  if (HelpPopupShown == 1 && pf::GadgetExists(HoveredGadget) && !IsHelpIcon(HoveredGadget)) HideHelpPopup();
  // The record lists are the program's only list views.
  if (HoveredGadget > 0 && pf::GadgetKind(HoveredGadget) == pf::Kind::ListView)
    FollowPointerInRecordList(HoveredGadget);
}
