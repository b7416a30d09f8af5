// The program quits while a reader of the loader is stuck in a sketch file:
// the browsed folder is a file system served by this test (as a stalled
// network share would be) whose reads do not answer. The process ends within
// a second of the quit all the same.

#define FUSE_USE_VERSION 31

#include "EnvironmentOverride.h"
#include "FakeSystemRoot.h"
#include "ProgramRun.h"

#include <QScopeGuard>
#include <QtTest>

#include <fuse.h>

#include <atomic>
#include <condition_variable>
#include <csignal>
#include <cstring>
#include <mutex>
#include <thread>

using testsupport::FakeSystemRoot;
using testsupport::ProgramRun;

namespace {

const std::filesystem::path kProgram = DRAVELLO_PROGRAM;

// A folder holding one sketch file, "a.inkml", whose reads wait until they
// are released or the reading thread is killed (the kernel waits for the
// answer to a read it has handed over even then, so an interrupted read
// answers at once).
class StalledFolder {
public:
    explicit StalledFolder(const std::filesystem::path& mountPoint)
    {
        static const fuse_operations operations = [] {
            fuse_operations ops{};
            ops.init = &StalledFolder::init;
            ops.getattr = &StalledFolder::getattr;
            ops.readdir = &StalledFolder::readdir;
            ops.open = &StalledFolder::open;
            ops.read = &StalledFolder::read;
            return ops;
        }();
        // The signal that tells a handling thread its request was interrupted.
        struct sigaction interrupted {};
        interrupted.sa_handler = [](int) {};
        sigaction(SIGUSR1, &interrupted, nullptr);
        char name[] = "stalled";
        char* argv[] = {name, nullptr};
        fuse_args args = FUSE_ARGS_INIT(1, argv);
        fuse = fuse_new(&args, &operations, sizeof operations, this);
        fuse_opt_free_args(&args);
        if (!fuse || fuse_mount(fuse, mountPoint.c_str()) != 0)
            return;
        mounted = true;
        loop = std::thread([this] { fuse_loop_mt(fuse, 0); });
    }

    ~StalledFolder()
    {
        release();
        if (mounted) {
            fuse_exit(fuse);
            fuse_unmount(fuse);
            loop.join();
        }
        if (fuse)
            fuse_destroy(fuse);
    }

    // From now on reads fail at once.
    void release()
    {
        {
            std::lock_guard<std::mutex> lock(mutex);
            released = true;
        }
        changed.notify_all();
    }

    bool mounted = false;
    std::atomic<int> readsWaiting{0};

private:
    static constexpr const char* kFile = "/a.inkml";
    static constexpr off_t kSize = 4096;

    static StalledFolder& self()
    {
        return *static_cast<StalledFolder*>(fuse_get_context()->private_data);
    }

    static void* init(fuse_conn_info*, fuse_config* config)
    {
        config->intr = 1; // a killed reader's read is interrupted
        return fuse_get_context()->private_data;
    }

    static int getattr(const char* path, struct stat* info, fuse_file_info*)
    {
        std::memset(info, 0, sizeof *info);
        if (std::strcmp(path, "/") == 0) {
            info->st_mode = S_IFDIR | 0755;
            info->st_nlink = 2;
            return 0;
        }
        if (std::strcmp(path, kFile) != 0)
            return -ENOENT;
        info->st_mode = S_IFREG | 0644;
        info->st_nlink = 1;
        info->st_size = kSize;
        return 0;
    }

    static int readdir(const char* path, void* buffer, fuse_fill_dir_t fill, off_t, fuse_file_info*,
                       fuse_readdir_flags)
    {
        if (std::strcmp(path, "/") != 0)
            return -ENOENT;
        fill(buffer, ".", nullptr, 0, fuse_fill_dir_flags{});
        fill(buffer, "..", nullptr, 0, fuse_fill_dir_flags{});
        fill(buffer, kFile + 1, nullptr, 0, fuse_fill_dir_flags{});
        return 0;
    }

    static int open(const char* path, fuse_file_info* file)
    {
        // Past the page cache: a read that waits holds no page that another
        // open of the file would wait for.
        file->direct_io = 1;
        return std::strcmp(path, kFile) == 0 ? 0 : -ENOENT;
    }

    static int read(const char*, char*, size_t, off_t, fuse_file_info*)
    {
        StalledFolder& folder = self();
        ++folder.readsWaiting;
        std::unique_lock<std::mutex> lock(folder.mutex);
        while (!folder.released && !fuse_interrupted())
            folder.changed.wait_for(lock, std::chrono::milliseconds(10));
        --folder.readsWaiting;
        return folder.released ? -EIO : -EINTR;
    }

    struct fuse* fuse = nullptr;
    std::thread loop;
    std::mutex mutex;
    std::condition_variable changed;
    bool released = false;
};

} // namespace

class TestQuitWithAStuckReader : public QObject {
    Q_OBJECT

    // The program is found by name, as from a shell.
    testsupport::EnvironmentOverride path{"PATH", (kProgram.parent_path().string() + ":/usr/bin:/bin").c_str()};

private slots:
    void theProcessEndsWithinASecondOfTheQuit();
};

void TestQuitWithAStuckReader::theProcessEndsWithinASecondOfTheQuit()
{
    FakeSystemRoot system;
    system.installProgramData();
    std::unique_ptr<StalledFolder> documents = std::make_unique<StalledFolder>(system.documents());
    if (!documents->mounted)
        QSKIP("no FUSE mount here (needs /dev/fuse and the right to mount)");
    std::unique_ptr<ProgramRun> run = std::make_unique<ProgramRun>(
        kProgram, system.path(), std::vector<std::string>{},
        testsupport::programEnvironment(
            system, {"HOME=" + system.homeFolder().string(), "DRAVELLO_TEST_QUIT_MS=2000"}));
    QVERIFY(run->started);
    // A program still reading is let go before it is killed.
    const auto releaseFirst = qScopeGuard([&documents] { documents->release(); });
    QTRY_VERIFY_WITH_TIMEOUT(run->lineTime("test quit") || !run->running(), 30000);
    const auto quit = run->lineTime("test quit");
    QVERIFY2(quit, run->errors().c_str());
    QVERIFY2(documents->readsWaiting > 0, "no reader was stuck at the quit");
    QTRY_VERIFY_WITH_TIMEOUT(!run->running(), 10000);
    const auto took = std::chrono::duration_cast<std::chrono::milliseconds>(*run->ended - *quit);
    qInfo("the process ended %lld ms after the quit", static_cast<long long>(took.count()));
    QCOMPARE(run->exitCode, 0);
    QVERIFY2(took.count() < 1000, run->errors().c_str());
}

QTEST_GUILESS_MAIN(TestQuitWithAStuckReader)
#include "tst_quitwithastuckreader.moc"
