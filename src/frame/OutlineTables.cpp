#include "frame/OutlineTables.h"

#include <algorithm>

// clang-format off
// The tables keep the layout of the skin artist's drawings: an x line, then a y line, per
// polygon; the n-th x goes with the n-th y.

namespace zv {

namespace {
constexpr CombineMode Union = CombineMode::Union;
constexpr CombineMode Difference = CombineMode::Difference;
} // namespace

const OutlineSpec& ConsoleOutline()
{
    static const OutlineSpec outline{{
        Polygon({36, 188, 216, 250, 287, 315, 343, 389, 421, 453, 465, 620, 630, 634, 634, 635,
                 629, 629, 634, 634, 632, 624, 623, 24, 24, 16, 11, 11, 19, 19, 11, 11, 15, 23, 31},
                {29, 29, 20, 13, 8, 6, 6, 10, 16, 25, 29, 29, 30, 34, 50, 101,
                 108, 292, 298, 345, 352, 356, 562, 562, 358, 357, 351, 297, 287, 112, 105, 44, 37,
                 30, 29}),
        Rectangle(634, 61, 641, 116, Difference),
    }};
    return outline;
}

const OutlineSpec& SelectionOutline()
{
    static const OutlineSpec outline{{
        Rectangle(122, 1, 280, 168),
        Rectangle(0, 167, 400, 352, Union),
    }};
    return outline;
}

const OutlineSpec& ManagerOutline()
{
    static const OutlineSpec outline{{
        Polygon({6, 6, 12, 20, 30, 180, 225, 289, 317, 332, 378, 420, 454, 459, 609, 619, 623, 624,
                 623, 619, 606, 498, 498, 134, 134, 21, 11, 5},
                {106, 51, 42, 38, 37, 37, 23, 15, 13, 13, 17, 26, 36, 37, 37, 38, 44, 50,
                 354, 359, 360, 360, 567, 567, 361, 361, 361, 357}),
        Rectangle(5, 52, 58, 337, Union),
        Rectangle(600, 47, 624, 353, Union),
    }};
    return outline;
}

const OutlineSpec& SmallToolOutline()
{
    static const OutlineSpec outline{{
        Polygon({21, 342, 352, 360, 362, 362, 360, 354, 349, 25, 13, 8, 5, 5, 7, 12, 20, 22, 24},
                {7, 7, 11, 19, 29, 164, 171, 178, 180, 180, 178, 173, 165, 23, 17, 12, 7, 7, 7}),
    }};
    return outline;
}

const OutlineSpec& InstallerOutline()
{
    static const OutlineSpec outline{{
        Polygon({10, 4, 3, 7, 12, 19, 475, 483, 489, 491, 491, 487, 481, 472, 460, 447, 301, 240,
                 22, 12, 7},
                {45, 55, 362, 372, 378, 383, 383, 377, 369, 360, 53, 43, 36, 33, 32, 30, 30, 8,
                 8, 11, 19}),
        Rectangle(7, 19, 21, 74, Union),
        Rectangle(410, 30, 466, 63, Union),
        Rectangle(462, 31, 471, 47, Union),
        Rectangle(466, 32, 474, 49, Union),
        Rectangle(486, 52, 493, 362, Union),
        Rectangle(1, 55, 8, 366, Union),
        Polygon({1, 3, 9, 9, 4},
                {56, 50, 47, 53, 59}, Union),
        Polygon({0, 2, 8, 16, 21, 14, 7},
                {363, 374, 382, 382, 371, 364, 364}, Union),
        Polygon({474, 483, 488, 492, 490, 476, 471, 471},
                {382, 380, 374, 365, 360, 360, 367, 381}, Union),
        Polygon({484, 494, 476},
                {358, 359, 350}, Union),
        Polygon({492, 492, 488},
                {356, 363, 363}, Union),
        Polygon({489, 489, 492, 492},
                {358, 367, 367, 359}, Union),
        Polygon({492, 490, 486, 478, 467, 459, 474},
                {53, 43, 37, 31, 30, 36, 56}, Union),
    }};
    return outline;
}

const OutlineSpec& InformationOutline()
{
    static const OutlineSpec outline{{
        Polygon({8, 9, 12, 12, 16, 21, 27, 624, 635, 639, 639, 644, 646, 644, 63, 34, 20, 11, 8},
                {67, 53, 47, 19, 12, 9, 7, 7, 10, 16, 47, 51, 59, 478, 493, 493, 489, 478, 466}),
        Polygon({31, 637, 643, 640, 631, 622, 35, 26, 20},
                {486, 465, 478, 486, 491, 494, 494, 494, 488}, Union),
        Rectangle(644, 0, 662, 402, Difference),
        Polygon({639, 645, 647, 642},
                {47, 59, 50, 44}, Difference),
    }};
    return outline;
}

const std::vector<ShapedWindowInfo>& ShapedWindows()
{
    static const std::vector<ShapedWindowInfo> windows{
        //  window         client area   skin picture  outline                drag rule
        {u"MapMain",    {641, 562}, {650, 700}, ConsoleOutline(),     DragVariant::Standard},
        {u"Startup",    {400, 352}, {400, 352}, SelectionOutline(),   DragVariant::Standard},
        {u"MapManager", {624, 567}, {650, 600}, ManagerOutline(),     DragVariant::Standard},
        {u"FindMaps",   {362, 180}, {368, 188}, SmallToolOutline(),   DragVariant::Standard},
        {u"ListMaps",   {362, 180}, {368, 188}, SmallToolOutline(),   DragVariant::FoundFilesList},
        {u"Install",    {494, 383}, {500, 394}, InstallerOutline(),   DragVariant::Standard},
        {u"Help1",      {662, 494}, {650, 500}, InformationOutline(), DragVariant::Standard},
        {u"Help2",      {662, 494}, {650, 500}, InformationOutline(), DragVariant::Standard},
        {u"Help3",      {662, 494}, {650, 500}, InformationOutline(), DragVariant::Standard},
    };
    return windows;
}
// clang-format on

const ShapedWindowInfo* FindShapedWindow(QStringView name)
{
    const auto& windows = ShapedWindows();
    const auto found = std::find_if(windows.begin(), windows.end(),
                                    [name](const ShapedWindowInfo& w) { return w.name == name; });
    return found == windows.end() ? nullptr : &*found;
}

const OutlineSpec* OutlineFor(QStringView name)
{
    const ShapedWindowInfo* window = FindShapedWindow(name);
    return window ? &window->outline : nullptr;
}

} // namespace zv
