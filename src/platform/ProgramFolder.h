#pragma once

#include "DriveTable.h"

#include <QString>

namespace zv {

// The program path of the folder the program lives in (where the records, the
// notes file and Support are), given that folder's host path.
QString ProgramFolderPath(const DriveTable& drives, const QString& hostFolder);

} // namespace zv
