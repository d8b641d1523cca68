#pragma once

#include <optional>
#include <string>

namespace zv {

// Walks the whole tree under hostRoot and returns the host path of the first
// plain file (or link to one) whose name equals fileName ignoring case.
//
// Visiting order: breadth first, so a shallower match always wins over a
// deeper one; inside one folder a matching file comes before anything in its
// sub-folders, several matching names in one folder are taken in byte order,
// and sub-folders are visited in byte order of their names. Links to folders
// are never followed (no loops), unreadable folders are skipped, and no
// per-entry stat is made where the directory entry already tells its type.
//
// Names compare as Windows compares them: ASCII letters fold byte by byte,
// other UTF-8 names through Unicode case folding. The result is hostRoot
// joined to the path below it with single '/' separators, whether or not
// hostRoot ends in '/'. A root that is missing or cannot be read gives nullopt.
//
// The folders of one depth are read by TreeSearchThreads() threads at once;
// the result is the one the order above gives, whatever the number of
// threads, and every thread has ended when the search returns.
std::optional<std::string> SearchTreeForFile(const std::string& hostRoot,
                                             const std::string& fileName);

// The same search with the given number of threads (1 reads every folder on
// the calling thread).
std::optional<std::string> SearchTreeForFile(const std::string& hostRoot,
                                             const std::string& fileName, unsigned threads);

// The cores this process may run on, at least 1 and at most kMaxTreeSearchThreads.
unsigned TreeSearchThreads();

inline constexpr unsigned kMaxTreeSearchThreads = 32;

} // namespace zv
