#pragma once

#include <chrono>
#include <string>
#include <string_view>

namespace sibylon {

// The temporary file of a save is "." + the target's name with every "." turned into "_" +
// ".sibylon-tmp-" + six random characters, beside the target. Such a name is hidden, never ends
// in a listed extension and holds no ".srml", so no list of the program could show it even if the
// listings did not skip it.

// The mkstemp template for a save of `path` (its last six characters are "XXXXXX").
std::string TempFileTemplate(std::string_view path);

// Whether a file name is that of a save's temporary file.
bool IsTempFileName(std::string_view name);

// Removes from `folder` the temporary files last changed before `started`: saves of an earlier
// run that ended between writing and renaming. Never fails: a folder that cannot be read or a file
// that cannot be removed is passed over.
void RemoveTempFileLeftovers(const std::string& folder,
                             std::chrono::system_clock::time_point started);

// Removes from `folder` the temporary folders (named as a save's temporary file) last changed
// before `started`, with everything in them: imports of an earlier run that did not finish, and
// replaced decks whose removal did not. Never fails, as RemoveTempFileLeftovers.
void RemoveTempFolderLeftovers(const std::string& folder,
                               std::chrono::system_clock::time_point started);

}  // namespace sibylon
