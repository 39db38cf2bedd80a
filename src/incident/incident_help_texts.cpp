#include "incident/incident_help_texts.h"

// Runs of blanks that end the longer notes.
#define QM_BLANKS_10 "          "
#define QM_BLANKS_100                                                                                     \
  QM_BLANKS_10 QM_BLANKS_10 QM_BLANKS_10 QM_BLANKS_10 QM_BLANKS_10 QM_BLANKS_10 QM_BLANKS_10 QM_BLANKS_10 \
      QM_BLANKS_10 QM_BLANKS_10
#define QM_BLANKS_200 QM_BLANKS_100 QM_BLANKS_100

namespace incident_help {

// ---- Steps 2 to 5: averaging hourly rates -----------------------------------------------------------------

const char* const kAveragingStep2 =
    "If more than one worker was performing a task, estimate an average hourly rate per hour plus benefit "
    "expenses. For example, if you have two workers, one earning $12.00/hr and another $16.00/hr,  the  "
    "average hourly rate is $14.00. If the benefit expense for these workers is 10 per cent, then the total "
    "average hourly rate is $14.00 x 1.10 or $15.40/hr. Do not include workers\u2019 compensation or "
    "disability insurance in the benefit expenses. Enter the total hours taken in the TIME column and the "
    "average hourly rate with benefits ($15.40) in the RATE column.  In some cases you may have to estimate "
    "the time.";
const char* const kAveragingStep3 =
    "If more than one person took part in the investigation, estimate an average hourly rate plus benefit "
    "expenses. For example, if a supervisor earning $20.00/hr and a worker earning $16.00/hr investigated "
    "together, the average hourly rate is $18.00. If the benefit expense is 10 per cent, the total average "
    "hourly rate is $18.00 x 1.10 or $19.80/hr. Do not include workers\u2019 compensation or disability "
    "insurance in the benefit expenses. Enter the total hours in the TIME column and the average hourly rate "
    "with benefits in the RATE column. In some cases you may have to estimate the time.";
const char* const kAveragingStep4 =
    "If more than one worker assessed, repaired or cleaned up the damage, estimate an average hourly rate "
    "plus benefit expenses. For example, if you have two workers, one earning $12.00/hr and another "
    "$16.00/hr, the average hourly rate is $14.00; with a benefit expense of 10 per cent the total average "
    "hourly rate is $14.00 x 1.10 or $15.40/hr. Do not include workers\u2019 compensation or disability "
    "insurance in the benefit expenses. Enter the total hours in the TIME column and the average hourly rate "
    "with benefits in the RATE column. In some cases you may have to estimate the time.";
const char* const kAveragingStep5 =
    "If more than one worker worked overtime or helped to hire or train a replacement, estimate an average "
    "hourly rate plus benefit expenses. For example, if you have two workers, one earning $12.00/hr and "
    "another $16.00/hr, the average hourly rate is $14.00; with a benefit expense of 10 per cent the total "
    "average hourly rate is $14.00 x 1.10 or $15.40/hr. Do not include workers\u2019 compensation or "
    "disability insurance in the benefit expenses. Enter the total hours in the TIME column and the average "
    "hourly rate with benefits in the RATE column. In some cases you may have to estimate the time.";

// ---- Step 1 ----------------------------------------------------------------------------------------------

const char* const kIncidentNumber =
    "This field keeps track of incidents in the order that you enter them. It will automatically assign a "
    "sequential number each time you enter a new incident.~~Time saver: Use a past incident to help record a "
    "new incident: From the start page, select REVIEW A PAST INCIDENT, select an incident and save it as a "
    "new one by clicking the SAVE AS NEW icon.~~Remember to change the details that differ, so that the new "
    "incident is recorded accurately.";
const char* const kAlternateNumber =
    "This field provides another way to reference incidents. Use it for the number that your workplace's "
    "own incident reports, accident book or claim forms give the incident, so that you can find it again "
    "in either place.";
const char* const kIncidentDate =
    "Use the calendar program to choose a date or enter it manually. Click the arrow to open the calendar, "
    "or select the month, day or year and type over it.";
const char* const kIncidentType =
    "In this tool an incident is defined as a work-related event in which an injury, illness or fatality "
    "occurred, or could have occurred.~~A lost-time injury or illness keeps the worker away from work "
    "beyond the day of the incident. A no-lost-time injury or illness needs first aid or health care but "
    "no time away from work. A general sickness absence is an absence that is not work-related. A near "
    "miss is an event that could have caused an injury or illness but did not.";
const char* const kInjuryNature =
    "If the injury or illness does not fit any of categories in the menu, choose \u201cother\u201d and enter "
    "in your own.";
const char* const kBodyPart =
    "If the injury or illness does not fit any of categories in the menu, choose \u201cother\u201d and enter "
    "in your own. If there is more than one injury, choose \u201cmultiple body parts\u201d.";
const char* const kIncidentCause =
    "If the incident does not fit any of the categories in the menu, choose \u201cother\u201d and enter in "
    "your own. ";
const char* const kDescription =
    "There is unlimited space to describe the incident here.~\u2022 What happened, step by step~\u2022 Where "
    "and when it happened~\u2022 The equipment, tools or materials involved~\u2022 What was done right after "
    "the incident~\u2022 Who was present ";
const char* const kEmployeeNumber = "This field may not be relevant or you may wish to leave it blank.";
const char* const kDepartment =
    "Use this field to specify the department, area, division, building, site, plant, shift or team in "
    "which the incident took place.";
const char* const kWorkerCategory =
    "Temporary workers are employed on a project-by- project basis and/or for a limited time period to "
    "cover another worker\u2019s absence, as defined by a contract. Casual workers are called in as the "
    "work requires and have no regular hours. Permanent workers have no set end to their employment; "
    "part-time workers work fewer hours than a full-time worker.";
const char* const kOccupation =
    "The tool keeps a list of the occupations that you enter. Enter a new occupation or choose from the "
    "list.";
const char* const kBargainingUnit =
    "Enter the union that the worker belongs to. This field may not be relevant or you may wish to leave it "
    "blank.";

// ---- Step 2 ----------------------------------------------------------------------------------------------

const char* const kFirstAidTime =
    "Costs to consider:~\u2022 Time of the first aid attendant~\u2022 Time of co-workers who helped the "
    "injured/ill worker~\u2022 Time of the supervisor who came to the scene~\u2022 Time to call for "
    "medical help or an ambulance" QM_BLANKS_100;
const char* const kTransportTime =
    "Costs to consider:~\u2022 Time of the worker who drove or went with the injured/ill worker to the "
    "hospital, clinic or home~\u2022 Time of that worker waiting at the hospital or clinic~\u2022 Time to "
    "return to the workplace" QM_BLANKS_200;
const char* const kMakeSafeTime =
    "Costs to consider:~\u2022 Time to stop machines or processes and lock them out~\u2022 Time to cordon "
    "off the area and put up warnings~\u2022 Time to remove hazards such as spills, debris or damaged "
    "equipment~\u2022 Time to check the area before work starts again" QM_BLANKS_200;
const char* const kNonProductiveTime =
    "Enter the time costs of all employees temporarily not working as a result of the incident (only if "
    "this time is not recorded in any other field in any of the steps). This includes workers who stopped "
    "to watch or help and workers who could not go on because the work was halted. Do not include the wage "
    "cost of the injured employee.";
const char* const kFirstAidSupplies =
    "Enter the cost of first aid supplies and equipment used to assist the injured/ill worker directly after "
    "the incident. ";
const char* const kAmbulance =
    "Enter the cost of transporting the injured/ill worker home or to a clinic, or hospital. This might "
    "include mileage costs incurred by another worker.";
const char* const kOtherImmediate = "Enter any other relevant immediate costs";

// ---- Step 3 ----------------------------------------------------------------------------------------------

const char* const kInvestigateTime =
    "Costs to consider:~\u2022 Time of the supervisor, health and safety staff and committee members to "
    "investigate~\u2022 Time to interview the injured/ill worker and witnesses~\u2022 Time to inspect the "
    "scene and equipment~\u2022 Time of workers who assisted the investigation" QM_BLANKS_100;
const char* const kOwnPaperwork =
    "Consider the time to complete the internal investigation report, update other company records or "
    "accident book, payroll records, company report forms, etc.";
const char* const kOtherPaperwork =
    "Costs to consider:~\u2022 Time to report the incident to the Workers\u2019 Compensation Board~\u2022 "
    "Time to complete forms for insurers or disability carriers~\u2022 Time to report to government "
    "inspectors or other agencies";
const char* const kMeetings =
    "Costs to consider:~\u2022 Meetings of the health and safety committee about the incident~\u2022 "
    "Meetings with government inspectors or insurers~\u2022 Meetings to inform workers and discuss "
    "changes~Enter the hours of workers and of supervisors and managers on the two rows below." QM_BLANKS_200;
const char* const kOtherInvestigation = "Enter any other relevant investigation costs.";

// ---- Step 4 ----------------------------------------------------------------------------------------------

const char* const kAssessDamage =
    "Costs to consider:~\u2022 Time to inspect damaged equipment, materials, vehicles or buildings~\u2022 "
    "Time to get quotes for repairs or replacements~\u2022 Time of maintenance staff or engineers to "
    "assess the damage" QM_BLANKS_200;
const char* const kRepairTime = "Enter the wage costs (including benefits) of workers performing the work. ";
const char* const kCoordinateRepair =
    "Costs to consider:~\u2022 Time to arrange and schedule repairs~\u2022 Time to order parts and "
    "replacement equipment~\u2022 Time to supervise outside contractors";
const char* const kCleanUp =
    "Costs to consider:~\u2022 Time to clean up spills, debris and damaged products~\u2022 Time to wash or "
    "decontaminate the area and equipment~\u2022 Time to restock and set up the work area "
    "again" QM_BLANKS_100;
const char* const kContractors =
    "Costs to consider:~\u2022 Repair, cleaning or restoration services~\u2022 Specialist testing or "
    "inspection services~\u2022 Equipment rented while your own was out of service";
const char* const kDisposal = "Consider any disposal fees or transportation costs.";
const char* const kReplacementParts =
    "Enter costs of replacing parts equipment, supplies damaged during the incident as well as the cost of "
    "materials for cleaning up. ";
const char* const kDisruptionTime =
    "Enter the wage costs (including benefit expenses) of all workers temporarily not working during the "
    "disruption if not recorded under any of the other fields in any of the steps. Include the time that "
    "production was stopped while the damage was cleaned up and repaired.";
const char* const kOtherDamage = "Enter any other relevant damage costs";

// ---- Step 5 ----------------------------------------------------------------------------------------------

const char* const kOvertime =
    "Costs to consider:~- Overtime worked by co-workers to keep up production while the worker was away~- "
    "Overtime to make up for time lost during the incident~Count only the overtime surcharge: the amount "
    "paid above the normal wage rate." QM_BLANKS_100;
const char* const kHiring =
    "Costs to consider:~- Time to find a co-worker who can fill in~- Time to write and place job "
    "advertisements~- Time to review applications and interview candidates~- Time to complete hiring "
    "paperwork" QM_BLANKS_200;
const char* const kTrainerTime = "Enter the trainer\u2019s time spent training a new or relocated worker. ";
const char* const kTraineeTime = "Enter the replacement worker\u2019s time spent in training. ";
const char* const kWagePremium = "Enter wage costs above those normally paid to the worker being replaced.";
const char* const kSearchCosts =
    "Costs to consider:~\u2022 Advertising costs~\u2022 Fees of employment or temporary staff agencies~"
    "\u2022 Pre-employment testing or medical examinations" QM_BLANKS_200;
const char* const kOtherReplacement = "Enter any other relevant replacement costs ";

// ---- Step 6 ----------------------------------------------------------------------------------------------

const char* const kClaimCost =
    "If you do not know this information now, leave the cell blank and return to fill it in when you "
    "receive your account statement or Firm Experience Statement from the Workers\u2019 Compensation "
    "Board. The claim cost is not added to the incident costs here: it is used when the incident is "
    "retrieved into an analysis.";
const char* const kIndustryCode =
    "You will find your firm's industry code on your account statement or Firm Experience Statement. If "
    "your firm has more than one unit, enter the code of the unit where the worker works.";
const char* const kAbsence =
    "If the worker was not absent from work, leave this blank.~~Enter the number of hours the worker was "
    "absent and the worker\u2019s normal hourly wage rate including benefit expenses. Fill in the "
    "\u201cPortion paid\u201d fields below to indicate what portion of wages were paid by whom.  The "
    "\u201ctotal percentage\u201d field should add up to 100 per cent. The software will apply a 15 per "
    "cent administration cost to short-term disability or long-term disability to reflect average insurance "
    "administration charges. ~~";
const char* const kAbsencePaidByWorkplace =
    "This is the total wages paid to the absent worker by your workplace during the absence.  ";
const char* const kModifiedWork =
    "If the worker did not spend any time performing modified work duties, leave this blank. Otherwise "
    "enter the hours the worker spent on modified work and the worker\u2019s hourly wage rate including "
    "benefit expenses, and fill in below what portion of those wages was paid by whom.";
const char* const kModifiedPaidByWorkplace =
    "This is the wages paid directly by your workplace to the recovering worker for time performing "
    "modified work duties. ";
const char* const kOutputValue =
    "If with the worker did not spend any time performing modified work duties, leave this blank. "
    "Otherwise estimate the value of the work the worker produced on modified duties as a percentage of "
    "the value of the worker\u2019s normal work.";
const char* const kLostProductivity =
    "This figure has been calculated based on your estimated value of worker\u2019s output while performing "
    "modified work duties, and the worker\u2019s wages. ";
const char* const kDisabilityManagement =
    "If there was no disability, modified work or return to work leave this blank.~Costs to consider:~- "
    "Time to stay in contact with the absent worker~- Time to plan and arrange modified work~- Time to "
    "meet with health care providers, insurers and the Workers\u2019 Compensation Board~- Time to manage "
    "the return to work~If more than one person was involved, enter their total hours and an average hourly "
    "rate with benefits." QM_BLANKS_200;
const char* const kOtherDisability =
    "Enter any other relevant disability management or return-to-work costs.";
const char* const kTotalDisability =
    "This amount does not include absent worker\u2019s wages paid directly by your workplace from above, "
    "nor lost productivity costs during modified work time. Those two amounts are added to the total in "
    "Step 8.";

// ---- Step 7 ----------------------------------------------------------------------------------------------

const char* const kProfitMargin =
    "Enter your average profit margin for the fiscal year in which the incident occurred. For new incidents "
    "the software will automatically default to the profit margin in the last entry but you may change it. "
    "Profit margin = (total revenue \u2013 total costs) / total revenue";
const char* const kSalesPerDay =
    "Enter your average sales or revenue per day for the fiscal year in which the incident occurred. For "
    "new incidents the software will automatically default to the amount in the last entry but you may "
    "change it.";
const char* const kFteHours =
    "Enter the typical number of hours worked by a full-time worker in a calendar year. For example, 37.5 "
    "hours a week for 52 weeks is 1,950 hours.";

// ---- Step 8 ----------------------------------------------------------------------------------------------

const char* const kSummaryOfCosts = "These are your total costs calculated from steps 2 to 6.";
const char* const kTotalIndirect =
    "These are the total indirect incident costs calculated from the previous steps. They do not include "
    "the absent worker\u2019s wages paid by your workplace or the lost productivity during modified work.";
const char* const kAbsentWagesPaid =
    "This is the amount you entered in Step 6. It is the wages paid by your workplace to the worker during "
    "his/her absence.";
const char* const kLostProductivitySummary =
    "This is the cost in lost productivity during modified work you entered in Step 6.  It is based on your "
    "estimated value of the work being performed and the wages paid to the worker.";
const char* const kTotal =
    "This total does not include the increase in workers\u2019 compensation premiums that the incident may "
    "cause, the costs that the worker pays and is not reimbursed for, or the pain and suffering of the "
    "worker and of the people close to the worker.";
const char* const kMarginRange =
    "This is taken from the average profit margin entered in Step 7. Profit margins can change over a period "
    "of time so the software has provided a range with which to calculate how long it would take to recover "
    "the costs of the incident.";
const char* const kGrossSales = "This is taken from the average sales or revenue per day entered in Step 7. ";
const char* const kHoursRepresented =
    "This is the indirect cost of the incident represented in hours of work. It is the total indirect "
    "incident cost divided by the absent worker\u2019s hourly wage rate entered in Step 6.";
const char* const kFtesRepresented =
    "This is the indirect cost of the incident in terms of one full-time equivalent position at your "
    "workplace. It is the hours above as a percentage of the hours a full-time worker works in a year, "
    "entered in Step 7.";
const char* const kCostMultiplier =
    "This is the indirect cost of the incident in terms of the absent worker\u2019s wages and time off work "
    "entered in Step 6. It is only relevant for lost-time incidents.";

}  // namespace incident_help
