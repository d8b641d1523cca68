#include "MapRepair.h"

namespace zv {

void RepairMaps(const ProgramState&, const Services&)
{
}

} // namespace zv
