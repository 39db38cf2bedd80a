// The help texts of the Before & After worksheet rows, by page and row ("~" breaks a line). Kept exactly
// as the users read them, slips included.
#pragma once

// Step 1.
inline constexpr const char* kBAHelp8_1 =
    "This field keeps track of each analysis in the order that you enter them. It will automatically assign "
    "a new number each time you start a new analysis.~~Time saver: Use an old analysis to help you record a "
    "new one. From the Start page, select REVIEW A PAST ANALYSIS to see a list of past analyses. Open the "
    "old analysis and save it as a new one by clicking the SAVE AS NEW icon. Be sure to make the necessary "
    "changes in each step so that you are documenting correct information for the new analysis.  ";
inline constexpr const char* kBAHelp8_2 =
    "Give the intervention a name that is easily identified when you need to update or review it. This name "
    "will appear in the list when you click on the REVIEW A PAST ANALYSIS button.";
inline constexpr const char* kBAHelp8_3 = "There is unlimited space to describe the intervention here. ";
inline constexpr const char* kBAHelp8_4 = "List the main expenses for this intervention.";
inline constexpr const char* kBAHelp8_5 =
    "List all the work units where the change will be made, i.e. department, work area, site, building, etc.";
inline constexpr const char* kBAHelp8_6 =
    "Interventions can be aimed at one or more groups of workers. List all groups that will be affected by "
    "the intervention (e.g. front-line staff, administrative staff, supervisors, managers etc.).";
inline constexpr const char* kBAHelp8_7 =
    "List the workers affected by the intervention (e.g. full-time, part-time, temporary, etc.).";
inline constexpr const char* kBAHelp8_9 =
    "Describe the changes you expect the intervention to have on the frequency or cost of incidents (e.g. a "
    "reduction in the number of musculoskeletal disorder incidents and absence time). Remember that "
    "incidents can include near misses and general sickness absences. ";
inline constexpr const char* kBAHelp8_10 =
    "Describe the changes you expect the intervention to have on other important aspects of your "
    "organization, for example, productivity or staffing, client satisfaction, employee morale or perception "
    "of general health. Note that some of these items could be measured before and after the intervention "
    "using staff or client surveys.";
// Step 2.
inline constexpr const char* kBAHelp7_2 =
    "The duration of the After period can be different from the duration of the Before period; the software "
    "will adjust the periods for the summary results. The Before and After periods should be long enough to "
    "capture several incidents in your workplace. The more incidents that are captured the more closely the "
    "analysis will reflect real changes caused by the intervention. ";
inline constexpr const char* kBAHelp7_3 =
    "The duration of the After period can be different from the duration of the Before period; the software "
    "will adjust the periods for the summary results The Before and After periods should be long enough to "
    "capture several incidents in your workplace. The more incidents that are captured the more closely the "
    "analysis will reflect real changes caused by the intervention. ";
inline constexpr const char* kBAHelp7_4 =
    "Separating groups by occupation allows you to enter different wages and work hours for each group. This "
    "will contribute to a more accurate analysis.  ~~More than one occupational group may be affected by the "
    "intervention. This field keeps track of each group in the order that you enter them. If you are "
    "entering hours and wages for more than one group use the arrow button to choose a new occupational "
    "group number and enter the occupation of those workers. There may only be one group in the "
    "intervention, in which case you may use the fields below to enter individuals’ wages and work hours.";
inline constexpr const char* kBAHelp7_5 =
    "Separating groups by occupation allows you to enter different wages and work hours for each group. This "
    "will contribute to a more accurate analysis.";
inline constexpr const char* kBAHelp7_6 =
    "This is a required field. Do not include vacation or holiday time.";
inline constexpr const char* kBAHelp7_7 =
    "You only need to enter this if you expect changes in productivity as a result of the intervention (i.e. "
    "the intervention is expected to give greater output for the same number of work hours or the same "
    "output for fewer work hours). In Step 5: Productivity you will be able to enter the estimated change in "
    "productivity due to the intervention. ~~Wages for each occupational group must be the same in the "
    "before and after periods. For example, if the wage rate is $16.00/hr and benefit expenses are 10% enter "
    "$17.60/hr.  ";
inline constexpr const char* kBAHelp7_8 =
    "This is a required field. Enter the total number of overtime hours worked by this occupational group.\t";
inline constexpr const char* kBAHelp7_9 =
    "You only need to enter this if you expect changes in productivity as a result of the intervention (i.e. "
    "the intervention is expected to give greater output for the same number of work hours or the same "
    "output for fewer work hours). In Step 5: Productivity you will be able to enter the estimated change in "
    "productivity due to the intervention.~~Wages for each occupational group must be the same in the before "
    "and after periods. Add benefit expenses to the hourly rate. For example, if the overtime wage rate is "
    "$24.00/hr and benefit expenses are 10% enter $26.40/hr.";
// Step 3.
inline constexpr const char* kBAHelp6_2_3 = "These dates will default to the dates you entered in Step 2.";
inline constexpr const char* kBAHelp6_4 =
    "The software will retrieve incidents from the time period you indicated above. Choose which incident "
    "types you wish to include. It is possible to choose more than one.";
inline constexpr const char* kBAHelp6_5 =
    "The software will retrieve incidents from the time period you indicated above. Choose which injuries or "
    "illnesses you wish to include. It is possible to choose more than one.";
inline constexpr const char* kBAHelp6_9 =
    "The software will retrieve incidents from the time period you indicated above. Choose which affected "
    "body parts you wish to include. It is possible to choose more than one.";
inline constexpr const char* kBAHelp6_10 =
    "The software will retrieve incidents from the time period you indicated above. Choose the incident "
    "cause or causes you wish to include. It is possible to choose more than one.";
inline constexpr const char* kBAHelp6_7 =
    "The software will retrieve incidents from the time period you indicated above. Choose the occupational "
    "groups you wish to include. It is possible to choose more than one.";
inline constexpr const char* kBAHelp6_14 =
    "The software will retrieve incidents from the time period you indicated above. Choose the category of "
    "worker you wish to include. It is possible to choose more than one. ";
inline constexpr const char* kBAHelp6_6 =
    "The software will retrieve incidents from the time period you indicated above. Choose the department, "
    "area, division, site, shift, or team you wish to include. It is possible to choose more than one. ";
inline constexpr const char* kBAHelp6_12 =
    "This is the total cost of all incidents included in this analysis. This includes the total indirect "
    "incident costs, absence costs and lost productivity costs during modified work. (The costs are taken "
    "from “Total” in Step 8: Summary Report of the Incident Cost Calculator for each incident.)  It does not "
    "include workers’ compensation claims costs, premiums or other insurance costs.";
inline constexpr const char* kBAHelp6_20 = "Enter total counts for the relevant incident type(s).";
inline constexpr const char* kBAHelp6_21 = "Enter total absence time for the relevant incident type(s). ";
inline constexpr const char* kBAHelp6_23 =
    "Enter the total wage value of time off work, including benefits, for the relevant incident type(s). ";
inline constexpr const char* kBAHelp6_24 =
    "Enter total wages paid by your workplace for time off work, including benefits, for the relevant "
    "incident type(s).";
inline constexpr const char* kBAHelp6_25 =
    "Enter the total wages paid by short-term disability insurance for the relevant incident type(s). ";
inline constexpr const char* kBAHelp6_26 =
    "Enter the total wages paid by long-term disability insurance for the relevant incident type(s). ";
inline constexpr const char* kBAHelp6_22 =
    "Enter the total modified work time in hours for the relevant incident type(s). ";
inline constexpr const char* kBAHelp6_33 =
    "Enter the wage value of modified work time for the relevant incident type(s). ";
inline constexpr const char* kBAHelp6_39 =
    "Enter the estimated value of worker output during modified work, as a percentage, for the relevant "
    "incident type(s). For example, suppose a worker who normally packs material in a warehouse is still "
    "recovering from an arm injury. While the worker is on modified work, his manager estimates the value of "
    "that work at 75 per cent of the worker’s normal contribution.";
inline constexpr const char* kBAHelp6_27 =
    "Enter the total WCB claims costs for the relevant incident types(s). These costs typically include "
    "wages paid by WCB to the worker, any WCB healthcare costs and administrative costs. ";
inline constexpr const char* kBAHelp6_34 =
    "Enter the average indirect cost for no-lost-time, near misses and other incidents. These can be "
    "estimated using your incident cost calculator. Alternatively, you may have a standard amount you use "
    "for such indirect costs.";
inline constexpr const char* kBAHelp6_35 =
    "Enter the indirect cost multiplier for time loss incidents. This is used to estimate your indirect "
    "costs from the absent workers wage value of time off work. You can estimate this multiplier using your "
    "incident cost calculator. Alternatively, you may have a standard multiplier you use for such indirect "
    "costs.";
inline constexpr const char* kBAHelp6_37 =
    "This is the total cost of all incidents included in this analysis. This includes the total indirect "
    "incident costs, absence costs and lost productivity costs during modified work.  It does not include "
    "workers’ compensation claims costs, premiums or other insurance costs.";
inline constexpr const char* kBAHelp6_38 =
    "This is the average cost of all incidents included in this analysis. This includes the average indirect "
    "incident costs, absence costs and lost productivity costs during modified work. It does not include "
    "workers’ compensation claims costs, premiums or other insurance costs.";
// Step 4.
inline constexpr const char* kBAHelp5_2 =
    "Consider only increases or decreases in costs associated with the intervention. These may be one-time "
    "costs or ongoing costs associated with the intervention. If they are ongoing costs include only those "
    "that will be incurred during the after period. Give increased costs a positive sign and decreased costs "
    "a negative sign.";
inline constexpr const char* kBAHelp5_3 =
    "Consider increases or decreases in equipment or infrastructure costs associated with the intervention. "
    "If the equipment or infrastructure would have been purchased under normal circumstances consider only "
    "extra costs incurred due to the intervention. Give increased costs a positive sign and decreased costs "
    "a negative sign.~~Advanced: For big purchases you might consider spreading the cost of the equipment or "
    "infrastructure over a number of years (i.e. amortize the costs). This is done because the benefits of a "
    "purchase are also spread out over a number of years. If you do this include only the amount that will "
    "be accounted for by your organization during the after period of the analysis.~~Advanced: If your "
    "organization borrowed money for the equipment or infrastructure you should consider adding interest "
    "costs incurred during the after period to this amount.";
inline constexpr const char* kBAHelp5_4 =
    "Consider the cost of installing equipment for the intervention or setting up infrastructure or "
    "materials. Give increased costs a positive sign and decreased costs a negative sign.";
inline constexpr const char* kBAHelp5_5 =
    "Consider increases or decreases in material costs associated with the intervention. Give increased "
    "costs a positive sign and decreased costs a negative sign.";
inline constexpr const char* kBAHelp5_6 =
    "Consider only increases or decreases in energy costs associated with the intervention (e.g. costs due "
    "to energy consumption of equipment that is acquired or eliminated).  Give increased costs a positive "
    "sign and decreased costs a negative sign.";
inline constexpr const char* kBAHelp5_7 =
    "This includes changes in ongoing costs associated with maintaining equipment associated with the "
    "intervention or other aspects of the intervention. Give increased costs a positive sign and decreased "
    "costs a negative sign.";
inline constexpr const char* kBAHelp5_8 =
    "This includes costs associated with the disposal of old equipment that was replaced by new equipment "
    "purchased specifically for the intervention. ";
inline constexpr const char* kBAHelp5_9 =
    "This includes all other costs associated with the intervention that are not listed elsewhere. Give "
    "increased costs a positive sign and decreased costs a negative sign.";
inline constexpr const char* kBAHelp5_11_12 =
    "Consider time spent in training for the intervention; both start-up and ongoing training.  Consider "
    "also increases or decreases in the time spent on orientation training due to the intervention. Give "
    "increased costs a positive sign and decreased costs a negative sign.";
inline constexpr const char* kBAHelp5_14 =
    "Consider time spent researching and planning the intervention, as well as other activities and meetings "
    "during the planning stage. ";
inline constexpr const char* kBAHelp5_15 =
    "Consider time spent promoting the intervention and any material costs incurred to inform workers of the "
    "intervention not included elsewhere.";
inline constexpr const char* kBAHelp5_16 =
    "Consider time spent implementing or monitoring the intervention and other related ongoing activities. "
    "For interventions related to disability management do not include costs already entered in the incident "
    "calculator database (e.g. time managing claims or the return to work process). ";
inline constexpr const char* kBAHelp5_18 =
    "Consider any amount paid to consultants advising on or assisting with the intervention. \t\t "
    "\t\t\t\t\t\t\t";
inline constexpr const char* kBAHelp5_19 = "Consider any other external costs.";
// Step 5.
inline constexpr const char* kBAHelp4_3 =
    "Productivity changes are calculated from the wage costs entered in step 2 multiplied by your estimate "
    "percentage of productivity change entered above.";
// Step 6.
inline constexpr const char* kBAHelp3_2 =
    "Do not include turnover costs directly associated with incidents that you included in this analysis "
    "(i.e. for each incident included in this analysis you may have already entered data in Step 5 of the "
    "Incident Cost Calculator, for example time to hire or train replacement workers after an incident). "
    "~~Do not include training costs associated with the intervention included in Step 4: Intervention Costs";
inline constexpr const char* kBAHelp3_3 =
    "Do not include turnover costs directly associated with incidents included in this analysis (i.e. if you "
    "entered data in Step 5 of the Incident Cost Calculator on search costs to hire a replacement worker or "
    "other replacement costs after an incident do not enter it here).";
inline constexpr const char* kBAHelp3_5 =
    "If the total hours worked in before period and after period are different the software adjusts the "
    "costs to the total hours worked by all groups in the after period. ";
// Step 7.
inline constexpr const char* kBAHelp2_4 =
    "The WCB assessment year is from October 1 to September 30, but simply enter the calendar year in which "
    "you started the intervention.";
inline constexpr const char* kBAHelp2_3 =
    "Your organization may have one or more industry codes. The industry code pertaining to each incident is "
    "entered in Step 6 of the Incident Cost Calculator.";
inline constexpr const char* kBAHelp2_24 =
    "This estimate is based on a simplified version of the WCB's rate model. This amount is based on WCB "
    "savings only for the intervention time period. Savings will continue if your organization continues to "
    "have reduced claims costs. A negative result means a decrease in your premiums. A positive result means "
    "an increase.~~Notes on this calculation: If the total hours worked in the before period and after "
    "period are different the software adjusts the costs to the total hours worked by all groups in the "
    "after period.";
inline constexpr const char* kBAHelp2_25 =
    "This estimate is based on a simplified version of the WCB's rate model. This amount is based on WCB "
    "savings only for the intervention time period. Savings will continue if your organization continues to "
    "have reduced claims costs. A negative result means a decrease in your premiums. A positive result means "
    "an increase. ~~Notes on this calculation: If the total hours worked in the before period and after "
    "period are different the software adjusts the costs to the total hours worked by all groups in the "
    "after period.";
// Step 8.
inline constexpr const char* kBAHelp1_2 = "Taken from Step 2 of this analysis.";
inline constexpr const char* kBAHelp1_3 = "Calculated from all groups entered in Step 2 of this analysis.";
inline constexpr const char* kBAHelp1_8 = "Taken from total labour costs for all groups in Step 4";
inline constexpr const char* kBAHelp1_5_4_21_22_23 =
    "Taken from incidents pulled into the analysis in Step 3";
inline constexpr const char* kBAHelp1_6 =
    "This is calculated from absence time entered in Step 6 of the Incident Cost Calculator for each "
    "incident pulled into this analysis.";
inline constexpr const char* kBAHelp1_7 =
    "This is calculated from modified work time entered in Step 6 of the Incident Cost Calculator for each "
    "incident pulled into this analysis.";
inline constexpr const char* kBAHelp1_10 =
    "The total work hours have been adjusted to the After time period as stated above.";
inline constexpr const char* kBAHelp1_11 =
    "The After period costs have been adjusted to reflect your estimated percent productivity change entered "
    "in Step 5. The labour costs in the Before period have been adjusted to the hours worked in the After "
    "period.";
inline constexpr const char* kBAHelp1_12 =
    "These costs are the total incident costs across all incidents pulled into this analysis. This includes "
    "the total indirect incident costs, absence costs and lost productivity costs during modified work. (The "
    "costs are taken from “Total” in Step 8: Summary Report of the Incident Cost Calculator for each "
    "incident.)  It does not include any increase or decrease in insurance costs, which are calculated "
    "below. The amount in the Before period has been adjusted to the hours worked in the After time period.";
inline constexpr const char* kBAHelp1_13 = "Taken from Step 4";
inline constexpr const char* kBAHelp1_14 = "Taken from Step 6";
inline constexpr const char* kBAHelp1_15_16_17 = "Taken from Step 7";
inline constexpr const char* kBAHelp1_18 =
    "This is the change in all your costs between the two time periods minus the intervention costs. If the "
    "number is positive your organization has realized a return on your investments over the time of the "
    "intervention.";
inline constexpr const char* kBAHelp1_19 =
    "This is the number of months it would take for the intervention to pay for itself based on the savings "
    "realized since the beginning of the After period.";
inline constexpr const char* kBAHelp1_20 =
    "This is a ratio showing the monetary benefit realized in the After period for every dollar spent on the "
    "intervention. i.e. how many dollars your firm got back for every dollar spent. If the number is "
    "negative that means your firm’s costs were greater than the intervention’s benefit. Remember that this "
    "does not include non-monetary benefits such as improved morale, improved client relations and improved "
    "worker health not associated with productivity increases.";
inline constexpr const char* kBAHelp1_9 =
    "If the total hours worked by the group in the Before and After time periods are different, the amounts "
    "below are adjusted to the total hours worked in the After time period. For example: If the total work "
    "time in the Before period is 25,000 hours and the After period is 30,000 hours the amounts are "
    "multiplied by the fraction 30/25.";
