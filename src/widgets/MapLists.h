#pragma once

#include <QString>

namespace zv {

class FileListBox;
struct ProgramState;

// Every list of maps shows the files of one folder that match the map filter.

// Gives a file list the map filter and reads its folder again.
void RefreshMapList(FileListBox& list);
// Gives a file list the map filter and points it at a folder, which it reads;
// a folder that does not exist fails (76) and leaves the list as it was.
void ShowMapsIn(FileListBox& list, const QString& folder);

// Points the console's game list at MapsFolder and its stored list at the
// storage folder inside it (StoredFolder), and reads both. A list whose folder
// does not exist fails, for the caller to handle.
void ListConsoleMaps(ProgramState& state, FileListBox& gameList, FileListBox& storedList);

} // namespace zv
