#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace sibylon {

// Names of the regular files in `folder` whose name ends with `suffix` (case-sensitive; an empty
// suffix takes every file), sorted by byte order; the temporary files of saves are never listed. A
// folder that cannot be read fails with "Cannot open file" for the folder and the system's reason.
std::vector<std::string> ListFiles(const std::string& folder, std::string_view suffix);

// Names of the sub-folders of `folder`, in no particular order (without temporary save names).
std::vector<std::string> ListSubfolders(const std::string& folder);

// Sorts names alphabetically without regard to (ASCII) letter case, as the program's lists do;
// names equal but for case keep their order.
void SortWithoutCase(std::vector<std::string>& names);
bool LessWithoutCase(std::string_view a, std::string_view b);

}  // namespace sibylon
