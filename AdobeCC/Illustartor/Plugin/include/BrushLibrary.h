#ifndef HLV_BRUSHLIBRARY_H
#define HLV_BRUSHLIBRARY_H

#include <string>

// Below the user's Application Support folder.
constexpr const char* kBrushLibraryFile = "/Scrivet/brush_pressure.ai";
constexpr const char* kBrushStyleName = "KelpraStyle";

// The user's Application Support folder as a UTF-8 path; empty when there is
// none (or its path is too long for the host).
std::string CreateDesktopDestinationURL();

#endif
