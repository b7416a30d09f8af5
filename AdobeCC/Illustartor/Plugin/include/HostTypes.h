#ifndef HLV_HOSTTYPES_H
#define HLV_HOSTTYPES_H

// Basic types of the drawing host's plug-in interface: result codes, opaque
// handles and the records passed through the suites.

#include <cstddef>
#include <cstdint>

// Every host call answers a 32-bit result: 0 for success, otherwise a code
// whose four characters read as a big-endian integer.
using AIErr = std::int32_t;
using AIBoolean = std::uint8_t;

constexpr AIErr fourCharCode(const char (&code)[5])
{
    return static_cast<AIErr>((static_cast<std::uint32_t>(static_cast<unsigned char>(code[0])) << 24) |
                              (static_cast<std::uint32_t>(static_cast<unsigned char>(code[1])) << 16) |
                              (static_cast<std::uint32_t>(static_cast<unsigned char>(code[2])) << 8) |
                              static_cast<std::uint32_t>(static_cast<unsigned char>(code[3])));
}

constexpr AIErr kNoErr = 0;
constexpr AIErr kUnhandledMsgErr = fourCharCode("!MSG");
// Out of memory: the host's value is 0x214D454D, the characters "!MEM".
constexpr AIErr kOutOfMemoryErr = fourCharCode("!MEM");
constexpr AIErr kCantHappenErr = fourCharCode("CANT");
constexpr AIErr kCachesFlushedResponse = fourCharCode("pFls");
constexpr AIErr kBadParameterErr = fourCharCode("PARM");
constexpr AIErr kSuiteNotFoundErr = fourCharCode("S!Fd");
constexpr AIErr kNotFoundErr = fourCharCode("!Fnd");
constexpr AIErr kFileFormatErr = fourCharCode("FMT?");

static_assert(kUnhandledMsgErr == 0x214D5347, "four-character codes are big-endian");
static_assert(kOutOfMemoryErr == 0x214D454D, "four-character codes are big-endian");
static_assert(kCantHappenErr == 0x43414E54, "four-character codes are big-endian");
static_assert(kCachesFlushedResponse == 0x70466C73, "four-character codes are big-endian");

// Opaque handles; only the host knows what they point at.
struct HostPlugin;
struct HostAccess;
struct HostNotifier;
struct HostAppContext;
struct HostUnicodeString;
struct HostFilePath;
struct HostFileFormat;
struct HostDocument;
struct HostLayer;
struct HostArt;
struct HostArtSet;
struct HostArtStyle;

using SPPluginRef = HostPlugin*;
using SPAccessRef = HostAccess*;
using AINotifierHandle = HostNotifier*;
using AIAppContextHandle = HostAppContext*;
using AIUnicodeStringHandle = HostUnicodeString*;
using AIFilePathHandle = HostFilePath*;
using AIFileFormatHandle = HostFileFormat*;
using AIDocumentHandle = HostDocument*;
using AILayerHandle = HostLayer*;
using AIArtHandle = HostArt*;
using AIArtSet = HostArtSet*;
using AIArtStyleHandle = HostArtStyle*;

// Text encodings of the Unicode String suite.
constexpr std::int32_t kAIPlatformCharacterEncoding = 0;
constexpr std::int32_t kAIUTF8CharacterEncoding = 1;

// A point in document coordinates: points, y growing upward.
struct AIRealPoint {
    double h;
    double v;
};

// One anchor of a path with its two direction handles.
struct AIPathSegment {
    AIRealPoint p;
    AIRealPoint in;
    AIRealPoint out;
    AIBoolean corner;
};

// One entry of a tablet-data profile along a path: offset 0 at the first
// anchor, 1 at the last.
struct AITabletProfile {
    double offset;
    double value;
};

constexpr std::int32_t kTabletPressure = 0;

// The document set-up record; the fields after width and height belong to
// the host and are written back as they were read.
struct AIDocumentSetup {
    double width;
    double height;
    double outputResolution;
    AIBoolean showPlacedImages;
};

// Art kinds and paint orders of the Art and Layer suites.
constexpr std::int16_t kGroupArt = 1;
constexpr std::int16_t kPathArt = 2;
constexpr std::int16_t kPlaceInsideOnTop = 3;
constexpr std::int16_t kPlaceAboveAll = 5;

// A file format offered to the host's open command.
struct AIFileFormatRecord {
    const char* title;
    std::int32_t titleOrder;
    const char* extensions; // comma-separated, without dots
};

constexpr std::int32_t kFileFormatRead = 1 << 0;

#endif
