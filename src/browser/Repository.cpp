#include "Repository.h"

namespace zv {

const QString& RepositoryBase()
{
    static const QString base = QStringLiteral(ZV_REPOSITORY_BASE);
    return base;
}

} // namespace zv
