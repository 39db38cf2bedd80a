#include "colouring/colour_library.h"

void InitColourLibrary() {}
void EndColourLibrary() {}
