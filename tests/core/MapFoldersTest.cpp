#include "ExpectFailure.h"
#include "TestServices.h"

#include "core/MapFolders.h"
#include "platform/Failure.h"

#include <gtest/gtest.h>

namespace zv {
namespace {

TEST(PreviewPathFor, ReplacesTheLastThreeCharacters)
{
    const struct {
        const char* map;
        const char* preview;
    } cases[] = {
        {"Marsh.gmx", "Marsh.bmp"},
        {"x.GMX", "x.bmp"},
        {"E:\\Games\\Wild Wings\\Home\\Maps\\Marsh.gmx", "E:\\Games\\Wild Wings\\Home\\Maps\\Marsh.bmp"},
        {"a.b.Gmx", "a.b.bmp"},
        {"gmx", "bmp"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PreviewPathFor(QString::fromLatin1(c.map)), QString::fromLatin1(c.preview)) << c.map;
    EXPECT_THROW(PreviewPathFor(QStringLiteral("ab")), Failure);
}

TEST(MapFilter, ListsOnlyMaps)
{
    const struct {
        const char* name;
        bool listed;
    } cases[] = {
        {"a.gmx", true},   {"b.GMX", true},      {"x.Gmx", true}, {"c.bmp", false},
        {"d.txt", false},  {"gmx", false},       {"a.gmx.bak", false},
        {".gmx", true},    {"Stored Maps", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MatchesMapFilter(QString::fromLatin1(c.name)), c.listed) << c.name;
}

TEST(FolderLayout, OfAGameFolder)
{
    EXPECT_EQ(MapsFolderOf(QStringLiteral("E:\\Games\\Wild Wings")),
              QStringLiteral("E:\\Games\\Wild Wings\\Home\\Maps"));
    EXPECT_EQ(StorageFolderOf(QStringLiteral("E:\\Games\\Wild Wings")),
              QStringLiteral("E:\\Games\\Wild Wings\\Home\\Maps\\Stored Maps"));
    EXPECT_EQ(GameFolderOfMapsFolder(QStringLiteral("E:\\Home\\Maps")), QStringLiteral("E:"));
    EXPECT_EQ(GameFolderOfMapsFolder(QStringLiteral("\\Home\\Maps")), QString());
    // A text under 10 characters cannot be cut.
    test::ExpectFailure(FailureNumber::InvalidArgument,
                        [] { GameFolderOfMapsFolder(QStringLiteral("C:\\Maps")); });
}

TEST(FolderLayout, AFolderListsMapsWithAndWithoutPreviews)
{
    test::TestPrefix prefix;
    prefix.addDrive('C');
    for (const char* name : {"a.gmx", "b.GMX", "c.bmp", "d.txt", "a.bmp"})
        prefix.file(QStringLiteral("C:\\M\\") + QString::fromLatin1(name));
    prefix.folder(QStringLiteral("C:\\M\\Stored Maps"));
    test::TestServices host(prefix);
    QStringList listed;
    for (const QString& name : host.files.listFolder(QStringLiteral("C:\\M"), ListKind::Files))
        if (MatchesMapFilter(name))
            listed.append(name);
    EXPECT_EQ(listed, (QStringList{QStringLiteral("a.gmx"), QStringLiteral("b.GMX")}));
    EXPECT_TRUE(host.files.listFolder(QStringLiteral("C:\\M\\Stored Maps"), ListKind::Files).isEmpty());
}

} // namespace
} // namespace zv
