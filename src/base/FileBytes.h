#pragma once

#include <string>
#include <string_view>

namespace sibylon {

// Reads a whole file; fails with "Cannot open file".
std::string ReadFileBytes(const std::string& path);

// Replaces the file's content atomically: the bytes go to a temporary file in the same folder
// (named by TempFileTemplate), which is flushed to disk and renamed over the target, and the
// folder is flushed after the rename, so a crash, a power cut or a full disk leaves the old file
// or the new one whole. A file whose owner-write permission is off counts as write-protected and is
// not replaced. Fails with "Cannot create file".
void SaveToFile(const std::string& path, std::string_view bytes);

}  // namespace sibylon
