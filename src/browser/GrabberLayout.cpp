#include "GrabberLayout.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace zv {

namespace {

// Below this browser width the top row keeps its design places.
constexpr double kCentringWidth = 7750;
// The labels and lists side by side: Label1, 100, Combo1, 200, Label2, 100, Combo2.
constexpr double kListRowWidth = 10045;
constexpr double kGap = 100;

ControlPlace& Find(std::vector<ControlPlace>& places, const char* name)
{
    return *std::find_if(places.begin(), places.end(), [name](const ControlPlace& place) {
        return std::strcmp(place.name, name) == 0;
    });
}

} // namespace

int BrowserWidthPixels(int screenWidthPixels)
{
    if (screenWidthPixels > 800)
        return 800;
    if (screenWidthPixels > 640)
        return 640;
    // A screen under 100 pixels leaves no room at all, never a negative width.
    return std::max(0, screenWidthPixels - 100);
}

std::vector<ControlPlace> GrabberLayout(double screenWidthTwips, double screenHeightTwips,
                                        double twipsPerPixelX)
{
    std::vector<ControlPlace> places(std::begin(kGrabberDesign), std::end(kGrabberDesign));
    const int screenPixels = static_cast<int>(std::lround(screenWidthTwips / twipsPerPixelX));
    const ControlPlace& column = Find(places, "Image1");
    const double columnRight = column.left + column.width;

    ControlPlace& browser = Find(places, "WebBrowser1");
    browser.width = BrowserWidthPixels(screenPixels) * twipsPerPixelX;
    browser.left = columnRight + kGap;

    if (browser.width >= kCentringWidth) {
        double left = browser.left + (browser.width - kCentringWidth) / 2;
        for (const char* name : kNavigationButtons) {
            ControlPlace& button = Find(places, name);
            button.left = left;
            button.top = 225;
            left += button.width + kGap;
        }
        ControlPlace& label1 = Find(places, "Label1");
        ControlPlace& combo1 = Find(places, "Combo1");
        ControlPlace& label2 = Find(places, "Label2");
        ControlPlace& combo2 = Find(places, "Combo2");
        label1.left = std::max(browser.left + (browser.width - kListRowWidth) / 2, columnRight + 50);
        combo1.left = label1.left + label1.width + kGap;
        label2.left = combo1.left + combo1.width + 2 * kGap;
        combo2.left = label2.left + label2.width + kGap;
    }

    const double windowHeight = screenHeightTwips - 50;
    const ControlPlace& combo1 = Find(places, "Combo1");
    browser.top = combo1.top + combo1.height + kGap;
    browser.height = windowHeight - 2000;
    return places;
}

} // namespace zv
