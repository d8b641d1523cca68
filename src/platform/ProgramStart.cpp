#include "ProgramStart.h"

#include "Failure.h"

#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace zv {

namespace {

// Every Windows program file starts with the two letters "MZ".
bool HasWindowsProgramHeader(QFile& file)
{
    return file.read(2) == QByteArrayLiteral("MZ");
}

} // namespace

bool IsWindowsProgramName(const QString& fileName)
{
    return fileName.endsWith(QStringLiteral(".exe"), Qt::CaseInsensitive);
}

ProgramStart PlanProgramStart(const QString& hostPath, const QString& winePrefix,
                              const QString& wineLoader)
{
    const QFileInfo info(hostPath);
    if (!info.exists() || info.isDir())
        throw Failure(FailureNumber::FileNotFound);
    const QString folder = info.absolutePath();

    if (IsWindowsProgramName(info.fileName())) {
        QFile file(hostPath);
        if (!file.open(QIODevice::ReadOnly))
            throw Failure(FailureNumber::PermissionDenied);
        if (!HasWindowsProgramHeader(file))
            throw Failure(FailureNumber::InvalidArgument,
                          QStringLiteral("The file is not a Windows program"));
        if (wineLoader.isEmpty())
            throw Failure(FailureNumber::FileNotFound,
                          QStringLiteral("Wine, which runs Windows programs, is not installed"));
        return {wineLoader, {info.absoluteFilePath()}, folder, winePrefix};
    }

    if (!info.isExecutable())
        throw Failure(FailureNumber::InvalidArgument,
                      QStringLiteral("The file is not a program that can be run"));
    return {info.absoluteFilePath(), {}, folder, QString()};
}

QString FindWineLoader()
{
    const QString named = qEnvironmentVariable("WINELOADER");
    if (!named.isEmpty())
        return named;
    return QStandardPaths::findExecutable(QStringLiteral("wine"));
}

} // namespace zv
