// The workplace name above every page: stored in the record file when the user leaves its field. A name
// the file could not take stays pending until a command finds the file free, and at the latest the
// program's end stores it or asks the user about it.
#pragma once

// Stores the field's text. A failure is told once in its command and leaves the name pending.
void StoreCompanyName();

// Tries a pending name again without waiting for the file, while the user is not in the field.
void RetryUnstoredCompanyName();

// Before the program ends: stores what the field holds when it has the focus or a name is pending. When
// the file does not take it the user chooses: try again, end without it, or keep the program open (false).
bool CompanyNameStoredBeforeExit();
