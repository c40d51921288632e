// Detection and Store against the real profile files of the Wine prefix.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <tuple>

#include "../../app/program.h"
#include "../../config/capture_config_win32.h"
#include "dialog_harness.h"

namespace {

// Replaces the file and drops what the platform cached of it.
void WriteSystemIni(const std::string& path, const std::string& content) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << content;
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, "SYSTEM.INI");
}

// A SYSTEM.INI of a machine with both capture drivers, with other drivers'
// sections and a comment. Wine drops blank lines when it rewrites a profile file.
std::string SystemIni(const std::string& pciKeys, const std::string& isaKeys = "") {
    return "[boot]\r\nshell=Explorer.exe\r\n; a comment the user wrote\r\n[drivers]\r\nVIDC.MJPG=VideoRQ3.drv\r\n"
           "[velkCI.DLL]\r\nRQ7ToMemory=8000\r\nMemoryToRQ7=9000\r\n" + pciKeys + "Port=0x300\r\n"
           "[VIDEORQ3]\r\nIRQ=10\r\n" + isaKeys;
}

TEST(ProfileFiles, DetectionReadsTheBoardSectionsAndStoreChangesOnlyItsOwnKeys) {
    const std::string path = WindowsFile("system.ini"), original = ReadAll(path);
    const std::string before = "DataRate=1000\r\nCaptureDrive=Q:\r\nDefCapFormat=MID\r\n";
    WriteSystemIni(path, SystemIni(before));
    EXPECT_EQ(DetectCaptureBoard(captureOptions, captureBoard), 1);
    EXPECT_EQ(std::make_tuple(captureBoard.boardKind, captureOptions.boardType, captureBoard.limits.cardToMemory,
                              captureBoard.limits.memoryToCard),
              std::make_tuple(uint16_t{kPciInterfaceWithIsaCodec}, uint16_t{kPciBoard}, 8000u, 9000u));

    ASSERT_TRUE(StoreDriveResults(1924, 2, "E:", kPciBoard));
    EXPECT_EQ(ReadAll(path), SystemIni("DataRate=1924\r\nCaptureDrive=E:\r\nDefCapFormat=HIGH\r\n"));
    WriteSystemIni(path, SystemIni(before));
    ASSERT_TRUE(StoreDriveResults(79, 2, "C:", kIsaBoard));
    EXPECT_EQ(ReadAll(path), SystemIni(before, "DataRate=79\r\nCaptureDrive=C:\r\n"));
    WriteSystemIni(path, original);
}

TEST(Country, NtscFollowsTheCountryCode) {
    char saved[16] = "";
    GetProfileStringA("intl", "iCountry", "", saved, sizeof saved);
    for (const auto& [country, norm] : {std::pair<const char*, uint16_t>{"1", 1}, {"49", 0}}) {
        WriteProfileStringA("intl", "iCountry", country);
        EXPECT_EQ(VideoNormFromCountry(), norm) << country;
    }
    WriteProfileStringA("intl", "iCountry", saved[0] != '\0' ? saved : nullptr);
}

} // namespace
