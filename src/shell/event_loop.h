// The single event loop: one turn per event, in a fixed order.
#pragma once

#include "platform/platform.h"

// The event being handled (its origin tells user edits from the program's own writes).
inline pf::Event CurrentEvent;

void HandleEvent(const pf::Event& event);

// Judges pastes into numeric fields by the same rules as typing.
void InstallPasteRule();

// The record kind of the worksheet on screen (1 incident, 2-4 analyses, 5 summary), or 0.
int WorksheetKindOnScreen();
