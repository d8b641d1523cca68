#include "ManagerRules.h"

#include <array>

namespace zv {

namespace {

// When a rule applies.
enum class When {
    Always,
    NoManagerSelection,
    NoSelectedName,
    NoFolderOpen,
    NameBoxEmpty,
    NameBoxEmptyAndHidden,
    Idle,
    CopyArmed,
    CopyTargetClicked,
    DeleteMapArmed,
    MoveArmed,
    MoveTargetClicked,
    DeleteFolderArmed,
    RenameFolderArmedWithLongName, // and the trimmed name longer than one character
    Never,                         // an unused place in a row
};

// Which armed deletes a button drops instead of running.
enum class Drops { BothDeletes, FolderDeleteOnly, MapDeleteOnly, None };

struct Rule {
    When when = When::Never;
    ManagerStep step = ManagerStep::Nothing;
};

struct ButtonRules {
    ManagerButton button;
    const char* control;
    Drops drops;
    bool dropShowsTools;
    SelectFirstRule selectFirst; // status nullptr: the button has none
    std::array<Rule, 4> rules;   // in order; the first that applies is the only one that runs
};

using B = ManagerButton;
using S = ManagerStep;
using W = When;
constexpr SelectFirstRule kNoSelectFirst{nullptr, SelectFirstAlso::SetIdle};
constexpr auto kIdle = SelectFirstAlso::SetIdle;

// Each button's click, decided in this order: the drop of an armed delete
// (CancelArmedDelete), then the rules; no rule that applies: nothing happens.
constexpr ButtonRules kButtonRules[] = {
    {B::CopyMap, "Image1", Drops::BothDeletes, false,
     {"Please select a map, then click on the COPY MAP button.", kIdle},
     {{{W::NoManagerSelection, S::SelectFirst}, {W::Idle, S::ArmCopy},
       {W::CopyArmed, S::PerformCopy}, {W::CopyTargetClicked, S::CopyAfterFileClick}}}},
    {B::DeleteMap, "Image2", Drops::FolderDeleteOnly, false,
     {"Choose a map to remove, then click on the DELETE MAP button again.", kIdle},
     {{{W::NoSelectedName, S::SelectFirst}, {W::Idle, S::ArmDeleteMap},
       {W::DeleteMapArmed, S::PerformDeleteMap}}}},
    {B::MoveMap, "Image4", Drops::BothDeletes, false,
     {"Please select the file you want to move, then click on the MOVE MAP button.", kIdle},
     {{{W::NoManagerSelection, S::SelectFirst}, {W::Idle, S::ArmMove},
       {W::MoveArmed, S::PerformMove}, {W::MoveTargetClicked, S::MoveAfterFileClick}}}},
    {B::NewMapName, "Image5", Drops::BothDeletes, true,
     {"Select a file first, then click on the NEW MAP NAME button.", SelectFirstAlso::HideNameBox},
     {{{W::NoManagerSelection, S::SelectFirst}, {W::NameBoxEmpty, S::OpenMapName},
       {W::Always, S::CommitMapName}}}},
    {B::FindMaps, "Image6", Drops::BothDeletes, false, kNoSelectFirst,
     {{{W::Always, S::OpenFinder}}}},
    {B::NewFolder, "Image7", Drops::BothDeletes, true, kNoSelectFirst,
     {{{W::Always, S::MakeFolder}}}},
    {B::DeleteFolder, "Image8", Drops::MapDeleteOnly, true,
     {"Select a folder to remove, then click on the DELETE FOLDER button again.", kIdle},
     {{{W::NoFolderOpen, S::SelectFirst}, {W::DeleteFolderArmed, S::PerformRemoveFolder},
       {W::Always, S::ArmRemoveFolder}}}},
    {B::NewFolderName, "Image9", Drops::BothDeletes, true,
     {"Select a folder, then click on the NEW FOLDER NAME button.", kIdle},
     {{{W::NoFolderOpen, S::SelectFirst}, {W::NameBoxEmptyAndHidden, S::OpenFolderName},
       {W::RenameFolderArmedWithLongName, S::CommitFolderName}}}},
    {B::SwitchGame, "Image10", Drops::BothDeletes, false, kNoSelectFirst,
     {{{W::Always, S::SwitchGame}}}},
    {B::ExitToMain, "Image11", Drops::BothDeletes, false, kNoSelectFirst,
     {{{W::Always, S::ReturnToConsole}}}},
    {B::Home, "Image15", Drops::BothDeletes, true, kNoSelectFirst,
     {{{W::Always, S::GoHome}}}},
    {B::Cancel, "Image12", Drops::None, false, kNoSelectFirst,
     {{{W::Always, S::Cancel}}}},
};

const ButtonRules& RowOf(ManagerButton button)
{
    for (const ButtonRules& row : kButtonRules) {
        if (row.button == button)
            return row;
    }
    return kButtonRules[std::size(kButtonRules) - 1];
}

bool Drop(Drops drops, ManagerMode mode)
{
    const bool mapDelete = mode == ManagerMode::DeleteMapArmed;
    const bool folderDelete = mode == ManagerMode::DeleteFolderArmed;
    switch (drops) {
    case Drops::BothDeletes: return mapDelete || folderDelete;
    case Drops::FolderDeleteOnly: return folderDelete;
    case Drops::MapDeleteOnly: return mapDelete;
    case Drops::None: return false;
    }
    return false;
}

bool Applies(When when, const ClickFacts& facts)
{
    switch (when) {
    case W::Always: return true;
    case W::NoManagerSelection: return !facts.hasManagerSelection;
    case W::NoSelectedName: return !facts.fileSelected;
    case W::NoFolderOpen: return !facts.folderOpen;
    case W::NameBoxEmpty: return facts.nameBoxEmpty;
    case W::NameBoxEmptyAndHidden: return facts.nameBoxEmpty && !facts.nameBoxVisible;
    case W::Idle: return facts.mode == ManagerMode::Idle;
    case W::CopyArmed: return facts.mode == ManagerMode::CopyArmed;
    case W::CopyTargetClicked: return facts.mode == ManagerMode::CopyTargetClicked;
    case W::DeleteMapArmed: return facts.mode == ManagerMode::DeleteMapArmed;
    case W::MoveArmed: return facts.mode == ManagerMode::MoveArmed;
    case W::MoveTargetClicked: return facts.mode == ManagerMode::MoveTargetClicked;
    case W::DeleteFolderArmed: return facts.mode == ManagerMode::DeleteFolderArmed;
    case W::RenameFolderArmedWithLongName:
        return facts.mode == ManagerMode::RenameFolderArmed && facts.trimmedNameLength > 1;
    case W::Never: return false;
    }
    return false;
}

} // namespace

ClickDecision DecideClick(ManagerButton button, const ClickFacts& facts)
{
    const ButtonRules& row = RowOf(button);
    if (Drop(row.drops, facts.mode))
        return {S::DropArmedDelete, row.dropShowsTools};
    for (const Rule& rule : row.rules) {
        if (Applies(rule.when, facts))
            return {rule.step, false};
    }
    return {S::Nothing, false};
}

std::optional<SelectFirstRule> SelectFirstOf(ManagerButton button)
{
    const ButtonRules& row = RowOf(button);
    if (!row.selectFirst.status)
        return std::nullopt;
    return row.selectFirst;
}

QString ControlNameOf(ManagerButton button)
{
    return QString::fromLatin1(RowOf(button).control);
}

ManagerStep DecideEnter(const ClickFacts& facts)
{
    if (facts.trimmedNameLength == 0)
        return S::Nothing;
    return facts.mode == ManagerMode::RenameFolderArmed ? S::CommitFolderName : S::CommitMapName;
}

} // namespace zv
