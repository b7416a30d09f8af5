#include "DiskIdentity.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

using Platform::VolumeDescription;

TEST(DiskIdentity, VendorAndModelMustBothMatchTheConfiguredNames)
{
    struct Case {
        std::optional<std::string> vendor;
        std::optional<std::string> model;
        std::string configuredVendor;
        std::string configuredModel;
        bool matches;
    };
    const Case cases[] = {
        {"Nivok", "Receiver", "Nivok", "Receiver", true},
        {"NIVOK", "receiver", "Nivok", "Receiver", true},   // letter case is ignored
        {"Nivok", "Receiver ", "Nivok", "Receiver", false}, // blanks are not trimmed
        {"Nivok", "Other", "Nivok", "Receiver", false},
        {std::nullopt, "Receiver", "Nivok", "Receiver", false},
        {"Nivok", std::nullopt, "Nivok", "Receiver", false},
        {"", "", "", "", false}, // no configured names: no disk is ours
        {"Nivok", "", "Nivok", "", false},
        {"Ärger", "Receiver", "\x80rger", "Receiver", true}, // configured text is Mac Roman
        {"äRGER", "Receiver", "\x80rger", "Receiver", true},
        {"Ärger", "Receiver", "\xC4rger", "Receiver", false},    // not Latin-1
        {"\xFF\xFE", "Receiver", "\xFF\xFE", "Receiver", false}, // invalid UTF-8 from the system
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.configuredVendor + "/" + c.configuredModel + " vs " +
                     c.vendor.value_or("-") + "/" + c.model.value_or("-"));
        const VolumeDescription disk{c.vendor, c.model, std::string("/media/x"), std::string("x")};
        EXPECT_EQ(isNivokDisk(disk, c.configuredVendor, c.configuredModel), c.matches);
    }
}
