#pragma once

#include <QString>

namespace zv {

class Failure;

// The layouts in which the windows show a failure to the user.
QString NumberCommaDescription(const Failure& failure); // "71, Disk not ready"
QString NumberColonDescription(const Failure& failure); // "71: Disk not ready"
QString ErrorNumberDescription(const Failure& failure); // "Error: 71. Disk not ready"
QString DescriptionCommaNumber(const Failure& failure); // "Disk not ready, 71"

} // namespace zv
