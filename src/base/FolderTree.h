#pragma once

#include <string>

namespace sibylon {

// Removes a folder with everything in it. Symbolic links are removed, never followed. Never fails:
// what cannot be removed stays, as deleting a file never reports failure.
void RemoveFolderTree(const std::string& path);

// Makes the renames and removals in a folder durable: until the folder's entries reach the disk,
// a power cut can bring back what was there before. A folder that cannot be synced (some file
// systems refuse) is passed over.
void SyncFolder(const std::string& folder);

// Flushes the file system that holds `path` to the disk (syncfs), so that a rename that follows
// cannot reach the disk before the files it installs. A path that cannot be opened is passed over.
void SyncFileSystem(const std::string& path);

}  // namespace sibylon
