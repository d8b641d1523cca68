#include "app/Program.h"

#include "core/Locator.h"
#include "platform/Drives.h"
#include "platform/DownloadFolder.h"
#include "platform/DriveTable.h"
#include "platform/HostFileSystem.h"
#include "platform/PrefixFinder.h"
#include "platform/ProgramFolder.h"
#include "platform/QtServices.h"

#include <QApplication>

#include <cstdio>

namespace {

void TellUser(const QString& line)
{
    std::fprintf(stderr, "%s\n", line.toLocal8Bit().constData());
}

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zorvane 2.0"));
    QApplication::setApplicationVersion(QStringLiteral("2.00"));
    QGuiApplication::setDesktopFileName(QStringLiteral(ZV_APPLICATION_ID));

    const zv::UserEnvironment environment = zv::UserEnvironment::OfProcess();
    const zv::PrefixChoice prefix =
        zv::ChooseWinePrefix(environment, {zv::ExecutableOf(QStringLiteral("BHWWE")),
                                           zv::ExecutableOf(QStringLiteral("RMTH3"))});
    TellUser(prefix.line());
    const zv::ProgramHostFolder programFolder =
        zv::PrepareProgramFolder(QApplication::applicationDirPath(), environment);
    for (const QString& problem : programFolder.problems)
        TellUser(problem);

    const zv::DriveTable drives = zv::DriveTable::FromWinePrefix(prefix.prefix);
    zv::HostFileSystem files(drives);
    zv::HostDrives hostDrives(drives);
    zv::ResponsiveDrives responsiveDrives(hostDrives);
    zv::QtPointer pointer;
    zv::QtEventPump events;
    zv::QtAddressOpener addresses;
    zv::QtLauncher launcher(files, drives);
    zv::QtScreen screen;
    zv::Program* program = nullptr;
    zv::QtMessageBoxes messages([&]() -> QWidget* {
        return program ? program->window(QStringLiteral("MDIForm1")) : nullptr;
    });

    zv::Program run({files, responsiveDrives, pointer, events, messages, addresses, launcher,
                     screen, zv::ProgramFolderPath(drives, programFolder.folder),
                     [] { QCoreApplication::exit(0); }});
    program = &run;
    const QString downloads = zv::UserDownloadFolder();
    run.browserSetup().downloads = {downloads, zv::ProgramFolderPath(drives, downloads)};
    run.StartProgram();
    return application.exec();
}
