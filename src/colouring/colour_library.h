// The control-colouring library: custom text and face colours for push buttons and other controls.
#pragma once

void InitColourLibrary();
void EndColourLibrary();
