#include "RunLoop.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <poll.h>
#include <sys/eventfd.h>
#include <system_error>
#include <unistd.h>
#include <utility>

namespace Platform {

namespace {

thread_local RunLoop* currentLoop = nullptr;

int makeWakeFd()
{
    const int fd = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (fd < 0)
        throw std::system_error(errno, std::generic_category(), "eventfd");
    return fd;
}

} // namespace

RunLoop::~RunLoop()
{
    if (currentLoop == this)
        currentLoop = nullptr;
}

RunLoop* RunLoop::current() { return currentLoop; }

RunLoop* RunLoop::bindToCurrentThread() { return std::exchange(currentLoop, this); }

void RunLoop::restoreCurrent(RunLoop* previous) { currentLoop = previous; }

class ThreadRunLoop::Watch : public FdWatch {
public:
    Watch(ThreadRunLoop& loop, std::shared_ptr<Watched> entry) : loop(loop), entry(std::move(entry))
    {
    }
    ~Watch() override
    {
        {
            std::lock_guard<std::mutex> lock(loop.mutex);
            entry->active = false;
        }
        loop.wakeUp();
    }

private:
    ThreadRunLoop& loop;
    std::shared_ptr<Watched> entry;
};

ThreadRunLoop::ThreadRunLoop() : wakeFd(makeWakeFd()) {}

ThreadRunLoop::~ThreadRunLoop() { close(wakeFd); }

void ThreadRunLoop::post(Task task)
{
    {
        std::lock_guard<std::mutex> lock(mutex);
        tasks.push_back(std::move(task));
    }
    wakeUp();
}

std::unique_ptr<FdWatch> ThreadRunLoop::watchReadable(int fd, Task onReadable)
{
    auto entry = std::make_shared<Watched>(Watched{fd, std::move(onReadable)});
    {
        std::lock_guard<std::mutex> lock(mutex);
        watched.push_back(entry);
    }
    wakeUp();
    return std::make_unique<Watch>(*this, std::move(entry));
}

void ThreadRunLoop::run()
{
    RunLoop* const previous = bindToCurrentThread();
    std::unique_lock<std::mutex> lock(mutex);
    for (;;) {
        while (!tasks.empty()) {
            Task task = std::move(tasks.front());
            tasks.pop_front();
            lock.unlock();
            task();
            lock.lock();
        }
        if (stopRequested)
            break;
        serveDescriptors(lock);
    }
    stopRequested = false;
    restoreCurrent(previous);
}

void ThreadRunLoop::stop()
{
    {
        std::lock_guard<std::mutex> lock(mutex);
        stopRequested = true;
    }
    wakeUp();
}

void ThreadRunLoop::wakeUp()
{
    const std::uint64_t one = 1;
    // A full counter (never reached) or EAGAIN still leaves the loop woken.
    [[maybe_unused]] const ssize_t written = write(wakeFd, &one, sizeof one);
}

void ThreadRunLoop::serveDescriptors(std::unique_lock<std::mutex>& lock)
{
    watched.erase(std::remove_if(watched.begin(), watched.end(),
                                 [](const auto& entry) { return !entry->active; }),
                  watched.end());
    const std::vector<std::shared_ptr<Watched>> polled = watched;
    std::vector<pollfd> fds{{wakeFd, POLLIN, 0}};
    for (const auto& entry : polled)
        fds.push_back({entry->fd, POLLIN, 0});

    lock.unlock();
    const int ready = poll(fds.data(), fds.size(), -1);
    if (fds[0].revents & POLLIN) {
        std::uint64_t wakeUps = 0;
        [[maybe_unused]] const ssize_t drained = read(wakeFd, &wakeUps, sizeof wakeUps);
    }
    lock.lock();
    if (ready <= 0)
        return; // interrupted: look again

    for (std::size_t i = 0; i < polled.size(); ++i) {
        const short events = fds[i + 1].revents;
        if (!events || !polled[i]->active)
            continue;
        if (events & POLLNVAL) { // closed without ending its watch
            polled[i]->active = false;
            continue;
        }
        lock.unlock();
        polled[i]->onReadable();
        lock.lock();
    }
}

} // namespace Platform
