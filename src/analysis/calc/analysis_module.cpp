#include "analysis/calc/analysis_module.h"

#include "analysis/calc/calc_globals.h"
#include "shell/page_globals.h"
#include "shell/shell_globals.h"

const AnalysisModule& BAModule() {
  static const AnalysisModule m{KindBA,          Comparison::BeforeAfter, BAGadget,       BALabour,
                                BAIndustryCodes, BAIndustryCodesSummary,  BADatabaseMark, BALastClaimCodes};
  return m;
}

const AnalysisModule& CGModule() {
  static const AnalysisModule m{KindCG,          Comparison::Concurrent, CGGadget,       CGLabour,
                                CGIndustryCodes, CGIndustryCodesSummary, CGDatabaseMark, CGLastClaimCodes};
  return m;
}

const AnalysisModule& PIModule() {
  static const AnalysisModule m{KindPI,          Comparison::Potential,  PIGadget,       PILabour,
                                PIIndustryCodes, PIIndustryCodesSummary, PIDatabaseMark, PILastClaimCodes};
  return m;
}

const AnalysisModule* ModuleOfKind(int kind) {
  switch (kind) {
    case KindBA:
      return &BAModule();
    case KindCG:
      return &CGModule();
    case KindPI:
      return &PIModule();
    default:
      return nullptr;
  }
}

int ApproachFlag(const AnalysisModule& m) { return pf::GetGadgetData(m.databaseMark); }

IndustryCodeList& RateModelCodes(const AnalysisModule& m) {
  if (m.comparison == Comparison::Potential || ApproachFlag(m) == 1) return m.summaryCodes;
  return m.databaseCodes;
}
