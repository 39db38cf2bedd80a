// The 1024 x 708 design grid: every position and size is a design value scaled to the window that the
// program got at start-up.
#pragma once

struct LayoutScale {
  double scaleX = 1.0, scaleY = 1.0, scaleMin = 1.0, fontScale = 1.0, homeScale = 1.0;
};

// From the maximised client size and the screen's vertical dpi. `scaleMin` is capped at 1.0 after the
// font and home scales were taken from it.
LayoutScale ComputeLayoutScale(int clientWidth, int clientHeight, int dpiY);

// Nearest whole number, a half going to the even neighbour.
int RoundHalfEven(double value);

// Design x/width and y/height to pixels with the current ScaleX / ScaleY.
int DX(double design);
int DY(double design);

// Point size of a numbered font at the given font scale: truncated below 1.0, rounded otherwise.
int ScaledFontPoints(int points, double fontScale);
// The default control font (8 points) has its own rule: truncated up to 1.0, rounded up above.
int DefaultFontPoints(double fontScale);
