#include "ExpectFailure.h"
#include "TestPrefix.h"

#include "core/ProgramState.h"
#include "platform/Failure.h"
#include "platform/HostFileSystem.h"
#include "widgets/FileLists.h"
#include "widgets/MapLists.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>

#include <gtest/gtest.h>

namespace zv {
namespace {

using test::TestPrefix;

const QString kMaps = QStringLiteral("C:\\Game\\Home\\Maps");

class MapLists : public ::testing::Test {
protected:
    MapLists()
    {
        prefix.addDrive('C');
        prefix.folder(kMaps + QStringLiteral("\\Stored Maps"));
        table = prefix.driveTable();
    }

    // Makes the maps folder hold exactly these files.
    void holdOnly(const QStringList& names)
    {
        QDir folder(prefix.hostPathOf(kMaps));
        for (const QString& old : folder.entryList(QDir::Files))
            folder.remove(old);
        for (const QString& name : names)
            prefix.file(kMaps + QLatin1Char('\\') + name);
    }

    TestPrefix prefix;
    DriveTable table;
    HostFileSystem files{table};
    QWidget window;
};

QStringList Names(std::initializer_list<const char*> names)
{
    QStringList list;
    for (const char* name : names)
        list.append(QLatin1String(name));
    return list;
}

QStringList Many(const char* stem, int count)
{
    QStringList names;
    for (int i = 0; i < count; ++i)
        names.append(QStringLiteral("%1%2.gmx").arg(QLatin1String(stem)).arg(i, 3, 10, QLatin1Char('0')));
    return names;
}

// A refresh shows exactly what the folder holds, however little or much changed since,
// with nothing selected and without reporting a selection.
TEST_F(MapLists, ARefreshShowsTheFolderWhateverChanged)
{
    const struct {
        const char* label;
        QStringList before;
        QStringList after;
    } cases[] = {
        {"one stored away", Names({"a.gmx", "b.gmx", "c.gmx"}), Names({"a.gmx", "c.gmx"})},
        {"one installed at the start", Names({"b.gmx", "c.gmx"}), Names({"a.gmx", "b.gmx", "c.gmx"})},
        {"one installed at the end", Names({"a.gmx", "b.gmx"}), Names({"a.gmx", "b.gmx", "z.gmx"})},
        {"one replaced", Names({"a.gmx", "b.gmx", "c.gmx"}), Names({"a.gmx", "bb.gmx", "c.gmx"})},
        {"names that differ in case", Names({"Marsh.gmx"}), Names({"MARSH.GMX", "Marsh.gmx"})},
        {"previews and other files", Names({"a.gmx", "a.bmp"}), Names({"a.bmp", "b.GMX", "c.txt"})},
        {"emptied", Names({"a.gmx", "b.gmx"}), QStringList()},
        {"filled", QStringList(), Names({"a.gmx", "b.gmx"})},
        {"everything new", Many("old", 100), Many("new", 100)},
        {"half gone", Many("map", 200), Many("map", 100)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        holdOnly(c.before);
        FileListBox list(files, QStringLiteral("File1"), &window);
        ShowMapsIn(list, kMaps);
        if (list.count() > 0)
            list.setCurrentRow(0);
        holdOnly(c.after);
        QSignalSpy selections(&list, &QListWidget::itemSelectionChanged);
        RefreshMapList(list);
        QStringList expected;
        for (const QString& name : files.listFolder(kMaps, ListKind::Files)) {
            if (name.endsWith(QLatin1String(".gmx"), Qt::CaseInsensitive))
                expected.append(name);
        }
        EXPECT_EQ(list.names(), expected);
        EXPECT_EQ(list.listIndex(), -1);
        EXPECT_TRUE(list.selectedItems().isEmpty());
        EXPECT_TRUE(list.fileName().isEmpty());
        EXPECT_EQ(selections.count(), 0);
    }
}

TEST_F(MapLists, TheConsoleListsPointAtTheGameAndItsStorage)
{
    prefix.file(kMaps + QStringLiteral("\\Marsh.gmx"));
    prefix.file(kMaps + QStringLiteral("\\Marsh.bmp"));
    prefix.file(kMaps + QStringLiteral("\\Stored Maps\\Lake.GMX"));
    ProgramState state;
    state.MapsFolder = kMaps;
    FileListBox game(files, QStringLiteral("File1"), &window);
    FileListBox stored(files, QStringLiteral("File2"), &window);
    ListConsoleMaps(state, game, stored);
    EXPECT_EQ(state.StoredFolder, kMaps + QStringLiteral("\\Stored Maps"));
    EXPECT_EQ(game.path(), kMaps);
    EXPECT_EQ(stored.path(), state.StoredFolder);
    EXPECT_EQ(game.names(), Names({"Marsh.gmx"}));
    EXPECT_EQ(stored.names(), Names({"Lake.GMX"}));

    // Storage gone: the game list is pointed, the stored list fails and keeps what it had.
    QDir(prefix.hostPathOf(kMaps + QStringLiteral("\\Stored Maps"))).removeRecursively();
    test::ExpectFailure(FailureNumber::PathNotFound, [&] { ListConsoleMaps(state, game, stored); });
    EXPECT_EQ(game.names(), Names({"Marsh.gmx"}));
    EXPECT_EQ(stored.names(), Names({"Lake.GMX"}));
}

} // namespace
} // namespace zv
