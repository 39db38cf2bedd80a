#include "shell/main_window.h"

#include <algorithm>

#include "assets/assets.h"
#include "platform/platform.h"
#include "shell/design_grid.h"
#include "shell/font_table.h"
#include "shell/services.h"
#include "shell/shell_globals.h"
#include "shell/startup.h"
#include "shell/tab_bars.h"

namespace {

void ComputeScales() {
  const LayoutScale s = ComputeLayoutScale(StartClientWidth, StartClientHeight, pf::ScreenDpiY());
  ScaleX = s.scaleX;
  ScaleY = s.scaleY;
  FontScale = s.fontScale;
  HomeScale = s.homeScale;
  ScaleMin = s.scaleMin;
}

void BuildTopBar() {
  TopBar = pf::ContainerGadget(AutoNumber, 0, 0, DX(1024), DY(50));
  pf::SetGadgetColour(TopBar, BackColourType, kWhite);
  pf::OpenGadgetList(TopBar);
  LayoutTopTabs();
  CompanyNameField = pf::FieldGadget(AutoNumber, DX(10), DY(7), DX(320), DY(20),
                                     "Click here to enter your workplace information", pf::flags::kNoTabStop);
  pf::SetMaxLength(CompanyNameField, 44);
  pf::SetGadgetColour(CompanyNameField, FrontColourType, kCompanyHintColour);
  pf::SetGadgetColour(CompanyNameField, BackColourType, kWhite);
  pf::SetGadgetFont(CompanyNameField, 14);
  RecordTitleText = pf::TextGadget(AutoNumber, DX(14), DY(30), DX(400), DY(17), "");
  pf::SetGadgetColour(RecordTitleText, FrontColourType, LinkColour);
  pf::SetGadgetColour(RecordTitleText, BackColourType, kWhite);
  pf::SetGadgetFont(RecordTitleText, 14);
  pf::CloseGadgetList();
}

void BuildTabBarStrip() {
  TabBarStrip = pf::ContainerGadget(AutoNumber, 0, DY(50), DX(1024), DY(60));
  pf::SetGadgetColour(TabBarStrip, BackColourType, BarOrangeColour);
  pf::OpenGadgetList(TabBarStrip);
  CreateLowerTabs();
  pf::CloseGadgetList();
}

void BuildPageHolder(int frameW, int frameH) {
  const int stripBottom = pf::GadgetY(TabBarStrip) + pf::GadgetHeight(TabBarStrip);
  PageHolder = pf::ContainerGadget(AutoNumber, 0, stripBottom, frameW + 3, frameH - stripBottom);
  pf::SetGadgetColour(PageHolder, BackColourType, PageColour);
  pf::OpenGadgetList(PageHolder);
  ShownRoot = pf::ContainerGadget(AutoNumber, 0, 0, 1, 1);
  pf::CloseGadgetList();
}

void BuildFrame() {
  const int w = StartClientWidth, h = StartClientHeight;
  FocusParkField = pf::FieldGadget(AutoNumber, 0, 0, 0, 0, "");
  OuterScrollArea = pf::ScrollAreaGadget(AutoNumber, 0, 0, w, h, w, h, 30);
  pf::SetGadgetColour(OuterScrollArea, BackColourType, kBlack);
  pf::OpenGadgetList(OuterScrollArea);
  ContentFrame = pf::ContainerGadget(AutoNumber, 0, 0, w, h);
  pf::SetGadgetColour(ContentFrame, BackColourType, pf::MakeRgb(236, 233, 216));
  pf::HideGadget(ContentFrame, true);
  pf::OpenGadgetList(ContentFrame);
  TabbedArea = pf::ContainerGadget(AutoNumber, 0, 0, w, h);
  pf::OpenGadgetList(TabbedArea);
  BuildTopBar();
  BuildTabBarStrip();
  BuildPageHolder(w, h);
  pf::CloseGadgetList();  // TabbedArea
  pf::HideGadget(TabbedArea, true);
  FrontPageHolder = pf::ContainerGadget(AutoNumber, 0, 0, w, h);
  pf::OpenGadgetList(FrontPageHolder);
  BuildHomePage();
  pf::CloseGadgetList();
  pf::CloseGadgetList();  // ContentFrame
  pf::CloseGadgetList();  // OuterScrollArea
  pf::HideGadget(ContentFrame, false);
}

void CreateHelpPopup() {
  HelpPopupWindow = pf::OpenPopupWindow(AutoNumber, 300, 300, 599, 100);
  pf::SetWindowColour(HelpPopupWindow, PageColour);  // its controls go into it until the list closes
  HelpPopupPanel =
      pf::ContainerGadget(AutoNumber, 0, -1, RoundHalfEven(599 * ScaleX) + 1, DY(100), pf::flags::kBorder);
  pf::SetGadgetColour(HelpPopupPanel, BackColourType, PageColour);
  pf::OpenGadgetList(HelpPopupPanel);
  HelpPopupText = pf::RichViewerGadget(AutoNumber, 10, 5, DX(570), DY(700));
  pf::SetGadgetColour(HelpPopupText, BackColourType, PageColour);
  pf::SetGadgetColour(HelpPopupText, FrontColourType, kBlack);
  pf::SetGadgetFont(HelpPopupText, 47);
  pf::CloseGadgetList();
  pf::CloseGadgetList();
  AttachHelpPopupProcedures();
}

}  // namespace

void ScaleImages() {
  for (const auto& p : assets::Pictures()) {
    if (!p.rescaled) continue;
    pf::ResizePicture(p.number, RoundHalfEven(pf::PictureWidth(p.number) * ScaleMin),
                      RoundHalfEven(pf::PictureHeight(p.number) * ScaleMin));
  }
}

void OpenMainWindow() {
  const pf::Rect area = pf::WorkArea();
  pf::OpenMainWindow(kMainWindowTitle, 0, 0, RoundHalfEven(area.w * 0.75), RoundHalfEven(area.h * 0.75),
                     true);
  pf::SetWindowColour(pf::kMainWindow, kBlack);
  StartClientWidth = pf::WindowClientWidth(pf::kMainWindow);
  StartClientHeight = pf::WindowClientHeight(pf::kMainWindow);
  ComputeScales();
  LoadFonts();
  pf::SetDefaultGadgetFont(99);
  ScaleImages();
  BuildFrame();
  pf::MessageRequester("Draft Version", "", pf::Buttons::Ok);
  OpenRecordDatabase();
  if (ExitRequested) return;  // the record file could not be used: start-up stops here
  CreateHelpPopup();
}

void ResizeMainArea() {
  const int w = pf::WindowClientWidth(pf::kMainWindow);
  const int h = pf::WindowClientHeight(pf::kMainWindow);
  // Larger than the client first, so that neither scroll bar is counted twice in the view size.
  pf::ResizeGadget(OuterScrollArea, IgnoreValue, IgnoreValue, w + 100, h + 100);
  int innerH = std::max(pf::ScrollAreaViewHeight(OuterScrollArea) - 100, StartClientHeight);
  pf::SetScrollAreaInner(OuterScrollArea, pf::ScrollAreaInnerWidth(OuterScrollArea), innerH);
  pf::ResizeGadget(OuterScrollArea, IgnoreValue, IgnoreValue, IgnoreValue, h);
  const int viewW = pf::ScrollAreaViewWidth(OuterScrollArea) - 100;
  const int innerW = std::max(viewW, StartClientWidth);
  pf::SetScrollAreaInner(OuterScrollArea, innerW, innerH);
  pf::ResizeGadget(OuterScrollArea, IgnoreValue, IgnoreValue, w, IgnoreValue);
  const int viewH = pf::ScrollAreaViewHeight(OuterScrollArea);
  innerH = std::max(viewH, StartClientHeight);
  pf::SetScrollAreaInner(OuterScrollArea, innerW, innerH);
  const int x = viewW > StartClientWidth ? (viewW - StartClientWidth) / 2 : 0;
  const int y = viewH > StartClientHeight ? (viewH - StartClientHeight) / 2 : 0;
  pf::ResizeGadget(ContentFrame, x, y, IgnoreValue, IgnoreValue);
}
