#pragma once

#include "base/Version.h"

namespace sibylon {

// Texts that name the product; shown on the splash window, the status bar and the About page.
inline constexpr char kProductName[] = "Sibylon";
inline constexpr char kWindowCaption[] = "SIBYLON";
inline constexpr char kAssemblyVersion[] = "Assembly Version " SIBYLON_VERSION;
inline constexpr char kProgramVersion[] = "Program " SIBYLON_VERSION;
inline constexpr char kRightsHolder[] = "Copyright (c) 2026 The Sibylon developers";
inline constexpr char kWebSite[] = "https://sibylon.example.org/";
inline constexpr char kRightsNotice[] =
    "Free software under the GNU GPL, version 3 or later; its cards, texts and spreads too.";
inline constexpr char kStatusNotice[] =
    "Sibylon - tarot readings on your desktop, Assembly Version " SIBYLON_VERSION;

}  // namespace sibylon
