#pragma once

#include <string>
#include <string_view>

namespace sibylon {

// A page the program wrote into `page_folder` (with its trailing separator) as one file that
// needs nothing beside it, to be mailed or kept anywhere. Every resource the page loads by a local
// reference (the src, background and poster attributes, an object's data, a style sheet link,
// url() in styles) goes into the page as a data: address; a reference that is not local (a web
// address) or whose file cannot be read is emptied, so that opening the page fetches nothing.
// Links (href of a, area) load nothing by themselves and stay as they are; every other byte of the
// page stays as it is.
std::string SelfContainedPage(std::string_view page, const std::string& page_folder);

// The bytes as base64 (RFC 4648, with padding, no line breaks).
std::string Base64(std::string_view bytes);

// The media type a data: address names for a file, by its extension.
std::string MediaTypeOf(std::string_view path);

}  // namespace sibylon
