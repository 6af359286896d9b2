#pragma once

#include <string>
#include <vector>

#include "base/TextLines.h"

namespace sibylon {

// The readings database is the `database` folder: one file per stored reading, named after the
// reading with ".srml" added.

// Every file of the folder (any extension), in the order of the list: by entry name, without
// regard to letter case.
std::vector<std::string> DatabaseFiles(const std::string& folder);

// The list entry of a file: its name with every ".srml" removed.
std::string EntryName(const std::string& file);

// The list entries: the entry names of DatabaseFiles, in its order.
std::vector<std::string> DatabaseEntries(const std::string& folder);

// The file behind a list entry.
std::string ReadingFile(const std::string& folder, const std::string& entry);

// Deletes the file behind an entry; a file that is gone or cannot be deleted is passed over.
void DeleteReading(const std::string& folder, const std::string& entry);

}  // namespace sibylon
