// The departments and occupations that stored incidents name, offered wherever a user picks one: the
// incident's step 1, the analyses' step-3 criteria and the summary's criteria.
#pragma once

#include <string>
#include <vector>

// A control's items after the stored texts are offered in it: its own first items, the stored texts in
// their order, then the items it held besides (the texts of saves since). Nothing is listed twice.
std::vector<std::string> MergedChoices(const std::vector<std::string>& items, int ownItems,
                                       const std::vector<std::string>& stored);

// Offers the stored departments and occupations in the controls of a record kind, keeping what the user
// has chosen or typed there. When another program holds the file the kind's controls stay as they are,
// the user is told (once in the command) and they are filled again once they are next shown.
void FillIncidentChoices(int kind);

// Fills again the kinds' choices that missed their fill: those on screen, or those of the kind given
// (a record about to be put into its worksheet, whose chosen texts need their items).
void RefillShownIncidentChoices();
void RefillIncidentChoicesOf(int kind);
