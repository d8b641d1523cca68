#pragma once

#include "SupportPictures.h"

#include <QImage>

namespace zv {

// Draws one Support picture at exactly its table size, in the look of its kind. The result
// depends only on the entry, so a rebuild produces the same files.
QImage DrawSupportPicture(const SupportPicture& picture);

// The program's icon for the desktop's menus, size x size pixels with a transparent corner.
QImage DrawProgramIcon(int size);

// The icon sizes a desktop theme (hicolor) is given.
inline constexpr int ProgramIconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256, 512};

} // namespace zv
