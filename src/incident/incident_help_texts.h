// Help texts of the incident worksheet rows ("~" starts a new line). The notes that list the costs to
// consider end in runs of blanks that give their popup the room the list needs.
#pragma once

namespace incident_help {

// Steps 2 to 5: averaging hourly rates, worded for each step.
extern const char* const kAveragingStep2;
extern const char* const kAveragingStep3;
extern const char* const kAveragingStep4;
extern const char* const kAveragingStep5;

// Step 1.
extern const char* const kIncidentNumber;
extern const char* const kAlternateNumber;
extern const char* const kIncidentDate;
extern const char* const kIncidentType;
extern const char* const kInjuryNature;
extern const char* const kBodyPart;
extern const char* const kIncidentCause;
extern const char* const kDescription;
extern const char* const kEmployeeNumber;
extern const char* const kDepartment;
extern const char* const kWorkerCategory;
extern const char* const kOccupation;
extern const char* const kBargainingUnit;

// Step 2.
extern const char* const kFirstAidTime;
extern const char* const kTransportTime;
extern const char* const kMakeSafeTime;
extern const char* const kNonProductiveTime;
extern const char* const kFirstAidSupplies;
extern const char* const kAmbulance;
extern const char* const kOtherImmediate;

// Step 3.
extern const char* const kInvestigateTime;
extern const char* const kOwnPaperwork;
extern const char* const kOtherPaperwork;
extern const char* const kMeetings;
extern const char* const kOtherInvestigation;

// Step 4.
extern const char* const kAssessDamage;
extern const char* const kRepairTime;
extern const char* const kCoordinateRepair;
extern const char* const kCleanUp;
extern const char* const kContractors;
extern const char* const kDisposal;
extern const char* const kReplacementParts;
extern const char* const kDisruptionTime;
extern const char* const kOtherDamage;

// Step 5.
extern const char* const kOvertime;
extern const char* const kHiring;
extern const char* const kTrainerTime;
extern const char* const kTraineeTime;
extern const char* const kWagePremium;
extern const char* const kSearchCosts;
extern const char* const kOtherReplacement;

// Step 6.
extern const char* const kClaimCost;
extern const char* const kIndustryCode;
extern const char* const kAbsence;
extern const char* const kAbsencePaidByWorkplace;
extern const char* const kModifiedWork;
extern const char* const kModifiedPaidByWorkplace;
extern const char* const kOutputValue;
extern const char* const kLostProductivity;
extern const char* const kDisabilityManagement;
extern const char* const kOtherDisability;
extern const char* const kTotalDisability;

// Step 7.
extern const char* const kProfitMargin;
extern const char* const kSalesPerDay;
extern const char* const kFteHours;

// Step 8.
extern const char* const kSummaryOfCosts;
extern const char* const kTotalIndirect;
extern const char* const kAbsentWagesPaid;
extern const char* const kLostProductivitySummary;
extern const char* const kTotal;
extern const char* const kMarginRange;
extern const char* const kGrossSales;
extern const char* const kHoursRepresented;
extern const char* const kFtesRepresented;
extern const char* const kCostMultiplier;

}  // namespace incident_help
