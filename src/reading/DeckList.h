#pragma once

#include <string>
#include <vector>

namespace sibylon {

// The deck list from the sub-folder names of `cards`: the folder listing writes every entry in
// square brackets, the current and parent folder included, sorted without regard to letter case;
// every bracket is removed and the first two entries (normally "." and "..") are dropped.
std::vector<std::string> DeckListFromFolders(const std::vector<std::string>& subfolders);

}  // namespace sibylon
