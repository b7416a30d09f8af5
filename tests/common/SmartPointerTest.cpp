#include "SmartPointer.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

using Pelm::MutexGuard;
using Pelm::SmartPointer;
using Pelm::ThreadMutex;

namespace {

std::atomic<int> liveTracked{0};

struct Tracked {
    Tracked() { ++liveTracked; }
    virtual ~Tracked() { --liveTracked; }
    SmartPointer<Tracked> child;
};

class SmartPointerTest : public ::testing::Test {
protected:
    void SetUp() override { liveTracked = 0; }
    void TearDown() override { EXPECT_EQ(liveTracked, 0); }
};

} // namespace

TEST_F(SmartPointerTest, LastReleaseDeletes)
{
    SmartPointer<Tracked> first(new Tracked);
    {
        SmartPointer<Tracked> second(first);
        EXPECT_EQ(second.GetData(), first.GetData());
    }
    EXPECT_EQ(liveTracked, 1);
    first.Release();
    EXPECT_EQ(liveTracked, 0);
    EXPECT_EQ(first.GetData(), nullptr);
    first.Release(); // a released handle is inert
}

TEST_F(SmartPointerTest, NullHandleOwnsCountAndMutex)
{
    SmartPointer<Tracked> empty;
    SmartPointer<Tracked> copy(empty);
    EXPECT_EQ(copy.GetData(), nullptr);
    copy.Release();
    empty.Release();
}

TEST_F(SmartPointerTest, ReleaseThatIsNotLastDetachesTheHandle)
{
    SmartPointer<Tracked> keeper(new Tracked);
    {
        SmartPointer<Tracked> user(keeper);
        user.Release();
        EXPECT_EQ(user.GetData(), nullptr);
        user.Release();
        // user's destructor must not take another reference away
    }
    EXPECT_EQ(liveTracked, 1);
    EXPECT_NE(keeper.GetData(), nullptr);
}

TEST_F(SmartPointerTest, AssignmentToSelfAndToTheSameFamily)
{
    SmartPointer<Tracked> a(new Tracked);
    SmartPointer<Tracked> b(a);
    Tracked* object = a.GetData();
    a = a;
    a = b;
    b = a;
    EXPECT_EQ(a.GetData(), object);
    EXPECT_EQ(liveTracked, 1);
    a.Release();
    EXPECT_EQ(liveTracked, 1);
    b.Release();
    EXPECT_EQ(liveTracked, 0);
}

TEST_F(SmartPointerTest, AssigningAHandleOwnedByTheTargetsObject)
{
    SmartPointer<Tracked> p(new Tracked);
    p->child = SmartPointer<Tracked>(new Tracked);
    Tracked* child = p->child.GetData();
    p = p->child; // releases the parent, which holds the handle being copied
    EXPECT_EQ(p.GetData(), child);
    EXPECT_EQ(liveTracked, 1);
}

TEST_F(SmartPointerTest, SetDataHandsTheObjectOver)
{
    SmartPointer<Tracked> reader(new Tracked);
    SmartPointer<Tracked> caller(reader.GetData());
    reader.SetData(nullptr);
    reader.Release();
    EXPECT_EQ(liveTracked, 1);
    EXPECT_NE(caller.GetData(), nullptr);
}

TEST_F(SmartPointerTest, CountingAcrossThreads)
{
    SmartPointer<Tracked> shared(new Tracked);
    std::vector<std::thread> threads;
    for (int t = 0; t < 8; ++t)
        threads.emplace_back([shared] {
            for (int i = 0; i < 2000; ++i) {
                SmartPointer<Tracked> copy(shared);
                SmartPointer<Tracked> other;
                other = copy;
            }
        });
    for (std::thread& t : threads)
        t.join();
    EXPECT_EQ(liveTracked, 1);

    // The last handle may be dropped on any thread.
    std::vector<SmartPointer<Tracked>> handles(4, shared);
    shared.Release();
    threads.clear();
    for (SmartPointer<Tracked>& h : handles)
        threads.emplace_back([&h] { h.Release(); });
    for (std::thread& t : threads)
        t.join();
    EXPECT_EQ(liveTracked, 0);
}

TEST(ThreadMutex, IsRecursiveForItsOwnerOnly)
{
    ThreadMutex m;
    std::atomic<bool> otherGotIt{false};
    std::thread other;
    {
        MutexGuard outer(m);
        MutexGuard inner(m); // the owner may lock again without blocking
        other = std::thread([&] {
            MutexGuard g(m);
            otherGotIt = true;
        });
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        EXPECT_FALSE(otherGotIt);
    }
    other.join();
    EXPECT_TRUE(otherGotIt);
}
