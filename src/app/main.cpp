#include "app/Program.h"

#include "platform/Drives.h"
#include "platform/DriveTable.h"
#include "platform/HostFileSystem.h"
#include "platform/ProgramFolder.h"
#include "platform/QtServices.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zorvane 2.0"));
    QApplication::setApplicationVersion(QStringLiteral("2.00"));

    const zv::DriveTable drives = zv::DriveTable::FromWinePrefix(zv::DriveTable::DefaultPrefix());
    zv::HostFileSystem files(drives);
    zv::HostDrives hostDrives(drives);
    zv::ResponsiveDrives responsiveDrives(hostDrives);
    zv::QtPointer pointer;
    zv::QtEventPump events;
    zv::QtAddressOpener addresses;
    zv::QtLauncher launcher(files, drives);
    zv::QtScreen screen;
    zv::Program* program = nullptr;
    zv::QtMessageBoxes messages([&]() -> QWidget* { return program ? program->window(QStringLiteral("MDIForm1")) : nullptr; });

    zv::Program run({files, responsiveDrives, pointer, events, messages, addresses, launcher, screen,
                     zv::ProgramFolderPath(drives, QApplication::applicationDirPath()),
                     [] { QCoreApplication::exit(0); }});
    program = &run;
    run.StartProgram();
    return application.exec();
}
