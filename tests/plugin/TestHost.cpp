#include "TestHost.h"

#include "HostSuiteTables.h"

#include <dlfcn.h>

#include <algorithm>
#include <stdexcept>

namespace testhost {

namespace {

TestHost* gCurrent = nullptr;

} // namespace

TestHost::TestHost() : pluginRef_(reinterpret_cast<SPPluginRef>(counter.next()))
{
    if (gCurrent)
        throw std::logic_error("one test host at a time");
    gCurrent = this;
}

TestHost::~TestHost()
{
    if (module_)
        dlclose(module_);
    gCurrent = nullptr;
}

TestHost& TestHost::current()
{
    if (!gCurrent)
        throw std::logic_error("no test host");
    return *gCurrent;
}

void TestHost::loadModule(const std::string& path)
{
    module_ = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!module_)
        throw std::runtime_error(std::string("cannot load the plug-in: ") + dlerror());
    entry_ = reinterpret_cast<PluginEntry>(dlsym(module_, "PluginMain"));
    if (!entry_)
        throw std::runtime_error("the plug-in has no PluginMain");
}

AIErr TestHost::deliver(const char* caller, const char* selector, SPMessageData& data)
{
    data.check = kSPValidMessageCheck;
    data.self = pluginRef_;
    data.globals = globals_;
    data.basic = basicSuite();
    const AIErr result = entry_(caller, selector, &data);
    globals_ = data.globals;
    checkLeftovers(caller, selector);
    return result;
}

AIErr TestHost::send(const char* caller, const char* selector)
{
    SPInterfaceMessage message{};
    return deliver(caller, selector, message.d);
}

AIErr TestHost::sendWithoutRecord(const char* caller, const char* selector)
{
    return entry_(caller, selector, nullptr);
}

AIErr TestHost::startup() { return send(hostmsg::kSPInterfaceCaller, hostmsg::kStartupSelector); }
AIErr TestHost::shutdown() { return send(hostmsg::kSPInterfaceCaller, hostmsg::kShutdownSelector); }
AIErr TestHost::unload() { return send(hostmsg::kSPAccessCaller, hostmsg::kUnloadSelector); }
AIErr TestHost::reload() { return send(hostmsg::kSPAccessCaller, hostmsg::kReloadSelector); }

AIErr TestHost::notify(const char* type, const char* selector)
{
    AINotifierMessage message{};
    message.type = type;
    return deliver(hostmsg::kAINotifierCaller, selector, message.d);
}

AIErr TestHost::openFile(const std::string& path, std::int32_t options)
{
    newDocument();
    AIFileFormatMessage message{};
    message.option = options;
    message.filePath = paths_.add({path, true});
    const AIErr result = deliver(hostmsg::kAIFileFormatCaller, hostmsg::kGoSelector, message.d);
    paths_.remove(message.filePath);
    return result;
}

void TestHost::failCall(const std::string& op, AIErr code, const std::string& argsContaining, int occurrence)
{
    injections_.push_back({op, code, argsContaining, occurrence});
}

std::optional<AIErr> TestHost::injected(const std::string& op, const std::string& args)
{
    for (auto it = injections_.begin(); it != injections_.end(); ++it) {
        if (it->op != op || args.find(it->argsContaining) == std::string::npos)
            continue;
        if (--it->remaining > 0)
            continue;
        const AIErr code = it->code;
        injections_.erase(it);
        return code;
    }
    return std::nullopt;
}

void TestHost::record(const std::string& op, const std::string& args, AIErr result)
{
    calls_.push_back({op, args, result});
}

AIErr TestHost::problem(const std::string& text)
{
    problems_.push_back(text);
    return kBadParameterErr;
}

std::vector<CallRecord> TestHost::callsOf(const std::string& op) const
{
    std::vector<CallRecord> found;
    std::copy_if(calls_.begin(), calls_.end(), std::back_inserter(found),
                 [&op](const CallRecord& call) { return call.op == op; });
    return found;
}

bool TestHost::noteSuiteReleased(const std::string& name)
{
    auto count = suiteCounts_.find(name);
    if (count == suiteCounts_.end() || count->second == 0)
        return false;
    --count->second;
    return true;
}

std::vector<std::string> TestHost::heldSuites() const
{
    std::vector<std::string> held;
    for (const auto& [name, count] : suiteCounts_)
        if (count > 0)
            held.push_back(name);
    return held;
}

void TestHost::checkLeftovers(const char* caller, const char* selector)
{
    const std::string message = std::string(" left open after ") + (caller ? caller : "(null)") + "/"
        + (selector ? selector : "(null)");
    const auto report = [&](std::size_t count, const char* what) {
        if (count)
            problems_.push_back(std::to_string(count) + " " + what + message);
    };
    report(strings_.size(), "strings");
    report(paths_.countIf([](const FilePathObject& path) { return !path.ownedByHost; }), "file paths");
    report(blocks_.size(), "blocks");
    report(artSets_.size(), "art sets");
    report(contexts_.size(), "contexts");
}

void TestHost::addStyleLibrary(const std::string& path, const std::vector<std::string>& styleNames)
{
    registeredLibraries_[path] = styleNames;
}

void TestHost::closeDocument()
{
    layerTable_.clear();
    art_.clear();
    styles_.clear();
    libraries_.clear();
    stack_.clear();
    currentLayer_ = nullptr;
    rulerOrigin_.reset();
    documentOpen_ = false;
}

void TestHost::newDocument()
{
    closeDocument();
    documentOpen_ = true;
    setup_ = {612.0, 792.0, 800.0, 1};
    currentLayer_ = addLayerOnTop();
}

AILayerHandle TestHost::addLayerOnTop()
{
    ArtObject group;
    group.kind = kGroupArt;
    const AIArtHandle groupHandle = art_.add(group);
    const AILayerHandle layer =
        layerTable_.add({"Layer " + std::to_string(stack_.size() + 1), false, groupHandle});
    stack_.push_back(layer);
    return layer;
}

const LayerObject& TestHost::layer(AILayerHandle handle)
{
    const LayerObject* found = layerTable_.find(handle);
    if (!found)
        throw std::logic_error("no such layer");
    return *found;
}

std::vector<const ArtObject*> TestHost::pathsOf(AILayerHandle handle)
{
    std::vector<const ArtObject*> paths;
    for (AIArtHandle child : art_.find(layer(handle).group)->children)
        if (const ArtObject* art = art_.find(child); art && art->kind == kPathArt)
            paths.push_back(art);
    return paths;
}

std::string TestHost::styleOf(const ArtObject& art)
{
    const StyleObject* style = styles_.find(art.style);
    return style ? style->name : std::string();
}

} // namespace testhost
