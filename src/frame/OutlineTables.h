#pragma once

#include "frame/DragWindow.h"
#include "frame/Outline.h"

#include <QSize>
#include <QStringView>

#include <vector>

namespace zv {

// The outlines of the painted skins, in design pixels.
const OutlineSpec& ConsoleOutline();     // MapMain
const OutlineSpec& SelectionOutline();   // Startup
const OutlineSpec& ManagerOutline();     // MapManager
const OutlineSpec& SmallToolOutline();   // FindMaps, ListMaps
const OutlineSpec& InstallerOutline();   // Install
const OutlineSpec& InformationOutline(); // Help1, Help2, Help3

// One skinned window: its client area and skin picture in pixels, its outline and how a drag
// of its body is clamped.
struct ShapedWindowInfo {
    QStringView name;
    QSize clientArea;
    QSize skinPicture;
    const OutlineSpec& outline;
    DragVariant drag;
};

// Every skinned window of the program.
const std::vector<ShapedWindowInfo>& ShapedWindows();

// The entry of the named window ("MapMain", "Help2", ...), or nullptr for a window that is not
// skinned. Names compare exactly.
const ShapedWindowInfo* FindShapedWindow(QStringView name);

// The outline of the named window, or nullptr for a window that is not skinned.
const OutlineSpec* OutlineFor(QStringView name);

} // namespace zv
