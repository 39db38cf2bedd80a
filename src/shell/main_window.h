// The main window, the design grid's scale values, the fonts and the permanent frame of the interface.
#pragma once

inline constexpr const char* kMainWindowTitle = "Zevova & Dududu Quillmark Derorere - Draft Version 1.25";

void OpenMainWindow();
void ScaleImages();
void ResizeMainArea();
