// The premium rate-model block of step 7: one panel holding every input of the rate model, with its own
// help icons. Its cells are rows r + 2 to r + 13 of column 1 and the fixed row 29.
#include "analysis/rows/row_frame.h"
#include "shell/design_grid.h"
#include "shell/gadget_helpers.h"

using namespace pf::flags;

namespace {

struct Help {
  const char* text;
  int shift, altShift;
};

struct RateBlockTexts {
  const char* averagePrompt;
  const char* restatedPrompt;
  const char* payrollPrompt;
  const char* directPrompt;
  const char* rangePrompt;
  Help changeLimit, average, restated, payroll, direct, range;
  int rateIconY[3];      // rows 11, 12, 13
  int dollarY[2];        // rows 12, 13
  bool iconBeforeField;  // rows 12, 13: the icon is made before the field (else after the "$")
  bool centredYears;
  int directIconY;
};

constexpr const char* kChangeLimitHelp =
    "This is also referred to as the annual basic rate change limit. It is found on your rate letter from "
    "WCB. "
    "This change limit restricts your rate from moving too quickly up or down. ";
constexpr const char* kChangeLimitHelpPI =
    "This is also referred to as the annual basic rate change limit. It is found on your rate letter from "
    "WCB. "
    "This change limit restricts your rate from moving too quickly up or down.";
constexpr const char* kAverageHelp =
    "The WCB average rate is found on your rate letter from WCB. This is set by WCB annually based on the "
    "budgeted revenue needs to cover claim costs and to operate the WCB systems.";
constexpr const char* kRestatedHelp =
    "The restated rate is the starting point to determine your rate for the following year.  The prior year "
    "rate is restated to reflect any change to the overall WCB average rate.";
constexpr const char* kPayrollHelp =
    "Use the payroll amounts that you submitted to WCB on the annual payroll form.";
constexpr const char* kPayrollHelpCG =
    "Use the payroll amounts that you submitted to WCB on the annual payroll form. ";
constexpr const char* kDirectHelp =
    "This information can be found on your Annual Account Statement from the WCB. This includes costs "
    "incurred "
    "over the year for claims that are from the previous 5 years.";
constexpr const char* kRangeHelp = "This information can be found on your rate letter from the WCB.";

const RateBlockTexts kBlock[3] = {
    {"Enter your 2010 WCB average rate:",
     "2009 restated rate for this industry code is:",
     "Enter your payroll for calendar year 2010 and the 5 years prior for this industry code:",
     "Enter your direct claim costs for this industry code from calendar year 2012",
     "Enter your rate range for this industry code from calendar year 2012",
     {kChangeLimitHelp, 500, 680},
     {kAverageHelp, 500, 680},
     {kRestatedHelp, 500, 680},
     {kPayrollHelp, 300, 505},
     {kDirectHelp, 193, 300},
     {kRangeHelp, 1, 0},
     {48, 72, 96},
     {76, 100},
     true,
     false,
     400},
    {"Enter the 2010 WCB average rate:",
     "Enter your 2009 restated rate for this industry code:",
     "Enter your payroll for calendar year XXXX and the 5 years prior for this industry code:",
     "Enter your direct claim costs for this industry code from calendar year XXXX",
     "Enter your rate range for this industry code in the assessment year prior to the intervention:",
     {kChangeLimitHelp, 505, 0},
     {kAverageHelp, 505, 680},
     {kRestatedHelp, 505, 0},
     {kPayrollHelpCG, 305, 507},
     {kDirectHelp, 193, 300},
     {kRangeHelp, 25, 0},
     {48, 72, 96},
     {72, 96},
     false,
     true,
     403},
    {"Enter the 2010 WCB average rate:",
     "Enter your XXXX restated rate for this industry code:",
     "Enter your payroll for calendar year XXXX and the 5 years prior for this industry code:",
     "Enter your direct claim costs for this industry code from calendar year XXXX",
     "Enter your rate range for this industry code from calendar year XXXX:",
     {kChangeLimitHelpPI, 505, 0},
     {kAverageHelp, 505, 680},
     {kRestatedHelp, 505, 0},
     {kPayrollHelp, 305, 507},
     {kDirectHelp, 190, 0},
     {kRangeHelp, 30, 0},
     {51, 75, 99},
     {76, 100},
     true,
     true,
     400}};

const char* const kChangeLimits[11] = {"10%",  "20%",  "30%",  "40%",  "50%",     "-5%",
                                       "-10%", "-15%", "-20%", "-25%", "new firm"};

void HelpIcon(int x, int y, const Help& help) {
  const int icon = pf::PictureGadget(AutoNumber, DX(x), DY(y), DX(30), DY(25), HelpIconPageImage);
  RegisterHelpText(help.text, 670, icon, help.shift, help.altShift);
}

int Prompt(int x, int y, int w, int h, const std::string& text, unsigned style) {
  return RowText(x, y, w, h, text, style, 0, 0, kNoColours);
}

int NumberField(int x, int y, unsigned extra = kBorder) {
  const int field = RowField(x, y, 100, extra & kBorder ? 25 : 20, extra | kRight);
  return field;
}

}  // namespace

int BuildRateBlock(const RowCall& call, const RowDescription&) {
  const RateBlockTexts& t = kBlock[int(call.module)];
  const Rgb row = call.colour;
  const int r = call.row;
  const int panel = OpenRowPanel(call, 630, false, row);
  auto colour = [&](int text, int font) { SetGadgetColours(text, row, kBlack, font); };
  auto numberLook = [](int field) { SetGadgetColours(field, NumberFieldColour, kBlack, -1); };

  // Change limit.
  const int limitPrompt =
      Prompt(30, 48, 430, 25, "Enter your 2009 basic change limit for this industry code:", kVCentre);
  RecordAt(call, r + 2, 1, 0, limitPrompt);
  HelpIcon(460, t.rateIconY[0], t.changeLimit);
  colour(limitPrompt, 17);
  const int limit = pf::ComboGadget(AutoNumber, DX(550), DY(48), DX(100), DY(25));
  for (int i = 0; i < 11; ++i) AddGadgetItemWithData(limit, -1, kChangeLimits[i], i);
  RecordAt(call, r + 2, 1, 2, limit);

  // Average and restated rates.
  const char* rates[2] = {t.averagePrompt, t.restatedPrompt};
  const Help* helps[2] = {&t.average, &t.restated};
  for (int i = 0; i < 2; ++i) {
    const int y = 72 + 24 * i;
    const int prompt = Prompt(30, y, 430, 25, rates[i], kVCentre);
    colour(prompt, 17);
    RecordAt(call, r + 3 + i, 1, 0, prompt);
    if (t.iconBeforeField) HelpIcon(460, t.rateIconY[1 + i], *helps[i]);
    const int field = NumberField(550, y);
    if (i == 0)
      numberLook(field);
    else
      NumberLook(field);
    RecordAt(call, r + 3 + i, 1, 2, field);
    colour(Prompt(540, t.dollarY[i], 10, 20, "$", 0), 14);
    if (!t.iconBeforeField) HelpIcon(460, t.rateIconY[1 + i], *helps[i]);
  }

  // Payroll of six years under their header boxes.
  const int yearHeader = Prompt(501, 170, 50, 40, "", kBorder | kCentre | kVCentre);
  const int payrollHeader = Prompt(550, 170, 100, 40, "", kBorder | kCentre | kVCentre);
  pf::SetGadgetText(yearHeader, " Year");
  // Two lines: on one line the caption is wider than the box and its column in the dialog font.
  pf::SetGadgetText(payrollHeader, "Assessable\rpayroll");
  pf::SetGadgetColour(yearHeader, BackColourType, GreyColour);
  pf::SetGadgetColour(payrollHeader, BackColourType, GreyColour);
  const int payrollPrompt = Prompt(30, 210, 400, 50, t.payrollPrompt, 0);
  colour(payrollPrompt, 17);
  RecordAt(call, r + 5, 1, 0, payrollPrompt);
  HelpIcon(430, 210, t.payroll);
  for (int j = 0; j < 6; ++j) {
    const int y = 208 + 19 * j;
    const int year = Prompt(501, y, 50, 20, "", kBorder | (t.centredYears ? kVCentre : 0u));
    RecordAt(call, r + 5 + j, 1, 1, year);
    const int dollar = Prompt(552, y + 3, 10, 15, "$", 0);
    SetGadgetColours(dollar, kWhite, kBlack, -1);
    const int payroll = RowField(550, y, 100, 20, kBorder | kRight);
    // Made first, the mark stays visible inside the field's left end, and the field's figure clear of it.
    pf::RaiseGadget(dollar);
    pf::SetFieldTextInset(payroll,
                          pf::GadgetX(dollar) + pf::GadgetTextWidth(dollar) + 2 - pf::GadgetX(payroll), 0);
    RecordAt(call, r + 5 + j, 1, 2, payroll);
    pf::SetGadgetColour(year, BackColourType, LightGreyColour);
    numberLook(payroll);
  }

  // Direct claims, rate range and its boundaries.
  const int directPrompt = Prompt(30, 400, 400, 80, t.directPrompt, 0);
  colour(directPrompt, 17);
  RecordAt(call, r + 11, 1, 0, directPrompt);
  const int direct = NumberField(550, 400);
  numberLook(direct);
  RecordAt(call, r + 11, 1, 2, direct);
  colour(Prompt(540, 405, 10, 20, "$", 0), 14);
  HelpIcon(430, t.directIconY, t.direct);
  const int rangePrompt = Prompt(30, 500, 400, 50, t.rangePrompt, 0);
  colour(rangePrompt, 17);
  RecordAt(call, 29, 1, 0, rangePrompt);
  HelpIcon(430, 500, t.range);
  const char* bounds[2] = {"Lower Boundary:", "Upper Boundary:"};
  for (int i = 0; i < 2; ++i) {
    const int y = 550 + 25 * i;
    const int prompt = Prompt(30, y, 400, 50, bounds[i], 0);
    colour(prompt, 17);
    RecordAt(call, r + 12 + i, 1, 0, prompt);
    const int field = NumberField(550, y);
    numberLook(field);
    RecordAt(call, r + 12 + i, 1, 2, field);
    colour(Prompt(540, y + 5, 10, 20, "$", 0), 14);
  }
  pf::CloseGadgetList();
  return panel;
}
