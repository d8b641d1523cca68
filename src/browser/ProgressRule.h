#pragma once

#include <QtGlobal>

#include <optional>

namespace zv {

// The value the page-progress bar (0 to 100) takes for a progress event of progress out of
// maximum, or nothing when the bar keeps the value it has:
//   progress -1 (the load has ended)      -> 0
//   progress at or past the maximum       -> unchanged
//   otherwise                             -> progress * 100 / maximum, rounded down
// Rounding down keeps the bar short of full while the page is still loading. Events that fit
// no bar (a maximum of 0 or less, a negative progress other than -1) leave it unchanged, and
// the product is taken in 64 bits, so large byte counts cannot overflow.
std::optional<int> ProgressBarValue(qint32 progress, qint32 maximum);

} // namespace zv
