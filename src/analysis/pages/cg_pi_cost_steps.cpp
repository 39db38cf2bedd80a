#include "analysis/pages/cg_pi_cost_steps.h"

#include "analysis/pages/cg_pi_step2.h"
#include "platform/platform.h"
#include "shell/design_grid.h"

void BuildCostStep(const ModuleDescription& m, int page, std::span<const AnalysisRow> rows) {
  const int w = StepPageWidth(m, page), h = StepPageHeight(m, page);
  const int header = StepHeaderHeight(4);
  const FrameCaption captions[] = {{"Details", 475, 0, 120, 30}, {"Amount", 820, 0, 120, 30}};
  const int stripBottom = ColumnStrip(header, 30, captions);
  const int area =
      StepScrollArea(0, stripBottom - 1, w - 2, h - header - DY(30) + 2, w - 23, AddY(h, 500), 30, true);
  pf::OpenGadgetList(area);
  BuildRows(m, page, rows);
  pf::CloseGadgetList();
}

void BuildProductivityStep(const ModuleDescription& m, int page, std::span<const AnalysisRow> rows) {
  const int w = StepPageWidth(m, page), h = StepPageHeight(m, page);
  const int area =
      StepScrollArea(0, DY(35), w - 5, h - StepHeaderHeight(5) + 2, w - 7, AddY(h, -50), 30, true);
  pf::OpenGadgetList(area);
  BuildGuidance(m);
  BuildRows(m, page, rows);
  pf::CloseGadgetList();
}

void BuildInsuranceStep(const ModuleDescription& m, int page, std::span<const AnalysisRow> top,
                        std::span<const AnalysisRow> rest, int extraHeight, int bottomGap) {
  const int w = StepPageWidth(m, page), h = StepPageHeight(m, page);
  const int header = StepHeaderHeight(7);
  const int area =
      StepScrollArea(0, header, w - 5, h - header + bottomGap, w - 26, AddY(h, extraHeight), 10, true);
  pf::OpenGadgetList(area);
  const int codeBottom = BuildRows(m, page, top.first(3));
  BuildRows(m, page, top.subspan(3));
  BuildIndustryPlaceholders(m, codeBottom);
  pf::HideGadget(*m.industryPanel0, true);  // both stay hidden until a record is loaded
  pf::HideGadget(*m.industryPanel1, true);
  BuildRows(m, page, rest);
  pf::CloseGadgetList();
}
