#pragma once

#include "ProgramState.h"
#include "Services.h"

#include <QStringList>

namespace zv {

// Moves stray RMTH3 maps from their fixed wrong places into the RMTH3 maps
// folder, and writes the Support pictures of the known stock maps beside
// them, per game when its repair flag is set. Shows nothing; every step
// that fails is skipped. A stray map whose copy fails stays where it is,
// its preview with it.
void RepairMaps(const ProgramState& state, const Services& services);

// The names of the Support pictures the repair copies, each once.
QStringList RepairSupportPictures();

} // namespace zv
