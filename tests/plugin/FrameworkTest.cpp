// The framework glue linked into the test: counted suite acquisition, error
// reporting and the string wrapper.

#include "HostSuiteTables.h"
#include "Plugin.h"
#include "SuitePointers.h"
#include "Suites.h"
#include "TestHost.h"
#include "UnicodeString.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>

using namespace testhost;
using ::testing::IsEmpty;

namespace {

class Framework : public ::testing::Test {
protected:
    Framework() { sSPBasic = basicSuite(); }
    ~Framework() override { sSPBasic = nullptr; }

    std::size_t callsNaming(const std::string& op, const std::string& name) const
    {
        std::size_t count = 0;
        for (const CallRecord& call : host.callsOf(op))
            count += call.args.find(name) != std::string::npos ? 1 : 0;
        return count;
    }

    TestHost host;
};

TEST_F(Framework, ASecondSuitesObjectOnlyRaisesTheCountAndTheLastReleasesAll)
{
    auto first = std::make_unique<Suites>();
    ASSERT_EQ(first->Error(), kNoErr);
    const std::size_t acquisitions = host.callsOf("AcquireSuite").size();
    const std::size_t held = host.heldSuites().size();
    {
        Suites second;
        EXPECT_EQ(second.Error(), kNoErr);
        EXPECT_EQ(Suites::AcquiredCount(), 2);
        EXPECT_EQ(host.callsOf("AcquireSuite").size(), acquisitions);
    }
    EXPECT_EQ(host.heldSuites().size(), held);
    EXPECT_TRUE(sAILayer);

    first.reset();
    EXPECT_THAT(host.heldSuites(), IsEmpty());
    EXPECT_FALSE(sAILayer);
    EXPECT_EQ(Suites::AcquiredCount(), 0);
}

TEST_F(Framework, OptionalSuitesAreTriedAgainUntilHeld)
{
    const void* required = nullptr;
    const void* present = nullptr;
    const void* absent = nullptr;
    const ImportSuite table[] = {
        {kAILayerSuite, kAILayerSuiteVersion, &required},
        {nullptr, kOptionalSuitesFollow, nullptr},
        {kAIArtSuite, kAIArtSuiteVersion, &present},
        {"AI Absent Suite", 1, &absent},
        {nullptr, 0, nullptr},
    };
    {
        Suites suites(table);
        ASSERT_EQ(suites.Error(), kNoErr);
        EXPECT_NE(required, nullptr);
        EXPECT_NE(present, nullptr);
        EXPECT_EQ(absent, nullptr);
        suites.acquire_Optional_Suites();
        EXPECT_EQ(callsNaming("AcquireSuite", "AI Absent Suite"), 2u);
        EXPECT_EQ(callsNaming("AcquireSuite", kAIArtSuite), 1u);
    }
    EXPECT_THAT(host.heldSuites(), IsEmpty());
    EXPECT_EQ(present, nullptr);
}

// The alert path takes the user suite only while it reports, so each
// report shows as one acquisition of it.
class ReportingPlugin : public Plugin {
public:
    ReportingPlugin() : Plugin(nullptr) {}
    void ageLastReport(std::time_t seconds) { fLastErrorTime -= seconds; }
};

TEST_F(Framework, TheSameErrorIsReportedOnceWithinFiveSeconds)
{
    ReportingPlugin plugin;
    const auto reports = [this] { return callsNaming("AcquireSuite", kAIUserSuite); };
    const AIErr error = fourCharCode("ERR1");

    plugin.ReportError(error, "AI File Format", "AI Go", nullptr);
    plugin.ReportError(error, "AI File Format", "AI Go", nullptr);
    EXPECT_EQ(reports(), 1u);
    plugin.ageLastReport(5);
    plugin.ReportError(error, "AI File Format", "AI Go", nullptr);
    EXPECT_EQ(reports(), 2u);
    plugin.ReportError(fourCharCode("ERR2"), "AI File Format", "AI Go", nullptr);
    EXPECT_EQ(reports(), 3u);
    EXPECT_THAT(host.heldSuites(), IsEmpty());
}

TEST_F(Framework, FilteredErrorsAreNeverReported)
{
    ReportingPlugin plugin;
    for (const AIErr code : {kCachesFlushedResponse, AIErr{361}, fourCharCode("FMT?"), fourCharCode("STOP")}) {
        EXPECT_TRUE(Plugin::FilterError(code));
        plugin.ReportError(code, "AI File Format", "AI Go", nullptr);
    }
    EXPECT_FALSE(Plugin::FilterError(kCantHappenErr));
    EXPECT_EQ(callsNaming("AcquireSuite", kAIUserSuite), 0u);
}

TEST_F(Framework, StringsFromNullTextAreEmptyWithoutAHostString)
{
    Suites suites;
    const ai::UnicodeString none(nullptr, kAIUTF8CharacterEncoding);
    EXPECT_TRUE(none.empty());
    EXPECT_EQ(none.as_UTF8(), "");
    EXPECT_EQ(none.caseCompare(ai::UnicodeString()), 0);
    EXPECT_THAT(host.callsOf("NewUnicodeString"), IsEmpty());

    const ai::UnicodeString upper = ai::UnicodeString::FromPlatform("INKML");
    EXPECT_EQ(upper.caseCompare(ai::UnicodeString::FromPlatform("inkml")), 0);
    EXPECT_NE(upper.caseCompare(ai::UnicodeString::FromPlatform("inkm")), 0);
}

} // namespace
