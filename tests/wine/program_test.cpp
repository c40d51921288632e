// The shipped program itself, built without a C runtime, started as a user would.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include <windows.h>

namespace {

// TARVEX_PROGRAM names tarvex.exe by its Linux path, which Wine shows on drive Z:.
std::string ProgramPath() {
    const char* path = std::getenv("TARVEX_PROGRAM");
    std::string windowsPath = std::string("Z:") + (path != nullptr ? path : "");
    for (char& c : windowsPath) {
        if (c == '/') c = '\\';
    }
    return windowsPath;
}

HWND WaitForWindow(const char* className, const char* title) {
    for (int tries = 0; tries < 100; ++tries) {
        if (HWND window = FindWindowA(className, title)) return window;
        Sleep(100);
    }
    return nullptr;
}

TEST(Program, StartsShowsTheDrivesAndEndsWithExitCodeZero) {
    std::string path = ProgramPath();
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::string commandLine = "\"" + path + "\" fromCONFIG";
    ASSERT_TRUE(CreateProcessA(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                               &startup, &process))
        << path;

    const HWND box = WaitForWindow("#32770", "Tarvex (Durotest)");
    ASSERT_NE(box, nullptr);
    char text[512] = "";
    GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
    EXPECT_NE(std::string(text).find("(C:) "), std::string::npos) << text;
    EXPECT_NE(std::string(text).find("MB free of "), std::string::npos) << text;

    PostMessageA(box, WM_COMMAND, IDOK, 0);
    ASSERT_EQ(WaitForSingleObject(process.hProcess, 10000), WAIT_OBJECT_0);
    DWORD exitCode = 255;
    GetExitCodeProcess(process.hProcess, &exitCode);
    EXPECT_EQ(exitCode, 0u);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

} // namespace
