#include "SupportImages.h"

#include "FileSystem.h"

namespace zv {

QString SupportImages::pathOf(const QString& name) const
{
    return m_programFolder + QStringLiteral("\\Support\\") + name;
}

QPixmap SupportImages::load(const QString& name) const
{
    QPixmap picture;
    picture.loadFromData(m_files.readFile(pathOf(name)));
    return picture;
}

} // namespace zv
