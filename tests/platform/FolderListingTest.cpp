// Listings of big folders take shortcuts (names folded once, plain ASCII compared byte by
// byte, matching before sorting); these tests hold them to the plain rules.

#include "TestPrefix.h"

#include "platform/HostFileSystem.h"
#include "platform/Wildcard.h"

#include <gtest/gtest.h>

namespace zv {
namespace {

using test::TestPrefix;

const QString kFolder = QStringLiteral("C:\\Maps");

class FolderListing : public ::testing::Test {
protected:
    FolderListing()
    {
        prefix.addDrive('C');
        table = prefix.driveTable();
        for (const QString& name : kNames)
            prefix.file(kFolder + QLatin1Char('\\') + name);
        prefix.folder(kFolder + QStringLiteral("\\Stored Maps"));
    }

    // Names in the order a listing shows them: by their letters whatever the case, then
    // upper case before lower case for names that differ only in case.
    const QStringList kNames = {
        QStringLiteral("_first.gmx"), QStringLiteral("a.bmp"),    QStringLiteral("A.gmx"),
        QStringLiteral("a.GMX"),      QStringLiteral("b.gmx"),    QStringLiteral("Ba.gmx"),
        QStringLiteral("Marsh.bmp"),  QStringLiteral("MARSH.GMX"), QStringLiteral("Marsh.gmx"),
        QStringLiteral("z.txt"),      QStringLiteral("Zz.Gmx"),   QString::fromUtf8("\xc3\xa9t\xc3\xa9.bmp"),
        QString::fromUtf8("\xc3\x89t\xc3\xa9.gmx"),
    };

    TestPrefix prefix;
    DriveTable table;
    HostFileSystem files{table};
};

TEST_F(FolderListing, SortsByLettersWhateverTheirCase)
{
    EXPECT_EQ(files.listFolder(kFolder, ListKind::Files), kNames);
}

TEST_F(FolderListing, MatchingListsWhatTheFilterKeepsInTheSameOrder)
{
    for (const char* patterns : {"*.gmx; *.GMX", "*.bmp", "M*", "*", "*.none", "?.gmx", "Marsh.gmx"}) {
        QStringList filtered;
        for (const QString& name : kNames) {
            if (MatchesPatternList(name, QLatin1String(patterns)))
                filtered.append(name);
        }
        EXPECT_EQ(files.listFolderMatching(kFolder, ListKind::Files, QLatin1String(patterns)),
                  filtered)
            << patterns;
    }
    EXPECT_EQ(files.listFolderMatching(kFolder, ListKind::Folders, QStringLiteral("*")),
              QStringList{QStringLiteral("Stored Maps")});
}

TEST_F(FolderListing, NamesResolveInAnyCaseAlsoBeyondAscii)
{
    prefix.file(QStringLiteral("C:\\Maps\\Stored Maps\\Lake.gmx"), "lake");
    EXPECT_EQ(files.readFile(QStringLiteral("c:\\maps\\STORED MAPS\\lake.GMX")), "lake");
    EXPECT_EQ(files.find(kFolder + QString::fromUtf8("\\\xc3\xa9T\xc3\x89.GMX"), ListKind::Files),
              QStringList{QString::fromUtf8("\xc3\x89t\xc3\xa9.gmx")});
    EXPECT_TRUE(files.find(kFolder + QStringLiteral("\\Mars.gmx"), ListKind::Files).isEmpty());
}

TEST(Wildcards, EndingsAndGeneralPatternsIgnoreCase)
{
    const struct {
        const char* name;
        const char* pattern;
        bool matches;
    } cases[] = {
        {"Marsh.gmx", "*.GMX", true},  {"MARSH.GMX", "*.gmx", true}, {"Marsh.gmx.bak", "*.gmx", false},
        {"gmx", "*.gmx", false},       {".gmx", "*.gmx", true},      {"anything", "*", true},
        {"", "*", true},               {"a.gmx", "?.gmx", true},     {"ab.gmx", "?.gmx", false},
        {"Marsh.gmx", "M*.g?x", true}, {"Marsh.gmx", "*a*h*", true}, {"Marsh.gmx", "marsh.GMX", true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MatchesWildcard(QLatin1String(c.name), QLatin1String(c.pattern)), c.matches)
            << c.name << " against " << c.pattern;
    EXPECT_TRUE(MatchesWildcard(QString::fromUtf8("\xc3\x89T\xc3\x89.GMX"),
                                QString::fromUtf8("*\xc3\xa9.gmx")));
}

} // namespace
} // namespace zv
