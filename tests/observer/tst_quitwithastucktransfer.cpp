// The program quits while a transfer to the receiver hangs: a receiver faked
// with umockdev that stops answering holds each transfer as the kernel would,
// 5 s. The process ends within a second of the quit all the same.

#include "EnvironmentOverride.h"
#include "FakeReceiverBed.h"
#include "ProgramRun.h"

#include <QtTest>

#include <atomic>

using testsupport::ProgramRun;

namespace {

const std::filesystem::path kProgram = DRAVELLO_PROGRAM;
constexpr std::int32_t Vendor = 0x2F1E; // the factory settings' receiver
constexpr std::int32_t Product = 0x0A01;

} // namespace

class TestQuitWithAStuckTransfer : public QObject {
    Q_OBJECT

    // The program is found by name, as from a shell.
    testsupport::EnvironmentOverride path{"PATH", (kProgram.parent_path().string() + ":/usr/bin:/bin").c_str()};

private slots:
    void theProcessEndsWithinASecondOfTheQuit();
};

void TestQuitWithAStuckTransfer::theProcessEndsWithinASecondOfTheQuit()
{
    PlatformSim::FakeReceiverBed bed;
    QVERIFY2(bed.isActive(), "the test must run under umockdev's preload library");
    auto receiver = std::make_shared<PlatformSim::SimulatedReceiver>();
    receiver->setSilent(true);
    std::atomic<bool> reached{false};
    receiver->setTransferHook([&reached] { reached = true; });
    const auto id = bed.plugReceiver(receiver, Vendor, Product);

    testsupport::FakeSystemRoot system;
    system.installProgramData();
    // The first transfer, the report mode sent on opening, hangs from the
    // start on; the quit comes while it does.
    std::vector<std::string> environment = testsupport::programEnvironment(
        system, {"HOME=" + system.homeFolder().string(), "DRAVELLO_TEST_QUIT_MS=2000"},
        {"LD_PRELOAD", "UMOCKDEV_DIR"});
    ProgramRun run(kProgram, system.path(), {}, environment);
    QVERIFY(run.started);
    QTRY_VERIFY_WITH_TIMEOUT(run.lineTime("test quit") || !run.running(), 30000);
    const auto quit = run.lineTime("test quit");
    QVERIFY2(quit, run.errors().c_str());
    QVERIFY2(reached, "the program did not talk to the receiver");
    QTRY_VERIFY_WITH_TIMEOUT(!run.running(), 10000);
    const auto took = std::chrono::duration_cast<std::chrono::milliseconds>(*run.ended - *quit);
    qInfo("the process ended %lld ms after the quit", static_cast<long long>(took.count()));
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(took.count() < 1000, run.errors().c_str());
    bed.unplug(id);
}

QTEST_GUILESS_MAIN(TestQuitWithAStuckTransfer)
#include "tst_quitwithastucktransfer.moc"
