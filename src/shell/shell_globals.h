// Every piece of state of the application shell, in one place. The program is procedural: these globals
// are read and written by the start-up, the event loop, the page builders and the record store.
#pragma once

#include <array>
#include <cstdint>
#include <list>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "shell/bounded_array.h"

// ---- Fixed values -----------------------------------------------------------------------------------
inline constexpr int AutoNumber = pf::kAutoNumber;
inline constexpr int IgnoreValue = pf::kIgnoreValue;
inline constexpr int BackColourType = pf::kBackColour;
inline constexpr int FrontColourType = pf::kFrontColour;
inline constexpr int KindIncident = 1;
inline constexpr int KindBA = 2;
inline constexpr int KindCG = 3;
inline constexpr int KindPI = 4;
inline constexpr int KindMISummary = 5;
inline std::string LineBreak;  // a carriage return, set at start-up
inline int TitleFont = 0;
inline int TabFont = 0;
inline int RowLabelFont = 0;
inline std::string Province;

using Rgb = pf::Rgb;

// ---- Colour palette -----------------------------------------------------------------------------------
inline Rgb PageColour, LightGreyColour, GreyColour, DarkGreyColour, BlueGreyColour, CalculatedColour,
    IncidentCalculatedColour, MidBlueColour, SlateBlueColour, LightGreenColour, OrangeColour, BarOrangeColour,
    BlueColour, DarkBlueColour, RequiredFieldColour, RowColourA, RowColourB, CompanyNameColour,
    HeadingGreyColour, HeaderCellColour, NumberFieldColour, BlankNumberFieldColour, LinkColour;
inline constexpr Rgb kBlack = 0x000000;
inline constexpr Rgb kWhite = 0xFFFFFF;
inline constexpr Rgb kCompanyHintColour = pf::MakeRgb(210, 210, 210);

// ---- Records of the global lists -------------------------------------------------------------------------
struct CategoryEntry {
  std::string name;
  int code = 0;
};

struct GadgetProperty {
  int gadget = 0;
  std::string name;
  std::int64_t value = 0;
};

struct IndustryCodeEntry {
  std::array<std::string, 25> s;
};

// ---- Global arrays (index ranges inclusive) ---------------------------------------------------------------
inline BoundedArray<int, 10, 30, 10> IncidentGadget;
inline BoundedArray<int, 10, 40, 2, 10> BAGadget;
inline BoundedArray<int, 10, 40, 2, 10> CGGadget;
inline BoundedArray<int, 10, 40, 2, 10> PIGadget;
inline BoundedArray<int, 60, 10> MIGadget;
inline BoundedArray<int, 11> IncidentPage;
inline BoundedArray<int, 11> BAPage;
inline BoundedArray<int, 11> CGPage;
inline BoundedArray<int, 11> PIPage;
inline BoundedArray<int, 11> TopTabGadget;
inline BoundedArray<int, 11> TopTabImage;
inline BoundedArray<std::string, 11> TopTabCaption;
inline BoundedArray<int, 11> SecondTabGadget;
inline BoundedArray<int, 11> SecondTabImage;
inline BoundedArray<std::string, 11> SecondTabCaption;
inline BoundedArray<int, 11> ThirdTabGadget;
inline BoundedArray<int, 11> ThirdTabImage;
inline BoundedArray<std::string, 11> ThirdTabCaption;
inline BoundedArray<int, 10, 10, 10> RememberedTab;
inline BoundedArray<int, 31> HomeTile;
inline BoundedArray<int, 11> AboutTile;
inline BoundedArray<int, 11> AnalysisChoiceTile;
inline BoundedArray<int, 11> UnderstandingTopicList;
inline BoundedArray<std::string, 450, 3> HelpText;
inline BoundedArray<int, 100, 6> HoverTable;
inline BoundedArray<int, 6> ModifiedFlags;
inline BoundedArray<std::string, 10, 2, 10> BALabour;
inline BoundedArray<std::string, 10, 2, 10> CGLabour;
inline BoundedArray<std::string, 10, 2, 10> PILabour;
inline BoundedArray<int, 3, 4> NoticeGadget;
inline BoundedArray<std::size_t, 11> HelpDocument;  // start offsets within the guide documents

// ---- Global lists -------------------------------------------------------------------------------------
inline std::list<GadgetProperty> GadgetProperties;
inline std::vector<IndustryCodeEntry> BAIndustryCodes, BAIndustryCodesSummary, CGIndustryCodes,
    CGIndustryCodesSummary, PIIndustryCodes, PIIndustryCodesSummary;
inline std::vector<CategoryEntry> IncidentTypeList, InjuryNatureList, BodyPartList, IncidentCauseList,
    WorkerCategoryList;

// ---- Pictures ------------------------------------------------------------------------------------------
inline constexpr int ImageZero = 0;
inline int HelpIconPageImage = 40, HelpIconGreyImage = 41, HelpIconHeadingImage = 42,
           HelpIconCalculatedImage = 43, HelpIconMidBlueImage = 44, HelpIconSlateImage = 45,
           HelpIconGreenImage = 47, HelpIconApproachImage = 53;

// ---- Design grid and fonts -----------------------------------------------------------------------------
inline double ScaleX = 1.0, ScaleY = 1.0, ScaleMin = 1.0, FontScale = 1.0, HomeScale = 1.0;
inline int StartClientWidth = 0, StartClientHeight = 0;

// ---- The frame -----------------------------------------------------------------------------------------
inline constexpr int GadgetZero = 0;
inline int FocusParkField = 0, OuterScrollArea = 0, ContentFrame = 0, TabbedArea = 0, TopBar = 0,
           CompanyNameField = 0, RecordTitleText = 0, TabBarStrip = 0, PageHolder = 0, FrontPageHolder = 0;
inline int HelpPopupWindow = 0, HelpPopupPanel = 0, HelpPopupText = 0;
inline int TopBarRightEdge = 0;

// ---- Event loop state ------------------------------------------------------------------------------------
inline int SavedFocusGadget = 0, SavedSelectionStart = 0, SavedSelectionEnd = 0;
inline int FocusLeftWindow = 0, SelectionRestored = 0, ResizePending = 0, CompanyNameSavePending = 0;
inline int LastFocusedField = 0;
// 1 while the company name that the user left could not be stored; the next command that finds the file
// free stores it.
inline int CompanyNameUnstored = 0;

// ---- Navigation state -------------------------------------------------------------------------------------
inline int CurrentTopTab = 0, CurrentSecondTab = 0, CurrentThirdTab = 0;
inline int LastShownTopTab = 0, LastShownSecondTab = 0, LastShownThirdTab = 0;
inline int ShownRoot = 0;
inline double UnderstandingTopic = 0;
inline int ReturnTopTab = 0;  // the top tab that the Understanding page's return button goes back to
inline int GlossaryTermIndex = 0;

// ---- Subclassed controls ---------------------------------------------------------------------------------
inline int ImageButtonEnterDown = 0;  // 1 while Enter is held on a next-step picture button
inline int FieldClickFocus = 0;       // 7 after a press on a worksheet multi-line field, 5 after its release
