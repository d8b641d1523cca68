#pragma once

#include "SupportPictures.h"

#include <QImage>

namespace zv {

// Draws one Support picture at exactly its table size, in the look of its kind. The result
// depends only on the entry, so a rebuild produces the same files.
QImage DrawSupportPicture(const SupportPicture& picture);

} // namespace zv
