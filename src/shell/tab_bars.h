// The three tab bars, drawn as pictures. Indices count from the right: 1 is the rightmost tab.
#pragma once

void LayoutTopTabs();    // once, at start-up, inside the top bar
void CreateLowerTabs();  // the blank second and third tabs, inside the orange strip

void SelectTopTab(int tab);
void SelectSecondTab(int tab);
void SelectThirdTab(int tab);
void BuildSecondTabBar(int top);
void BuildThirdTabBar(int second);

void HoverTopTab(int tab);
void UnhoverTopTab(int tab);
void HoverSecondTab(int tab);
void UnhoverSecondTab(int tab);
void HoverThirdTab(int tab);
void UnhoverThirdTab(int tab);
