#include "MapRepair.h"

#include "MapFolders.h"
#include "platform/Failure.h"
#include "platform/FileSystem.h"
#include "platform/Pointer.h"

#include <array>
#include <span>
#include <vector>

namespace zv {

namespace {

// clang-format off

// RMTH3 files taken from fixed places into the RMTH3 maps folder, keeping
// their names; one row is a map and its preview.
struct StrayMap {
    const char* sourceFolder;
    const char* map;
    const char* preview;
};

const StrayMap kStrayMapMove[] = {
    // Source folder                                                     Map                               Preview
    {R"(C:\Program Files\Rocky Mountain Trophy Hunter\Home\Maps\)",    "Blue Lake Mt NY.gmx",            "NY.bmp"},
    {R"(C:\Program Files\RockyMountain Trophy Hunter 3\Home\Maps\)",   "Nassau_FL.gmx",                  "Nassau.bmp"},
    {R"(C:\WINDOWS\TEMP\)",                                            "Pronghorn Point.gmx",            "Point.bmp"},
    {R"(C:\WINDOWS\TEMP\)",                                            "Taiga.gmx",                      "Taiga.bmp"},
    {R"(C:\WINDOWS\TEMP\)",                                            "Rocky Ranch, CA.gmx",            "Rocky.bmp"},
    {R"(C:\WINDOWS\TEMP\)",                                            "Dakota National Forest, NV.gmx", "Dakota.bmp"},
    {R"(C:\WINDOWS\TEMP\)",                                            "Arctic Circle.gmx",              "Arctic.bmp"},
    {R"(C:\WINDOWS\TEMP\)",                                            "Cannon Ball,ND.gmx",             "Cannonball.bmp"},
};

// BHWWE maps whose Support picture is written under one or two names.
struct ExtraPreviews {
    const char* map;
    const char* picture;
    std::array<const char*, 2> previews; // written in this order; the second may be absent
};

const ExtraPreviews kBhwweExtraPreviews[] = {
    // Map                    Support picture          Preview names written
    {"FL_01.gmx",             "FL_01.bmp",             {"FL_01.bmp"}},
    {"LA_01.gmx",             "LA_01.bmp",             {"VMLA.bmp", "LA_01.bmp"}},
    {"Suwanee County.gmx",    "Suwanee County.bmp",    {"Suwanee.bmp", "Suwanee County.bmp"}},
    {"ww_target_range.gmx",   "ww_target_range.bmp",   {"target.bmp", "ww_target_range.bmp"}},
};

// BHWWE maps whose Support picture and preview both carry the map's base name.
const char* const kBhwwePreviewSet[] = {
    "BattleCreek_MI.gmx",
    "Biesbosch_NL.gmx",
    "BlackMnts_TX.gmx",
    "Bobcat_Creek_T.gmx",
    "Bobcat_Creek_U.gmx",
    "FordAugustus.gmx",
    "GaffCreek_WY.gmx",
    "LA_01.gmx",
    "ParadiseValley_NV.gmx",
    "SanGerman_PR.gmx",
    "Suwanee County.gmx",
    "ww_target_range.gmx",
    "WhiteSulphur_WV.gmx",
};

// RMTH3 maps whose Support picture (base name + ".bmp") is written under a
// second, short name.
struct ShortPreview {
    const char* map;
    const char* preview;
};

const ShortPreview kRmth3ShortPreviewSet[] = {
    // Map                                Short preview name
    {"Arctic Circle.gmx",                 "Arctic.bmp"},
    {"Battle Creek_MI.gmx",               "BattleCreek.bmp"},
    {"Olney.gmx",                         "bigfoot.bmp"},
    {"Alcove_Canyon_UT.gmx",              "Alcove_Canyon_UT.bmp"},
    {"Breathitt_KY.gmx",                  "Breathitt.BMP"},
    {"Cannon Ball,ND.gmx",                "Cannonball.bmp"},
    {"Dakota National Forest, NV.gmx",    "Dakota.bmp"},
    {"EXTREME REGIONS_USA.gmx",           "EXTREME.bmp"},
    {"Lookout Flats.gmx",                 "Flats.bmp"},
    {"Devil's Island.gmx",                "Island.bmp"},
    {"Minnesota MT_CA.gmx",               "MM.bmp"},
    {"Nassau_FL.gmx",                     "Nassau.bmp"},
    {"Blue Lake Mt NY.gmx",               "NY.bmp"},
    {"Paso Robles_CA.gmx",                "Paso.bmp"},
    {"Rocky Ranch, CA.gmx",               "Rocky.bmp"},
    {"Pronghorn Point.gmx",               "Point.bmp"},
    {"DallsTerritory.gmx",                "DallTerritory.BMP"},
};

// RMTH3 maps whose Support picture and preview both carry the map's base name.
const char* const kRmth3PreviewSet[] = {
    "Arctic Circle.gmx",
    "Battle Creek_MI.gmx",
    "Olney.gmx",
    "BigSky_NY.gmx",
    "Breathitt_KY.gmx",
    "Cannon Ball,ND.gmx",
    "Cattle_Canyon.gmx",
    "Clayton_DE.gmx",
    "Dakota National Forest, NV.gmx",
    "DallsTerritory.gmx",
    "Elk_River_ID.gmx",
    "EXTREME REGIONS_USA.gmx",
    "Fairbanks_AK.gmx",
    "Lookout Flats.gmx",
    "Great_BasinNP_NV.gmx",
    "Grizzly_Islands.gmx",
    "Vellmoor_Ranch.gmx",
    "Devil's Island.gmx",
    "Jaspar_Nat_Park_BC.gmx",
    "Midland_TX.gmx",
    "Minnesota MT_CA.gmx",
    "Monumental_WA.gmx",
    "Nassau_FL.gmx",
    "Paradise Valley Canada.gmx",
    "Blue Lake Mt NY.gmx",
    "Paso Robles_CA.gmx",
    "Rocky Ranch, CA.gmx",
    "Saddle_Brook_AR.gmx",
    "Selway_Bit_ID.gmx",
    "Shelagyote_Pk.gmx",
    "Sorsele_Sweden.gmx",
    "Spirit_Sky_WI.gmx",
    "Steens_OR.gmx",
    "StoneWall_NV.gmx",
    "Toppenish_WA.gmx",
    "West_Grove_PA.gmx",
    "Wilderness Landing.gmx",
    "Willmore_Wilderness.gmx",
    "Wolford_ND.GMX",
    "Pronghorn Point.gmx",
};

// clang-format on

QString Text(const char* latin1)
{
    return QString::fromLatin1(latin1);
}

// The Support picture and the preview of a map that share its base name.
QString BaseNamePicture(const char* map)
{
    return PreviewPathFor(Text(map));
}

// A path exists when listing it for plain files gives a name of at least two
// characters; a listing that fails counts as absent.
bool Exists(const Services& services, const QString& path)
{
    try {
        const QStringList names = services.files.find(path, ListKind::Files);
        return !names.isEmpty() && names.first().size() >= 2;
    } catch (const Failure&) {
        return false;
    }
}

// A move is a copy and then a delete; the source is deleted only when its
// copy has been made. Returns whether the copy was made.
bool Move(const Services& services, const QString& from, const QString& to)
{
    try {
        services.files.copyFile(from, to);
    } catch (const Failure&) {
        return false;
    }
    try {
        services.files.deleteFile(from);
    } catch (const Failure&) {
        // The map is now in both places; the copy is where it belongs.
    }
    return true;
}

void MoveStrayMaps(const Services& services, const QString& rm)
{
    for (const StrayMap& row : kStrayMapMove) {
        const QString source = Text(row.sourceFolder);
        if (!Exists(services, source + Text(row.map)))
            continue;
        // A map that could not be copied keeps its preview beside it.
        if (!Move(services, source + Text(row.map), rm + u'\\' + Text(row.map)))
            continue;
        if (Exists(services, source + Text(row.preview)))
            Move(services, source + Text(row.preview), rm + u'\\' + Text(row.preview));
    }
}

// Writes a Support picture under each preview name beside the map: in the
// maps folder when the map is there, else in its storage when it is there.
void WritePreviews(const Services& services, const QString& mapsFolder, const QString& map,
                   const QString& picture, std::span<const QString> previews)
{
    QString folder = mapsFolder + u'\\';
    if (!Exists(services, folder + map)) {
        folder = StoredFolderFor(mapsFolder) + u'\\';
        if (!Exists(services, folder + map))
            return;
    }
    const QString source = services.programFolder + QStringLiteral("\\Support\\") + picture;
    for (const QString& preview : previews) {
        try {
            services.files.copyFile(source, folder + preview);
        } catch (const Failure&) {
            // Nothing written for this name; the repair goes on.
        }
    }
}

void WriteBhwwePreviews(const Services& services, const QString& bh)
{
    for (const ExtraPreviews& row : kBhwweExtraPreviews) {
        std::vector<QString> previews;
        for (const char* preview : row.previews) {
            if (preview)
                previews.push_back(Text(preview));
        }
        WritePreviews(services, bh, Text(row.map), Text(row.picture), previews);
    }
    for (const char* map : kBhwwePreviewSet) {
        const QString picture = BaseNamePicture(map);
        WritePreviews(services, bh, Text(map), picture, std::span(&picture, 1));
    }
}

void WriteRmth3Previews(const Services& services, const QString& rm)
{
    for (const ShortPreview& row : kRmth3ShortPreviewSet) {
        const QString preview = Text(row.preview);
        WritePreviews(services, rm, Text(row.map), BaseNamePicture(row.map),
                      std::span(&preview, 1));
    }
    for (const char* map : kRmth3PreviewSet) {
        const QString picture = BaseNamePicture(map);
        WritePreviews(services, rm, Text(map), picture, std::span(&picture, 1));
    }
}

} // namespace

void RepairMaps(const ProgramState& state, const Services& services)
{
    services.pointer.showBusy();
    const QString bh = state.BhwweFolder.isEmpty() ? QString() : MapsFolderOf(state.BhwweFolder);
    const QString rm = state.Rmth3Folder.isEmpty() ? QString() : MapsFolderOf(state.Rmth3Folder);

    if (!state.Rmth3Folder.isEmpty())
        MoveStrayMaps(services, rm);
    if (state.BhwweFolder.size() > 1 && state.BhwweRepairDue)
        WriteBhwwePreviews(services, bh);
    if (state.Rmth3Folder.size() > 1 && state.Rmth3RepairDue)
        WriteRmth3Previews(services, rm);

    services.pointer.showDefault();
}

QStringList RepairSupportPictures()
{
    QStringList pictures;
    const auto add = [&pictures](const QString& picture) {
        if (!pictures.contains(picture))
            pictures.append(picture);
    };
    for (const ExtraPreviews& row : kBhwweExtraPreviews)
        add(Text(row.picture));
    for (const char* map : kBhwwePreviewSet)
        add(BaseNamePicture(map));
    for (const ShortPreview& row : kRmth3ShortPreviewSet)
        add(BaseNamePicture(row.map));
    for (const char* map : kRmth3PreviewSet)
        add(BaseNamePicture(map));
    return pictures;
}

} // namespace zv
