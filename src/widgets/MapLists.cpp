#include "MapLists.h"

#include "FileLists.h"

#include "core/MapFolders.h"
#include "core/ProgramState.h"

namespace zv {

void RefreshMapList(FileListBox& list)
{
    list.setPattern(kMapListFilter);
    list.refresh();
}

void ShowMapsIn(FileListBox& list, const QString& folder)
{
    list.setPattern(kMapListFilter);
    list.setPath(folder);
}

void ListConsoleMaps(ProgramState& state, FileListBox& gameList, FileListBox& storedList)
{
    ShowMapsIn(gameList, state.MapsFolder);
    state.StoredFolder = StoredFolderFor(state.MapsFolder);
    ShowMapsIn(storedList, state.StoredFolder);
}

} // namespace zv
