// zorvane-support-gen OUTDIR: draws every picture of the Support table into OUTDIR.
// zorvane-support-gen --icons OUTDIR NAME: draws the program's icon as
// OUTDIR/<size>x<size>/apps/NAME.png in every size of the desktop's icon theme.

#include "SupportArtist.h"
#include "SupportPictures.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QStringList>

namespace {

// A picture dropped from the table would otherwise linger in the build's Support folder and
// hide a window that still asks for it.
void RemoveStalePictures(const QDir& folder)
{
    const QStringList present = folder.entryList({QStringLiteral("*.bmp")}, QDir::Files);
    for (const QString& name : present) {
        if (zv::FindSupportPicture(name) == nullptr && !QFile::remove(folder.filePath(name)))
            qWarning().noquote() << "cannot remove stale picture" << folder.filePath(name);
    }
}

int DrawAll(const QDir& folder)
{
    int failures = 0;
    for (const zv::SupportPicture& picture : zv::SupportPictures()) {
        const QString path = folder.filePath(picture.name);
        if (!zv::DrawSupportPicture(picture).save(path, "BMP")) {
            qCritical().noquote() << "cannot write" << path;
            ++failures;
        }
    }
    return failures;
}

int DrawIcons(const QDir& folder, const QString& name)
{
    int failures = 0;
    for (const int size : zv::ProgramIconSizes) {
        const QString sub = QStringLiteral("%1x%1/apps").arg(size);
        const QString path =
            folder.filePath(sub + QLatin1Char('/') + name + QStringLiteral(".png"));
        if (!folder.mkpath(sub) || !zv::DrawProgramIcon(size).save(path, "PNG")) {
            qCritical().noquote() << "cannot write" << path;
            ++failures;
        }
    }
    return failures;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() == 4 && arguments.at(1) == QLatin1String("--icons"))
        return DrawIcons(QDir(arguments.at(2)), arguments.at(3)) == 0 ? 0 : 1;
    if (arguments.size() != 2) {
        qCritical("usage: zorvane-support-gen OUTDIR | zorvane-support-gen --icons OUTDIR NAME");
        return 2;
    }
    const QDir folder(arguments.at(1));
    if (!folder.mkpath(QStringLiteral("."))) {
        qCritical().noquote() << "cannot create" << folder.path();
        return 1;
    }
    RemoveStalePictures(folder);
    return DrawAll(folder) == 0 ? 0 : 1;
}
