#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace sibylon {

using Lines = std::vector<std::string>;

// Splits text into lines: CR LF, a lone CR and a lone LF each end a line; a NUL byte ends the
// text; a last line without a line end still counts.
Lines SplitLines(std::string_view text);

// Every line followed by CR LF, the last one included.
std::string JoinLines(const Lines& lines);

// A whole file as lines ("Cannot open file" on failure).
Lines ReadLinesFile(const std::string& path);

// Replaces the file atomically with the lines ("Cannot create file" on failure).
void WriteLinesFile(const std::string& path, const Lines& lines);

}  // namespace sibylon
