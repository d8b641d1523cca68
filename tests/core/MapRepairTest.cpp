#include "TestServices.h"

#include "core/MapFolders.h"
#include "core/MapRepair.h"
#include "platform/Failure.h"
#include "support/SupportPictures.h"

#include <QDir>

#include <gtest/gtest.h>

namespace zv {
namespace {

using test::PrefixWithDriveC;
using test::TestServices;
using Op = FaultInjectingFileSystem::Operation;

const QString kWildWings = QStringLiteral("C:\\Games\\Wild Wings");
const QString kRocky = QStringLiteral("C:\\Games\\RMTH3");
const QString kTemp = QStringLiteral("C:\\WINDOWS\\TEMP");

QByteArray PictureContent(const QString& picture)
{
    return "picture " + picture.toLatin1();
}

class MapRepairTest : public ::testing::Test {
protected:
    MapRepairTest()
    {
        for (const QString& picture : RepairSupportPictures())
            prefix.programFile(QStringLiteral("Support/") + picture, PictureContent(picture));
        for (const QString& game : {kWildWings, kRocky})
            prefix.folder(StorageFolderOf(game));
        state.BhwweFolder = kWildWings;
        state.Rmth3Folder = kRocky;
    }

    void repair() { RepairMaps(state, host.services); }

    void strayArcticCircle()
    {
        prefix.file(kTemp + QStringLiteral("\\Arctic Circle.gmx"), "arctic");
        prefix.file(kTemp + QStringLiteral("\\Arctic.bmp"), "arctic preview");
    }

    // What a folder holds besides maps: "NAME <- PICTURE" for a copy of a
    // Support picture, "NAME: CONTENT" for anything else.
    QStringList previewsIn(const QString& folder) const
    {
        QStringList found;
        const QDir dir(prefix.hostPathOf(folder));
        for (const QString& name : dir.entryList(QDir::Files, QDir::Name)) {
            if (MatchesMapFilter(name))
                continue;
            const QByteArray content = prefix.content(folder + u'\\' + name);
            found.append(content.startsWith("picture ")
                             ? name + QStringLiteral(" <- ") + QString::fromLatin1(content.mid(8))
                             : name + QStringLiteral(": ") + QString::fromLatin1(content));
        }
        return found;
    }

    PrefixWithDriveC prefix;
    TestServices host{prefix};
    ProgramState state;
};

// --- previews -----------------------------------------------------------------------------------

enum class Where { Maps, Storage, Both };

struct PreviewCase {
    const char* label;
    bool bhwwe;
    const char* map;
    Where where;
    QStringList inMaps;    // sorted by name
    QStringList inStorage; // sorted by name
};

void PrintTo(const PreviewCase& c, std::ostream* os)
{
    *os << c.label;
}

class StockPreviews : public MapRepairTest, public ::testing::WithParamInterface<PreviewCase> {};

TEST_P(StockPreviews, AreWrittenBesideTheMap)
{
    const PreviewCase& c = GetParam();
    const QString game = c.bhwwe ? kWildWings : kRocky;
    const QString map = QString::fromLatin1(c.map);
    if (c.where != Where::Storage)
        prefix.file(MapsFolderOf(game) + u'\\' + map, "map");
    if (c.where != Where::Maps)
        prefix.file(StorageFolderOf(game) + u'\\' + map, "map");
    state.BhwweRepairDue = true;
    state.Rmth3RepairDue = true;
    repair();
    EXPECT_EQ(previewsIn(MapsFolderOf(game)), c.inMaps);
    EXPECT_EQ(previewsIn(StorageFolderOf(game)), c.inStorage);
}

const PreviewCase kPreviewCases[] = {
    {"la_01_two_names", true, "LA_01.gmx", Where::Maps,
     {"LA_01.bmp <- LA_01.bmp", "VMLA.bmp <- LA_01.bmp"}, {}},
    {"fl_01_one_name", true, "FL_01.gmx", Where::Maps, {"FL_01.bmp <- FL_01.bmp"}, {}},
    {"suwanee_in_storage", true, "Suwanee County.gmx", Where::Storage, {},
     {"Suwanee County.bmp <- Suwanee County.bmp", "Suwanee.bmp <- Suwanee County.bmp"}},
    {"target_range", true, "ww_target_range.gmx", Where::Maps,
     {"target.bmp <- ww_target_range.bmp", "ww_target_range.bmp <- ww_target_range.bmp"}, {}},
    {"bhwwe_base_name", true, "GaffCreek_WY.gmx", Where::Maps,
     {"GaffCreek_WY.bmp <- GaffCreek_WY.bmp"}, {}},
    {"olney_in_storage_only", false, "Olney.gmx", Where::Storage, {},
     {"Olney.bmp <- Olney.bmp", "bigfoot.bmp <- Olney.bmp"}},
    {"arctic_in_both_gets_it_in_maps_only", false, "Arctic Circle.gmx", Where::Both,
     {"Arctic Circle.bmp <- Arctic Circle.bmp", "Arctic.bmp <- Arctic Circle.bmp"}, {}},
    {"short_name_in_capitals", false, "Breathitt_KY.gmx", Where::Maps,
     {"Breathitt.BMP <- Breathitt_KY.bmp", "Breathitt_KY.bmp <- Breathitt_KY.bmp"}, {}},
    {"short_name_spelt_differently", false, "DallsTerritory.gmx", Where::Maps,
     {"DallTerritory.BMP <- DallsTerritory.bmp", "DallsTerritory.bmp <- DallsTerritory.bmp"}, {}},
    {"short_set_only", false, "Alcove_Canyon_UT.gmx", Where::Maps,
     {"Alcove_Canyon_UT.bmp <- Alcove_Canyon_UT.bmp"}, {}},
    {"comma_in_name", false, "Cannon Ball,ND.gmx", Where::Maps,
     {"Cannon Ball,ND.bmp <- Cannon Ball,ND.bmp", "Cannonball.bmp <- Cannon Ball,ND.bmp"}, {}},
    {"apostrophe_in_name", false, "Devil's Island.gmx", Where::Maps,
     {"Devil's Island.bmp <- Devil's Island.bmp", "Island.bmp <- Devil's Island.bmp"}, {}},
    {"map_in_capitals", false, "Wolford_ND.GMX", Where::Maps, {"Wolford_ND.bmp <- Wolford_ND.bmp"}, {}},
    {"rmth3_base_name", false, "Vellmoor_Ranch.gmx", Where::Storage, {},
     {"Vellmoor_Ranch.bmp <- Vellmoor_Ranch.bmp"}},
    {"unlisted_map", false, "Marsh.gmx", Where::Both, {}, {}},
    // The tables of one game mean nothing in the other's folders.
    {"rmth3_map_in_bhwwe", true, "Olney.gmx", Where::Maps, {}, {}},
    {"bhwwe_map_in_rmth3", false, "LA_01.gmx", Where::Maps, {}, {}},
};

INSTANTIATE_TEST_SUITE_P(Cases, StockPreviews, ::testing::ValuesIn(kPreviewCases),
                         [](const auto& info) { return std::string(info.param.label); });

struct FlagCase {
    const char* label;
    bool bhwweDue;
    bool rmth3Due;
    QString bhwweFolder;
    QString rmth3Folder;
    bool bhwweWritten;
    bool rmth3Written;
};

void PrintTo(const FlagCase& c, std::ostream* os)
{
    *os << c.label;
}

class RepairFlags : public MapRepairTest, public ::testing::WithParamInterface<FlagCase> {};

TEST_P(RepairFlags, ChooseTheGamesWhosePreviewsAreWritten)
{
    const FlagCase& c = GetParam();
    prefix.file(MapsFolderOf(kWildWings) + QStringLiteral("\\LA_01.gmx"), "map");
    prefix.file(MapsFolderOf(kRocky) + QStringLiteral("\\Arctic Circle.gmx"), "map");
    prefix.file(MapsFolderOf(kRocky) + QStringLiteral("\\Arctic.bmp"), "the user's own");
    state.BhwweRepairDue = c.bhwweDue;
    state.Rmth3RepairDue = c.rmth3Due;
    state.BhwweFolder = c.bhwweFolder;
    state.Rmth3Folder = c.rmth3Folder;
    repair();
    EXPECT_EQ(prefix.exists(MapsFolderOf(kWildWings) + QStringLiteral("\\VMLA.bmp")), c.bhwweWritten);
    EXPECT_EQ(prefix.content(MapsFolderOf(kRocky) + QStringLiteral("\\Arctic.bmp")),
              c.rmth3Written ? PictureContent(QStringLiteral("Arctic Circle.bmp")) : "the user's own")
        << "an existing preview is replaced only when the repair is due";
}

const FlagCase kFlagCases[] = {
    {"normal_start", false, false, kWildWings, kRocky, false, false},
    {"bhwwe_due", true, false, kWildWings, kRocky, true, false},
    {"rmth3_due", false, true, kWildWings, kRocky, false, true},
    {"both_due", true, true, kWildWings, kRocky, true, true},
    {"bhwwe_unknown", true, true, QString(), kRocky, false, true},
    {"rmth3_unknown", true, true, kWildWings, QString(), true, false},
    // A folder of one character is no game folder.
    {"one_character_folders", true, true, QStringLiteral("C"), QStringLiteral("C"), false, false},
};

INSTANTIATE_TEST_SUITE_P(Cases, RepairFlags, ::testing::ValuesIn(kFlagCases),
                         [](const auto& info) { return std::string(info.param.label); });

TEST_F(MapRepairTest, AFailingStepIsSkippedAndTheRestGoesOn)
{
    const QString bh = MapsFolderOf(kWildWings);
    for (const char* map : {"LA_01.gmx", "FL_01.gmx", "BattleCreek_MI.gmx", "Biesbosch_NL.gmx"})
        prefix.file(bh + u'\\' + QString::fromLatin1(map), "map");
    QFile::remove(prefix.programHostFolder() + QStringLiteral("/Support/FL_01.bmp"));
    host.files.failOn(Op::Copy, bh + QStringLiteral("\\VMLA.bmp"), FailureNumber::PermissionDenied);
    host.files.failOn(Op::List, bh + QStringLiteral("\\BattleCreek_MI.gmx"), FailureNumber::DiskNotReady);
    state.BhwweRepairDue = true;
    repair();
    EXPECT_EQ(previewsIn(bh),
              (QStringList{"Biesbosch_NL.bmp <- Biesbosch_NL.bmp", "LA_01.bmp <- LA_01.bmp"}));
}

TEST_F(MapRepairTest, ShowsTheBusyPointerWhileItRuns)
{
    repair();
    EXPECT_EQ(host.pointer.calls, (QStringList{"busy", "default"}));
}

// --- stray maps ---------------------------------------------------------------------------------

TEST_F(MapRepairTest, StrayMapsMoveIntoTheRmth3MapsFolder)
{
    const QString rm = MapsFolderOf(kRocky);
    prefix.file(kTemp + QStringLiteral("\\Taiga.gmx"), "taiga");
    prefix.file(kTemp + QStringLiteral("\\Rocky Ranch, CA.gmx"), "ranch");
    prefix.file(kTemp + QStringLiteral("\\Rocky.bmp"), "ranch preview");
    prefix.file(kTemp + QStringLiteral("\\Point.bmp"), "a preview without its map");
    prefix.file(QStringLiteral(
                    "C:\\Program Files\\Rocky Mountain Trophy Hunter\\Home\\Maps\\Blue Lake Mt NY.gmx"),
                "blue");
    repair(); // with no repair due: the stray maps move at every start

    EXPECT_EQ(prefix.content(rm + QStringLiteral("\\Taiga.gmx")), "taiga");
    EXPECT_FALSE(prefix.exists(rm + QStringLiteral("\\Taiga.bmp")));
    EXPECT_EQ(prefix.content(rm + QStringLiteral("\\Rocky Ranch, CA.gmx")), "ranch");
    EXPECT_EQ(prefix.content(rm + QStringLiteral("\\Rocky.bmp")), "ranch preview");
    EXPECT_EQ(prefix.content(rm + QStringLiteral("\\Blue Lake Mt NY.gmx")), "blue");
    EXPECT_FALSE(prefix.exists(rm + QStringLiteral("\\Point.bmp")));
    EXPECT_EQ(QDir(prefix.hostPathOf(kTemp)).entryList(QDir::Files), QStringList{"Point.bmp"});
}

TEST_F(MapRepairTest, StrayMapsStayWhereTheyAreWithoutAnRmth3Folder)
{
    prefix.file(kTemp + QStringLiteral("\\Taiga.gmx"), "taiga");
    state.Rmth3Folder.clear();
    repair();
    EXPECT_TRUE(prefix.exists(kTemp + QStringLiteral("\\Taiga.gmx")));
}

TEST_F(MapRepairTest, AStrayMapWhoseCopyFailsIsNotDeleted)
{
    const QString rm = MapsFolderOf(kRocky);
    strayArcticCircle();
    host.files.failOn(Op::Copy, rm + QStringLiteral("\\Arctic Circle.gmx"), FailureNumber::DiskFull);
    repair();
    EXPECT_EQ(prefix.content(kTemp + QStringLiteral("\\Arctic Circle.gmx")), "arctic");
    EXPECT_EQ(prefix.content(kTemp + QStringLiteral("\\Arctic.bmp")), "arctic preview")
        << "the preview stays with its map";
    EXPECT_TRUE(previewsIn(rm).isEmpty());
}

TEST_F(MapRepairTest, AStrayMapThatCannotBeDeletedIsCopiedWithItsPreview)
{
    const QString rm = MapsFolderOf(kRocky);
    strayArcticCircle();
    host.files.failOn(Op::Delete, kTemp + QStringLiteral("\\Arctic Circle.gmx"),
                      FailureNumber::PermissionDenied);
    repair();
    EXPECT_EQ(prefix.content(rm + QStringLiteral("\\Arctic Circle.gmx")), "arctic");
    EXPECT_EQ(prefix.content(rm + QStringLiteral("\\Arctic.bmp")), "arctic preview");
    EXPECT_TRUE(prefix.exists(kTemp + QStringLiteral("\\Arctic Circle.gmx")));
    EXPECT_FALSE(prefix.exists(kTemp + QStringLiteral("\\Arctic.bmp")));
}

// A game installed exactly where a stray map is looked for: the map is
// already in its place, and moving it onto itself must not delete it.
TEST_F(MapRepairTest, AMapAlreadyInItsPlaceIsKept)
{
    const QString maps = QStringLiteral("C:\\Program Files\\RockyMountain Trophy Hunter 3\\Home\\Maps");
    for (const QString& folder : {QStringLiteral("C:\\Program Files\\RockyMountain Trophy Hunter 3"),
                                  QStringLiteral("c:\\PROGRAM FILES\\rockymountain trophy hunter 3")}) {
        prefix.file(maps + QStringLiteral("\\Nassau_FL.gmx"), "nassau");
        prefix.file(maps + QStringLiteral("\\Nassau.bmp"), "nassau preview");
        state.Rmth3Folder = folder;
        repair();
        EXPECT_EQ(prefix.content(maps + QStringLiteral("\\Nassau_FL.gmx")), "nassau")
            << folder.toStdString();
        EXPECT_EQ(prefix.content(maps + QStringLiteral("\\Nassau.bmp")), "nassau preview");
    }
}

// --- the Support pictures -----------------------------------------------------------------------

TEST(RepairSupportPictures, AreAllDrawnByTheBuild)
{
    const QStringList pictures = RepairSupportPictures();
    // 14 of BHWWE and 41 of RMTH3 once the maps in two tables are counted once.
    EXPECT_EQ(pictures.size(), 55) << pictures.join(u',').toStdString();
    for (const QString& picture : pictures) {
        const SupportPicture* entry = FindSupportPicture(picture);
        ASSERT_NE(entry, nullptr) << picture.toStdString();
        EXPECT_EQ(entry->kind, SupportPicture::Kind::StockPreview) << picture.toStdString();
    }
}

} // namespace
} // namespace zv
