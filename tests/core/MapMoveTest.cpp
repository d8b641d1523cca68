#include "ExpectFailure.h"
#include "TestServices.h"

#include "core/MapMove.h"
#include "platform/Failure.h"

#include <QFile>

#include <gtest/gtest.h>

#include <map>

namespace zv {
namespace {

const QString kMaps = QStringLiteral("C:\\Game\\Home\\Maps");
const QString kStored = QStringLiteral("C:\\Game\\Home\\Maps\\Stored Maps");

QString In(const QString& folder, const char* name)
{
    return folder + QLatin1Char('\\') + QLatin1String(name);
}

// The files of both folders by program path, with their contents.
using Files = std::map<QString, QByteArray>;

class MapMoveTest : public ::testing::Test {
protected:
    MapMoveTest()
    {
        prefix.addDrive('C');
        prefix.folder(kStored);
    }

    void put(const Files& files)
    {
        for (const auto& [path, content] : files)
            prefix.file(path, content);
    }

    // Every path of the list with whether it exists and what it holds.
    Files seen(const std::vector<QString>& paths) const
    {
        Files found;
        for (const QString& path : paths) {
            if (prefix.exists(path))
                found[path] = prefix.content(path);
        }
        return found;
    }

    void move(const char* map, const char* name, const QString& toFolder)
    {
        const QString path = In(kMaps, map);
        MoveMapPair(host().files, {path, path.left(path.size() - 3) + QStringLiteral("bmp"),
                                   QLatin1String(name), toFolder});
    }

    test::TestServices& host()
    {
        if (!m_host)
            m_host = std::make_unique<test::TestServices>(prefix);
        return *m_host;
    }

    test::TestPrefix prefix;

private:
    std::unique_ptr<test::TestServices> m_host;
};

// Both folders' map and preview of one name.
std::vector<QString> PairPaths(const QString& map)
{
    const QString preview = map.left(map.size() - 3) + QStringLiteral("bmp");
    return {kMaps + QLatin1Char('\\') + map, kMaps + QLatin1Char('\\') + preview,
            kStored + QLatin1Char('\\') + map, kStored + QLatin1Char('\\') + preview};
}

TEST(MapMove, MovesTheMapAndWhateverPreviewItHas)
{
    const struct {
        const char* label;
        Files before;
        const char* map;
        Files after;
    } cases[] = {
        {"map and preview",
         {{In(kMaps, "Marsh.gmx"), "m"}, {In(kMaps, "Marsh.bmp"), "p"}},
         "Marsh.gmx",
         {{In(kStored, "Marsh.gmx"), "m"}, {In(kStored, "Marsh.bmp"), "p"}}},
        {"no preview",
         {{In(kMaps, "Lonely.gmx"), "m"}},
         "Lonely.gmx",
         {{In(kStored, "Lonely.gmx"), "m"}}},
        {"upper-case map, preview named by the rule",
         {{In(kMaps, "MARSH.GMX"), "m"}, {In(kMaps, "MARSH.bmp"), "p"}},
         "MARSH.GMX",
         {{In(kStored, "MARSH.GMX"), "m"}, {In(kStored, "MARSH.bmp"), "p"}}},
        {"replaces the stored map of that name, keeps a stored preview when it has none",
         {{In(kMaps, "Lake.gmx"), "new"}, {In(kStored, "Lake.gmx"), "old"},
          {In(kStored, "Lake.bmp"), "old picture"}},
         "Lake.gmx",
         {{In(kStored, "Lake.gmx"), "new"}, {In(kStored, "Lake.bmp"), "old picture"}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        test::TestPrefix prefix;
        prefix.addDrive('C');
        prefix.folder(kStored);
        for (const auto& [path, content] : c.before)
            prefix.file(path, content);
        test::TestServices host(prefix);
        const QString map = In(kMaps, c.map);
        MoveMapPair(host.files, {map, map.left(map.size() - 3) + QStringLiteral("bmp"),
                                 QLatin1String(c.map), kStored});
        Files after;
        for (const QString& path : PairPaths(QLatin1String(c.map))) {
            if (prefix.exists(path))
                after[path] = prefix.content(path);
        }
        EXPECT_EQ(after, c.after);
    }
}

TEST_F(MapMoveTest, ANameTooShortToCutOrNoFolderMovesNothing)
{
    const Files before{{In(kMaps, "Marsh.gmx"), "m"}, {In(kMaps, "Marsh.bmp"), "p"}};
    put(before);
    const std::vector<QString> paths{In(kMaps, "Marsh.gmx"), In(kMaps, "Marsh.bmp"),
                                     In(kStored, "Marsh.gmx"), In(kStored, "Marsh.bmp")};
    // Nothing selected in the list: the name is empty.
    test::ExpectFailure(FailureNumber::InvalidArgument, [&] { move("Marsh.gmx", "", kStored); });
    EXPECT_EQ(seen(paths), before);
    // The list that should receive the map has no folder: never the drive's root.
    test::ExpectFailure(FailureNumber::PathNotFound,
                        [&] { move("Marsh.gmx", "Marsh.gmx", QString()); });
    EXPECT_EQ(seen(paths), before);
    EXPECT_FALSE(prefix.exists(QStringLiteral("C:\\Marsh.gmx")));
}

TEST_F(MapMoveTest, AFailedCopyDeletesNothing)
{
    const struct {
        const char* label;
        FaultInjectingFileSystem::Operation op;
        QString path;
        int number;
        Files after;
    } cases[] = {
        {"disk full on the preview: both stay, the map also copied",
         FaultInjectingFileSystem::Operation::Copy, In(kStored, "Marsh.bmp"), 61,
         {{In(kMaps, "Marsh.gmx"), "m"}, {In(kMaps, "Marsh.bmp"), "p"},
          {In(kStored, "Marsh.gmx"), "m"}}},
        {"disk full on the map: nothing copied, nothing deleted",
         FaultInjectingFileSystem::Operation::Copy, In(kStored, "Marsh.gmx"), 61,
         {{In(kMaps, "Marsh.gmx"), "m"}, {In(kMaps, "Marsh.bmp"), "p"}}},
        {"the map's copy 'not found': skipped, and the map is not deleted",
         FaultInjectingFileSystem::Operation::Copy, In(kStored, "Marsh.gmx"), 53,
         {{In(kMaps, "Marsh.gmx"), "m"}, {In(kStored, "Marsh.bmp"), "p"}}},
        {"the source cannot be deleted: the map is in both folders",
         FaultInjectingFileSystem::Operation::Delete, In(kMaps, "Marsh.gmx"), 75,
         {{In(kMaps, "Marsh.gmx"), "m"}, {In(kMaps, "Marsh.bmp"), "p"},
          {In(kStored, "Marsh.gmx"), "m"}, {In(kStored, "Marsh.bmp"), "p"}}},
    };
    const std::vector<QString> paths{In(kMaps, "Marsh.gmx"), In(kMaps, "Marsh.bmp"),
                                     In(kStored, "Marsh.gmx"), In(kStored, "Marsh.bmp")};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        for (const QString& path : paths)
            QFile::remove(prefix.hostPathOf(path));
        put({{In(kMaps, "Marsh.gmx"), "m"}, {In(kMaps, "Marsh.bmp"), "p"}});
        test::TestServices services(prefix);
        services.files.failOn(c.op, c.path, c.number);
        const QString map = In(kMaps, "Marsh.gmx");
        try {
            MoveMapPair(services.files, {map, In(kMaps, "Marsh.bmp"), QStringLiteral("Marsh.gmx"),
                                         kStored});
            EXPECT_EQ(c.number, FailureNumber::FileNotFound) << "no failure came through";
        } catch (const Failure& failure) {
            EXPECT_EQ(failure.number(), c.number);
        }
        EXPECT_EQ(seen(paths), c.after);
    }
}

// The folder a move goes to is the source folder under another spelling: the
// copy would be the source itself, so the move stops before deleting anything.
TEST_F(MapMoveTest, ToTheSourceFolderItselfDeletesNothing)
{
    const Files before{{In(kMaps, "Marsh.gmx"), "m"}, {In(kMaps, "Marsh.bmp"), "p"}};
    put(before);
    const QString linked = QStringLiteral("C:\\Game\\Home\\Maps\\Linked");
    ASSERT_TRUE(QFile::link(prefix.hostPathOf(kMaps), prefix.hostPathOf(linked)));
    const std::vector<QString> paths{In(kMaps, "Marsh.gmx"), In(kMaps, "Marsh.bmp")};
    for (const QString& folder : {QStringLiteral("C:\\GAME\\home\\MAPS"), kMaps + QLatin1Char('\\'),
                                  QStringLiteral("C:\\Game\\Home\\Maps\\Stored Maps\\.."), linked}) {
        SCOPED_TRACE(folder.toStdString());
        test::ExpectFailure(FailureNumber::PathAccessError,
                            [&] { move("Marsh.gmx", "Marsh.gmx", folder); });
        EXPECT_EQ(seen(paths), before);
    }
}

} // namespace
} // namespace zv
