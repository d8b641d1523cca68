#include "MapMove.h"

#include "MapFolders.h"
#include "platform/Failure.h"
#include "platform/FileSystem.h"
#include "platform/ProgramPath.h"

namespace zv {

namespace {

// clang-format off
// Store and install treat failures by kind; every number not listed shows the message.
constexpr struct {
    int number;
    MoveFailureAnswer answer;
} kMoveFailures[] = {
    // failure                                     effect
    {FailureNumber::FileNotFound,    MoveFailureAnswer::SkipStep},     // a map without preview
    {FailureNumber::InvalidArgument, MoveFailureAnswer::ResetButtons}, // a name too short to cut
};
// clang-format on

// Runs a step; false when it failed and the failure is one to skip.
template <typename Step> bool Done(Step step)
{
    try {
        step();
        return true;
    } catch (const Failure& failure) {
        if (AnswerToMoveFailure(failure.number()) != MoveFailureAnswer::SkipStep)
            throw;
        return false;
    }
}

} // namespace

MoveFailureAnswer AnswerToMoveFailure(int number)
{
    for (const auto& row : kMoveFailures) {
        if (row.number == number)
            return row.answer;
    }
    return MoveFailureAnswer::ShowMessage;
}

void MoveMapPair(FileSystem& files, const MapMove& move)
{
    const QString previewName = PreviewPathFor(move.name);
    if (move.toFolder.isEmpty())
        throw Failure(FailureNumber::PathNotFound);
    const bool mapCopied =
        Done([&] { files.copyFile(move.map, JoinPath(move.toFolder, move.name)); });
    const bool previewCopied =
        Done([&] { files.copyFile(move.preview, JoinPath(move.toFolder, previewName)); });
    if (mapCopied)
        Done([&] { files.deleteFile(move.map); });
    if (previewCopied)
        Done([&] { files.deleteFile(move.preview); });
}

} // namespace zv
