#ifndef DEVICEINTERFACE_PROTOCOLHANDLER_H
#define DEVICEINTERFACE_PROTOCOLHANDLER_H

#include <cstdint>
#include <initializer_list>
#include <string>

class Device;
class Packet;

// The receiver's report mode, sent as its low 8 bits.
enum OSInputCaps : std::uint32_t { OSInputCapsDefault = 2 };

// The receiver's commands over a Device: one request report written and, for
// a get, one reply read back. No state, no retries: each operation is one
// attempt and returns true only when every transfer succeeded; out-arguments
// are left untouched otherwise.
class ProtocolHandler {
public:
    // The receiver's last event (one byte on the wire; other values may arrive).
    enum ePELM_EVENTS_ENUM : std::uint8_t {
        NO_EVENT = 0,
        NOT_ENOUGH_SPACE = 1,
        SPACE_FILLED_DURING_WORK = 2,
        SHUT_DOWN_ON_TIME_IR_OUT = 3,
        BATTERY_EXHAUSTED = 4,
        TOO_MANY_FILES = 5,
        FAILED_TO_STARTUP_BATTERY_LOW = 6,
        MAX_NUMBER_OF_PELM_EVENTS = 7,
    };

    // The charger's state (one byte on the wire; other values may arrive).
    enum ChargerState : std::uint8_t {
        BATTERY_NOT_OPERATIONAL = 1,
        BATTERY_CRITICALLY_LOW = 2,
        BATTERY_CHARGING = 3,
        BATTERY_FULL = 4,
        NOT_CHARGING_LOW_CURRENT = 5,
        NOT_CHARGING_TOO_HOT = 6,
        NOT_CHARGING_TOO_HOT_ALSO = 7,
        NOT_CHARGING_TOO_COLD = 8,
    };

    // The receiver's clock.
    struct DateTime {
        std::uint16_t year; // full year, 2014 not 14
        std::uint8_t month;
        std::uint8_t day;
        std::uint8_t hour;
        std::uint8_t minute;
        std::uint8_t second;
    };

    // The device is not owned; with none, every command fails.
    explicit ProtocolHandler(Device* device);
    virtual ~ProtocolHandler() = default;

    virtual bool setReportMode(OSInputCaps mode);
    virtual bool getReportMode(OSInputCaps& mode) const;

    // Sets the online mode, reads it back; true only if the reply repeats
    // the set request byte for byte.
    bool unlockOnlineMode() const;
    bool setDateTime(const DateTime& dateTime);
    bool setPressureThreshold(unsigned short threshold);
    bool getPressureThreshold(unsigned short& threshold);
    // The version text, such as "165.432.10A".
    bool getFirmwareVersion(std::string& version);
    bool getBatteryState(ChargerState& state);
    bool getBatteryVoltage(int& voltage);
    bool getLastError(ePELM_EVENTS_ENUM& event);
    bool resetLastError();
    bool Restore2FactorySettigns();

private:
    // Writes the set request of the command with the payload from byte 4.
    bool sendSet(std::uint8_t command, std::initializer_list<std::uint8_t> payload = {}) const;
    // Writes the get request of the command and reads the reply; no read
    // after a failed write.
    bool requestGet(std::uint8_t command, Packet& reply) const;
    // A get whose decoded reply goes into value; value is untouched on failure.
    template <class Value, class Decode>
    bool readValue(std::uint8_t command, Value& value, Decode decode) const;
    bool write(Packet& request) const;
    bool read(Packet& reply) const;

    Device* m_device;
};

#endif
