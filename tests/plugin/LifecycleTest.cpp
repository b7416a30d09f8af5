// Start-up, shut-down, unload, reload and message dispatch of the loaded module.

#include "PluginHostTest.h"

#include <gmock/gmock.h>

using namespace testhost;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {


using Lifecycle = PluginHostTest;

TEST_F(Lifecycle, StartupRegistersTheReadOnlyFormatAndShutdownGivesEverythingBack)
{
    ASSERT_EQ(host.startup(), kNoErr);
    EXPECT_NE(host.globals(), nullptr);
    EXPECT_THAT(host.pluginNames(), ElementsAre("hlvexportfile"));
    EXPECT_THAT(host.notifierNames(), ElementsAre("hlvexportfile App Started Notifier"));
    ASSERT_EQ(host.fileFormats().size(), 1u);
    const FileFormatObject format = host.fileFormats().front();
    EXPECT_EQ(format.name, "  Halvren Scrivet vector files");
    EXPECT_EQ(format.title, " Halvren file vector data");
    EXPECT_EQ(format.titleOrder, 0);
    EXPECT_EQ(format.extensions, "wpi,hlv");
    EXPECT_EQ(format.options, kFileFormatRead);
    EXPECT_EQ(host.accessReferences(), 1u);
    EXPECT_EQ(host.heldSuites().size(), 36u);

    EXPECT_EQ(host.shutdown(), kNoErr);
    EXPECT_EQ(host.globals(), nullptr);
    EXPECT_THAT(host.heldSuites(), IsEmpty());
}

TEST_F(Lifecycle, UnloadReleasesTheSuitesAndReloadTakesThemAgain)
{
    ASSERT_EQ(host.startup(), kNoErr);
    void* plugin = host.globals();
    EXPECT_EQ(host.unload(), kNoErr);
    EXPECT_THAT(host.heldSuites(), IsEmpty());
    EXPECT_EQ(host.globals(), plugin);
    // Without suites the plug-in answers without dispatching.
    EXPECT_EQ(host.openFile(scratch.file("a.wpi")), kNoErr);
    EXPECT_THAT(host.callsOf("CopyFilePath"), IsEmpty());

    EXPECT_EQ(host.reload(), kNoErr);
    EXPECT_EQ(host.heldSuites().size(), 36u);
    EXPECT_EQ(host.openFile(scratch.file("a.wpi"), 0), kNoErr);
    EXPECT_EQ(host.callsOf("OpenStyleLibrary").size(), 1u);

    EXPECT_EQ(host.shutdown(), kNoErr);
    EXPECT_THAT(host.heldSuites(), IsEmpty());
}

TEST_F(Lifecycle, UnknownMessagesAndMessagesBeforeStartupAnswerZero)
{
    EXPECT_EQ(host.send("AI Menu", "AI Go"), kNoErr);
    ASSERT_EQ(host.startup(), kNoErr);
    for (const auto& [caller, selector] : std::vector<std::pair<const char*, const char*>>{
             {"No Such Caller", "AI Go"},
             {"AI Menu", "No Such Selector"},
             {"SP Interface", "About"},
             {"SP Cache", "Plug-in Purge"},
             {"AI Tool", "AI Mouse Down"},
         })
        EXPECT_EQ(host.send(caller, selector), kNoErr) << caller << " / " << selector;
    EXPECT_EQ(host.shutdown(), kNoErr);
}

// A message without caller, selector or record is not handled, before
// start-up and after it; the plug-in goes on answering.
TEST_F(Lifecycle, MessagesWithoutNamesOrRecordAreNotHandled)
{
    for (bool started : {false, true}) {
        if (started) {
            ASSERT_EQ(host.startup(), kNoErr);
        }
        EXPECT_EQ(host.send(nullptr, hostmsg::kGoSelector), kUnhandledMsgErr) << started;
        EXPECT_EQ(host.send(hostmsg::kAIFileFormatCaller, nullptr), kUnhandledMsgErr) << started;
        EXPECT_EQ(host.send(nullptr, nullptr), kUnhandledMsgErr) << started;
        EXPECT_EQ(host.sendWithoutRecord(hostmsg::kAIFileFormatCaller, hostmsg::kGoSelector), kUnhandledMsgErr)
            << started;
    }
    EXPECT_EQ(host.send("AI Menu", "AI Go"), kNoErr);
    EXPECT_EQ(host.shutdown(), kNoErr);
    EXPECT_THAT(host.heldSuites(), IsEmpty());
}

TEST_F(Lifecycle, ApplicationStartedNotifierRunsInsideAnApplicationContext)
{
    ASSERT_EQ(host.startup(), kNoErr);
    EXPECT_EQ(host.notify(hostmsg::kApplicationStartedNotifier, hostmsg::kNotifySelector), kNoErr);
    EXPECT_EQ(host.callsOf("PushAppContext").size(), 1u);
    EXPECT_EQ(host.callsOf("PopAppContext").size(), 1u);
    EXPECT_EQ(host.shutdown(), kNoErr);
}

// Every way start-up can fail ends with the host's code, no plug-in object,
// no suite held and no access reference left.
struct StartupFailure {
    const char* op;
    const char* args;
};

class FailedStartup : public PluginHostTest, public ::testing::WithParamInterface<StartupFailure> {};

TEST_P(FailedStartup, GivesBackEverythingTakenSoFar)
{
    host.failCall(GetParam().op, kInjected, GetParam().args);
    EXPECT_EQ(host.startup(), kInjected);
    EXPECT_EQ(host.globals(), nullptr);
    EXPECT_THAT(host.heldSuites(), IsEmpty());
    EXPECT_EQ(host.accessReferences(), 0u);
    // The host may try again.
    EXPECT_EQ(host.startup(), kNoErr);
    EXPECT_EQ(host.shutdown(), kNoErr);
    EXPECT_THAT(host.heldSuites(), IsEmpty());
}

INSTANTIATE_TEST_SUITE_P(EachStep, FailedStartup,
                         ::testing::Values(StartupFailure{"AcquireSuite", "SP Access Suite"},
                                           StartupFailure{"AcquireSuite", "AI Folders Suite"},
                                           StartupFailure{"AcquireSuite", "AI Layer Suite"},
                                           StartupFailure{"AcquireSuite", "ATE ArrayComposerEngine Suite"},
                                           StartupFailure{"SetPluginName", ""},
                                           StartupFailure{"AddNotifier", ""},
                                           StartupFailure{"AddFileFormat", ""}));

// The host's versions are only kept and printed: a query that fails does
// not stop the start-up.
class FailedVersionQuery : public PluginHostTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(FailedVersionQuery, StillStartsAndRegistersTheFormat)
{
    host.failCall(GetParam(), kInjected);
    EXPECT_EQ(host.startup(), kNoErr);
    EXPECT_NE(host.globals(), nullptr);
    EXPECT_EQ(host.fileFormats().size(), 1u);
    EXPECT_EQ(host.shutdown(), kNoErr);
    EXPECT_THAT(host.heldSuites(), IsEmpty());
}

INSTANTIATE_TEST_SUITE_P(EachQuery, FailedVersionQuery, ::testing::Values("GetAppMajorVersion", "GetAppMinorVersion"));

} // namespace
