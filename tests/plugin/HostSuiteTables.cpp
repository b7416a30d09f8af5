// The suites the test host serves: each function checks its handles and
// counts, runs against the host's model and is recorded.

#include "HostSuiteTables.h"

#include "TestHost.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <functional>
#include <map>
#include <sstream>
#include <type_traits>

namespace testhost {

namespace {

std::string toText(const char* text) { return text ? "\"" + std::string(text) + "\"" : "(null)"; }
std::string toText(const std::string& text) { return "\"" + text + "\""; }
std::string toText(const void* pointer)
{
    std::ostringstream out;
    out << pointer;
    return pointer ? out.str() : "(null)";
}
template <typename Number, typename = std::enable_if_t<std::is_arithmetic_v<Number>>>
std::string toText(Number value)
{
    if constexpr (std::is_floating_point_v<Number>)
        return std::to_string(value);
    else
        return std::to_string(static_cast<long long>(value));
}

template <typename... Args>
std::string describe(const Args&... args)
{
    std::string text;
    ((text += (text.empty() ? "" : ", ") + toText(args)), ...);
    return text;
}

// Runs one host operation: an injected failure answers instead of it.
AIErr serve(const char* op, const std::string& args, const std::function<AIErr(TestHost&)>& body)
{
    TestHost& host = TestHost::current();
    const std::optional<AIErr> injected = host.injected(op, args);
    const AIErr result = injected ? *injected : body(host);
    host.record(op, args, result);
    return result;
}

AIErr stale(TestHost& host, const char* kind, const char* op)
{
    return host.problem(std::string("stale or unknown ") + kind + " handle in " + op);
}

AIErr negative(TestHost& host, const char* op) { return host.problem(std::string("negative count in ") + op); }

AIErr needsDocument(TestHost& host, const char* op)
{
    return host.documentOpen_ ? kNoErr : host.problem(std::string("no document open for ") + op);
}

// ---- text ----------------------------------------------------------------

std::string latin1ToUtf8(const std::string& latin1)
{
    std::string utf8;
    for (unsigned char c : latin1) {
        if (c < 0x80) {
            utf8 += static_cast<char>(c);
        } else {
            utf8 += static_cast<char>(0xC0 | (c >> 6));
            utf8 += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return utf8;
}

// Characters beyond Latin-1, and broken sequences, become '?'.
std::string utf8ToLatin1(const std::string& utf8)
{
    std::string latin1;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        if (lead < 0x80) {
            latin1 += static_cast<char>(lead);
            ++i;
            continue;
        }
        const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
        const bool twoByteLatin1 = length == 2 && lead <= 0xC3 && i + 1 < utf8.size();
        latin1 += twoByteLatin1 ? static_cast<char>(((lead & 0x03) << 6) | (utf8[i + 1] & 0x3F)) : '?';
        i += length;
    }
    return latin1;
}

std::string lowered(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

std::string fileExtension(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    const std::size_t dot = path.rfind('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        return std::string();
    return path.substr(dot + 1);
}

// ---- basic suite ---------------------------------------------------------

AIErr AcquireSuite(const char* name, std::int32_t version, const void** suite)
{
    return serve("AcquireSuite", describe(name, version), [&](TestHost& host) {
        const void* table = name ? suiteTable(name, version) : nullptr;
        if (!table)
            return kSuiteNotFoundErr;
        *suite = table;
        host.noteSuiteAcquired(name);
        return kNoErr;
    });
}

AIErr ReleaseSuite(const char* name, std::int32_t version)
{
    return serve("ReleaseSuite", describe(name, version), [&](TestHost& host) {
        return name && host.noteSuiteReleased(name)
                   ? kNoErr
                   : host.problem("suite released more often than acquired: " + describe(name, version));
    });
}

// ---- plug-in services ----------------------------------------------------

AIErr AcquirePlugin(SPPluginRef plugin, SPAccessRef* access)
{
    return serve("AcquirePlugin", describe(plugin), [&](TestHost& host) {
        if (plugin != host.pluginRef())
            return stale(host, "plug-in", "AcquirePlugin");
        *access = host.access_.add(0);
        return kNoErr;
    });
}

AIErr ReleasePlugin(SPAccessRef access)
{
    return serve("ReleasePlugin", describe(access), [&](TestHost& host) {
        return host.access_.remove(access) ? kNoErr : stale(host, "access", "ReleasePlugin");
    });
}

AIErr SetPluginName(SPPluginRef plugin, const char* name)
{
    return serve("SetPluginName", describe(plugin, name), [&](TestHost& host) {
        if (plugin != host.pluginRef() || !name)
            return stale(host, "plug-in", "SetPluginName");
        host.pluginNames_.push_back(name);
        return kNoErr;
    });
}

AIErr AddNotifier(SPPluginRef plugin, const char* name, const char* type, AINotifierHandle* notifier)
{
    return serve("AddNotifier", describe(plugin, name, type), [&](TestHost& host) {
        if (plugin != host.pluginRef() || !name || !type)
            return stale(host, "plug-in", "AddNotifier");
        *notifier = host.notifiers_.add(name);
        return kNoErr;
    });
}

AIErr PushAppContext(SPPluginRef plugin, AIAppContextHandle* context)
{
    return serve("PushAppContext", describe(plugin), [&](TestHost& host) {
        if (plugin != host.pluginRef())
            return stale(host, "plug-in", "PushAppContext");
        *context = host.contextTable_.add(0);
        host.contexts_.push_back(*context);
        return kNoErr;
    });
}

AIErr PopAppContext(AIAppContextHandle context)
{
    return serve("PopAppContext", describe(context), [&](TestHost& host) {
        if (host.contexts_.empty() || host.contexts_.back() != context)
            return stale(host, "context", "PopAppContext");
        host.contexts_.pop_back();
        host.contextTable_.remove(context);
        return kNoErr;
    });
}

AIErr GetAppMajorVersion(std::int32_t* major)
{
    return serve("GetAppMajorVersion", "", [&](TestHost& host) {
        *major = host.majorVersion;
        return kNoErr;
    });
}

AIErr GetAppMinorVersion(std::int32_t* minor)
{
    return serve("GetAppMinorVersion", "", [&](TestHost& host) {
        *minor = host.minorVersion;
        return kNoErr;
    });
}

AIErr AllocateBlock(std::size_t size, const char* debugName, void** block)
{
    return serve("AllocateBlock", describe(size, debugName), [&](TestHost& host) {
        std::vector<char> storage(std::max<std::size_t>(size, 1));
        *block = storage.data();
        host.blocks_.emplace(*block, std::move(storage));
        return kNoErr;
    });
}

AIErr FreeBlock(void* block)
{
    return serve("FreeBlock", describe(block), [&](TestHost& host) {
        return host.blocks_.erase(block) == 1 ? kNoErr : stale(host, "block", "FreeBlock");
    });
}

// ---- strings and paths ---------------------------------------------------

AIErr NewUnicodeString(const char* text, std::int64_t length, std::int32_t encoding, AIUnicodeStringHandle* string)
{
    const std::string given = text && length >= 0 ? std::string(text, static_cast<std::size_t>(length)) : "";
    return serve("NewUnicodeString", describe(given, length, encoding), [&](TestHost& host) {
        if (!text || length < 0)
            return negative(host, "NewUnicodeString");
        if (encoding != kAIPlatformCharacterEncoding && encoding != kAIUTF8CharacterEncoding)
            return kBadParameterErr;
        *string = host.strings_.add(encoding == kAIUTF8CharacterEncoding ? given : latin1ToUtf8(given));
        return kNoErr;
    });
}

AIErr AppendUnicodeString(AIUnicodeStringHandle string, AIUnicodeStringHandle tail)
{
    return serve("AppendUnicodeString", describe(string, tail), [&](TestHost& host) {
        std::string* target = host.strings_.find(string);
        const std::string* added = host.strings_.find(tail);
        if (!target || !added)
            return stale(host, "string", "AppendUnicodeString");
        *target += *added;
        return kNoErr;
    });
}

AIErr CaseCompare(AIUnicodeStringHandle left, AIUnicodeStringHandle right, std::int32_t* order)
{
    return serve("CaseCompare", describe(left, right), [&](TestHost& host) {
        const std::string* a = host.strings_.find(left);
        const std::string* b = host.strings_.find(right);
        if (!a || !b)
            return stale(host, "string", "CaseCompare");
        *order = lowered(*a).compare(lowered(*b));
        return kNoErr;
    });
}

AIErr GetAs(AIUnicodeStringHandle string, std::int32_t encoding, char* buffer, std::int64_t capacity,
            std::int64_t* length)
{
    return serve("GetAs", describe(string, encoding, capacity), [&](TestHost& host) {
        const std::string* text = host.strings_.find(string);
        if (!text)
            return stale(host, "string", "GetAs");
        if (capacity < 0)
            return negative(host, "GetAs");
        const std::string converted = encoding == kAIUTF8CharacterEncoding ? *text : utf8ToLatin1(*text);
        if (buffer)
            std::memcpy(buffer, converted.data(), std::min<std::size_t>(converted.size(), capacity));
        *length = static_cast<std::int64_t>(converted.size());
        return kNoErr;
    });
}

AIErr DisposeUnicodeString(AIUnicodeStringHandle string)
{
    return serve("DisposeUnicodeString", describe(string), [&](TestHost& host) {
        return host.strings_.remove(string) ? kNoErr : stale(host, "string", "DisposeUnicodeString");
    });
}

AIErr NewFilePathFromUnicode(AIUnicodeStringHandle text, AIBoolean expandName, AIFilePathHandle* path)
{
    return serve("NewFilePathFromUnicode", describe(text, expandName), [&](TestHost& host) {
        const std::string* name = host.strings_.find(text);
        if (!name)
            return stale(host, "string", "NewFilePathFromUnicode");
        *path = host.paths_.add({*name, false});
        return kNoErr;
    });
}

AIErr CopyFilePath(AIFilePathHandle source, AIFilePathHandle* copy)
{
    return serve("CopyFilePath", describe(source), [&](TestHost& host) {
        const FilePathObject* original = host.paths_.find(source);
        if (!original)
            return stale(host, "file path", "CopyFilePath");
        *copy = host.paths_.add({original->text, false});
        return kNoErr;
    });
}

AIErr GetFileExtension(AIFilePathHandle path, AIUnicodeStringHandle* extension)
{
    return serve("GetFileExtension", describe(path), [&](TestHost& host) {
        const FilePathObject* file = host.paths_.find(path);
        if (!file)
            return stale(host, "file path", "GetFileExtension");
        *extension = host.strings_.add(fileExtension(file->text));
        return kNoErr;
    });
}

AIErr GetFullPath(AIFilePathHandle path, AIBoolean displayName, AIUnicodeStringHandle* text)
{
    return serve("GetFullPath", describe(path, displayName), [&](TestHost& host) {
        const FilePathObject* file = host.paths_.find(path);
        if (!file)
            return stale(host, "file path", "GetFullPath");
        *text = host.strings_.add(file->text);
        return kNoErr;
    });
}

AIErr DisposeFilePath(AIFilePathHandle path)
{
    return serve("DisposeFilePath", describe(path), [&](TestHost& host) {
        const FilePathObject* file = host.paths_.find(path);
        if (!file || file->ownedByHost)
            return stale(host, "file path", "DisposeFilePath");
        host.paths_.remove(path);
        return kNoErr;
    });
}

AIErr AddFileFormat(SPPluginRef plugin, const char* name, const AIFileFormatRecord* record, std::int32_t options,
                    AIFileFormatHandle* fileFormat, std::int32_t extraOptions)
{
    return serve("AddFileFormat", describe(plugin, name, options, extraOptions), [&](TestHost& host) {
        if (plugin != host.pluginRef() || !name || !record || !record->title || !record->extensions)
            return stale(host, "plug-in", "AddFileFormat");
        *fileFormat = host.formats_.add(
            {name, record->title, record->titleOrder, record->extensions, options, extraOptions});
        return kNoErr;
    });
}

// ---- document, layers and art --------------------------------------------

AIErr SetDocumentRulerOrigin(const AIRealPoint* origin)
{
    return serve("SetDocumentRulerOrigin", describe(origin->h, origin->v), [&](TestHost& host) {
        if (const AIErr error = needsDocument(host, "SetDocumentRulerOrigin"))
            return error;
        host.rulerOrigin_ = *origin;
        return kNoErr;
    });
}

AIErr GetDocumentSetup(AIDocumentSetup* setup)
{
    return serve("GetDocumentSetup", "", [&](TestHost& host) {
        if (const AIErr error = needsDocument(host, "GetDocumentSetup"))
            return error;
        *setup = host.setup_;
        return kNoErr;
    });
}

AIErr SetDocumentSetup(const AIDocumentSetup* setup)
{
    return serve("SetDocumentSetup", describe(setup->width, setup->height), [&](TestHost& host) {
        if (const AIErr error = needsDocument(host, "SetDocumentSetup"))
            return error;
        host.setup_ = *setup;
        return kNoErr;
    });
}

AIErr CountLayers(std::int32_t* count)
{
    return serve("CountLayers", "", [&](TestHost& host) {
        *count = static_cast<std::int32_t>(host.stack_.size());
        return kNoErr;
    });
}

AIErr GetNthLayer(std::int32_t index, AILayerHandle* layer)
{
    return serve("GetNthLayer", describe(index), [&](TestHost& host) {
        if (index < 0 || static_cast<std::size_t>(index) >= host.stack_.size())
            return host.problem("layer index out of range in GetNthLayer");
        *layer = host.stack_[host.stack_.size() - 1 - static_cast<std::size_t>(index)];
        return kNoErr;
    });
}

AIErr SetCurrentLayer(AILayerHandle layer)
{
    return serve("SetCurrentLayer", describe(layer), [&](TestHost& host) {
        if (!host.layerTable_.find(layer))
            return stale(host, "layer", "SetCurrentLayer");
        host.currentLayer_ = layer;
        return kNoErr;
    });
}

AIErr GetFirstLayer(AILayerHandle* layer)
{
    return serve("GetFirstLayer", "", [&](TestHost& host) {
        if (const AIErr error = needsDocument(host, "GetFirstLayer"))
            return error;
        *layer = host.stack_.back();
        return kNoErr;
    });
}

AIErr InsertLayer(AILayerHandle reference, std::int16_t paintOrder, AILayerHandle* layer)
{
    return serve("InsertLayer", describe(reference, paintOrder), [&](TestHost& host) {
        if (const AIErr error = needsDocument(host, "InsertLayer"))
            return error;
        if (reference || paintOrder != kPlaceAboveAll)
            return host.problem("the test host inserts layers only above all");
        *layer = host.addLayerOnTop();
        return kNoErr;
    });
}

AIErr SetLayerEditable(AILayerHandle layer, AIBoolean editable)
{
    return serve("SetLayerEditable", describe(layer, editable), [&](TestHost& host) {
        LayerObject* found = host.layerTable_.find(layer);
        if (!found)
            return stale(host, "layer", "SetLayerEditable");
        found->editable = editable != 0;
        return kNoErr;
    });
}

AIErr LayerHasArt(AILayerHandle layer, AIBoolean* hasArt)
{
    return serve("LayerHasArt", describe(layer), [&](TestHost& host) {
        const LayerObject* found = host.layerTable_.find(layer);
        if (!found)
            return stale(host, "layer", "LayerHasArt");
        *hasArt = !host.art_.find(found->group)->children.empty();
        return kNoErr;
    });
}

AIErr NewArt(std::int16_t type, std::int16_t paintOrder, AIArtHandle prep, AIArtHandle* art)
{
    return serve("NewArt", describe(type, paintOrder, prep), [&](TestHost& host) {
        if (type != kPathArt && type != kGroupArt)
            return kBadParameterErr;
        AIArtHandle parent = nullptr;
        if (paintOrder == kPlaceInsideOnTop) {
            const ArtObject* group = host.art_.find(prep);
            if (!group || group->kind != kGroupArt)
                return stale(host, "group", "NewArt");
            parent = prep;
        } else if (paintOrder == kPlaceAboveAll && !prep && host.layerTable_.find(host.currentLayer_)) {
            parent = host.layerTable_.find(host.currentLayer_)->group;
        } else {
            return host.problem("placement not served by the test host in NewArt");
        }
        ArtObject created;
        created.kind = type;
        created.parent = parent;
        *art = host.art_.add(created);
        host.art_.find(parent)->children.push_back(*art);
        return kNoErr;
    });
}

AIErr GetFirstArtOfLayer(AILayerHandle layer, AIArtHandle* art)
{
    return serve("GetFirstArtOfLayer", describe(layer), [&](TestHost& host) {
        const LayerObject* found = host.layerTable_.find(layer);
        if (!found)
            return stale(host, "layer", "GetFirstArtOfLayer");
        *art = found->group;
        return kNoErr;
    });
}

ArtObject* pathFor(TestHost& host, AIArtHandle art)
{
    ArtObject* found = host.art_.find(art);
    return found && found->kind == kPathArt ? found : nullptr;
}

AIErr SetPathSegmentCount(AIArtHandle path, std::int16_t count)
{
    return serve("SetPathSegmentCount", describe(path, count), [&](TestHost& host) {
        ArtObject* found = pathFor(host, path);
        if (!found)
            return stale(host, "path", "SetPathSegmentCount");
        if (count < 0)
            return negative(host, "SetPathSegmentCount");
        found->segments.resize(static_cast<std::size_t>(count));
        return kNoErr;
    });
}

AIErr SetPathSegments(AIArtHandle path, std::int16_t first, std::int16_t count, const AIPathSegment* segments)
{
    return serve("SetPathSegments", describe(path, first, count), [&](TestHost& host) {
        ArtObject* found = pathFor(host, path);
        if (!found)
            return stale(host, "path", "SetPathSegments");
        if (first < 0 || count < 0)
            return negative(host, "SetPathSegments");
        if (static_cast<std::size_t>(first) + static_cast<std::size_t>(count) > found->segments.size())
            return host.problem("segments beyond the path's count in SetPathSegments");
        std::copy(segments, segments + count, found->segments.begin() + first);
        return kNoErr;
    });
}

AIErr SetPathClosed(AIArtHandle path, AIBoolean closed)
{
    return serve("SetPathClosed", describe(path, closed), [&](TestHost& host) {
        ArtObject* found = pathFor(host, path);
        if (!found)
            return stale(host, "path", "SetPathClosed");
        found->closed = closed != 0;
        return kNoErr;
    });
}

AIErr SetTabletData(AIArtHandle path, const AITabletProfile* profile, std::int32_t count, std::int32_t kind)
{
    return serve("SetTabletData", describe(path, count, kind), [&](TestHost& host) {
        ArtObject* found = pathFor(host, path);
        if (!found)
            return stale(host, "path", "SetTabletData");
        if (count < 0)
            return negative(host, "SetTabletData");
        found->profile.assign(profile, profile + count);
        found->profileKind = kind;
        return kNoErr;
    });
}

// ---- styles --------------------------------------------------------------

AIErr OpenStyleLibrary(AIFilePathHandle path, AIDocumentHandle* library)
{
    return serve("OpenStyleLibrary", describe(path), [&](TestHost& host) {
        const FilePathObject* file = host.paths_.find(path);
        if (!file)
            return stale(host, "file path", "OpenStyleLibrary");
        const auto registered = host.registeredLibraries_.find(file->text);
        if (registered == host.registeredLibraries_.end())
            return kNotFoundErr;
        LibraryObject opened;
        for (const std::string& name : registered->second)
            opened.styles[name] = host.styles_.add({name});
        *library = host.libraries_.add(opened);
        return kNoErr;
    });
}

AIErr GetArtStyleByName(AIDocumentHandle document, AIUnicodeStringHandle name, AIArtStyleHandle* style)
{
    return serve("GetArtStyleByName", describe(document, name), [&](TestHost& host) {
        const LibraryObject* library = host.libraries_.find(document);
        const std::string* text = host.strings_.find(name);
        if (!library || !text)
            return stale(host, "library or string", "GetArtStyleByName");
        const auto found = library->styles.find(*text);
        if (found == library->styles.end())
            return kNotFoundErr;
        *style = found->second;
        return kNoErr;
    });
}

AIErr CreateNamedStyle(AIArtStyleHandle source, AIUnicodeStringHandle name, AIBoolean uniqueName,
                       AIArtStyleHandle* named)
{
    return serve("CreateNamedStyle", describe(source, name, uniqueName), [&](TestHost& host) {
        const std::string* text = host.strings_.find(name);
        if (!host.styles_.find(source) || !text)
            return stale(host, "style or string", "CreateNamedStyle");
        *named = host.styles_.add({*text});
        return kNoErr;
    });
}

AIErr SetArtStyle(AIArtHandle art, AIArtStyleHandle style)
{
    return serve("SetArtStyle", describe(art, style), [&](TestHost& host) {
        ArtObject* found = host.art_.find(art);
        if (!found || !host.styles_.find(style))
            return stale(host, "art or style", "SetArtStyle");
        found->style = style;
        return kNoErr;
    });
}

// ---- art sets ------------------------------------------------------------

AIErr NewArtSet(AIArtSet* set)
{
    return serve("NewArtSet", "", [&](TestHost& host) {
        *set = host.artSets_.add({});
        return kNoErr;
    });
}

AIErr DisposeArtSet(AIArtSet* set)
{
    return serve("DisposeArtSet", describe(*set), [&](TestHost& host) {
        if (!host.artSets_.remove(*set))
            return stale(host, "art set", "DisposeArtSet");
        *set = nullptr;
        return kNoErr;
    });
}

void collectArt(TestHost& host, AIArtHandle art, std::vector<AIArtHandle>& into)
{
    into.push_back(art);
    for (AIArtHandle child : host.art_.find(art)->children)
        collectArt(host, child, into);
}

AIErr LayerArtSet(AILayerHandle layer, AIArtSet set)
{
    return serve("LayerArtSet", describe(layer, set), [&](TestHost& host) {
        const LayerObject* found = host.layerTable_.find(layer);
        std::vector<AIArtHandle>* members = host.artSets_.find(set);
        if (!found || !members)
            return stale(host, "layer or art set", "LayerArtSet");
        members->clear();
        collectArt(host, found->group, *members);
        return kNoErr;
    });
}

AIErr CountArtSet(AIArtSet set, std::size_t* count)
{
    return serve("CountArtSet", describe(set), [&](TestHost& host) {
        const std::vector<AIArtHandle>* members = host.artSets_.find(set);
        if (!members)
            return stale(host, "art set", "CountArtSet");
        *count = members->size();
        return kNoErr;
    });
}

AIErr IndexArtSet(AIArtSet set, std::size_t index, AIArtHandle* art)
{
    return serve("IndexArtSet", describe(set, index), [&](TestHost& host) {
        const std::vector<AIArtHandle>* members = host.artSets_.find(set);
        if (!members)
            return stale(host, "art set", "IndexArtSet");
        if (index >= members->size())
            return host.problem("index beyond the art set in IndexArtSet");
        *art = (*members)[index];
        return kNoErr;
    });
}

// ---- the tables ----------------------------------------------------------

template <typename Suite>
const void* table(const Suite& suite)
{
    return &suite;
}

const std::map<std::pair<std::string, std::int32_t>, const void*>& servedSuites()
{
    static const SPAccessSuite access = {AcquirePlugin, ReleasePlugin};
    static const SPPluginsSuite plugins = {SetPluginName};
    static const AINotifierSuite notifier = {AddNotifier};
    static const AIAppContextSuite context = {PushAppContext, PopAppContext};
    static const AIFilePathSuite filePath = {NewFilePathFromUnicode, CopyFilePath, GetFileExtension, GetFullPath,
                                             DisposeFilePath};
    static const AIUnicodeStringSuite unicode = {NewUnicodeString, AppendUnicodeString, CaseCompare, GetAs,
                                                 DisposeUnicodeString};
    static const SPBlocksSuite blocks = {AllocateBlock, FreeBlock};
    static const AIFileFormatSuite fileFormat = {AddFileFormat};
    static const AIPathStyleSuite pathStyle = {OpenStyleLibrary};
    static const AIRuntimeSuite runtime = {GetAppMajorVersion, GetAppMinorVersion};
    static const AIDocumentSuite document = [] {
        AIDocumentSuite suite{};
        suite.SetDocumentRulerOrigin = SetDocumentRulerOrigin;
        suite.GetDocumentSetup = GetDocumentSetup;
        suite.SetDocumentSetup = SetDocumentSetup;
        return suite;
    }();
    static const AIArtSuite art = [] {
        AIArtSuite suite{};
        suite.NewArt = NewArt;
        suite.GetFirstArtOfLayer = GetFirstArtOfLayer;
        return suite;
    }();
    static const AIPathSuite path = [] {
        AIPathSuite suite{};
        suite.SetPathSegmentCount = SetPathSegmentCount;
        suite.SetPathSegments = SetPathSegments;
        suite.SetPathClosed = SetPathClosed;
        return suite;
    }();
    static const AILayerSuite layer = [] {
        AILayerSuite suite{};
        suite.CountLayers = CountLayers;
        suite.GetNthLayer = GetNthLayer;
        suite.SetCurrentLayer = SetCurrentLayer;
        suite.GetFirstLayer = GetFirstLayer;
        suite.InsertLayer = InsertLayer;
        suite.SetLayerEditable = SetLayerEditable;
        suite.LayerHasArt = LayerHasArt;
        return suite;
    }();
    static const AITabletDataSuite tablet = [] {
        AITabletDataSuite suite{};
        suite.SetTabletData = SetTabletData;
        return suite;
    }();
    static const AIArtStyleSuite artStyle = [] {
        AIArtStyleSuite suite{};
        suite.SetArtStyle = SetArtStyle;
        suite.CreateNamedStyle = CreateNamedStyle;
        suite.GetArtStyleByName = GetArtStyleByName;
        return suite;
    }();
    static const AIArtSetSuite artSet = [] {
        AIArtSetSuite suite{};
        suite.NewArtSet = NewArtSet;
        suite.DisposeArtSet = DisposeArtSet;
        suite.CountArtSet = CountArtSet;
        suite.IndexArtSet = IndexArtSet;
        suite.LayerArtSet = LayerArtSet;
        return suite;
    }();
    // Served for suites the plug-in holds without calling them.
    static const HostReservedSlot opaque[32] = {};

    static const std::map<std::pair<std::string, std::int32_t>, const void*> suites = {
        {{kSPAccessSuite, kSPAccessSuiteVersion}, table(access)},
        {{kSPPluginsSuite, kSPPluginsSuiteVersion}, table(plugins)},
        {{kAINotifierSuite, kAINotifierSuiteVersion}, table(notifier)},
        {{kAIAppContextSuite, kAIAppContextSuiteVersion}, table(context)},
        {{kAIUserSuite, kAIUserSuiteVersion}, opaque},
        {{kAIFilePathSuite, kAIFilePathSuiteVersion}, table(filePath)},
        {{kAIFoldersSuite, kAIFoldersSuiteVersion}, opaque},
        {{kAIUnicodeStringSuite, kAIUnicodeStringSuiteVersion}, table(unicode)},
        {{kSPBlocksSuite, kSPBlocksSuiteVersion}, table(blocks)},
        {{kAIFileFormatSuite, kAIFileFormatSuiteVersion}, table(fileFormat)},
        {{kAIDocumentSuite, kAIDocumentSuiteVersion}, table(document)},
        {{kAITextFrameSuite, kAITextFrameSuiteVersion}, opaque},
        {{kAIArtSuite, kAIArtSuiteVersion}, table(art)},
        {{kAIPathSuite, kAIPathSuiteVersion}, table(path)},
        {{kAIMatchingArtSuite, kAIMatchingArtSuiteVersion}, opaque},
        {{kAIMdMemorySuite, kAIMdMemorySuiteVersion}, opaque},
        {{kAIApplicationSuite, kAIApplicationSuiteVersion}, opaque},
        {{kAIDocumentListSuite, kAIDocumentListSuiteVersion}, opaque},
        {{kAIPathStyleSuite, kAIPathStyleSuiteVersion}, table(pathStyle)},
        {{kAILayerSuite, kAILayerSuiteVersion}, table(layer)},
        {{kAIRealBezierSuite, kAIRealBezierSuiteVersion}, opaque},
        {{kAITabletDataSuite, kAITabletDataSuiteVersion}, table(tablet)},
        {{kAIArtStyleSuite, kAIArtStyleSuiteVersion}, table(artStyle)},
        {{kAIShapeConstructionSuite, kAIShapeConstructionSuiteVersion}, opaque},
        {{kAIRuntimeSuite, kAIRuntimeSuiteVersion}, table(runtime)},
        {{kAIArtSetSuite, kAIArtSetSuiteVersion}, table(artSet)},
    };
    return suites;
}

} // namespace

SPBasicSuite* basicSuite()
{
    static SPBasicSuite suite = {AcquireSuite, ReleaseSuite};
    return &suite;
}

const void* suiteTable(const std::string& name, std::int32_t version)
{
    const auto& suites = servedSuites();
    const auto found = suites.find({name, version});
    if (found != suites.end())
        return found->second;
    static const HostReservedSlot textEngine[32] = {};
    return name.rfind(kATESuitePrefix, 0) == 0 ? textEngine : nullptr;
}

} // namespace testhost
