#include "shell/tab_bars.h"

#include <string>

#include "platform/platform.h"
#include "shell/design_grid.h"
#include "shell/gadget_helpers.h"
#include "shell/shell_globals.h"

namespace {

constexpr Rgb kTopTabColour = pf::MakeRgb(230, 230, 230);
constexpr Rgb kTopSelectedColour = pf::MakeRgb(248, 154, 49);
constexpr Rgb kTopHoverCaption = pf::MakeRgb(0, 0, 255);
constexpr Rgb kStripColour = pf::MakeRgb(248, 154, 49);
constexpr Rgb kLowerHoverCaption = pf::MakeRgb(0, 0, 240);

constexpr const char* kTopCaptions[] = {"", "DO ANALYSIS", "INCIDENT CALCULATOR", "ABOUT", "HOME"};
constexpr const char* kAnalysisSteps[] = {"",
                                          "8 Summary",
                                          "7 Insurance",
                                          "6 Turnover",
                                          "5 Productivity",
                                          "4 Intervention",
                                          "3 Incidents",
                                          "2 Labour",
                                          "1 Intervention Description",
                                          "Start"};
constexpr const char* kIncidentSteps[] = {
    "",         "8 Summary",       "7 Global",          "6 Disability",           "5 Replacement",
    "4 Damage", "3 Investigation", "2 Immediate Costs", "1 Incident Description", "Start"};
constexpr const char* kAnalysisModules[] = {"", "Evaluate Potential", "Concurrent Groups", "Before & After",
                                            "Intro"};
constexpr const char* kAboutPages[] = {"", "Glossary", "Examples", "Understanding", "Intro"};
constexpr const char* kSummaryTab[] = {"", "Multiple Incidents Summary"};

// The widths are those the tab pictures will be drawn with.
int CaptionWidth(int font, const std::string& caption) { return TextWidthIn(font, caption); }

// Draws the caption centred in a tab picture, opaque on the tab colour; `yOffset` lowers it.
void DrawCaption(int picture, int font, const std::string& caption, Rgb colour, Rgb background, int yOffset) {
  // A cell without a tab names the blank picture 0, which must stay blank.
  if (picture == ImageZero || !pf::StartDrawingOnPicture(picture)) return;
  const int w = pf::PictureWidth(picture), h = pf::PictureHeight(picture);
  pf::DrawingMode(pf::DrawMode::Default);
  pf::DrawingFont(font);
  pf::FrontColour(colour);
  pf::BackColour(background);
  pf::DrawText((w - pf::TextWidth(caption)) / 2, (h - pf::TextHeight(caption)) / 2 + yOffset, caption);
  pf::StopDrawing();
}

void DrawTopTab(int tab, Rgb tabColour, Rgb captionColour) {
  const int picture = TopTabImage(tab);
  if (picture == ImageZero) return;
  if (pf::StartDrawingOnPicture(picture)) {
    const int w = pf::PictureWidth(picture), h = pf::PictureHeight(picture);
    pf::DrawingMode(pf::DrawMode::Default);
    pf::Box(2, 20, w - 4, h - 20, tabColour);
    pf::Circle(7, 20, 5, tabColour);
    pf::Circle(w - 7, 20, 5, tabColour);
    pf::Box(7, 15, w - 14, 15, tabColour);
    pf::StopDrawing();
  }
  DrawCaption(picture, TitleFont, TopTabCaption(tab), captionColour, tabColour, 10);
  pf::SetGadgetPicture(TopTabGadget(tab), picture);
}

void RedrawTopCaption(int tab, Rgb captionColour) {
  DrawCaption(TopTabImage(tab), TitleFont, TopTabCaption(tab), captionColour, kTopTabColour, 10);
  pf::SetGadgetPicture(TopTabGadget(tab), TopTabImage(tab));
}

struct LowerBar {
  BoundedArray<int, 11>& gadget;
  BoundedArray<int, 11>& image;
  BoundedArray<std::string, 11>& caption;
  int y;  // design units below the top of the strip
};
LowerBar SecondBar() { return {SecondTabGadget, SecondTabImage, SecondTabCaption, 0}; }
LowerBar ThirdBar() { return {ThirdTabGadget, ThirdTabImage, ThirdTabCaption, 31}; }

void RedrawLowerCaption(const LowerBar& bar, int tab, Rgb colour) {
  DrawCaption(bar.image(tab), TabFont, bar.caption(tab), colour, kStripColour, 0);
  pf::SetGadgetPicture(bar.gadget(tab), bar.image(tab));
}

// Lays out, draws and shows or hides the tabs of a lower bar from its captions; returns the leftmost
// tab with a caption (0 when none).
int LayOutLowerBar(const LowerBar& bar) {
  const int rightEdge = pf::GadgetWidth(ContentFrame);
  const int h = DY(30);
  double x = rightEdge;
  int leftmost = 0;
  for (int i = 1; i <= 9; ++i) {
    const int w = CaptionWidth(TabFont, bar.caption(i));
    x = RoundHalfEven(x - w - 20 * ScaleX);
    const int width = RoundHalfEven(w + 20 * ScaleX);
    pf::CreatePicture(bar.image(i), width, h, kStripColour);
    if (pf::StartDrawingOnPicture(bar.image(i))) {
      pf::LineXY(0, RoundHalfEven(7 * ScaleY), 0, RoundHalfEven(7 * ScaleY) + RoundHalfEven(16 * ScaleY) - 1,
                 kBlack);
      pf::StopDrawing();
    }
    DrawCaption(bar.image(i), TabFont, bar.caption(i), kBlack, kStripColour, 0);
    pf::ResizeGadget(bar.gadget(i), int(x), DY(bar.y), width, h);
    pf::SetGadgetPicture(bar.gadget(i), bar.image(i));
    pf::HideGadget(bar.gadget(i), bar.caption(i).empty());
    if (!bar.caption(i).empty()) leftmost = i;
  }
  return leftmost;
}

void SetCaptions(BoundedArray<std::string, 11>& captions, const char* const* table, int count) {
  for (int i = 1; i <= 10; ++i) captions(i) = "";
  for (int i = 1; i < count; ++i) captions(i) = table[i];
}

}  // namespace

void LayoutTopTabs() {
  TopBarRightEdge = RoundHalfEven(pf::GadgetWidth(ContentFrame) - 24 * ScaleX);
  const int h = DY(50);
  double x = TopBarRightEdge;
  for (int i = 1; i <= 4; ++i) {
    TopTabCaption(i) = kTopCaptions[i];
    const int w = CaptionWidth(TitleFont, TopTabCaption(i));
    const int extra = i >= 3 ? RoundHalfEven(40 * ScaleX) : 0;
    x = RoundHalfEven(x - w - 20 * ScaleX - extra);
    const int width = RoundHalfEven(w + 20 * ScaleX + extra);
    TopTabImage(i) = pf::CreatePicture(AutoNumber, width, h, kWhite);
    TopTabGadget(i) =
        pf::PictureGadget(AutoNumber, int(x), 0, width, h, TopTabImage(i), pf::flags::kClickable);
    DrawTopTab(i, kTopTabColour, kBlack);
  }
}

void CreateLowerTabs() {
  for (int i = 1; i <= 9; ++i) {
    SecondTabImage(i) = pf::CreatePicture(AutoNumber, DX(131), DY(30), kStripColour);
    SecondTabGadget(i) =
        pf::PictureGadget(AutoNumber, 0, 0, DX(131), DY(30), SecondTabImage(i), pf::flags::kClickable);
  }
  for (int i = 1; i <= 9; ++i) {
    ThirdTabImage(i) = pf::CreatePicture(AutoNumber, DX(131), DY(30), kStripColour);
    ThirdTabGadget(i) =
        pf::PictureGadget(AutoNumber, 0, DY(31), DX(131), DY(30), ThirdTabImage(i), pf::flags::kClickable);
  }
}

void SelectTopTab(int tab) {
  if (tab == CurrentTopTab) return;
  DrawTopTab(CurrentTopTab, kTopTabColour, kBlack);
  DrawTopTab(tab, kTopSelectedColour, kBlack);
  CurrentTopTab = tab;
  BuildSecondTabBar(tab);
}

void BuildSecondTabBar(int top) {
  switch (top) {
    case 1:
      SetCaptions(SecondTabCaption, kAnalysisModules, 5);
      break;
    case 2:
      SetCaptions(SecondTabCaption, kIncidentSteps, 10);
      break;
    case 3:
      SetCaptions(SecondTabCaption, kAboutPages, 5);
      break;
    default:
      SetCaptions(SecondTabCaption, nullptr, 0);
      break;
  }
  CurrentSecondTab = -1;
  int chosen = LayOutLowerBar(SecondBar());
  if (RememberedTab(top, 0, 0) > 0) chosen = RememberedTab(top, 0, 0);
  CurrentSecondTab = chosen - 1;
  SelectSecondTab(chosen);
}

void BuildThirdTabBar(int second) {
  const int top = CurrentTopTab;
  if (top == 1 && second >= 1 && second <= 3)
    SetCaptions(ThirdTabCaption, kAnalysisSteps, 10);
  else if (top == 2 && second >= 0 && second <= 10)
    SetCaptions(ThirdTabCaption, kSummaryTab, 2);
  else
    SetCaptions(ThirdTabCaption, nullptr, 0);
  CurrentThirdTab = -1;
  int chosen = LayOutLowerBar(ThirdBar());
  if (RememberedTab(top, second, 0) > 0) chosen = RememberedTab(top, second, 0);
  // On the incident calculator's start page and steps no summary tab is selected.
  if (top == 2 && second >= 1 && second <= 9) chosen = 0;
  CurrentThirdTab = chosen == 0 ? -1 : chosen - 1;
  SelectThirdTab(chosen);
}

void SelectSecondTab(int tab) {
  if (tab == CurrentSecondTab) return;
  if (CurrentSecondTab > 0) RedrawLowerCaption(SecondBar(), CurrentSecondTab, kBlack);
  if (tab > 0) RedrawLowerCaption(SecondBar(), tab, kWhite);
  CurrentSecondTab = tab;
  BuildThirdTabBar(tab);
}

void SelectThirdTab(int tab) {
  if (tab == CurrentThirdTab) return;
  if (CurrentThirdTab > 0) RedrawLowerCaption(ThirdBar(), CurrentThirdTab, kBlack);
  if (tab > 0) RedrawLowerCaption(ThirdBar(), tab, kWhite);
  CurrentThirdTab = tab;
}

void HoverTopTab(int tab) {
  if (tab != CurrentTopTab) RedrawTopCaption(tab, kTopHoverCaption);
}
void UnhoverTopTab(int tab) {
  if (tab != CurrentTopTab) RedrawTopCaption(tab, kBlack);
}
void HoverSecondTab(int tab) {
  if (tab != CurrentSecondTab) RedrawLowerCaption(SecondBar(), tab, kLowerHoverCaption);
}
void UnhoverSecondTab(int tab) {
  if (tab != CurrentSecondTab) RedrawLowerCaption(SecondBar(), tab, kBlack);
}
void HoverThirdTab(int tab) {
  if (tab != CurrentThirdTab) RedrawLowerCaption(ThirdBar(), tab, kLowerHoverCaption);
}
void UnhoverThirdTab(int tab) {
  if (tab != CurrentThirdTab) RedrawLowerCaption(ThirdBar(), tab, kBlack);
}
