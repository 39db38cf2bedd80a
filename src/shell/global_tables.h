// The global tables that start-up creates: palette, fixed values, lists, category lists.
#pragma once

#include <string>
#include <vector>

#include "shell/shell_globals.h"

void AddCategory(std::vector<CategoryEntry>& list, const std::string& name, int code);
void SetColourPalette();
void CreateGlobalLists();
void BuildCategoryLists();
