#pragma once

#include <QString>

#include <vector>

namespace zv {

// A control's place in the download browser window, in twips from the window's top-left corner.
struct ControlPlace {
    const char* name;
    double left;
    double top;
    double width;
    double height;
};

// The window's design placement, laid out like the design table.
// clang-format off
inline constexpr ControlPlace kGrabberDesign[] = {
    // control        left    top  width height
    {"ProgressBar1",   120,    75, 1380,    75},
    {"Command2",      1695,   225, 1450,   400}, // Back
    {"Command3",      3262,   225, 1450,   400}, // Forward
    {"Command7",      4829,   225, 1450,   400}, // Stop
    {"Command6",      6396,   225, 1450,   400}, // Refresh
    {"Command8",      7965,   225, 1450,   400}, // Install
    {"Label1",        1740,   870, 1785,   300},
    {"Combo1",        3630,   855, 2700,   345},
    {"Label2",        7170,   870, 2460,   300},
    {"Combo2",        9690,   855, 2700,   345},
    {"WebBrowser1",   1725,  1350, 8340,  7710},
    {"Image1",         105,   225, 1410,   420},
    {"Image2",         105,   720, 1410,   705},
    {"Image3",         105,  1485, 1410,   705},
    {"Image4",         105,  2235, 1410,   705},
    {"Image5",         105,  2985, 1410,   705},
    {"Image6",         105,  3735, 1410,   705},
    {"Image7",         105,  4500, 1410,   705},
    {"Image8",         105,  5250, 1410,   705},
    {"Image9",         105,  6000, 1410,   705},
    {"Image10",        105,  6750, 1410,   705},
    {"Image11",        105,  7515, 1410,   705},
    {"File1",         1710,  9180, 1260,   315},
    {"File2",         3060,  9180, 1260,   315},
};
// clang-format on

// The navigation buttons from left to right: Back, Forward, Stop, Refresh, Install.
inline constexpr const char* kNavigationButtons[] = {"Command2", "Command3", "Command7",
                                                     "Command6", "Command8"};

// The browser's width in pixels for a screen of that width: 800 on screens wider than 800,
// 640 on screens 641 to 800 wide, else the screen less 100 (and never less than 0).
int BrowserWidthPixels(int screenWidthPixels);

// The window's opening layout: every control of the design table, with the browser placed and
// sized for the screen and, when the browser is at least 7750 twips wide, the navigation row,
// the labels and the lists centred over it. The screen is given in twips, with the display's
// twips per pixel across.
std::vector<ControlPlace> GrabberLayout(double screenWidthTwips, double screenHeightTwips,
                                        double twipsPerPixelX);

} // namespace zv
