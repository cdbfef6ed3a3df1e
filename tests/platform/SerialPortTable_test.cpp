#include "platform/SerialPortTable.h"

#include "platform/DataFolders.h"
#include "tests/platform/PseudoTerminal.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace {

constexpr const char* kSection = "SERIAL_PORTS";

bool Contains(const std::vector<std::string>& list, const std::string& item) {
    return std::find(list.begin(), list.end(), item) != list.end();
}

TEST(SerialPortTable, NewDevicesTakeTheLowestFreeNumbersAndKeepThem) {
    TIniFile settings(GetSettingsFilePath());
    settings.WriteString(kSection, "COM1", "/dev/ttyS0");
    settings.WriteString(kSection, "com3", "/dev/ttyUSB0");   // keys ignore case
    settings.WriteString(kSection, "COM21", "/dev/ttyUSB7");  // out of range: no entry
    settings.WriteString(kSection, "Comment", "/dev/ttyUSB8");

    AssignSerialPortNumbers(settings, {"/dev/ttyUSB0", "/dev/ttyUSB1", "/dev/ttyACM0"});
    EXPECT_EQ(settings.ReadString(kSection, "COM2", ""), "/dev/ttyUSB1");
    EXPECT_EQ(settings.ReadString(kSection, "COM3", ""), "/dev/ttyUSB0");
    EXPECT_EQ(settings.ReadString(kSection, "COM4", ""), "/dev/ttyACM0");

    // Unplugged and plugged again in another order: every device keeps its number.
    AssignSerialPortNumbers(settings, {"/dev/ttyACM0", "/dev/ttyUSB1"});
    EXPECT_EQ(settings.ReadString(kSection, "COM2", ""), "/dev/ttyUSB1");
    EXPECT_EQ(settings.ReadString(kSection, "COM4", ""), "/dev/ttyACM0");
    EXPECT_EQ(settings.ReadSection(kSection).size(), 6u);
}

TEST(SerialPortTable, ADeviceStoredUnderALinkIsKnown) {
    TPseudoTerminal terminal;
    const std::string link = TestTempFolder() + "usb-GNSS_receiver-if00-port0";
    std::filesystem::remove(link);
    std::filesystem::create_symlink(terminal.SlavePath(), link);
    TIniFile settings(GetSettingsFilePath());
    settings.WriteString(kSection, "COM5", link);
    AssignSerialPortNumbers(settings, {terminal.SlavePath()});
    EXPECT_EQ(settings.ReadSection(kSection).size(), 1u);
}

TEST(SerialPortTable, NoNumberBeyondTwenty) {
    TIniFile settings(GetSettingsFilePath());
    std::vector<std::string> devices;
    for (int i = 0; i < 21; ++i) devices.push_back("/dev/ttyUSB" + std::to_string(i));
    AssignSerialPortNumbers(settings, devices);
    EXPECT_EQ(settings.ReadString(kSection, "COM20", ""), "/dev/ttyUSB19");
    EXPECT_EQ(settings.ReadSection(kSection).size(), 20u);
}

TEST(SerialPortTable, ListsThePortsWhoseDeviceExists) {
    TPseudoTerminal terminal;
    terminal.MapToPort(4);
    TIniFile(GetSettingsFilePath()).WriteString(kSection, "COM6", "/dev/no-such-port");
    EXPECT_EQ(SerialDevicePath(4), terminal.SlavePath());
    EXPECT_EQ(SerialDevicePath(6), "/dev/no-such-port");
    EXPECT_EQ(SerialDevicePath(0), "");
    EXPECT_EQ(SerialDevicePath(21), "");
    const std::vector<std::string> names = SerialPortNames();
    EXPECT_TRUE(Contains(names, "COM4"));
    EXPECT_FALSE(Contains(names, "COM6"));
    EXPECT_TRUE(std::is_sorted(names.begin(), names.end(), [](const auto& a, const auto& b) {
        return std::stoi(a.substr(3)) < std::stoi(b.substr(3));
    }));
}

TEST(SerialPortTable, PresentDevicesAreCharacterDevices) {
    for (const std::string& device : PresentSerialDevices()) {
        SCOPED_TRACE(device);
        EXPECT_TRUE(std::filesystem::is_character_file(device));
    }
}

}  // namespace
