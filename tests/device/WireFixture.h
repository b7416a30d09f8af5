#ifndef DRAVELLO_TESTS_DEVICE_WIREFIXTURE_H
#define DRAVELLO_TESTS_DEVICE_WIREFIXTURE_H

// A simulated receiver opened as a MacDevice, with pauses recorded instead
// of spent.

#include "MacDevice.h"
#include "Pause.h"
#include "SimulatedHidBackend.h"
#include "SimulatedReceiver.h"

#include <gtest/gtest.h>

#include <chrono>
#include <initializer_list>
#include <memory>
#include <mutex>
#include <vector>

using PlatformSim::Bytes;
using PlatformSim::getRequest;
using PlatformSim::report;
using PlatformSim::SimulatedHidBackend;
using PlatformSim::SimulatedReceiver;
using PlatformSim::WireReport;

// Pauses are recorded, not spent.
class PauseRecorder {
public:
    PauseRecorder()
        : replacement([this](std::chrono::microseconds duration) {
              std::lock_guard<std::mutex> lock(mutex);
              pauses.push_back(duration);
          })
    {
    }
    std::vector<std::chrono::microseconds> recorded() const
    {
        std::lock_guard<std::mutex> lock(mutex);
        return pauses;
    }
    void clear()
    {
        std::lock_guard<std::mutex> lock(mutex);
        pauses.clear();
    }

private:
    mutable std::mutex mutex;
    std::vector<std::chrono::microseconds> pauses;
    Platform::PauseOverride replacement;
};

class WireFixture : public ::testing::Test {
protected:
    static constexpr std::int32_t Vendor = 0x56A;
    static constexpr std::int32_t Product = 0x221;

    // Opens the receiver plugged in with the options; the wire log and the
    // pauses start empty afterwards.
    std::unique_ptr<MacDevice> open(SimulatedHidBackend::PlugOptions options = {})
    {
        const auto id = backend.plug(receiver, Vendor, Product, options);
        auto device = std::make_unique<MacDevice>(*backend.service(id));
        receiver->clearWireLog();
        pauses.clear();
        return device;
    }

    // The reports that reached the receiver, and its replies.
    std::vector<Bytes> sent() const
    {
        return PlatformSim::wireReports(*receiver, WireReport::Direction::ToReceiver);
    }
    std::vector<Bytes> replies() const
    {
        return PlatformSim::wireReports(*receiver, WireReport::Direction::FromReceiver);
    }

    PauseRecorder pauses;
    SimulatedHidBackend backend;
    std::shared_ptr<SimulatedReceiver> receiver = std::make_shared<SimulatedReceiver>();
};

#endif
