#include "hlvexportfileplugin.h"

#include "AIError.h"
#include "BrushLibrary.h"
#include "FilePath.h"
#include "InkFileReading.h"
#include "PluginMain.h"
#include "ProgramLog.h"
#include "SuitePointers.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>
#include <string>

namespace {

constexpr const char* kFormatName = "  Halvren Scrivet vector files";
constexpr const char* kFormatTitle = " Halvren file vector data";
constexpr const char* kFormatExtensions = "wpi,hlv";

// Thrown when the user has no data folder to hold the brush library.
constexpr AIErr kNoSupportFolderErr = kNotFoundErr;
// Thrown when the file does not read as a pen file, or holds coordinates
// the host cannot take.
constexpr AIErr kUnreadableFileErr = kFileFormatErr;

HalvrenfileType fileTypeForExtension(const ai::UnicodeString& extension, HalvrenfileType previous)
{
    const auto is = [&extension](const char* name) {
        return extension.caseCompare(ai::UnicodeString::FromPlatform(name)) == 0;
    };
    if (is("wpi") || is("eli"))
        return kWpiFileType;
    if (is("hlv") || is("inkml"))
        return kInkMLFileType;
    return previous;
}

} // namespace

hlvexportfileplugin::hlvexportfileplugin(SPPluginRef pluginRef)
    : Plugin(pluginRef), fFileFormat(nullptr), fAppMajorVersion(0), fAppMinorVersion(0), fNamedStyle(nullptr),
      fBrushLibrary(nullptr), fLibraryArtStyle(nullptr), fDocumentSetup(), fDrawingWidth(0.0f),
      fDrawingHeight(0.0f), fDrawingRect()
{
    std::strncpy(fPluginName, "hlvexportfile", sizeof fPluginName - 1);
}

void* hlvexportfileplugin::operator new(std::size_t size) noexcept { return std::malloc(size); }

void hlvexportfileplugin::operator delete(void* block) noexcept { std::free(block); }

Plugin* AllocatePlugin(SPPluginRef pluginRef) { return new hlvexportfileplugin(pluginRef); }

// The host may load the code anew at another place: the object is rebuilt
// in its storage with the same fields, so its dispatch table is this code's.
void FixupVTable(hlvexportfileplugin* plugin)
{
    const hlvexportfileplugin kept(*plugin);
    auto* repaired = ::new (static_cast<void*>(plugin)) hlvexportfileplugin(kept);
    repaired->fDrawingRect = Pelm::BindingRectangle();
}

void FixupReload(Plugin* plugin) { FixupVTable(static_cast<hlvexportfileplugin*>(plugin)); }

AIErr hlvexportfileplugin::StartupPlugin(SPInterfaceMessage* message)
{
    if (const AIErr error = Plugin::StartupPlugin(message))
        return error;
    Platform::keepProgramLog();
    // The versions are only kept and shown: a query that fails leaves its
    // value as it was (0 at first) and the start-up goes on.
    sAIRuntime->GetAppMajorVersion(&fAppMajorVersion);
    sAIRuntime->GetAppMinorVersion(&fAppMinorVersion);
    std::printf("AI Major version %d , Minor version %d\n", fAppMajorVersion, fAppMinorVersion);
    check_result(AddMenus(message));
    check_result(AddFileFormatsHalvren(message));
    return kNoErr;
}

AIErr hlvexportfileplugin::Message(const char* caller, const char* selector, void* message)
{
    AIErr error = kNoErr;
    try {
        error = Plugin::Message(caller, selector, message);
    } catch (...) {
        error = currentExceptionCode();
    }
    if (error == kNoErr || error == kUnhandledMsgErr)
        return kNoErr;
    ReportError(error, caller, selector, message);
    return error;
}

AIErr hlvexportfileplugin::GoMenuItem(void*) { return kNoErr; }

AIErr hlvexportfileplugin::AddMenus(SPInterfaceMessage*) { return kNoErr; }

AIErr hlvexportfileplugin::AddFileFormatsHalvren(SPInterfaceMessage* message)
{
    const AIFileFormatRecord format{kFormatTitle, 0, kFormatExtensions};
    check_result(sAIFileFormat->AddFileFormat(message->d.self, kFormatName, &format, kFileFormatRead,
                                              &fFileFormat, 0));
    return kNoErr;
}

// A file that cannot be read is answered with an error: success would make
// the host show an empty document as if the file had been opened.
AIErr hlvexportfileplugin::GoFileFormat(AIFileFormatMessage* message)
{
    const ai::FilePath file(message->filePath);
    const std::string fullPath = file.GetFullPath(false).as_UTF8();
    currentFileType = fileTypeForExtension(file.GetFileExtension(), currentFileType);
    LoadBrushLibrary();
    if (!(message->option & kFileFormatRead))
        return kNoErr;
    Pelm::SmartPointer<Pelm::Document> document = ParseSomething(fullPath.c_str(), currentFileType);
    if (!document.GetData() || !document->loaded.Get() || !HasHostSizedCoordinates(*document.GetData()))
        throw ai::Error(kUnreadableFileErr);
    ParseVectorFileData(document);
    return kNoErr;
}

// The folder's path goes to the host as UTF-8 with its length in bytes.
void hlvexportfileplugin::LoadBrushLibrary()
{
    fBrushLibrary = nullptr;
    fLibraryArtStyle = nullptr;
    const std::string folder = CreateDesktopDestinationURL();
    if (folder.empty())
        throw ai::Error(kNoSupportFolderErr);
    ai::UnicodeString path(folder.data(), static_cast<std::int64_t>(folder.size()), kAIUTF8CharacterEncoding);
    path.append(ai::UnicodeString::FromPlatform(kBrushLibraryFile));
    const ai::FilePath libraryFile(path, false);

    AIDocumentHandle library = nullptr;
    check_result(sAIPathStyle->OpenStyleLibrary(libraryFile.handle(), &library));
    fBrushLibrary = library;
    AIArtStyleHandle style = nullptr;
    const ai::UnicodeString styleName = ai::UnicodeString::FromPlatform(kBrushStyleName);
    check_result(sAIArtStyle->GetArtStyleByName(library, styleName.handle(), &style));
    fLibraryArtStyle = style;
}
