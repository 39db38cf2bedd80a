#include "analysis/rows/row_builders.h"

#include <cmath>

#include "analysis/rows/row_frame.h"
#include "shell/design_grid.h"
#include "shell/gadget_helpers.h"
#include "shell/page_globals.h"

namespace {

int& RunningY(Module m) { return m == Module::BA ? BARowY : m == Module::CG ? CGRowY : PIRowY; }
Rgb& LastColour(Module m) {
  return m == Module::BA ? BARowColour : m == Module::CG ? CGRowColour : PIRowColour;
}

// The hidden help icon that ends every row with a panel; a page builder shows it with RegisterHelpText.
void AddHelpIcon(Module module, int panel) {
  pf::OpenGadgetList(panel);
  const int y = HelpIconY(module, pf::GadgetHeight(panel), pf::PictureHeight(HelpIconPageImage));
  const int icon = pf::PictureGadget(AutoNumber, DX(550), y, 30, 25,
                                     HelpIconPicture(Rgb(pf::GetGadgetColour(panel, BackColourType))));
  pf::HideGadget(icon, true);
  LastHelpIcon = icon;
  pf::CloseGadgetList();
}

int Build(const RowCall& call, const RowDescription& spec) {
  switch (spec.shape) {
    case Shape::Values:
      return BuildValuesRow(call, spec);
    case Shape::SingleText:
    case Shape::FreeText:
      return BuildTextRow(call, spec);
    case Shape::PeriodDates:
    case Shape::DateTexts:
      return BuildDateRow(call, spec);
    case Shape::GroupSelector:
      return BuildGroupSelector(call, spec);
    case Shape::CriteriaList:
    case Shape::HeaderStrip:
      return BuildListRow(call, spec);
    case Shape::Retrieve:
      return BuildRetrieveRow(call, spec);
    case Shape::SensitivityHeader:
    case Shape::ResultBoxes:
      return BuildSummaryBoxes(call, spec);
    case Shape::GridHeader:
    case Shape::GridRow:
      return BuildGridRow(call, spec);
    case Shape::YearField:
    case Shape::IndustryCombo:
    case Shape::ClaimsHeader:
    case Shape::ClaimsCaption:
    case Shape::ClaimsValues:
      return BuildStep7Row(call, spec);
    case Shape::RateBlock:
      return BuildRateBlock(call, spec);
    case Shape::Heading: {
      const int panel = OpenRowPanel(call, 35, spec.border, HeadingGreyColour);
      RowLabel(call, spec, HeadingGreyColour, OrangeColour);
      pf::CloseGadgetList();
      return panel;
    }
    case Shape::Line:
    case Shape::Gap:
      break;
  }
  return 0;
}

int AddRow(Module module, int kind, int page, int row, const std::string& label, std::int64_t backColour,
           int y, int dy, const std::string& prefix, const std::string& suffix, int required) {
  int& runningY = RunningY(module);
  Rgb& lastColour = LastColour(module);
  if (y != -1) runningY = y;
  if (backColour == -1) backColour = lastColour == RowColourA ? RowColourB : RowColourA;
  lastColour = Rgb(backColour);

  const RowDescription* spec = FindRowDescription(module, kind);
  if (!spec) return runningY;  // the page builders pass only the kinds of the table
  if (spec->shape == Shape::Gap) {
    const int gap = required == -1 ? 54 : required;
    runningY = RoundHalfEven(runningY + gap * ScaleY);
    return runningY;
  }
  if (spec->shape == Shape::Line) {
    const int line = pf::TextGadget(AutoNumber, 0, runningY + dy, DX(1050), DY(5), "");
    SetGadgetColours(line, kBlack, kBlack, -1);
    runningY = GadgetBottom(line);
    return runningY;
  }
  const RowCall call{module,          kind,          page,   row,    label,
                     Rgb(backColour), runningY + dy, prefix, suffix, required};
  const int panel = Build(call, *spec);
  AddHelpIcon(module, panel);
  runningY = GadgetBottom(panel);
  return runningY;
}

}  // namespace

BoundedArray<int, 10, 40, 2, 10>& ModuleCells(Module module) {
  return module == Module::BA ? BAGadget : module == Module::CG ? CGGadget : PIGadget;
}

int ModuleRootWidth(Module module) {
  return pf::GadgetWidth(module == Module::BA ? BARoot : module == Module::CG ? CGRoot : PIRoot);
}

int HelpIconY(Module module, int panelHeight, int iconHeight) {
  if (module == Module::PI) return int(std::floor((panelHeight - iconHeight) / 2.0)) - 1;
  return RoundHalfEven((panelHeight - iconHeight) / 2.0 - 1);
}

int HelpIconPicture(Rgb colour) {
  const std::pair<Rgb, int> pictures[] = {
      {PageColour, HelpIconPageImage},           {LightGreyColour, HelpIconGreyImage},
      {HeadingGreyColour, HelpIconHeadingImage}, {CalculatedColour, HelpIconCalculatedImage},
      {MidBlueColour, HelpIconMidBlueImage},     {SlateBlueColour, HelpIconSlateImage},
      {LightGreenColour, HelpIconGreenImage},    {BlueColour, 51}};
  for (const auto& [value, picture] : pictures)
    if (colour == value) return picture;
  return 0;
}

int AddBARow(int kind, int page, int row, const std::string& label, std::int64_t backColour, int y, int dy,
             const std::string& prefix, const std::string& suffix, int required) {
  return AddRow(Module::BA, kind, page, row, label, backColour, y, dy, prefix, suffix, required);
}
int AddCGRow(int kind, int page, int row, const std::string& label, std::int64_t backColour, int y, int dy,
             const std::string& prefix, const std::string& suffix, int required) {
  return AddRow(Module::CG, kind, page, row, label, backColour, y, dy, prefix, suffix, required);
}
int AddPIRow(int kind, int page, int row, const std::string& label, std::int64_t backColour, int y, int dy,
             const std::string& prefix, const std::string& suffix, int required) {
  return AddRow(Module::PI, kind, page, row, label, backColour, y, dy, prefix, suffix, required);
}
