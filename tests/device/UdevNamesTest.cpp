#include "UdevNames.h"

#include <gtest/gtest.h>

#include <string>

using Platform::decodeUdevText;
using Platform::hidIdsFromDevpath;

TEST(UdevNames, EncodedValuesKeepEverythingButWellFormedEscapes)
{
    const std::pair<std::string, std::string> cases[] = {
        {"Receiver\\x20\\x20", "Receiver  "}, // blanks as the device gives them
        {"MY\\x20PEN", "MY PEN"},
        {"\\x41\\x6a", "Aj"},
        {"\\x", "\\x"},
        {"end\\x2", "end\\x2"},
        {"\\xZZ", "\\xZZ"},
        {"\\x5cx41", "\\x41"}, // an escaped backslash starts no second escape
        {"\\x00", std::string(1, '\0')},
        {"Ärger", "Ärger"},
        {"", ""},
    };
    for (const auto& [encoded, plain] : cases)
        EXPECT_EQ(decodeUdevText(encoded), plain) << encoded;
}

TEST(UdevNames, TheIdsOfAHidrawNodeComeFromTheNameOfItsHidDevice)
{
    const std::string usb = "/devices/pci0000:00/usb1/1-1/1-1:1.0/";
    struct Case {
        std::string devpath;
        bool found;
        std::int32_t vendor;
        std::int32_t product;
    };
    const Case cases[] = {
        {usb + "0003:2F1E:0A01.0001/hidraw/hidraw0", true, 0x2F1E, 0x0A01},
        {usb + "0003:2f1e:0a01.0001/hidraw/hidraw0", true, 0x2F1E, 0x0A01},
        {usb + "0005:FFFF:0000.1A2B3/hidraw/hidraw12", true, 0xFFFF, 0x0000},
        {usb + "0003:2F1E:0A01/hidraw/hidraw0", false, 0, 0},       // no instance number
        {usb + "0003:2F1E:0A01.0001/input/input7", false, 0, 0},    // not a hidraw node
        {usb + "0003:2F1G:0A01.0001/hidraw/hidraw0", false, 0, 0},  // not hexadecimal
        {usb + "0003:+F1E:0A01.0001/hidraw/hidraw0", false, 0, 0},
        {usb + "0003:2F1E:0A01.00010000A/hidraw/hidraw0", false, 0, 0}, // instance too long
        {"0003:2F1E:0A01.0001/hidraw/hidraw0", false, 0, 0},        // nothing before the name
        {"/hidraw/hidraw0", false, 0, 0},
        {"", false, 0, 0},
    };
    for (const Case& c : cases) {
        std::int32_t vendor = 0;
        std::int32_t product = 0;
        EXPECT_EQ(hidIdsFromDevpath(c.devpath, vendor, product), c.found) << c.devpath;
        if (c.found) {
            EXPECT_EQ(vendor, c.vendor) << c.devpath;
            EXPECT_EQ(product, c.product) << c.devpath;
        }
    }
}
