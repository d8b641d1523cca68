// A real self-extracting map package, built here with NSIS, started from the installer through
// Wine: it must leave its map in the prefix's maps folder. The prefix is created by this run of
// Wine (once, some seconds); no display is needed for a silent package.

#include "WindowHarness.h"
#include "WineProcesses.h"

#include "installer/Install.h"
#include "platform/QtServices.h"
#include "widgets/FileLists.h"
#include "widgets/ImageButton.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <gtest/gtest.h>

namespace zv {
namespace {

const QByteArray kMap = "map data of Creek";
const QByteArray kPreview = "BM preview of Creek";
const QString kMapsFolder = QStringLiteral("C:\\Games\\Wild Wings\\Home\\Maps");

bool Runs(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    return process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
}

// Map packages are 32-bit Windows programs. Where this host cannot run 32-bit programs at all
// (a kernel without 32-bit support), the same package is built for 64-bit Windows and run by
// Wine's 64-bit loader, so the installer's way through Wine is still tested.
struct WineTarget {
    QString nsisTarget;
    QString loader; // for WINELOADER; empty: the installer's own choice
};

std::optional<WineTarget> ChooseWineTarget(QString& why)
{
    const QString wine = QStandardPaths::findExecutable(QStringLiteral("wine"));
    if (wine.isEmpty()) {
        why = QStringLiteral("wine is not installed (scripts/deps.sh installs it)");
        return std::nullopt;
    }
    if (Runs(wine, {QStringLiteral("--version")}))
        return WineTarget{QStringLiteral("x86-unicode"), QString()};
    for (const QString& loader : {QStringLiteral("/usr/lib/wine/wine64"),
                                  QStandardPaths::findExecutable(QStringLiteral("wine64"))}) {
        if (!loader.isEmpty() && Runs(loader, {QStringLiteral("--version")}))
            return WineTarget{QStringLiteral("amd64-unicode"), loader};
    }
    why = QStringLiteral("neither 32-bit nor 64-bit Wine runs on this host");
    return std::nullopt;
}

QString PackageScript(const QString& target)
{
    return QStringLiteral(
               "Target %1\n"
               "Name \"Creek\"\n"
               "OutFile \"CreekPack.exe\"\n"
               "SilentInstall silent\n"
               "RequestExecutionLevel user\n"
               "InstallDir \"%2\"\n"
               "Section\n"
               "  SetOutPath \"$INSTDIR\"\n"
               "  File \"Creek.gmx\"\n"
               "  File \"Creek.bmp\"\n"
               "SectionEnd\n")
        .arg(target, kMapsFolder);
}

void Write(const QString& path, const QByteArray& content)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(content);
}

class WinePackage : public ::testing::Test {
protected:
    ~WinePackage() override { test::EndWineIn(harness.prefix.prefix()); }

    // The harness only keeps a reference to the launcher, which is built on the harness's files.
    test::WindowHarness harness{launcher};
    QtLauncher launcher{harness.services.hostFiles, harness.services.table};
};

TEST_F(WinePackage, StartedFromTheInstallerItLeavesItsMapInTheMapsFolder)
{
    QString why;
    const auto target = ChooseWineTarget(why);
    ASSERT_TRUE(target) << why.toStdString();
    const QString makensis = QStandardPaths::findExecutable(QStringLiteral("makensis"));
    ASSERT_FALSE(makensis.isEmpty()) << "makensis is not installed (scripts/deps.sh installs nsis)";

    QTemporaryDir build;
    Write(build.filePath(QStringLiteral("Creek.gmx")), kMap);
    Write(build.filePath(QStringLiteral("Creek.bmp")), kPreview);
    Write(build.filePath(QStringLiteral("pack.nsi")), PackageScript(target->nsisTarget).toUtf8());
    QProcess nsis;
    nsis.setWorkingDirectory(build.path());
    nsis.start(makensis, {QStringLiteral("-V2"), QStringLiteral("pack.nsi")});
    ASSERT_TRUE(nsis.waitForFinished(60000) && nsis.exitCode() == 0) << nsis.readAll().toStdString();
    QFile package(build.filePath(QStringLiteral("CreekPack.exe")));
    ASSERT_TRUE(package.open(QIODevice::ReadOnly));
    harness.prefix.file(QStringLiteral("C:\\Downloads\\CreekPack.exe"), package.readAll());

    qputenv("WINEDEBUG", "-all");
    qputenv("WINEDLLOVERRIDES", "mscoree,mshtml=");
    if (!target->loader.isEmpty())
        qputenv("WINELOADER", QFile::encodeName(target->loader));

    harness.forms.addBuilder(QStringLiteral("Install"), [this] { return new Install(harness.context); });
    QWidget* window = harness.forms.load(QStringLiteral("Install"));
    window->show();
    auto* drives = window->findChild<DriveListBox*>(QStringLiteral("Drive1"));
    drives->setCurrentIndex(drives->findText(QStringLiteral("c:")));
    emit drives->activated(drives->currentIndex());
    auto* folders = window->findChild<DirListBox*>(QStringLiteral("Dir1"));
    const QPoint downloads =
        folders->visualItemRect(folders->findItems(QStringLiteral("Downloads"), Qt::MatchExactly).first()).center();
    QTest::mouseClick(folders->viewport(), Qt::LeftButton, {}, downloads);
    QTest::mouseDClick(folders->viewport(), Qt::LeftButton, {}, downloads);
    auto* files = window->findChild<FileListBox*>(QStringLiteral("File1"));
    ASSERT_EQ(files->names(), QStringList{QStringLiteral("CreekPack.exe")});
    QTest::mouseClick(files->viewport(), Qt::LeftButton, {}, files->visualItemRect(files->item(0)).center());
    QTest::mouseClick(window->findChild<ImageButton*>(QStringLiteral("Image2")), Qt::LeftButton);

    EXPECT_EQ(window->findChild<QLabel*>(QStringLiteral("Label3"))->text(), QString());
    EXPECT_EQ(window->findChild<QLineEdit*>(QStringLiteral("Text1"))->text(), QString());
    EXPECT_TRUE(harness.messages.shown.isEmpty()) << harness.messages.shown.join('\n').toStdString();

    // The preview is unpacked last.
    const QString preview = kMapsFolder + QStringLiteral("\\Creek.bmp");
    QElapsedTimer waited;
    waited.start();
    while (harness.prefix.content(preview) != kPreview && waited.elapsed() < 240000) {
        QCoreApplication::processEvents();
        QThread::msleep(100);
    }
    EXPECT_EQ(harness.prefix.content(preview), kPreview) << "after " << waited.elapsed() / 1000 << " s";
    EXPECT_EQ(harness.prefix.content(kMapsFolder + QStringLiteral("\\Creek.gmx")), kMap);
}

} // namespace
} // namespace zv
