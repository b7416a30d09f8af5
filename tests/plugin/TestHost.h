#ifndef DRAVELLO_TESTS_PLUGIN_TESTHOST_H
#define DRAVELLO_TESTS_PLUGIN_TESTHOST_H

// A stand-in of the drawing host: loads the plug-in (or takes an entry point
// linked into the test), sends it messages, serves the suites, records every
// call with its arguments and result, fails any call on request and keeps a
// small model of the art it was asked to build. It is strict: stale or
// unknown handles, negative counts, unbalanced suite releases and strings,
// paths, blocks, art sets or contexts left open after a message are noted
// as problems.

#include "HandleTable.h"
#include "HostMessages.h"

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace testhost {

struct CallRecord {
    std::string op;
    std::string args;
    AIErr result;
};

struct ArtObject {
    std::int16_t kind = 0;
    AIArtHandle parent = nullptr;
    std::vector<AIArtHandle> children; // bottom to top
    std::vector<AIPathSegment> segments;
    std::optional<bool> closed;
    std::vector<AITabletProfile> profile;
    std::optional<std::int32_t> profileKind;
    AIArtStyleHandle style = nullptr;
};

struct LayerObject {
    std::string name;
    bool editable = false;
    AIArtHandle group = nullptr;
};

struct StyleObject {
    std::string name;
};

struct LibraryObject {
    std::map<std::string, AIArtStyleHandle> styles;
};

struct FilePathObject {
    std::string text;
    bool ownedByHost = false;
};

struct FileFormatObject {
    std::string name;
    std::string title;
    std::int32_t titleOrder;
    std::string extensions;
    std::int32_t options;
    std::int32_t extraOptions;
};

class TestHost {
public:
    TestHost();
    ~TestHost();
    TestHost(const TestHost&) = delete;
    TestHost& operator=(const TestHost&) = delete;

    static TestHost& current();

    // The plug-in to talk to.
    void loadModule(const std::string& path);
    void useEntry(PluginEntry entry) { entry_ = entry; }

    // Messages; each answers the plug-in's result.
    AIErr send(const char* caller, const char* selector);
    // The entry called with a null message record.
    AIErr sendWithoutRecord(const char* caller, const char* selector);
    AIErr startup();
    AIErr shutdown();
    AIErr unload();
    AIErr reload();
    AIErr notify(const char* type, const char* selector);
    // Opens a new document and asks the plug-in to fill it from the file.
    AIErr openFile(const std::string& path, std::int32_t options = kFileFormatRead);
    void* globals() const { return globals_; }

    // The n-th call (from now on) of the operation whose arguments contain
    // the text answers the code instead of running.
    void failCall(const std::string& op, AIErr code, const std::string& argsContaining = "", int occurrence = 1);

    const std::vector<CallRecord>& calls() const { return calls_; }
    std::vector<CallRecord> callsOf(const std::string& op) const;
    const std::vector<std::string>& problems() const { return problems_; }
    // Suites acquired more often than released, by name.
    std::vector<std::string> heldSuites() const;
    std::size_t accessReferences() const { return access_.size(); }
    const std::vector<std::string>& pluginNames() const { return pluginNames_; }
    std::vector<std::string> notifierNames() const { return notifiers_.values(); }
    std::vector<FileFormatObject> fileFormats() const { return formats_.values(); }

    // A style library file the host can open, with its named styles.
    void addStyleLibrary(const std::string& path, const std::vector<std::string>& styleNames);

    // The document model.
    void newDocument();
    const AIDocumentSetup& setup() const { return setup_; }
    std::optional<AIRealPoint> rulerOrigin() const { return rulerOrigin_; }
    std::vector<AILayerHandle> layers() const { return stack_; } // bottom to top
    const LayerObject& layer(AILayerHandle handle);
    AILayerHandle currentLayer() const { return currentLayer_; }
    // The paths of a layer, bottom to top.
    std::vector<const ArtObject*> pathsOf(AILayerHandle handle);
    std::string styleOf(const ArtObject& art);

    // Used by the suite functions.
    std::optional<AIErr> injected(const std::string& op, const std::string& args);
    void record(const std::string& op, const std::string& args, AIErr result);
    AIErr problem(const std::string& text);

    SPPluginRef pluginRef() const { return pluginRef_; }
    void noteSuiteAcquired(const std::string& name) { ++suiteCounts_[name]; }
    bool noteSuiteReleased(const std::string& name);

    HandleCounter counter;
    HandleTable<SPAccessRef, int> access_{counter};
    HandleTable<AINotifierHandle, std::string> notifiers_{counter};
    std::vector<AIAppContextHandle> contexts_;
    HandleTable<AIAppContextHandle, int> contextTable_{counter};
    HandleTable<AIUnicodeStringHandle, std::string> strings_{counter};
    HandleTable<AIFilePathHandle, FilePathObject> paths_{counter};
    HandleTable<AIFileFormatHandle, FileFormatObject> formats_{counter};
    HandleTable<AIArtSet, std::vector<AIArtHandle>> artSets_{counter};
    HandleTable<AILayerHandle, LayerObject> layerTable_{counter};
    HandleTable<AIArtHandle, ArtObject> art_{counter};
    HandleTable<AIArtStyleHandle, StyleObject> styles_{counter};
    HandleTable<AIDocumentHandle, LibraryObject> libraries_{counter};
    std::map<void*, std::vector<char>> blocks_;
    std::map<std::string, std::vector<std::string>> registeredLibraries_;
    std::vector<std::string> pluginNames_;

    AIDocumentSetup setup_{};
    std::optional<AIRealPoint> rulerOrigin_;
    std::vector<AILayerHandle> stack_;
    AILayerHandle currentLayer_ = nullptr;
    bool documentOpen_ = false;
    std::int32_t majorVersion = 17;
    std::int32_t minorVersion = 0;

    AILayerHandle addLayerOnTop();

private:
    struct Injection {
        std::string op;
        AIErr code;
        std::string argsContaining;
        int remaining;
    };

    AIErr deliver(const char* caller, const char* selector, SPMessageData& data);
    void checkLeftovers(const char* caller, const char* selector);
    void closeDocument();

    void* module_ = nullptr;
    PluginEntry entry_ = nullptr;
    void* globals_ = nullptr;
    SPPluginRef pluginRef_;
    std::map<std::string, int> suiteCounts_;
    std::vector<Injection> injections_;
    std::vector<CallRecord> calls_;
    std::vector<std::string> problems_;
};

} // namespace testhost

#endif
