#include "manager/ManagerRules.h"

#include <gtest/gtest.h>

namespace zv {
namespace {

using B = ManagerButton;
using M = ManagerMode;
using S = ManagerStep;

constexpr B kAllButtons[] = {B::CopyMap,    B::DeleteMap,  B::MoveMap,      B::NewMapName,
                             B::FindMaps,   B::NewFolder,  B::DeleteFolder, B::NewFolderName,
                             B::SwitchGame, B::ExitToMain, B::Home,         B::Cancel};

// A window with a map selected in an open folder and the name box closed.
ClickFacts Selected(M mode)
{
    ClickFacts facts;
    facts.mode = mode;
    facts.hasManagerSelection = true;
    facts.fileSelected = true;
    facts.folderOpen = true;
    return facts;
}

TEST(ManagerRules, AnArmedDeleteIsDroppedByTheButtonsThatNameIt)
{
    struct Row {
        B button;
        bool dropsMapDelete;
        bool dropsFolderDelete;
        bool showsTools;
    };
    const Row rows[] = {
        {B::CopyMap, true, true, false},       {B::DeleteMap, false, true, false},
        {B::MoveMap, true, true, false},       {B::NewMapName, true, true, true},
        {B::FindMaps, true, true, false},      {B::NewFolder, true, true, true},
        {B::DeleteFolder, true, false, true},  {B::NewFolderName, true, true, true},
        {B::SwitchGame, true, true, false},    {B::ExitToMain, true, true, false},
        {B::Home, true, true, true},           {B::Cancel, false, false, false},
    };
    ASSERT_EQ(std::size(rows), std::size(kAllButtons));
    for (const Row& row : rows) {
        const QString name = ControlNameOf(row.button);
        const ClickDecision mapDelete = DecideClick(row.button, Selected(M::DeleteMapArmed));
        const ClickDecision folderDelete = DecideClick(row.button, Selected(M::DeleteFolderArmed));
        EXPECT_EQ(mapDelete.step == S::DropArmedDelete, row.dropsMapDelete) << qPrintable(name);
        EXPECT_EQ(folderDelete.step == S::DropArmedDelete, row.dropsFolderDelete) << qPrintable(name);
        if (row.dropsMapDelete) {
            EXPECT_EQ(mapDelete.dropShowsTools, row.showsTools) << qPrintable(name);
        }
        if (row.dropsFolderDelete) {
            EXPECT_EQ(folderDelete.dropShowsTools, row.showsTools) << qPrintable(name);
        }
    }
}

TEST(ManagerRules, NoButtonDropsAnythingElse)
{
    for (M mode : {M::Idle, M::CopyArmed, M::CopyTargetClicked, M::MoveArmed, M::MoveTargetClicked,
                   M::RenameFolderArmed}) {
        for (B button : kAllButtons)
            EXPECT_NE(DecideClick(button, Selected(mode)).step, S::DropArmedDelete)
                << qPrintable(ControlNameOf(button)) << " in mode " << static_cast<int>(mode);
    }
}

TEST(ManagerRules, TheFirstRuleThatAppliesRuns)
{
    ClickFacts nothingSelected = Selected(M::Idle);
    nothingSelected.hasManagerSelection = false;
    nothingSelected.fileSelected = false;
    ClickFacts armedCopyInAnotherFolder = Selected(M::CopyArmed);
    armedCopyInAnotherFolder.fileSelected = false; // ManagerSelection stays from the arming
    ClickFacts armedCopyNothingSelected = armedCopyInAnotherFolder;
    armedCopyNothingSelected.hasManagerSelection = false;
    ClickFacts deleteArmedInAnotherFolder = Selected(M::DeleteMapArmed);
    deleteArmedInAnotherFolder.fileSelected = false;
    ClickFacts noFolder = Selected(M::Idle);
    noFolder.folderOpen = false;

    const auto nameBox = [](M mode, const char* text, bool visible) {
        ClickFacts facts = Selected(mode);
        facts.nameBoxEmpty = QString::fromLatin1(text).isEmpty();
        facts.nameBoxVisible = visible;
        facts.trimmedNameLength = QString::fromLatin1(text).trimmed().size();
        return facts;
    };

    const struct {
        const char* what;
        B button;
        ClickFacts facts;
        S step;
    } cases[] = {
        {"copy without a map", B::CopyMap, nothingSelected, S::SelectFirst},
        {"copy arms", B::CopyMap, Selected(M::Idle), S::ArmCopy},
        {"copy performs in another folder", B::CopyMap, armedCopyInAnotherFolder, S::PerformCopy},
        {"copy armed but the selection gone", B::CopyMap, armedCopyNothingSelected, S::SelectFirst},
        {"copy after a file click", B::CopyMap, Selected(M::CopyTargetClicked), S::CopyAfterFileClick},
        {"copy while a move is armed", B::CopyMap, Selected(M::MoveArmed), S::Nothing},
        {"copy while a folder rename is open", B::CopyMap, Selected(M::RenameFolderArmed), S::Nothing},
        {"delete arms", B::DeleteMap, Selected(M::Idle), S::ArmDeleteMap},
        {"delete performs", B::DeleteMap, Selected(M::DeleteMapArmed), S::PerformDeleteMap},
        {"delete armed, no file shown selected", B::DeleteMap, deleteArmedInAnotherFolder,
         S::SelectFirst},
        {"delete while a copy is armed", B::DeleteMap, Selected(M::CopyArmed), S::Nothing},
        {"move without a map", B::MoveMap, nothingSelected, S::SelectFirst},
        {"move arms", B::MoveMap, Selected(M::Idle), S::ArmMove},
        {"move performs", B::MoveMap, Selected(M::MoveArmed), S::PerformMove},
        {"move after a file click", B::MoveMap, Selected(M::MoveTargetClicked), S::MoveAfterFileClick},
        {"move while a copy is armed", B::MoveMap, Selected(M::CopyArmed), S::Nothing},
        {"map name without a map", B::NewMapName, nothingSelected, S::SelectFirst},
        {"map name opens the box", B::NewMapName, nameBox(M::Idle, "", false), S::OpenMapName},
        {"map name opens whatever is armed", B::NewMapName, nameBox(M::CopyArmed, "", false),
         S::OpenMapName},
        {"map name commits any text", B::NewMapName, nameBox(M::Idle, "  ", true), S::CommitMapName},
        {"new folder", B::NewFolder, Selected(M::CopyArmed), S::MakeFolder},
        {"remove folder with none open", B::DeleteFolder, noFolder, S::SelectFirst},
        {"remove folder arms", B::DeleteFolder, Selected(M::Idle), S::ArmRemoveFolder},
        {"remove folder replaces an armed copy", B::DeleteFolder, Selected(M::CopyArmed),
         S::ArmRemoveFolder},
        {"remove folder replaces a folder rename", B::DeleteFolder, Selected(M::RenameFolderArmed),
         S::ArmRemoveFolder},
        {"remove folder performs", B::DeleteFolder, Selected(M::DeleteFolderArmed),
         S::PerformRemoveFolder},
        {"folder name with none open", B::NewFolderName, noFolder, S::SelectFirst},
        {"folder name opens the box", B::NewFolderName, nameBox(M::MoveArmed, "", false),
         S::OpenFolderName},
        {"folder name with the map name box open", B::NewFolderName, nameBox(M::Idle, "", true),
         S::Nothing},
        {"folder name commits a long name", B::NewFolderName,
         nameBox(M::RenameFolderArmed, " Keep ", true), S::CommitFolderName},
        {"folder name ignores one character", B::NewFolderName,
         nameBox(M::RenameFolderArmed, " K ", true), S::Nothing},
        {"folder name with a map rename typed", B::NewFolderName, nameBox(M::Idle, "Keep", true),
         S::Nothing},
        {"find maps", B::FindMaps, Selected(M::CopyArmed), S::OpenFinder},
        {"switch", B::SwitchGame, Selected(M::MoveArmed), S::SwitchGame},
        {"exit to main", B::ExitToMain, Selected(M::RenameFolderArmed), S::ReturnToConsole},
        {"home", B::Home, Selected(M::CopyArmed), S::GoHome},
        {"cancel drops a map delete too", B::Cancel, Selected(M::DeleteMapArmed), S::Cancel},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DecideClick(c.button, c.facts).step, c.step) << c.what;
}

TEST(ManagerRules, EnterCommitsTheRenameUnderWay)
{
    const auto typed = [](M mode, const char* text) {
        ClickFacts facts = Selected(mode);
        facts.nameBoxEmpty = false;
        facts.nameBoxVisible = true;
        facts.trimmedNameLength = QString::fromLatin1(text).trimmed().size();
        return facts;
    };
    EXPECT_EQ(DecideEnter(typed(M::Idle, "   ")), S::Nothing);
    EXPECT_EQ(DecideEnter(typed(M::RenameFolderArmed, "   ")), S::Nothing);
    EXPECT_EQ(DecideEnter(typed(M::RenameFolderArmed, "K")), S::CommitFolderName);
    EXPECT_EQ(DecideEnter(typed(M::Idle, "Marsh2")), S::CommitMapName);
    EXPECT_EQ(DecideEnter(typed(M::CopyArmed, "Marsh2")), S::CommitMapName);
}

TEST(ManagerRules, OnlyTheMapNameButtonLeavesTheModeAtItsSelectFirstText)
{
    for (B button : kAllButtons) {
        const auto rule = SelectFirstOf(button);
        const bool expected = button == B::CopyMap || button == B::DeleteMap || button == B::MoveMap ||
                              button == B::NewMapName || button == B::DeleteFolder ||
                              button == B::NewFolderName;
        ASSERT_EQ(rule.has_value(), expected) << qPrintable(ControlNameOf(button));
        if (rule) {
            EXPECT_EQ(rule->also == SelectFirstAlso::HideNameBox, button == B::NewMapName);
        }
    }
}

} // namespace
} // namespace zv
