#pragma once

#include <QString>

#include <cstdint>
#include <optional>

namespace zv {

// The manager's one piece of state: which command is armed.
enum class ManagerMode : std::int16_t {
    Idle = 0,              // nothing armed
    CopyArmed = 1,         // a copy waits for its destination
    CopyTargetClicked = 2, // a file was clicked while a copy was armed
    DeleteMapArmed = 3,    // a map delete waits for its confirming click
    MoveArmed = 4,         // a move waits for its destination
    MoveTargetClicked = 5, // a file was clicked while a move was armed
    DeleteFolderArmed = 6, // a folder removal waits for its confirming click
    RenameFolderArmed = 7, // the name box is open for a folder rename
};

// The manager's buttons, by the command each carries.
enum class ManagerButton {
    CopyMap,       // Image1
    DeleteMap,     // Image2
    MoveMap,       // Image4
    NewMapName,    // Image5
    FindMaps,      // Image6
    NewFolder,     // Image7
    DeleteFolder,  // Image8
    NewFolderName, // Image9
    SwitchGame,    // Image10
    ExitToMain,    // Image11
    Home,          // Image15
    Cancel,        // Image12
};

// What one click runs.
enum class ManagerStep {
    Nothing,
    DropArmedDelete, // the click only drops an armed map or folder delete
    SelectFirst,     // the button's "select something first" status
    ArmCopy,
    PerformCopy,
    CopyAfterFileClick, // Copy Map again after a file was clicked while armed
    ArmDeleteMap,
    PerformDeleteMap,
    ArmMove,
    PerformMove,
    MoveAfterFileClick,
    OpenMapName,
    CommitMapName,
    MakeFolder,
    ArmRemoveFolder,
    PerformRemoveFolder,
    OpenFolderName,
    CommitFolderName,
    OpenFinder,
    SwitchGame,
    ReturnToConsole,
    GoHome,
    Cancel,
};

// What the window knows at a click.
struct ClickFacts {
    ManagerMode mode = ManagerMode::Idle;
    bool hasManagerSelection = false; // ManagerSelection is not empty
    bool fileSelected = false;        // the file list has a selected name
    bool folderOpen = false;          // the folder list's path is not empty
    bool nameBoxEmpty = true;
    bool nameBoxVisible = false;
    qsizetype trimmedNameLength = 0; // the name box's text without outer blanks
};

// What the select-first rule of a button does besides its status text.
enum class SelectFirstAlso { SetIdle, HideNameBox };

struct SelectFirstRule {
    const char* status;
    SelectFirstAlso also;
};

// The decision for one click: the step, and for a dropped delete whether the
// tool buttons are shown again.
struct ClickDecision {
    ManagerStep step = ManagerStep::Nothing;
    bool dropShowsTools = false;
};

ClickDecision DecideClick(ManagerButton button, const ClickFacts& facts);

// The status text and side effect of a button's select-first rule; nullopt
// for buttons without one.
std::optional<SelectFirstRule> SelectFirstOf(ManagerButton button);

// The button's control name ("Image1").
QString ControlNameOf(ManagerButton button);

} // namespace zv

namespace zv {

// The Enter rule: Enter with a name box that is not blank commits the rename
// under way, the folder rename while one is armed, else the map rename.
ManagerStep DecideEnter(const ClickFacts& facts);

} // namespace zv
