// Detection and Store against the real profile files of the Wine prefix.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <tuple>

#include "../../app/program.h"
#include "../../config/capture_config_win32.h"
#include "dialog_harness.h"

namespace {

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

void WriteFile(const std::string& path, const std::string& content) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << content;
}

// A SYSTEM.INI of the kind a machine with both capture drivers has, other
// drivers' sections and comments included. Wine drops blank lines whenever it
// rewrites a profile file, so there are none.
std::string SystemIni(const char* dataRate, const char* captureDrive, const char* format) {
    return std::string("[boot]\r\n"
                       "shell=Explorer.exe\r\n"
                       "; a comment the user wrote\r\n"
                       "[drivers]\r\n"
                       "VIDC.MJPG=VideoRQ3.drv\r\n"
                       "[velkCI.DLL]\r\n"
                       "RQ7ToMemory=8000\r\n"
                       "MemoryToRQ7=9000\r\n"
                       "DataRate=") +
           dataRate + "\r\nCaptureDrive=" + captureDrive + "\r\nDefCapFormat=" + format +
           "\r\n"
           "Port=0x300\r\n"
           "[VIDEORQ3]\r\n"
           "IRQ=10\r\n";
}

class ProfileFiles : public testing::Test {
protected:
    void SetUp() override {
        path_ = WindowsFile("system.ini");
        original_ = ReadFile(path_);
        WriteFile(path_, SystemIni("1000", "Q:", "MID"));
        WritePrivateProfileStringA(nullptr, nullptr, nullptr, "SYSTEM.INI"); // drop what the platform cached
    }
    void TearDown() override {
        WriteFile(path_, original_);
        WritePrivateProfileStringA(nullptr, nullptr, nullptr, "SYSTEM.INI");
    }

    std::string path_;
    std::string original_;
};

TEST_F(ProfileFiles, DetectionReadsTheBoardSectionsAndStoreChangesOnlyItsOwnKeys) {
    EXPECT_EQ(DetectCaptureBoard(captureOptions, captureBoard), 1);
    EXPECT_EQ(std::make_tuple(captureBoard.boardKind, captureOptions.boardType, captureBoard.limits.cardToMemory,
                              captureBoard.limits.memoryToCard),
              std::make_tuple(uint16_t{kPciInterfaceWithIsaCodec}, uint16_t{kPciBoard}, 8000u, 9000u));

    ASSERT_TRUE(StoreDriveResults(1924, 2, "E:", kPciBoard));
    EXPECT_EQ(ReadFile(path_), SystemIni("1924", "E:", "HIGH"));

    WriteFile(path_, SystemIni("1000", "Q:", "MID"));
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, "SYSTEM.INI");
    ASSERT_TRUE(StoreDriveResults(79, 2, "C:", kIsaBoard));
    std::string expected = SystemIni("1000", "Q:", "MID");
    expected.replace(expected.find("IRQ=10\r\n"), 8, "IRQ=10\r\nDataRate=79\r\nCaptureDrive=C:\r\n");
    EXPECT_EQ(ReadFile(path_), expected);
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
