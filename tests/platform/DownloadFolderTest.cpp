#include "platform/BrowserEngine.h"
#include "platform/DownloadFolder.h"
#include "platform/Failure.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace zv {
namespace {

TEST(FreeFileName, NumbersATakenNameBeforeItsExtension)
{
    const struct {
        const char* name;
        std::vector<const char*> taken;
        const char* chosen;
    } cases[] = {
        {"Marsh.exe", {}, "Marsh.exe"},
        {"Marsh.exe", {"Marsh.exe"}, "Marsh (1).exe"},
        {"Marsh.exe", {"Marsh.exe", "Marsh (1).exe", "Marsh (2).exe"}, "Marsh (3).exe"},
        {"maps.tar.gz", {"maps.tar.gz"}, "maps.tar (1).gz"},
        {"README", {"README"}, "README (1)"},
        {".profile", {".profile"}, ".profile (1)"},
        // Only the exact name counts as taken.
        {"Marsh.exe", {"marsh.EXE"}, "Marsh.exe"},
    };
    for (const auto& c : cases) {
        QSet<QString> taken;
        for (const char* name : c.taken)
            taken.insert(QString::fromLatin1(name));
        EXPECT_EQ(FreeFileName(QString::fromLatin1(c.name),
                               [&](const QString& candidate) { return taken.contains(candidate); }),
                  QString::fromLatin1(c.chosen))
            << c.name;
    }
}

class DownloadFolderTest : public ::testing::Test {
protected:
    QTemporaryDir temporary;
    QString at(const QString& name) const { return temporary.filePath(name); }
    static void write(const QString& path, const QByteArray& bytes)
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
};

TEST_F(DownloadFolderTest, MakesAMissingFolderAndKeepsEveryFileThere)
{
    const DownloadFolder folder{at(QStringLiteral("new/Downloads")), QStringLiteral("C:\\Downloads")};
    EXPECT_EQ(folder.placeFor(QStringLiteral("Marsh.exe")), at(QStringLiteral("new/Downloads/Marsh.exe")));
    EXPECT_TRUE(QDir(at(QStringLiteral("new/Downloads"))).exists());

    write(at(QStringLiteral("new/Downloads/Marsh.exe")), "first");
    // A download still on its way holds its name too.
    write(at(QStringLiteral("new/Downloads/Marsh (1).exe.download")), "part");
    EXPECT_EQ(folder.placeFor(QStringLiteral("Marsh.exe")),
              at(QStringLiteral("new/Downloads/Marsh (2).exe")));
}

TEST_F(DownloadFolderTest, ANameFromThePageNeverLeavesTheFolder)
{
    const DownloadFolder folder{at(QStringLiteral("Downloads")), QString()};
    const struct {
        const char* suggested;
        const char* saved;
    } cases[] = {
        {"../../etc/passwd", "passwd"},
        {"..\\..\\Marsh.exe", "Marsh.exe"},
        {"..", "download"},
        {"", "download"},
        {"  Ridge.exe  ", "Ridge.exe"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(folder.placeFor(QString::fromLatin1(c.suggested)),
                  at(QStringLiteral("Downloads/") + QString::fromLatin1(c.saved)))
            << c.suggested;
    }
}

TEST_F(DownloadFolderTest, AFileWhereTheFolderShouldBeFails)
{
    write(at(QStringLiteral("Downloads")), "kept");
    const DownloadFolder folder{at(QStringLiteral("Downloads")), QString()};
    EXPECT_THROW(folder.placeFor(QStringLiteral("Marsh.exe")), Failure);
    QFile kept(at(QStringLiteral("Downloads")));
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), QByteArray("kept"));
}

TEST(EngineRefusal, RootNeedsTheSandboxTurnedOffInTheEnvironment)
{
    const struct {
        bool root;
        const char* disableSandbox;
        const char* flags;
        bool refused;
    } cases[] = {
        {false, "", "", false},
        {true, "", "", true},
        {true, "0", "", true},
        {true, "1", "", false},
        {true, "", "--disable-gpu --no-sandbox", false},
        {true, "", "--no-sandboxes", true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(!EngineRefusalFor(c.root, c.disableSandbox, c.flags).isEmpty(), c.refused)
            << c.root << " '" << c.disableSandbox << "' '" << c.flags << "'";
    }
}

} // namespace
} // namespace zv
