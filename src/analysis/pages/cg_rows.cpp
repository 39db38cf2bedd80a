#include "analysis/pages/cg_rows.h"

#include <iterator>

namespace {

// The headings of step 7 feed the colour alternation with this grey; they show HeadingGreyColour.
constexpr Rgb kHeadingTint = pf::MakeRgb(200, 200, 200);

// Help texts of steps 1 to 3, by number (0 unused).
constexpr const char* kHelpA[] = {
    nullptr,
    /* 1 */
    "This field keeps track of each analysis in the order that you enter them. It will automatically assign "
    "a new number each time you start a new analysis.~~Time saver: Use an old analysis to help you record a "
    "new one. From the Start page, select REVIEW A PAST ANALYSIS to see a list of past analyses. Open the "
    "old analysis and save it as a new one by clicking the SAVE AS NEW icon. Be sure to make the necessary "
    "changes in each step so that you are documenting correct information for the new analysis.  ",
    /* 2 */
    "Give the intervention a name that is easily identified when you need to update or review it. This name "
    "will appear in the list when you click on the REVIEW A PAST ANALYSIS button.",
    /* 3 */ "There is unlimited space to describe the intervention here.",
    /* 4 */ "List the main expenses for this intervention.",
    /* 5 */
    "List all the work units where the change will be made (i.e. department, shift, work area, site, team, "
    "plant, building, etc.).",
    /* 6 */
    "Interventions can be aimed at one or more groups of workers. List all groups that will be affected by "
    "the intervention (e.g. front-line staff, administrative staff, supervisors, managers etc.).",
    /* 7 */ "List the workers affected by the intervention (e.g. full-time, part-time, temporary, etc.).",
    /* 8 */
    "Describe the changes you expect the intervention to have on the frequency or cost of incidents (e.g. a "
    "reduction in the number of musculoskeletal disorder incidents and absence time). Remember that "
    "incidents can include near misses and general sickness absences. ",
    /* 9 */
    "Describe the changes you expect the intervention to have on other important aspects of your "
    "organization, for example, productivity or staffing, client satisfaction, employee morale or perception "
    "of general health. Note that some of these items could be measured in both departments using staff or "
    "client surveys.",
    /* 10 */
    "The period of time should be long enough to capture several incidents in your workplace. The more "
    "incidents that are captured the more closely the analysis will reflect real changes caused by the "
    "intervention.",
    /* 11 */
    "Separating groups by occupation allows you to enter different wages and work hours for each group. This "
    "will contribute to a more accurate analysis.~~More than one occupational group may be affected by the "
    "intervention. This field keeps track of each occupational group in the order that you enter them. If "
    "you are entering hours and wages for more than one occupational group use the arrow button to choose a "
    "new occupational group number and enter the occupation of those workers. There may only be one "
    "occupational group in the intervention, in which case you may use the fields below to enter "
    "individuals’ wages and work hours.",
    /* 12 */ "This is a required field. Do not include vacation or holiday time.",
    /* 13 */
    "You only need to enter this if you expect changes in productivity as a result of the intervention (i.e. "
    "the intervention is expected to give greater output for the same number of work hours or the same "
    "output for fewer work hours). In Step 5: Productivity you will be able to enter the estimated change in "
    "productivity due to the intervention.~~Wages for each occupational group must be the same in the "
    "Intervention Department and Non-intervention Department. Add benefit expenses to the hourly rate. For "
    "example if the wage rate is $16.00/hr and benefit expenses are 10% enter $17.60/hr.",
    /* 14 */
    "This is a required field. Enter the total number of overtime hours worked by this occupational group.",
    /* 15 */
    "You only need to enter this if you expect changes in productivity as a result of the intervention (i.e. "
    "the intervention is expected to give greater output for the same number of work hours or the same "
    "output for fewer work hours). In Step 5: Productivity you will be able to enter the estimated change in "
    "productivity due to the intervention.~~Wages for each occupational group must be the same in the "
    "Intervention Department and Non-intervention Department. Add benefit expenses to the hourly rate. For "
    "example: if the overtime wage rate is $24.00/hr and benefit expenses are 10%, enter $26.40/hr.",
    /* 16 */
    "This retrieves data from the Incident Cost Calculator database. It has high accuracy because it is "
    "based on data collected for each incident. If you have not entered incidents for the Intervention "
    "Department and Non-intervention Department you may do so at anytime by clicking the INCIDENT CALCULATOR "
    "tab above. ~~To retrieve incidents for inclusion in this analysis choose from the categories below and "
    "click the button underneath to retrieve incidents matching the criteria specified. The software "
    "defaults to the dates you have entered in Step 2.",
    /* 17 */
    "This requires entry of aggregate incident information. It has lower accuracy because it is based on "
    "aggregate incident information rather than information entered into the Incident Cost Calculator each "
    "time an incident occurs.",
    /* 18 */
    "In this step data is retrieved from the Incident Cost Calculator database. If you have not entered "
    "incidents for the Intervention Department and Non-intervention Department you may do so at anytime by "
    "clicking the INCIDENT CALCULATOR tab above. ~~To retrieve incidents for inclusion in this analysis "
    "choose from the categories below and click the button underneath to retrieve incidents matching the "
    "criteria specified. The software defaults to the dates you have entered in Step 2.",
    /* 19 */
    "For this step of the analysis, data was retrieved from the Incident Cost Calculator database~~Incident "
    "data matching the specified dates and criteria may have changed since the last time this analysis was "
    "saved. The software does not automatically retrieve changes. If you wish to include new or changed "
    "incident data in this analysis click the Update button. If not, click the Dismiss button.  This "
    "reminder will appear every time you review an old analysis.",
    /* 20 */ "This date will default to the date you entered in Step 2.",
    /* 21 */
    "The software will retrieve incidents from the time period you indicated above. Choose which incident "
    "types you wish to include. It is possible to choose more than one.",
    /* 22 */
    "The software will retrieve incidents from the time period you indicated above. Choose which injuries or "
    "illnesses you wish to include. It is possible to choose more than one.",
    /* 23 */
    "The software will retrieve incidents from the time period you indicated above. Choose which affected "
    "body parts you wish to include. It is possible to choose more than one.",
    /* 24 */
    "The software will retrieve incidents from the time period you indicated above. Choose the incident "
    "cause or causes you wish to include. It is possible to choose more than one.",
    /* 25 */
    "The software will retrieve incidents from the time period you indicated above. Choose the occupational "
    "groups you wish to include. It is possible to choose more than one.",
    /* 26 */
    "The software will retrieve incidents from the time period you indicated above. Choose the category of "
    "worker you wish to include. It is possible to choose more than one.",
    /* 27 */
    "The software will retrieve incidents from the time period you indicated above. Choose the department, "
    "area, division, site, shift, or team you wish to include. It is possible to choose more than one.",
    /* 28 */
    "This is the total cost of all incidents included in this analysis. This includes the total indirect "
    "incident costs, absence costs and lost productivity costs during modified work. (The costs are taken "
    "from “Total” in Step 8: Summary Report of the Incident Cost Calculator for each incident.)  It does not "
    "include workers’ compensation claims costs, premiums or other insurance costs.",
    /* 29 */ "Enter total counts for the relevant incident type(s).",
    /* 30 */ "Enter total absence time for the relevant incident type(s).",
    /* 31 */
    "Enter the total wage value of time off work, including benefits, for the relevant incident type(s).",
    /* 32 */
    "Enter total wages paid by your workplace for time off work, including benefits, for the relevant "
    "incident type(s).",
    /* 33 */
    "Enter the total wages paid by short-term disability insurance for the relevant incident type(s).",
    /* 34 */
    "Enter the total wages paid by long-term disability insurance for the relevant incident type(s).",
    /* 35 */ "Enter the total modified work time in hours for the relevant incident type(s).",
    /* 36 */ "Enter the wage value of modified work time for the relevant incident type(s).",
    /* 37 */
    "Enter the estimated value of worker output during modified work, as a percentage, for the relevant "
    "incident type(s). For example, suppose a worker who normally packs material in a warehouse is still "
    "recovering from an arm injury. While the worker is on modified work, his manager estimates the value of "
    "that work at 75 per cent of the worker’s normal contribution.",
    /* 38 */
    "Enter the total WCB claims costs for the relevant incident types(s). These costs typically include "
    "wages paid by WCB to the worker, any WCB healthcare costs and administrative costs.",
    /* 39 */
    "Enter the average indirect cost for no-lost-time, near misses and other incidents. These can be "
    "estimated using your incident cost calculator. Alternatively, you may have a standard amount you use "
    "for such indirect costs.",
    /* 40 */
    "Enter the indirect cost multiplier for time loss incidents. This is used to estimate your indirect "
    "costs from the absent workers wage value of time off work. You can estimate this multiplier using your "
    "incident cost calculator. Alternatively, you may have a standard multiplier you use for such indirect "
    "costs.",
    /* 41 */
    "This is the total cost of all incidents included in this analysis. This includes the total indirect "
    "incident costs, absence costs and lost productivity costs during modified work.  It does not include "
    "workers’ compensation claims costs, premiums or other insurance costs.",
    /* 42 */
    "This is the average cost of all incidents included in this analysis. This includes the average indirect "
    "incident costs, absence costs and lost productivity costs during modified work. It does not include "
    "workers’ compensation claims costs, premiums or other insurance costs.",
};

// Help texts of steps 4 to 8, by number (0 unused).
constexpr const char* kHelpB[] = {
    nullptr,
    /* 1 */
    "Consider only increases or decreases in costs associated with the intervention. These may be one-time "
    "costs or ongoing costs associated with the intervention. If they are ongoing costs include only those "
    "that were incurred during the intervention period. Give increased costs a positive sign and decreased "
    "costs a negative sign.",
    /* 2 */
    "Consider increases or decreases in equipment or infrastructure costs associated with the intervention. "
    "If the equipment or infrastructure would have been purchased under normal circumstances consider only "
    "extra costs incurred due to the intervention. Give increased costs a positive sign and decreased costs "
    "a negative sign.~~Advanced: For big purchases you might consider spreading the cost of the equipment or "
    "infrastructure over a number of years (i.e. amortize the costs). This is done because the benefits of a "
    "purchase are also spread out over a number of years. If you do this include only the amount that will "
    "be accounted for by your organization during the intervention period of the analysis.~~Advanced: If "
    "your organization borrowed money for the equipment or infrastructure you should consider adding "
    "interest costs incurred during the intervention period to this amount.",
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
    "purchased specifically for the intervention.",
    /* 8 */
    "This includes all other costs associated with the intervention that are not listed elsewhere. Give "
    "increased costs a positive sign and decreased costs a negative sign.",
    /* 9 */
    "Consider time spent in training for the intervention; both start-up and ongoing training.  Consider "
    "also increases or decreases in the time spent on orientation training due to the intervention. Give "
    "increased costs a positive sign and decreased costs a negative sign.",
    /* 10 */
    "Consider time spent researching and planning the intervention, as well as other activities and meetings "
    "during the planning stage.",
    /* 11 */
    "Consider time spent promoting the intervention and any material costs incurred to inform workers of the "
    "intervention not included elsewhere.",
    /* 12 */
    "Consider time spent implementing or monitoring the intervention and other related ongoing activities. "
    "For interventions related to disability management do not include costs already entered in the incident "
    "calculator database (e.g. time managing claims or the return to work process). ",
    /* 13 */ "Consider any amount paid to consultants advising on or assisting with the intervention.",
    /* 14 */ "Consider any other external costs.",
    /* 15 */
    "Use this step only if you think the intervention had an effect on your organization’s productivity. In "
    "order for the software to calculate this, the wage rate for occupational groups must be entered in Step "
    "2: Labour costs.",
    /* 16 */ "Increases in productivity are given a positive sign and decreases a negative sign.",
    /* 17 */
    "Productivity changes are calculated from the wage costs entered in step 2 multiplied by your estimate "
    "percentage of productivity change entered above.",
    /* 18 */
    "Enter data in this step only if you think the intervention had an effect on your organization’s "
    "turnover costs.",
    /* 19 */
    "Do not include turnover costs directly associated with incidents that you included in this analysis "
    "(i.e. for each incident included in this analysis you may have already entered data in Step 5 of the "
    "Incident Cost Calculator, for example time to hire or train replacement workers after an incident). "
    "~~Do not include training costs associated with the intervention included in Step 4: Intervention Costs",
    /* 20 */
    "Do not include turnover costs directly associated with incidents included in this analysis (i.e. if you "
    "entered data in Step 5 of the Incident Cost Calculator on search costs to hire a replacement worker or "
    "other replacement costs after an incident do not enter it here).",
    /* 21 */
    "If there is a difference in the total hours worked in the Intervention Department and the "
    "Non-intervention Department the software adjusts the costs to the total hours worked in the "
    "Intervention Department.",
    /* 22 */ "The WCB assessment year is from October 1 to September 30, but simply enter the calendar year.",
    /* 23 */
    "Your organization may have one or more industry codes. The industry code pertaining to each incident is "
    "entered in Step 6 of the Incident Cost Calculator.",
    /* 24 */
    "This estimate is based on a simplified version of the WCB's rate model. This amount is based on savings "
    "only for the intervention time period. Savings will continue if your organization continues to have "
    "reduced claims costs. A negative result means a decrease in your premiums. A positive result means an "
    "increase.~~Notes on this calculation: If the total hours worked in the non-intervention and "
    "intervention departments are different the software adjusts the costs to the total hours worked by all "
    "groups in the intervention department.",
    /* 25 */ "Taken from Step 2 of this analysis.",
    /* 26 */ "Calculated from all groups entered in Step 2 of this analysis.",
    /* 27 */ "Taken from total labour costs for all groups in Step 4",
    /* 28 */ "Taken from incidents pulled into the analysis in Step 3",
    /* 29 */
    "This is calculated from absence time entered in Step 6 of the Incident Cost Calculator for each "
    "incident pulled into this analysis.",
    /* 30 */
    "This is calculated from modified work time entered in Step 6 of the Incident Cost Calculator for each "
    "incident pulled into this analysis.",
    /* 31 */ "The total work hours have been adjusted to the Intervention Department as stated above.",
    /* 32 */
    "Taken from total labour costs for all groups entered in Step 2. Intervention Department costs have been "
    "adjusted to reflect your estimated percent productivity change entered in Step 5. The labour costs in "
    "the Non-intervention Department have been adjusted to the hours worked in the Intervention Department.",
    /* 33 */
    "These costs are the total incident costs across all incidents pulled into this analysis. This includes "
    "the total indirect incident costs, absence costs and lost productivity costs during modified work. (The "
    "costs are taken from “Total” in Step 8: Summary Report of the Incident Cost Calculator for each "
    "incident.)  It does not include any increase or decrease in insurance costs, which are calculated "
    "below. The amount in the Non-intervention Department has been adjusted to the hours worked in the "
    "Intervention Department.",
    /* 34 */ "Taken from Step 4",
    /* 35 */ "Taken from Step 6",
    /* 36 */ "Taken from Step 7",
    /* 37 */
    "This is the change in all your costs between the two groups minus the intervention costs. If the number "
    "is positive your organization has realized a return on your investments over the time of the "
    "intervention.",
    /* 38 */
    "This is the number of months it would take for the intervention to pay for itself based on the savings "
    "realized since the beginning of the intervention.",
    /* 39 */
    "This is a ratio showing the monetary benefit realized in the Intervention Department for every dollar "
    "spent on the intervention ( i.e. how many dollars your firm got back for every dollar spent.) If the "
    "number is positive that means the intervention’s benefit was greater that your organization’s costs. "
    "Remember that this does not include non-monetary benefits such as improved morale, improved client "
    "relations and improved worker health not associated with productivity increases.",
    /* 40 */
    "If the total hours worked by the Intervention Department and Non-intervention Department are different, "
    "the amounts below are adjusted to the total hours worked in the Intervention Department. For example: "
    "If the total work time in the Non-intervention Department is 25,000 hours and the Intervention "
    "Department is 30,000 hours the amounts are multiplied by the fraction 30/25.",
};

// Step 1 (page 8): after the hidden UID field.
const AnalysisRow kStep1[] = {
    {43, 1, "Analysis number", nullptr, kKeepY, -1, "", "", -1, 360, 0, kHelpA[1]},
    {43, 2, "Intervention name", nullptr, kKeepY, -1, "", "", -1, 360, 0, kHelpA[2]},
    {10, 3, "Brief summary of the intervention", nullptr, kKeepY, -1, "", "", -1, 360, 0, kHelpA[3]},
    {10, 4, "Key expenditures", nullptr, kKeepY, -1, "", "", -1, 360, 0, kHelpA[4]},
    {10, 5, "Department in which change will be made", nullptr, kKeepY, -1, "", "", -1, 360, 0, kHelpA[5]},
    {10, 6, "Occupational groups that will be affected", nullptr, kKeepY, -1, "", "", -1, 360, 0, kHelpA[6]},
    {10, 7, "Category of workers affected", nullptr, kKeepY, -1, "", "", -1, 360, 0, kHelpA[7]},
    {20, 8, "Types of changes expected", nullptr, kKeepY, -1, "", "", -1, kNoHelp, 0, nullptr},
    {10, 9, "Injuries, illnesses or other incidents", nullptr, kKeepY, -1, "", "", -1, 360, 0, kHelpA[8]},
    {10, 10, "Other expected changes", nullptr, kKeepY, -1, "", "", -1, 360, 0, kHelpA[9]},
    {10, 11, "Department used as comparison", nullptr, kKeepY, -1, "", "", -1, kNoHelp, 0, nullptr},
};

// Step 2 (page 7): the intervention period and the group selector, in the row area.
const AnalysisRow kStep2Period[] = {
    {201, 2, "Start date of the intervention", &RowColourA, 0, -1, "", "", -1, 550, 0, kHelpA[10]},
    {201, 3, "End date of the intervention", nullptr, kKeepY, -1, "", "", -1, 550, 0, kHelpA[10]},
    {7, 4, "Occupational group number:", &HeadingGreyColour, kKeepY, -1, "", "", -1, 330, 0, kHelpA[11]},
};

// The figures of the occupational group shown, in the group area.
const AnalysisRow kStep2Group[] = {
    {1, 5, "Number of workers in this occupational group", nullptr, 0, -1, "", "", -1, kNoHelp, 0, nullptr},
    {3, 6, "Total regular hours worked by this occupational group during this period", nullptr, kKeepY, -1,
     "", "hours", 1, 550, 0, kHelpA[12]},
    {1, 7, "Regular wage rate per hour for this occupational group", nullptr, kKeepY, -1, "$", "/hour", -1,
     550, 0, kHelpA[13]},
    {1, 8, "Total overtime hours of work for this occupational group", nullptr, kKeepY, -1, "", "hours", 1,
     550, 0, kHelpA[14]},
    {1, 9, "Overtime wage rate per hour for this occupational group", &RowColourA, kKeepY, -1, "$", "/hour",
     -1, 550, 0, kHelpA[15]},
    {6, 17, "Total hours worked by this occupational group", &BlueGreyColour, kKeepY, -1, "", "hours", -1,
     kNoHelp, 0, nullptr},
    {6, 15, "Total paid labour cost for this occupational group", &BlueGreyColour, kKeepY, -1, "$", "", -1,
     kNoHelp, 0, nullptr},
    {6, 18, "Total hours worked by all occupational groups during this period", &BlueGreyColour, kKeepY, -1,
     "", "hours", -1, kNoHelp, 0, nullptr},
    {6, 16, "Total labour cost for all occupational groups", &BlueGreyColour, kKeepY, -1, "$", "", -1,
     kNoHelp, 0, nullptr},
};

// Step 3 (page 6), database approach: criteria, department lists, the gap the retrieve row fills, totals.
const AnalysisRow kStep3Database[] = {
    {182, 2, "Start date", nullptr, 0, -1, "", "", -1, 400, 0, kHelpA[20]},
    {182, 3, "End date", nullptr, kKeepY, -1, "", "", -1, 400, 0, kHelpA[20]},
    {17, 4, "Incident types", nullptr, kKeepY, -1, "", "", -1, 400, 0, kHelpA[21]},
    {44, 5, "Nature of injury/illness", nullptr, kKeepY, -1, "", "", -1, 400, 0, kHelpA[22]},
    {171, 9, "Body part affected", nullptr, kKeepY, -1, "", "", -1, 400, 0, kHelpA[23]},
    {172, 10, "Incident cause", nullptr, kKeepY, -1, "", "", -1, 400, 0, kHelpA[24]},
    {801, 7, "Occupational groups", nullptr, kKeepY, -1, "", "", -1, 400, 0, kHelpA[25]},
    {173, 14, "Category of worker", nullptr, kKeepY, -1, "", "", -1, 400, 0, kHelpA[26]},
    {802, 6, "", nullptr, kKeepY, -1, "", "", -1, kNoHelp, 0, nullptr},
    {80, 6, "Department", nullptr, kKeepY, -1, "", "", -1, 400, 0, kHelpA[27]},
    {100, 8, "", nullptr, kKeepY, -1, "", "", -1, kNoHelp, 0, nullptr},
    {47, 11, "Total number of incidents included", &BlueGreyColour, kKeepY, -1, "", "", -1, kNoHelp, 0,
     nullptr},
    {47, 12, "Total cost of all incidents included", &BlueGreyColour, kKeepY, -1, "$", "", -1, 400, 0,
     kHelpA[28]},
    {47, 13, "Average cost per incident", &BlueGreyColour, kKeepY, -1, "$", "", -1, kNoHelp, 0, nullptr},
};

// Built after the totals but placed into the gap below the department lists.
const AnalysisRow kStep3Retrieve[] = {
    {46, 8, "", nullptr, kKeepY, -1, "", "", -1, kNoHelp, 0, nullptr},
};

// Summary approach: the period, at the top of the summary panel.
const AnalysisRow kStep3SummaryDates[] = {
    {183, 18, "Start date of the intervention", nullptr, 0, -1, "", "", -1, kNoHelp, 0, nullptr},
    {183, 19, "End date of the intervention", nullptr, kKeepY, -1, "", "", -1, kNoHelp, 0, nullptr},
};

// The summary grid, in its own scroll area (the grid header is built apart: its dy is 30 units).
const AnalysisRow kStep3Grid[] = {
    {161, 20, "Total number of incidents", nullptr, 0, -1, "", "", -1, 220, 0, kHelpA[29]},
    {162, 21, "Total absence time (hours)", nullptr, kKeepY, -1, "", "", -1, 220, 0, kHelpA[30]},
    {164, 23, "Total wage value of time off work", nullptr, kKeepY, -1, "", "", -1, 220, 0, kHelpA[31]},
    {184, 24, "Total wages paid by your workplace for time off work", nullptr, kKeepY, -1, "", "", -1, 220, 0,
     kHelpA[32]},
    {164, 25, "Total wages paid by short-term disability", nullptr, kKeepY, -1, "", "", -1, 220, 0,
     kHelpA[33]},
    {164, 26, "Total wages paid by long-term disability", nullptr, kKeepY, -1, "", "", -1, 220, 0,
     kHelpA[34]},
    {163, 22, "Total modified work time (hours)", nullptr, kKeepY, -1, "", "", -1, 220, 0, kHelpA[35]},
    {185, 33, "Total wage value of modified work", nullptr, kKeepY, -1, "", "", -1, 220, 0, kHelpA[36]},
    {186, 39, "Estimated value of worker output during time on modfied work (percent)", nullptr, kKeepY, -1,
     "", "", -1, 220, 0, kHelpA[37]},
    {165, 27, "Total WCB claim costs", nullptr, kKeepY, -1, "", "", -1, 190, 0, kHelpA[38]},
    {165, 28, "", nullptr, kKeepY, -1, "", "", -1, kNoHelp, 0, nullptr},
    {165, 29, "", nullptr, kKeepY, -1, "", "", -1, kNoHelp, 0, nullptr},
    {165, 30, "", nullptr, kKeepY, -1, "", "", -1, kNoHelp, 0, nullptr},
    {165, 31, "", nullptr, kKeepY, -1, "", "", -1, kNoHelp, 0, nullptr},
    {165, 32, "", nullptr, kKeepY, -1, "", "", -1, kNoHelp, 0, nullptr},
    {166, 34, "Average indirect cost for each no-lost-time, near misses and other incidents", nullptr, kKeepY,
     -1, "", "", -1, 190, 0, kHelpA[39]},
    {167, 35, "Indirect costs multiplier for time loss incidents", nullptr, kKeepY, -1, "", "", -1, 190, 0,
     kHelpA[40]},
    {99, 36, "", nullptr, kKeepY, -1, "", "", -1, kNoHelp, 0, nullptr},
    {168, 36, "Total number of incidents included", &BlueGreyColour, kKeepY, -1, "", "", -1, kNoHelp, 0,
     nullptr},
    {169, 37, "Total cost of all incidents (includes both direct and indirect costs)", &BlueGreyColour,
     kKeepY, -1, "$", "", -1, 300, 0, kHelpA[41]},
    {169, 38, "Average cost per incident (includes both direct and indirect costs)", &BlueGreyColour, kKeepY,
     -1, "$", "", -1, 300, 0, kHelpA[42]},
};

// Step 4 (page 5).
const AnalysisRow kStep4[] = {
    {20, 2, "Equipment, material costs and operating costs", &HeadingGreyColour, 0, -1, "", "", -1, 400, 0,
     kHelpB[1]},
    {48, 3, "Equipment costs", nullptr, kKeepY, -1, "$", "", -1, 400, 0, kHelpB[2]},
    {48, 4, "Installation costs", nullptr, kKeepY, -1, "$", "", -1, 400, 0, kHelpB[3]},
    {48, 5, "Material costs", nullptr, kKeepY, -1, "$", "", -1, 400, 0, kHelpB[4]},
    {48, 6, "Energy costs", nullptr, kKeepY, -1, "$", "", -1, 400, 0, kHelpB[5]},
    {48, 7, "Maintenance costs", nullptr, kKeepY, -1, "$", "", -1, 400, 0, kHelpB[6]},
    {48, 8, "Disposal costs", nullptr, kKeepY, -1, "$", "", -1, 400, 0, kHelpB[7]},
    {48, 9, "Other costs", nullptr, kKeepY, -1, "$", "", -1, 400, 0, kHelpB[8]},
    {20, 10, "Intervention training costs", &HeadingGreyColour, kKeepY, -1, "", "", -1, kNoHelp, 0, nullptr},
    {48, 11, "Time spent training workers (trainer time)", nullptr, kKeepY, -1, "$", "", -1, 400, 0,
     kHelpB[9]},
    {48, 12, "Worker time spent in training (trainee time)", nullptr, kKeepY, -1, "$", "", -1, 400, 0,
     kHelpB[9]},
    {20, 13, "Intervention development costs", &HeadingGreyColour, kKeepY, -1, "", "", -1, kNoHelp, 0,
     nullptr},
    {48, 14, "Planning", nullptr, kKeepY, -1, "$", "", -1, 400, 0, kHelpB[10]},
    {48, 15, "Dissemination", nullptr, kKeepY, -1, "$", "", -1, 400, 0, kHelpB[11]},
    {48, 16, "Ongoing intervention activities", nullptr, kKeepY, -1, "$", "", -1, 400, 0, kHelpB[12]},
    {20, 17, "External costs", &HeadingGreyColour, kKeepY, -1, "", "", -1, kNoHelp, 0, nullptr},
    {48, 18, "Consulting", nullptr, kKeepY, -1, "$", "", -1, 400, 0, kHelpB[13]},
    {48, 19, "Other external costs", nullptr, kKeepY, -1, "$", "", -1, 400, 0, kHelpB[14]},
    {49, 20, "Total intervention costs", &BlueGreyColour, kKeepY, -1, "$", "", -1, kNoHelp, 0, nullptr},
};

// Step 5 (page 4): the one row, placed at y 420 of the step's scroll area.
const AnalysisRow kStep5[] = {
    {49, 3, "Estimated value of productivity changes in the Intervention Department", &BlueGreyColour, 420,
     -1, "$", "", 0, 660, 0, kHelpB[17]},
};

// Step 6 (page 3).
const AnalysisRow kStep6[] = {
    {51, 2,
     "What were the management, supervisory and human resource costs for recruitment and training of new "
     "workers associated with the Non-intervention and Intervention Departments?",
     nullptr, 0, -1, "$", "", -1, 550, 0, kHelpB[19]},
    {51, 3,
     "What were the other costs associated with turnover in the Non-intervention and Intervention "
     "Departments (e.g. advertising, fees && commissions)?",
     nullptr, kKeepY, -1, "$", "", -1, 550, 0, kHelpB[20]},
    {49, 5, "Change in turnover costs", &BlueGreyColour, kKeepY, -1, "$", "", -1, 550, 0, kHelpB[21]},
};

// Step 7 (page 2): the year, the industry code and the rule below them.
const AnalysisRow kStep7Top[] = {
    {20, 2, "Workers' compensation costs", &kHeadingTint, 0, -1, "", "", -1, kNoHelp, 0, nullptr},
    {89, 4, "Enter the calendar year in which you started the intervention:", nullptr, kKeepY, -1, "", "", -1,
     670, 0, kHelpB[22]},
    {90, 3, "This calculation includes incidents from this industry code:", nullptr, kKeepY, -1, "", "", -1,
     670, 0, kHelpB[23]},
    {99, 5, "", nullptr, kKeepY, -1, "", "", -1, kNoHelp, 0, nullptr},
};

// The claims block, the rate-model block, the premium changes and the disability rows.
const AnalysisRow kStep7Rest[] = {
    {100, 5, "", &OrangeColour, kKeepY, -1, "", "", 27, kNoHelp, 0, nullptr},
    {156, 6, "", &PageColour, kKeepY, -1, "", "", -1, kNoHelp, 0, nullptr},
    {157, 7, "", &PageColour, kKeepY, -1, "", "", -1, kNoHelp, 0, nullptr},
    {155, 8, "", &PageColour, kKeepY, -1, "", "", -1, kNoHelp, 0, nullptr},
    {100, 5, "", &HeadingGreyColour, kKeepY, -1, "", "", 27, kNoHelp, 0, nullptr},
    {91, 9, "", &PageColour, kKeepY, -1, "", "", -1, kNoHelp, 0, nullptr},
    {49, 24, "Estimated change in WCB premiums due to the intervention for this industry code:",
     &BlueGreyColour, kKeepY, -1, "$", "", -1, 670, 0, kHelpB[24]},
    {49, 25, "Estimated change in WCB premiums due to the intervention for all industry codes:",
     &BlueGreyColour, kKeepY, -1, "$", "", -1, 670, 0, kHelpB[24]},
    {100, 26, "", &HeadingGreyColour, kKeepY, -1, "", "", 27, kNoHelp, 0, nullptr},
    {20, 26, "Other insurance costs", &kHeadingTint, kKeepY, -1, "", "", -1, kNoHelp, 0, nullptr},
    {49, 26, "Change in short-term diability insurance costs", &BlueGreyColour, kKeepY, -1, "$", "", -1,
     kNoHelp, 0, nullptr},
    {49, 27, "Change in long-term diability insurance costs", &BlueGreyColour, kKeepY, -1, "$", "", -1,
     kNoHelp, 0, nullptr},
};

// Step 8 (page 1).
const AnalysisRow kStep8[] = {
    {36, 2, "Length of time period", &BlueGreyColour, 0, -1, "", "days", -1, 550, 0, kHelpB[25]},
    {99, 3, "", nullptr, kKeepY, -1, "", "", -1, kNoHelp, 0, nullptr},
    {36, 3, "Total work hours", &LightGreenColour, kKeepY, -1, "", "hours", -1, 550, 0, kHelpB[26]},
    {35, 24, "Total labour costs (Intervention Department adjusted for productivity changes)",
     &LightGreenColour, kKeepY, -1, "$", "", -1, 550, 0, kHelpB[27]},
    {99, 4, "", nullptr, kKeepY, -1, "", "", -1, kNoHelp, 0, nullptr},
    {36, 5, "Number of lost-time injuries/illnesses", &BlueGreyColour, kKeepY, -1, "", "", -1, 550, 0,
     kHelpB[28]},
    {36, 4, "Number of no-lost-time injuries/illnesses", &LightGreenColour, kKeepY, -1, "", "", -1, 550, 0,
     kHelpB[28]},
    {36, 21, "Number of general sickness absences", &BlueGreyColour, kKeepY, -1, "", "", -1, 550, 0,
     kHelpB[28]},
    {36, 22, "Number of near misses", &LightGreenColour, kKeepY, -1, "", "", -1, 550, 0, kHelpB[28]},
    {36, 23, "Number of other incidents", &BlueGreyColour, kKeepY, -1, "", "", -1, 550, 0, kHelpB[28]},
    {36, 6, "Absence time due to incidents", &LightGreenColour, kKeepY, -1, "", "hours", -1, 550, 0,
     kHelpB[29]},
    {36, 7, "Modified work time due to incidents", &BlueGreyColour, kKeepY, -1, "", "hours", -1, 550, 0,
     kHelpB[30]},
    {100, 9, "", nullptr, kKeepY, -1, "", "", 30, kNoHelp, 0, nullptr},
    {36, 10, "Total work hours", &BlueGreyColour, kKeepY, -1, "", "hours", -1, 550, 0, kHelpB[31]},
    {36, 11, "Total labour costs", &LightGreenColour, kKeepY, -1, "$", "", -1, 550, 0, kHelpB[32]},
    {36, 12, "Incident costs", &BlueGreyColour, kKeepY, -1, "$", "", -1, 550, 0, kHelpB[33]},
    {81, 13, "Intervention costs", &LightGreenColour, kKeepY, -1, "$", "", -1, 550, 0, kHelpB[34]},
    {81, 14, "Changes in turnover costs", &BlueGreyColour, kKeepY, -1, "$", "", -1, 550, 0, kHelpB[35]},
    {81, 15, "Change in workers' compensation insurance costs", &LightGreenColour, kKeepY, -1, "$", "", -1,
     550, 0, kHelpB[36]},
    {81, 16, "Change in short-term disability insurance costs", &BlueGreyColour, kKeepY, -1, "$", "", -1, 550,
     0, kHelpB[36]},
    {81, 17, "Change in long-term disability insurance costs", &LightGreenColour, kKeepY, -1, "$", "", -1,
     550, 0, kHelpB[36]},
    {99, 18, "", nullptr, kKeepY, -1, "", "", -1, kNoHelp, 0, nullptr},
    {85, 24, "", nullptr, kKeepY, -1, "", "", -1, kNoHelp, 0, nullptr},
    {86, 18, "Net return from the intervention", &MidBlueColour, kKeepY, -1, "$", "", -1, 550, 0, kHelpB[37]},
    {86, 19, "Payback period in months for the intervention", &MidBlueColour, kKeepY, -1, "", "months", -1,
     550, 0, kHelpB[38]},
    {86, 20, "Benefit to cost ratio", &MidBlueColour, kKeepY, -1, "", "", -1, 550, 0, kHelpB[39]},
};

// Built last, placed into the 30-unit gap between rows 7 and 10.
const AnalysisRow kStep8Heading[] = {
    {20, 9, "Work-time scaled comparison (scaled to the Intervention Department total work hours)",
     &BlueGreyColour, kKeepY, -1, "", "", -1, 670, 0, kHelpB[40]},
};

}  // namespace

const CGRowTables& CGRows() {
  static const CGRowTables tables{
      kStep1,     kStep2Period, kStep2Group, kStep3Database, kStep3Retrieve, kStep3SummaryDates,
      kStep3Grid, kStep4,       kStep5,      kStep6,         kStep7Top,      kStep7Rest,
      kStep8,     kStep8Heading};
  return tables;
}

const char* CGEarlyHelp(int number) {
  return number > 0 && number < int(std::size(kHelpA)) ? kHelpA[number] : nullptr;
}
const char* CGLateHelp(int number) {
  return number > 0 && number < int(std::size(kHelpB)) ? kHelpB[number] : nullptr;
}
