#ifndef HLV_BRUSHLIBRARY_H
#define HLV_BRUSHLIBRARY_H

#include <string>

// Below the user's data folder, where the program copies it.
constexpr const char* kBrushLibraryFile = "/Scrivet/brush_pressure.ai";
constexpr const char* kBrushStyleName = "KelpraStyle";

// The user's data folder (the one that holds the program's "Scrivet" folder)
// as a UTF-8 path; empty when there is none (or its path is too long for the
// host).
std::string CreateDesktopDestinationURL();

#endif
