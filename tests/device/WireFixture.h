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

using Bytes = std::vector<std::uint8_t>;
using PlatformSim::SimulatedHidBackend;
using PlatformSim::SimulatedReceiver;
using PlatformSim::WireReport;

// A 33-byte report beginning with the given bytes.
inline Bytes report(std::initializer_list<std::uint8_t> head)
{
    Bytes bytes(head);
    bytes.resize(SimulatedReceiver::ReportSize, 0);
    return bytes;
}

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

    // The reports sent to the receiver, or read from it.
    std::vector<Bytes> wire(WireReport::Direction direction, bool completedOnly = true) const
    {
        std::vector<Bytes> found;
        for (const WireReport& entry : receiver->wireLog()) {
            if (entry.direction == direction && (entry.completed || !completedOnly))
                found.push_back(entry.bytes);
        }
        return found;
    }
    std::vector<Bytes> sent() const { return wire(WireReport::Direction::ToReceiver); }
    std::vector<Bytes> replies() const { return wire(WireReport::Direction::FromReceiver); }

    PauseRecorder pauses;
    SimulatedHidBackend backend;
    std::shared_ptr<SimulatedReceiver> receiver = std::make_shared<SimulatedReceiver>();
};

#endif
