#include "FailureTexts.h"

#include "platform/Failure.h"

namespace zv {

QString NumberCommaDescription(const Failure& failure)
{
    return QString::number(failure.number()) + QStringLiteral(", ") + failure.description();
}

QString NumberColonDescription(const Failure& failure)
{
    return QString::number(failure.number()) + QStringLiteral(": ") + failure.description();
}

QString ErrorNumberDescription(const Failure& failure)
{
    return QStringLiteral("Error: ") + QString::number(failure.number()) + QStringLiteral(". ") +
           failure.description();
}

QString DescriptionCommaNumber(const Failure& failure)
{
    return failure.description() + QStringLiteral(", ") + QString::number(failure.number());
}

} // namespace zv
