#include "ProgressRule.h"

namespace zv {

std::optional<int> ProgressBarValue(qint32 progress, qint32 maximum)
{
    if (progress == -1)
        return 0;
    if (progress >= maximum || progress < 0 || maximum <= 0)
        return std::nullopt;
    return static_cast<int>(qint64(progress) * 100 / maximum);
}

} // namespace zv
