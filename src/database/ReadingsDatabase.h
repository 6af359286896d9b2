#pragma once

#include <string>
#include <vector>

#include "base/TextLines.h"

namespace sibylon {

// The readings database is the `database` folder: one file per stored reading, named after the
// reading with ".srml" added.

// The list entries: every file of the folder (any extension), with every ".srml" removed from
// each name, sorted without regard to letter case.
std::vector<std::string> DatabaseEntries(const std::string& folder);

// The file behind a list entry.
std::string ReadingFile(const std::string& folder, const std::string& entry);

// Deletes the file behind an entry; a file that is gone or cannot be deleted is passed over.
void DeleteReading(const std::string& folder, const std::string& entry);

}  // namespace sibylon
