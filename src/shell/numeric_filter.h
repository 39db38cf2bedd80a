// What a numeric field accepts: digits, one ".", at most two digits after the point when typing after it,
// and "-" only at the start. Judged by the character typed, so symbols on shifted digit keys and other
// keyboard layouts cannot slip through; pasted text is judged as a whole.
#pragma once

#include <string>

// `typed` is the text a key press would insert ("" for keys that insert nothing); `selStart` is the start
// of the field's selection (the caret).
bool NumericCharacterAllowed(const std::string& fieldText, int selStart, const std::string& typed);

// Whether replacing the selection [selStart, selEnd) of `fieldText` by `pasted` leaves a valid number text.
bool NumericPasteAllowed(const std::string& fieldText, int selStart, int selEnd, const std::string& pasted);

// The back colours that make a single-line field numeric.
bool IsNumericFieldColour(long long backColour);
