#include "analysis/pages/pi_rows.h"

#include <iterator>

namespace {

// The headings of step 7 feed the colour alternation with this grey; they show HeadingGreyColour.
constexpr Rgb kHeadingTint = pf::MakeRgb(200, 200, 200);

// Help texts by step, indexed by the line that registers them.
constexpr const char* kStep1Help[] = {
    /* 0 */ nullptr,
    /* 1 */
    "This field keeps track of each analysis in the order that you enter them. It will automatically assign "
    "a new number each time you start a new analysis.~~Time saver: Use an old analysis to help you record a "
    "new one. From the Start page, select REVIEW A PAST ANALYSIS to see a list of past analyses. Open the "
    "old analysis and save it as a new one by clicking the SAVE AS NEW icon. Be sure to make the necessary "
    "changes in each step so that you are documenting correct information for the new analysis.  ",
    /* 2 */
    "Give the intervention a name that is easily identified when you need to update or review it. This name "
    "will appear in the list when you click on the REVIEW A PAST ANALYSIS button. ",
    /* 3 */ "There is unlimited space to describe the intervention here. ",
    /* 4 */ "List the main expenses for this intervention.",
    /* 5 */
    "List all the work units where the change would be made (i.e. department, shift, work area, site, team, "
    "plant, building, etc.).",
    /* 6 */
    "Interventions can be aimed at one or more groups of workers. List all groups that would be affected by "
    "the intervention (e.g. front-line staff, administrative staff, supervisors, managers etc.). ",
    /* 7 */
    "List the workers that would be affected by the intervention (e.g. full-time, part-time, temporary, "
    "etc.).",
    /* 8 */ nullptr,
    /* 9 */
    "Describe the changes you expect the intervention would have on the frequency or cost of incidents (e.g. "
    "a reduction in the number of musculoskeletal disorder incidents and absence time). Remember that "
    "incidents can include near misses and general sickness absences. ",
    /* 10 */
    "Describe the changes you expect the intervention would have on other important aspects of your "
    "organization, for example, productivity or staffing, client satisfaction, employee morale or perception "
    "of general health. Note that some of these items could be measured using staff or client surveys.",
};
constexpr const char* kStep2Help[] = {
    /* 0 */ nullptr,
    /* 1 */
    "The period of time should be long enough to capture several incidents in your workplace. The more "
    "incidents that are captured the better you can estimate changes that would occur with the potential "
    "intervention.",
    /* 2 */
    "The period of time should be long enough to capture several incidents in your workplace. The more "
    "incidents that are captured the better you can estimate changes that would occur with the potential "
    "intervention.",
    /* 3 */
    "Separating groups by occupation allows you to enter different wages and work hours for each group. This "
    "will contribute to a more accurate analysis.  ~~More than one occupational group may be affected by the "
    "potential intervention. This field keeps track of each occupational group in the order that you enter "
    "them. If you are entering hours and wages for more than one occupational group use the arrow button to "
    "choose a new occupational group number and enter the occupation of those workers. There may only be one "
    "occupational group in the potential intervention, in which case you may use the fields below to enter "
    "individuals’ wages and work hours.",
    /* 4 */ nullptr,
    /* 5 */ "This is a required field. Do not include vacation or holiday time.",
    /* 6 */
    "You only need to enter this if you expect changes in productivity as a result of the intervention (i.e. "
    "the intervention is expected to give greater output for the same number of work hours or the same "
    "output for fewer work hours). In Step 5: Productivity you will be able to enter the estimated change in "
    "productivity due to the intervention.~~Wages for each occupational group must be the same for the "
    "existing situation and the potential scenario. Add benefit expenses to the hourly rate. For example, if "
    "the wage rate is $16.00/hr and benefit expenses are 10% enter $17.60/hr.  ",
    /* 7 */
    "This is a required field. Enter the total number of overtime hours worked by this occupational group.",
    /* 8 */
    "You only need to enter this if you expect changes in productivity as a result of the intervention (i.e. "
    "the intervention is expected to give greater output for the same number of work hours or the same "
    "output for fewer work hours). In Step 5: Productivity you will be able to enter the estimated change in "
    "productivity due to the intervention.~~Wages for each occupational group must be the same for the "
    "existing situation and the potential scenario. Add benefit expenses to the hourly rate. For example, if "
    "the regular wage rate is $16.00/hr and the overtime wage rate is $24.00/hr and benefit expenses are "
    "10%, then enter $26.40/hr. ",
};
constexpr const char* kStep3Help[] = {
    /* 0 */ nullptr,
    /* 1 */ "This date will default to the date you entered in Step 2.",
    /* 2 */ "This date will default to the date you entered in Step 2.",
    /* 3 */
    "The software will retrieve incidents from the time period you indicated above. Choose which incident "
    "types you wish to include. It is possible to choose more than one. ",
    /* 4 */
    "The software will retrieve incidents from the time period you indicated above. Choose which injuries or "
    "illnesses you wish to include. It is possible to choose more than one. ",
    /* 5 */
    "The software will retrieve incidents from the time period you indicated above. Choose which affected "
    "body parts you wish to include. It is possible to choose more than one. ",
    /* 6 */
    "The software will retrieve incidents from the time period you indicated above. Choose the incident "
    "cause or causes you wish to include. It is possible to choose more than one.",
    /* 7 */
    "The software will retrieve incidents from the time period you indicated above. Choose the occupational "
    "groups you wish to include. It is possible to choose more than one.",
    /* 8 */
    "The software will retrieve incidents from the time period you indicated above. Choose the category of "
    "worker you wish to include. It is possible to choose more than one. ",
    /* 9 */
    "The software will retrieve incidents from the time period you indicated above. Choose the department, "
    "area, division, site, shift, or team you wish to include. It is possible to choose more than one. ",
    /* 10 */ nullptr,
    /* 11 */
    "The software has retrieved information you entered for incidents occurring in the Study period. The "
    "average cost per incident in the categories shown below is calculated from the total indirect incident "
    "costs, any absence costs, and any lost productivity costs during modified work. It does not include "
    "workers’ compensation claims costs, premiums or other insurance costs.~Estimate the number and cost of "
    "incidents with the potential intervention using information you gathered from journal articles, "
    "consultants or other workplaces about the intervention. Provide a justification for each estimate.",
    /* 12 */ nullptr,
    /* 13 */ nullptr,
    /* 14 */ nullptr,
    /* 15 */ "Enter total counts for the relevant incident type(s). ",
    /* 16 */ "Enter total absence time for the relevant incident type(s). ",
    /* 17 */
    "Enter the total wage value of time off work, including benefits, for the relevant incident type(s).",
    /* 18 */
    "Enter total wages paid by your workplace for time off work, including benefits, for the relevant "
    "incident type(s).",
    /* 19 */
    "Enter the total wages paid by short-term disability insurance for the relevant incident type(s). ",
    /* 20 */
    "Enter the total wages paid by long-term disability insurance for the relevant incident type(s). ",
    /* 21 */ "Enter the total modified work time in hours for the relevant incident type(s). ",
    /* 22 */ "Enter the wage value of modified work time for the relevant incident type(s). ",
    /* 23 */
    "Enter the estimated value of worker output during modified work, as a percentage, for the relevant "
    "incident type(s). For example, suppose a worker who normally packs material in a warehouse is still "
    "recovering from an arm injury. While the worker is on modified work, his manager estimates the value of "
    "that work at 75 per cent of the worker’s normal contribution.",
    /* 24 */
    "Enter the total WCB claims costs for the relevant incident types(s). These costs typically include "
    "wages paid by WCB to the worker, any WCB healthcare costs and administrative costs. ",
    /* 25 */ nullptr,
    /* 26 */ nullptr,
    /* 27 */ nullptr,
    /* 28 */ nullptr,
    /* 29 */ nullptr,
    /* 30 */
    "Enter the average indirect cost for no-lost-time, near misses and other incidents. These can be "
    "estimated using your incident cost calculator. Alternatively, you may have a standard amount you use "
    "for such indirect costs.",
    /* 31 */
    "Enter the indirect cost multiplier for time loss incidents. This is used to estimate your indirect "
    "costs from the absent workers wage value of time off work. You can estimate this multiplier using your "
    "incident cost calculator. Alternatively, you may have a standard multiplier you use for such indirect "
    "costs.",
    /* 32 */ nullptr,
    /* 33 */ nullptr,
    /* 34 */
    "This is the total cost of all incidents included in this analysis. This includes the total indirect "
    "incident costs, absence costs and lost productivity costs during modified work.  It does not include "
    "workers’ compensation claims costs, premiums or other insurance costs.",
    /* 35 */
    "This is the average cost of all incidents included in this analysis. This includes the average indirect "
    "incident costs, absence costs and lost productivity costs during modified work. It does not include "
    "workers’ compensation claims costs, premiums or other insurance costs.",
};
constexpr const char* kStep4Help[] = {
    /* 0 */ nullptr,
    /* 1 */
    "Consider only increases or decreases in costs associated with the intervention. These may be one-time "
    "costs or ongoing costs associated with the intervention. If they are ongoing costs include only those "
    "that will be incurred during the after period. Give increased costs a positive sign and decreased costs "
    "a negative sign.",
    /* 2 */
    "Consider increases or decreases in equipment or infrastructure costs associated with the intervention. "
    "If the equipment or infrastructure would have been purchased under normal circumstances consider only "
    "extra costs incurred due to the intervention. Give increased costs a positive sign and decreased costs "
    "a negative sign. ~~Advanced: For big purchases you might consider spreading the cost of the equipment "
    "or infrastructure over a number of years (i.e. amortize the costs). This is done because the benefits "
    "of a purchase are also spread out over a number of years. If you do this include only the amount that "
    "will be accounted for by your organization during the after period of the analysis. ~~Advanced: If your "
    "organization borrowed money for the equipment or infrastructure you should consider adding interest "
    "costs incurred during the after period to this amount.  ",
    /* 3 */
    "Consider the cost of installing equipment for the intervention or setting up infrastructure or "
    "materials. Give increased costs a positive sign and decreased costs a negative sign.",
    /* 4 */
    "Consider increases or decreases in material costs associated with the intervention. Give increased "
    "costs a positive sign and decreased costs a negative sign.",
    /* 5 */
    "Consider only increases or decreases in energy costs associated with the intervention (e.g. costs due "
    "to energy consumption of equipment that is acquired or eliminated).  Give increased costs a positive "
    "sign and decreased costs a negative sign.",
    /* 6 */
    "This includes changes in ongoing costs associated with maintaining equipment associated with the "
    "intervention or other aspects of the intervention. Give increased costs a positive sign and decreased "
    "costs a negative sign.",
    /* 7 */
    "This includes costs associated with the disposal of old equipment that was replaced by new equipment "
    "purchased specifically for the intervention. ",
    /* 8 */
    "This includes all other costs associated with the intervention that are not listed elsewhere. Give "
    "increased costs a positive sign and decreased costs a negative sign.",
    /* 9 */ nullptr,
    /* 10 */
    "Consider time spent in training for the intervention; both start-up and ongoing training.  Consider "
    "also increases or decreases in the time spent on orientation training due to the intervention. Give "
    "increased costs a positive sign and decreased costs a negative sign.",
    /* 11 */
    "Consider time spent in training for the intervention; both start-up and ongoing training.  Consider "
    "also increases or decreases in the time spent on orientation training due to the intervention. Give "
    "increased costs a positive sign and decreased costs a negative sign.",
    /* 12 */ nullptr,
    /* 13 */
    "Consider time spent researching and planning the intervention, as well as other activities and meetings "
    "during the planning stage. ",
    /* 14 */
    "Consider time spent promoting the intervention and any material costs incurred to inform workers of the "
    "intervention not included elsewhere.",
    /* 15 */
    "Consider time spent implementing or monitoring the intervention and other related ongoing activities. "
    "For interventions related to disability management do not include costs already entered in the incident "
    "calculator database (e.g. time managing claims or the return to work process). ",
    /* 16 */ nullptr,
    /* 17 */ "Consider any amount paid to consultants advising on or assisting with the intervention.",
    /* 18 */ "Consider any other external costs.",
};
constexpr const char* kStep5Help[] = {
    /* 0 */ nullptr,
    /* 1 */
    "Productivity changes are calculated from the wage costs entered in step 2 multiplied by your estimate "
    "percentage of productivity change entered above. ",
};
constexpr const char* kStep6Help[] = {
    /* 0 */ nullptr,
    /* 1 */
    "Do not include turnover costs directly associated with incidents that you included in this analysis "
    "(i.e. for each incident included in this analysis you may have already entered data in Step 5 of the "
    "Incident Cost Calculator, for example time to hire or train replacement workers after an incident). ",
    /* 2 */
    "Do not include turnover costs directly associated with incidents included in this analysis (i.e. if you "
    "entered data in Step 5 of the Incident Cost Calculator on search costs to hire a replacement worker or "
    "other replacement costs after an incident do not enter it here).",
    /* 3 */
    "Estimate the potential change in these costs using information you gathered from journal articles, "
    "consultants or other workplaces about the intervention. Provide a justification for each estimate. ",
};
constexpr const char* kStep7Help[] = {
    /* 0 */ nullptr,
    /* 1 */ nullptr,
    /* 2 */ "The WCB assessment year is from October 1 to September 30, but simply enter the calendar year.",
    /* 3 */
    "Your organization may have one or more industry codes. The industry code pertaining to each incident is "
    "entered in Step 6 of the Incident Cost Calculator.",
    /* 4 */ nullptr,
    /* 5 */ nullptr,
    /* 6 */ nullptr,
    /* 7 */ nullptr,
    /* 8 */ nullptr,
    /* 9 */ nullptr,
    /* 10 */ nullptr,
    /* 11 */
    "This estimate is based on a simplified version of the WCB's rate model. This amount is based on savings "
    "only for the intervention time period. Savings will continue if your organization continues to have "
    "reduced claims costs. A negative result means a decrease in your premiums.  A positive result means an "
    "increase.",
    /* 12 */
    "This estimate is based on a simplified version of WCB's rate model. This amount is based on savings "
    "only for the intervention time period. Savings will continue if your organization continues to have "
    "reduced claims costs. A negative result means a decrease in your premiums. A positive result means an "
    "increase. ",
};
constexpr const char* kStep8Help[] = {
    /* 0 */ nullptr,
    /* 1 */ "Taken from Step 2 of this analysis.\t",
    /* 2 */ nullptr,
    /* 3 */ "Calculated from all groups entered in Step 2 of this analysis. ",
    /* 4 */
    "Taken from total labour costs for all groups entered in Step 2. The Potential costs have been adjusted "
    "to reflect your estimated percent productivity change entered in Step 5.",
    /* 5 */ nullptr,
    /* 6 */ "Taken from incidents pulled into the analysis in Step 3",
    /* 7 */ "Taken from incidents pulled into the analysis in Step 3",
    /* 8 */ "Taken from incidents pulled into the analysis in Step 3",
    /* 9 */ "Taken from incidents pulled into the analysis in Step 3",
    /* 10 */ "Taken from incidents pulled into the analysis in Step 3",
    /* 11 */
    "This is calculated from absence time entered in Step 6 of the Incident Cost Calculator for each "
    "incident pulled into this analysis.  ",
    /* 12 */
    "This is calculated from modified work time entered in Step 6 of the Incident Cost Calculator for each "
    "incident pulled into this analysis.  ",
    /* 13 */ nullptr,
    /* 14 */
    "These costs are the total incident costs across all incidents pulled into this analysis. This includes "
    "the total indirect incident costs, absence costs and lost productivity costs during modified work. (The "
    "costs are taken from “Total” in Step 8: Summary Report of the Incident Cost Calculator for each "
    "incident.)  It does not include any increase or decrease in insurance costs, which are calculated "
    "below.",
    /* 15 */ "Taken from Step 4.",
    /* 16 */ "Taken from Step 6.",
    /* 17 */ "Taken from Step 7. ",
    /* 18 */ "Taken from Step 7. ",
    /* 19 */ "Taken from Step 7. ",
    /* 20 */ nullptr,
    /* 21 */ nullptr,
    /* 22 */
    "This is the change in all your costs between the two groups minus the intervention costs. If the number "
    "is positive your organization has realized a return on your investments over the time of the "
    "intervention.",
    /* 23 */
    "This is the number of months it would take for the intervention to pay for itself based on the savings "
    "realized since the beginning of the intervention",
    /* 24 */
    "This is a ratio showing the monetary benefit realized in the Intervention Department for every dollar "
    "spent on the intervention (i.e. how many dollars your firm got back for every dollar spent.) If the "
    "number is positive that means the intervention’s benefit was greater that your organization’s costs. "
    "Remember that this does not include non-monetary benefits such as improved morale, improved client "
    "relations and improved worker health not associated with productivity increases.",
};
// Step 1 (page 8): after the hidden UID field.
const AnalysisRow kStep1[] = {
    {43, 1, "Analysis number", nullptr, kKeepY, -1, "", "", -1, 360, 0, kStep1Help[1]},
    {43, 2, "Intervention name", nullptr, kKeepY, -1, "", "", -1, 360, 0, kStep1Help[2]},
    {10, 3, "Brief summary of the intervention", nullptr, kKeepY, -1, "", "", -1, 360, 0, kStep1Help[3]},
    {10, 4, "Key expenditures", nullptr, kKeepY, -1, "", "", -1, 360, 0, kStep1Help[4]},
    {10, 5, "Department in which change would be made", nullptr, kKeepY, -1, "", "", -1, 360, 0,
     kStep1Help[5]},
    {10, 6, "Occupational groups that would be affected", nullptr, kKeepY, -1, "", "", -1, 360, 0,
     kStep1Help[6]},
    {10, 7, "Category of workers that would be affected", nullptr, kKeepY, -1, "", "", -1, 360, 0,
     kStep1Help[7]},
    {20, 8, "Types of potential changes", nullptr, kKeepY, -1, "", "", -1, kNoHelp, 0, nullptr},
    {10, 9, "Injuries, illnesses or other incidents", nullptr, kKeepY, -1, "", "", -1, 360, 0, kStep1Help[9]},
    {10, 10, "Other potential changes", nullptr, kKeepY, -1, "", "", -1, 360, 0, kStep1Help[10]},
};

// Step 2 (page 7): the study period and the group selector, in the content container.
const AnalysisRow kStep2Period[] = {
    {2, 2, "Start date of the study period", &RowColourA, 0, -1, "", "", -1, 550, 0, kStep2Help[1]},
    {2, 3, "End date of the study period", nullptr, kKeepY, -1, "", "", -1, 550, 0, kStep2Help[2]},
    {7, 4, "Occupational group number", &HeadingGreyColour, kKeepY, -1, "", "", -1, 340, 0, kStep2Help[3]},
};

// The figures of the occupational group shown, in the group area.
const AnalysisRow kStep2Group[] = {
    {1, 5, "Number of workers in this occupational group", nullptr, 0, -1, "", "", -1, kNoHelp, 0, nullptr},
    {1, 6, "Total regular hours worked by this occupational group", nullptr, kKeepY, -1, "", "hours", 1, 550,
     0, kStep2Help[5]},
    {1, 7, "Regular wage rate per hour for this occupational group", nullptr, kKeepY, -1, "$", "/hour", -1,
     550, 0, kStep2Help[6]},
    {1, 8, "Total overtime hours of work for this occupational group", nullptr, kKeepY, -1, "", "hours", 1,
     550, 0, kStep2Help[7]},
    {1, 9, "Overtime wage rate per hour for this occupational group", &RowColourA, kKeepY, -1, "$", "/hour",
     -1, 550, 0, kStep2Help[8]},
    {6, 17, "Total hours worked by this occupational group", &BlueGreyColour, kKeepY, -1, "", "hours", -1,
     kNoHelp, 0, nullptr},
    {6, 15, "Total paid labour cost for this occupational group", &BlueGreyColour, kKeepY, -1, "$", "", -1,
     kNoHelp, 0, nullptr},
    {6, 18, "Total hours worked by all occupational groups during this period", &BlueGreyColour, kKeepY, -1,
     "", "hours", -1, kNoHelp, 0, nullptr},
    {6, 16, "Total labour cost for all occupational groups", &BlueGreyColour, kKeepY, -1, "$", "", -1,
     kNoHelp, 0, nullptr},
};

// Step 3 (page 6), upper area: the period, the criteria, the gap the retrieve row fills, the estimate
// headings.
const AnalysisRow kStep3Upper[] = {
    {182, 2, "Start date", nullptr, 0, -1, "", "", -1, 550, 0, kStep3Help[1]},
    {182, 3, "End date", nullptr, kKeepY, -1, "", "", -1, 550, 0, kStep3Help[2]},
    {17, 4, "Incident types", nullptr, kKeepY, -1, "", "", -1, 550, 0, kStep3Help[3]},
    {44, 5, "Nature of injury/illness", nullptr, kKeepY, -1, "", "", -1, 550, 0, kStep3Help[4]},
    {171, 9, "Body part affected", nullptr, kKeepY, -1, "", "", -1, 550, 0, kStep3Help[5]},
    {172, 10, "Incident cause", nullptr, kKeepY, -1, "", "", -1, 550, 0, kStep3Help[6]},
    {80, 7, "Occupational groups", nullptr, kKeepY, -1, "", "", -1, 550, 0, kStep3Help[7]},
    {173, 11, "Category of worker", nullptr, kKeepY, -1, "", "", -1, 550, 0, kStep3Help[8]},
    {80, 6, "Department", nullptr, kKeepY, -1, "", "", -1, 550, 0, kStep3Help[9]},
    {100, 30, "", nullptr, kKeepY, -1, "", "", -1, kNoHelp, 0, nullptr},
    {20, 30, "Estimate the change in number of incidents due to the potential intervention", &BlueGreyColour,
     kKeepY, -1, "", "", -1, 600, 0, kStep3Help[11]},
    {20, 30,
     "You may also estimate a change in the average cost per incident if it is possible that the "
     "intervention might effect it",
     &BlueGreyColour, kKeepY, -1, "", "", -1, kNoHelp, 0, nullptr},
};

// The grid header, directly below the column captions (its y is set when built).
const AnalysisRow kStep3GridHeader[] = {
    {160, 20, "", &BlueGreyColour, kKeepY, -1, "", "", -1, kNoHelp, 0, nullptr},
};

// Built after the grid header but placed into the gap below the department list.
const AnalysisRow kStep3Retrieve[] = {
    {46, 8, "Get all incidents matching criteria specified", nullptr, kKeepY, -1, "", "", -1, kNoHelp, 0,
     nullptr},
};

// Lower area: the estimate grid with its justifications, and the totals.
const AnalysisRow kStep3Lower[] = {
    {161, 20, "Total number of incidents", nullptr, 0, -1, "", "", -1, 150, 0, kStep3Help[15]},
    {162, 21, "Total absence time (hours)", nullptr, kKeepY, -1, "", "", -1, 150, 0, kStep3Help[16]},
    {184, 23, "Total wage value of time off work", nullptr, kKeepY, -1, "", "", -1, 150, 0, kStep3Help[17]},
    {184, 24, "Total wages paid by your workplace for time off work", nullptr, kKeepY, -1, "", "", -1, 150, 0,
     kStep3Help[18]},
    {184, 25, "Total wages paid by short-term disability", nullptr, kKeepY, -1, "", "", -1, 150, 0,
     kStep3Help[19]},
    {184, 26, "Total wages paid by long-term disability", nullptr, kKeepY, -1, "", "", -1, 150, 0,
     kStep3Help[20]},
    {163, 22, "Total modified work time (hours)", nullptr, kKeepY, -1, "", "", -1, 150, 0, kStep3Help[21]},
    {185, 33, "Total wage value of modified work", nullptr, kKeepY, -1, "", "", -1, 150, 0, kStep3Help[22]},
    {186, 39, "Estimated value of worker output during time on modfied work (percent)", nullptr, kKeepY, -1,
     "", "", -1, 150, 0, kStep3Help[23]},
    {165, 27, "Total WCB claim costs", nullptr, kKeepY, -1, "", "", -1, 130, 0, kStep3Help[24]},
    {165, 28, "", nullptr, kKeepY, -1, "", "", -1, kNoHelp, 0, nullptr},
    {165, 29, "", nullptr, kKeepY, -1, "", "", -1, kNoHelp, 0, nullptr},
    {165, 30, "", nullptr, kKeepY, -1, "", "", -1, kNoHelp, 0, nullptr},
    {165, 31, "", nullptr, kKeepY, -1, "", "", -1, kNoHelp, 0, nullptr},
    {165, 32, "", nullptr, kKeepY, -1, "", "", -1, kNoHelp, 0, nullptr},
    {166, 34, "Average indirect cost for each no-lost-time, near misses and other incidents", nullptr, kKeepY,
     -1, "", "", -1, 140, 0, kStep3Help[30]},
    {167, 35, "Indirect costs multiplier for time loss incidents", nullptr, kKeepY, -1, "", "", -1, 140, 0,
     kStep3Help[31]},
    {99, 36, "", nullptr, kKeepY, -1, "", "", -1, kNoHelp, 0, nullptr},
    {168, 36, "Total number of incidents included", &BlueGreyColour, kKeepY, -1, "", "", -1, kNoHelp, 0,
     nullptr},
    {169, 37, "Total cost of all incidents (includes both direct and indirect costs)", &BlueGreyColour,
     kKeepY, -1, "$", "", -1, 290, 0, kStep3Help[34]},
    {169, 38, "Average cost per incident (includes both direct and indirect costs)", &BlueGreyColour, kKeepY,
     -1, "$", "", -1, 290, 0, kStep3Help[35]},
};

// Step 4 (page 5).
const AnalysisRow kStep4[] = {
    {20, 2, "Equipment, material costs and operating costs", &HeadingGreyColour, 0, -1, "", "", -1, 400, 0,
     kStep4Help[1]},
    {48, 3, "Equipment costs", nullptr, kKeepY, -1, "$", "", -1, 400, 0, kStep4Help[2]},
    {48, 4, "Installation costs", nullptr, kKeepY, -1, "$", "", -1, 400, 0, kStep4Help[3]},
    {48, 5, "Material costs", nullptr, kKeepY, -1, "$", "", -1, 400, 0, kStep4Help[4]},
    {48, 6, "Energy costs", nullptr, kKeepY, -1, "$", "", -1, 400, 0, kStep4Help[5]},
    {48, 7, "Maintenance costs", nullptr, kKeepY, -1, "$", "", -1, 400, 0, kStep4Help[6]},
    {48, 8, "Disposal costs", nullptr, kKeepY, -1, "$", "", -1, 400, 0, kStep4Help[7]},
    {48, 9, "Other costs", nullptr, kKeepY, -1, "$", "", -1, 400, 0, kStep4Help[8]},
    {20, 10, "Intervention training costs", &HeadingGreyColour, kKeepY, -1, "", "", -1, kNoHelp, 0, nullptr},
    {48, 11, "Time spent training workers (trainer time)", nullptr, kKeepY, -1, "$", "", -1, 400, 0,
     kStep4Help[10]},
    {48, 12, "Worker time spent in training (trainee time)", nullptr, kKeepY, -1, "$", "", -1, 400, 0,
     kStep4Help[11]},
    {20, 13, "Intervention development costs", &HeadingGreyColour, kKeepY, -1, "", "", -1, kNoHelp, 0,
     nullptr},
    {48, 14, "Planning", nullptr, kKeepY, -1, "$", "", -1, 400, 0, kStep4Help[13]},
    {48, 15, "Dissemination", nullptr, kKeepY, -1, "$", "", -1, 400, 0, kStep4Help[14]},
    {48, 16, "Ongoing intervention activities", nullptr, kKeepY, -1, "$", "", -1, 400, 0, kStep4Help[15]},
    {20, 17, "External costs", &HeadingGreyColour, kKeepY, -1, "", "", -1, kNoHelp, 0, nullptr},
    {48, 18, "Consulting", nullptr, kKeepY, -1, "$", "", -1, 400, 0, kStep4Help[17]},
    {48, 19, "Other external costs", nullptr, kKeepY, -1, "$", "", -1, 400, 0, kStep4Help[18]},
    {49, 20, "Total intervention costs", &BlueGreyColour, kKeepY, -1, "$", "", -1, kNoHelp, 0, nullptr},
};

// Step 5 (page 4): the one row, placed at y 420 of the step's scroll area.
const AnalysisRow kStep5[] = {
    {49, 3, "Estimated value of productivity changes with the potential intervention ", &BlueGreyColour, 420,
     -1, "$", "", -1, 660, 0, kStep5Help[1]},
};

// Step 6 (page 3).
const AnalysisRow kStep6[] = {
    {91, 2,
     "What are the existing management, supervisory and human resource costs for recruitment and training of "
     "new workers in the study period?",
     nullptr, 0, -1, "$", "", -1, 415, 0, kStep6Help[1]},
    {91, 3,
     "What are the other existing costs associated with turnover in the study period (e.g. advertising, fees "
     "&& commissions)?",
     nullptr, kKeepY, -1, "$", "", -1, 415, 0, kStep6Help[2]},
    {91, 4,
     "Estimate the potential management, supervisory and human resources time savings from the intervention "
     "due to reduced turnover",
     nullptr, kKeepY, -1, "", "%", 1, 415, 0, kStep6Help[3]},
    {49, 5, "Potential change in turnover costs due to the intervention", &BlueGreyColour, kKeepY, -1, "$",
     "", -1, kNoHelp, 0, nullptr},
};

// Step 7 (page 2): the year, the industry code and the rule below them.
const AnalysisRow kStep7Top[] = {
    {20, 2, "Workers' compensation costs", &kHeadingTint, 0, -1, "", "", -1, kNoHelp, 0, nullptr},
    {187, 4, "Enter the calendar year at the end of the existing situation:", nullptr, kKeepY, -1, "", "", -1,
     670, 0, kStep7Help[2]},
    {188, 3, "This calculation includes incidents from this industry code:", nullptr, kKeepY, -1, "", "", -1,
     670, 0, kStep7Help[3]},
    {99, 5, "", nullptr, kKeepY, -1, "", "", -1, kNoHelp, 0, nullptr},
};

// The claims block, the rate-model block, the premium changes and the disability rows.
const AnalysisRow kStep7Rest[] = {
    {100, 5, "", &OrangeColour, kKeepY, -1, "", "", 27, kNoHelp, 0, nullptr},
    {156, 6, "", &PageColour, kKeepY, -1, "", "", -1, kNoHelp, 0, nullptr},
    {157, 7, "", &PageColour, kKeepY, -1, "", "", -1, kNoHelp, 0, nullptr},
    {155, 8, "", &PageColour, kKeepY, -1, "", "", -1, kNoHelp, 0, nullptr},
    {100, 5, "", &HeadingGreyColour, kKeepY, -1, "", "", 27, kNoHelp, 0, nullptr},
    {158, 9, "", &PageColour, kKeepY, -1, "", "", -1, kNoHelp, 0, nullptr},
    {49, 24, "Potential change in WCB premiums due to the intervention for this industry code:",
     &BlueGreyColour, kKeepY, -1, "$", "", -1, 670, 0, kStep7Help[11]},
    {49, 25, "Potential change in WCB premiums due to the intervention for all industry codes:",
     &BlueGreyColour, kKeepY, -1, "$", "", -1, 670, 0, kStep7Help[12]},
    {100, 26, "", &HeadingGreyColour, kKeepY, -1, "", "", 27, kNoHelp, 0, nullptr},
    {20, 26, "Other insurance costs", &kHeadingTint, kKeepY, -1, "", "", -1, kNoHelp, 0, nullptr},
    {49, 26, "Change in short-term diability insurance costs", &BlueGreyColour, kKeepY, -1, "$", "", -1,
     kNoHelp, 0, nullptr},
    {49, 27, "Change in long-term diability insurance costs", &BlueGreyColour, kKeepY, -1, "$", "", -1,
     kNoHelp, 0, nullptr},
};

// Step 8 (page 1).
const AnalysisRow kStep8[] = {
    {36, 2, "Length of time period", &BlueGreyColour, 0, -1, "", "days", -1, 550, 0, kStep8Help[1]},
    {99, 3, "", nullptr, kKeepY, -1, "", "", -1, kNoHelp, 0, nullptr},
    {36, 3, "Total work hours", &LightGreenColour, kKeepY, -1, "", "hours", -1, 550, 0, kStep8Help[3]},
    {36, 8, "Total labour costs (Potential adjusted for productivity changes)", &LightGreenColour, kKeepY, -1,
     "$", "", -1, 550, 0, kStep8Help[4]},
    {99, 4, "", nullptr, kKeepY, -1, "", "", -1, kNoHelp, 0, nullptr},
    {36, 5, "Number of lost-time work injuries/illnesses", &BlueGreyColour, kKeepY, -1, "", "", -1, 550, 0,
     kStep8Help[6]},
    {36, 4, "Number of no-lost-time work injuries/illnesses", &LightGreenColour, kKeepY, -1, "", "", -1, 550,
     0, kStep8Help[7]},
    {36, 21, "Number of general sickness absences", &BlueGreyColour, kKeepY, -1, "", "", -1, 550, 0,
     kStep8Help[8]},
    {36, 22, "Number of near misses", &LightGreenColour, kKeepY, -1, "", "", -1, 550, 0, kStep8Help[9]},
    {36, 23, "Number of other incidents", &BlueGreyColour, kKeepY, -1, "", "", -1, 550, 0, kStep8Help[10]},
    {36, 6, "Absence time due to incidents", &LightGreenColour, kKeepY, -1, "", "hours", -1, 550, 0,
     kStep8Help[11]},
    {36, 7, "Modified work time due to incidents", &BlueGreyColour, kKeepY, -1, "", "hours", -1, 550, 0,
     kStep8Help[12]},
    {99, 12, "", nullptr, kKeepY, -1, "", "", -1, kNoHelp, 0, nullptr},
    {36, 12, "Incident costs", &BlueGreyColour, kKeepY, -1, "$", "", -1, 550, 0, kStep8Help[14]},
    {81, 13, "Intervention costs", &LightGreenColour, kKeepY, -1, "$", "", -1, 550, 0, kStep8Help[15]},
    {81, 14, "Potential impact on turnover costs", &BlueGreyColour, kKeepY, -1, "$", "", -1, 550, 0,
     kStep8Help[16]},
    {81, 15, "Potential impact on workers' compensation insurance costs", &LightGreenColour, kKeepY, -1, "$",
     "", -1, 550, 0, kStep8Help[17]},
    {81, 16, "Potential impact on short-term disability insurance costs", &BlueGreyColour, kKeepY, -1, "$",
     "", -1, 550, 0, kStep8Help[18]},
    {81, 17, "Potential impact on long-term disability insurance costs", &LightGreenColour, kKeepY, -1, "$",
     "", -1, 550, 0, kStep8Help[19]},
    {99, 18, "", nullptr, kKeepY, -1, "", "", -1, kNoHelp, 0, nullptr},
    {85, 24, "", nullptr, kKeepY, -1, "", "", -1, kNoHelp, 0, nullptr},
    {86, 18, "Potential net return from the intervention", &MidBlueColour, kKeepY, -1, "$", "", -1, 550, 0,
     kStep8Help[22]},
    {86, 19, "Potential payback period in months for the intervention", &MidBlueColour, kKeepY, -1, "",
     "months", -1, 550, 0, kStep8Help[23]},
    {86, 20, "Potential benefit to cost ratio", &MidBlueColour, kKeepY, -1, "", "", -1, 550, 0,
     kStep8Help[24]},
};

}  // namespace

const PIRowTables& PIRows() {
  static const PIRowTables tables{kStep1,         kStep2Period, kStep2Group, kStep3Upper, kStep3GridHeader,
                                  kStep3Retrieve, kStep3Lower,  kStep4,      kStep5,      kStep6,
                                  kStep7Top,      kStep7Rest,   kStep8};
  return tables;
}

const char* PIHelp(int step, int line) {
  static constexpr std::span<const char* const> kByStep[] = {
      {}, kStep1Help, kStep2Help, kStep3Help, kStep4Help, kStep5Help, kStep6Help, kStep7Help, kStep8Help};
  if (step < 1 || step > 8) return nullptr;
  const std::span<const char* const> texts = kByStep[step];
  return line >= 0 && line < int(texts.size()) ? texts[std::size_t(line)] : nullptr;
}
