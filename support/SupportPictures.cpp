#include "SupportPictures.h"

#include <algorithm>

namespace zv {

namespace {

using enum SupportPicture::Kind;

// Sizes are those of the control that shows the picture. Groups marked "size chosen" show in a
// control whose size depends on the game or is not fixed by the window's design; the size is the
// one that fits the control. Groups marked "named here" are artwork the window keeps with itself;
// they are files here so that all artwork is drawn in one place, and the names are this table's.
// clang-format off
const std::vector<SupportPicture> Table = {
    // name                         width height caption                         kind

    // Main frame (named here)
    {"Frame.bmp",                     1280, 960, "Zorvane 2.0",                    FrameBackground},

    // Game selection window (named here)
    {"Skin Startup.bmp",               400, 352, "Zorvane 2.0",                    WindowSkin},
    {"Startup BHWWE.bmp",              160, 120, "Bird Hunter Wild Wings Edition", GamePicture},
    {"Startup RMTH3.bmp",              160, 120, "Rocky Mountain Trophy Hunter 3", GamePicture},

    // Console: the game picture Image7 and the buttons
    {"BHWWE MapMain.bmp",              160, 120, "Bird Hunter Wild Wings Edition", GamePicture},
    {"RMTH3 MapMain.bmp",              160, 120, "Rocky Mountain Trophy Hunter 3", GamePicture},
    {"MapManagerOff.bmp",              121,  35, "Map Manager",                    ButtonOff},
    {"MapManagerOn.bmp",               121,  35, "Map Manager",                    ButtonOn},
    {"InstallOff.bmp",                 121,  35, "Install Map",                    ButtonOff},
    {"InstallOn.bmp",                  121,  35, "Install Map",                    ButtonOn},
    {"StoreMapOff.bmp",                121,  35, "Store Map",                      ButtonOff},
    {"StoreMapOn.bmp",                 121,  35, "Store Map",                      ButtonOn},
    {"NotesOff.bmp",                   121,  35, "Map Notes",                      ButtonOff},
    {"NotesOn.bmp",                    121,  35, "Map Notes",                      ButtonOn},
    // Console: skin, notes panel buttons and decoration (named here)
    {"Skin MapMain.bmp",               650, 700, "Map Console",                    WindowSkin},
    {"NotesSave.bmp",                   27,  25, "Save",                           ButtonOff},
    {"NotesClear.bmp",                  27,  25, "Clear",                          ButtonOff},
    {"InstallArrow.bmp",                39,  19, "<<",                             Other},
    {"StoreArrow.bmp",                  39,  19, ">>",                             Other},
    {"MapListFrame.bmp",               198, 181, "",                               Other},
    {"PreviewFrame.bmp",               297,  94, "",                               Other},
    {"GameMapsLabel.bmp",               92,  21, "Game Maps",                      Other},
    {"StoredMapsLabel.bmp",             95,  19, "Stored Maps",                    Other},

    // Map manager: map, folder and tool buttons
    {"BlankButton.bmp",                 51,  48, "",                               BlankButton},
    {"FMCopyOff.bmp",                   51,  48, "Copy Map",                       ButtonOff},
    {"FMCopyOn.bmp",                    51,  48, "Copy Map",                       ButtonOn},
    {"FMDeleteOff.bmp",                 51,  48, "Delete Map",                     ButtonOff},
    {"FMDeleteOn.bmp",                  51,  48, "Delete Map",                     ButtonOn},
    {"FMMoveOff.bmp",                   51,  48, "Move Map",                       ButtonOff},
    {"FMMoveOn.bmp",                    51,  48, "Move Map",                       ButtonOn},
    {"FMRenameOff.bmp",                 51,  48, "New Map Name",                   ButtonOff},
    {"FMRenameOn.bmp",                  51,  48, "New Map Name",                   ButtonOn},
    {"FMNewFolderOff.bmp",              51,  48, "New Folder",                     ButtonOff},
    {"FMNewFolderOn.bmp",               51,  48, "New Folder",                     ButtonOn},
    {"FMDeleteFolderOff.bmp",           51,  48, "Delete Folder",                  ButtonOff},
    {"FMDeleteFolderOn.bmp",            51,  48, "Delete Folder",                  ButtonOn},
    {"FMRenameFolderOff.bmp",           51,  48, "New Folder Name",                ButtonOff},
    {"FMRenameFolderOn.bmp",            51,  48, "New Folder Name",                ButtonOn},
    {"FMFindMapsOff.bmp",               51,  48, "Find Maps",                      ButtonOff},
    {"FMSwitchRMTH3.bmp",               51,  48, "Switch to RMTH3",                ButtonOff},
    {"FMSwitchBHWWE.bmp",               51,  48, "Switch to BHWWE",                ButtonOff},
    // Map manager: skin, design-time buttons and decoration (named here)
    {"Skin MapManager.bmp",            650, 600, "Map Manager",                    WindowSkin},
    {"FMExitToMain.bmp",                51,  48, "Exit to Main",                   ButtonOff},
    {"FMHome.bmp",                      65,  24, "Home",                           ButtonOff},
    {"FMCancel.bmp",                    65,  24, "Cancel",                         ButtonOff},
    {"FMDecoration.bmp",               379, 290, "Zorvane 2.0",                    Other},

    // Map finder and found-files list; the close spots are drawn in the skins
    {"Go.bmp",                          44,  24, "Go",                             ButtonOn},
    {"GoOff.bmp",                       44,  24, "Go",                             ButtonOff},
    {"Skin FindMaps.bmp",              368, 188, "Find Maps",                      WindowSkin},
    {"Skin ListMaps.bmp",              368, 188, "Found Files List",               WindowSkin},

    // Download browser: navigation buttons, 1450 x 400 twips (named here, size rounded)
    {"BrowseBack.bmp",                  97,  27, "Back",                           ButtonOff},
    {"BrowseForward.bmp",               97,  27, "Forward",                        ButtonOff},
    {"BrowseStop.bmp",                  97,  27, "Stop",                           ButtonOff},
    {"BrowseRefresh.bmp",               97,  27, "Refresh",                        ButtonOff},
    {"BrowseInstall.bmp",               97,  27, "Install",                        ButtonOff},
    // Download browser: page buttons, main-page set
    {"MainPageOff.bmp",                 94,  28, "Main Page",                      PageButtonOff},
    {"MainPageOn.bmp",                  94,  28, "Main Page",                      PageButtonOn},
    {"BHWWEOff.bmp",                    94,  47, "BHWWE Maps",                     PageButtonOff},
    {"RMTH3Off.bmp",                    94,  47, "RMTH3 Maps",                     PageButtonOff},
    // Download browser: page buttons, BHWWE set
    {"DoveOff.bmp",                     94,  47, "Dove",                           PageButtonOff},
    {"DoveOn.bmp",                      94,  47, "Dove",                           PageButtonOn},
    {"DuckOff.bmp",                     94,  47, "Duck",                           PageButtonOff},
    {"DuckOn.bmp",                      94,  47, "Duck",                           PageButtonOn},
    {"GooseOff.bmp",                    94,  47, "Goose",                          PageButtonOff},
    {"GooseOn.bmp",                     94,  47, "Goose",                          PageButtonOn},
    {"GrouseOff.bmp",                   94,  47, "Grouse",                         PageButtonOff},
    {"GrouseOn.bmp",                    94,  47, "Grouse",                         PageButtonOn},
    {"PheasantOff.bmp",                 94,  47, "Pheasant",                       PageButtonOff},
    {"PheasantOn.bmp",                  94,  47, "Pheasant",                       PageButtonOn},
    {"PrairieChickenOff.bmp",           94,  47, "Prairie Chicken",                PageButtonOff},
    {"PrairieChickenOn.bmp",            94,  47, "Prairie Chicken",                PageButtonOn},
    {"QuailOff.bmp",                    94,  47, "Quail",                          PageButtonOff},
    {"QuailOn.bmp",                     94,  47, "Quail",                          PageButtonOn},
    {"TurkeyOff.bmp",                   94,  47, "Turkey",                         PageButtonOff},
    {"TurkeyOn.bmp",                    94,  47, "Turkey",                         PageButtonOn},
    {"WoodcockOff.bmp",                 94,  47, "Woodcock",                       PageButtonOff},
    {"WoodcockOn.bmp",                  94,  47, "Woodcock",                       PageButtonOn},
    // Download browser: page buttons, RMTH3 set; the last row serves both games
    {"BearOff.bmp",                     94,  47, "Bear",                           PageButtonOff},
    {"BearOn.bmp",                      94,  47, "Bear",                           PageButtonOn},
    {"CaribouOff.bmp",                  94,  47, "Caribou",                        PageButtonOff},
    {"CaribouOn.bmp",                   94,  47, "Caribou",                        PageButtonOn},
    {"CougarOff.bmp",                   94,  47, "Cougar",                         PageButtonOff},
    {"CougarOn.bmp",                    94,  47, "Cougar",                         PageButtonOn},
    {"ElkOff.bmp",                      94,  47, "Elk",                            PageButtonOff},
    {"ElkOn.bmp",                       94,  47, "Elk",                            PageButtonOn},
    {"GoatOff.bmp",                     94,  47, "Goat",                           PageButtonOff},
    {"GoatOn.bmp",                      94,  47, "Goat",                           PageButtonOn},
    {"MooseOff.bmp",                    94,  47, "Moose",                          PageButtonOff},
    {"MooseOn.bmp",                     94,  47, "Moose",                          PageButtonOn},
    {"PronghornOff.bmp",                94,  47, "Pronghorn",                      PageButtonOff},
    {"PronghornOn.bmp",                 94,  47, "Pronghorn",                      PageButtonOn},
    {"SheepOff.bmp",                    94,  47, "Sheep",                          PageButtonOff},
    {"SheepOn.bmp",                     94,  47, "Sheep",                          PageButtonOn},
    {"WolfOff.bmp",                     94,  47, "Wolf",                           PageButtonOff},
    {"WolfOn.bmp",                      94,  47, "Wolf",                           PageButtonOn},
    {"UnusualOff.bmp",                  94,  47, "Unusual",                        PageButtonOff},
    {"UnusualOn.bmp",                   94,  47, "Unusual",                        PageButtonOn},

    // Installer; its close spot is drawn in the skin (named here)
    {"Skin Install.bmp",               500, 394, "Installer",                      WindowSkin},
    {"InstallPackage.bmp",              94,  36, "Install",                        ButtonOff},

    // Information windows (named here)
    {"Skin Help1.bmp",                 650, 500, "Zorvane 2.0 - Information",      WindowSkin},
    {"Skin Help2.bmp",                 650, 500, "Zorvane 2.0 - About",            WindowSkin},
    {"Skin Help3.bmp",                 650, 500, "Zorvane 2.0 - Terms of Use",     WindowSkin},
    {"HelpClose.bmp",                   68,  30, "Close",                          ButtonOff},
    {"AboutBanner.bmp",                566,  64, "Visit the Zorvane web site",     Other},

    // Stock-map previews of the repair, BHWWE; the console's BHWWE preview box (size chosen)
    {"FL_01.bmp",                      300,  97, "FL_01",                          StockPreview},
    {"LA_01.bmp",                      300,  97, "LA_01",                          StockPreview},
    {"Suwanee County.bmp",             300,  97, "Suwanee County",                 StockPreview},
    {"ww_target_range.bmp",            300,  97, "ww_target_range",                StockPreview},
    {"BattleCreek_MI.bmp",             300,  97, "BattleCreek_MI",                 StockPreview},
    {"Biesbosch_NL.bmp",               300,  97, "Biesbosch_NL",                   StockPreview},
    {"BlackMnts_TX.bmp",               300,  97, "BlackMnts_TX",                   StockPreview},
    {"Bobcat_Creek_T.bmp",             300,  97, "Bobcat_Creek_T",                 StockPreview},
    {"Bobcat_Creek_U.bmp",             300,  97, "Bobcat_Creek_U",                 StockPreview},
    {"FordAugustus.bmp",               300,  97, "FordAugustus",                   StockPreview},
    {"GaffCreek_WY.bmp",               300,  97, "GaffCreek_WY",                   StockPreview},
    {"ParadiseValley_NV.bmp",          300,  97, "ParadiseValley_NV",              StockPreview},
    {"SanGerman_PR.bmp",               300,  97, "SanGerman_PR",                   StockPreview},
    {"WhiteSulphur_WV.bmp",            300,  97, "WhiteSulphur_WV",                StockPreview},

    // Stock-map previews of the repair, RMTH3; the console's RMTH3 preview box (size chosen)
    {"Arctic Circle.bmp",              158, 126, "Arctic Circle",                  StockPreview},
    {"Battle Creek_MI.bmp",            158, 126, "Battle Creek_MI",                StockPreview},
    {"Olney.bmp",                      158, 126, "Olney",                          StockPreview},
    {"Alcove_Canyon_UT.bmp",           158, 126, "Alcove_Canyon_UT",               StockPreview},
    {"BigSky_NY.bmp",                  158, 126, "BigSky_NY",                      StockPreview},
    {"Breathitt_KY.bmp",               158, 126, "Breathitt_KY",                   StockPreview},
    {"Cannon Ball,ND.bmp",             158, 126, "Cannon Ball,ND",                 StockPreview},
    {"Cattle_Canyon.bmp",              158, 126, "Cattle_Canyon",                  StockPreview},
    {"Clayton_DE.bmp",                 158, 126, "Clayton_DE",                     StockPreview},
    {"Dakota National Forest, NV.bmp", 158, 126, "Dakota National Forest, NV",     StockPreview},
    {"DallsTerritory.bmp",             158, 126, "DallsTerritory",                 StockPreview},
    {"Elk_River_ID.bmp",               158, 126, "Elk_River_ID",                   StockPreview},
    {"EXTREME REGIONS_USA.bmp",        158, 126, "EXTREME REGIONS_USA",            StockPreview},
    {"Fairbanks_AK.bmp",               158, 126, "Fairbanks_AK",                   StockPreview},
    {"Lookout Flats.bmp",              158, 126, "Lookout Flats",                  StockPreview},
    {"Great_BasinNP_NV.bmp",           158, 126, "Great_BasinNP_NV",               StockPreview},
    {"Grizzly_Islands.bmp",            158, 126, "Grizzly_Islands",                StockPreview},
    {"Vellmoor_Ranch.bmp",             158, 126, "Vellmoor_Ranch",                 StockPreview},
    {"Devil's Island.bmp",             158, 126, "Devil's Island",                 StockPreview},
    {"Jaspar_Nat_Park_BC.bmp",         158, 126, "Jaspar_Nat_Park_BC",             StockPreview},
    {"Midland_TX.bmp",                 158, 126, "Midland_TX",                     StockPreview},
    {"Minnesota MT_CA.bmp",            158, 126, "Minnesota MT_CA",                StockPreview},
    {"Monumental_WA.bmp",              158, 126, "Monumental_WA",                  StockPreview},
    {"Nassau_FL.bmp",                  158, 126, "Nassau_FL",                      StockPreview},
    {"Paradise Valley Canada.bmp",     158, 126, "Paradise Valley Canada",         StockPreview},
    {"Blue Lake Mt NY.bmp",            158, 126, "Blue Lake Mt NY",                StockPreview},
    {"Paso Robles_CA.bmp",             158, 126, "Paso Robles_CA",                 StockPreview},
    {"Rocky Ranch, CA.bmp",            158, 126, "Rocky Ranch, CA",                StockPreview},
    {"Saddle_Brook_AR.bmp",            158, 126, "Saddle_Brook_AR",                StockPreview},
    {"Selway_Bit_ID.bmp",              158, 126, "Selway_Bit_ID",                  StockPreview},
    {"Shelagyote_Pk.bmp",              158, 126, "Shelagyote_Pk",                  StockPreview},
    {"Sorsele_Sweden.bmp",             158, 126, "Sorsele_Sweden",                 StockPreview},
    {"Spirit_Sky_WI.bmp",              158, 126, "Spirit_Sky_WI",                  StockPreview},
    {"Steens_OR.bmp",                  158, 126, "Steens_OR",                      StockPreview},
    {"StoneWall_NV.bmp",               158, 126, "StoneWall_NV",                   StockPreview},
    {"Toppenish_WA.bmp",               158, 126, "Toppenish_WA",                   StockPreview},
    {"West_Grove_PA.bmp",              158, 126, "West_Grove_PA",                  StockPreview},
    {"Wilderness Landing.bmp",         158, 126, "Wilderness Landing",             StockPreview},
    {"Willmore_Wilderness.bmp",        158, 126, "Willmore_Wilderness",            StockPreview},
    {"Wolford_ND.bmp",                 158, 126, "Wolford_ND",                     StockPreview},
    {"Pronghorn Point.bmp",            158, 126, "Pronghorn Point",                StockPreview},
};
// clang-format on

} // namespace

const std::vector<SupportPicture>& SupportPictures()
{
    return Table;
}

const SupportPicture* FindSupportPicture(const QString& name)
{
    const auto found = std::ranges::find(Table, name, &SupportPicture::name);
    return found == Table.end() ? nullptr : &*found;
}

} // namespace zv
