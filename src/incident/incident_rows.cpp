#include "incident/incident_rows.h"

#include "incident/incident_cost_model.h"
#include "incident/incident_help_texts.h"

namespace {

namespace h = incident_help;

const Rgb* const A = &RowColourA;
const Rgb* const B = &RowColourB;

const IncidentRowDescription kStep1[] = {
    {19, 2, "Incident number", A, h::kIncidentNumber, 290},
    {19, 3, "Alternate incident reference number", B, h::kAlternateNumber, 290},
    {26, 4, "Incident date", A, h::kIncidentDate, 290},
    {20, 5, "Incident type", B, h::kIncidentType, 290},
    {29, 8, "Nature of injury/illness", A, h::kInjuryNature, 290},
    {301, 10, "Body part affected", B, h::kBodyPart, 290},
    {30, 9, "Incident cause", A, h::kIncidentCause, 290},
    {27, 6, "Incident description", B, h::kDescription, 290},
    {19, 7, "Employee number", A, h::kEmployeeNumber, 290},
    {80, 14, "Department", B, h::kDepartment, 290},
    {31, 13, "Category of worker", A, h::kWorkerCategory, 290},
    {80, 12, "Occupation of worker", B, h::kOccupation, 290},
    {19, 15, "Collective bargaining unit", B, h::kBargainingUnit, 290},
};

const IncidentRowDescription kStep2[] = {
    {1, 1, "STEP 2: IMMEDIATE COSTS", &HeaderCellColour, h::kAveragingStep2, 571},
    {2, 2, "Time to provide first aid", A, h::kFirstAidTime, 570},
    {2, 3, "Time for transportation to hospital/clinic/home", B, h::kTransportTime, 570},
    {2, 4, "Time to make the area safe", A, h::kMakeSafeTime, 570},
    {3, 5, "Other non-productive work time due to the incident", B, h::kNonProductiveTime, 570},
    {32, 6, "Workers", A, nullptr, 0},
    {32, 7, "Supervisors and managers", B, nullptr, 0},
    {4, 8, "Cost of first aid supplies and equipment", A, h::kFirstAidSupplies, 570},
    {4, 9, "Cost of ambulance or taxi", B, h::kAmbulance, 570},
    {5, 10, "Other immediate costs", A, h::kOtherImmediate, 570},
    {6, 12, "", A, nullptr, 0},
    {40, 13, "", A, nullptr, 0},
};

const IncidentRowDescription kStep3[] = {
    {1, 1, "STEP 3: INVESTIGATION COSTS", A, h::kAveragingStep3, 571},
    {2, 2, "Time to investigate the incident", B, h::kInvestigateTime, 570},
    {2, 4, "Time to complete related paperwork for your workplace", A, h::kOwnPaperwork, 570},
    {2, 5, "Time to complete related paperwork for other organizations", B, h::kOtherPaperwork, 570},
    {3, 7, "Other meetings to discuss the incident", A, h::kMeetings, 570},
    {32, 8, "Workers", B, nullptr, 0},
    {32, 9, "Supervisors and managers", A, nullptr, 0},
    {5, 10, "Other investigation costs", B, h::kOtherInvestigation, 570},
    {6, 12, "", A, nullptr, 0},
    {40, 13, "", B, nullptr, 0},
};

const IncidentRowDescription kStep4[] = {
    {1, 1, "STEP 4: DAMAGE COSTS", A, h::kAveragingStep4, 571},
    {2, 2, "Time to assess damage", B, h::kAssessDamage, 570},
    {2, 3, "Time to repair or replace equipment", A, h::kRepairTime, 570},
    {2, 4, "Time to coordinate repair work", B, h::kCoordinateRepair, 570},
    {2, 5, "Clean up time", A, h::kCleanUp, 570},
    {4, 6, "Cost of outside contractors", B, h::kContractors, 570},
    {4, 7, "Costs to dispose of damaged equipment", A, h::kDisposal, 570},
    {4, 8, "Cost of replacement parts, equipment, supplies and materials for clean up", B,
     h::kReplacementParts, 570},
    {2, 9, "Other non-productive work time due to clean up and repair work", A, h::kDisruptionTime, 570},
    {5, 10, "Other damage costs", B, h::kOtherDamage, 570},
    {6, 12, "", A, nullptr, 0},
    {40, 13, "", A, nullptr, 0},
};

const IncidentRowDescription kStep5[] = {
    {1, 1, "STEP 5: OVERTIME && WORKER REPLACEMENT COSTS", A, h::kAveragingStep5, 571},
    {7, 2,
     "Overtime hours worked by team to maintain productivity (N.B. Include only the surcharge amount paid)",
     A, h::kOvertime, 570},
    {2, 3, "Time to hire or identify replacement worker", B, h::kHiring, 570},
    {2, 4, "Time spent training replacement worker (trainer time)", A, h::kTrainerTime, 570},
    {2, 5, "Replacement worker's time spent in training (trainee time)", B, h::kTraineeTime, 570},
    {2, 6, "Premium paid on wages for replacement worker", A, h::kWagePremium, 570},
    {4, 7, "Search costs to hire a replacement worker", B, h::kSearchCosts, 570},
    {5, 10, "Other replacement costs", A, h::kOtherReplacement, 570},
    {6, 12, "", A, nullptr, 0},
    {40, 13, "", A, nullptr, 0},
};

const IncidentRowDescription kStep6[] = {
    {41, 1, "STEP 6: ABSENCE, MODIFIED WORK AND DISABILITY MANAGEMENT COSTS", A, nullptr, 0},
    {51, 29,
     "If the incident is a workers compensation claim, what was the total cost of the claim in the year the "
     "incident occurred? ",
     A, h::kClaimCost, 675},
    {53, 30, "What is the industry code for the unit where this worker works?", B, h::kIndustryCode, 675},
    {63, 99, "", nullptr, nullptr, 0},
    {44, 14, "Absence time and wage rate of injured/ill worker", A, h::kAbsence, 570},
    {42, 15, "Portion paid by your workplace", A, h::kAbsencePaidByWorkplace, 570},
    {42, 16, "Portion paid by workers' compensation", A, nullptr, 0},
    {42, 17, "Portion paid by short-term disability insurance", A, nullptr, 0},
    {42, 18, "Portion paid by long-term disability insurance", A, nullptr, 0},
    {42, 19, "Portion unpaid", A, nullptr, 0},
    {43, 20, "Total percentage", A, nullptr, 0},
    {74, 3, "Absent worker's wages paid directly by your workplace", A, nullptr, 0},
    {63, 99, "", nullptr, nullptr, 0},
    {44, 21, "Modified work time and wage rate of injured/ill worker", B, h::kModifiedWork, 570},
    {42, 22, "Portion paid by your workplace", B, h::kModifiedPaidByWorkplace, 570},
    {42, 23, "Portion paid by workers' compensation", B, nullptr, 0},
    {42, 24, "Portion paid by short-term disability insurance", B, nullptr, 0},
    {42, 25, "Portion paid by long-term disability insurance", B, nullptr, 0},
    {42, 26, "Portion unpaid", B, nullptr, 0},
    {43, 27, "Total percentage", B, nullptr, 0},
    {74, 4, "Modifed work time paid for directly by your workplace", B, nullptr, 0},
    {45, 28, "Estimated value of worker's output during time on modified work", B, h::kOutputValue, 750},
    {74, 6, "Lost productivity costs paid for by the employer while worker is on modified work", B,
     h::kLostProductivity, 750},
    {63, 99, "", nullptr, nullptr, 0},
    {47, 2,
     "Time spent by supervisor, manager and human resources managing the disability and return to work "
     "process",
     B, h::kDisabilityManagement, 570},
    {52, 5, "Other disability management and return to work costs", A, h::kOtherDisability, 570},
    {63, 99, "", nullptr, nullptr, 0},
    {46, 12, "Total disability management costs", A, h::kTotalDisability, 570},
    {48, 13, "", A, nullptr, 0},
};

const IncidentRowDescription kStep7[] = {
    {55, 1, "STEP 7: BUSINESS PERFORMANCE AND HUMAN RESOURCES MEASURES", A, nullptr, 0},
    {14, 2, "Enter your average profit margin", A, h::kProfitMargin, 460},
    {15, 3, "Enter your average sales or revenue per day", B, h::kSalesPerDay, 460},
    {35, 4, "Number of hours in a calendar year for a FTE worker", A, h::kFteHours, 460},
};

const IncidentRowDescription kStep8[] = {
    {13, 1, "SUMMARY OF COSTS", &HeadingGreyColour, h::kSummaryOfCosts, 620},
    {11, 2, "Immediate costs", &CalculatedColour, nullptr, 0},
    {11, 3, "Investigation costs", &CalculatedColour, nullptr, 0},
    {11, 4, "Damage costs", &CalculatedColour, nullptr, 0},
    {11, 5, "Overtime && worker replacement costs", &CalculatedColour, nullptr, 0},
    {11, 6, "Disability management costs", &CalculatedColour, nullptr, 0},
    {63, 8, "", nullptr, nullptr, 0},
    {12, 7, "Total indirect incident costs (does not include impact on insurance premiums)", &SlateBlueColour,
     h::kTotalIndirect, 620},
    {12, 9, "Absent worker\u2019s wages paid directly by your workplace", &SlateBlueColour,
     h::kAbsentWagesPaid, 620},
    {12, 21, "Lost productivity costs during modified work time", &SlateBlueColour,
     h::kLostProductivitySummary, 620},
    {63, 10, "", nullptr, nullptr, 0},
    {62, 11, "Total", &BlueColour, h::kTotal, 620},
    {13, 12, "HOW LONG WILL IT TAKE TO RECOVER THIS COST?", &HeadingGreyColour, nullptr, 0},
    {16, 13, "Profit margin", &MidBlueColour, h::kMarginRange, 460},
    {17, 14, "Gross sales required to cover the incident costs", &MidBlueColour, h::kGrossSales, 460},
    {18, 15, "Number of working days to cover the incident costs", &MidBlueColour, nullptr, 0},
    {13, 16, "WHAT ARE THE INDIRECT COSTS OF THE INCIDENT RELATIVE TO THE WORKER'S WAGE COSTS?",
     &HeadingGreyColour, nullptr, 0},
    {381, 18, "Hours of injured worker productive time the indirect incident cost represents", &MidBlueColour,
     h::kHoursRepresented, 620},
    {37, 19, "FTEs that the indirect incident costs represent", &MidBlueColour, h::kFtesRepresented, 620},
    {38, 20, "Indirect incident cost as a proportion of wage value of time off work", &MidBlueColour,
     h::kCostMultiplier, 620},
};

const std::span<const IncidentRowDescription> kSteps[] = {kStep1, kStep2, kStep3, kStep4,
                                                          kStep5, kStep6, kStep7, kStep8};

}  // namespace

std::span<const IncidentRowDescription> IncidentStepRows(int step) {
  if (step < 0 || step > 7) return {};
  return kSteps[step];
}

IncidentKindCells KindCells(int kind) {
  // Columns:             0     1     2      3      4          inputs: 0  1  2      3      4
  switch (kind) {
    case 1:
    case 41:
    case 16:
    case 17:
    case 18:
    case 20:
    case 29:
    case 30:
    case 301:
    case 31:
      return {{false, true, true, true, true}, {}};
    case 2:
    case 32:
    case 7:
    case 44:
    case 47:
      return {{false, true, true, true, true}, {false, false, true, true, false}};
    case 4:
      return {{false, true, false, false, true}, {false, false, false, false, true}};
    case 5:
    case 52:
      return {{false, true, true, false, true}, {false, false, false, false, true}};
    case 51:
    case 42:
    case 45:
      return {{false, true, false, true, false}, {false, false, false, true, false}};
    case 74:
    case 43:
    case 53:
      return {{false, true, false, true, false}, {}};
    case 6:
    case 40:
    case 46:
    case 48:
      return {{false, true, false, true, true}, {}};
    case 14:
    case 15:
    case 35:
      return {{false, true, false, false, true}, {false, false, false, false, true}};
    case 11:
    case 12:
    case 62:
    case 381:
    case 37:
    case 38:
      return {{false, true, false, false, true}, {}};
    case 19:
    case 80:
    case 26:
    case 27:
      return {{false, true, true, false, false}, {}};
    case 3:
    case 55:
    case 13:
      return {{false, true, false, false, false}, {}};
    default:  // the separator strip
      return {};
  }
}

void AddIncidentLayout(IncidentSheet& sheet) {
  for (int step = 0; step <= 7; ++step) {
    for (const IncidentRowDescription& spec : IncidentStepRows(step)) {
      if (spec.kind == 63) continue;
      const IncidentKindCells cells = KindCells(spec.kind);
      for (int c = 1; c <= 4; ++c) {
        if (cells.cell[c]) sheet.Set(step, spec.row, c, cells.input[c] ? "0" : "");
      }
    }
  }
  sheet.Set(0, 2, 3, "* Successfully loaded *");
}
