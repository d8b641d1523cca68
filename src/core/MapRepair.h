#pragma once

#include "ProgramState.h"
#include "Services.h"

namespace zv {

// Moves stray RMTH3 maps from their fixed wrong places into the RMTH3 maps
// folder, and writes the Support pictures of the known stock maps beside
// them, per game when its repair flag is set. Shows nothing; every step
// that fails is skipped.
void RepairMaps(const ProgramState& state, const Services& services);

} // namespace zv
