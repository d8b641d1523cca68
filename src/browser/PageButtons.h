#pragma once

#include <QString>

#include <cstdint>

namespace zv {

// One button of the game sets: its pictures and page for each game.
struct PageButtonRow {
    int button; // K of ImageK
    const char* bhwweOff;
    const char* bhwweOn;
    const char* bhwwePage;
    const char* rmth3Off;
    const char* rmth3On;
    const char* rmth3Page;
};

// clang-format off
inline constexpr PageButtonRow kGameSets[] = {
    {2,  "DoveOff.bmp",           "DoveOn.bmp",           "/archive/Zorvane/BHWWE/dove.html",
         "BearOff.bmp",           "BearOn.bmp",           "/archive/Zorvane/RMTH3/bear.html"},
    {3,  "DuckOff.bmp",           "DuckOn.bmp",           "/archive/Zorvane/BHWWE/duck.html",
         "CaribouOff.bmp",        "CaribouOn.bmp",        "/archive/Zorvane/RMTH3/caribou.html"},
    {4,  "GooseOff.bmp",          "GooseOn.bmp",          "/archive/Zorvane/BHWWE/goose.html",
         "CougarOff.bmp",         "CougarOn.bmp",         "/archive/Zorvane/RMTH3/cougar.html"},
    {5,  "GrouseOff.bmp",         "GrouseOn.bmp",         "/archive/Zorvane/BHWWE/grouse.html",
         "ElkOff.bmp",            "ElkOn.bmp",            "/archive/Zorvane/RMTH3/elk.html"},
    {6,  "PheasantOff.bmp",       "PheasantOn.bmp",       "/archive/Zorvane/BHWWE/pheasant.html",
         "GoatOff.bmp",           "GoatOn.bmp",           "/archive/Zorvane/RMTH3/goat.html"},
    {7,  "PrairieChickenOff.bmp", "PrairieChickenOn.bmp", "/archive/Zorvane/BHWWE/prairiechicken.html",
         "MooseOff.bmp",          "MooseOn.bmp",          "/archive/Zorvane/RMTH3/moose.html"},
    {8,  "QuailOff.bmp",          "QuailOn.bmp",          "/archive/Zorvane/BHWWE/quail.html",
         "PronghornOff.bmp",      "PronghornOn.bmp",      "/archive/Zorvane/RMTH3/pronghorn.html"},
    {9,  "TurkeyOff.bmp",         "TurkeyOn.bmp",         "/archive/Zorvane/BHWWE/turkey.html",
         "SheepOff.bmp",          "SheepOn.bmp",          "/archive/Zorvane/RMTH3/sheep.html"},
    {10, "WoodcockOff.bmp",       "WoodcockOn.bmp",       "/archive/Zorvane/BHWWE/woodcock.html",
         "WolfOff.bmp",           "WolfOn.bmp",           "/archive/Zorvane/RMTH3/wolf.html"},
    {11, "UnusualOff.bmp",        "UnusualOn.bmp",        "/archive/Zorvane/BHWWE/unusualBHWWE.html",
         "UnusualOff.bmp",        "UnusualOn.bmp",        "/archive/Zorvane/RMTH3/unusualRMTH3.html"},
};
// clang-format on

// The main-page set: Image1 to Image3 keep whether they react; the rest are blank and do not.
struct MainPageButton {
    int button;
    const char* picture; // nullptr: no picture
    bool disabled;
};

// clang-format off
inline constexpr MainPageButton kMainPageSet[] = {
    {1,  "MainPageOn.bmp", false},
    {2,  "BHWWEOff.bmp",   false},
    {3,  "RMTH3Off.bmp",   false},
    {4,  nullptr,          true},
    {5,  nullptr,          true},
    {6,  nullptr,          true},
    {7,  nullptr,          true},
    {8,  nullptr,          true},
    {9,  nullptr,          true},
    {10, nullptr,          true},
    {11, nullptr,          true},
};
// clang-format on

inline constexpr const char* kMainPageOn = "MainPageOn.bmp";
inline constexpr const char* kMainPageOff = "MainPageOff.bmp";
inline constexpr int kPageButtonCount = 11;

// What the column needs from the window that shows it.
class PageButtonView {
public:
    virtual ~PageButtonView() = default;
    // An empty name shows no picture.
    virtual void setButtonPicture(int button, const QString& picture) = 0;
    virtual void setButtonEnabled(int button, bool enabled) = 0;
    // Opens the repository page at path.
    virtual void openPage(const QString& path) = 0;
};

// The column of page buttons: which set it shows and which game's pages its buttons open.
class PageButtonColumn {
public:
    explicit PageButtonColumn(PageButtonView& view) : m_view(view) {}

    // 1: the main-page set; 2: a game set.
    std::int16_t ButtonMode = 1;
    // The game whose set was chosen last; empty until the first choice.
    QString ButtonGame;

    void ShowMainPageButtons();
    void ShowGameButtons(const QString& game);

    // The index page and the main-page set.
    void Image1_Click();
    // Button 2 or 3 on the main-page set chooses a game; otherwise a species page opens.
    void Image_Click(int button);

private:
    PageButtonView& m_view;
};

} // namespace zv
