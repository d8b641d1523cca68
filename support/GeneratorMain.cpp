// zorvane-support-gen OUTDIR: draws every picture of the Support table into OUTDIR.

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

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() != 2) {
        qCritical("usage: zorvane-support-gen OUTDIR");
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
