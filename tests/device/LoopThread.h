#ifndef DRAVELLO_TESTS_DEVICE_LOOPTHREAD_H
#define DRAVELLO_TESTS_DEVICE_LOOPTHREAD_H

// A thread running a ThreadRunLoop, standing in for the GUI thread: call()
// runs a function there and waits for it.

#include "RunLoop.h"

#include <functional>
#include <future>
#include <thread>

class LoopThread {
public:
    LoopThread() : thread([this] { loop.run(); }) {}
    ~LoopThread()
    {
        loop.stop();
        thread.join();
    }

    void call(std::function<void()> function)
    {
        std::promise<void> done;
        loop.post([&] {
            function();
            done.set_value();
        });
        done.get_future().wait();
    }

    // Waits until every task posted before has run.
    void drain()
    {
        call([] {});
    }

private:
    Platform::ThreadRunLoop loop;
    std::thread thread;
};

#endif
